// The board form's authoring commands. The registration and make-from-a-
// drawing jobs fill these handlers in.
#include "board/frmNono.h"

namespace velin {

void frmNono::MenuQuestionEntry_Click() {}

void frmNono::MenuQuestionMake_Click() {}

} // namespace velin

// Scans 10 to 21 of the end pattern rules, run in each pass after scan 9.
#include "solver/LineSolver.h"

namespace velin {

void LineSolver::Scan10() {}
void LineSolver::Scan11() {}
void LineSolver::Scan12() {}
void LineSolver::Scan13() {}
void LineSolver::Scan14() {}
void LineSolver::Scan15() {}
void LineSolver::Scan16() {}
void LineSolver::Scan17() {}
void LineSolver::Scan18() {}
void LineSolver::Scan19() {}
void LineSolver::Scan20() {}
void LineSolver::Scan21() {}

} // namespace velin

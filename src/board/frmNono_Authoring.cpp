// The board form's authoring commands: registering a new question from typed
// clues ("Append"), test-solved on the board once it is written. Making one
// from a drawing is frmNono_Make.cpp.
#include "app/Colors.h"
#include "app/Shared.h"
#include "authoring/frmEntry.h"
#include "board/QuestionCopies.h"
#include "board/frmEndMsg.h"
#include "board/frmNono.h"
#include "files/frmFileSel.h"
#include "media/SoundPlayer.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QMenu>
#include <QRadioButton>

namespace velin {

void frmNono::MenuQuestionEntry_Click()
{
    if (PopupShown) {
        // Chosen from the popup menu: run once the menu has closed.
        PopupShown = false;
        PendingCommand = QStringLiteral("Append");
        tmrPopup.start();
        return;
    }
    // A registration cancelled later puts the loaded question's values back.
    const QuestionCopies copies = QuestionCopies::KeepAndClear();

    ResetPlay();
    Shared.DefaultSolveMode = Shared.SolveMode;
    SavedInputSwitch = Shared.InputSwitch;
    SavedPlayInput = PlayInput;

    EndMsgForm().lblMessage->setText(QStringLiteral("終　　了"));
    Shared.SolveMode = QStringLiteral("Pc");
    Shared.InputSwitch = QStringLiteral("Off");

    Sounds().PlayEvent(SoundFunction);
    Shared.JobMode = QStringLiteral("Append");
    frmEntry& entry = EntryForm();
    entry.menuGrid->setEnabled(true);
    Platform::dialogs().ShowModal(&entry);
    UnloadEntryForm();

    if (!Shared.JobMode.isEmpty()) {
        // The test solve: Start runs the solver on the question just written.
        surface.FillStyle = Surface::FillTransparent;
        LoadQuestion();
        surface.FillStyle = Surface::FillSolid;
        surface.FillColor = QBColor(2);
    } else {
        Shared.SolveMode = Shared.DefaultSolveMode;
        Shared.InputSwitch = SavedInputSwitch;
        PlayInput = SavedPlayInput;
        const int option = Shared.SolveMode == QLatin1String("Man")  ? 0
                           : Shared.SolveMode == QLatin1String("Pc") ? 1
                                                                     : 2;
        FileSelForm().optMode[static_cast<size_t>(option)]->setChecked(true);
    }
    copies.PutBackUnlessRegistered();
}

} // namespace velin

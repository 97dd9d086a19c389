// The File menu's open commands: the file selection form configured for a
// question file and the play mode, or the hint list; then the chosen question
// on the board.
#include "app/Colors.h"
#include "app/Shared.h"
#include "board/frmNono.h"
#include "files/FileNames.h"
#include "files/frmFileSel.h"
#include "files/frmHintList.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace velin {

void frmNono::MenuFileOpen_Click()
{
    if (SolverRunning())
        return;
    ResetPlay();
    Shared.InputSwitch = QStringLiteral("Off");
    MenuFilePrintForm->setEnabled(true);

    frmFileSel& fileSel = FileSelForm();
    fileSel.SetFolder(Shared.QuestionFolder);
    fileSel.lblNandoMark->setText(QStringLiteral("★ 初級－下"));

    const bool check = Shared.SolveMode == QLatin1String("Check");
    if (!check || Shared.CheckCount <= 1) {
        Shared.QuestionPath.clear();
        fileSel.ConfigureForQuestion();
        if (check)
            fileSel.ConfigureForBatchFirst();
        fileSel.CentreOn(this);
        // Straight onto the file list when the folder holds a "nono" set,
        // onto the folder list otherwise.
        const QListWidgetItem* first = fileSel.filFile->item(0);
        const QString name = first ? first->text() : QString();
        if (name.size() >= 4 && name.at(3).toLower() == u'o')
            fileSel.PointToList(fileSel.filFile);
        else
            fileSel.PointToFolders();
        Platform::dialogs().ShowModal(&fileSel);
        if (Shared.SolveMode == QLatin1String("Check") && Shared.CheckCount <= 0)
            return;
    }

    if (ColorChangePending == QLatin1String("On")) {
        surface.BackColor = Shared.FormColor;
        ColorChangePending = QStringLiteral("Off");
    }
    LoadQuestion();
    surface.FillStyle = Surface::FillSolid;
    surface.FillColor = QBColor(2);
    if (Shared.SolveMode == QLatin1String("Man") || Shared.SolveMode == QLatin1String("Check"))
        Shared.InputSwitch = QStringLiteral("On");
    if (Shared.QuestionState == QLatin1String("Ok")) {
        cmdStart->setEnabled(true);
        cmdStart->setFocus();
        PointToStart();
    }
}

void frmNono::MenuFileHintList_Click()
{
    if (SolverRunning())
        return;
    Shared.HintOpenRequest = false;
    frmHintList& hints = HintListForm();
    if (hints.Form_Load()) {
        hints.CentreOn(this);
        Platform::dialogs().ShowModal(&hints);
    }
    hints.tmrWait.stop();
    if (!Shared.HintOpenRequest)
        return;

    // A game in progress ends here: its clock, its input and the seconds
    // carried over from a restored puzzle must not pass on to the new question.
    const QString solveMode = Shared.SolveMode;
    const QString state = Shared.QuestionState;
    const QString path = Shared.QuestionPath;
    ResetPlay();
    Shared.SolveMode = solveMode;
    Shared.QuestionPath = path;

    surface.FillColor = Shared.FormColor;
    surface.FillStyle = Surface::FillTransparent;
    Shared.QuestionState = QStringLiteral("Ok");
    if (Shared.SolveMode == QLatin1String("Check")) {
        const int number = FileNames::NumberBeforeExtension(Shared.QuestionPath);
        Shared.CheckFirstNo = static_cast<int16_t>(number);
        Shared.CheckFileNo = static_cast<int16_t>(number);
        Shared.CheckLastNo = static_cast<int16_t>(number);
    }
    const bool loaded = LoadQuestion();
    if (Shared.SolveMode == QLatin1String("Man") || Shared.SolveMode == QLatin1String("Check"))
        Shared.InputSwitch = QStringLiteral("On");
    if (loaded) {
        cmdStart->setEnabled(true);
        cmdStart->setVisible(true);
        cmdStart->setFocus();
        PointToStart();
        Shared.QuestionState = state;
    }
    surface.FillStyle = Surface::FillSolid;
    surface.FillColor = QBColor(2);
}

} // namespace velin

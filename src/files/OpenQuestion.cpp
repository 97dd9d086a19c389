// The File menu's open command: the file selection form configured for a
// question file and the play mode, then the chosen question on the board.
#include "app/Colors.h"
#include "app/Shared.h"
#include "board/frmNono.h"
#include "files/frmFileSel.h"
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

} // namespace velin

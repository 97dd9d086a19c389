// The board form's information display: the View menu's comment and
// difficulty messages in the information window, the right-click popup on
// the idle board, and the popup timer that runs an authoring command once the
// popup menu has closed.
#include "app/Shared.h"
#include "board/InfoText.h"
#include "board/dlgInformation.h"
#include "board/frmNono.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Twips.h"

#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace velin {

void frmNono::InfBox(const QString& message, const QString& title)
{
    dlgInformation& dlg = InformationForm();
    dlg.PrintLines(InfoText::BreakLines(message));

    InfoText::LayoutInput in;
    const QSize picture = dlg.picInformation->sizeHint();
    in.PictureWidth = picture.width() * Platform::screen().TwipsPerPixelX();
    in.PictureHeight = picture.height() * Platform::screen().TwipsPerPixelY();
    in.TextWidth = dlg.TextWidth();
    in.TextHeight = dlg.TextHeight();
    in.OkWidth = 1000;
    in.OwnerLeft = FormLeft();
    in.OwnerTop = FormTop();
    in.OwnerWidth = FormWidth();
    in.OwnerHeight = FormHeight();
    const InfoText::Layout out = InfoText::LayoutOf(in);

    dlg.setFixedSize(Twips::ToPixelsX(out.Width), Twips::ToPixelsY(out.Height));
    dlg.move(Twips::ToPixelsX(out.Left), Twips::ToPixelsY(out.Top));
    Twips::PlaceControl(dlg.picInformation, out.PictureLeft, out.ContentTop, in.PictureWidth, in.PictureHeight);
    Twips::PlaceControl(dlg.lblText, out.TextLeft, out.ContentTop, in.TextWidth, in.TextHeight);
    Twips::PlaceControl(dlg.cmdOk, out.OkLeft, out.OkTop, in.OkWidth, 360);

    const QString caption = dlg.windowTitle();
    if (!title.isEmpty())
        dlg.setWindowTitle(title);
    dlg.cmdOk->setFocus();
    Platform::dialogs().ShowModal(&dlg);
    dlg.setWindowTitle(caption);
}

void frmNono::mnuViewComment_Click()
{
    InfBox(InfoText::CommentText(Shared.CommentText, Shared.DifficultyMark, Shared.QuestionPath));
}

void frmNono::mnuViewDifficulty_Click()
{
    InfBox(InfoText::DifficultyText(Shared.DifficultyMark, Shared.QuestionPath), QStringLiteral("難易度情報"));
}

void frmNono::lblComent_MouseUp(int button)
{
    if (button != 2)
        return;
    PopupShown = true;
    menuFile->popup(QCursor::pos());
}

void frmNono::imgSnake_MouseUp(int button)
{
    lblComent_MouseUp(button);
}

void frmNono::tmrPopup_Timer()
{
    PopupShown = false;
    tmrPopup.stop();
    if (PendingCommand == QLatin1String("Append")) {
        PendingCommand.clear();
        MenuQuestionEntry_Click();
    } else if (PendingCommand == QLatin1String("Private")) {
        PendingCommand.clear();
        MenuQuestionMake_Click();
    }
}

} // namespace velin

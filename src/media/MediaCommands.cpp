// The board's sound and colour commands: the sound settings form in its two
// modes and the background colour form, each placed over the board's top
// left corner, where the pointer guidance measures them.
#include "app/Shared.h"
#include "board/frmNono.h"
#include "files/frmFileSel.h"
#include "media/SoundPlayer.h"
#include "media/frmColor.h"
#include "media/frmSound.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Surface.h"
#include "platform/Twips.h"

#include <QFrame>
#include <QRadioButton>

namespace velin {

namespace {

void PlaceOverBoard(QWidget* form, const frmNono& board)
{
    Twips::MoveWindow(form, board.FormLeft(), board.FormTop(), Twips::Width(form), Twips::Height(form));
}

void ShowSoundForm(frmNono& board, bool fileMode)
{
    Sounds().PlayEvent(SoundFunction);
    Shared.SoundFileMode = fileMode ? QStringLiteral("On") : QStringLiteral("Off");
    frmSound form(&board);
    PlaceOverBoard(&form, board);
    QRadioButton* first = form.optKind[0];
    Platform::screen().MovePointerTo(Twips::ControlLeft(first) + board.FormLeft() + Twips::ControlWidth(first) / 2,
                                     (Twips::Height(&form) - Twips::InnerHeight(&form)) + board.FormTop() +
                                         Twips::ControlTop(first) + Twips::ControlHeight(first) / 2);
    Platform::dialogs().ShowModal(&form);
    if (fileMode) {
        // However the form was left, the picker lists question files again.
        Shared.SoundFileMode = QStringLiteral("Off");
        if (frmFileSel* picker = FileSelFormIfLoaded())
            if (picker->SoundConfiguration)
                picker->ConfigureBackForQuestion();
    }
}

} // namespace

void frmNono::MenuOptionSound_Click()
{
    ShowSoundForm(*this, true);
}

void frmNono::MenuOptionSoundChange_Click()
{
    if (Shared.SoundFile[SoundOpening].isEmpty())
        return;
    ShowSoundForm(*this, false);
}

void frmNono::MenuOptionColor_Click()
{
    Sounds().PlayEvent(SoundFunction);
    frmColor form(this);
    PlaceOverBoard(&form, *this);
    Platform::dialogs().MsgBox(QStringLiteral("変更色は次の問題選択時から有効になります！"), Dialogs::Buttons::Ok,
                               Dialogs::Icon::Exclamation, QStringLiteral("背景色変更"));
    // A cancelled choice then changes nothing.
    Shared.FormColor = surface.BackColor;
    const QFrame* panel = form.picPaintBox;
    Platform::screen().MovePointerTo(FormLeft() + Twips::ControlLeft(panel) + Twips::ControlWidth(panel) / 2,
                                     FormTop() + (Twips::Height(&form) - Twips::InnerHeight(&form)) +
                                         Twips::ControlTop(panel) + Twips::ControlHeight(panel) / 3);
    Platform::dialogs().ShowModal(&form);
    ColorChangePending = QStringLiteral("On");
}

} // namespace velin

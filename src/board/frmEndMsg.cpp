#include "board/frmEndMsg.h"

#include "app/Shared.h"
#include "board/frmNono.h"
#include "platform/FormInstance.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Surface.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace velin {

frmEndMsg& EndMsgForm()
{
    return FormInstance<frmEndMsg>::Get();
}

void UnloadEndMsgForm()
{
    FormInstance<frmEndMsg>::Unload();
}

frmEndMsg::frmEndMsg(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("frmEndMsg"));
    setWindowTitle(QStringLiteral("べりん"));
    setFont(QFont(QStringLiteral("ＭＳ ゴシック")));
    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setAlignment(Qt::AlignCenter);
    lblComent = new QLabel(this);
    lblComent->setWordWrap(true);
    lblFileNo = new QLabel(this);
    lblTime_s = new QLabel(this);
    lblTime_e = new QLabel(this);
    cmdEnd = new QPushButton(QStringLiteral("了　解"), this);
    cmdEnd->setObjectName(QStringLiteral("cmdEnd"));
    cmdRetry = new QPushButton(QStringLiteral("再挑戦"), this);
    cmdRetry->setObjectName(QStringLiteral("cmdRetry"));
    connect(cmdEnd, &QPushButton::clicked, this, [this] { cmdEnd_Click(); });
    connect(cmdRetry, &QPushButton::clicked, this, [this] { cmdRetry_Click(); });

    Twips::MoveWindow(this, 0, 0, 3900, 2450);
    Twips::PlaceControl(lblTime_s, 200, 560, 1300, 300);
    Twips::PlaceControl(lblTime_e, 2450, 560, 1300, 300);
    Twips::PlaceControl(lblComent, 150, 900, 3550, 560);
    ResetLayout();
}

void frmEndMsg::ResetLayout()
{
    QFont font = lblMessage->font();
    if (FontAccepted(QStringLiteral("ＥＧ中楷書")))
        font.setFamily(QStringLiteral("ＥＧ中楷書"));
    font.setPointSizeF(14);
    lblMessage->setFont(font);
    Twips::PlaceControl(lblMessage, 1050, 80, 1540, 300);
    lblFileNo->hide();
    Twips::PlaceControl(lblFileNo, 1900, 80, 1800, 300);
    Twips::PlaceControl(cmdEnd, 1200, 1550, 1150, 430);
    Twips::PlaceControl(cmdRetry, 1200, 1550, 1150, 430);
    cmdRetry->setEnabled(false);
    cmdRetry->hide();
    lblComent->setText(QStringLiteral("【ファイル(Ｆ)】等を選択して処理を指定して下さい。"));
    lblTime_s->clear();
    lblTime_e->clear();
    lblFileNo->clear();
}

void frmEndMsg::PlaceOnBoard()
{
    const frmNono& board = NonoForm();
    Twips::MoveWindow(this, board.FormLeft() + board.FormWidth() - Twips::Width(this) - 100,
                      board.FormTop() + board.FormHeight() - Twips::Height(this) - 100, Twips::Width(this),
                      Twips::Height(this));
}

void frmEndMsg::PointToEnd()
{
    Platform::screen().MovePointerOnto(this, [this] {
        const double caption = Twips::Height(this) - Twips::InnerHeight(this);
        return QPointF(Twips::Left(this) + Twips::ControlLeft(cmdEnd) + Twips::ControlWidth(cmdEnd) / 2,
                       Twips::Top(this) + caption + Twips::ControlTop(cmdEnd) + Twips::ControlHeight(cmdEnd) / 2);
    });
}

void frmEndMsg::cmdEnd_Click()
{
    hide();
    Shared.WrongAnswer = QStringLiteral("Off");
    frmNono& board = NonoForm();
    if (!board.isMinimized())
        board.PointToMenuBar();
}

void frmEndMsg::cmdRetry_Click()
{
    frmNono& board = NonoForm();
    board.cmdStart->setEnabled(true);
    board.tmrTimer.stop();
    board.PointToStart();
    hide();
}

void frmEndMsg::closeEvent(QCloseEvent* event)
{
    // The window cannot be closed from its frame: that counts as 了　解.
    event->ignore();
    cmdEnd_Click();
}

} // namespace velin

#include "app/frmOpening.h"

#include "app/Settings.h"
#include "app/Shared.h"
#include "board/frmNono.h"
#include "media/SoundPlayer.h"
#include "platform/AnsiText.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Surface.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

namespace velin {

frmOpening::frmOpening(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmOpening"));
    setWindowTitle(QStringLiteral("イラスト・パズル『べ り ん』"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    lblTitle = new QLabel(QStringLiteral("イラスト・パズル\nべ り ん"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("ＭＳ 明朝"));
    titleFont.setPointSizeF(20);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    for (int n = 0; n < 25; ++n) {
        imgSnake[n] = new QLabel(this);
        imgSnake[n]->setScaledContents(true);
        imgSnake[n]->setPixmap(QPixmap(QStringLiteral(":/opening/snake%1.png").arg(n, 2, 10, QLatin1Char('0'))));
        // Every piece starts hidden; each tick of the animation shows one more.
        imgSnake[n]->hide();
    }

    imgHelp = new QLabel(QStringLiteral("？"), this);
    imgHelp->setObjectName(QStringLiteral("imgHelp"));
    imgHelp->setAlignment(Qt::AlignCenter);
    imgHelp->setFrameShape(QFrame::Panel);
    imgHelp->setCursor(Qt::PointingHandCursor);
    imgHelp->installEventFilter(this);

    cmdStart = new QPushButton(QStringLiteral("開　始"), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdStop = new QPushButton(QStringLiteral("終　了"), this);
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    connect(cmdStop, &QPushButton::clicked, this, [this] { cmdStop_Click(); });

    tmTimer.setInterval(1500);
    connect(&tmTimer, &QTimer::timeout, this, [this] { tmTimer_Timer(); });

    // The designed layout.
    Twips::MoveWindow(this, 0, 0, 4300, 3900);
    Twips::PlaceControl(lblTitle, 200, 150, 3900, 1250);
    Twips::PlaceControl(cmdStart, 2700, 1700, 1300, 480);
    Twips::PlaceControl(cmdStop, 2700, 2350, 1300, 480);
    Twips::PlaceControl(imgHelp, 3150, 3000, 400, 400);
}

void frmOpening::UseLargeLayout()
{
    Twips::MoveWindow(this, Twips::Left(this), Twips::Top(this), 6200, 4900);
    Twips::PlaceControl(lblTitle, 300, 150, 5600, 1150);
    Twips::PlaceControl(cmdStart, 3400, 1600, 1900, 600);
    Twips::PlaceControl(cmdStop, 3400, 2450, 1900, 600);
    Twips::PlaceControl(imgHelp, 4100, 3500, 500, 500);
}

QString frmOpening::Font_Affirmation()
{
    static const char* const families[] = {
        "ＤＦ勘亭流",         "江戸勘亭流",
        "ＥＧ勘亭流Ｈ",       "有澤行書",
        "魚石行書",           "ＦＡ 瑞筆行書Ｍ",
        "ＤＦ行書体",         "ＤＦ 行書体",
        "ＤＨＰ行書体",       "ＤＦＰPOP体",
        "ＤＦ ＰＯＰ体",      "ＤＦPOP体",
        "HG正楷書体－ＰＲＯ", "ＨＧ 正楷書体－ＰＲＯ",
        "ＦＡ ポップＢ",      "ＭＳ ゴシック",
    };
    for (const char* name : families) {
        const QString family = QString::fromUtf8(name);
        if (FontAccepted(family)) {
            QFont font = lblTitle->font();
            font.setFamily(family);
            lblTitle->setFont(font);
            return family;
        }
    }
    return {};
}

bool frmOpening::FilesCheck()
{
    for (const char* probe : {"kabQue000.dat", "velin000.dat", "nono000.dat"}) {
        const QString path = Paths::Resolve(OpeningFolder + QString::fromUtf8(probe));
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            file.close();
            OpeningFolder = path;
            return true;
        }
    }
    Sounds().PlayEvent(SoundError);
    Platform::dialogs().MsgBox(QStringLiteral("　問題・解答ファイルが不明です！\nフォルダーを再確認して下さい。"),
                               Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation,
                               QStringLiteral("問題・解答ファイル検索"));
    return false;
}

void frmOpening::Form_Load()
{
    cmdStart->setEnabled(false);
    cmdStop->setEnabled(false);
    Font_Affirmation();
    if (!ReadSettings())
        return; // the program has ended
    OpeningFolder = Shared.QuestionFolder;
    cmdStart->setEnabled(true);
    cmdStop->setEnabled(true);
    FilesCheck();
    if (SoundPlayer::SwitchOn(SoundOpening))
        Sounds().PlayDirect(Shared.SoundFile[SoundOpening]);

    const bool large = Platform::screen().TwipsPerPixelX() < 15 && Platform::screen().HeightTwips() >= 7200;
    for (int n = 0; n < 25; ++n) {
        if (large)
            Twips::PlaceControl(imgSnake[n], 500 + 240 * (n % 5), 1430 + 240 * (n / 5), 280, 280);
        else
            Twips::PlaceControl(imgSnake[n], 560 + 300 * (n % 5), 1600 + 300 * (n / 5), 280, 280);
    }
    SnakeStep = 0;
    tmTimer.start();

    NonoForm();
    NonoForm_Ini();
}

void frmOpening::tmTimer_Timer()
{
    if (SnakeStep == 25) {
        for (QLabel* piece : imgSnake)
            piece->hide();
        SnakeStep = 0;
        return;
    }
    imgSnake[SnakeOrder[SnakeStep]]->show();
    ++SnakeStep;
}

void frmOpening::cmdStart_Click()
{
    StartPressed = QStringLiteral("On");
    if (SoundPlayer::SwitchOn(SoundOpening))
        Sounds().Send(QStringLiteral("close all"));
    Form_Unload();

    frmNono& board = NonoForm();
    board.PointToMenuBar();
    board.show();

    if (!SoundPlayer::SwitchOn(SoundBGM)) {
        Sounds().SetBgmMenuEnabled(false);
        if (SoundPlayer::SwitchOn(SoundStart))
            Sounds().PlayDirect(Shared.SoundFile[SoundStart]);
    } else {
        Sounds().tmrWait.start();
    }
}

void frmOpening::cmdStop_Click()
{
    Form_Unload();
}

void frmOpening::Form_Unload()
{
    if (Unloaded)
        return;
    Unloaded = true;
    tmTimer.stop();
    hide();
    if (StartPressed == QLatin1String("On"))
        return;
    if (SoundPlayer::SwitchOn(SoundOpening))
        Sounds().Send(QStringLiteral("close all"));
    if (SoundPlayer::SwitchOn(SoundEnd))
        Sounds().PlayDirect(Shared.SoundFile[SoundEnd]);
    Platform::EndProgram(0);
}

void frmOpening::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

bool frmOpening::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == imgHelp && event->type() == QEvent::MouseButtonRelease) {
        imgHelp_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmOpening::imgHelp_Click()
{
    NonoForm().MenuHelp_velin_Click();
}

void NonoForm_Ini()
{
    frmNono& board = NonoForm();
    Screen& screen = Platform::screen();
    const bool tall = screen.HeightTwips() > 7200;
    const double left = board.FormLeft();
    const double top = board.FormTop();
    if (screen.TwipsPerPixelX() < 15 && screen.HeightTwips() >= 7200) {
        Twips::MoveWindow(&board, left, top, 5400, 3900);
        Twips::PlaceControl(board.lblComent, 2700, 480, 2200, Twips::ControlHeight(board.lblComent));
        Twips::PlaceControl(board.shpComent, 2650, 400, 2300, 1100);
        if (tall)
            Twips::PlaceControl(board.cmdStart, 3100, 1700, 1500, 520);
        else
            Twips::PlaceControl(board.cmdStart, 3300, 1800, 1120, 430);
    } else if (tall) {
        Twips::MoveWindow(&board, left, top, 5500, 4300);
        Twips::PlaceControl(board.lblComent, 3000, 550, 2220, Twips::ControlHeight(board.lblComent));
        Twips::PlaceControl(board.shpComent, 2970, 460, 2260, 1100);
        Twips::PlaceControl(board.cmdStart, 3400, 2000, 1500, 520);
    }
    board.PlaceIdleControls();

    // When the menu bar wraps onto a second line the client area shrinks;
    // make the form taller by half as much again so nothing is hidden.
    if (const double wrap = board.MenuWrapHeight({board.menuOption, board.menuHelp}); wrap > 0)
        Twips::MoveWindow(&board, board.FormLeft(), board.FormTop(), board.FormWidth(),
                          board.FormHeight() + wrap * 1.5);

    // The idle board waits in the middle of the screen.
    Twips::MoveWindow(&board, (screen.WidthTwips() - board.FormWidth()) / 2,
                      (screen.HeightTwips() - board.FormHeight()) / 2, board.FormWidth(), board.FormHeight());

    QFont font = board.cmdStart->font();
    font.setPointSizeF(font.pointSizeF() * Shared.ButtonFontScale);
    board.cmdStart->setFont(font);
    board.update();
    board.MinFormWidth = board.FormWidth();
}

} // namespace velin

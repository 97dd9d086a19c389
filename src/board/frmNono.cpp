#include "board/frmNono.h"

#include "app/Colors.h"
#include "app/Settings.h"
#include "app/Shared.h"
#include "board/BoardCanvas.h"
#include "help/Help.h"
#include "media/SoundPlayer.h"
#include "platform/Dialogs.h"
#include "platform/FormInstance.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

namespace velin {

frmNono& NonoForm()
{
    return FormInstance<frmNono>::Get();
}

frmNono* NonoFormIfLoaded()
{
    return FormInstance<frmNono>::IfLoaded();
}

void UnloadNonoForm()
{
    FormInstance<frmNono>::Unload();
}

frmNono::frmNono(QWidget* parent)
    : QMainWindow(parent), surface(Platform::screen().TwipsPerPixelX(), Platform::screen().TwipsPerPixelY())
{
    setObjectName(QStringLiteral("frmNono"));
    setWindowTitle(QStringLiteral("イラスト・パズル『べ り ん』"));
    BuildMenus();
    BuildControls();

    tmrTimer.setInterval(1000);
    tmrPopup.setInterval(100);
    connect(&tmrTimer, &QTimer::timeout, this, [this] { tmrTimer_Timer(); });
    connect(&tmrPopup, &QTimer::timeout, this, [this] { tmrPopup_Timer(); });
    connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    connect(MenuStop, &QAction::triggered, this, [this] { MenuStop_Click(); });

    surface.BackColor = Shared.FormColor;
    surface.FontName = QStringLiteral("ＭＳ ゴシック");
    surface.EnsureSize(Platform::screen().WidthTwips(), Platform::screen().HeightTwips());
    surface.Clear();
    surface.onRefresh = [this] { canvas->update(); };
    connect(&Sounds(), &SoundPlayer::BgmMenuChanged, this, [this] { ShowBgmMenu(); });
    ShowBgmMenu();
    ShowSettingsInMenus();

    // The designed size of the idle board; NonoForm_Ini adapts it to the screen.
    Twips::MoveWindow(this, 0, 0, 5000, 3900);
    ResetPlay();
}

frmNono::~frmNono()
{
    FormInstance<frmNono>::Forget(this);
}

void frmNono::BuildMenus()
{
    QMenuBar* bar = menuBar();
    const auto item = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromUtf8(name));
        return action;
    };

    menuFile = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    // The click that closes the File menu's popup must not paint a cell.
    // Qt hands that click on to the window beneath on some platforms and not
    // on others; with the hand-on switched off it never reaches the board,
    // so the flag that would skip it is cleared as the menu closes (left
    // set, it swallowed the person's next real click).
    menuFile->setAttribute(Qt::WA_NoMouseReplay);
    connect(menuFile, &QMenu::aboutToHide, this, [this] { SkipNextClick = false; });
    MenuFileOpen = item(menuFile, "MenuFileOpen", "問題を開く(&O)...");
    MenuFileHintList = item(menuFile, "MenuFileHintList", "問題のヒントリスト表示(&L)");
    menuFile->addSeparator();
    MenuQuestionEntry = item(menuFile, "MenuQuestionEntry", "問題の追加登録(&E)");
    MenuQuestionMake = item(menuFile, "MenuQuestionMake", "問題を作成(&M)");
    menuFile->addSeparator();
    MenuFileHalt = item(menuFile, "MenuFileHalt", "パズルの中断保存(&H)");
    MenuFileRestor = item(menuFile, "MenuFileRestor", "中断パズルの復元(&R)");
    menuFile->addSeparator();
    MenuFilePrint = item(menuFile, "MenuFilePrint", "表示画面印刷(&P)");
    MenuFilePrintForm = item(menuFile, "MenuFilePrintForm", "表示フォーム印刷(&F)");
    MenuFileWhiteForm = item(menuFile, "MenuFileWhiteForm", "升目枠フォーム印刷(&W)");
    menuFile->addSeparator();
    MenuStop = item(menuFile, "MenuStop", "処理の中止(&S)");
    menuFile->addSeparator();
    MenuFileExit = item(menuFile, "MenuFileExit", "終了(&X)");

    menuEdit = bar->addMenu(QStringLiteral("編集(&E)"));
    MenuEditCopy = item(menuEdit, "MenuEditCopy", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞｺﾋﾟｰ(&C)");

    menuView = bar->addMenu(QStringLiteral("表示(&V)"));
    mnuViewWebBrowser = item(menuView, "mnuViewWebBrowser", "WWW ﾌﾞﾗｳｻﾞ(&W)");
    menuView->addSeparator();
    mnuViewComment = item(menuView, "mnuViewComment", "問題への「一言」(&C)");
    mnuViewDifficulty = item(menuView, "mnuViewDifficulty", "難易度(&D)");
    menuView->addSeparator();
    menuCrossLine = menuView->addMenu(QStringLiteral("ｸﾛｽ･ﾗｲﾝ On/Off(&L)"));
    MarkOn_Off[0] = item(menuCrossLine, "MarkOn_Off0", "有り(&O)");
    MarkOn_Off[1] = item(menuCrossLine, "MarkOn_Off1", "無し(&F)");

    menuOption = bar->addMenu(QStringLiteral("変更(&C)"));
    MenuOptionSound = item(menuOption, "MenuOptionSound", "ｻｳﾝﾄﾞﾌｧｲﾙ変更(&F)");
    MenuOptionSoundChange = item(menuOption, "MenuOptionSoundChange", "ｻｳﾝﾄﾞOn/Off(&C)");
    menuBgm = menuOption->addMenu(QStringLiteral("BGMのＯn/Ｏff(&B)"));
    BGM_On_Off[0] = item(menuBgm, "BGM_On_Off0", "Ｏn(&O)");
    BGM_On_Off[1] = item(menuBgm, "BGM_On_Off1", "Ｏff(&F)");
    menuOption->addSeparator();
    MenuOptionColor = item(menuOption, "MenuOptionColor", "背景色変更(&S)");
    MenuLineStyle = item(menuOption, "MenuLineStyle", "升目線種変更(&L)");
    menuOption->addSeparator();
    menuEndMessage = menuOption->addMenu(QStringLiteral("終了ﾒｯｾｰｼﾞ表示(&M)"));
    On_Off[0] = item(menuEndMessage, "On_Off0", "On(&O)");
    On_Off[1] = item(menuEndMessage, "On_Off1", "Off(&F)");

    menuHelp = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    MenuHelp_velin = item(menuHelp, "MenuHelp_velin", "べりんﾍﾙﾌﾟ(&M)");
    MenuHelp_Ver = item(menuHelp, "MenuHelp_Ver", "ﾊﾞｰｼﾞｮﾝ情報(&A)");

    for (auto* pair : {&MarkOn_Off, &BGM_On_Off, &On_Off})
        for (QAction* a : *pair)
            a->setCheckable(true);

    connect(MenuFileOpen, &QAction::triggered, this, [this] { MenuFileOpen_Click(); });
    connect(MenuFileHintList, &QAction::triggered, this, [this] { MenuFileHintList_Click(); });
    connect(MenuFileHalt, &QAction::triggered, this, [this] { MenuFileHalt_Click(); });
    connect(MenuFileRestor, &QAction::triggered, this, [this] { MenuFileRestor_Click(); });
    connect(mnuViewComment, &QAction::triggered, this, [this] { mnuViewComment_Click(); });
    connect(mnuViewDifficulty, &QAction::triggered, this, [this] { mnuViewDifficulty_Click(); });
    MenuQuestionEntry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(MenuQuestionEntry, &QAction::triggered, this, [this] { MenuQuestionEntry_Click(); });
    MenuQuestionMake->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(MenuQuestionMake, &QAction::triggered, this, [this] { MenuQuestionMake_Click(); });
    connect(MenuFileExit, &QAction::triggered, this, [this] { MenuFileExit_Click(); });
    connect(MenuEditCopy, &QAction::triggered, this, [this] { MenuEditCopy_Click(); });
    connect(MenuLineStyle, &QAction::triggered, this, [this] { MenuLineStyle_Click(); });
    connect(MenuHelp_Ver, &QAction::triggered, this, [this] { MenuHelp_Ver_Click(); });
    connect(MenuHelp_velin, &QAction::triggered, this, [this] { MenuHelp_velin_Click(); });
    connect(MenuOptionSound, &QAction::triggered, this, [this] { MenuOptionSound_Click(); });
    connect(MenuOptionSoundChange, &QAction::triggered, this, [this] { MenuOptionSoundChange_Click(); });
    connect(MenuOptionColor, &QAction::triggered, this, [this] { MenuOptionColor_Click(); });
    connect(mnuViewWebBrowser, &QAction::triggered, this, [this] { mnuViewWebBrowser_Click(); });
    MenuFilePrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuFilePrintForm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    MenuFileWhiteForm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(MenuFilePrint, &QAction::triggered, this, [this] { MenuFilePrint_Click(); });
    connect(MenuFilePrintForm, &QAction::triggered, this, [this] { MenuFilePrintForm_Click(); });
    connect(MenuFileWhiteForm, &QAction::triggered, this, [this] { MenuFileWhiteForm_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(MarkOn_Off[i], &QAction::triggered, this, [this, i] { MarkOn_Off_Click(i); });
        connect(On_Off[i], &QAction::triggered, this, [this, i] { On_Off_Click(i); });
        connect(BGM_On_Off[i], &QAction::triggered, this, [this, i] { BGM_On_Off_Click(i); });
    }
}

void frmNono::BuildControls()
{
    canvas = new BoardCanvas(surface, this);
    canvas->setObjectName(QStringLiteral("canvas"));
    setCentralWidget(canvas);
    canvas->onResize = [this] { Form_Resize(); };
    canvas->onMouseDown = [this](int b, int s, double x, double y) { Form_MouseDown(b, s, x, y); };
    canvas->onMouseMove = [this](int b, int s, double x, double y) { Form_MouseMove(b, s, x, y); };
    canvas->onMouseUp = [this](int b, int s, double x, double y) { Form_MouseUp(b, s, x, y); };

    MenuLine = new QFrame(canvas);
    MenuLine->setFrameShape(QFrame::HLine);
    MenuLine->setFrameShadow(QFrame::Sunken);

    const QFont formFont(QStringLiteral("ＭＳ ゴシック"));

    imgSnake = new QLabel(canvas);
    imgSnake->setObjectName(QStringLiteral("imgSnake"));
    imgSnake->setScaledContents(true);
    imgSnake->setPixmap(QPixmap(QStringLiteral(":/opening/snake.png")));

    lblIdleHint = new QLabel(QStringLiteral("ヒント　爬虫類"), canvas);
    lblIdleAnswer = new QLabel(QStringLiteral("答　え　へ　び"), canvas);
    QFont bold = formFont;
    bold.setBold(true);
    lblIdleAnswer->setFont(bold);
    lblIdleHint->setFont(formFont);

    shpComent = new QFrame(canvas);
    shpComent->setFrameShape(QFrame::Box);
    lblComent = new QLabel(QStringLiteral("【ファイル(Ｆ)】等を選択して処理を指定して下さい。"), canvas);
    lblComent->setObjectName(QStringLiteral("lblComent"));
    lblComent->setWordWrap(true);
    lblComent->setFont(formFont);
    imgSnake->installEventFilter(this);
    lblComent->installEventFilter(this);

    cmdStart = new QPushButton(QStringLiteral("開 始"), canvas);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdStart->setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 9));

    for (QFrame** line : {&linMarkX, &linMarkY}) {
        *line = new QFrame(canvas);
        (*line)->setAutoFillBackground(true);
        QPalette pal = (*line)->palette();
        pal.setColor(QPalette::Window, QColor(255, 96, 96));
        (*line)->setPalette(pal);
        (*line)->setAttribute(Qt::WA_TransparentForMouseEvents);
        (*line)->hide();
    }

    // The designed layout of the idle board.
    Twips::PlaceControl(shpComent, 2560, 380, 2200, 1100);
    Twips::PlaceControl(lblComent, 2600, 450, 2100, 950);
    Twips::PlaceControl(cmdStart, 3000, 1800, 1120, 430);
    PlaceIdleControls();
}

void frmNono::PlaceIdleControls()
{
    // The opening picture at the top left, its hint and answer under it, the
    // instruction label and the Start button to the right.
    const double scale = Shared.ScreenScale;
    const double left = Shared.GridLeft + 150 * scale;
    const double top = 150 * scale;
    const double side = 1300 * scale;
    const double textHeight = 300 * scale;
    Twips::PlaceControl(imgSnake, left, top, side, side);
    Twips::PlaceControl(lblIdleHint, left, top + side + 80 * scale, 2000 * scale, textHeight);
    Twips::PlaceControl(lblIdleAnswer, left, top + side + 80 * scale + textHeight, 2000 * scale, textHeight);
    for (QLabel* label : {lblIdleHint, lblIdleAnswer}) {
        QFont font = label->font();
        font.setPointSizeF(Shared.FormFontSize);
        label->setFont(font);
    }
    QFont small = lblComent->font();
    small.setPointSizeF(Shared.SmallLabelFontSize * 1.5);
    lblComent->setFont(small);
    Twips::FitLabelFont(lblComent);
}

void frmNono::ShowSettingsInMenus()
{
    MarkOn_Off[0]->setChecked(Shared.LineMarkMode);
    MarkOn_Off[1]->setChecked(!Shared.LineMarkMode);
    On_Off[0]->setChecked(Shared.EndMessageDisplay);
    On_Off[1]->setChecked(!Shared.EndMessageDisplay);
}

void frmNono::Form_Resize()
{
    if (MenuLine)
        Twips::PlaceControl(MenuLine, 0, 0, ScaleWidth(), 2 * Platform::screen().TwipsPerPixelY());
}

double frmNono::FormLeft() const
{
    return Twips::Left(this);
}
double frmNono::FormTop() const
{
    return Twips::Top(this);
}
double frmNono::FormWidth() const
{
    return Twips::Width(this);
}
double frmNono::FormHeight() const
{
    return Twips::Height(this);
}
double frmNono::ScaleWidth() const
{
    return Twips::InnerWidth(canvas);
}
double frmNono::ScaleHeight() const
{
    return Twips::InnerHeight(canvas);
}

void frmNono::MenuEditCopy_Click()
{
    const QImage picture = surface.Image().copy(0, 0, canvas->width(), canvas->height());
    QGuiApplication::clipboard()->setImage(picture);
}

void frmNono::MenuHelp_Ver_Click()
{
    Help::ShowAbout(this);
}

void frmNono::MenuHelp_velin_Click()
{
    Help::ShowManual(this);
}

void frmNono::mnuViewWebBrowser_Click()
{
    Help::ShowWebBrowser(this);
}

void frmNono::ShowBgmMenu()
{
    const SoundPlayer& sounds = Sounds();
    BGM_On_Off[0]->setChecked(sounds.BgmOnChecked());
    BGM_On_Off[1]->setChecked(!sounds.BgmOnChecked());
    menuBgm->setEnabled(sounds.BgmMenuEnabled());
}

void frmNono::MarkOn_Off_Click(int index)
{
    Shared.LineMarkMode = index == 0;
    if (!Shared.LineMarkMode)
        ShowCrossLines(false);
    else if (PlayInput == QLatin1String("On") && Shared.SolveMode == QLatin1String("Man") &&
             Shared.QuestionState == QLatin1String("Ok"))
        ShowCrossLines(true);
    // The item chosen carries the check mark, whichever was checked before.
    ShowSettingsInMenus();
    AskSaveCrossLine();
}

void frmNono::On_Off_Click(int index)
{
    Sounds().PlayEvent(SoundFunction);
    Shared.EndMessageDisplay = index == 0;
    ShowSettingsInMenus();
    WriteSettings();
}

void frmNono::MenuLineStyle_Click()
{
    LineStyleCommand();
}

void frmNono::BGM_On_Off_Click(int index)
{
    Sounds().BGM_On_Off_Click(index);
}

bool frmNono::MinimisedOrMaximised()
{
    // Only the window system's own events: a person's click must not run a
    // command in the middle of a load or at the end of a run.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return isMinimized() || isMaximized();
}

void frmNono::ShowCrossLines(bool visible)
{
    // Shown, they cross where the pointer is now: left at their first
    // geometry they made a solid block over the top-left cells, or stood
    // where the pointer was long ago, until the pointer moved.
    if (visible) {
        const QPoint at = canvas->mapFromGlobal(QCursor::pos());
        PlaceCrossLines(at.x() * surface.TwipsPerPixelX(), at.y() * surface.TwipsPerPixelY());
    }
    linMarkX->setVisible(visible);
    linMarkY->setVisible(visible);
    // Shown lines start at the pointer, not where they were last left.
    if (visible) {
        const QPoint at = canvas->mapFromGlobal(QCursor::pos());
        Form_MouseMove(0, 0, at.x() * Platform::screen().TwipsPerPixelX(),
                       at.y() * Platform::screen().TwipsPerPixelY());
    }
}

void frmNono::PlaceCrossLines(double x, double y)
{
    Twips::PlaceControl(linMarkX, 0, y, ScaleWidth(), Platform::screen().TwipsPerPixelY());
    Twips::PlaceControl(linMarkY, x, 0, Platform::screen().TwipsPerPixelX(), ScaleHeight());
}

void frmNono::PointToMenuBar()
{
    Platform::screen().MovePointerOnto(this, [this] {
        return QPointF(FormLeft() + Twips::ControlWidth(cmdStart) / 3,
                       FormTop() + (FormHeight() - ScaleHeight()) * 2 / 3);
    });
}

void frmNono::PointToStart()
{
    Platform::screen().MovePointerOnto(this, [this] {
        return QPointF(Twips::ControlLeft(cmdStart) + FormLeft() + Twips::ControlWidth(cmdStart) / 2,
                       (FormHeight() - ScaleHeight()) + FormTop() + Twips::ControlTop(cmdStart) +
                           Twips::ControlHeight(cmdStart) / 3);
    });
}

void frmNono::MenuFileExit_Click()
{
    Sounds().ExitSounds();
    Platform::EndProgram(0);
}

bool frmNono::eventFilter(QObject* watched, QEvent* event)
{
    // The right button released on the idle board's picture or instruction
    // label opens the File menu as a popup.
    if (event->type() == QEvent::MouseButtonRelease && (watched == imgSnake || watched == lblComent)) {
        const int button = static_cast<QMouseEvent*>(event)->button() == Qt::RightButton ? 2 : 1;
        if (watched == imgSnake)
            imgSnake_MouseUp(button);
        else
            lblComent_MouseUp(button);
        return button == 2;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmNono::closeEvent(QCloseEvent* event)
{
    event->ignore();
    MenuFileExit_Click();
}

} // namespace velin

#include "media/frmSound.h"

#include "app/Settings.h"
#include "app/SettingsFile.h"
#include "board/frmNono.h"
#include "files/frmFileSel.h"
#include "media/SoundNames.h"
#include "media/SoundPlayer.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace velin {

namespace {

// The designed layout, in twips.
constexpr double kRowTop = 900;
constexpr double kRowHeight = 360;
constexpr double kOptionLeft = 300;
constexpr double kOptionWidth = 2900;
constexpr double kCaseLeft = 3300;
constexpr double kBarLeft = kCaseLeft + SoundNames::kLabelWidthTwips + 100;
constexpr double kBarWidth = 1300;
constexpr double kFormWidth = kBarLeft + kBarWidth + 350;

const QString kSwitchTitle = QStringLiteral("サウンド[On/Off]設定");

} // namespace

frmSound::frmSound(frmNono* board) : QWidget(nullptr, Qt::Dialog), board_(board)
{
    setObjectName(QStringLiteral("frmSound"));
    setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 9));
    fileMode_ = Shared.SoundFileMode == QLatin1String("On");

    fraSoundChange = new QGroupBox(this);
    lblTitle1 = new QLabel(QStringLiteral("サウンド種類"), this);
    lblTitle2 = new QLabel(this);
    const double rowsBottom = kRowTop + kRowHeight * kOptions;
    Twips::PlaceControl(fraSoundChange, 120, 100, kFormWidth - 240, rowsBottom + 100);
    Twips::PlaceControl(lblTitle1, kOptionLeft, 500, kOptionWidth, 330);
    Twips::PlaceControl(lblTitle2, kCaseLeft, 500, SoundNames::kLabelWidthTwips + kBarWidth, 330);

    for (int i = 0; i < kOptions; ++i) {
        const double top = kRowTop + kRowHeight * i;
        optKind[i] = new QRadioButton(SoundNames::kOptionCaptions[static_cast<size_t>(i)], this);
        optKind[i]->setObjectName(QStringLiteral("optKind%1").arg(i));
        Twips::PlaceControl(optKind[i], kOptionLeft, top, kOptionWidth, kRowHeight - 30);
        connect(optKind[i], &QRadioButton::clicked, this, [this, i] { optKind_Click(i); });
        if (i == SoundNames::kDummyOption)
            break;
        lblCase[i] = new QLabel(this);
        lblCase[i]->setObjectName(QStringLiteral("lblCase%1").arg(i));
        Twips::PlaceControl(lblCase[i], kCaseLeft, top, SoundNames::kLabelWidthTwips, kRowHeight - 30);
        hsbScroll[i] = new QScrollBar(Qt::Horizontal, this);
        hsbScroll[i]->setObjectName(QStringLiteral("hsbScroll%1").arg(i));
        hsbScroll[i]->setAccessibleName(SoundNames::kOptionCaptions[static_cast<size_t>(i)] +
                                        QStringLiteral("のファイル名スクロール"));
        hsbScroll[i]->setRange(0, 0);
        hsbScroll[i]->setEnabled(false);
        hsbScroll[i]->setVisible(false);
        Twips::PlaceControl(hsbScroll[i], kBarLeft, top + 40, kBarWidth, kRowHeight - 110);
        connect(hsbScroll[i], &QScrollBar::valueChanged, this, [this, i] { hsbScroll_Change(i); });
    }

    cmdSoundOk = new QPushButton(QStringLiteral("登　録"), this);
    cmdSoundOk->setObjectName(QStringLiteral("cmdSoundOk"));
    cmdSoundCancel = new QPushButton(QStringLiteral("中　止"), this);
    cmdSoundCancel->setObjectName(QStringLiteral("cmdSoundCancel"));
    const double buttonsTop = rowsBottom + 350;
    Twips::PlaceControl(cmdSoundOk, kFormWidth / 2 - 1500, buttonsTop, 1300, 450);
    Twips::PlaceControl(cmdSoundCancel, kFormWidth / 2 + 200, buttonsTop, 1300, 450);
    connect(cmdSoundOk, &QPushButton::clicked, this, [this] { cmdSoundOk_Click(); });
    connect(cmdSoundCancel, &QPushButton::clicked, this, [this] { cmdSoundCancel_Click(); });
    setFixedSize(Twips::ToPixelsX(kFormWidth), Twips::ToPixelsY(buttonsTop + 700));

    // Form_Load.
    for (size_t i = 0; i < kSoundEvents; ++i) {
        Shared.SoundFileEdit[i] = Shared.SoundFile[i];
        SwitchEdit[i] = Shared.SoundSwitch[i];
    }
    if (!fileMode_) {
        ShowSwitchMode();
        return;
    }
    EventCaption = SoundNames::kEventCaptions;
    frmFileSel& picker = FileSelForm();
    picker.ConfigureForSound();
    picker.onSoundChosen = [this](int index) {
        const int next = index + 1;
        if (next >= kOptions)
            PointToOk();
        else
            PointToOption(next);
    };
    setWindowTitle(QStringLiteral("サウンドファイル設定・変更"));
    fraSoundChange->setTitle(QStringLiteral("サウンドファイル設定"));
    lblTitle2->setText(QStringLiteral("ファイル名"));
    for (int i = 0; i < kSoundEvents; ++i) {
        hsbScroll[i]->setVisible(true);
        ShowFileName(i);
    }
}

frmSound::~frmSound()
{
    if (frmFileSel* picker = FileSelFormIfLoaded())
        picker->onSoundChosen = nullptr;
}

void frmSound::ShowSwitchMode()
{
    setWindowTitle(QStringLiteral("サウンド接続切換[On/Off]"));
    fraSoundChange->setTitle(QStringLiteral("サウンドOn/Off変更"));
    lblTitle2->setText(QStringLiteral("　状　態"));
    for (size_t i = 0; i < kSoundEvents; ++i) {
        lblCase[i]->setText(fileMode_ ? Shared.SoundSwitch[i] : SwitchEdit[i]);
        hsbScroll[i]->setVisible(false);
    }
}

double frmSound::TextWidth(const QString& text) const
{
    return QFontMetrics(lblCase[0]->font()).horizontalAdvance(text) * Platform::screen().TwipsPerPixelX();
}

void frmSound::ShowFileName(int index)
{
    const auto i = static_cast<size_t>(index);
    const QString name = SoundNames::ShownName(Shared.SoundFileEdit[i]);
    const SoundNames::Fit fit = SoundNames::FitName(name, [this](const QString& t) { return TextWidth(t); });
    lblCase[i]->setText(fit.shown);
    lblCase[i]->setToolTip(name);
    if (!fit.scrolls) {
        LongName[i].clear();
        return;
    }
    LongName[i] = name;
    QScrollBar* bar = hsbScroll[i];
    const QSignalBlocker quiet(bar);
    bar->setRange(0, fit.barMaximum);
    bar->setValue(0);
    bar->setEnabled(true);
}

void frmSound::hsbScroll_Change(int index)
{
    const auto i = static_cast<size_t>(index);
    if (LongName[i].isEmpty())
        return;
    lblCase[i]->setText(SoundNames::ScrolledPart(LongName[i], hsbScroll[i]->value(),
                                                 [this](const QString& t) { return TextWidth(t); }));
}

void frmSound::optKind_Click(int index)
{
    // The eleventh option only leads on to OK.
    if (index >= kSoundEvents) {
        cmdSoundOk->setFocus();
        PointToOk();
        return;
    }
    if (fileMode_) {
        PickFile(index);
        return;
    }
    const auto i = static_cast<size_t>(index);
    const std::optional<QString> flipped = SoundNames::FlipSwitch(lblCase[i]->text(), Shared.SoundFile[i]);
    if (!flipped) {
        Sounds().PlayEvent(SoundError);
        Platform::dialogs().MsgBox(QStringLiteral("SoundFileが設定されてません。無効にします。"), Dialogs::Buttons::Ok,
                                   Dialogs::Icon::Exclamation, kSwitchTitle);
        return;
    }
    SwitchEdit[i] = *flipped;
    lblCase[i]->setText(*flipped);
}

void frmSound::PickFile(int index)
{
    const auto i = static_cast<size_t>(index);
    frmFileSel& picker = FileSelForm();
    // The folder last used; the first time, the folder of the event's own
    // file when there is one, rather than the question folder.
    QString folder = LastSoundFolder;
    if (folder.isEmpty()) {
        const QFileInfo current(Shared.SoundFile[i]);
        if (Shared.SoundFile[i].contains(Paths::Separator) && current.absoluteDir().exists())
            folder = Paths::AddDirSep(current.absolutePath());
    }
    if (!folder.isEmpty()) {
        picker.SetFolder(folder);
        picker.ConfigureForSound();
    }
    Shared.SoundEditIndex = index;
    picker.lblTitleName->setText(EventCaption[i]);
    picker.txtFileName[0]->setText(Shared.SoundFile[i]);
    picker.txtFileName[1]->setText(Shared.SoundFile[i]);
    Twips::MoveWindow(&picker, Twips::Left(this), Twips::Top(this), Twips::Width(&picker), Twips::Height(&picker));
    picker.PointToFolders();
    const QString before = Shared.SoundFileEdit[i];
    Platform::dialogs().ShowModal(&picker);
    LastSoundFolder = picker.DirPath();

    // A path the settings file cannot hold would come back as some other
    // file after the next start: refuse it here, keeping the earlier choice.
    if (!SettingsFile::SoundFileWritable(Shared.SoundFileEdit[i])) {
        const QString refused = Shared.SoundFileEdit[i];
        Shared.SoundFileEdit[i] = before;
        Sounds().PlayEvent(SoundError);
        Platform::dialogs().MsgBox(QStringLiteral("[%1]は設定ファイルに保存できない文字を含むため、設定できません。\n"
                                                  "別のフォルダまたはファイル名のサウンドを選択して下さい。")
                                       .arg(refused),
                                   Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation,
                                   QStringLiteral("サウンドファイル設定"));
    }
    ShowFileName(index);
}

void frmSound::cmdSoundOk_Click()
{
    Sounds().PlayEvent(SoundEntry);
    const QString bgmFile = Shared.SoundFile[SoundBGM];
    const QString bgmSwitch = Shared.SoundSwitch[SoundBGM];
    if (!fileMode_) {
        for (size_t i = 0; i < kSoundEvents; ++i)
            Shared.SoundSwitch[i] = SwitchEdit[i];
        if (Platform::dialogs().MsgBox(QStringLiteral("変更内容をファイルに保存しますか？"
                                                      "(保存しないと終了時に変更内容は失われます。)"),
                                       Dialogs::Buttons::YesNo, Dialogs::Icon::Question,
                                       QStringLiteral("サウンド[On/Off]変更結果保存")) == Dialogs::Answer::Yes)
            WriteSettings();
    } else {
        for (size_t i = 0; i < kSoundEvents; ++i)
            Shared.SoundFile[i] = Shared.SoundFileEdit[i];
        WriteSettings();
    }
    const bool fileChanged = Shared.SoundFile[SoundBGM] != bgmFile;
    if (fileChanged || Shared.SoundSwitch[SoundBGM] != bgmSwitch)
        Sounds().BgmSettingsChanged(fileChanged);
    Form_Unload();
}

void frmSound::cmdSoundCancel_Click()
{
    Form_Unload();
}

void frmSound::closeEvent(QCloseEvent* event)
{
    event->ignore();
    cmdSoundCancel_Click();
}

void frmSound::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Sounds().PlayEvent(SoundStop);
    if (fileMode_) {
        Shared.SoundFileMode = QStringLiteral("Off");
        if (frmFileSel* picker = FileSelFormIfLoaded()) {
            picker->onSoundChosen = nullptr;
            picker->ConfigureBackForQuestion();
        }
        ShowSwitchMode();
    }
    if (board_)
        board_->PointToMenuBar();
    hide();
}

void frmSound::PointToOption(int index)
{
    QRadioButton* option = optKind[static_cast<size_t>(index)];
    const double caption = Twips::Height(this) - Twips::InnerHeight(this);
    Platform::screen().MovePointerTo(Twips::Left(this) + Twips::ControlLeft(option) + Twips::ControlWidth(option) / 2,
                                     Twips::Top(this) + caption + Twips::ControlTop(option) +
                                         Twips::ControlHeight(option) / 2);
}

void frmSound::PointToOk()
{
    const double caption = Twips::Height(this) - Twips::InnerHeight(this);
    Platform::screen().MovePointerTo(
        Twips::Left(this) + Twips::ControlLeft(cmdSoundOk) + Twips::ControlWidth(cmdSoundOk) / 2,
        Twips::Top(this) + caption + Twips::ControlTop(cmdSoundOk) + Twips::ControlHeight(cmdSoundOk) / 2);
}

} // namespace velin

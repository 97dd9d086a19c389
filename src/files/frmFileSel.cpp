#include "files/frmFileSel.h"

#include "app/Shared.h"
#include "board/BackupFile.h"
#include "board/QuestionFile.h"
#include "files/FileNames.h"
#include "media/SoundPlayer.h"
#include "platform/Dialogs.h"
#include "platform/FormInstance.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStorageInfo>
#include <algorithm>

namespace velin {

namespace {

void setLabelColour(QLabel* label, const char* rgb)
{
    label->setStyleSheet(QStringLiteral("color: %1;").arg(QString::fromLatin1(rgb)));
}

void setUnderline(QLabel* label, bool on)
{
    QFont f = label->font();
    f.setUnderline(on);
    label->setFont(f);
}

const QString kModeMan = QStringLiteral(" 人");
const QString kModePc = QStringLiteral("パソコン");
const QString kModeCheck = QStringLiteral("確　認");

} // namespace

frmFileSel& FileSelForm()
{
    return FormInstance<frmFileSel>::Get();
}

frmFileSel* FileSelFormIfLoaded()
{
    return FormInstance<frmFileSel>::IfLoaded();
}

void UnloadFileSelForm()
{
    FormInstance<frmFileSel>::Unload();
}

frmFileSel::frmFileSel(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("frmFileSel"));
    setWindowTitle(QStringLiteral("ファイルの選択"));
    const QFont font(QStringLiteral("ＭＳ ゴシック"));
    setFont(font);

    lblTitle = new QLabel(QStringLiteral("ヒ　ン　ト"), this);
    lblTitleName = new QLabel(this);
    lblTitleName->setObjectName(QStringLiteral("lblTitleName"));
    lblNandoMark = new QLabel(QStringLiteral("★ 初級－下"), this);
    setLabelColour(lblNandoMark, "#0000ff");
    DrvFile = new QComboBox(this);
    DirFile = new QListWidget(this);
    lblFileList = new QLabel(QStringLiteral("ファイル名"), this);
    filFile = new QListWidget(this);
    filFile->setObjectName(QStringLiteral("filFile"));
    lstFile = new QListWidget(this);
    lstFile->hide();
    for (auto*& t : txtFileName)
        t = new QLineEdit(this);
    txtFileName[1]->hide();
    fraMode = new QGroupBox(QStringLiteral("解答モード"), this);
    const QString captions[3] = {kModeMan, kModePc, kModeCheck};
    for (int i = 0; i < 3; ++i) {
        optMode[i] = new QRadioButton(captions[i], fraMode);
        Twips::PlaceControl(optMode[i], 150, 330 + 380 * i, 1150, 330);
        connect(optMode[i], &QRadioButton::clicked, this, [this, i] { optMode_Click(i); });
    }
    cmdOk = new QPushButton(QStringLiteral("選　択"), this);
    CmdCancel = new QPushButton(QStringLiteral("中　止"), this);
    cmdHalt = new QPushButton(QStringLiteral("中断パズル"), this);
    cmdHalt->hide();
    cmdHalt->setEnabled(false);
    cmdTest = new QPushButton(QStringLiteral("テスト"), this);
    picTest = new QLabel(QStringLiteral("♪"), this);
    picTest->setAlignment(Qt::AlignCenter);
    cmdSoundStop = new QPushButton(QStringLiteral("テスト中止"), this);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdTest, picTest, cmdSoundStop})
        w->hide();

    Twips::MoveWindow(this, 0, 0, 7400, 5300);
    Twips::PlaceControl(lblTitle, 240, 150, 1100, 330);
    Twips::PlaceControl(lblTitleName, 1400, 150, 5700, 330);
    Twips::PlaceControl(lblNandoMark, 1400, 520, 3000, 330);
    Twips::PlaceControl(DrvFile, 240, 1000, 2900, 340);
    Twips::PlaceControl(DirFile, 240, 1420, 2900, 2450);
    Twips::PlaceControl(lblFileList, 3300, 1000, 2200, 330);
    Twips::PlaceControl(filFile, 3300, 1420, 2200, 2450);
    Twips::PlaceControl(lstFile, 3300, 1420, 2200, 2450);
    Twips::PlaceControl(txtFileName[0], 240, 4050, 5260, 340);
    Twips::PlaceControl(fraMode, 5700, 900, 1450, 1550);
    Twips::PlaceControl(cmdOk, 5700, 2650, 1450, 450);
    Twips::PlaceControl(CmdCancel, 5700, 3200, 1450, 450);
    Twips::PlaceControl(cmdHalt, 5700, 3750, 1450, 450);
    Twips::PlaceControl(cmdTest, 5700, 1000, 1450, 450);
    Twips::PlaceControl(picTest, 5700, 1550, 1450, 450);
    Twips::PlaceControl(cmdSoundStop, 5700, 2100, 1450, 450);

    connect(DrvFile, &QComboBox::activated, this, [this] { DrvFile_Change(); });
    connect(DirFile, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        dirPath_ = item->data(Qt::UserRole).toString();
        DirFile_Change();
    });
    connect(filFile, &QListWidget::itemClicked, this, [this] { filFile_Click(); });
    connect(filFile, &QListWidget::itemDoubleClicked, this, [this] { cmdOk_Click(); });
    connect(lstFile, &QListWidget::itemClicked, this, [this] { lstFile_Click(); });
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(CmdCancel, &QPushButton::clicked, this, [this] { CmdCancel_Click(); });
    connect(cmdHalt, &QPushButton::clicked, this, [this] { cmdHalt_Click(); });

    pattern_ = QStringLiteral("nono*.dat;velin*.dat;kabQue*.dat");
    FillDriveList();

    // Setting the initial option counts as the first click of the run, which
    // the mode handler lets pass.
    const int initial = Shared.SolveMode == QLatin1String("Man")     ? 0
                        : Shared.SolveMode == QLatin1String("Check") ? 2
                                                                     : 1;
    optMode[initial]->setChecked(true);
    optMode_Click(initial);
    WireSoundTest();
}

void frmFileSel::SetPattern(const QString& pattern)
{
    pattern_ = pattern;
    FillFileList();
}

void frmFileSel::SetFolder(const QString& folder)
{
    QString path = folder.isEmpty() ? QDir::currentPath() : Paths::Resolve(folder);
    path = QFileInfo(path).absoluteFilePath();
    dirPath_ = Paths::AddDirSep(path);
    driveRoot_ = DriveOf(dirPath_);
    const int index = DrvFile->findData(driveRoot_);
    if (index >= 0)
        DrvFile->setCurrentIndex(index);
    FillFolderList();
    FillFileList();
}

QString frmFileSel::DriveOf(const QString& folder) const
{
    // The mounted volume holding the folder stands for its drive.
    const QStorageInfo storage(folder);
    return storage.isValid() ? Paths::AddDirSep(storage.rootPath()) : QStringLiteral("/");
}

void frmFileSel::FillDriveList()
{
    DrvFile->clear();
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = Paths::AddDirSep(volume.rootPath());
        if (!volume.isValid() || roots.contains(root))
            continue;
        // Only the places a person keeps files on: the home folder's volume
        // and removable or extra disks, not the system's own mounts.
        if (root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/mnt/")) ||
            root.startsWith(QLatin1String("/run/media/")) || root.startsWith(QLatin1String("/home")))
            roots << root;
    }
    for (const QString& root : roots)
        DrvFile->addItem(root, root);
    // The game's own question folder usually lies under a hidden folder
    // (~/.local/share); once a person has climbed above it, this entry
    // leads straight back.
    if (!Shared.HomeFolder.isEmpty() && QDir(Shared.HomeFolder).exists()) {
        const QString home = Paths::AddDirSep(Shared.HomeFolder);
        DrvFile->addItem(QStringLiteral("べりんの問題フォルダー"), home);
        DrvFile->setItemData(DrvFile->count() - 1, home, Qt::ToolTipRole);
    }
}

void frmFileSel::FillFolderList()
{
    DirFile->clear();
    // The way down from the drive's root, then the folders inside the current one.
    QStringList parts = dirPath_.split(Paths::Separator, Qt::SkipEmptyParts);
    QString path = QStringLiteral("/");
    auto* rootItem = new QListWidgetItem(QStringLiteral("/"), DirFile);
    rootItem->setData(Qt::UserRole, path);
    int depth = 1;
    for (const QString& part : parts) {
        path += part + Paths::Separator;
        auto* item = new QListWidgetItem(QString(depth * 2, u' ') + part, DirFile);
        item->setData(Qt::UserRole, path);
        ++depth;
    }
    DirFile->setCurrentRow(DirFile->count() - 1);
    const QStringList children =
        QDir(dirPath_).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children) {
        auto* item = new QListWidgetItem(QString(depth * 2, u' ') + child, DirFile);
        item->setData(Qt::UserRole, dirPath_ + child + Paths::Separator);
    }
}

void frmFileSel::FillFileList()
{
    filFile->clear();
    if (dirPath_.isEmpty())
        return;
    QList<QRegularExpression> patterns;
    for (const QString& p : pattern_.split(u';', Qt::SkipEmptyParts))
        patterns << QRegularExpression(QRegularExpression::wildcardToRegularExpression(p.trimmed()),
                                       QRegularExpression::CaseInsensitiveOption);
    const QStringList files = QDir(dirPath_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : files) {
        for (const QRegularExpression& re : patterns) {
            if (re.match(name).hasMatch()) {
                filFile->addItem(name);
                break;
            }
        }
    }
}

void frmFileSel::ConfigureForQuestion()
{
    SoundConfiguration = false;
    lblTitle->setVisible(true);
    lblTitle->setText(QStringLiteral("ヒ　ン　ト"));
    setUnderline(lblTitleName, true);
    setLabelColour(lblTitleName, "#000000");
    lblTitleName->clear();
    fraMode->setVisible(true);
    QFont f = lblTitleName->font();
    f.setPointSizeF(Shared.TitleFontSize);
    lblTitleName->setFont(f);
    lblFileList->setText(QStringLiteral("ファイル名"));
    pattern_ = QStringLiteral("nono*.dat;velin*.dat;kabQue*.dat");
    FillFileList();
    filFile->setVisible(true);
    lstFile->setVisible(false);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdTest, picTest, cmdSoundStop})
        w->hide();
    setWindowTitle(QStringLiteral("問題ファイルを指定"));
}

void frmFileSel::ConfigureForBatchFirst()
{
    lblTitle->setVisible(false);
    setUnderline(lblTitleName, false);
    setLabelColour(lblTitleName, "#008000");
    lblTitleName->setText(QStringLiteral("開始ファイル名の指定"));
}

void frmFileSel::CentreOn(const QWidget* owner)
{
    const Screen& screen = Platform::screen();
    const double w = Twips::Width(this);
    const double h = Twips::Height(this);
    const double left =
        std::clamp(Twips::Left(owner) + (Twips::Width(owner) - w) / 2, 0.0, std::max(0.0, screen.WidthTwips() - w));
    const double top =
        std::clamp(Twips::Top(owner) + (Twips::Height(owner) - h) / 2, 0.0, std::max(0.0, screen.HeightTwips() - h));
    Twips::MoveWindow(this, left, top, w, h);
}

void frmFileSel::PointToList(QWidget* list)
{
    Platform::screen().MovePointerOnto(this, [this, list] {
        const double caption = Twips::Height(this) - Twips::InnerHeight(this);
        return QPointF(Twips::ControlLeft(list) + Twips::Left(this) + Twips::ControlWidth(list) / 2,
                       Twips::ControlTop(list) + Twips::Top(this) + caption);
    });
}

void frmFileSel::PointToOk()
{
    Platform::screen().MovePointerOnto(this, [this] {
        const double caption = Twips::Height(this) - Twips::InnerHeight(this);
        return QPointF(Twips::ControlLeft(cmdOk) + Twips::Left(this) + Twips::ControlWidth(cmdOk) / 2,
                       Twips::ControlTop(cmdOk) + Twips::Top(this) + caption * 8 / 7);
    });
}

void frmFileSel::PointToFolders()
{
    Platform::screen().MovePointerOnto(this, [this] {
        const double caption = Twips::Height(this) - Twips::InnerHeight(this);
        return QPointF(Twips::ControlLeft(DirFile) + Twips::Left(this) + Twips::ControlWidth(DirFile) / 2,
                       Twips::ControlTop(DirFile) + Twips::Top(this) + caption * 8 / 7);
    });
}

void frmFileSel::DrvFile_Change()
{
    const QString previous = driveRoot_;
    for (;;) {
        const QString drive = DrvFile->currentData().toString();
        const QDir dir(drive);
        if (dir.exists() && dir.isReadable()) {
            driveRoot_ = drive;
            dirPath_ = Paths::AddDirSep(drive);
            DirFile_Change();
            return;
        }
        Sounds().PlayEvent(SoundError);
        const auto answer = Platform::dialogs().MsgBox(
            QStringLiteral("ドライブ[%1]に準備ができていません。再試行しますか？").arg(drive),
            Dialogs::Buttons::RetryCancel, Dialogs::Icon::Question, QStringLiteral("エラー"));
        if (answer != Dialogs::Answer::Retry) {
            const int index = DrvFile->findData(previous);
            if (index >= 0)
                DrvFile->setCurrentIndex(index);
            return;
        }
    }
}

void frmFileSel::DirFile_Change()
{
    txtFileName[0]->setText(Paths::AddDirSep(dirPath_));
    txtFileName[1]->setText(txtFileName[0]->text());
    FillFolderList();
    FillFileList();
    if (!SoundConfiguration) {
        PointToList(filFile);
        return;
    }
    lstFile->clear();
    lstFile->addItem(QStringLiteral("Soundなし"));
    for (int i = 0; i < filFile->count(); ++i)
        lstFile->addItem(filFile->item(i)->text());
    PointToList(lstFile);
}

void frmFileSel::filFile_Click()
{
    const QListWidgetItem* item = filFile->currentItem();
    const QString name = item ? item->text() : QString();
    txtFileName[0]->setText(Paths::AddDirSep(dirPath_) + name);
    txtFileName[1]->setText(txtFileName[0]->text());
    if (!SoundConfiguration && !name.isEmpty())
        PreviewQuestion(txtFileName[0]->text());
    cmdOk->setFocus();
    if (Shared.SolveMode == QLatin1String("Check"))
        PointToOk();
}

void frmFileSel::PreviewQuestion(const QString& path)
{
    // A file that is being written by another program may fail once; try again.
    std::optional<QuestionHead> head = QuestionFile::ReadHead(path);
    if (!head)
        head = QuestionFile::ReadHead(path);
    if (!head) {
        Sounds().PlayEvent(SoundError);
        Platform::dialogs().MsgBox(QStringLiteral("[%1]を読めません。").arg(txtFileName[0]->text()),
                                   Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, QStringLiteral("ファイル読込"));
        return;
    }
    lblTitleName->setText(head->Title);
    setLabelColour(lblTitleName, "#0000ff");
    lblTitle->setVisible(true);
    lblTitle->setText(QStringLiteral("ヒ　ン　ト"));
    lblNandoMark->setText(head->DifficultyMark);
}

void frmFileSel::lstFile_Click()
{
    const QListWidgetItem* item = lstFile->currentItem();
    const QString name = item ? item->text() : QString();
    if (name == QStringLiteral("Soundなし"))
        txtFileName[0]->setText(name);
    else
        txtFileName[0]->setText(Paths::AddDirSep(dirPath_) + name);
    txtFileName[1]->setText(txtFileName[0]->text());
    cmdOk->setFocus();
    PointToOk();
}

void frmFileSel::optMode_Click(int index)
{
    if (Shared.FirstModeClickSeen != QLatin1String("On")) {
        Shared.FirstModeClickSeen = QStringLiteral("On");
        return;
    }
    lblTitle->setVisible(true);
    lblTitle->setText(QStringLiteral("ヒ　ン　ト"));
    setUnderline(lblTitleName, true);
    setLabelColour(lblTitleName, "#000000");
    lblTitleName->clear();
    const QString caption = optMode[index]->text();
    if (caption == kModeMan) {
        Shared.SolveMode = QStringLiteral("Man");
    } else if (caption == kModePc) {
        Shared.SolveMode = QStringLiteral("Pc");
    } else if (caption == kModeCheck) {
        Shared.SolveMode = QStringLiteral("Check");
        setWindowTitle(QStringLiteral("ファイル名の指定"));
        lblTitle->setText(QString());
        ConfigureForBatchFirst();
        lblTitle->setVisible(true);
    }
    Shared.DefaultSolveMode = Shared.SolveMode;
    Shared.ResumeSolveMode = Shared.SolveMode;
    PointToList(filFile);
}

void frmFileSel::SoundHousekeeping()
{
    SoundPlayer& sounds = Sounds();
    if (SoundPlayer::SwitchOn(SoundBGM) && !sounds.tmrSound.isActive() && Shared.SoundTestActive) {
        if (sounds.BgmOnChecked())
            cmdSoundStop_Click();
        else
            sounds.Send(QStringLiteral("close all"));
    }
}

void frmFileSel::cmdSoundStop_Click()
{
    Shared.SoundTestActive = false;
    SoundPlayer& sounds = Sounds();
    if (SoundPlayer::SwitchOn(SoundBGM) && sounds.BgmOnChecked()) {
        sounds.RestartBgm();
        sounds.tmrSound.start();
    } else {
        sounds.Send(QStringLiteral("close all"));
    }
}

void frmFileSel::cmdOk_Click()
{
    SoundHousekeeping();
    Sounds().PlayEvent(SoundEntry);
    if (Shared.JobMode == QLatin1String("Reference"))
        Shared.JobMode = QStringLiteral("Reference_Ok");

    if (SoundConfiguration) {
        Shared.SoundFileEdit[Shared.SoundEditIndex] = txtFileName[0]->text();
        txtFileName[1]->setText(txtFileName[0]->text());
        hide();
        if (onSoundChosen)
            onSoundChosen(Shared.SoundEditIndex);
        return;
    }

    const QString folder = Paths::AddDirSep(dirPath_);
    if (Shared.HomeFolder.toLower().chopped(Shared.HomeFolder.isEmpty() ? 0 : 1) != folder.toLower().chopped(1))
        Shared.HintListResume = false;

    Shared.QuestionPath = txtFileName[0]->text();
    txtFileName[1]->setText(txtFileName[0]->text());
    if (!FileNames::HasQuestionExtension(Shared.QuestionPath)) {
        Sounds().PlayEvent(SoundError);
        Platform::dialogs().MsgBox(QStringLiteral("ファイル名の指定が違います。\n再度ファイル名を設定して下さい。！"),
                                   Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation,
                                   QStringLiteral("問題ファイル指定"));
        return;
    }
    Shared.QuestionState = QStringLiteral("Ok");

    if (Shared.SolveMode == QLatin1String("Check")) {
        ++Shared.CheckCount;
        const FileNames::BatchPick pick = FileNames::PickBatch(Shared.QuestionPath);
        Shared.CheckNumberWidth = static_cast<int16_t>(pick.NumberWidth);
        if (Shared.CheckPickStep > 1) {
            Shared.CheckLastNo = static_cast<int16_t>(pick.Number);
            Shared.QuestionPath =
                FileNames::BatchFileName(Shared.CheckPathPrefix, Shared.CheckFirstNo, pick.NumberWidth);
        } else {
            Shared.CheckFirstNo = static_cast<int16_t>(pick.Number);
            Shared.CheckFileNo = Shared.CheckFirstNo;
            Shared.CheckPathPrefix = pick.PathPrefix;
            lblTitle->setText(QString());
            setLabelColour(lblTitleName, "#008000");
            lblTitleName->setText(QStringLiteral("終了ファイル名の指定"));
            Shared.CheckPickStep = 2;
            PointToList(filFile);
            QDir::setCurrent(dirPath_);
            if (Shared.CheckCount < 2)
                return;
        }
    }
    Shared.QuestionFolder = dirPath_.isEmpty() ? QString() : Paths::AddDirSep(dirPath_);
    hide();
}

void frmFileSel::CmdCancel_Click()
{
    SoundHousekeeping();
    if (!Sounds().tmrSound.isActive())
        Sounds().PlayEvent(SoundStop);
    Shared.CheckPickStep = 0;
    Shared.CheckCount = 0;
    if (SoundConfiguration) {
        hide();
        return;
    }
    // A name refused a moment ago must not be loaded after a cancel.
    if (Shared.JobMode.isEmpty())
        Shared.QuestionPath.clear();
    hide();
    if (Shared.JobMode == QLatin1String("Reference_Ok"))
        Shared.JobMode = QStringLiteral("Reference_Cancel");
}

void frmFileSel::closeEvent(QCloseEvent* event)
{
    event->ignore();
    CmdCancel_Click();
}

void frmFileSel::cmdHalt_Click()
{
    // The suspended puzzle's backup serves as the reference picture of the
    // make-from-a-drawing job, which restores it.
    switch (BackupFile::CheckFirstLine(FileNames::HaltDataPath(Shared.HomeFolder))) {
    case BackupFile::Status::Ok:
        break;
    case BackupFile::Status::Missing:
        Platform::dialogs().MsgBox(QStringLiteral("中断情報ファイルが見つかりません。"), Dialogs::Buttons::Ok,
                                   Dialogs::Icon::Exclamation, QStringLiteral("ファイルエラー"));
        return;
    default:
        Platform::dialogs().MsgBox(QStringLiteral("ファイルが不正です。確認してください。"), Dialogs::Buttons::Ok,
                                   Dialogs::Icon::Exclamation, QStringLiteral("ファイル選択エラー"));
        return;
    }
    Shared.RestorePending = true;
    Shared.QuestionPath = Shared.HomeFolder + QStringLiteral("HaltData.bak");
    Shared.JobMode = QStringLiteral("Reference_Ok");
    hide();
}

} // namespace velin

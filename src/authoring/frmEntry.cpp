#include "authoring/frmEntry.h"

#include "app/Shared.h"
#include "board/QuestionFile.h"
#include "files/frmFileSel.h"
#include "help/Help.h"
#include "media/SoundPlayer.h"
#include "platform/Dialogs.h"
#include "platform/FormInstance.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace velin {

frmEntry& EntryForm()
{
    return FormInstance<frmEntry>::Get();
}

frmEntry* EntryFormIfLoaded()
{
    return FormInstance<frmEntry>::IfLoaded();
}

void UnloadEntryForm()
{
    FormInstance<frmEntry>::Unload();
}

namespace {

// The grid control: hands presses and releases to the form, and leaves the
// right button's selection to the form's hit test.
class ClueTable final : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    std::function<void(Qt::MouseButton, QPoint)> onPress;
    std::function<void(Qt::MouseButton, QPoint)> onRelease;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (onPress)
            onPress(event->button(), event->position().toPoint());
        if (event->button() == Qt::LeftButton)
            QTableWidget::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            QTableWidget::mouseReleaseEvent(event);
        if (onRelease)
            onRelease(event->button(), event->position().toPoint());
    }
};

// The designed client-area positions, in twips.
constexpr double kFormWidth = 7800;
constexpr double kFullTop = 420, kFullHeight = 6420;
constexpr double kCompactTop = 1302, kCompactHeight = 4360;
constexpr double kAttentionTop = 2400;
constexpr double kNumberColumn = 500;

bool IsTextBox(const QLineEdit* box, std::initializer_list<const QLineEdit*> boxes)
{
    return std::find(boxes.begin(), boxes.end(), box) != boxes.end();
}

} // namespace

frmEntry::frmEntry(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmEntry"));
    setWindowTitle(QStringLiteral("問題ファイル登録"));
    setWindowModality(Qt::ApplicationModal);
    BuildMenus();
    BuildControls();
    grid.onError = [] { Sounds().PlayEvent(SoundError); };
    Form_Load();
}

frmEntry::~frmEntry()
{
    FormInstance<frmEntry>::Forget(this);
}

void frmEntry::BuildMenus()
{
    const auto item = [this](QMenu* menu, const char* name, const char* caption, const QKeySequence& key) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromUtf8(name));
        action->setShortcut(key);
        return action;
    };
    menuGrid = menuBar()->addMenu(QStringLiteral("グリッド編集(&M)"));
    Menu_Cut = item(menuGrid, "Menu_Cut", "切り取り(&T)", QKeySequence(Qt::Key_F7));
    menuGrid->addSeparator();
    Menu_Copy = item(menuGrid, "Menu_Copy", "コピー(&C)", QKeySequence(Qt::Key_F8));
    menuGrid->addSeparator();
    Menu_Insert = item(menuGrid, "Menu_Insert", "貼り付け(&I)", QKeySequence(Qt::Key_F9));
    Menu_Paste = item(menuGrid, "Menu_Paste", "上書貼り付け(&P)", QKeySequence(Qt::SHIFT | Qt::Key_F9));
    menuGrid->addSeparator();
    Menu_Coment = item(menuGrid, "Menu_Coment", "編集機能解説(&R)", QKeySequence(Qt::CTRL | Qt::Key_R));
    menuHelp = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    MenuHelp_velin = item(menuHelp, "MenuHelp_velin", "べりんﾍﾙﾌﾟ(&M)", QKeySequence());
    MenuHelp_Ver = item(menuHelp, "MenuHelp_Ver", "ﾊﾞｰｼﾞｮﾝ情報(&A)", QKeySequence());

    connect(Menu_Cut, &QAction::triggered, this, [this] { Menu_Cut_Click(); });
    connect(Menu_Copy, &QAction::triggered, this, [this] { Menu_Copy_Click(); });
    connect(Menu_Insert, &QAction::triggered, this, [this] { Menu_Insert_Click(); });
    connect(Menu_Paste, &QAction::triggered, this, [this] { Menu_Paste_Click(); });
    connect(Menu_Coment, &QAction::triggered, this, [this] { Menu_Coment_Click(); });
    // The same help and about box as the board's help menu.
    connect(MenuHelp_velin, &QAction::triggered, this, [this] { Help::ShowManual(this); });
    connect(MenuHelp_Ver, &QAction::triggered, this, [this] { Help::ShowAbout(this); });
}

void frmEntry::BuildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->installEventFilter(this);
    const QFont formFont(QStringLiteral("ＭＳ ゴシック"), 9);
    QFont smallFont = formFont;
    smallFont.setPointSizeF(8);

    const auto label = [&](const QString& text, double left, double top, double width, double height) {
        auto* l = new QLabel(text, client);
        l->setFont(formFont);
        Twips::PlaceControl(l, left, top, width, height);
        return l;
    };
    const auto box = [&](const char* name, QLabel* buddy, double left, double top, double width) {
        auto* b = new QLineEdit(client);
        b->setObjectName(QString::fromUtf8(name));
        b->setFont(formFont);
        Twips::PlaceControl(b, left, top, width, 330);
        if (buddy)
            buddy->setBuddy(b);
        b->installEventFilter(this);
        return b;
    };

    lblTitle = label(QStringLiteral("ヒ ン ト"), 150, 120, 1100, 270);
    txtTitle = box("txtTitle", lblTitle, 1300, 90, 3400);
    lblAnswer = label(QStringLiteral("答  　え"), 150, 480, 1100, 270);
    txtAnswer = box("txtAnswer", lblAnswer, 1300, 450, 3400);
    lblAnswerTail = label(QStringLiteral("でした。"), 4780, 480, 1000, 270);
    lblComment = label(QStringLiteral("コメント"), 150, 840, 1100, 270);
    txtComment = box("txtComment", lblComment, 1300, 810, 4400);
    lblNando = label(QStringLiteral("難 易 度"), 150, 1200, 1100, 270);
    txtNando = box("txtNando", lblNando, 1300, 1170, 450);
    lblNandoHint = label(QStringLiteral("[１：初級 ～ ７：プロフェッショナル級]"), 1850, 1200, 3900, 270);
    lblLine = label(QStringLiteral("縦方向枠数(50以内)"), 150, 1560, 2050, 270);
    txtLine = box("txtLine", lblLine, 2250, 1530, 600);
    lblColumn = label(QStringLiteral("横方向枠数(50以内)"), 3050, 1560, 2050, 270);
    txtColumn = box("txtColumn", lblColumn, 5150, 1530, 600);
    lblAdvice = label(QStringLiteral("ヒント・答えは全角で１５文字以内　コメントは省略可能！"), 150, 1900, 5800, 240);
    lblAdvice->setFont(smallFont);

    lblGridTitle = label(QStringLiteral("縦・横方向データ"), 150, 2190, 1800, 270);
    lblExample = label(QStringLiteral("例) 1/2/3"), 1950, 2190, 1300, 270);
    txtData = box("txtData", lblGridTitle, 3300, 2160, 4350);
    txtData->setAccessibleName(QStringLiteral("縦・横方向データ"));

    auto* table = new ClueTable(client);
    grdData = table;
    grdData->setObjectName(QStringLiteral("grdData"));
    grdData->setFont(formFont);
    grdData->setColumnCount(2);
    grdData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdData->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grdData->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grdData->setToolTip(QStringLiteral("マウスの右ボタンを押すとグリッド編集メニューを表示します"));
    grdData->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdData->horizontalHeader()->setHighlightSections(false);
    grdData->verticalHeader()->setHighlightSections(false);
    grdData->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdData->verticalHeader()->setDefaultSectionSize(Twips::ToPixelsY(240));
    grdData->verticalHeader()->setFixedWidth(Twips::ToPixelsX(kNumberColumn));
    grdData->setCornerButtonEnabled(false);
    grdData->setFocusPolicy(Qt::NoFocus);
    Twips::PlaceControl(grdData, 150, 2520, 7500, 2280);
    cornerLabel_ = new QLabel(ClueGrid::HeaderText(0), grdData);
    cornerLabel_->setAlignment(Qt::AlignCenter);
    table->onPress = [this](Qt::MouseButton b, QPoint p) { grdData_MouseDown(b, p); };
    table->onRelease = [this](Qt::MouseButton b, QPoint p) { grdData_MouseUp(b, p); };

    lblAttention = label(QStringLiteral("【注　意】　ここで問題が作成可能でも推測が必要な場合は作成問題は解けません。"
                                        "これは、問題を作成する面白味と云えるでしょう...！"),
                         150, kAttentionTop, 7500, 540);
    lblAttention->setWordWrap(true);
    lblAttention->setStyleSheet(QStringLiteral("color: #c00000"));
    lblAttention->installEventFilter(this);

    fraFolder = new QFrame(client);
    fraFolder->setFrameShape(QFrame::Box);
    lblFolder = label(Registration::FolderNote(), 200, 4900, 7400, 480);
    lblFolder->setFont(smallFont);
    lblFolder->setWordWrap(true);
    lblFolder->installEventFilter(this);
    lblFile = label(QString(), 150, 5430, 5050, 270);
    lblFile->installEventFilter(this);
    txtFile = box("txtFile", lblFile, 5200, 5390, 650);
    txtFile->setAccessibleName(QStringLiteral("ファイル番号"));
    cmdFile = new QPushButton(QStringLiteral("ファイル参照 "), client);
    cmdFile->setObjectName(QStringLiteral("cmdFile"));
    cmdFile->setToolTip(QStringLiteral("既に存在する番号(ファイル)を確認します"));
    cmdFile->setFont(formFont);
    Twips::PlaceControl(cmdFile, 5950, 5360, 1650, 390);

    const auto button = [&](const char* name, const char* caption, const char* tip, double top) {
        auto* b = new QPushButton(QString::fromUtf8(caption), client);
        b->setObjectName(QString::fromUtf8(name));
        b->setToolTip(QString::fromUtf8(tip));
        b->setFont(formFont);
        Twips::PlaceControl(b, 5950, top, 1650, 450);
        return b;
    };
    cmdSet = button("cmdSet", "登　　録", "設定したデータを登録します", 100);
    cmdReset = button("cmdReset", "中　　止", "今までの処理をキャンセルします", 760);
    cmdReference = button("cmdReference", "問題 参照", "既存の問題を利用します", 1300);

    filFile = new QListWidget(client);
    filFile->setObjectName(QStringLiteral("filFile"));
    filFile->setToolTip(QStringLiteral("ダブル･クリックで１を加えた番号のファイルを作成"));
    filFile->setFont(formFont);
    filFile->hide();

    // Number boxes take digits only (difficulty 1 to 7), typed or pasted.
    const auto digits = [this](QLineEdit* b, const char* pattern) {
        b->setValidator(new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern)), b));
        b->setAttribute(Qt::WA_InputMethodEnabled, false);
    };
    digits(txtNando, "[1-7]*");
    digits(txtLine, "[0-9]{0,3}");
    digits(txtColumn, "[0-9]{0,3}");
    digits(txtFile, "[0-9]*");
    txtData->setAttribute(Qt::WA_InputMethodEnabled, false);

    // Every change of a box is a change of the question's values.
    connect(txtTitle, &QLineEdit::textChanged, this,
            [](const QString& t) { Shared.QuestionTitle = t + QStringLiteral("！"); });
    connect(txtAnswer, &QLineEdit::textChanged, this,
            [](const QString& t) { Shared.AnswerName = t + QStringLiteral("でした。"); });
    connect(txtComment, &QLineEdit::textChanged, this, [](const QString& t) { Shared.CommentText = t; });
    connect(txtNando, &QLineEdit::textChanged, this,
            [](const QString& t) { Shared.Difficulty = static_cast<int16_t>(Registration::BoxValue(t)); });
    connect(txtLine, &QLineEdit::textChanged, this,
            [](const QString& t) { Shared.RowCount = static_cast<int16_t>(Registration::BoxValue(t)); });
    connect(txtColumn, &QLineEdit::textChanged, this,
            [](const QString& t) { Shared.ColumnCount = static_cast<int16_t>(Registration::BoxValue(t)); });
    connect(txtData, &QLineEdit::textEdited, this, [this](const QString& t) {
        grid.EditorChanged(t);
        ShowGrid(false);
    });

    connect(cmdSet, &QPushButton::clicked, this, [this] { cmdSet_Click(); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(cmdReference, &QPushButton::clicked, this, [this] { cmdReference_Click(); });
    connect(cmdFile, &QPushButton::clicked, this, [this] { cmdFile_Click(); });
    connect(filFile, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { filFile_DblClick(item->text()); });

    // Tab follows the order of the Enter moves.
    setTabOrder(txtTitle, txtAnswer);
    setTabOrder(txtAnswer, txtComment);
    setTabOrder(txtComment, txtNando);
    setTabOrder(txtNando, txtLine);
    setTabOrder(txtLine, txtColumn);
    setTabOrder(txtColumn, txtData);
    setTabOrder(txtData, txtFile);
    setTabOrder(txtFile, cmdSet);
}

void frmEntry::Form_Load()
{
    Screen& screen = Platform::screen();
    lblAttention->hide();
    ClosingByProgram = false;
    double listHeight = 2000;
    Twips::PlaceControl(filFile, 5700, 0, 1700, listHeight);
    Twips::MoveControl(cmdSet, Twips::ControlLeft(cmdSet), 100);
    cmdReference->show();

    if (Shared.JobMode == QLatin1String("Reference_Ok")) {
        Twips::MoveControl(cmdSet, Twips::ControlLeft(cmdSet), 240);
        cmdReference->hide();
        txtLine->setText(QString::number(Shared.RowCount));
        txtColumn->setText(QString::number(Shared.ColumnCount));
        txtLine->setEnabled(false);
        txtColumn->setEnabled(false);
        Shared.JobMode = QStringLiteral("Private");
    }

    double formTop = 0;
    double formHeight = 0;
    const bool full = Shared.JobMode != QLatin1String("Private");
    for (QWidget* w : std::initializer_list<QWidget*>{lblGridTitle, lblExample, txtData, grdData})
        w->setVisible(full);
    grdData->setEnabled(full);
    menuGrid->setEnabled(full);
    if (full) {
        formTop = kFullTop;
        formHeight = kFullHeight;
        Twips::MoveControl(cmdSet, Twips::ControlLeft(cmdSet), 240);
        cmdReference->hide();
        Twips::PlaceControl(fraFolder, 150, 4860, 7500, 530);
        Twips::MoveControl(lblFolder, Twips::ControlLeft(lblFolder), 4900);
        Twips::MoveControl(lblFile, Twips::ControlLeft(lblFile), 5430);
        Twips::MoveControl(txtFile, Twips::ControlLeft(txtFile), 5390);
        Twips::MoveControl(cmdFile, Twips::ControlLeft(cmdFile), 5360);
    } else {
        lblAttention->show();
        formTop = kCompactTop;
        formHeight = kCompactHeight;
        listHeight = 1800;
        const double top = kAttentionTop - 240;
        Twips::MoveControl(lblAttention, Twips::ControlLeft(lblAttention), top);
        Twips::MoveControl(lblFolder, Twips::ControlLeft(lblFolder), top + 610);
        Twips::PlaceControl(fraFolder, 150, top + 570, 7500, 530);
        Twips::MoveControl(lblFile, Twips::ControlLeft(lblFile), top + 1240);
        Twips::MoveControl(txtFile, Twips::ControlLeft(txtFile), top + 1190);
        Twips::MoveControl(cmdFile, Twips::ControlLeft(cmdFile), top + 1160);
    }

    const Registration::CaptionFit fit = Registration::CaptionAdjust(screen.CaptionHeightPixels());
    formHeight *= fit.factor;
    grdData->setColumnWidth(0, Twips::ToPixelsX(fit.dataColumnWidth));
    grdData->setColumnWidth(1, Twips::ToPixelsX(fit.dataColumnWidth));
    if (screen.HeightTwips() >= 7200 && screen.TwipsPerPixelY() < 15)
        Twips::PlaceControl(grdData, Twips::ControlLeft(grdData), Twips::ControlTop(grdData),
                            Twips::ControlWidth(grdData), 2400);
    Twips::MoveWindow(this, std::max(0.0, (screen.WidthTwips() - kFormWidth) / 2), formTop, kFormWidth, formHeight);

    grid.SetUp();
    ShowGrid();

    Twips::PlaceControl(filFile, 5700, ClientHeight() - (listHeight + 40), 1700, listHeight);
    ShowFileLabel();
    txtTitle->setFocus();
}

double frmEntry::ClientHeight() const
{
    // The client area lies under the menu bar; before the window is shown
    // the bar's own height stands for its place.
    const double outer = Twips::Height(this);
    const double frame = (frameGeometry().height() - geometry().height()) * Platform::screen().TwipsPerPixelY();
    const double bar = menuBar()->sizeHint().height() * Platform::screen().TwipsPerPixelY();
    return outer - frame - bar;
}

void frmEntry::ShowFileLabel()
{
    lblFile->setText(Registration::FileLabel(Shared.QuestionPrefix));
}

void frmEntry::ShowGrid(bool editorToo)
{
    QSignalBlocker block(grdData);
    const int rows = grid.Rows() - 1;
    if (grdData->rowCount() != rows)
        grdData->setRowCount(rows);
    grdData->setHorizontalHeaderLabels({ClueGrid::HeaderText(1), ClueGrid::HeaderText(2)});
    QStringList numbers;
    for (int row = 1; row <= rows; ++row)
        numbers << grid.Cell(row, 0);
    grdData->setVerticalHeaderLabels(numbers);
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col <= 2; ++col) {
            QTableWidgetItem* item = grdData->item(row - 1, col - 1);
            if (!item) {
                item = new QTableWidgetItem;
                grdData->setItem(row - 1, col - 1, item);
            }
            if (item->text() != grid.Cell(row, col))
                item->setText(grid.Cell(row, col));
        }
    }
    QItemSelectionModel* selection = grdData->selectionModel();
    if (rows > 0) {
        const ClueGrid::Selection sel = grid.Selected();
        const auto index = [this, rows](int row, int col) {
            return grdData->model()->index(std::clamp(row, 1, rows) - 1, std::clamp(col, 1, 2) - 1);
        };
        selection->setCurrentIndex(index(grid.CurrentRow(), grid.CurrentCol()), QItemSelectionModel::NoUpdate);
        selection->select(QItemSelection(index(sel.firstRow, sel.firstCol), index(sel.lastRow, sel.lastCol)),
                          QItemSelectionModel::ClearAndSelect);
        // Only a move that scrolls the grid moves the view; the user's own
        // scrolling stays as it is.
        if (grid.TopRow() != shownTopRow_) {
            shownTopRow_ = grid.TopRow();
            grdData->verticalScrollBar()->setValue(shownTopRow_ - 1);
        }
    }
    cornerLabel_->setGeometry(grdData->frameWidth(), grdData->frameWidth(), grdData->verticalHeader()->width(),
                              grdData->horizontalHeader()->height());
    if (editorToo && txtData->text() != grid.CurrentText())
        txtData->setText(grid.CurrentText());
}

// --- the number boxes and the file number ---

void frmEntry::txtCount_LostFocus()
{
    if (!grdData->isEnabled())
        return;
    grid.Rebuild(Shared.RowCount, Shared.ColumnCount);
    ShowGrid();
}

void frmEntry::txtData_GotFocus()
{
    if (Shared.ColumnCount < 2) {
        txtColumn->clear();
        txtColumn->setFocus();
    }
    if (Shared.RowCount < 2) {
        txtLine->clear();
        txtLine->setFocus();
    }
    HideFileList();
}

void frmEntry::txtFile_GotFocus()
{
    if (txtFile->text() == QLatin1String("???"))
        txtFile->clear();
    // The list shows the question folder's files.
    filFile->clear();
    const QDir folder(Paths::Resolve(Shared.QuestionFolder));
    filFile->addItems(folder.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    cmdFile->setVisible(filFile->isHidden());
}

void frmEntry::cmdFile_Click()
{
    filFile->setEnabled(true);
    filFile->show();
    filFile->raise();
    txtFile->setFocus();
    txtFile_GotFocus();
}

void frmEntry::filFile_DblClick(const QString& fileName)
{
    txtFile->setText(Registration::NextFileNumber(fileName));
    PointToSet();
    txtFile->setFocus();
}

void frmEntry::txtFile_F12()
{
    Shared.QuestionPrefix = Registration::NextPrefix(Shared.QuestionPrefix);
    ShowFileLabel();
}

void frmEntry::HideFileList()
{
    if (filFile->isHidden())
        return;
    filFile->hide();
    cmdFile->show();
}

void frmEntry::PointToSet()
{
    Platform::screen().MovePointerOnto(this, [this] {
        const double captionAndBar = Twips::Height(this) - Twips::InnerHeight(centralWidget());
        return QPointF(Twips::Left(this) + Twips::ControlLeft(cmdSet) + Twips::ControlWidth(cmdSet) / 2,
                       Twips::Top(this) + captionAndBar + Twips::ControlTop(cmdSet) + Twips::ControlHeight(cmdSet) / 3);
    });
}

// --- Register, Cancel, Reference ---

QLineEdit* frmEntry::BoxOf(Registration::Box box) const
{
    switch (box) {
    case Registration::Box::File:
        return txtFile;
    case Registration::Box::Title:
        return txtTitle;
    case Registration::Box::Answer:
        return txtAnswer;
    case Registration::Box::Comment:
        return txtComment;
    case Registration::Box::Nando:
        return txtNando;
    case Registration::Box::Line:
        return txtLine;
    case Registration::Box::Column:
        return txtColumn;
    case Registration::Box::Data:
        return txtData;
    }
    return txtFile;
}

void frmEntry::Refuse(const Registration::Refusal& refusal)
{
    Platform::dialogs().MsgBox(refusal.text, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation,
                               Registration::RefusalTitle());
    cmdFile->show();
    if (refusal.box == Registration::Box::File)
        txtFile->clear();
    if (refusal.box == Registration::Box::Data && refusal.row > 0) {
        grid.MakeCurrent(refusal.row, refusal.col);
        ShowGrid();
    }
    QLineEdit* box = BoxOf(refusal.box);
    box->setFocus();
    if (box == txtData)
        txtData_GotFocus();
}

void frmEntry::cmdSet_Click()
{
    filFile->hide();
    filFile->setEnabled(false);
    Shared.CommentText = txtComment->text();

    Registration::Entry entry;
    entry.fileNumber = txtFile->text();
    entry.title = txtTitle->text();
    entry.answer = txtAnswer->text();
    entry.comment = txtComment->text();
    entry.difficulty = Shared.Difficulty;
    entry.rows = Shared.RowCount;
    entry.columns = Shared.ColumnCount;
    const auto refusal = Registration::CheckEntry(entry);
    if (refusal && refusal->box == Registration::Box::File)
        return Refuse(*refusal);
    Shared.QuestionPath =
        Registration::QuestionFileName(Shared.QuestionFolder, Shared.QuestionPrefix, entry.fileNumber);
    if (refusal)
        return Refuse(*refusal);

    // A file whose name differs only in letter case is the same question to
    // the game: it is asked about and replaced, never doubled.
    if (Paths::FileExists(Shared.QuestionPath)) {
        const Dialogs::Answer answer =
            Platform::dialogs().MsgBox(Registration::OverwriteText(), Dialogs::Buttons::YesNo,
                                       Dialogs::Icon::Exclamation, Registration::OverwriteTitle());
        if (answer != Dialogs::Answer::Yes) {
            txtFile->setFocus();
            return;
        }
        Shared.QuestionPath = Paths::Resolve(Shared.QuestionPath);
    }

    if (Shared.JobMode == QLatin1String("Append")) {
        grid.Rebuild(Shared.RowCount, Shared.ColumnCount);
        if (grid.FirstEmptyClue())
            return Refuse(Registration::MissingClues());
        const QStringList rowClues = grid.RowClues();
        const QStringList columnClues = grid.ColumnClues();
        if (const auto clueRefusal = Registration::CheckClues(rowClues, columnClues))
            return Refuse(*clueRefusal);
        if (!QuestionWriter::Write(Shared.QuestionPath, Registration::Question(entry, rowClues, columnClues))) {
            Sounds().PlayEvent(SoundError);
            Platform::dialogs().MsgBox(Registration::WriteFailedText(Shared.QuestionPath), Dialogs::Buttons::Ok,
                                       Dialogs::Icon::Exclamation, Registration::WriteFailedTitle());
            cmdFile->show();
            txtFile->setFocus();
            return;
        }
        Paths::ForgetListings();
        if (frmFileSel* fileSel = FileSelFormIfLoaded())
            fileSel->SetFolder(fileSel->DirPath());
    } else {
        Shared.DifficultyMark = QuestionFile::DifficultyMarkOf(Shared.Difficulty);
    }
    ClosingByProgram = true;
    hide();
}

void frmEntry::cmdReset_Click()
{
    filFile->hide();
    filFile->setEnabled(false);
    Shared.JobMode.clear();
    ClosingByProgram = true;
    hide();
}

void frmEntry::cmdReference_Click()
{
    Shared.JobMode = QStringLiteral("Reference");
    ClosingByProgram = true;
    hide();
}

void frmEntry::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (!ClosingByProgram)
        cmdReset_Click();
    else
        hide();
}

// --- the clue editor and the grid ---

bool frmEntry::txtData_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    ClueGrid::Key k = ClueGrid::Key::Other;
    switch (key) {
    case Qt::Key_Left:
        k = ClueGrid::Key::Left;
        break;
    case Qt::Key_Right:
        k = ClueGrid::Key::Right;
        break;
    case Qt::Key_Up:
        k = ClueGrid::Key::Up;
        break;
    case Qt::Key_Down:
        k = ClueGrid::Key::Down;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        k = ClueGrid::Key::Enter;
        break;
    case Qt::Key_F6:
        k = ClueGrid::Key::F6;
        break;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        k = ClueGrid::Key::Modifier;
        break;
    default:
        break;
    }
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier) &&
        (k == ClueGrid::Key::Left || k == ClueGrid::Key::Right))
        k = ClueGrid::Key::Other; // a selection of the editor's text, not a move
    const int caret = txtData->cursorPosition();
    const bool used = grid.KeyDown(k, caret == 0, caret >= txtData->text().size(), txtData->text());
    ShowGrid(used);
    return used;
}

void frmEntry::grdData_MouseDown(Qt::MouseButton button, QPoint pos)
{
    pressButton_ = button;
    pressPos_ = pos;
    grid.MousePress(pos.x(), pos.y());
}

void frmEntry::grdData_MouseUp(Qt::MouseButton button, QPoint pos)
{
    if (button == Qt::LeftButton) {
        const QList<QTableWidgetSelectionRange> ranges = grdData->selectedRanges();
        ClueGrid::Selection dragged = grid.Selected();
        if (!ranges.isEmpty()) {
            const QTableWidgetSelectionRange& r = ranges.first();
            dragged = {r.leftColumn() + 1, r.topRow() + 1, r.rightColumn() + 1, r.bottomRow() + 1};
        }
        grid.LeftRelease(dragged);
        const QModelIndex pressed = grdData->indexAt(pressPos_);
        const QModelIndex released = grdData->indexAt(pos);
        if (pressed.isValid() && pressed == released) {
            grid.CellClicked(pressed.row() + 1, pressed.column() + 1);
            ShowGrid();
            txtData->setFocus();
            txtData_GotFocus();
            return;
        }
        ShowGrid();
        return;
    }
    ClueGrid::Geometry geometry;
    geometry.col1Left = grdData->columnViewportPosition(0);
    geometry.col2Left = grdData->columnViewportPosition(1);
    geometry.row1Top = grdData->rowViewportPosition(0);
    geometry.row2Top = geometry.row1Top + grdData->rowHeight(0);
    if (grid.RightRelease(pos.x(), pos.y(), geometry)) {
        ShowGrid();
        menuGrid->popup(grdData->viewport()->mapToGlobal(pos));
    }
}

void frmEntry::Menu_Cut_Click()
{
    grid.Cut();
    ShowGrid();
}

void frmEntry::Menu_Copy_Click()
{
    grid.Copy();
    ShowGrid();
}

void frmEntry::Menu_Insert_Click()
{
    grid.InsertPaste();
    ShowGrid();
}

void frmEntry::Menu_Paste_Click()
{
    grid.OverwritePaste();
    ShowGrid();
}

void frmEntry::Menu_Coment_Click()
{
    Platform::dialogs().MsgBox(ClueGrid::HelpText(), Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation,
                               QStringLiteral("編集機能解説"));
}

// --- keys and focus of the boxes ---

void frmEntry::EnterMovesFocus(QObject* box)
{
    QWidget* next = nullptr;
    if (box == txtTitle)
        next = txtAnswer;
    else if (box == txtAnswer)
        next = txtComment;
    else if (box == txtComment)
        next = txtNando;
    else if (box == txtNando)
        next = txtLine->isEnabled() ? static_cast<QWidget*>(txtLine) : txtFile;
    else if (box == txtLine)
        next = txtColumn;
    else if (box == txtColumn)
        next = grdData->isEnabledTo(this) ? static_cast<QWidget*>(txtData) : txtFile;
    else if (box == txtFile)
        next = cmdSet;
    if (!next)
        return;
    next->setFocus();
    if (next == txtData)
        txtData_GotFocus();
    if (next == cmdSet)
        PointToSet();
}

bool frmEntry::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == txtData)
            return txtData_KeyDown(key->key(), key->modifiers());
        if (box && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            EnterMovesFocus(box);
            return true;
        }
        break;
    }
    case QEvent::KeyRelease:
        if (watched == txtFile && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F12)
            txtFile_F12();
        break;
    case QEvent::FocusIn:
        if (box == txtFile) {
            txtFile_GotFocus();
        } else if (box == txtData) {
            txtData_GotFocus();
        } else if (box) {
            HideFileList();
            if (IsTextBox(box, {txtTitle, txtAnswer, txtComment, txtNando}))
                QTimer::singleShot(0, box, [box] { box->selectAll(); });
        }
        break;
    case QEvent::FocusOut:
        if (box == txtLine || box == txtColumn)
            txtCount_LostFocus();
        break;
    case QEvent::MouseButtonPress:
        if (watched == centralWidget() || watched == lblAttention || watched == lblFile || watched == lblFolder)
            HideFileList();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace velin

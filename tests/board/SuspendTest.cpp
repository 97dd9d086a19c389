// Suspending a puzzle to the backup and restoring it, the file selection
// form's suspended-puzzle button, and the clear record kept by the answer check.
#include "BoardFixture.h"
#include "app/Colors.h"
#include "board/BackupFile.h"
#include "board/ClearRecord.h"
#include "platform/AnsiText.h"
#include "platform/Surface.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace velin;
using namespace velin::test;

namespace {

const QStringList kPlus{"..#..", "..#..", "#####", "..#..", "..#.."};
const QString kDamaged = QStringLiteral("ファイルが不正です。確認してやり直してください。");

QStringList Pattern(int rows, int columns)
{
    QStringList picture;
    for (int r = 0; r < rows; ++r) {
        QString row;
        for (int c = 0; c < columns; ++c)
            row += ((r * 5 + c * 3) % 7 < 3) ? u'#' : u'.';
        picture << row;
    }
    return picture;
}

class Suspend : public BoardTest {
protected:
    QString BackupPath() const { return questions.Parent() + QStringLiteral("haltdata.bak"); }
    QString RecordPath() const { return questions.Parent() + QStringLiteral("ClearPuzzle.dat"); }
    QByteArray Bytes(const QString& path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Fills every cell of the plus as it should be, so the answer check runs.
    void SolvePlus()
    {
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 5; ++c)
                if (Board().model.Board[r][c] == kUndecided)
                    Click(r, c, kPlus[r - 1][c - 1] == u'#' ? 1 : 2);
    }
};

TEST_F(Suspend, RoundTripKeepsCellsDropsMemoMarksAndCarriesTheClock)
{
    Shared.LineMarkMode = true;
    StartMan(Pattern(20, 15));
    frmNono& b = Board();
    const QString question = Shared.QuestionPath;
    Click(1, 1, 1);
    Click(2, 3, 2);
    Drag(5, 1, 5, 4, 1);
    Click(3, 3, 1, CellInput::kShift); // a memo mark: the cell stays undecided
    Click(20, 15, 2);
    const Grid61 saved = b.model.Board;
    platform.clock.now += 95;
    b.MenuFileHalt_Click();
    ASSERT_TRUE(platform.dialogs.Boxes().empty());
    EXPECT_TRUE(b.tmrTimer.isActive()); // play goes on after a save

    // Something else happens on the board meanwhile, in another mode.
    Shared.DefaultSolveMode = QStringLiteral("Pc");
    ASSERT_TRUE(Load(WriteQuestion(QStringLiteral("velin002.dat"), kPlus)));
    platform.clock.now += 1000;
    b.surface.SetLogging(true);
    platform.dialogs.answers.push_back(Dialogs::Answer::Yes);
    b.MenuFileRestor_Click();

    const auto boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, QStringLiteral("中断パズルの復元"));
    EXPECT_EQ(boxes[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(boxes[0].text, QStringLiteral("[人]がパズルを解くモードに変更して中断情報を元にパズルを復元します。\r"
                                            "　　　　　復元は[はい]を、中止は[いいえ]を選択してください。"));
    EXPECT_EQ(Shared.QuestionPath, question);
    EXPECT_EQ(Shared.RowCount, 20);
    EXPECT_EQ(Shared.ColumnCount, 15);
    EXPECT_EQ(b.model.Board, saved);
    EXPECT_EQ(b.model.Board[3][3], kUndecided);
    int discs = 0;
    for (const Surface::Op& op : b.surface.Log())
        discs += op.kind == Surface::Op::Circle && op.color == QBColor(2);
    EXPECT_EQ(discs, 7);

    // The person goes on at once: no Start, the clock from 1:35.
    EXPECT_EQ(Shared.SolveMode, QStringLiteral("Man"));
    EXPECT_EQ(Shared.ResumeSolveMode, QStringLiteral("Pc"));
    EXPECT_TRUE(b.InputLive());
    EXPECT_TRUE(b.tmrTimer.isActive());
    EXPECT_FALSE(b.cmdStart->isEnabled());
    EXPECT_FALSE(b.cmdStart->isHidden());
    EXPECT_FALSE(b.linMarkX->isHidden());
    b.tmrTimer_Timer();
    EXPECT_EQ(PlayClock::Join(b.Clock.ClockText), QStringLiteral("00:01:35"));
    platform.clock.now += 10;
    b.tmrTimer_Timer();
    EXPECT_EQ(PlayClock::Join(b.Clock.ClockText), QStringLiteral("00:01:45"));
    Click(20, 1, 1);
    EXPECT_EQ(b.model.Board[20][1], kFilled);
}

TEST_F(Suspend, SavingTwiceKeepsTheSecondState)
{
    StartMan(kPlus);
    frmNono& b = Board();
    Click(1, 1, 2);
    b.MenuFileHalt_Click();
    Click(1, 1, 2); // undecided again
    Click(3, 1, 1);
    b.MenuFileHalt_Click();
    BackupFile::Status status = BackupFile::Status::Missing;
    const auto data = BackupFile::Read(BackupPath(), status);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->Cells[1][1], kUndecided);
    EXPECT_EQ(data->Cells[3][1], kFilled);
}

TEST_F(Suspend, RestoredPuzzleReturnsToTheEarlierModeAndIsRecordedWhenCleared)
{
    StartMan(kPlus);
    frmNono& b = Board();
    Click(3, 1, 1);
    b.MenuFileHalt_Click();
    Shared.DefaultSolveMode = QStringLiteral("Pc");
    // Chosen through the file selection form's button: no question asked.
    Shared.RestorePending = true;
    b.MenuFileRestor_Click();
    EXPECT_TRUE(platform.dialogs.Boxes().empty());
    EXPECT_FALSE(Shared.RestorePending);
    ASSERT_EQ(Shared.SolveMode, QStringLiteral("Man"));

    platform.dialogs.modalScripts.push_back([](QWidget*) { EndMsgForm().cmdEnd_Click(); });
    SolvePlus();
    EXPECT_EQ(EndMsgForm().lblMessage->text(), QStringLiteral("正 　 解"));
    EXPECT_EQ(Shared.SolveMode, QStringLiteral("Pc"));
    EXPECT_EQ(Bytes(RecordPath()), AnsiText::Encode(ClearRecord::kMagic + QStringLiteral("\r\n") + Shared.QuestionPath +
                                                    QStringLiteral("\r\n")));
}

TEST_F(Suspend, UnusableBackupsLeaveTheBoardAsItIs)
{
    const QString other = WriteQuestion(QStringLiteral("nono002.dat"), Pattern(8, 9));
    struct Case {
        const char* name;
        std::function<void()> prepare;
        QString text;
        QString title;
    };
    const Case cases[] = {
        {"answered No", [] {}, QStringLiteral("パズルの復元処理を中断しました。"), QString()},
        {"no backup", [&] { QFile::remove(BackupPath()); }, kDamaged, QStringLiteral("ファイル選択エラー")},
        {"first line changed",
         [&] {
             QStringList lines = AnsiText::Decode(Bytes(BackupPath())).split(QStringLiteral("\r\n"));
             lines[0].replace(u'K', u'k');
             lines.removeLast();
             AnsiText::WriteLines(BackupPath(), lines);
         },
         kDamaged, QStringLiteral("ファイル選択エラー")},
        {"question file gone",
         [&] {
             BackupData data;
             data.QuestionPath = questions.File(QStringLiteral("nono404.dat"));
             data.RowCount = data.ColumnCount = 5;
             BackupFile::Write(BackupPath(), data);
         },
         kDamaged, QStringLiteral("ファイル選択エラー")},
        {"question changed its size",
         [&] {
             BackupData data;
             data.QuestionPath = other;
             data.RowCount = 20;
             data.ColumnCount = 15;
             for (auto& row : data.Cells)
                 row.fill(kFilled);
             BackupFile::Write(BackupPath(), data);
         },
         kDamaged, QStringLiteral("ファイル選択エラー")},
    };
    for (const Case& c : cases) {
        StartMan(kPlus);
        frmNono& b = Board();
        Click(1, 3, 1);
        b.MenuFileHalt_Click();
        Click(1, 1, 2);
        c.prepare();
        const Grid61 before = b.model.Board;
        const QString path = Shared.QuestionPath;
        platform.dialogs.log.clear();
        if (QString::fromLatin1(c.name) == QLatin1String("answered No"))
            platform.dialogs.answers.push_back(Dialogs::Answer::No);
        else
            Shared.RestorePending = true;
        b.MenuFileRestor_Click();
        const auto boxes = platform.dialogs.Boxes();
        ASSERT_FALSE(boxes.empty()) << c.name;
        EXPECT_EQ(boxes.back().text, c.text) << c.name;
        EXPECT_EQ(boxes.back().title, c.title) << c.name;
        EXPECT_EQ(b.model.Board, before) << c.name;
        EXPECT_EQ(Shared.QuestionPath, path) << c.name;
        EXPECT_TRUE(b.InputLive()) << c.name;
        EXPECT_TRUE(b.tmrTimer.isActive()) << c.name;
    }
}

TEST_F(Suspend, AFailedSaveSaysSoAndPlayGoesOn)
{
    StartMan(kPlus);
    frmNono& b = Board();
    ASSERT_TRUE(QDir().mkpath(BackupPath())); // a folder where the file should go
    b.MenuFileHalt_Click();
    auto boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, kDamaged);
    EXPECT_EQ(boxes[0].title, QStringLiteral("エラー情報"));
    EXPECT_TRUE(b.InputLive());
    EXPECT_TRUE(b.tmrTimer.isActive());
}

TEST_F(Suspend, NothingOnTheBoardKeepsTheEarlierBackup)
{
    StartMan(kPlus);
    Board().MenuFileHalt_Click();
    const QByteArray before = Bytes(BackupPath());
    Board().ResetPlay();
    Shared.QuestionPath.clear();
    Board().MenuFileHalt_Click();
    ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(platform.dialogs.Boxes()[0].text, QStringLiteral("中断保存するパズルがありません。"));
    EXPECT_EQ(Bytes(BackupPath()), before);
}

TEST_F(Suspend, ADamagedClearRecordIsReportedAndNeverAppendedTo)
{
    AnsiText::WriteLines(RecordPath(), {QStringLiteral("*** Kab files check data ***x"), QStringLiteral("/x/a.dat")});
    const QByteArray before = Bytes(RecordPath());
    StartMan(kPlus);
    SolvePlus();
    const auto boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, kDamaged);
    EXPECT_EQ(boxes[0].title, QStringLiteral("ファイル選択エラー"));
    EXPECT_EQ(Bytes(RecordPath()), before);
}

TEST_F(Suspend, SuspendedPuzzleButtonChecksTheFirstLine)
{
    frmFileSel& f = FileSelForm();
    f.show();
    f.cmdHalt_Click();
    ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(platform.dialogs.Boxes()[0].text, QStringLiteral("中断情報ファイルが見つかりません。"));
    EXPECT_EQ(platform.dialogs.Boxes()[0].title, QStringLiteral("ファイルエラー"));

    AnsiText::WriteLines(BackupPath(), {QStringLiteral("*** Kab Backup Data ***!")});
    f.cmdHalt_Click();
    ASSERT_EQ(platform.dialogs.Boxes().size(), 2u);
    EXPECT_EQ(platform.dialogs.Boxes()[1].text, QStringLiteral("ファイルが不正です。確認してください。"));
    EXPECT_EQ(platform.dialogs.Boxes()[1].title, QStringLiteral("ファイル選択エラー"));
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(Shared.RestorePending);

    AnsiText::WriteLines(BackupPath(), {BackupFile::kMagic});
    f.cmdHalt_Click();
    EXPECT_EQ(platform.dialogs.Boxes().size(), 2u);
    EXPECT_TRUE(Shared.RestorePending);
    EXPECT_EQ(Shared.QuestionPath, Shared.HomeFolder + QStringLiteral("HaltData.bak"));
    EXPECT_EQ(Shared.JobMode, QStringLiteral("Reference_Ok"));
    EXPECT_FALSE(f.isVisible());
}

} // namespace

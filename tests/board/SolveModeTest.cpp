#include "BoardFixture.h"
#include "app/Colors.h"
#include "platform/Surface.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace velin;
using namespace velin::test;

namespace {

const QStringList kPlus{"..#..", "..#..", "#####", "..#..", "..#.."};

class SolveMode : public BoardTest {
protected:
    // Writes a question file from its clues.
    QString WriteClues(const QString& name, const QStringList& rows, const QStringList& columns)
    {
        return questions.WriteAnsi(name, QuestionLines(rows, columns));
    }
    // A batch set nono005 .. nono009: every file agrees with its clues except
    // nono008, whose row 3 and column 12 cannot both be met.
    void WriteBatch(const QString& eighth = QString())
    {
        WriteQuestion(QStringLiteral("nono005.dat"), kPlus);
        WriteQuestion(QStringLiteral("nono006.dat"), {"##.", ".##", "#.#"});
        WriteQuestion(QStringLiteral("nono007.dat"), {"#...", "##..", "###.", "####"});
        if (eighth.isEmpty()) {
            QStringList rows(12, QStringLiteral("0"));
            rows[2] = QStringLiteral("11");
            QStringList columns(12, QStringLiteral("1"));
            columns[11] = QStringLiteral("2");
            WriteClues(QStringLiteral("nono008.dat"), rows, columns);
        } else {
            questions.WriteAnsi(QStringLiteral("nono008.dat"), {eighth});
        }
        WriteQuestion(QStringLiteral("nono009.dat"), {"#", "#"});
        Shared.SolveMode = QStringLiteral("Check");
        Shared.CheckPathPrefix = questions.Path() + QStringLiteral("nono");
        Shared.CheckFirstNo = Shared.CheckFileNo = 5;
        Shared.CheckLastNo = 9;
        Shared.CheckNumberWidth = 3;
        ASSERT_TRUE(Load(questions.File(QStringLiteral("nono005.dat"))));
    }
    // Captures the end message as it is shown, then closes it.
    struct EndMessage {
        bool shown = false;
        QString message, fileNo, started, ended;
    };
    void ExpectEndMessage(EndMessage& seen)
    {
        platform.dialogs.modalScripts.push_back([&seen](QWidget*) {
            frmEndMsg& end = EndMsgForm();
            seen.shown = true;
            seen.message = end.lblMessage->text();
            seen.fileNo = end.lblFileNo->isHidden() ? QString() : end.lblFileNo->text();
            seen.started = end.lblTime_s->text();
            seen.ended = end.lblTime_e->text();
            end.cmdEnd_Click();
        });
    }
    // Presses Stop as soon as `when` holds, from inside the solver's events.
    void StopWhen(std::function<bool()> when)
    {
        auto* timer = new QTimer(&Board());
        timer->setInterval(0);
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer, when] {
            if (when()) {
                Board().MenuStop_Click();
                timer->stop();
            }
        });
        timer->start();
    }
};

TEST_F(SolveMode, PcSolvesTheBoardAndShowsTheEndMessage)
{
    ASSERT_TRUE(Load(WriteQuestion(QStringLiteral("nono001.dat"), kPlus)));
    frmNono& b = Board();
    b.surface.SetLogging(true);
    b.surface.FillStyle = Surface::FillSolid;
    b.surface.FillColor = QBColor(2);
    EndMessage seen;
    ExpectEndMessage(seen);
    b.cmdStart->setEnabled(true);
    b.cmdStart_Click();

    EXPECT_EQ(seen.message, QStringLiteral("終　　了"));
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(b.model.Board[r][c], kPlus[r - 1][c - 1] == u'#' ? kFilled : kBlank);
    int discs = 0;
    for (const Surface::Op& op : b.surface.Log())
        discs += op.kind == Surface::Op::Circle && op.color == QBColor(2);
    EXPECT_EQ(discs, 25);
    EXPECT_TRUE(b.MenuFileOpen->isEnabled());
    EXPECT_FALSE(b.MenuFilePrintForm->isEnabled()) << "left to the caller";
    EXPECT_FALSE(b.cmdStart->isHidden());
}

TEST_F(SolveMode, ReturnOnTheFocusedStartAndEndButtonsPressesThem)
{
    ASSERT_TRUE(Load(WriteQuestion(QStringLiteral("nono001.dat"), kPlus)));
    frmNono& b = Board();
    b.show();
    QApplication::setActiveWindow(&b);
    b.cmdStart->setEnabled(true);
    b.cmdStart->setFocus();
    bool ended = false;
    platform.dialogs.modalScripts.push_back([&ended](QWidget*) {
        frmEndMsg& end = EndMsgForm();
        end.show();
        QApplication::setActiveWindow(&end);
        end.cmdEnd->setFocus();
        QTest::keyClick(end.cmdEnd, Qt::Key_Return);
        ended = end.isHidden();
    });
    QTest::keyClick(b.cmdStart, Qt::Key_Return);
    EXPECT_EQ(b.model.Board[3][3], kFilled) << "Return on 開 始 starts the run";
    EXPECT_TRUE(ended) << "Return on 了　解 closes the end message";
}

TEST_F(SolveMode, PcWithTheEndMessageOffShowsOnlyTheAnswer)
{
    Shared.EndMessageDisplay = false;
    ASSERT_TRUE(Load(WriteQuestion(QStringLiteral("nono001.dat"), kPlus)));
    Board().cmdStart_Click();
    for (const auto& shown : platform.dialogs.log)
        EXPECT_NE(shown.kind, QStringLiteral("Modal"));
    EXPECT_FALSE(Board().cmdStart->isHidden());
    EXPECT_EQ(Board().model.Board[3][3], kFilled);
}

TEST_F(SolveMode, StopDuringPcReturnsToIdle)
{
    // Every line has a single 1: two pictures fit, no line forces a cell.
    ASSERT_TRUE(Load(WriteClues(QStringLiteral("nono001.dat"), {"1", "1"}, {"1", "1"})));
    StopWhen([] { return true; });
    Board().cmdStart_Click();
    EXPECT_TRUE(Shared.QuestionState.isEmpty());
    EXPECT_FALSE(Board().cmdStart->isEnabled());
    EXPECT_FALSE(Board().MenuStop->isEnabled());
    EXPECT_TRUE(Board().MenuFileOpen->isEnabled());
}

TEST_F(SolveMode, BatchStopsAtTheFirstFileThatDisagrees)
{
    Shared.SoundSwitch[SoundError] = QStringLiteral("On");
    WriteBatch();
    platform.clock.now = 10 * 3600;
    EndMessage seen;
    ExpectEndMessage(seen);
    Board().cmdStart_Click();
    EXPECT_EQ(seen.message, QStringLiteral("エラー!  3行12桁"));
    EXPECT_EQ(seen.fileNo, QStringLiteral("nono008.dat"));
    EXPECT_EQ(seen.started, QStringLiteral("10:00:00"));
    EXPECT_FALSE(seen.ended.isEmpty());
    EXPECT_EQ(Shared.CheckFileNo, 8);
    EXPECT_TRUE(Shared.QuestionPath.endsWith(QLatin1String("nono008.dat")));
    EXPECT_TRUE(platform.mci.commands.contains(QStringLiteral("close all")));
}

TEST_F(SolveMode, BatchWhoseEveryFileAgreesEndsWithTheTimes)
{
    WriteBatch();
    Shared.CheckLastNo = 7;
    Board().surface.SetLogging(true);
    EndMessage seen;
    ExpectEndMessage(seen);
    Board().cmdStart_Click();
    EXPECT_EQ(seen.message, QStringLiteral("終　　了"));
    EXPECT_TRUE(seen.fileNo.isEmpty());
    EXPECT_FALSE(seen.started.isEmpty());
    EXPECT_FALSE(seen.ended.isEmpty());
    EXPECT_EQ(Shared.CheckFileNo, 8);
    // Each file loaded by the batch shows its name beside the clock.
    bool named = false;
    for (const Surface::Op& op : Board().surface.Log())
        named |= op.kind == Surface::Op::Text && op.text == QLatin1String("nono007") && op.color == kBatchNameRed;
    EXPECT_TRUE(named);
}

TEST_F(SolveMode, StopDuringABatchKeepsTheFileBeingSolved)
{
    WriteBatch();
    // File 7 becomes a puzzle that needs guessing.
    WriteClues(QStringLiteral("nono007.dat"), {"1", "1", "1", "1"}, {"1", "1", "1", "1"});
    StopWhen([] { return Shared.QuestionPath.endsWith(QLatin1String("nono007.dat")); });
    Board().cmdStart_Click();
    EXPECT_EQ(Shared.CheckFileNo, 7);
    EXPECT_TRUE(Shared.QuestionState.isEmpty());
    EXPECT_FALSE(Board().cmdStart->isEnabled());
}

TEST_F(SolveMode, StartDuringABatchStartsNoSecondRunAndOneStopEndsIt)
{
    WriteBatch();
    WriteClues(QStringLiteral("nono007.dat"), {"1", "1", "1", "1"}, {"1", "1", "1", "1"});
    frmNono& b = Board();
    bool startPressed = false;
    bool startWasHidden = false;
    int stops = 0;
    auto* timer = new QTimer(&b);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, timer, [&] {
        if (!Shared.QuestionPath.endsWith(QLatin1String("nono007.dat")))
            return;
        if (!startPressed) {
            startPressed = true;
            startWasHidden = b.cmdStart->isHidden();
            b.cmdStart_Click();
            // A load attempted under the running solver is refused too.
            const QString path = Shared.QuestionPath;
            Shared.QuestionPath = questions.File(QStringLiteral("nono005.dat"));
            EXPECT_FALSE(b.LoadQuestion());
            Shared.QuestionPath = path;
        } else if (b.StopRequest.isEmpty() && stops < 3) {
            // Pressed again only when no stop is pending any more: a run
            // that goes on after its Stop was nested in another.
            ++stops;
            b.MenuStop_Click();
        }
    });
    timer->start();
    b.cmdStart_Click();
    timer->stop();

    EXPECT_TRUE(startPressed);
    EXPECT_TRUE(startWasHidden);
    EXPECT_EQ(stops, 1) << "a second run was started inside the first";
    EXPECT_FALSE(b.SolverRunning());
    EXPECT_EQ(Shared.CheckFileNo, 7);

    // No solver is left to mark the next question.
    Shared.SolveMode = QStringLiteral("Man");
    ASSERT_TRUE(Load(questions.File(QStringLiteral("nono005.dat"))));
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    for (int r = 0; r <= 5; ++r)
        for (int c = 0; c <= 5; ++c)
            EXPECT_EQ(b.model.Board[r][c], 0) << r << "," << c;
}

TEST_F(SolveMode, UnreadableBatchFileEndsTheBatchWithAMessageNamingIt)
{
    WriteBatch(QStringLiteral("only a title"));
    platform.clock.now = 10 * 3600;
    EndMessage seen;
    ExpectEndMessage(seen);
    Board().cmdStart_Click();
    ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(platform.dialogs.Boxes()[0].title, QStringLiteral("ファイル読込"));
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.message, QStringLiteral("エラー! 読めません"));
    EXPECT_EQ(seen.fileNo, QStringLiteral("nono008.dat"));
    EXPECT_EQ(seen.started, QStringLiteral("10:00:00"));
    EXPECT_FALSE(seen.ended.isEmpty());
    EXPECT_EQ(Shared.CheckFileNo, 8);
    // The stale picture is not left as a question to play.
    EXPECT_TRUE(Shared.QuestionState.isEmpty());
    EXPECT_FALSE(Board().cmdStart->isEnabled());
}

} // namespace

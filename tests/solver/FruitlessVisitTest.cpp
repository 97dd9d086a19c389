// Skipping the rules on visits that cannot decide a cell must change
// nothing: the solver with the skip and the plain solver, which runs every
// rule on every visit, make the same marks by the same rules in the same
// order, end with the same board, completion markers, cycles and verdict.
// Puzzles drawn by people (the corpus beside the project, when present) are
// where most visits decide nothing; random pictures cover the sizes.
#include "board/QuestionFile.h"
#include "solver/AutoSolve.h"
#include "support/SolverTestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

#include <sstream>

namespace velin::testing {
namespace {

// One mark as the observer sees it, with the rule that made it.
struct MarkSeen {
    int row;
    int column;
    int code;
    std::string rule;
    bool operator==(const MarkSeen&) const = default;
};

class MarkLog : public MarkObserver {
public:
    void BeforeMark(const LineSolver& solver, int position, int16_t code) override
    {
        marks.push_back({solver.RowOf(position), solver.ColumnOf(position), code, solver.RuleName()});
    }
    std::vector<MarkSeen> marks;
};

// Stops a run after two cycles in a row that decided nothing, so a puzzle
// that needs guessing still cycles once more on lines already judged, as in
// the game while the player waits; counts the host calls a person would see.
class StallingHost : public HeadlessHost {
public:
    void ShowPlayTime() override { ++timeShown; }
    void CycleFinished(int cellsDecided) override
    {
        idleCycles = cellsDecided == 0 ? idleCycles + 1 : 0;
        if (idleCycles == 2)
            RequestStop();
    }
    int timeShown = 0;
    int idleCycles = 0;
};

struct Run {
    BoardModel model;
    SolveOutcome outcome;
    std::vector<MarkSeen> marks;
    int timeShown = 0;
};

Run Solve(const BoardModel& start, int rows, int columns, bool skip)
{
    Run run;
    run.model = start;
    StallingHost host;
    MarkLog log;
    SolveOptions options;
    options.observer = &log;
    options.skipFruitlessVisits = skip;
    run.outcome = AutoSolve(run.model, rows, columns, host, options);
    run.marks = std::move(log.marks);
    run.timeShown = host.timeShown;
    return run;
}

std::string Describe(const MarkSeen& mark)
{
    std::ostringstream text;
    text << "(" << mark.row << "," << mark.column << ")=" << mark.code << " by " << mark.rule;
    return text.str();
}

// Returns the number of groups the skipping run left out.
int ExpectSameRun(const BoardModel& start, int rows, int columns, const std::string& name)
{
    const Run plain = Solve(start, rows, columns, false);
    const Run fast = Solve(start, rows, columns, true);
    EXPECT_EQ(plain.outcome.visitsSkipped, 0) << name;
    EXPECT_EQ(fast.outcome.cycles, plain.outcome.cycles) << name;
    EXPECT_EQ(fast.outcome.stopped, plain.outcome.stopped) << name;
    EXPECT_EQ(fast.outcome.cellsDecided, plain.outcome.cellsDecided) << name;
    EXPECT_EQ(fast.outcome.lineVisits, plain.outcome.lineVisits) << name;
    EXPECT_EQ(fast.timeShown, plain.timeShown) << name;
    EXPECT_TRUE(fast.model.Board == plain.model.Board) << name;
    EXPECT_TRUE(fast.model.RowRuns == plain.model.RowRuns) << name << ": row completion markers";
    EXPECT_TRUE(fast.model.ColumnRuns == plain.model.ColumnRuns) << name << ": column completion markers";
    EXPECT_EQ(fast.marks.size(), plain.marks.size()) << name;
    const size_t common = std::min(fast.marks.size(), plain.marks.size());
    for (size_t i = 0; i < common; ++i) {
        if (!(fast.marks[i] == plain.marks[i])) {
            ADD_FAILURE() << name << ": mark " << i << " is " << Describe(fast.marks[i]) << ", plainly "
                          << Describe(plain.marks[i]);
            break;
        }
    }
    return fast.outcome.visitsSkipped;
}

// The skip replays only the first two stretches (f1, f2) of the positions
// the scans remember: scans 7 and 9 may read those from a scan on an earlier
// line. For the others (S, fs, P, X, ...) it relies on a visit setting each
// before its reading matters. The plain solver is run here with those
// scrambled before every visit; a rule that read one left by an earlier
// visit would mark otherwise.
void Scramble(LineSolver& solver, std::mt19937& random)
{
    std::uniform_int_distribution<int> any(0, solver.PassLength() + 1);
    for (int* position :
         {&solver.S, &solver.fs, &solver.nf, &solver.fe, &solver.f3s, &solver.f3e, &solver.f4s, &solver.f4e, &solver.X})
        *position = any(random);
    for (LineSolver::Remembered* pair : {&solver.P, &solver.Q, &solver.G, &solver.H, &solver.R})
        *pair = {any(random), any(random), any(random)};
}

// The driver's passes and cycles, plain, until two cycles decide nothing.
std::vector<MarkSeen> VisitLines(const BoardModel& start, int rows, int columns, std::mt19937* scramble)
{
    BoardModel model = start;
    HeadlessHost host;
    LineSolver solver(model, rows, columns, host);
    solver.SetSkipFruitlessVisits(false);
    MarkLog log;
    solver.SetObserver(&log);
    for (int idle = 0; idle < 2 && !AllLinesComplete(model, rows, columns);) {
        const int before = solver.CellsDecided();
        for (int pass : {LineSolver::kRowsPass, LineSolver::kColumnsPass}) {
            solver.BeginPass(pass);
            for (int line = 1; line <= solver.PassLines(); ++line) {
                if (solver.LineMarkedComplete(line))
                    continue;
                if (scramble)
                    Scramble(solver, *scramble);
                solver.RunLineRules(line);
                solver.FinishLine();
            }
        }
        idle = solver.CellsDecided() == before ? idle + 1 : 0;
    }
    return log.marks;
}

void ExpectNoCarriedPositionRead(const BoardModel& start, int rows, int columns, const std::string& name,
                                 std::mt19937& random)
{
    const std::vector<MarkSeen> plain = VisitLines(start, rows, columns, nullptr);
    const std::vector<MarkSeen> scrambled = VisitLines(start, rows, columns, &random);
    EXPECT_EQ(scrambled.size(), plain.size()) << name;
    for (size_t i = 0; i < std::min(plain.size(), scrambled.size()); ++i) {
        if (!(scrambled[i] == plain[i])) {
            ADD_FAILURE() << name << ": mark " << i << " is " << Describe(scrambled[i]) << ", unscrambled "
                          << Describe(plain[i]);
            break;
        }
    }
}

TEST(FruitlessVisits, RandomPicturesMarkAsThePlainSolver)
{
    std::mt19937 random(1210);
    int skipped = 0;
    for (int n = 0; n < 36; ++n) {
        // Small, middling and full-size boards, square and not.
        const int high = n < 12 ? 15 : n < 24 ? 35 : 60;
        const Picture picture = RandomPicture(random, high / 3, high, high / 3, high);
        const auto board = picture.MakeBoard();
        const std::string name = "picture " + std::to_string(n) + " (" + std::to_string(picture.rows) + " x " +
                                 std::to_string(picture.columns) + ")";
        skipped += ExpectSameRun(*board, picture.rows, picture.columns, name);
        ExpectNoCarriedPositionRead(*board, picture.rows, picture.columns, name, random);
    }
    EXPECT_GT(skipped, 0) << "no visit was skipped: the comparison proves nothing";
}

TEST(FruitlessVisits, PuzzlesDrawnByPeopleMarkAsThePlainSolver)
{
    const QDir corpus(QStringLiteral(VELIN_CORPUS_DIR));
    const QStringList files = corpus.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        GTEST_SKIP() << "no corpus at " << VELIN_CORPUS_DIR;
    std::mt19937 random(31);
    int skipped = 0;
    for (const QString& name : files) {
        const auto question = QuestionFile::Read(corpus.filePath(name));
        BoardModel model;
        ASSERT_TRUE(question && QuestionFile::ParseClues(*question, model)) << name.toStdString();
        skipped += ExpectSameRun(model, question->RowCount, question->ColumnCount, name.toStdString());
        ExpectNoCarriedPositionRead(model, question->RowCount, question->ColumnCount, name.toStdString(), random);
    }
    EXPECT_GT(skipped, 0);
}

} // namespace
} // namespace velin::testing

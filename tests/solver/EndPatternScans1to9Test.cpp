// Scans 1 to 9 of the end pattern rules: each scan family on shapes it must
// recognise, forward and mirrored; the lines on which a rule as first written
// decided a cell that is not forced (each kept as a case); and the soundness
// property over many random lines dense in the shapes these scans look for.
#include "support/CompleteLineSolver.h"
#include "support/SolverTestSupport.h"

#include "app/Shared.h"
#include "solver/HeadlessHost.h"
#include "solver/LineSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace velin::testing {
namespace {

uint64_t Only(RuleFamily family)
{
    return LineSolver::FamilyBit(RuleFamily::General) | LineSolver::FamilyBit(family);
}

// The general rules and the given families.
uint64_t With(const std::vector<RuleFamily>& families)
{
    uint64_t mask = LineSolver::FamilyBit(RuleFamily::General);
    for (RuleFamily family : families)
        mask |= LineSolver::FamilyBit(family);
    return mask;
}

uint64_t ScansOneToNine()
{
    uint64_t mask = LineSolver::FamilyBit(RuleFamily::General);
    for (int f = static_cast<int>(RuleFamily::Scan1); f <= static_cast<int>(RuleFamily::Scan9); ++f)
        mask |= LineSolver::FamilyBit(static_cast<RuleFamily>(f));
    return mask;
}

std::string Reversed(std::string text)
{
    std::reverse(text.begin(), text.end());
    return text;
}

std::vector<int> Reversed(std::vector<int> values)
{
    std::reverse(values.begin(), values.end());
    return values;
}

// ---- Checking every mark against the complete line solver ------------------

std::vector<int> LineCells(const LineSolver& solver)
{
    std::vector<int> cells;
    for (int p = 1; p <= solver.LineLength(); ++p)
        cells.push_back(solver.Cell(p));
    return cells;
}

std::vector<int> LineCluesOf(const LineSolver& solver)
{
    std::vector<int> clues;
    for (int k = 1; k <= solver.ClueCount(); ++k)
        clues.push_back(solver.Clue(k));
    return clues;
}

// Holds each mark of a line against the cells forced when the line started,
// and keeps the first mark per line that is not forced.
class ForcedMarks : public MarkObserver {
public:
    void Arm(const LineSolver& solver)
    {
        start_ = LineCells(solver);
        clues_ = LineCluesOf(solver);
        verdict_ = SolveLineCompletely(start_, clues_);
        failedThisLine_ = false;
    }

    void BeforeMark(const LineSolver& solver, int position, int16_t code) override
    {
        ++marks;
        rules.push_back(solver.RuleName());
        if (!verdict_.consistent || failedThisLine_ || verdict_.forced[position - 1] == code)
            return;
        failedThisLine_ = true;
        std::ostringstream text;
        text << solver.RuleName() << " made " << position << (code == kFilled ? " filled" : " blank") << "; clues "
             << ClueText(clues_) << ", line " << LineText(start_) << ", before the mark " << LineText(LineCells(solver))
             << ", forced " << LineText(verdict_.forced) << ", pass " << (solver.Step > 0 ? "forward" : "backward");
        violations.push_back(text.str());
    }

    int marks = 0;
    std::vector<std::string> rules;
    std::vector<std::string> violations;

private:
    std::vector<int> start_;
    std::vector<int> clues_;
    LineVerdict verdict_;
    bool failedThisLine_ = false;
};

// ---- One scan, or the pipeline, on one line ----------------------------------

using Scan = void (LineSolver::*)();

// Positions an earlier scan (of this line or an earlier one) left in the
// solver's members; 0 leaves the member as it is.
struct Leftovers {
    int fs = 0;
    int fe = 0;

    void ApplyTo(LineSolver& solver) const
    {
        if (fs)
            solver.fs = fs;
        if (fe)
            solver.fe = fe;
    }
};

struct Outcome {
    std::string cells;
    std::vector<std::string> rules;
    std::vector<std::string> unforced;

    bool Marked(const std::string& rule) const { return std::find(rules.begin(), rules.end(), rule) != rules.end(); }
};

// The scan alone in one pass, after the end sweep and the clue statistics
// that the line's rules compute first.
Outcome RunScan(Scan scan, const std::vector<int>& clues, const std::string& cells, int direction,
                const Leftovers& leftovers = {})
{
    OneLine one(cells, clues);
    LineSolver& solver = one.Begin();
    ForcedMarks marks;
    marks.Arm(solver);
    solver.SetObserver(&marks);
    solver.SweepEnds();
    solver.FindClueExtremes();
    solver.FindSecondLargest();
    leftovers.ApplyTo(solver);
    solver.SetUpPass(direction);
    (solver.*scan)();
    return {one.Text(), marks.rules, marks.violations};
}

// The line's whole pipeline with the given rule families.
Outcome RunPipeline(uint64_t families, const std::vector<int>& clues, const std::string& cells,
                    const Leftovers& leftovers = {})
{
    OneLine one(cells, clues);
    one.solver.SetEnabledFamilies(families);
    ForcedMarks marks;
    one.solver.SetObserver(&marks);
    one.solver.BeginPass(LineSolver::kRowsPass);
    one.solver.BeginLine(1);
    marks.Arm(one.solver);
    leftovers.ApplyTo(one.solver);
    one.solver.RunLineRules(1);
    one.solver.FinishLine();
    return {one.Text(), marks.rules, marks.violations};
}

std::string Join(const std::vector<std::string>& texts)
{
    std::string all;
    for (const std::string& text : texts)
        all += text + "\n";
    return all;
}

// ---- Each family on a shape of its own, forward and mirrored --------------------

struct ShapeCase {
    const char* rule;
    Scan scan;
    std::vector<int> clues;
    const char* cells;
    const char* after; // after the scan's forward pass
};

// Every distance is taken in the pass direction, so the reversed line with
// the reversed clues gives, in the backward pass, the reversed marks.
TEST(EndPatternScans, EachFamilyMarksItsShapeAndTheMirroredShapeBackward)
{
    using L = LineSolver;
    const ShapeCase cases[] = {
        {"scan1.A", &L::Scan1, {2, 2, 1}, "??.#?.?", "??.##.?"},
        {"scan1.E", &L::Scan1, {5, 1, 1}, "?.#??##???.?", "?.#####???.?"},
        {"scan1.F", &L::Scan1, {1, 2, 1}, ".?????#?#.?", ".?????#.#.."},
        {"scan2.A", &L::Scan2, {3, 2, 1}, "?#?#?##??", "?###.##.?"},
        {"scan2.D", &L::Scan2, {3, 1, 3, 2}, "????????##??##?", "????????##?.##."},
        {"scan2.E", &L::Scan2, {1, 2, 3}, "?#?#?????", ".#.#?????"},
        {"scan3", &L::Scan3, {2, 1, 1}, "??.#.?", "##.#.?"},
        {"scan4", &L::Scan4, {2, 2, 1, 1}, "?#?.???.???", "?#?.?#?.???"},
        {"scan5", &L::Scan5, {1, 2, 1}, "?..##.#?", "?..##.#."},
        {"scan6.A", &L::Scan6, {2, 1, 3, 2, 1}, "????.###.##.?", "?#??.###.##.?"},
        {"scan6.E", &L::Scan6, {1, 3, 1, 4, 1}, "??###??.####.??", "#.###.#.####.??"},
        {"scan6.G", &L::Scan6, {2, 1, 2, 1, 1}, "??#?#?##???.?", "??#.#.##???.?"},
        {"scan7.a", &L::Scan7, {2, 3, 1}, "?#?###??", "##?###??"},
        {"scan7.F", &L::Scan7, {4, 2, 3}, ".?#?#?#?.?#?", ".?###?#?.?#?"},
        {"scan7.K", &L::Scan7, {1, 2, 1, 1, 1}, "?.#.??.#.#.?", "?.#.##.#.#.?"},
        {"scan7.L", &L::Scan7, {1, 1, 2, 1, 2}, "..?..?.##.?.##.?", "..?..?.##.#.##.?"},
        {"scan8.D", &L::Scan8, {1, 1, 1, 1}, "?#?#.?#.?", "?#.#.?#.?"},
        {"scan8.E", &L::Scan8, {2, 3, 1}, "??.##???.?", "??.###??.?"},
        {"scan8.F", &L::Scan8, {3, 1, 1}, "?##.#.#??", "?##.#.#.?"},
        {"scan9.B", &L::Scan9, {1, 1, 2}, "???#?##?", "???#.##?"},
        {"scan9.H", &L::Scan9, {1, 1, 1, 1}, "?.?.#?#?", "?.?.#.#."},
        {"scan9.I", &L::Scan9, {1, 1, 3, 1}, "?#.#.??##.?", "?#.#..###.?"},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(std::string(c.rule) + " on " + c.cells);
        const Outcome forward = RunScan(c.scan, c.clues, c.cells, +1);
        EXPECT_EQ(forward.cells, c.after);
        EXPECT_TRUE(forward.Marked(c.rule));
        EXPECT_TRUE(forward.unforced.empty()) << Join(forward.unforced);

        const Outcome backward = RunScan(c.scan, Reversed(c.clues), Reversed(std::string(c.cells)), -1);
        EXPECT_EQ(backward.cells, Reversed(std::string(c.after)));
        EXPECT_TRUE(backward.Marked(c.rule));
        EXPECT_EQ(backward.rules.size(), forward.rules.size());
    }
}

// ---- Lines on which a rule as first written marked an unforced cell -------------

struct MendCase {
    const char* rule;
    // The rule's family, and any whose marks set the stage for it.
    std::vector<RuleFamily> families;
    Scan scan;
    std::vector<int> clues;
    const char* cells;
    // 0: the line's whole pipeline with the general rules and the families;
    // +1 / -1: the scan alone in that pass.
    int run;
    int position;
    char wrongMark; // '#' filled or '.' blank
    Leftovers leftovers;
};

// Each line made the named rule decide `position` as `wrongMark` although
// another placement of the clues leaves it open. The rule carries the extra
// condition that keeps it off that cell; every mark made must be forced.
TEST(EndPatternScans, MendedRulesLeaveCellsThatAreNotForced)
{
    using L = LineSolver;
    using RF = RuleFamily;
    const MendCase cases[] = {
        // The second stretch can still be c1's when P .. Q spans exactly c1.
        {"scan2.C", {RF::Scan2}, &L::Scan2, {5, 5, 5, 5, 1}, "?.##??#?##?##?#?#??.###?#.#", 0, 18, '.', {}},
        // The third stretch can share c3's run with the fourth.
        {"scan2.C", {RF::Scan2}, &L::Scan2, {2, 6, 6, 2, 1}, "?#??????#??#??#??#???", 0, 17, '#', {}},
        // The two stretches can be one run of the largest clue ...
        {"scan2.D", {RF::Scan2}, &L::Scan2, {5, 1, 5, 2}, ".??????..????##?##?#?", 0, 16, '.', {}},
        // ... or c4's run and the start of a largest one after it.
        {"scan2.D", {RF::Scan2}, &L::Scan2, {3, 1, 3, 2, 3, 1}, "???????????##??##????#??", 0, 15, '.', {}},
        // Two cells from E the first stretch can be the 2 after a 1 at E.
        {"scan2.E", {RF::Scan2}, &L::Scan2, {4, 2, 1}, "?????#??#??", 0, 11, '.', {}},
        // A middle segment of exactly c2 cells can hold c2.
        {"scan4", {RF::Scan4}, &L::Scan4, {2, 2, 2, 2}, "??.??.??.??.??.??#?", 0, 14, '#', {}},
        {"scan4", {RF::Scan4}, &L::Scan4, {4, 2, 2, 4}, "???????.??..?.??.?#????", 0, 16, '#', {}},
        // fs and fe left by an earlier scan made "??" look like a closed run.
        {"scan5", {RF::Scan5}, &L::Scan5, {1, 2, 1}, "?.??..#??.??", 0, 8, '.', {3, 5}},
        // At F an undecided last cell ends the stretch without closing it.
        {"scan6.B", {RF::Scan6}, &L::Scan6, {2, 2, 2, 1, 2, 2, 1, 2}, "##.##.##.??#?.#?.#.##?", 0, 10, '.', {}},
        {"scan6.B", {RF::Scan6}, &L::Scan6, {5, 2, 2, 1}, "?..#####.?#..#???", 0, 17, '.', {}},
        // A stale fs matched the second segment's start.
        {"scan6.B", {RF::Scan6}, &L::Scan6, {1, 3, 4}, "?..?.###.###?.", 0, 1, '.', {4, 5}},
        // c1 can cover the first stretch, with c2 before the second.
        {"scan6.C", {RF::Scan6}, &L::Scan6, {4, 1, 3, 1, 3}, ".?????#????##?.????????", 0, 2, '#', {}},
        // c3 fits in the second segment before the largest run.
        {"scan6.E", {RF::Scan6}, &L::Scan6, {1, 2, 1, 3, 1}, "????##.????###?.#?..", 0, 8, '#', {}},
        {"scan6.E", {RF::Scan6}, &L::Scan6, {1, 2, 1, 7, 1, 4}, "..??##.???#######.?.#??#", 0, 8, '#', {}},
        // The middle stretch can share c3's run with the third ...
        {"scan6.G", {RF::Scan6}, &L::Scan6, {5, 1, 6, 1, 1}, "??##?????#??###?????", 0, 11, '.', {}},
        // ... or be c3 while the third is c5.
        {"scan6.G", {RF::Scan2, RF::Scan6}, &L::Scan6, {2, 1, 4, 1, 4}, "???##???#?????????#??", 0, 10, '.', {}},
        // The third stretch, a 1, can end c2's run.
        {"scan6.J", {RF::Scan6}, &L::Scan6, {1, 6, 1, 1}, "????????##?#?#???#?", 0, 13, '.', {}},
        // The first stretch of the second segment can be c1's or a longer c2.
        {"scan7.A", {RF::Scan7}, &L::Scan7, {4, 1, 4, 3}, "?.#??#.??????#???##", 0, 4, '.', {}},
        {"scan7.A",
         {RF::Scan7},
         &L::Scan7,
         {3, 2, 1, 2, 2, 1, 1, 2, 3, 1},
         "..???.#??#.##???.?.??##.???.#",
         0,
         8,
         '.',
         {}},
        // A first segment of exactly c1 + c2 + c3 + 2 cells holds c3 too.
        {"scan7.E", {RF::Scan7}, &L::Scan7, {4, 3, 1, 1, 1}, "???#??#.????????#", 0, 6, '.', {}},
        // Stretches 2 and 3 can be c2's run.
        {"scan7.F", {RF::Scan7}, &L::Scan7, {5, 5, 4, 5, 3}, "#####.?##?#.##?#?##???.###", 0, 17, '#', {}},
        // Another segment of c2's length can hold c2.
        {"scan7.K", {RF::Scan7}, &L::Scan7, {2, 2, 2, 3, 2}, "..?#??..##..#??..???...???", 0, 15, '#', {}},
        {"scan7.K", {RF::Scan7}, &L::Scan7, {3, 1, 1, 1, 1, 3, 1}, "..?##..?..??.?.#.???.?##...?", 0, 20, '#', {}},
        // The two largest clues are neighbours ...
        {"scan7.L", {RF::Scan7}, &L::Scan7, {1, 3, 3, 1, 3, 1}, ".?.?..?##.?.###.?..###.#..", 0, 11, '#', {}},
        // ... or the long stretch lay in an earlier segment.
        {"scan7.L", {RF::Scan7}, &L::Scan7, {2, 1, 2, 2, 2, 1}, "?..##.??.?.##??.?#.##..#..", 0, 7, '#', {}},
        // fs and fe left by an earlier scan, on a line without a filled cell.
        {"scan7.I", {RF::Scan7}, &L::Scan7, {1, 4, 1, 1}, "?????.?????.?.?.?.??", 0, 11, '#', {13, 11}},
        // c2 can start after f1e + c1 - 1, so the gap before fs is open.
        {"scan7.d", {RF::Scan7}, &L::Scan7, {7, 7, 6}, "?#??##?????#?#?#???????#?", 0, 17, '#', {}},
        // E .. b holds c1 .. c4 exactly, so the second stretch can be c4.
        {"scan8.A", {RF::Scan8}, &L::Scan8, {1, 3, 2, 1, 2, 1, 3}, "??????##?#.?#.??#?#", 0, 9, '#', {}},
        // The first segment's two stretches can both be c1's.
        {"scan8.D", {RF::Scan8}, &L::Scan8, {3, 1, 1, 4}, "???#?#?.?#???.??.?.???#.???", 0, 5, '.', {}},
        {"scan8.D", {RF::Scan8}, &L::Scan8, {7, 5, 7, 5}, ".?#?????#??.##??#.??#?#??????????", 0, 4, '.', {}},
        // S .. F has room for every clue (one cell more than dist(S, F)).
        {"scan8.E", {RF::Scan8}, &L::Scan8, {7, 8, 1}, ".?.##?#?##??#??###?.?", 0, 11, '#', {}},
        {"scan8.E", {RF::Scan6, RF::Scan7, RF::Scan8}, &L::Scan8, {1, 5, 3}, "...?.????#????", 0, 11, '#', {}},
        // The first segment can hold more clues than c1.
        {"scan8.F", {RF::Scan8}, &L::Scan8, {1, 1, 2, 2, 1, 1, 1}, "??????????##.#.#??", 0, 17, '#', {}},
        // c2 may start at f1s, so c1 may end at f1s - 2.
        {"scan9.B", {RF::Scan7, RF::Scan9}, &L::Scan9, {4, 4, 5, 4, 4}, "..??????#????#??##.####???#??", 0, 3, '#', {}},
        // With an empty first segment c1 can cover both stretches.
        {"scan9.D", {RF::Scan9}, &L::Scan9, {4, 1, 1, 3}, ".?##?????.#?#..???", 0, 12, '.', {}},
        // A stale fs and fe made a closed run of c1.
        {"scan9.F", {RF::Scan9}, &L::Scan9, {1, 1, 1}, "?.??.??", 0, 3, '.', {4, 3}},
        // A first segment of 3 c1 + 2 cells holds c1 .. c3; then c4 = 2.
        {"scan9.F", {RF::Scan9}, &L::Scan9, {1, 2, 1, 1, 1, 2, 2, 2, 2, 1}, "#.#????#?#.#???#.?#.#??#", 0, 13, '.', {}},
        // A stale fs made the second segment a closed run.
        {"scan9.G",
         {RF::Scan9},
         &L::Scan9,
         {4, 3, 1, 4, 3, 1, 1},
         "??.#??#.?##?.?.?#?#..###..#...??.?..",
         -1,
         34,
         '.',
         {32, 30}},
        // The first two segments need not hold c1 and c2.
        {"scan9.I", {RF::Scan9}, &L::Scan9, {2, 1, 1, 2, 1, 1}, "?#..#..#....##??.#?.?", 0, 16, '.', {}},
        {"scan9.I",
         {RF::Scan9},
         &L::Scan9,
         {1, 1, 2, 1, 2, 1, 2, 2, 2, 2},
         "?.?.??##.#.##.?.##.##?#?.??",
         0,
         5,
         '.',
         {}},
    };
    for (const MendCase& c : cases) {
        SCOPED_TRACE(std::string(c.rule) + " on " + ClueText(c.clues) + " / " + c.cells);
        const Outcome outcome = c.run == 0 ? RunPipeline(With(c.families), c.clues, c.cells, c.leftovers)
                                           : RunScan(c.scan, c.clues, c.cells, c.run, c.leftovers);
        EXPECT_TRUE(outcome.unforced.empty()) << Join(outcome.unforced);
        ASSERT_EQ(outcome.cells.size(), std::string(c.cells).size());
        EXPECT_NE(outcome.cells[c.position - 1], c.wrongMark) << outcome.cells;
    }
}

// Random lines rich in what scans 1 to 9 look for: few distinct run lengths
// (so equal clues, ones and a unique largest clue are common), short gaps,
// and a random share of the cells decided, sometimes only filled ones.
std::vector<int> RandomSolutionLine(std::mt19937& random, int length)
{
    std::uniform_int_distribution<int> maxRunPick(1, 8);
    const int maxRun = maxRunPick(random);
    const int kinds = std::uniform_int_distribution<int>(1, 3)(random);
    std::vector<int> lengths;
    for (int i = 0; i < kinds; ++i)
        lengths.push_back(std::uniform_int_distribution<int>(1, maxRun)(random));
    const int maxGap = std::uniform_int_distribution<int>(1, 4)(random);
    std::vector<int> line(length, kBlank);
    int p = std::uniform_int_distribution<int>(0, 3)(random);
    while (p < length) {
        const int run = lengths[std::uniform_int_distribution<int>(0, kinds - 1)(random)];
        for (int i = 0; i < run && p < length; ++i, ++p)
            line[p] = kFilled;
        p += std::uniform_int_distribution<int>(1, maxGap)(random);
    }
    return line;
}

struct PropertyReport {
    int lines = 0;
    int marks = 0;
    std::vector<std::string> violations;
};

// Boards of 60 independent rows; only the rows pass runs, twice, so that the
// positions the scans remember carry over from line to line and pass to pass
// as they do in the game.
PropertyReport CheckScansOnRandomLines(uint64_t families, uint32_t seed, int boards)
{
    PropertyReport report;
    std::mt19937 random(seed);
    for (int board = 0; board < boards && report.violations.size() < 5; ++board) {
        const int length = std::uniform_int_distribution<int>(4, board % 4 == 0 ? 60 : 30)(random);
        auto model = std::make_unique<BoardModel>();
        for (int row = 1; row <= kMaxLine; ++row) {
            const std::vector<int> solution = RandomSolutionLine(random, length);
            PutClues(model->RowRuns, row, RunsOf(solution));
            const double share = std::uniform_real_distribution<double>(0.0, 0.8)(random);
            const bool filledOnly = std::bernoulli_distribution(0.3)(random);
            std::bernoulli_distribution decide(share);
            for (int p = 1; p <= length; ++p)
                if (decide(random) && (!filledOnly || solution[p - 1] == kFilled))
                    model->Board[row][p] = static_cast<int16_t>(solution[p - 1]);
        }
        HeadlessHost host;
        LineSolver solver(*model, kMaxLine, length, host);
        ForcedMarks observer;
        solver.SetObserver(&observer);
        solver.SetEnabledFamilies(families);
        for (int cycle = 0; cycle < 2; ++cycle) {
            solver.BeginPass(LineSolver::kRowsPass);
            for (int row = 1; row <= kMaxLine; ++row) {
                if (solver.LineMarkedComplete(row))
                    continue;
                solver.BeginLine(row);
                observer.Arm(solver);
                solver.RunLineRules(row);
                solver.FinishLine();
                ++report.lines;
            }
        }
        report.marks += observer.marks;
        for (const std::string& violation : observer.violations)
            report.violations.push_back("seed " + std::to_string(seed) + " board " + std::to_string(board) + ": " +
                                        violation);
    }
    return report;
}

// For a long search away from the everyday run: VELIN_DEEP_SOUNDNESS=n
// multiplies the number of random boards, VELIN_SOUNDNESS_SEED=s moves the
// seeds.
int Boards(int everyday)
{
    const char* deep = std::getenv("VELIN_DEEP_SOUNDNESS");
    const int factor = deep ? std::max(1, std::atoi(deep)) : 1;
    return everyday * factor;
}

uint32_t Seed(uint32_t everyday)
{
    const char* offset = std::getenv("VELIN_SOUNDNESS_SEED");
    return everyday + (offset ? static_cast<uint32_t>(std::atoi(offset)) : 0u);
}

struct FamilyCase {
    const char* name;
    uint64_t families;
};

class ScanSoundness : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(ScanSoundness, DecidesOnlyForcedCellsOnDenseRandomLines)
{
    const FamilyCase& param = GetParam();
    const PropertyReport report =
        CheckScansOnRandomLines(param.families, Seed(7000 + param.families % 9973), Boards(120));
    EXPECT_TRUE(report.violations.empty()) << Join(report.violations);
    EXPECT_GT(report.lines, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Families, ScanSoundness,
    ::testing::Values(FamilyCase{"scan1", Only(RuleFamily::Scan1)}, FamilyCase{"scan2", Only(RuleFamily::Scan2)},
                      FamilyCase{"scan3", Only(RuleFamily::Scan3)}, FamilyCase{"scan4", Only(RuleFamily::Scan4)},
                      FamilyCase{"scan5", Only(RuleFamily::Scan5)}, FamilyCase{"scan6", Only(RuleFamily::Scan6)},
                      FamilyCase{"scan7", Only(RuleFamily::Scan7)}, FamilyCase{"scan8", Only(RuleFamily::Scan8)},
                      FamilyCase{"scan9", Only(RuleFamily::Scan9)}, FamilyCase{"scans1to9", ScansOneToNine()}),
    [](const ::testing::TestParamInfo<FamilyCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace velin::testing

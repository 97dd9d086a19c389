// The second and third rule groups: one shape per rule, forward and mirrored,
// each rule on its own over many random lines, the complete deduction (3i)
// against the complete line solver of the tests, the groups in the line
// pipeline, and whole puzzles that line logic can finish.
#include "support/CompleteLineSolver.h"
#include "support/SolverTestSupport.h"
#include "support/SoundnessHarness.h"

#include "app/Shared.h"
#include "solver/AutoSolve.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>

namespace velin::testing {

// From EndPatternScans10to21Test.cpp (the same test program).
using Rule = void (LineSolver::*)();
std::string RunInPass(const std::string& cells, const std::vector<int>& clues, Rule rule, int direction);
std::string Reversed(std::string text);
std::vector<int> Reversed(std::vector<int> clues);
std::vector<std::string> RuleViolations(RuleFamily family, Rule rule, uint32_t seed, int lines, int minOpen,
                                        int maxLength, bool (*gate)(LineSolver&), int& marks);
int Scaled(int lines);
std::string Joined(const std::vector<std::string>& texts);

namespace {

uint64_t LaterFamilies(bool withComplete)
{
    uint64_t families = LineSolver::FamilyBit(RuleFamily::General);
    for (int f = static_cast<int>(RuleFamily::Rule2a); f < static_cast<int>(RuleFamily::Count); ++f)
        if (withComplete || f != static_cast<int>(RuleFamily::Rule3i))
            families |= LineSolver::FamilyBit(static_cast<RuleFamily>(f));
    return families;
}

uint64_t MyFamilies(bool withComplete)
{
    uint64_t families = LaterFamilies(withComplete);
    for (int f = static_cast<int>(RuleFamily::Scan10); f <= static_cast<int>(RuleFamily::Scan21); ++f)
        families |= LineSolver::FamilyBit(static_cast<RuleFamily>(f));
    return families;
}

// ---- One shape per rule, forward and mirrored ----------------------------

struct RuleCase {
    const char* name;
    Rule rule;
    std::vector<int> clues;
    const char* before;
    const char* after; // after the forward pass
};

void PrintTo(const RuleCase& c, std::ostream* os)
{
    *os << c.name;
}

class RuleShapes : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RuleShapes, ForwardMarksTheShapeAndBackwardMirrorsIt)
{
    const RuleCase& c = GetParam();
    EXPECT_EQ(RunInPass(c.before, c.clues, c.rule, +1), c.after);
    EXPECT_EQ(RunInPass(Reversed(std::string(c.before)), Reversed(c.clues), c.rule, -1),
              Reversed(std::string(c.after)));
}

const RuleCase kRuleCases[] = {
    // 2a: the 3 packed against E reaches the stretch at 2, so it is the 3's.
    {"rule2a_first_clue_reaches", &LineSolver::Rule2a, {3, 2}, "?#??????", "?##?????"},
    // 2b: the 3s do not both fit in the segments after the first one.
    {"rule2b_first_segment_holds_c1", &LineSolver::Rule2b, {3, 3}, "????.???.??", "?##?.???.??"},
    // 2c: the segment at F holds what the earlier segments cannot take (the
    // 1 fits before it, the first 3 does not).
    {"rule2c_last_segment", &LineSolver::Rule2c, {1, 3, 3}, "???.????????", "???.?##??##?"},
    // 2d: the stretch of two is the 3's (too long for the 1, too near E for
    // the 2); the 2 lies beyond it.
    {"rule2d_growing_clues", &LineSolver::Rule2d, {1, 3, 2}, "??##????", "??##??#?"},
    // 2e: the first stretch is too long for the 2, which lies before it.
    {"rule2e_c1_before_long_stretch", &LineSolver::Rule2e, {2, 4}, "????####??", "?#??####??"},
    // 2f: each clue takes the first stretch from its starting point; the
    // last clue's run ends within its length.
    {"rule2f_last_clue_bounded", &LineSolver::Rule2f, {3, 2}, "?#?????#????", "?#?????#?..."},
    // The clue-reach scan: near E only the 3 reaches, and a lone cell is too
    // short for it.
    {"clue_reach_short_gap", &LineSolver::ClueReachScan, {3, 2}, "?.??.?????", "..??.?????"},
    // 3a: the segments before the first that can hold the smallest clue.
    {"rule3a_edge_gaps", &LineSolver::Rule3a, {2, 4}, "?.?.??????", "....??????"},
    // 3b: the 4 fits first at 3 and must cover the filled cell at 4.
    {"rule3b_edge_forcing", &LineSolver::Rule3b, {4, 2, 1}, "?.?#??????", "..?###????"},
    // 3c: the 3 covers the first stretch, so it starts at 2 or later.
    {"rule3c_latest_start", &LineSolver::Rule3c, {3, 2}, "??##??????", ".?##??????"},
    // 3c: a first stretch of exactly c1 cells is the whole run.
    {"rule3c_whole_run", &LineSolver::Rule3c, {2, 3}, "?##???????", ".##.??????"},
};

INSTANTIATE_TEST_SUITE_P(LaterGroups, RuleShapes, ::testing::ValuesIn(kRuleCases),
                         [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

// A line on which rule 2a as first written decided a cell that is not
// forced: it filled cell 7 for the 7 at cell 6, then took the stretch at 11-12
// for the 3 (longer than the 1 it skips) although the 7 can still reach it,
// and filled 15 to 19 for a 6. Now it stops at that stretch.
TEST(MendedLaterRules, Rule2aAsksWhetherTheMatchedRunReachesOn)
{
    const std::string before = "?????#????##?#???#??????####?.?.????#??????????#?#??#???.?.?";
    const std::vector<int> clues{7, 1, 3, 6, 6, 6, 1, 1};
    const LineVerdict verdict = SolveLineCompletely(ParseLine(before), clues);
    ASSERT_TRUE(verdict.consistent);
    EXPECT_NE(verdict.forced[15 - 1], 2);
    EXPECT_EQ(RunInPass(before, clues, &LineSolver::Rule2a, +1),
              "?????##???##?#???#??????####?.?.????#??????????#?#??#???.?.?");
}

// The rules that look at the whole window (or at it forward only) give the
// same marks on a line and, mirrored, on its mirror image.
struct WindowCase {
    const char* name;
    Rule rule;
    std::vector<int> clues;
    const char* before;
    const char* after;
    // For a rule that walks forward only and is not symmetric: what it
    // leaves on the mirror image (nullptr: the mirror of `after`).
    const char* mirrorAfter = nullptr;
};

void PrintTo(const WindowCase& c, std::ostream* os)
{
    *os << c.name;
}

class WindowRules : public ::testing::TestWithParam<WindowCase> {};

// Runs `rule` as the third group does, with the open-clue total taken first.
std::string RunWindowRule(const std::string& cells, const std::vector<int>& clues, Rule rule)
{
    OneLine line(cells, clues);
    LineSolver& solver = line.Begin();
    solver.SweepEnds();
    solver.FindClueExtremes();
    solver.FindSecondLargest();
    solver.OpenClueTotal = -1;
    for (int k = solver.FirstOpenClue; k <= solver.LastOpenClue; ++k)
        solver.OpenClueTotal += solver.Clue(k) + 1;
    solver.SetUpPass(+1);
    (solver.*rule)();
    return line.Text();
}

TEST_P(WindowRules, MarkTheLineAndItsMirrorAlike)
{
    const WindowCase& c = GetParam();
    EXPECT_EQ(RunWindowRule(c.before, c.clues, c.rule), c.after);
    EXPECT_EQ(RunWindowRule(Reversed(std::string(c.before)), Reversed(c.clues), c.rule),
              c.mirrorAfter ? std::string(c.mirrorAfter) : Reversed(std::string(c.after)));
}

const WindowCase kWindowCases[] = {
    // A run starts after the blank: at least the smallest clue long.
    {"smallest_clue_after_blank", &LineSolver::SmallestClueScan, {3, 2}, "??.#????", "??.##???"},
    // Two stretches one cell apart would make a run longer than the largest
    // clue: the cell between is blank.
    {"smallest_clue_split_pair", &LineSolver::SmallestClueScan, {2, 2}, "?#?##??", "?#.##??"},
    // The second of the pair is a whole 1, so the stretch before it is the 2
    // ending at the split. Mirrored, the second stretch is not closed by a
    // blank: only the split is marked.
    {"smallest_clue_clue_before", &LineSolver::SmallestClueScan, {2, 1}, "??#?#.?", "?##.#.?", "?.#.#??"},
    // 3e: a stretch as long as the largest clue is a whole run.
    {"rule3e_largest_run", &LineSolver::Rule3e, {1, 3, 1}, "??????###??????", "?????.###.?????"},
    // 3h: the overlap of the clues packed towards each end.
    {"rule3h_overlap", &LineSolver::Rule3h, {4, 2}, "????????", "?###??#?"},
    // 2g: a gap that only the 1 could use, and the 1 cannot reach it.
    {"rule2g_unreachable_gap", &LineSolver::Rule2g, {1, 4, 4}, "?.????.??.????", "?.????....????"},
    // 3i: the 3 takes the last segment, so the 1s take the single cells.
    {"rule3i_complete", &LineSolver::Rule3i, {1, 1, 3}, "?.?.???", "#.#.###"},
    // 3i: the filled cell at 5 can only be the 1 (the last 2 there would
    // leave the 1 no room), so the last 2 takes the end; position 1 stays open.
    {"rule3i_only_forced", &LineSolver::Rule3i, {2, 1, 2}, "?#??#???", "?#?.#.##"},
};

INSTANTIATE_TEST_SUITE_P(LaterGroups, WindowRules, ::testing::ValuesIn(kWindowCases),
                         [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

// ---- Each rule on its own decides only forced cells -----------------------

struct LaterRule {
    RuleFamily family;
    Rule rule;
    // Whether the group runs the rule in this pass (and what it sets first).
    bool (*gate)(LineSolver&);
};

class LaterRuleAlone : public ::testing::TestWithParam<LaterRule> {};

TEST_P(LaterRuleAlone, DecidesOnlyForcedCells)
{
    const LaterRule& r = GetParam();
    int marks = 0;
    const std::vector<std::string> violations =
        RuleViolations(r.family, r.rule, 2000 + static_cast<uint32_t>(r.family), Scaled(12000), 1, 30, r.gate, marks);
    EXPECT_TRUE(violations.empty()) << Joined(violations);
    // 3d, 3f and 3g do nothing by design.
    if (r.family != RuleFamily::Rule3d && r.family != RuleFamily::Rule3f && r.family != RuleFamily::Rule3g) {
        EXPECT_GT(marks, 0);
    }
}

bool Always(LineSolver&)
{
    return true;
}
bool ForwardOnly(LineSolver& s)
{
    return s.d == 1;
}
bool TwoOpen(LineSolver& s)
{
    return s.k1 != s.kF;
}
bool NearClueSmaller(LineSolver& s)
{
    return s.c1 < s.c2;
}
bool ThreeOpen(LineSolver& s)
{
    return s.N > 1;
}
bool SmallestFirst(LineSolver& s)
{
    return s.LargestClue != s.SmallestClue && s.c1 == s.SmallestClue;
}
bool WithTotal(LineSolver& s)
{
    s.OpenClueTotal = -1;
    for (int k = s.FirstOpenClue; k <= s.LastOpenClue; ++k)
        s.OpenClueTotal += s.Clue(k) + 1;
    return s.d == 1;
}

using RF = RuleFamily;
const LaterRule kLaterRules[] = {
    {RF::Rule2a, &LineSolver::Rule2a, Always},
    {RF::Rule2b, &LineSolver::Rule2b, TwoOpen},
    {RF::Rule2c, &LineSolver::Rule2c, Always},
    {RF::Rule2d, &LineSolver::Rule2d, NearClueSmaller},
    {RF::Rule2e, &LineSolver::Rule2e, NearClueSmaller},
    {RF::Rule2f, &LineSolver::Rule2f, TwoOpen},
    {RF::Rule2g, &LineSolver::Rule2g, ThreeOpen},
    {RF::ClueReach, &LineSolver::ClueReachScan, Always},
    {RF::Rule3a, &LineSolver::Rule3a, SmallestFirst},
    {RF::SmallestClueScan, &LineSolver::SmallestClueScan, ForwardOnly},
    {RF::Rule3b, &LineSolver::Rule3b, ThreeOpen},
    {RF::Rule3c, &LineSolver::Rule3c, Always},
    {RF::Rule3d, &LineSolver::Rule3d, Always},
    {RF::Rule3e, &LineSolver::Rule3e, ForwardOnly},
    {RF::Rule3f, &LineSolver::Rule3f, Always},
    {RF::Rule3g, &LineSolver::Rule3g, Always},
    {RF::Rule3h, &LineSolver::Rule3h, WithTotal},
    {RF::Rule3i, &LineSolver::Rule3i, ForwardOnly},
};

INSTANTIATE_TEST_SUITE_P(LaterGroups, LaterRuleAlone, ::testing::ValuesIn(kLaterRules),
                         [](const ::testing::TestParamInfo<LaterRule>& info) {
                             return std::string(LineSolver::FamilyName(info.param.family));
                         });

// ---- The complete deduction ------------------------------------------------

// A random line that agrees with a random solution, some cells decided.
std::pair<std::string, std::vector<int>> RandomLine(std::mt19937& random, int maxLength)
{
    const int length = std::uniform_int_distribution<int>(1, maxLength)(random);
    const int runMean = std::uniform_int_distribution<int>(1, 6)(random);
    const int gapMean = std::uniform_int_distribution<int>(1, 3)(random);
    std::string solution;
    bool filled = std::bernoulli_distribution(0.5)(random);
    while (static_cast<int>(solution.size()) < length) {
        const int run = std::uniform_int_distribution<int>(1, filled ? 2 * runMean - 1 : 2 * gapMean - 1)(random);
        solution.append(run, filled ? '#' : '.');
        filled = !filled;
    }
    solution.resize(length);
    const double share = std::uniform_real_distribution<double>(0.0, 0.8)(random);
    std::bernoulli_distribution shown(share);
    std::string cells = solution;
    for (char& ch : cells)
        if (!shown(random))
            ch = '?';
    return {cells, RunsOf(ParseLine(solution))};
}

TEST(CompleteDeduction, ReachesTheCompleteSolversVerdictOnASweptWindow)
{
    std::mt19937 random(31);
    int lines = 0;
    for (int n = 0; n < Scaled(20000); ++n) {
        const auto [cells, clues] = RandomLine(random, 60);
        OneLine line(cells, clues);
        LineSolver& solver = line.Begin();
        solver.SweepEnds();
        if (solver.LineComplete)
            continue;
        solver.Rule3i();
        const LineVerdict verdict = SolveLineCompletely(ParseLine(cells), clues);
        ASSERT_TRUE(verdict.consistent);
        std::string expected = cells;
        for (size_t p = 0; p < expected.size(); ++p)
            if (verdict.forced[p] != 0)
                expected[p] = verdict.forced[p] == 2 ? '#' : '.';
        ASSERT_EQ(line.Text(), expected) << "clues " << ClueText(clues) << ", line " << cells;
        ++lines;
    }
    EXPECT_GT(lines, Scaled(20000) / 2);
}

// Counts the marks of each rule.
class MarksByRule : public MarkObserver {
public:
    void BeforeMark(const LineSolver& solver, int, int16_t) override { ++counts[solver.RuleName()]; }
    std::map<std::string, int> counts;
};

uint64_t GeneralAndComplete()
{
    return LineSolver::FamilyBit(RuleFamily::General) | LineSolver::FamilyBit(RuleFamily::Rule3i);
}

TEST(CompleteDeduction, FinishesTheLineInOneVisit)
{
    // The general rules leave the 1s open; 3i places everything and the line
    // is marked complete in the same visit.
    OneLine line("?.?.???", {1, 1, 3});
    line.solver.SetEnabledFamilies(GeneralAndComplete());
    MarksByRule marks;
    line.solver.SetObserver(&marks);
    line.RunPipeline();
    EXPECT_EQ(line.Text(), "#.#.###");
    EXPECT_GT(marks.counts["rule3i"], 0);
    EXPECT_TRUE(line.MarkedComplete());
}

TEST(CompleteDeduction, LooksAgainOnceTheLineHasChanged)
{
    // 1 1 in five cells: nothing is forced until a crossing line fills the
    // middle cell.
    OneLine line("?????", {1, 1});
    line.solver.SetEnabledFamilies(GeneralAndComplete());
    line.RunPipeline();
    line.RunPipeline();
    EXPECT_EQ(line.Text(), "?????");
    line.model->Board[1][3] = kFilled;
    MarksByRule marks;
    line.solver.SetObserver(&marks);
    line.RunPipeline();
    EXPECT_EQ(line.Text(), "?.#.?");
    EXPECT_EQ(marks.counts["rule3i"], 2);
}

// ---- The groups in the line pipeline ----------------------------------------

TEST(LaterGroupsInThePipeline, DecideOnlyForcedCells)
{
    // With and without the complete deduction: without it the hand-made
    // rules meet lines that are not yet at their fixpoint far more often.
    for (bool withComplete : {false, true}) {
        for (uint32_t seed : {41u, 42u}) {
            SoundnessOptions options;
            options.seed = seed;
            options.boards = Scaled(250);
            options.cycles = 3;
            options.families = MyFamilies(withComplete);
            const SoundnessReport report = CheckLineSoundness(options);
            EXPECT_TRUE(report.violations.empty()) << Joined(report.violations);
            EXPECT_GT(report.lines, 10000);
        }
    }
}

// Solves a puzzle with the complete line solver alone, line after line until
// nothing changes: true when that finishes it.
bool LineLogicFinishes(const Picture& picture)
{
    std::vector<std::vector<int>> cells(picture.rows + 1, std::vector<int>(picture.columns + 1, 0));
    for (bool changed = true; changed;) {
        changed = false;
        for (int r = 1; r <= picture.rows; ++r) {
            std::vector<int> line(cells[r].begin() + 1, cells[r].end());
            const LineVerdict verdict = SolveLineCompletely(line, RunsOf(picture.Row(r)));
            for (int c = 1; c <= picture.columns; ++c)
                if (cells[r][c] == 0 && verdict.forced[c - 1] != 0) {
                    cells[r][c] = verdict.forced[c - 1];
                    changed = true;
                }
        }
        for (int c = 1; c <= picture.columns; ++c) {
            std::vector<int> line;
            for (int r = 1; r <= picture.rows; ++r)
                line.push_back(cells[r][c]);
            const LineVerdict verdict = SolveLineCompletely(line, RunsOf(picture.Column(c)));
            for (int r = 1; r <= picture.rows; ++r)
                if (cells[r][c] == 0 && verdict.forced[r - 1] != 0) {
                    cells[r][c] = verdict.forced[r - 1];
                    changed = true;
                }
        }
    }
    for (int r = 1; r <= picture.rows; ++r)
        for (int c = 1; c <= picture.columns; ++c)
            if (cells[r][c] == 0)
                return false;
    return true;
}

TEST(LaterGroupsInThePipeline, TheSolverFinishesEveryPuzzleLineLogicFinishes)
{
    std::mt19937 random(57);
    int solvable = 0;
    for (int n = 0; n < 120; ++n) {
        const Picture picture = RandomPicture(random, 5, 30, 5, 30);
        if (!LineLogicFinishes(picture))
            continue;
        ++solvable;
        // Every rule, and the general rules with the complete deduction only.
        for (uint64_t families : {LineSolver::AllFamilies(), LineSolver::FamilyBit(RuleFamily::General) |
                                                                 LineSolver::FamilyBit(RuleFamily::Rule3i)}) {
            auto model = picture.MakeBoard();
            HeadlessHost host(/*stopWhenStalled=*/true);
            SolveOptions options;
            options.families = families;
            const SolveOutcome outcome = AutoSolve(*model, picture.rows, picture.columns, host, options);
            ASSERT_FALSE(outcome.stopped) << "picture " << n << " (" << picture.rows << " x " << picture.columns
                                          << ") stalled with families " << families;
            for (int r = 1; r <= picture.rows; ++r)
                for (int c = 1; c <= picture.columns; ++c)
                    ASSERT_EQ(model->Board[r][c], picture.cells[r][c]) << "picture " << n;
        }
    }
    EXPECT_GT(solvable, 30);
}

} // namespace
} // namespace velin::testing

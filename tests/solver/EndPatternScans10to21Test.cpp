// Scans 10 to 21 of the end pattern rules: one shape per scan, forward and
// mirrored, the edge cases of their preconditions, the lines on which a scan
// as first written decided a cell that was not forced, and a property check
// of every scan on its own over many random lines.
#include "support/CompleteLineSolver.h"
#include "support/SolverTestSupport.h"
#include "support/SoundnessHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <sstream>

namespace velin::testing {

// ---- Running one rule on one line -----------------------------------------

using Rule = void (LineSolver::*)();

// Sets a line up as the rules find it after the general rules' first sweep
// (window, open clues, clue statistics) and runs `rule` in one pass.
std::string RunInPass(const std::string& cells, const std::vector<int>& clues, Rule rule, int direction)
{
    OneLine line(cells, clues);
    LineSolver& solver = line.Begin();
    solver.SweepEnds();
    solver.FindClueExtremes();
    solver.FindSecondLargest();
    solver.SetUpPass(direction);
    (solver.*rule)();
    return line.Text();
}

std::string Reversed(std::string text)
{
    std::reverse(text.begin(), text.end());
    return text;
}

std::vector<int> Reversed(std::vector<int> clues)
{
    std::reverse(clues.begin(), clues.end());
    return clues;
}

// Checks each mark against the forced cells of the line as the rule found it.
class ForcedMarks : public MarkObserver {
public:
    // The line as the rule finds it and its forced cells (the same for every
    // pass over it).
    void Arm(const std::vector<int>& cells, const std::vector<int>& clues, const LineVerdict& verdict)
    {
        cells_ = cells;
        clues_ = clues;
        verdict_ = verdict;
        armed_ = verdict_.consistent;
    }
    void BeforeMark(const LineSolver& solver, int position, int16_t code) override
    {
        ++marks;
        ++byRule[solver.RuleName()];
        if (!armed_ || verdict_.forced[position - 1] == code || !violation.empty())
            return;
        std::ostringstream text;
        text << solver.RuleName() << " (d = " << solver.d << ") made position " << position << " "
             << (code == 2 ? "filled" : "blank") << ": clues " << ClueText(clues_) << ", line " << LineText(cells_)
             << ", forced " << LineText(verdict_.forced);
        violation = text.str();
    }

    int marks = 0;
    std::map<std::string, int> byRule;
    std::string violation;

private:
    std::vector<int> cells_;
    std::vector<int> clues_;
    LineVerdict verdict_;
    bool armed_ = false;
};

struct RuleCheck {
    int marks = 0;
    std::map<std::string, int> byRule;
    std::vector<std::string> violations;
};

// Random lines that agree with a random solution, some of their cells decided,
// each set up as the pattern rules find it; `rule` runs in both passes (after
// pass set-up, with the pass notation and the remembered positions left at
// random earlier values) and every cell it decides must be forced. Lines with
// fewer than minOpen open clues are skipped, and so are passes in which
// `gate` (when given) says the rule's group would not run it.
RuleCheck CheckRuleAlone(RuleFamily family, Rule rule, uint32_t seed, int lines, int minOpen, int maxLength,
                         bool (*gate)(LineSolver&))
{
    RuleCheck check;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> lengthOf(3, maxLength);
    std::uniform_real_distribution<double> share(0.0, 0.9);
    for (int n = 0; n < lines; ++n) {
        std::string solution;
        if (n % 2 == 0) {
            // Runs and gaps of random lengths.
            const int length = lengthOf(random);
            const int runMean = std::uniform_int_distribution<int>(1, 5)(random);
            const int gapMean = std::uniform_int_distribution<int>(1, 3)(random);
            bool filled = std::bernoulli_distribution(0.5)(random);
            while (static_cast<int>(solution.size()) < length) {
                const int run =
                    std::uniform_int_distribution<int>(1, filled ? 2 * runMean - 1 : 2 * gapMean - 1)(random);
                solution.append(run, filled ? '#' : '.');
                filled = !filled;
            }
            solution.resize(length);
        } else {
            // A few clues with little room to spare, where the shapes near
            // the edges that the scans look for are common.
            const int count = std::uniform_int_distribution<int>(2, 7)(random);
            const int slack = std::uniform_int_distribution<int>(0, 5)(random);
            std::vector<int> gaps(count + 1, 0);
            for (int i = 1; i < count; ++i)
                gaps[i] = 1;
            for (int i = 0; i < slack; ++i)
                ++gaps[std::uniform_int_distribution<int>(0, count)(random)];
            for (int i = 0; i < count; ++i) {
                solution.append(gaps[i], '.');
                solution.append(std::uniform_int_distribution<int>(1, 6)(random), '#');
            }
            solution.append(gaps[count], '.');
        }
        const int length = static_cast<int>(solution.size());
        const std::vector<int> clues = RunsOf(ParseLine(solution));
        std::bernoulli_distribution showFilled(share(random));
        std::bernoulli_distribution showBlank(share(random));
        std::string cells = solution;
        for (char& ch : cells)
            if (!(ch == '#' ? showFilled(random) : showBlank(random)))
                ch = '?';
        // Sometimes nothing is known near one end.
        if (std::bernoulli_distribution(0.3)(random)) {
            const int hidden = std::uniform_int_distribution<int>(0, length / 2)(random);
            const bool front = std::bernoulli_distribution(0.5)(random);
            for (int i = 0; i < hidden; ++i)
                cells[front ? i : length - 1 - i] = '?';
        }

        // The general rules' sweep decides only forced cells, so the line it
        // leaves has the same forced cells as this one.
        LineVerdict verdict;
        bool judged = false;
        OneLine line(cells, clues);
        const std::vector<int> codes = ParseLine(cells);
        for (int direction : {+1, -1}) {
            // The same line again for the second pass, as it was.
            for (size_t p = 0; p < codes.size(); ++p)
                line.model->Board[1][p + 1] = static_cast<int16_t>(codes[p]);
            LineSolver& solver = line.Begin();
            solver.SweepEnds();
            if (solver.LineComplete || solver.LastOpenClue - solver.FirstOpenClue + 1 < minOpen)
                break;
            solver.FindClueExtremes();
            solver.FindSecondLargest();
            // What earlier passes and scans would have left behind.
            std::uniform_int_distribution<int> anyClue(1, 6);
            std::uniform_int_distribution<int> anyPosition(1, static_cast<int>(cells.size()));
            solver.c2 = anyClue(random);
            solver.c3 = anyClue(random);
            solver.c4 = anyClue(random);
            solver.c5 = anyClue(random);
            solver.S = anyPosition(random);
            solver.fs = anyPosition(random);
            solver.fe = anyPosition(random);
            solver.f1s = anyPosition(random);
            solver.f1e = anyPosition(random);
            solver.P = {anyPosition(random), anyPosition(random), 0};
            solver.Q = {anyPosition(random), anyPosition(random), 0};
            solver.SetUpPass(direction);
            if (gate && !gate(solver))
                continue;
            if (!judged) {
                verdict = SolveLineCompletely(codes, clues);
                judged = true;
            }
            std::vector<int> swept;
            for (int p = 1; p <= solver.LineLength(); ++p)
                swept.push_back(solver.Cell(p));
            ForcedMarks observer;
            observer.Arm(swept, clues, verdict);
            solver.SetObserver(&observer);
            solver.RunRule(family, rule);
            solver.SetObserver(nullptr);
            check.marks += observer.marks;
            for (const auto& [name, count] : observer.byRule)
                check.byRule[name] += count;
            if (!observer.violation.empty() && check.violations.size() < 5)
                check.violations.push_back(observer.violation);
        }
    }
    return check;
}

// The same for the later groups' test file (one test program): the
// violations found, and the number of marks made in `marks`.
std::vector<std::string> RuleViolations(RuleFamily family, Rule rule, uint32_t seed, int lines, int minOpen,
                                        int maxLength, bool (*gate)(LineSolver&), int& marks)
{
    const RuleCheck check = CheckRuleAlone(family, rule, seed, lines, minOpen, maxLength, gate);
    marks = check.marks;
    return check.violations;
}

// For a long search by hand: VELIN_RULE_FUZZ_SCALE=n multiplies the number of
// random lines (and the scans' check prints the marks of each rule, so that a
// rule that never fires shows), VELIN_RULE_FUZZ_LONG=1 adds lines of up to 60
// cells to the scans' check.
int Scaled(int lines)
{
    const char* scale = std::getenv("VELIN_RULE_FUZZ_SCALE");
    return scale ? lines * std::max(1, std::atoi(scale)) : lines;
}

std::string Joined(const std::vector<std::string>& texts)
{
    std::string all;
    for (const std::string& text : texts)
        all += text + "\n";
    return all;
}

namespace {

// ---- One shape per scan, forward and mirrored ----------------------------

struct ScanCase {
    const char* name;
    Rule rule;
    std::vector<int> clues;
    const char* before;
    const char* after; // after the forward pass
};

void PrintTo(const ScanCase& c, std::ostream* os)
{
    *os << c.name;
}

class ScanShapes : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanShapes, ForwardMarksTheShapeAndBackwardMirrorsIt)
{
    const ScanCase& c = GetParam();
    EXPECT_EQ(RunInPass(c.before, c.clues, c.rule, +1), c.after);
    EXPECT_EQ(RunInPass(Reversed(std::string(c.before)), Reversed(c.clues), c.rule, -1),
              Reversed(std::string(c.after)));
    // The shape is one-sided: the other pass sees nothing to do.
    EXPECT_EQ(RunInPass(c.before, c.clues, c.rule, -1), c.before);
}

const ScanCase kScanCases[] = {
    // Scan 10: two filled cells 3 apart in a first segment of 7 (room for
    // 2 + 3, not for 2 + 3 + 4): it holds c1 and c2, whose overlap is filled.
    {"scan10_two_far_cells", &LineSolver::Scan10, {2, 3, 4}, "?#??#??.????????", "?#??##?.????????"},
    // Scan 10, phase 1: the closed stretch after the segment has c3's length.
    {"scan10_next_is_c3", &LineSolver::Scan10, {2, 3, 4}, "??#????.####.???", "?##?##?.####.???"},
    // Scan 11 (c2 != c3): the stretch after the first segment is c2's, so the
    // segment holds c1 alone, around its filled cell.
    {"scan11_segment_holds_c1", &LineSolver::Scan11, {2, 3, 1}, "???#???.###.??", "..?#?...###.??"},
    // Scan 11 (c2 = c3): the next stretch after the segment is a whole run.
    {"scan11_next_run", &LineSolver::Scan11, {2, 2, 2}, "???#?.#??????", "???#?.##.????"},
    // Scan 12: a segment of c2's length with a filled cell right after the
    // first segment with one: nothing lies before that first segment.
    {"scan12_nothing_before", &LineSolver::Scan12, {3, 1, 4}, "???.??#?.#.????", "....??#?.#.????"},
    // Scan 13 (c1 = c2): one stretch closing the segment is a whole run.
    {"scan13_run_at_segment_end", &LineSolver::Scan13, {3, 3, 1}, "????#.??????", "?.###.??????"},
    // Scan 13 (c1 > c2 = c3): two stretches spanning c1, the second of c2's
    // length, with no room for another clue before the blank.
    {"scan13_nothing_after_pair", &LineSolver::Scan13, {3, 1, 1}, "?#?#?.???", "?#?#..???"},
    // Scan 14: a first segment of c1 + c2 cells with a filled cell holds c1
    // alone; the stretch after it belongs to c2.
    {"scan14_c2_reaches", &LineSolver::Scan14, {2, 4, 1}, "?#????.?#????", "?#????.?###??"},
    // Scan 15 (c1 = 1): the first segment long enough for c2 holds c2.
    {"scan15_segment_holds_c2", &LineSolver::Scan15, {1, 4, 2}, "?.#??#.?????", "?.####.?????"},
    // Scan 16: every filled cell near E is a 1; its neighbours are blank.
    {"scan16_ones", &LineSolver::Scan16, {1, 1, 3}, "??#??????", "?.#.?????"},
    // Scan 17 (a): a stretch of the big clue's length after a blank is whole.
    {"scan17_whole_big_run", &LineSolver::Scan17, {1, 3, 2}, "?.###?????", "?.###.????"},
    // Scan 17 (b): a stretch longer than 1 closing the first segment belongs
    // to the big clue.
    {"scan17_big_clue_reaches", &LineSolver::Scan17, {4, 2, 2}, "???##.??????", "?####.??????"},
    // Scan 18: two single cells, then a stretch of two: each single is a 1.
    {"scan18_single_ones", &LineSolver::Scan18, {1, 1, 2}, "?.?.##?", "#.#.##?"},
    // Scan 18: the first segment is 2z - 1 long: the ones alternate in it.
    {"scan18_alternating_ones", &LineSolver::Scan18, {1, 1, 3}, "???.###??", "#.#.###??"},
    // Scan 19: c1's stretch, then c2's single cell, then one too long for c2
    // close behind: c1 ends before the single cell.
    {"scan19_c1_before_c2", &LineSolver::Scan19, {4, 1, 3}, "??#???#?##?????", "?##???#?##?????"},
    // Scan 20 A: a stretch of c2 = c3's length beyond c1's run is whole.
    {"scan20_whole_c2_run", &LineSolver::Scan20, {5, 2, 2}, "???#?????##????????", "???#????.##.???????"},
    // Scan 20 B: a first stretch too long for c1 and c2 is c3's; a second
    // within c3's reach joins it.
    {"scan20_join_c3", &LineSolver::Scan20, {1, 1, 5, 1}, "?????##?#?????", "?????####?????"},
    // Scan 20 C: five open clues and the first stretch starts c1 + c2 + c3 + 2
    // past E. Were it c1's, c2 to c5 would be packed tight after it and the
    // second stretch would start on a gap; so it is c3's and c1 starts by
    // E + c3.
    {"scan20_c1_starts_early", &LineSolver::Scan20, {5, 1, 2, 1, 1}, "??????????##??#??????", "??###?????##??#??????"},
    // Scan 21: a stretch longer than c1 within c1 + c2 of E is c2's; c1
    // lies before it.
    {"scan21_c1_before_c2", &LineSolver::Scan21, {2, 5}, "????###??????", "?#??###??????"},
    // Scan 21: the first stretch's segment is too short for c2: it is c1's.
    {"scan21_c1_segment", &LineSolver::Scan21, {2, 5}, "??.?#?.????????", "...?#?.????????"},
};

INSTANTIATE_TEST_SUITE_P(Scans10to21, ScanShapes, ::testing::ValuesIn(kScanCases),
                         [](const ::testing::TestParamInfo<ScanCase>& info) { return std::string(info.param.name); });

// ---- Edge cases of the preconditions -------------------------------------

std::string EndPatternsWith(const std::string& cells, const std::vector<int>& clues, uint64_t families)
{
    OneLine line(cells, clues);
    LineSolver& solver = line.Begin();
    solver.SweepEnds();
    solver.FindClueExtremes();
    solver.FindSecondLargest();
    solver.SetEnabledFamilies(families);
    solver.EndPatternRules();
    return line.Text();
}

TEST(ScansPreconditions, WithTwoOpenCluesAPassRunsScan21Only)
{
    uint64_t scans10to20 = 0;
    for (int f = static_cast<int>(RuleFamily::Scan10); f <= static_cast<int>(RuleFamily::Scan20); ++f)
        scans10to20 |= LineSolver::FamilyBit(static_cast<RuleFamily>(f));
    // Scan 17 (a) closes the 3 after the blank once three clues are open...
    EXPECT_EQ(EndPatternsWith("?.###?????", {1, 3, 2}, scans10to20), "?.###.????");
    // ...but with two open clues scans 10 to 20 stay out.
    EXPECT_EQ(EndPatternsWith("?.###?????", {1, 3}, scans10to20), "?.###?????");
    // Scan 21 runs with two: the 2's segment is too short for the 5.
    EXPECT_EQ(EndPatternsWith("??.?#?.????????", {2, 5}, LineSolver::FamilyBit(RuleFamily::Scan21)), "...?#?.????????");
}

TEST(ScansPreconditions, AllOnesUseTheLongerZoneAndSkipScan17)
{
    // Three ones: the zone runs 2z = 6 cells past E, so the filled cell at
    // position 7 is still a 1 and its undecided neighbour inside the zone is
    // blank.
    EXPECT_EQ(RunInPass("??????#??", {1, 1, 1}, &LineSolver::Scan16, +1), "?????.#??");
    // With a clue after the ones the zone ends one cell earlier.
    EXPECT_EQ(RunInPass("??????#??", {1, 1, 1, 2}, &LineSolver::Scan16, +1), "??????#??");
    // Scan 17 has no clue after the ones to look for.
    EXPECT_EQ(RunInPass("?.##?????", {1, 1, 1}, &LineSolver::Scan17, +1), "?.##?????");
    EXPECT_EQ(RunInPass("?.##?????", {1, 2, 1}, &LineSolver::Scan17, +1), "?.##.????");
}

// Scan 21 with one open clue reads c2 as an earlier line left it.
std::string Scan21WithLeftoverC2(const std::string& cells, const std::vector<int>& clues, int leftoverC2)
{
    OneLine line(cells, clues);
    LineSolver& solver = line.Begin();
    solver.SweepEnds();
    solver.FindClueExtremes();
    solver.c2 = leftoverC2;
    solver.SetUpPass(+1);
    solver.Scan21();
    return line.Text();
}

TEST(ScansPreconditions, Scan21IsSkippedWhenItsReachLeavesTheLineOrTheWindow)
{
    // "?.###.#" with 1 3 1: only the first 1 is open, in the window 1..1, and
    // it must be at position 1. A leftover c2 of 9 reaches past the line.
    EXPECT_EQ(Scan21WithLeftoverC2("?.###.#", {1, 3, 1}, 9), "?.###.#");
    // A leftover c2 of 5 reaches position 7, inside the line but past the
    // window: the scan took the placed 3 for c1's stretch and blanked
    // position 1. It now stays inside the window.
    EXPECT_EQ(Scan21WithLeftoverC2("?.###.#", {1, 3, 1}, 5), "?.###.#");
}

// ---- Lines on which a scan as first written decided a cell not forced ------

struct MendedCase {
    const char* name;
    Rule rule;
    int direction;
    std::vector<int> clues;
    const char* before;
    int wrongPosition; // the cell the unmended scan decided
    char wrongMark;    // '#' or '.'
    const char* after; // what the mended scan leaves
};

void PrintTo(const MendedCase& c, std::ostream* os)
{
    *os << c.name;
}

class MendedScans : public ::testing::TestWithParam<MendedCase> {};

TEST_P(MendedScans, LeaveTheCellOpen)
{
    const MendedCase& c = GetParam();
    // The cell really is open: some placement gives it the other value.
    const LineVerdict verdict = SolveLineCompletely(ParseLine(c.before), c.clues);
    ASSERT_TRUE(verdict.consistent);
    EXPECT_NE(verdict.forced[c.wrongPosition - 1], c.wrongMark == '#' ? 2 : 1);
    EXPECT_EQ(RunInPass(c.before, c.clues, c.rule, c.direction), c.after);
}

const MendedCase kMendedCases[] = {
    // Scan 13's second shape: the pair of stretches is c2 and c3 here and a
    // 1 still fits at F (the segment runs to F, so F itself is room).
    {"scan13_room_at_F", &LineSolver::Scan13, +1, {3, 1, 1, 1}, "????#?#??", 9, '.', "????#?#??"},
    // ... and here the pair is c3 and c2 of the backward pass, with c4 (the
    // line's second clue) still fitting after them.
    {"scan13_later_clue_after_pair",
     &LineSolver::Scan13,
     -1,
     {6, 2, 2, 4},
     "######.???##?#???",
     9,
     '.',
     "######.???##?#???"},
    // ... and here the second stretch (at 11) is the first 2 of the line's
    // fourth clue onwards, which runs on to 12.
    {"scan13_longer_clue_runs_on",
     &LineSolver::Scan13,
     +1,
     {5, 1, 1, 2, 2, 2, 4, 1, 5, 4, 1, 3},
     "??????#???#?.#???????????????????#??.?????",
     12,
     '.',
     "??????#???#?.#???????????????????#??.?????"},
    // Scan 18 counted single cells only: the segment "?#??" holds the 1 just
    // as well, and the 2 the first cell was filled for.
    {"scan18_multi_cell_segment",
     &LineSolver::Scan18,
     +1,
     {1, 2, 5, 2},
     "?.?#??.##???####.?.##",
     1,
     '#',
     "?.?#??.##???####.?.##"},
    {"scan18_filled_segments_between",
     &LineSolver::Scan18,
     +1,
     {1, 1, 2, 1, 1, 2, 2, 2, 2},
     "#.?.?#.??#.#?.##??#.#?",
     9,
     '#',
     "#.?.?#.??#.#?.##??#.#?"},
    // Scan 19: the third stretch is close enough to the first to share the
    // 8's run with it and with the second.
    {"scan19_third_stretch_in_c1",
     &LineSolver::Scan19,
     -1,
     {4, 1, 8},
     "?##?????#.?##?#?##???.??",
     24,
     '#',
     "?##?????#.?##?#?##???.??"},
};

INSTANTIATE_TEST_SUITE_P(Scans10to21, MendedScans, ::testing::ValuesIn(kMendedCases),
                         [](const ::testing::TestParamInfo<MendedCase>& info) { return std::string(info.param.name); });

// ---- Every scan on its own decides only forced cells ----------------------

struct ScanFamily {
    RuleFamily family;
    Rule rule;
    int minOpen; // scans 10 to 20 run with three or more open clues
};

class ScanAlone : public ::testing::TestWithParam<ScanFamily> {};

TEST_P(ScanAlone, DecidesOnlyForcedCells)
{
    const ScanFamily& family = GetParam();
    const RuleCheck check = CheckRuleAlone(family.family, family.rule, 1000 + static_cast<uint32_t>(family.family),
                                           Scaled(15000), family.minOpen, 24, nullptr);
    EXPECT_TRUE(check.violations.empty()) << Joined(check.violations);
    EXPECT_GT(check.marks, 0);
    if (std::getenv("VELIN_RULE_FUZZ_SCALE"))
        for (const auto& [name, count] : check.byRule)
            std::printf("%s: %d marks\n", name.c_str(), count);
    if (std::getenv("VELIN_RULE_FUZZ_LONG")) {
        const RuleCheck longer =
            CheckRuleAlone(family.family, family.rule, 77, Scaled(20000), family.minOpen, 60, nullptr);
        EXPECT_TRUE(longer.violations.empty()) << Joined(longer.violations);
        std::printf("%s long: %d marks\n", LineSolver::FamilyName(family.family), longer.marks);
    }
}

using RF = RuleFamily;
const ScanFamily kScanFamilies[] = {
    {RF::Scan10, &LineSolver::Scan10, 3}, {RF::Scan11, &LineSolver::Scan11, 3}, {RF::Scan12, &LineSolver::Scan12, 3},
    {RF::Scan13, &LineSolver::Scan13, 3}, {RF::Scan14, &LineSolver::Scan14, 3}, {RF::Scan15, &LineSolver::Scan15, 3},
    {RF::Scan16, &LineSolver::Scan16, 3}, {RF::Scan17, &LineSolver::Scan17, 3}, {RF::Scan18, &LineSolver::Scan18, 3},
    {RF::Scan19, &LineSolver::Scan19, 3}, {RF::Scan20, &LineSolver::Scan20, 3}, {RF::Scan21, &LineSolver::Scan21, 1},
};

INSTANTIATE_TEST_SUITE_P(Scans10to21, ScanAlone, ::testing::ValuesIn(kScanFamilies),
                         [](const ::testing::TestParamInfo<ScanFamily>& info) {
                             return std::string(LineSolver::FamilyName(info.param.family));
                         });

} // namespace
} // namespace velin::testing

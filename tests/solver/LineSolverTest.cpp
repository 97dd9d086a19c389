// The line view, the marking primitives and the general rules on single
// lines. Lines are written as text: "#" filled, "." blank, "?" undecided.
#include "support/CompleteLineSolver.h"
#include "support/SolverTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velin::testing {
namespace {

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

// ---- Primitives -------------------------------------------------------------

TEST(MarkPrimitives, WalkInStepAndSkipDecidedCellsAndPositionsOffTheLine)
{
    OneLine line("??#.???", {1, 1, 1});
    LineSolver& solver = line.Begin();
    solver.MarkFilled(0, 2); // position 0 is off the line
    EXPECT_EQ(line.Text(), "###.???");
    solver.MarkBlank(6, 9); // 8 and 9 are off the line
    EXPECT_EQ(line.Text(), "###.?..");
    solver.MarkBlank(1, 7); // only the one undecided cell changes
    EXPECT_EQ(line.Text(), "###....");
    EXPECT_EQ(line.host.FilledCells(), 2);
    EXPECT_EQ(line.host.BlankedCells(), 3);
    EXPECT_EQ(solver.CellsDecided(), 5);
}

TEST(MarkPrimitives, RangeBeforeItsStartInTheWalkingDirectionMarksNothing)
{
    OneLine line("?????", {1});
    LineSolver& solver = line.Begin();
    solver.Step = 1;
    solver.MarkFilled(4, 2);
    solver.MarkBlank(3, 1);
    EXPECT_EQ(line.Text(), "?????");
    solver.Step = -1;
    solver.MarkFilled(2, 4);
    EXPECT_EQ(line.Text(), "?????");
    solver.MarkFilled(4, 2);
    EXPECT_EQ(line.Text(), "?###?");
    solver.MarkBlank(1, -3);
    EXPECT_EQ(line.Text(), ".###?");
}

TEST(MarkPrimitives, ReadingOffTheLineIsSafeAndUndecided)
{
    OneLine line("#.#", {1, 1});
    LineSolver& solver = line.Begin();
    EXPECT_EQ(solver.Cell(1), 2);
    EXPECT_EQ(solver.Cell(2), 1);
    for (int p : {-70, -1, 0, 4, 61, 1000})
        EXPECT_EQ(solver.Cell(p), 0) << p;
    EXPECT_EQ(solver.Clue(-1), 0);
    EXPECT_EQ(solver.Clue(61), 0);
}

TEST(MarkPrimitives, BlankingAnEndOfItsRangeAsksForTheSweepAgain)
{
    OneLine line("???#?", {1, 1});
    LineSolver& solver = line.Begin();
    solver.SweepState = 1;
    solver.MarkBlank(2, 2); // one cell: first and last of its range
    EXPECT_EQ(solver.SweepState, 2);

    solver.SweepState = 1;
    solver.MarkBlank(2, 2); // already blank: nothing happens
    EXPECT_EQ(solver.SweepState, 1);
    solver.MarkBlank(2, 4); // blanks position 3, inside the range
    EXPECT_EQ(solver.SweepState, 1);
    solver.MarkBlank(4, 5); // blanks position 5, the range's end
    EXPECT_EQ(solver.SweepState, 2);

    solver.SweepState = 1;
    solver.MarkFilled(1, 1); // filling never asks for a sweep
    EXPECT_EQ(solver.SweepState, 1);
    EXPECT_EQ(line.Text(), "#..#.");
}

TEST(MarkPrimitives, EveryMarkReachesTheObserverWithTheRuleAndTheLineBeforeIt)
{
    struct Recorder : MarkObserver {
        void BeforeMark(const LineSolver& solver, int position, int16_t code) override
        {
            seen.push_back(std::string(solver.RuleName()) + " " + std::to_string(position) + "=" +
                           std::to_string(code) + " " + std::to_string(solver.Cell(position)));
        }
        std::vector<std::string> seen;
    } recorder;
    OneLine line("?????", {3});
    line.solver.SetObserver(&recorder);
    line.RunPipeline();
    ASSERT_EQ(recorder.seen.size(), 1u);
    EXPECT_EQ(recorder.seen[0], "SolveSingleClue 3=2 0");
}

TEST(OverlapInSegment, MarksWhatEveryPackingCoversAndLeavesRoomySegments)
{
    struct Case {
        std::string cells;
        std::vector<int> clues; // the line's clues; the overlap takes them all
        int from, to;
        std::string expected;
    };
    const Case cases[] = {
        {"?????", {2, 1}, 1, 5, "?#???"},
        {"??????", {4}, 1, 6, "??##??"},
        {"???????", {1, 1}, 2, 6, "???????"}, // 5 cells, 1+1+1 apart: nothing certain
        // Exactly room for both: every cell of the runs is certain.
        {"?????????", {3, 3}, 2, 8, "?###?###?"},
        {"?????????", {3, 3}, 1, 8, "?##??##??"},
        {"???", {3}, 0, 4, "?#?"}, // a range that runs off the line is cut
        {"???", {3}, 4, 6, "???"}, // a range entirely off the line
    };
    for (const Case& c : cases) {
        OneLine line(c.cells, c.clues);
        LineSolver& solver = line.Begin();
        solver.WindowStart = 1;
        solver.WindowEnd = static_cast<int>(c.cells.size());
        solver.Step = -1;
        solver.OverlapInSegment(1, static_cast<int>(c.clues.size()), c.from, c.to);
        EXPECT_EQ(line.Text(), c.expected) << c.cells << " " << ClueText(c.clues);
        EXPECT_EQ(solver.Step, -1) << "Step is restored";
    }
}

// ---- SweepEnds --------------------------------------------------------------

TEST(SweepEnds, AnchoredRunsAreCompletedAndClosedFromEitherEnd)
{
    struct Case {
        std::string cells;
        std::vector<int> clues;
        std::string expected;
        int windowStart, windowEnd, firstOpen, lastOpen;
    };
    const Case cases[] = {
        // A filled cell at the line's start anchors the first run.
        {"#?????????", {3, 2}, "###.??????", 5, 10, 2, 2},
        // A filled cell right after a blank anchors the run there.
        {".#????????", {2, 2}, ".##.??????", 5, 10, 2, 2},
        // Decided runs are passed over, the window starts at the open part.
        {"##.#.?????", {2, 1, 3}, "##.#.?????", 6, 10, 3, 3},
        // Nothing anchored: the window is the whole line.
        {"??????????", {2, 2}, "??????????", 1, 10, 1, 2},
    };
    for (const Case& c : cases) {
        for (bool mirrored : {false, true}) {
            const std::string cells = mirrored ? Reversed(c.cells) : c.cells;
            const std::vector<int> clues = mirrored ? Reversed(c.clues) : c.clues;
            OneLine line(cells, clues);
            LineSolver& solver = line.Begin();
            solver.SweepEnds();
            EXPECT_EQ(line.Text(), mirrored ? Reversed(c.expected) : c.expected) << cells;
            const int length = static_cast<int>(cells.size());
            const int count = static_cast<int>(clues.size());
            if (!mirrored) {
                EXPECT_EQ(solver.WindowStart, c.windowStart) << cells;
                EXPECT_EQ(solver.WindowEnd, c.windowEnd) << cells;
                EXPECT_EQ(solver.FirstOpenClue, c.firstOpen) << cells;
                EXPECT_EQ(solver.LastOpenClue, c.lastOpen) << cells;
            } else {
                EXPECT_EQ(solver.WindowStart, length + 1 - c.windowEnd) << cells;
                EXPECT_EQ(solver.WindowEnd, length + 1 - c.windowStart) << cells;
                EXPECT_EQ(solver.FirstOpenClue, count + 1 - c.lastOpen) << cells;
                EXPECT_EQ(solver.LastOpenClue, count + 1 - c.firstOpen) << cells;
            }
            EXPECT_EQ(solver.LineComplete, 0) << cells;
        }
    }
}

TEST(SweepEnds, ConsumingEveryClueCompletesTheLine)
{
    OneLine line("#?.#???", {2, 1});
    LineSolver& solver = line.Begin();
    solver.SweepEnds();
    EXPECT_EQ(line.Text(), "##.#.??");
    EXPECT_EQ(solver.LineComplete, 1);
    solver.FinishLine();
    EXPECT_EQ(line.Text(), "##.#...");
    EXPECT_TRUE(line.MarkedComplete());
}

TEST(SweepEnds, ReturnsAtOnceWhileUpToDateAndResumesInsideTheWindow)
{
    OneLine line("????????", {1, 1});
    LineSolver& solver = line.Begin();
    solver.SweepEnds();
    EXPECT_EQ(solver.SweepState, 1);
    line.model->Board[1][1] = 2; // decided behind the sweep's back
    solver.SweepEnds();
    EXPECT_EQ(line.Text(), "#???????") << "an up-to-date sweep looks at nothing";
    solver.SweepState = 2;
    solver.SweepEnds();
    EXPECT_EQ(line.Text(), "#.??????");
    EXPECT_EQ(solver.FirstOpenClue, 2);
    EXPECT_EQ(solver.WindowStart, 3);
    // The blank after the run asked for another sweep (it was a one-cell
    // range); that sweep resumes in the window and changes nothing more.
    EXPECT_EQ(solver.SweepState, 2);
    solver.SweepEnds();
    EXPECT_EQ(solver.WindowStart, 3);
    EXPECT_EQ(solver.SweepState, 1);
}

// ---- The clue statistics ------------------------------------------------------

TEST(ClueStatistics, LargestFirstOccurrenceSmallestAndSecondLargest)
{
    OneLine line(std::string(40, '?'), {2, 5, 1, 5, 3, 1});
    LineSolver& solver = line.Begin();
    solver.FirstOpenClue = 1;
    solver.LastOpenClue = 6;
    solver.FindClueExtremes();
    solver.FindSecondLargest();
    EXPECT_EQ(solver.LargestClue, 5);
    EXPECT_EQ(solver.LargestClueIndex, 2);
    EXPECT_EQ(solver.SmallestClue, 1);
    EXPECT_EQ(solver.SecondLargestClue, 3);
    EXPECT_EQ(solver.LargestClueCount, 2);

    // Equal clues: the second largest is the smallest.
    solver.FirstOpenClue = 2;
    solver.LastOpenClue = 2;
    solver.FindClueExtremes();
    solver.FindSecondLargest();
    EXPECT_EQ(solver.SecondLargestClue, 5);
    EXPECT_EQ(solver.LargestClueCount, 1);
}

// ---- One open clue --------------------------------------------------------------

TEST(SolveSingleClue, Cases)
{
    struct Case {
        std::string cells;
        std::vector<int> clues;
        std::string expected;
        bool complete;
    };
    const Case cases[] = {
        // The line must stay empty: the sweep stops at the first undecided
        // cell and the single-clue rule blanks the window.
        {"?????", {0}, ".....", false},
        {"..?.?", {0}, ".....", false},
        // A clue as long as the line fills it by overlap.
        {"?????", {5}, "#####", true},
        // Clue 3 of 5: only the middle cell is certain.
        {"?????", {3}, "??#??", false},
        // A run that ends at a blank is placed for certain.
        {"???#.??", {2}, "..##...", true},
        // Filled cells in the middle bound the run from both sides.
        {"???#?#????", {4}, "..?###?...", false},
        {"???#??????", {3}, ".??#??....", false},
    };
    for (const Case& c : cases) {
        OneLine line(c.cells, c.clues);
        line.RunPipeline();
        EXPECT_EQ(line.Text(), c.expected) << c.cells << " " << ClueText(c.clues);
        EXPECT_EQ(line.MarkedComplete(), c.complete) << c.cells << " " << ClueText(c.clues);
    }
}

TEST(SolveSingleClue, AnEmptyLineIsMarkedCompleteOnItsNextPass)
{
    OneLine line("????", {0});
    line.RunPipeline();
    EXPECT_EQ(line.Text(), "....");
    EXPECT_FALSE(line.MarkedComplete());
    line.RunPipeline();
    EXPECT_TRUE(line.MarkedComplete());
}

// ---- Rules on lines of two or more clues -----------------------------------------

// Each case runs one rule on the whole line (window = line, every clue open)
// and also mirrored, so both directions of a two-pass rule are covered.
struct RuleCase {
    std::string cells;
    std::vector<int> clues;
    std::string expected;
};

template <typename Rule>
void CheckRuleCases(const char* name, const std::vector<RuleCase>& cases, Rule rule, bool mirror)
{
    for (const RuleCase& c : cases) {
        for (bool mirrored : {false, true}) {
            if (mirrored && !mirror)
                continue;
            const std::string cells = mirrored ? Reversed(c.cells) : c.cells;
            const std::vector<int> clues = mirrored ? Reversed(c.clues) : c.clues;
            OneLine line(cells, clues);
            LineSolver& solver = line.Begin();
            solver.WindowStart = 1;
            solver.WindowEnd = static_cast<int>(cells.size());
            solver.FirstOpenClue = 1;
            solver.LastOpenClue = static_cast<int>(clues.size());
            solver.SweepState = 1;
            solver.FindClueExtremes();
            solver.FindSecondLargest();
            rule(solver);
            EXPECT_EQ(line.Text(), mirrored ? Reversed(c.expected) : c.expected)
                << name << ": " << cells << " " << ClueText(clues);
        }
    }
}

TEST(SettleEndClues, TheEdgeSegmentHoldsTheEdgeClue)
{
    CheckRuleCases(
        "SettleEndClues",
        {
            // Too short for both end clues, with a filled cell:
            // the first clue's overlap there is filled.
            {"?#?.??????", {3, 4}, "###.??????"},
            {"?#??.?????????", {3, 2}, "?##?.?????????"},
            // The reach cell is filled and its stretch is the
            // clue: the cell after and the cells before it blank.
            {"?##.??????", {2, 5}, ".##.??????"},
            {"???#.??????", {3, 5}, "?###.??????"},
            // A filled edge cell starts the clue.
            {"#????????", {3, 3}, "###.?????"},
            // Room for both clues: nothing.
            {"??#???.??", {2, 2}, "??#???.??"},
        },
        [](LineSolver& solver) { solver.SettleEndClues(); }, true);
}

TEST(MatchStretches, OneStretchPerClueBlanksWhatNoRunReaches)
{
    CheckRuleCases(
        "MatchStretches",
        {
            {"????#?????#???", {2, 2}, "...?#?...?#?.."},
            {"?#??????#?", {3, 2}, "?#??...?#?"},
            // Two stretches close enough for one run: give up.
            {"??#?#?????", {3, 1}, "??#?#?????"},
            // Fewer stretches than clues: give up.
            {"????#?????", {1, 1}, "????#?????"},
        },
        [](LineSolver& solver) { solver.MatchStretches(); }, false);
}

TEST(SettleEdgeCell, EdgeCellAndStretchTooLongForTheSecondClue)
{
    CheckRuleCases(
        "SettleEdgeCell",
        {
            // A filled cell one clue length from an undecided
            // edge: the edge is blank.
            {"???#??????", {3, 3}, ".??#??????"},
            // A closed stretch too long for the second clue
            // belongs to the first.
            {"??##.?????", {4, 1}, "####.?????"},
            {".?##.????", {3, 1}, ".###.????"},
            // The first situation wins when both apply.
            {"????##.??????", {4, 1}, ".???##.??????"},
            // A stretch the second clue could hold: nothing.
            {"???#.???????", {4, 1}, "???#.???????"},
        },
        [](LineSolver& solver) { solver.SettleEdgeCell(); }, true);
}

TEST(ScanSegments, SegmentsTooShortOrSizedForOneClue)
{
    CheckRuleCases(
        "ScanSegments",
        {
            // Too short for the smallest clue, nothing filled.
            {"??.??????.?", {3, 3}, "...??????.."},
            // The largest clue fills a segment of its length.
            {"?##?.???????", {4, 1}, "####.???????"},
            // Only a smallest clue fits, and its stretch is done.
            {"??.?#??.??????????", {1, 5, 1}, "??.?#??.??????????"},
            {"????.##??.?????????", {2, 5}, "????.##...?????????"},
            // Two stretches that only the 5 can hold together.
            {".##?##??.??????", {5, 1, 2}, ".#####??.??????"},
            // ... but a 3 and a 1 may hold these two apart (a mend).
            {"?.???????.???#?#.???.??????.???.????????#?",
             {3, 3, 1, 3, 3, 1, 3},
             "?.???????.???#?#.???.??????.???.????????#?"},
        },
        [](LineSolver& solver) { solver.ScanSegments(); }, false);
}

// ---- Mends ----------------------------------------------------------------------

// Lines on which a rule as first written decided a cell that is not forced.
// Each must now leave every decided cell forced.
TEST(Mends, TheRulesNoLongerDecideUnforcedCellsOnTheseLines)
{
    struct Case {
        const char* rule;
        std::string cells;
        std::vector<int> clues;
    };
    const Case cases[] = {
        // Two stretches of a segment taken for one run: the end of a 3 and
        // a 1 fit too.
        {"ScanSegments", "?.???????.???#?#.???.??????.???.????????#?", {3, 3, 1, 3, 3, 1, 3}},
    };
    for (const Case& c : cases) {
        OneLine line(c.cells, c.clues);
        const LineVerdict verdict = SolveLineCompletely(ParseLine(c.cells), c.clues);
        ASSERT_TRUE(verdict.consistent) << c.cells;
        line.RunPipeline();
        const std::vector<int> after = ParseLine(line.Text());
        const std::vector<int> before = ParseLine(c.cells);
        for (size_t p = 0; p < after.size(); ++p) {
            if (after[p] != before[p]) {
                EXPECT_EQ(after[p], verdict.forced[p])
                    << c.rule << ": position " << p + 1 << " of " << c.cells << " -> " << line.Text();
            }
        }
    }
}

TEST(CompleteLine, AlreadyMarkedLinesAreNeverTouched)
{
    OneLine line("?????", {5});
    line.model->RowRuns[1][0] += LineSolver::kCompleteMarker;
    line.RunPipeline();
    EXPECT_EQ(line.Text(), "?????");
    EXPECT_EQ(line.model->RowRuns[1][0], 1 + LineSolver::kCompleteMarker);
    EXPECT_EQ(line.solver.LineClues[1][0], 1 + LineSolver::kCompleteMarker) << "copied with its marker";
}

} // namespace
} // namespace velin::testing

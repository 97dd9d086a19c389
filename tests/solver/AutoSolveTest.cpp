// The solver driver: passes, cycles, what it asks of its host, and stops.
#include "solver/AutoSolve.h"
#include "support/SolverTestSupport.h"

#include <gtest/gtest.h>

namespace velin::testing {
namespace {

struct Puzzle {
    std::unique_ptr<BoardModel> model = std::make_unique<BoardModel>();
    int rows = 0;
    int columns = 0;
};

// A puzzle from its row and column clues.
Puzzle MakePuzzle(const std::vector<std::vector<int>>& rowClues, const std::vector<std::vector<int>>& columnClues)
{
    Puzzle puzzle;
    puzzle.rows = static_cast<int>(rowClues.size());
    puzzle.columns = static_cast<int>(columnClues.size());
    for (int r = 1; r <= puzzle.rows; ++r)
        PutClues(puzzle.model->RowRuns, r, rowClues[r - 1]);
    for (int c = 1; c <= puzzle.columns; ++c)
        PutClues(puzzle.model->ColumnRuns, c, columnClues[c - 1]);
    return puzzle;
}

Puzzle MakePuzzle(const std::vector<std::string>& picture)
{
    Picture p;
    p.rows = static_cast<int>(picture.size());
    p.columns = static_cast<int>(picture[0].size());
    for (int r = 1; r <= p.rows; ++r)
        for (int c = 1; c <= p.columns; ++c)
            p.cells[r][c] = picture[r - 1][c - 1] == '#' ? 2 : 1;
    Puzzle puzzle;
    puzzle.rows = p.rows;
    puzzle.columns = p.columns;
    puzzle.model = p.MakeBoard();
    return puzzle;
}

std::string RowText(const Puzzle& puzzle, int row)
{
    std::string text;
    for (int c = 1; c <= puzzle.columns; ++c)
        text += "?.#"[puzzle.model->Board[row][c]];
    return text;
}

TEST(AutoSolve, OneByOnePuzzleEndsAfterOneCycle)
{
    Puzzle puzzle = MakePuzzle({{1}}, {{1}});
    RecordingHost host;
    const SolveOutcome outcome = AutoSolve(*puzzle.model, 1, 1, host);
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(outcome.cycles, 1);
    EXPECT_EQ(outcome.cellsDecided, 1);
    EXPECT_EQ(puzzle.model->Board[1][1], 2);
    EXPECT_EQ(puzzle.model->RowRuns[1][0], 51);
    EXPECT_EQ(puzzle.model->ColumnRuns[1][0], 51);
    // The timer (0.0) never differs from the refresh second: no repaint.
    const std::vector<std::string> expected = {"menus off", "blink off", "start time", "time",
                                               "cell",      "time",      "menus on"};
    EXPECT_EQ(host.log, expected);
}

TEST(AutoSolve, AllLinesCompleteAtTheStartRunOnePassEachAndTouchNothing)
{
    Puzzle puzzle = MakePuzzle({{2}, {1}, {1}}, {{3}, {1}});
    for (int r = 1; r <= 3; ++r)
        puzzle.model->RowRuns[r][0] += 50;
    for (int c = 1; c <= 2; ++c)
        puzzle.model->ColumnRuns[c][0] += 50;
    RecordingHost host;
    const SolveOutcome outcome = AutoSolve(*puzzle.model, 3, 2, host);
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(outcome.cycles, 1);
    EXPECT_EQ(outcome.cellsDecided, 0);
    EXPECT_EQ(host.Count("time"), 5) << "the clock is shown before every line, skipped ones too";
    EXPECT_EQ(host.Count("refresh"), 0) << "only processed lines repaint";
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(RowText(puzzle, r), "??");
    EXPECT_EQ(puzzle.model->RowRuns[1][0], 51) << "markers are added once";
}

TEST(AutoSolve, StartsWithMenusOffBlinkOffAndTheStartSecond)
{
    Puzzle puzzle = MakePuzzle({"#"});
    RecordingHost host;
    host.timer = 3600.6;
    AutoSolve(*puzzle.model, puzzle.rows, puzzle.columns, host);
    ASSERT_GE(host.log.size(), 3u);
    EXPECT_EQ(host.log[0], "menus off");
    EXPECT_EQ(host.log[1], "blink off");
    EXPECT_EQ(host.log[2], "start time");
    EXPECT_EQ(host.startTime, 3601);
}

TEST(AutoSolve, EventsEveryFourthLineTimeBeforeEachLineRefreshBeforeFinishing)
{
    // 9 rows and 5 columns: events at rows 4 and 8 and at column 4. Each row
    // has one clue, so the rows pass never reaches the pattern rules (which
    // show the time again).
    Puzzle puzzle = MakePuzzle({".#...", "##...", "#####", ".....", "..###", "....#", "###..", ".#...", "..##."});
    RecordingHost host;
    host.timer = 100.25; // a fraction: every processed line repaints
    const SolveOutcome outcome = AutoSolve(*puzzle.model, puzzle.rows, puzzle.columns, host);
    // Within the first rows pass: time, (events every 4th), rules, refresh.
    std::vector<std::string> firstPass;
    int lines = 0;
    for (const std::string& entry : host.log) {
        if (entry == "time")
            ++lines;
        if (lines > 9)
            break;
        if (entry != "cell")
            firstPass.push_back(entry);
    }
    std::vector<std::string> expected = {"menus off", "blink off", "start time"};
    for (int row = 1; row <= 9; ++row) {
        if (row % 4 == 0)
            expected.push_back("events");
        expected.push_back("time");
        expected.push_back("refresh");
    }
    EXPECT_EQ(firstPass, expected);
    // Rows 4 and 8 and column 4 in every cycle.
    EXPECT_EQ(host.Count("events"), outcome.cycles * 3);
}

TEST(AutoSolve, NoRefreshWhileTheTimerStaysOnTheLastRefreshSecond)
{
    Puzzle puzzle = MakePuzzle({"###", "#..", "#.."});
    RecordingHost host;
    host.timer = 500.0;
    AutoSolve(*puzzle.model, puzzle.rows, puzzle.columns, host);
    EXPECT_EQ(host.Count("refresh"), 0);
}

TEST(AutoSolve, StopEndsTheRunAfterTheLineInHandKeepingCellsAndMarkers)
{
    // Every row is solved by its own clue, so each processed row is decided
    // and marked complete; the stop arrives with the events before row 4.
    Puzzle puzzle = MakePuzzle({"###", "...", "#.#", "###", "#.#", "..."});
    RecordingHost host;
    host.stopAtEvents = 1;
    const SolveOutcome outcome = AutoSolve(*puzzle.model, puzzle.rows, puzzle.columns, host);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.cycles, 1);
    EXPECT_EQ(RowText(puzzle, 1), "###");
    EXPECT_EQ(RowText(puzzle, 4), "###") << "the line in hand is finished";
    EXPECT_EQ(RowText(puzzle, 5), "???") << "later lines are not touched";
    EXPECT_EQ(puzzle.model->RowRuns[1][0], 51);
    EXPECT_EQ(puzzle.model->RowRuns[4][0], 51);
    EXPECT_EQ(puzzle.model->RowRuns[5][0], 2);
    EXPECT_EQ(host.log.back(), "menus on");
    EXPECT_EQ(host.Count("menus on"), 1);

    // Running again goes on from there.
    RecordingHost again;
    const SolveOutcome rest = AutoSolve(*puzzle.model, puzzle.rows, puzzle.columns, again);
    EXPECT_FALSE(rest.stopped);
    EXPECT_EQ(RowText(puzzle, 5), "#.#");
    EXPECT_TRUE(AllLinesComplete(*puzzle.model, puzzle.rows, puzzle.columns));
}

TEST(AutoSolve, ASmallPuzzleThatNeedsGuessingStillHearsTheStop)
{
    // Two rows and two columns: no fourth line, so the events come once a cycle.
    Puzzle puzzle = MakePuzzle({{1}, {1}}, {{1}, {1}});
    RecordingHost host;
    host.stopAtEvents = 1;
    const SolveOutcome outcome = AutoSolve(*puzzle.model, 2, 2, host);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.cycles, 1);
}

TEST(AutoSolve, APuzzleThatNeedsGuessingCyclesUntilStopped)
{
    // Two solutions (the diagonals): no line can be advanced.
    Puzzle puzzle = MakePuzzle({{1}, {1}}, {{1}, {1}});
    RecordingHost host;
    host.stopAfterCycles = 25;
    const SolveOutcome outcome = AutoSolve(*puzzle.model, 2, 2, host);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.cycles, 25);
    EXPECT_EQ(outcome.cellsDecided, 0);
    EXPECT_EQ(host.Count("time"), 25 * 4) << "the clock keeps running";
    EXPECT_EQ(host.Count("menus on"), 1);

    // A headless host may stop a cycle that decided nothing.
    Puzzle again = MakePuzzle({{1}, {1}}, {{1}, {1}});
    HeadlessHost headless(/*stopWhenStalled=*/true);
    const SolveOutcome stalled = AutoSolve(*again.model, 2, 2, headless);
    EXPECT_TRUE(stalled.stopped);
    EXPECT_TRUE(headless.Stalled());
    EXPECT_EQ(stalled.cycles, 1);
}

TEST(AutoSolve, APuzzleFinishedInTheRowsPassStillRunsItsColumnsPass)
{
    Puzzle puzzle = MakePuzzle({"##", "##"});
    RecordingHost host;
    const SolveOutcome outcome = AutoSolve(*puzzle.model, 2, 2, host);
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(outcome.cycles, 1);
    EXPECT_EQ(host.Count("time"), 4);
    EXPECT_EQ(puzzle.model->ColumnRuns[1][0], 51);
    EXPECT_EQ(puzzle.model->ColumnRuns[2][0], 51);
}

TEST(AutoSolve, DecidedCellsAreRespected)
{
    Puzzle puzzle = MakePuzzle({{1}, {1}}, {{1}, {1}});
    puzzle.model->Board[1][1] = 2; // picks one of the two solutions
    HeadlessHost host(/*stopWhenStalled=*/true);
    const SolveOutcome outcome = AutoSolve(*puzzle.model, 2, 2, host);
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(RowText(puzzle, 1), "#.");
    EXPECT_EQ(RowText(puzzle, 2), ".#");
    EXPECT_EQ(outcome.cellsDecided, 3);
    EXPECT_EQ(host.DecidedCells(), 3);
}

} // namespace
} // namespace velin::testing

#pragma once
// Boards for the solver tests: a single line written as text ("#" filled,
// "." blank, "?" undecided), random pictures with their clues, and a host
// that records what the driver asks of it.
#include "board/BoardModel.h"
#include "solver/HeadlessHost.h"
#include "solver/LineSolver.h"
#include "solver/SolverHost.h"

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace velin::testing {

// Writes clues into (line, 0..n) of a RowRuns / ColumnRuns style grid.
void PutClues(Grid61& runs, int line, const std::vector<int>& clues);
std::vector<int> CluesOf(const Grid61& runs, int line);

// One line as the only row of a 1 x n board, with a solver on it.
class OneLine {
public:
    OneLine(const std::string& cells, const std::vector<int>& clues);
    // Copies the clues and makes row 1 the current line, ready for a rule.
    LineSolver& Begin();
    // The whole line pipeline of the rows pass: the rules and FinishLine.
    void RunPipeline();
    std::string Text() const;
    bool MarkedComplete() const { return model->RowRuns[1][0] >= LineSolver::kCompleteMarker; }

    std::unique_ptr<BoardModel> model;
    HeadlessHost host;
    LineSolver solver;
};

// A picture of rows x columns (codes 1 blank, 2 filled), indexed [r][c]
// from 1 like the board.
struct Picture {
    int rows = 0;
    int columns = 0;
    Grid61 cells{};

    std::vector<int> Row(int r) const;
    std::vector<int> Column(int c) const;
    // The puzzle of this picture: clues in RowRuns / ColumnRuns (and
    // RowClues / ColumnClues), every cell undecided.
    std::unique_ptr<BoardModel> MakeBoard() const;
};

// Random pictures whose rows are made of runs and gaps of random lengths,
// so that both short and long clues occur. Sizes are inclusive ranges.
Picture RandomPicture(std::mt19937& random, int minRows, int maxRows, int minColumns, int maxColumns);

// A host that records the driver's calls in order, as short words
// ("events", "time", "refresh", "menus off", ...), and decides when a stop
// is requested.
class RecordingHost : public SolverHost {
public:
    void CellDecided(int row, int column, int16_t code) override;
    void ShowPlayTime() override { log.push_back("time"); }
    void ProcessEvents() override;
    void Refresh() override { log.push_back("refresh"); }
    double Timer() const override { return timer; }
    bool StopRequested() const override { return stop; }
    void DisableSolveMenus() override { log.push_back("menus off"); }
    void EnableSolveMenus() override { log.push_back("menus on"); }
    void ResetClockBlink() override { log.push_back("blink off"); }
    void SetSolveStartTime(int32_t seconds) override
    {
        startTime = seconds;
        log.push_back("start time");
    }
    void CycleFinished(int cellsDecided) override;

    int Count(const std::string& word) const;

    std::vector<std::string> log;
    double timer = 0.0;
    bool stop = false;
    int32_t startTime = -1;
    int decided = 0;
    // Requests a stop at the given call of ProcessEvents (1-based; 0 never).
    int stopAtEvents = 0;
    int eventsSeen = 0;
    // Requests a stop after this many unfinished cycles, so that a puzzle
    // the rules cannot finish does not hang a test.
    int stopAfterCycles = 200;
    int cyclesSeen = 0;
};

} // namespace velin::testing

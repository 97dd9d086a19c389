#pragma once
// The solver driver: solves the loaded puzzle by line logic, all rows, then
// all columns, cycle after cycle, until every line is complete or the host
// reports a stop request. It never ends on its own otherwise: a puzzle that
// needs guessing keeps cycling, with the clock and the window alive, until
// the user stops it (or a headless host stops a cycle that decided nothing).
#include "board/BoardModel.h"
#include "solver/LineSolver.h"

#include <cstdint>

namespace velin {

class SolverHost;
class MarkObserver;

struct SolveOptions {
    // Sees every mark with the rule that made it; tests only.
    MarkObserver* observer = nullptr;
    // The rule families that run; tests switch families off one at a time.
    uint64_t families = LineSolver::AllFamilies();
    // Off: the plain path, every rule on every visit (LineSolver::
    // SetSkipFruitlessVisits), for the equivalence test and the benchmark.
    bool skipFruitlessVisits = true;
};

struct SolveOutcome {
    // The run ended on a stop request rather than with every line complete.
    bool stopped = false;
    // Rows-and-columns cycles begun, the one a stop interrupted included.
    int cycles = 0;
    // Cells the run decided.
    int cellsDecided = 0;
    // Visits to open lines, and those of them that skipped the pattern
    // groups because no rule could decide a cell.
    int lineVisits = 0;
    int visitsSkipped = 0;
};

// Solves the board of `model` (rowCount x columnCount, each 1..60). Decided
// cells are kept, lines whose count in RowRuns / ColumnRuns is 50 or more are
// taken as complete, and completed lines get +50 there.
SolveOutcome AutoSolve(BoardModel& model, int rowCount, int columnCount, SolverHost& host,
                       const SolveOptions& options = {});

// True when every row and column carries the completion marker.
bool AllLinesComplete(const BoardModel& model, int rowCount, int columnCount);

} // namespace velin

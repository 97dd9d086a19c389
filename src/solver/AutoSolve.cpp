#include "solver/AutoSolve.h"

#include "solver/SolverHost.h"

#include <algorithm>
#include <cmath>

namespace velin {

namespace {

int32_t WholeSeconds(double timer)
{
    return static_cast<int32_t>(std::lround(timer));
}

// One pass over every line of the current direction. Returns true when a stop
// was requested; the pass then ends after the line it was working on.
bool SolveLines(LineSolver& solver, SolverHost& host, int32_t& lastRefreshSecond, int& visits)
{
    for (int line = 1; line <= solver.PassLines(); ++line) {
        // Every fourth line the window gets to run its events: Stop, the
        // timers and painting.
        if (line % 4 == 0)
            host.ProcessEvents();
        host.ShowPlayTime();
        if (!solver.LineMarkedComplete(line)) {
            ++visits;
            solver.RunLineRules(line);
            // The timer carries a fraction, so this repaints after nearly
            // every line and the user watches the picture grow.
            const double now = host.Timer();
            if (now != lastRefreshSecond) {
                lastRefreshSecond = WholeSeconds(now);
                host.Refresh();
            }
            solver.FinishLine();
        }
        if (host.StopRequested())
            return true;
    }
    return false;
}

} // namespace

bool AllLinesComplete(const BoardModel& model, int rowCount, int columnCount)
{
    for (int row = 1; row <= rowCount; ++row)
        if (model.RowRuns[row][0] < LineSolver::kCompleteMarker)
            return false;
    for (int column = 1; column <= columnCount; ++column)
        if (model.ColumnRuns[column][0] < LineSolver::kCompleteMarker)
            return false;
    return true;
}

SolveOutcome AutoSolve(BoardModel& model, int rowCount, int columnCount, SolverHost& host, const SolveOptions& options)
{
    rowCount = std::clamp(rowCount, 0, kMaxLine);
    columnCount = std::clamp(columnCount, 0, kMaxLine);

    // All the run's state lives here, in fixed arrays: nothing is allocated
    // while the lines are solved.
    LineSolver solver(model, rowCount, columnCount, host);
    solver.SetObserver(options.observer);
    solver.SetEnabledFamilies(options.families);
    solver.SetSkipFruitlessVisits(options.skipFruitlessVisits);

    host.DisableSolveMenus();
    host.ResetClockBlink();
    int32_t lastRefreshSecond = WholeSeconds(host.Timer());
    host.SetSolveStartTime(WholeSeconds(host.Timer()));

    SolveOutcome outcome;
    for (;;) {
        ++outcome.cycles;
        const int decidedBefore = solver.CellsDecided();
        for (int pass : {LineSolver::kRowsPass, LineSolver::kColumnsPass}) {
            solver.BeginPass(pass);
            if (SolveLines(solver, host, lastRefreshSecond, outcome.lineVisits)) {
                outcome.stopped = true;
                outcome.cellsDecided = solver.CellsDecided();
                outcome.visitsSkipped = solver.VisitsSkipped();
                host.EnableSolveMenus();
                return outcome;
            }
        }
        // Only a complete columns pass can end the run, so a puzzle finished
        // during the rows pass still sees its (complete) columns once.
        if (AllLinesComplete(model, rowCount, columnCount))
            break;
        // A puzzle of fewer than four rows and four columns never reaches
        // the events of every fourth line; without these its Stop could
        // never arrive while it cycles.
        if (rowCount < 4 && columnCount < 4)
            host.ProcessEvents();
        host.CycleFinished(solver.CellsDecided() - decidedBefore);
        if (host.StopRequested()) {
            outcome.stopped = true;
            outcome.cellsDecided = solver.CellsDecided();
            outcome.visitsSkipped = solver.VisitsSkipped();
            host.EnableSolveMenus();
            return outcome;
        }
    }
    outcome.cellsDecided = solver.CellsDecided();
    outcome.visitsSkipped = solver.VisitsSkipped();
    host.EnableSolveMenus();
    return outcome;
}

} // namespace velin

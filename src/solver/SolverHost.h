#pragma once
// What the solver needs from whoever shows the board. The board form draws a
// green disc for every decided cell, keeps the clock and the menus, and lets
// window events run; the headless host (HeadlessHost.h) does none of that, so
// the same solver serves the game, the command-line checker and the tests.
#include <cstdint>

namespace velin {

class SolverHost {
public:
    virtual ~SolverHost() = default;

    // A rule has just decided the cell (row, column); the board already holds
    // the code (1 blank, 2 filled). The form draws the cell's disc here.
    virtual void CellDecided(int row, int column, int16_t code) = 0;

    // The elapsed-time display, refreshed before every line.
    virtual void ShowPlayTime() = 0;
    // Lets pending window events run (every fourth line), so Stop, the
    // clock and painting stay alive during a long run.
    virtual void ProcessEvents() = 0;
    // Repaints the board.
    virtual void Refresh() = 0;
    // Seconds since midnight, with fraction.
    virtual double Timer() const = 0;
    // True once the user asked the solver to stop (StopRequest = "Stop").
    virtual bool StopRequested() const = 0;

    // Start of a run: MenuFileOpen, MenuQuestionEntry, MenuQuestionMake and
    // MenuFilePrintForm are disabled.
    virtual void DisableSolveMenus() = 0;
    // End of a run, solved or stopped: MenuFileOpen, MenuQuestionEntry and
    // MenuQuestionMake are enabled again. MenuFilePrintForm is left to the
    // caller of the solver.
    virtual void EnableSolveMenus() = 0;
    // ClockBlink = "Off", so the clock prints afresh.
    virtual void ResetClockBlink() = 0;
    // SolveStartTime: whole seconds since midnight when the run started.
    virtual void SetSolveStartTime(int32_t seconds) = 0;

    // After every rows-and-columns cycle that left the puzzle unfinished,
    // with the number of cells that cycle decided. A host that wants a run
    // without progress to end (the command-line checker) requests a stop
    // here; the game's form ignores it and waits for the user's Stop.
    virtual void CycleFinished(int cellsDecided) { (void)cellsDecided; }
};

} // namespace velin

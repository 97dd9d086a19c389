#pragma once
// A solver host without a screen: it counts what the solver decides, never
// repaints and never lets events run. The command-line checker and the tests
// use it; with stopWhenStalled it ends a run after a whole rows-and-columns
// cycle that decided no cell, as a user would press Stop.
#include "solver/SolverHost.h"

namespace velin {

class HeadlessHost : public SolverHost {
public:
    explicit HeadlessHost(bool stopWhenStalled = false) : stopWhenStalled_(stopWhenStalled) {}

    void CellDecided(int row, int column, int16_t code) override;
    void ShowPlayTime() override {}
    void ProcessEvents() override {}
    void Refresh() override {}
    // A constant time, so the refresh test never fires.
    double Timer() const override { return 0.0; }
    bool StopRequested() const override { return stopRequested_; }
    void DisableSolveMenus() override {}
    void EnableSolveMenus() override {}
    void ResetClockBlink() override {}
    void SetSolveStartTime(int32_t) override {}
    void CycleFinished(int cellsDecided) override;

    void RequestStop() { stopRequested_ = true; }
    int FilledCells() const { return filled_; }
    int BlankedCells() const { return blanked_; }
    int DecidedCells() const { return filled_ + blanked_; }
    // True when the run was stopped because a cycle decided nothing.
    bool Stalled() const { return stalled_; }

private:
    bool stopWhenStalled_;
    bool stopRequested_ = false;
    bool stalled_ = false;
    int filled_ = 0;
    int blanked_ = 0;
};

} // namespace velin

#include "solver/HeadlessHost.h"

#include "app/Shared.h"

namespace velin {

void HeadlessHost::CellDecided(int, int, int16_t code)
{
    if (code == kFilled)
        ++filled_;
    else
        ++blanked_;
}

void HeadlessHost::CycleFinished(int cellsDecided)
{
    if (stopWhenStalled_ && cellsDecided == 0) {
        stalled_ = true;
        stopRequested_ = true;
    }
}

} // namespace velin

#pragma once
// Complete line logic on one line held as bit masks: a cell is forced when
// every placement of the clue that agrees with the decided cells gives it the
// same value. Bit i stands for cell i (0-based) of a line of at most 60
// cells. The work is a few dozen word operations per clue number, so the
// search can run it millions of times; it allocates nothing.
#include <cstdint>

namespace velin::search {

inline constexpr int kMaxLineCells = 60;
inline constexpr int kMaxClueNumbers = kMaxLineCells / 2 + 1;

struct LineClue {
    // Run lengths in order, each at least 1; an empty line has none.
    uint8_t length[kMaxClueNumbers] = {};
    int count = 0;
};

// The cells of a line of `cells` cells as a mask.
inline uint64_t LineMask(int cells)
{
    return cells >= 64 ? ~uint64_t{0} : (uint64_t{1} << cells) - 1;
}

// Decides the line: `filled` and `blank` are the decided cells on entry and
// on return (the forced cells added). False when no placement of the clue
// agrees with the decided cells; the masks are then left as they were.
bool SolveLineBits(const LineClue& clue, int cells, uint64_t& filled, uint64_t& blank);

} // namespace velin::search

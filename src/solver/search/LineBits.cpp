#include "solver/search/LineBits.h"

#include <bit>

namespace velin::search {

namespace {

// Positions run from 0 to cells + 1: cell `cells` is a blank that closes the
// line, so that every run can be followed by a blank, and position
// `cells + 1` means "past the end". Position p with j runs placed means
// "the first p cells hold runs 0..j-1, each followed by its blank".

// Every position reachable upwards from `from`, entering position q only
// when q is in `open` (Kogge-Stone fill: six shifts instead of a loop).
inline uint64_t FillUp(uint64_t from, uint64_t open)
{
    from |= open & (from << 1);
    open &= open << 1;
    from |= open & (from << 2);
    open &= open << 2;
    from |= open & (from << 4);
    open &= open << 4;
    from |= open & (from << 8);
    open &= open << 8;
    from |= open & (from << 16);
    open &= open << 16;
    from |= open & (from << 32);
    return from;
}

inline uint64_t FillDown(uint64_t from, uint64_t open)
{
    from |= open & (from >> 1);
    open &= open >> 1;
    from |= open & (from >> 2);
    open &= open >> 2;
    from |= open & (from >> 4);
    open &= open >> 4;
    from |= open & (from >> 8);
    open &= open >> 8;
    from |= open & (from >> 16);
    open &= open >> 16;
    from |= open & (from >> 32);
    return from;
}

// Positions p where bits p..p+length-1 of `bits` are all set.
inline uint64_t RunStarts(uint64_t bits, int length)
{
    int have = 1;
    while (have * 2 <= length) {
        bits &= bits >> have;
        have *= 2;
    }
    if (have < length)
        bits &= bits >> (length - have);
    return bits;
}

// Bits p..p+length-1 for every p in `starts`.
inline uint64_t Spread(uint64_t starts, int length)
{
    int have = 1;
    while (have * 2 <= length) {
        starts |= starts << have;
        have *= 2;
    }
    if (have < length)
        starts |= starts << (length - have);
    return starts;
}

} // namespace

namespace {

// A line with every cell decided: its runs must be the clue.
bool CheckComplete(const LineClue& clue, uint64_t filled)
{
    int j = 0;
    while (filled) {
        const int start = std::countr_zero(filled);
        const int length = std::countr_one(filled >> start);
        if (j == clue.count || clue.length[j] != length)
            return false;
        ++j;
        filled = length + start >= 64 ? 0 : filled & ~(LineMask(length) << start);
    }
    return j == clue.count;
}

} // namespace

bool SolveLineBits(const LineClue& clue, int cells, uint64_t& filled, uint64_t& blank)
{
    const int k = clue.count;
    const uint64_t inLine = LineMask(cells);
    if ((filled | blank) == inLine)
        return (filled & blank) == 0 && CheckComplete(clue, filled);
    // Cells that may still be blank, the closing blank included, and cells
    // that may still be filled.
    const uint64_t mayBlank = ~filled & LineMask(cells + 1);
    const uint64_t mayFill = ~blank & inLine;
    const uint64_t enterUp = mayBlank << 1;

    uint64_t place[kMaxClueNumbers];
    uint64_t forward[kMaxClueNumbers + 1];
    for (int j = 0; j < k; ++j)
        place[j] = RunStarts(mayFill, clue.length[j]) & (mayBlank >> clue.length[j]);

    forward[0] = FillUp(1, enterUp);
    for (int j = 0; j < k; ++j)
        forward[j + 1] = FillUp((forward[j] & place[j]) << (clue.length[j] + 1), enterUp);
    const uint64_t end = uint64_t{1} << (cells + 1);
    if (!(forward[k] & end))
        return false;

    uint64_t backward = FillDown(end, mayBlank); // runs k.. placed from position p on
    uint64_t canFill = 0;
    uint64_t canBlank = forward[k] & (backward >> 1) & mayBlank;
    for (int j = k - 1; j >= 0; --j) {
        const int length = clue.length[j];
        const uint64_t starts = forward[j] & place[j] & (backward >> (length + 1));
        canFill |= Spread(starts, length);
        canBlank |= starts << length;
        backward = FillDown((backward >> (length + 1)) & place[j], mayBlank);
        canBlank |= forward[j] & (backward >> 1) & mayBlank;
    }
    filled |= inLine & ~canBlank;
    blank |= inLine & ~canFill;
    return true;
}

} // namespace velin::search

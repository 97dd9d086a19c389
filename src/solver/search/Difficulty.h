#pragma once
// The difficulty (1 to 7) that imported puzzles get, from the work the
// analysis measured rather than from the size: how many sweeps of line logic
// the picture takes, whether probing is needed, whether only search decides.
#include "solver/search/Analysis.h"

namespace velin::search {

// Line logic finishes within this many sweeps: difficulty 1, 2, 3, 4; more
// sweeps: 5. Probing needed (no branching): 6. Branching, several pictures,
// no picture or no verdict within the budget: 7.
inline constexpr int kSweepLimits[] = {3, 6, 10, 16};

int DifficultyOf(const Analysis& analysis);

} // namespace velin::search

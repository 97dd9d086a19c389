#include "solver/search/Difficulty.h"

namespace velin::search {

int DifficultyOf(const Analysis& analysis)
{
    if (analysis.verdict != Verdict::Unique || !analysis.solvedWithoutSearch)
        return 7;
    if (!analysis.solvedByLines)
        return 6;
    int difficulty = 1;
    for (int limit : kSweepLimits) {
        if (analysis.lineCycles <= limit)
            return difficulty;
        ++difficulty;
    }
    return difficulty;
}

} // namespace velin::search

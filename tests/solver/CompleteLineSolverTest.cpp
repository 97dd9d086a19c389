// The tests' complete line solver against plain enumeration of every filling
// of short lines: the soundness tests are only as good as this oracle.
#include "support/CompleteLineSolver.h"

#include <gtest/gtest.h>

#include <random>

namespace velin::testing {
namespace {

LineVerdict Enumerate(const std::vector<int>& cells, const std::vector<int>& clues)
{
    const int n = static_cast<int>(cells.size());
    std::vector<int> target = clues.empty() ? std::vector<int>{0} : clues;
    LineVerdict verdict;
    verdict.forced.assign(n, 0);
    std::vector<int> seenFilled(n, 0), seenBlank(n, 0);
    for (int mask = 0; mask < (1 << n); ++mask) {
        std::vector<int> filling(n);
        bool agrees = true;
        for (int p = 0; p < n && agrees; ++p) {
            filling[p] = (mask >> p) & 1 ? 2 : 1;
            agrees = cells[p] == 0 || cells[p] == filling[p];
        }
        if (!agrees || RunsOf(filling) != target)
            continue;
        verdict.consistent = true;
        for (int p = 0; p < n; ++p)
            (filling[p] == 2 ? seenFilled : seenBlank)[p] = 1;
    }
    if (verdict.consistent)
        for (int p = 0; p < n; ++p)
            verdict.forced[p] = seenFilled[p] && !seenBlank[p] ? 2 : (seenBlank[p] && !seenFilled[p] ? 1 : 0);
    return verdict;
}

TEST(CompleteLineSolver, AgreesWithEnumerationOnShortLines)
{
    std::mt19937 random(5);
    for (int trial = 0; trial < 4000; ++trial) {
        const int n = std::uniform_int_distribution<int>(1, 11)(random);
        // Clues from a random filling (consistent) or at random (often not).
        std::vector<int> filling(n);
        for (int& code : filling)
            code = std::uniform_int_distribution<int>(1, 2)(random);
        std::vector<int> clues = RunsOf(filling);
        if (trial % 3 == 0) {
            clues.clear();
            const int count = std::uniform_int_distribution<int>(0, 3)(random);
            for (int k = 0; k < count; ++k)
                clues.push_back(std::uniform_int_distribution<int>(1, 4)(random));
        }
        std::vector<int> cells(n);
        for (int& code : cells)
            code = std::uniform_int_distribution<int>(0, 4)(random) <= 2
                       ? 0
                       : std::uniform_int_distribution<int>(1, 2)(random);
        const LineVerdict expected = Enumerate(cells, clues);
        const LineVerdict actual = SolveLineCompletely(cells, clues);
        ASSERT_EQ(actual.consistent, expected.consistent) << LineText(cells) << " " << ClueText(clues);
        if (expected.consistent) {
            ASSERT_EQ(LineText(actual.forced), LineText(expected.forced)) << LineText(cells) << " " << ClueText(clues);
        }
    }
}

} // namespace
} // namespace velin::testing

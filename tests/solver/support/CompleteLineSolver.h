#pragma once
// The complete line solver, as the solver tests use it: every cell that has
// the same value in all placements of the clues that agree with the cells
// already decided. It is the one that vouches for the default puzzles
// (tools/LineLogic.h), written apart from the game's rules; the soundness
// tests hold the game's solver against it.
#include <string>
#include <vector>

namespace velin::testing {

// Cell codes as on the board: 0 undecided, 1 blank, 2 filled.
struct LineVerdict {
    bool consistent = false;
    // Per position 0..n-1: 0 not forced, 1 forced blank, 2 forced filled.
    std::vector<int> forced;
};

// clues: the runs in order; {} or {0} for a line that stays empty.
LineVerdict SolveLineCompletely(const std::vector<int>& cells, const std::vector<int>& clues);

// The runs of a fully decided line; {0} when it has none.
std::vector<int> RunsOf(const std::vector<int>& cells);

// "#.?" text of a line, and "3 1 2" of a clue list, for failure messages.
std::string LineText(const std::vector<int>& cells);
std::string ClueText(const std::vector<int>& clues);
// Parses "#.?" text (any other character is undecided).
std::vector<int> ParseLine(const std::string& text);

} // namespace velin::testing

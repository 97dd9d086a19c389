#pragma once
// A complete line solver, used as a yardstick for the default puzzles: it
// decides every cell that all arrangements of a line's clue agree on, so when
// it stalls, no amount of reasoning about single lines can go further. The
// game's own solver is a different, rule-based one; this one only tells
// whether a picture is fair to the players who solve by line logic.
#include <cstdint>
#include <vector>

namespace velin::art {

enum class Cell : int8_t { Unknown, Blank, Filled };
using Clue = std::vector<int>;
using CellGrid = std::vector<std::vector<Cell>>; // [row][column]

// Decides every undecided cell of `line` that all placements of `clue`
// consistent with the decided cells agree on. False when no placement fits.
bool SolveLine(const Clue& clue, std::vector<Cell>& line);

// Applies SolveLine to every row and column until nothing changes. `grid`
// must be rows.size() x columns.size(). False on a contradiction.
bool SolveByLines(const std::vector<Clue>& rows, const std::vector<Clue>& columns, CellGrid& grid);

// True when no cell of the grid is undecided.
bool IsComplete(const CellGrid& grid);

// The number of pictures that fit the clues, counted up to `limit`: line
// logic first, then both values of an undecided cell in turn.
int CountSolutions(const std::vector<Clue>& rows, const std::vector<Clue>& columns, int limit);

} // namespace velin::art

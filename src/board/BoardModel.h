#pragma once
// The board model: 61 x 61 arrays indexed (row, column) or (line, k), 1-based
// in use, exactly as the game's procedures address them.
#include <array>
#include <cstdint>

namespace velin {

inline constexpr int kMaxLine = 60;

// Cell codes of the board.
inline constexpr int16_t kUndecided = 0;
inline constexpr int16_t kBlank = 1;
inline constexpr int16_t kFilled = 2;
using Grid61 = std::array<std::array<int16_t, kMaxLine + 1>, kMaxLine + 1>;

struct BoardModel {
    // 0 undecided, 1 marked blank, 2 filled.
    Grid61 Board{};
    // (line, 0) = how many numbers; (line, k) = the k-th number.
    Grid61 RowClues{};
    Grid61 ColumnClues{};
    // Working copies: the answer check writes the runs it finds here, and the
    // solver adds 50 to (line, 0) once it has completed the line.
    Grid61 RowRuns{};
    Grid61 ColumnRuns{};
    int16_t RowClueWidth = 0;
    int16_t ColumnClueDepth = 0;

    // Sets every cell of rows 0..rows and columns 0..columns undecided.
    void ClearCells(int rows, int columns)
    {
        for (int r = 0; r <= rows && r <= kMaxLine; ++r)
            for (int c = 0; c <= columns && c <= kMaxLine; ++c)
                Board[r][c] = 0;
    }
};

}  // namespace velin

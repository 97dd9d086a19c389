#include "LineLogic.h"

#include <cstddef>

namespace velin::art {

namespace {

// Two passes of dynamic programming over a line padded with one blank cell,
// so that every run is followed by a blank:
//   before[i][j]: cells [0, i) can hold runs 0..j-1 and end blank (or i == 0);
//   after[i][j]:  cells [i, n) can hold runs j..k-1.
// A cell may be blank when some j joins a "before" ending on it with an
// "after" starting behind it; it may be filled when some run placement that
// covers it fits both sides. Cost O(n * k) tables plus O(n * k) placements.
struct LineTables {
    int n = 0;
    int k = 0;
    std::vector<char> canBlank;
    std::vector<int> blanksBefore; // decided blanks in [0, i)
    std::vector<std::vector<char>> before;
    std::vector<std::vector<char>> after;

    bool Fillable(int from, int to) const { return blanksBefore[to] - blanksBefore[from] == 0; }
    // Run j placed on [start, start + len) with the blank behind it.
    bool Fits(const Clue& clue, int j, int start) const
    {
        const int end = start + clue[j];
        return end < n && Fillable(start, end) && canBlank[end];
    }
};

} // namespace

bool SolveLine(const Clue& clue, std::vector<Cell>& line)
{
    LineTables t;
    t.n = static_cast<int>(line.size()) + 1;
    t.k = static_cast<int>(clue.size());
    t.canBlank.assign(t.n, 1);
    t.blanksBefore.assign(t.n + 1, 0);
    for (int i = 0; i < t.n; ++i) {
        const Cell c = i < t.n - 1 ? line[i] : Cell::Blank;
        t.canBlank[i] = c != Cell::Filled;
        t.blanksBefore[i + 1] = t.blanksBefore[i] + (c == Cell::Blank ? 1 : 0);
    }
    for (int len : clue)
        if (len <= 0)
            return false;

    t.before.assign(t.n + 1, std::vector<char>(t.k + 1, 0));
    t.before[0][0] = 1;
    for (int i = 0; i < t.n; ++i)
        for (int j = 0; j <= t.k; ++j) {
            if (!t.before[i][j])
                continue;
            if (t.canBlank[i])
                t.before[i + 1][j] = 1;
            if (j < t.k && t.Fits(clue, j, i))
                t.before[i + clue[j] + 1][j + 1] = 1;
        }
    t.after.assign(t.n + 1, std::vector<char>(t.k + 1, 0));
    t.after[t.n][t.k] = 1;
    for (int i = t.n - 1; i >= 0; --i)
        for (int j = t.k; j >= 0; --j) {
            bool ok = t.canBlank[i] && t.after[i + 1][j];
            if (!ok && j < t.k && t.Fits(clue, j, i))
                ok = t.after[i + clue[j] + 1][j + 1];
            t.after[i][j] = ok;
        }
    if (!t.after[0][0])
        return false;

    const int cells = t.n - 1;
    std::vector<int> cover(t.n + 1, 0);
    for (int j = 0; j < t.k; ++j)
        for (int s = 0; s + clue[j] < t.n; ++s)
            if (t.before[s][j] && t.Fits(clue, j, s) && t.after[s + clue[j] + 1][j + 1]) {
                ++cover[s];
                --cover[s + clue[j]];
            }
    int covered = 0;
    for (int c = 0; c < cells; ++c) {
        covered += cover[c];
        bool mayBlank = false;
        if (t.canBlank[c])
            for (int j = 0; j <= t.k && !mayBlank; ++j)
                mayBlank = t.before[c + 1][j] && t.after[c + 1][j];
        const bool mayFill = covered > 0;
        if (!mayBlank && !mayFill)
            return false;
        if (mayFill != mayBlank)
            line[c] = mayFill ? Cell::Filled : Cell::Blank;
    }
    return true;
}

bool SolveByLines(const std::vector<Clue>& rows, const std::vector<Clue>& columns, CellGrid& grid)
{
    const std::size_t height = rows.size();
    const std::size_t width = columns.size();
    bool changed = true;
    std::vector<Cell> line;
    while (changed) {
        changed = false;
        for (std::size_t r = 0; r < height; ++r) {
            line = grid[r];
            if (!SolveLine(rows[r], line))
                return false;
            if (line != grid[r]) {
                grid[r] = line;
                changed = true;
            }
        }
        for (std::size_t c = 0; c < width; ++c) {
            line.resize(height);
            for (std::size_t r = 0; r < height; ++r)
                line[r] = grid[r][c];
            if (!SolveLine(columns[c], line))
                return false;
            for (std::size_t r = 0; r < height; ++r)
                if (grid[r][c] != line[r]) {
                    grid[r][c] = line[r];
                    changed = true;
                }
        }
    }
    return true;
}

bool IsComplete(const CellGrid& grid)
{
    for (const auto& row : grid)
        for (Cell c : row)
            if (c == Cell::Unknown)
                return false;
    return true;
}

namespace {

int Count(const std::vector<Clue>& rows, const std::vector<Clue>& columns, CellGrid grid, int limit)
{
    if (!SolveByLines(rows, columns, grid))
        return 0;
    for (std::size_t r = 0; r < grid.size(); ++r)
        for (std::size_t c = 0; c < grid[r].size(); ++c) {
            if (grid[r][c] != Cell::Unknown)
                continue;
            int found = 0;
            for (Cell trial : {Cell::Filled, Cell::Blank}) {
                CellGrid next = grid;
                next[r][c] = trial;
                found += Count(rows, columns, std::move(next), limit - found);
                if (found >= limit)
                    break;
            }
            return found;
        }
    return 1;
}

} // namespace

int CountSolutions(const std::vector<Clue>& rows, const std::vector<Clue>& columns, int limit)
{
    CellGrid grid(rows.size(), std::vector<Cell>(columns.size(), Cell::Unknown));
    return Count(rows, columns, std::move(grid), limit);
}

} // namespace velin::art

#include "board/ErrorCheck.h"

#include "app/Shared.h"

#include <algorithm>

namespace velin {

namespace {

using Line = std::array<int16_t, kMaxLine + 1>;

// The runs of one line; cell(i) gives the state of the i-th cell, 1-based.
// An undecided cell neither lengthens nor ends a run, so a run interrupted
// only by undecided cells counts as one.
template <typename CellAt> void FindRuns(int length, CellAt cell, Line& runs)
{
    runs.fill(0);
    int count = 0;
    int run = 0;
    for (int i = 1; i <= length; ++i) {
        const int16_t state = cell(i);
        if (state == kFilled)
            ++run;
        if ((state == kBlank || i == length) && run > 0) {
            if (count < kMaxLine)
                runs[++count] = static_cast<int16_t>(run);
            run = 0;
        }
    }
    runs[0] = static_cast<int16_t>(count);
}

// A clue of the single number 0 and a clue without numbers both mean an
// empty line.
bool Agrees(const Line& clue, const Line& runs)
{
    int clueCount = std::clamp<int>(clue[0], 0, kMaxLine);
    if (clueCount == 1 && clue[1] == 0)
        clueCount = 0;
    if (clueCount != runs[0])
        return false;
    for (int k = 1; k <= clueCount; ++k)
        if (clue[k] != runs[k])
            return false;
    return true;
}

} // namespace

QString LineLabel(int line)
{
    return (QStringLiteral(" ") + QString::number(line)).right(2);
}

ErrorCheckResult ErrorCheck(BoardModel& model, int rowCount, int columnCount)
{
    const int rows = std::clamp(rowCount, 0, kMaxLine);
    const int columns = std::clamp(columnCount, 0, kMaxLine);
    ErrorCheckResult result;
    for (int r = 1; r <= rows; ++r) {
        FindRuns(
            columns, [&](int c) { return model.Board[r][c]; }, model.RowRuns[r]);
        if (result.WrongRow.isEmpty() && !Agrees(model.RowClues[r], model.RowRuns[r]))
            result.WrongRow = LineLabel(r);
    }
    for (int c = 1; c <= columns; ++c) {
        FindRuns(
            rows, [&](int r) { return model.Board[r][c]; }, model.ColumnRuns[c]);
        if (result.WrongColumn.isEmpty() && !Agrees(model.ColumnClues[c], model.ColumnRuns[c]))
            result.WrongColumn = LineLabel(c);
    }
    return result;
}

} // namespace velin

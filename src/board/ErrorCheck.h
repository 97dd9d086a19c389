#pragma once
// The answer check: the runs of filled cells actually on the board, compared
// with the clues line by line. Used when a person has decided every cell and
// after every solver run of the batch check.
#include "board/BoardModel.h"

#include <QString>

namespace velin {

struct ErrorCheckResult {
    // The first row / column whose runs differ from its clue, as its label
    // (" 5", "12"); empty when every line agrees.
    QString WrongRow;
    QString WrongColumn;
    bool Correct() const { return WrongRow.isEmpty() && WrongColumn.isEmpty(); }
};

// Writes the runs found into RowRuns / ColumnRuns ((line, 0) = how many, the
// rest of the line cleared) for rows 1..rowCount and columns 1..columnCount,
// and reports the first row and the first column that disagree with their clue.
ErrorCheckResult ErrorCheck(BoardModel& model, int rowCount, int columnCount);

// The label of a line number: the last two characters of the number written
// with a leading blank (" 5" for 5, "12" for 12).
QString LineLabel(int line);

} // namespace velin

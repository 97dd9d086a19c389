#pragma once
// The clues of a picture drawn on the board: the runs of filled cells of
// every row and column, as the question writer takes them ("2/1", "0" for a
// line without a filled cell). The drawing job registers its question with
// them, and a question made from a drawing must read back with exactly these.
#include "authoring/QuestionWriter.h"
#include "board/BoardModel.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace velin::DrawingClues {

// The runs along row `row` (columns 1..columnCount) or column `column` (rows
// 1..rowCount). A filled cell lengthens the run, a blank cell or the line's
// end ends it; an undecided cell does neither (a drawing is registered only
// once every cell is decided).
std::vector<int> RowRuns(const BoardModel& model, int row, int columnCount);
std::vector<int> ColumnRuns(const BoardModel& model, int column, int rowCount);

// One clue line per row, top to bottom, and per column, left to right.
QStringList RowClues(const BoardModel& model, int rowCount, int columnCount);
QStringList ColumnClues(const BoardModel& model, int rowCount, int columnCount);

// The question file's values for the drawing: the texts as the registration
// stored them (hint with its "！", answer with its "でした。") and the clues
// of the board.
QuestionText Question(const BoardModel& model, int rowCount, int columnCount, const QString& title,
                      const QString& answer, const QString& comment, int difficulty);

} // namespace velin::DrawingClues

#include "authoring/DrawingClues.h"

namespace velin::DrawingClues {

namespace {

template <typename CellAt> std::vector<int> RunsAlong(int length, CellAt cellAt)
{
    std::vector<int> runs;
    int run = 0;
    for (int i = 1; i <= length; ++i) {
        const int16_t cell = cellAt(i);
        if (cell == kFilled)
            ++run;
        if (run > 0 && (cell == kBlank || i == length)) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

} // namespace

std::vector<int> RowRuns(const BoardModel& model, int row, int columnCount)
{
    return RunsAlong(columnCount, [&](int c) { return model.Board[row][c]; });
}

std::vector<int> ColumnRuns(const BoardModel& model, int column, int rowCount)
{
    return RunsAlong(rowCount, [&](int r) { return model.Board[r][column]; });
}

QStringList RowClues(const BoardModel& model, int rowCount, int columnCount)
{
    QStringList clues;
    for (int r = 1; r <= rowCount; ++r)
        clues << QuestionWriter::ClueText(RowRuns(model, r, columnCount));
    return clues;
}

QStringList ColumnClues(const BoardModel& model, int rowCount, int columnCount)
{
    QStringList clues;
    for (int c = 1; c <= columnCount; ++c)
        clues << QuestionWriter::ClueText(ColumnRuns(model, c, rowCount));
    return clues;
}

QuestionText Question(const BoardModel& model, int rowCount, int columnCount, const QString& title,
                      const QString& answer, const QString& comment, int difficulty)
{
    QuestionText question;
    question.Title = title;
    question.Answer = answer;
    question.Comment = comment;
    question.Difficulty = difficulty;
    question.RowClues = RowClues(model, rowCount, columnCount);
    question.ColumnClues = ColumnClues(model, rowCount, columnCount);
    return question;
}

} // namespace velin::DrawingClues

#pragma once
// The one writer of question files. The registration form, the drawing job,
// the importer and the data tools all write through it, so every file the
// game makes has the layout its reader expects: title, answer, comment (an
// empty line when there is none), difficulty, the two counts, one clue per
// row, then one per column; code page 932 with CR LF ends, replaced
// atomically.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace velin {

struct QuestionText {
    QString Title;   // line 1 as written (the registration form adds its "！")
    QString Answer;  // line 2 as written ("…でした。")
    QString Comment; // empty: the third line is left empty
    int Difficulty = 0;
    // Clue lines as they are written, numbers separated by "/" ("3/1/2").
    // Their numbers give the counts of rows and columns.
    QStringList RowClues;
    QStringList ColumnClues;
};

namespace QuestionWriter {

enum class Field { Title, Answer, Comment, RowClue, ColumnClue };

// A text the file cannot hold as it stands.
struct Unwritable {
    Field field = Field::Title;
    // The row or column (from 1) for a clue; 0 for the other fields.
    int line = 0;
    // The first character at fault: one the code page lacks (written, it
    // would come back as "?"), or a line break, which would shift every
    // later line of the file.
    QString character;
};

// The file's lines, in order, without their line ends.
QStringList Lines(const QuestionText& question);

// The first text that cannot be written as it stands, in file order.
std::optional<Unwritable> FindUnwritable(const QuestionText& question);

// The clue of a line from its runs, top to bottom or left to right: the
// numbers joined by "/", and "0" for a line without a filled cell.
QString ClueText(const std::vector<int>& runs);

// Writes the whole file, replacing any file at `path` atomically. False when
// a text is unwritable (nothing is written) or the write failed (an earlier
// file at `path` is left whole).
bool Write(const QString& path, const QuestionText& question);

} // namespace QuestionWriter

} // namespace velin

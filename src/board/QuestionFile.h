#pragma once
// The question file: title, answer, an optional comment, difficulty, the two
// counts and one clue per row and per column ("3/1/2"), code page 932 with
// CR LF ends. The reader validates everything before anything is taken over,
// so a damaged file never leaves half a question behind.
#include "board/BoardModel.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace velin {

struct QuestionValues;

struct QuestionData {
    QString Title;
    QString Answer;
    QString Comment; // "コメントはありません！" when the file has none
    int16_t Difficulty = 0;
    QString DifficultyMark;
    int16_t RowCount = 0;
    int16_t ColumnCount = 0;
    // Display texts: the file's "/" replaced by "･".
    std::array<QString, kMaxLine + 1> RowClueText;
    std::array<QString, kMaxLine + 1> ColumnClueText;
    int16_t RowClueWidth = 0;
    int16_t ColumnClueDepth = 0;
};

// The head of a question file (lines 1 to 4), as the file preview and the
// hint list read it.
struct QuestionHead {
    // What the third line turned out to be. The hint list and the preview
    // treat the comment differently: the hint list always sets one (`Comment`),
    // while the preview only resets the board's comment to "コメントはありません！"
    // when the third line was the difficulty line (NoCommentLine) and leaves
    // it alone in the other two cases.
    enum ThirdLineKind { EmptyLine, CommentLine, NoCommentLine };

    QString Title;
    QString Answer;
    QString Comment; // "コメントはありません！" when there is none
    ThirdLineKind ThirdLine = EmptyLine;
    QString DifficultyLine; // the difficulty line as it stands
    // The line's integer value; 0 (eight stars) when it is not an integer.
    int16_t Difficulty = 0;
    bool DifficultyIsNumber = false;
    QString DifficultyMark;
};

namespace QuestionFile {

inline const QString kNoComment = QStringLiteral("コメントはありません！");
// The separator of a clue in the file, and as it is displayed.
inline constexpr QChar kFileSeparator = u'/';
inline constexpr QChar kDisplaySeparator = QChar(0xFF65); // "･"
// Lines longer than this mean a damaged file; real lines are a few dozen characters.
inline constexpr qsizetype kMaxLineBytes = 8192;

// Both readers find the file ignoring the letter case of its name.
// Reads a whole question file; nullopt on any failure (missing file, early
// end, a difficulty or count that is not an integer, a count outside 1..60,
// a clue of more than 60 numbers or with a number longer than its line).
std::optional<QuestionData> Read(const QString& path);
// Reads lines 1 to 4 only; nullopt when the file cannot be opened or read.
std::optional<QuestionHead> ReadHead(const QString& path);
// "★" repeated for 1..7, eight stars for any other value.
QString DifficultyMarkOf(int difficulty);
// The comment rule for the third line: a comment when it is empty, or when it
// is at least two characters long and does not end with an ASCII digit.
bool IsCommentLine(const QString& thirdLine);
// The integer value of a number line, surrounding blanks ignored; nullopt when
// the line holds anything else or the value does not fit 16 bits.
std::optional<int16_t> IntegerOfLine(const QString& line);
// A clue line of the file as it is displayed: every "/" replaced by "･".
QString DisplayTextOf(const QString& fileLine);
// Parses a display clue text into clue(0) = count, clue(1..) = numbers;
// false when it holds more numbers than a line has room for or a number
// larger than the longest line (then `clue` is left as it was).
bool ParseClue(const QString& displayText, std::array<int16_t, kMaxLine + 1>& clue);
// Fills RowClues/RowRuns and ColumnClues/ColumnRuns (every entry; lines
// beyond the counts are cleared) and the model's RowClueWidth and
// ColumnClueDepth from the display texts; false, with the model untouched,
// when a clue cannot be parsed.
bool ParseClues(const QuestionData& question, BoardModel& model);
// Sets RowClueWidth and ColumnClueDepth from the display texts.
void MeasureClueTexts(QuestionData& question);
// Copies a question that was read (or made on the board) into the program-wide
// question values: title, answer, comment, difficulty and its mark, the counts
// and the clue texts.
void TakeOver(const QuestionData& question, QuestionValues& values);
// The question held by the program-wide values, for a job that sets them itself.
QuestionData FromValues(const QuestionValues& values);

} // namespace QuestionFile

} // namespace velin

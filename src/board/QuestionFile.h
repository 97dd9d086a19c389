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

struct QuestionData {
    QString Title;
    QString Answer;
    QString Comment;  // "コメントはありません！" when the file has none
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
    QString Title;
    QString Comment;         // "コメントはありません！" when there is none
    QString DifficultyLine;  // the difficulty line as it stands
    int16_t Difficulty = 0;
    QString DifficultyMark;
};

namespace QuestionFile {

inline const QString kNoComment = QStringLiteral("コメントはありません！");

// Reads a whole question file; nullopt on any failure.
std::optional<QuestionData> Read(const QString& path);
// Reads lines 1 to 4 only; nullopt when the file cannot be opened or read.
std::optional<QuestionHead> ReadHead(const QString& path);
// "★" repeated for 1..7, eight stars for any other value.
QString DifficultyMarkOf(int difficulty);
// Parses a display clue text into clue(0) = count, clue(1..) = numbers;
// false when it holds more numbers than a line has room for.
bool ParseClue(const QString& displayText, std::array<int16_t, kMaxLine + 1>& clue);
// Fills RowClues/RowRuns and ColumnClues/ColumnRuns from the display texts.
void ParseClues(const QuestionData& question, BoardModel& model);

}  // namespace QuestionFile

}  // namespace velin

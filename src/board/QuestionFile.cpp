#include "board/QuestionFile.h"

#include "app/Shared.h"
#include "platform/AnsiText.h"
#include "platform/Paths.h"

#include <algorithm>

namespace velin::QuestionFile {

namespace {

bool IsAsciiDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

bool IsBlank(QChar ch)
{
    return ch == u' ' || ch == u'\t';
}

// The numeric value of a clue accumulator: its leading digits after any
// blanks, 0 when there are none. Values past `limit` are reported as
// limit + 1 so that a run of a thousand digits cannot overflow anything.
int LeadingNumber(QStringView text, int limit)
{
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text.at(i)))
        ++i;
    int value = 0;
    for (; i < text.size() && IsAsciiDigit(text.at(i)); ++i) {
        value = value * 10 + (text.at(i).unicode() - u'0');
        if (value > limit)
            return limit + 1;
    }
    return value;
}

// The longest number a clue may hold: no line is longer than this.
constexpr int kMaxClueNumber = kMaxLine;

using Clue = std::array<int16_t, kMaxLine + 1>;

// True when every number of the clue fits a line of `length` cells.
bool FitsLine(const Clue& clue, int length)
{
    for (int k = 1; k <= clue[0]; ++k)
        if (clue[k] > length)
            return false;
    return true;
}

} // namespace

QString DifficultyMarkOf(int difficulty)
{
    const int stars = difficulty >= 1 && difficulty <= 7 ? difficulty : 8;
    return QString(stars, QChar(0x2605)); // "★"
}

bool IsCommentLine(const QString& thirdLine)
{
    if (thirdLine.isEmpty())
        return true;
    return thirdLine.size() >= 2 && !IsAsciiDigit(thirdLine.back());
}

std::optional<int16_t> IntegerOfLine(const QString& line)
{
    const QString text = line.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    if (i >= text.size())
        return std::nullopt;
    long value = 0;
    for (; i < text.size(); ++i) {
        if (!IsAsciiDigit(text.at(i)))
            return std::nullopt;
        value = value * 10 + (text.at(i).unicode() - u'0');
        if (value > 32768)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < INT16_MIN || value > INT16_MAX)
        return std::nullopt;
    return static_cast<int16_t>(value);
}

QString DisplayTextOf(const QString& fileLine)
{
    QString text = fileLine;
    text.replace(kFileSeparator, kDisplaySeparator);
    return text;
}

bool ParseClue(const QString& displayText, Clue& clue)
{
    // The walk the game has always used: a separator stores what has been
    // gathered since the previous one (0 when nothing), and the text's last
    // character closes the last number. So "3･･1" gives 3, 0, 1, a trailing
    // separator adds nothing and an empty text gives no numbers.
    Clue parsed{};
    int k = 1;
    const auto store = [&](QStringView gathered) {
        if (k > kMaxLine)
            return false;
        const int value = LeadingNumber(gathered, kMaxClueNumber);
        if (value > kMaxClueNumber)
            return false;
        parsed[k] = static_cast<int16_t>(value);
        ++k;
        return true;
    };
    const QStringView text(displayText);
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != kDisplaySeparator)
            continue;
        if (!store(text.sliced(from, i - from)))
            return false;
        from = i + 1;
    }
    if (from < text.size() && !store(text.sliced(from)))
        return false;
    parsed[0] = static_cast<int16_t>(k - 1);
    clue = parsed;
    return true;
}

void MeasureClueTexts(QuestionData& question)
{
    int width = 0;
    for (int r = 1; r <= question.RowCount && r <= kMaxLine; ++r)
        width = std::max<int>(width, question.RowClueText[r].size());
    int depth = 0;
    for (int c = 1; c <= question.ColumnCount && c <= kMaxLine; ++c)
        depth = std::max<int>(depth, question.ColumnClueText[c].count(kDisplaySeparator) + 1);
    question.RowClueWidth = static_cast<int16_t>(std::min(width, int{INT16_MAX}));
    question.ColumnClueDepth = static_cast<int16_t>(std::min(depth, int{INT16_MAX}));
}

bool ParseClues(const QuestionData& question, BoardModel& model)
{
    const int rows = std::clamp<int>(question.RowCount, 0, kMaxLine);
    const int columns = std::clamp<int>(question.ColumnCount, 0, kMaxLine);
    Grid61 rowClues{};
    Grid61 columnClues{};
    for (int r = 1; r <= rows; ++r)
        if (!ParseClue(question.RowClueText[r], rowClues[r]))
            return false;
    for (int c = 1; c <= columns; ++c)
        if (!ParseClue(question.ColumnClueText[c], columnClues[c]))
            return false;
    model.RowClues = rowClues;
    model.RowRuns = rowClues;
    model.ColumnClues = columnClues;
    model.ColumnRuns = columnClues;
    QuestionData measured;
    measured.RowCount = static_cast<int16_t>(rows);
    measured.ColumnCount = static_cast<int16_t>(columns);
    measured.RowClueText = question.RowClueText;
    measured.ColumnClueText = question.ColumnClueText;
    MeasureClueTexts(measured);
    model.RowClueWidth = measured.RowClueWidth;
    model.ColumnClueDepth = measured.ColumnClueDepth;
    return true;
}

std::optional<QuestionData> Read(const QString& path)
{
    // Names are matched ignoring letter case, as the question sets were made
    // on a system that does: a batch built as "NONO002.dat" finds "NONO002.DAT".
    AnsiReader reader(Paths::Resolve(path), kMaxLineBytes);
    if (!reader.IsOpen())
        return std::nullopt;

    QuestionData q;
    QString line;
    if (!reader.ReadLine(q.Title) || !reader.ReadLine(q.Answer) || !reader.ReadLine(line))
        return std::nullopt;

    // The comment line is optional: a third line that looks like a number is
    // already the difficulty.
    q.Comment = kNoComment;
    if (IsCommentLine(line)) {
        if (!line.isEmpty())
            q.Comment = line;
        if (!reader.ReadLine(line))
            return std::nullopt;
    }
    const auto difficulty = IntegerOfLine(line);
    if (!difficulty)
        return std::nullopt;
    q.Difficulty = *difficulty;
    q.DifficultyMark = DifficultyMarkOf(q.Difficulty);

    std::optional<int16_t> rows;
    std::optional<int16_t> columns;
    if (!reader.ReadLine(line) || !(rows = IntegerOfLine(line)))
        return std::nullopt;
    if (!reader.ReadLine(line) || !(columns = IntegerOfLine(line)))
        return std::nullopt;
    // The board holds 60 lines each way; a count of 0 or less would leave a
    // board without a cell, which the play and the solver cannot handle.
    if (*rows < 1 || *rows > kMaxLine || *columns < 1 || *columns > kMaxLine)
        return std::nullopt;
    q.RowCount = *rows;
    q.ColumnCount = *columns;

    // Each clue is checked as it is read, so that a clue the board cannot hold
    // (more than 60 numbers, or a run longer than its line) refuses the file
    // here instead of overrunning the arrays later. Nothing after the last
    // column clue is read.
    Clue clue{};
    for (int r = 1; r <= q.RowCount; ++r) {
        if (!reader.ReadLine(line))
            return std::nullopt;
        q.RowClueText[r] = DisplayTextOf(line);
        if (!ParseClue(q.RowClueText[r], clue) || !FitsLine(clue, q.ColumnCount))
            return std::nullopt;
    }
    for (int c = 1; c <= q.ColumnCount; ++c) {
        if (!reader.ReadLine(line))
            return std::nullopt;
        q.ColumnClueText[c] = DisplayTextOf(line);
        if (!ParseClue(q.ColumnClueText[c], clue) || !FitsLine(clue, q.RowCount))
            return std::nullopt;
    }
    MeasureClueTexts(q);
    return q;
}

std::optional<QuestionHead> ReadHead(const QString& path)
{
    AnsiReader reader(Paths::Resolve(path), kMaxLineBytes);
    if (!reader.IsOpen())
        return std::nullopt;

    QuestionHead head;
    QString line;
    if (!reader.ReadLine(head.Title) || !reader.ReadLine(head.Answer) || !reader.ReadLine(line))
        return std::nullopt;
    head.Comment = kNoComment;
    if (line.isEmpty()) {
        head.ThirdLine = QuestionHead::EmptyLine;
    } else if (IsCommentLine(line)) {
        head.ThirdLine = QuestionHead::CommentLine;
        head.Comment = line;
    } else {
        head.ThirdLine = QuestionHead::NoCommentLine;
    }
    if (head.ThirdLine != QuestionHead::NoCommentLine && !reader.ReadLine(line))
        return std::nullopt;
    head.DifficultyLine = line;
    const auto difficulty = IntegerOfLine(line);
    head.DifficultyIsNumber = difficulty.has_value();
    head.Difficulty = difficulty.value_or(0);
    head.DifficultyMark = DifficultyMarkOf(head.Difficulty);
    return head;
}

void TakeOver(const QuestionData& question, QuestionValues& values)
{
    values.QuestionTitle = question.Title;
    values.AnswerName = question.Answer;
    values.CommentText = question.Comment;
    values.Difficulty = question.Difficulty;
    values.DifficultyMark = question.DifficultyMark;
    values.RowCount = question.RowCount;
    values.ColumnCount = question.ColumnCount;
    values.RowClueText = question.RowClueText;
    values.ColumnClueText = question.ColumnClueText;
}

QuestionData FromValues(const QuestionValues& values)
{
    QuestionData q;
    q.Title = values.QuestionTitle;
    q.Answer = values.AnswerName;
    q.Comment = values.CommentText;
    q.Difficulty = values.Difficulty;
    q.DifficultyMark = values.DifficultyMark;
    q.RowCount = values.RowCount;
    q.ColumnCount = values.ColumnCount;
    q.RowClueText = values.RowClueText;
    q.ColumnClueText = values.ColumnClueText;
    MeasureClueTexts(q);
    return q;
}

} // namespace velin::QuestionFile

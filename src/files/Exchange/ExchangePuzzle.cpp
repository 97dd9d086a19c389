#include "files/Exchange/ExchangePuzzle.h"

#include "board/BoardModel.h"
#include "board/QuestionFile.h"
#include "platform/Paths.h"

#include <QFile>
#include <QFileInfo>

namespace velin::Exchange {

Format FormatOf(const QString& path, const QByteArray& head)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"non")
        return Format::Non;
    if (suffix == u"xml" || suffix == u"pbn")
        return Format::Xml;
    if (suffix == u"dat")
        return Format::Question;
    QByteArray start = head.trimmed();
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.mid(3).trimmed();
    return start.startsWith('<') ? Format::Xml : Format::Non;
}

std::vector<Puzzle> ReadQuestionFile(const QString& path)
{
    Puzzle puzzle;
    puzzle.source = path;
    puzzle.questionFile = true;
    const std::optional<QuestionData> question = QuestionFile::Read(path);
    const std::optional<QuestionHead> head = QuestionFile::ReadHead(path);
    BoardModel model;
    if (!question || !head || !QuestionFile::ParseClues(*question, model)) {
        puzzle.unreadable = QStringLiteral("not a question file the game can read");
        return {puzzle};
    }
    puzzle.title = question->Title;
    puzzle.answer = question->Answer;
    // The reader shows "コメントはありません！" for a file without a comment;
    // the copy keeps the third line as the file had it.
    puzzle.comment = head->ThirdLine == QuestionHead::CommentLine ? head->Comment : QString();
    puzzle.difficulty = question->Difficulty;
    puzzle.rows = question->RowCount;
    puzzle.columns = question->ColumnCount;
    const auto take = [](const Grid61& clues, int line) {
        std::vector<int> numbers;
        for (int k = 1; k <= clues[line][0]; ++k)
            numbers.push_back(clues[line][k]);
        if (numbers.size() == 1 && numbers[0] == 0)
            numbers.clear();
        return numbers;
    };
    for (int r = 1; r <= puzzle.rows; ++r)
        puzzle.rowClues.push_back(take(model.RowClues, r));
    for (int c = 1; c <= puzzle.columns; ++c)
        puzzle.columnClues.push_back(take(model.ColumnClues, c));
    return {puzzle};
}

std::vector<Puzzle> ReadPuzzles(const QString& path)
{
    const auto refuse = [&path](const QString& why) {
        Puzzle puzzle;
        puzzle.source = path;
        puzzle.unreadable = why;
        return std::vector<Puzzle>{puzzle};
    };
    const QFileInfo info(Paths::Resolve(path));
    if (!info.exists())
        return refuse(QStringLiteral("no such file"));
    // Only regular files: a FIFO or a device would block or never end.
    if (!info.isFile())
        return refuse(QStringLiteral("not a regular file"));
    if (info.size() > kMaxFileBytes)
        return refuse(QStringLiteral("larger than %1 MB").arg(kMaxFileBytes / (1024 * 1024)));
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("cannot be opened"));
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(QStringLiteral("cannot be read"));
    switch (FormatOf(path, bytes.left(64))) {
    case Format::Question: {
        std::vector<Puzzle> puzzles = ReadQuestionFile(info.filePath());
        puzzles.front().source = path;
        return puzzles;
    }
    case Format::Xml:
        return ParseXml(bytes, path);
    case Format::Non:
        break;
    }
    return ParseNon(bytes, path);
}

} // namespace velin::Exchange

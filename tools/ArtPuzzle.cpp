#include "ArtPuzzle.h"

#include "platform/AnsiText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

namespace velin::art {

namespace {

constexpr int kMaxSide = 60;
const QString kOpeningArt = QStringLiteral("opening.txt");

bool Fail(QString& error, const QString& message)
{
    error = message;
    return false;
}

bool ReadHeader(const QStringList& lines, qsizetype& next, ArtPuzzle& p, QString& error)
{
    static const QStringList kKeys = {QStringLiteral("file"),    QStringLiteral("title"),      QStringLiteral("answer"),
                                      QStringLiteral("comment"), QStringLiteral("difficulty"), QStringLiteral("logic")};
    QHash<QString, QString> values;
    for (next = 0; next < lines.size() && !lines[next].isEmpty(); ++next) {
        const QString& line = lines[next];
        const qsizetype colon = line.indexOf(u':');
        const QString key = line.left(colon).trimmed();
        if (colon < 0 || !kKeys.contains(key))
            return Fail(error,
                        QStringLiteral("line %1: expected one of \"%2: ...\"").arg(next + 1).arg(kKeys.join(u'/')));
        if (values.contains(key))
            return Fail(error, QStringLiteral("line %1: \"%2\" given twice").arg(next + 1).arg(key));
        values.insert(key, line.mid(colon + 1).trimmed());
    }
    for (const QString& key : kKeys)
        if (!values.contains(key))
            return Fail(error, QStringLiteral("the header has no \"%1:\" line").arg(key));

    p.fileName = values.value(QStringLiteral("file"));
    p.title = values.value(QStringLiteral("title"));
    p.answer = values.value(QStringLiteral("answer"));
    p.comment = values.value(QStringLiteral("comment"));
    static const QRegularExpression kName(QStringLiteral("^(nono|velin|kabQue)[0-9]{3}\\.dat$"));
    if (!kName.match(p.fileName).hasMatch())
        return Fail(error,
                    QStringLiteral("file: \"%1\" is not a question file name such as velin001.dat").arg(p.fileName));
    if (p.title.isEmpty() || p.answer.isEmpty())
        return Fail(error, QStringLiteral("title and answer must not be empty"));
    // The reader takes a third line that ends with a digit, or that is a
    // single character, for the difficulty line.
    if (!p.comment.isEmpty() && (p.comment.size() < 2 || p.comment.back().isDigit()))
        return Fail(error, QStringLiteral("comment: must be empty or at least two characters not ending with a digit"));
    for (const QString* text : {&p.title, &p.answer, &p.comment})
        if (!AnsiText::CanEncode(*text))
            return Fail(error, QStringLiteral("\"%1\" has characters that code page 932 cannot hold").arg(*text));

    bool ok = false;
    p.difficulty = values.value(QStringLiteral("difficulty")).toInt(&ok);
    if (!ok || p.difficulty < 1 || p.difficulty > 7)
        return Fail(error, QStringLiteral("difficulty: must be 1 to 7"));
    const QString logic = values.value(QStringLiteral("logic"));
    if (logic != QStringLiteral("line") && logic != QStringLiteral("guess"))
        return Fail(error, QStringLiteral("logic: must be \"line\" or \"guess\""));
    p.needsGuess = logic == QStringLiteral("guess");
    return true;
}

bool ReadPicture(const QStringList& lines, qsizetype first, ArtPuzzle& p, QString& error)
{
    qsizetype last = lines.size();
    while (last > first && lines[last - 1].isEmpty())
        --last;
    for (qsizetype i = first; i < last; ++i) {
        const QString& line = lines[i];
        std::vector<bool> row;
        for (QChar ch : line) {
            if (ch != u'#' && ch != u'.')
                return Fail(error, QStringLiteral("line %1: only '#' and '.' may draw the picture").arg(i + 1));
            row.push_back(ch == u'#');
        }
        if (!p.picture.empty() && row.size() != p.picture.front().size())
            return Fail(error, QStringLiteral("line %1: %2 cells where the first row has %3")
                                   .arg(i + 1)
                                   .arg(row.size())
                                   .arg(p.picture.front().size()));
        p.picture.push_back(std::move(row));
    }
    if (p.Rows() < 1 || p.Rows() > kMaxSide || p.Columns() < 1 || p.Columns() > kMaxSide)
        return Fail(error, QStringLiteral("the picture is %1 x %2; each side must be 1 to %3")
                               .arg(p.Columns())
                               .arg(p.Rows())
                               .arg(kMaxSide));
    return true;
}

bool CheckLogic(const ArtPuzzle& p, QString& error)
{
    const std::vector<Clue> rows = p.RowClues();
    const std::vector<Clue> columns = p.ColumnClues();
    CellGrid grid(rows.size(), std::vector<Cell>(columns.size(), Cell::Unknown));
    SolveByLines(rows, columns, grid);
    const bool finished = IsComplete(grid);
    if (finished && p.needsGuess)
        return Fail(error, QStringLiteral("marked \"guess\", but line logic finishes it"));
    if (!finished && !p.needsGuess)
        return Fail(error, QStringLiteral("marked \"line\", but line logic stalls; redraw it or mark it \"guess\""));
    // A guessing puzzle is still fair only when one picture fits.
    if (p.needsGuess && CountSolutions(rows, columns, 2) != 1)
        return Fail(error, QStringLiteral("more than one picture fits the clues"));
    return true;
}

} // namespace

std::vector<Clue> ArtPuzzle::RowClues() const
{
    std::vector<Clue> clues;
    for (const auto& row : picture)
        clues.push_back(RunsOf(row));
    return clues;
}

std::vector<Clue> ArtPuzzle::ColumnClues() const
{
    std::vector<Clue> clues;
    for (int c = 0; c < Columns(); ++c) {
        std::vector<bool> column;
        for (const auto& row : picture)
            column.push_back(row[c]);
        clues.push_back(RunsOf(column));
    }
    return clues;
}

Clue RunsOf(const std::vector<bool>& line)
{
    Clue runs;
    int length = 0;
    for (bool filled : line) {
        if (filled) {
            ++length;
        } else if (length > 0) {
            runs.push_back(length);
            length = 0;
        }
    }
    if (length > 0)
        runs.push_back(length);
    return runs;
}

std::optional<ArtPuzzle> ReadArt(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot be read").arg(path);
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    if (utf8.hasError()) {
        error = QStringLiteral("%1: not UTF-8 text").arg(path);
        return std::nullopt;
    }
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);

    ArtPuzzle puzzle;
    qsizetype next = 0;
    QString why;
    if (!ReadHeader(lines, next, puzzle, why) || !ReadPicture(lines, next + 1, puzzle, why)) {
        error = QStringLiteral("%1: %2").arg(path, why);
        return std::nullopt;
    }
    return puzzle;
}

QuestionText QuestionOf(const ArtPuzzle& p)
{
    QuestionText question{p.title, p.answer, p.comment, p.difficulty, {}, {}};
    for (const Clue& clue : p.RowClues())
        question.RowClues << QuestionWriter::ClueText(clue);
    for (const Clue& clue : p.ColumnClues())
        question.ColumnClues << QuestionWriter::ClueText(clue);
    return question;
}

QStringList ArtFiles(const QString& folder)
{
    QStringList files;
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& name : names)
        if (name != kOpeningArt)
            files << QDir(folder).filePath(name);
    return files;
}

bool WriteQuestions(const QString& artFolder, const QString& outFolder, QStringList& written, QString& error)
{
    const QStringList files = ArtFiles(artFolder);
    if (files.isEmpty())
        return Fail(error, QStringLiteral("%1: no art files").arg(artFolder));
    QSet<QString> names;
    for (const QString& path : files) {
        const std::optional<ArtPuzzle> puzzle = ReadArt(path, error);
        if (!puzzle)
            return false;
        const QString target = QDir(outFolder).filePath(puzzle->fileName);
        QString why;
        if (names.contains(puzzle->fileName))
            why = QStringLiteral("%1 is made by another art file too").arg(puzzle->fileName);
        if (why.isEmpty())
            CheckLogic(*puzzle, why);
        if (why.isEmpty() && !QuestionWriter::Write(target, QuestionOf(*puzzle)))
            why = QStringLiteral("cannot write %1").arg(target);
        if (!why.isEmpty())
            return Fail(error, QStringLiteral("%1: %2").arg(path, why));
        names.insert(puzzle->fileName);
        written << puzzle->fileName;
    }
    return true;
}

} // namespace velin::art

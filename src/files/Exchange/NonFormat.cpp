// The .non text format: "key value" lines (values may be quoted and carry
// character references), "width W" and "height H", then a "rows" and a
// "columns" line each followed by one clue per line ("3,1,2"; "0" or, in
// some files, an empty line for an empty line), and an optional "goal" with
// the picture. Lines that are not understood are ignored, as the format asks.
#include "files/Exchange/Entities.h"
#include "files/Exchange/ExchangePuzzle.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace velin::Exchange {

namespace {

struct Block {
    bool seen = false;
    QStringList lines; // as found, empty lines included
};

bool IsRule(const QString& line)
{
    static const QRegularExpression rule(QStringLiteral("^\\d+[A-Za-z]?(\\s*[,\\s]\\s*\\d+[A-Za-z]?)*$"));
    return rule.match(line).hasMatch();
}

QString Unquote(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        value = value.mid(1, value.size() - 2);
    return DecodeEntities(value);
}

// The clues of a block, `expected` of them. Files disagree on whether an
// empty line is an empty clue or ignored: when ignoring them gives the right
// count, they are ignored; when counting them does, they are empty clues.
bool TakeBlock(const Block& block, int expected, QStringList& rules)
{
    QStringList all = block.lines;
    while (!all.isEmpty() && all.last().isEmpty())
        all.removeLast();
    QStringList nonEmpty;
    for (const QString& line : all)
        if (!line.isEmpty())
            nonEmpty << line;
    if (nonEmpty.size() == expected) {
        rules = nonEmpty;
        return true;
    }
    while (!all.isEmpty() && all.first().isEmpty() && all.size() > expected)
        all.removeFirst();
    if (all.size() == expected) {
        rules = all;
        return true;
    }
    return false;
}

// Parses one clue; false when a number is not one. Colour letters after
// the numbers are collected in `colours` ("" for numbers without one).
bool ParseRule(const QString& rule, std::vector<int>& clue, QSet<QString>& colours)
{
    clue.clear();
    static const QRegularExpression separator(QStringLiteral("[,\\s]+"));
    for (const QString& token : rule.split(separator, Qt::SkipEmptyParts)) {
        QString digits = token;
        QString colour;
        if (!digits.isEmpty() && digits.back().isLetter()) {
            colour = digits.back();
            digits.chop(1);
        }
        bool ok = false;
        const int n = digits.toInt(&ok);
        if (!ok || n < 0)
            return false;
        if (n == 0)
            continue; // "0": an empty line
        colours.insert(colour);
        clue.push_back(n);
    }
    return true;
}

std::vector<int> RunsOf(const QString& cells)
{
    std::vector<int> runs;
    int run = 0;
    for (qsizetype i = 0; i <= cells.size(); ++i) {
        if (i < cells.size() && cells.at(i) != u'0' && cells.at(i) != u'.') {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

} // namespace

std::vector<Puzzle> ParseNon(const QByteArray& text, const QString& source)
{
    Puzzle puzzle;
    puzzle.source = source;
    const auto fail = [&puzzle](const QString& why) {
        puzzle.unreadable = why;
        return std::vector<Puzzle>{puzzle};
    };
    QString decoded = QString::fromUtf8(text);
    if (decoded.startsWith(QChar(0xFEFF)))
        decoded.remove(0, 1);
    int width = -1;
    int height = -1;
    Block rows;
    Block columns;
    Block* open = nullptr;
    QString goal;
    QSet<QString> goalColours;
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\r|\\n"));
    for (const QString& raw : decoded.split(lineBreak)) {
        const QString line = raw.trimmed();
        if (open && (line.isEmpty() || IsRule(line))) {
            open->lines << line;
            continue;
        }
        open = nullptr;
        if (line.isEmpty())
            continue;
        const qsizetype space = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
        const QString key = (space < 0 ? line : line.left(space)).toLower();
        const QString value = space < 0 ? QString() : line.mid(space + 1).trimmed();
        const auto number = [&value](int& into) {
            bool ok = false;
            into = value.toInt(&ok);
            return ok && into >= 0;
        };
        if (key == u"width" || (key == u"columns" && !value.isEmpty())) {
            if (!number(width))
                return fail(QStringLiteral("the width is not a number"));
        } else if (key == u"height" || (key == u"rows" && !value.isEmpty())) {
            if (!number(height))
                return fail(QStringLiteral("the height is not a number"));
        } else if (key == u"rows" || key == u"columns") {
            open = key == u"rows" ? &rows : &columns;
            if (open->seen)
                return fail(QStringLiteral("two %1 blocks").arg(key));
            open->seen = true;
        } else if (key == u"title") {
            puzzle.title = Unquote(value);
        } else if (key == u"by" || key == u"author") {
            puzzle.author = Unquote(value);
        } else if (key == u"copyright") {
            puzzle.copyright = Unquote(value);
        } else if (key == u"license" || key == u"licence") {
            puzzle.license = Unquote(value);
        } else if (key == u"goal") {
            goal = Unquote(value);
        }
    }

    if (!rows.seen && !columns.seen && goal.isEmpty())
        return fail(QStringLiteral("no clues"));
    QSet<QString> colours;
    if (rows.seen || columns.seen) {
        if (!rows.seen || !columns.seen)
            return fail(
                QStringLiteral("no %1 block").arg(rows.seen ? QStringLiteral("columns") : QStringLiteral("rows")));
        if (width < 0 || height < 0)
            return fail(QStringLiteral("no %1").arg(width < 0 ? QStringLiteral("width") : QStringLiteral("height")));
        QStringList rowRules;
        QStringList columnRules;
        if (!TakeBlock(rows, height, rowRules))
            return fail(QStringLiteral("the rows block does not hold %1 clues").arg(height));
        if (!TakeBlock(columns, width, columnRules))
            return fail(QStringLiteral("the columns block does not hold %1 clues").arg(width));
        for (const auto& [rules, clues] :
             {std::pair{&rowRules, &puzzle.rowClues}, std::pair{&columnRules, &puzzle.columnClues}}) {
            for (const QString& rule : *rules) {
                std::vector<int> clue;
                if (!ParseRule(rule, clue, colours))
                    return fail(QStringLiteral("a clue that is not numbers: %1").arg(rule));
                clues->push_back(std::move(clue));
            }
        }
    } else {
        // Only the picture: the clues are its runs.
        if (width <= 0 || height <= 0)
            return fail(QStringLiteral("no width and height for the goal"));
        if (goal.size() != qsizetype{width} * height)
            return fail(QStringLiteral("the goal does not hold %1 x %2 cells").arg(width).arg(height));
        for (int r = 0; r < height; ++r)
            puzzle.rowClues.push_back(RunsOf(goal.mid(qsizetype{r} * width, width)));
        for (int c = 0; c < width; ++c) {
            QString column;
            for (int r = 0; r < height; ++r)
                column += goal.at(qsizetype{r} * width + c);
            puzzle.columnClues.push_back(RunsOf(column));
        }
    }
    for (QChar cell : goal)
        if (cell != u'0' && cell != u'.')
            goalColours.insert(QString(cell));
    puzzle.rows = height;
    puzzle.columns = width;
    puzzle.colour = colours.size() > 1 || goalColours.size() > 1;
    return {puzzle};
}

} // namespace velin::Exchange

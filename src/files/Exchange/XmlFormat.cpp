// The XML puzzle format of the large web collection of paint-by-number
// puzzles: a <puzzleset> of <puzzle> elements, each with its <title>,
// <author>, <copyright>, the <color> list and two <clue> elements (type
// "rows" and "columns") of <line> elements holding <count> elements. Only
// black-and-white grid puzzles are taken; a puzzle whose counts use more
// than one colour is a colour puzzle.
#include "files/Exchange/Entities.h"
#include "files/Exchange/ExchangePuzzle.h"

#include <QSet>
#include <QXmlStreamReader>

namespace velin::Exchange {

namespace {

// The text of the current element, its references resolved, up to its end.
QString ElementText(QXmlStreamReader& xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::EntityReference: {
            const QString named = NamedEntity(xml.name().toString());
            text += named.isEmpty() ? QStringLiteral("&%1;").arg(xml.name()) : named;
            break;
        }
        case QXmlStreamReader::StartElement:
            ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return text.simplified();
}

struct PuzzleReader {
    QXmlStreamReader& xml;
    QString setTitle;
    QString setAuthor;
    QString setCopyright;

    // Reads a <puzzle> element; the reader stands on its start.
    Puzzle Read()
    {
        Puzzle puzzle;
        const QString type = xml.attributes().value(QLatin1String("type")).toString();
        QString defaultColour = xml.attributes().value(QLatin1String("defaultcolor")).toString();
        if (defaultColour.isEmpty())
            defaultColour = QStringLiteral("black");
        if (!type.isEmpty() && type != u"grid")
            puzzle.unreadable = QStringLiteral("a puzzle of type \"%1\", not a grid").arg(type);
        QSet<QString> colours;
        bool haveRows = false;
        bool haveColumns = false;
        while (xml.readNextStartElement()) {
            const auto name = xml.name();
            if (name == u"title") {
                puzzle.title = ElementText(xml);
            } else if (name == u"author") {
                puzzle.author = ElementText(xml);
            } else if (name == u"copyright") {
                puzzle.copyright = ElementText(xml);
            } else if (name == u"license" || name == u"licence") {
                puzzle.license = ElementText(xml);
            } else if (name == u"clue") {
                const QString clueType = xml.attributes().value(QLatin1String("type")).toString();
                std::vector<std::vector<int>>* lines = nullptr;
                if (clueType == u"rows" && !haveRows) {
                    lines = &puzzle.rowClues;
                    haveRows = true;
                } else if (clueType == u"columns" && !haveColumns) {
                    lines = &puzzle.columnClues;
                    haveColumns = true;
                }
                if (!lines) {
                    xml.skipCurrentElement();
                    continue;
                }
                ReadLines(*lines, defaultColour, colours, puzzle);
            } else {
                xml.skipCurrentElement();
            }
        }
        if (puzzle.title.isEmpty())
            puzzle.title = setTitle;
        if (puzzle.author.isEmpty())
            puzzle.author = setAuthor;
        if (puzzle.copyright.isEmpty())
            puzzle.copyright = setCopyright;
        if (puzzle.unreadable.isEmpty() && (!haveRows || !haveColumns))
            puzzle.unreadable =
                QStringLiteral("no %1 clues").arg(haveRows ? QStringLiteral("column") : QStringLiteral("row"));
        puzzle.rows = static_cast<int>(puzzle.rowClues.size());
        puzzle.columns = static_cast<int>(puzzle.columnClues.size());
        puzzle.colour = colours.size() > 1;
        return puzzle;
    }

    void ReadLines(std::vector<std::vector<int>>& lines, const QString& defaultColour, QSet<QString>& colours,
                   Puzzle& puzzle)
    {
        while (xml.readNextStartElement()) {
            if (xml.name() != u"line") {
                xml.skipCurrentElement();
                continue;
            }
            std::vector<int> clue;
            while (xml.readNextStartElement()) {
                if (xml.name() != u"count") {
                    xml.skipCurrentElement();
                    continue;
                }
                QString colour = xml.attributes().value(QLatin1String("color")).toString();
                bool ok = false;
                const int n = ElementText(xml).toInt(&ok);
                if (!ok || n < 0) {
                    if (puzzle.unreadable.isEmpty())
                        puzzle.unreadable = QStringLiteral("a count that is not a number");
                    continue;
                }
                if (n == 0)
                    continue;
                colours.insert(colour.isEmpty() ? defaultColour : colour);
                clue.push_back(n);
            }
            lines.push_back(std::move(clue));
        }
    }
};

} // namespace

std::vector<Puzzle> ParseXml(const QByteArray& text, const QString& source)
{
    QXmlStreamReader xml(text);
    std::vector<Puzzle> puzzles;
    PuzzleReader reader{xml, {}, {}, {}};
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"puzzle") {
            puzzles.push_back(reader.Read());
        } else if (name == u"title" && puzzles.empty()) {
            reader.setTitle = ElementText(xml);
        } else if (name == u"author" && puzzles.empty()) {
            reader.setAuthor = ElementText(xml);
        } else if (name == u"copyright" && puzzles.empty()) {
            reader.setCopyright = ElementText(xml);
        }
    }
    if (xml.hasError()) {
        const QString why = QStringLiteral("XML error at line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
        if (puzzles.empty())
            puzzles.emplace_back();
        // The puzzle that was being read when the error came is damaged.
        puzzles.back().unreadable = why;
    }
    if (puzzles.empty()) {
        puzzles.emplace_back();
        puzzles.back().unreadable = QStringLiteral("no puzzle in the file");
    }
    for (size_t i = 0; i < puzzles.size(); ++i)
        puzzles[i].source = puzzles.size() == 1 ? source : QStringLiteral("%1#%2").arg(source).arg(i + 1);
    return puzzles;
}

} // namespace velin::Exchange

#pragma once
// Puzzles as people share them: the .non text format, the XML puzzle format
// of the large web collection of paint-by-number puzzles, and the game's own
// question files (read to renumber a set). Each reader turns a file into
// puzzles with their clues and attribution, and says why a puzzle cannot be
// taken rather than failing silently. Plain QtCore: no window, no writing.
#include <QByteArray>
#include <QString>
#include <vector>

namespace velin::Exchange {

struct Puzzle {
    // Where it came from: the file, with "#N" for the N-th puzzle of a file
    // that holds several.
    QString source;
    QString title;
    QString author;
    QString copyright;
    QString license;
    int rows = 0;
    int columns = 0;
    // Run lengths per line, top to bottom and left to right; an empty line
    // has none.
    std::vector<std::vector<int>> rowClues;
    std::vector<std::vector<int>> columnClues;
    // More than one colour besides the background.
    bool colour = false;
    // Why the puzzle could not be read; empty when it was.
    QString unreadable;

    // A question file of the game keeps its own texts and difficulty.
    bool questionFile = false;
    QString answer;
    QString comment; // empty when the file has none
    int difficulty = 0;
};

enum class Format { Non, Xml, Question };

// Told from the extension (.non, .xml or .pbn, .dat in any letter case), or
// else from the content: XML starts with "<".
Format FormatOf(const QString& path, const QByteArray& head);

// The readers take the whole file's bytes. Each returns at least one puzzle;
// a file that cannot be read at all gives one with `unreadable` set.
std::vector<Puzzle> ParseNon(const QByteArray& text, const QString& source);
std::vector<Puzzle> ParseXml(const QByteArray& text, const QString& source);
std::vector<Puzzle> ReadQuestionFile(const QString& path);

// Reads a file in whichever format it is. Files larger than this are refused
// as unreadable rather than read into memory.
inline constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;
std::vector<Puzzle> ReadPuzzles(const QString& path);

} // namespace velin::Exchange

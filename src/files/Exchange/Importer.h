#pragma once
// Turns shared puzzles into question files of the game: the texts (the
// title as the hint with "！", the title as the answer with "でした。", the
// attribution as the comment), a difficulty measured by the analysis, the
// next free name of the chosen family, written through the one question
// writer. Whatever cannot be written faithfully is refused with its reason,
// and no file is ever overwritten.
#include "authoring/QuestionWriter.h"
#include "files/Exchange/ExchangePuzzle.h"
#include "solver/search/Analysis.h"

#include <QString>
#include <optional>

namespace velin::Exchange {

inline const QStringList kPrefixes = {QStringLiteral("kabQue"), QStringLiteral("velin"), QStringLiteral("nono")};
inline constexpr int kLastNumber = 999;

struct ImportSettings {
    QString folder; // the question folder, ending with the separator
    QString prefix = QStringLiteral("nono");
    int first = 0; // the first number to try; taken ones are passed over
    int budgetMs = 2000;
};

struct ImportResult {
    QString source;
    bool written = false;
    QString file; // the path written
    int rows = 0;
    int columns = 0;
    int difficulty = 0;
    search::Verdict verdict = search::Verdict::Unknown;
    QString reason; // why the puzzle was refused
};

// Why a puzzle cannot become a question file before anything is measured:
// unreadable, a colour puzzle, larger than 60, a clue that cannot fit its
// line. Empty when it can.
QString Refusal(const Puzzle& puzzle);

// The comment that carries the attribution: author, copyright and licence,
// with the characters code page 932 lacks spelled as it can ("©" as "(C)",
// accented letters without their accents). It never ends with a digit,
// which the reader would take for the difficulty line.
QString CommentOf(const Puzzle& puzzle);

// The file's texts for a puzzle of an exchange format, or those of a question
// file as it had them; the difficulty as given.
QuestionText QuestionOf(const Puzzle& puzzle, int difficulty);

class Importer {
public:
    explicit Importer(const ImportSettings& settings);
    // Checks, analyses and writes one puzzle under the next free name.
    ImportResult Import(const Puzzle& puzzle);

private:
    ImportSettings settings_;
    int next_;
};

} // namespace velin::Exchange

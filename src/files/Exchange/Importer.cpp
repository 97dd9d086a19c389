#include "files/Exchange/Importer.h"

#include "platform/AnsiText.h"
#include "platform/Paths.h"
#include "solver/search/Difficulty.h"

#include <QFileInfo>
#include <QHash>

namespace velin::Exchange {

namespace {

QString CodePoint(const QString& character)
{
    return QStringLiteral("U+%1").arg(character.toUcs4().value(0), 4, 16, QLatin1Char('0')).toUpper();
}

// `text` with the characters code page 932 lacks spelled with ones it has,
// where there is a faithful spelling; others are left for the check to name.
QString Spellable(const QString& text)
{
    if (AnsiText::CanEncode(text))
        return text;
    static const QHash<char32_t, QString> spelled = {
        {U'©', QStringLiteral("(C)")}, {U'®', QStringLiteral("(R)")}, {U'™', QStringLiteral("(TM)")},
        {U'–', QStringLiteral("-")},   {U'—', QStringLiteral("-")},   {U'…', QStringLiteral("...")},
        {U'ß', QStringLiteral("ss")},  {U'æ', QStringLiteral("ae")},  {U'Æ', QStringLiteral("AE")},
        {U'ø', QStringLiteral("o")},   {U'Ø', QStringLiteral("O")},   {U'\u00A0', QStringLiteral(" ")},
    };
    QString out;
    for (const char32_t code : text.toUcs4()) {
        const QString character = QString::fromUcs4(&code, 1);
        if (AnsiText::CanEncode(character)) {
            out += character;
        } else if (spelled.contains(code)) {
            out += spelled.value(code);
        } else {
            // An accented letter: its base letter, when that is plain ASCII.
            const QString base = character.normalized(QString::NormalizationForm_D).left(1);
            out += base.size() == 1 && base.at(0).unicode() < 0x80 && base.at(0).isLetter() ? base : character;
        }
    }
    return out;
}

QString LineName(bool row, int line)
{
    return QStringLiteral("%1 %2").arg(row ? QStringLiteral("row") : QStringLiteral("column")).arg(line);
}

QString FieldName(QuestionWriter::Field field)
{
    switch (field) {
    case QuestionWriter::Field::Title:
        return QStringLiteral("title");
    case QuestionWriter::Field::Answer:
        return QStringLiteral("answer");
    case QuestionWriter::Field::Comment:
        return QStringLiteral("comment");
    case QuestionWriter::Field::RowClue:
        return QStringLiteral("row clue");
    case QuestionWriter::Field::ColumnClue:
        break;
    }
    return QStringLiteral("column clue");
}

search::PuzzleClues CluesOf(const Puzzle& puzzle)
{
    return {puzzle.rows, puzzle.columns, puzzle.rowClues, puzzle.columnClues};
}

} // namespace

QString Refusal(const Puzzle& puzzle)
{
    if (!puzzle.unreadable.isEmpty())
        return QStringLiteral("unreadable: %1").arg(puzzle.unreadable);
    if (puzzle.colour)
        return QStringLiteral("colour puzzle");
    if (puzzle.rows > kMaxLine || puzzle.columns > kMaxLine)
        return QStringLiteral("larger than %1: %2x%3").arg(kMaxLine).arg(puzzle.columns).arg(puzzle.rows);
    if (puzzle.rows < 1 || puzzle.columns < 1)
        return QStringLiteral("unreadable: no rows or no columns");
    for (const bool row : {true, false}) {
        const auto& clues = row ? puzzle.rowClues : puzzle.columnClues;
        const int length = row ? puzzle.columns : puzzle.rows;
        for (size_t i = 0; i < clues.size(); ++i) {
            long need = -1;
            bool zero = false;
            for (int n : clues[i]) {
                need += long{n} + 1;
                zero |= n < 1;
            }
            if (zero || need > length)
                return QStringLiteral("clues that cannot fit their line: %1")
                    .arg(LineName(row, static_cast<int>(i) + 1));
        }
    }
    return QString();
}

QString CommentOf(const Puzzle& puzzle)
{
    QStringList parts;
    if (!puzzle.author.simplified().isEmpty())
        parts << QStringLiteral("作者：") + puzzle.author.simplified();
    if (!puzzle.copyright.simplified().isEmpty())
        parts << puzzle.copyright.simplified();
    if (!puzzle.license.simplified().isEmpty())
        parts << QStringLiteral("ライセンス：") + puzzle.license.simplified();
    // Ideographic spaces between the parts (simplified() would make them ASCII).
    QString comment = Spellable(parts.join(QStringLiteral("　")));
    // The reader takes a third line that ends with a digit, or has a single
    // character, for the difficulty line.
    if (!comment.isEmpty() && (comment.size() < 2 || comment.back().isDigit()))
        comment += QStringLiteral("。");
    return comment;
}

QuestionText QuestionOf(const Puzzle& puzzle, int difficulty)
{
    QuestionText text;
    if (puzzle.questionFile) {
        text.Title = puzzle.title;
        text.Answer = puzzle.answer;
        text.Comment = puzzle.comment;
    } else {
        QString title = puzzle.title.simplified();
        if (title.isEmpty())
            title = QFileInfo(puzzle.source).completeBaseName();
        text.Title = title + QStringLiteral("！");
        text.Answer = title + QStringLiteral("でした。");
        text.Comment = CommentOf(puzzle);
    }
    text.Difficulty = difficulty;
    for (const auto& clue : puzzle.rowClues)
        text.RowClues << QuestionWriter::ClueText(clue);
    for (const auto& clue : puzzle.columnClues)
        text.ColumnClues << QuestionWriter::ClueText(clue);
    return text;
}

Importer::Importer(const ImportSettings& settings) : settings_(settings), next_(settings.first)
{
    settings_.folder = Paths::AddDirSep(settings_.folder);
}

ImportResult Importer::Import(const Puzzle& puzzle)
{
    ImportResult result;
    result.source = puzzle.source;
    result.rows = puzzle.rows;
    result.columns = puzzle.columns;
    result.reason = Refusal(puzzle);
    if (!result.reason.isEmpty())
        return result;

    // The texts first: a title the code page cannot hold is refused before
    // any time is spent on the analysis.
    const QuestionText probe = QuestionOf(puzzle, 1);
    if (const auto fault = QuestionWriter::FindUnwritable(probe)) {
        result.reason = fault->character == u"\r" || fault->character == u"\n"
                            ? QStringLiteral("a line break in the %1").arg(FieldName(fault->field))
                            : QStringLiteral("%1 character not in code page 932: %2 (%3)")
                                  .arg(FieldName(fault->field), fault->character, CodePoint(fault->character));
        return result;
    }

    search::AnalysisOptions options;
    options.budgetMs = settings_.budgetMs;
    const search::Analysis analysis = search::Analyse(CluesOf(puzzle), options);
    result.verdict = analysis.verdict;
    if (analysis.verdict == search::Verdict::None) {
        result.reason = QStringLiteral("no picture fits the clues");
        return result;
    }
    const bool keepDifficulty = puzzle.questionFile && puzzle.difficulty >= 1 && puzzle.difficulty <= 7;
    result.difficulty = keepDifficulty ? puzzle.difficulty : search::DifficultyOf(analysis);

    // The game's names ignore letter case, so a taken number is one whose
    // name exists in any case.
    while (next_ <= kLastNumber) {
        const QString path =
            settings_.folder + settings_.prefix + QStringLiteral("%1.dat").arg(next_, 3, 10, QLatin1Char('0'));
        ++next_;
        if (QFileInfo::exists(Paths::Resolve(path)))
            continue;
        if (!QuestionWriter::Write(path, QuestionOf(puzzle, result.difficulty))) {
            result.reason = QStringLiteral("cannot write %1").arg(path);
            return result;
        }
        Paths::ForgetListings();
        result.written = true;
        result.file = path;
        return result;
    }
    result.reason = QStringLiteral("no free number left for %1 in %2").arg(settings_.prefix, settings_.folder);
    return result;
}

} // namespace velin::Exchange

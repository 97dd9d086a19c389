#include "authoring/QuestionWriter.h"

#include "platform/AnsiText.h"

namespace velin::QuestionWriter {

namespace {

// The first code point of `text` that the file cannot hold, or empty.
QString FirstFault(const QString& text)
{
    const bool hasBreak = text.contains(u'\r') || text.contains(u'\n');
    if (!hasBreak && AnsiText::CanEncode(text))
        return QString();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, width);
        if (character == u"\r" || character == u"\n" || !AnsiText::CanEncode(character))
            return character;
        i += width;
    }
    return text.left(1); // unreachable: some character must be at fault
}

} // namespace

QStringList Lines(const QuestionText& question)
{
    QStringList lines{question.Title,
                      question.Answer,
                      question.Comment,
                      QString::number(question.Difficulty),
                      QString::number(question.RowClues.size()),
                      QString::number(question.ColumnClues.size())};
    lines << question.RowClues << question.ColumnClues;
    return lines;
}

std::optional<Unwritable> FindUnwritable(const QuestionText& question)
{
    const auto check = [](Field field, int line, const QString& text) -> std::optional<Unwritable> {
        const QString fault = FirstFault(text);
        if (fault.isEmpty())
            return std::nullopt;
        return Unwritable{field, line, fault};
    };
    for (const auto& [field, text] : {std::pair{Field::Title, &question.Title},
                                      {Field::Answer, &question.Answer},
                                      {Field::Comment, &question.Comment}})
        if (auto fault = check(field, 0, *text))
            return fault;
    for (qsizetype i = 0; i < question.RowClues.size(); ++i)
        if (auto fault = check(Field::RowClue, static_cast<int>(i + 1), question.RowClues.at(i)))
            return fault;
    for (qsizetype i = 0; i < question.ColumnClues.size(); ++i)
        if (auto fault = check(Field::ColumnClue, static_cast<int>(i + 1), question.ColumnClues.at(i)))
            return fault;
    return std::nullopt;
}

QString ClueText(const std::vector<int>& runs)
{
    if (runs.empty())
        return QStringLiteral("0");
    QStringList numbers;
    for (int n : runs)
        numbers << QString::number(n);
    return numbers.join(u'/');
}

bool Write(const QString& path, const QuestionText& question)
{
    if (FindUnwritable(question))
        return false;
    return AnsiText::WriteLines(path, Lines(question));
}

} // namespace velin::QuestionWriter

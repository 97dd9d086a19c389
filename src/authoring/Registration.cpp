#include "authoring/Registration.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace velin::Registration {

namespace {

const QString kAgain = QStringLiteral("再設定して下さい。");

Refusal Refuse(Box box, const QString& text)
{
    return Refusal{box, text + kAgain};
}

QString CharacterText(const QString& character)
{
    return QStringLiteral("に登録できない文字「") + character + QStringLiteral("」があります。");
}

// The integer value of the leading digits of `text` (0 when there are none).
int LeadingValue(const QString& text)
{
    long value = 0;
    for (QChar c : text.trimmed()) {
        if (c < u'0' || c > u'9')
            break;
        value = std::min<long>(value * 10 + (c.unicode() - u'0'), INT16_MAX);
    }
    return static_cast<int>(value);
}

} // namespace

CaptionFit CaptionAdjust(int captionPixels)
{
    struct Row {
        int height;
        CaptionFit fit;
    };
    static constexpr std::array<Row, 11> table{{{18, {1.0, 3200}},
                                                {19, {1.01, 3184}},
                                                {21, {1.02, 3170}},
                                                {23, {1.04, 3160}},
                                                {25, {1.05, 3140}},
                                                {27, {1.05, 3140}},
                                                {28, {1.06, 3110}},
                                                {30, {1.06, 3110}},
                                                {32, {1.08, 3090}},
                                                {34, {1.08, 3090}},
                                                {36, {1.096, 3080}}}};
    CaptionFit fit = table.front().fit;
    for (const Row& row : table)
        if (captionPixels >= row.height)
            fit = row.fit;
    return fit;
}

QString FileLabel(const QString& prefix)
{
    const int blanks = prefix == QLatin1String("nono") ? 7 : prefix == QLatin1String("kabQue") ? 5 : 6;
    return QStringLiteral("登録ファイル名は(") + prefix + QStringLiteral("番号.dat)固定。") + QString(blanks, u' ') +
           QStringLiteral("番号３桁は");
}

QString FolderNote()
{
    return QStringLiteral("保存ホルダーは【べりん】インストール先の問題(Ｑｕｅｓｔｉｏｎ)、解答(Ａｎｓｗｅｒ)"
                          "サブフォルダー固定です。ファイル番号は[500]など大きな値にして下さい");
}

QString NextPrefix(const QString& prefix)
{
    if (prefix == QLatin1String("velin"))
        return QStringLiteral("nono");
    if (prefix == QLatin1String("nono"))
        return QStringLiteral("kabQue");
    return QStringLiteral("velin");
}

QString NextFileNumber(const QString& fileName)
{
    const int value = LeadingValue(fileName.right(7).left(3)) + 1;
    return QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0'));
}

int BoxValue(const QString& text)
{
    return text.isEmpty() ? 0 : LeadingValue(text);
}

QString RefusalTitle()
{
    return QStringLiteral("登録データ再設定");
}

std::optional<Refusal> CheckEntry(const Entry& entry)
{
    if (entry.fileNumber.size() < 3 || entry.fileNumber == QLatin1String("???"))
        return Refuse(Box::File, QStringLiteral("【ファイル番号】が範囲外です。"));
    if (entry.title.isEmpty())
        return Refuse(Box::Title, QStringLiteral("【タイトル】が未設定です。"));
    if (entry.answer.isEmpty())
        return Refuse(Box::Answer, QStringLiteral("【答　え】が未設定です。"));
    if (entry.difficulty < 1)
        return Refuse(Box::Nando, QStringLiteral("【難易度】が未設定です。"));
    if (entry.rows < 1)
        return Refuse(Box::Line, QStringLiteral("【行(縦方向)枠数】が未設定です。"));
    if (entry.columns < 1)
        return Refuse(Box::Column, QStringLiteral("【桁(横方向)枠数】が未設定です。"));
    QuestionText texts;
    texts.Title = entry.title;
    texts.Answer = entry.answer;
    texts.Comment = entry.comment;
    if (const auto fault = QuestionWriter::FindUnwritable(texts)) {
        switch (fault->field) {
        case QuestionWriter::Field::Title:
            return Refuse(Box::Title, QStringLiteral("【タイトル】") + CharacterText(fault->character));
        case QuestionWriter::Field::Answer:
            return Refuse(Box::Answer, QStringLiteral("【答　え】") + CharacterText(fault->character));
        default:
            return Refuse(Box::Comment, QStringLiteral("【コメント】") + CharacterText(fault->character));
        }
    }
    return std::nullopt;
}

std::optional<Refusal> CheckClues(const QStringList& rowClues, const QStringList& columnClues)
{
    QuestionText clues;
    clues.RowClues = rowClues;
    clues.ColumnClues = columnClues;
    const auto fault = QuestionWriter::FindUnwritable(clues);
    if (!fault)
        return std::nullopt;
    const bool row = fault->field == QuestionWriter::Field::RowClue;
    Refusal refusal =
        Refuse(Box::Data, QStringLiteral("【縦・横方向データ】の") +
                              (row ? QStringLiteral("行(横方向)") : QStringLiteral("桁(縦方向)")) +
                              QString::number(fault->line) + QStringLiteral("番目") + CharacterText(fault->character));
    refusal.row = fault->line;
    refusal.col = row ? 1 : 2;
    return refusal;
}

Refusal MissingClues()
{
    return Refuse(Box::Data, QStringLiteral("【縦・横方向データ】が未設定です。"));
}

QString QuestionFileName(const QString& folder, const QString& prefix, const QString& number)
{
    return folder + prefix + number + QStringLiteral(".dat");
}

QuestionText Question(const Entry& entry, const QStringList& rowClues, const QStringList& columnClues)
{
    QuestionText question;
    question.Title = entry.title + QStringLiteral("！");
    question.Answer = entry.answer + QStringLiteral("でした。");
    question.Comment = entry.comment;
    question.Difficulty = entry.difficulty;
    question.RowClues = rowClues;
    question.ColumnClues = columnClues;
    return question;
}

QString OverwriteText()
{
    return QStringLiteral("ファイルが既に存在します。上書きして宜しいですか！");
}

QString OverwriteTitle()
{
    return QStringLiteral("ファイルの上書き確認");
}

QString WriteFailedText(const QString& path)
{
    return QStringLiteral("問題ファイル[") + path + QStringLiteral("]を書き込めませんでした。") +
           QStringLiteral("保存先と空き容量を確認して下さい。");
}

QString WriteFailedTitle()
{
    return QStringLiteral("ファイル書込");
}

} // namespace velin::Registration

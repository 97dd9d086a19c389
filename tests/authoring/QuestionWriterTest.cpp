#include "authoring/QuestionWriter.h"
#include "board/QuestionFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velin;

namespace {

QByteArray BytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QuestionText SmallFish()
{
    // A 2 x 3 picture: .#. / ###
    return QuestionText{
        QStringLiteral("さかな！"), QStringLiteral("イルカでした。"), QString(), 2, {"1", "3"}, {"1", "2", "1"}};
}

} // namespace

TEST(QuestionWriter, WritesTheFileByteForByteAndTheReaderLoadsIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kabQue007.dat"));
    ASSERT_TRUE(QuestionWriter::Write(path, SmallFish()));

    EXPECT_EQ(BytesOf(path), QByteArray::fromHex("82b382a982c88149") + "\r\n" +        // さかな！
                                 QByteArray::fromHex("8343838b834a82c582b582bd8142") + // イルカでした。
                                 "\r\n\r\n2\r\n2\r\n3\r\n1\r\n3\r\n1\r\n2\r\n1\r\n");

    const std::optional<QuestionData> back = QuestionFile::Read(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Title, QStringLiteral("さかな！"));
    EXPECT_EQ(back->Answer, QStringLiteral("イルカでした。"));
    EXPECT_EQ(back->Comment, QuestionFile::kNoComment);
    EXPECT_EQ(back->Difficulty, 2);
    EXPECT_EQ(back->RowCount, 2);
    EXPECT_EQ(back->ColumnCount, 3);
    EXPECT_EQ(back->ColumnClueText[2], QStringLiteral("2"));
}

TEST(QuestionWriter, RefusesTextsTheFileCannotHoldAndWritesNothing)
{
    struct Case {
        const char* name;
        void (*spoil)(QuestionText&);
        QuestionWriter::Field field;
        int line;
        QString character;
    };
    const Case cases[] = {
        {"emoji in the hint", [](QuestionText& q) { q.Title = QStringLiteral("さかな🐟！"); },
         QuestionWriter::Field::Title, 0, QStringLiteral("🐟")},
        {"rare kanji in the answer", [](QuestionText& q) { q.Answer = QStringLiteral("𠮷でした。"); },
         QuestionWriter::Field::Answer, 0, QStringLiteral("𠮷")},
        {"line break in the comment", [](QuestionText& q) { q.Comment = QStringLiteral("一行目\n二行目"); },
         QuestionWriter::Field::Comment, 0, QStringLiteral("\n")},
        {"Latin-1 letter in a column clue", [](QuestionText& q) { q.ColumnClues[2] = QStringLiteral("1é"); },
         QuestionWriter::Field::ColumnClue, 3, QStringLiteral("é")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QuestionText question = SmallFish();
        c.spoil(question);
        const auto fault = QuestionWriter::FindUnwritable(question);
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->field, c.field);
        EXPECT_EQ(fault->line, c.line);
        EXPECT_EQ(fault->character, c.character);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("velin001.dat"));
        EXPECT_FALSE(QuestionWriter::Write(path, question));
        EXPECT_FALSE(QFile::exists(path));
    }
    // Characters that only code page 932 has are fine.
    QuestionText question = SmallFish();
    question.Comment = QStringLiteral("～①･ｱ");
    EXPECT_FALSE(QuestionWriter::FindUnwritable(question));
}

TEST(QuestionWriter, ClueTexts)
{
    EXPECT_EQ(QuestionWriter::ClueText({}), QStringLiteral("0"));
    EXPECT_EQ(QuestionWriter::ClueText({3, 1, 2}), QStringLiteral("3/1/2"));
    EXPECT_EQ(QuestionWriter::ClueText({60}), QStringLiteral("60"));
}

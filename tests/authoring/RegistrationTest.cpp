#include "authoring/Registration.h"

#include <gtest/gtest.h>

using namespace velin;
using Registration::Box;

TEST(Registration, CaptionHeightTableWithRowsBetweenAndBeyondIt)
{
    struct Case {
        int pixels;
        double factor;
        int width;
    };
    const Case cases[] = {{18, 1.0, 3200},
                          {19, 1.01, 3184},
                          {21, 1.02, 3170},
                          {23, 1.04, 3160},
                          {25, 1.05, 3140},
                          {27, 1.05, 3140},
                          {28, 1.06, 3110},
                          {30, 1.06, 3110},
                          {32, 1.08, 3090},
                          {34, 1.08, 3090},
                          {36, 1.096, 3080},
                          // Heights the table does not list take the row below them.
                          {12, 1.0, 3200},
                          {20, 1.01, 3184},
                          {22, 1.02, 3170},
                          {31, 1.06, 3110},
                          {48, 1.096, 3080}};
    for (const Case& c : cases) {
        const Registration::CaptionFit fit = Registration::CaptionAdjust(c.pixels);
        EXPECT_DOUBLE_EQ(fit.factor, c.factor) << c.pixels;
        EXPECT_EQ(fit.dataColumnWidth, c.width) << c.pixels;
    }
}

TEST(Registration, FileLabelPrefixCycleAndProposedNumber)
{
    EXPECT_EQ(Registration::FileLabel(QStringLiteral("nono")),
              QStringLiteral("登録ファイル名は(nono番号.dat)固定。       番号３桁は"));
    EXPECT_EQ(Registration::FileLabel(QStringLiteral("kabQue")),
              QStringLiteral("登録ファイル名は(kabQue番号.dat)固定。     番号３桁は"));
    EXPECT_EQ(Registration::FileLabel(QStringLiteral("velin")),
              QStringLiteral("登録ファイル名は(velin番号.dat)固定。      番号３桁は"));

    EXPECT_EQ(Registration::NextPrefix(QStringLiteral("velin")), QStringLiteral("nono"));
    EXPECT_EQ(Registration::NextPrefix(QStringLiteral("nono")), QStringLiteral("kabQue"));
    EXPECT_EQ(Registration::NextPrefix(QStringLiteral("kabQue")), QStringLiteral("velin"));
    EXPECT_EQ(Registration::NextPrefix(QStringLiteral("other")), QStringLiteral("velin"));

    EXPECT_EQ(Registration::NextFileNumber(QStringLiteral("kabQue123.dat")), QStringLiteral("124"));
    EXPECT_EQ(Registration::NextFileNumber(QStringLiteral("nono009.dat")), QStringLiteral("010"));
    EXPECT_EQ(Registration::NextFileNumber(QStringLiteral("velin999.dat")), QStringLiteral("1000"));
}

TEST(Registration, ChecksInOrderWithTheirMessages)
{
    const Registration::Entry full{
        QStringLiteral("007"), QStringLiteral("さかな"), QStringLiteral("イルカ"), QString(), 3, 5, 5};
    struct Case {
        const char* name;
        void (*spoil)(Registration::Entry&);
        Box box;
        QString text;
    };
    const Case cases[] = {
        {"file number of one digit",
         [](Registration::Entry& e) {
             e.fileNumber = "7";
             e.title.clear();
         },
         Box::File, QStringLiteral("【ファイル番号】が範囲外です。再設定して下さい。")},
        {"file number ???", [](Registration::Entry& e) { e.fileNumber = "???"; }, Box::File,
         QStringLiteral("【ファイル番号】が範囲外です。再設定して下さい。")},
        {"hint",
         [](Registration::Entry& e) {
             e.title.clear();
             e.answer.clear();
         },
         Box::Title, QStringLiteral("【タイトル】が未設定です。再設定して下さい。")},
        {"answer",
         [](Registration::Entry& e) {
             e.answer.clear();
             e.difficulty = 0;
         },
         Box::Answer, QStringLiteral("【答　え】が未設定です。再設定して下さい。")},
        {"difficulty",
         [](Registration::Entry& e) {
             e.difficulty = 0;
             e.rows = 0;
         },
         Box::Nando, QStringLiteral("【難易度】が未設定です。再設定して下さい。")},
        {"rows",
         [](Registration::Entry& e) {
             e.rows = 0;
             e.columns = 0;
         },
         Box::Line, QStringLiteral("【行(縦方向)枠数】が未設定です。再設定して下さい。")},
        {"columns", [](Registration::Entry& e) { e.columns = 0; }, Box::Column,
         QStringLiteral("【桁(横方向)枠数】が未設定です。再設定して下さい。")},
        {"emoji in the hint", [](Registration::Entry& e) { e.title = QStringLiteral("さかな🐟"); }, Box::Title,
         QStringLiteral("【タイトル】に登録できない文字「🐟」があります。再設定して下さい。")},
        {"rare kanji in the comment", [](Registration::Entry& e) { e.comment = QStringLiteral("𠮷野家"); },
         Box::Comment, QStringLiteral("【コメント】に登録できない文字「𠮷」があります。再設定して下さい。")},
    };
    for (const Case& c : cases) {
        Registration::Entry entry = full;
        c.spoil(entry);
        const auto refusal = Registration::CheckEntry(entry);
        ASSERT_TRUE(refusal) << c.name;
        EXPECT_EQ(refusal->box, c.box) << c.name;
        EXPECT_EQ(refusal->text, c.text) << c.name;
    }
    EXPECT_FALSE(Registration::CheckEntry(full));
    // Large counts and four-digit numbers pass; the reader judges the counts.
    Registration::Entry large = full;
    large.fileNumber = QStringLiteral("1234");
    large.rows = 61;
    EXPECT_FALSE(Registration::CheckEntry(large));
    EXPECT_EQ(Registration::QuestionFileName(QStringLiteral("/q/"), QStringLiteral("kabQue"), QStringLiteral("1234")),
              QStringLiteral("/q/kabQue1234.dat"));

    const auto clue = Registration::CheckClues({"1", "2"}, {"1", QStringLiteral("1･1"), QStringLiteral("2😀")});
    ASSERT_TRUE(clue);
    EXPECT_EQ(clue->box, Box::Data);
    EXPECT_EQ(clue->row, 3);
    EXPECT_EQ(clue->col, 2);
    EXPECT_EQ(
        clue->text,
        QStringLiteral("【縦・横方向データ】の桁(縦方向)3番目に登録できない文字「😀」があります。再設定して下さい。"));
}

TEST(Registration, BoxValues)
{
    EXPECT_EQ(Registration::BoxValue(QString()), 0);
    EXPECT_EQ(Registration::BoxValue(QStringLiteral("012")), 12);
    EXPECT_EQ(Registration::BoxValue(QStringLiteral("99999")), 32767);
}

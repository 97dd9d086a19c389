// The hint list's pass over the question folder, its marks and its progress figures.
#include "files/HintList.h"

#include "../board/QuestionFixture.h"

#include <gtest/gtest.h>

using namespace velin;
using TempFolder = velin::test::QuestionFolder;

namespace {

QStringList Question(const QString& hint, const QString& comment, int difficulty)
{
    return {hint, QStringLiteral("こたえ"), comment, QString::number(difficulty), "1", "1", "1", "1"};
}

std::vector<QString> FileNames(const HintList& list)
{
    std::vector<QString> names;
    for (const HintEntry& e : list.Entries())
        names.push_back(e.FileName);
    return names;
}

} // namespace

TEST(HintList, OnePassInNumberThenPrefixOrder)
{
    TempFolder folder;
    for (const char* name : {"nono000.dat", "velin000.dat", "kabQue000.dat", "nono001.dat", "velin900.dat",
                             "nono901.dat", "velin1000.dat", "other002.dat"})
        folder.Write(QString::fromLatin1(name), Question(QStringLiteral("ヒント"), QString(), 2));
    HintList list;
    std::vector<int> numbers;
    int added = 0;
    list.Build(
        folder.Folder(), [&](const HintEntry&) { ++added; }, [&](int k) { numbers.push_back(k); });
    // The probe's own spelling of the prefix names the entry.
    EXPECT_EQ(FileNames(list),
              (std::vector<QString>{"KabQue000.dat", "velin000.dat", "nono000.dat", "nono001.dat", "velin900.dat"}));
    EXPECT_EQ(added, 5);
    ASSERT_EQ(numbers.size(), 901u);
    EXPECT_EQ(numbers.front(), 0);
    EXPECT_EQ(numbers.back(), 900);
}

TEST(HintList, EntryTextsAndCleared)
{
    TempFolder folder;
    folder.Write(QStringLiteral("velin012.dat"), Question(QStringLiteral("ねこ"), QStringLiteral("ひとこと"), 4));
    folder.Write(QStringLiteral("nono013.dat"), Question(QStringLiteral("いぬ"), QString(), 1));
    HintEntry withComment;
    ASSERT_TRUE(HintList::ReadEntry(folder.Folder(), QStringLiteral("velin012.dat"), withComment));
    EXPECT_EQ(withComment.Line, QStringLiteral("　　4　　　　　ねこ"));
    EXPECT_EQ(withComment.Comment, QStringLiteral("ひとこと"));
    HintEntry without;
    ASSERT_TRUE(HintList::ReadEntry(folder.Folder(), QStringLiteral("nono013.dat"), without));
    EXPECT_EQ(without.Comment, QStringLiteral("コメントはありません！"));
    EXPECT_FALSE(HintList::ReadEntry(folder.Folder(), QStringLiteral("nono014.dat"), without));

    // A record written in another folder still marks the item.
    const QStringList record{QStringLiteral("/elsewhere/Question/VELIN012.DAT")};
    EXPECT_EQ(HintList::MarkedLine(withComment, record), QStringLiteral("*　4　　　　　ねこ"));
    EXPECT_EQ(HintList::MarkedLine(without, record), without.Line);
}

TEST(HintList, PercentRoundsHalfUpAndKeepsOffTheEndsWithoutTheFlag)
{
    struct Case {
        double fraction;
        bool allowEnds;
        int percent;
    };
    const Case cases[] = {
        {0.0, true, 0},     {0.0, false, 1},    {1.0, true, 100},   {1.0, false, 99},
        {0.005, false, 1},  {0.004, false, 1},  {0.125, true, 13},  {0.5, true, 50},
        {0.994, false, 99}, {0.999, true, 100}, {0.999, false, 99}, {450.0 / 900, false, 50},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HintList::Percent(c.fraction, c.allowEnds), c.percent) << c.fraction << " " << c.allowEnds;
    EXPECT_EQ(HintList::PercentText(0.5, false), QStringLiteral("50%"));
}

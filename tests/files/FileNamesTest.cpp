#include "files/FileNames.h"

#include "platform/Paths.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace velin;
using namespace velin::FileNames;

TEST(FileNames, QuestionExtensionIsCaseExact)
{
    EXPECT_TRUE(HasQuestionExtension("/q/nono001.dat"));
    EXPECT_TRUE(HasQuestionExtension("/q/NONO001.DAT"));
    EXPECT_FALSE(HasQuestionExtension("/q/nono001.Dat"));
    EXPECT_FALSE(HasQuestionExtension("/q/nono001.txt"));
    EXPECT_FALSE(HasQuestionExtension("/q/"));
    EXPECT_FALSE(HasQuestionExtension(""));
}

TEST(FileNames, BatchPick)
{
    struct Case {
        QString path;
        int number;
        int width;
        QString prefix;
        bool valid;
    };
    const std::vector<Case> cases{
        {"/q/nono005.dat", 5, 3, "/q/nono", true},  {"/q/nono012.dat", 12, 3, "/q/nono", true},
        {"/q/NONO001.DAT", 1, 3, "/q/NONO", true},  {"/q/kabQue123.dat", 123, 3, "/q/kabQue", true},
        {"/q/velin05.dat", 5, 2, "/q/velin", true}, // its seven-character tail starts with "n"
        {"/q/nonoab.dat", 0, 2, "/q/nono", false},  {"a.dat", 0, 3, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.path));
        const BatchPick pick = PickBatch(c.path);
        EXPECT_EQ(pick.Number, c.number);
        EXPECT_EQ(pick.NumberWidth, c.width);
        EXPECT_EQ(pick.PathPrefix, c.prefix);
        EXPECT_EQ(pick.Valid, c.valid);
    }
    // The first pick's prefix and the last pick's number give the range, and
    // the check starts again at the first file.
    const BatchPick first = PickBatch("/q/nono005.dat");
    const BatchPick last = PickBatch("/q/nono012.dat");
    EXPECT_EQ(last.Number, 12);
    EXPECT_EQ(BatchFileName(first.PathPrefix, first.Number, first.NumberWidth), "/q/nono005.dat");
}

TEST(FileNames, BatchNamesAcrossOneHundredInATwoDigitSet)
{
    QStringList names;
    for (int n = 95; n <= 105; ++n)
        names << Paths::FileNameOf(BatchFileName("/q/velin", n, 2));
    EXPECT_EQ(names,
              (QStringList{"velin95.dat", "velin96.dat", "velin97.dat", "velin98.dat", "velin99.dat", "velin100.dat",
                           "velin101.dat", "velin102.dat", "velin103.dat", "velin104.dat", "velin105.dat"}));
    EXPECT_EQ(BatchNumberText(5, 3), "005");
    EXPECT_EQ(BatchNumberText(5, 2), "05");
    EXPECT_EQ(BatchNumberText(0, 3), "000");
}

TEST(FileNames, FamilyPrefixFromTheFirstLetter)
{
    EXPECT_EQ(FamilyPrefixOf("velin012.dat"), "velin");
    EXPECT_EQ(FamilyPrefixOf("Velin012.dat"), "velin");
    EXPECT_EQ(FamilyPrefixOf("KABQUE001.DAT"), "kabQue");
    EXPECT_EQ(FamilyPrefixOf("nono001.dat"), "nono");
    EXPECT_EQ(FamilyPrefixOf("x.dat"), "nono");
    EXPECT_EQ(FamilyPrefixOf(""), "nono");
    // The batch display always shows three digits.
    EXPECT_EQ(BatchDisplayName("/q/velin05.dat", 5), "velin005");
    EXPECT_EQ(BatchDisplayName("/q/kabque/nono007.dat", 7), "nono007");
}

TEST(FileNames, NumberBeforeTheExtension)
{
    EXPECT_EQ(NumberBeforeExtension("/q/nono012.dat"), 12);
    EXPECT_EQ(NumberBeforeExtension("/q/kabQue900.dat"), 900);
    EXPECT_EQ(NumberBeforeExtension("dat"), 0);
}

TEST(FileNames, BackupAndClearRecordLiveAboveTheQuestionFolder)
{
    EXPECT_EQ(HaltDataPath("/data/Q/"), "/data/haltdata.bak");
    EXPECT_EQ(ClearRecordPath("/data/Q/"), "/data/ClearPuzzle.dat");
    EXPECT_EQ(HaltDataPath("/home/u/.local/share/velin/Question/"), "/home/u/.local/share/velin/haltdata.bak");
}

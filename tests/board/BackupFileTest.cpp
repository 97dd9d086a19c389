// The suspend backup and the clear record as files: their exact lines and the
// damaged files they refuse.
#include "board/BackupFile.h"
#include "board/ClearRecord.h"
#include "platform/AnsiText.h"

#include "QuestionFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace velin;
using TempFolder = velin::test::QuestionFolder;

namespace {

BackupData SmallBackup()
{
    BackupData data;
    data.QuestionPath = QStringLiteral("/データ/Question/velin003.dat");
    data.RowCount = 2;
    data.ColumnCount = 3;
    data.UsedSeconds = 95;
    data.Cells[1] = {0, 2, 1, 0};
    data.Cells[2] = {0, 0, 2, 2};
    return data;
}

QStringList SmallBackupLines()
{
    return {QStringLiteral("*** Kab Backup Data ***"),
            QStringLiteral("[Question File]"),
            QStringLiteral("/データ/Question/velin003.dat"),
            QStringLiteral("[LineNumber]"),
            QStringLiteral(" 2"),
            QStringLiteral("[ColumnNumber]"),
            QStringLiteral(" 3"),
            QStringLiteral("[Used time]"),
            QStringLiteral(" 95"),
            QStringLiteral("[Backup Data]"),
            QStringLiteral(" 2"),
            QStringLiteral(" 1"),
            QStringLiteral(" 0"),
            QStringLiteral(" 0"),
            QStringLiteral(" 2"),
            QStringLiteral(" 2")};
}

} // namespace

TEST(BackupFile, WritesTheTableLineByLineInCodePage932)
{
    TempFolder folder;
    const QString path = folder.Path(QStringLiteral("haltdata.bak"));
    ASSERT_TRUE(BackupFile::Write(path, SmallBackup()));
    EXPECT_EQ(folder.ReadBytes(QStringLiteral("haltdata.bak")),
              AnsiText::Encode(SmallBackupLines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));

    BackupFile::Status status = BackupFile::Status::Missing;
    const auto back = BackupFile::Read(path, status);
    ASSERT_TRUE(back);
    EXPECT_EQ(status, BackupFile::Status::Ok);
    EXPECT_EQ(back->QuestionPath, SmallBackup().QuestionPath);
    EXPECT_EQ(back->UsedSeconds, 95);
    EXPECT_EQ(back->Cells, SmallBackup().Cells);
    EXPECT_EQ(BackupFile::CheckFirstLine(path), BackupFile::Status::Ok);
}

TEST(BackupFile, RefusesDamagedFilesWithTheirReason)
{
    struct Case {
        const char* name;
        int line; // 0-based line to replace; -1 to cut the file before `cut` lines
        QString text;
        int cut;
        BackupFile::Status expected;
    };
    using S = BackupFile::Status;
    const Case cases[] = {
        {"magic line, one character changed", 0, QStringLiteral("*** Kab Backup Data **+"), 0, S::BadMagic},
        {"magic line in other case", 0, QStringLiteral("*** KAB Backup Data ***"), 0, S::BadMagic},
        {"rows not a number", 4, QStringLiteral(" 2a"), 0, S::Damaged},
        {"rows above 60", 4, QStringLiteral(" 61"), 0, S::Damaged},
        {"columns below 1", 6, QStringLiteral(" 0"), 0, S::Damaged},
        {"seconds negative", 8, QStringLiteral("-5"), 0, S::Damaged},
        {"seconds beyond 32 bits", 8, QStringLiteral(" 99999999999"), 0, S::Damaged},
        {"a cell that is not a state", 12, QStringLiteral(" 3"), 0, S::Damaged},
        {"a cell left empty", 12, QString(), 0, S::Damaged},
        {"no question path", 2, QStringLiteral("  "), 0, S::Damaged},
        {"one cell line short", -1, QString(), 15, S::Damaged},
        {"only the magic line", -1, QString(), 1, S::Damaged},
        {"empty file", -1, QString(), 0, S::BadMagic},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        QStringList lines = SmallBackupLines();
        if (c.line >= 0)
            lines[c.line] = c.text;
        else
            lines = lines.mid(0, c.cut);
        const QString path = folder.Write(QStringLiteral("haltdata.bak"), lines);
        BackupFile::Status status = BackupFile::Status::Ok;
        EXPECT_FALSE(BackupFile::Read(path, status)) << c.name;
        EXPECT_EQ(status, c.expected) << c.name;
    }
    BackupFile::Status status = BackupFile::Status::Ok;
    EXPECT_FALSE(BackupFile::Read(folder.Path(QStringLiteral("none.bak")), status));
    EXPECT_EQ(status, BackupFile::Status::Missing);
    EXPECT_EQ(BackupFile::CheckFirstLine(folder.Path(QStringLiteral("none.bak"))), BackupFile::Status::Missing);
    folder.Write(QStringLiteral("bad.bak"), {QStringLiteral("*** Kab Backup Data *** ")});
    EXPECT_EQ(BackupFile::CheckFirstLine(folder.Path(QStringLiteral("bad.bak"))), BackupFile::Status::BadMagic);
}

TEST(BackupFile, SavingTwiceKeepsTheSecondState)
{
    TempFolder folder;
    const QString path = folder.Path(QStringLiteral("haltdata.bak"));
    BackupData first = SmallBackup();
    ASSERT_TRUE(BackupFile::Write(path, first));
    BackupData second = first;
    second.RowCount = 1;
    second.ColumnCount = 1;
    second.UsedSeconds = 7;
    second.Cells[1][1] = 1;
    ASSERT_TRUE(BackupFile::Write(path, second));
    BackupFile::Status status = BackupFile::Status::Missing;
    const auto back = BackupFile::Read(path, status);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->RowCount, 1);
    EXPECT_EQ(back->UsedSeconds, 7);
    EXPECT_EQ(folder.ReadBytes(QStringLiteral("haltdata.bak")).count("\r\n"), 11);
}

TEST(ClearRecord, RecordsEachQuestionOnceIgnoringLetterCase)
{
    TempFolder folder;
    const QString path = folder.Path(QStringLiteral("ClearPuzzle.dat"));
    QStringList list;
    EXPECT_EQ(ClearRecord::Record(path, QStringLiteral("/d/Question/velin001.dat"), list),
              ClearRecord::RecordResult::Created);
    const QByteArray two =
        AnsiText::Encode(QStringLiteral("*** Kab files check data ***\r\n/d/Question/velin001.dat\r\n"));
    EXPECT_EQ(folder.ReadBytes(QStringLiteral("ClearPuzzle.dat")), two);

    EXPECT_EQ(ClearRecord::Record(path, QStringLiteral("/D/QUESTION/VELIN001.DAT"), list),
              ClearRecord::RecordResult::AlreadyRecorded);
    EXPECT_EQ(folder.ReadBytes(QStringLiteral("ClearPuzzle.dat")), two);

    // A fresh run (an empty list) reads the file before comparing.
    QStringList fresh;
    EXPECT_EQ(ClearRecord::Record(path, QStringLiteral("/d/Question/velin001.dat"), fresh),
              ClearRecord::RecordResult::AlreadyRecorded);
    EXPECT_EQ(ClearRecord::Record(path, QStringLiteral("/d/Question/nono002.dat"), fresh),
              ClearRecord::RecordResult::Appended);
    EXPECT_EQ(fresh,
              (QStringList{QStringLiteral("/d/Question/velin001.dat"), QStringLiteral("/d/Question/nono002.dat")}));
    EXPECT_EQ(folder.ReadBytes(QStringLiteral("ClearPuzzle.dat")),
              two + AnsiText::Encode(QStringLiteral("/d/Question/nono002.dat\r\n")));
}

TEST(ClearRecord, ADamagedFirstLineIsNeverAppendedTo)
{
    TempFolder folder;
    const QString path = folder.Write(QStringLiteral("ClearPuzzle.dat"), {QStringLiteral("*** Kab files check data **"),
                                                                          QStringLiteral("/d/velin001.dat")});
    const QByteArray before = folder.ReadBytes(QStringLiteral("ClearPuzzle.dat"));
    QStringList list;
    EXPECT_EQ(ClearRecord::Load(path, list), ClearRecord::LoadResult::BadMagic);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(ClearRecord::Record(path, QStringLiteral("/d/velin002.dat"), list), ClearRecord::RecordResult::BadMagic);
    EXPECT_EQ(folder.ReadBytes(QStringLiteral("ClearPuzzle.dat")), before);
    EXPECT_EQ(ClearRecord::Load(folder.Path(QStringLiteral("none.dat")), list), ClearRecord::LoadResult::Missing);
}

TEST(ClearRecord, HoldsAtMost901Entries)
{
    TempFolder folder;
    QStringList lines{ClearRecord::kMagic};
    for (int i = 0; i < 905; ++i)
        lines << QStringLiteral("/d/q%1.dat").arg(i);
    const QString path = folder.Write(QStringLiteral("ClearPuzzle.dat"), lines);
    const QByteArray before = folder.ReadBytes(QStringLiteral("ClearPuzzle.dat"));
    QStringList list;
    ASSERT_EQ(ClearRecord::Load(path, list), ClearRecord::LoadResult::Loaded);
    EXPECT_EQ(list.size(), ClearRecord::kMaxEntries);
    EXPECT_EQ(ClearRecord::Record(path, QStringLiteral("/d/new.dat"), list), ClearRecord::RecordResult::Full);
    EXPECT_EQ(folder.ReadBytes(QStringLiteral("ClearPuzzle.dat")), before);
    // The 901st entry is the last one kept, and it still counts.
    EXPECT_EQ(ClearRecord::Record(path, QStringLiteral("/d/q900.dat"), list),
              ClearRecord::RecordResult::AlreadyRecorded);
}

TEST(ClearRecord, MarksByFileNameWhateverTheFolder)
{
    const QStringList list{QStringLiteral("/old/place/Question/VELIN012.dat"), QString(),
                           QStringLiteral("/d/nono005.dat")};
    EXPECT_TRUE(ClearRecord::IsCleared(list, QStringLiteral("velin012.dat")));
    EXPECT_FALSE(ClearRecord::IsCleared(list, QStringLiteral("velin013.dat")));
    // An empty entry ends the list.
    EXPECT_FALSE(ClearRecord::IsCleared(list, QStringLiteral("nono005.dat")));
}

TEST(ClearRecord, AFailedWriteRecordsNothing)
{
    TempFolder folder;
    // A folder where the record should be: it can be neither read nor replaced.
    const QString path = folder.Path(QStringLiteral("ClearPuzzle.dat"));
    ASSERT_TRUE(QDir().mkpath(path));
    QStringList list;
    EXPECT_EQ(ClearRecord::Record(path, QStringLiteral("/d/velin002.dat"), list),
              ClearRecord::RecordResult::WriteFailed);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(QFileInfo(path).isDir());
}

#include "platform/AnsiText.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velin;

namespace {
QString writeBytes(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}
}  // namespace

TEST(AnsiText, RoundTripsCodePage932ByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    const QStringList lines{QStringLiteral("★【べ り ん】イニシャルデータ★"), QStringLiteral("～①･ｱ"), QString()};
    ASSERT_TRUE(AnsiText::WriteLines(path, lines));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.endsWith("\r\n\r\n"));
    EXPECT_EQ(bytes.left(2), QByteArray::fromHex("819a"));  // ★
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("81608740a5b1")));  // ～①･ｱ

    AnsiReader reader(path);
    QStringList back;
    QString line;
    while (!reader.AtEnd() && reader.ReadLine(line))
        back << line;
    EXPECT_EQ(back, lines);
}

TEST(AnsiText, LineEndsOfEveryKind)
{
    QTemporaryDir dir;
    AnsiReader reader(writeBytes(dir, "a\r\nb\rc\nd"));
    QStringList got;
    QString line;
    while (!reader.AtEnd() && reader.ReadLine(line))
        got << line;
    EXPECT_EQ(got, (QStringList{"a", "b", "c", "d"}));
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_TRUE(reader.Failed());
}

TEST(AnsiText, ItemsEndAtCommasAndQuotesAreStripped)
{
    QTemporaryDir dir;
    AnsiReader reader(writeBytes(dir, "  lead,\"quoted, text\" ,last\r\n\"whole\"\r\nrest,of\r\n"));
    QString item;
    ASSERT_TRUE(reader.ReadItem(item));
    EXPECT_EQ(item, "lead");
    ASSERT_TRUE(reader.ReadItem(item));
    EXPECT_EQ(item, "quoted, text");
    ASSERT_TRUE(reader.ReadItem(item));
    EXPECT_EQ(item, "last");
    ASSERT_TRUE(reader.ReadItem(item));
    EXPECT_EQ(item, "whole");
    ASSERT_TRUE(reader.ReadItem(item));
    EXPECT_EQ(item, "rest");
    // A whole-line read after an item takes the rest of that line.
    QString line;
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "of");
    EXPECT_TRUE(reader.AtEnd());
}

TEST(AnsiText, OverlongLineFailsInsteadOfEatingMemory)
{
    QTemporaryDir dir;
    AnsiReader reader(writeBytes(dir, QByteArray(5000, 'x') + "\r\nshort\r\n"), 1000);
    QString line;
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_TRUE(reader.Failed());
}

TEST(AnsiText, MissingFileIsNotOpen)
{
    AnsiReader reader(QStringLiteral("/nonexistent/zzz.txt"));
    EXPECT_FALSE(reader.IsOpen());
    QString line;
    EXPECT_FALSE(reader.ReadLine(line));
}

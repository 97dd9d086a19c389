#include "platform/AnsiText.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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
} // namespace

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
    EXPECT_EQ(bytes.left(2), QByteArray::fromHex("819a"));            // ★
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("81608740a5b1"))); // ～①･ｱ

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

TEST(AnsiText, EachLineReadsAsIfDecodedAlone)
{
    // The reader keeps one decoder per file and passes plain ASCII lines
    // around it; every line must still read as a decoder of its own reads it.
    // Code page 932 maps the control codes 0x1A, 0x1C and 0x7F elsewhere, and
    // a line cut inside a double-byte character must not spoil the next.
    const QList<QByteArray> lines{
        "15,10",
        QByteArray::fromHex("819a8360836a8356"), // ★イニシ
        "tab\there",
        QByteArray("a\x1a b\x1c c\x7f"),
        QByteArray::fromHex("41428a"), // ends with a lead byte
        QByteArray::fromHex("8341"),   // ア, right after the cut line
        QByteArray::fromHex("ff80a0fd"),
        "",
        "last",
    };
    QTemporaryDir dir;
    AnsiReader reader(writeBytes(dir, lines.join("\r\n")));
    for (const QByteArray& bytes : lines) {
        QString line;
        ASSERT_TRUE(reader.ReadLine(line));
        EXPECT_EQ(line, AnsiText::Decode(bytes)) << bytes.toHex().constData();
    }
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(AnsiText::Decode("a\x1a").at(1), QChar(0x1C)) << "the control codes differ from ASCII";
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

TEST(AnsiText, FifoAndFoldersAreNotOpened)
{
    // Opening a FIFO for reading blocks until a writer comes: a question
    // file name that is a FIFO must not hang the game.
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("kabQue000.dat"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {fifo, dir.path()}) {
        AnsiReader reader(path);
        EXPECT_FALSE(reader.IsOpen()) << path.toStdString();
        EXPECT_TRUE(reader.Failed());
    }
}

namespace {
QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// A tiny tmpfs that the test mounts, filled to the last block. Mounting needs
// root; elsewhere the case is skipped.
class FullDisk {
public:
    FullDisk()
    {
        if (geteuid() != 0 || !dir_.isValid())
            return;
        mounted_ = QProcess::execute(QStringLiteral("mount"),
                                     {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                      QStringLiteral("size=64k"), QStringLiteral("tmpfs"), dir_.path()}) == 0;
    }
    ~FullDisk()
    {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {dir_.path()});
    }
    bool Mounted() const { return mounted_; }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    void Fill()
    {
        QFile filler(Path(QStringLiteral("filler")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};
} // namespace

TEST(AnsiText, FullDiskFailsAndKeepsTheOldFileWhole)
{
    FullDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    const QString path = disk.Path(QStringLiteral("velin.ini"));
    const QStringList old{QStringLiteral("★【べ り ん】イニシャルデータ★"), QStringLiteral("/data/Question/")};
    ASSERT_TRUE(AnsiText::WriteLines(path, old));
    const QByteArray before = bytesOf(path);
    disk.Fill();

    EXPECT_FALSE(AnsiText::WriteLines(path, QStringList(50, QString(200, u'x'))));
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_EQ(QDir(disk.Path(QString())).entryList(QDir::Files).size(), 2) << "no temporary file is left";
}

TEST(AnsiText, WriteClearsTemporariesThatAKilledWriterLeft)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("velin.ini"));
    const QDateTime longAgo = QDateTime::currentDateTime().addSecs(-3600);
    const auto make = [&](const QString& name, const QDateTime& when) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write("x");
        f.flush();
        f.setFileTime(when, QFileDevice::FileModificationTime);
    };
    make(QStringLiteral("velin.ini.Ab12Cd"), longAgo);                      // a killed writer's leftover
    make(QStringLiteral("velin.ini.Xy34Zw"), QDateTime::currentDateTime()); // may be a writer at work now
    make(QStringLiteral("velin.ini.bak"), longAgo);                         // not a temporary: the user's
    make(QStringLiteral("other.ini.Ab12Cd"), longAgo);                      // another file's
    ASSERT_TRUE(AnsiText::WriteLines(path, {QStringLiteral("a")}));
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, (QStringList{"other.ini.Ab12Cd", "velin.ini", "velin.ini.Xy34Zw", "velin.ini.bak"}));
}

// The default settings: the template, made into velin.ini by velin-setup,
// reads back through the game's own settings reader with every default in
// place, and the game would write it back unchanged.
#include "app/SettingsFile.h"
#include "platform/AnsiText.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velin;

namespace {

const QString kData = QStringLiteral(VELIN_DATA_DIR);

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs velin-setup with the repository's data folder standing in for the
// user's, so that the files the settings name really exist.
QString MakeSettings(const QTemporaryDir& dir)
{
    const QString output = dir.filePath(QStringLiteral("velin.ini"));
    QProcess setup;
    setup.start(QStringLiteral(VELIN_SETUP),
                {kData + QStringLiteral("/velin.ini.in"), kData + QStringLiteral("/"), output});
    EXPECT_TRUE(setup.waitForFinished(30000));
    EXPECT_EQ(setup.exitCode(), 0);
    return output;
}

} // namespace

TEST(DefaultSettings, TemplateHasTheTwentyNineLineLayout)
{
    QTemporaryDir dir;
    const QByteArray bytes = Bytes(MakeSettings(dir));
    EXPECT_EQ(bytes.count("\r\n"), 29);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), 29) << "a bare LF line end";
    // Code page 932: "【" is 81 79.
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("8179")));
}

TEST(DefaultSettings, GameReadsEveryDefault)
{
    QTemporaryDir dir;
    const QString path = MakeSettings(dir);
    SettingsRecord record;
    ASSERT_EQ(SettingsFile::Read(path, record), SettingsFile::ReadStatus::Ok);

    EXPECT_EQ(record.SettingsHeader, SettingsFile::kSolidCellsHeader);
    EXPECT_EQ(record.QuestionFolder, kData + QStringLiteral("/Question/"));
    EXPECT_TRUE(Paths::FileExists(record.QuestionFolder + QStringLiteral("velin000.dat")));
    EXPECT_EQ(record.FormColor, 15794175); // RGB(255, 255, 240), ivory
    EXPECT_TRUE(record.LineMarkMode);
    EXPECT_TRUE(record.EndMessageDisplay);
    const char* const files[] = {"opening", "bgm",      "start",   "end",       "stop",
                                 "entry",   "function", "correct", "uncorrect", "error"};
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(files[i]);
        EXPECT_EQ(record.SoundFile[i],
                  kData + QStringLiteral("/Sound/") + QLatin1String(files[i]) + QStringLiteral(".wav"));
        EXPECT_TRUE(Paths::FileExists(record.SoundFile[i]));
        // Background music starts switched off; its file is still named, so
        // switching it on in the sound settings needs no file choice.
        EXPECT_EQ(record.SoundSwitch[i], i == 1 ? QStringLiteral("Off") : QStringLiteral("On"));
    }
    EXPECT_TRUE(record.SoundFile[10].isEmpty());
}

TEST(DefaultSettings, GameWritesItBackUnchanged)
{
    QTemporaryDir dir;
    const QString path = MakeSettings(dir);
    SettingsRecord record;
    ASSERT_EQ(SettingsFile::Read(path, record), SettingsFile::ReadStatus::Ok);
    QStringList written;
    AnsiReader reader(path);
    QString line;
    while (!reader.AtEnd() && reader.ReadLine(line))
        written << line;
    QStringList rewritten = SettingsFile::Lines(record);
    // The game keeps the question folder in lower case.
    ASSERT_EQ(rewritten.size(), 29);
    EXPECT_EQ(rewritten[2].compare(written[2], Qt::CaseInsensitive), 0);
    rewritten[2] = written[2];
    EXPECT_EQ(rewritten, written);
}

TEST(DefaultSettings, SetupRefusesAFolderTheFileCannotHoldAndNeverOverwrites)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("velin.ini"));
    for (const QString& folder : {QStringLiteral("/home/a,b/velin/"), QStringLiteral("/home/josé/velin/")}) {
        QProcess setup;
        setup.start(QStringLiteral(VELIN_SETUP), {kData + QStringLiteral("/velin.ini.in"), folder, output});
        ASSERT_TRUE(setup.waitForFinished(30000));
        EXPECT_EQ(setup.exitCode(), 1) << folder.toStdString();
        EXPECT_FALSE(QFile::exists(output));
    }
    // A user's own file is left as it is.
    QFile mine(output);
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("mine");
    mine.close();
    QProcess setup;
    setup.start(QStringLiteral(VELIN_SETUP), {kData + QStringLiteral("/velin.ini.in"), kData + QStringLiteral("/"), output});
    ASSERT_TRUE(setup.waitForFinished(30000));
    EXPECT_EQ(setup.exitCode(), 0);
    EXPECT_EQ(Bytes(output), QByteArray("mine"));
}

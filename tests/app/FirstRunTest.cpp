#include "app/FirstRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velin;

namespace {

void Write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(FirstRun, InstalledGameSetsUpTheUsersDataWithoutOverwritingAnything)
{
    QTemporaryDir dir;
    const QString share = dir.filePath(QStringLiteral("prefix/share/velin"));
    Write(share + QStringLiteral("/velin.ini.in"), "Question=@DATA@Question/\n");
    Write(share + QStringLiteral("/Question/velin000.dat"), "new");
    Write(share + QStringLiteral("/Question/velin001.dat"), "new");
    Write(share + QStringLiteral("/Sound/start.wav"), "wav");
    QDir().mkpath(dir.filePath(QStringLiteral("prefix/bin")));
    EXPECT_EQ(FirstRun::InstalledData(dir.filePath(QStringLiteral("prefix/bin"))), share);
    EXPECT_TRUE(FirstRun::InstalledData(dir.filePath(QStringLiteral("build/src"))).isEmpty());

    const QString home = dir.filePath(QStringLiteral("data/velin"));
    const QString config = dir.filePath(QStringLiteral("config/velin"));
    Write(home + QStringLiteral("/Question/velin001.dat"), "the user's own");
    QString error;
    ASSERT_TRUE(FirstRun::InstallUserData(share, home, config, error)) << error.toStdString();
    EXPECT_EQ(Read(home + QStringLiteral("/Question/velin000.dat")), "new");
    EXPECT_EQ(Read(home + QStringLiteral("/Question/velin001.dat")), "the user's own");
    EXPECT_EQ(Read(home + QStringLiteral("/Sound/start.wav")), "wav");
    EXPECT_EQ(Read(config + QStringLiteral("/velin.ini")), ("Question=" + home + "/Question/\r\n").toUtf8());

    // A second start, or a person with the old settings name, keeps the settings.
    Write(config + QStringLiteral("/velin.ini"), "changed");
    ASSERT_TRUE(FirstRun::InstallUserData(share, home, config, error));
    EXPECT_EQ(Read(config + QStringLiteral("/velin.ini")), "changed");
    const QString other = dir.filePath(QStringLiteral("config2"));
    Write(other + QStringLiteral("/nonogram.ini"), "old");
    ASSERT_TRUE(FirstRun::InstallUserData(share, home, other, error));
    EXPECT_FALSE(QFile::exists(other + QStringLiteral("/velin.ini")));
}

TEST(FirstRun, FolderTheSettingsCannotHoldIsRefused)
{
    QTemporaryDir dir;
    const QString templ = dir.filePath(QStringLiteral("velin.ini.in"));
    Write(templ, "Question=@DATA@Question/\n");
    QString error;
    const QString output = dir.filePath(QStringLiteral("velin.ini"));
    for (const QString& folder : {QStringLiteral("/a,\"b/"), QStringLiteral("/🐍/")}) {
        EXPECT_FALSE(FirstRun::WriteSettings(templ, folder, output, error)) << folder.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(QFile::exists(output));
    }
}

#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velin;

TEST(Paths, ResolvesEveryComponentIgnoringLetterCase)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Data/Question"));
    const QString real = dir.path() + QStringLiteral("/Data/Question/kabQue001.dat");
    QFile(real).open(QIODevice::WriteOnly);
    Paths::ForgetListings();

    EXPECT_EQ(Paths::Resolve(dir.path() + QStringLiteral("/data/question/KabQue001.DAT")), real);
    EXPECT_EQ(Paths::Resolve(real), real);
    EXPECT_TRUE(Paths::FileExists(dir.path() + QStringLiteral("/DATA/QUESTION/kabque001.dat")));
    EXPECT_FALSE(Paths::FileExists(dir.path() + QStringLiteral("/data/question/kabQue002.dat")));
    EXPECT_EQ(Paths::Resolve(dir.path() + QStringLiteral("/data/question/")), dir.path() + QStringLiteral("/Data/Question/"));

    // One listing for many probes, its folder found the same way.
    const auto names = Paths::NamesIn(dir.path() + QStringLiteral("/DATA/question/"));
    EXPECT_EQ(names.value(QStringLiteral("kabque001.dat")), QStringLiteral("kabQue001.dat"));
    EXPECT_EQ(names.size(), 1);
    EXPECT_TRUE(Paths::NamesIn(dir.path() + QStringLiteral("/nowhere/")).isEmpty());
}

TEST(Paths, ListingFollowsNewFiles)
{
    QTemporaryDir dir;
    EXPECT_FALSE(Paths::FileExists(dir.path() + QStringLiteral("/NEW.dat")));
    QFile(dir.path() + QStringLiteral("/new.dat")).open(QIODevice::WriteOnly);
    EXPECT_TRUE(Paths::FileExists(dir.path() + QStringLiteral("/NEW.dat")));
}

TEST(Paths, ShortPathAndFolderHelpers)
{
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/with space.wav");
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_EQ(Paths::ShortPathOf(file), file);
    EXPECT_EQ(Paths::ShortPathOf(dir.path() + QStringLiteral("/missing.wav")), QString());
    EXPECT_EQ(Paths::ShortPathOf(QString()), QString());

    EXPECT_EQ(Paths::AddDirSep(QStringLiteral("/a/b  ")), QStringLiteral("/a/b/"));
    EXPECT_EQ(Paths::AddDirSep(QStringLiteral("/a/b/")), QStringLiteral("/a/b/"));
    EXPECT_EQ(Paths::ParentFolderOf(QStringLiteral("/data/q/")), QStringLiteral("/data/"));
    EXPECT_EQ(Paths::ParentFolderOf(QStringLiteral("q/")), QString());
    EXPECT_EQ(Paths::FileNameOf(QStringLiteral("/a/nono001.dat")), QStringLiteral("nono001.dat"));
}

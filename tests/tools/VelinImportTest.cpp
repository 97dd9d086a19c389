// velin-import as a user runs it: the default folder from the settings file,
// one line per puzzle, the exit status, and velin-check solving what it wrote.
#include "app/SettingsFile.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace velin;

struct ToolRun {
    int exitCode = -1;
    QStringList lines;
};

ToolRun Start(const QString& program, const QStringList& arguments, const QString& configHome)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)};
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(VelinImport, IntoTheQuestionFolderOfTheSettings)
{
    QTemporaryDir dir;
    const QString configHome = dir.filePath(QStringLiteral("config"));
    const QString questions = dir.filePath(QStringLiteral("Question")) + u'/';
    QDir().mkpath(configHome + QStringLiteral("/velin"));
    QDir().mkpath(questions);
    SettingsRecord record;
    record.SettingsHeader = SettingsFile::kSolidCellsHeader;
    record.QuestionFolder = questions;
    ASSERT_TRUE(SettingsFile::Write(configHome + QStringLiteral("/velin/velin.ini"), record, false));

    const QString non = dir.filePath(QStringLiteral("corner.non"));
    WriteBytes(non, "title \"Corner\"\nwidth 2\nheight 2\nrows\n2\n1\ncolumns\n2\n1\n");
    const QString wide = dir.filePath(QStringLiteral("wide.non"));
    WriteBytes(wide, "title \"Wide\"\nwidth 61\nheight 1\nrows\n1\ncolumns\n" + QByteArray("1\n").repeated(61));
    // A question file already there keeps its number.
    WriteBytes(questions + QStringLiteral("kabQue000.dat"), "mine\r\n");

    const ToolRun run = Start(QStringLiteral(VELIN_IMPORT),
                              {QStringLiteral("--prefix"), QStringLiteral("kabque"), non, wide}, configHome);
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 2);
    const QString written = questions + QStringLiteral("kabQue001.dat");
    EXPECT_EQ(run.lines[0], non + u'\t' + written + QStringLiteral("\t2x2\t1\tunique"));
    EXPECT_EQ(run.lines[1], wide + QStringLiteral("\trefused\tlarger than 60: 61x1"));

    const ToolRun check = Start(QStringLiteral(VELIN_CHECK), {written}, configHome);
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_EQ(check.lines.value(0).split(u'\t').value(1), QStringLiteral("solved"));

    // Without a settings file and without --to there is nowhere to write.
    EXPECT_EQ(Start(QStringLiteral(VELIN_IMPORT), {non}, dir.filePath(QStringLiteral("empty"))).exitCode, 2);
    EXPECT_EQ(Start(QStringLiteral(VELIN_IMPORT), {QStringLiteral("--prefix"), QStringLiteral("abc"), non}, configHome)
                  .exitCode,
              2);
}

} // namespace

#include "QtPrinters.h"
#include "platform/AnsiText.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A question file from its row and column clues.
QString WriteQuestion(const QTemporaryDir& dir, const QString& name, const QStringList& rows,
                      const QStringList& columns)
{
    const QString path = dir.filePath(name);
    QStringList lines{QStringLiteral("題"), QStringLiteral("答"),         QString(),
                      QStringLiteral("1"),  QString::number(rows.size()), QString::number(columns.size())};
    velin::AnsiText::WriteLines(path, lines + rows + columns);
    return path;
}

struct CheckRun {
    int exitCode = -1;
    QStringList lines;
};

CheckRun Check(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(VELIN_CHECK), arguments);
    process.waitForFinished(60000);
    CheckRun run;
    run.exitCode = process.exitCode();
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

TEST(VelinCheck, ReportsEachFileAndExitsWithTheWorstStatus)
{
    QTemporaryDir dir;
    // A plus sign: line logic finishes it.
    const QString solved =
        WriteQuestion(dir, QStringLiteral("plus.dat"), {"1", "1", "5", "1", "1"}, {"1", "1", "5", "1", "1"});
    // Two diagonal cells: two pictures fit, no line forces anything.
    const QString stalled = WriteQuestion(dir, QStringLiteral("two.dat"), {"1", "1"}, {"1", "1"});
    // Row 3 wants 11 cells but the columns give it 12, and column 12 wants
    // two cells where only one can be: every line completes, two disagree.
    QStringList rows(12, QStringLiteral("0"));
    rows[2] = QStringLiteral("11");
    QStringList columns(12, QStringLiteral("1"));
    columns[11] = QStringLiteral("2");
    const QString wrong = WriteQuestion(dir, QStringLiteral("wrong.dat"), rows, columns);
    const QString unreadable = dir.filePath(QStringLiteral("broken.dat"));
    velin::AnsiText::WriteLines(unreadable, {QStringLiteral("only a title")});

    CheckRun run = Check({solved});
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 1);
    QStringList fields = run.lines[0].split(u'\t');
    ASSERT_EQ(fields.size(), 5);
    EXPECT_EQ(fields[0], solved);
    EXPECT_EQ(fields[1], QStringLiteral("solved"));
    EXPECT_EQ(fields[2], QStringLiteral("25/25"));
    EXPECT_GE(fields[3].toInt(), 1);

    run = Check({stalled, wrong});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 2);
    EXPECT_EQ(run.lines[0].split(u'\t').mid(1, 2), (QStringList{"stalled", "0/4"}));
    EXPECT_EQ(run.lines[1].split(u'\t').mid(1, 4), (QStringList{"wrong", "3", "12", "144/144"}));

    run = Check({solved, unreadable, stalled});
    EXPECT_EQ(run.exitCode, 2);
    ASSERT_EQ(run.lines.size(), 3);
    EXPECT_EQ(run.lines[1].split(u'\t').mid(0, 4), (QStringList{unreadable, "unreadable", "0/0", "0"}));
}

TEST(VelinCheck, GridShowsTheFinalBoard)
{
    QTemporaryDir dir;
    const QString stalled = WriteQuestion(dir, QStringLiteral("corner.dat"), {"1", "0"}, {"1", "0"});
    const CheckRun run = Check({QStringLiteral("--grid"), stalled});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.lines.mid(1), (QStringList{"#.", ".."}));
}

TEST(VelinCheck, NoFilesIsAUsageError)
{
    EXPECT_EQ(Check({}).exitCode, 2);
}

} // namespace

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
    // A budget that is not a number of milliseconds.
    EXPECT_EQ(Check({QStringLiteral("--analyse"), QStringLiteral("--budget"), QStringLiteral("soon"),
                     QStringLiteral("x.dat")})
                  .exitCode,
              2);
}

TEST(VelinCheck, AnalyseAddsTheVerdictAndThePictures)
{
    QTemporaryDir dir;
    const QString plus =
        WriteQuestion(dir, QStringLiteral("plus.dat"), {"1", "1", "5", "1", "1"}, {"1", "1", "5", "1", "1"});
    const QString two = WriteQuestion(dir, QStringLiteral("two.dat"), {"1", "1"}, {"1", "1"});
    const QString none = WriteQuestion(dir, QStringLiteral("none.dat"), {"1", "1"}, {"2", "2"});
    const CheckRun run = Check({QStringLiteral("--analyse"), QStringLiteral("--budget"), QStringLiteral("5000"),
                                QStringLiteral("--grid"), plus, two, none});
    // Exit status as without --analyse: two files stall.
    EXPECT_EQ(run.exitCode, 1);
    const auto fieldsOf = [&run](const QString& file) {
        for (const QString& line : run.lines)
            if (line.startsWith(file + u'\t'))
                return line.split(u'\t');
        return QStringList();
    };
    // Today's columns, then verdict, nodes, microseconds.
    const QStringList plusFields = fieldsOf(plus);
    ASSERT_EQ(plusFields.size(), 8);
    EXPECT_EQ(plusFields[1], QStringLiteral("solved"));
    EXPECT_EQ(plusFields[5], QStringLiteral("unique"));
    EXPECT_EQ(plusFields[6], QStringLiteral("0"));
    // The three analysis columns come last ("wrong" lines are longer).
    const auto verdictOf = [&fieldsOf](const QString& file) {
        const QStringList fields = fieldsOf(file);
        return fields.value(fields.size() - 3);
    };
    EXPECT_EQ(verdictOf(two), QStringLiteral("multiple"));
    EXPECT_EQ(verdictOf(none), QStringLiteral("none"));

    // --grid: the board, then "solution:" for unique and multiple, and
    // "another:" with a different picture for multiple; nothing for none.
    const qsizetype twoAt = run.lines.indexOf(fieldsOf(two).join(u'\t'));
    EXPECT_EQ(run.lines.mid(twoAt + 1, 7),
              (QStringList{"??", "??", "solution:", run.lines.value(twoAt + 4), run.lines.value(twoAt + 5),
                           "another:", run.lines.value(twoAt + 7)}));
    const QStringList first = run.lines.mid(twoAt + 4, 2);
    const QStringList second = run.lines.mid(twoAt + 7, 2);
    EXPECT_NE(first, second);
    for (const QStringList& picture : {first, second})
        EXPECT_TRUE(picture == QStringList({"#.", ".#"}) || picture == QStringList({".#", "#."}));
    const qsizetype plusAt = run.lines.indexOf(plusFields.join(u'\t'));
    EXPECT_EQ(run.lines.value(plusAt + 6), QStringLiteral("solution:"));
    EXPECT_EQ(run.lines.mid(plusAt + 7, 5), run.lines.mid(plusAt + 1, 5));
    const qsizetype noneAt = run.lines.indexOf(fieldsOf(none).join(u'\t'));
    EXPECT_EQ(run.lines.size(), noneAt + 3); // the board only
}

} // namespace

// The default question set: the committed files are exactly what the art
// makes, the game's reader takes every one of them, and the art's "logic"
// marks tell the truth.
#include "ArtPuzzle.h"
#include "board/QuestionFile.h"
#include "platform/AnsiText.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velin;
using namespace velin::art;

namespace {

const QString kData = QStringLiteral(VELIN_DATA_DIR);

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<ArtPuzzle> AllPuzzles()
{
    std::vector<ArtPuzzle> puzzles;
    for (const QString& path : ArtFiles(kData + QStringLiteral("/art"))) {
        QString error;
        std::optional<ArtPuzzle> puzzle = ReadArt(path, error);
        EXPECT_TRUE(puzzle.has_value()) << error.toStdString();
        if (puzzle)
            puzzles.push_back(std::move(*puzzle));
    }
    return puzzles;
}

} // namespace

TEST(DefaultQuestions, CommittedFilesAreWhatTheArtMakes)
{
    QTemporaryDir out;
    QStringList written;
    QString error;
    ASSERT_TRUE(WriteQuestions(kData + QStringLiteral("/art"), out.path(), written, error)) << error.toStdString();
    written.sort();
    const QStringList committed = QDir(kData + QStringLiteral("/Question")).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(committed.join(u' ').toStdString(), written.join(u' ').toStdString());
    for (const QString& name : written)
        EXPECT_EQ(Bytes(QDir(out.path()).filePath(name)), Bytes(kData + QStringLiteral("/Question/") + name))
            << name.toStdString() << " differs from its art; run velin-make-questions data/art data/Question";
}

TEST(DefaultQuestions, GameReaderTakesEveryFileAsDrawn)
{
    for (const ArtPuzzle& p : AllPuzzles()) {
        SCOPED_TRACE(p.fileName.toStdString());
        const std::optional<QuestionData> q = QuestionFile::Read(kData + QStringLiteral("/Question/") + p.fileName);
        ASSERT_TRUE(q.has_value());
        EXPECT_EQ(q->Title, p.title);
        EXPECT_EQ(q->Answer, p.answer);
        EXPECT_EQ(q->Comment, p.comment.isEmpty() ? QuestionFile::kNoComment : p.comment);
        EXPECT_EQ(q->Difficulty, p.difficulty);
        ASSERT_EQ(q->RowCount, p.Rows());
        ASSERT_EQ(q->ColumnCount, p.Columns());
        const std::vector<Clue> rows = p.RowClues();
        for (int r = 0; r < p.Rows(); ++r)
            EXPECT_EQ(q->RowClueText[r + 1], QuestionWriter::ClueText(rows[r]).replace(u'/', QChar(0xFF65)));
        const std::vector<Clue> columns = p.ColumnClues();
        for (int c = 0; c < p.Columns(); ++c)
            EXPECT_EQ(q->ColumnClueText[c + 1], QuestionWriter::ClueText(columns[c]).replace(u'/', QChar(0xFF65)));
    }
}

TEST(DefaultQuestions, ProbeFileIsTheSmallMushroom)
{
    // Written out by hand, so that a fault shared by the art reader and the
    // writer cannot hide behind the byte comparison above.
    const QStringList lines = {
        QStringLiteral("秋の味覚"), QStringLiteral("きのこ"), QStringLiteral("森の中で見つけたよ"),
        QStringLiteral("1"),        QStringLiteral("5"),      QStringLiteral("5"),
        QStringLiteral("3"),        QStringLiteral("5"),      QStringLiteral("5"),
        QStringLiteral("1"),        QStringLiteral("3"),      QStringLiteral("2"),
        QStringLiteral("3/1"),      QStringLiteral("5"),      QStringLiteral("3/1"),
        QStringLiteral("2")};
    QByteArray expected;
    for (const QString& line : lines)
        expected += AnsiText::Encode(line) + "\r\n";
    EXPECT_EQ(Bytes(kData + QStringLiteral("/Question/velin000.dat")), expected);
}

TEST(DefaultQuestions, LogicMarksHoldAndTheGuessingPuzzleHasOnePicture)
{
    int guessing = 0;
    for (const ArtPuzzle& p : AllPuzzles()) {
        SCOPED_TRACE(p.fileName.toStdString());
        CellGrid grid(p.Rows(), std::vector<Cell>(p.Columns(), Cell::Unknown));
        ASSERT_TRUE(SolveByLines(p.RowClues(), p.ColumnClues(), grid));
        if (p.needsGuess) {
            ++guessing;
            EXPECT_FALSE(IsComplete(grid)) << "line logic finishes a puzzle marked \"guess\"";
            EXPECT_EQ(CountSolutions(p.RowClues(), p.ColumnClues(), 2), 1);
            continue;
        }
        ASSERT_TRUE(IsComplete(grid)) << "line logic stalls on a puzzle marked \"line\"";
        for (int r = 0; r < p.Rows(); ++r)
            for (int c = 0; c < p.Columns(); ++c)
                ASSERT_EQ(grid[r][c] == Cell::Filled, p.picture[r][c]) << "row " << r + 1 << " column " << c + 1;
    }
    EXPECT_GE(guessing, 1);
}

TEST(DefaultQuestions, SetRunsFromTheProbeFileToSixtyBySixty)
{
    const std::vector<ArtPuzzle> puzzles = AllPuzzles();
    EXPECT_GE(puzzles.size(), 13u);
    QSet<QString> names;
    QSet<int> difficulties;
    bool smallest = false;
    bool largestByLines = false;
    bool oblong = false;
    for (const ArtPuzzle& p : puzzles) {
        names.insert(p.fileName);
        difficulties.insert(p.difficulty);
        smallest |= p.Rows() == 5 && p.Columns() == 5;
        largestByLines |= p.Rows() == 60 && p.Columns() == 60 && !p.needsGuess;
        oblong |= p.Rows() != p.Columns();
        EXPECT_TRUE(p.fileName.startsWith(QStringLiteral("velin"))) << p.fileName.toStdString();
    }
    // Startup probes for "velin000.dat"; the set numbers on from there without gaps.
    for (int n = 0; n < static_cast<int>(puzzles.size()); ++n)
        EXPECT_TRUE(names.contains(QStringLiteral("velin%1.dat").arg(n, 3, 10, QLatin1Char('0')))) << n;
    EXPECT_TRUE(smallest);
    EXPECT_TRUE(largestByLines);
    EXPECT_TRUE(oblong);
    EXPECT_EQ(difficulties.size(), 7);
}

// The pieces behind the default puzzles: the complete line solver that
// vouches for them, and the art reader that refuses pictures which would make
// broken question files.
#include "ArtPuzzle.h"
#include "LineLogic.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using namespace velin;
using namespace velin::art;

namespace {

// Every placement of the clue that agrees with the decided cells, by brute
// force; what all of them share is what a complete line solver must decide.
bool BruteForce(const Clue& clue, std::vector<Cell>& line)
{
    const int n = static_cast<int>(line.size());
    std::vector<int> filledIn(n, 0);
    int fits = 0;
    for (unsigned bits = 0; bits < (1u << n); ++bits) {
        std::vector<bool> cells(n);
        bool agrees = true;
        for (int i = 0; i < n; ++i) {
            cells[i] = (bits >> i) & 1u;
            agrees &= line[i] == Cell::Unknown || (line[i] == Cell::Filled) == cells[i];
        }
        if (!agrees || RunsOf(cells) != clue)
            continue;
        ++fits;
        for (int i = 0; i < n; ++i)
            filledIn[i] += cells[i];
    }
    for (int i = 0; i < n; ++i)
        if (filledIn[i] == fits)
            line[i] = Cell::Filled;
        else if (filledIn[i] == 0)
            line[i] = Cell::Blank;
    return fits > 0;
}

QString WriteArt(const QTemporaryDir& dir, const QString& text)
{
    const QString path = dir.filePath(QStringLiteral("art.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(text.toUtf8());
    return path;
}

const QString kGoodHeader = QStringLiteral("file: velin001.dat\ntitle: 雨の日\nanswer: かさ\n"
                                           "comment: お気に入り\ndifficulty: 2\nlogic: line\n\n");

} // namespace

TEST(LineLogic, AgreesWithBruteForceOnEveryShortLine)
{
    std::mt19937 random(20240601);
    for (int n = 1; n <= 9; ++n)
        for (unsigned picture = 0; picture < (1u << n); ++picture) {
            std::vector<bool> cells(n);
            for (int i = 0; i < n; ++i)
                cells[i] = (picture >> i) & 1u;
            const Clue clue = RunsOf(cells);
            // Some cells already decided, now and then wrongly, so that
            // contradictions are exercised as well.
            std::vector<Cell> line(n, Cell::Unknown);
            for (int i = 0; i < n; ++i) {
                const unsigned roll = random() % 6;
                if (roll == 0)
                    line[i] = cells[i] ? Cell::Filled : Cell::Blank;
                else if (roll == 1)
                    line[i] = random() % 2 ? Cell::Filled : Cell::Blank;
            }
            std::vector<Cell> expected = line;
            const bool fits = BruteForce(clue, expected);
            std::vector<Cell> got = line;
            ASSERT_EQ(SolveLine(clue, got), fits) << "n " << n << " picture " << picture;
            if (fits) {
                ASSERT_EQ(got, expected) << "n " << n << " picture " << picture;
            }
        }
}

TEST(LineLogic, StallsOnTwoPicturesAndFinishesOne)
{
    // The two diagonals of a 2 x 2 square share every clue.
    const std::vector<Clue> ones = {{1}, {1}};
    CellGrid grid(2, std::vector<Cell>(2, Cell::Unknown));
    ASSERT_TRUE(SolveByLines(ones, ones, grid));
    EXPECT_FALSE(IsComplete(grid));
    EXPECT_EQ(CountSolutions(ones, ones, 5), 2);

    // A plus sign is forced line by line.
    const std::vector<Clue> plus = {{1}, {3}, {1}};
    CellGrid cross(3, std::vector<Cell>(3, Cell::Unknown));
    ASSERT_TRUE(SolveByLines(plus, plus, cross));
    EXPECT_TRUE(IsComplete(cross));
    EXPECT_EQ(cross[0][0], Cell::Blank);
    EXPECT_EQ(cross[1][0], Cell::Filled);

    // Clues that no picture satisfies.
    EXPECT_EQ(CountSolutions({{2}, {}}, {{1}, {}}, 5), 0);
}

TEST(ArtReader, WritesTheQuestionFileLines)
{
    QTemporaryDir dir;
    QString error;
    const auto p = ReadArt(WriteArt(dir, kGoodHeader + QStringLiteral("#.#\n...\n###\n\n")), error);
    ASSERT_TRUE(p.has_value()) << error.toStdString();
    const QStringList expected = {QStringLiteral("雨の日"), QStringLiteral("かさ"), QStringLiteral("お気に入り"),
                                  QStringLiteral("2"),      QStringLiteral("3"),    QStringLiteral("3"),
                                  QStringLiteral("1/1"),    QStringLiteral("0"),    QStringLiteral("3"),
                                  QStringLiteral("1/1"),    QStringLiteral("1"),    QStringLiteral("1/1")};
    EXPECT_EQ(QuestionWriter::Lines(QuestionOf(*p)), expected);
}

TEST(ArtReader, RefusesArtThatWouldMakeABrokenQuestion)
{
    const QString row = QStringLiteral("#.#\n");
    struct Case {
        const char* why;
        QString text;
    };
    const Case cases[] = {
        {"comment ending with a digit",
         QString(kGoodHeader).replace(QStringLiteral("お気に入り"), QStringLiteral("第2"))},
        {"one-character comment", QString(kGoodHeader).replace(QStringLiteral("お気に入り"), QStringLiteral("雨"))},
        {"difficulty 8",
         QString(kGoodHeader).replace(QStringLiteral("difficulty: 2"), QStringLiteral("difficulty: 8"))},
        {"unknown logic", QString(kGoodHeader).replace(QStringLiteral("logic: line"), QStringLiteral("logic: maybe"))},
        {"not a question file name",
         QString(kGoodHeader).replace(QStringLiteral("velin001"), QStringLiteral("velin1"))},
        {"missing answer", QString(kGoodHeader).remove(QStringLiteral("answer: かさ\n"))},
        {"outside code page 932", QString(kGoodHeader).replace(QStringLiteral("かさ"), QStringLiteral("傘🌂"))},
        {"ragged rows", kGoodHeader + row + QStringLiteral("##\n")},
        {"stray character", kGoodHeader + QStringLiteral("#x#\n")},
        {"no picture", kGoodHeader},
        {"61 columns", kGoodHeader + QString(61, u'#') + u'\n'},
        {"61 rows", kGoodHeader + row.repeated(61)},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        QString error;
        EXPECT_FALSE(ReadArt(WriteArt(dir, c.text), error).has_value()) << c.why;
        EXPECT_FALSE(error.isEmpty()) << c.why;
    }
    QString error;
    EXPECT_TRUE(ReadArt(WriteArt(dir, kGoodHeader + row.repeated(60)), error).has_value()) << error.toStdString();
}

TEST(ArtReader, WriterRefusesAFalseLogicMarkAndWritesNothing)
{
    QTemporaryDir art;
    QTemporaryDir out;
    QFile file(art.filePath(QStringLiteral("diagonal.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((kGoodHeader + QStringLiteral("#.\n.#\n")).toUtf8());
    file.close();
    QStringList written;
    QString error;
    EXPECT_FALSE(WriteQuestions(art.path(), out.path(), written, error));
    EXPECT_TRUE(error.contains(QStringLiteral("stalls"))) << error.toStdString();
    EXPECT_TRUE(QDir(out.path()).isEmpty());
}

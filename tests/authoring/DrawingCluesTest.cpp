#include "authoring/DrawingClues.h"
#include "authoring/QuestionWriter.h"
#include "board/QuestionFile.h"
#include "solver/AutoSolve.h"
#include "solver/HeadlessHost.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace velin;

namespace {

// A drawing from text rows: "#" filled, "." blank, "?" undecided.
std::unique_ptr<BoardModel> Drawing(const std::vector<std::string>& rows)
{
    auto model = std::make_unique<BoardModel>();
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const char ch = rows[r][c];
            model->Board[r + 1][c + 1] = ch == '#' ? kFilled : ch == '.' ? kBlank : kUndecided;
        }
    return model;
}

// A 60 x 60 drawing: nested square rings one cell apart, with a diagonal
// cut through the upper left quarter, so lines hold many runs of mixed
// lengths.
std::vector<std::string> Rings60()
{
    std::vector<std::string> rows(60, std::string(60, '.'));
    for (int r = 0; r < 60; ++r)
        for (int c = 0; c < 60; ++c) {
            const int ring = std::min(std::min(r, c), std::min(59 - r, 59 - c));
            bool filled = ring % 2 == 0;
            if (r < 30 && c < 30 && r == c)
                filled = !filled;
            rows[r][c] = filled ? '#' : '.';
        }
    return rows;
}

} // namespace

TEST(DrawingClues, CluesOfEveryLineAsTheWriterTakesThem)
{
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        QStringList rowClues;
        QStringList columnClues;
    };
    const std::string alternating = [] {
        std::string line;
        for (int c = 0; c < 60; ++c)
            line += c % 2 == 0 ? '#' : '.';
        return line;
    }();
    QStringList thirtyOnes;
    for (int i = 0; i < 30; ++i)
        thirtyOnes << QStringLiteral("1");
    QStringList alternatingColumns;
    for (int c = 0; c < 60; ++c)
        alternatingColumns << (c % 2 == 0 ? QStringLiteral("1") : QStringLiteral("0"));

    const Case cases[] = {
        {"blank drawing", {"...", "...", "..."}, {"0", "0", "0"}, {"0", "0", "0"}},
        {"the worked 3 x 3", {"#.#", "...", "###"}, {"1/1", "0", "3"}, {"1/1", "1", "1/1"}},
        {"a run ending at the last cell", {"##.#"}, {"2/1"}, {"1", "1", "0", "1"}},
        {"a full line", {"####"}, {"4"}, {"1", "1", "1", "1"}},
        {"60 alternating cells", {alternating}, {thirtyOnes.join(u'/')}, alternatingColumns},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const auto model = Drawing(test.rows);
        const int rows = static_cast<int>(test.rows.size());
        const int columns = static_cast<int>(test.rows.front().size());
        EXPECT_EQ(DrawingClues::RowClues(*model, rows, columns), test.rowClues);
        EXPECT_EQ(DrawingClues::ColumnClues(*model, rows, columns), test.columnClues);
    }
}

TEST(DrawingClues, CellsOutsideTheCountsAreNotRead)
{
    // The board keeps an earlier, larger picture beyond the new sizes.
    const auto model = Drawing({"#.##", "..##", "####"});
    EXPECT_EQ(DrawingClues::RowClues(*model, 2, 2), (QStringList{"1", "0"}));
    EXPECT_EQ(DrawingClues::ColumnClues(*model, 2, 2), (QStringList{"1", "0"}));
}

// A made question read back by the game's reader carries the drawing's
// clues, and the solver, given only those, draws the picture again.
TEST(DrawingClues, AMadeQuestionRoundTripsThroughTheReaderAndTheSolver)
{
    struct Case {
        const char* name;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"the worked 3 x 3", {"#.#", "...", "###"}},
        {"blank 2 x 5", {".....", "....."}},
        {"a 1 x 1 cell", {"#"}},
        {"a 5 x 7 house", {"...#...", "..###..", ".#####.", ".#...#.", ".#.#.#."}},
        {"60 x 60 rings", Rings60()},
    };
    QTemporaryDir dir;
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const auto drawing = Drawing(test.rows);
        const int rows = static_cast<int>(test.rows.size());
        const int columns = static_cast<int>(test.rows.front().size());
        const QString path = dir.filePath(QStringLiteral("velin100.dat"));
        const QuestionText made =
            DrawingClues::Question(*drawing, rows, columns, QStringLiteral("えのかお！"), QStringLiteral("えでした。"),
                                   QStringLiteral("手描きの問題"), 3);
        ASSERT_TRUE(QuestionWriter::Write(path, made));

        const std::optional<QuestionData> read = QuestionFile::Read(path);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->Title, made.Title);
        EXPECT_EQ(read->Answer, made.Answer);
        EXPECT_EQ(read->Comment, made.Comment);
        EXPECT_EQ(read->Difficulty, 3);
        ASSERT_EQ(read->RowCount, rows);
        ASSERT_EQ(read->ColumnCount, columns);
        for (int r = 1; r <= rows; ++r)
            EXPECT_EQ(read->RowClueText[r], QuestionFile::DisplayTextOf(made.RowClues.at(r - 1))) << "row " << r;
        for (int c = 1; c <= columns; ++c)
            EXPECT_EQ(read->ColumnClueText[c], QuestionFile::DisplayTextOf(made.ColumnClues.at(c - 1)))
                << "column " << c;

        auto board = std::make_unique<BoardModel>();
        ASSERT_TRUE(QuestionFile::ParseClues(*read, *board));
        for (int r = 1; r <= rows; ++r) {
            const std::vector<int> runs = DrawingClues::RowRuns(*drawing, r, columns);
            const int count = board->RowClues[r][0];
            std::vector<int> parsed;
            for (int k = 1; k <= count; ++k)
                parsed.push_back(board->RowClues[r][k]);
            EXPECT_EQ(parsed, runs.empty() ? std::vector<int>{0} : runs) << "row " << r;
        }

        HeadlessHost host(/*stopWhenStalled=*/true);
        const SolveOutcome outcome = AutoSolve(*board, rows, columns, host);
        ASSERT_FALSE(outcome.stopped) << "the drawing should be solvable line by line";
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= columns; ++c)
                ASSERT_EQ(board->Board[r][c], drawing->Board[r][c]) << "cell " << r << ", " << c;
    }
}

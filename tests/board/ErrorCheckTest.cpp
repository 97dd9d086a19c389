#include "board/ErrorCheck.h"

#include "app/Shared.h"
#include "board/QuestionFile.h"

#include <gtest/gtest.h>

using namespace velin;

namespace {

// A model from its clues ("3/1", "", "0") and a picture of '#' filled,
// '.' blank and '?' undecided cells.
BoardModel ModelOf(const QStringList& rowClues, const QStringList& columnClues, const QStringList& picture)
{
    QuestionData q;
    q.RowCount = static_cast<int16_t>(rowClues.size());
    q.ColumnCount = static_cast<int16_t>(columnClues.size());
    for (int r = 0; r < rowClues.size(); ++r)
        q.RowClueText[r + 1] = QuestionFile::DisplayTextOf(rowClues.at(r));
    for (int c = 0; c < columnClues.size(); ++c)
        q.ColumnClueText[c + 1] = QuestionFile::DisplayTextOf(columnClues.at(c));
    BoardModel model;
    EXPECT_TRUE(QuestionFile::ParseClues(q, model));
    for (int r = 0; r < picture.size(); ++r)
        for (int c = 0; c < picture.at(r).size(); ++c) {
            const QChar ch = picture.at(r).at(c);
            model.Board[r + 1][c + 1] = ch == u'#' ? kFilled : ch == u'.' ? kBlank : kUndecided;
        }
    return model;
}

std::vector<int> Runs(const Grid61& runs, int line)
{
    return std::vector<int>(runs[line].begin() + 1, runs[line].begin() + 1 + runs[line][0]);
}

} // namespace

TEST(ErrorCheck, PlusSignSolved)
{
    BoardModel model =
        ModelOf({"1", "1", "5", "1", "1"}, {"1", "1", "5", "1", "1"}, {"..#..", "..#..", "#####", "..#..", "..#.."});
    const ErrorCheckResult result = ErrorCheck(model, 5, 5);
    EXPECT_TRUE(result.Correct());
    EXPECT_EQ(result.WrongRow, "");
    EXPECT_EQ(result.WrongColumn, "");
    EXPECT_EQ(model.RowRuns[3][0], 1);
    EXPECT_EQ(model.RowRuns[3][1], 5);
}

TEST(ErrorCheck, AnExtraRunIsReportedInItsRowAndColumn)
{
    BoardModel model =
        ModelOf({"1", "1", "5", "1", "1"}, {"1", "1", "5", "1", "1"}, {"..#..", "..#.#", "#####", "..#..", "..#.."});
    const ErrorCheckResult result = ErrorCheck(model, 5, 5);
    EXPECT_FALSE(result.Correct());
    EXPECT_EQ(result.WrongRow, " 2");
    EXPECT_EQ(result.WrongColumn, " 5");
    EXPECT_EQ(Runs(model.RowRuns, 2), (std::vector<int>{1, 1}));
    EXPECT_EQ(Runs(model.ColumnRuns, 5), (std::vector<int>{2}));
}

// "0" and an empty clue both mean an empty line; undecided cells neither
// lengthen nor end a run; the last column ends the run it is in.
TEST(ErrorCheck, RunRules)
{
    struct Case {
        const char* name;
        QString clue;
        QString row;
        bool agrees;
        std::vector<int> runs;
    };
    const std::vector<Case> cases{
        {"0 left blank", "0", ".....", true, {}},
        {"empty clue left blank", "", ".....", true, {}},
        {"0 left undecided", "0", "?????", true, {}},
        {"0 with a filled cell", "0", "..#..", false, {1}},
        {"undecided cells join a run", "2", "#?#..", true, {2}},
        {"a blank cell splits it", "2", "#.#..", false, {1, 1}},
        {"a run up to the last column", "1/2", "#..##", true, {1, 2}},
        {"a run ended by reaching the end", "2", "..##?", true, {2}},
        {"3, 0, 1 never agrees", "3//1", "###.#", false, {3, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BoardModel model = ModelOf({c.clue}, {"", "", "", "", ""}, {c.row});
        const ErrorCheckResult result = ErrorCheck(model, 1, 5);
        EXPECT_EQ(result.WrongRow.isEmpty(), c.agrees);
        EXPECT_EQ(Runs(model.RowRuns, 1), c.runs);
    }
}

TEST(ErrorCheck, LabelsAreTheLastTwoCharactersWithALeadingBlank)
{
    EXPECT_EQ(LineLabel(5), " 5");
    EXPECT_EQ(LineLabel(12), "12");
    EXPECT_EQ(LineLabel(60), "60");

    // Row 12 of a 12-row puzzle is the first to disagree.
    QStringList rows(12, "1");
    QStringList picture(12, "#.");
    picture[11] = "##";
    BoardModel model = ModelOf(rows, {"12", "1"}, picture);
    const ErrorCheckResult result = ErrorCheck(model, 12, 2);
    EXPECT_EQ(result.WrongRow, "12");
    EXPECT_EQ(result.WrongColumn, "");
}

TEST(ErrorCheck, OverwritesTheSolversMarksInTheRuns)
{
    BoardModel model = ModelOf({"2"}, {"1", "1"}, {"##"});
    model.RowRuns[1][0] = 51; // the solver's "line complete" mark
    model.RowRuns[1][2] = 7;
    EXPECT_TRUE(ErrorCheck(model, 1, 2).Correct());
    EXPECT_EQ(model.RowRuns[1][0], 1);
    EXPECT_EQ(model.RowRuns[1][2], 0);
}

#include "board/BoardLayout.h"

#include "app/Shared.h"

#include <gtest/gtest.h>

using namespace velin;

namespace {

// A monospaced stand-in for "ＭＳ ゴシック" at 96 DPI: a half-width character is
// 10 twips wide per point (90 at 9 pt), a full-width one twice that, and a
// line 20 twips high per point.
TextMetrics FixedMetrics()
{
    TextMetrics m;
    m.Width = [](const QString& text, double size, bool) {
        double width = 0;
        for (const QChar ch : text)
            width += (ch.unicode() < 0x100 || (ch.unicode() >= 0xFF61 && ch.unicode() <= 0xFF9F)) ? 1 : 2;
        return width * size * 10;
    };
    m.Height = [](const QString&, double size, bool) { return size * 20; };
    return m;
}

// The small screen (640 x 480) with its layout values.
LayoutInput SmallScreen(int rows, int columns, int rowClueWidth, int depth)
{
    LayoutInput in;
    in.ScreenWidth = 9600;
    in.ScreenHeight = 7200;
    in.RowCount = rows;
    in.ColumnCount = columns;
    in.RowClueWidth = rowClueWidth;
    in.ColumnClueDepth = depth;
    in.QuestionTitle = QStringLiteral("テスト");
    in.AnswerName = QStringLiteral("ねこ");
    in.FrameExtra = 600;
    in.StartButtonHeight = 375;
    in.CurrentFormWidth = 5500;
    in.CurrentFormHeight = 4300;
    return in;
}

// A 1920 x 1080 screen with the large layout values.
LayoutInput LargeScreen(int rows, int columns, int rowClueWidth, int depth)
{
    LayoutInput in = SmallScreen(rows, columns, rowClueWidth, depth);
    in.ScreenWidth = 28800;
    in.ScreenHeight = 16200;
    in.ScreenScale = 1.5;
    in.BaseCellSize = 270;
    in.TitleFontSize = 13.5;
    in.ClueFontSizes = {15, 14, 12, 9};
    return in;
}

Grid61 ColumnCluesOf(const std::vector<std::vector<int>>& columns)
{
    Grid61 clues{};
    for (size_t c = 0; c < columns.size(); ++c) {
        clues[c + 1][0] = static_cast<int16_t>(columns[c].size());
        for (size_t k = 0; k < columns[c].size(); ++k)
            clues[c + 1][k + 1] = static_cast<int16_t>(columns[c][k]);
    }
    return clues;
}

} // namespace

TEST(BoardLayout, InformationWidthDependsOnTheScreenClass)
{
    const TextMetrics m = FixedMetrics();
    // Small screen: 13 G + width(T), at least 11 G. T is the title ("テスト",
    // three full-width characters) being the longer text.
    LayoutInput in = SmallScreen(5, 5, 1, 1);
    EXPECT_EQ(BoardLayout::InformationWidth(in, m), 13 * 90 + 540);
    in.QuestionTitle = QString();
    in.AnswerName = QString();
    EXPECT_EQ(BoardLayout::InformationWidth(in, m), 13 * 90); // the 11 G floor never binds here
    // Large screen: 11 G + width(T), at least 25 G.
    in = LargeScreen(5, 5, 1, 1);
    EXPECT_EQ(BoardLayout::InformationWidth(in, m), 25 * 135);
    in.AnswerName = QString(30, QChar(0x3042));
    QString t;
    EXPECT_EQ(BoardLayout::InformationWidth(in, m, &t), 11 * 135 + 30 * 270);
    EXPECT_EQ(t, in.AnswerName);
}

// A 60 x 60 puzzle has to shrink its cells one twip at a time until the form
// fits; on the small screen the two extra rows below a tall grid count too.
TEST(BoardLayout, FittingLoopOnSmallAndLargeScreens)
{
    const TextMetrics m = FixedMetrics();
    struct Case {
        const char* name;
        LayoutInput in;
        int cell;
        int formWidth;
        int formHeight;
    };
    // Small: 13 + 60 rows and the +2 rows below a tall grid: 73 c + 680 < 7200.
    // Large: 12 + 60 rows (no +1 on a tall screen): 72 c + 680 < 16200.
    const std::vector<Case> cases{
        {"640 x 480", SmallScreen(60, 60, 20, 10), 89, 89 * 60 + 80 + 89 * 21, 89 * 60 + 680 + 89 * 13},
        {"1920 x 1080", LargeScreen(60, 60, 20, 10), 215, 215 * 60 + 80 + 215 * 21, 215 * 60 + 680 + 215 * 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int info = BoardLayout::InformationWidth(c.in, m);
        const FitResult fit = BoardLayout::FitToScreen(c.in, info);
        EXPECT_TRUE(fit.Fits);
        EXPECT_EQ(fit.CellSize, c.cell);
        EXPECT_EQ(fit.Passes, c.in.BaseCellSize - c.cell);
        EXPECT_EQ(fit.FormWidth, c.formWidth);
        EXPECT_EQ(fit.FormHeight, c.formHeight);
        // One twip more would not have fitted.
        LayoutInput bigger = c.in;
        bigger.BaseCellSize = c.cell + 1;
        EXPECT_EQ(BoardLayout::FitToScreen(bigger, info).Passes, 1);
    }

    // A puzzle of 31 rows reserves two cell heights more than one of 30.
    const FitResult thirty = BoardLayout::FitToScreen(SmallScreen(30, 10, 3, 3), 0);
    const FitResult thirtyOne = BoardLayout::FitToScreen(SmallScreen(31, 10, 3, 3), 0);
    EXPECT_EQ(thirty.DepthCells, 4);
    EXPECT_EQ(thirtyOne.DepthCells, 6);

    // A small puzzle keeps the starting cell; the bottom area is at least the
    // Start button's height + 650.
    const FitResult small = BoardLayout::FitToScreen(SmallScreen(5, 5, 1, 1), 1710);
    EXPECT_EQ(small.CellSize, 180);
    EXPECT_EQ(small.Passes, 0);
    EXPECT_EQ(small.BottomHeight, 1025);
    EXPECT_EQ(small.RightWidth, 1710);
}

TEST(BoardLayout, FittingStopsAtTheSmallestCell)
{
    // A title no screen can hold used to shrink the cell below zero.
    LayoutInput in = SmallScreen(60, 60, 20, 10);
    in.QuestionTitle = QString(2000, QChar(0x3042));
    const BoardLayout layout = BoardLayout::Compute(in, FixedMetrics());
    EXPECT_FALSE(layout.Fit.Fits);
    EXPECT_EQ(layout.CellSize, BoardLayout::kMinCellSize);
    // The form is then as wide as the screen allows.
    in.CurrentFormWidth = 20000;
    EXPECT_EQ(BoardLayout::Compute(in, FixedMetrics()).FormW, 9600);
}

TEST(BoardLayout, FormSizePositionAndInformationBlock)
{
    const BoardLayout layout = BoardLayout::Compute(SmallScreen(5, 5, 1, 1), FixedMetrics());
    EXPECT_EQ(layout.CellSize, 180);
    EXPECT_EQ(layout.InfoWidth, 1710);
    // 900 + 80 + 1710 wide, less one twip; 900 + 80 + 600 + 1025 high, less one.
    EXPECT_EQ(layout.FormW, 2689);
    EXPECT_EQ(layout.FormH, 2604);
    EXPECT_EQ(layout.FormLeft, 3456); // (9600 - 2689) / 2 = 3455.5
    EXPECT_EQ(layout.FormTop, 2298);
    EXPECT_EQ(layout.StartTop, 1016);  // 5.2 x 180 + 80
    EXPECT_EQ(layout.StartLeft, 1980); // 900 + 80 + 1000
    EXPECT_EQ(layout.X0, 1052);        // 5.4 x 180 + 80
    EXPECT_EQ(layout.Y0, 1451);        // 1016 + 375 + 60
    EXPECT_EQ(layout.X1, 1732);
    EXPECT_EQ(layout.D, 209); // 180 x 93 / 80
    EXPECT_EQ(layout.Y1, 1660);
    EXPECT_EQ(layout.ClueFontSize, 10);
    EXPECT_EQ(layout.RowOffset, -5); // (180 - 200) / 2, halved once more
    EXPECT_EQ(layout.RowClueX, 1088);
    EXPECT_EQ(layout.RowClueY(2), 80 + 180 - 5);
    EXPECT_EQ(layout.BatchNameX(), 2020);
    EXPECT_EQ(layout.BatchNameY(), 1109); // 80 + 900 + 5 x 180 / 7
    EXPECT_EQ(layout.Grid().ClockX(), 1040);
    EXPECT_EQ(layout.Grid().ClockY(), 1109);

    // Never narrower than 94 % of the form's start-up width.
    LayoutInput wide = SmallScreen(5, 5, 1, 1);
    wide.MinFormWidth = 5500;
    wide.QuestionTitle = "t";
    wide.AnswerName = "a";
    EXPECT_EQ(BoardLayout::Compute(wide, FixedMetrics()).FormW, 5170);

    // The large screen's line spacing and Start button offsets.
    const BoardLayout large = BoardLayout::Compute(LargeScreen(5, 5, 1, 1), FixedMetrics());
    EXPECT_EQ(large.CellSize, 270);
    EXPECT_EQ(large.D, 329); // 270 x 73 / 90 x 1.5 = 328.5
    EXPECT_EQ(large.StartTop, 1524);
    EXPECT_EQ(large.StartLeft, 1350 + 80 + 1500);
}

TEST(BoardLayout, FrameAndGridLineStyles)
{
    const BoardLayout layout = BoardLayout::Compute(SmallScreen(20, 16, 3, 3), FixedMetrics());
    const int cell = layout.CellSize;
    const FrameBox frame = layout.Frame();
    EXPECT_EQ(frame.X1, 79);
    EXPECT_EQ(frame.Y1, 79);
    EXPECT_EQ(frame.X2, ToTwips(80 + 16 * cell + 10 + cell / 38.0));
    EXPECT_EQ(frame.Y2, ToTwips(80 + 20 * cell + 10 + cell / 38.0));

    const auto lines = layout.GridLines(0, 2);
    ASSERT_EQ(lines.size(), 19u + 15u);
    for (const GridLine& line : lines) {
        SCOPED_TRACE(line.K);
        EXPECT_EQ(line.Style, line.K % 5 == 0 ? 2 : 0);
        if (line.Horizontal) {
            EXPECT_EQ(line.Y1, 80 + line.K * cell + 1);
            EXPECT_EQ(line.X1, 80);
            EXPECT_EQ(line.X2, ToTwips(80 + 16 * cell + cell / 15.0));
        } else {
            EXPECT_EQ(line.X1, 80 + line.K * cell + 1);
            EXPECT_EQ(line.Y2, ToTwips(80 + 20 * cell + cell / 15.0));
        }
    }
    // Swapped styles swap every line.
    for (const GridLine& line : layout.GridLines(2, 0))
        EXPECT_EQ(line.Style, line.K % 5 == 0 ? 0 : 2);
}

TEST(BoardLayout, ClueFontSizeByRowCount)
{
    const std::array<double, 4> sizes{10, 9, 8, 7};
    EXPECT_EQ(BoardLayout::ClueFontSizeFor(19, sizes), 10);
    EXPECT_EQ(BoardLayout::ClueFontSizeFor(20, sizes), 9);
    EXPECT_EQ(BoardLayout::ClueFontSizeFor(30, sizes), 9);
    EXPECT_EQ(BoardLayout::ClueFontSizeFor(31, sizes), 8);
    EXPECT_EQ(BoardLayout::ClueFontSizeFor(39, sizes), 8);
    EXPECT_EQ(BoardLayout::ClueFontSizeFor(40, sizes), 7);
}

TEST(BoardLayout, ColumnCluePositions)
{
    const BoardLayout layout = BoardLayout::Compute(SmallScreen(5, 5, 1, 1), FixedMetrics());
    const Grid61 clues = ColumnCluesOf({{1}, {12}, {}, {3}, {0}});
    const ColumnClueLayout out = layout.ColumnClues(layout.FormH - 600, clues, FixedMetrics());
    EXPECT_EQ(out.BaseY, 1088);
    EXPECT_EQ(out.Avail, 2004 - 1148);
    EXPECT_EQ(out.SingleSize, 10);
    EXPECT_EQ(out.h, 200);
    EXPECT_EQ(out.Gap, 12);       // at most 180 / 15
    EXPECT_EQ(out.DoubleSize, 9); // "55" is 200 wide at 10 pt, more than 1.04 x 180
    EXPECT_EQ(out.h2, 180);
    ASSERT_EQ(out.Numbers.size(), 4u); // the empty column prints nothing
    EXPECT_EQ(out.Numbers[0].Text, "1");
    EXPECT_EQ(out.Numbers[0].X, 125); // 80 + (180 - 0.9 x 100) / 2
    EXPECT_EQ(out.Numbers[0].Y, 1088);
    EXPECT_EQ(out.Numbers[1].Text, "12");
    EXPECT_EQ(out.Numbers[1].FontSize, 9);
    EXPECT_EQ(out.Numbers[1].X, 269); // 260 + (180 - 0.9 x 180) / 2
    EXPECT_EQ(out.Numbers[1].Y, 1088 + 200 - 180);
    EXPECT_EQ(out.Numbers[3].Text, "0");
    EXPECT_EQ(out.Numbers[3].Column, 5);
}

// A column clue of 12 numbers below a 15-row grid whose cells had to shrink
// for its 60 columns: the clue font shrinks until the 12 lines fit.
TEST(BoardLayout, ColumnClueFontShrinksForADeepClue)
{
    const BoardLayout layout = BoardLayout::Compute(SmallScreen(15, 60, 10, 12), FixedMetrics());
    ASSERT_EQ(layout.CellSize, 130);
    std::vector<std::vector<int>> columns(60, std::vector<int>{1});
    columns[7] = std::vector<int>(12, 1);
    columns[8] = {10, 2};
    const int inner = layout.FormH - 600;
    const ColumnClueLayout out = layout.ColumnClues(inner, ColumnCluesOf(columns), FixedMetrics());
    EXPECT_EQ(out.SingleSize, 8); // 0.8 x 160 x 12 fits 1551; 0.8 x 180 x 12 did not
    EXPECT_EQ(out.h, 160);
    EXPECT_EQ(out.Gap, -31);      // the lines overlap a little
    EXPECT_EQ(out.DoubleSize, 6); // "55" fits 1.04 x 130 at 6 pt
    EXPECT_EQ(out.h2, 120);
    int deepest = 0;
    for (const ClueNumber& n : out.Numbers)
        deepest = std::max(deepest, n.Y + out.h);
    EXPECT_LE(deepest, inner);

    // Three numbers in the same puzzle keep the starting size.
    columns[7] = {1, 1, 1};
    LayoutInput shallowIn = SmallScreen(15, 60, 10, 3);
    const BoardLayout shallow = BoardLayout::Compute(shallowIn, FixedMetrics());
    EXPECT_EQ(shallow.ColumnClues(shallow.FormH - 600, ColumnCluesOf(columns), FixedMetrics()).SingleSize, 10);
}

TEST(BoardLayout, ColumnClueFontSearchEndsOnANegativeSpace)
{
    // An inner height smaller than the grid: no font size can fit, and the
    // search stops at the smallest size instead of running on.
    const BoardLayout layout = BoardLayout::Compute(SmallScreen(15, 15, 3, 20), FixedMetrics());
    const ColumnClueLayout out = layout.ColumnClues(100, ColumnCluesOf({{1}}), FixedMetrics());
    EXPECT_EQ(out.SingleSize, BoardLayout::kMinFontSize);
    EXPECT_EQ(out.DoubleSize, BoardLayout::kMinFontSize);
}

TEST(BoardLayout, CellCentresAndMarkRadii)
{
    GridGeometry grid;
    grid.CellSize = 180;
    grid.RowCount = 5;
    grid.ColumnCount = 5;
    EXPECT_EQ(grid.CellCentreX(1), 170);
    EXPECT_EQ(grid.CellCentreY(3), 80 + 360 + 90);
    EXPECT_DOUBLE_EQ(grid.FilledRadius(), 75);
    EXPECT_DOUBLE_EQ(grid.SmallRadius(), 18);
    grid.TallScreen = true;
    EXPECT_DOUBLE_EQ(grid.SmallRadius(), 9);
    EXPECT_TRUE(grid.Contains(80, 80));
    EXPECT_FALSE(grid.Contains(980, 500));
    EXPECT_FALSE(grid.Contains(500, 79));
    EXPECT_EQ(grid.ColumnAt(979), 5);
}

TEST(BoardLayout, InputFromTheProgramWideValues)
{
    LayoutValues values;
    values.ScreenScale = 1.5;
    values.BaseCellSize = 270;
    values.ClueFontSize3 = 12;
    QuestionValues question;
    question.RowCount = 7;
    question.ColumnCount = 8;
    question.QuestionTitle = "t";
    BoardModel model;
    model.RowClueWidth = 4;
    model.ColumnClueDepth = 2;
    const LayoutInput in = LayoutInput::From(values, question, model);
    EXPECT_EQ(in.BaseCellSize, 270);
    EXPECT_EQ(in.ClueFontSizes[2], 12);
    EXPECT_EQ(in.RowCount, 7);
    EXPECT_EQ(in.ColumnCount, 8);
    EXPECT_EQ(in.RowClueWidth, 4);
    EXPECT_EQ(in.ColumnClueDepth, 2);
    EXPECT_EQ(in.QuestionTitle, "t");
}

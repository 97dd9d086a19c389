#include "board/CellInput.h"

#include "app/Colors.h"
#include "app/Shared.h"

#include <gtest/gtest.h>

using namespace velin;
using namespace velin::CellInput;

namespace {

constexpr int32_t kBack = 0x00C0C0C0;

// A board with a 5 x 5 grid of 180-twip cells at (80, 80), input live.
struct Board {
    BoardModel model;
    bool popupShown = false;
    bool skipNextClick = false;
    GridGeometry grid;

    explicit Board(int rows = 5, int columns = 5)
    {
        grid.RowCount = rows;
        grid.ColumnCount = columns;
    }

    // A press on cell (r0, c0) and a release on (r1, c1), at the cells' centres.
    ReleaseResult Drag(int r0, int c0, int r1, int c1, int button = kLeftButton, int shift = 0)
    {
        return DragPoints(grid.CellCentreX(c0), grid.CellCentreY(r0), grid.CellCentreX(c1), grid.CellCentreY(r1),
                          button, shift);
    }

    ReleaseResult DragPoints(double x0, double y0, double x1, double y1, int button = kLeftButton, int shift = 0,
                             bool live = true)
    {
        Release release;
        release.InputLive = live;
        release.Button = button;
        release.Shift = shift;
        release.Grid = grid;
        release.BackColor = kBack;
        Press(live, button, x0, y0, release.DownX, release.DownY);
        release.X = x1;
        release.Y = y1;
        return Released(release, popupShown, skipNextClick, model);
    }

    std::vector<std::pair<int, int>> Changed(const ReleaseResult& result) const
    {
        std::vector<std::pair<int, int>> cells;
        for (const CellMark& mark : result.Marks)
            cells.emplace_back(mark.Row, mark.Column);
        return cells;
    }
};

using Cells = std::vector<std::pair<int, int>>;

} // namespace

TEST(CellInput, DiagonalDragChangesExactlyTheDiagonal)
{
    Board board;
    const ReleaseResult result = board.Drag(2, 2, 5, 5);
    ASSERT_EQ(result.Action, ReleaseAction::Cells);
    EXPECT_EQ(board.Changed(result), (Cells{{2, 2}, {3, 3}, {4, 4}, {5, 5}}));
    int filled = 0;
    for (const auto& row : board.model.Board)
        for (const int16_t cell : row)
            filled += cell == kFilled;
    EXPECT_EQ(filled, 4);
    const CellMark& mark = result.Marks.front();
    EXPECT_EQ(mark.Kind, MarkKind::FilledDisc);
    EXPECT_EQ(mark.Color, kMarkGreen);
    EXPECT_DOUBLE_EQ(mark.Radius, 75);
    EXPECT_EQ(mark.CentreX, 80 + 180 + 90);
    EXPECT_FALSE(mark.Square);
}

TEST(CellInput, OnlyStraightSegmentsCount)
{
    Board board;
    const ReleaseResult knight = board.Drag(2, 2, 5, 4);
    EXPECT_EQ(knight.Action, ReleaseAction::Nothing);
    EXPECT_EQ(board.model.Board, Grid61{});

    // The walk goes column by column, each in the direction of the drag.
    EXPECT_EQ(SegmentCells(5, 5, 2, 2), (Cells{{5, 5}, {4, 4}, {3, 3}, {2, 2}}));
    EXPECT_EQ(SegmentCells(2, 5, 5, 2), (Cells{{2, 5}, {3, 4}, {4, 3}, {5, 2}}));
    EXPECT_EQ(SegmentCells(4, 1, 1, 1), (Cells{{4, 1}, {3, 1}, {2, 1}, {1, 1}}));
    EXPECT_EQ(SegmentCells(3, 4, 3, 2), (Cells{{3, 4}, {3, 3}, {3, 2}}));
    EXPECT_EQ(SegmentCells(3, 3, 3, 3), (Cells{{3, 3}}));
}

// A left drag over filled, undecided and blank cells gives undecided, filled,
// undecided: decided cells are cleared, undecided ones filled.
TEST(CellInput, DragTogglesEachCellOnItsOwn)
{
    Board board;
    board.model.Board[1][1] = kFilled;
    board.model.Board[1][3] = kBlank;
    const ReleaseResult result = board.Drag(1, 1, 1, 3);
    EXPECT_EQ(board.model.Board[1][1], kUndecided);
    EXPECT_EQ(board.model.Board[1][2], kFilled);
    EXPECT_EQ(board.model.Board[1][3], kUndecided);
    ASSERT_EQ(result.Marks.size(), 3u);
    EXPECT_EQ(result.Marks[0].Kind, MarkKind::Erase);
    EXPECT_EQ(result.Marks[0].Color, kBack);
    EXPECT_DOUBLE_EQ(result.Marks[0].Radius, 75);
    EXPECT_EQ(result.Marks[1].Kind, MarkKind::FilledDisc);
    EXPECT_EQ(result.Marks[2].Kind, MarkKind::Erase);

    // The right button marks undecided cells blank with a small disc.
    const ReleaseResult right = board.Drag(1, 1, 1, 3, kRightButton);
    EXPECT_EQ(board.model.Board[1][1], kBlank);
    EXPECT_EQ(board.model.Board[1][2], kUndecided);
    EXPECT_EQ(board.model.Board[1][3], kBlank);
    EXPECT_EQ(right.Marks[0].Kind, MarkKind::SmallDisc);
    EXPECT_EQ(right.Marks[0].Color, kMarkGreen);
    EXPECT_DOUBLE_EQ(right.Marks[0].Radius, 18);
    board.grid.TallScreen = true;
    EXPECT_DOUBLE_EQ(board.Drag(4, 4, 4, 4, kRightButton).Marks[0].Radius, 9);
}

TEST(CellInput, ModifierKeysMakeMemoMarks)
{
    struct Case {
        const char* name;
        int button;
        int shift;
        MarkKind kind;
        int32_t color;
        bool square;
    };
    const std::vector<Case> cases{
        {"Shift + left: red memo square", kLeftButton, kShift, MarkKind::Memo, kMemoRed, true},
        {"Ctrl + left: red memo disc", kLeftButton, kCtrl, MarkKind::Memo, kMemoRed, false},
        {"Alt + left", kLeftButton, kAlt, MarkKind::Memo, kMemoRed, false},
        {"Shift + Ctrl: a disc, not exactly Shift", kLeftButton, kShift | kCtrl, MarkKind::Memo, kMemoRed, false},
        {"Shift + right: erases the memo", kRightButton, kShift, MarkKind::EraseMemo, kBack, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Board board(1, 1);
        const ReleaseResult result = board.Drag(1, 1, 1, 1, c.button, c.shift);
        ASSERT_EQ(result.Marks.size(), 1u);
        EXPECT_EQ(result.Marks[0].Kind, c.kind);
        EXPECT_EQ(result.Marks[0].Color, c.color);
        EXPECT_EQ(result.Marks[0].Square, c.square);
        EXPECT_DOUBLE_EQ(result.Marks[0].Radius, 18);
        // The cell stays undecided, so the puzzle is not complete.
        EXPECT_EQ(board.model.Board[1][1], kUndecided);
        EXPECT_EQ(result.Action, ReleaseAction::Cells);
        EXPECT_FALSE(result.Complete);
    }

    // A decided cell is cleared even with a modifier, drawn as a square with Shift.
    Board board(1, 1);
    board.model.Board[1][1] = kFilled;
    const ReleaseResult result = board.Drag(1, 1, 1, 1, kLeftButton, kShift);
    EXPECT_EQ(result.Marks[0].Kind, MarkKind::Erase);
    EXPECT_TRUE(result.Marks[0].Square);
    EXPECT_EQ(board.model.Board[1][1], kUndecided);
}

TEST(CellInput, CompletionWaitsForTheLastUndecidedCell)
{
    Board board(2, 2);
    EXPECT_FALSE(board.Drag(1, 1, 1, 2).Complete);
    EXPECT_FALSE(board.Drag(2, 1, 2, 1, kRightButton).Complete);
    EXPECT_TRUE(board.Drag(2, 2, 2, 2, kRightButton).Complete);
    EXPECT_TRUE(Complete(board.model, 2, 2));
    // Cells outside the puzzle do not count.
    board.model.Board[3][3] = kUndecided;
    EXPECT_TRUE(Complete(board.model, 2, 2));
    EXPECT_FALSE(Complete(board.model, 3, 3));
}

TEST(CellInput, PopupRules)
{
    Board board;
    const int right = board.grid.GridRight();
    // Input not live: a right release opens the File menu, a left one nothing.
    EXPECT_EQ(board.DragPoints(300, 300, 300, 300, kRightButton, 0, false).Action, ReleaseAction::OpenPopup);
    EXPECT_TRUE(board.popupShown);
    EXPECT_FALSE(board.skipNextClick);
    board.popupShown = false;
    EXPECT_EQ(board.DragPoints(300, 300, 300, 300, kLeftButton, 0, false).Action, ReleaseAction::Nothing);
    EXPECT_FALSE(board.popupShown);

    // A right click far right of the grid opens it, and the left click that
    // closes the menu paints nothing.
    EXPECT_EQ(board.DragPoints(right + 2000, 300, right + 2000, 300, kRightButton).Action, ReleaseAction::OpenPopup);
    EXPECT_TRUE(board.popupShown);
    EXPECT_TRUE(board.skipNextClick);
    EXPECT_EQ(board.Drag(1, 1, 1, 1).Action, ReleaseAction::Nothing);
    EXPECT_FALSE(board.skipNextClick);
    EXPECT_EQ(board.model.Board[1][1], kUndecided);
    EXPECT_EQ(board.Drag(1, 1, 1, 1).Action, ReleaseAction::Cells);

    // A left release outside the grid, or a right one above or left of it, does nothing.
    board.popupShown = false;
    EXPECT_EQ(board.DragPoints(right + 100, 300, right + 100, 300).Action, ReleaseAction::Nothing);
    EXPECT_EQ(board.DragPoints(40, 300, 40, 300, kRightButton).Action, ReleaseAction::Nothing);
    EXPECT_EQ(board.DragPoints(300, 40, 300, 40, kRightButton).Action, ReleaseAction::Nothing);
    EXPECT_FALSE(board.popupShown);
    // A drag that leaves the grid changes nothing.
    EXPECT_EQ(board.DragPoints(300, 300, right, 300).Action, ReleaseAction::Nothing);
}

TEST(CellInput, PressRemembersWholeTwipsForLeftAndRightOnly)
{
    int x = -1;
    int y = -1;
    EXPECT_TRUE(Press(true, kLeftButton, 100.6, 200.4, x, y));
    EXPECT_EQ(x, 101);
    EXPECT_EQ(y, 200);
    EXPECT_FALSE(Press(true, 4, 10, 10, x, y));
    EXPECT_FALSE(Press(false, kRightButton, 10, 10, x, y));
    EXPECT_EQ(x, 101);
}

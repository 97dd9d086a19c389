#include "authoring/ClueGrid.h"

#include <gtest/gtest.h>

using namespace velin;

namespace {

using Key = ClueGrid::Key;

// A grid for a puzzle of `rows` x `columns`, counting Error sounds.
struct Grid {
    ClueGrid grid;
    int errors = 0;
    Grid(int rows, int columns)
    {
        grid.onError = [this] { ++errors; };
        grid.Rebuild(rows, columns);
    }
    void Fill(int col, const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            grid.SetCell(i + 1, col, texts.at(i));
    }
    QStringList Column(int col) const
    {
        QStringList texts;
        for (int row = 1; row <= grid.LineCount(col); ++row)
            texts << grid.Cell(row, col);
        return texts;
    }
    void Select(int col, int first, int last) { grid.LeftRelease({col, first, col, last}); }
    // Moves with the keys from (col, row).
    void At(int col, int row) { grid.MakeCurrent(row, col); }
    void Press(Key key, bool atStart = true, bool atEnd = true) { grid.KeyDown(key, atStart, atEnd); }
    std::pair<int, int> Current() const { return {grid.CurrentCol(), grid.CurrentRow()}; }
};

} // namespace

TEST(ClueGrid, SetUpAndRebuildBlockTheShortColumn)
{
    ClueGrid grid;
    EXPECT_EQ(grid.Rows(), 60);
    EXPECT_EQ(grid.Cell(0, 0), QStringLiteral("位置"));
    EXPECT_EQ(grid.Cell(0, 1), QStringLiteral("  行(横方向)データ[上→下]"));
    EXPECT_EQ(grid.Cell(0, 2), QStringLiteral("  桁(縦方向)データ[左→右]"));
    EXPECT_EQ(grid.Cell(10, 0), QStringLiteral(" 10"));
    EXPECT_EQ(grid.Cell(11, 0), QString());

    grid.Rebuild(5, 10);
    EXPECT_EQ(grid.Rows(), 11);
    EXPECT_EQ(grid.ShortColumn, 1);
    EXPECT_EQ(grid.FirstBlockedRow, 6);
    for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(grid.Cell(row, 1), row <= 5 ? QString() : ClueGrid::BlockedText) << row;
        EXPECT_EQ(grid.Cell(row, 2), QString()) << row;
    }
    EXPECT_EQ(grid.Cell(0, 2), QStringLiteral("  桁(縦方向)データ[左→右]"));

    // Equal counts block nothing; the short column is then column 2.
    grid.Rebuild(4, 4);
    EXPECT_EQ(grid.ShortColumn, 2);
    EXPECT_EQ(grid.Rows(), 5);
    EXPECT_FALSE(grid.FirstEmptyClue() == std::nullopt);
}

TEST(ClueGrid, LeavingACountBoxClearsTheCluesOnlyWhenACountChanged)
{
    Grid g(3, 2);
    g.Fill(1, {"1", "2", "3"});
    g.Fill(2, {"4", "5"});
    g.At(2, 2);
    g.grid.Rebuild(3, 2); // the focus passed through a count box
    EXPECT_EQ(g.Column(1), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(g.Column(2), (QStringList{"4", "5"}));
    EXPECT_EQ(g.Current(), std::pair(2, 2));

    g.grid.Rebuild(3, 3);
    EXPECT_EQ(g.Column(1), (QStringList{"", "", ""}));
    EXPECT_EQ(g.Column(2), (QStringList{"", "", ""}));
    EXPECT_EQ(g.Current(), std::pair(1, 1));
}

TEST(ClueGrid, KeyMovesWrapAndRefuseBlockedCells)
{
    struct Case {
        const char* name;
        int col, row;
        Key key;
        bool atStart, atEnd;
        int toCol, toRow;
        int errors;
    };
    // A puzzle of 5 rows and 10 columns: column 1 is blocked from row 6.
    const Case cases[] = {
        {"Down from (1, 5) wraps to (2, 1)", 1, 5, Key::Down, true, true, 2, 1, 0},
        {"Up from (2, 1) jumps to (1, 5)", 2, 1, Key::Up, true, true, 1, 5, 0},
        {"Up from (1, 1) jumps to (2, 10)", 1, 1, Key::Up, true, true, 2, 10, 0},
        {"Down from (2, 10) wraps to (1, 1)", 2, 10, Key::Down, true, true, 1, 1, 0},
        {"Enter moves down like Down", 2, 3, Key::Enter, true, true, 2, 4, 0},
        {"Enter wraps too", 1, 5, Key::Enter, true, true, 2, 1, 0},
        {"Right at the end of column 1", 1, 3, Key::Right, false, true, 2, 3, 0},
        {"Right inside the text moves the caret only", 1, 3, Key::Right, false, false, 1, 3, 0},
        {"Right in column 2 stays", 2, 3, Key::Right, false, true, 2, 3, 0},
        {"Left at the start of column 2", 2, 4, Key::Left, true, false, 1, 4, 0},
        {"Left onto a blocked cell is refused", 2, 8, Key::Left, true, false, 2, 8, 1},
    };
    for (const Case& c : cases) {
        Grid g(5, 10);
        g.At(c.col, c.row);
        g.Press(c.key, c.atStart, c.atEnd);
        EXPECT_EQ(g.Current(), std::pair(c.toCol, c.toRow)) << c.name;
        EXPECT_EQ(g.errors, c.errors) << c.name;
        EXPECT_EQ(g.grid.LastCol, c.toCol) << c.name;
        EXPECT_EQ(g.grid.MoveRow, c.toRow) << c.name;
    }
}

TEST(ClueGrid, EditorWritesThroughAndMovesScrollTheGrid)
{
    Grid g(5, 30);
    g.grid.EditorChanged(QStringLiteral("3/1"));
    EXPECT_EQ(g.grid.Cell(1, 1), QStringLiteral("3/1"));
    // Enter stores the editor's text before it moves.
    g.At(2, 11);
    g.grid.KeyDown(Key::Enter, false, true, QStringLiteral("2"));
    EXPECT_EQ(g.grid.Cell(11, 2), QStringLiteral("2"));
    EXPECT_EQ(g.Current(), std::pair(2, 12));
    EXPECT_EQ(g.grid.TopRow(), 3);
    // Down's wrap shows the grid from its first row; Enter's does not.
    g.At(2, 30);
    g.Press(Key::Enter);
    EXPECT_EQ(g.Current(), std::pair(1, 1));
    EXPECT_EQ(g.grid.TopRow(), 3);
    g.At(2, 30);
    g.Press(Key::Down);
    EXPECT_EQ(g.grid.TopRow(), 1);
}

TEST(ClueGrid, CutInsertAndOverwritePasteShiftOneColumn)
{
    Grid g(5, 5);
    g.Fill(2, {"a", "b", "c", "d", "e"});
    g.Select(2, 2, 3);
    g.grid.Cut();
    EXPECT_EQ(g.Column(2), (QStringList{"a", "d", "e", "", ""}));
    EXPECT_EQ(g.Current(), std::pair(2, 2));
    EXPECT_EQ(g.grid.Selected(), (ClueGrid::Selection{2, 2, 2, 2}));

    g.Select(2, 1, 1);
    g.grid.InsertPaste();
    EXPECT_EQ(g.Column(2), (QStringList{"b", "c", "a", "d", "e"}));
    EXPECT_EQ(g.Current(), std::pair(2, 1));
    // The same cells can be inserted again; those pushed past the last line are lost.
    g.Select(2, 4, 4);
    g.grid.InsertPaste();
    EXPECT_EQ(g.Column(2), (QStringList{"b", "c", "a", "b", "c"}));

    Grid p(5, 5);
    p.Fill(1, {"1", "2", "3", "4", "5"});
    p.Fill(2, {"x", "y", "z", "", ""});
    p.Select(2, 1, 3);
    p.grid.Copy();
    EXPECT_EQ(p.Column(2), (QStringList{"x", "y", "z", "", ""}));
    p.Select(1, 4, 4);
    p.grid.OverwritePaste();
    EXPECT_EQ(p.Column(1), (QStringList{"1", "2", "3", "x", "y"}));
    EXPECT_EQ(p.Current(), std::pair(1, 4));
    EXPECT_EQ(p.errors, 0);
}

TEST(ClueGrid, RefusedEditsPlayTheErrorSoundAndChangeNothing)
{
    Grid g(50, 50);
    for (int row = 1; row <= 50; ++row)
        g.grid.SetCell(row, 1, QString::number(row));
    const QStringList before = g.Column(1);

    g.grid.InsertPaste(); // nothing cut or copied yet
    EXPECT_EQ(g.errors, 1);
    g.Select(1, 1, 41);
    g.grid.Copy();
    EXPECT_EQ(g.errors, 2);
    EXPECT_TRUE(g.grid.ClipReady.isEmpty());
    g.grid.Cut();
    EXPECT_EQ(g.errors, 3);
    g.grid.LeftRelease({1, 3, 2, 4}); // two columns
    g.grid.Copy();
    EXPECT_EQ(g.errors, 4);
    g.grid.OverwritePaste();
    EXPECT_EQ(g.errors, 5);
    EXPECT_EQ(g.Column(1), before);

    // Forty cells are the most one cut takes.
    g.Select(1, 1, 40);
    g.grid.Cut();
    EXPECT_EQ(g.errors, 5);
    EXPECT_EQ(g.grid.ClipCount, 40);
    EXPECT_EQ(g.grid.Cell(1, 1), QStringLiteral("41"));
    EXPECT_EQ(g.grid.Cell(11, 1), QString());
}

TEST(ClueGrid, F6AndDownSelectRowsOfOneColumn)
{
    Grid g(4, 6);
    g.Fill(2, {"a", "b", "c", "d", "e", "f"});
    g.At(2, 2);
    g.Press(Key::F6);
    g.Press(Key::Down);
    g.Press(Key::Down);
    EXPECT_EQ(g.grid.Selected(), (ClueGrid::Selection{2, 2, 2, 4}));
    EXPECT_EQ(g.Current(), std::pair(2, 2));
    // Shift, the first half of Shift+F9, leaves the selection alone.
    g.Press(Key::Modifier);
    EXPECT_EQ(g.grid.SelectMode, QStringLiteral("On"));
    g.grid.Copy();
    EXPECT_EQ(g.grid.ClipCells, (QStringList{"b", "c", "d"}));
    EXPECT_TRUE(g.grid.SelectMode.isEmpty());

    // Any other key ends the selection with the Error sound, then acts.
    g.At(2, 1);
    g.Press(Key::F6);
    g.Press(Key::Down);
    EXPECT_EQ(g.errors, 0);
    g.Press(Key::Up);
    EXPECT_EQ(g.errors, 1);
    EXPECT_TRUE(g.grid.SelectMode.isEmpty());
    EXPECT_EQ(g.Current(), std::pair(1, 4));
    // The selection stops at the column's last line.
    g.At(1, 3);
    g.Press(Key::F6);
    for (int i = 0; i < 5; ++i)
        g.Press(Key::Down);
    EXPECT_EQ(g.grid.Selected(), (ClueGrid::Selection{1, 3, 1, 4}));
}

TEST(ClueGrid, MouseClicksAndTheRightClickHitTest)
{
    Grid g(5, 10);
    g.At(2, 3);
    // A click on a blocked cell goes back to the last cell, without a sound.
    g.grid.CellClicked(7, 1);
    EXPECT_EQ(g.Current(), std::pair(2, 3));
    g.grid.CellClicked(4, 1);
    EXPECT_EQ(g.Current(), std::pair(1, 4));
    EXPECT_EQ(g.errors, 0);

    // Cells 100 wide and 20 high, data from x = 50 and y = 30.
    const ClueGrid::Geometry geometry{50, 150, 30, 50};
    g.grid.MousePress(200, 61);                           // column 2, row 2
    EXPECT_TRUE(g.grid.RightRelease(210, 101, geometry)); // row 4
    EXPECT_EQ(g.grid.Selected(), (ClueGrid::Selection{2, 2, 2, 4}));
    EXPECT_EQ(g.Current(), std::pair(2, 4));
    EXPECT_EQ(g.grid.SavedSel, g.grid.Selected());

    g.grid.MousePress(100, 61);                           // column 1 ...
    EXPECT_FALSE(g.grid.RightRelease(200, 61, geometry)); // ... to column 2
    g.grid.MousePress(100, 171);                          // column 1, row 8: beyond its 5 lines
    EXPECT_FALSE(g.grid.RightRelease(100, 171, geometry));
    EXPECT_EQ(g.grid.Selected(), (ClueGrid::Selection{2, 2, 2, 4}));

    // A left drag over the blocked rows is cut back to the clue lines and
    // kept by the right click that follows it.
    g.grid.LeftRelease({1, 2, 1, 9});
    EXPECT_EQ(g.grid.Selected(), (ClueGrid::Selection{1, 2, 1, 5}));
    EXPECT_EQ(g.grid.DragState, 2);
    g.grid.MousePress(0, 0);
    EXPECT_TRUE(g.grid.RightRelease(0, 0, geometry));
    EXPECT_EQ(g.grid.Selected(), (ClueGrid::Selection{1, 2, 1, 5}));
    EXPECT_EQ(g.grid.DragState, 0);
}

TEST(ClueGrid, FirstEmptyClueAndTheCluesInFileOrder)
{
    Grid g(2, 3);
    g.Fill(1, {"1", ""});
    g.Fill(2, {"", "2", "1"});
    ASSERT_TRUE(g.grid.FirstEmptyClue());
    EXPECT_EQ(g.grid.FirstEmptyClue()->col, 1);
    EXPECT_EQ(g.grid.FirstEmptyClue()->row, 2);
    g.grid.SetCell(2, 1, QStringLiteral("0"));
    EXPECT_EQ(g.grid.FirstEmptyClue()->col, 2);
    g.grid.SetCell(1, 2, QStringLiteral("1/1"));
    EXPECT_FALSE(g.grid.FirstEmptyClue());
    EXPECT_EQ(g.grid.RowClues(), (QStringList{"1", "0"}));
    EXPECT_EQ(g.grid.ColumnClues(), (QStringList{"1/1", "2", "1"}));
}

TEST(ClueGrid, HelpTextHasItsThirteenLines)
{
    const QStringList lines = ClueGrid::HelpText().split(u'\n');
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0],
              QStringLiteral("　　　　　《 表中でマウスの右ボタンをクリックするとポップアップメニューを表示します 》"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[10], QStringLiteral("【上書貼り付け  Shift+f･9】"));
    EXPECT_EQ(lines[12], QStringLiteral("　　　　　  《 『f･6  Shift+f･9 etc.』などはショートカットキーです 》"));
}

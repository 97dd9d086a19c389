#pragma once
// The clue grid of the registration form, without a window: grid column 1
// holds the row clues top to bottom, column 2 the column clues left to right,
// column 0 the line numbers and row 0 the headers. The shorter column's rows
// below its count are blocked and never become current. The editor box shows
// the current cell and writes through to it; the keys move the current cell
// with their wraps, and cut, copy and the two pastes shift clue runs within
// one column. The form maps grid and key events onto these operations and
// shows the cells, the current cell and the selection as the grid holds them.
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace velin {

class ClueGrid {
public:
    // The text of a blocked cell.
    static const QString BlockedText;
    // Cut and copy take at most this many cells.
    static constexpr int MaxClip = 40;

    // A rectangle of cells, first <= last on both axes.
    struct Selection {
        int firstCol = 1;
        int firstRow = 1;
        int lastCol = 1;
        int lastRow = 1;
        bool operator==(const Selection&) const = default;
    };
    // Where the grid's cells lie on screen, in any one unit, for the hit test
    // of a right click: the left edges of columns 1 and 2 and the top edges
    // of rows 1 and 2 (data rows), in the same frame as the pointer.
    struct Geometry {
        double col1Left = 0;
        double col2Left = 0;
        double row1Top = 0;
        double row2Top = 0;
    };
    enum class Key { Left, Right, Up, Down, Enter, F6, Modifier, Other };

    ClueGrid();

    // Plays the Error sound (the form honours the sound's switch).
    std::function<void()> onError;

    // Grid set-up: 60 rows with the headers and " 1" .. " 10" in column 0.
    void SetUp();
    // Rebuild after a count box was left. The clues typed so far are emptied
    // when a count has changed since the last rebuild; leaving a box without
    // changing either count keeps them, since the focus passing through a
    // box is no reason to lose a person's typing.
    void Rebuild(int rowCount, int columnCount);

    int Rows() const { return static_cast<int>(cells_.size()); }
    QString Cell(int row, int col) const;
    void SetCell(int row, int col, const QString& text);

    int RowCount() const { return rowCount_; }
    int ColumnCount() const { return columnCount_; }
    // The number of clue lines of a grid column: RowCount for 1, ColumnCount for 2.
    int LineCount(int col) const;
    bool Blocked(int row, int col) const;

    int GridLineCount = 0;
    int ShortColumn = 2;
    int FirstBlockedRow = 1;
    int MoveCol = 1, MoveRow = 1;
    int LastCol = 1, LastRow = 1;
    Selection SavedSel;
    double PressX = 0, PressY = 0;
    int DragState = 0;
    QStringList ClipCells; // entries 0..ClipCount-1
    int ClipCount = 0;
    QString ClipReady;
    int AnchorCol = 1, AnchorRow = 1;
    QString SelectMode;

    // The current cell and the selection as the grid shows them.
    int CurrentCol() const { return col_; }
    int CurrentRow() const { return row_; }
    Selection Selected() const { return sel_; }
    // The first row the grid shows at its top.
    int TopRow() const { return topRow_; }
    // The text the editor shows: the current cell's.
    QString CurrentText() const { return Cell(row_, col_); }
    // Every change of the editor's text goes into the current cell.
    void EditorChanged(const QString& text);

    // A key down in the editor; the caret flags tell whether it stands at
    // the start or at (or after) the end of the editor's text. For Enter the
    // editor's text is stored first. True when the key is used up here.
    bool KeyDown(Key key, bool caretAtStart, bool caretAtEnd, const QString& editorText = QString());

    // Mouse on the grid.
    void MousePress(double x, double y);
    // A click that made (row, col) current in the grid.
    void CellClicked(int row, int col);
    // The selection the grid holds after a left drag, then the release.
    void LeftRelease(const Selection& dragged);
    // A right-button release at (x, y); true when the grid menu is to pop up.
    bool RightRelease(double x, double y, const Geometry& geometry);

    // The grid menu. Each refusal plays the Error sound and changes nothing.
    void Cut();
    void Copy();
    void InsertPaste();
    void OverwritePaste();

    // The first empty clue cell, column 1 rows 1..RowCount before column 2
    // rows 1..ColumnCount; nothing when every clue is filled.
    struct CellRef {
        int row = 0;
        int col = 0;
    };
    std::optional<CellRef> FirstEmptyClue() const;
    // The typed clues: column 1 rows 1..RowCount, column 2 rows 1..ColumnCount.
    QStringList RowClues() const;
    QStringList ColumnClues() const;
    // Makes a valid clue cell current (to show the user a cell at fault).
    void MakeCurrent(int row, int col);

    // The editing help, line by line with a line feed after each but the last.
    static QString HelpText();
    static QString HeaderText(int col);

private:
    void Error() const;
    // Where a paste goes: the selection's column and first row, and the
    // column's line count. False (with the Error sound) when there is
    // nothing to paste or the row lies outside the column's lines.
    bool PasteTarget(int& col, int& start, int& lines) const;
    void Resize(int rows);
    // Accepts or refuses the move to (MoveCol, MoveRow); true when accepted.
    bool AcceptMove(bool scroll = true);
    void MoveDown(bool scrollOnWrap);
    void EndSelectMode();
    // The selection as one column of 1..MaxClip rows, or nothing.
    bool ClipSelection(int& col, int& first, int& count) const;
    void SelectSingle(int row, int col);

    std::vector<std::array<QString, 3>> cells_;
    int rowCount_ = 0;
    int columnCount_ = 0;
    int builtRows_ = -1;
    int builtColumns_ = -1;
    int row_ = 1;
    int col_ = 1;
    int topRow_ = 1;
    Selection sel_;
};

} // namespace velin

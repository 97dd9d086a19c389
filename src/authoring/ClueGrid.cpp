#include "authoring/ClueGrid.h"

#include <algorithm>

namespace velin {

const QString ClueGrid::BlockedText = QStringLiteral("    -------------------------");

ClueGrid::ClueGrid()
{
    SetUp();
}

void ClueGrid::Error() const
{
    if (onError)
        onError();
}

void ClueGrid::Resize(int rows)
{
    cells_.resize(static_cast<size_t>(std::max(rows, 1)));
}

void ClueGrid::SetUp()
{
    cells_.clear();
    Resize(60);
    for (int col = 0; col < 3; ++col)
        cells_[0][static_cast<size_t>(col)] = HeaderText(col);
    for (int row = 1; row <= 10; ++row)
        cells_[static_cast<size_t>(row)][0] = u' ' + QString::number(row);
}

QString ClueGrid::HeaderText(int col)
{
    switch (col) {
    case 0:
        return QStringLiteral("位置");
    case 1:
        return QStringLiteral("  行(横方向)データ[上→下]");
    default:
        return QStringLiteral("  桁(縦方向)データ[左→右]");
    }
}

QString ClueGrid::Cell(int row, int col) const
{
    if (row < 0 || row >= Rows() || col < 0 || col > 2)
        return QString();
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void ClueGrid::SetCell(int row, int col, const QString& text)
{
    if (row < 0 || row >= Rows() || col < 0 || col > 2)
        return;
    cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
}

int ClueGrid::LineCount(int col) const
{
    return col == 1 ? rowCount_ : col == 2 ? columnCount_ : 0;
}

bool ClueGrid::Blocked(int row, int col) const
{
    return col == ShortColumn && row >= FirstBlockedRow && row <= GridLineCount;
}

void ClueGrid::SelectSingle(int row, int col)
{
    sel_ = {col, row, col, row};
}

void ClueGrid::Rebuild(int rowCount, int columnCount)
{
    if (rowCount == builtRows_ && columnCount == builtColumns_)
        return;
    builtRows_ = rowCount;
    builtColumns_ = columnCount;
    rowCount_ = rowCount;
    columnCount_ = columnCount;
    if (rowCount > 0 && columnCount > 0) {
        for (int row = 1; row <= GridLineCount && row < Rows(); ++row)
            cells_[static_cast<size_t>(row)] = {};
        GridLineCount = std::max(rowCount, columnCount);
        Resize(GridLineCount + 1);
        for (int row = 1; row <= GridLineCount; ++row)
            SetCell(row, 0, u' ' + QString::number(row));
    }
    if (rowCount < columnCount) {
        ShortColumn = 1;
        FirstBlockedRow = rowCount + 1;
    } else {
        ShortColumn = 2;
        FirstBlockedRow = columnCount + 1;
    }
    for (int row = std::max(FirstBlockedRow, 1); row <= GridLineCount; ++row)
        SetCell(row, ShortColumn, BlockedText);
    row_ = col_ = 1;
    LastCol = LastRow = MoveCol = MoveRow = 1;
    topRow_ = 1;
    SelectSingle(1, 1);
}

void ClueGrid::EditorChanged(const QString& text)
{
    // The current cell is a clue cell once the counts are known; before
    // that there is nothing to write to.
    if (row_ >= 1 && row_ <= LineCount(col_) && !Blocked(row_, col_))
        SetCell(row_, col_, text);
}

bool ClueGrid::AcceptMove(bool scroll)
{
    const bool inGrid = MoveCol >= 1 && MoveCol <= 2 && MoveRow >= 1 && MoveRow <= GridLineCount;
    if (inGrid && (MoveCol != ShortColumn || MoveRow < FirstBlockedRow)) {
        col_ = MoveCol;
        row_ = MoveRow;
        if (scroll && row_ >= 10)
            topRow_ = row_ - 9;
        LastCol = col_;
        LastRow = row_;
        SelectSingle(row_, col_);
        return true;
    }
    MoveCol = LastCol;
    MoveRow = LastRow;
    Error();
    return false;
}

void ClueGrid::MoveDown(bool scrollOnWrap)
{
    MoveCol = col_;
    if (row_ < GridLineCount && !Blocked(row_ + 1, col_)) {
        MoveRow = row_ + 1;
        AcceptMove();
        return;
    }
    MoveCol = 3 - col_;
    MoveRow = 1;
    if (AcceptMove() && scrollOnWrap)
        topRow_ = 1;
}

void ClueGrid::EndSelectMode()
{
    SelectMode.clear();
    Error();
    sel_.lastRow = sel_.firstRow;
}

bool ClueGrid::KeyDown(Key key, bool caretAtStart, bool caretAtEnd, const QString& editorText)
{
    // Shift and Ctrl alone are the first half of a menu shortcut (Shift+F9),
    // not keys of their own: they leave a keyboard selection as it is.
    if (key == Key::Modifier)
        return false;
    if (SelectMode == QLatin1String("On")) {
        if (key == Key::Down && col_ == AnchorCol) {
            sel_.firstCol = sel_.lastCol = AnchorCol;
            sel_.firstRow = AnchorRow;
            // The selection stays on the column's clue lines.
            if (sel_.lastRow < LineCount(AnchorCol))
                ++sel_.lastRow;
            return true;
        }
        if (key == Key::Down)
            Error();
        else
            EndSelectMode();
    }
    MoveCol = col_;
    MoveRow = row_;
    switch (key) {
    case Key::F6:
        SelectMode = QStringLiteral("On");
        AnchorCol = sel_.firstCol;
        AnchorRow = sel_.firstRow;
        return true;
    case Key::Left:
        if (!caretAtStart || col_ != 2)
            return false;
        MoveCol = 1;
        AcceptMove();
        return true;
    case Key::Right:
        if (!caretAtEnd || col_ != 1)
            return false;
        MoveCol = 2;
        AcceptMove();
        return true;
    case Key::Up:
        if (row_ > 1) {
            MoveRow = row_ - 1;
        } else {
            MoveCol = 3 - col_;
            MoveRow = LineCount(MoveCol);
        }
        AcceptMove();
        return true;
    case Key::Down:
        MoveDown(true);
        return true;
    case Key::Enter:
        EditorChanged(editorText);
        MoveDown(false);
        return true;
    case Key::Modifier:
    case Key::Other:
        break;
    }
    return false;
}

void ClueGrid::MousePress(double x, double y)
{
    PressX = x;
    PressY = y;
}

void ClueGrid::CellClicked(int row, int col)
{
    if ((col == 2 && row > columnCount_) || (col == 1 && row > rowCount_) || col < 1 || col > 2 || row < 1) {
        row_ = LastRow;
        col_ = LastCol;
        sel_ = SavedSel;
    } else {
        row_ = row;
        col_ = col;
    }
    MoveCol = col_;
    MoveRow = row_;
    if (!Blocked(row_, col_)) {
        LastCol = col_;
        LastRow = row_;
    } else {
        row_ = LastRow;
        col_ = LastCol;
    }
}

void ClueGrid::LeftRelease(const Selection& dragged)
{
    DragState = 0;
    sel_ = {std::min(dragged.firstCol, dragged.lastCol), std::min(dragged.firstRow, dragged.lastRow),
            std::max(dragged.firstCol, dragged.lastCol), std::max(dragged.firstRow, dragged.lastRow)};
    if (sel_.firstRow != sel_.lastRow && sel_.firstCol != sel_.lastCol)
        return;
    const int lines = LineCount(sel_.firstCol);
    if (sel_.lastRow > lines)
        sel_.lastRow = std::max(sel_.firstRow, lines);
    if (sel_.firstRow > lines) {
        // Nothing but blocked cells: the selection stays on the current cell.
        SelectSingle(row_, col_);
        return;
    }
    DragState = 2;
}

bool ClueGrid::RightRelease(double x, double y, const Geometry& geometry)
{
    if (sel_.firstCol == sel_.lastCol && sel_.lastRow > sel_.firstRow && DragState == 2) {
        DragState = 0;
    } else {
        DragState = 0;
        const double width = geometry.col2Left - geometry.col1Left;
        const double height = geometry.row2Top - geometry.row1Top;
        if (width <= 0 || height <= 0)
            return false;
        const auto columnAt = [&](double px) {
            for (int k = 1; k <= 2; ++k)
                if ((k - 1) * width < px - geometry.col1Left && px - geometry.col1Left < k * width)
                    return k;
            return 0;
        };
        const auto rowAt = [&](double py, int lines) {
            for (int k = 1; k <= lines; ++k)
                if ((k - 1) * height < py - geometry.row1Top && py - geometry.row1Top < k * height)
                    return k;
            return 0;
        };
        const int col = columnAt(PressX);
        if (col == 0 || columnAt(x) != col)
            return false;
        const int from = rowAt(PressY, LineCount(col));
        const int to = rowAt(y, LineCount(col));
        if (from == 0 || to == 0)
            return false;
        sel_ = {col, std::min(from, to), col, std::max(from, to)};
    }
    col_ = sel_.lastCol;
    row_ = sel_.lastRow;
    LastCol = MoveCol = col_;
    LastRow = MoveRow = row_;
    SavedSel = sel_;
    return true;
}

bool ClueGrid::ClipSelection(int& col, int& first, int& count) const
{
    if (sel_.firstCol != sel_.lastCol || sel_.firstCol < 1 || sel_.firstCol > 2)
        return false;
    col = sel_.firstCol;
    first = sel_.firstRow;
    count = sel_.lastRow - sel_.firstRow + 1;
    return first >= 1 && count >= 1 && count <= MaxClip;
}

void ClueGrid::Copy()
{
    ClipReady.clear();
    int col = 0, first = 0, count = 0;
    if (!ClipSelection(col, first, count)) {
        Error();
        return;
    }
    ClipCells.clear();
    for (int row = first; row < first + count; ++row)
        ClipCells << Cell(row, col);
    ClipCount = count;
    ClipReady = QStringLiteral("On");
    SelectMode.clear();
}

void ClueGrid::Cut()
{
    Copy();
    if (ClipReady != QLatin1String("On"))
        return;
    const int col = sel_.firstCol;
    const int first = sel_.firstRow;
    const int count = ClipCount;
    const int last = first + count - 1;
    const int lines = LineCount(col);
    QStringList below; // the cells under the selection, rows last + 1 .. lines
    for (int row = last + 1; row <= lines; ++row)
        below << Cell(row, col);
    for (int row = first; row <= lines; ++row)
        SetCell(row, col, row > lines - count ? QString() : below.at(row + count - (last + 1)));
    row_ = LastRow = MoveRow = first;
    col_ = LastCol = MoveCol = col;
    SelectSingle(first, col);
}

bool ClueGrid::PasteTarget(int& col, int& start, int& lines) const
{
    col = sel_.firstCol;
    start = sel_.firstRow;
    lines = LineCount(col);
    if (ClipReady == QLatin1String("On") && start >= 1 && start <= lines)
        return true;
    Error();
    return false;
}

void ClueGrid::InsertPaste()
{
    int col = 0;
    int start = 0;
    int lines = 0;
    if (!PasteTarget(col, start, lines))
        return;
    QStringList shifted; // rows start .. lines as they were
    for (int row = start; row <= lines; ++row)
        shifted << Cell(row, col);
    for (int i = 0; i < ClipCount && start + i <= lines; ++i)
        SetCell(start + i, col, ClipCells.at(i));
    for (int row = start + ClipCount; row <= lines; ++row)
        SetCell(row, col, shifted.at(row - start - ClipCount));
    MakeCurrent(start, col);
}

void ClueGrid::OverwritePaste()
{
    int col = 0;
    int start = 0;
    int lines = 0;
    if (!PasteTarget(col, start, lines))
        return;
    for (int i = 0; i < ClipCount && start + i <= lines; ++i)
        SetCell(start + i, col, ClipCells.at(i));
    MakeCurrent(start, col);
}

void ClueGrid::MakeCurrent(int row, int col)
{
    row_ = LastRow = MoveRow = row;
    col_ = LastCol = MoveCol = col;
    SelectSingle(row, col);
}

std::optional<ClueGrid::CellRef> ClueGrid::FirstEmptyClue() const
{
    for (int col = 1; col <= 2; ++col)
        for (int row = 1; row <= LineCount(col); ++row)
            if (Cell(row, col).isEmpty())
                return CellRef{row, col};
    return std::nullopt;
}

QStringList ClueGrid::RowClues() const
{
    QStringList clues;
    for (int row = 1; row <= rowCount_; ++row)
        clues << Cell(row, 1);
    return clues;
}

QStringList ClueGrid::ColumnClues() const
{
    QStringList clues;
    for (int row = 1; row <= columnCount_; ++row)
        clues << Cell(row, 2);
    return clues;
}

QString ClueGrid::HelpText()
{
    const QStringList lines{
        QStringLiteral("　　　　　《 表中でマウスの右ボタンをクリックするとポップアップメニューを表示します 》"),
        QString(),
        QStringLiteral("【セルの選択】"),
        QStringLiteral("範囲をマウス左ボタンのクリック[f･6]して強調表示します。ドラッグ[↓]により複数選択可能です。"),
        QStringLiteral("【切り取り  f･7】"),
        QStringLiteral("選択したセルを切り取り、それ以降のセルを詰めます。"),
        QStringLiteral("【コピー  f･8】"),
        QStringLiteral("セルの値を他のセルへコピー(複写)します。実際のコピーは[貼り付け]等で行われます。"),
        QStringLiteral("【貼り付け  f･9】"),
        QStringLiteral("[切り取り]／[コピー]で選択したセルを指定位置に挿入します。"),
        QStringLiteral("【上書貼り付け  Shift+f･9】"),
        QStringLiteral("[切り取り]／[コピー]で選択したセルを他へ貼り付け(上書)ます。"),
        QStringLiteral("　　　　　  《 『f･6  Shift+f･9 etc.』などはショートカットキーです 》"),
    };
    return lines.join(u'\n');
}

} // namespace velin

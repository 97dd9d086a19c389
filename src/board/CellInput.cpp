#include "board/CellInput.h"

#include "app/Colors.h"
#include "app/Shared.h"
#include "board/BoardLayout.h"

#include <algorithm>
#include <cstdlib>

namespace velin::CellInput {

bool Press(bool inputLive, int button, double x, double y, int& downX, int& downY)
{
    if (!inputLive || (button != kLeftButton && button != kRightButton))
        return false;
    downX = ToTwips(x);
    downY = ToTwips(y);
    return true;
}

std::vector<std::pair<int, int>> SegmentCells(int r0, int c0, int r1, int c1)
{
    std::vector<std::pair<int, int>> cells;
    const bool straight = r0 == r1 || c0 == c1 || std::abs(r1 - r0) == std::abs(c1 - c0);
    if (!straight)
        return cells;
    const int columnStep = c1 >= c0 ? 1 : -1;
    const int rowStep = r1 >= r0 ? 1 : -1;
    for (int c = c0;; c += columnStep) {
        for (int r = r0;; r += rowStep) {
            if (r0 == r1 || c0 == c1 || std::abs(r - r0) == std::abs(c - c0))
                cells.emplace_back(r, c);
            if (r == r1)
                break;
        }
        if (c == c1)
            break;
    }
    return cells;
}

bool Complete(const BoardModel& model, int rowCount, int columnCount)
{
    const int rows = std::clamp(rowCount, 0, kMaxLine);
    const int columns = std::clamp(columnCount, 0, kMaxLine);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            if (model.Board[r][c] == kUndecided)
                return false;
    return true;
}

ReleaseResult Released(const Release& release, bool& popupShown, bool& skipNextClick, BoardModel& model)
{
    ReleaseResult result;
    const bool left = release.Button == kLeftButton;
    const bool right = release.Button == kRightButton;

    if (!release.InputLive) {
        if (right) {
            popupShown = true;
            result.Action = ReleaseAction::OpenPopup;
        }
        return result;
    }
    // The click that closed the popup menu must not paint a cell.
    if (skipNextClick) {
        if (left)
            skipNextClick = false;
        return result;
    }
    if (!left && !right)
        return result;

    const GridGeometry& grid = release.Grid;
    if (grid.CellSize <= 0 || grid.RowCount > kMaxLine || grid.ColumnCount > kMaxLine)
        return result;
    const int x = ToTwips(release.X);
    const int y = ToTwips(release.Y);
    if (!grid.Contains(release.DownX, release.DownY) || !grid.Contains(x, y)) {
        // A right click in the clue area or beside the grid offers the File menu.
        if (release.DownX > grid.GridLeft && x > grid.GridLeft && release.DownY > grid.GridTop && y > grid.GridTop &&
            right) {
            popupShown = true;
            skipNextClick = true;
            result.Action = ReleaseAction::OpenPopup;
        }
        return result;
    }

    const int r0 = grid.RowAt(release.DownY);
    const int c0 = grid.ColumnAt(release.DownX);
    const int r1 = grid.RowAt(y);
    const int c1 = grid.ColumnAt(x);
    const auto cells = SegmentCells(r0, c0, r1, c1);
    if (cells.empty())
        return result;

    const bool modifier = (release.Shift & (kShift | kCtrl | kAlt)) != 0;
    const bool square = release.Shift == kShift;
    result.Action = ReleaseAction::Cells;
    for (const auto& [r, c] : cells) {
        CellMark mark;
        mark.Row = r;
        mark.Column = c;
        mark.Square = square;
        mark.CentreX = grid.CellCentreX(c);
        mark.CentreY = grid.CellCentreY(r);
        int16_t& cell = model.Board[r][c];
        if (cell != kUndecided) {
            mark.Kind = MarkKind::Erase;
            mark.NewState = kUndecided;
            mark.Color = release.BackColor;
            mark.Radius = grid.FilledRadius();
        } else if (modifier) {
            mark.Kind = left ? MarkKind::Memo : MarkKind::EraseMemo;
            mark.NewState = kUndecided;
            mark.Color = left ? kMemoRed : release.BackColor;
            mark.Radius = grid.SmallRadius();
        } else if (left) {
            mark.Kind = MarkKind::FilledDisc;
            mark.NewState = kFilled;
            mark.Color = kMarkGreen;
            mark.Radius = grid.FilledRadius();
        } else {
            mark.Kind = MarkKind::SmallDisc;
            mark.NewState = kBlank;
            mark.Color = kMarkGreen;
            mark.Radius = grid.SmallRadius();
        }
        cell = mark.NewState;
        result.Marks.push_back(mark);
    }
    result.Complete = Complete(model, grid.RowCount, grid.ColumnCount);
    return result;
}

} // namespace velin::CellInput

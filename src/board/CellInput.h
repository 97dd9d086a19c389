#pragma once
// A person's mouse input on the grid: a press and a release decide a straight
// segment of cells (a row, a column or a 45 degree diagonal), and each cell of
// it is filled, marked blank, cleared or given a memo mark. The board form
// passes its mouse events and draws the marks this returns; the model is
// changed here.
#include "board/BoardLayout.h"
#include "board/BoardModel.h"

#include <cstdint>
#include <vector>

namespace velin {

namespace CellInput {

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;

enum class MarkKind {
    FilledDisc, // left button on an undecided cell: filled, green
    SmallDisc,  // right button on an undecided cell: marked blank, green
    Erase,      // either button on a decided cell: undecided again, background colour
    Memo,       // left button with a modifier key: cell unchanged, red
    EraseMemo,  // right button with a modifier key: cell unchanged, background colour
};

// One cell changed by a release, and the mark to draw at its centre: a solid
// disc of radius Radius, or, when Square, a solid square from
// (CentreX - Radius, CentreY - Radius) to (CentreX + Radius, CentreY + Radius).
struct CellMark {
    int Row = 0;
    int Column = 0;
    int16_t NewState = 0;
    MarkKind Kind = MarkKind::FilledDisc;
    bool Square = false;
    // The mark's colour; the background colour for the two erasing kinds.
    int32_t Color = 0;
    double Radius = 0;
    int CentreX = 0;
    int CentreY = 0;
};

enum class ReleaseAction {
    Nothing,   // the release changes nothing
    OpenPopup, // open the File menu as a popup at the pointer
    Cells,     // the cells in Marks were changed; run the completion test next
};

struct ReleaseResult {
    ReleaseAction Action = ReleaseAction::Nothing;
    std::vector<CellMark> Marks;
    // After Cells: no cell of the puzzle is undecided any more.
    bool Complete = false;
};

// What the board form knows at a release.
struct Release {
    // PlayInput = "On", QuestionState = "Ok", InputSwitch = "On" and
    // SolveMode = "Man".
    bool InputLive = false;
    int Button = 0; // 1 left, 2 right
    int Shift = 0;  // 1 Shift, 2 Ctrl, 4 Alt
    double X = 0;   // release point, twips
    double Y = 0;
    int DownX = 0; // last press point, whole twips
    int DownY = 0;
    GridGeometry Grid;
    int32_t BackColor = 0xFFFFFF; // the form's background colour
};

// Button press: when input is live and the button is left or right, the
// press point is remembered in whole twips; true when it was.
bool Press(bool inputLive, int button, double x, double y, int& downX, int& downY);

// Button release: the popup rules (PopupShown, SkipNextClick), the segment
// walk and the change of every cell on it.
ReleaseResult Released(const Release& release, bool& popupShown, bool& skipNextClick, BoardModel& model);

// The cells of the straight segment from (r0, c0) to (r1, c1) in the order
// they are changed: column by column from c0 to c1 and, within a column, row
// by row from r0 to r1, each in the direction of the drag. Empty when the
// segment is neither a row, a column nor a 45 degree diagonal.
std::vector<std::pair<int, int>> SegmentCells(int r0, int c0, int r1, int c1);

// True when no cell of rows 1..rowCount, columns 1..columnCount is undecided.
bool Complete(const BoardModel& model, int rowCount, int columnCount);

} // namespace CellInput

} // namespace velin

#pragma once
// The board's layout arithmetic: how large a cell may be so that the form
// fits on the screen, where the form, the Start button, the information
// block, the grid lines, the clues, the clock and the batch file name go.
// Everything is in twips and every value is rounded to a whole twip as soon
// as it is computed, exactly as the drawing has always placed it. Texts are
// measured through TextMetrics, so the form measures on its Surface while the
// tests use fixed metrics.
#include "board/BoardModel.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace velin {

struct LayoutValues;
struct QuestionValues;

// Width and height in twips of a text in "ＭＳ ゴシック" at a font size.
struct TextMetrics {
    using Measure = std::function<double(const QString& text, double fontSize, bool bold)>;
    Measure Width;
    Measure Height;
};

// Whole twips, the nearest integer (halves away from zero).
int ToTwips(double value);

// Screens taller than this use the large layout values.
inline constexpr double kTallScreenHeight = 7200;

// Where the grid stands and how large its cells are: all that the cell input,
// the cell marks and the clock need.
struct GridGeometry {
    int GridLeft = 80;
    int GridTop = 80;
    int CellSize = 180;
    int RowCount = 0;
    int ColumnCount = 0;
    bool TallScreen = false;

    int GridRight() const { return GridLeft + ColumnCount * CellSize; }
    int GridBottom() const { return GridTop + RowCount * CellSize; }
    // GridLeft <= x < GridRight and GridTop <= y < GridBottom.
    bool Contains(int x, int y) const;
    // The column / row (1-based) of a point inside the grid.
    int ColumnAt(int x) const { return (x - GridLeft) / CellSize + 1; }
    int RowAt(int y) const { return (y - GridTop) / CellSize + 1; }
    // The centre of cell (r, c), where its mark is drawn.
    int CellCentreX(int column) const;
    int CellCentreY(int row) const;
    // Radius of a filled disc, and of the disc that erases a cell: (CellSize - 30)/2.
    double FilledRadius() const { return (CellSize - 30) / 2.0; }
    // Radius of the blank mark and of the memo mark: CellSize/10, or
    // CellSize/20 on a tall screen.
    double SmallRadius() const { return TallScreen ? CellSize / 20.0 : CellSize / 10.0; }
    // The play clock, right of the grid's bottom edge.
    int ClockX() const;
    int ClockY() const;
};

// What the layout is computed from: the layout values fixed at startup, the
// puzzle, the screen and the form as it stands before the load.
struct LayoutInput {
    double ScreenWidth = 9600;
    double ScreenHeight = 7200;
    double ScreenScale = 1.0;
    int BaseCellSize = 180;
    int GridLeft = 80;
    int GridTop = 80;
    double TitleFontSize = 9;
    // ClueFontSize1..ClueFontSize4.
    std::array<double, 4> ClueFontSizes{10, 9, 8, 8};

    int RowCount = 0;
    int ColumnCount = 0;
    int RowClueWidth = 0;
    int ColumnClueDepth = 0;
    QString QuestionTitle;
    QString AnswerName;

    int FrameExtra = 0; // form height - inner height
    int StartButtonHeight = 0;
    int CurrentFormWidth = 0; // the form's size before it is fitted
    int CurrentFormHeight = 0;
    int MinFormWidth = 0;

    bool TallScreen() const { return ScreenHeight > kTallScreenHeight; }
    // Takes the layout values, the question's counts and texts and the
    // model's clue sizes; the screen and the form's fields are left to the caller.
    static LayoutInput From(const LayoutValues& layout, const QuestionValues& question, const BoardModel& model);
};

struct GridLine {
    bool Horizontal = true;
    int K = 0; // the line after row / column K
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int Style = 0; // CellLineStyle, or BlockLineStyle on every fifth line
};

struct FrameBox {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    static constexpr int kDrawWidth = 2;
};

// One number of a column clue as it is printed.
struct ClueNumber {
    int K = 0;      // text line below the grid, 1 = first
    int Column = 0; // 1-based
    QString Text;
    double FontSize = 0;
    int X = 0;
    int Y = 0;
};

struct ColumnClueLayout {
    int BaseY = 0;
    int Avail = 0;
    int h = 0;  // height of "0" at SingleSize
    int h2 = 0; // height of "00" at DoubleSize
    double SingleSize = 0;
    double DoubleSize = 0;
    int Gap = 0;
    // Line by line (K), left to right; columns with fewer numbers leave gaps.
    std::vector<ClueNumber> Numbers;
};

struct FitResult {
    int CellSize = 0;
    int RightWidth = 0;
    int BottomHeight = 0;
    int DepthCells = 0;
    int FormWidth = 0;
    int FormHeight = 0;
    int Passes = 0;    // how many times the cell was made smaller
    bool Fits = false; // false only when even kMinCellSize did not fit
};

struct BoardLayout {
    // The fitting loop never makes a cell smaller than this: below it the
    // cell marks have no size, and a title too long for any screen would
    // otherwise run the loop on forever.
    static constexpr int kMinCellSize = 32;
    // Font sizes are never reduced below this.
    static constexpr double kMinFontSize = 1;

    LayoutInput Input;
    bool TallScreen = false;

    // Information width: T is the longer of title and answer, G the width of "G".
    QString T;
    int G = 0;
    int InfoWidth = 0;

    FitResult Fit;
    int CellSize = 0;

    // The form, after fitting: left, top, width, height.
    int FormLeft = 0;
    int FormTop = 0;
    int FormW = 0;
    int FormH = 0;

    // The Start button's position.
    int StartTop = 0;
    int StartLeft = 0;

    // The information block: "ヒント" at (X0, Y0), the title at (X1, Y0),
    // "難易度" at (X0, Y1), the stars (later the answer) at (X1, Y1).
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;
    int D = 0;

    // Row clues: font size by the row count, the text at (RowClueX, RowClueY(r)).
    double ClueFontSize = 0;
    int RowOffset = 0;
    int RowClueX = 0;

    // Steps of the load in order, from the input: information width, fitting
    // loop, form size and position, Start button, information block, row clue
    // positions. The column clues need the form's inner height after it was
    // sized, so they come from ColumnClues().
    static BoardLayout Compute(const LayoutInput& input, const TextMetrics& metrics);

    static int InformationWidth(const LayoutInput& input, const TextMetrics& metrics, QString* t = nullptr,
                                int* g = nullptr);
    // Makes the cell one twip smaller per pass until the form fits the screen.
    static FitResult FitToScreen(const LayoutInput& input, int infoWidth);
    // The clue font size for a puzzle of this many rows.
    static double ClueFontSizeFor(int rowCount, const std::array<double, 4>& clueFontSizes);

    GridGeometry Grid() const;
    FrameBox Frame() const;
    std::vector<GridLine> GridLines(int cellLineStyle, int blockLineStyle) const;
    int RowClueY(int row) const { return Input.GridTop + (row - 1) * CellSize + RowOffset; }
    // Column clues: the font search and where every number goes. innerHeight
    // is the form's inner height after it was sized.
    ColumnClueLayout ColumnClues(int innerHeight, const Grid61& columnClues, const TextMetrics& metrics) const;
    // The batch check's file name, beside the clock.
    int BatchNameX() const { return StartLeft + 40; }
    int BatchNameY() const;
};

} // namespace velin

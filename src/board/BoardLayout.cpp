#include "board/BoardLayout.h"

#include "app/Shared.h"

#include <algorithm>
#include <cmath>

namespace velin {

int ToTwips(double value)
{
    return static_cast<int>(std::lround(value));
}

bool GridGeometry::Contains(int x, int y) const
{
    return x >= GridLeft && x < GridRight() && y >= GridTop && y < GridBottom();
}

int GridGeometry::CellCentreX(int column) const
{
    return ToTwips(GridLeft + (column - 1) * CellSize + CellSize / 2.0);
}

int GridGeometry::CellCentreY(int row) const
{
    return ToTwips(GridTop + (row - 1) * CellSize + CellSize / 2.0);
}

int GridGeometry::ClockX() const
{
    return ToTwips(GridLeft + ColumnCount * CellSize + CellSize / 3.0);
}

int GridGeometry::ClockY() const
{
    return ToTwips(GridTop + RowCount * CellSize + 5.0 * CellSize / 7.0);
}

LayoutInput LayoutInput::From(const LayoutValues& layout, const QuestionValues& question, const BoardModel& model)
{
    LayoutInput in;
    in.ScreenScale = layout.ScreenScale;
    in.BaseCellSize = layout.BaseCellSize;
    in.GridLeft = layout.GridLeft;
    in.GridTop = layout.GridTop;
    in.TitleFontSize = layout.TitleFontSize;
    in.ClueFontSizes = {layout.ClueFontSize1, layout.ClueFontSize2, layout.ClueFontSize3, layout.ClueFontSize4};
    in.RowCount = question.RowCount;
    in.ColumnCount = question.ColumnCount;
    in.RowClueWidth = model.RowClueWidth;
    in.ColumnClueDepth = model.ColumnClueDepth;
    in.QuestionTitle = question.QuestionTitle;
    in.AnswerName = question.AnswerName;
    return in;
}

int BoardLayout::InformationWidth(const LayoutInput& input, const TextMetrics& metrics, QString* t, int* g)
{
    const double size = input.TitleFontSize;
    const QString longer =
        input.AnswerName.size() > input.QuestionTitle.size() ? input.AnswerName : input.QuestionTitle;
    const int gWidth = ToTwips(metrics.Width(QStringLiteral("G"), size, false));
    const int tWidth = ToTwips(metrics.Width(longer, size, false));
    int width;
    if (!input.TallScreen())
        width = std::max(13 * gWidth + tWidth, 11 * gWidth);
    else
        width = std::max(11 * gWidth + tWidth, 25 * gWidth);
    if (t)
        *t = longer;
    if (g)
        *g = gWidth;
    return width;
}

FitResult BoardLayout::FitToScreen(const LayoutInput& input, int infoWidth)
{
    const bool tall = input.TallScreen();
    // The clue area below the grid is at least as high as the Start button
    // and the information block need.
    const int minBottom = tall ? ToTwips((input.StartButtonHeight + 500) * input.ScreenScale)
                               : ToTwips((input.StartButtonHeight + 650) * input.ScreenScale);
    int depthCells = tall ? input.ColumnClueDepth : input.ColumnClueDepth + 1;
    if (input.RowCount > 30)
        depthCells += 2;

    FitResult fit;
    fit.DepthCells = depthCells;
    int cell = std::max(input.BaseCellSize, kMinCellSize);
    for (;;) {
        fit.CellSize = cell;
        fit.RightWidth = std::max(infoWidth, cell * (input.RowClueWidth + 1));
        fit.BottomHeight = std::max(minBottom, cell * depthCells);
        fit.FormWidth = cell * input.ColumnCount + input.GridLeft + fit.RightWidth;
        fit.FormHeight = cell * input.RowCount + input.GridTop + input.FrameExtra + fit.BottomHeight;
        if (input.ScreenWidth > fit.FormWidth && input.ScreenHeight > fit.FormHeight) {
            fit.Fits = true;
            return fit;
        }
        if (cell <= kMinCellSize)
            return fit;
        --cell;
        ++fit.Passes;
    }
}

double BoardLayout::ClueFontSizeFor(int rowCount, const std::array<double, 4>& clueFontSizes)
{
    if (rowCount < 20)
        return clueFontSizes[0];
    if (rowCount <= 30)
        return clueFontSizes[1];
    if (rowCount <= 39)
        return clueFontSizes[2];
    return clueFontSizes[3];
}

BoardLayout BoardLayout::Compute(const LayoutInput& input, const TextMetrics& metrics)
{
    BoardLayout layout;
    layout.Input = input;
    layout.TallScreen = input.TallScreen();
    const double scale = input.ScreenScale;

    layout.InfoWidth = InformationWidth(input, metrics, &layout.T, &layout.G);
    layout.Fit = FitToScreen(input, layout.InfoWidth);
    const int cell = layout.CellSize = layout.Fit.CellSize;

    // The form: its fitted size (one twip less, as it has always been set),
    // the screen's size when the form is already larger than the screen, and
    // never narrower than 94 % of its start-up width so that the menu bar and
    // the Start button keep their room.
    const int screenW = ToTwips(input.ScreenWidth);
    const int screenH = ToTwips(input.ScreenHeight);
    layout.FormW = screenW >= input.CurrentFormWidth ? layout.Fit.FormWidth - 1 : screenW;
    const int minWidth = ToTwips(0.94 * input.MinFormWidth);
    if (layout.FormW < 0.94 * input.MinFormWidth)
        layout.FormW = minWidth;
    layout.FormH = screenH >= input.CurrentFormHeight ? layout.Fit.FormHeight - 1 : screenH;
    layout.FormLeft = ToTwips((screenW - layout.FormW) / 2.0);
    layout.FormTop = ToTwips((screenH - layout.FormH) / 2.0);

    layout.StartTop = ToTwips((input.RowCount + 0.2) * cell + input.GridTop * scale);
    layout.StartLeft = ToTwips(input.ColumnCount * cell + input.GridLeft + 1000 * scale);

    layout.X0 = ToTwips((input.ColumnCount + 0.4) * cell + input.GridLeft);
    layout.Y0 = ToTwips(layout.StartTop + input.StartButtonHeight + cell / 3.0);
    layout.X1 = ToTwips(layout.X0 + 680 * scale);
    const int one = ToTwips(metrics.Height(QStringLiteral("１"), input.TitleFontSize, true));
    layout.D = layout.TallScreen ? ToTwips(one * 73.0 / 90.0 * scale) : ToTwips(one * 93.0 / 80.0 * scale);
    layout.Y1 = layout.Y0 + layout.D;

    layout.ClueFontSize = ClueFontSizeFor(input.RowCount, input.ClueFontSizes);
    const int zeroHeight = ToTwips(metrics.Height(QStringLiteral("0"), layout.ClueFontSize, false));
    layout.RowOffset = ToTwips((cell - zeroHeight) / 2.0);
    if (layout.RowOffset < 0)
        layout.RowOffset = ToTwips(layout.RowOffset / 2.0);
    layout.RowClueX = ToTwips((input.ColumnCount + 0.6) * cell + input.GridLeft);
    return layout;
}

GridGeometry BoardLayout::Grid() const
{
    GridGeometry grid;
    grid.GridLeft = Input.GridLeft;
    grid.GridTop = Input.GridTop;
    grid.CellSize = CellSize;
    grid.RowCount = Input.RowCount;
    grid.ColumnCount = Input.ColumnCount;
    grid.TallScreen = TallScreen;
    return grid;
}

FrameBox BoardLayout::Frame() const
{
    FrameBox box;
    box.X1 = Input.GridLeft - 1;
    box.Y1 = Input.GridTop - 1;
    box.X2 = ToTwips(Input.GridLeft + Input.ColumnCount * CellSize + 10 + CellSize / 38.0);
    box.Y2 = ToTwips(Input.GridTop + Input.RowCount * CellSize + 10 + CellSize / 38.0);
    return box;
}

std::vector<GridLine> BoardLayout::GridLines(int cellLineStyle, int blockLineStyle) const
{
    std::vector<GridLine> lines;
    const int right = ToTwips(Input.GridLeft + Input.ColumnCount * CellSize + CellSize / 15.0);
    const int bottom = ToTwips(Input.GridTop + Input.RowCount * CellSize + CellSize / 15.0);
    for (int k = 1; k <= Input.RowCount - 1; ++k) {
        const int y = Input.GridTop + k * CellSize + 1;
        lines.push_back({true, k, Input.GridLeft, y, right, y, k % 5 == 0 ? blockLineStyle : cellLineStyle});
    }
    for (int k = 1; k <= Input.ColumnCount - 1; ++k) {
        const int x = Input.GridLeft + k * CellSize + 1;
        lines.push_back({false, k, x, Input.GridTop, x, bottom, k % 5 == 0 ? blockLineStyle : cellLineStyle});
    }
    return lines;
}

ColumnClueLayout BoardLayout::ColumnClues(int innerHeight, const Grid61& columnClues, const TextMetrics& metrics) const
{
    ColumnClueLayout out;
    const int cell = CellSize;
    const int depth = std::max(Input.ColumnClueDepth, 1);
    out.BaseY = ToTwips((Input.RowCount + 0.6) * cell + Input.GridTop);
    out.Avail = innerHeight - (out.BaseY + 60);

    const auto height = [&](const QString& text, double size) { return ToTwips(metrics.Height(text, size, false)); };
    const auto width = [&](const QString& text, double size) { return ToTwips(metrics.Width(text, size, false)); };

    // The single-digit size: small enough that the deepest column clue fits
    // below the grid and a digit fits its cell.
    double size = ClueFontSize;
    int h = height(QStringLiteral("0"), size);
    while ((0.8 * h * depth > out.Avail || width(QStringLiteral("0"), size) > 1.2 * cell) && size - 1 >= kMinFontSize) {
        size -= 1;
        h = height(QStringLiteral("0"), size);
    }
    out.SingleSize = size;
    out.h = h;

    // The space between the text lines: what is left over, at most a
    // fifteenth of a cell, then the largest one (down to an overlap) that
    // keeps every line inside the available height.
    int gap = ToTwips(static_cast<double>(out.Avail) / depth - h);
    gap = std::min(gap, ToTwips(Input.BaseCellSize / 15.0));
    for (int g = gap; g >= -gap; --g) {
        if (0.9 * h * depth + (depth - 1) * g <= out.Avail) {
            gap = g;
            break;
        }
    }
    out.Gap = gap;

    // Two-digit numbers go on shrinking until they fit their cell.
    while (width(QStringLiteral("55"), size) > 1.04 * cell && size - 1 >= kMinFontSize)
        size -= 1;
    out.DoubleSize = size;
    out.h2 = height(QStringLiteral("00"), size);

    for (int k = 1; k <= Input.ColumnClueDepth; ++k) {
        for (int c = 1; c <= Input.ColumnCount && c <= kMaxLine; ++c) {
            const int count = std::clamp<int>(columnClues[c][0], 0, kMaxLine);
            if (k > count)
                continue;
            ClueNumber number;
            number.K = k;
            number.Column = c;
            number.Text = QString::number(columnClues[c][k]);
            const bool twoDigits = number.Text.size() >= 2;
            number.FontSize = twoDigits ? out.DoubleSize : out.SingleSize;
            const int w = width(number.Text, number.FontSize);
            number.X = ToTwips(Input.GridLeft + (c - 1) * cell + (cell - 0.9 * w) / 2.0);
            number.Y = out.BaseY + (k - 1) * (out.Gap + out.h) + (twoDigits ? out.h - out.h2 : 0);
            out.Numbers.push_back(number);
        }
    }
    return out;
}

int BoardLayout::BatchNameY() const
{
    return ToTwips(Input.GridTop + Input.RowCount * CellSize + 5.0 * CellSize / 7.0);
}

} // namespace velin

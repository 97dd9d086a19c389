#include "print/FormLayout.h"

#include "app/Colors.h"

#include <algorithm>
#include <cmath>

namespace velin::FormLayout {

namespace {
// Light blue, palette colour 9: the grid prints faintly behind what the
// solver writes into it by hand.
int32_t GridColor()
{
    return QBColor(9);
}
} // namespace

bool Fits(int rows, int columns)
{
    return columns * kCell < 32368 && rows * kCell < 31968;
}

std::vector<FormItem> Build(const FormInput& in)
{
    std::vector<FormItem> items;
    if (!Fits(in.rows, in.columns))
        return items;

    if (!in.blank) {
        FormItem title;
        title.kind = FormItem::Text;
        title.x1 = 600;
        title.y1 = 300;
        title.text = QStringLiteral("『") + in.title + QStringLiteral("』");
        title.fontName = kFontName;
        title.fontSize = in.titleFontSize;
        title.bold = true;
        items.push_back(title);
    }

    FormItem frame;
    frame.kind = FormItem::Box;
    frame.x1 = kGridLeft - 1;
    frame.y1 = kGridTop - 1;
    frame.x2 = in.columns * kCell + kGridLeft + 1;
    frame.y2 = in.rows * kCell + kGridTop + 1;
    frame.width = 2;
    frame.color = GridColor();
    items.push_back(frame);

    const auto line = [&](double x1, double y1, double x2, double y2, int j) {
        FormItem item;
        item.kind = FormItem::Line;
        item.x1 = x1;
        item.y1 = y1;
        item.x2 = x2;
        item.y2 = y2;
        item.color = GridColor();
        item.style = j % 5 == 0 ? in.blockLineStyle : in.cellLineStyle;
        items.push_back(item);
    };
    for (int j = 1; j < in.rows; ++j)
        line(kGridLeft, j * kCell + kGridTop + 1, in.columns * kCell + kGridLeft, j * kCell + kGridTop + 1, j);
    for (int j = 1; j < in.columns; ++j)
        line(j * kCell + kGridLeft + 1, kGridTop, j * kCell + kGridLeft + 1, in.rows * kCell + kGridTop, j);

    if (in.blank)
        return items;

    const auto text = [&](double x, double y, const QString& s) {
        FormItem item;
        item.kind = FormItem::Text;
        item.x1 = x;
        item.y1 = y;
        item.text = s;
        item.fontName = kFontName;
        item.fontSize = kClueFontSize;
        items.push_back(item);
    };
    // Clues exist for a loaded question only, never beyond the model's lines.
    const int rows = std::min(in.rows, kMaxLine);
    const int columns = std::min(in.columns, kMaxLine);
    for (int r = 1; r <= rows; ++r)
        text((in.columns + 0.4) * kCell + kGridLeft, (r - 1) * kCell + kGridTop + kCell / 60, in.rowClueText[r]);
    const int depth = std::clamp(in.columnClueDepth, 0, kMaxLine);
    for (int k = 1; k <= depth; ++k) {
        for (int c = 1; c <= columns; ++c) {
            if (in.columnRuns[c][0] < k)
                continue;
            const int number = in.columnRuns[c][k];
            const double d = number >= 10 ? 4 : 58;
            text((c - 1) * kCell + d + kGridLeft, (in.rows + k - 0.8) * kCell + kGridTop, QString::number(number));
        }
    }
    return items;
}

std::vector<double> SheetStarts(double extent, double page, double gridStart, int cells)
{
    std::vector<double> starts{0};
    if (page <= kCell)
        return starts;
    const double gridEnd = gridStart + cells * kCell;
    double start = 0;
    while (start + page < extent) {
        double next = start + page;
        if (next > gridStart && next < gridEnd) {
            // The last grid line on this sheet, with room for its width.
            const double line = gridStart + std::floor((next - 4 - gridStart) / kCell) * kCell;
            if (line - 4 > start)
                next = line - 4;
        }
        start = next;
        starts.push_back(start);
    }
    return starts;
}

} // namespace velin::FormLayout

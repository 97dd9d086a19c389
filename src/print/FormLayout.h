#pragma once
// What a printed puzzle form holds and where, in twips from the printable
// page's upper-left corner: the title, the grid's frame and inner lines, the
// row clues to the right and the column clues below. A blank grid form is the
// same layout without the title and the clues. The printer side only paints
// these items, so every position here is tested without a printer.
#include "board/BoardModel.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace velin {

struct FormItem {
    enum Kind { Text, Box, Line };
    Kind kind = Text;
    // Text: the top left corner at (x1, y1). Box and Line: from (x1, y1) to (x2, y2).
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QString text;
    QString fontName;
    double fontSize = 0; // points
    bool bold = false;
    int width = 1; // line width in printer dots
    int style = 0; // 0 solid, 1 dash, 2 dot
    int32_t color = 0;
};

// The values the form is made of; the caller takes them from the loaded
// question and the settings.
struct FormInput {
    QString title;
    int rows = 0;
    int columns = 0;
    std::array<QString, kMaxLine + 1> rowClueText;
    // ColumnRuns as rebuilt from the clue texts: (c, 0) the count, (c, k) the numbers.
    Grid61 columnRuns{};
    int columnClueDepth = 0;
    int cellLineStyle = 0;
    int blockLineStyle = 2;
    double titleFontSize = 9;
    // A blank grid: no title and no clues.
    bool blank = false;
};

namespace FormLayout {

inline constexpr double kCell = 230;
inline constexpr double kGridLeft = 400;
inline constexpr double kGridTop = 800;
inline constexpr double kClueFontSize = 12;
inline const QString kFontName = QStringLiteral("ＭＳ 明朝");
// The largest grid the form holds (columns x 230 < 32368, rows x 230 < 31968).
inline constexpr int kMaxRows = 138;
inline constexpr int kMaxColumns = 140;

// True when the grid's frame fits the form's coordinates.
bool Fits(int rows, int columns);
// Every item of the form in drawing order; empty when the grid does not fit.
std::vector<FormItem> Build(const FormInput& input);

// Where each sheet begins along one axis when a form of `extent` twips is
// spread over sheets of `page` twips. A cut inside the grid is moved back to
// the last grid line on the sheet, so that every sheet ends on whole cells
// and the line shows on both sheets to lay them edge to edge.
std::vector<double> SheetStarts(double extent, double page, double gridStart, int cells);

} // namespace FormLayout

} // namespace velin

#pragma once
// Puts pages on paper: the default printer when there is one, otherwise a PDF
// file the user names. One routine paints a form (the puzzle form and the
// blank grids alike) in twips from the printable area's upper-left corner,
// spreading a form larger than the paper over as many sheets as it needs.
#include "print/FormLayout.h"

#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

class QImage;
class QPagedPaintDevice;
class QPainter;

namespace velin::FormPrinter {

// Paints on a device whose painter is active; the painter is in device pixels.
using Drawing = std::function<void(QPagedPaintDevice& device, QPainter& painter)>;

// The width and height the items cover, in twips, texts included.
QSizeF Extent(const std::vector<FormItem>& items);
// Landscape for a page wider than tall.
QPageLayout::Orientation OrientationFor(QSizeF extent);

// The form of `rows` x `columns` cells; more sheets when it is larger than the printable area.
void DrawForm(QPagedPaintDevice& device, QPainter& painter, const std::vector<FormItem>& items, int rows, int columns);
// A picture as large as the printable area allows, its proportions kept.
void DrawPicture(QPagedPaintDevice& device, QPainter& painter, const QImage& picture);

// The margins of a PDF page, where a printer's own unprintable edge would be.
inline constexpr double kPdfMarginMm = 6.35;
// Writes the drawing to a PDF file, replacing it only once it is whole;
// false when the file cannot be written.
bool WritePdf(const QString& path, QPageLayout::Orientation orientation, const Drawing& draw);

// Prints on the default printer or, without one, asks for a PDF file named
// after `name` in the documents folder and saves it there. Failures and the
// saved file's place are told in a message box; false when nothing was
// printed or saved (a cancelled save dialog included).
bool Print(const QString& name, QPageLayout::Orientation orientation, const Drawing& draw);

// A file name made of a puzzle's title: characters a file name cannot hold become "_".
QString FileNameOf(const QString& name);

} // namespace velin::FormPrinter

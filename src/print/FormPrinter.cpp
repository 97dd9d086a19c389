#include "print/FormPrinter.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/PrintTarget.h"
#include "platform/Surface.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace velin::FormPrinter {

namespace {

constexpr double kTwipsPerInch = 1440;
// Line widths count dots of a 300 dpi printer, so a line looks the same on
// any printer and in a PDF.
constexpr double kTwipsPerDot = kTwipsPerInch / 300;

QFont FontOf(const FormItem& item)
{
    QFont font(item.fontName);
    // Painting is in twips, one twip a pixel: 20 twips a point.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(item.fontSize * 20))));
    font.setBold(item.bold);
    return font;
}

QPen PenOf(const FormItem& item)
{
    QPen pen(Surface::ToQColor(item.color));
    const double width = std::max(1, item.width) * kTwipsPerDot;
    pen.setWidthF(width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    // Dots and dashes sized for paper (in twips, divided by the pen width).
    if (item.style == 2)
        pen.setDashPattern({10 / width, 20 / width});
    else if (item.style == 1)
        pen.setDashPattern({40 / width, 20 / width});
    return pen;
}

void Paint(QPainter& painter, const FormItem& item)
{
    switch (item.kind) {
    case FormItem::Text: {
        const QFont font = FontOf(item);
        painter.setFont(font);
        painter.setPen(Surface::ToQColor(item.color));
        painter.drawText(QPointF(item.x1, item.y1 + QFontMetricsF(font).ascent()), item.text);
        break;
    }
    case FormItem::Box:
        painter.setPen(PenOf(item));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2)));
        break;
    case FormItem::Line:
        painter.setPen(PenOf(item));
        painter.drawLine(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2));
        break;
    }
}

// What an item covers on the page, in twips.
QRectF BoundsOf(const FormItem& item)
{
    if (item.kind == FormItem::Text) {
        const QFontMetricsF metrics(FontOf(item));
        return {item.x1, item.y1, metrics.horizontalAdvance(item.text), metrics.height()};
    }
    const double half = item.width * kTwipsPerDot / 2;
    return QRectF(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2)).normalized().adjusted(-half, -half, half, half);
}

// The printable area of the device's page in twips.
QSizeF AreaTwips(const QPagedPaintDevice& device)
{
    return {device.width() * kTwipsPerInch / device.logicalDpiX(),
            device.height() * kTwipsPerInch / device.logicalDpiY()};
}

void ScaleToTwips(const QPagedPaintDevice& device, QPainter& painter)
{
    painter.scale(device.logicalDpiX() / kTwipsPerInch, device.logicalDpiY() / kTwipsPerInch);
}

QPageSize PaperOfLocale()
{
    const auto territory = QLocale().territory();
    if (territory == QLocale::UnitedStates || territory == QLocale::Canada)
        return QPageSize(QPageSize::Letter);
    return QPageSize(QPageSize::A4);
}

void Tell(const QString& text, Dialogs::Icon icon, const QString& title)
{
    Platform::dialogs().MsgBox(text, Dialogs::Buttons::Ok, icon, title);
}

bool PrintOnPrinter(const QString& printerName, const QString& name, QPageLayout::Orientation orientation,
                    const Drawing& draw)
{
    // A printer that went away since it was named would silently become
    // another one; say so instead.
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(name);
    printer.setPageOrientation(orientation);
    QPainter painter;
    bool ok = !info.isNull() && painter.begin(&printer);
    if (ok) {
        draw(printer, painter);
        ok = painter.end();
    }
    if (!ok || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
        Tell(QStringLiteral("プリンター「%1」で印刷できませんでした。\nプリンターの状態を確かめて下さい。")
                 .arg(printerName),
             Dialogs::Icon::Exclamation, QStringLiteral("印刷エラー"));
        return false;
    }
    return true;
}

} // namespace

QSizeF Extent(const std::vector<FormItem>& items)
{
    double right = 0;
    double bottom = 0;
    for (const FormItem& item : items) {
        const QRectF r = BoundsOf(item);
        right = std::max(right, r.right());
        bottom = std::max(bottom, r.bottom());
    }
    return {right, bottom};
}

QPageLayout::Orientation OrientationFor(QSizeF extent)
{
    return extent.width() > extent.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void DrawForm(QPagedPaintDevice& device, QPainter& painter, const std::vector<FormItem>& items, int rows, int columns)
{
    const QSizeF extent = Extent(items);
    const QSizeF area = AreaTwips(device);
    const std::vector<double> xs =
        FormLayout::SheetStarts(extent.width(), area.width(), FormLayout::kGridLeft, columns);
    const std::vector<double> ys = FormLayout::SheetStarts(extent.height(), area.height(), FormLayout::kGridTop, rows);
    // Each sheet shows its own slice and the grid line it was cut at, so the
    // sheets can be laid edge to edge.
    const auto sliceEnd = [](const std::vector<double>& starts, size_t i, double page) {
        return i + 1 < starts.size() ? std::min(page, starts[i + 1] - starts[i] + 8) : page;
    };
    std::vector<QRectF> bounds;
    for (const FormItem& item : items)
        bounds.push_back(BoundsOf(item));
    bool first = true;
    for (size_t iy = 0; iy < ys.size(); ++iy) {
        for (size_t ix = 0; ix < xs.size(); ++ix) {
            const QRectF sheet(xs[ix], ys[iy], sliceEnd(xs, ix, area.width()), sliceEnd(ys, iy, area.height()));
            // A sheet of the corner beyond both the clues is left out.
            if (std::none_of(bounds.begin(), bounds.end(), [&](const QRectF& b) { return b.intersects(sheet); }))
                continue;
            if (!first)
                device.newPage();
            first = false;
            painter.save();
            ScaleToTwips(device, painter);
            painter.setClipRect(QRectF(QPointF(0, 0), sheet.size()));
            painter.translate(-xs[ix], -ys[iy]);
            for (const FormItem& item : items)
                Paint(painter, item);
            painter.restore();
        }
    }
}

void DrawPicture(QPagedPaintDevice& device, QPainter& painter, const QImage& picture)
{
    if (picture.isNull())
        return;
    const double scale = std::min(static_cast<double>(device.width()) / picture.width(),
                                  static_cast<double>(device.height()) / picture.height());
    const QSizeF size(picture.width() * scale, picture.height() * scale);
    // Centred across the page, from its top, as a window print sits on paper.
    const QRectF target(QPointF((device.width() - size.width()) / 2, 0), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
}

bool WritePdf(const QString& path, QPageLayout::Orientation orientation, const Drawing& draw)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("べりん"));
        writer.setTitle(QFileInfo(path).completeBaseName());
        writer.setPageLayout(QPageLayout(PaperOfLocale(), orientation,
                                         QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                         QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return false;
        }
        draw(writer, painter);
        if (!painter.end()) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

QString FileNameOf(const QString& name)
{
    QString result;
    for (const QChar c : name)
        result += (c < u' ' || QStringLiteral("/\\:*?\"<>|").contains(c)) ? QChar(u'_') : c;
    result = result.trimmed();
    // A name of dots alone would be the folder itself or its parent.
    if (result.isEmpty() || result.count(u'.') == result.size())
        result = QStringLiteral("べりん");
    return result;
}

bool Print(const QString& name, QPageLayout::Orientation orientation, const Drawing& draw)
{
    PrintTarget& target = PrintTarget::Get();
    const QString printerName = target.DefaultPrinter();
    if (!printerName.isEmpty())
        return PrintOnPrinter(printerName, name, orientation, draw);

    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString proposed = QDir(folder).filePath(FileNameOf(name) + QStringLiteral(".pdf"));
    const std::optional<QString> chosen = target.AskPdfPath(proposed);
    if (!chosen || chosen->isEmpty())
        return false;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    if (!WritePdf(path, orientation, draw)) {
        Tell(QStringLiteral("PDFファイルを保存できませんでした。\n%1").arg(QDir::toNativeSeparators(path)),
             Dialogs::Icon::Exclamation, QStringLiteral("印刷エラー"));
        return false;
    }
    Tell(QStringLiteral("プリンターが無いため、PDFファイルに保存しました。\n%1").arg(QDir::toNativeSeparators(path)),
         Dialogs::Icon::Information, QStringLiteral("印刷"));
    return true;
}

} // namespace velin::FormPrinter

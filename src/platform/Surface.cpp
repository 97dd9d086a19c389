#include "platform/Surface.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace velin {

Surface::Surface(double twipsPerPixelX, double twipsPerPixelY) : tppX_(twipsPerPixelX), tppY_(twipsPerPixelY)
{
    image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(ToQColor(BackColor));
}

QColor Surface::ToQColor(int32_t color)
{
    const auto c = static_cast<uint32_t>(color);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

int Surface::Px(double twips) const
{
    return static_cast<int>(std::lround(twips / tppX_));
}
int Surface::Py(double twips) const
{
    return static_cast<int>(std::lround(twips / tppY_));
}

void Surface::EnsureSize(double widthTwips, double heightTwips)
{
    const int w = std::max(image_.width(), Px(widthTwips));
    const int h = std::max(image_.height(), Py(heightTwips));
    if (w == image_.width() && h == image_.height())
        return;
    QImage grown(w, h, QImage::Format_RGB32);
    grown.fill(ToQColor(BackColor));
    QPainter p(&grown);
    p.drawImage(0, 0, image_);
    p.end();
    image_ = grown;
}

QFont Surface::CurrentFont() const
{
    QFont font(FontName);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(FontSize * 20.0 / tppY_))));
    font.setBold(FontBold);
    // Text is erased by printing it again in the background colour, which
    // only works when both prints cover exactly the same pixels.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

double Surface::TextWidth(const QString& text) const
{
    return QFontMetricsF(CurrentFont()).horizontalAdvance(text) * tppX_;
}

double Surface::TextHeight(const QString& text) const
{
    const QFontMetricsF metrics(CurrentFont());
    const auto lines = std::max<qsizetype>(1, text.count(u'\n') + 1);
    return metrics.height() * static_cast<double>(lines) * tppY_;
}

Surface::Op Surface::Make(Op::Kind kind) const
{
    Op op;
    op.kind = kind;
    op.drawWidth = DrawWidth;
    op.drawStyle = DrawStyle;
    op.fillStyle = FillStyle;
    op.fillColor = FillColor;
    op.fontName = FontName;
    op.fontSize = FontSize;
    op.fontBold = FontBold;
    return op;
}

void Surface::Record(Op op)
{
    if (logging_)
        log_.push_back(std::move(op));
}

void Surface::Clear()
{
    image_.fill(ToQColor(BackColor));
    Op op = Make(Op::Clear);
    op.color = BackColor;
    Record(op);
}

void Surface::Print(double x, double y, const QString& text)
{
    QPainter p(&image_);
    const QFont font = CurrentFont();
    p.setFont(font);
    p.setPen(ToQColor(ForeColor));
    const QFontMetricsF metrics(font);
    p.drawText(QPointF(Px(x), Py(y) + metrics.ascent()), text);
    Op op = Make(Op::Text);
    op.x1 = x;
    op.y1 = y;
    op.text = text;
    op.color = ForeColor;
    Record(op);
}

namespace {
QPen penFor(const QColor& color, int width, int style)
{
    QPen pen(color);
    pen.setWidth(std::max(1, width));
    // Broken line styles only take effect on one-pixel lines, as on the
    // original platform.
    if (width <= 1 && style == Surface::DrawDot)
        pen.setStyle(Qt::DotLine);
    else if (width <= 1 && style == Surface::DrawDash)
        pen.setStyle(Qt::DashLine);
    return pen;
}
} // namespace

void Surface::Line(double x1, double y1, double x2, double y2, int32_t color)
{
    QPainter p(&image_);
    p.setPen(penFor(ToQColor(color), DrawWidth, DrawStyle));
    p.drawLine(Px(x1), Py(y1), Px(x2), Py(y2));
    Op op = Make(Op::Line);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
    Record(op);
}

void Surface::Box(double x1, double y1, double x2, double y2, int32_t color)
{
    QPainter p(&image_);
    p.setPen(penFor(ToQColor(color), DrawWidth, DrawStyle));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(Px(x1), Py(y1)), QPoint(Px(x2), Py(y2))).normalized());
    Op op = Make(Op::Box);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
    Record(op);
}

void Surface::FillBox(double x1, double y1, double x2, double y2, int32_t color)
{
    QPainter p(&image_);
    p.fillRect(QRect(QPoint(Px(x1), Py(y1)), QPoint(Px(x2), Py(y2))).normalized(), ToQColor(color));
    Op op = Make(Op::FilledBox);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
    Record(op);
}

void Surface::Circle(double cx, double cy, double radius, int32_t color)
{
    QPainter p(&image_);
    // No antialiasing: a disc is erased by drawing it again in the background
    // colour, which must cover exactly the same pixels.
    p.setPen(penFor(ToQColor(color), DrawWidth, DrawSolid));
    if (FillStyle == FillSolid)
        p.setBrush(ToQColor(FillColor));
    else
        p.setBrush(Qt::NoBrush);
    const double rx = radius / tppX_;
    const double ry = radius / tppY_;
    p.drawEllipse(QPointF(cx / tppX_, cy / tppY_), rx, ry);
    Op op = Make(Op::Circle);
    op.x1 = cx;
    op.y1 = cy;
    op.r = radius;
    op.color = color;
    Record(op);
}

void Surface::Refresh()
{
    if (onRefresh)
        onRefresh();
}

void InstallFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
}

bool FontAccepted(const QString& family)
{
    return QFontDatabase::hasFamily(family) || !QFont::substitutes(family).isEmpty();
}

} // namespace velin

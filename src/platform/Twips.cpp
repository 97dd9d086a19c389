#include "platform/Twips.h"

#include "platform/Platform.h"
#include "platform/Screen.h"

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace velin::Twips {

namespace {
double tppX()
{
    return Platform::screen().TwipsPerPixelX();
}
double tppY()
{
    return Platform::screen().TwipsPerPixelY();
}
} // namespace

int ToPixelsX(double twips)
{
    return static_cast<int>(std::lround(twips / tppX()));
}
int ToPixelsY(double twips)
{
    return static_cast<int>(std::lround(twips / tppY()));
}

double Left(const QWidget* window)
{
    return window->frameGeometry().x() * tppX();
}
double Top(const QWidget* window)
{
    return window->frameGeometry().y() * tppY();
}
double Width(const QWidget* window)
{
    return window->frameGeometry().width() * tppX();
}
double Height(const QWidget* window)
{
    return window->frameGeometry().height() * tppY();
}

void MoveWindow(QWidget* window, double left, double top, double width, double height)
{
    // The frame is what the window system adds around the client area; it is
    // known only once the window has been shown, and zero before that.
    const int frameW = window->frameGeometry().width() - window->geometry().width();
    const int frameH = window->frameGeometry().height() - window->geometry().height();
    window->move(ToPixelsX(left), ToPixelsY(top));
    window->resize(std::max(1, ToPixelsX(width) - frameW), std::max(1, ToPixelsY(height) - frameH));
}

double ControlLeft(const QWidget* control)
{
    return control->x() * tppX();
}
double ControlTop(const QWidget* control)
{
    return control->y() * tppY();
}
double ControlWidth(const QWidget* control)
{
    return control->width() * tppX();
}
double ControlHeight(const QWidget* control)
{
    return control->height() * tppY();
}

void PlaceControl(QWidget* control, double left, double top, double width, double height)
{
    control->setGeometry(ToPixelsX(left), ToPixelsY(top), std::max(1, ToPixelsX(width)),
                         std::max(1, ToPixelsY(height)));
}

void MoveControl(QWidget* control, double left, double top)
{
    control->move(ToPixelsX(left), ToPixelsY(top));
}

double InnerWidth(const QWidget* widget)
{
    return widget->width() * tppX();
}
double InnerHeight(const QWidget* widget)
{
    return widget->height() * tppY();
}

void FitLabelFont(QLabel* label)
{
    constexpr double kSmallest = 6;
    QFont font = label->font();
    const QRect box = label->contentsRect();
    const int flags = Qt::TextWordWrap | static_cast<int>(label->alignment());
    while (font.pointSizeF() > kSmallest && !box.contains(QFontMetrics(font).boundingRect(box, flags, label->text()))) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    label->setFont(font);
}

} // namespace velin::Twips

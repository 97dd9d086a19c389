#include "platform/Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace velin {

namespace {
QScreen* primary()
{
    return QGuiApplication::primaryScreen();
}
double twipsPerPixel(double dpi)
{
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}
} // namespace

double QtScreen::TwipsPerPixelX() const
{
    return primary() ? twipsPerPixel(primary()->logicalDotsPerInchX()) : 15.0;
}
double QtScreen::TwipsPerPixelY() const
{
    return primary() ? twipsPerPixel(primary()->logicalDotsPerInchY()) : 15.0;
}
double QtScreen::WidthTwips() const
{
    return primary() ? primary()->geometry().width() * TwipsPerPixelX() : 9600.0;
}
double QtScreen::HeightTwips() const
{
    return primary() ? primary()->geometry().height() * TwipsPerPixelY() : 7200.0;
}

void QtScreen::MovePointerTo(double x, double y)
{
    QCursor::setPos(static_cast<int>(std::lround(x / TwipsPerPixelX())),
                    static_cast<int>(std::lround(y / TwipsPerPixelY())));
}

} // namespace velin

#include "platform/Screen.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QStyle>
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
// Waits for the window's first paint, which comes once it is mapped and
// framed, and moves the pointer again from the window's real geometry.
class MoveOnceShown final : public QObject {
public:
    MoveOnceShown(QWidget* window, Screen& screen, std::function<QPointF()> target)
        : QObject(window), window_(window), screen_(screen), target_(std::move(target))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint) {
            window_->removeEventFilter(this);
            // After the events of this turn, so a frame that arrived with
            // the window's mapping is part of its geometry.
            QTimer::singleShot(0, window_, [window = QPointer<QWidget>(window_), &screen = screen_, target = target_] {
                if (window && window->isVisible()) {
                    const QPointF p = target();
                    screen.MovePointerTo(p.x(), p.y());
                }
            });
            deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
    Screen& screen_;
    std::function<QPointF()> target_;
};

} // namespace

void Screen::MovePointerOnto(QWidget* window, const std::function<QPointF()>& target)
{
    const QPointF p = target();
    MovePointerTo(p.x(), p.y());
    const QWindow* handle = window->windowHandle();
    if (!window->isVisible() || !handle || !handle->isExposed())
        new MoveOnceShown(window, *this, target);
}

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

int QtScreen::CaptionHeightPixels() const
{
    // The window manager draws the caption; the style's title bar height is
    // the closest figure the toolkit knows of it.
    const QStyle* style = QApplication::style();
    return style ? style->pixelMetric(QStyle::PM_TitleBarHeight) : 18;
}

} // namespace velin

#include "board/BoardCanvas.h"

#include "platform/Surface.h"

#include <QMouseEvent>
#include <QPainter>

namespace velin {

BoardCanvas::BoardCanvas(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int BoardCanvas::ShiftState(Qt::KeyboardModifiers modifiers)
{
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

void BoardCanvas::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect dirty = event->rect();
    p.fillRect(dirty, Surface::ToQColor(surface_.BackColor));
    p.drawImage(dirty.topLeft(), surface_.Image(), dirty);
}

void BoardCanvas::Forward(const std::function<void(int, int, double, double)>& handler, QMouseEvent* event, int button)
{
    if (!handler)
        return;
    const QPointF pos = event->position();
    handler(button, ShiftState(event->modifiers()), pos.x() * surface_.TwipsPerPixelX(),
            pos.y() * surface_.TwipsPerPixelY());
}

namespace {
int buttonCode(Qt::MouseButtons buttons)
{
    if (buttons & Qt::LeftButton)
        return 1;
    if (buttons & Qt::RightButton)
        return 2;
    if (buttons & Qt::MiddleButton)
        return 4;
    return 0;
}
} // namespace

void BoardCanvas::mousePressEvent(QMouseEvent* event)
{
    Forward(onMouseDown, event, buttonCode(event->button()));
}
void BoardCanvas::mouseMoveEvent(QMouseEvent* event)
{
    Forward(onMouseMove, event, buttonCode(event->buttons()));
}
void BoardCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    Forward(onMouseUp, event, buttonCode(event->button()));
}

void BoardCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (onResize)
        onResize();
}

} // namespace velin

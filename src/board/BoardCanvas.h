#pragma once
// The board form's client area: shows the persistent drawing surface and
// hands mouse events, in twips, to the form.
#include <QWidget>
#include <functional>

namespace velin {

class Surface;

class BoardCanvas : public QWidget {
    Q_OBJECT
public:
    BoardCanvas(Surface& surface, QWidget* parent = nullptr);

    // button: 1 left, 2 right; shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in twips.
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int button, int shift, double x, double y)> onMouseMove;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;
    std::function<void()> onResize;

    static int ShiftState(Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Forward(const std::function<void(int, int, double, double)>& handler, QMouseEvent* event, int button);

    Surface& surface_;
};

} // namespace velin

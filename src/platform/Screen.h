#pragma once
// The screen the game runs on, measured in twips (1440 per inch), and the
// mouse pointer that the game moves onto the control the user needs next.
#include <QPointF>
#include <functional>

class QWidget;

namespace velin {

class Screen {
public:
    virtual ~Screen() = default;
    virtual double WidthTwips() const = 0;
    virtual double HeightTwips() const = 0;
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;
    // x and y in screen twips; each is divided by its twips per pixel and
    // rounded to the nearest pixel.
    virtual void MovePointerTo(double x, double y) = 0;

    // Moves the pointer onto a place of `window`, which `target` computes in
    // screen twips from the window's geometry. A window that is not on the
    // screen yet has no frame (its title bar is not counted) and may not have
    // its final size; the pointer then moves once more, recomputed, as soon
    // as the window has first been painted.
    void MovePointerOnto(QWidget* window, const std::function<QPointF()>& target);
    // The height of a window's caption bar in pixels, as the system's
    // non-client metrics give it.
    virtual int CaptionHeightPixels() const = 0;
};

class QtScreen final : public Screen {
public:
    double WidthTwips() const override;
    double HeightTwips() const override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    void MovePointerTo(double x, double y) override;
    int CaptionHeightPixels() const override;
};

} // namespace velin

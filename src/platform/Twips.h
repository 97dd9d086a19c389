#pragma once
// Positions and sizes of windows and controls in twips, the unit the game's
// layout is written in, converted through the screen's twips per pixel.
class QWidget;

namespace velin::Twips {

// A window's outer bounds (frame included), in screen twips.
double Left(const QWidget* window);
double Top(const QWidget* window);
double Width(const QWidget* window);
double Height(const QWidget* window);
// Moves and sizes a window so that its outer bounds are as given.
void MoveWindow(QWidget* window, double left, double top, double width, double height);

// A control's bounds inside its parent, in twips.
double ControlLeft(const QWidget* control);
double ControlTop(const QWidget* control);
double ControlWidth(const QWidget* control);
double ControlHeight(const QWidget* control);
void PlaceControl(QWidget* control, double left, double top, double width, double height);
void MoveControl(QWidget* control, double left, double top);

// The inner (client) size of a widget, in twips.
double InnerWidth(const QWidget* widget);
double InnerHeight(const QWidget* widget);

int ToPixelsX(double twips);
int ToPixelsY(double twips);

} // namespace velin::Twips

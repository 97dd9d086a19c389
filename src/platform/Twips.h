#pragma once
// Positions and sizes of windows and controls in twips, the unit the game's
// layout is written in, converted through the screen's twips per pixel.
class QLabel;
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

// Shrinks a word-wrapped label's font, a quarter point at a time, until its
// whole text fits the label's box. The layout was drawn for fonts whose lines
// sit closer than those of the fonts this platform substitutes, so a text
// sized for its box there can spill over here and be cut off.
void FitLabelFont(QLabel* label);

int ToPixelsX(double twips);
int ToPixelsY(double twips);

} // namespace velin::Twips

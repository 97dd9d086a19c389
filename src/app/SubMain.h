#pragma once
// The program's entry procedure: fixes the layout values for the screen,
// shows the opening form and points at its start button.
namespace velin {

class frmOpening;

// Sets the layout values of Shared for the screen class.
void SetLayoutValues(double screenHeightTwips);
// Runs the entry procedure; returns the opening form it showed.
frmOpening* SubMain();

}  // namespace velin

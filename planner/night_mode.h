#pragma once
// "Modo nocturno": the whole window in dim deep reds on black, which keep
// the eyes' adaptation to the dark at the telescope; the pictures take
// the night colours of their own style table (planner/picture_look.h).
#include <QPalette>

namespace orbitas::planner {

// The window's palette at night: every colour a dim red or black (red at
// least its green and blue). Raises nothing.
QPalette NightPalette();

// Turns the application's palette to the night's, or back to the style's
// own. Interface thread; raises nothing.
void ApplyNightMode(bool on);

}  // namespace orbitas::planner

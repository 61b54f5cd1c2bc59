#pragma once

#include "layout.h"
#include "theme.h"

class QPainter;

namespace skingen {

// Draws one control in one state, clipped to its entry's rectangle.
void DrawControl(QPainter& p, const Entry& entry, State state);

// Geometry shared with the program's slider drawing: where the knob's top sits in each
// slider entry, and the knob picture's size.
constexpr int kKnobWidth = 12;
constexpr int kKnobHeight = 16;

}  // namespace skingen

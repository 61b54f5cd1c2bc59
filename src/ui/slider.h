#pragma once

#include <cstdint>

#include "profile/profile_settings.h"
#include "ui/skin_tables.h"

namespace devero::ui {

// Which slider the left button drags; 0 for none.
enum class SliderMode : uint8_t {
  kNone = 0,
  kDpiValue = 1,
  kDpiSpeed = 2,
  kWheelSpeed = 3,
  kFireTime = 4,
  kLedCycleTime = 5,
  kLedBrightness = 6,
};

// The level (1..steps) under pointer x of a slider starting at `left`; `steps` when no slider
// is dragged.
int SliderValue(bool dragging, int64_t x, int64_t left, int64_t width, int steps);

struct SliderSpec {
  enum class Table : uint8_t { kAdvanced, kLighting };
  Table table;
  int entry;
  int steps;
  int knob_dx;  // the knob's x is entry x + drawn width + knob_dx
  int knob_dy;
};

// mode must not be kNone.
const SliderSpec& SliderSpecFor(SliderMode mode);

// The setting a slider shows, as stored in the record.
int SliderStoredValue(SliderMode mode, const ProfileSettings& settings);
// Stores a level (1..steps) into the record, as the slider does while dragged.
void StoreSliderLevel(SliderMode mode, int level, ProfileSettings& settings);
// The width drawn from the down image for the stored value v; entry_width is not used by the
// DPI slider, whose width is fixed.
int64_t SliderDrawnWidth(SliderMode mode, int64_t v, int64_t entry_width);

}  // namespace devero::ui

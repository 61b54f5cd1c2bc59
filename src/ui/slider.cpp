#include "ui/slider.h"

#include <algorithm>
#include <array>

namespace devero::ui {

int SliderValue(bool dragging, int64_t x, int64_t left, int64_t width, int steps) {
  if (!dragging) return steps;
  if (x <= left) return 1;
  const float step = static_cast<float>(width) / static_cast<float>(steps);
  const int64_t d = x - left;
  if (step > static_cast<float>(d)) return 1;
  if (static_cast<float>(d) > (static_cast<float>(steps) - 0.5f) * step) return steps;
  // A skin with a zero or negative width lands here with a step of 0 or less.
  if (!(step > 0.0f)) return 1;
  const int level = static_cast<int>((static_cast<float>(d) + step / 2.0f) / step);
  return std::clamp(level, 1, steps);
}

const SliderSpec& SliderSpecFor(SliderMode mode) {
  using T = SliderSpec::Table;
  static constexpr std::array<SliderSpec, 7> kSpecs = {{
      {T::kAdvanced, 66, kDpiSliderSteps, -5, 16},  // unused slot for kNone
      {T::kAdvanced, 66, kDpiSliderSteps, -5, 16},
      {T::kAdvanced, 1, 11, -6, 4},
      {T::kAdvanced, 18, 11, -6, 4},
      {T::kAdvanced, 31, 300, -6, 4},
      {T::kLighting, 41, 6, -6, 5},
      {T::kLighting, 40, 7, -6, 5},
  }};
  return kSpecs[std::min<size_t>(static_cast<size_t>(mode), kSpecs.size() - 1)];
}

int SliderStoredValue(SliderMode mode, const ProfileSettings& s) {
  switch (mode) {
    case SliderMode::kDpiValue:
      return s.dpiLevel >= 0 && s.dpiLevel < kDpiStageCount ? s.dpiStageValue[s.dpiLevel] : 0;
    case SliderMode::kDpiSpeed:
      return s.dpiSpeed;
    case SliderMode::kWheelSpeed:
      return s.wheelSpeed;
    case SliderMode::kFireTime:
      return s.fireTime;
    case SliderMode::kLedCycleTime:
      return s.ledCycleTime;
    case SliderMode::kLedBrightness:
      return s.ledBrightness;
    case SliderMode::kNone:
      break;
  }
  return 0;
}

void StoreSliderLevel(SliderMode mode, int level, ProfileSettings& s) {
  switch (mode) {
    case SliderMode::kDpiValue:
      // A dpiLevel outside the stages (a hand-edited file) names no stage to change.
      if (s.dpiLevel >= 0 && s.dpiLevel < kDpiStageCount)
        s.dpiStageValue[s.dpiLevel] = static_cast<uint8_t>(level - 1);
      break;
    case SliderMode::kDpiSpeed:
      s.dpiSpeed = static_cast<uint8_t>(level);
      break;
    case SliderMode::kWheelSpeed:
      s.wheelSpeed = static_cast<uint8_t>(level);
      break;
    case SliderMode::kFireTime:
      s.fireTime = std::max(level, 8);
      break;
    case SliderMode::kLedCycleTime:
      s.ledCycleTime = static_cast<uint8_t>(level - 1);
      break;
    case SliderMode::kLedBrightness:
      s.ledBrightness = 7 - level;
      break;
    case SliderMode::kNone:
      break;
  }
}

int64_t SliderDrawnWidth(SliderMode mode, int64_t v, int64_t w) {
  switch (mode) {
    case SliderMode::kDpiValue:
      return v + 1 < kDpiSliderSteps ? (v + 1) * kDpiSliderWidth / kDpiSliderSteps
                                     : kDpiSliderWidth;
    case SliderMode::kDpiSpeed:
    case SliderMode::kWheelSpeed:
      return v < 11 ? v * w / 11 : w;
    case SliderMode::kFireTime:
      return v < 300 ? w * v / 300 : w;
    case SliderMode::kLedCycleTime:
      return v < 5 ? (v + 1) * w / 6 : w;
    case SliderMode::kLedBrightness:
      return v != 0 ? (7 - v) * w / 7 : w;
    case SliderMode::kNone:
      break;
  }
  return 0;
}

}  // namespace devero::ui

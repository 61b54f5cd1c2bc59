#include <gtest/gtest.h>

#include <vector>

#include "ui/slider.h"

namespace devero::ui {
namespace {

struct ValueCase {
  int64_t x;
  int64_t width;
  int steps;
  int expected;
};

TEST(SliderValue, FromPointerX) {
  constexpr int64_t left = 100;
  const std::vector<ValueCase> cases = {
      {left + 3, 110, 11, 1},
      {left + 15, 110, 11, 2},
      {left + 106, 110, 11, 11},
      {left - 5, 110, 11, 1},
      {left, 110, 11, 1},
      {left + 10, 110, 11, 1},
      {left + 104, 110, 11, 10},
      {left + 105, 110, 11, 11},
      {left + 5000, 110, 11, 11},
      {left + 9, 303, 17, 1},
      {left + 303, 303, 17, 17},
      {left + 150, 303, 17, 8},
      // A skin with a zero or negative width never gives a level outside the steps.
      {left + 50, 0, 11, 11},
      {left + 50, -40, 11, 11},
      {left + 8, 300, 300, 8},
      {left + 1, 300, 300, 1},
  };
  for (const ValueCase& c : cases)
    EXPECT_EQ(SliderValue(true, c.x, left, c.width, c.steps), c.expected)
        << "dx=" << c.x - left << " w=" << c.width << " n=" << c.steps;
  EXPECT_EQ(SliderValue(false, left + 3, left, 110, 11), 11);
}

struct WidthCase {
  SliderMode mode;
  int64_t value;
  int64_t entry_width;
  int64_t expected;
};

TEST(SliderDrawnWidth, PerMode) {
  const std::vector<WidthCase> cases = {
      {SliderMode::kDpiValue, 16, 999, 303},     {SliderMode::kDpiValue, 0, 999, 17},
      {SliderMode::kDpiValue, 8, 999, 160},      {SliderMode::kDpiSpeed, 11, 110, 110},
      {SliderMode::kDpiSpeed, 5, 110, 50},       {SliderMode::kWheelSpeed, 0, 110, 0},
      {SliderMode::kFireTime, 300, 200, 200},    {SliderMode::kFireTime, 8, 200, 5},
      {SliderMode::kLedCycleTime, 0, 120, 20},   {SliderMode::kLedCycleTime, 5, 120, 120},
      {SliderMode::kLedBrightness, 0, 140, 140}, {SliderMode::kLedBrightness, 6, 140, 20},
  };
  for (const WidthCase& c : cases)
    EXPECT_EQ(SliderDrawnWidth(c.mode, c.value, c.entry_width), c.expected)
        << static_cast<int>(c.mode) << " v=" << c.value;
}

TEST(StoreSliderLevel, StoresWhatEachSliderSets) {
  ProfileSettings s;
  s.dpiLevel = 2;
  StoreSliderLevel(SliderMode::kDpiValue, 17, s);
  EXPECT_EQ(s.dpiStageValue[2], 16);
  StoreSliderLevel(SliderMode::kDpiSpeed, 4, s);
  EXPECT_EQ(s.dpiSpeed, 4);
  StoreSliderLevel(SliderMode::kWheelSpeed, 11, s);
  EXPECT_EQ(s.wheelSpeed, 11);
  StoreSliderLevel(SliderMode::kFireTime, 1, s);
  EXPECT_EQ(s.fireTime, 8);
  StoreSliderLevel(SliderMode::kFireTime, 120, s);
  EXPECT_EQ(s.fireTime, 120);
  StoreSliderLevel(SliderMode::kLedCycleTime, 6, s);
  EXPECT_EQ(s.ledCycleTime, 5);
  StoreSliderLevel(SliderMode::kLedBrightness, 7, s);
  EXPECT_EQ(s.ledBrightness, 0);
  StoreSliderLevel(SliderMode::kLedBrightness, 1, s);
  EXPECT_EQ(s.ledBrightness, 6);
  // A DPI level outside the stages changes no stage.
  ProfileSettings bad;
  bad.dpiLevel = 9;
  StoreSliderLevel(SliderMode::kDpiValue, 5, bad);
  EXPECT_EQ(bad.dpiStageValue, ProfileSettings{}.dpiStageValue);
  EXPECT_EQ(SliderStoredValue(SliderMode::kDpiValue, bad), 0);
}

}  // namespace
}  // namespace devero::ui

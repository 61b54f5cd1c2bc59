#pragma once

#include <array>
#include <cstdint>

namespace devero {

// Colour levels 0..15 of one colour (0 is the brightest).
struct ColorLevels {
  int r = 0;
  int g = 0;
  int b = 0;
};

// The lighting fields the lighting quick-set report carries.
struct LightingQuickSet {
  std::array<int, 7> cycleColorEnable{};  // the mask is rebuilt from these flags
  int ledUserColorEnable = 1;
  uint8_t ledType = 0;
  uint8_t ledCycleTime = 0;
  int ledFeatureScolor = 0;
  int ledFeatureSymmetry = 0;
  int ledFeatureDirection = 0;
  int ledBrightness = 0;
};

// Bit k set when colour k takes part in the colour cycle.
uint8_t CycleColorMask(const std::array<int, 7>& cycleColorEnable);

}  // namespace devero

#pragma once

#include <array>
#include <cstdint>

#include "profile/profile_settings.h"

namespace devero {

// The lighting fields the lighting quick-set report carries.
struct LightingQuickSet {
  std::array<int32_t, kUserColorCount> cycleColorEnable{};  // the mask is rebuilt from these
  int ledUserColorEnable = 1;
  uint8_t ledType = 0;
  uint8_t ledCycleTime = 0;
  int ledFeatureScolor = 0;
  int ledFeatureSymmetry = 0;
  int ledFeatureDirection = 0;
  int ledBrightness = 0;
};

}  // namespace devero

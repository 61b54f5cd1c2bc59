#pragma once

#include <array>
#include <cstdint>

namespace devero {

inline constexpr int kProfileCount = 4;
inline constexpr int kSlotCount = 9;
inline constexpr int kDpiStageCount = 6;
inline constexpr int kUserColorCount = 7;
inline constexpr int kLedTypeSwitchCount = 10;

// A colour as three levels of 0..15; level 0 is the brightest.
struct ColorLevels {
  int32_t r = 0;
  int32_t g = 0;
  int32_t b = 0;
};

// Display channel of a level: 255 - 16 * level for 0..15 (any int gives a byte).
uint8_t ChannelFromLevel(int32_t level);
// Level of a channel 0..255 picked in a colour chooser.
int32_t LevelFromChannel(int channel);
// Red in bits 0..7, green in 8..15, blue in 16..23.
uint32_t ColorRefFromLevels(const ColorLevels& levels);
ColorLevels LevelsFromColorRef(uint32_t rgb);

// Bit k set when user colour k takes part in the colour cycle.
uint8_t CycleColorMask(const std::array<int32_t, kUserColorCount>& cycle_color_enable);

// Device code of a report-rate choice: 3 gives 0, 2 gives 1, 1 gives 3, anything else 7.
uint8_t ReportRateCodeFor(int usb_speed);

// Everything the user sets for the mouse: four profiles of nine button slots, and one set of
// shared settings.
struct ProfileSettings {
  using SlotTable = std::array<std::array<int32_t, kSlotCount>, kProfileCount>;

  int32_t currentProfile = 0;

  SlotTable buttonFunction{};
  SlotTable buttonMacro{};
  SlotTable buttonLedReactEnable{};
  SlotTable buttonLedReactType{};

  int32_t wheelStatus = 0;
  int32_t dpiLevel = 0;
  std::array<uint8_t, kDpiStageCount> dpiStageValue{};
  std::array<uint8_t, kDpiStageCount> dpiStageEnabled{};
  std::array<ColorLevels, kDpiStageCount> dpiStageColor{};
  std::array<uint32_t, kDpiStageCount> dpiStageColorRef{};
  uint8_t ledType = 0;
  std::array<int32_t, kLedTypeSwitchCount> ledTypeSwitchEnable{};
  uint8_t ledCycleTime = 0;
  int32_t ledUserColorEnable = 1;
  int32_t ledFeatureScolor = 0;
  int32_t ledFeatureSymmetry = 0;
  int32_t ledFeatureDirection = 0;
  int32_t ledBrightness = 0;
  std::array<ColorLevels, kUserColorCount> ledUserColor{};
  std::array<uint32_t, kUserColorCount> ledUserColorRef{};
  uint8_t cycleColorMask = 0;
  std::array<int32_t, kUserColorCount> cycleColorEnable{};
  uint8_t dpiSpeed = 0;
  uint8_t wheelSpeed = 0;
  uint8_t usbSpeed = 0;
  uint8_t reportRateCode = 0;
  int32_t fireTime = 50;

  void DeriveDpiStageColorRef(int stage);
  void DeriveUserColorRef(int color);
  // Stores a picked RGB value as levels and display colour; an index outside the table stores
  // nothing.
  void SetDpiStageColorFromRgb(int stage, uint32_t rgb);
  void SetUserColorFromRgb(int color, uint32_t rgb);
  void DeriveReportRateCode();
  void DeriveCycleColorMaskFromFlags();
  void DeriveCycleFlagsFromMask();
};

}  // namespace devero

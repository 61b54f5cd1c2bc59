#include "profile/profile_settings.h"

namespace devero {

uint8_t ChannelFromLevel(int32_t level) {
  return static_cast<uint8_t>(~(static_cast<uint32_t>(level) * 16u) & 0xFFu);
}

int32_t LevelFromChannel(int channel) {
  return (255 - channel) / 16;
}

uint32_t ColorRefFromLevels(const ColorLevels& c) {
  return ChannelFromLevel(c.r) | (static_cast<uint32_t>(ChannelFromLevel(c.g)) << 8) |
         (static_cast<uint32_t>(ChannelFromLevel(c.b)) << 16);
}

ColorLevels LevelsFromColorRef(uint32_t rgb) {
  return ColorLevels{LevelFromChannel(static_cast<int>(rgb & 0xFF)),
                     LevelFromChannel(static_cast<int>((rgb >> 8) & 0xFF)),
                     LevelFromChannel(static_cast<int>((rgb >> 16) & 0xFF))};
}

uint8_t ReportRateCodeFor(int usb_speed) {
  switch (usb_speed) {
    case 3:
      return 0;
    case 2:
      return 1;
    case 1:
      return 3;
    default:
      return 7;
  }
}

void ProfileSettings::DeriveDpiStageColorRef(int stage) {
  if (stage < 0 || stage >= kDpiStageCount) return;
  dpiStageColorRef[stage] = ColorRefFromLevels(dpiStageColor[stage]);
}

void ProfileSettings::DeriveUserColorRef(int color) {
  if (color < 0 || color >= kUserColorCount) return;
  ledUserColorRef[color] = ColorRefFromLevels(ledUserColor[color]);
}

void ProfileSettings::SetDpiStageColorFromRgb(int stage, uint32_t rgb) {
  if (stage < 0 || stage >= kDpiStageCount) return;
  dpiStageColor[stage] = LevelsFromColorRef(rgb);
  DeriveDpiStageColorRef(stage);
}

void ProfileSettings::SetUserColorFromRgb(int color, uint32_t rgb) {
  if (color < 0 || color >= kUserColorCount) return;
  ledUserColor[color] = LevelsFromColorRef(rgb);
  DeriveUserColorRef(color);
}

void ProfileSettings::DeriveReportRateCode() {
  reportRateCode = ReportRateCodeFor(usbSpeed);
}

uint8_t CycleColorMask(const std::array<int32_t, kUserColorCount>& cycle_color_enable) {
  uint8_t mask = 0;
  for (int k = 0; k < kUserColorCount; ++k) {
    if (cycle_color_enable[k] != 0) mask |= static_cast<uint8_t>(1u << k);
  }
  return mask;
}

void ProfileSettings::DeriveCycleColorMaskFromFlags() {
  cycleColorMask = CycleColorMask(cycleColorEnable);
}

void ProfileSettings::DeriveCycleFlagsFromMask() {
  for (int k = 0; k < kUserColorCount; ++k)
    cycleColorEnable[k] = (cycleColorMask >> k) & 1;
}

}  // namespace devero

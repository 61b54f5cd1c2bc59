#include "device/settings_image.h"

#include <algorithm>

namespace devero {
namespace {

void Put16(SettingsBlock& b, int at, uint16_t value) {
  b[at] = static_cast<uint8_t>(value & 0xFF);
  b[at + 1] = static_cast<uint8_t>(value >> 8);
}

uint8_t Nibble(int32_t level) {
  return static_cast<uint8_t>(level & 0xF);
}

int32_t Component(const ColorLevels& c, int j) {
  return j == 0 ? c.r : j == 1 ? c.g : c.b;
}

}  // namespace

uint8_t DpiCode(uint8_t stage_value) {
  static constexpr std::array<uint8_t, 23> kCodes = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 13,
                                                     14, 15, 16, 17, 20, 19, 20, 21, 22, 23, 24};
  return kCodes[std::min<size_t>(stage_value, kCodes.size() - 1)];
}

int PointerSpeedFor(int dpi_speed) {
  if (dpi_speed >= 0 && dpi_speed <= 2) return dpi_speed;
  if (dpi_speed >= 3 && dpi_speed <= 11) return 2 * (dpi_speed - 1);
  return 6;
}

void UpdateLightingState(LightingState& s, uint8_t led_type) {
  if (led_type <= 11) {
    s = {led_type, 0, 0};
  } else if (led_type == 12) {
    s = {1, 1, 0};
  } else if (led_type == 13) {
    s.cycle = 0;
    s.speed_override = 7;
  }
}

std::array<int, kDeviceSlots> ButtonsBySlot(const ProductDescription& product) {
  std::array<int, kDeviceSlots> buttons;
  buttons.fill(-1);
  for (int i = 0; i < product.keyNum; ++i) {
    if (product.HasValidMapNumber(i)) buttons[product.keyMap[i] - 1] = i;
  }
  return buttons;
}

SettingsBlock BuildSettingsBlock(const SettingsBlockInput& in) {
  const ProfileSettings& s = *in.settings;
  const SlotBytes& slots = *in.slots;
  SettingsBlock b{};
  b[0] = 0x5A;
  b[1] = static_cast<uint8_t>(0x03 + (s.currentProfile & 3) * 32);
  b[2] = 0xA5;
  Put16(b, 3, in.regular_product_id);
  Put16(b, 5, in.vendor_id);
  b[7] = 0x10;
  for (int s1 = 1; s1 <= 8; ++s1)
    b[7 + s1] = slots[0][s1 - 1];
  b[16] = slots[0][8];

  std::array<uint8_t, kDpiStageCount> codes{};
  for (int i = 0; i < kDpiStageCount; ++i)
    codes[i] = DpiCode(s.dpiStageValue[i]);
  for (int i = 0; i < kDpiStageCount; ++i)
    b[19] |= static_cast<uint8_t>(((codes[i] >> 4) & 1) << i);
  b[20] = 8;
  for (int k = 0; k < 3; ++k) {
    b[21 + k] = static_cast<uint8_t>(((codes[2 * k] & 0xF) << 4) | (codes[2 * k + 1] & 0xF));
  }
  b[24] = static_cast<uint8_t>(0x18 + (s.dpiLevel & 7));
  for (int i = 0; i < kDpiStageCount; ++i) {
    if (s.dpiStageEnabled[i] != 0) b[25] |= static_cast<uint8_t>(1 << i);
  }
  Put16(b, 26, static_cast<uint16_t>(std::max(s.fireTime, 0) / 8));
  const uint8_t speed = in.lighting.speed_override == 7 ? 7 : s.ledCycleTime;
  b[28] = static_cast<uint8_t>(0x80 + (in.lighting.mode & 7) * 16 + in.lighting.cycle * 8 +
                               (speed & 7));
  b[29] = static_cast<uint8_t>(0x80 + (s.cycleColorMask & 0x7F));
  b[30] = s.reportRateCode;
  for (int j = 0; j < 18; ++j) {
    const int32_t user = Component(s.ledUserColor[j / 3], j % 3);
    const int32_t dpi = Component(s.dpiStageColor[j / 3], j % 3);
    b[32 + j] = static_cast<uint8_t>((Nibble(user) << 4) | Nibble(dpi));
  }
  b[50] = 0xFE;
  b[51] = in.lighting.mode >= 8 ? 0xBF : 0x3F;
  b[58] = static_cast<uint8_t>((s.ledFeatureSymmetry & 1) * 64 + (s.ledFeatureDirection & 3) * 16 +
                               0x0B);
  for (int k = 0; k < 3; ++k)
    b[59 + k] = slots[0][9 + k];
  const ColorLevels& last = s.ledUserColor[6];  // user components 18, 19, 20
  b[62] = static_cast<uint8_t>((Nibble(last.r) << 4) | Nibble(last.g));
  b[63] = static_cast<uint8_t>(((s.ledBrightness & 7) << 4) | Nibble(last.b));
  b[67] = 0x6E;
  for (int k = 0; k < 12; ++k) {
    b[68 + k] = slots[1][k];
    b[80 + k] = slots[2][k];
    b[96 + k] = slots[3][k];
  }
  Put16(b, 110, in.macro_end);
  for (int k = 0; k < 3; ++k)
    Put16(b, 112 + 2 * k, in.data_addresses[k]);
  b[118] = in.byte118;
  b[119] = in.byte119;
  b[120] = 0xAA;
  b[121] = static_cast<uint8_t>(in.data_addresses[2] & 0xFF);
  b[122] = static_cast<uint8_t>((in.data_addresses[2] >> 8) & 0x3F);
  Put16(b, 123, in.data_addresses[3]);
  b[125] = 0x20;
  b[126] = 0x01;
  b[127] = 0x00;
  return b;
}

}  // namespace devero

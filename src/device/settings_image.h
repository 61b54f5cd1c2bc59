#pragma once

#include <array>
#include <cstdint>

#include "profile/product_description.h"
#include "profile/profile_settings.h"

namespace devero {

inline constexpr int kDeviceSlots = 14;
inline constexpr int kSettingsBlockSize = 128;
using SettingsBlock = std::array<uint8_t, kSettingsBlockSize>;
// Slot byte of device slot s (1..14) of profile p at [p][s - 1].
using SlotBytes = std::array<std::array<uint8_t, kDeviceSlots>, kProfileCount>;

// The mouse's 5-bit DPI code of a DPI stage value. Values beyond the table (a file can hold any
// byte) take its last entry.
uint8_t DpiCode(uint8_t stage_value);

// The pointer speed the system is set to for a dpiSpeed step; 6 for an unknown step.
int PointerSpeedFor(int dpi_speed);

// What the lighting byte is made of; kept between downloads.
struct LightingState {
  uint8_t mode = 0;  // 0..11
  uint8_t cycle = 0;
  uint8_t speed_override = 0;  // 0 or 7
};

// Advances the lighting state for a lighting mode.
void UpdateLightingState(LightingState& state, uint8_t led_type);

// The button table index of the button in each device slot of a profile (-1 for a slot no
// button maps to). Buttons with an invalid map number sit in no slot; a later button wins a
// slot two buttons share.
std::array<int, kDeviceSlots> ButtonsBySlot(const ProductDescription& product);

struct SettingsBlockInput {
  const ProfileSettings* settings = nullptr;
  const SlotBytes* slots = nullptr;
  LightingState lighting;
  uint16_t regular_product_id = 0;
  uint16_t vendor_id = 0;
  uint16_t macro_end = 0;
  std::array<uint16_t, 4> data_addresses{};  // A1..A4
  uint8_t byte118 = 0x41;
  uint8_t byte119 = 0x71;
};

// Addresses 0..127 of the mouse's memory as the download writes them.
SettingsBlock BuildSettingsBlock(const SettingsBlockInput& in);

}  // namespace devero

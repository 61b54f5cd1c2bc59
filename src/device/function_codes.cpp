#include "device/function_codes.h"

#include <array>
#include <cstddef>

namespace devero {

uint8_t DeviceFunctionCode(int32_t code, int32_t companion, uint8_t mode) {
  if (code <= 0) return 0;
  if (code <= 6) return static_cast<uint8_t>(code);
  if (code <= 11) return static_cast<uint8_t>(code - 5);
  switch (code) {
    case 12:
      return 7;
    case 13:
      return 8;
    case 14:
      return 9;
    case 15:
      return 21;
    case 16:
      return 11;
    case 17:
      return 12;
    case 18:
      return 20;
    default:
      break;
  }
  if (code <= 22) return static_cast<uint8_t>(code + 4);
  if (code <= kLastMediaCode) return kDeviceMedia;
  const bool rapid_fire = code >= kFirstRapidFireCode && code <= kLastRapidFireCode;
  const bool repeated = rapid_fire || companion != 0;
  if (mode == 2) {
    if (repeated) return kDeviceMacroHeld;
    return code >= kFirstGroupMacroCode ? kDeviceGroupMacroHeld : kDeviceBuiltInOrGroupMacro;
  }
  return repeated ? kDeviceMacroRepeat : kDeviceBuiltInOrGroupMacro;
}

bool HasButtonEntry(uint8_t d) {
  return d == 13 || d == 14 || d == 15 || d == 30 || d == 31;
}

bool PlaysMacro(uint8_t d) {
  return d == 13 || d == 14 || d == 30 || d == 31;
}

bool IsDpiDeviceFunction(uint8_t d) {
  return d == 6 || d == 11 || d == 12;
}

bool IsProfileFunction(int32_t code) {
  return code >= 19 && code <= 22;
}

uint16_t ConsumerUsage(int index) {
  static constexpr std::array<uint16_t, 11> kUsages = {
      0x0223, 0x0183, 0x018A, 0x00E9, 0x00EA, 0x00B6, 0x00B5, 0x00E2, 0x00CD, 0x0192, 0x00B7};
  if (index < 0 || index >= static_cast<int>(kUsages.size())) return 0;
  return kUsages[static_cast<size_t>(index)];
}

}  // namespace devero

#pragma once

#include <cstdint>

namespace devero {

// Button function codes of the settings record, by range.
inline constexpr int kFirstMediaCode = 23;
inline constexpr int kLastMediaCode = 32;
inline constexpr int kFirstBuiltInCode = 33;
inline constexpr int kLastBuiltInCode = 49;
inline constexpr int kFirstRapidFireCode = 50;
inline constexpr int kLastRapidFireCode = 255;
inline constexpr int kFirstGroupMacroCode = 256;

// Device function codes that the mouse stores per slot and that carry a button entry.
inline constexpr uint8_t kDeviceBuiltInOrGroupMacro = 13;
inline constexpr uint8_t kDeviceGroupMacroHeld = 14;
inline constexpr uint8_t kDeviceMedia = 15;
inline constexpr uint8_t kDeviceMacroRepeat = 30;
inline constexpr uint8_t kDeviceMacroHeld = 31;

// The device function code of a button function; `companion` is the button's buttonMacro and
// `mode` the repeatMode byte of the macro the code names (unused below code 33). A code that
// names no function (negative) gives 0.
uint8_t DeviceFunctionCode(int32_t code, int32_t companion, uint8_t mode);

bool HasButtonEntry(uint8_t device_function_code);
bool PlaysMacro(uint8_t device_function_code);

// The event threads take the new DPI stage from the reports of such a button.
bool IsDpiDeviceFunction(uint8_t device_function_code);
// Buttons with these function codes switch the profile on the mouse.
bool IsProfileFunction(int32_t code);

// HID consumer usage of a multimedia index 0..10; 0 beyond the table.
uint16_t ConsumerUsage(int index);

// Group number (from 0) and macro index of a group macro code.
inline int GroupOfCode(int32_t code) {
  return code / 256 - 1;
}
inline int MacroOfCode(int32_t code) {
  return code % 256;
}

}  // namespace devero

#pragma once

#include <cstdint>
#include <string>

namespace devero {

// Conversions between Windows virtual-key codes (VK) and the mouse's device key codes (HID
// keyboard usages, with 0xF1, 0xF2, 0xF3 for the left, middle and right mouse buttons), and the
// names of the codes. `language_is_english` is the interface language flag (0 = Chinese).
uint8_t VkToDeviceKey(uint8_t vk, int language_is_english);
uint8_t CaptureVkToDeviceKey(uint8_t vk);
uint8_t DeviceKeyToVk(uint8_t device_key);
std::u16string CaptureKeyName(uint8_t device_key);
std::u16string StepKeyName(uint8_t device_key, int language_is_english);
// Index 0..78 into the keyboard-key list, through VkToDeviceKey; 0xFF beyond the list.
uint8_t KeyboardKeyToDeviceKey(int key_index);

}  // namespace devero

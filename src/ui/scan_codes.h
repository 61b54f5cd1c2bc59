#pragma once

#include <cstdint>

class QKeyEvent;

namespace devero::ui {

// XKB keycodes are the kernel's evdev key codes plus 8.
inline constexpr uint32_t kXkbEvdevOffset = 8;

// The virtual-key code of a kernel key code (a PC keyboard's keys, as the recorder and the
// key-capture dialog expect them: left and right Shift, Ctrl and Alt apart; the keypad's digit
// keys as VK_NUMPAD0..9); 0 for a key the key tables do not know.
uint8_t VkFromEvdevCode(uint32_t evdev_code);

// The virtual-key code of a key event from the X server (its native scan code is the XKB
// keycode). The keypad's digit keys give the navigation keys when Num Lock is off, as they do
// on Windows. 0 for an event without a native code or a key the tables do not know.
uint8_t VkFromKeyEvent(const QKeyEvent& event);

}  // namespace devero::ui

#pragma once

#include <cstdint>

// Windows virtual-key codes, as the macro files and the key tables use them.
namespace devero::vk {

inline constexpr uint8_t kBack = 0x08;
inline constexpr uint8_t kTab = 0x09;
inline constexpr uint8_t kClear = 0x0C;
inline constexpr uint8_t kReturn = 0x0D;
inline constexpr uint8_t kShift = 0x10;
inline constexpr uint8_t kControl = 0x11;
inline constexpr uint8_t kMenu = 0x12;
inline constexpr uint8_t kPause = 0x13;
inline constexpr uint8_t kCapital = 0x14;
inline constexpr uint8_t kEscape = 0x1B;
inline constexpr uint8_t kSpace = 0x20;
inline constexpr uint8_t kPrior = 0x21;
inline constexpr uint8_t kNext = 0x22;
inline constexpr uint8_t kEnd = 0x23;
inline constexpr uint8_t kHome = 0x24;
inline constexpr uint8_t kLeft = 0x25;
inline constexpr uint8_t kUp = 0x26;
inline constexpr uint8_t kRight = 0x27;
inline constexpr uint8_t kDown = 0x28;
inline constexpr uint8_t kSelect = 0x29;
inline constexpr uint8_t kExecute = 0x2B;
inline constexpr uint8_t kSnapshot = 0x2C;
inline constexpr uint8_t kInsert = 0x2D;
inline constexpr uint8_t kDelete = 0x2E;
inline constexpr uint8_t kHelp = 0x2F;
inline constexpr uint8_t k0 = 0x30;
inline constexpr uint8_t k1 = 0x31;
inline constexpr uint8_t k9 = 0x39;
inline constexpr uint8_t kA = 0x41;
inline constexpr uint8_t kZ = 0x5A;
inline constexpr uint8_t kLWin = 0x5B;
inline constexpr uint8_t kRWin = 0x5C;
inline constexpr uint8_t kApps = 0x5D;
inline constexpr uint8_t kNumpad0 = 0x60;
inline constexpr uint8_t kNumpad1 = 0x61;
inline constexpr uint8_t kNumpad9 = 0x69;
inline constexpr uint8_t kMultiply = 0x6A;
inline constexpr uint8_t kAdd = 0x6B;
inline constexpr uint8_t kSeparator = 0x6C;
inline constexpr uint8_t kSubtract = 0x6D;
inline constexpr uint8_t kDecimal = 0x6E;
inline constexpr uint8_t kDivide = 0x6F;
inline constexpr uint8_t kF1 = 0x70;
inline constexpr uint8_t kF10 = 0x79;
inline constexpr uint8_t kF12 = 0x7B;
inline constexpr uint8_t kF13 = 0x7C;
inline constexpr uint8_t kF24 = 0x87;
inline constexpr uint8_t kNumLock = 0x90;
inline constexpr uint8_t kScroll = 0x91;
inline constexpr uint8_t kLShift = 0xA0;
inline constexpr uint8_t kRShift = 0xA1;
inline constexpr uint8_t kLControl = 0xA2;
inline constexpr uint8_t kRControl = 0xA3;
inline constexpr uint8_t kLMenu = 0xA4;
inline constexpr uint8_t kRMenu = 0xA5;
inline constexpr uint8_t kOem1 = 0xBA;
inline constexpr uint8_t kOemPlus = 0xBB;
inline constexpr uint8_t kOemComma = 0xBC;
inline constexpr uint8_t kOemMinus = 0xBD;
inline constexpr uint8_t kOemPeriod = 0xBE;
inline constexpr uint8_t kOem2 = 0xBF;
inline constexpr uint8_t kOem3 = 0xC0;
inline constexpr uint8_t kOem4 = 0xDB;
inline constexpr uint8_t kOem5 = 0xDC;
inline constexpr uint8_t kOem6 = 0xDD;
inline constexpr uint8_t kOem7 = 0xDE;
inline constexpr uint8_t kOem8 = 0xDF;
// The macro files' forms of the mouse buttons.
inline constexpr uint8_t kLeftButton = 0xF0;
inline constexpr uint8_t kRightButton = 0xF1;
inline constexpr uint8_t kMiddleButton = 0xF2;

}  // namespace devero::vk

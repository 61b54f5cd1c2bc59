#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace devero {

inline constexpr int kMaxSteps = 275;
inline constexpr int kMacroNameUnits = 30;  // 29 characters and the terminator
inline constexpr int kDataBlockCount = 5;
inline constexpr int kDataBlockSize = 68;
inline constexpr int kMaxXySteps = 50;
inline constexpr int kMaxCountedSteps = 5;  // codes 247, 248, 250 and the data blocks
inline constexpr int kMacroSlots = 13;      // 12 macros and the blank macro
inline constexpr int kBlankMacroSlot = 12;
inline constexpr int kMaxMacrosPerGroup = 12;
inline constexpr int kBuiltInMacroSlots = 13;
inline constexpr int kRapidFireSlots = 12;

// Step codes besides the device key codes.
inline constexpr uint8_t kStepDelay = 0;
inline constexpr uint8_t kStepCursorMove = 246;
inline constexpr uint8_t kStep247 = 247;
inline constexpr uint8_t kStepDpi = 248;
inline constexpr uint8_t kStepLighting = 249;
inline constexpr uint8_t kStep250 = 250;
inline constexpr uint8_t kStep251 = 251;
inline constexpr uint8_t kLeftButton = 0xF1;
inline constexpr uint8_t kMiddleButton = 0xF2;
inline constexpr uint8_t kRightButton = 0xF3;

// Step actions.
inline constexpr uint8_t kActionPress = 1;
inline constexpr uint8_t kActionRelease = 2;

struct StepParam {
  uint16_t param1 = 0;
  uint16_t param2 = 0;
};

using DataBlock = std::array<uint8_t, kDataBlockSize>;

// One macro: a name and up to 275 timed steps kept column by column, plus the data blocks of
// its lighting and code-251 steps. A plain fixed-size value.
struct MacroRecord {
  std::array<char16_t, kMacroNameUnits> macroName{};
  uint8_t repeatMode = 0;
  uint16_t repeatCount = 0;
  uint16_t stepCount = 0;
  uint16_t xyStepCount = 0;
  uint16_t code247Count = 0;
  uint16_t dpiStepCount = 0;
  uint16_t code250Count = 0;
  uint8_t ledDataCount = 0;
  uint8_t code251DataCount = 0;
  std::array<uint8_t, 6> reservedBytes{};
  std::array<uint8_t, kMaxSteps> stepAction{};
  std::array<uint8_t, kMaxSteps> stepCode{};
  std::array<StepParam, kMaxSteps> stepParam{};
  std::array<uint16_t, kMaxSteps> stepDelay{};
  std::array<DataBlock, kDataBlockCount> ledData{};
  std::array<DataBlock, kDataBlockCount> code251Data{};
};

// The macros of the loaded group (slots 0..macroCount-1) and the blank macro in slot 12.
struct MacroTable {
  std::array<MacroRecord, kMacroSlots> slots{};
  int16_t macroCount = 0;
  int currentMacro = 0;
};

struct BuiltInMacroTable {
  std::array<MacroRecord, kBuiltInMacroSlots> slots{};
  int16_t builtInMacroCount = 0;
};

struct RapidFireTable {
  std::array<MacroRecord, kRapidFireSlots> slots{};
  std::array<std::u16string, kRapidFireSlots> rapidFireNames{};
  int16_t rapidFireCount = 0;
};

}  // namespace devero

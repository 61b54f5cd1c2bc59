#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace devero {

inline constexpr int kMaxSteps = 275;
inline constexpr int kMacroNameUnits = 30;  // 29 characters and the terminator
inline constexpr int kMaxMacroNameChars = kMacroNameUnits - 1;
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
  friend bool operator==(const StepParam&, const StepParam&) = default;
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
  friend bool operator==(const MacroRecord&, const MacroRecord&) = default;
};

// The five values of one step.
struct MacroStep {
  uint8_t stepAction = 0;
  uint8_t stepCode = 0;
  uint16_t param1 = 0;
  uint16_t param2 = 0;
  uint16_t stepDelay = 0;
  friend bool operator==(const MacroStep&, const MacroStep&) = default;
};

// Every byte of the record becomes 0.
void ClearMacro(MacroRecord& macro);

// The name up to its first NUL (at most 29 characters).
std::u16string MacroName(const MacroRecord& macro);
// Zeroes the name field, then stores at most 29 code units of `name` (a surrogate pair is not
// split; the text stops at a NUL).
void SetMacroName(MacroRecord& macro, std::u16string_view name);
// The name as SetMacroName would store it.
std::u16string StoredMacroName(std::u16string_view name);

// stepCount within the columns (0..275); a record read from a damaged file can claim more.
int UsedStepCount(const MacroRecord& macro);

// Step slots 0..274, in use or not; nothing (or false) for any other index.
bool IsStepSlot(int slot);
std::optional<MacroStep> StepAt(const MacroRecord& macro, int slot);
bool SetStepAt(MacroRecord& macro, int slot, const MacroStep& step);
bool ClearStepAt(MacroRecord& macro, int slot);
// Copies all five values of slot `from` to slot `to`; `from` keeps its values.
bool MoveStep(MacroRecord& macro, int from, int to);

// Data blocks 0..4; null for any other index (a lighting step can name block 5 or more).
DataBlock* LedBlock(MacroRecord& macro, int index);
const DataBlock* LedBlock(const MacroRecord& macro, int index);
DataBlock* Code251Block(MacroRecord& macro, int index);
const DataBlock* Code251Block(const MacroRecord& macro, int index);

// The macros of the loaded group (slots 0..macroCount-1) and the blank macro in slot 12.
struct MacroTable {
  std::array<MacroRecord, kMacroSlots> slots{};
  int16_t macroCount = 0;
  int currentMacro = 0;

  // Null for an index outside 0..12.
  MacroRecord* Slot(int index);
  const MacroRecord* Slot(int index) const;
  // The slot of currentMacro; null when currentMacro is outside the table.
  MacroRecord* Current() { return Slot(currentMacro); }
  const MacroRecord* Current() const { return Slot(currentMacro); }
  bool ClearSlot(int index);
  void ClearAllSlots();
  const MacroRecord& Blank() const { return slots[kBlankMacroSlot]; }
};

struct BuiltInMacroTable {
  std::array<MacroRecord, kBuiltInMacroSlots> slots{};
  int16_t builtInMacroCount = 0;

  const MacroRecord* Slot(int index) const;
};

struct RapidFireTable {
  std::array<MacroRecord, kRapidFireSlots> slots{};
  std::array<std::u16string, kRapidFireSlots> rapidFireNames{};
  int16_t rapidFireCount = 0;

  MacroRecord* Slot(int index);
  const MacroRecord* Slot(int index) const;
};

}  // namespace devero

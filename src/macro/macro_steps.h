#pragma once

#include <cstdint>

#include "macro/macro_record.h"

namespace devero {

// Step actions of the special step codes.
inline constexpr uint8_t kActionDelay = 0;
inline constexpr uint8_t kActionMoveXMinusYMinus = 3;
inline constexpr uint8_t kActionMoveXMinusYPlus = 4;
inline constexpr uint8_t kActionMoveXPlusYMinus = 5;
inline constexpr uint8_t kActionMoveXPlusYPlus = 6;
inline constexpr uint8_t kActionDpiSet = 9;
inline constexpr uint8_t kActionDpiReturn = 10;
inline constexpr uint8_t kActionLed0 = 13;
inline constexpr uint8_t kActionLed1 = 14;
inline constexpr uint8_t kActionLed2 = 15;

inline constexpr int kMaxMoveDistance = 100;
inline constexpr uint16_t kDefaultDpiLevelCode = 4;  // 800 DPI

// The DPI that a level code of a DPI step stands for; codes outside the table show as 800.
int DpiOfLevelCode(int level_code);
// The level code the editor stores for a DPI (the first code of a pair), or -1 for a DPI that
// has no code.
int LevelCodeOfDpi(int dpi);

// Opens a hole at position p (0..UsedStepCount) by moving steps p.. up one place, all five values
// together, and counts the new step. The hole keeps the values that were there. Returns false
// (and changes nothing) when the macro is full or p is out of range.
bool OpenStepAt(MacroRecord& macro, int p);

// Removes step s: later steps move down one place and the freed last slot is cleared. Counters
// and data blocks are not touched (see ForgetStepData). False when s is not a step.
bool RemoveStepAt(MacroRecord& macro, int s);

// Takes the counted data of step s out of the macro before the step is removed or changes its
// code: the counter of its code goes down (never below 0), and for a lighting or code-251 step
// the later steps of that code give up one block index and their blocks move down one place,
// the freed last block being cleared. Block indices that name no block are left alone.
void ForgetStepData(MacroRecord& macro, int s);

// Whether a device key code can be the code of a key step: not 0 (a pure delay) and none of the
// special codes 246..251, which a key left unconverted by the key tables can come out as.
bool IsKeyStepCode(uint8_t code);

// The block a new lighting step starts with: one entry of mode 0, colour 0, time 10.
void InitLightingBlock(DataBlock& block);

}  // namespace devero

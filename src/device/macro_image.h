#pragma once

#include <cstdint>
#include <vector>

#include "macro/macro_record.h"
#include "platform/user/warning_service.h"

namespace devero {

inline constexpr uint16_t kMacroAreaStart = 1024;
inline constexpr uint16_t kMacroAreaEnd = 3872;  // first address past the macro area
inline constexpr uint32_t kMaxMacroSize = 8192;
inline constexpr uint16_t kMaxDelayMs = 10000;

// Built-in macros are sized without extra delay records; rapid-fire items and group macros
// with them.
enum class MacroKind { kBuiltIn, kRapidFireOrGroup };

// Repeats the steps of a repeat-mode-2 macro whose pass lasts under about 40 ms, so that one
// pass lasts at least that long. Copies of codes above 246 become pure delays.
void RepeatShortMacro(MacroRecord& macro);

// Number of extra delay records a step of `delay_ms` needs at `interval_ms` per unit.
int ExtraDelayRecords(uint16_t delay_ms, int interval_ms);

// Bytes the macro takes in the mouse: capped at 8192 and a multiple of 8.
uint32_t MacroDataSize(const MacroRecord& macro, MacroKind kind, int interval_ms);

// The step count that the button entry carries.
uint16_t EncodedStepCount(const MacroRecord& macro, MacroKind kind, int interval_ms);

// The macro in the mouse's format, `size` bytes long, for the data address `address`. Faulty
// lighting steps are reported as they are met ("Error "); false (after " Error") when a
// lighting copy would end past what the mouse can address. Nothing is written past `size`.
bool BuildMacroImage(const MacroRecord& macro, MacroKind kind, uint32_t size, uint16_t address,
                     int interval_ms, WarningService& warnings, std::vector<uint8_t>& image);

// The left button's macro again, with the vertical distance of every cursor move one larger
// (direction 1, up to 30) or smaller (direction 0, down to 0); `macro` is adjusted in place.
// No extra delay records, no lighting records, `size` bytes.
std::vector<uint8_t> BuildAdjustedCursorImage(MacroRecord& macro, uint32_t size, int interval_ms,
                                              int direction);

}  // namespace devero

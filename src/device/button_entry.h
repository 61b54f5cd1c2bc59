#pragma once

#include <array>
#include <cstdint>

namespace devero {

struct MacroRecord;

inline constexpr int kButtonEntrySize = 10;
using ButtonEntry = std::array<uint8_t, kButtonEntrySize>;

// The byte of one device slot: device function code with the lighting-reaction bits.
uint8_t SlotByte(uint8_t device_function_code, int32_t reaction_enable, int32_t reaction_type);

struct ButtonEntryInput {
  int32_t code = 0;  // the button's function code
  uint8_t device_function_code = 0;
  const MacroRecord* macro = nullptr;  // after the repetition of short macros; none for media
  uint16_t address = 0;                // device address of the macro data
  uint16_t encoded_step_count = 0;
  uint8_t report_rate_code = 0;
  int device_slot = 1;  // 1..14
};

// The ten bytes a macro-bearing or multimedia slot keeps; ten zeros for any other slot.
ButtonEntry BuildButtonEntry(const ButtonEntryInput& in);

}  // namespace devero

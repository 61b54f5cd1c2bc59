#include "device/button_entry.h"

#include "device/function_codes.h"
#include "keys/key_codes.h"
#include "macro/macro_record.h"

namespace devero {
namespace {

// (value mod 256) for any int, as the entry's index arithmetic wants.
int Mod256(int64_t value) {
  return static_cast<int>(((value % 256) + 256) % 256);
}

}  // namespace

uint8_t SlotByte(uint8_t device_function_code, int32_t reaction_enable, int32_t reaction_type) {
  const uint32_t reaction =
      static_cast<uint32_t>(reaction_enable) + 2u * static_cast<uint32_t>(reaction_type);
  return static_cast<uint8_t>((device_function_code + reaction * 32u) & 0xFFu);
}

ButtonEntry BuildButtonEntry(const ButtonEntryInput& in) {
  ButtonEntry e{};
  if (!HasButtonEntry(in.device_function_code)) return e;
  const bool media = in.code >= kFirstMediaCode && in.code <= kLastMediaCode;
  const uint8_t mode = (in.macro != nullptr && !media) ? in.macro->repeatMode : 0;
  // The mouse keeps no play flags for its two extra slots.
  const bool flags = in.device_slot != 13 && in.device_slot != 14;
  const int low = mode & 3;
  const uint16_t steps = media ? 0 : in.encoded_step_count;

  e[0] = in.report_rate_code;
  e[1] = static_cast<uint8_t>((flags && low == 2 ? 0x80 : 0) | (steps & 0x7F));
  e[2] = KeyboardKeyToDeviceKey(Mod256(static_cast<int64_t>(in.code) - 70));
  const uint16_t usage = ConsumerUsage(Mod256(static_cast<int64_t>(in.code) - 23));
  e[3] = static_cast<uint8_t>(usage & 0xFF);
  e[4] = static_cast<uint8_t>(usage >> 8);
  e[5] = static_cast<uint8_t>(in.address & 0xFF);
  e[6] = static_cast<uint8_t>((flags && low == 1 ? 0x80 : 0) |
                              (flags && (low == 0 || low == 3) && (mode & 4) ? 0x40 : 0) |
                              ((in.address >> 8) & 0x3F));
  e[7] = static_cast<uint8_t>((flags && (low == 1 || low == 2) && (mode & 8) ? 0x40 : 0) |
                              ((steps >> 7) & 0x3F));
  if (!media && in.macro != nullptr) {
    e[8] = static_cast<uint8_t>((in.macro->reservedBytes[0] * 128 + in.macro->reservedBytes[1]) &
                                0xFF);
  }
  return e;
}

}  // namespace devero

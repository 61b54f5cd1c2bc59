#include <gtest/gtest.h>

#include "device/button_entry.h"
#include "device/function_codes.h"
#include "macro/macro_record.h"

namespace devero {
namespace {

struct CodeCase {
  int32_t code;
  int32_t companion;
  uint8_t mode;
  uint8_t expected;
};

TEST(DeviceFunctionCode, FollowsTheCodeRanges) {
  const CodeCase cases[] = {
      {0, 0, 0, 0},    {1, 0, 0, 1},    {6, 0, 0, 6},    {7, 0, 0, 2},    {11, 0, 0, 6},
      {12, 0, 0, 7},   {13, 0, 0, 8},   {14, 0, 0, 9},   {15, 0, 0, 21},  {16, 0, 0, 11},
      {17, 0, 0, 12},  {18, 0, 0, 20},  {19, 0, 0, 23},  {22, 0, 0, 26},  {23, 1, 0, 15},
      {32, 0, 2, 15},  {33, 0, 0, 13},  {33, 1, 0, 30},  {33, 0, 2, 13},  {33, 1, 2, 31},
      {49, 0, 1, 13},  {50, 0, 0, 30},  {50, 0, 2, 31},  {255, 1, 2, 31}, {256, 0, 0, 13},
      {256, 1, 0, 30}, {256, 0, 2, 14}, {256, 1, 2, 31}, {513, 0, 6, 13}, {513, 0, 0x82, 13},
      {-5, 0, 0, 0},   {-256, 1, 2, 0},
  };
  for (const CodeCase& c : cases) {
    EXPECT_EQ(DeviceFunctionCode(c.code, c.companion, c.mode), c.expected)
        << c.code << " " << c.companion << " " << int(c.mode);
  }
}

TEST(DeviceFunctionCode, MarksForTheEventThreads) {
  for (int code = 0; code <= 300; ++code) {
    const uint8_t d = DeviceFunctionCode(code, 0, 0);
    EXPECT_EQ(IsDpiDeviceFunction(d), code == 6 || code == 11 || code == 16 || code == 17) << code;
    EXPECT_EQ(IsProfileFunction(code), code >= 19 && code <= 22) << code;
  }
}

TEST(ConsumerUsage, TableAndBeyond) {
  const uint16_t expected[] = {0x0223, 0x0183, 0x018A, 0x00E9, 0x00EA, 0x00B6,
                               0x00B5, 0x00E2, 0x00CD, 0x0192, 0x00B7};
  for (int i = 0; i < 11; ++i)
    EXPECT_EQ(ConsumerUsage(i), expected[i]) << i;
  EXPECT_EQ(ConsumerUsage(11), 0);
  EXPECT_EQ(ConsumerUsage(-1), 0);
  EXPECT_EQ(ConsumerUsage(255), 0);
}

TEST(SlotByte, CarriesTheReactionBits) {
  struct Case {
    uint8_t device;
    int32_t enable;
    int32_t type;
    uint8_t expected;
  };
  for (const Case& c : {Case{1, 1, 3, 0xE1}, Case{13, 1, 0, 45}, Case{31, 1, 3, 255},
                        Case{0, 1, 0, 0x20}, Case{1, 1, 4, 0x21}, Case{2, 1, -1, 0xE2}}) {
    EXPECT_EQ(SlotByte(c.device, c.enable, c.type), c.expected);
  }
}

TEST(ButtonEntry, ZeroForSlotsWithoutAnEntry) {
  MacroRecord m;
  m.repeatMode = 2;
  for (uint8_t d : {0, 1, 6, 11, 12, 21, 23, 29, 32}) {
    EXPECT_EQ(BuildButtonEntry({33, d, &m, 1024, 5, 7, 1}), ButtonEntry{}) << int(d);
  }
}

TEST(ButtonEntry, BuiltInMacroEntry) {
  MacroRecord m;
  m.reservedBytes = {1, 10, 0, 0, 0, 0};
  const ButtonEntry e = BuildButtonEntry({33, 13, &m, 0x0412, 300, 3, 1});
  // Byte 2: (33 - 70) mod 256 is beyond the key list; bytes 3, 4: index 10 of the usages.
  EXPECT_EQ(e, (ButtonEntry{3, 0x2C, 0xFF, 0xB7, 0x00, 0x12, 0x04, 0x02, 138, 0}));
  EXPECT_EQ(BuildButtonEntry({34, 13, &m, 0x0412, 300, 3, 1})[3], 0);
}

TEST(ButtonEntry, MultimediaEntryHasNoMacro) {
  MacroRecord m;
  m.repeatMode = 2;
  m.reservedBytes = {1, 1, 0, 0, 0, 0};
  const ButtonEntry e = BuildButtonEntry({24, 15, &m, 1032, 9, 0, 2});
  EXPECT_EQ(e, (ButtonEntry{0, 0, 0xFF, 0x83, 0x01, 0x08, 0x04, 0, 0, 0}));
}

TEST(ButtonEntry, KeyFromTheKeyboardList) {
  EXPECT_EQ(BuildButtonEntry({70, 30, nullptr, 1024, 0, 0, 1})[2], 0x29);   // Escape
  EXPECT_EQ(BuildButtonEntry({148, 30, nullptr, 1024, 0, 0, 1})[2], 0x51);  // index 78: Down
  EXPECT_EQ(BuildButtonEntry({149, 30, nullptr, 1024, 0, 0, 1})[2], 0xFF);
}

TEST(ButtonEntry, PlayFlagsFollowTheModeByte) {
  struct Case {
    uint8_t mode;
    uint8_t byte1_bit7, byte6_bits, byte7_bit6;
  };
  for (const Case& c :
       {Case{0, 0, 0, 0}, Case{1, 0, 0x80, 0}, Case{2, 0x80, 0, 0}, Case{3, 0, 0, 0},
        Case{4, 0, 0x40, 0}, Case{7, 0, 0x40, 0}, Case{5, 0, 0x80, 0}, Case{9, 0, 0x80, 0x40},
        Case{10, 0x80, 0, 0x40}, Case{8, 0, 0, 0}, Case{12, 0, 0x40, 0}}) {
    MacroRecord m;
    m.repeatMode = c.mode;
    for (int slot : {1, 12, 13, 14}) {
      const ButtonEntry e = BuildButtonEntry({256, 13, &m, 0, 0, 0, slot});
      const bool flags = slot < 13;
      EXPECT_EQ(e[1] & 0x80, flags ? c.byte1_bit7 : 0) << int(c.mode) << " slot " << slot;
      EXPECT_EQ(e[6] & 0xC0, flags ? c.byte6_bits : 0) << int(c.mode) << " slot " << slot;
      EXPECT_EQ(e[7] & 0x40, flags ? c.byte7_bit6 : 0) << int(c.mode) << " slot " << slot;
    }
  }
}

TEST(ButtonEntry, AddressAndStepCountBits) {
  MacroRecord m;
  const ButtonEntry e = BuildButtonEntry({256, 14, &m, 0x3FF8, 0x1FFF, 1, 1});
  EXPECT_EQ(e[1] & 0x7F, 0x7F);
  EXPECT_EQ(e[5], 0xF8);
  EXPECT_EQ(e[6] & 0x3F, 0x3F);
  EXPECT_EQ(e[7] & 0x3F, 0x3F);
  EXPECT_EQ(e[9], 0);
}

}  // namespace
}  // namespace devero

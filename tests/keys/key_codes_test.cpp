#include "keys/key_codes.h"

#include <gtest/gtest.h>

#include "keys/vk.h"

namespace devero {
namespace {

struct VkCase {
  uint8_t vk;
  uint8_t english;
  uint8_t chinese;
};

TEST(VkToDeviceKey, ConvertsRangesRowsAndLeavesTheRestUnchanged) {
  const VkCase cases[] = {
      {'A', 0x04, 0x04},
      {'Z', 0x1D, 0x1D},
      {'1', 0x1E, 0x1E},
      {'9', 0x26, 0x26},
      {'0', 0x27, 0x27},
      {vk::kF1, 0x3A, 0x3A},
      {vk::kF12, 0x45, 0x45},
      {vk::kF13, 0x68, 0x68},
      {vk::kF24, 0x73, 0x73},
      {vk::kReturn, 0x28, 0x28},
      {vk::kClear, 0x9C, 0x9C},
      {vk::kNumpad0, 0x62, 0x62},
      {vk::kNumpad1, 0x59, 0x59},
      {vk::kNumpad9, 0x61, 0x61},
      {vk::kMultiply, 0x55, 0x55},
      {vk::kSeparator, 0x9F, 0x9F},
      {vk::kLControl, 0xE0, 0xE0},
      {vk::kRWin, 0xE7, 0xE7},
      {vk::kOem3, 0x35, 0x35},
      {vk::kOem7, 0x34, 0x34},
      {vk::kOem8, 0xDF, 0x55},
      {vk::kLeftButton, 0xF1, 0xF1},
      {vk::kRightButton, 0xF3, 0xF3},
      {vk::kMiddleButton, 0xF2, 0xF2},
      {vk::kShift, 0x10, 0x10},
      {vk::kControl, 0x11, 0x11},
      {vk::kMenu, 0x12, 0x12},
      {0x00, 0x00, 0x00},
      {0x07, 0x07, 0x07},
      {0x2A, 0x2A, 0x2A},
      {0xF3, 0xF3, 0xF3},
      {0xFF, 0xFF, 0xFF},
  };
  for (const VkCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "vk 0x" << std::hex << int{c.vk});
    EXPECT_EQ(VkToDeviceKey(c.vk, 1), c.english);
    EXPECT_EQ(VkToDeviceKey(c.vk, 2), c.english);
    EXPECT_EQ(VkToDeviceKey(c.vk, 0), c.chinese);
  }
}

TEST(CaptureVkToDeviceKey, DiffersFromTheStandardOnlyInThreeKeys) {
  for (int v = 0; v < 256; ++v) {
    const auto vk = static_cast<uint8_t>(v);
    SCOPED_TRACE(testing::Message() << "vk 0x" << std::hex << v);
    switch (vk) {
      case vk::kOem3:
        EXPECT_EQ(CaptureVkToDeviceKey(vk), 0x32);
        break;
      case vk::kLeftButton:
      case vk::kRightButton:
      case vk::kOem8:
        EXPECT_EQ(CaptureVkToDeviceKey(vk), vk);
        break;
      default:
        EXPECT_EQ(CaptureVkToDeviceKey(vk), VkToDeviceKey(vk, 1));
    }
  }
}

TEST(DeviceKeyToVk, WritesTheVkThatReadsBack) {
  const std::pair<uint8_t, uint8_t> cases[] = {
      {0x04, 'A'},     {0x1D, 'Z'},           {0x1E, '1'},           {0x27, '0'},
      {0x3A, vk::kF1}, {0x73, vk::kF24},      {0x55, vk::kMultiply}, {0xF1, 0xF0},
      {0xF2, 0xF2},    {0xF3, 0xF1},          {0x00, 0x00},          {246, 246},
      {251, 251},      {0x32, 0x32},          {0x58, 0x58},          {0x64, 0x64},
      {0x76, 0x76},    {0xE0, vk::kLControl}, {0x9C, vk::kClear},
  };
  for (auto [device, vk] : cases) {
    SCOPED_TRACE(testing::Message() << "device 0x" << std::hex << int{device});
    EXPECT_EQ(DeviceKeyToVk(device), vk);
  }
}

TEST(DeviceKeyToVk, EveryRecordedKeySurvivesAFile) {
  for (int language : {0, 1}) {
    for (int v = 0; v < 256; ++v) {
      const uint8_t device = VkToDeviceKey(static_cast<uint8_t>(v), language);
      EXPECT_EQ(VkToDeviceKey(DeviceKeyToVk(device), language), device)
          << "vk " << v << " language " << language;
    }
  }
}

TEST(CaptureKeyName, NamesEveryKnownCode) {
  const std::pair<uint8_t, std::u16string> cases[] = {
      {0x04, u"A"},
      {0x1D, u"Z"},
      {0x1E, u"1"},
      {0x26, u"9"},
      {0x27, u"0"},
      {0x2A, u"BACK"},
      {0x32, u"`~"},
      {0x34, u" ' "},
      {0x3A, u"F1"},
      {0x45, u"F12"},
      {0x68, u"F13"},
      {0x73, u"F24"},
      {0x59, u"NUMPAD1"},
      {0x61, u"NUMPAD9"},
      {0x62, u"NUMPAD0"},
      {0x4B, u"PRIOR"},
      {0x9F, u"SEPARATOR"},
      {0xE7, u"RWIN"},
      {0x35, u"NON-AVAILABLE"},
      {0x58, u"NON-AVAILABLE"},
      {0x64, u"NON-AVAILABLE"},
      {0x66, u"NON-AVAILABLE"},
      {0x67, u"NON-AVAILABLE"},
      {0x78, u"NON-AVAILABLE"},
      {0x9B, u"NON-AVAILABLE"},
      {0x00, u"NON-AVAILABLE"},
      {0xF1, u"NON-AVAILABLE"},
  };
  for (const auto& [code, name] : cases)
    EXPECT_EQ(CaptureKeyName(code), name) << "code " << int{code};
}

struct StepNameCase {
  uint8_t code;
  std::u16string english;  // flag 1
  std::u16string chinese;  // flag 0
};

TEST(StepKeyName, HasATableForEachLanguage) {
  const StepNameCase cases[] = {
      {0x04, u"A", u"A"},
      {0x1E, u"1!", u"1"},
      {0x27, u"0)", u"0"},
      {0x28, u"KeyPad Enter", u"RETURN"},
      {0x2A, u"BackSpace", u"BACK"},
      {0x32, u"NULL", u"NON-AVAILABLE"},
      {0x34, u"'", u" ' "},
      {0x35, u"`~", u"`~"},
      {0x3A, u"F1", u"F1"},
      {0x73, u"F24", u"F24"},
      {0x4B, u"Page Up", u"PRIOR"},
      {0x4F, u"\u2192", u"RIGHT"},
      {0x52, u"\u2191", u"UP"},
      {0x59, u"KeyPad1", u"NUMPAD1"},
      {0x62, u"KeyPad0", u"NUMPAD0"},
      {0x63, u"KeyPad .", u"DECIMAL"},
      {0x58, u"NULL", u"NON-AVAILABLE"},
      {0xE0, u"L-Ctrl", u"LCONTROL"},
      {0xE6, u"R-Alt", u"RMENU"},
      {0x00, u"NULL", u"NON-AVAILABLE"},
      {0xF1, u"L-KEY", u"L-KEY"},
      {0xF2, u"M-KEY", u"M-KEY"},
      {0xF3, u"R-KEY", u"R-KEY"},
  };
  for (const StepNameCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << int{c.code});
    EXPECT_EQ(StepKeyName(c.code, 1), c.english);
    EXPECT_EQ(StepKeyName(c.code, 0), c.chinese);
  }
}

TEST(StepKeyName, MouseButtonsOfOtherNonzeroFlagsAreChinese) {
  EXPECT_EQ(StepKeyName(0xF1, 2), u"左键");
  EXPECT_EQ(StepKeyName(0xF2, 2), u"中键");
  EXPECT_EQ(StepKeyName(0xF3, -1), u"右键");
  EXPECT_EQ(StepKeyName(0x28, 2), u"KeyPad Enter");  // the rest stays English
}

TEST(KeyboardKeyToDeviceKey, FollowsTheKeyboardRows) {
  const std::pair<int, uint8_t> cases[] = {
      {0, 0x29},  {1, 0x3A},  {12, 0x45}, {13, 0x49}, {14, 0x35},  {15, 0x1E}, {24, 0x27},
      {27, 0x2A}, {29, 0x2B}, {30, 0x14}, {43, 0x39}, {55, 0x28},  {56, 0xE1}, {67, 0xE5},
      {71, 0x2C}, {75, 0x50}, {78, 0x51}, {79, 0xFF}, {255, 0xFF}, {-1, 0xFF},
  };
  for (auto [index, code] : cases)
    EXPECT_EQ(KeyboardKeyToDeviceKey(index), code) << "index " << index;
}

}  // namespace
}  // namespace devero

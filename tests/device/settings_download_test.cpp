#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "device/function_codes.h"
#include "device/settings_download.h"
#include "support/fake_device_memory.h"
#include "support/fake_warnings.h"

namespace devero {
namespace {

using testing::FakeDeviceMemory;
using testing::FakeWarnings;
using Bytes = std::vector<uint8_t>;

constexpr uint16_t kVendor = 0x1209;
constexpr uint16_t kProduct = 0x0001;

class FakeGroups : public GroupMacroSource {
 public:
  int GroupCount() const override { return static_cast<int>(groups.size()); }
  int GroupMacroCount(int g) const override {
    return g >= 0 && g < GroupCount() ? static_cast<int>(groups[g].size()) : 0;
  }
  MacroRecord GroupMacro(int g, int k) const override {
    ++lookups;
    if (g < 0 || g >= GroupCount() || k < 0 || k >= GroupMacroCount(g)) return MacroRecord{};
    return groups[g][k];
  }
  std::vector<std::vector<MacroRecord>> groups;
  mutable int lookups = 0;
};

class FakePointer : public PointerSettings {
 public:
  std::optional<int> GetMouseSpeed() override {
    return speed_available ? std::optional(speed) : std::nullopt;
  }
  bool SetMouseSpeed(int s) override {
    speed = s;
    ++sets;
    return true;
  }
  std::optional<int> GetWheelScrollLines() override {
    return wheel_available ? std::optional(wheel) : std::nullopt;
  }
  bool SetWheelScrollLines(int l) override {
    wheel = l;
    ++sets;
    return true;
  }
  bool speed_available = true;
  bool wheel_available = true;
  int speed = 10;
  int wheel = 3;
  int sets = 0;
};

MacroRecord KeyMacro(int steps, uint16_t delay, uint8_t mode = 0) {
  MacroRecord m;
  m.repeatMode = mode;
  m.repeatCount = 1;
  for (int i = 0; i < steps; ++i) {
    m.stepAction[i] = (i % 2 == 0) ? kActionPress : kActionRelease;
    m.stepCode[i] = 0x04;
    m.stepDelay[i] = delay;
  }
  m.stepCount = static_cast<uint16_t>(steps);
  return m;
}

class SettingsDownloadTest : public ::testing::Test {
 protected:
  SettingsDownloadTest() {
    product_.keyNum = 7;
    for (int i = 0; i < 7; ++i)
      product_.keyMap[i] = static_cast<uint8_t>(i + 1);
    for (int p = 0; p < kProfileCount; ++p) {
      s_.buttonFunction[p] = {1, 2, 3, 4, 5, 16, 17, 0, 0};
      for (int j = 0; j < kSlotCount; ++j)
        s_.buttonLedReactEnable[p][j] = 1;
    }
    s_.dpiStageValue = {1, 3, 5, 7, 11, 16};
    s_.dpiStageEnabled = {1, 1, 1, 0, 1, 1};
    s_.dpiLevel = 5;
    s_.fireTime = 50;
    s_.cycleColorEnable = {1, 1, 1, 1, 1, 1, 1};
    s_.usbSpeed = 3;
    s_.DeriveReportRateCode();
    s_.dpiSpeed = 11;
    s_.wheelSpeed = 4;
  }

  SettingsDownload::Result Run(int variant = 1) {
    DownloadContext ctx{s_, product_, variant, built_ins_, rapid_fire_, groups_};
    return download_.Run(ctx);
  }
  Bytes Mem(uint16_t address, int length) const { return memory_.Bytes(address, length); }
  std::vector<std::pair<uint16_t, int>> Writes() const {
    std::vector<std::pair<uint16_t, int>> out;
    for (const auto& op : memory_.ops) {
      if (op.kind == 'W') out.emplace_back(op.address, op.length);
    }
    return out;
  }
  // The data of the n-th write at an address.
  Bytes WriteAt(uint16_t address, int nth = 0) const {
    for (const auto& op : memory_.ops) {
      if (op.kind == 'W' && op.address == address && nth-- == 0) return op.data;
    }
    return {};
  }

  ProductDescription product_;
  ProfileSettings s_;
  BuiltInMacroTable built_ins_;
  RapidFireTable rapid_fire_;
  FakeGroups groups_;
  FakeDeviceMemory memory_;
  FakeWarnings warnings_;
  FakePointer pointer_;
  SettingsDownload download_{memory_, warnings_, pointer_, kVendor, kProduct};
};

TEST_F(SettingsDownloadTest, WritesTheMemoryMapInItsOrder) {
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  std::string kinds;
  for (const auto& op : memory_.ops)
    kinds += op.kind;
  // get, identity byte, 13 blocks, read of 118, 112, 120, 70 entry blocks, 110, 112, 120, apply
  EXPECT_EQ(kinds, "GW" + std::string(13, 'W') + "RWW" + std::string(70, 'W') + "WWWA");
  const auto writes = Writes();
  EXPECT_EQ(writes[0], std::make_pair(uint16_t{1}, 1));
  for (int k = 0; k < 13; ++k)
    EXPECT_EQ(writes[1 + k], std::make_pair(uint16_t(8 + 8 * k), 8));
  EXPECT_EQ(writes[14], std::make_pair(uint16_t{112}, 8));
  EXPECT_EQ(writes[15], std::make_pair(uint16_t{120}, 8));
  for (int k = 0; k < 70; ++k)
    EXPECT_EQ(writes[16 + k], std::make_pair(uint16_t(160 + 8 * k), 8));
  EXPECT_EQ(writes[86], std::make_pair(uint16_t{110}, 2));
  EXPECT_EQ(writes[87], std::make_pair(uint16_t{112}, 8));
  EXPECT_EQ(writes[88], std::make_pair(uint16_t{120}, 8));
  EXPECT_FALSE(download_.busy());
}

TEST_F(SettingsDownloadTest, SettingsBytes) {
  s_.currentProfile = 2;
  s_.fireTime = 300;
  s_.ledType = 3;
  s_.ledCycleTime = 4;
  s_.ledFeatureSymmetry = 1;
  s_.ledFeatureDirection = 2;
  s_.ledBrightness = 6;
  s_.cycleColorEnable = {1, 0, 1, 0, 1, 0, 1};
  s_.cycleColorMask = 0;  // stale: the download derives it from the flags
  for (int i = 0; i < kDpiStageCount; ++i)
    s_.dpiStageColor[i] = {i, 15 - i, 3};
  for (int k = 0; k < kUserColorCount; ++k)
    s_.ledUserColor[k] = {k, 8, 15 - k};
  s_.buttonLedReactType[1][0] = 3;
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  EXPECT_EQ(Mem(1, 1), Bytes{0x03 + 2 * 32});
  // Slots of profile 0 (codes 1,2,3,4,5 and DPI up/down as 11, 12, with the enable bit).
  EXPECT_EQ(Mem(8, 9), (Bytes{0x21, 0x22, 0x23, 0x24, 0x25, 0x2B, 0x2C, 0, 0}));
  // DPI codes 2, 4, 6, 8, 13, 20: only the last has bit 4.
  EXPECT_EQ(Mem(19, 5), (Bytes{0x20, 8, 0x24, 0x68, 0xD4}));
  EXPECT_EQ(Mem(24, 2), (Bytes{0x1D, 0x37}));
  EXPECT_EQ(Mem(26, 2), (Bytes{0x25, 0x00}));
  EXPECT_EQ(Mem(28, 3), (Bytes{0x80 + 3 * 16 + 4, 0x80 + 0x55, 0}));
  EXPECT_EQ(Mem(32, 3), (Bytes{0x00, 0x8F, 0xF3}));  // user 0 (0, 8, 15), DPI 0 (0, 15, 3)
  EXPECT_EQ(Mem(47, 3), (Bytes{0x55, 0x8A, 0xA3}));  // user 5 (5, 8, 10), DPI 5 (5, 10, 3)
  EXPECT_EQ(Mem(50, 2), (Bytes{0xFE, 0x3F}));
  EXPECT_EQ(Mem(58, 1), Bytes{0x40 + 0x20 + 0x0B});
  EXPECT_EQ(Mem(62, 2), (Bytes{0x68, 0x69}));  // user 6 (6, 8, 9), brightness 6
  EXPECT_EQ(Mem(67, 1), Bytes{0x6E});
  EXPECT_EQ(Mem(68, 1), Bytes{0x21 + 0xC0});  // reaction type 3 on profile 1's first button
  EXPECT_EQ(Mem(118, 2), (Bytes{0x41, 0x71}));
  EXPECT_EQ(s_.cycleColorMask, 0x55);
}

TEST_F(SettingsDownloadTest, WithoutMacrosTheDataAreasFollowTheMacroArea) {
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  EXPECT_EQ(Mem(110, 2), (Bytes{0x00, 0x04}));
  EXPECT_EQ(Mem(112, 8), (Bytes{0x08, 0x04, 0x10, 0x04, 0x18, 0x04, 0x41, 0x71}));
  EXPECT_EQ(Mem(120, 8), (Bytes{0xAA, 0x18, 0x04, 0x20, 0x04, 0x20, 0x01, 0x00}));
  EXPECT_EQ(Mem(160, 560), Bytes(560, 0));
  EXPECT_EQ(download_.macro_end(), 1024);
}

TEST_F(SettingsDownloadTest, RepeatedDownloadsCarryThePreviousAddresses) {
  memory_.memory[118] = 0xFF;
  s_.currentProfile = 1;
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  // First download of the run: the previous values are 0; byte 118 keeps the mouse's top bits.
  EXPECT_EQ(WriteAt(104), (Bytes{0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(WriteAt(112, 0), (Bytes{0, 0, 0, 0, 0, 0, 0xFD, 0}));
  EXPECT_EQ(WriteAt(120, 0), Bytes(8, 0));
  groups_.groups = {{KeyMacro(4, 20)}};
  s_.buttonFunction[0][1] = 256;
  memory_.ops.clear();
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  EXPECT_EQ(WriteAt(104), (Bytes{0, 0, 0, 0, 0, 0, 0x00, 0x04}));
  EXPECT_EQ(WriteAt(112, 0), (Bytes{0x08, 0x04, 0x10, 0x04, 0x18, 0x04, 0x41, 0}));
  // The macro takes 16 bytes: the end moves to 1040.
  EXPECT_EQ(Mem(110, 2), (Bytes{0x10, 0x04}));
  EXPECT_EQ(Mem(112, 6), (Bytes{0x18, 0x04, 0x20, 0x04, 0x28, 0x04}));
  EXPECT_EQ(Mem(120, 5), (Bytes{0xAA, 0x28, 0x04, 0x30, 0x04}));
}

TEST_F(SettingsDownloadTest, IdentityBlockOnlyForTheAlternativeProductId) {
  ASSERT_EQ(Run(1), SettingsDownload::Result::kDone);
  for (uint16_t a : {0, 2, 3, 4, 5, 6, 7})
    EXPECT_FALSE(memory_.Written(a)) << a;
  memory_.ops.clear();
  s_.currentProfile = 3;
  ASSERT_EQ(Run(0), SettingsDownload::Result::kDone);
  EXPECT_EQ(WriteAt(0), (Bytes{0x5A, 0x63, 0xA5, 0x01, 0x00, 0x09, 0x12, 0x10}));
}

TEST_F(SettingsDownloadTest, LightingStateIsKeptBetweenDownloads) {
  struct Case {
    uint8_t led_type;
    uint8_t byte28;
    uint8_t byte51;
  };
  s_.ledCycleTime = 2;
  // Mode 12 is mode 1 with the cycle bit; 13 keeps the mode, clears the bit, speed 7; 14 keeps
  // everything; 11 and 8 set bit 7 of byte 51.
  for (const Case& c :
       {Case{12, 0x80 + 0x10 + 0x08 + 2, 0x3F}, Case{13, 0x80 + 0x10 + 7, 0x3F},
        Case{14, 0x80 + 0x10 + 7, 0x3F}, Case{11, 0x80 + 0x30 + 2, 0xBF},
        Case{14, 0x80 + 0x30 + 2, 0xBF}, Case{0, 0x80 + 2, 0x3F}, Case{8, 0x80 + 2, 0xBF}}) {
    s_.ledType = c.led_type;
    ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
    EXPECT_EQ(Mem(28, 1), Bytes{c.byte28}) << int(c.led_type);
    EXPECT_EQ(Mem(51, 1), Bytes{c.byte51}) << int(c.led_type);
  }
}

TEST_F(SettingsDownloadTest, DpiValuesBeyondTheTableTakeItsLastCode) {
  s_.dpiStageValue = {10, 16, 17, 22, 23, 255};
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  // Codes 12, 20, 19, 24, 24, 24.
  EXPECT_EQ(Mem(19, 1), Bytes{0x3E});
  EXPECT_EQ(Mem(21, 3), (Bytes{0xC4, 0x38, 0x88}));
}

TEST_F(SettingsDownloadTest, PointerSpeedAndWheelLines) {
  struct Case {
    uint8_t dpi_speed;
    int expected;
  };
  for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{2, 2}, Case{3, 4}, Case{4, 6}, Case{10, 18},
                        Case{11, 20}, Case{12, 6}, Case{255, 6}}) {
    s_.dpiSpeed = c.dpi_speed;
    ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
    EXPECT_EQ(pointer_.speed, c.expected) << int(c.dpi_speed);
  }
  EXPECT_EQ(pointer_.wheel, 4);
  pointer_.speed_available = false;
  pointer_.wheel_available = false;
  pointer_.sets = 0;
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  EXPECT_EQ(pointer_.sets, 0);
}

TEST_F(SettingsDownloadTest, InvalidCodesAreClearedInTheSettings) {
  groups_.groups = {{KeyMacro(2, 10), KeyMacro(2, 10)}, {}};
  rapid_fire_.rapidFireCount = 1;
  s_.buttonFunction[0] = {1, 256 + 1, 256 + 2, 512, 768, 50, 51, 0, 0};
  s_.buttonFunction[1] = {1, -4, 256 * 13, 33, 49, 23, 0x7FFFFFFF, 0, 0};
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  // Group 0 holds macros 0 and 1; group 1 is empty; group 2 does not exist; one rapid-fire item.
  EXPECT_EQ(s_.buttonFunction[0], (std::array<int32_t, 9>{1, 257, 0, 0, 0, 50, 0, 0, 0}));
  EXPECT_EQ(s_.buttonFunction[1], (std::array<int32_t, 9>{1, 0, 0, 33, 49, 23, 0, 0, 0}));
  EXPECT_EQ(Mem(10, 1), Bytes{0x20});  // a cleared code leaves device code 0 in its slot
}

TEST_F(SettingsDownloadTest, ButtonsWithInvalidMapNumbersTakeNoSlot) {
  product_.keyMap = {1, 2, 0, 10, 5, 6, 6, 0, 0};  // buttons 2, 3 map nowhere; 5 and 6 share 6
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  EXPECT_EQ(Mem(8, 9), (Bytes{0x21, 0x22, 0, 0, 0x25, 0x2C, 0, 0, 0}));
}

TEST_F(SettingsDownloadTest, MacrosArePlacedSharedAndWritten) {
  groups_.groups = {{KeyMacro(2, 20), KeyMacro(30, 20)}};
  built_ins_.slots[0] = KeyMacro(4, 30);
  built_ins_.builtInMacroCount = 1;
  s_.buttonFunction[0] = {256, 1, 257, 33, 24, 256, 33, 0, 0};
  s_.buttonMacro[0][4] = 1;
  s_.buttonFunction[2][3] = 257;
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  const auto& placed = download_.placement();
  // Group macro 0 (8 bytes: D = 2 + 2 * 2 = 6), built-in 0 (D = 10, 16), the media key (size 0,
  // the next free address), group macro 1 (2 + 60 = 62, 64).
  EXPECT_EQ(placed[0].address, 1024);
  EXPECT_EQ(placed[0].size, 8u);
  EXPECT_EQ(placed[2].address, 1032);
  EXPECT_EQ(placed[2].size, 64u);
  EXPECT_EQ(placed[3].address, 1096);
  EXPECT_EQ(placed[3].size, 16u);
  EXPECT_EQ(placed[4].address, 1112);
  EXPECT_EQ(placed[5].address, 1024);  // same macro, same copy
  EXPECT_EQ(placed[6].address, 1096);
  EXPECT_EQ(placed[2 * kDeviceSlots + 3].address, 1032);
  EXPECT_EQ(download_.macro_end(), 1112);
  // Entries: slot 1 of profile 0.
  EXPECT_EQ(Mem(160, 10), (Bytes{0, 2, 0xFF, 0, 0, 0x00, 0x04, 0, 0, 0}));
  // The media key on slot 5: usage 0x0183 at the next free address.
  EXPECT_EQ(Mem(160 + 40, 10), (Bytes{0, 0, 0xFF, 0x83, 0x01, 0x58, 0x04, 0, 0, 0}));
  // Group macro 0's image: play count 1, press a (d 20), release a (d 20).
  EXPECT_EQ(Mem(1024, 8), (Bytes{1, 0, 148, 4, 20, 4, 0, 0}));
  EXPECT_EQ(Mem(1096, 10), (Bytes{1, 0, 158, 4, 30, 4, 158, 4, 30, 4}));
  // Built-ins are written again for every slot; a shared group macro once.
  int built_in_writes = 0;
  int group_writes = 0;
  for (const auto& op : memory_.ops) {
    built_in_writes += op.kind == 'W' && op.address == 1096;
    group_writes += op.kind == 'W' && op.address == 1024;
  }
  EXPECT_EQ(built_in_writes, 2);
  EXPECT_EQ(group_writes, 1);
  EXPECT_EQ(download_.left_button_macro_address(), 1024);
  EXPECT_EQ(download_.left_button_macro_size(), 8u);
}

TEST_F(SettingsDownloadTest, BuiltInNumbersBeyondTheTableUseTheFirstBuiltIn) {
  built_ins_.slots[0] = KeyMacro(6, 20);  // 16 bytes
  built_ins_.slots[12] = KeyMacro(20, 20);
  s_.buttonFunction[0] = {1, 45, 47, 49, 0, 0, 0, 0, 0};
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  const auto& placed = download_.placement();
  EXPECT_EQ(placed[1].size, 48u);  // code 45: built-in 12
  EXPECT_EQ(placed[2].size, 16u);  // 47 and 49 name no built-in: built-in 0, each its own copy
  EXPECT_EQ(placed[3].size, 16u);
  EXPECT_EQ(placed[3].address, placed[2].address + 16);
  EXPECT_EQ(Mem(placed[3].address, 4), (Bytes{1, 0, 148, 4}));
}

TEST_F(SettingsDownloadTest, TooManyMacrosStopBeforeTheEntries) {
  // 12 different macros of 275 steps with 200 ms delays: each is 8192 bytes capped.
  std::vector<MacroRecord> group;
  for (int k = 0; k < 12; ++k)
    group.push_back(KeyMacro(275, 200));
  groups_.groups = {group};
  s_.buttonFunction[0] = {1, 256, 257, 258, 259, 260, 261, 0, 0};
  ASSERT_EQ(Run(), SettingsDownload::Result::kStopped);
  EXPECT_EQ(warnings_.warnings,
            std::vector<std::u16string>{u"Please reduce the number of macros "});
  for (const auto& op : memory_.ops) {
    EXPECT_NE(op.kind, 'A');
    EXPECT_FALSE(op.kind == 'W' && op.address >= 160) << op.address;
  }
  EXPECT_EQ(pointer_.sets, 0);
  EXPECT_FALSE(download_.busy());
  // With the assignment changed the user can apply again.
  s_.buttonFunction[0] = {1, 2, 3, 4, 5, 6, 256, 0, 0};
  warnings_.warnings.clear();
  EXPECT_EQ(Run(), SettingsDownload::Result::kDone);
  EXPECT_TRUE(warnings_.warnings.empty());
}

TEST_F(SettingsDownloadTest, ShortRepeatModeTwoMacrosAreRepeatedBeforeTheyAreSized) {
  groups_.groups = {{KeyMacro(2, 4, 2)}};  // T = 9: factor 4
  s_.buttonFunction[0][1] = 256;
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  const PlacedSlot& placed = download_.placement()[1];
  EXPECT_EQ(placed.encoded_step_count, 8);
  EXPECT_EQ(placed.size, 24u);  // 2 + 16
  EXPECT_EQ(placed.device_function_code, kDeviceGroupMacroHeld);
  EXPECT_EQ(Mem(160 + 10, 2), (Bytes{0, 0x88}));
  EXPECT_EQ(groups_.groups[0][0].stepCount, 2);  // the source is not changed
}

TEST_F(SettingsDownloadTest, ASecondDownloadWhileOneRunsDoesNothing) {
  std::optional<SettingsDownload::Result> inner;
  download_.progress = [&](int step, int total) {
    EXPECT_EQ(total, 18);
    if (step == 9 && !inner) inner = Run();
  };
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  EXPECT_EQ(inner, SettingsDownload::Result::kBusy);
}

TEST_F(SettingsDownloadTest, LeftButtonMacroIsWrittenAgainInPlace) {
  MacroRecord m = KeyMacro(0, 0);
  m.stepCount = 2;
  m.stepAction[0] = 6;
  m.stepCode[0] = kStepCursorMove;
  m.stepParam[0] = {2, 5};
  m.stepDelay[0] = 10;
  m.stepAction[1] = kActionPress;
  m.stepCode[1] = 0x04;
  m.stepDelay[1] = 10;
  m.xyStepCount = 1;
  groups_.groups = {{KeyMacro(2, 10), m}};
  s_.buttonFunction[0][0] = 257;
  s_.buttonFunction[0][1] = 1;
  EXPECT_FALSE(download_.PrepareLeftButtonRedownload(s_, groups_));  // nothing placed yet
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  auto job = download_.PrepareLeftButtonRedownload(s_, groups_);
  ASSERT_TRUE(job);
  EXPECT_EQ(job->group, 0);
  EXPECT_EQ(job->index, 1);
  EXPECT_EQ(job->address, 1024);
  EXPECT_EQ(job->size, 16u);
  memory_.ops.clear();
  const MacroRecord adjusted = download_.WriteLeftButtonMacro(*job, 1);
  EXPECT_EQ(adjusted.stepParam[0].param2, 6);
  EXPECT_EQ(Writes(), (std::vector<std::pair<uint16_t, int>>{{1024, 8}, {1032, 8}}));
  EXPECT_EQ(Mem(1024, 10), (Bytes{1, 0, 10, 246, 2, 0, 6, 0, 138, 4}));
  s_.buttonFunction[0][0] = 33;
  EXPECT_FALSE(download_.PrepareLeftButtonRedownload(s_, groups_));
}

// The re-download writes where the entries of the mouse point: a download that stopped at the
// placement changed no entry, so it must not change where (or how much) the re-download writes.
TEST_F(SettingsDownloadTest, LeftButtonReDownloadStaysInTheMacroAreaAfterAStoppedDownload) {
  std::vector<MacroRecord> group = {KeyMacro(2, 10)};
  for (int k = 0; k < 6; ++k)
    group.push_back(KeyMacro(275, 200));  // 8192 bytes each: they do not fit
  groups_.groups = {group};
  s_.buttonFunction[0] = {256, 1, 2, 3, 4, 5, 6, 0, 0};
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  s_.buttonFunction[0] = {257, 258, 259, 260, 261, 262, 6, 0, 0};
  ASSERT_EQ(Run(), SettingsDownload::Result::kStopped);

  const auto job = download_.PrepareLeftButtonRedownload(s_, groups_);
  ASSERT_TRUE(job);
  EXPECT_EQ(job->address, 1024);
  EXPECT_EQ(job->size, 8u);  // what the first download placed there
  memory_.ops.clear();
  download_.WriteLeftButtonMacro(*job, 1);
  EXPECT_FALSE(memory_.ops.empty());
  for (const auto& op : memory_.ops) {
    EXPECT_GE(op.address, kMacroAreaStart);
    EXPECT_LE(op.address + op.length, kMacroAreaEnd);
  }
}

// Device slot 1 holding a built-in macro gives the re-download no place of a group macro.
TEST_F(SettingsDownloadTest, NoLeftButtonReDownloadOverABuiltInMacro) {
  groups_.groups = {{KeyMacro(275, 200)}};
  built_ins_.slots[0] = KeyMacro(2, 10);
  s_.buttonFunction[0] = {256, 1, 2, 3, 4, 5, 6, 0, 0};
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  s_.buttonFunction[0][0] = 33;
  ASSERT_EQ(Run(), SettingsDownload::Result::kDone);
  s_.buttonFunction[0][0] = 256;  // changed again, not applied yet
  EXPECT_FALSE(download_.PrepareLeftButtonRedownload(s_, groups_));
}

}  // namespace
}  // namespace devero

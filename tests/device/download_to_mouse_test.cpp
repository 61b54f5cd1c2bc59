// A settings download through the transport into the simulated mouse, checked byte for byte
// against the memory map.
#include <gtest/gtest.h>

#include <vector>

#include "device/settings_download.h"
#include "device/transport_memory.h"
#include "platform/pointer/no_pointer_settings.h"
#include "support/fake_warnings.h"
#include "support/simulated_device.h"

namespace devero {
namespace {

using Bytes = std::vector<uint8_t>;

class NoGroups : public GroupMacroSource {
 public:
  int GroupCount() const override { return 0; }
  int GroupMacroCount(int) const override { return 0; }
  MacroRecord GroupMacro(int, int) const override { return MacroRecord{}; }
};

MacroRecord Shortcut(uint8_t modifier, uint8_t key) {
  MacroRecord m;
  m.repeatCount = 1;
  m.reservedBytes = {0, 10, 0, 0, 0, 0};
  const uint8_t codes[] = {modifier, key, key, modifier};
  const uint8_t actions[] = {1, 1, 2, 2};
  for (int i = 0; i < 4; ++i) {
    m.stepCode[i] = codes[i];
    m.stepAction[i] = actions[i];
    m.stepDelay[i] = 20;
  }
  m.stepCount = 4;
  return m;
}

class DownloadToMouseTest : public ::testing::Test {
 protected:
  DownloadToMouseTest() {
    product_.keyNum = 7;
    for (int i = 0; i < 7; ++i)
      product_.keyMap[i] = static_cast<uint8_t>(i + 1);
    s_.buttonFunction[0] = {1, 2, 3, 4, 5, 16, 17, 0, 0};
    s_.buttonFunction[1] = {1, 2, 3, 24, 23, 19, 20, 0, 0};
    s_.buttonMacro[1][3] = s_.buttonMacro[1][4] = 1;
    s_.buttonFunction[2] = {1, 2, 3, 33, 34, 13, 6, 0, 0};
    s_.buttonFunction[3] = {1, 2, 3, 4, 5, 14, 15, 0, 0};
    for (auto& profile : s_.buttonLedReactEnable)
      profile.fill(1);
    s_.dpiLevel = 1;
    s_.dpiStageValue = {1, 3, 5, 7, 11, 14};
    s_.dpiStageEnabled = {1, 1, 1, 1, 1, 1};
    s_.dpiStageColor = {
        {{0, 15, 15}, {15, 0, 15}, {15, 15, 0}, {0, 0, 15}, {0, 15, 0}, {15, 0, 0}}};
    s_.ledUserColor = {
        {{0, 15, 15}, {0, 8, 15}, {0, 0, 15}, {15, 0, 15}, {15, 15, 0}, {8, 15, 0}, {0, 0, 0}}};
    s_.ledType = 1;
    s_.ledCycleTime = 2;
    s_.ledBrightness = 1;
    s_.cycleColorEnable = {1, 1, 1, 1, 1, 1, 1};
    s_.usbSpeed = 3;
    s_.DeriveReportRateCode();
    s_.fireTime = 50;
    built_ins_.slots[0] = Shortcut(0xE0, 0x06);  // Ctrl+C
    built_ins_.slots[1] = Shortcut(0xE0, 0x19);  // Ctrl+V
    built_ins_.builtInMacroCount = 2;
  }

  void Run(int variant) {
    DownloadContext ctx{s_, product_, variant, built_ins_, rapid_fire_, groups_};
    ASSERT_EQ(download_.Run(ctx), SettingsDownload::Result::kDone);
  }
  Bytes Mouse(uint16_t address, size_t length) { return d_.mouse.ReadMemory(address, length); }

  ProductDescription product_;
  ProfileSettings s_;
  BuiltInMacroTable built_ins_;
  RapidFireTable rapid_fire_;
  NoGroups groups_;
  testing::SimulatedDevice d_;
  TransportMemory memory_{d_.transport};
  testing::FakeWarnings warnings_;
  NoPointerSettings pointer_;
  SettingsDownload download_{memory_, warnings_, pointer_, kVendorId, kRegularProductId};
};

TEST_F(DownloadToMouseTest, SettingsBlockByteForByte) {
  Run(1);
  const Bytes expected = {
      // 0..7: only the identity byte is written for the regular product id
      0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      // 8..16 slots 1..9 of profile 0, 17, 18, 19 DPI bit 4, 20, 21..23 DPI codes
      0x21, 0x22, 0x23, 0x24, 0x25, 0x2B, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x20, 0x08, 0x24, 0x68,
      0xD0,
      // 24 level, 25 enables, 26..27 fire time, 28 lighting, 29 colours, 30 rate, 31
      0x19, 0x3F, 0x06, 0x00, 0x92, 0xFF, 0x00, 0x00,
      // 32..49 colour nibbles, user high and DPI low
      0x00, 0xFF, 0xFF, 0x0F, 0x80, 0xFF, 0x0F, 0x0F, 0xF0, 0xF0, 0x00, 0xFF, 0xF0, 0xFF, 0x00,
      0x8F, 0xF0, 0x00,
      // 50, 51, 52..57, 58, 59..61 slots 10..12, 62, 63, 64..66, 67
      0xFE, 0x3F, 0, 0, 0, 0, 0, 0, 0x0B, 0, 0, 0, 0x00, 0x10, 0, 0, 0, 0x6E,
      // 68..79 profile 1, 80..91 profile 2, 92..95
      0x21, 0x22, 0x23, 0x2F, 0x2F, 0x37, 0x38, 0, 0, 0, 0, 0,  //
      0x21, 0x22, 0x23, 0x2D, 0x2D, 0x28, 0x26, 0, 0, 0, 0, 0,  //
      0, 0, 0, 0,
      // 96..107 profile 3, 108, 109, 110..111 macro end 1056
      0x21, 0x22, 0x23, 0x24, 0x25, 0x29, 0x35, 0, 0, 0, 0, 0, 0, 0, 0x20, 0x04,
      // 112..117 A1..A3, 118, 119, 120..127
      0x28, 0x04, 0x30, 0x04, 0x38, 0x04, 0x41, 0x71, 0xAA, 0x38, 0x04, 0x40, 0x04, 0x20, 0x01,
      0x00};
  ASSERT_EQ(expected.size(), 128u);
  EXPECT_EQ(Mouse(0, 128), expected);
  EXPECT_EQ(d_.mouse.ApplyCount(), 1);
}

TEST_F(DownloadToMouseTest, ButtonEntriesAndMacroImages) {
  Run(1);
  Bytes entries(560, 0);
  auto put = [&](int profile, int slot, Bytes bytes) {
    std::copy(bytes.begin(), bytes.end(), entries.begin() + 10 * (14 * profile + slot - 1));
  };
  put(1, 4, {0, 0, 0xFF, 0x83, 0x01, 0x00, 0x04, 0, 0, 0});   // media 24 at the next address
  put(1, 5, {0, 0, 0xFF, 0x23, 0x02, 0x00, 0x04, 0, 0, 0});   // media 23
  put(2, 4, {0, 4, 0xFF, 0xB7, 0x00, 0x00, 0x04, 0, 10, 0});  // built-in 0, usage index 10
  put(2, 5, {0, 4, 0xFF, 0x00, 0x00, 0x10, 0x04, 0, 10, 0});  // built-in 1
  EXPECT_EQ(Mouse(160, 560), entries);
  EXPECT_EQ(Mouse(1024, 32),
            (Bytes{1, 0, 148, 0xE0, 148, 0x06, 20, 0x06, 20, 0xE0, 0, 0, 0, 0, 0, 0,
                   1, 0, 148, 0xE0, 148, 0x19, 20, 0x19, 20, 0xE0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Mouse(1056, 64), Bytes(64, 0));  // the reserved data areas stay as they were
}

TEST_F(DownloadToMouseTest, AlternativeProductIdGetsTheIdentityBlockAndTheMouseFollowsIt) {
  s_.currentProfile = 2;
  Run(0);
  EXPECT_EQ(Mouse(0, 8), (Bytes{0x5A, 0x43, 0xA5, 0x01, 0x00, 0x09, 0x12, 0x10}));
  EXPECT_EQ(d_.mouse.CurrentProfile(), 2);
  EXPECT_EQ(d_.mouse.product_id(), kRegularProductId);  // repaired
}

TEST_F(DownloadToMouseTest, ASecondDownloadGivesTheSameMemory) {
  Run(1);
  const Bytes first = Mouse(0, 2048);
  Run(1);
  EXPECT_EQ(Mouse(0, 2048), first);
}

}  // namespace
}  // namespace devero

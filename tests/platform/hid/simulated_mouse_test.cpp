#include "platform/hid/simulated_mouse.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/hid/report_descriptor.h"
#include "support/temp_dir.h"

namespace devero::hid {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint16_t kVid = 0x1209;
constexpr uint16_t kPid = 0x0001;

class SimulatedMouseTest : public ::testing::Test {
 protected:
  SimulatedMouseTest()
      : feature_(mouse_.OpenFeatureInterface()), input_(mouse_.OpenInputInterface()) {}

  bool Set(Bytes report) { return feature_->SetFeature(report); }
  Bytes Get() {
    Bytes reply(8, 0);
    reply[0] = 7;
    EXPECT_TRUE(feature_->GetFeature(reply));
    return reply;
  }
  void Stage(uint16_t address, uint8_t position, uint8_t data, uint8_t last) {
    Set({7, 0x18, 0x03, position, uint8_t(address & 0xFF), uint8_t(address >> 8), data, last});
  }
  void Commit(uint16_t address, uint8_t last) {
    Set({7, 0x18, 0x09, 0, uint8_t(address & 0xFF), uint8_t(address >> 8), 0, last});
  }
  uint8_t ReadByte(uint16_t address, uint8_t position) {
    Set({7, 0x18, 0x05, position, uint8_t(address & 0xFF), uint8_t(address >> 8), 0, 7});
    return Get()[1];
  }
  // Every input report waiting now.
  std::vector<Bytes> Drain() {
    std::vector<Bytes> reports;
    for (;;) {
      Bytes r(8, 0);
      const HidReadResult read = input_->ReadInput(r, 0);
      if (read.status != HidReadStatus::kData) break;
      r.resize(read.length);
      reports.push_back(r);
    }
    return reports;
  }

  SimulatedMouse mouse_{{kVid, kPid, 8, 8, {}}};
  std::shared_ptr<HidDevice> feature_;
  std::shared_ptr<HidDevice> input_;
};

TEST_F(SimulatedMouseTest, StagedBytesReachTheMemoryOnlyWithTheCommit) {
  Stage(0x0120, 0, 0xAB, 1);
  Stage(0x0120, 1, 0xCD, 1);
  Set({7, 0x18, 0x00, 0, 0x20, 0x01, 0, 0});
  EXPECT_EQ(mouse_.ReadMemory(0x0120, 2), (Bytes{0, 0}));
  Commit(0x0120, 1);
  EXPECT_EQ(mouse_.ReadMemory(0x0120, 2), (Bytes{0xAB, 0xCD}));
  EXPECT_EQ(ReadByte(0x0120, 1), 0xCD);
  EXPECT_EQ(ReadByte(0x011F, 2), 0xCD);
}

TEST_F(SimulatedMouseTest, RepliesCarryTheProfileInByte6) {
  mouse_.WriteMemory(1, Bytes{0x03 + 2 * 32});
  EXPECT_EQ(mouse_.CurrentProfile(), 2);
  // Read-byte reply: the data in byte 1, the rest echoes the request, profile bits in byte 6.
  mouse_.WriteMemory(8, Bytes{0x01});
  Set({7, 0x18, 0x05, 0, 8, 0, 0, 7});
  EXPECT_EQ(Get(), (Bytes{7, 0x01, 0x05, 0, 8, 0, 2 << 2, 7}));
  // The identity byte written through the memory protocol moves the profile too.
  Stage(1, 0, 0x03 + 3 * 32, 0);
  Commit(1, 0);
  EXPECT_EQ(mouse_.CurrentProfile(), 3);
  EXPECT_EQ((Get()[6] >> 2) & 3, 3);
}

TEST_F(SimulatedMouseTest, ARepairedIdentityBlockChangesTheProductId) {
  SimulatedMouse broken({kVid, 0x0002, 8, 8, {}});
  broken.WriteMemory(0, Bytes{0x5A, 0x03, 0xA5, 0x01, 0x00, 0x09, 0x12});
  EXPECT_EQ(broken.product_id(), 0x0002);  // not complete yet
  broken.WriteMemory(7, Bytes{0x10});
  EXPECT_EQ(broken.product_id(), 0x0001);
  broken.WriteMemory(0, Bytes{0x5A, 0x03, 0xA5, 0x07, 0x00, 0x34, 0x12, 0x10});  // other vendor
  EXPECT_EQ(broken.product_id(), 0x0001);
}

TEST_F(SimulatedMouseTest, RecordsQuickSetsConsumerKeysApplyAndClose) {
  EXPECT_TRUE(Set({7, 0x13, 0x85, 0x92, 0x5B, 0x03, 0x00, 0x02}));
  EXPECT_TRUE(Set({7, 0x14, 0x65, 0x3F, 0, 0, 0, 0}));
  EXPECT_TRUE(Set({7, 0x17, 0x00, 0xE9, 0, 0, 0, 0}));
  EXPECT_TRUE(Set({7, 0x18, 0x10, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(Set({7, 0x20, 0, 0, 0, 0, 0, 0}));
  EXPECT_FALSE(Set({6, 0x20, 0, 0, 0, 0, 0, 0}));  // not its report ID
  EXPECT_EQ(mouse_.LastLightingQuickSet(),
            (std::array<uint8_t, 8>{7, 0x13, 0x85, 0x92, 0x5B, 0x03, 0x00, 0x02}));
  EXPECT_EQ(mouse_.LastDpiColorQuickSet()[2], 0x65);
  EXPECT_EQ(mouse_.ConsumerKeys(), (std::vector<uint16_t>{0x00E9}));
  EXPECT_EQ(mouse_.ApplyCount(), 1);
  EXPECT_EQ(mouse_.CloseReportCount(), 1);
}

// Where the firmware finds the slot byte of each device slot of each profile.
TEST_F(SimulatedMouseTest, ButtonsActOnTheSlotByteOfTheCurrentProfile) {
  struct Case {
    int profile;
    int slot;
    uint16_t address;
  };
  const Case cases[] = {{0, 1, 8},   {0, 8, 15}, {0, 9, 16},  {0, 10, 59}, {0, 12, 61}, {1, 1, 68},
                        {1, 12, 79}, {2, 1, 80}, {2, 12, 91}, {3, 1, 96},  {3, 12, 107}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "profile " << c.profile << " slot " << c.slot);
    mouse_.WriteMemory(0, Bytes(128, 0));
    mouse_.WriteMemory(1, Bytes{uint8_t(0x03 + c.profile * 32)});
    mouse_.WriteMemory(25, Bytes{0x3F});
    // DPI up (11) with the reaction bits set above the function code.
    mouse_.WriteMemory(c.address, Bytes{0x20 | 11});
    Drain();
    mouse_.PressButton(c.slot);
    EXPECT_EQ(Drain(), (std::vector<Bytes>{{6, uint8_t(0xF0 + c.slot), 0x81, 0, 0, 0, 0, 0}}));
  }
}

TEST_F(SimulatedMouseTest, DpiButtonsMoveOverTheEnabledStages) {
  mouse_.WriteMemory(8, Bytes{11, 12, 6});  // slots 1, 2, 3: up, down, cycle
  mouse_.WriteMemory(24, Bytes{0x18 + 1});
  mouse_.WriteMemory(25, Bytes{0b101011});  // stages 0, 1, 3, 5
  struct Step {
    int slot;
    int stage;
  };
  const Step steps[] = {{1, 3}, {1, 5}, {1, 5}, {2, 3}, {3, 5}, {3, 0}, {2, 0}};
  for (const Step& s : steps) {
    Drain();
    mouse_.PressButton(s.slot);
    EXPECT_EQ(mouse_.DpiStage(), s.stage);
    EXPECT_EQ(mouse_.MemoryByte(24), 0x18 + s.stage);
    const auto reports = Drain();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0][2], 0x80 | s.stage);
  }
}

TEST_F(SimulatedMouseTest, ProfileButtonChangesTheProfileAndReportsIt) {
  mouse_.WriteMemory(8 + 3, Bytes{0x20 | 25});   // slot 4 of profile 0: profile 2
  mouse_.WriteMemory(80 + 3, Bytes{0x20 | 23});  // slot 4 of profile 2: profile 0
  mouse_.PressButton(4);
  EXPECT_EQ(mouse_.CurrentProfile(), 2);
  EXPECT_EQ(Drain(), (std::vector<Bytes>{{6, 0xF4, 0x00, 0, 0, 0, 0, 0},
                                         {6, 0xF4, 0x80, 0, 0, 0, 0, 0},
                                         {6, 0x03, 0x00, 0, 0, 0, 0, 0}}));
  mouse_.PressButton(4);
  EXPECT_EQ(mouse_.CurrentProfile(), 0);
}

TEST_F(SimulatedMouseTest, OtherButtonsSendPressAndRelease) {
  mouse_.PressButton(14);  // no slot byte: no function of its own
  EXPECT_EQ(Drain(),
            (std::vector<Bytes>{{6, 0xFE, 0x00, 0, 0, 0, 0, 0}, {6, 0xFE, 0x80, 0, 0, 0, 0, 0}}));
  mouse_.PressButton(0);
  mouse_.PressButton(15);
  EXPECT_TRUE(Drain().empty());
}

TEST_F(SimulatedMouseTest, InputReportsGoToEveryOpenHandleAndAFloodKeepsTheNewest) {
  auto second = mouse_.OpenInputInterface();
  for (int i = 0; i < 200; ++i)
    mouse_.InjectInputReport(Bytes{6, uint8_t(i)});
  const auto first = Drain();
  ASSERT_EQ(first.size(), 64u);
  EXPECT_EQ(first.back(), (Bytes{6, 199}));
  Bytes r(8, 0);
  EXPECT_EQ(second->ReadInput(r, 0).status, HidReadStatus::kData);
  EXPECT_EQ(r[1], 200 - 64);
}

TEST_F(SimulatedMouseTest, UnpluggedHandlesFailForGood) {
  mouse_.SetPresent(false);
  Bytes r(8, 0);
  EXPECT_FALSE(Set({7, 0x20, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(input_->ReadInput(r, -1).status, HidReadStatus::kError);  // at once, no block
  EXPECT_EQ(mouse_.OpenFeatureInterface(), nullptr);
  mouse_.SetPresent(true);
  EXPECT_FALSE(Set({7, 0x20, 0, 0, 0, 0, 0, 0}));
  auto fresh = mouse_.OpenFeatureInterface();
  EXPECT_TRUE(fresh->SetFeature(Bytes{7, 0x20, 0, 0, 0, 0, 0, 0}));
}

TEST_F(SimulatedMouseTest, DescriptorsDeclareTheTwoVendorInterfaces) {
  SimulatedMouse wide({kVid, kPid, 65, 8, {}});
  const auto input = ParseReportDescriptor(wide.InputReportDescriptor());
  const auto feature = ParseReportDescriptor(wide.FeatureReportDescriptor());
  ASSERT_EQ(input.collections.size(), 1u);
  ASSERT_EQ(feature.collections.size(), 1u);
  EXPECT_EQ(input.collections[0].usage_page, 0xFF00);
  EXPECT_EQ(input.collections[0].input_report_length, 8);
  EXPECT_EQ(feature.collections[0].usage_page, 0xFF01);
  EXPECT_EQ(feature.collections[0].usage, 1);
  EXPECT_EQ(feature.collections[0].feature_report_length, 65);
}

TEST(SimulatedMouseFile, MemoryImageSurvivesARestart) {
  testing::TempDir dir;
  const auto image = dir / "mouse.bin";
  {
    SimulatedMouse mouse({kVid, kPid, 8, 8, image});
    EXPECT_EQ(mouse.LoadMemoryFile(), "");  // no file yet: fresh memory
    mouse.WriteMemory(1, Bytes{0x03 + 32});
    mouse.WriteMemory(0xFFFF, Bytes{0x5A});
  }  // saved on exit
  SimulatedMouse again({kVid, kPid, 8, 8, image});
  EXPECT_EQ(again.LoadMemoryFile(), "");
  EXPECT_EQ(again.MemoryByte(0xFFFF), 0x5A);
  EXPECT_EQ(again.CurrentProfile(), 1);
  EXPECT_EQ(std::filesystem::file_size(image), SimulatedMouse::kMemorySize);
  {
    SimulatedMouse forgot_to_load({kVid, kPid, 8, 8, image});
    forgot_to_load.WriteMemory(0xFFFF, Bytes{0x00});
  }
  SimulatedMouse third({kVid, kPid, 8, 8, image});
  EXPECT_EQ(third.LoadMemoryFile(), "");
  EXPECT_EQ(third.MemoryByte(0xFFFF), 0x5A);
}

TEST(SimulatedMouseFile, AnImageOfTheWrongSizeIsRefusedWithAReason) {
  testing::TempDir dir;
  testing::WriteFile(dir / "short.bin", "abc");
  {
    SimulatedMouse mouse({kVid, kPid, 8, 8, dir / "short.bin"});
    EXPECT_NE(mouse.LoadMemoryFile().find("3 bytes instead of 65536"), std::string::npos);
    EXPECT_EQ(mouse.MemoryByte(0), 0);
    mouse.WriteMemory(0, Bytes{1});
  }
  EXPECT_EQ(testing::ReadFile(dir / "short.bin"), "abc");  // the user's file is left alone
  SimulatedMouse nowhere({kVid, kPid, 8, 8, dir / "missing" / "m.bin"});
  nowhere.WriteMemory(0, Bytes{1});
  EXPECT_NE(nowhere.SaveMemoryFile(), "");
}

// A reader blocked on the input interface while other threads write and press (under TSan).
TEST(SimulatedMouseThreads, ReaderBlocksWhileOthersSetFeatureReports) {
  SimulatedMouse mouse({kVid, kPid, 8, 8, {}});
  mouse.WriteMemory(8, Bytes{0x20 | 11});
  auto input = mouse.OpenInputInterface();
  std::atomic<int> received{0};
  std::thread reader([&] {
    Bytes r(8, 0);
    while (received < 100) {
      if (input->ReadInput(r, 1000).status == HidReadStatus::kData) ++received;
    }
  });
  std::thread writer([&] {
    auto feature = mouse.OpenFeatureInterface();
    for (int i = 0; i < 500; ++i) {
      feature->SetFeature(Bytes{7, 0x18, 0x03, 0, 0x00, 0x02, uint8_t(i), 0});
      feature->SetFeature(Bytes{7, 0x18, 0x09, 0, 0x00, 0x02, 0, 0});
    }
  });
  for (int i = 0; i < 100; ++i) {
    mouse.PressButton(1);
    while (received <= i)
      std::this_thread::yield();  // the queue drops what overflows
  }
  writer.join();
  reader.join();
  EXPECT_EQ(received, 100);
  EXPECT_EQ(mouse.MemoryByte(0x200), uint8_t(499));
}

}  // namespace
}  // namespace devero::hid

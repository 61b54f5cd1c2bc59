// The mouse's own buttons against the program: the settings download puts the buttons into
// the simulated mouse, presses on it come back through the event threads to the owner thread.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

#include "app/device_event_handler.h"
#include "app/startup_reads.h"
#include "device/library_group_macros.h"
#include "device/owner_queue.h"
#include "device/poller_thread.h"
#include "device/reader_thread.h"
#include "device/transport_memory.h"
#include "macro/macro_file.h"
#include "platform/ini/ini_file.h"
#include "platform/pointer/no_pointer_settings.h"
#include "support/fake_file_chooser.h"
#include "support/fake_macro_page_view.h"
#include "support/fake_warnings.h"
#include "support/owner_pump.h"
#include "support/simulated_device.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

class DeviceEventHandlerTest : public ::testing::Test {
 protected:
  DeviceEventHandlerTest() {
    testing::InstallFactoryData(root_.path());
    RunStartupReads(paths_, product_, settings_, warnings_);
    library_.LoadLibrary();
    ReadBuiltInMacroFile(paths_.BuiltInMacroFile(), *macros_, warnings_, 1);
  }

  void Download() {
    const LibraryGroupMacros groups(library_);
    DownloadContext ctx{settings_, product_, 1, macros_->builtInMacroTable, macros_->rapidFireTable,
                        groups};
    ASSERT_EQ(download_.Run(ctx), SettingsDownload::Result::kDone);
  }

  void StartThreads() {
    reader_.Start();
    poller_.Start();
  }

  bool PumpUntil(const std::function<bool()>& done) { return testing::PumpUntil(owner_, done); }

  int FileInt(std::u16string_view section, std::u16string_view key) {
    return ini::ReadInt(paths_.ProductFile(), section, key, 5);
  }

  testing::TempDir root_;
  RuntimePaths paths_{root_.path()};
  ProductDescription product_;
  ProfileSettings settings_;
  testing::FakeWarnings warnings_;
  ProfileStore store_{settings_, warnings_};
  std::unique_ptr<MacroState> macros_ = std::make_unique<MacroState>();
  MacroLibraryState library_state_;
  testing::FakeFileChooser chooser_;
  VirtualClock library_clock_;
  testing::FakeMacroPageView page_;
  testing::FakeRecording recording_;
  MacroLibrary library_{*macros_, library_state_, paths_, warnings_,
                        chooser_, library_clock_, page_,  recording_};
  testing::SimulatedDevice d_;
  TransportMemory memory_{d_.transport};
  NoPointerSettings pointer_;
  SettingsDownload download_{memory_, warnings_, pointer_, kVendorId, kRegularProductId};
  OwnerQueue owner_;
  int repaints_ = 0;
  DeviceEventHandler handler_{settings_, product_, store_, paths_,
                              download_, library_, owner_, [this] { ++repaints_; }};
  DeviceEventFlags flags_;
  RealClock pace_;
  DeviceEventContext ctx_{d_.link, d_.transport, flags_, owner_, handler_, pace_};
  ReaderThread reader_{ctx_};
  PollerThread poller_{ctx_};
};

TEST_F(DeviceEventHandlerTest, DpiButtonsOnTheMouseAreRecorded) {
  ASSERT_EQ(settings_.buttonFunction[0][5], 16);  // factory profile 0: DPI up on slot 6
  settings_.dpiLevel = 1;
  Download();
  StartThreads();
  d_.mouse.PressButton(6);
  ASSERT_TRUE(PumpUntil([&] { return settings_.dpiLevel == 2; }));
  ASSERT_TRUE(PumpUntil([&] { return FileInt(u"ShareData", u"DPI_LEVEL") == 2; }));
  EXPECT_GT(repaints_, 0);
  d_.mouse.PressButton(7);  // DPI down
  ASSERT_TRUE(PumpUntil([&] { return settings_.dpiLevel == 1; }));
  ASSERT_TRUE(PumpUntil([&] { return FileInt(u"ShareData", u"DPI_LEVEL") == 1; }));
}

TEST_F(DeviceEventHandlerTest, ProfileButtonsSwitchAndReloadTheProfile) {
  settings_.buttonFunction[0][3] = 22;  // slot 4 switches to profile 3
  settings_.buttonFunction[3][3] = 19;  // and back
  Download();
  store_.SaveAll(paths_.ProductFile());
  StartThreads();
  d_.mouse.PressButton(4);
  ASSERT_TRUE(PumpUntil([&] { return settings_.currentProfile == 3; }));
  ASSERT_TRUE(PumpUntil([&] { return FileInt(u"Init", u"CurConfig") == 3; }));
  EXPECT_EQ(d_.mouse.CurrentProfile(), 3);
  // The profile was loaded from the file: profile 3's rapid fire on slot 6 is in the record.
  EXPECT_EQ(settings_.buttonFunction[3][5], 14);
  d_.mouse.PressButton(4);
  ASSERT_TRUE(PumpUntil([&] { return settings_.currentProfile == 0; }));
}

TEST_F(DeviceEventHandlerTest, MultimediaButtonsAreAnsweredWithTheirConsumerKey) {
  settings_.buttonFunction[0][4] = 26;  // index 3: usage 0x00E9
  settings_.buttonMacro[0][4] = 1;
  Download();
  StartThreads();
  d_.mouse.PressButton(5);
  ASSERT_TRUE(PumpUntil([&] { return !d_.mouse.ConsumerKeys().empty(); }));
  EXPECT_EQ(d_.mouse.ConsumerKeys(), (std::vector<uint16_t>{0x00E9}));
}

TEST_F(DeviceEventHandlerTest, TheLeftButtonsCursorMovesFollowTheMouse) {
  // Macro 0 of the loaded group gets a cursor move and goes on the first button.
  ASSERT_EQ(library_state_.loadedGroup, 0);
  MacroRecord& m = macros_->macroTable.slots[0];
  m.stepCount = 1;
  m.stepAction[0] = 6;
  m.stepCode[0] = kStepCursorMove;
  m.stepParam[0] = {4, 7};
  m.stepDelay[0] = 20;
  m.xyStepCount = 1;
  m.ledDataCount = 0;
  m.dpiStepCount = 0;
  settings_.buttonFunction[0][0] = 256;
  Download();
  const uint16_t address = download_.left_button_macro_address();
  ASSERT_GE(address, 1024);
  EXPECT_EQ(d_.mouse.ReadMemory(address, 8), (std::vector<uint8_t>{1, 0, 20, 246, 4, 0, 7, 0}));
  StartThreads();
  const uint8_t larger[] = {6, 1, 0};
  d_.mouse.InjectInputReport(larger);
  ASSERT_TRUE(PumpUntil([&] { return d_.mouse.MemoryByte(address + 6) == 8; }));
  ASSERT_TRUE(PumpUntil([&] { return macros_->macroTable.slots[0].stepParam[0].param2 == 8; }));
  const auto path = library_.GroupFilePath(0);
  ASSERT_TRUE(path);
  auto stored = ReadMacroFromFile(*path, 0, 1);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->stepParam[0].param2, 8);
  const uint8_t smaller[] = {6, 2, 0};
  d_.mouse.InjectInputReport(smaller);
  ASSERT_TRUE(PumpUntil([&] { return d_.mouse.MemoryByte(address + 6) == 7; }));
}

}  // namespace
}  // namespace devero

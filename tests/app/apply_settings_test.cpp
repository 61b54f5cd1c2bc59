#include <gtest/gtest.h>

#include <memory>

#include "app/apply_settings.h"
#include "app/startup_reads.h"
#include "device/library_group_macros.h"
#include "macro/headless_macro_library.h"
#include "macro/macro_file.h"
#include "platform/ini/ini_file.h"
#include "platform/pointer/no_pointer_settings.h"
#include "support/fake_device_memory.h"
#include "support/fake_warnings.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

class ApplySettingsTest : public ::testing::Test {
 protected:
  ApplySettingsTest() {
    testing::InstallFactoryData(root_.path());
    RunStartupReads(paths_, product_, settings_, warnings_);
    headless_.library.LoadLibrary();
  }

  SettingsDownload::Result Apply(int row) {
    const LibraryGroupMacros groups(headless_.library);
    DownloadContext ctx{settings_,
                        product_,
                        1,
                        headless_.macros->builtInMacroTable,
                        headless_.macros->rapidFireTable,
                        groups};
    return ApplySettings(save_, download_, ctx, headless_.library, row, paths_.ProductFile());
  }

  testing::TempDir root_;
  RuntimePaths paths_{root_.path()};
  ProductDescription product_;
  ProfileSettings settings_;
  testing::FakeWarnings warnings_;
  HeadlessMacroLibrary headless_{paths_, warnings_};
  testing::FakeDeviceMemory memory_;
  NoPointerSettings pointer_;
  SettingsDownload download_{memory_, warnings_, pointer_, 0x1209, 0x0001};
  BackgroundSave save_;
};

TEST_F(ApplySettingsTest, SavesTheSelectedMacroAndTheProfilesAndDownloads) {
  headless_.library.RebuildGroupList();  // the macro page is shown
  headless_.library.SelectRow(0);        // expands group 0
  headless_.library.SelectRow(1);        // its first macro
  ASSERT_EQ(headless_.state.selectedRow, 1);
  headless_.macros->macroTable.slots[0].stepDelay[0] = 777;  // edited, not yet saved
  settings_.currentProfile = 2;
  settings_.buttonFunction[2][6] = 16;
  ASSERT_EQ(Apply(1), SettingsDownload::Result::kDone);
  ASSERT_TRUE(save_.Wait());
  const auto saved = ReadMacroFromFile(*headless_.library.GroupFilePath(0), 0, 1);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->stepDelay[0], 777);
  EXPECT_EQ(ini::ReadInt(paths_.ProductFile(), u"Init", u"CurConfig", 5), 2);
  EXPECT_EQ(ini::ReadInt(paths_.ProductFile(), u"Config2", u"K6", 5), 16);
  EXPECT_EQ(memory_.memory[1], 0x03 + 2 * 32);
}

TEST_F(ApplySettingsTest, AGroupRowSavesNoMacro) {
  headless_.library.RebuildGroupList();
  headless_.library.SelectRow(0);
  const std::string before = testing::ReadFile(*headless_.library.GroupFilePath(0));
  headless_.macros->macroTable.slots[0].stepDelay[0] = 777;
  ASSERT_EQ(Apply(0), SettingsDownload::Result::kDone);
  ASSERT_TRUE(save_.Wait());
  EXPECT_EQ(testing::ReadFile(*headless_.library.GroupFilePath(0)), before);
}

TEST_F(ApplySettingsTest, IgnoredWhileADownloadRuns) {
  std::optional<SettingsDownload::Result> inner;
  download_.progress = [&](int step, int) {
    if (step == 5 && !inner) {
      settings_.dpiLevel = 4;  // this Apply must neither save nor download
      inner = Apply(-1);
    }
  };
  ASSERT_EQ(Apply(-1), SettingsDownload::Result::kDone);
  ASSERT_TRUE(save_.Wait());
  EXPECT_EQ(inner, SettingsDownload::Result::kBusy);
  EXPECT_EQ(ini::ReadInt(paths_.ProductFile(), u"ShareData", u"DPI_LEVEL", 5), 1);
}

}  // namespace
}  // namespace devero

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "platform/clock/virtual_clock.h"
#include "platform/ini/ini_file.h"
#include "profile/background_save.h"
#include "profile/profile_transfer.h"
#include "support/fake_file_chooser.h"
#include "support/fake_warnings.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

using testing::FakeFileChooser;
using testing::FakeWarnings;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

std::string ProfileFile(int k0, int dpi_level) {
  std::string text = "[Init]\r\nVER_SEL=0\r\nCurConfig=1\r\n";
  for (int n = 0; n < 4; ++n) {
    text += "[Config" + std::to_string(n) + "]\r\nK0=" + std::to_string(k0 + n) +
            "\r\nLED_REACT_EN0=0\r\nWHEEL_STATUS=4\r\n";
  }
  return text + "[ShareData]\r\nDPI_LEVEL=" + std::to_string(dpi_level) +
         "\r\nLED_USER_COLER_EN=0\r\nDPI_SET0=1234567890123\r\n";
}

class ProfileTransferTest : public ::testing::Test {
 protected:
  static ProfilePaths MakePaths(const TempDir& dir) {
    std::filesystem::create_directories(dir / "skins" / "config");
    ProfilePaths paths;
    paths.module_directory = dir.path();
    paths.config_directory = Path((dir / "skins" / "config").native() + "/");
    paths.product_file = dir / "skins" / "config" / "config.ini";
    WriteFile(paths.product_file, ProfileFile(10, 1));
    return paths;
  }
  Path ResetFile() const { return paths_.config_directory.native() + "configReset.ini"; }

  TempDir dir_;
  ProfilePaths paths_ = MakePaths(dir_);
  ProfileSettings settings_;
  FakeWarnings warnings_;
  FakeFileChooser chooser_;
  VirtualClock clock_;
  BackgroundSave background_;
  ProfileStore store_{settings_, warnings_};
  ProfileTransfer transfer_{store_, background_, warnings_, chooser_, clock_, paths_};
};

TEST_F(ProfileTransferTest, ImportCopiesTheWholeFileAndLoadsItsProfiles) {
  const Path chosen = dir_ / "mine.ini";
  WriteFile(chosen, ProfileFile(20, 3));
  chooser_.answers.push_back(chosen);
  settings_.currentProfile = 2;
  EXPECT_TRUE(transfer_.Import());
  ASSERT_EQ(chooser_.requests.size(), 1u);
  EXPECT_EQ(chooser_.requests[0].mode, FileChoiceRequest::Mode::kOpen);
  EXPECT_EQ(chooser_.requests[0].filter, u"All Files(*.ini)|*.ini||");
  EXPECT_EQ(chooser_.requests[0].initial_directory, dir_.path());
  EXPECT_EQ(ReadFile(paths_.product_file), ProfileFile(20, 3));
  for (int n = 0; n < 4; ++n)
    EXPECT_EQ(settings_.buttonFunction[n][0], 20 + n);
  EXPECT_EQ(settings_.dpiLevel, 3);
  EXPECT_EQ(settings_.currentProfile, 2);  // [Init] is not read again
  EXPECT_TRUE(warnings_.warnings.empty());
}

TEST_F(ProfileTransferTest, ImportOfAFileWithoutAProfileLoadsZeros) {
  const Path chosen = dir_ / "partial.ini";
  WriteFile(chosen, "[Config0]\r\nK0=5\r\n");
  chooser_.answers.push_back(chosen);
  settings_.buttonFunction[1][0] = 9;
  settings_.buttonLedReactType[1][3] = 2;
  EXPECT_TRUE(transfer_.Import());
  EXPECT_EQ(settings_.buttonFunction[1][0], 0);
  EXPECT_EQ(settings_.buttonLedReactType[1][3], 0);
  EXPECT_EQ(settings_.buttonLedReactEnable[1][3], 1);
}

TEST_F(ProfileTransferTest, ImportRefusals) {
  chooser_.answers.push_back(std::nullopt);  // cancelled
  EXPECT_FALSE(transfer_.Import());
  EXPECT_TRUE(warnings_.warnings.empty());
  chooser_.answers.push_back(dir_ / "missing.ini");
  EXPECT_FALSE(transfer_.Import());
  EXPECT_EQ(warnings_.warnings, std::vector<std::u16string>{u"Error "});
  // A directory passes for no file at all; the product file stays.
  chooser_.answers.push_back(dir_.path());
  EXPECT_FALSE(transfer_.Import());
  EXPECT_EQ(warnings_.warnings.size(), 2u);
  EXPECT_EQ(ReadFile(paths_.product_file), ProfileFile(10, 1));
}

TEST_F(ProfileTransferTest, ImportThatCannotReplaceTheProductFileSaysSo) {
  const Path chosen = dir_ / "mine.ini";
  WriteFile(chosen, ProfileFile(20, 3));
  chooser_.answers.push_back(chosen);
  std::filesystem::remove_all(dir_ / "skins");  // nowhere to copy to
  settings_.buttonFunction[0][0] = 77;
  EXPECT_FALSE(transfer_.Import());
  EXPECT_EQ(warnings_.warnings, std::vector<std::u16string>{u"Error "});
  EXPECT_EQ(settings_.buttonFunction[0][0], 77);
}

TEST_F(ProfileTransferTest, ExportCopiesTheFileOnDiskAndWaits) {
  const Path target = dir_ / "out.ini";
  chooser_.answers.push_back(target);
  settings_.buttonFunction[0][0] = 99;  // not yet saved: not exported
  EXPECT_TRUE(transfer_.Export());
  EXPECT_EQ(ReadFile(target), ProfileFile(10, 1));
  EXPECT_EQ(clock_.Sleeps(), std::vector<int>{10});
  const FileChoiceRequest& r = chooser_.requests.at(0);
  EXPECT_EQ(r.mode, FileChoiceRequest::Mode::kSave);
  EXPECT_EQ(r.default_extension, u"ini");
  EXPECT_TRUE(r.overwrite_prompt);
  EXPECT_TRUE(warnings_.warnings.empty());
}

TEST_F(ProfileTransferTest, ExportFailureIsReportedEvenOverAnOldFile) {
  chooser_.answers.push_back(std::nullopt);
  EXPECT_FALSE(transfer_.Export());
  EXPECT_TRUE(warnings_.warnings.empty());

  const Path old_target = dir_ / "old.ini";
  WriteFile(old_target, "old");
  std::filesystem::remove(paths_.product_file);  // nothing to copy
  chooser_.answers.push_back(old_target);
  chooser_.answers.push_back(dir_ / "no" / "dir.ini");
  EXPECT_FALSE(transfer_.Export());
  EXPECT_FALSE(transfer_.Export());
  EXPECT_EQ(warnings_.warnings, (std::vector<std::u16string>{u"Error", u"Error"}));
  EXPECT_EQ(ReadFile(old_target), "old");
}

TEST_F(ProfileTransferTest, ResetSavesTheFactoryProfilesAsTheStoreTransformsThem) {
  WriteFile(ResetFile(), ProfileFile(30, 2));
  settings_.currentProfile = 3;
  transfer_.Reset();
  for (int n = 0; n < 4; ++n)
    EXPECT_EQ(settings_.buttonFunction[n][0], 30 + n);
  EXPECT_EQ(settings_.dpiLevel, 2);
  EXPECT_EQ(settings_.currentProfile, 3);
  const ini::IniDocument saved = ini::Load(paths_.product_file);
  EXPECT_EQ(saved.GetInt(u"Init", u"CurConfig", 5), 1);  // untouched
  for (int n = 0; n < 4; ++n) {
    const std::u16string section = u"Config" + std::u16string(1, char16_t(u'0' + n));
    EXPECT_EQ(saved.GetInt(section, u"K0", 5), 30 + n);
    EXPECT_EQ(saved.GetInt(section, u"LED_REACT_EN0", 5), 1);
    EXPECT_EQ(saved.GetInt(section, u"WHEEL_STATUS", 5), 0);
  }
  EXPECT_EQ(saved.GetInt(u"ShareData", u"LED_USER_COLER_EN", 5), 1);
  EXPECT_EQ(saved.Get(u"ShareData", u"DPI_SET0", u"", 20), u"21");  // 123456789 & 0xFF
  EXPECT_TRUE(warnings_.warnings.empty());
}

TEST_F(ProfileTransferTest, ResetWithoutFactoryFileWarnsFourTimesAndKeepsTheSettings) {
  settings_.buttonFunction[2][0] = 42;
  transfer_.Reset();
  EXPECT_EQ(warnings_.warnings, std::vector<std::u16string>(4, u"Error：ConfigReset.ini"));
  EXPECT_EQ(settings_.buttonFunction[2][0], 42);
  EXPECT_EQ(ini::Load(paths_.product_file).GetInt(u"Config2", u"K0", 5), 42);
}

TEST_F(ProfileTransferTest, ImportWaitsForARunningBackgroundSave) {
  const Path chosen = dir_ / "mine.ini";
  WriteFile(chosen, ProfileFile(20, 3));
  chooser_.answers.push_back(chosen);
  std::atomic<bool> release{false};
  settings_.buttonFunction[0][0] = 55;
  background_.Start(settings_, paths_.product_file, [&] {
    while (!release)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
  });
  std::thread releaser([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    release = true;
  });
  EXPECT_TRUE(transfer_.Import());
  releaser.join();
  // The save ran to its end before the import copied: the imported file is what stays.
  EXPECT_EQ(ReadFile(paths_.product_file), ProfileFile(20, 3));
  EXPECT_EQ(settings_.buttonFunction[0][0], 20);
}

}  // namespace
}  // namespace devero

#include <gtest/gtest.h>

#include <string>

#include "platform/ini/ini_file.h"
#include "profile/profile_store.h"
#include "support/fake_warnings.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

using testing::FakeWarnings;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

class ProfileStoreTest : public ::testing::Test {
 protected:
  Path Dir() const { return Path(dir_.path().native() + "/"); }
  Path File() const { return dir_ / "config.ini"; }
  void Write(const std::string& text) { WriteFile(File(), text); }
  void Load(int n) { store_.LoadProfile(Dir(), n, false); }

  TempDir dir_;
  ProfileSettings settings_;
  FakeWarnings warnings_;
  ProfileStore store_{settings_, warnings_};
};

TEST_F(ProfileStoreTest, LoadsSlotsInTheirRoomsAndForcesTheFixedFields) {
  Write(
      "[Config2]\r\nK0=123456\r\nK1=16\r\nLEFT_MAC1=1\r\nLED_REACT_TYPE1=3\r\n"
      "LED_REACT_EN1=0\r\nWHEEL_STATUS=5\r\n"
      "[ShareData]\r\nDPI_LEVEL=5\r\nDPI_SET3=300\r\nDPI_SET_EN3=7\r\nDPI_SET_EN4=0\r\n"
      "DPI3_R=123456789012\r\nLED_TYPE=268\r\nLED_USER_COLER_EN=0\r\n"
      "LED_FEATURE_SCOLOR=9\r\nCYC_7COL_EN=5\r\nUSB_SPEED=2\r\nFIRE_TIME=300\r\n");
  settings_.ledFeatureScolor = 0;
  Load(2);
  EXPECT_EQ(settings_.buttonFunction[2][0], 1234);
  EXPECT_EQ(settings_.buttonFunction[2][1], 16);
  EXPECT_EQ(settings_.buttonMacro[2][1], 1);
  EXPECT_EQ(settings_.buttonLedReactType[2][1], 3);
  for (int j = 0; j < kSlotCount; ++j)
    EXPECT_EQ(settings_.buttonLedReactEnable[2][j], 1);
  EXPECT_EQ(settings_.wheelStatus, 0);
  EXPECT_EQ(settings_.dpiLevel, 5);
  EXPECT_EQ(settings_.dpiStageValue[3], 44);  // low 8 bits of 300
  EXPECT_EQ(settings_.dpiStageEnabled[3], 1);
  EXPECT_EQ(settings_.dpiStageEnabled[4], 0);
  EXPECT_EQ(settings_.dpiStageColor[3].r, 123456789);  // nine characters
  EXPECT_EQ(settings_.dpiStageColorRef[3], ColorRefFromLevels(settings_.dpiStageColor[3]));
  EXPECT_EQ(settings_.ledType, 12);  // low 8 bits of 268
  EXPECT_EQ(settings_.ledUserColorEnable, 1);
  EXPECT_EQ(settings_.ledFeatureScolor, 0);
  EXPECT_EQ(settings_.cycleColorMask, 5);
  EXPECT_EQ((std::array<int32_t, 7>{1, 0, 1, 0, 0, 0, 0}), settings_.cycleColorEnable);
  EXPECT_EQ(settings_.usbSpeed, 2);
  EXPECT_EQ(settings_.reportRateCode, 1);
  EXPECT_EQ(settings_.fireTime, 300);
  EXPECT_TRUE(warnings_.warnings.empty());
}

TEST_F(ProfileStoreTest, MissingKeysReadAsZero) {
  Write("[Config1]\r\n[ShareData]\r\nLED_CYC_TIME=3\r\n");
  settings_.buttonFunction[1][4] = 9;
  settings_.fireTime = 77;
  settings_.ledCycleTime = 4;
  Load(1);
  EXPECT_EQ(settings_.buttonFunction[1][4], 0);
  EXPECT_EQ(settings_.buttonLedReactEnable[1][4], 1);
  EXPECT_EQ(settings_.fireTime, 0);
  EXPECT_EQ(settings_.ledCycleTime, 0);  // only LED_CYCTIME is read
  EXPECT_EQ(settings_.reportRateCode, 7);
}

TEST_F(ProfileStoreTest, LoadingAnyProfileReplacesEverySharedSetting) {
  Write("[ShareData]\r\nDPI_LEVEL=2\r\nDPI_SPEED=9\r\n");
  settings_.dpiLevel = 4;
  settings_.dpiSpeed = 3;
  settings_.wheelSpeed = 8;
  settings_.buttonFunction[0][0] = 1;
  Load(3);
  EXPECT_EQ(settings_.dpiLevel, 2);
  EXPECT_EQ(settings_.dpiSpeed, 9);
  EXPECT_EQ(settings_.wheelSpeed, 0);
  EXPECT_EQ(settings_.buttonFunction[0][0], 1);  // other profiles' slots stay
}

TEST_F(ProfileStoreTest, MissingFileIsReportedAndChangesNothing) {
  settings_.dpiLevel = 3;
  Load(0);
  store_.LoadProfile(Dir(), 0, true);
  ASSERT_EQ(warnings_.warnings.size(), 2u);
  EXPECT_EQ(warnings_.warnings[0], u"Error：Config.ini");
  EXPECT_EQ(warnings_.warnings[0].size(), 16u);
  EXPECT_EQ(warnings_.warnings[1], u"Error：ConfigReset.ini");
  EXPECT_EQ(warnings_.warnings[1].size(), 21u);
  EXPECT_EQ(settings_.dpiLevel, 3);
}

TEST_F(ProfileStoreTest, SaveWritesEveryKeyInOrderAndLoadGivesItBack) {
  ProfileSettings& s = settings_;
  for (int n = 0; n < kProfileCount; ++n) {
    for (int j = 0; j < kSlotCount; ++j) {
      s.buttonFunction[n][j] = n * 100 + j;
      s.buttonMacro[n][j] = j % 2;
      s.buttonLedReactEnable[n][j] = 0;
      s.buttonLedReactType[n][j] = j % 4;
    }
  }
  s.wheelStatus = 3;
  s.dpiLevel = 4;
  s.dpiStageValue = {0, 3, 5, 7, 11, 16};
  s.dpiStageEnabled = {1, 0, 1, 0, 1, 0};
  for (int i = 0; i < kDpiStageCount; ++i)
    s.dpiStageColor[i] = {i, 15 - i, 7};
  for (int k = 0; k < kUserColorCount; ++k)
    s.ledUserColor[k] = {k, k, 15 - k};
  s.ledType = 12;
  s.ledTypeSwitchEnable = {1, 0, 1, 0, 1, 0, 1, 0, 1, 0};
  s.ledCycleTime = 5;
  s.ledUserColorEnable = 0;
  s.ledFeatureSymmetry = 1;
  s.ledFeatureDirection = 3;
  s.ledBrightness = 6;
  s.cycleColorEnable = {1, 1, 0, 0, 1, 0, 1};
  s.cycleColorMask = 0;
  s.dpiSpeed = 11;
  s.wheelSpeed = 4;
  s.usbSpeed = 1;
  s.fireTime = -8;
  s.currentProfile = 2;
  ASSERT_TRUE(store_.SaveAll(File()));

  EXPECT_EQ(s.wheelStatus, 0);
  EXPECT_EQ(s.ledUserColorEnable, 1);
  EXPECT_EQ(s.cycleColorMask, 0x53);

  const std::string text = ReadFile(File());
  EXPECT_EQ(text.find("[Init]\r\nCurConfig=2\r\n[Config0]\r\nK0=0\r\nLED_REACT_EN0=1\r\n"
                      "LEFT_MAC0=0\r\nLED_REACT_TYPE0=0\r\nK1=1\r\n"),
            0u);
  EXPECT_NE(text.find("LED_REACT_TYPE8=0\r\nWHEEL_STATUS=0\r\n[ShareData]\r\nDPI_LEVEL=4\r\n"
                      "LED_USER_COLER_EN=1\r\nCYC_7COL_EN=83\r\nDPI_SET0=0\r\nDPI_SET_EN0=1\r\n"
                      "DPI0_R=0\r\nDPI0_G=15\r\nDPI0_B=7\r\nDPI_SET1=3\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("LED_USER6_B=9\r\nLED_TYPE=12\r\nLED_TYPE_SW_EN0=1\r\n"), std::string::npos);
  EXPECT_NE(text.find("LED_TYPE_SW_EN9=0\r\nLED_CYC_TIME=5\r\nLED_FEATURE_SCOLOR=0\r\n"
                      "LED_FEATURE_SYMMETRY=1\r\nLED_FEATURE_DIREC=3\r\nLED_BRIGHT=6\r\n"
                      "LED_CYCTIME=5\r\nDPI_SPEED=11\r\nWHEEL_SPEED=4\r\nUSB_SPEED=1\r\n"
                      "FIRE_TIME=-8\r\n"),
            std::string::npos);

  ProfileSettings loaded;
  FakeWarnings quiet;
  ProfileStore other(loaded, quiet);
  for (int n = 0; n < kProfileCount; ++n)
    other.LoadProfile(Dir(), n, false);
  EXPECT_EQ(loaded.buttonFunction, s.buttonFunction);
  EXPECT_EQ(loaded.buttonMacro, s.buttonMacro);
  EXPECT_EQ(loaded.buttonLedReactType, s.buttonLedReactType);
  EXPECT_EQ(loaded.dpiStageValue, s.dpiStageValue);
  EXPECT_EQ(loaded.dpiStageEnabled, s.dpiStageEnabled);
  for (int i = 0; i < kDpiStageCount; ++i) {
    EXPECT_EQ(loaded.dpiStageColorRef[i], ColorRefFromLevels(s.dpiStageColor[i]));
  }
  for (int k = 0; k < kUserColorCount; ++k) {
    EXPECT_EQ(loaded.ledUserColorRef[k], ColorRefFromLevels(s.ledUserColor[k]));
  }
  EXPECT_EQ(loaded.cycleColorEnable, (std::array<int32_t, 7>{1, 1, 0, 0, 1, 0, 1}));
  EXPECT_EQ(loaded.ledCycleTime, 5);
  EXPECT_EQ(loaded.fireTime, -8);
  EXPECT_EQ(loaded.reportRateCode, 3);
  EXPECT_EQ(ReadCurrentProfile(ini::Load(File())), 2);
}

TEST_F(ProfileStoreTest, SaveKeepsTheRestOfTheFile) {
  Write("[PRODUCTNAME]\r\nPRODUCTNAME_EN=Mouse\r\n[Config1]\r\nK0=4\r\n; note\r\n");
  settings_.buttonFunction[1][0] = 7;
  ASSERT_TRUE(store_.SaveProfile(File(), 1));
  const std::string text = ReadFile(File());
  EXPECT_EQ(text.find("[PRODUCTNAME]\r\nPRODUCTNAME_EN=Mouse\r\n[Config1]\r\nK0=7\r\n"), 0u);
  EXPECT_NE(text.find("; note\r\n"), std::string::npos);
  EXPECT_EQ(text.find("[Config0]"), std::string::npos);
}

TEST_F(ProfileStoreTest, RecordsCurrentProfileAndDpiLevel) {
  Write("[Init]\r\nVER_SEL=1\r\nCurConfig=0\r\n");
  settings_.currentProfile = 3;
  settings_.dpiLevel = 5;
  ASSERT_TRUE(store_.RecordCurrentProfile(File()));
  ASSERT_TRUE(store_.RecordDpiLevel(File()));
  EXPECT_EQ(ReadFile(File()),
            "[Init]\r\nVER_SEL=1\r\nCurConfig=3\r\n[ShareData]\r\nDPI_LEVEL=5\r\n");
}

TEST_F(ProfileStoreTest, ProfileNumbersOutsideTheTablesAreRefused) {
  Write("[Config4]\r\nK0=9\r\n[ShareData]\r\nDPI_LEVEL=3\r\n");
  Load(4);
  Load(-1);
  EXPECT_EQ(settings_.dpiLevel, 0);
  EXPECT_FALSE(store_.SaveProfile(File(), 4));
  for (const char* value : {"7", "-1", "4", "x"}) {
    EXPECT_EQ(
        ReadCurrentProfile(ini::IniDocument::Parse(std::string("[Init]\nCurConfig=") + value)), 0)
        << value;
  }
  EXPECT_EQ(ReadCurrentProfile(ini::IniDocument::Parse("[Init]\nCurConfig=3")), 3);
}

}  // namespace
}  // namespace devero

#include <gtest/gtest.h>

#include <climits>

#include "profile/profile_settings.h"

namespace devero {
namespace {

TEST(ColorLevels, LevelsAndChannelsConvertBothWays) {
  struct Case {
    int level;
    int channel;
  };
  for (const Case& c : {Case{0, 255}, Case{15, 15}, Case{7, 143}, Case{1, 239}}) {
    EXPECT_EQ(ChannelFromLevel(c.level), c.channel) << c.level;
  }
  for (const Case& c : {Case{15, 0}, Case{14, 16}, Case{0, 255}, Case{15, 15}, Case{7, 143}}) {
    EXPECT_EQ(LevelFromChannel(c.channel), c.level) << c.channel;
  }
}

TEST(ColorLevels, AnyLevelAFileHoldsGivesAByte) {
  EXPECT_EQ(ChannelFromLevel(16), 0xFF);  // 256 wraps to 0 before the inversion
  EXPECT_EQ(ChannelFromLevel(-1), 0x0F);
  EXPECT_EQ(ChannelFromLevel(INT_MAX), 0x0F);
  EXPECT_EQ(ChannelFromLevel(INT_MIN), 0xFF);
}

TEST(ColorLevels, ColorRefHasRedInTheLowByte) {
  EXPECT_EQ(ColorRefFromLevels({0, 15, 15}), 0x0F0FFFu);
  EXPECT_EQ(ColorRefFromLevels({15, 0, 7}), 0x8FFF0Fu);
}

TEST(ProfileSettings, PickedColourStoresLevelsAndDisplayColour) {
  ProfileSettings s;
  s.SetDpiStageColorFromRgb(2, 0x10FF00);  // r 0, g 255, b 16
  EXPECT_EQ(s.dpiStageColor[2].r, 15);
  EXPECT_EQ(s.dpiStageColor[2].g, 0);
  EXPECT_EQ(s.dpiStageColor[2].b, 14);
  EXPECT_EQ(s.dpiStageColorRef[2], ColorRefFromLevels({15, 0, 14}));
  s.SetUserColorFromRgb(6, 0xFFFFFF);
  EXPECT_EQ(s.ledUserColorRef[6], 0xFFFFFFu);
  const ProfileSettings before = s;
  s.SetDpiStageColorFromRgb(6, 0);  // no such stage: nothing lands
  s.SetUserColorFromRgb(7, 0);
  s.SetUserColorFromRgb(-1, 0);
  EXPECT_EQ(s.dpiStageColorRef, before.dpiStageColorRef);
  EXPECT_EQ(s.ledUserColorRef, before.ledUserColorRef);
}

TEST(ProfileSettings, ReportRateCodeFollowsUsbSpeed) {
  struct Case {
    int usb_speed;
    int code;
  };
  for (const Case& c : {Case{3, 0}, Case{2, 1}, Case{1, 3}, Case{0, 7}, Case{4, 7}, Case{255, 7}}) {
    EXPECT_EQ(ReportRateCodeFor(c.usb_speed), c.code) << c.usb_speed;
  }
}

TEST(ProfileSettings, CycleMaskAndFlagsAgree) {
  ProfileSettings s;
  s.cycleColorMask = 0xA5;  // bit 7 is no colour
  s.DeriveCycleFlagsFromMask();
  EXPECT_EQ((std::array<int32_t, 7>{1, 0, 1, 0, 0, 1, 0}), s.cycleColorEnable);
  s.cycleColorEnable = {0, 1, 0, 0, 0, 0, 3};
  s.DeriveCycleColorMaskFromFlags();
  EXPECT_EQ(s.cycleColorMask, 0x42);
}

TEST(ProfileSettings, InitialValues) {
  const ProfileSettings s;
  EXPECT_EQ(s.fireTime, 50);
  EXPECT_EQ(s.ledUserColorEnable, 1);
  EXPECT_EQ(s.currentProfile, 0);
  EXPECT_EQ(s.dpiLevel, 0);
  EXPECT_EQ(s.buttonFunction[3][8], 0);
  EXPECT_EQ(s.reportRateCode, 0);
}

}  // namespace
}  // namespace devero

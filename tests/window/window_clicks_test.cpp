#include <gtest/gtest.h>

#include <vector>

#include "app/window_clicks.h"
#include "ui/menu_host.h"
#include "window/fake_window_context.h"

namespace devero {
namespace {

using testing::FakeWindowContext;

// A skin whose controls sit on a grid: entry k of a table at (10 * k, y) with width 10.
class WindowClicksTest : public ::testing::Test {
 protected:
  WindowClicksTest() {
    for (int i = 0; i < ui::kMainEntries; ++i)
      ctx_.skin.main[i] = {i * 10, 0, 10, 10, u""};
    for (int i = 0; i < ui::kAdvancedEntries; ++i)
      ctx_.skin.advanced[i] = {i * 10, 100, 10, 10, u""};
    for (int i = 0; i < ui::kLightingEntries; ++i)
      ctx_.skin.lighting[i] = {i * 10, 200, 10, 10, u""};
    for (int i = 0; i < ui::kMacroEntries; ++i)
      ctx_.skin.macro[i] = {i * 10, 300, 10, 10, u""};
    // Sliders need room.
    ctx_.skin.advanced[31] = {1000, 100, 300, 10, u""};
    ctx_.skin.advanced[66] = {1400, 100, 40, 10, u""};
    ctx_.skin.lighting[40] = {1000, 200, 140, 10, u""};
    ctx_.product.keyNum = 5;
    ctx_.settings.buttonFunction[0] = {1, 2, 3, 4, 5, 0, 0, 0, 0};
    ctx_.settings.dpiStageEnabled = {1, 1, 1, 1, 1, 1};
  }

  void Click(int x, int y) {
    clicks_.OnPointerMove(x, y);
    clicks_.OnButtonDown(x, y);
    clicks_.OnButtonUp(x, y);
  }
  // The centre of an entry of the main (0), advanced (1), lighting (3) or macro (2) table.
  static std::pair<int, int> At(int table, int entry) {
    const int y = table == 0 ? 0 : table == 1 ? 100 : table == 3 ? 200 : 300;
    return {entry * 10 + 5, y + 5};
  }
  void ClickEntry(int table, int entry) {
    const auto [x, y] = At(table, entry);
    Click(x, y);
  }

  FakeWindowContext ctx_;
  MainWindowClicks clicks_{ctx_};
};

TEST_F(WindowClicksTest, LeftClickRuleOnAFiveButtonProduct) {
  ClickEntry(0, 20);  // button 0: the only Left Click
  ASSERT_EQ(ctx_.warnings.warnings.size(), 1u);
  EXPECT_EQ(ctx_.warnings.warnings[0],
            u"At least one button must be configured as \"Left Click\"!");
  EXPECT_TRUE(ctx_.menus.empty());
  EXPECT_FALSE(clicks_.functionMenuOpen());

  ClickEntry(0, 23);  // button 3
  ASSERT_EQ(ctx_.menus.size(), 1u);
  EXPECT_EQ(ctx_.menus[0].kind, ui::kFunctionMenu);
  EXPECT_EQ(ctx_.menus[0].position, QPoint(100 + 230 + 1, 50 + 0 + 10));
  EXPECT_EQ(ctx_.menus[0].width, 11);
  EXPECT_EQ(ctx_.menus[0].height, 405);
  EXPECT_EQ(clicks_.selectedButton(), 23);
  EXPECT_TRUE(clicks_.functionMenuOpen());

  // A second button on Left Click lets button 0's menu open; any later click closes it first.
  ctx_.settings.buttonFunction[0][2] = 1;
  ClickEntry(0, 20);
  EXPECT_EQ(ctx_.menus.size(), 2u);
  // Past the product's buttons a field opens nothing.
  ClickEntry(0, 26);
  EXPECT_EQ(ctx_.menus.size(), 2u);
  EXPECT_FALSE(ctx_.menu_open);
}

TEST_F(WindowClicksTest, ProfileAndHeaderMenus) {
  ClickEntry(0, 10);
  ASSERT_EQ(ctx_.menus.size(), 1u);
  EXPECT_EQ(ctx_.menus[0].kind, ui::kProfileMenu);
  EXPECT_EQ(ctx_.menus[0].position, QPoint(100 + 100, 50 + 10 - 134));
  EXPECT_TRUE(ctx_.view.profileMenuOpen);
  ClickEntry(0, 17);
  EXPECT_FALSE(ctx_.view.profileMenuOpen);
  ASSERT_EQ(ctx_.menus.size(), 2u);
  EXPECT_EQ(ctx_.menus[1].kind, ui::kHeaderMenu);
  EXPECT_EQ(ctx_.menus[1].width, 90);
}

TEST(DpiStageToggle, NeverDisablesTheLastStage) {
  struct Case {
    std::array<uint8_t, 6> enabled;
    int level;
    int stage;
    std::array<uint8_t, 6> enabled_after;
    int level_after;
  };
  const std::vector<Case> cases = {
      {{0, 0, 1, 0, 0, 0}, 2, 2, {0, 0, 1, 0, 0, 0}, 2},  // the only stage stays
      {{0, 1, 0, 0, 1, 0}, 1, 1, {0, 0, 0, 0, 1, 0}, 4},
      {{1, 0, 0, 0, 0, 1}, 5, 5, {1, 0, 0, 0, 0, 0}, 0},  // wraps from 5 to 0
      {{1, 1, 0, 0, 0, 0}, 0, 1, {1, 0, 0, 0, 0, 0}, 0},  // another stage: just off
      {{1, 0, 0, 0, 0, 0}, 0, 3, {1, 0, 0, 1, 0, 0}, 0},  // off goes on
      {{0, 0, 1, 0, 0, 0}, 9, 2, {0, 0, 1, 0, 0, 0}, 2},  // an invalid level keeps one on
      {{1, 1, 1, 1, 1, 1}, 0, 7, {1, 1, 1, 1, 1, 1}, 0},  // no such stage
  };
  for (const Case& c : cases) {
    ProfileSettings s;
    s.dpiStageEnabled = c.enabled;
    s.dpiLevel = c.level;
    ToggleDpiStage(s, c.stage);
    EXPECT_EQ(s.dpiStageEnabled, c.enabled_after) << c.stage;
    EXPECT_EQ(s.dpiLevel, c.level_after) << c.stage;
  }
}

TEST_F(WindowClicksTest, AdvancedPageStagesRatesAndColours) {
  ctx_.view.page = ui::kAdvancedPage;
  ctx_.settings.dpiStageEnabled = {1, 0, 1, 0, 0, 0};
  ClickEntry(1, 61);  // stage 1 is off: not selectable
  EXPECT_EQ(ctx_.settings.dpiLevel, 0);
  ClickEntry(1, 62);
  EXPECT_EQ(ctx_.settings.dpiLevel, 2);
  ClickEntry(1, 48);
  EXPECT_EQ(ctx_.settings.dpiStageEnabled[1], 1);

  struct RateCase {
    int entry;
    uint8_t usb_speed;
    uint8_t code;
  };
  for (const RateCase& c : std::vector<RateCase>{
           {34, 0, 7}, {35, 1, 3}, {36, 2, 1}, {37, 3, 0}, {38, 0, 7}, {40, 2, 1}}) {
    ClickEntry(1, c.entry);
    EXPECT_EQ(ctx_.settings.usbSpeed, c.usb_speed) << c.entry;
    EXPECT_EQ(ctx_.settings.reportRateCode, c.code) << c.entry;
  }

  ctx_.colour = 171 | (18 << 8) | (255 << 16);
  ClickEntry(1, 79);
  EXPECT_EQ(ctx_.settings.dpiStageColor[2].r, 5);
  EXPECT_EQ(ctx_.settings.dpiStageColor[2].g, 14);
  EXPECT_EQ(ctx_.settings.dpiStageColor[2].b, 0);
  EXPECT_EQ(ctx_.settings.dpiStageColorRef[2], 175u | (31u << 8) | (255u << 16));
  // A cancelled dialog changes nothing; entries past the six stages store nothing.
  const ProfileSettings before = ctx_.settings;
  ctx_.colour.reset();
  ClickEntry(1, 77);
  ctx_.colour = 0xFFFFFF;
  ClickEntry(1, 83);
  ClickEntry(1, 41);
  EXPECT_EQ(ctx_.settings.dpiStageColorRef, before.dpiStageColorRef);
  EXPECT_EQ(ctx_.settings.dpiStageColor[0].r, before.dpiStageColor[0].r);
}

TEST_F(WindowClicksTest, SliderDragsFromButtonDownToButtonUp) {
  ctx_.view.page = ui::kAdvancedPage;
  // The rapid-fire slider's left end stores 8, not 1.
  clicks_.OnPointerMove(1150, 105);
  clicks_.OnButtonDown(1150, 105);
  EXPECT_EQ(clicks_.dragMode(), ui::SliderMode::kFireTime);
  EXPECT_EQ(ctx_.settings.fireTime, 150);
  clicks_.OnPointerMove(900, 105);
  EXPECT_EQ(ctx_.settings.fireTime, 8);
  // Leaving with the button held keeps dragging; the button-up ends it.
  clicks_.OnPointerLeave(true);
  clicks_.OnPointerMove(1300, 400);
  EXPECT_EQ(ctx_.settings.fireTime, 300);
  clicks_.OnButtonUp(1300, 400);
  EXPECT_EQ(clicks_.dragMode(), ui::SliderMode::kNone);
  clicks_.OnPointerMove(1001, 105);
  EXPECT_EQ(ctx_.settings.fireTime, 300);

  // The DPI slider has its fixed width of 303 pixels whatever its entry says.
  ctx_.settings.dpiLevel = 3;
  clicks_.OnPointerMove(1405, 105);
  clicks_.OnButtonDown(1405, 105);
  EXPECT_EQ(clicks_.dragMode(), ui::SliderMode::kDpiValue);
  clicks_.OnPointerMove(1400 + 303, 105);
  EXPECT_EQ(ctx_.settings.dpiStageValue[3], 16);
  // Leaving with the button released ends the drag.
  clicks_.OnPointerLeave(false);
  clicks_.OnPointerMove(1401, 105);
  EXPECT_EQ(ctx_.settings.dpiStageValue[3], 16);
}

TEST_F(WindowClicksTest, LightingClicksByMode) {
  ctx_.view.page = ui::kLightingPage;
  ctx_.settings.ledUserColorEnable = 1;
  ctx_.settings.cycleColorEnable = {1, 1, 1, 1, 1, 1, 1};
  ctx_.colour = 0xFFFFFF;

  // Mode 6 ignores the colours, toggles, symmetry and directions.
  ctx_.settings.ledType = 6;
  const ProfileSettings before = ctx_.settings;
  for (int entry : {0, 3, 6, 7, 10, 13, 45, 47, 48, 49, 50})
    ClickEntry(3, entry);
  EXPECT_EQ(ctx_.settings.cycleColorEnable, before.cycleColorEnable);
  EXPECT_EQ(ctx_.settings.ledFeatureSymmetry, before.ledFeatureSymmetry);
  EXPECT_EQ(ctx_.settings.ledFeatureDirection, before.ledFeatureDirection);
  EXPECT_EQ(ctx_.settings.ledUserColorRef, before.ledUserColorRef);

  // Mode 10: directions 0 and 1 only.
  ctx_.settings.ledType = 10;
  ClickEntry(3, 48);
  EXPECT_EQ(ctx_.settings.ledFeatureDirection, 1);
  ClickEntry(3, 49);
  ClickEntry(3, 50);
  EXPECT_EQ(ctx_.settings.ledFeatureDirection, 1);
  ClickEntry(3, 47);
  EXPECT_EQ(ctx_.settings.ledFeatureDirection, 0);

  // Mode 2: no speed, but brightness.
  ctx_.settings.ledType = 2;
  ctx_.settings.ledCycleTime = 3;
  ClickEntry(3, 41);
  EXPECT_EQ(ctx_.settings.ledCycleTime, 3);
  clicks_.OnPointerMove(1005, 205);
  clicks_.OnButtonDown(1005, 205);
  EXPECT_EQ(ctx_.settings.ledBrightness, 6);
  clicks_.OnButtonUp(1005, 205);

  // Mode 3: toggles keep one slot on.
  ctx_.settings.ledType = 3;
  ctx_.settings.cycleColorEnable = {0, 0, 1, 0, 1, 0, 0};
  ClickEntry(3, 9);
  EXPECT_EQ(ctx_.settings.cycleColorEnable[2], 0);
  ClickEntry(3, 11);
  EXPECT_EQ(ctx_.settings.cycleColorEnable[4], 1);
  EXPECT_EQ(ctx_.settings.cycleColorMask, 1 << 4);
  ClickEntry(3, 45);
  EXPECT_EQ(ctx_.settings.ledFeatureSymmetry, 1);
  ClickEntry(3, 50);
  EXPECT_EQ(ctx_.settings.ledFeatureDirection, 3);
  // Colour of slot 4 (taking part) and not of slot 0 (not taking part).
  ClickEntry(3, 4);
  EXPECT_EQ(ctx_.settings.ledUserColorRef[4], 0xFFFFFFu);
  ctx_.colour = 0;
  ClickEntry(3, 0);
  EXPECT_NE(ctx_.settings.ledUserColorRef[0], 0x0F0F0Fu);
  // The mode selector opens the lighting mode menu below it.
  ClickEntry(3, 35);
  ASSERT_FALSE(ctx_.menus.empty());
  EXPECT_EQ(ctx_.menus.back().kind, ui::kLightingModeMenu);
  EXPECT_EQ(ctx_.menus.back().height, 405);
}

TEST_F(WindowClicksTest, EmptyAreasMoveTheWindowOnEveryPage) {
  for (uint8_t page = 0; page < 4; ++page) {
    ctx_.view.page = page;
    ctx_.calls.clear();
    Click(5000, 5000);
    EXPECT_EQ(std::count(ctx_.calls.begin(), ctx_.calls.end(), "move"), 1) << int(page);
    ctx_.calls.clear();
    ClickEntry(0, 3);  // a header control: Apply
    EXPECT_EQ(std::count(ctx_.calls.begin(), ctx_.calls.end(), "move"), 0) << int(page);
  }
}

TEST_F(WindowClicksTest, HeaderControlsActOnButtonUp) {
  struct Case {
    int entry;
    std::string call;
  };
  const std::vector<Case> cases = {
      {0, "minimise"},   {1, "close"},   {2, "tray"},    {3, "apply"},  {4, "language 0"},
      {5, "language 1"}, {14, "import"}, {15, "export"}, {16, "reset"}, {19, "support"}};
  for (const Case& c : cases) {
    ctx_.calls.clear();
    const auto [x, y] = At(0, c.entry);
    clicks_.OnPointerMove(x, y);
    clicks_.OnButtonDown(x, y);
    EXPECT_TRUE(ctx_.calls.empty()) << c.entry;
    clicks_.OnButtonUp(x, y);
    EXPECT_EQ(ctx_.calls, std::vector<std::string>{c.call}) << c.entry;
  }
  // The tabs switch pages on the button-down.
  ClickEntry(0, 7);
  EXPECT_EQ(ctx_.view.page, ui::kAdvancedPage);
  ClickEntry(0, 9);
  EXPECT_EQ(ctx_.view.page, ui::kLightingPage);
  ClickEntry(0, 8);
  EXPECT_EQ(ctx_.view.page, ui::kMacroPage);
  ClickEntry(0, 6);
  EXPECT_EQ(ctx_.view.page, ui::kMainPage);
}

TEST_F(WindowClicksTest, RecordingLetsOnlyCloseAndMinimiseThrough) {
  ctx_.recording = true;
  ctx_.view.page = ui::kMacroPage;
  for (int entry : {3, 5, 7, 10}) {
    ClickEntry(0, entry);
  }
  EXPECT_EQ(ctx_.warnings.warnings.size(), 8u);  // button-down and button-up each
  for (const auto& w : ctx_.warnings.warnings)
    EXPECT_EQ(w, u"Recording");
  EXPECT_EQ(ctx_.view.page, ui::kMacroPage);
  EXPECT_TRUE(ctx_.menus.empty());
  ctx_.warnings.warnings.clear();
  ctx_.calls.clear();
  ClickEntry(0, 0);
  ClickEntry(0, 1);
  EXPECT_TRUE(ctx_.warnings.warnings.empty());
  EXPECT_NE(std::find(ctx_.calls.begin(), ctx_.calls.end(), "minimise"), ctx_.calls.end());
  EXPECT_NE(std::find(ctx_.calls.begin(), ctx_.calls.end(), "close"), ctx_.calls.end());
  // The record button goes through to the macro page.
  ClickEntry(2, 4);
  EXPECT_NE(std::find(ctx_.calls.begin(), ctx_.calls.end(), "macro 4"), ctx_.calls.end());
}

TEST_F(WindowClicksTest, OutOfRangeSettingsReadNothingOutsideTables) {
  ctx_.settings.currentProfile = 3;
  ctx_.product.keyNum = 0;
  ctx_.settings.dpiLevel = 9;
  ctx_.settings.ledType = 200;
  ctx_.settings.usbSpeed = 7;
  for (uint8_t page = 0; page < 4; ++page) {
    ctx_.view.page = page;
    for (int table = 0; table < 4; ++table)
      for (int entry = 0; entry < 138; entry += 3)
        ClickEntry(table, entry);
  }
  // Without buttons no function menu opens; an unknown lighting mode takes no lighting click.
  for (const auto& menu : ctx_.menus)
    EXPECT_NE(menu.kind, ui::kFunctionMenu);
  EXPECT_EQ(ctx_.settings.ledType, 200);
  EXPECT_EQ(ctx_.settings.ledFeatureDirection, 0);
  ctx_.settings.currentProfile = 17;
  ctx_.product.keyNum = 9;
  ctx_.view.page = ui::kMainPage;
  ClickEntry(0, 24);
  EXPECT_EQ(ctx_.warnings.warnings.back(),
            u"At least one button must be configured as \"Left Click\"!");
}

}  // namespace
}  // namespace devero

#include "ui/function_assignment.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace devero::ui {
namespace {

using Buttons = std::array<int32_t, kSlotCount>;

ProductDescription Product(int buttons) {
  ProductDescription p;
  p.keyNum = buttons;
  return p;
}

TEST(FunctionCodesTest, RowsOfEveryListGiveTheirFunctions) {
  struct Case {
    const char* list;
    int32_t (*code)(int);
    int row;
    int32_t function;
  };
  const Case cases[] = {
      {"function", FunctionMenuCode, 1, 1},  {"function", FunctionMenuCode, 6, 6},
      {"function", FunctionMenuCode, 7, 13}, {"function", FunctionMenuCode, 8, 14},
      {"function", FunctionMenuCode, 9, 15}, {"function", FunctionMenuCode, 11, 17},
      {"function", FunctionMenuCode, 12, 0}, {"function", FunctionMenuCode, 15, 0},
      {"function", FunctionMenuCode, 0, 0},  {"media", MediaCode, 1, 23},
      {"media", MediaCode, 10, 32},          {"media", MediaCode, 11, 0},
      {"shortcut", ShortcutCode, 1, 33},     {"shortcut", ShortcutCode, 8, 40},
      {"shortcut", ShortcutCode, 9, 12},     {"shortcut", ShortcutCode, 10, 0},
      {"profile", ProfileSwitchCode, 1, 19}, {"profile", ProfileSwitchCode, 4, 22},
      {"profile", ProfileSwitchCode, 5, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.code(c.row), c.function) << c.list << " row " << c.row;
  EXPECT_EQ(MacroCode(3, 2), 769);
  EXPECT_EQ(MacroCode(1, 1), 256);
  EXPECT_EQ(MacroCode(12, 12), 12 * 256 + 11);
}

TEST(LeftClickRuleTest, OnlyOtherButtonsCount) {
  struct Case {
    Buttons functions;
    int button;
    bool opens;
  };
  const Case cases[] = {
      {{1, 2, 3, 4, 5}, 0, false},  // the only Left Click is the button's own
      {{1, 2, 3, 4, 5}, 3, true},     {{1, 1, 3, 4, 5}, 0, true},
      {{2, 2, 3, 4, 5}, 1, false},     // no Left Click at all
      {{2, 2, 3, 4, 5, 1}, 1, false},  // beyond the product's five buttons
  };
  for (const Case& c : cases) {
    ProfileSettings s;
    s.currentProfile = 2;
    s.buttonFunction[2] = c.functions;
    EXPECT_EQ(OtherButtonHasLeftClick(s, Product(5), c.button), c.opens) << "button " << c.button;
  }
  ProfileSettings s;
  s.currentProfile = 7;  // a damaged file
  EXPECT_FALSE(OtherButtonHasLeftClick(s, Product(5), 0));
}

TEST(LeftClickGuardTest, TheFirstProfileAlwaysKeepsALeftClick) {
  struct Case {
    const char* what;
    int profile;
    Buttons before;
    int entry;
    int32_t function;
    Buttons after;
  };
  const Case cases[] = {
      {"another button still has it", 0, {1, 1, 3, 4, 5}, 20, 7, {7, 1, 3, 4, 5}},
      {"the next button gets it", 0, {1, 2, 3, 4, 5}, 20, 14, {14, 1, 3, 4, 5}},
      {"a middle button passes it on", 0, {2, 1, 3, 4, 5}, 21, 9, {2, 9, 1, 4, 5}},
      {"the last button takes it back", 0, {2, 3, 3, 4, 1}, 24, 12, {2, 3, 3, 4, 1}},
      {"Left Click chosen again", 0, {1, 2, 3, 4, 5}, 20, 1, {1, 2, 3, 4, 5}},
      {"other profiles are not guarded", 1, {1, 2, 3, 4, 5}, 20, 14, {14, 2, 3, 4, 5}},
      {"buttons beyond the product do not count", 0, {1, 2, 3, 4, 5, 1}, 20, 3, {3, 1, 3, 4, 5, 1}},
  };
  for (const Case& c : cases) {
    ProfileSettings s;
    s.currentProfile = c.profile;
    s.buttonFunction[static_cast<size_t>(c.profile)] = c.before;
    ASSERT_TRUE(AssignFunction(s, Product(5), c.entry, c.function, false)) << c.what;
    EXPECT_EQ(s.buttonFunction[static_cast<size_t>(c.profile)], c.after) << c.what;
  }
}

TEST(AssignFunctionTest, WritesTheCompanionValue) {
  ProfileSettings s;
  s.currentProfile = 3;
  s.buttonFunction[3] = {1, 1, 1};
  s.buttonMacro[3] = {0, 0, 1};
  ASSERT_TRUE(AssignFunction(s, Product(3), 21, 25, true));
  EXPECT_EQ(s.buttonFunction[3][1], 25);
  EXPECT_EQ(s.buttonMacro[3][1], 1);
  ASSERT_TRUE(AssignFunction(s, Product(3), 22, 14, false));
  EXPECT_EQ(s.buttonFunction[3][2], 14);
  EXPECT_EQ(s.buttonMacro[3][2], 0);
}

TEST(AssignFunctionTest, WritesNothingOutsideTheTables) {
  struct Case {
    int keys;
    int profile;
    int entry;
  };
  const Case cases[] = {{5, 0, 19}, {5, 0, 25}, {0, 0, 20}, {9, 0, 29}, {5, 4, 20}, {5, -1, 20}};
  for (const Case& c : cases) {
    ProfileSettings s;
    s.currentProfile = c.profile;
    const ProfileSettings before = s;
    EXPECT_FALSE(AssignFunction(s, Product(c.keys), c.entry, 14, false))
        << c.keys << " buttons, profile " << c.profile << ", entry " << c.entry;
    EXPECT_EQ(s.buttonFunction, before.buttonFunction);
    EXPECT_EQ(s.buttonMacro, before.buttonMacro);
  }
  ProfileSettings s;
  EXPECT_TRUE(AssignFunction(s, Product(9), 28, 14, false));  // the ninth button exists
}

}  // namespace
}  // namespace devero::ui

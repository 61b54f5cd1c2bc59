#include "ui/function_menus.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <memory>
#include <string>
#include <vector>

#include "ui/menu_test_bed.h"

namespace devero::ui {
namespace {

using testing::FlushDeletes;
using testing::MenuTestBed;
using testing::SendClick;
using testing::SendMove;
using testing::SendPress;
using testing::SendRelease;
using Calls = std::vector<std::string>;

const QPoint kAnchor{100, 50};

QPoint RowCentre(const SkinnedMenu* menu, int row) {
  return menu->RowRect(row).center();
}

QColor PixelOf(SkinnedMenu* menu, QPoint at) {
  QImage image(menu->size(), QImage::Format_RGB32);
  QPainter p(&image);
  menu->Render(p);
  p.end();
  return image.pixelColor(at);
}

std::vector<std::string> Texts(const SkinnedMenu* menu) {
  std::vector<std::string> out;
  for (const QString& t : menu->texts())
    out.push_back(t.toStdString());
  return out;
}

class FunctionMenusTest : public ::testing::Test {
 protected:
  FunctionMenusTest() : menus_(bed_.Context()) {}
  ~FunctionMenusTest() override { FlushDeletes(); }

  CMenuDlg* Open(int kind) {
    CMenuDlg* menu = menus_.Open(kind, kAnchor, nullptr);
    bed_.host.calls.clear();
    return menu;
  }
  // The function menu of button `button` (entry 20 + button).
  CMenuDlg* OpenFunctionMenu(int button) {
    menus_.setSelectedButton(20 + button);
    return Open(kFunctionMenu);
  }
  int32_t Function(int button) const {
    return bed_.settings.buttonFunction[static_cast<size_t>(bed_.settings.currentProfile)]
                                       [static_cast<size_t>(button)];
  }
  int32_t Companion(int button) const {
    return bed_.settings.buttonMacro[static_cast<size_t>(bed_.settings.currentProfile)]
                                    [static_cast<size_t>(button)];
  }

  MenuTestBed bed_;
  FunctionMenus menus_;
};

TEST_F(FunctionMenusTest, EveryKindHasItsSizeRowsAndTexts) {
  struct Case {
    int kind;
    QSize size;
    int row_height;
    int rows;
    std::vector<std::string> some_texts;  // the first ones
    std::string last_text;
  };
  bed_.headless.macros->rapidFireTable.rapidFireCount = 2;
  bed_.headless.macros->rapidFireTable.rapidFireNames[0] = u"Burst";
  bed_.headless.macros->rapidFireTable.rapidFireNames[1] = u"Sniper";
  const Case cases[] = {
      {kProfileMenu, {144, 96}, 24, 4, {"F19", "F20"}, "F22"},
      {kFunctionMenu,
       {200, 360},
       24,
       15,
       {"F1", "F2", "F3", "F4", "F5", "F6", "Double Click", "Rapid Fire", "Led Loop", "DPI +",
        "DPI -", "Media", "Macro", "Shortcut"},
       "Profile"},
      {kMoreOptionsMenu, {180, 72}, 24, 3, {"Import macro group"}, "Reset all macro  groups"},
      {kLightingModeMenu, {144, 312}, 24, 13, {"Breathing", "Static", "Tail"}, "LED Off"},
      {kLightingStepModeMenu, {180, 120}, 24, 5, {"Space", "Static"}, "Rainbow Wave"},
      {kLightingStepColorMenu, {180, 168}, 24, 7, {"", ""}, ""},
      {kLightingStepValueMenu, {180, 168}, 24, 7, {"1", "2"}, "7"},
      {kRapidFireItemMenu, {180, 48}, 24, 2, {"Burst"}, "Sniper"},
      {kGroupPopupMenu,
       {180, 120},
       20,
       6,
       {"New macro group", "Rename", "Import macro group", "Export macro group",
        "Reset all macro  groups"},
       "Delete macro group"},
      {kMacroPopupMenu, {140, 40}, 20, 2, {"Rename"}, "Delete option"},
      {kInsertMenu, {150, 60}, 20, 3, {"Insert Previous", "Insert After"}, "Insert Delay"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind));
    CMenuDlg* menu = Open(c.kind);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->kind(), c.kind);
    EXPECT_EQ(menu->size(), c.size);
    EXPECT_EQ(menu->rowHeight(), c.row_height);
    EXPECT_EQ(menu->rowCount(), c.rows);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), kAnchor);
    const std::vector<std::string> texts = Texts(menu);
    ASSERT_EQ(static_cast<int>(texts.size()), c.rows);
    for (size_t i = 0; i < c.some_texts.size(); ++i)
      EXPECT_EQ(texts[i], c.some_texts[i]) << "row " << i + 1;
    EXPECT_EQ(texts.back(), c.last_text);
  }
}

TEST_F(FunctionMenusTest, ChineseTextsOfTheLanguageDependentKinds) {
  bed_.languageIsEnglish = 0;
  EXPECT_EQ(Texts(Open(kLightingModeMenu)).front(), "循环呼吸");
  EXPECT_EQ(Texts(Open(kLightingStepModeMenu)).front(), "单色呼吸");
  // The words of rows 7 to 15 stay English in both languages.
  EXPECT_EQ(Texts(Open(kFunctionMenu))[7], "Rapid Fire");
}

TEST_F(FunctionMenusTest, MenusAreToolTipWindowsThatNeverGrabThePointer) {
  CMenuDlg* first = OpenFunctionMenu(3);
  SendMove(first, RowCentre(first, 13));
  CSubMenuDlg* second = menus_.secondLevel();
  ASSERT_NE(second, nullptr);
  SendMove(second, RowCentre(second, 2));
  MacSelMenuDlg* third = menus_.thirdLevel();
  ASSERT_NE(third, nullptr);
  struct Level {
    QWidget* window;
    const char* title;
    QWidget* parent;
  };
  for (const Level& level :
       {Level{first, "MainMenuDlg", nullptr}, Level{second, "SubMenuDlg", first},
        Level{third, "MacSelMenuDlg", second}}) {
    SCOPED_TRACE(level.title);
    EXPECT_EQ(level.window->windowTitle().toStdString(), level.title);
    EXPECT_EQ(level.window->windowType(), Qt::ToolTip);
    EXPECT_TRUE(level.window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(level.window->isWindow());
    EXPECT_EQ(level.window->parentWidget(), level.parent);
    EXPECT_TRUE(level.window->hasMouseTracking());
    EXPECT_TRUE(level.window->testAttribute(Qt::WA_ShowWithoutActivating));
  }
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
}

TEST_F(FunctionMenusTest, TheParentIsTheOpenersWindow) {
  QWidget main_window;
  CMenuDlg* menu = menus_.Open(kProfileMenu, kAnchor, &main_window);
  EXPECT_EQ(menu->parentWidget(), &main_window);
  EXPECT_TRUE(menu->isWindow());
}

TEST_F(FunctionMenusTest, FirstLevelChoices) {
  struct Case {
    int kind;
    int row;
    Calls calls;
    bool closes;
  };
  const Case cases[] = {
      {kProfileMenu, 3, {"Profile"}, true},
      {kFunctionMenu, 12, {}, false},  // the rows of lists do nothing when clicked
      {kFunctionMenu, 15, {}, false},
      {kMoreOptionsMenu, 2, {"More 2"}, true},
      {kLightingModeMenu, 13, {"Repaint"}, true},
      {kLightingStepModeMenu, 5, {"StepMode 4"}, true},
      {kLightingStepColorMenu, 7, {"StepValue 7"}, true},
      {kLightingStepValueMenu, 3, {"StepValue 3"}, true},
      {kGroupPopupMenu, 6, {"Macro 11 6"}, true},
      {kMacroPopupMenu, 2, {"Macro 12 2"}, true},
      {kInsertMenu, 1, {}, false},
      {kInsertMenu, 2, {}, false},
      {kInsertMenu, 3, {"Macro 14 146"}, true},
      {kHeaderMenu, 2, {"Header 2"}, true},
      // Rows the kind does not have, and the values for no row.
      {kProfileMenu, 5, {}, false},
      {kGroupPopupMenu, 7, {}, false},
      {kLightingModeMenu, 0, {}, false},
      {kLightingModeMenu, 255, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + " row " + std::to_string(c.row));
    CMenuDlg* menu = Open(c.kind);
    menu->Choose(c.row);
    EXPECT_EQ(bed_.host.calls, c.calls);
    EXPECT_EQ(menus_.IsOpen(), !c.closes);
    FlushDeletes();
  }
  EXPECT_EQ(bed_.settings.currentProfile, 2);
}

TEST_F(FunctionMenusTest, LightingModeMenuSetsModesOneToThirteen) {
  for (int row = 1; row <= 13; ++row) {
    bed_.settings.ledFeatureDirection = 2;
    CMenuDlg* menu = Open(kLightingModeMenu);
    menu->Choose(row);
    EXPECT_EQ(bed_.settings.ledType, row);
    EXPECT_EQ(bed_.settings.ledFeatureDirection, 0);
  }
  // No row reaches mode 0: the pointer cannot name a row above the first.
  CMenuDlg* menu = Open(kLightingModeMenu);
  bed_.settings.ledType = 5;
  SendClick(menu, QPoint(10, -1));
  SendClick(menu, QPoint(10, menu->height()));
  EXPECT_EQ(bed_.settings.ledType, 5);
  EXPECT_TRUE(menus_.IsOpen());
}

TEST_F(FunctionMenusTest, ClicksChooseTheRowUnderThePointer) {
  CMenuDlg* menu = Open(kProfileMenu);
  SendClick(menu, RowCentre(menu, 4));
  EXPECT_EQ(bed_.settings.currentProfile, 3);
  EXPECT_EQ(bed_.host.calls, Calls{"Profile"});
  EXPECT_FALSE(menus_.IsOpen());
  FlushDeletes();
  EXPECT_EQ(menus_.firstLevel(), nullptr);
}

TEST_F(FunctionMenusTest, FunctionMenuRowsWriteTheirFunctions) {
  struct Case {
    int row;
    int32_t function;
  };
  const Case cases[] = {{1, 1}, {6, 6}, {7, 13}, {8, 14}, {9, 15}, {10, 16}, {11, 17}};
  for (const Case& c : cases) {
    bed_.settings.buttonMacro[0][3] = 1;
    OpenFunctionMenu(3)->Choose(c.row);
    EXPECT_EQ(Function(3), c.function) << "row " << c.row;
    EXPECT_EQ(Companion(3), 0);
    EXPECT_EQ(bed_.host.calls, Calls{"Repaint"});
    EXPECT_FALSE(menus_.IsOpen());
  }
}

TEST_F(FunctionMenusTest, RapidFireForButtonThree) {
  bed_.settings.currentProfile = 2;
  bed_.settings.buttonMacro[2][3] = 1;
  CMenuDlg* menu = OpenFunctionMenu(3);
  SendClick(menu, RowCentre(menu, 8));
  EXPECT_EQ(bed_.settings.buttonFunction[2][3], 14);
  EXPECT_EQ(bed_.settings.buttonMacro[2][3], 0);
  EXPECT_EQ(bed_.settings.buttonFunction[0][3], 4);  // other profiles untouched
}

TEST_F(FunctionMenusTest, HoverOpensTheListsBesideTheirRows) {
  struct Case {
    int row;
    Submenu list;
    int topic;
    int rows_down;
    int rows;
    std::string first_text;
  };
  // Three groups: the Macro list opens 12 - 3 / 2 = 11 rows down.
  const Case cases[] = {
      {12, Submenu::kMedia, 0, 5, 10, "F23"},
      {13, Submenu::kMacroGroups, 1, 11, 3, "Group1"},
      {14, Submenu::kShortcut, 0, 6, 9, "F33"},
      {15, Submenu::kProfile, 0, 11, 4, "F19"},
  };
  CMenuDlg* menu = OpenFunctionMenu(1);
  for (const Case& c : cases) {
    SCOPED_TRACE("row " + std::to_string(c.row));
    SendMove(menu, RowCentre(menu, c.row));
    CSubMenuDlg* sub = menus_.secondLevel();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->list(), c.list);
    EXPECT_EQ(sub->topic(), c.topic);
    EXPECT_EQ(sub->pos(), kAnchor + QPoint(200, c.rows_down * 24));
    EXPECT_EQ(sub->rowCount(), c.rows);
    EXPECT_EQ(sub->size(), QSize(180, c.rows * 24));
    EXPECT_EQ(Texts(sub).front(), c.first_text);
    EXPECT_EQ(sub->hover(), kLowerLevelHoverAtOpen);
    EXPECT_TRUE(sub->isVisible());
  }
  EXPECT_EQ(Texts(menus_.secondLevel()).back(), "F22");
  SendMove(menu, RowCentre(menu, 14));
  EXPECT_EQ(Texts(menus_.secondLevel()).back(), "Desktop");
  // A row without a list closes the open one.
  SendMove(menu, RowCentre(menu, 2));
  EXPECT_EQ(menus_.secondLevel(), nullptr);
}

TEST_F(FunctionMenusTest, MovingFromMediaToShortcutReplacesTheList) {
  CMenuDlg* menu = OpenFunctionMenu(1);
  SendMove(menu, RowCentre(menu, 12));
  QPointer<CSubMenuDlg> media = menus_.secondLevel();
  ASSERT_NE(media, nullptr);
  SendMove(menu, RowCentre(menu, 14));
  ASSERT_NE(menus_.secondLevel(), nullptr);
  EXPECT_EQ(menus_.secondLevel()->list(), Submenu::kShortcut);
  EXPECT_FALSE(media->isVisible());
  FlushDeletes();
  EXPECT_TRUE(media.isNull());
  // The same row again keeps the list.
  QPointer<CSubMenuDlg> shortcut = menus_.secondLevel();
  SendMove(menu, RowCentre(menu, 14) + QPoint(5, 3));
  FlushDeletes();
  EXPECT_EQ(menus_.secondLevel(), shortcut.data());
}

TEST_F(FunctionMenusTest, LowerLevelsKeepTheirLastRowLit) {
  CMenuDlg* menu = OpenFunctionMenu(1);
  SendMove(menu, RowCentre(menu, 14));
  CSubMenuDlg* sub = menus_.secondLevel();
  SendMove(sub, RowCentre(sub, 3));
  EXPECT_EQ(sub->hover(), 3);
  SendMove(sub, QPoint(sub->width() + 10, 5));  // off the list
  SendMove(sub, QPoint(-3, RowCentre(sub, 5).y()));
  EXPECT_EQ(sub->hover(), 3);
  EXPECT_EQ(PixelOf(sub, RowCentre(sub, 3) + QPoint(60, 0)), MenuTestBed::kOver);
  EXPECT_EQ(PixelOf(sub, RowCentre(sub, 5) + QPoint(60, 0)), MenuTestBed::kNormal);
  EXPECT_EQ(menu->hover(), 14);
  EXPECT_EQ(menus_.secondLevel(), sub);
}

TEST_F(FunctionMenusTest, HoverAndPressedLooks) {
  CMenuDlg* menu = Open(kProfileMenu);
  EXPECT_EQ(menu->hover(), kFirstLevelHoverAtOpen);
  const QPoint text_free = RowCentre(menu, 2) + QPoint(65, 0);
  EXPECT_EQ(PixelOf(menu, text_free), MenuTestBed::kNormal);
  SendMove(menu, RowCentre(menu, 2));
  EXPECT_EQ(menu->hover(), 2);
  EXPECT_EQ(PixelOf(menu, text_free), MenuTestBed::kOver);
  EXPECT_EQ(PixelOf(menu, RowCentre(menu, 1) + QPoint(65, 0)), MenuTestBed::kNormal);
  SendPress(menu, RowCentre(menu, 2));
  EXPECT_TRUE(menu->pressed());
  EXPECT_EQ(PixelOf(menu, text_free), MenuTestBed::kDown);
  SendRelease(menu, RowCentre(menu, 2));
  EXPECT_FALSE(menu->pressed());
  EXPECT_EQ(bed_.settings.currentProfile, 1);
}

TEST_F(FunctionMenusTest, AReleaseOffTheMenuChoosesNothing) {
  CMenuDlg* menu = Open(kProfileMenu);
  SendMove(menu, RowCentre(menu, 2));
  SendPress(menu, RowCentre(menu, 2));
  SendMove(menu, QPoint(300, 300));  // dragged away: the move is not the menu's
  SendRelease(menu, QPoint(300, 300));
  EXPECT_FALSE(menu->pressed());
  EXPECT_EQ(menu->hover(), 2);
  EXPECT_TRUE(bed_.host.calls.empty());
  EXPECT_TRUE(menus_.IsOpen());
}

TEST_F(FunctionMenusTest, ListChoicesWriteTheirFunctions) {
  struct Case {
    int first_row;
    int row;
    int32_t function;
    int32_t companion;
  };
  const Case cases[] = {
      {12, 1, 23, 1}, {12, 10, 32, 1},                  // Media
      {14, 1, 33, 0}, {14, 8, 40, 0},  {14, 9, 12, 0},  // Shortcut, Desktop
      {15, 1, 19, 0}, {15, 4, 22, 0},                   // Profile
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("row " + std::to_string(c.first_row) + "/" + std::to_string(c.row));
    bed_.settings.buttonMacro[0][2] = 1 - c.companion;
    CMenuDlg* menu = OpenFunctionMenu(2);
    SendMove(menu, RowCentre(menu, c.first_row));
    CSubMenuDlg* sub = menus_.secondLevel();
    ASSERT_NE(sub, nullptr);
    SendClick(sub, RowCentre(sub, c.row));
    EXPECT_EQ(Function(2), c.function);
    EXPECT_EQ(Companion(2), c.companion);
    EXPECT_EQ(bed_.host.calls, (Calls{"Repaint", "CloseFlag"}));
    EXPECT_FALSE(menus_.IsOpen());
    FlushDeletes();
  }
}

TEST_F(FunctionMenusTest, MacroListsFollowTheHoveredGroup) {
  CMenuDlg* menu = OpenFunctionMenu(4);
  SendMove(menu, RowCentre(menu, 13));
  CSubMenuDlg* groups = menus_.secondLevel();
  ASSERT_NE(groups, nullptr);
  EXPECT_EQ(Texts(groups), (std::vector<std::string>{"Group1", "Group2", "Group3"}));
  // Clicking a group does nothing; hovering it opens its macros.
  SendClick(groups, RowCentre(groups, 1));
  EXPECT_TRUE(menus_.IsOpen());
  EXPECT_TRUE(bed_.host.calls.empty());
  struct Case {
    int group;
    std::vector<std::string> macros;
    int rows_down;  // group - macros / 2 - 1
  };
  const Case cases[] = {
      {1, {"G1M1"}, 0}, {2, {"G2M1", "G2M2"}, 0}, {3, {"G3M1", "G3M2", "G3M3"}, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE("group " + std::to_string(c.group));
    SendMove(groups, RowCentre(groups, c.group));
    MacSelMenuDlg* macros = menus_.thirdLevel();
    ASSERT_NE(macros, nullptr);
    EXPECT_EQ(macros->groupRow(), c.group);
    EXPECT_EQ(Texts(macros), c.macros);
    EXPECT_EQ(macros->size(), QSize(180, 24 * static_cast<int>(c.macros.size()) + 1));
    EXPECT_EQ(macros->pos(), groups->pos() + QPoint(180, 24 * c.rows_down));
  }
}

TEST_F(FunctionMenusTest, TheSecondMacroOfTheThirdGroup) {
  bed_.settings.buttonMacro[0][4] = 1;
  CMenuDlg* menu = OpenFunctionMenu(4);
  SendMove(menu, RowCentre(menu, 13));
  CSubMenuDlg* groups = menus_.secondLevel();
  SendMove(groups, RowCentre(groups, 3));
  MacSelMenuDlg* macros = menus_.thirdLevel();
  ASSERT_NE(macros, nullptr);
  SendMove(macros, RowCentre(macros, 2));
  EXPECT_EQ(PixelOf(macros, RowCentre(macros, 2) + QPoint(70, 0)), MenuTestBed::kOver);
  SendPress(macros, RowCentre(macros, 2));
  // The macro list has no pressed look.
  EXPECT_EQ(PixelOf(macros, RowCentre(macros, 2) + QPoint(70, 0)), MenuTestBed::kOver);
  SendRelease(macros, RowCentre(macros, 2));
  EXPECT_EQ(Function(4), 769);
  EXPECT_EQ(Companion(4), 0);
  EXPECT_EQ(bed_.host.calls, Calls{"Repaint"});
  EXPECT_FALSE(menus_.IsOpen());
  FlushDeletes();
  EXPECT_EQ(menus_.secondLevel(), nullptr);
  EXPECT_EQ(menus_.thirdLevel(), nullptr);
}

TEST_F(FunctionMenusTest, TheLeftClickGuardFollowsEveryLevel) {
  // Button 0 holds the only Left Click; the window let its menu open because of button 1.
  bed_.settings.buttonFunction[0] = {1, 1, 3, 4, 5};
  OpenFunctionMenu(1)->Choose(8);
  EXPECT_EQ(bed_.settings.buttonFunction[0][1], 14);
  EXPECT_EQ(bed_.settings.buttonFunction[0][2], 3);
  // Now button 0 gives its Left Click away through a macro: button 1 gets it back.
  CMenuDlg* menu = OpenFunctionMenu(0);
  SendMove(menu, RowCentre(menu, 13));
  SendMove(menus_.secondLevel(), RowCentre(menus_.secondLevel(), 1));
  SendClick(menus_.thirdLevel(), RowCentre(menus_.thirdLevel(), 1));
  EXPECT_EQ(bed_.settings.buttonFunction[0][0], 256);
  EXPECT_EQ(bed_.settings.buttonFunction[0][1], 1);
}

TEST_F(FunctionMenusTest, AMenuWithoutASelectedButtonWritesNothing) {
  bed_.product.keyNum = 0;  // a product file without buttons
  const auto before = bed_.settings.buttonFunction;
  OpenFunctionMenu(0)->Choose(8);
  EXPECT_EQ(bed_.settings.buttonFunction, before);
  EXPECT_TRUE(bed_.host.calls.empty());
  EXPECT_FALSE(menus_.IsOpen());
}

TEST_F(FunctionMenusTest, InsertListsSendTheirCodes) {
  struct Case {
    int first_row;
    int topic;
    int rows_down;
    int row;
    std::string call;
  };
  const Case cases[] = {{1, 141, 0, 1, "Macro 14 341"},
                        {1, 141, 0, 6, "Macro 14 346"},
                        {2, 142, 1, 1, "Macro 14 347"},
                        {2, 142, 1, 6, "Macro 14 352"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    CMenuDlg* menu = Open(kInsertMenu);
    SendMove(menu, RowCentre(menu, c.first_row));
    CSubMenuDlg* list = menus_.secondLevel();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->topic(), c.topic);
    EXPECT_EQ(list->size(), QSize(150, 120));
    EXPECT_EQ(list->pos(), kAnchor + QPoint(150, 20 * c.rows_down));
    EXPECT_EQ(Texts(list).front(), "Left     Click \u2193");
    EXPECT_EQ(Texts(list).back(), "Right   Click \u2191");
    SendClick(list, RowCentre(list, c.row));
    EXPECT_EQ(bed_.host.calls, (Calls{c.call, "CloseFlag"}));
    EXPECT_FALSE(menus_.IsOpen());
    FlushDeletes();
  }
}

TEST_F(FunctionMenusTest, RapidFireItemList) {
  auto& table = bed_.headless.macros->rapidFireTable;
  // Empty, as at start: no rows, nothing shown, nothing chosen.
  CMenuDlg* menu = Open(kRapidFireItemMenu);
  EXPECT_EQ(menu->rowCount(), 0);
  EXPECT_FALSE(menu->isVisible());
  menu->Choose(1);
  EXPECT_TRUE(bed_.host.calls.empty());
  EXPECT_EQ(menus_.rapidFireItem(), 0);

  table.rapidFireCount = 3;
  menus_.setRapidFireItem(0);
  Open(kRapidFireItemMenu)->Choose(3);
  EXPECT_EQ(menus_.rapidFireItem(), 2);
  EXPECT_EQ(bed_.host.calls, Calls{"RapidFire 0"});
  EXPECT_FALSE(menus_.IsOpen());

  // The current item again only closes.
  Open(kRapidFireItemMenu)->Choose(3);
  EXPECT_TRUE(bed_.host.calls.empty());
  EXPECT_FALSE(menus_.IsOpen());

  // A count beyond the table's slots lists only the slots.
  table.rapidFireCount = 300;
  EXPECT_EQ(Open(kRapidFireItemMenu)->rowCount(), kRapidFireSlots);
}

TEST_F(FunctionMenusTest, HeaderMenuHasNoLookButKeepsItsHandler) {
  CMenuDlg* menu = Open(kHeaderMenu);
  EXPECT_TRUE(menus_.IsOpen());
  EXPECT_EQ(menus_.OpenKind(), kHeaderMenu);
  EXPECT_EQ(menu->rowCount(), 0);
  EXPECT_FALSE(menu->isVisible());
  menu->Choose(4);
  EXPECT_EQ(bed_.host.calls, Calls{"Header 4"});
  EXPECT_FALSE(menus_.IsOpen());
}

TEST_F(FunctionMenusTest, ColourRowsShowTheUserColours) {
  bed_.settings.ledUserColorRef[0] = 0x0000FF;  // red
  bed_.settings.ledUserColorRef[6] = 0xFF0000;  // blue
  CMenuDlg* menu = Open(kLightingStepColorMenu);
  EXPECT_EQ(PixelOf(menu, RowCentre(menu, 1)), QColor(255, 0, 0));
  EXPECT_EQ(PixelOf(menu, RowCentre(menu, 7)), QColor(0, 0, 255));
  // One pixel shorter than the row.
  EXPECT_EQ(PixelOf(menu, QPoint(50, 23)), MenuTestBed::kNormal);
  // The hovered row keeps a frame of its hovered look around the colour.
  SendMove(menu, RowCentre(menu, 7));
  EXPECT_EQ(PixelOf(menu, RowCentre(menu, 7)), QColor(0, 0, 255));
  EXPECT_EQ(PixelOf(menu, QPoint(1, RowCentre(menu, 7).y())), MenuTestBed::kOver);
  EXPECT_EQ(PixelOf(menu, QPoint(1, RowCentre(menu, 1).y())), QColor(255, 0, 0));
}

TEST_F(FunctionMenusTest, CloseAllTakesEveryLevel) {
  CMenuDlg* menu = OpenFunctionMenu(1);
  SendMove(menu, RowCentre(menu, 13));
  SendMove(menus_.secondLevel(), RowCentre(menus_.secondLevel(), 2));
  QPointer<QWidget> levels[] = {menus_.firstLevel(), menus_.secondLevel(), menus_.thirdLevel()};
  menus_.CloseAll();
  EXPECT_FALSE(menus_.IsOpen());
  EXPECT_EQ(menus_.OpenKind(), -1);
  for (auto& level : levels) {
    ASSERT_FALSE(level.isNull());
    EXPECT_FALSE(level->isVisible());
  }
  FlushDeletes();
  for (auto& level : levels)
    EXPECT_TRUE(level.isNull());
  menus_.CloseAll();  // nothing open: nothing happens
  EXPECT_TRUE(bed_.host.calls.empty());
}

TEST_F(FunctionMenusTest, OpeningAgainReplacesTheOpenMenu) {
  QPointer<CMenuDlg> first = Open(kProfileMenu);
  Open(kLightingModeMenu);
  EXPECT_FALSE(first->isVisible());
  EXPECT_EQ(menus_.OpenKind(), kLightingModeMenu);
}

TEST_F(FunctionMenusTest, OpeningRereadsTheMacroNames) {
  auto& library = bed_.headless.state;
  library.macroNames[2][1] = u"stale";
  library.groupMacroCounts[2] = 0;
  CMenuDlg* menu = OpenFunctionMenu(1);
  SendMove(menu, RowCentre(menu, 13));
  SendMove(menus_.secondLevel(), RowCentre(menus_.secondLevel(), 3));
  EXPECT_EQ(Texts(menus_.thirdLevel()), (std::vector<std::string>{"G3M1", "G3M2", "G3M3"}));
}

TEST_F(FunctionMenusTest, MissingPicturesGiveMenusThatCannotBeSeen) {
  std::filesystem::remove(bed_.skins() / "menu_mask.jpg");
  CMenuDlg* menu = Open(kProfileMenu);
  EXPECT_EQ(menu->rowCount(), 0);
  EXPECT_FALSE(menu->isVisible());
  SendClick(menu, QPoint(5, 5));
  EXPECT_TRUE(bed_.host.calls.empty());
}

TEST_F(FunctionMenusTest, DestroyingTheManagerTakesItsWindows) {
  QPointer<QWidget> first;
  QPointer<QWidget> second;
  {
    FunctionMenus menus(bed_.Context());
    menus.setSelectedButton(21);
    CMenuDlg* menu = menus.Open(kFunctionMenu, kAnchor, nullptr);
    SendMove(menu, RowCentre(menu, 12));
    first = menus.firstLevel();
    second = menus.secondLevel();
    SendMove(menu, RowCentre(menu, 14));  // queues the Media list's deletion
  }
  EXPECT_TRUE(first.isNull());
  EXPECT_TRUE(second.isNull());
  FlushDeletes();
}

}  // namespace
}  // namespace devero::ui

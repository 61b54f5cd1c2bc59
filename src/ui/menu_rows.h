#pragma once

#include <QColor>
#include <QSize>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "macro/macro_library.h"
#include "macro/macro_record.h"
#include "profile/profile_settings.h"
#include "ui/skin_tables.h"

namespace devero::ui {

// Hover values of the menus besides the 1-based rows. A first-level menu opens with 254 and a
// remembered 253 so that the first pointer move always repaints.
inline constexpr int kMenuNoRow = 255;
inline constexpr int kFirstLevelHoverAtOpen = 254;
inline constexpr int kLowerLevelHoverAtOpen = 253;
// Rows a first-level menu tests the pointer against.
inline constexpr int kMaxFirstLevelRows = 16;

// A menu's pictures by skin name; empty names load nothing. The mask only gives the size.
struct MenuPictures {
  const char* mask = "";
  const char* normal = "";
  const char* over = "";
  const char* down = "";
};

// The visible rectangle and rows of a menu.
struct MenuGeometry {
  int width = 0;
  int height = 0;
  int rowHeight = 0;
  // Rows a choice can name: the kind's rows that lie in the visible rectangle.
  int rows = 0;
};

// The lists of the second level.
enum class Submenu { kMedia, kMacroGroups, kShortcut, kProfile, kInsertBefore, kInsertAfter };

// What the menus' texts come from.
struct MenuTextSource {
  const std::array<std::u16string, kFunctionNameCount>& functionNames;
  int languageIsEnglish;
  const MacroLibraryState& library;
  const RapidFireTable& rapidFire;
};

// --- First level ---------------------------------------------------------------------------

MenuPictures FirstLevelPictures(int kind);
// The rows the kind defines (not yet cut to the visible rectangle); 0 for kind 10 and unknown
// kinds.
int FirstLevelDefinedRows(int kind, int rapid_fire_count);
// Size and rows from the mask's size.
MenuGeometry FirstLevelGeometry(int kind, QSize mask, int rapid_fire_count);
// One text per defined row; empty texts for rows drawn without one.
std::vector<std::u16string> FirstLevelTexts(int kind, const MenuTextSource& source);
// Kind 7 fills its rows with the user colours instead of texts.
std::vector<QColor> FirstLevelColours(int kind, const ProfileSettings& settings);

// The list a hovered first-level row opens, if any.
std::optional<Submenu> SubmenuOfRow(int kind, int row);
// How many first-level rows below the first level's top the list opens.
int SubmenuRowOffset(Submenu list, int group_count);

// --- Second level --------------------------------------------------------------------------

// The number the opener records for the list: 1 macro groups, 141 and 142 the insert lists,
// 0 the others.
int SubmenuTopic(Submenu list);
MenuPictures SubmenuPictures(Submenu list);
MenuGeometry SubmenuGeometry(Submenu list, QSize mask, int group_count);
std::vector<std::u16string> SubmenuTexts(Submenu list, const MenuTextSource& source);
// The insert code a row of an insert list sends: 341..346 before, 347..352 after.
int InsertCode(Submenu list, int row);

// --- Third level: the macros of one group ---------------------------------------------------

MenuPictures MacroListPictures(int kind);
MenuGeometry MacroListGeometry(QSize mask, int macro_count);
// How many second-level rows below the second level's top the macros of group row
// `group_row` open.
int MacroListRowOffset(int group_row, int macro_count);
// The macro count of the group on row `group_row` (1-based), 0 when there is none.
int GroupMacroCount(const MacroLibraryState& library, int group_row);
std::vector<std::u16string> MacroListTexts(const MacroLibraryState& library, int group_row);

}  // namespace devero::ui

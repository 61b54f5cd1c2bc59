#include "ui/menu_rows.h"

#include <algorithm>

#include "macro/lighting_mode_names.h"
#include "ui/menu_host.h"
#include "ui/skin_painter.h"

namespace devero::ui {
namespace {

constexpr MenuPictures kMenuSet{"\\menu_mask.jpg", "\\menu_normal.jpg", "\\menu_over.jpg",
                                "\\menu_down.jpg"};
constexpr MenuPictures kFunctionSet{"\\menu1_mask.jpg", "\\menu1_normal.jpg", "\\menu1_over.jpg",
                                    "\\menu1_down.jpg"};
constexpr MenuPictures kMoreSet{"\\more_mask.jpg", "\\more_normal.jpg", "\\more_over.jpg",
                                "\\more_down.jpg"};
constexpr MenuPictures kGroupSet{"\\MacMenu\\MacG_mask.jpg", "\\MacMenu\\MacG_normal.jpg",
                                 "\\MacMenu\\MacG_over.jpg", "\\MacMenu\\MacG_down.jpg"};
constexpr MenuPictures kMacroSet{"\\MacMenu\\MacR_mask.jpg", "\\MacMenu\\MacR_normal.jpg",
                                 "\\MacMenu\\MacR_over.jpg", "\\MacMenu\\MacR_down.jpg"};
constexpr MenuPictures kInsertSet{"\\MacMenu\\Insert_mask.jpg", "\\MacMenu\\Insert_normal.jpg",
                                  "\\MacMenu\\Insert_over.jpg", "\\MacMenu\\Insert_down.jpg"};
constexpr MenuPictures kInsertListSet{
    "\\MacMenu\\Insert2th_mask.jpg", "\\MacMenu\\Insert2th_normal.jpg",
    "\\MacMenu\\Insert2th_over.jpg", "\\MacMenu\\Insert2th_down.jpg"};
constexpr MenuPictures kGroupListSet{"\\menu_mask.jpg", "\\Macro_menu_normal.jpg",
                                     "\\Macro_menu_over.jpg", "\\Macro_menu_down.jpg"};

// The profile and lighting mode menus show only the left part of the picture.
constexpr int kNarrowMenuWidth = 144;
constexpr int kMaskRows = 15;
constexpr int kInsertListMaskRows = 6;
constexpr int kMacroMenuRowHeight = 20;

const char16_t* const kFunctionMenuWords[] = {u"Double Click", u"Rapid Fire", u"Led Loop",
                                              u"DPI +",        u"DPI -",      u"Media",
                                              u"Macro",        u"Shortcut",   u"Profile"};
const char16_t* const kGroupMenuTexts[] = {u"New macro group",         u"Rename",
                                           u"Import macro group",      u"Export macro group",
                                           u"Reset all macro  groups", u"Delete macro group"};
const char16_t* const kMoreOptionsTexts[] = {u"Import macro group", u"Export macro group",
                                             u"Reset all macro  groups"};
const char16_t* const kMacroMenuTexts[] = {u"Rename", u"Delete option"};
const char16_t* const kInsertMenuTexts[] = {u"Insert Previous", u"Insert After", u"Insert Delay"};
const char16_t* const kInsertListTexts[] = {u"Left     Click \u2193", u"Left     Click \u2191",
                                            u"Middle Click  \u2193",  u"Middle Click  \u2191",
                                            u"Right   Click \u2193",  u"Right   Click \u2191"};

constexpr int kLightingStepModeFirstName = 14;
constexpr int kLightingStepModes = 5;
constexpr int kLightingModeMenuRows = 13;
constexpr int kUserColourRows = kUserColorCount;

int RapidFireRows(int count) {
  return std::clamp(count, 0, kRapidFireSlots);
}

int GroupRows(int group_count) {
  return std::clamp(group_count, 0, kMaxGroups);
}

template <size_t N>
std::vector<std::u16string> Texts(const char16_t* const (&texts)[N]) {
  return std::vector<std::u16string>(std::begin(texts), std::end(texts));
}

std::vector<std::u16string> FunctionNames(const MenuTextSource& source, int first, int count) {
  std::vector<std::u16string> names;
  for (int i = first; i < first + count; ++i)
    names.push_back(source.functionNames[static_cast<size_t>(i)]);
  return names;
}

MenuGeometry Geometry(int width, int height, int row_height, int defined_rows) {
  MenuGeometry g{std::max(width, 0), std::max(height, 0), std::max(row_height, 0), 0};
  if (g.rowHeight > 0) g.rows = std::min(defined_rows, g.height / g.rowHeight);
  return g;
}

}  // namespace

MenuPictures FirstLevelPictures(int kind) {
  switch (kind) {
    case kProfileMenu:
    case kLightingModeMenu:
    case kLightingStepModeMenu:
    case kLightingStepColorMenu:
    case kLightingStepValueMenu:
    case kRapidFireItemMenu:
      return kMenuSet;
    case kFunctionMenu:
      return kFunctionSet;
    case kMoreOptionsMenu:
      return kMoreSet;
    case kGroupPopupMenu:
      return kGroupSet;
    case kMacroPopupMenu:
      return kMacroSet;
    case kInsertMenu:
      return kInsertSet;
    default:
      return {};
  }
}

int FirstLevelDefinedRows(int kind, int rapid_fire_count) {
  switch (kind) {
    case kProfileMenu:
      return kProfileCount;
    case kFunctionMenu:
      return 15;
    case kMoreOptionsMenu:
      return static_cast<int>(std::size(kMoreOptionsTexts));
    case kLightingModeMenu:
      return kLightingModeMenuRows;
    case kLightingStepModeMenu:
      return kLightingStepModes;
    case kLightingStepColorMenu:
    case kLightingStepValueMenu:
      return kUserColourRows;
    case kRapidFireItemMenu:
      return RapidFireRows(rapid_fire_count);
    case kGroupPopupMenu:
      return static_cast<int>(std::size(kGroupMenuTexts));
    case kMacroPopupMenu:
      return static_cast<int>(std::size(kMacroMenuTexts));
    case kInsertMenu:
      return static_cast<int>(std::size(kInsertMenuTexts));
    default:
      return 0;
  }
}

MenuGeometry FirstLevelGeometry(int kind, QSize mask, int rapid_fire_count) {
  const int w = mask.isValid() ? mask.width() : 0;
  const int h = mask.isValid() ? mask.height() : 0;
  const int rh = h / kMaskRows;
  const int rows = FirstLevelDefinedRows(kind, rapid_fire_count);
  switch (kind) {
    case kProfileMenu:
    case kLightingModeMenu:
      return Geometry(kNarrowMenuWidth, rows * rh, rh, rows);
    case kFunctionMenu:
    case kMoreOptionsMenu:
    case kLightingStepModeMenu:
    case kLightingStepColorMenu:
    case kLightingStepValueMenu:
    case kRapidFireItemMenu:
      return Geometry(w, rows * rh, rh, rows);
    case kGroupPopupMenu:
      return Geometry(w, 120, kMacroMenuRowHeight, rows);
    case kMacroPopupMenu:
      return Geometry(w, h, kMacroMenuRowHeight, rows);
    case kInsertMenu:
      return Geometry(w, 60, kMacroMenuRowHeight, rows);
    default:
      return {};
  }
}

std::vector<std::u16string> FirstLevelTexts(int kind, const MenuTextSource& source) {
  switch (kind) {
    case kProfileMenu:
      return FunctionNames(source, 19, kProfileCount);
    case kFunctionMenu: {
      std::vector<std::u16string> texts = FunctionNames(source, 1, 6);
      for (const char16_t* word : kFunctionMenuWords)
        texts.emplace_back(word);
      return texts;
    }
    case kMoreOptionsMenu:
      return Texts(kMoreOptionsTexts);
    case kLightingModeMenu: {
      std::vector<std::u16string> texts;
      for (int mode = 1; mode <= kLightingModeMenuRows; ++mode)
        texts.push_back(LightingModeName(mode, source.languageIsEnglish));
      return texts;
    }
    case kLightingStepModeMenu: {
      std::vector<std::u16string> texts;
      for (int i = 0; i < kLightingStepModes; ++i)
        texts.push_back(LightingModeName(kLightingStepModeFirstName + i, source.languageIsEnglish));
      return texts;
    }
    case kLightingStepColorMenu:
      return std::vector<std::u16string>(kUserColourRows);
    case kLightingStepValueMenu: {
      std::vector<std::u16string> texts;
      for (int v = 1; v <= kUserColourRows; ++v) {
        const std::string digits = std::to_string(v);
        texts.emplace_back(digits.begin(), digits.end());
      }
      return texts;
    }
    case kRapidFireItemMenu: {
      const int n = RapidFireRows(source.rapidFire.rapidFireCount);
      return std::vector<std::u16string>(source.rapidFire.rapidFireNames.begin(),
                                         source.rapidFire.rapidFireNames.begin() + n);
    }
    case kGroupPopupMenu:
      return Texts(kGroupMenuTexts);
    case kMacroPopupMenu:
      return Texts(kMacroMenuTexts);
    case kInsertMenu:
      return Texts(kInsertMenuTexts);
    default:
      return {};
  }
}

std::vector<QColor> FirstLevelColours(int kind, const ProfileSettings& settings) {
  if (kind != kLightingStepColorMenu) return {};
  std::vector<QColor> colours;
  for (uint32_t ref : settings.ledUserColorRef)
    colours.push_back(FromColorRef(ref));
  return colours;
}

std::optional<Submenu> SubmenuOfRow(int kind, int row) {
  if (kind == kFunctionMenu) {
    switch (row) {
      case 12:
        return Submenu::kMedia;
      case 13:
        return Submenu::kMacroGroups;
      case 14:
        return Submenu::kShortcut;
      case 15:
        return Submenu::kProfile;
      default:
        return std::nullopt;
    }
  }
  if (kind == kInsertMenu) {
    if (row == 1) return Submenu::kInsertBefore;
    if (row == 2) return Submenu::kInsertAfter;
  }
  return std::nullopt;
}

int SubmenuRowOffset(Submenu list, int group_count) {
  switch (list) {
    case Submenu::kMedia:
      return 5;
    case Submenu::kMacroGroups:
      return 12 - GroupRows(group_count) / 2;
    case Submenu::kShortcut:
      return 6;
    case Submenu::kProfile:
      return 11;
    case Submenu::kInsertBefore:
      return 0;
    case Submenu::kInsertAfter:
      return 1;
  }
  return 0;
}

int SubmenuTopic(Submenu list) {
  switch (list) {
    case Submenu::kMacroGroups:
      return 1;
    case Submenu::kInsertBefore:
      return 141;
    case Submenu::kInsertAfter:
      return 142;
    default:
      return 0;
  }
}

MenuPictures SubmenuPictures(Submenu list) {
  switch (list) {
    case Submenu::kMacroGroups:
      return kGroupListSet;
    case Submenu::kInsertBefore:
    case Submenu::kInsertAfter:
      return kInsertListSet;
    default:
      return kMenuSet;
  }
}

MenuGeometry SubmenuGeometry(Submenu list, QSize mask, int group_count) {
  const int w = mask.isValid() ? mask.width() : 0;
  const int h = mask.isValid() ? mask.height() : 0;
  int rh = h / kMaskRows;
  int rows = 0;
  switch (list) {
    case Submenu::kMedia:
      rows = 10;
      break;
    case Submenu::kMacroGroups:
      rows = GroupRows(group_count);
      break;
    case Submenu::kShortcut:
      rows = 9;
      break;
    case Submenu::kProfile:
      rows = kProfileCount;
      break;
    case Submenu::kInsertBefore:
    case Submenu::kInsertAfter:
      rh = h / kInsertListMaskRows;
      rows = static_cast<int>(std::size(kInsertListTexts));
      break;
  }
  return Geometry(w, rows * rh, rh, rows);
}

std::vector<std::u16string> SubmenuTexts(Submenu list, const MenuTextSource& source) {
  switch (list) {
    case Submenu::kMedia:
      return FunctionNames(source, 23, 10);
    case Submenu::kMacroGroups:
      return std::vector<std::u16string>(
          source.library.groupNames.begin(),
          source.library.groupNames.begin() + GroupRows(source.library.groupCount));
    case Submenu::kShortcut: {
      std::vector<std::u16string> texts = FunctionNames(source, 33, 8);
      texts.emplace_back(u"Desktop");
      return texts;
    }
    case Submenu::kProfile:
      return FunctionNames(source, 19, kProfileCount);
    case Submenu::kInsertBefore:
    case Submenu::kInsertAfter:
      return Texts(kInsertListTexts);
  }
  return {};
}

int InsertCode(Submenu list, int row) {
  if (row < 1 || row > 6) return 0;
  if (list == Submenu::kInsertBefore) return 340 + row;
  if (list == Submenu::kInsertAfter) return 346 + row;
  return 0;
}

MenuPictures MacroListPictures(int kind) {
  if (kind == kInsertMenu) {
    return {kGroupSet.mask, kGroupSet.normal, kGroupSet.over, ""};
  }
  return {kMenuSet.mask, kMenuSet.normal, kMenuSet.over, ""};
}

MenuGeometry MacroListGeometry(QSize mask, int macro_count) {
  const int w = mask.isValid() ? mask.width() : 0;
  const int rh = (mask.isValid() ? mask.height() : 0) / kMaskRows;
  const int rows = std::clamp(macro_count, 0, kMaxMacrosPerGroup);
  return Geometry(w, rows * rh + 1, rh, rows);
}

int MacroListRowOffset(int group_row, int macro_count) {
  return group_row - std::clamp(macro_count, 0, kMaxMacrosPerGroup) / 2 - 1;
}

int GroupMacroCount(const MacroLibraryState& library, int group_row) {
  if (group_row < 1 || group_row > GroupRows(library.groupCount)) return 0;
  return std::clamp(library.groupMacroCounts[static_cast<size_t>(group_row - 1)], 0,
                    kMaxMacrosPerGroup);
}

std::vector<std::u16string> MacroListTexts(const MacroLibraryState& library, int group_row) {
  const int count = GroupMacroCount(library, group_row);
  if (count == 0) return {};
  const auto& names = library.macroNames[static_cast<size_t>(group_row - 1)];
  return std::vector<std::u16string>(names.begin(), names.begin() + count);
}

}  // namespace devero::ui

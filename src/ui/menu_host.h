#pragma once

#include <QFont>
#include <functional>

#include "macro/macro_library.h"
#include "macro/macro_state.h"
#include "profile/product_description.h"
#include "profile/profile_settings.h"
#include "ui/skin_images.h"
#include "ui/skin_tables.h"

namespace devero::ui {

// What the one open first-level menu lists and what a choice does.
enum MenuKind : int {
  kProfileMenu = 0,
  kFunctionMenu = 1,
  kMoreOptionsMenu = 3,
  kLightingModeMenu = 4,
  kLightingStepModeMenu = 6,
  kLightingStepColorMenu = 7,
  kLightingStepValueMenu = 8,
  kRapidFireItemMenu = 9,
  kHeaderMenu = 10,
  kGroupPopupMenu = 11,
  kMacroPopupMenu = 12,
  kInsertMenu = 14,
};

// Where a menu's choices go outside the menus: the main window and its pages (and, for the
// item list, the rapid-fire dialog). Every call comes on the window's thread.
class MenuHost {
 public:
  virtual ~MenuHost() = default;
  // The profile menu set currentProfile: record it, reload nothing, repaint (the current-profile
  // notice, wParam 0).
  virtual void OnProfileChosen() = 0;
  // The menu of header entry 17 (the notice with wParam 1 and the row).
  virtual void OnHeaderMenuChosen(int row) = 0;
  // Kinds 11, 12, 14 and the insert submenus: (kind, row or insert code).
  virtual void OnMacroMenuAction(int kind, int item) = 0;
  // Kind 3: 1 import group, 2 export group, 3 reset all groups.
  virtual void OnMoreOptionsChosen(int row) = 0;
  // Kind 6: the lighting step's mode row - 1; kind 7 and 8: the row.
  virtual void OnLightingStepModeChosen(int row_minus_one) = 0;
  virtual void OnLightingStepValueChosen(int row) = 0;
  // Kind 9: the rapid-fire item changed; `previous` was current before the choice.
  virtual void OnRapidFireItemChanged(int previous) = 0;
  // A function or lighting mode was written into the record: repaint the main window.
  virtual void RepaintMainWindow() = 0;
  // A second- or third-level choice closed the menus: the main window's next paint on the main
  // page closes the first level.
  virtual void SetCloseMenuFlag() = 0;
};

// What the menus read and change. Everything outlives the menus.
struct MenuContext {
  SkinImages& images;
  const MainWindowSkin& skin;  // function names
  ProfileSettings& settings;
  const ProductDescription& product;
  MacroLibrary& library;
  MacroState& macros;  // rapid-fire items for kind 9
  std::function<int()> languageIsEnglish;
  std::function<QFont()> font;
  MenuHost& host;
};

}  // namespace devero::ui

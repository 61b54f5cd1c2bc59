#pragma once

#include <QFont>
#include <QPainter>
#include <array>
#include <string>

#include "macro/macro_library.h"
#include "profile/product_description.h"
#include "profile/profile_settings.h"
#include "ui/hit_test.h"
#include "ui/skin_images.h"
#include "ui/skin_tables.h"

namespace devero::ui {

enum Page : uint8_t { kMainPage = 0, kAdvancedPage = 1, kMacroPage = 2, kLightingPage = 3 };

// What the main window's look depends on besides the settings and the skin.
struct MainViewState {
  uint8_t page = kMainPage;
  int hoverMain = kNoEntry;
  int hoverAdvanced = kNoEntry;
  int hoverMacro = kNoEntry;
  int hoverLighting = kNoEntry;
  bool pressed = false;
  bool profileMenuOpen = false;
  int languageIsEnglish = 0;
  // Macro page.
  bool recording = false;
  bool groupLocked = false;
  bool macroSelected = false;
  int selectedRepeatMode = 0;
  // A download's progress on the Apply control: parts per thousand, or -1 when none runs.
  int applyProgress = -1;
  // Replaces the Apply control's label while set ("Applying 40 %", "Done", ...).
  std::u16string applyLabel;
};

inline constexpr int kApplyEntry = 3;

struct MainPaintInput {
  const MainWindowSkin& skin;
  const ProfileSettings& settings;
  const ProductDescription& product;
  const MacroLibraryState& library;
  const MainViewState& view;
  const QFont& font;
};

// The whole main window for its page: the normal image, the page's control states, the header,
// then the labels.
void PaintMainWindow(QPainter& p, SkinImages& images, const MainPaintInput& in);

// The image name prefix of a page: "main", "advanced", "mac", "led".
const char* PageImagePrefix(int page);

// The text a button's function field shows: a function name below 48, a macro name from 256;
// nothing for other codes.
std::u16string FunctionFieldText(int32_t code, const MainWindowSkin& skin,
                                 const MacroLibraryState& library);

// The field's text as shown: cut to its first 15 characters unless the pointer is over it.
std::u16string FunctionFieldLabel(int32_t code, const MainWindowSkin& skin,
                                  const MacroLibraryState& library, bool hovered);

inline constexpr int kFunctionTextCut = 15;
inline constexpr int kFunctionTextOffset = 55;

}  // namespace devero::ui

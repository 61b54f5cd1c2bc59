#pragma once

#include <QColor>
#include <QMouseEvent>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/runtime_paths.h"
#include "macro/headless_macro_library.h"
#include "support/fake_warnings.h"
#include "support/temp_dir.h"
#include "ui/menu_host.h"

namespace devero::testing {

// Records every call of the menus to the window, one line each ("Profile", "Macro 14 146").
class FakeMenuHost : public ui::MenuHost {
 public:
  void OnProfileChosen() override { calls.push_back("Profile"); }
  void OnHeaderMenuChosen(int row) override { Add("Header", row); }
  void OnMacroMenuAction(int kind, int item) override { Add("Macro", kind, item); }
  void OnMoreOptionsChosen(int row) override { Add("More", row); }
  void OnLightingStepModeChosen(int row) override { Add("StepMode", row); }
  void OnLightingStepValueChosen(int row) override { Add("StepValue", row); }
  void OnRapidFireItemChanged(int previous) override { Add("RapidFire", previous); }
  void RepaintMainWindow() override { calls.push_back("Repaint"); }
  void SetCloseMenuFlag() override { calls.push_back("CloseFlag"); }

  std::vector<std::string> calls;

 private:
  template <typename... Args>
  void Add(const char* name, Args... args) {
    std::string line = name;
    ((line += " " + std::to_string(args)), ...);
    calls.push_back(line);
  }
};

// Menu pictures in flat colours (normal, over and down tell apart by a pixel), the rapid-fire
// dialog's pictures and skin files, a library of three groups with 1, 2 and 3 macros, and
// function names "F1".."F47" (Chinese: "功能1"..).
class MenuTestBed {
 public:
  static inline const QColor kNormal{10, 20, 30};
  static inline const QColor kOver{40, 90, 200};
  static inline const QColor kDown{200, 40, 40};
  static inline const QColor kPicture{0, 160, 0};

  explicit MenuTestBed(int language_is_english = 1);

  const std::filesystem::path& skins() const { return skins_; }
  ui::MenuContext Context();

  TempDir dir;
  FakeWarnings warnings;
  FakeMenuHost host;
  ProfileSettings settings;
  ProductDescription product;
  int languageIsEnglish;

 private:
  std::filesystem::path skins_;
  RuntimePaths paths_;

 public:
  HeadlessMacroLibrary headless{paths_, warnings};
  std::unique_ptr<ui::SkinImages> images;
  ui::MainWindowSkin skin;
};

// Pointer events as the platform sends them.
void SendMove(QWidget* widget, QPoint pos);
void SendPress(QWidget* widget, QPoint pos);
void SendRelease(QWidget* widget, QPoint pos);
void SendClick(QWidget* widget, QPoint pos);
// Runs the queued deletions of closed windows.
void FlushDeletes();

}  // namespace devero::testing

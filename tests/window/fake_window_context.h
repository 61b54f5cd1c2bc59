#pragma once

#include <string>
#include <vector>

#include "app/window_context.h"
#include "support/fake_warnings.h"

namespace devero::testing {

// A window context that records what the click handlers ask for.
class FakeWindowContext : public WindowContext {
 public:
  struct MenuCall {
    int kind;
    QPoint position;
    int width;
    int height;
  };

  ProfileSettings& Settings() override { return settings; }
  const ProductDescription& Product() const override { return product; }
  const ui::MainWindowSkin& Skin() const override { return skin; }
  ui::MainViewState& View() override { return view; }
  WarningService& Warnings() override { return warnings; }
  bool Recording() const override { return recording; }
  QPoint WindowTopLeft() const override { return top_left; }
  void InvalidatePage() override { ++invalidations; }
  void InvalidateAll() override { ++invalidations; }
  void RepaintNow() override { ++repaints; }
  void StartWindowMove() override { calls.push_back("move"); }
  void Minimise() override { calls.push_back("minimise"); }
  void ShowPage(int page) override {
    view.page = static_cast<uint8_t>(page);
    calls.push_back("page " + std::to_string(page));
  }
  void OpenMenu(int kind, QPoint position, int width, int height) override {
    menus.push_back({kind, position, width, height});
    menu_open = true;
  }
  bool MenuOpen() const override { return menu_open; }
  void CloseMenu() override {
    menu_open = false;
    calls.push_back("close menu");
  }
  std::optional<uint32_t> ChooseColour() override {
    calls.push_back("colour");
    return colour;
  }
  void CloseProgram() override { calls.push_back("close"); }
  void HideToTray() override { calls.push_back("tray"); }
  void Apply() override { calls.push_back("apply"); }
  void SwitchLanguage(int language) override {
    calls.push_back("language " + std::to_string(language));
  }
  void ImportProfiles() override { calls.push_back("import"); }
  void ExportProfiles() override { calls.push_back("export"); }
  void ResetProfiles() override { calls.push_back("reset"); }
  void OpenSupportPage() override { calls.push_back("support"); }
  void EndListEdits() override { calls.push_back("end edits"); }
  void MacroPageButtonDown(int entry) override {
    calls.push_back("macro " + std::to_string(entry));
  }

  ProfileSettings settings;
  ProductDescription product;
  ui::MainWindowSkin skin;
  ui::MainViewState view;
  FakeWarnings warnings;
  bool recording = false;
  QPoint top_left{100, 50};
  bool menu_open = false;
  std::optional<uint32_t> colour;
  std::vector<std::string> calls;
  std::vector<MenuCall> menus;
  int invalidations = 0;
  int repaints = 0;
};

}  // namespace devero::testing

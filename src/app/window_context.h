#pragma once

#include <QPoint>
#include <optional>

#include "platform/user/warning_service.h"
#include "profile/product_description.h"
#include "profile/profile_settings.h"
#include "ui/main_window_paint.h"
#include "ui/skin_tables.h"

namespace devero {

// What the main window's click handlers read, change and ask for. The window program
// implements it; tests fake it.
class WindowContext {
 public:
  virtual ~WindowContext() = default;

  virtual ProfileSettings& Settings() = 0;
  virtual const ProductDescription& Product() const = 0;
  virtual const ui::MainWindowSkin& Skin() const = 0;
  virtual ui::MainViewState& View() = 0;
  virtual WarningService& Warnings() = 0;
  virtual bool Recording() const = 0;

  // The window.
  virtual QPoint WindowTopLeft() const = 0;
  // Repaints through the page's region (the macro page keeps its lists), or everything.
  virtual void InvalidatePage() = 0;
  virtual void InvalidateAll() = 0;
  // Paints what is invalid now rather than at the next turn of the event loop.
  virtual void RepaintNow() = 0;
  // The pointer went down on an empty part of a page: the window follows it.
  virtual void StartWindowMove() = 0;
  virtual void Minimise() = 0;

  // Pages and menus.
  virtual void ShowPage(int page) = 0;
  virtual void OpenMenu(int kind, QPoint screen_position, int width, int height) = 0;
  virtual bool MenuOpen() const = 0;
  virtual void CloseMenu() = 0;
  virtual std::optional<uint32_t> ChooseColour() = 0;

  // The header's controls.
  virtual void CloseProgram() = 0;
  virtual void HideToTray() = 0;
  virtual void Apply() = 0;
  virtual void SwitchLanguage(int language_is_english) = 0;
  virtual void ImportProfiles() = 0;
  virtual void ExportProfiles() = 0;
  virtual void ResetProfiles() = 0;
  virtual void OpenSupportPage() = 0;

  // The macro page: its in-place edits end before any click; its own entries.
  virtual void EndListEdits() = 0;
  virtual void MacroPageButtonDown(int entry) = 0;
};

}  // namespace devero

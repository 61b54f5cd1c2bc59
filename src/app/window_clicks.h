#pragma once

#include "app/window_context.h"
#include "ui/slider.h"

namespace devero {

inline constexpr char16_t kRecordingWarning[] = u"Recording";
inline constexpr char16_t kLeftClickWarning[] =
    u"At least one button must be configured as \"Left Click\"!";

// Toggles DPI stage s; the last enabled stage stays enabled and dpiLevel always names an
// enabled stage.
void ToggleDpiStage(ProfileSettings& settings, int stage);
// Whether a lighting entry's click works in mode `led_type`.
bool LightingClickAvailable(int entry, int led_type);

// The main window's pointer handlers on all four pages: hover, clicks, slider drags and the
// window move.
class MainWindowClicks {
 public:
  explicit MainWindowClicks(WindowContext& ctx) : ctx_(ctx) {}

  void OnPointerMove(int x, int y);
  void OnButtonDown(int x, int y);
  void OnButtonUp(int x, int y);
  // The pointer left the window; a drag ends unless the left button is still down.
  void OnPointerLeave(bool left_button_down);

  // The four hit tests; true when any hover index changed.
  bool UpdateHover(int x, int y);

  ui::SliderMode dragMode() const { return drag_; }
  bool functionMenuOpen() const { return function_menu_open_; }
  void ClearFunctionMenuOpen() { function_menu_open_ = false; }
  // The main-table entry (20 + button) whose function menu is open.
  int selectedButton() const { return selected_button_; }

 private:
  bool RecordingBlocks();
  bool AllHoversEmpty() const;
  void OpenMenuBelow(int kind, const ui::SkinEntry& e, int dx, int dy, int width, int height);
  // Each returns false when a warning ended the click.
  bool MainPage(int x);
  void AdvancedPage(int x);
  void MacroPage();
  void LightingPage(int x);
  void StartDrag(ui::SliderMode mode, int x);
  void Drag(int x);

  WindowContext& ctx_;
  ui::SliderMode drag_ = ui::SliderMode::kNone;
  bool function_menu_open_ = false;
  int selected_button_ = 20;
};

}  // namespace devero

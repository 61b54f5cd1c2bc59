#pragma once

#include <QPointer>
#include <memory>
#include <optional>

#include "app/runtime_paths.h"
#include "macro/library_edit_context.h"
#include "macro/lighting_list.h"
#include "macro/macro_editor.h"
#include "macro/macro_library.h"
#include "macro/macro_recorder.h"
#include "macro/macro_state.h"
#include "macro/step_list.h"
#include "platform/clock/clock.h"
#include "platform/user/warning_service.h"
#include "ui/function_menus.h"
#include "ui/macro_page_widgets.h"
#include "ui/skin_tables.h"
#include "ui/x11_keyboard_grab.h"

class QWidget;

namespace devero {

inline constexpr char16_t kSelectMacroWarning[] = u" Please select a macro";
inline constexpr char16_t kGrabRefusedWarning[] =
    u"The keyboard could not be captured (another program holds it, or the desktop does not "
    u"allow it): only keys typed into this window are recorded.";

// What the macro page works with besides its own objects. Everything outlives the page.
struct MacroPageDeps {
  MacroState& macros;
  MacroLibrary& library;
  const RuntimePaths& paths;
  WarningService& warnings;
  Clock& clock;
  const ui::MainWindowSkin& skin;
  ui::SkinImages& images;
  ui::FunctionMenus& menus;
  const ui::MenuContext& menu_context;
  QWidget& window;
  // The window's invalidation of the macro page, and its label font.
  std::function<void()> repaint;
  std::function<QFont()> font;
  std::function<QString()> title;
  // The function menu's open flag, cleared when the step list's selection closes the menu.
  std::function<void()> function_menu_closed;
};

// The macro page: its child windows, the recorder, the step editor, and the clicks on its own
// entries. The page view exists from the start (the library talks to it); the rest comes with
// Attach once the library exists.
class MacroPageController final : public RecordingControl {
 public:
  explicit MacroPageController(std::filesystem::path skin_directory);
  ~MacroPageController() override;

  ui::MacroPageWidgets& view() { return page_; }
  void Attach(const MacroPageDeps& deps);

  // Entering the page creates its lists and fills them; leaving takes them away.
  void Enter();
  void Leave();
  bool shown() const { return page_.created(); }
  void EndEdits() { page_.EndEdits(); }
  void SetLanguage(int language_is_english);
  // A click on one of the page's own entries (macro table).
  void ButtonDown(int entry);
  // The program ends: open dialogs end with result 0.
  void CloseDialogs();

  // The menus' choices that belong to the page.
  void MenuAction(int kind, int item);
  void MoreOptions(int item);
  void LightingModeChoice(int row);
  void LightingColourChoice(int row);

  std::optional<int> SelectedMacroRepeatMode() const;

  // RecordingControl.
  bool IsRecording() const override { return recorder_ && recorder_->recording(); }
  void EndRecording() override {
    if (recorder_) recorder_->End();
  }

 private:
  int SelectedRow() const;
  const GroupListRow* Row(int row) const;
  void MakeSelectedRowCurrent();
  void RightRelease(ui::MacroList list, int row, QPoint global);
  bool LightingStepSelected();
  void OpenMenuAt(int kind, QPoint global);

  ui::MacroPageWidgets page_;
  std::optional<MacroPageDeps> deps_;
  std::unique_ptr<StepList> step_list_;
  std::unique_ptr<LightingList> lighting_list_;
  std::unique_ptr<LibraryEditContext> edit_context_;
  std::unique_ptr<ui::X11KeyboardGrab> grab_;
  std::unique_ptr<MacroRecorder> recorder_;
  std::unique_ptr<MacroEditor> editor_;
  QPointer<QDialog> gun_;
};

}  // namespace devero

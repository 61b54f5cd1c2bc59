#pragma once

#include <cstdint>
#include <string>

#include "macro/lighting_list.h"
#include "macro/macro_edit_context.h"
#include "macro/macro_edit_view.h"
#include "macro/macro_recorder.h"
#include "macro/macro_state.h"
#include "macro/step_list.h"
#include "platform/user/warning_service.h"

namespace devero {

inline constexpr char16_t kLockedStepEditWarning[] = u"Cryptographic macros cannot be modified ";
inline constexpr char16_t kStepLimitWarning[] = u" More than limit!";
inline constexpr char16_t kCursorMoveLimitWarning[] = u"Error! ";
inline constexpr char16_t kCountedStepWarning[] = u"Error";
inline constexpr char16_t kValueLimitWarning[] = u"More than limit!";
inline constexpr char16_t kDpiValueWarning[] =
    u"CPI(:200/400/600/800/1000/1200/1600/2000/2400/3200/4000/4800)";
inline constexpr char16_t kXLimitWarning[] = u"[X]; Beyond limit";
inline constexpr char16_t kYLimitWarning[] = u"[Y]; Beyond limit";
inline constexpr char16_t kUnusableKeyWarning[] = u"This key cannot be used in a macro step";

inline constexpr int kMaxStepDelayMs = 10000;
inline constexpr int kMaxLightingValue = 100;
inline constexpr uint16_t kNewCursorMoveDistance = 10;

// The insert menu's choices (its message carries them) and the editor's command ids.
inline constexpr int kInsertMenuDelay = 146;
inline constexpr int kInsertMenuFirstBefore = 341;  // 341..346 before, 347..352 after
inline constexpr int kInsertMenuLastAfter = 352;

enum class InsertAt { kBefore, kAfter };

// Which popup a right-button release over a lighting-list row opens.
enum class LightingPopup { kNone, kMode, kColour };

// The step edits of the macro page on the current macro of the macro table: insertions,
// deletion, modify, the in-place edits, the captured key, the repeat mode and count. Step edits
// change the table only; the library writes the macro at its moments.
class MacroEditor {
 public:
  MacroEditor(MacroState& macros, MacroEditContext& context, const MacroRecorder& recorder,
              StepList& step_list, LightingList& lighting_list, MacroEditView& page,
              WarningService& warnings)
      : macros_(macros),
        context_(context),
        recorder_(recorder),
        step_list_(step_list),
        lighting_list_(lighting_list),
        page_(page),
        warnings_(warnings) {}

  // Shows the steps of currentMacro (what the page view's RefreshStepList asks for).
  void RefreshStepList();

  // The insert menu's message: 146 a delay after, 341..352 the mouse-button steps. The
  // repeat-count field is left as it is.
  void HandleInsertMenu(int choice);
  // The menu command ids bound to editor operations; false for any other id.
  bool HandleCommand(int command_id);

  void InsertMouseButton(uint8_t code, uint8_t action, InsertAt at);
  void InsertDelay();
  // Direction 3..6 (X-Y-, X-Y+, X+Y-, X+Y+), after the selected step.
  void InsertCursorMove(uint8_t direction);
  // Action 9 (set 800 DPI) or 10 (return to the DPI before the macro), after the selected step.
  void InsertDpi(uint8_t action);
  void InsertLighting();

  void DeleteStep();
  // Starts the in-place edit of a delay row or of a cursor-move, DPI or lighting step, or opens
  // the key-capture dialog for any other step.
  void Modify();
  // Modify, but only for the in-place edits of cursor-move, DPI and lighting steps.
  void ChangeParameters();
  // Starts the in-place edit of the selected delay row.
  void EditDelay();
  // The key-capture dialog's OK: the selected step gets the captured key; action and delay stay.
  void ApplyCapturedKey(uint8_t device_key);

  // An in-place edit changed row `row` of the step list (its text is the row's new text).
  void ApplyStepListEdit(int row);
  // An in-place edit changed row `row` of the lighting list.
  void ApplyLightingListEdit(int row);
  // Whether a double-click on the lighting list's row may start its in-place edit.
  bool LightingRowEditableInPlace(int row) const;
  // A right-button release over the lighting list's row `row`: remembers and selects the row and
  // says which lighting-step menu to open.
  LightingPopup LightingPopupForRow(int row);
  // The lighting-step menus: row 0..4 of the mode menu, colour 1..7 of the colour menu, for the
  // remembered lighting-list row.
  void ApplyLightingModeChoice(int menu_row);
  void ApplyLightingColourChoice(int colour);

  // Repeat mode 0 (play repeatCount times), 1 or 2.
  void SetRepeatMode(int mode);
  // Every change of the repeat-count field's text, the program's own included.
  void OnRepeatCountTextChanged(const std::u16string& text);

 private:
  bool Locked() const { return macros_.groupLocked != 0; }
  MacroRecord* EditableMacro();
  // Checks the rules every insertion shares and gives the position, or -1.
  int InsertPosition(MacroRecord& macro, InsertAt at);
  void PlaceStep(MacroRecord& macro, int p, uint8_t code, uint8_t action);
  void RefreshSteps(MacroRecord& macro);
  void RefillLighting(MacroRecord& macro, int row);
  DataBlock* ShownBlock(MacroRecord& macro);
  int SelectedStepRow(const MacroRecord& macro) const;

  MacroState& macros_;
  MacroEditContext& context_;
  const MacroRecorder& recorder_;
  StepList& step_list_;
  LightingList& lighting_list_;
  MacroEditView& page_;
  WarningService& warnings_;
  RepeatFieldUpdate field_update_ = RepeatFieldUpdate::kUpdate;
};

}  // namespace devero

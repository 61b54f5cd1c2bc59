#include "macro/macro_editor.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "keys/key_codes.h"
#include "macro/lighting_rows.h"
#include "macro/macro_steps.h"
#include "platform/text/leading_int.h"
#include "platform/text/utf.h"

namespace devero {

namespace {

constexpr uint8_t kButtonCodes[] = {kLeftButton, kMiddleButton, kRightButton};

// The integer after the first ':' of a text, or of the whole text when it has none.
int NumberAfterColon(const std::u16string& text) {
  const size_t colon = text.find(u':');
  return LeadingInt(colon == std::u16string::npos ? std::u16string_view(text)
                                                  : std::u16string_view(text).substr(colon + 1));
}

// "[X-]:10,[Y+]:20": X between the first ':' and the next ',', Y after the ':' that follows
// that ','. A part that is missing reads as 0.
void ParseCursorMove(const std::u16string& text, int& x, int& y) {
  x = y = 0;
  const std::u16string_view view(text);
  const size_t colon = view.find(u':');
  if (colon == std::u16string_view::npos) return;
  const size_t comma = view.find(u',', colon + 1);
  x = LeadingInt(view.substr(colon + 1, comma == std::u16string_view::npos
                                            ? std::u16string_view::npos
                                            : comma - colon - 1));
  if (comma == std::u16string_view::npos) return;
  const size_t second_colon = view.find(u':', comma + 1);
  if (second_colon == std::u16string_view::npos) return;
  y = LeadingInt(view.substr(second_colon + 1));
}

bool ValidSlot(int index) {
  return index >= 0 && index < kMaxMacrosPerGroup;
}

bool EditsInPlace(uint8_t code) {
  return code == kStepCursorMove || code == kStepDpi || code == kStepLighting;
}

}  // namespace

MacroRecord* MacroEditor::EditableMacro() {
  if (recorder_.recording()) return nullptr;
  if (!context_.SelectedMacro()) return nullptr;
  if (!ValidSlot(macros_.macroTable.currentMacro)) return nullptr;
  return &macros_.macroTable.slots[macros_.macroTable.currentMacro];
}

int MacroEditor::SelectedStepRow(const MacroRecord& macro) const {
  const int row = step_list_.view().SelectedRow();
  if (row < 0 || row >= 2 * UsedStepCount(macro)) return -1;
  return row;
}

void MacroEditor::RefreshStepList() {
  MacroRecord* macro = macros_.macroTable.Current();
  if (!macro) {
    step_list_.ResetCounters();
    step_list_.Clear();
    return;
  }
  RefreshSteps(*macro);
}

void MacroEditor::RefreshSteps(MacroRecord& macro) {
  step_list_.Refresh(macro, Locked(), field_update_, context_.LanguageIsEnglish());
}

DataBlock* MacroEditor::ShownBlock(MacroRecord& macro) {
  const int block = lighting_list_.block();
  if (block < 0 || block >= kDataBlockCount) return nullptr;
  return &macro.ledData[block];
}

void MacroEditor::RefillLighting(MacroRecord& macro, int row) {
  lighting_list_.Fill(macro, lighting_list_.block(), context_.LanguageIsEnglish());
  lighting_list_.view().SelectRow(row);
  lighting_list_.RememberRow(row);
}

// ---- Insertions ----

int MacroEditor::InsertPosition(MacroRecord& macro, InsertAt at) {
  if (Locked()) {
    warnings_.ShowWarning(kLockedStepEditWarning);
    return -1;
  }
  if (macro.stepCount >= kMaxSteps) {
    warnings_.ShowWarning(kStepLimitWarning);
    return -1;
  }
  MacroListView& view = step_list_.view();
  if (at == InsertAt::kAfter && view.RowCount() == 0) return 0;
  const int step = StepOfRow(view.SelectedRow());
  const int p = at == InsertAt::kBefore ? step : step + 1;
  return std::min(p, UsedStepCount(macro));
}

void MacroEditor::PlaceStep(MacroRecord& macro, int p, uint8_t code, uint8_t action) {
  if (!OpenStepAt(macro, p)) return;
  macro.stepAction[p] = action;
  macro.stepCode[p] = code;
  macro.stepDelay[p] = 1;
}

void MacroEditor::InsertMouseButton(uint8_t code, uint8_t action, InsertAt at) {
  MacroRecord* macro = EditableMacro();
  if (!macro) return;
  const int p = InsertPosition(*macro, at);
  if (p < 0) return;
  PlaceStep(*macro, p, code, action);
  RefreshSteps(*macro);
}

void MacroEditor::InsertDelay() {
  MacroRecord* macro = EditableMacro();
  if (!macro) return;
  const int p = InsertPosition(*macro, InsertAt::kAfter);
  if (p < 0) return;
  PlaceStep(*macro, p, kStepDelay, kActionDelay);
  RefreshSteps(*macro);
}

void MacroEditor::InsertCursorMove(uint8_t direction) {
  if (direction < kActionMoveXMinusYMinus || direction > kActionMoveXPlusYPlus) return;
  MacroRecord* macro = EditableMacro();
  if (!macro) return;
  const int p = InsertPosition(*macro, InsertAt::kAfter);
  if (p < 0) return;
  if (macro->xyStepCount >= kMaxXySteps) {
    warnings_.ShowWarning(kCursorMoveLimitWarning);
    return;
  }
  PlaceStep(*macro, p, kStepCursorMove, direction);
  macro->stepParam[p] = {kNewCursorMoveDistance, kNewCursorMoveDistance};
  ++macro->xyStepCount;
  RefreshSteps(*macro);
}

void MacroEditor::InsertDpi(uint8_t action) {
  if (action != kActionDpiSet && action != kActionDpiReturn) return;
  MacroRecord* macro = EditableMacro();
  if (!macro) return;
  const int p = InsertPosition(*macro, InsertAt::kAfter);
  if (p < 0) return;
  if (macro->dpiStepCount >= kMaxCountedSteps) {
    warnings_.ShowWarning(kCountedStepWarning);
    return;
  }
  PlaceStep(*macro, p, kStepDpi, action);
  macro->stepParam[p] = {kDefaultDpiLevelCode, 0};
  ++macro->dpiStepCount;
  RefreshSteps(*macro);
}

void MacroEditor::InsertLighting() {
  MacroRecord* macro = EditableMacro();
  if (!macro) return;
  const int p = InsertPosition(*macro, InsertAt::kAfter);
  if (p < 0) return;
  if (macro->ledDataCount >= kDataBlockCount) {
    warnings_.ShowWarning(kStepLimitWarning);
    return;
  }
  // Every check comes before the first change, so a refused insertion leaves the macro whole.
  const int used = UsedStepCount(*macro);
  for (int i = p; i < used; ++i) {
    if (macro->stepCode[i] == kStepLighting && macro->stepParam[i].param1 >= macro->ledDataCount) {
      warnings_.ShowWarning(kCountedStepWarning);
      return;
    }
  }
  int block = 0;
  for (int i = p - 1; i >= 0; --i) {
    if (macro->stepCode[i] != kStepLighting) continue;
    const int k = macro->stepParam[i].param1;
    block = k == 255 ? 0 : k + 1;
    break;
  }
  if (block >= kDataBlockCount) {
    warnings_.ShowWarning(kCountedStepWarning);
    return;
  }

  PlaceStep(*macro, p, kStepLighting, kActionLed0);
  for (int i = used; i > p; --i) {
    if (macro->stepCode[i] != kStepLighting) continue;
    const int k = macro->stepParam[i].param1;
    macro->stepParam[i].param1 = static_cast<uint16_t>(k + 1);
    macro->ledData[k + 1] = macro->ledData[k];
  }
  InitLightingBlock(macro->ledData[block]);
  macro->stepParam[p] = {static_cast<uint16_t>(block), 0};
  ++macro->ledDataCount;
  RefreshSteps(*macro);
}

void MacroEditor::HandleInsertMenu(int choice) {
  // The menu's own insertions leave the repeat-count field as it is.
  const RepeatFieldUpdate previous = std::exchange(field_update_, RepeatFieldUpdate::kLeaveAlone);
  if (choice == kInsertMenuDelay) {
    InsertDelay();
  } else if (choice >= kInsertMenuFirstBefore && choice <= kInsertMenuLastAfter) {
    const int index = choice - kInsertMenuFirstBefore;
    const InsertAt at = index < 6 ? InsertAt::kBefore : InsertAt::kAfter;
    const int item = index % 6;
    InsertMouseButton(kButtonCodes[item / 2], item % 2 == 0 ? kActionPress : kActionRelease, at);
  }
  field_update_ = previous;
}

bool MacroEditor::HandleCommand(int command_id) {
  struct ButtonCommand {
    int id;
    uint8_t code;
    uint8_t action;
    InsertAt at;
  };
  static constexpr ButtonCommand kButtonCommands[] = {
      {32807, kLeftButton, kActionPress, InsertAt::kBefore},
      {32808, kLeftButton, kActionRelease, InsertAt::kBefore},
      {32811, kMiddleButton, kActionPress, InsertAt::kBefore},
      {32812, kMiddleButton, kActionRelease, InsertAt::kBefore},
      {32809, kRightButton, kActionPress, InsertAt::kBefore},
      {32810, kRightButton, kActionRelease, InsertAt::kBefore},
      {32813, kLeftButton, kActionPress, InsertAt::kAfter},
      {32814, kLeftButton, kActionRelease, InsertAt::kAfter},
      {32847, kMiddleButton, kActionPress, InsertAt::kAfter},
      {32850, kMiddleButton, kActionPress, InsertAt::kAfter},
      {32848, kMiddleButton, kActionRelease, InsertAt::kAfter},
      {32851, kMiddleButton, kActionRelease, InsertAt::kAfter},
      {32815, kRightButton, kActionPress, InsertAt::kAfter},
      {32816, kRightButton, kActionRelease, InsertAt::kAfter},
  };
  for (const ButtonCommand& command : kButtonCommands) {
    if (command.id == command_id) {
      InsertMouseButton(command.code, command.action, command.at);
      return true;
    }
  }
  switch (command_id) {
    case 32803:
      InsertDelay();
      return true;
    case 32791:
    case 32792:
    case 32793:
    case 32794:
      InsertCursorMove(static_cast<uint8_t>(kActionMoveXMinusYMinus + command_id - 32791));
      return true;
    case 32797:
      InsertDpi(kActionDpiSet);
      return true;
    case 32798:
      InsertDpi(kActionDpiReturn);
      return true;
    case 32799:
      InsertLighting();
      return true;
    case 32804:
    case 32780:
    case 32835:
      ChangeParameters();
      return true;
    case 32805:
      EditDelay();
      return true;
    case 32806:
    case 32862:
      DeleteStep();
      return true;
    case 32861:
      Modify();
      return true;
    default:
      return false;
  }
}

// ---- Delete, modify, captured key ----

void MacroEditor::DeleteStep() {
  lighting_list_.Clear();
  MacroRecord* macro = EditableMacro();
  if (!macro || Locked()) return;
  const int row = SelectedStepRow(*macro);
  if (row < 0) return;
  const int step = StepOfRow(row);
  ForgetStepData(*macro, step);
  RemoveStepAt(*macro, step);
  RefreshSteps(*macro);
}

void MacroEditor::Modify() {
  MacroRecord* macro = EditableMacro();
  if (!macro || Locked()) return;
  const int row = SelectedStepRow(*macro);
  if (row < 0) return;
  const uint8_t code = macro->stepCode[StepOfRow(row)];
  if (IsDelayRow(row) || EditsInPlace(code)) {
    step_list_.view().StartEdit(row);
    return;
  }
  page_.OpenKeyCapture(StepKeyName(code, context_.LanguageIsEnglish()));
}

void MacroEditor::ChangeParameters() {
  MacroRecord* macro = EditableMacro();
  if (!macro || Locked()) return;
  const int row = SelectedStepRow(*macro);
  if (row < 0 || IsDelayRow(row) || !EditsInPlace(macro->stepCode[StepOfRow(row)])) return;
  step_list_.view().StartEdit(row);
}

void MacroEditor::EditDelay() {
  MacroRecord* macro = EditableMacro();
  if (!macro || Locked()) return;
  const int row = SelectedStepRow(*macro);
  if (IsDelayRow(row)) step_list_.view().StartEdit(row);
}

void MacroEditor::ApplyCapturedKey(uint8_t device_key) {
  MacroRecord* macro = EditableMacro();
  if (!macro || Locked()) return;
  const int row = SelectedStepRow(*macro);
  if (row < 0 || IsDelayRow(row)) return;
  if (device_key == 0) return;  // OK without a key pressed
  if (!IsKeyStepCode(device_key)) {
    warnings_.ShowWarning(kUnusableKeyWarning);
    return;
  }
  const int step = StepOfRow(row);
  // A counted step that becomes a key step gives up its count and data block.
  ForgetStepData(*macro, step);
  macro->stepCode[step] = device_key;
  RefreshSteps(*macro);
}

// ---- In-place edits ----

void MacroEditor::ApplyStepListEdit(int row) {
  MacroRecord* macro = EditableMacro();
  if (!macro || Locked()) return;
  if (row < 0 || row >= 2 * UsedStepCount(*macro)) return;
  const std::u16string text = step_list_.view().RowText(row);
  const int step = StepOfRow(row);
  if (IsDelayRow(row)) {
    const size_t ms = text.find(u"ms");
    int delay = LeadingInt(ms == std::u16string::npos ? std::u16string_view(text)
                                                      : std::u16string_view(text).substr(0, ms));
    if (delay > kMaxStepDelayMs) {
      warnings_.ShowWarning(kValueLimitWarning);
      delay = kMaxStepDelayMs;
    }
    macro->stepDelay[step] = static_cast<uint16_t>(std::max(delay, 0));
  } else {
    StepParam& param = macro->stepParam[step];
    switch (macro->stepCode[step]) {
      case kStepDpi: {
        if (macro->stepAction[step] != kActionDpiSet) break;
        int code = LevelCodeOfDpi(NumberAfterColon(text));
        if (code < 0) {
          warnings_.ShowWarning(kDpiValueWarning);
          code = kDefaultDpiLevelCode;
        }
        param.param1 = static_cast<uint16_t>(code);
        break;
      }
      case kStepCursorMove: {
        int x = 0;
        int y = 0;
        ParseCursorMove(text, x, y);
        if (x > kMaxMoveDistance) {
          warnings_.ShowWarning(kXLimitWarning);
          x = kMaxMoveDistance;
        }
        if (y > kMaxMoveDistance) {
          warnings_.ShowWarning(kYLimitWarning);
          y = kMaxMoveDistance;
        }
        param = {static_cast<uint16_t>(std::max(x, 0)), static_cast<uint16_t>(std::max(y, 0))};
        break;
      }
      case kStepLighting: {
        // The step's own row has nothing to parse: it opens the step's block in the lighting
        // list, where its values are edited.
        const int previous = lighting_list_.block();
        lighting_list_.Fill(*macro, param.param1, context_.LanguageIsEnglish());
        if (lighting_list_.block() != previous) lighting_list_.RememberRow(-1);
        lighting_list_.view().SelectRow(lighting_list_.remembered_row());
        break;
      }
      default:
        break;
    }
  }
  RefreshSteps(*macro);
  context_.RebuildGroupList();
}

void MacroEditor::ApplyLightingListEdit(int row) {
  MacroRecord* macro = EditableMacro();
  if (!macro || Locked()) return;
  DataBlock* block = ShownBlock(*macro);
  if (!block) return;
  if (!LightingRowEditable(*block, row)) {
    // Length, mode and colour are not typed: the row gets its text back.
    RefillLighting(*macro, row);
    return;
  }
  int value = NumberAfterColon(lighting_list_.view().RowText(row));
  if (value > kMaxLightingValue) {
    warnings_.ShowWarning(kValueLimitWarning);
    value = kMaxLightingValue;
  }
  (*block)[LightingRowByte(row)] = static_cast<uint8_t>(std::max(value, 1));
  RefillLighting(*macro, row);
  RefreshSteps(*macro);
  context_.RebuildGroupList();
}

bool MacroEditor::LightingRowEditableInPlace(int row) const {
  if (recorder_.recording() || Locked()) return false;
  if (!ValidSlot(macros_.macroTable.currentMacro)) return false;
  const int block = lighting_list_.block();
  if (block < 0 || block >= kDataBlockCount) return false;
  return LightingRowEditable(
      macros_.macroTable.slots[macros_.macroTable.currentMacro].ledData[block], row);
}

LightingPopup MacroEditor::LightingPopupForRow(int row) {
  MacroRecord* macro = EditableMacro();
  if (!macro || Locked()) return LightingPopup::kNone;
  const int step = StepOfRow(step_list_.view().SelectedRow());
  if (step >= UsedStepCount(*macro) || macro->stepCode[step] != kStepLighting) {
    return LightingPopup::kNone;
  }
  DataBlock* block = ShownBlock(*macro);
  if (!block || row < 0 || row >= lighting_list_.view().RowCount()) return LightingPopup::kNone;
  lighting_list_.view().SelectRow(row);
  lighting_list_.RememberRow(row);
  switch (LightingRowKindOf(*block, row)) {
    case LightingRowKind::kMode:
      return LightingPopup::kMode;
    case LightingRowKind::kColour:
      return LightingColourChoosable(*block, row) ? LightingPopup::kColour : LightingPopup::kNone;
    default:
      return LightingPopup::kNone;
  }
}

void MacroEditor::ApplyLightingModeChoice(int menu_row) {
  MacroRecord* macro = EditableMacro();
  if (!macro || Locked()) return;
  DataBlock* block = ShownBlock(*macro);
  const int row = lighting_list_.remembered_row();
  if (!block || menu_row < 0 || menu_row >= static_cast<int>(std::size(kLightingMenuModes))) return;
  if (LightingRowKindOf(*block, row) != LightingRowKind::kMode) return;
  (*block)[LightingRowByte(row)] = kLightingMenuModes[menu_row];
  RefillLighting(*macro, row);
}

void MacroEditor::ApplyLightingColourChoice(int colour) {
  MacroRecord* macro = EditableMacro();
  if (!macro || Locked()) return;
  DataBlock* block = ShownBlock(*macro);
  const int row = lighting_list_.remembered_row();
  if (!block || colour < 1 || colour > 7) return;
  if (!LightingColourChoosable(*block, row)) return;
  (*block)[LightingRowByte(row)] = static_cast<uint8_t>(colour);
  RefillLighting(*macro, row);
}

// ---- Repeat mode and count ----

void MacroEditor::SetRepeatMode(int mode) {
  if (mode < 0 || mode > 2) return;
  MacroRecord* macro = EditableMacro();
  if (!macro) return;
  if (Locked()) {
    warnings_.ShowWarning(kLockedGroupWarning);
    return;
  }
  if (mode == 0) {
    macro->repeatMode &= 0xF4;
    page_.SetRepeatCountField(ToU16(macro->repeatCount), true);
    return;
  }
  macro->repeatMode = static_cast<uint8_t>((macro->repeatMode & 0xF8) | mode);
  macro->repeatCount = 1;
  page_.SetRepeatCountField(u"1", false);
}

void MacroEditor::OnRepeatCountTextChanged(const std::u16string& text) {
  page_.ClosePopupMenu();
  int value = LeadingInt(text);
  // Only an enabled field can hold a number out of range.
  if (value < 1) {
    value = 1;
    page_.SetRepeatCountField(u"1", true);
  } else if (value > 65535) {
    value = 65535;
    page_.SetRepeatCountField(u"65535", true);
  }
  if (!context_.SelectedMacro() || !ValidSlot(macros_.macroTable.currentMacro)) return;
  // A locked group's macros stay as its file has them.
  if (Locked()) return;
  macros_.macroTable.slots[macros_.macroTable.currentMacro].repeatCount =
      static_cast<uint16_t>(value);
  context_.SaveMacro(macros_.macroTable.currentMacro);
}

}  // namespace devero

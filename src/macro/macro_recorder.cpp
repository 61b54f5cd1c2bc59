#include "macro/macro_recorder.h"

#include <algorithm>

#include "keys/key_codes.h"
#include "keys/vk.h"
#include "macro/macro_steps.h"

namespace devero {

namespace {

bool IsKeyDown(int message) {
  return message == kWmKeyDown || message == kWmSysKeyDown;
}

bool ValidSlot(int index) {
  return index >= 0 && index < kMaxMacrosPerGroup;
}

}  // namespace

bool IsKeyMessage(int message) {
  return message == kWmKeyDown || message == kWmKeyUp || message == kWmSysKeyDown ||
         message == kWmSysKeyUp;
}

bool KeyMessageIsConsumed(int message, uint8_t vk) {
  if (!IsKeyMessage(message)) return false;
  if (vk == vk::kF10) return true;
  return message == kWmKeyDown && (vk == vk::kEscape || vk == vk::kReturn);
}

void MacroRecorder::ToggleRecording() {
  if (state_.recording) {
    End();
  } else {
    Start();
  }
}

void MacroRecorder::Start() {
  if (state_.recording) return;
  const std::optional<int> target = context_.SelectedMacro();
  if (!target) return;
  if (macros_.groupLocked) {
    warnings_.ShowWarning(kLockedGroupWarning);
    return;
  }
  if (!ValidSlot(*target)) return;

  state_.recording = true;
  page_.RedrawRecordButton();
  state_.heldKeys.fill(0);
  state_.heldKeyCount = 0;
  // A new recording must not take its first key for a repeat of the last one of the previous.
  state_.lastKeyEvent = {};
  if (!grab_.Installed()) grab_.Install();

  MacroTable& table = macros_.macroTable;
  table.currentMacro = *target;
  state_.recordedSteps = 0;
  step_list_.ResetCounters();

  MacroRecord& macro = table.slots[*target];
  const uint8_t repeat_mode = macro.repeatMode;
  macro = table.Blank();
  SetMacroName(macro, context_.SelectedRowText());
  macro.repeatMode = repeat_mode;
  macro.repeatCount = 1;
  macro.reservedBytes[0] = 0;
  macro.reservedBytes[1] = 10;
  // Nothing typed reaches the field while the keyboard is grabbed.
  page_.SetRepeatCountField(u"1", false);

  step_list_.Clear();
  lighting_list_.Clear();
}

void MacroRecorder::End() {
  if (!state_.recording) return;
  state_.recording = false;
  page_.RedrawRecordButton();
  if (grab_.Installed()) grab_.Remove();
  const int index = macros_.macroTable.currentMacro;
  if (!ValidSlot(index)) return;
  MacroRecord& macro = macros_.macroTable.slots[index];
  macro.stepCount = static_cast<uint16_t>(state_.recordedSteps);
  context_.SaveMacro(index);
  step_list_.Refresh(macro, macros_.groupLocked != 0, RepeatFieldUpdate::kUpdate,
                     context_.LanguageIsEnglish());
  if ((macro.repeatMode & 3) == 0) page_.SetRepeatCountField(page_.RepeatCountText(), true);
}

KeyAnswer MacroRecorder::OnKeyMessage(int message, uint8_t vk) {
  if (!IsKeyMessage(message)) return KeyAnswer::kPassOn;
  if (state_.recording) Record({message, vk});
  return KeyMessageIsConsumed(message, vk) ? KeyAnswer::kConsume : KeyAnswer::kPassOn;
}

MacroRecorder::Outcome MacroRecorder::Record(const KeyEvent& event) {
  if (event == state_.lastKeyEvent) return Outcome::kRepeat;
  if (state_.recordedSteps >= kMaxRecordedSteps) {
    End();
    state_.lastKeyEvent = event;
    page_.RepaintPage();
    return Outcome::kEnded;
  }
  const bool down = IsKeyDown(event.message);
  const int index = macros_.macroTable.currentMacro;
  if (!ValidSlot(index)) return Outcome::kIgnored;
  const auto held_end = state_.heldKeys.begin() + state_.heldKeyCount;
  if (down) {
    if (step_list_.press_count() >= kMaxRecordedPresses) return Outcome::kIgnored;
    // The auto-repeat of a held key, seen after another key's event.
    if (std::find(state_.heldKeys.begin(), held_end, event.vk) != held_end) {
      return Outcome::kRepeat;
    }
  }
  const uint8_t code = VkToDeviceKey(event.vk, context_.LanguageIsEnglish());
  if (!IsKeyStepCode(code)) return Outcome::kIgnored;
  if (down) {
    // Every held place is taken: the press and its release are left out together.
    if (state_.heldKeyCount >= kMaxHeldKeys) return Outcome::kIgnored;
    state_.heldKeys[state_.heldKeyCount++] = event.vk;
  } else if (!TakeHeldKey(event.vk)) {
    // Released but not pressed while recording, or its press was left out.
    return Outcome::kIgnored;
  }

  MacroRecord& macro = macros_.macroTable.slots[index];
  const int n = state_.recordedSteps;
  macro.stepCode[n] = code;
  macro.stepAction[n] = down ? kActionPress : kActionRelease;
  const int elapsed = ElapsedMs();
  if (n > 0) {
    macro.stepDelay[n - 1] = static_cast<uint16_t>(elapsed);
    macro.stepDelay[n] = 20;
  }
  macro.stepParam[n] = {};
  step_list_.AddStep(macro, n, /*recording=*/true, context_.LanguageIsEnglish());
  ++state_.recordedSteps;
  state_.lastKeyEvent = event;
  return Outcome::kRecorded;
}

bool MacroRecorder::TakeHeldKey(uint8_t vk) {
  auto* begin = state_.heldKeys.data();
  auto* end = begin + state_.heldKeyCount;
  auto* found = std::find(begin, end, vk);
  if (found == end) return false;
  std::copy(found + 1, end, found);
  --state_.heldKeyCount;
  state_.heldKeys[state_.heldKeyCount] = 0;
  return true;
}

int MacroRecorder::ElapsedMs() {
  const int64_t now = clock_.UtcMsOfDay();
  int64_t elapsed = now - state_.lastEventTime;
  state_.lastEventTime = now;
  if (elapsed < 0) elapsed += kMsPerDay;
  return static_cast<int>(std::min<int64_t>(elapsed, kMaxElapsedMs));
}

}  // namespace devero

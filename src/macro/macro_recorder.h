#pragma once

#include <array>
#include <cstdint>

#include "macro/keyboard_grab.h"
#include "macro/lighting_list.h"
#include "macro/macro_edit_context.h"
#include "macro/macro_edit_view.h"
#include "macro/macro_page_view.h"
#include "macro/macro_state.h"
#include "macro/step_list.h"
#include "platform/clock/clock.h"
#include "platform/user/warning_service.h"

namespace devero {

inline constexpr int kWmKeyDown = 0x100;
inline constexpr int kWmKeyUp = 0x101;
inline constexpr int kWmSysKeyDown = 0x104;
inline constexpr int kWmSysKeyUp = 0x105;

inline constexpr int kMaxRecordedSteps = 110;
inline constexpr int kMaxRecordedPresses = 55;
inline constexpr int kMaxHeldKeys = 9;
inline constexpr int kMaxElapsedMs = 65535;
inline constexpr int64_t kMsPerDay = 86400000;

inline constexpr char16_t kLockedGroupWarning[] = u"Cryptographic macros cannot be modified";

struct KeyEvent {
  int message = 0;
  uint8_t vk = 0;
  bool operator==(const KeyEvent&) const = default;
};

// What the window does with a key message after the recorder has seen it.
enum class KeyAnswer { kPassOn, kConsume };

struct RecordingState {
  bool recording = false;
  int recordedSteps = 0;
  // The keys pressed and not yet released, in press order.
  std::array<uint8_t, kMaxHeldKeys> heldKeys{};
  int heldKeyCount = 0;
  KeyEvent lastKeyEvent;
  int64_t lastEventTime = 0;  // ms since midnight, UTC
};

bool IsKeyMessage(int message);
// F10 and the presses of Escape and Enter never reach the window's normal processing, so they
// neither open the system menu nor end the window.
bool KeyMessageIsConsumed(int message, uint8_t vk);

// Records what the user types into the macro of the selected group-list row, with the real time
// between the key events as the step delays.
//
// At most 9 keys are held at once: the press of a tenth key while nine are held is left out,
// and so is its release, so that every recorded press keeps its release.
class MacroRecorder final : public RecordingControl {
 public:
  MacroRecorder(MacroState& macros, MacroEditContext& context, StepList& step_list,
                LightingList& lighting_list, MacroEditView& page, KeyboardGrab& grab, Clock& clock,
                WarningService& warnings)
      : macros_(macros),
        context_(context),
        step_list_(step_list),
        lighting_list_(lighting_list),
        page_(page),
        grab_(grab),
        clock_(clock),
        warnings_(warnings) {}

  // The record button: starts a recording, or ends the one that runs.
  void ToggleRecording();
  void Start();
  // Ends a recording (the record button, the step limit, another group-list row selected):
  // the macro gets the recorded steps and is written into the loaded group's file.
  void End();

  // Every key message the window sees, recording or not.
  KeyAnswer OnKeyMessage(int message, uint8_t vk);

  // Milliseconds since the previous call (across midnight too), at most 65535.
  int ElapsedMs();

  bool recording() const { return state_.recording; }
  const RecordingState& state() const { return state_; }

  bool IsRecording() const override { return state_.recording; }
  void EndRecording() override { End(); }

 private:
  enum class Outcome { kRecorded, kRepeat, kIgnored, kEnded };
  Outcome Record(const KeyEvent& event);
  bool TakeHeldKey(uint8_t vk);

  MacroState& macros_;
  MacroEditContext& context_;
  StepList& step_list_;
  LightingList& lighting_list_;
  MacroEditView& page_;
  KeyboardGrab& grab_;
  Clock& clock_;
  WarningService& warnings_;
  RecordingState state_;
};

}  // namespace devero

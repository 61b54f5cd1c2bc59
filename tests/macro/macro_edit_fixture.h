#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "macro/lighting_list.h"
#include "macro/macro_edit_fakes.h"
#include "macro/macro_editor.h"
#include "macro/macro_recorder.h"
#include "macro/macro_state.h"
#include "macro/macro_steps.h"
#include "macro/step_list.h"
#include "platform/clock/virtual_clock.h"
#include "support/fake_warnings.h"

namespace devero::testing {

// The recorder and the editor of one macro page, on fakes; macro 0 of a loaded group with two
// macros is selected, in English.
class MacroEditFixture : public ::testing::Test {
 protected:
  MacroEditFixture() {
    state->macroTable.macroCount = 2;
    view.on_field_change = [this](const std::u16string& text) {
      editor.OnRepeatCountTextChanged(text);
    };
  }

  MacroRecord& Macro(int index = 0) { return state->macroTable.slots.at(index); }

  // Appends a step to the macro (no counters touched).
  static void Append(MacroRecord& m, uint8_t code, uint8_t action, uint16_t delay = 0,
                     uint16_t p1 = 0, uint16_t p2 = 0) {
    const int i = m.stepCount++;
    m.stepCode[i] = code;
    m.stepAction[i] = action;
    m.stepDelay[i] = delay;
    m.stepParam[i] = {p1, p2};
  }
  // Appends a lighting step with its own block, counted.
  static void AppendLighting(MacroRecord& m, uint8_t marker) {
    const int block = m.ledDataCount++;
    Append(m, kStepLighting, kActionLed0, 0, static_cast<uint16_t>(block));
    InitLightingBlock(m.ledData[block]);
    m.ledData[block][6] = marker;
  }

  // Every field of two records, the unused step slots and both block tables included.
  static bool SameRecord(const MacroRecord& a, const MacroRecord& b) {
    for (int i = 0; i < kMaxSteps; ++i) {
      if (StepAt(a, i) != StepAt(b, i)) return false;
    }
    return a.macroName == b.macroName && a.repeatMode == b.repeatMode &&
           a.repeatCount == b.repeatCount && a.stepCount == b.stepCount &&
           a.xyStepCount == b.xyStepCount && a.code247Count == b.code247Count &&
           a.dpiStepCount == b.dpiStepCount && a.code250Count == b.code250Count &&
           a.ledDataCount == b.ledDataCount && a.code251DataCount == b.code251DataCount &&
           a.reservedBytes == b.reservedBytes && a.ledData == b.ledData &&
           a.code251Data == b.code251Data;
  }

  void Refresh() { editor.RefreshStepList(); }
  void SelectStepRow(int row) { step_list.Select(row); }
  std::vector<uint8_t> Codes(int index = 0) {
    const MacroRecord& m = Macro(index);
    return std::vector<uint8_t>(m.stepCode.begin(), m.stepCode.begin() + UsedStepCount(m));
  }

  std::unique_ptr<MacroState> state = std::make_unique<MacroState>();
  FakeListView steps_view;
  FakeListView lighting_view;
  FakeEditView view;
  FakeEditContext context{state->macroTable};
  FakeGrab grab;
  VirtualClock clock;
  FakeWarnings warnings;
  StepList step_list{steps_view, view};
  LightingList lighting_list{lighting_view};
  MacroRecorder recorder{*state, context, step_list, lighting_list, view, grab, clock, warnings};
  MacroEditor editor{*state, context, recorder, step_list, lighting_list, view, warnings};
};

}  // namespace devero::testing

#include "macro/macro_recorder.h"

#include <gtest/gtest.h>

#include "keys/vk.h"
#include "macro/macro_edit_fixture.h"

namespace devero::testing {
namespace {

constexpr uint8_t kA = 0x41;  // device code 0x04
constexpr uint8_t kB = 0x42;  // 0x05

class MacroRecorderTest : public MacroEditFixture {
 protected:
  void Down(uint8_t vk, int after_ms = 0) {
    clock.AdvanceMs(after_ms);
    recorder.OnKeyMessage(kWmKeyDown, vk);
  }
  void Up(uint8_t vk, int after_ms = 0) {
    clock.AdvanceMs(after_ms);
    recorder.OnKeyMessage(kWmKeyUp, vk);
  }
  void Type(uint8_t vk) {
    Down(vk, 5);
    Up(vk, 5);
  }
  // 50 typed keys and 5 held ones (C..G): 105 steps, 55 presses.
  static constexpr uint8_t kHeld[] = {0x43, 0x44, 0x45, 0x46, 0x47};
  void ReachPressLimit() {
    for (int i = 0; i < 50; ++i)
      Type(kA);
    for (uint8_t vk : kHeld)
      Down(vk, 5);
    ASSERT_EQ(step_list.press_count(), kMaxRecordedPresses);
  }
  std::vector<uint8_t> Actions() {
    const MacroRecord& m = Macro();
    return std::vector<uint8_t>(m.stepAction.begin(), m.stepAction.begin() + m.stepCount);
  }
  std::vector<uint16_t> Delays() {
    const MacroRecord& m = Macro();
    return std::vector<uint16_t>(m.stepDelay.begin(), m.stepDelay.begin() + m.stepCount);
  }
};

TEST_F(MacroRecorderTest, TypingAbRecordsFourStepsWithTheTimeBetweenThem) {
  recorder.Start();
  ASSERT_TRUE(recorder.recording());
  EXPECT_TRUE(grab.installed);
  Down(kA, 1000);
  Up(kA, 120);
  Down(kB, 300);
  Up(kB, 80);
  // Steps are shown as they come, each with the delay row of the step before it.
  EXPECT_EQ(steps_view.Texts(),
            (std::vector<std::u16string>{u"A", u" 120ms", u"A", u" 300ms", u"B", u" 80ms", u"B"}));
  EXPECT_EQ(steps_view.selected, 6);
  EXPECT_EQ(Macro().stepCount, 0) << "the step count waits for the end";

  recorder.ToggleRecording();
  EXPECT_FALSE(recorder.recording());
  EXPECT_FALSE(grab.installed);
  EXPECT_EQ(Codes(), (std::vector<uint8_t>{0x04, 0x04, 0x05, 0x05}));
  EXPECT_EQ(Actions(), (std::vector<uint8_t>{1, 2, 1, 2}));
  EXPECT_EQ(Delays(), (std::vector<uint16_t>{120, 300, 80, 20}));
  ASSERT_EQ(context.saved, std::vector<int>{0});
  EXPECT_EQ(context.saved_records.back().stepCount, 4);
  // The refresh after the end shows the last step's delay too.
  EXPECT_EQ(steps_view.RowCount(), 8);
  EXPECT_EQ(steps_view.rows.back().text, u" 20ms");
  EXPECT_TRUE(view.field_enabled);
  EXPECT_EQ(view.field_text, u"1");
}

TEST_F(MacroRecorderTest, StartPreparesTheSelectedMacro) {
  MacroRecord& m = Macro(1);
  Append(m, 0x10, 1, 50);
  m.repeatMode = 2;
  m.repeatCount = 9;
  m.xyStepCount = 3;
  state->macroTable.currentMacro = 0;
  context.selected_macro = 1;
  context.row_text = std::u16string(35, u'n');
  lighting_view.AddRow(u"[LEN    ]: 1", -1);
  steps_view.AddRow(u"old", 0);

  recorder.Start();
  EXPECT_EQ(state->macroTable.currentMacro, 1);
  EXPECT_EQ(m.stepCount, 0);
  EXPECT_EQ(m.stepCode[0], 0) << "the old steps are gone";
  EXPECT_EQ(m.xyStepCount, 0);
  EXPECT_EQ(MacroName(m), std::u16string(29, u'n'));
  EXPECT_EQ(m.repeatMode, 2);
  EXPECT_EQ(m.repeatCount, 1);
  EXPECT_EQ(m.reservedBytes[0], 0);
  EXPECT_EQ(m.reservedBytes[1], 10);
  EXPECT_EQ(view.field_text, u"1");
  EXPECT_EQ(steps_view.RowCount(), 0);
  EXPECT_EQ(lighting_view.RowCount(), 0);
  EXPECT_EQ(view.record_button_redraws, 1);
}

TEST_F(MacroRecorderTest, NeedsAnUnlockedMacroRow) {
  context.selected_macro.reset();
  recorder.ToggleRecording();
  EXPECT_FALSE(recorder.recording());
  EXPECT_TRUE(warnings.warnings.empty());

  context.selected_macro = 0;
  state->groupLocked = 1;
  recorder.ToggleRecording();
  EXPECT_FALSE(recorder.recording());
  EXPECT_FALSE(grab.installed);
  EXPECT_EQ(warnings.warnings,
            std::vector<std::u16string>{u"Cryptographic macros cannot be modified"});
}

TEST_F(MacroRecorderTest, ASingleKeyDownKeepsDelayZero) {
  recorder.Start();
  Down(kA, 500);
  recorder.End();
  EXPECT_EQ(Macro().stepCount, 1);
  EXPECT_EQ(Macro().stepDelay[0], 0);
}

TEST_F(MacroRecorderTest, KeyRepeatRecordsOnePress) {
  recorder.Start();
  Down(kA);
  Down(kA, 30);
  Down(kA, 30);
  Down(kB, 30);
  Down(kA, 30);  // the held key's auto-repeat after another key's event
  Up(kB, 30);
  Up(kA, 30);
  recorder.End();
  EXPECT_EQ(Codes(), (std::vector<uint8_t>{0x04, 0x05, 0x05, 0x04}));
  EXPECT_EQ(Actions(), (std::vector<uint8_t>{1, 1, 2, 2}));
}

TEST_F(MacroRecorderTest, ReleasesOfKeysNotPressedWhileRecordingAreIgnored) {
  recorder.Start();
  Up(kA);
  recorder.OnKeyMessage(kWmSysKeyUp, vk::kLMenu);
  Type(kB);
  recorder.End();
  EXPECT_EQ(Codes(), (std::vector<uint8_t>{0x05, 0x05}));
}

TEST_F(MacroRecorderTest, SystemKeyMessagesRecordLikeTheOthers) {
  recorder.Start();
  recorder.OnKeyMessage(kWmSysKeyDown, vk::kLMenu);
  recorder.OnKeyMessage(kWmSysKeyUp, vk::kLMenu);
  recorder.End();
  EXPECT_EQ(Codes(), (std::vector<uint8_t>{0xE2, 0xE2}));
  EXPECT_EQ(Actions(), (std::vector<uint8_t>{1, 2}));
}

TEST_F(MacroRecorderTest, PressAndStepLimits) {
  recorder.Start();
  ReachPressLimit();
  Down(0x48, 5);  // a 56th press and its release are left out
  Up(0x48, 5);
  for (uint8_t vk : kHeld)
    Up(vk, 5);  // releases of earlier presses still count
  EXPECT_EQ(recorder.state().recordedSteps, 110);
  ASSERT_TRUE(recorder.recording());

  Down(kB, 5);  // the 111th event ends the recording and is not recorded
  EXPECT_FALSE(recorder.recording());
  EXPECT_FALSE(grab.installed);
  EXPECT_EQ(Macro().stepCount, 110);
  EXPECT_EQ(Macro().stepCode[109], 0x0A);  // G
  EXPECT_EQ(Macro().stepAction[109], 2);
  EXPECT_EQ(Macro().stepCode[110], 0);
  EXPECT_EQ(context.saved.size(), 1u);
  EXPECT_GT(view.repaints, 0);
}

TEST_F(MacroRecorderTest, ATenthHeldKeyIsLeftOutWithItsRelease) {
  recorder.Start();
  for (uint8_t vk = 0x41; vk < 0x4A; ++vk)
    Down(vk, 5);  // nine held keys
  EXPECT_EQ(recorder.state().heldKeyCount, kMaxHeldKeys);
  Down(0x4A, 5);
  Down(0x4A, 5);
  EXPECT_EQ(recorder.state().heldKeyCount, kMaxHeldKeys);
  Up(0x4A, 5);
  for (uint8_t vk = 0x41; vk < 0x4A; ++vk)
    Up(vk, 5);
  recorder.End();
  EXPECT_EQ(Macro().stepCount, 18);
  for (int i = 0; i < 18; ++i)
    EXPECT_NE(Macro().stepCode[i], 0x0D) << i;  // J
  EXPECT_EQ(recorder.state().heldKeyCount, 0);
}

TEST_F(MacroRecorderTest, KeysWhoseCodeIsASpecialStepCodeAreLeftOut) {
  recorder.Start();
  Down(0xFA);  // unconverted, it would read as a code-250 step
  Up(0xFA);
  Down(0xF9);
  Type(kA);
  recorder.End();
  EXPECT_EQ(Codes(), (std::vector<uint8_t>{0x04, 0x04}));
}

struct ElapsedCase {
  const char* name;
  int64_t start_ms_of_day;
  int64_t gap_ms;
  uint16_t delay;
};

class RecorderElapsedTest : public MacroRecorderTest,
                            public ::testing::WithParamInterface<ElapsedCase> {};

TEST_P(RecorderElapsedTest, DelayIsTheTrueIntervalCappedAt65535) {
  clock.SetUtcMsOfDay(GetParam().start_ms_of_day);
  recorder.Start();
  Down(kA);
  Up(kA, static_cast<int>(GetParam().gap_ms));
  recorder.End();
  EXPECT_EQ(Macro().stepDelay[0], GetParam().delay);
}

INSTANTIATE_TEST_SUITE_P(Cases, RecorderElapsedTest,
                         ::testing::Values(ElapsedCase{"SameDay", 1000, 250, 250},
                                           ElapsedCase{"AcrossMidnight", kMsPerDay - 100, 300, 300},
                                           ElapsedCase{"Capped", 0, 70000, 65535},
                                           ElapsedCase{"CappedAcrossMidnight", kMsPerDay - 10,
                                                       100000, 65535}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MacroRecorderTest, ANewRecordingDoesNotTakeItsFirstKeyForARepeat) {
  recorder.Start();
  Down(kA);
  recorder.End();
  recorder.Start();
  Down(kA, 10);
  recorder.End();
  EXPECT_EQ(Macro().stepCount, 1);
}

TEST_F(MacroRecorderTest, AGrabThatCannotBeInstalledStillRecordsTheKeysThatArrive) {
  grab.refuse = true;
  recorder.Start();
  ASSERT_TRUE(recorder.recording());
  Type(kA);
  recorder.End();
  EXPECT_EQ(Macro().stepCount, 2);
  EXPECT_EQ(steps_view.RowCount(), 4);
}

TEST_F(MacroRecorderTest, EndingKeepsTheFieldDisabledInTheOtherRepeatModes) {
  Macro().repeatMode = 1;
  recorder.Start();
  recorder.End();
  EXPECT_FALSE(view.field_enabled);
  EXPECT_EQ(view.field_text, u"1");
}

struct ConsumeCase {
  int message;
  uint8_t vk;
  bool consumed;
};

TEST_F(MacroRecorderTest, F10AndThePressOfEscapeOrEnterNeverReachTheWindow) {
  const ConsumeCase cases[] = {
      {kWmKeyDown, vk::kF10, true},    {kWmKeyUp, vk::kF10, true},
      {kWmSysKeyDown, vk::kF10, true}, {kWmSysKeyUp, vk::kF10, true},
      {kWmKeyDown, vk::kEscape, true}, {kWmKeyUp, vk::kEscape, false},
      {kWmKeyDown, vk::kReturn, true}, {kWmSysKeyDown, vk::kReturn, false},
      {kWmKeyDown, kA, false},         {0x102 /* WM_CHAR */, vk::kF10, false},
  };
  for (bool recording : {false, true}) {
    if (recording) recorder.Start();
    for (const ConsumeCase& c : cases) {
      const KeyAnswer answer = recorder.OnKeyMessage(c.message, c.vk);
      EXPECT_EQ(answer == KeyAnswer::kConsume, c.consumed)
          << "recording " << recording << " message " << c.message << " vk " << int(c.vk);
    }
  }
}

TEST_F(MacroRecorderTest, AnEscapeLeftOutByThePressLimitIsStillConsumed) {
  recorder.Start();
  ReachPressLimit();
  const int steps = recorder.state().recordedSteps;
  EXPECT_EQ(recorder.OnKeyMessage(kWmKeyDown, vk::kEscape), KeyAnswer::kConsume);
  EXPECT_EQ(recorder.state().recordedSteps, steps);
}

}  // namespace
}  // namespace devero::testing

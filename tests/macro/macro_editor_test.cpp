#include "macro/macro_editor.h"

#include <gtest/gtest.h>

#include "macro/macro_edit_fixture.h"
#include "platform/text/utf.h"

namespace devero::testing {
namespace {

class MacroEditorTest : public MacroEditFixture {
 protected:
  // A, B, C pressed, with delays 10, 20, 30.
  void ThreeKeys() {
    for (uint8_t i = 0; i < 3; ++i)
      Append(Macro(), 0x04 + i, 1, 10 * (i + 1));
    Refresh();
  }
  MacroStep Step(int i) { return *StepAt(Macro(), i); }
  void EditStepRow(int row, const std::u16string& text) {
    steps_view.TypeIntoRow(row, text);
    editor.ApplyStepListEdit(row);
  }
};

// ---- Insertions ----

TEST_F(MacroEditorTest, InsertMenuChoicesOnAnEmptyMacro) {
  struct Case {
    int choice;
    uint8_t code;
    uint8_t action;
    std::u16string text;
  };
  const Case cases[] = {
      {146, 0, 0, u"[Delay]"},  {341, 0xF1, 1, u"L-KEY"}, {342, 0xF1, 2, u"L-KEY"},
      {343, 0xF2, 1, u"M-KEY"}, {344, 0xF2, 2, u"M-KEY"}, {345, 0xF3, 1, u"R-KEY"},
      {346, 0xF3, 2, u"R-KEY"}, {347, 0xF1, 1, u"L-KEY"}, {348, 0xF1, 2, u"L-KEY"},
      {349, 0xF2, 1, u"M-KEY"}, {350, 0xF2, 2, u"M-KEY"}, {351, 0xF3, 1, u"R-KEY"},
      {352, 0xF3, 2, u"R-KEY"},
  };
  for (const Case& c : cases) {
    ClearMacro(Macro());
    Refresh();
    editor.HandleInsertMenu(c.choice);
    ASSERT_EQ(Macro().stepCount, 1) << c.choice;
    EXPECT_EQ(Step(0), (MacroStep{c.action, c.code, 0, 0, 1})) << c.choice;
    EXPECT_EQ(steps_view.Texts(), (std::vector<std::u16string>{c.text, u" 1ms"})) << c.choice;
  }
  EXPECT_TRUE(warnings.warnings.empty());
}

TEST_F(MacroEditorTest, InsertPositionFollowsTheSelectedRow) {
  struct Case {
    int selected_row;
    InsertAt at;
    int position;
  };
  const Case cases[] = {
      {-1, InsertAt::kBefore, 0}, {-1, InsertAt::kAfter, 1}, {0, InsertAt::kBefore, 0},
      {0, InsertAt::kAfter, 1},   {1, InsertAt::kBefore, 0}, {1, InsertAt::kAfter, 1},
      {4, InsertAt::kBefore, 2},  {4, InsertAt::kAfter, 3},  {5, InsertAt::kAfter, 3},
  };
  for (const Case& c : cases) {
    ClearMacro(Macro());
    ThreeKeys();
    SelectStepRow(c.selected_row);
    editor.InsertMouseButton(kRightButton, kActionPress, c.at);
    ASSERT_EQ(Macro().stepCount, 4);
    EXPECT_EQ(Macro().stepCode[c.position], kRightButton)
        << "row " << c.selected_row << " at " << int(c.at);
    // The steps after it moved up with all their values.
    EXPECT_EQ(Macro().stepDelay[3], c.position == 3 ? 1 : 30);
  }
}

TEST_F(MacroEditorTest, InsertBeforeOnAnEmptyListInsertsAtZero) {
  editor.HandleInsertMenu(341);
  editor.HandleInsertMenu(343);
  EXPECT_EQ(Codes(), (std::vector<uint8_t>{kMiddleButton, kLeftButton}));
}

TEST_F(MacroEditorTest, InsertionsAreRefused) {
  Macro().stepCount = kMaxSteps;
  Refresh();
  editor.HandleInsertMenu(347);
  editor.InsertLighting();
  EXPECT_EQ(Macro().stepCount, kMaxSteps);
  EXPECT_EQ(warnings.warnings,
            (std::vector<std::u16string>{u" More than limit!", u" More than limit!"}));

  warnings.warnings.clear();
  Macro().stepCount = 0;
  state->groupLocked = 1;
  editor.HandleInsertMenu(146);
  EXPECT_EQ(Macro().stepCount, 0);
  EXPECT_EQ(warnings.warnings,
            std::vector<std::u16string>{u"Cryptographic macros cannot be modified "});

  warnings.warnings.clear();
  state->groupLocked = 0;
  recorder.Start();
  editor.HandleInsertMenu(146);
  editor.InsertDpi(kActionDpiSet);
  recorder.End();
  EXPECT_EQ(Macro().stepCount, 0);
  EXPECT_TRUE(warnings.warnings.empty());

  context.selected_macro.reset();  // a group row
  editor.HandleInsertMenu(146);
  EXPECT_EQ(Macro().stepCount, 0);
}

TEST_F(MacroEditorTest, TheInsertMenuLeavesTheRepeatCountFieldAlone) {
  Macro().repeatCount = 7;
  view.field_text = u"1";
  editor.HandleInsertMenu(347);
  EXPECT_EQ(view.field_text, u"1");
  EXPECT_TRUE(context.saved.empty());
  editor.HandleCommand(32813);  // the same insertion as a command refreshes the field
  EXPECT_EQ(view.field_text, u"7");
  EXPECT_TRUE(view.field_enabled);
}

TEST_F(MacroEditorTest, CursorMoveDpiAndLightingCommands) {
  const std::pair<int, MacroStep> cases[] = {
      {32791, {3, kStepCursorMove, 10, 10, 1}}, {32792, {4, kStepCursorMove, 10, 10, 1}},
      {32793, {5, kStepCursorMove, 10, 10, 1}}, {32794, {6, kStepCursorMove, 10, 10, 1}},
      {32797, {9, kStepDpi, 4, 0, 1}},          {32798, {10, kStepDpi, 4, 0, 1}},
      {32799, {13, kStepLighting, 0, 0, 1}},
  };
  for (const auto& [command, step] : cases) {
    ClearMacro(Macro());
    Append(Macro(), kStepDelay, 0, 5, 77, 88);  // parameters a new step must not keep
    Refresh();
    SelectStepRow(0);
    ASSERT_TRUE(editor.HandleCommand(command));
    ASSERT_EQ(Macro().stepCount, 2) << command;
    EXPECT_EQ(Step(1), step) << command;
  }
  EXPECT_EQ(Macro().ledDataCount, 1);
  EXPECT_EQ(steps_view.RowText(2), u"[LED0]:LED-0 Data");
  EXPECT_FALSE(editor.HandleCommand(32852)) << "a library command";
}

TEST_F(MacroEditorTest, CountersGrowAndLimitTheirSteps) {
  for (int i = 0; i < 2; ++i)
    editor.InsertCursorMove(3);
  editor.InsertDpi(kActionDpiSet);
  EXPECT_EQ(Macro().xyStepCount, 2);
  EXPECT_EQ(Macro().dpiStepCount, 1);

  Macro().xyStepCount = kMaxXySteps;
  Macro().dpiStepCount = kMaxCountedSteps;
  Macro().ledDataCount = kDataBlockCount;
  const int steps = Macro().stepCount;
  editor.InsertCursorMove(4);
  editor.InsertDpi(kActionDpiReturn);
  editor.InsertLighting();
  EXPECT_EQ(Macro().stepCount, steps);
  EXPECT_EQ(warnings.warnings,
            (std::vector<std::u16string>{u"Error! ", u"Error", u" More than limit!"}));
}

TEST_F(MacroEditorTest, LightingInsertionRenumbersTheLaterBlocks) {
  AppendLighting(Macro(), 100);
  AppendLighting(Macro(), 101);
  Refresh();
  SelectStepRow(0);
  editor.InsertLighting();
  ASSERT_EQ(Macro().stepCount, 3);
  EXPECT_EQ(Macro().ledDataCount, 3);
  const uint16_t blocks[] = {0, 1, 2};
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(Macro().stepParam[i].param1, blocks[i]) << i;
  EXPECT_EQ(Macro().ledData[0][6], 100);
  EXPECT_EQ(Macro().ledData[1][6], 10) << "the new step's block starts fresh";
  EXPECT_EQ(Macro().ledData[1][0], 1);
  EXPECT_EQ(Macro().ledData[2][6], 101) << "the later step took its block along";
}

TEST_F(MacroEditorTest, LightingInsertionWithABadBlockIndexChangesNothing) {
  AppendLighting(Macro(), 100);
  AppendLighting(Macro(), 101);
  Macro().stepParam[1].param1 = 2;  // not below ledDataCount
  Refresh();
  SelectStepRow(0);
  auto before = std::make_unique<MacroRecord>(Macro());
  editor.InsertLighting();
  EXPECT_EQ(warnings.warnings, std::vector<std::u16string>{u"Error"});
  EXPECT_TRUE(SameRecord(*before, Macro()));

  // A step before the position that names block 4 would give the new step block 5.
  warnings.warnings.clear();
  Macro().stepParam[1].param1 = 4;
  SelectStepRow(2);
  *before = Macro();
  editor.InsertLighting();
  EXPECT_EQ(warnings.warnings, std::vector<std::u16string>{u"Error"});
  EXPECT_TRUE(SameRecord(*before, Macro()));
}

TEST_F(MacroEditorTest, LightingInsertionAfterAStepNamingBlock255StartsAtZero) {
  Append(Macro(), kStepLighting, kActionLed0, 0, 255);
  Refresh();
  SelectStepRow(0);
  editor.InsertLighting();
  EXPECT_EQ(Macro().stepParam[1].param1, 0);
  EXPECT_EQ(Macro().ledDataCount, 1);
}

// ---- Delete ----

TEST_F(MacroEditorTest, DeletingTheSecondOfThreeLightingStepsMovesTheThirdBlock) {
  for (uint8_t marker : {100, 101, 102})
    AppendLighting(Macro(), marker);
  Refresh();
  lighting_list.Fill(Macro(), 0, 1);
  SelectStepRow(2);
  editor.DeleteStep();
  ASSERT_EQ(Macro().stepCount, 2);
  EXPECT_EQ(Macro().ledDataCount, 2);
  EXPECT_EQ(Macro().stepParam[1].param1, 1);
  EXPECT_EQ(Macro().ledData[1][6], 102);
  EXPECT_EQ(Macro().ledData[2], DataBlock{});
  EXPECT_EQ(Step(2), MacroStep{}) << "the freed slot is cleared";
  EXPECT_EQ(lighting_view.RowCount(), 0);
}

TEST_F(MacroEditorTest, DeleteLowersTheCounterOfTheStepsCode) {
  struct Case {
    uint8_t code;
    uint16_t MacroRecord::*counter;
  };
  const Case cases[] = {{kStepCursorMove, &MacroRecord::xyStepCount},
                        {kStep247, &MacroRecord::code247Count},
                        {kStepDpi, &MacroRecord::dpiStepCount},
                        {kStep250, &MacroRecord::code250Count}};
  for (const Case& c : cases) {
    ClearMacro(Macro());
    Append(Macro(), c.code, 1);
    Append(Macro(), c.code, 1);
    Macro().*c.counter = 2;
    Refresh();
    SelectStepRow(1);  // the delay row of step 0 deletes step 0
    editor.DeleteStep();
    EXPECT_EQ(Macro().*c.counter, 1) << int(c.code);
    EXPECT_EQ(Macro().stepCount, 1);
  }
}

TEST_F(MacroEditorTest, DeletingCode251StepsMovesTheirBlocks) {
  for (uint8_t i = 0; i < 2; ++i) {
    Append(Macro(), kStep251, 1, 0, i);
    Macro().code251Data[i][1] = 50 + i;
  }
  Macro().code251DataCount = 2;
  Refresh();
  SelectStepRow(0);
  editor.DeleteStep();
  EXPECT_EQ(Macro().code251DataCount, 1);
  EXPECT_EQ(Macro().stepParam[0].param1, 0);
  EXPECT_EQ(Macro().code251Data[0][1], 51);
  EXPECT_EQ(Macro().code251Data[1], DataBlock{});
}

TEST_F(MacroEditorTest, DeleteWithCountersAlreadyAtZeroStaysInBounds) {
  Append(Macro(), kStepLighting, kActionLed0, 0, 0);
  Append(Macro(), kStepLighting, kActionLed0, 0, 300);
  Append(Macro(), kStepCursorMove, 3);
  Refresh();
  SelectStepRow(0);
  editor.DeleteStep();
  EXPECT_EQ(Macro().ledDataCount, 0);
  EXPECT_EQ(Macro().stepParam[0].param1, 300) << "an index that names no block is left alone";
  SelectStepRow(2);
  editor.DeleteStep();
  EXPECT_EQ(Macro().xyStepCount, 0);
  EXPECT_EQ(Macro().stepCount, 1);
}

TEST_F(MacroEditorTest, DeleteNeedsASelectedStep) {
  ThreeKeys();
  lighting_view.AddRow(u"[LEN    ]: 1", -1);
  steps_view.selected = -1;
  editor.DeleteStep();
  EXPECT_EQ(Macro().stepCount, 3);
  EXPECT_EQ(lighting_view.RowCount(), 0) << "the lighting list empties in every case";
  SelectStepRow(5);
  editor.DeleteStep();
  EXPECT_EQ(Codes(), (std::vector<uint8_t>{0x04, 0x05}));
}

// ---- Modify and the captured key ----

TEST_F(MacroEditorTest, ModifyStartsAnInPlaceEditOrTheKeyCapture) {
  Append(Macro(), 0x04, 1, 5);
  Append(Macro(), kStepCursorMove, 3, 5);
  Append(Macro(), kStepDpi, 9, 5, 4);
  Append(Macro(), kStepLighting, 13, 5);
  Append(Macro(), kStepDelay, 0, 5);
  Append(Macro(), kStep247, 1, 5);
  Append(Macro(), kLeftButton, 2, 5);
  Refresh();
  struct Case {
    int row;
    bool edits;
    std::u16string capture_name;
  };
  const Case cases[] = {{0, false, u"A"}, {1, true, u""},       {2, true, u""},
                        {4, true, u""},   {6, true, u""},       {8, false, u"NULL"},
                        {9, true, u""},   {10, false, u"NULL"}, {12, false, u"L-KEY"},
                        {13, true, u""}};
  for (const Case& c : cases) {
    steps_view.edits_started.clear();
    view.captures_opened.clear();
    SelectStepRow(c.row);
    editor.Modify();
    if (c.edits) {
      EXPECT_EQ(steps_view.edits_started, std::vector<int>{c.row}) << c.row;
      EXPECT_TRUE(view.captures_opened.empty()) << c.row;
    } else {
      EXPECT_TRUE(steps_view.edits_started.empty()) << c.row;
      EXPECT_EQ(view.captures_opened, std::vector<std::u16string>{c.capture_name}) << c.row;
    }
  }
  steps_view.edits_started.clear();
  view.captures_opened.clear();
  steps_view.selected = -1;
  editor.Modify();
  EXPECT_TRUE(steps_view.edits_started.empty());
  EXPECT_TRUE(view.captures_opened.empty());
}

TEST_F(MacroEditorTest, ChangeParametersAndEditDelayCommandsPickTheirRows) {
  Append(Macro(), 0x04, 1, 5);
  Append(Macro(), kStepDpi, 9, 5, 4);
  Refresh();
  for (int row : {0, 1, 2, 3}) {
    SelectStepRow(row);
    editor.HandleCommand(32804);  // change parameters
    editor.HandleCommand(32805);  // edit the delay
  }
  EXPECT_EQ(steps_view.edits_started, (std::vector<int>{1, 2, 3}));
}

TEST_F(MacroEditorTest, TheCapturedKeyReplacesTheStepsCode) {
  Append(Macro(), kStepDelay, 0, 40);
  Append(Macro(), 0x04, 2, 50);
  Refresh();
  SelectStepRow(0);
  editor.ApplyCapturedKey(0xE2);
  EXPECT_EQ(Step(0), (MacroStep{0, 0xE2, 0, 0, 40})) << "a pure delay becomes a key, action 0";
  SelectStepRow(2);
  editor.ApplyCapturedKey(0x29);
  EXPECT_EQ(Step(1), (MacroStep{2, 0x29, 0, 0, 50}));
  EXPECT_EQ(steps_view.RowText(2), u"ESCAPE");

  SelectStepRow(3);  // a delay row
  editor.ApplyCapturedKey(0x05);
  EXPECT_EQ(Macro().stepCode[1], 0x29);
}

TEST_F(MacroEditorTest, CapturedKeysThatCannotBeKeySteps) {
  Append(Macro(), 0x04, 1, 50);
  Refresh();
  SelectStepRow(0);
  editor.ApplyCapturedKey(0);  // OK without a key
  EXPECT_TRUE(warnings.warnings.empty());
  for (int code = kStepCursorMove; code <= kStep251; ++code) {
    editor.ApplyCapturedKey(static_cast<uint8_t>(code));
  }
  EXPECT_EQ(Macro().stepCode[0], 0x04);
  EXPECT_EQ(warnings.warnings.size(), 6u);
  EXPECT_EQ(warnings.warnings[0], kUnusableKeyWarning);
}

TEST_F(MacroEditorTest, ACountedStepThatBecomesAKeyGivesUpItsCount) {
  Append(Macro(), kStep247, 1);
  Append(Macro(), kStep251, 1, 0, 0);
  Append(Macro(), kStep251, 1, 0, 1);
  Macro().code247Count = 1;
  Macro().code251DataCount = 2;
  Macro().code251Data[1][0] = 9;
  Refresh();
  SelectStepRow(0);
  editor.ApplyCapturedKey(0x04);
  SelectStepRow(2);
  editor.ApplyCapturedKey(0x05);
  EXPECT_EQ(Macro().code247Count, 0);
  EXPECT_EQ(Macro().code251DataCount, 1);
  EXPECT_EQ(Macro().stepParam[2].param1, 0);
  EXPECT_EQ(Macro().code251Data[0][0], 9);
}

// ---- In-place edits of the step list ----

TEST_F(MacroEditorTest, DelayRowEdits) {
  struct Case {
    std::u16string text;
    uint16_t delay;
    bool warns;
  };
  const Case cases[] = {
      {u"   250ms", 250, false},  {u"250", 250, false},    {u"20000ms", 10000, true},
      {u"10000ms", 10000, false}, {u"10001", 10000, true}, {u"abc", 0, false},
      {u"-5ms", 0, false},        {u"7 ms", 7, false},     {u"99999999999ms", 10000, true}};
  ThreeKeys();
  for (const Case& c : cases) {
    warnings.warnings.clear();
    EditStepRow(3, c.text);
    EXPECT_EQ(Macro().stepDelay[1], c.delay) << Utf16ToUtf8(c.text);
    EXPECT_EQ(warnings.warnings.size(), c.warns ? 1u : 0u) << Utf16ToUtf8(c.text);
    if (c.warns) {
      EXPECT_EQ(warnings.warnings[0], u"More than limit!");
    }
    EXPECT_EQ(steps_view.RowText(3), DelayRowText(c.delay)) << "the refresh shows what is stored";
  }
  EXPECT_EQ(Macro().stepDelay[0], 10);
  EXPECT_GT(context.group_list_rebuilds, 0);
}

TEST_F(MacroEditorTest, DpiRowEdits) {
  struct Case {
    std::u16string text;
    uint16_t code;
    bool warns;
  };
  const Case cases[] = {{u"[DPI]:1500 ", 4, true}, {u"[DPI]:1600", 7, false},
                        {u"[DPI]:2000", 9, false}, {u"[DPI]: 2400", 11, false},
                        {u"4800", 15, false},      {u"[DPI]:200", 1, false},
                        {u"[DPI]:", 4, true}};
  Append(Macro(), kStepDpi, kActionDpiSet, 5, 1);
  Refresh();
  for (const Case& c : cases) {
    warnings.warnings.clear();
    Macro().stepParam[0].param1 = 1;
    EditStepRow(0, c.text);
    EXPECT_EQ(Macro().stepParam[0].param1, c.code) << Utf16ToUtf8(c.text);
    EXPECT_EQ(warnings.warnings, c.warns ? std::vector<std::u16string>{kDpiValueWarning}
                                         : std::vector<std::u16string>{})
        << Utf16ToUtf8(c.text);
  }
  Macro().stepAction[0] = kActionDpiReturn;
  Macro().stepParam[0].param1 = 1;
  EditStepRow(0, u"[DPI]:4800");
  EXPECT_EQ(Macro().stepParam[0].param1, 1) << "a return step has no DPI to change";
}

TEST_F(MacroEditorTest, CursorMoveRowEdits) {
  struct Case {
    std::u16string text;
    uint16_t x;
    uint16_t y;
    std::vector<std::u16string> warnings;
  };
  const Case cases[] = {
      {u"[X-]:150,[Y+]:20", 100, 20, {u"[X]; Beyond limit"}},
      {u"[X-]:5,[Y+]:250", 5, 100, {u"[Y]; Beyond limit"}},
      {u"[X-]:500,[Y+]:500", 100, 100, {u"[X]; Beyond limit", u"[Y]; Beyond limit"}},
      {u"[X-]:-3,[Y+]:7", 0, 7, {}},
      {u"[X-]:40", 40, 0, {}},
      {u"nothing", 0, 0, {}},
      {u"[X-]:100,[Y+]:100", 100, 100, {}},
  };
  Append(Macro(), kStepCursorMove, 4, 5, 10, 10);
  Refresh();
  for (const Case& c : cases) {
    warnings.warnings.clear();
    EditStepRow(0, c.text);
    EXPECT_EQ(Macro().stepParam[0].param1, c.x) << Utf16ToUtf8(c.text);
    EXPECT_EQ(Macro().stepParam[0].param2, c.y) << Utf16ToUtf8(c.text);
    EXPECT_EQ(warnings.warnings, c.warnings) << Utf16ToUtf8(c.text);
    EXPECT_EQ(Macro().stepAction[0], 4);
  }
}

TEST_F(MacroEditorTest, EditingALightingStepRowOpensItsBlock) {
  AppendLighting(Macro(), 100);
  AppendLighting(Macro(), 101);
  Refresh();
  const DataBlock block = Macro().ledData[1];
  EditStepRow(2, u"[LED0]:LED-1 Data!");
  EXPECT_EQ(lighting_list.block(), 1);
  EXPECT_EQ(lighting_view.RowCount(), 4);
  EXPECT_EQ(lighting_view.RowText(3), u"[Time   ]: 101*122 ms");
  EXPECT_EQ(Macro().ledData[1][2], block[2]) << "nothing is written into the block";
  EXPECT_EQ(steps_view.RowText(2), u"[LED0]:LED-1 Data");
}

TEST_F(MacroEditorTest, KeyStepRowEditsChangeNothing) {
  ThreeKeys();
  auto before = std::make_unique<MacroRecord>(Macro());
  EditStepRow(2, u"Z");
  EXPECT_TRUE(SameRecord(*before, Macro()));
  EXPECT_EQ(steps_view.RowText(2), u"B");
}

TEST_F(MacroEditorTest, StepListEditsOutsideTheStepsAreIgnored) {
  ThreeKeys();
  auto before = std::make_unique<MacroRecord>(Macro());
  for (int row : {-1, 6, 1000})
    editor.ApplyStepListEdit(row);
  state->groupLocked = 1;
  EditStepRow(1, u"5ms");
  EXPECT_TRUE(SameRecord(*before, Macro()));
}

// ---- The lighting list ----

class LightingEditTest : public MacroEditorTest {
 protected:
  void SetUp() override {
    AppendLighting(Macro(), 100);
    AppendLighting(Macro(), 101);
    Refresh();
    SelectStepRow(2);
    lighting_list.Fill(Macro(), 1, 1);
  }
  void EditLightingRow(int row, const std::u16string& text) {
    lighting_view.TypeIntoRow(row, text);
    editor.ApplyLightingListEdit(row);
  }
};

TEST_F(LightingEditTest, TimeRowEdits) {
  struct Case {
    std::u16string text;
    uint8_t value;
    bool warns;
  };
  const Case cases[] = {{u"[Time   ]: 20*122 ms", 20, false},
                        {u"150", 100, true},
                        {u"[Time   ]: 0", 1, false},
                        {u"x", 1, false},
                        {u"[Time   ]: 100", 100, false}};
  for (const Case& c : cases) {
    warnings.warnings.clear();
    EditLightingRow(3, c.text);
    EXPECT_EQ(Macro().ledData[1][6], c.value) << Utf16ToUtf8(c.text);
    EXPECT_EQ(warnings.warnings.size(), c.warns ? 1u : 0u);
    EXPECT_EQ(lighting_view.RowText(3), u"[Time   ]: " + ToU16(c.value) + u"*122 ms");
    EXPECT_EQ(lighting_view.selected, 3);
  }
  EXPECT_EQ(Macro().ledData[0][6], 100) << "the other block stays";
}

TEST_F(LightingEditTest, TheFourthValueOfAnEntryIsEditable) {
  Macro().ledData[1][0] = 2;
  lighting_list.Fill(Macro(), 1, 1);
  ASSERT_TRUE(editor.LightingRowEditableInPlace(4));
  EditLightingRow(4, u"[Time   ]: 55*122 ms");
  EXPECT_EQ(Macro().ledData[1][7], 55);
  EXPECT_EQ(Macro().ledData[1][6], 101);
}

TEST_F(LightingEditTest, LengthModeAndColourRowsAreNotTyped) {
  auto before = std::make_unique<MacroRecord>(Macro());
  for (int row : {0, 1, 2}) {
    EXPECT_FALSE(editor.LightingRowEditableInPlace(row)) << row;
    const std::u16string shown = lighting_view.RowText(row);
    EditLightingRow(row, u"[X]: 50");
    EXPECT_EQ(lighting_view.RowText(row), shown) << row;
  }
  editor.ApplyLightingListEdit(9);  // no such row
  EXPECT_TRUE(SameRecord(*before, Macro()));
}

TEST_F(LightingEditTest, PopupsForTheRowsOfTheBlock) {
  Macro().ledData[1][0] = 2;
  Macro().ledData[1][4] = 1;
  Macro().ledData[1][8] = 6;  // entry 1 defines its own colours
  lighting_list.Fill(Macro(), 1, 1);
  using P = LightingPopup;
  const P expected[] = {P::kNone, P::kMode, P::kColour, P::kNone, P::kNone,
                        P::kMode, P::kNone, P::kNone,   P::kNone};
  for (int row = 0; row < 9; ++row) {
    EXPECT_EQ(editor.LightingPopupForRow(row), expected[row]) << row;
    if (row < 8) {
      EXPECT_EQ(lighting_list.remembered_row(), row);
      EXPECT_EQ(lighting_view.selected, row);
    }
  }

  Macro().stepCode[0] = 0x04;
  SelectStepRow(0);  // the selected step is no lighting step
  EXPECT_EQ(editor.LightingPopupForRow(1), P::kNone);
}

TEST_F(LightingEditTest, MenuChoicesSetTheRememberedEntry) {
  const uint8_t modes[] = {1, 2, 3, 6, 7};
  for (int choice = 0; choice < 5; ++choice) {
    ASSERT_EQ(editor.LightingPopupForRow(1), LightingPopup::kMode);
    editor.ApplyLightingModeChoice(choice);
    EXPECT_EQ(Macro().ledData[1][4], modes[choice]) << choice;
  }
  EXPECT_EQ(lighting_view.RowText(2), u"[Colour]: Define");
  editor.ApplyLightingModeChoice(5);
  EXPECT_EQ(Macro().ledData[1][4], 7);

  editor.ApplyLightingModeChoice(0);
  ASSERT_EQ(editor.LightingPopupForRow(2), LightingPopup::kColour);
  editor.ApplyLightingColourChoice(5);
  EXPECT_EQ(Macro().ledData[1][5], 5);
  EXPECT_EQ(lighting_view.RowText(2), u"[Colour]: Colour5");
  EXPECT_EQ(lighting_view.selected, 2);
  editor.ApplyLightingColourChoice(8);
  editor.ApplyLightingModeChoice(1);  // the remembered row is a colour row
  EXPECT_EQ(Macro().ledData[1][5], 5);
  EXPECT_EQ(Macro().ledData[1][4], 1);
}

// ---- Repeat mode and count ----

TEST_F(MacroEditorTest, RepeatModeButtons) {
  Macro().repeatCount = 9;
  Macro().repeatMode = 0xFF;
  editor.SetRepeatMode(2);
  EXPECT_EQ(Macro().repeatMode, 0xFA);
  EXPECT_EQ(Macro().repeatCount, 1);
  EXPECT_EQ(view.field_text, u"1");
  EXPECT_FALSE(view.field_enabled);

  editor.SetRepeatMode(1);
  EXPECT_EQ(Macro().repeatMode, 0xF9);

  Macro().repeatCount = 4;
  editor.SetRepeatMode(0);
  EXPECT_EQ(Macro().repeatMode, 0xF0);
  EXPECT_EQ(view.field_text, u"4");
  EXPECT_TRUE(view.field_enabled);
  EXPECT_EQ(context.saved, std::vector<int>{0}) << "the field's change saves the count";
}

TEST_F(MacroEditorTest, RepeatModeIsRefusedForALockedGroupAndIgnoredForAGroupRow) {
  state->groupLocked = 1;
  editor.SetRepeatMode(2);
  EXPECT_EQ(Macro().repeatMode, 0);
  EXPECT_EQ(warnings.warnings,
            std::vector<std::u16string>{u"Cryptographic macros cannot be modified"});
  state->groupLocked = 0;
  context.selected_macro.reset();
  editor.SetRepeatMode(1);
  EXPECT_EQ(Macro().repeatMode, 0);
}

TEST_F(MacroEditorTest, RepeatCountField) {
  struct Case {
    std::u16string text;
    uint16_t count;
    std::u16string shown;
  };
  const Case cases[] = {{u"5", 5, u"5"},
                        {u"0", 1, u"1"},
                        {u"", 1, u"1"},
                        {u"70000", 65535, u"65535"},
                        {u"12abc", 12, u"12abc"},
                        {u"-4", 1, u"1"},
                        {u"65535", 65535, u"65535"}};
  for (const Case& c : cases) {
    view.field_text = c.text;
    context.saved.clear();
    editor.OnRepeatCountTextChanged(c.text);
    EXPECT_EQ(Macro().repeatCount, c.count) << Utf16ToUtf8(c.text);
    EXPECT_EQ(view.field_text, c.shown) << Utf16ToUtf8(c.text);
    ASSERT_FALSE(context.saved.empty());
    EXPECT_EQ(context.saved_records.back().repeatCount, c.count);
  }
  EXPECT_GT(view.popups_closed, 0);
}

TEST_F(MacroEditorTest, RepeatCountIsNotSavedForAGroupRowOrALockedGroup) {
  context.selected_macro.reset();
  editor.OnRepeatCountTextChanged(u"5");
  context.selected_macro = 0;
  state->groupLocked = 1;
  editor.OnRepeatCountTextChanged(u"6");
  EXPECT_EQ(Macro().repeatCount, 0);
  EXPECT_TRUE(context.saved.empty());
}

// ---- Step-list refresh ----

TEST_F(MacroEditorTest, RefreshShowsTheStepsAndSetsTheField) {
  ThreeKeys();
  Macro().stepAction[1] = 2;
  Macro().repeatCount = 3;
  SelectStepRow(3);
  Refresh();
  EXPECT_EQ(steps_view.RowCount(), 6);
  EXPECT_EQ(steps_view.rows[5].text, u" 30ms");
  EXPECT_EQ(steps_view.selected, 3);
  EXPECT_EQ(step_list.press_count(), 2);
  EXPECT_EQ(step_list.release_count(), 1);
  EXPECT_EQ(view.field_text, u"3");
  EXPECT_TRUE(view.field_enabled);

  Macro().repeatMode = 2;
  Refresh();
  EXPECT_EQ(view.field_text, u"1");
  EXPECT_FALSE(view.field_enabled);

  state->groupLocked = 1;
  Refresh();
  EXPECT_EQ(steps_view.RowCount(), 0);
  EXPECT_FALSE(view.field_enabled);

  state->groupLocked = 0;
  ClearMacro(Macro());
  view.field_text = u"8";
  view.field_enabled = true;
  Refresh();
  EXPECT_EQ(steps_view.RowCount(), 0);
  EXPECT_EQ(view.field_text, u"8") << "a macro without steps leaves the field";
  EXPECT_TRUE(view.field_enabled);
}

TEST_F(MacroEditorTest, AnOutOfRangeCurrentMacroIsNeverTouched) {
  for (int index : {-1, kBlankMacroSlot, 13, 1000}) {
    state->macroTable.currentMacro = index;
    editor.HandleInsertMenu(347);
    editor.InsertLighting();
    editor.DeleteStep();
    editor.SetRepeatMode(1);
    editor.OnRepeatCountTextChanged(u"3");
    editor.RefreshStepList();
  }
  for (const MacroRecord& slot : state->macroTable.slots)
    EXPECT_EQ(slot.stepCount, 0);
  EXPECT_TRUE(context.saved.empty());
}

}  // namespace
}  // namespace devero::testing

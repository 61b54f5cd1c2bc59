#include "macro/macro_record.h"

#include <gtest/gtest.h>

#include <memory>

namespace devero {
namespace {

TEST(MacroName, KeepsAtMost29UnitsWithoutSplittingAPair) {
  MacroRecord m;
  const std::u16string name29(29, u'x');
  SetMacroName(m, name29);
  EXPECT_EQ(MacroName(m), name29);
  EXPECT_EQ(m.macroName[29], u'\0');

  SetMacroName(m, name29 + u"y");
  EXPECT_EQ(MacroName(m), name29);

  // A pair that would straddle the limit is dropped whole.
  const std::u16string pair = u"\U0001F600";
  SetMacroName(m, std::u16string(28, u'a') + pair);
  EXPECT_EQ(MacroName(m), std::u16string(28, u'a'));

  // The field is zeroed first: nothing of a longer earlier name stays behind.
  SetMacroName(m, u"宏一");
  EXPECT_EQ(MacroName(m), u"宏一");
  for (size_t i = 2; i < m.macroName.size(); ++i)
    EXPECT_EQ(m.macroName[i], u'\0') << i;
  EXPECT_EQ(StoredMacroName(std::u16string_view(u"ab\0cd", 5)), u"ab");
}

TEST(MacroSteps, EveryIndexIsChecked) {
  auto m = std::make_unique<MacroRecord>();
  for (int slot : {-1, kMaxSteps, kMaxSteps + 1, 100000}) {
    EXPECT_FALSE(StepAt(*m, slot)) << slot;
    EXPECT_FALSE(SetStepAt(*m, slot, MacroStep{1, 4, 0, 0, 20})) << slot;
    EXPECT_FALSE(ClearStepAt(*m, slot)) << slot;
    EXPECT_FALSE(MoveStep(*m, 0, slot)) << slot;
    EXPECT_FALSE(MoveStep(*m, slot, 0)) << slot;
  }
  EXPECT_TRUE(StepAt(*m, kMaxSteps - 1));
  for (int block : {-1, kDataBlockCount, 255}) {
    EXPECT_EQ(LedBlock(*m, block), nullptr) << block;
    EXPECT_EQ(Code251Block(*m, block), nullptr) << block;
  }
  EXPECT_EQ(LedBlock(*m, 4), &m->ledData[4]);
  m->stepCount = 60000;
  EXPECT_EQ(UsedStepCount(*m), kMaxSteps);
}

TEST(MacroSteps, MovingAStepCarriesAllFiveValues) {
  auto m = std::make_unique<MacroRecord>();
  const MacroStep step{kActionPress, kStepCursorMove, 300, 65535, 1234};
  ASSERT_TRUE(SetStepAt(*m, 3, step));
  ASSERT_TRUE(MoveStep(*m, 3, 274));
  EXPECT_EQ(StepAt(*m, 274), step);
  EXPECT_EQ(StepAt(*m, 3), step);
  ASSERT_TRUE(ClearStepAt(*m, 3));
  EXPECT_EQ(StepAt(*m, 3), MacroStep{});
}

TEST(MacroTable, SlotsAreCheckedAndClearedWhole) {
  auto table = std::make_unique<MacroTable>();
  EXPECT_EQ(table->Slot(-1), nullptr);
  EXPECT_EQ(table->Slot(kMacroSlots), nullptr);
  EXPECT_FALSE(table->ClearSlot(13));
  table->currentMacro = 40;
  EXPECT_EQ(table->Current(), nullptr);

  MacroRecord& slot = table->slots[5];
  SetMacroName(slot, u"A");
  slot.stepCount = 3;
  slot.reservedBytes[1] = 10;
  slot.ledData[4][67] = 9;
  slot.code251Data[0][0] = 1;
  SetStepAt(slot, 274, MacroStep{2, 4, 1, 1, 1});
  ASSERT_TRUE(table->ClearSlot(5));
  const MacroRecord zero{};
  EXPECT_TRUE(table->slots[5] == zero);

  table->slots[12].stepCount = 1;
  table->ClearAllSlots();
  EXPECT_EQ(table->Blank().stepCount, 0);
}

}  // namespace
}  // namespace devero

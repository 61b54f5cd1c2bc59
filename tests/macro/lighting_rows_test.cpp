#include "macro/lighting_rows.h"

#include <gtest/gtest.h>

#include "macro/lighting_mode_names.h"
#include "macro/macro_steps.h"

namespace devero {
namespace {

DataBlock Block(std::initializer_list<std::array<uint8_t, 4>> entries) {
  DataBlock block{};
  block[0] = static_cast<uint8_t>(entries.size());
  int f = 4;
  for (const auto& entry : entries) {
    for (uint8_t value : entry)
      block[f++] = value;
  }
  return block;
}

TEST(LightingModeNames, BothLanguages) {
  EXPECT_EQ(LightingModeNames(1).size(), 20u);
  EXPECT_EQ(LightingModeName(0, 1), u"Breathing");
  EXPECT_EQ(LightingModeName(0, 0), u"DPI色呼吸");
  EXPECT_EQ(LightingModeName(7, 1), u"Rainbow Wave");
  EXPECT_EQ(LightingModeName(13, 0), u"静音");
  EXPECT_EQ(LightingModeName(14, 1), u"Space");
  EXPECT_EQ(LightingModeName(14, 0), u"单色呼吸");
  EXPECT_EQ(LightingModeName(19, 0), u"循环呼吸");
  EXPECT_EQ(LightingModeName(19, 2), u"Breathing");
  EXPECT_EQ(LightingModeName(20, 1), u"");
  EXPECT_EQ(LightingModeName(-1, 0), u"");
}

TEST(LightingListRows, ANewBlock) {
  for (int language : {1, 0}) {
    DataBlock block;
    InitLightingBlock(block);
    const auto rows = LightingListRows(block, language);
    const std::u16string mode = language ? u"[Mode ]: Rainbow Wave" : u"[Mode ]: 流光溢彩";
    EXPECT_EQ(rows, (std::vector<std::u16string>{u"[LEN    ]: 1", mode, u"[Colour]: Define",
                                                 u"[Time   ]: 10*122 ms"}))
        << language;
    // Mode 0 has no menu row of its own: it is stored as the mode shown, in either language.
    EXPECT_EQ(block[4], 7) << language;
    EXPECT_EQ(block[5], 1) << language;
  }
}

TEST(LightingListRows, TwoEntriesShowEightRows) {
  DataBlock block = Block({{1, 3, 15, 50}, {6, 2, 20, 60}});
  const auto rows = LightingListRows(block, 1);
  EXPECT_EQ(rows, (std::vector<std::u16string>{u"[LEN    ]: 2", u"[Mode ]: Space",
                                               u"[Colour]: Colour3", u"[Time   ]: 15*122 ms",
                                               u"[Time   ]: 15*122 ms", u"[Mode ]: Neon",
                                               u"[Colour]: Define", u"[Time   ]: 20*122 ms"}));
}

TEST(LightingListRows, ModeNames) {
  const std::pair<uint8_t, std::u16string> english[] = {
      {1, u"Space"},        {2, u"Static"},       {3, u"Star"},
      {6, u"Neon"},         {9, u"Breathing"},    {7, u"Rainbow Wave"},
      {0, u"Rainbow Wave"}, {4, u"Rainbow Wave"}, {255, u"Rainbow Wave"}};
  for (const auto& [mode, name] : english) {
    DataBlock block = Block({{mode, 1, 10, 0}});
    EXPECT_EQ(LightingListRows(block, 1)[1], u"[Mode ]: " + name) << int(mode);
    const bool settled = mode != 1 && mode != 2 && mode != 3 && mode != 6 && mode != 9;
    EXPECT_EQ(block[4], settled ? 7 : mode) << int(mode);
  }
  DataBlock block = Block({{3, 1, 10, 0}});
  EXPECT_EQ(LightingListRows(block, 0)[1], u"[Mode ]: 单灯流水");
}

TEST(LightingListRows, EachEntrySettlesOnlyItsOwnValues) {
  DataBlock block = Block({{1, 2, 10, 0}, {0, 0, 10, 0}});
  const auto rows = LightingListRows(block, 1);
  EXPECT_EQ(block[4], 1);
  EXPECT_EQ(block[5], 2);
  EXPECT_EQ(block[8], 7);
  EXPECT_EQ(block[9], 1);
  EXPECT_EQ(rows[2], u"[Colour]: Colour2");
  EXPECT_EQ(rows[6], u"[Colour]: Define");
}

TEST(LightingListRows, LengthBounds) {
  DataBlock empty{};
  EXPECT_EQ(LightingListRows(empty, 1), std::vector<std::u16string>{u"[LEN    ]: 0"});
  DataBlock big{};
  big[0] = 200;  // at most 16 entries are shown; the last byte shown is 66
  const auto rows = LightingListRows(big, 1);
  EXPECT_EQ(rows.size(), 64u);
  EXPECT_EQ(rows[0], u"[LEN    ]: 200");
  EXPECT_EQ(big[67], 0);
}

TEST(LightingRowKind, RowsAndWhatTheyEdit) {
  const DataBlock block = Block({{1, 2, 10, 0}, {6, 0, 10, 0}});
  using K = LightingRowKind;
  const K kinds[] = {K::kLength, K::kMode,   K::kColour, K::kTime, K::kFourth,
                     K::kMode,   K::kColour, K::kTime,   K::kNone};
  for (int row = 0; row < 9; ++row)
    EXPECT_EQ(LightingRowKindOf(block, row), kinds[row]) << row;
  EXPECT_EQ(LightingRowKindOf(block, -1), K::kNone);
  EXPECT_EQ(LightingRowByte(4), 7);

  EXPECT_TRUE(LightingRowEditable(block, 3));
  EXPECT_TRUE(LightingRowEditable(block, 4));
  EXPECT_TRUE(LightingRowEditable(block, 7));
  for (int row : {0, 1, 2, 5, 6, 8, -1})
    EXPECT_FALSE(LightingRowEditable(block, row)) << row;

  EXPECT_TRUE(LightingColourChoosable(block, 2));
  EXPECT_FALSE(LightingColourChoosable(block, 6)) << "mode 6 defines its colours";
  EXPECT_FALSE(LightingColourChoosable(block, 1));
}

}  // namespace
}  // namespace devero

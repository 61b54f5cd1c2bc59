#include <gtest/gtest.h>

#include <vector>

#include "device/macro_image.h"
#include "support/fake_warnings.h"

namespace devero {
namespace {

using testing::FakeWarnings;
using Bytes = std::vector<uint8_t>;

void AddStep(MacroRecord& m, uint8_t action, uint8_t code, uint16_t delay, uint16_t p1 = 0,
             uint16_t p2 = 0) {
  const int i = m.stepCount++;
  m.stepAction[i] = action;
  m.stepCode[i] = code;
  m.stepDelay[i] = delay;
  m.stepParam[i] = {p1, p2};
  if (code == kStepCursorMove) ++m.xyStepCount;
  if (code == kStepDpi) ++m.dpiStepCount;
  if (code == kStepLighting) ++m.ledDataCount;
}

Bytes Image(const MacroRecord& m, MacroKind kind = MacroKind::kRapidFireOrGroup, int interval = 1) {
  FakeWarnings w;
  Bytes image;
  EXPECT_TRUE(BuildMacroImage(m, kind, MacroDataSize(m, kind, interval), 1024, interval, w, image));
  return image;
}

Bytes Steps(const Bytes& image, size_t from, size_t count) {
  return Bytes(image.begin() + static_cast<long>(from),
               image.begin() + static_cast<long>(from + count));
}

TEST(MacroImage, DelaysSplitIntoExtraRecords) {
  struct Simple {
    uint16_t delay_ms;
    int interval;
    Bytes records;
  };
  const Simple simple[] = {
      {0, 1, {1, 4}},
      {127, 1, {127, 4}},
      {128, 1, {1, 4, 127, 0}},
      {254, 1, {127, 4, 127, 0, 0, 0}},
      {300, 1, {46, 4, 127, 0, 127, 0}},
      {300, 2, {23, 4, 127, 0}},  // q = 150
      {1016, 8, {127, 4}},        // q = 127
      {7, 8, {1, 4}},             // q = 0
  };
  for (const Simple& c : simple) {
    MacroRecord m;
    AddStep(m, kActionRelease, 0x04, c.delay_ms);
    EXPECT_EQ(ExtraDelayRecords(c.delay_ms, c.interval),
              static_cast<int>(c.records.size() / 2 - 1));
    const Bytes image = Image(m, MacroKind::kRapidFireOrGroup, c.interval);
    EXPECT_EQ(Steps(image, 2, c.records.size()), c.records) << c.delay_ms << "/" << c.interval;
  }
}

TEST(MacroImage, LongDelaysAreCappedAtTenSeconds) {
  MacroRecord m;
  AddStep(m, kActionPress, 0x04, 20000);
  EXPECT_EQ(ExtraDelayRecords(20000, 1), 78);
  const Bytes image = Image(m);
  // 10000 units: 78 records of 127 leave 94.
  EXPECT_EQ(Steps(image, 2, 2), (Bytes{94 + 128, 4}));
  for (int r = 0; r < 78; ++r)
    EXPECT_EQ(Steps(image, 4 + 2 * r, 2), (Bytes{127, 0})) << r;
  EXPECT_EQ(EncodedStepCount(m, MacroKind::kRapidFireOrGroup, 1), 79);
}

TEST(MacroImage, StepRecords) {
  MacroRecord m;
  m.repeatCount = 3;
  AddStep(m, kActionPress, 0x04, 127);         // d 127 press: 0xFF
  AddStep(m, kActionRelease, kLeftButton, 5);  // mouse buttons are keys to the mouse
  AddStep(m, 0, kStepDelay, 9);
  AddStep(m, 7, 0x05, 9);  // no such action: no record
  AddStep(m, 3, kStepCursorMove, 2, 5, 7);
  AddStep(m, 6, kStepCursorMove, 2, 100, 1);
  AddStep(m, 8, kStepCursorMove, 2, 1, 1);
  AddStep(m, 9, kStepDpi, 3, 0x104, 0);
  AddStep(m, 10, kStepDpi, 3, 4, 0);
  AddStep(m, 11, kStepDpi, 3, 4, 0);
  AddStep(m, kActionPress, kStep250, 4);
  const Bytes image = Image(m);
  EXPECT_EQ(Steps(image, 0, 2), (Bytes{3, 0}));
  EXPECT_EQ(Steps(image, 2, 46),
            (Bytes{0xFF, 0x04, 5, 0xF1, 9,   0,   2, 246, 0xFB, 0xFF, 0xF9, 0xFF, 2, 246, 100, 0,
                   1,    0,    2, 246,  131, 248, 4, 0,   3,    248,  4,    0,    0, 248, 4,   0,
                   132,  250,  0, 0,    0,   0,   0, 0,   0,    0,    0,    0,    0, 0}));
}

TEST(MacroImage, PlayCountFollowsTheRepeatMode) {
  struct Case {
    uint8_t mode;
    MacroKind kind;
    uint16_t expected;
  };
  for (const Case& c :
       {Case{0, MacroKind::kRapidFireOrGroup, 500}, Case{1, MacroKind::kRapidFireOrGroup, 1},
        Case{2, MacroKind::kRapidFireOrGroup, 1}, Case{3, MacroKind::kRapidFireOrGroup, 500},
        Case{6, MacroKind::kRapidFireOrGroup, 1}, Case{2, MacroKind::kBuiltIn, 500}}) {
    MacroRecord m;
    m.repeatMode = c.mode;
    m.repeatCount = 500;
    const Bytes image = Image(m, c.kind);
    EXPECT_EQ(image[0] | (image[1] << 8), c.expected) << int(c.mode);
  }
}

TEST(MacroImage, EmptyMacroTakesEightBytes) {
  MacroRecord m;
  m.repeatCount = 1;
  EXPECT_EQ(MacroDataSize(m, MacroKind::kRapidFireOrGroup, 1), 8u);
  EXPECT_EQ(EncodedStepCount(m, MacroKind::kRapidFireOrGroup, 1), 3);
  EXPECT_EQ(MacroDataSize(m, MacroKind::kBuiltIn, 1), 8u);
  EXPECT_EQ(EncodedStepCount(m, MacroKind::kBuiltIn, 1), 0);
  EXPECT_EQ(Image(m), (Bytes{1, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(MacroImage, SizeCountsEveryRecordAndBlock) {
  MacroRecord m;
  AddStep(m, kActionPress, 0x04, 300);  // 2 extra records at 1 ms
  AddStep(m, 4, kStepCursorMove, 1, 1, 1);
  AddStep(m, 9, kStepDpi, 1, 4);
  AddStep(m, 13, kStepLighting, 1, 0);
  m.ledData[0][0] = 2;  // 12-byte copy, 16 padded
  m.code251DataCount = 1;
  m.code251Data[0][0] = 1;  // 8 padded
  // D = 2 + 2 * (4 + 2 + 2 + 1 + 1 + 1) = 24; then 16 + 8.
  EXPECT_EQ(MacroDataSize(m, MacroKind::kRapidFireOrGroup, 1), 48u);
  // Built-ins have no extra records: D = 2 + 2 * (4 + 2 + 1 + 1 + 1) = 20, 24 rounded.
  EXPECT_EQ(MacroDataSize(m, MacroKind::kBuiltIn, 1), 48u);
  EXPECT_EQ(EncodedStepCount(m, MacroKind::kBuiltIn, 1), 4);
  EXPECT_EQ(EncodedStepCount(m, MacroKind::kRapidFireOrGroup, 1), 6);
}

TEST(MacroImage, SizeIsCappedAndRounded) {
  MacroRecord m;
  for (int i = 0; i < kMaxSteps; ++i)
    AddStep(m, kActionPress, 0x04, 10000);
  EXPECT_EQ(MacroDataSize(m, MacroKind::kRapidFireOrGroup, 1), 8192u);
  FakeWarnings w;
  Bytes image;
  EXPECT_TRUE(BuildMacroImage(m, MacroKind::kRapidFireOrGroup, 8192, 1024, 1, w, image));
  EXPECT_EQ(image.size(), 8192u);
}

TEST(MacroImage, CountersThatUnderstateTheStepsNeverOverflowTheImage) {
  MacroRecord m;
  for (int i = 0; i < kMaxSteps; ++i) {
    AddStep(m, 6, kStepCursorMove, 1, 9, 9);
  }
  m.xyStepCount = 0;  // a file can say anything
  m.stepCount = 60000;
  const uint32_t size = MacroDataSize(m, MacroKind::kRapidFireOrGroup, 1);
  EXPECT_EQ(size, 552u);  // 2 + 2 * 275
  FakeWarnings w;
  Bytes image;
  EXPECT_TRUE(BuildMacroImage(m, MacroKind::kRapidFireOrGroup, size, 1024, 1, w, image));
  EXPECT_EQ(image.size(), size);
  EXPECT_EQ(Steps(image, 2, 6), (Bytes{1, 246, 9, 0, 9, 0}));
}

TEST(MacroImage, LightingStepsPointAtTheirCopies) {
  MacroRecord m;
  AddStep(m, 14, kStepLighting, 1, 1);
  AddStep(m, 13, kStepLighting, 1, 0);
  for (int k = 0; k < kDataBlockSize; ++k) {
    m.ledData[0][k] = static_cast<uint8_t>(100 + k);
    m.ledData[1][k] = static_cast<uint8_t>(k);
  }
  m.ledData[0][0] = 1;  // 8-byte copy
  m.ledData[1][0] = 2;  // 12-byte copy, 16 with padding
  const Bytes image = Image(m);
  ASSERT_EQ(image.size(), 16u + 16u + 8u);
  // D = 2 + 2 * (2 + 2) = 10, rounded to 16: the first copy (block 1) at 1040, then block 0.
  EXPECT_EQ(Steps(image, 2, 8), (Bytes{1, 249, 0x10, 0x04 + 64, 1, 249, 0x20, 0x04}));
  EXPECT_EQ(Steps(image, 16, 16), (Bytes{1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 0, 0, 0}));
  EXPECT_EQ(Steps(image, 32, 8), (Bytes{0, 101, 102, 103, 104, 105, 106, 107}));
}

TEST(MacroImage, FaultyLightingStepsWarnAndGoOn) {
  struct Simple {
    uint8_t action;
    uint16_t block;
    uint8_t led_count;
    Bytes records;
  };
  const Simple simple[] = {
      {13, 0, 0, {5, 4}},                      // no blocks: the record is left out
      {16, 0, 1, {1, 249, 0x08, 0x04, 5, 4}},  // unknown LED: kind 0
      {13, 5, 1, {5, 4}},                      // no such block
      {13, 0x105, 1, {5, 4}},                  // low byte 5
  };
  for (const Simple& c : simple) {
    MacroRecord m;
    AddStep(m, c.action, kStepLighting, 1, c.block);
    m.ledDataCount = c.led_count;
    AddStep(m, kActionRelease, 0x04, 5);
    m.ledData[0][0] = 1;
    FakeWarnings w;
    Bytes image;
    EXPECT_TRUE(BuildMacroImage(m, MacroKind::kRapidFireOrGroup, 64, 1024, 1, w, image));
    EXPECT_EQ(w.warnings, std::vector<std::u16string>{u"Error "});
    EXPECT_EQ(Steps(image, 2, c.records.size()), c.records) << int(c.action) << " " << c.block;
  }
}

TEST(MacroImage, LightingCopyBeyondTheAddressableRangeFails) {
  MacroRecord m;
  AddStep(m, 13, kStepLighting, 1, 0);
  m.ledData[0][0] = 1;
  FakeWarnings w;
  Bytes image;
  EXPECT_FALSE(BuildMacroImage(m, MacroKind::kRapidFireOrGroup, 16, 16370, 1, w, image));
  EXPECT_EQ(w.warnings, std::vector<std::u16string>{u" Error"});
}

TEST(MacroImage, BuiltInsCarryNoExtraDelayRecords) {
  MacroRecord m;
  AddStep(m, kActionPress, 0x06, 1000);
  AddStep(m, kActionRelease, 0x06, 20);
  const Bytes image = Image(m, MacroKind::kBuiltIn);
  EXPECT_EQ(image.size(), 8u);
  EXPECT_EQ(image, (Bytes{0, 0, 127 + 128, 6, 20, 6, 0, 0}));
}

TEST(RepeatShortMacro, RepeatsUntilAPassLastsFortyMilliseconds) {
  MacroRecord m;
  m.repeatMode = 2;
  AddStep(m, 3, kStepCursorMove, 5, 1, 2);
  AddStep(m, 13, kStepLighting, 4, 0);
  RepeatShortMacro(m);  // T = 10: factor 4
  ASSERT_EQ(m.stepCount, 8);
  EXPECT_EQ(m.xyStepCount, 4);
  EXPECT_EQ(m.ledDataCount, 1);
  for (int i = 2; i < 8; i += 2) {
    EXPECT_EQ(m.stepCode[i], kStepCursorMove);
    EXPECT_EQ(m.stepParam[i].param2, 2);
    EXPECT_EQ(m.stepCode[i + 1], kStepDelay);  // copies above 246 become delays
    EXPECT_EQ(m.stepAction[i + 1], 13);
    EXPECT_EQ(m.stepDelay[i + 1], 4);
  }
}

TEST(RepeatShortMacro, LeavesOtherMacrosAlone) {
  struct Case {
    uint8_t mode;
    std::vector<uint16_t> delays;
    int expected_steps;
  };
  for (const Case& c : {Case{2, {19}, 2}, Case{2, {20}, 1}, Case{2, {}, 0}, Case{0, {1}, 1},
                        Case{6, {1}, 1}, Case{2, {0}, 40}}) {
    MacroRecord m;
    m.repeatMode = c.mode;
    for (uint16_t d : c.delays)
      AddStep(m, kActionPress, 4, d);
    RepeatShortMacro(m);
    EXPECT_EQ(m.stepCount, c.expected_steps) << int(c.mode);
  }
  MacroRecord full;
  full.repeatMode = 2;
  for (int i = 0; i < 200; ++i)
    AddStep(full, kActionPress, 4, 0);
  RepeatShortMacro(full);  // T = 1, factor 40, but the columns end at 275
  EXPECT_EQ(full.stepCount, kMaxSteps);
}

TEST(AdjustedCursorImage, MovesTheVerticalDistanceWithinItsRange) {
  MacroRecord m;
  AddStep(m, 6, kStepCursorMove, 20000, 3, 29);
  AddStep(m, 5, kStepCursorMove, 0, 3, 30);
  AddStep(m, 3, kStepCursorMove, 4, 3, 0);
  AddStep(m, 13, kStepLighting, 4, 0);
  AddStep(m, kActionPress, 4, 300);
  MacroRecord up = m;
  Bytes image = BuildAdjustedCursorImage(up, 32, 1, 1);
  EXPECT_EQ(up.stepParam[0].param2, 30);
  EXPECT_EQ(up.stepParam[1].param2, 30);
  EXPECT_EQ(up.stepParam[2].param2, 1);
  EXPECT_EQ(image, (Bytes{0,    0,    127,  246,  3,   0, 30, 0, 1, 246, 3, 0, 0xE2, 0xFF, 4, 246,
                          0xFD, 0xFF, 0xFF, 0xFF, 255, 4, 0,  0, 0, 0,   0, 0, 0,    0,    0, 0}));
  MacroRecord down = m;
  BuildAdjustedCursorImage(down, 32, 1, 0);
  EXPECT_EQ(down.stepParam[0].param2, 28);
  EXPECT_EQ(down.stepParam[2].param2, 0);
  MacroRecord small = m;
  EXPECT_EQ(BuildAdjustedCursorImage(small, 8, 1, 1).size(), 8u);
}

}  // namespace
}  // namespace devero

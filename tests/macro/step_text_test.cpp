#include "macro/step_text.h"

#include <gtest/gtest.h>

#include <memory>

#include "macro/macro_steps.h"
#include "macro/step_list.h"

namespace devero {
namespace {

struct StepTextCase {
  uint8_t code;
  uint8_t action;
  uint16_t param1;
  uint16_t param2;
  int language;
  std::u16string text;
  int icon;
};

class StepTextTest : public ::testing::TestWithParam<StepTextCase> {};

TEST_P(StepTextTest, TextAndIcon) {
  const StepTextCase& c = GetParam();
  auto m = std::make_unique<MacroRecord>();
  m->stepCount = 1;
  m->stepCode[0] = c.code;
  m->stepAction[0] = c.action;
  m->stepParam[0] = {c.param1, c.param2};
  const StepTextResult result = StepText(*m, 0, c.language);
  EXPECT_EQ(result.text, c.text);
  EXPECT_EQ(result.icon, c.icon);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, StepTextTest,
    ::testing::Values(StepTextCase{0, 0, 0, 0, 1, u"[Delay]", kIconPlain},
                      StepTextCase{0, 1, 0, 0, 0, u"[Delay]", kIconPlain},
                      StepTextCase{246, 3, 10, 20, 1, u"[X-]:10,[Y-]:20", kIconCursorMove},
                      StepTextCase{246, 4, 10, 20, 1, u"[X-]:10,[Y+]:20", kIconCursorMove},
                      StepTextCase{246, 5, 0, 100, 1, u"[X+]:0,[Y-]:100", kIconCursorMove},
                      StepTextCase{246, 6, 65535, 7, 0, u"[X+]:65535,[Y+]:7", kIconCursorMove},
                      StepTextCase{246, 7, 1, 1, 1, u"[X]:eeror,[Y]:eeror", kIconCursorMove},
                      StepTextCase{246, 0, 1, 1, 1, u"[X]:eeror,[Y]:eeror", kIconCursorMove},
                      StepTextCase{248, 10, 4, 0, 1, u"[DPI]:返回执行前的值", kIconDpi},
                      StepTextCase{248, 1, 4, 0, 1, u"[DPI]:状态Error", kIconDpi},
                      StepTextCase{249, 13, 0, 0, 1, u"[LED0]:LED-0 Data", kIconLighting},
                      StepTextCase{249, 14, 3, 0, 1, u"[LED1]:LED-3 Data", kIconLighting},
                      StepTextCase{249, 15, 300, 0, 0, u"[LED2]:LED-300 Data", kIconLighting},
                      StepTextCase{249, 12, 0, 0, 1, u"[LED0/1/2]:error", kIconLighting},
                      StepTextCase{249, 16, 0, 0, 1, u"[LED0/1/2]:error", kIconLighting},
                      StepTextCase{0x04, 1, 0, 0, 1, u"A", kIconPress},
                      StepTextCase{0x04, 2, 0, 0, 1, u"A", kIconRelease},
                      StepTextCase{0x04, 0, 0, 0, 1, u"A", kIconPlain},
                      StepTextCase{0x28, 1, 0, 0, 1, u"KeyPad Enter", kIconPress},
                      StepTextCase{0x28, 1, 0, 0, 0, u"RETURN", kIconPress},
                      StepTextCase{0xF1, 1, 0, 0, 1, u"L-KEY", kIconPress},
                      StepTextCase{0xF3, 2, 0, 0, 2, u"右键", kIconRelease},
                      StepTextCase{0xF2, 2, 0, 0, 0, u"M-KEY", kIconRelease},
                      StepTextCase{247, 1, 0, 0, 1, u"NULL", kIconPress},
                      StepTextCase{251, 2, 0, 0, 0, u"NON-AVAILABLE", kIconRelease}));

TEST(StepText, DpiLevelCodes) {
  const std::pair<uint16_t, std::u16string> cases[] = {
      {1, u"[DPI]:200 "},   {2, u"[DPI]:400 "},    {3, u"[DPI]:600 "},   {4, u"[DPI]:800 "},
      {5, u"[DPI]:1000 "},  {6, u"[DPI]:1200 "},   {7, u"[DPI]:1600 "},  {8, u"[DPI]:1600 "},
      {9, u"[DPI]:2000 "},  {10, u"[DPI]:2000 "},  {11, u"[DPI]:2400 "}, {12, u"[DPI]:2400 "},
      {13, u"[DPI]:3200 "}, {14, u"[DPI]:4000 "},  {15, u"[DPI]:4800 "}, {0, u"[DPI]:800 "},
      {16, u"[DPI]:800 "},  {65535, u"[DPI]:800 "}};
  auto m = std::make_unique<MacroRecord>();
  m->stepCount = 1;
  m->stepCode[0] = kStepDpi;
  m->stepAction[0] = kActionDpiSet;
  for (const auto& [code, text] : cases) {
    m->stepParam[0].param1 = code;
    EXPECT_EQ(StepText(*m, 0, 1).text, text) << code;
    EXPECT_EQ(StepText(*m, 0, 1).icon, kIconDpi);
  }
}

TEST(StepText, SlotsOutsideTheColumnsHaveNoText) {
  auto m = std::make_unique<MacroRecord>();
  m->stepCode[274] = 0x04;
  m->stepAction[274] = 1;
  EXPECT_EQ(StepText(*m, 274, 1).text, u"A") << "a slot beyond stepCount is shown while recording";
  for (int step : {-1, kMaxSteps, 100000}) {
    EXPECT_EQ(StepText(*m, step, 1).text, u"") << step;
  }
}

TEST(StepListRows, TwoRowsPerStepEndingWithTheLastDelay) {
  auto m = std::make_unique<MacroRecord>();
  EXPECT_TRUE(StepListRows(*m, 1).empty());
  const uint8_t codes[] = {0x04, 0, 0xF1};
  const uint16_t delays[] = {20, 1, 10000};
  for (int i = 0; i < 3; ++i) {
    m->stepCode[i] = codes[i];
    m->stepAction[i] = 1;
    m->stepDelay[i] = delays[i];
  }
  m->stepCount = 3;
  const auto rows = StepListRows(*m, 1);
  ASSERT_EQ(rows.size(), 6u);
  const std::u16string texts[] = {u"A", u" 20ms", u"[Delay]", u" 1ms", u"L-KEY", u" 10000ms"};
  for (size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(rows[i].text, texts[i]) << i;
  EXPECT_EQ(rows[1].icon, kIconPlain);
  EXPECT_EQ(rows[4].icon, kIconPress);

  m->stepCount = 60000;  // a damaged count shows the columns, no more
  EXPECT_EQ(StepListRows(*m, 1).size(), 2u * kMaxSteps);
}

TEST(DelayRowText, HasALeadingBlank) {
  EXPECT_EQ(DelayRowText(0), u" 0ms");
  EXPECT_EQ(DelayRowText(65535), u" 65535ms");
}

}  // namespace
}  // namespace devero

#include "macro/in_place_edit.h"

#include <gtest/gtest.h>

namespace devero {
namespace {

TEST(InPlaceEdit, OnlyAKeptChangedTextIsApplied) {
  struct Case {
    bool keep;
    std::u16string typed;
    bool applied;
  };
  const Case cases[] = {
      {true, u" 250ms", true},    // Enter, focus loss, scroll, right-button release
      {true, u" 20ms", false},    // unchanged text
      {false, u" 250ms", false},  // Escape
      {false, u" 20ms", false},  {true, u"", true},
  };
  for (const Case& c : cases) {
    InPlaceEdit edit;
    ASSERT_TRUE(edit.Begin(3, u" 20ms"));
    EXPECT_TRUE(edit.Active());
    const auto change = edit.End(c.keep, c.typed);
    EXPECT_EQ(change.has_value(), c.applied);
    if (change) {
      EXPECT_EQ(change->row, 3);
      EXPECT_EQ(change->text, c.typed);
    }
    EXPECT_FALSE(edit.Active());
    EXPECT_FALSE(edit.End(true, u"again")) << "an ended edit ends once";
  }
}

TEST(InPlaceEdit, NeedsARow) {
  InPlaceEdit edit;
  EXPECT_FALSE(edit.Begin(-1, u"x"));
  EXPECT_FALSE(edit.End(true, u"y"));
}

}  // namespace
}  // namespace devero

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "ui/hit_test.h"

namespace devero::ui {
namespace {

struct HitCase {
  int64_t x;
  int64_t y;
  int count;
  int expected;
};

TEST(HitTest, EdgesOverlapsAndCounts) {
  std::array<SkinEntry, 5> table{};
  table[0] = {10, 10, 20, 10, u""};                   // [10,30) x [10,20)
  table[1] = {20, 15, 20, 20, u""};                   // overlaps entry 0
  table[2] = {0, 0, 0, 50, u""};                      // zero width: never hit
  table[3] = {-100, -100, 50, 50, u""};               // negative corner
  table[4] = {INT32_MAX - 5, 0, INT32_MAX, 10, u""};  // its right edge needs 64 bits
  const std::vector<HitCase> cases = {
      {10, 10, 5, 0},
      {29, 19, 5, 0},
      {30, 15, 5, 1},
      {30, 19, 5, 1},
      {25, 17, 5, 0},  // both hold it: the lower index wins
      {25, 17, 0, kNoEntry},
      {40, 15, 5, kNoEntry},  // right edge of entry 1 is outside
      {20, 35, 5, kNoEntry},  // bottom edge of entry 1
      {0, 0, 5, kNoEntry},
      {-60, -60, 5, 3},
      {-50, -60, 5, kNoEntry},
      {INT32_MAX, 5, 5, 4},
      {int64_t{INT32_MAX} + 100, 5, 5, 4},
      {30, 15, 1, kNoEntry},  // entry 1 is not tested with count 1
      {25, 17, 400, 0},       // a count beyond the table tests the table only
      {25, 17, -3, kNoEntry},
  };
  for (const HitCase& c : cases)
    EXPECT_EQ(HitTest(table, c.count, c.x, c.y), c.expected)
        << c.x << "," << c.y << " n=" << c.count;
}

TEST(HitTest, NegativeSizeNeverHits) {
  std::array<SkinEntry, 1> table{{{50, 50, -20, -20, u""}}};
  for (int64_t x : {30, 40, 49, 50, 51})
    EXPECT_EQ(HitTest(table, 1, x, x), kNoEntry) << x;
}

}  // namespace
}  // namespace devero::ui

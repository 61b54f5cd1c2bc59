#include "ui/hit_test.h"

#include <algorithm>

namespace devero::ui {

bool EntryContains(const SkinEntry& entry, int64_t x, int64_t y) {
  return x >= entry.x && x < entry.Right() && y >= entry.y && y < entry.Bottom();
}

int HitTest(std::span<const SkinEntry> table, int count, int64_t x, int64_t y) {
  const int n = std::clamp(count, 0, static_cast<int>(std::min<size_t>(table.size(), kNoEntry)));
  for (int i = 0; i < n; ++i) {
    if (EntryContains(table[static_cast<size_t>(i)], x, y)) return i;
  }
  return kNoEntry;
}

}  // namespace devero::ui

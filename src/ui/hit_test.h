#pragma once

#include <cstdint>
#include <span>

#include "ui/skin_tables.h"

namespace devero::ui {

inline constexpr int kNoEntry = 255;

// True when the point lies in the entry; its right and bottom edges lie outside.
bool EntryContains(const SkinEntry& entry, int64_t x, int64_t y);

// The first of entries 0..count-1 holding the point, or kNoEntry.
int HitTest(std::span<const SkinEntry> table, int count, int64_t x, int64_t y);

}  // namespace devero::ui

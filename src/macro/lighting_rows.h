#pragma once

#include <string>
#include <vector>

#include "macro/macro_record.h"

namespace devero {

inline constexpr int kMaxLightingEntries = 16;

// What a row of the lighting list shows: row 0 the block's length, row r > 0 byte r + 3 of the
// block, which is a field of entry (r - 1) / 4.
enum class LightingRowKind { kLength, kMode, kColour, kTime, kFourth, kNone };

// kNone for rows that the list of a block of that length does not have (and for r < 0).
LightingRowKind LightingRowKindOf(const DataBlock& block, int row);

// The block byte that row r (> 0) shows.
inline int LightingRowByte(int row) {
  return row + 3;
}

// The lighting list's rows for a block. Showing a block settles two of its values, as the mouse
// needs them: an entry whose mode has no row in the lighting-step menu becomes mode 7 and a
// colour 0 becomes colour 1.
std::vector<std::u16string> LightingListRows(DataBlock& block, int language_is_english);

// Whether the colour of the entry of a colour row may be chosen: not in modes 6 and 7, which
// define their own colours.
bool LightingColourChoosable(const DataBlock& block, int row);

// Rows whose value is typed in place: the time and the fourth value of an entry.
bool LightingRowEditable(const DataBlock& block, int row);

// The modes the lighting-step menu sets, by its row (0..4).
inline constexpr uint8_t kLightingMenuModes[] = {1, 2, 3, 6, 7};

}  // namespace devero

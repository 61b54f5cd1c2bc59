#include "macro/lighting_rows.h"

#include <algorithm>

#include "macro/lighting_mode_names.h"
#include "platform/text/utf.h"

namespace devero {

namespace {

constexpr int kFirstStepModeName = 14;
constexpr int kOtherModeIndex = 4;  // the name shown for modes without a name of their own
constexpr uint8_t kOtherModeStored = 7;

int ModeNameIndex(uint8_t mode) {
  switch (mode) {
    case 1:
      return 0;
    case 2:
      return 1;
    case 3:
      return 2;
    case 6:
      return 3;
    case 9:
      return 5;
    default:
      return kOtherModeIndex;
  }
}

int EntryCount(const DataBlock& block) {
  return std::min<int>(block[0], kMaxLightingEntries);
}

// Last byte the list shows: the fourth value of the last entry has no row.
int LastShownByte(const DataBlock& block) {
  return 4 * EntryCount(block) + 2;
}

bool ModeDefinesColour(uint8_t mode) {
  return mode == 6 || mode == 7;
}

}  // namespace

LightingRowKind LightingRowKindOf(const DataBlock& block, int row) {
  if (row == 0) return LightingRowKind::kLength;
  if (row < 0 || LightingRowByte(row) > LastShownByte(block)) return LightingRowKind::kNone;
  switch (LightingRowByte(row) % 4) {
    case 0:
      return LightingRowKind::kMode;
    case 1:
      return LightingRowKind::kColour;
    case 2:
      return LightingRowKind::kTime;
    default:
      return LightingRowKind::kFourth;
  }
}

std::vector<std::u16string> LightingListRows(DataBlock& block, int language_is_english) {
  std::vector<std::u16string> rows;
  rows.push_back(u"[LEN    ]: " + ToU16(block[0]));
  const auto& names = LightingModeNames(language_is_english);
  uint8_t entry_mode = 0;
  for (int f = 4; f <= LastShownByte(block); ++f) {
    uint8_t& value = block[f];
    switch (f % 4) {
      case 0: {
        const int index = ModeNameIndex(value);
        if (index == kOtherModeIndex) value = kOtherModeStored;
        entry_mode = value;
        rows.push_back(u"[Mode ]: " + std::u16string(names[kFirstStepModeName + index]));
        break;
      }
      case 1:
        if (value == 0) value = 1;
        rows.push_back(ModeDefinesColour(entry_mode) ? std::u16string(u"[Colour]: Define")
                                                     : u"[Colour]: Colour" + ToU16(value));
        break;
      case 2:
        rows.push_back(u"[Time   ]: " + ToU16(value) + u"*122 ms");
        break;
      default:
        rows.push_back(rows.back());
        break;
    }
  }
  return rows;
}

bool LightingColourChoosable(const DataBlock& block, int row) {
  if (LightingRowKindOf(block, row) != LightingRowKind::kColour) return false;
  return !ModeDefinesColour(block[LightingRowByte(row) - 1]);
}

bool LightingRowEditable(const DataBlock& block, int row) {
  const LightingRowKind kind = LightingRowKindOf(block, row);
  return kind == LightingRowKind::kTime || kind == LightingRowKind::kFourth;
}

}  // namespace devero

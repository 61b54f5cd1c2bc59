#include "macro/lighting_list.h"

namespace devero {

void LightingList::Fill(MacroRecord& macro, int block, int language_is_english) {
  view_.Clear();
  if (block < 0 || block >= kDataBlockCount) {
    block_ = -1;
    return;
  }
  block_ = block;
  for (const std::u16string& row : LightingListRows(macro.ledData[block], language_is_english)) {
    view_.AddRow(row, -1);
  }
}

void LightingList::Clear() {
  view_.Clear();
  block_ = -1;
  row_ = -1;
}

}  // namespace devero

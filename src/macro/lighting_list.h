#pragma once

#include "macro/lighting_rows.h"
#include "macro/macro_edit_view.h"
#include "macro/macro_record.h"

namespace devero {

// The lighting list: the entries of one lighting block of the current macro, and the row the
// user last chose in it (the target of the lighting-step menus).
class LightingList {
 public:
  explicit LightingList(MacroListView& view) : view_(view) {}

  // Shows block `block` of the macro (which settles the block's values, see LightingListRows);
  // an index that names no block empties the list.
  void Fill(MacroRecord& macro, int block, int language_is_english);
  void Clear();

  // The block shown, -1 when the list is empty.
  int block() const { return block_; }
  int remembered_row() const { return row_; }
  void RememberRow(int row) { row_ = row; }
  bool HasRows() const { return view_.RowCount() > 0; }

  MacroListView& view() { return view_; }

 private:
  MacroListView& view_;
  int block_ = -1;
  int row_ = -1;
};

}  // namespace devero

#include "macro/in_place_edit.h"

#include <utility>

namespace devero {

bool InPlaceEdit::Begin(int row, std::u16string row_text) {
  if (row < 0) return false;
  row_ = row;
  row_text_ = std::move(row_text);
  return true;
}

std::optional<InPlaceEdit::Change> InPlaceEdit::End(bool keep, const std::u16string& edit_text) {
  const int row = std::exchange(row_, -1);
  std::u16string old_text = std::move(row_text_);
  row_text_.clear();
  if (row < 0 || !keep || edit_text == old_text) return std::nullopt;
  return Change{row, edit_text};
}

}  // namespace devero

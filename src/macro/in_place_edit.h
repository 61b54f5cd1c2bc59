#pragma once

#include <optional>
#include <string>

namespace devero {

// The life of one in-place edit of a list row, without the edit window: the GUI creates the
// edit box when Begin succeeds, destroys it whenever End is called, and, when End returns a
// change, puts the text into the row (keeping its icon), selects the row and tells the page
// (the list's "row changed" notification).
class InPlaceEdit {
 public:
  struct Change {
    int row;
    std::u16string text;
  };

  // Starts editing `row`, whose text is `row_text`; false (nothing started) for no row.
  bool Begin(int row, std::u16string row_text);

  // Ends the edit. `keep` is false for Escape; Enter, focus loss, a scroll and a right-button
  // release keep it. Returns the change to apply only when the edit is kept and its text differs
  // from the row's text; nothing when no edit runs.
  std::optional<Change> End(bool keep, const std::u16string& edit_text);

  bool Active() const { return row_ >= 0; }
  int row() const { return row_; }

 private:
  int row_ = -1;
  std::u16string row_text_;
};

}  // namespace devero

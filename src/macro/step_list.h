#pragma once

#include <vector>

#include "macro/macro_edit_view.h"
#include "macro/macro_record.h"
#include "macro/step_text.h"

namespace devero {

// Row 2k of the step list is step k, row 2k + 1 the delay after it: 2n rows for n steps.
std::vector<StepTextResult> StepListRows(const MacroRecord& macro, int language_is_english);

// The step of a step-list row (a row without selection counts as step 0), and whether the row is
// a delay row.
inline int StepOfRow(int row) {
  return row < 0 ? 0 : row / 2;
}
inline bool IsDelayRow(int row) {
  return row >= 0 && row % 2 == 1;
}

// What the repeat-count field does when the step list is refreshed.
enum class RepeatFieldUpdate { kUpdate, kLeaveAlone };

// The step list's contents and its counters of press and release rows (the recorder limits the
// press rows of a recording).
class StepList {
 public:
  StepList(MacroListView& view, MacroEditView& page) : view_(view), page_(page) {}

  // Shows the macro's steps: none for a locked group (the field then shows "1", disabled); for a
  // macro with steps the field shows repeatCount, enabled, in repeat mode 0 and "1", disabled,
  // in the other modes. A macro without steps leaves the field as it is.
  void Refresh(const MacroRecord& macro, bool group_locked, RepeatFieldUpdate update,
               int language_is_english);

  // Adds step k (its slot may lie beyond stepCount while recording): the delay row of step k - 1
  // first, then the step, then, for the macro's last step, its own delay row. Selects the last
  // row while recording and the current row otherwise.
  void AddStep(const MacroRecord& macro, int k, bool recording, int language_is_english);

  void Clear() { view_.Clear(); }
  void ResetCounters() { press_count_ = release_count_ = 0; }
  int press_count() const { return press_count_; }
  int release_count() const { return release_count_; }

  // The row that refreshes select again (the row the user last chose).
  int current_row() const { return current_row_; }
  void set_current_row(int row) { current_row_ = row; }
  // The user chose a row (a right-button release over it, or the page's own choice).
  void Select(int row) {
    view_.SelectRow(row);
    current_row_ = row;
  }

  MacroListView& view() { return view_; }

 private:
  void AddRow(const StepTextResult& row);

  MacroListView& view_;
  MacroEditView& page_;
  int press_count_ = 0;
  int release_count_ = 0;
  int current_row_ = -1;
};

}  // namespace devero

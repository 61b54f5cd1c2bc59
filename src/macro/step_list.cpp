#include "macro/step_list.h"

#include "macro/macro_steps.h"
#include "platform/text/utf.h"

namespace devero {

std::vector<StepTextResult> StepListRows(const MacroRecord& macro, int language_is_english) {
  std::vector<StepTextResult> rows;
  const int used = UsedStepCount(macro);
  rows.reserve(2 * used);
  for (int k = 0; k < used; ++k) {
    rows.push_back(StepText(macro, k, language_is_english));
    rows.push_back({DelayRowText(macro.stepDelay[k]), kIconPlain});
  }
  return rows;
}

void StepList::Refresh(const MacroRecord& macro, bool group_locked, RepeatFieldUpdate update,
                       int language_is_english) {
  ResetCounters();
  view_.Clear();
  const bool set_field = update == RepeatFieldUpdate::kUpdate;
  if (group_locked) {
    if (set_field) page_.SetRepeatCountField(u"1", false);
  } else if (UsedStepCount(macro) > 0) {
    for (const StepTextResult& row : StepListRows(macro, language_is_english))
      AddRow(row);
    view_.SelectRow(current_row_);
    if (set_field) {
      const bool counted = (macro.repeatMode & 3) == 0;
      page_.SetRepeatCountField(counted ? ToU16(macro.repeatCount) : std::u16string(u"1"), counted);
    }
  }
  page_.RepaintPage();
}

void StepList::AddStep(const MacroRecord& macro, int k, bool recording, int language_is_english) {
  if (k < 0 || k >= kMaxSteps) return;
  if (k > 0) AddRow({DelayRowText(macro.stepDelay[k - 1]), kIconPlain});
  AddRow(StepText(macro, k, language_is_english));
  view_.SelectRow(recording ? view_.RowCount() - 1 : current_row_);
  if (macro.stepCount == k + 1) AddRow({DelayRowText(macro.stepDelay[k]), kIconPlain});
}

void StepList::AddRow(const StepTextResult& row) {
  if (row.icon == kIconPress) ++press_count_;
  if (row.icon == kIconRelease) ++release_count_;
  view_.AddRow(row.text, row.icon);
}

}  // namespace devero

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "macro/group_list_row.h"

namespace devero {

// What the macro library does to the macro page's lists and fields. The main window implements
// it (a page that is not shown ignores the calls); tests record the calls.
class MacroPageView {
 public:
  virtual ~MacroPageView() = default;

  // Group list: empty it, add `rows`, select `selected_row` (none when out of range), repaint.
  virtual void ShowGroupList(const std::vector<GroupListRow>& rows, int selected_row) = 0;
  virtual void SelectGroupRow(int row) = 0;
  virtual void EmptyGroupList() = 0;
  // Starts the in-place edit of a group-list row; its end comes back as a rename.
  virtual void StartGroupRowRename(int row) = 0;

  // Step list of the macro table's currentMacro.
  virtual void EmptyStepList() = 0;
  virtual void RefreshStepList() = 0;
  virtual void SelectStepRow(int row) = 0;

  // The repeat-count field (its change handler runs when the text is set).
  virtual void SetRepeatCountField(std::u16string_view text, bool enabled) = 0;
  virtual std::u16string RepeatCountText() const = 0;

  virtual void EmptyLightingList() = 0;
  virtual void ClosePopupMenu() = 0;
};

// The macro recorder as the library sees it: selecting another group-list row ends a recording,
// and a macro cannot be deleted while one runs.
class RecordingControl {
 public:
  virtual ~RecordingControl() = default;
  virtual bool IsRecording() const = 0;
  // Ends the recording as the record button does.
  virtual void EndRecording() = 0;
};

}  // namespace devero

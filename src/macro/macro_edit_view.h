#pragma once

#include <string>

#include "macro/macro_page_view.h"

namespace devero {

// One owner-drawn list of the macro page (the step list, the lighting list) row by row. Rows are
// counted from 0; -1 means no row.
class MacroListView {
 public:
  virtual ~MacroListView() = default;
  virtual void Clear() = 0;
  virtual void AddRow(const std::u16string& text, int icon) = 0;
  virtual int RowCount() const = 0;
  // Empty for a row that does not exist.
  virtual std::u16string RowText(int row) const = 0;
  virtual int SelectedRow() const = 0;
  // -1, or a row that does not exist, leaves no row selected.
  virtual void SelectRow(int row) = 0;
  // Opens the in-place edit box over the row; InPlaceEdit says how it ends.
  virtual void StartEdit(int row) = 0;
};

// The macro page as the recorder and the editor see it: what the library sees, and more.
class MacroEditView : public MacroPageView {
 public:
  virtual void RepaintPage() = 0;
  // The record button shows "Stop" / "停止" while a recording runs, "Record" / "录制" otherwise.
  virtual void RedrawRecordButton() = 0;
  // Runs the key-capture dialog modally for a macro step, showing the step's key name. Its OK
  // hands the captured device key code to MacroEditor::ApplyCapturedKey.
  virtual void OpenKeyCapture(const std::u16string& current_key_name) = 0;
};

}  // namespace devero

#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "macro/keyboard_grab.h"
#include "macro/macro_edit_context.h"
#include "macro/macro_edit_view.h"
#include "macro/macro_record.h"

namespace devero::testing {

// A list that keeps its rows, its selection and the in-place edits it was asked to start.
class FakeListView : public MacroListView {
 public:
  struct Row {
    std::u16string text;
    int icon;
    bool operator==(const Row&) const = default;
  };

  void Clear() override {
    rows.clear();
    selected = -1;
  }
  void AddRow(const std::u16string& text, int icon) override { rows.push_back({text, icon}); }
  int RowCount() const override { return static_cast<int>(rows.size()); }
  std::u16string RowText(int row) const override {
    return row >= 0 && row < RowCount() ? rows[row].text : std::u16string();
  }
  int SelectedRow() const override { return selected; }
  void SelectRow(int row) override { selected = row >= 0 && row < RowCount() ? row : -1; }
  void StartEdit(int row) override { edits_started.push_back(row); }

  // What the end of a kept in-place edit does to the row before the page is told.
  void TypeIntoRow(int row, const std::u16string& text) {
    rows.at(row).text = text;
    selected = row;
  }
  std::vector<std::u16string> Texts() const {
    std::vector<std::u16string> texts;
    for (const Row& row : rows)
      texts.push_back(row.text);
    return texts;
  }

  std::vector<Row> rows;
  int selected = -1;
  std::vector<int> edits_started;
};

// The page: records what it is asked; setting the repeat-count field to a new text runs the
// field's change handler, as the real field does.
class FakeEditView : public MacroEditView {
 public:
  void ShowGroupList(const std::vector<GroupListRow>&, int) override {}
  void SelectGroupRow(int) override {}
  void EmptyGroupList() override {}
  void StartGroupRowRename(int) override {}
  void EmptyStepList() override {}
  void RefreshStepList() override {}
  void SelectStepRow(int) override {}
  void SetRepeatCountField(std::u16string_view text, bool enabled) override {
    field_enabled = enabled;
    ++field_sets;
    if (field_text == text) return;
    field_text = std::u16string(text);
    if (on_field_change) on_field_change(field_text);
  }
  std::u16string RepeatCountText() const override { return field_text; }
  void EmptyLightingList() override {}
  void ClosePopupMenu() override { ++popups_closed; }

  void RepaintPage() override { ++repaints; }
  void RedrawRecordButton() override { ++record_button_redraws; }
  void OpenKeyCapture(const std::u16string& current_key_name) override {
    captures_opened.push_back(current_key_name);
  }

  std::u16string field_text = u"1";
  bool field_enabled = false;
  int field_sets = 0;
  std::function<void(const std::u16string&)> on_field_change;
  int popups_closed = 0;
  int repaints = 0;
  int record_button_redraws = 0;
  std::vector<std::u16string> captures_opened;
};

// The library side: which group-list row is selected, and every macro it was asked to save
// (with the record as it was then).
class FakeEditContext : public MacroEditContext {
 public:
  explicit FakeEditContext(const MacroTable& table) : table_(table) {}

  std::optional<int> SelectedMacro() const override { return selected_macro; }
  std::u16string SelectedRowText() const override { return row_text; }
  void SaveMacro(int index) override {
    saved.push_back(index);
    saved_records.push_back(table_.slots.at(index));
  }
  void RebuildGroupList() override { ++group_list_rebuilds; }
  int LanguageIsEnglish() const override { return language; }

  std::optional<int> selected_macro = 0;
  std::u16string row_text = u"NEW1";
  int language = 1;
  std::vector<int> saved;
  std::vector<MacroRecord> saved_records;
  int group_list_rebuilds = 0;

 private:
  const MacroTable& table_;
};

class FakeGrab : public KeyboardGrab {
 public:
  bool Installed() const override { return installed; }
  bool Install() override {
    ++installs;
    installed = refuse == false;
    return installed;
  }
  void Remove() override {
    ++removes;
    installed = false;
  }
  bool installed = false;
  bool refuse = false;
  int installs = 0;
  int removes = 0;
};

}  // namespace devero::testing

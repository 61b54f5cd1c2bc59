#pragma once

#include <string>
#include <vector>

#include "macro/macro_page_view.h"
#include "platform/text/utf.h"

namespace devero::testing {

// Records what the library does to the macro page, one line per call.
class FakeMacroPageView : public MacroPageView {
 public:
  void ShowGroupList(const std::vector<GroupListRow>& shown, int selected_row) override {
    rows = shown;
    selected = selected_row;
    calls.push_back("ShowGroupList " + std::to_string(selected_row));
  }
  void SelectGroupRow(int row) override {
    selected = row;
    calls.push_back("SelectGroupRow " + std::to_string(row));
  }
  void EmptyGroupList() override {
    rows.clear();
    calls.push_back("EmptyGroupList");
  }
  void StartGroupRowRename(int row) override {
    calls.push_back("StartGroupRowRename " + std::to_string(row));
  }
  void EmptyStepList() override { calls.push_back("EmptyStepList"); }
  void RefreshStepList() override { calls.push_back("RefreshStepList"); }
  void SelectStepRow(int row) override { calls.push_back("SelectStepRow " + std::to_string(row)); }
  void SetRepeatCountField(std::u16string_view text, bool enabled) override {
    repeat_text = std::u16string(text);
    repeat_enabled = enabled;
    calls.push_back("SetRepeatCountField " + Utf16ToUtf8(text) + (enabled ? " on" : " off"));
  }
  std::u16string RepeatCountText() const override { return repeat_text; }
  void EmptyLightingList() override { calls.push_back("EmptyLightingList"); }
  void ClosePopupMenu() override { calls.push_back("ClosePopupMenu"); }

  std::vector<GroupListRow> rows;
  int selected = -1;
  std::u16string repeat_text = u"1";
  bool repeat_enabled = false;
  std::vector<std::string> calls;
};

class FakeRecording : public RecordingControl {
 public:
  bool IsRecording() const override { return recording; }
  void EndRecording() override {
    recording = false;
    ++ended;
  }

  bool recording = false;
  int ended = 0;
};

}  // namespace devero::testing

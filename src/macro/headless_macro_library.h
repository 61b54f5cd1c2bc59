#pragma once

#include <memory>

#include "app/runtime_paths.h"
#include "macro/macro_library.h"
#include "macro/macro_state.h"
#include "platform/clock/virtual_clock.h"
#include "platform/user/warning_service.h"

namespace devero {

// The macro library without a macro page: no dialogs, no lists, no recording.
class HeadlessMacroLibrary {
 public:
  HeadlessMacroLibrary(const RuntimePaths& paths, WarningService& warnings)
      : library(*macros, state, paths, warnings, chooser_, clock_, page_, recording_) {}

  std::unique_ptr<MacroState> macros = std::make_unique<MacroState>();  // large: on the heap
  MacroLibraryState state;

 private:
  class NoFileChooser : public FileChooser {
   public:
    std::optional<std::filesystem::path> Choose(const FileChoiceRequest&) override {
      return std::nullopt;
    }
  };
  class NoMacroPage : public MacroPageView {
   public:
    void ShowGroupList(const std::vector<GroupListRow>&, int) override {}
    void SelectGroupRow(int) override {}
    void EmptyGroupList() override {}
    void StartGroupRowRename(int) override {}
    void EmptyStepList() override {}
    void RefreshStepList() override {}
    void SelectStepRow(int) override {}
    void SetRepeatCountField(std::u16string_view, bool) override {}
    std::u16string RepeatCountText() const override { return u"1"; }
    void EmptyLightingList() override {}
    void ClosePopupMenu() override {}
  };
  class NoRecording : public RecordingControl {
   public:
    bool IsRecording() const override { return false; }
    void EndRecording() override {}
  };

  NoFileChooser chooser_;
  VirtualClock clock_;  // nothing the command line runs waits
  NoMacroPage page_;
  NoRecording recording_;

 public:
  MacroLibrary library;
};

}  // namespace devero

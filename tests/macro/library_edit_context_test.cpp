#include "macro/library_edit_context.h"

#include <gtest/gtest.h>

#include <memory>

#include "macro/macro_edit_fakes.h"
#include "macro/macro_editor.h"
#include "macro/macro_file.h"
#include "macro/macro_recorder.h"
#include "platform/clock/virtual_clock.h"
#include "support/fake_file_chooser.h"
#include "support/fake_warnings.h"
#include "support/temp_dir.h"

namespace devero::testing {
namespace {

// The recorder and the editor on a real library: what they save lands in the group's file.
class LibraryEditContextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    forward.recorder = &recorder;
    std::filesystem::create_directories(paths.MacroDirectory());
    library.NewGroup();   // "NEW", row 0
    library.NewMacro(0);  // "NEW1", row 1
    library.NewMacro(0);  // "NEW2", row 2
    library.SelectRow(1);
    ASSERT_EQ(library_state.groupRows.size(), 3u);
    view.on_field_change = [this](const std::u16string& text) {
      editor.OnRepeatCountTextChanged(text);
    };
  }
  std::filesystem::path GroupFile() { return *library.GroupFilePath(0); }
  void Type(uint8_t vk) {
    clock.AdvanceMs(40);
    recorder.OnKeyMessage(kWmKeyDown, vk);
    clock.AdvanceMs(60);
    recorder.OnKeyMessage(kWmKeyUp, vk);
  }

  TempDir dir;
  RuntimePaths paths{dir.path(), 1};
  std::unique_ptr<MacroState> macros = std::make_unique<MacroState>();
  MacroLibraryState library_state;
  FakeWarnings warnings;
  FakeFileChooser chooser;
  VirtualClock clock;
  FakeEditView view;
  FakeListView steps_view;
  FakeListView lighting_view;
  FakeGrab grab;
  StepList step_list{steps_view, view};
  LightingList lighting_list{lighting_view};
  // The library is built before the recorder that it ends recordings through.
  class ForwardRecording : public RecordingControl {
   public:
    bool IsRecording() const override { return recorder->IsRecording(); }
    void EndRecording() override { recorder->EndRecording(); }
    MacroRecorder* recorder = nullptr;
  } forward;
  MacroLibrary library{*macros, library_state, paths, warnings, chooser, clock, view, forward};
  LibraryEditContext context{library, *macros, paths};
  MacroRecorder recorder{*macros, context, step_list, lighting_list, view, grab, clock, warnings};
  MacroEditor editor{*macros, context, recorder, step_list, lighting_list, view, warnings};
};

TEST_F(LibraryEditContextTest, TheSelectedRowIsTheRecordedMacro) {
  EXPECT_EQ(context.SelectedMacro(), 0);
  EXPECT_EQ(context.SelectedRowText(), u"NEW1");
  library.SelectRow(0);
  EXPECT_FALSE(context.SelectedMacro());
}

TEST_F(LibraryEditContextTest, ARecordingIsWrittenIntoTheLoadedGroupsFile) {
  recorder.ToggleRecording();
  Type(0x41);
  Type(0x42);
  recorder.ToggleRecording();
  const auto saved = ReadMacroFromFile(GroupFile(), 0, 1);
  ASSERT_TRUE(saved);
  EXPECT_EQ(MacroName(*saved), u"NEW1");
  EXPECT_EQ(saved->stepCount, 4);
  EXPECT_EQ(saved->stepCode[0], 0x04);
  EXPECT_EQ(saved->stepCode[2], 0x05);
  EXPECT_EQ(saved->stepDelay[1], 40);
  EXPECT_EQ(saved->reservedBytes[1], 10);
  const auto other = ReadMacroFromFile(GroupFile(), 1, 1);
  ASSERT_TRUE(other);
  EXPECT_EQ(MacroName(*other), u"NEW2");
  EXPECT_EQ(other->stepCount, 0);
}

TEST_F(LibraryEditContextTest, SelectingAnotherRowEndsTheRecordingAndSavesIt) {
  recorder.ToggleRecording();
  Type(0x43);
  library.SelectRow(2);
  EXPECT_FALSE(recorder.recording());
  const auto saved = ReadMacroFromFile(GroupFile(), 0, 1);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->stepCount, 2);
}

TEST_F(LibraryEditContextTest, TheRepeatCountIsSaved) {
  editor.OnRepeatCountTextChanged(u"12");
  const auto saved = ReadMacroFromFile(GroupFile(), 0, 1);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->repeatCount, 12);
}

}  // namespace
}  // namespace devero::testing

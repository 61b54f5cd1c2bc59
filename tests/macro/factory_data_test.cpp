#include <gtest/gtest.h>

#include <memory>

#include "factory_macros.h"
#include "macro/macro_file.h"
#include "macro/macro_library.h"
#include "platform/clock/virtual_clock.h"
#include "platform/text/utf.h"
#include "support/fake_file_chooser.h"
#include "support/fake_macro_page_view.h"
#include "support/fake_warnings.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

namespace stdfs = std::filesystem;
using ::devero::testing::FakeWarnings;
using ::devero::testing::ReadFile;
using ::devero::testing::SourceDir;
using ::devero::testing::TempDir;

// The delivered files are exactly what the writers make of the definitions; regenerate them
// with `make_factory_data data` when the definitions change.
TEST(FactoryData, IsWhatTheWritersMake) {
  TempDir made;
  ASSERT_TRUE(factory::WriteFactoryData(made.path()));
  for (const stdfs::path& file : factory::FactoryFiles()) {
    SCOPED_TRACE(file.string());
    EXPECT_EQ(ReadFile(SourceDir() / "data" / file), ReadFile(made.path() / file));
  }
}

TEST(FactoryData, BuiltInMacrosAreReadWholeAndWriteBackUnchanged) {
  const stdfs::path file = SourceDir() / "data" / "config" / "constMacro.dat";
  const auto expected = factory::BuiltInMacros();
  for (int language : {0, 1}) {
    FakeWarnings warnings;
    auto state = std::make_unique<MacroState>();
    ReadBuiltInMacroFile(file, *state, warnings, language);
    EXPECT_TRUE(warnings.warnings.empty());
    ASSERT_EQ(state->builtInMacroTable.builtInMacroCount, 13);
    for (int i = 0; i < 13; ++i) {
      EXPECT_TRUE(state->builtInMacroTable.slots[i] == expected->slots[i]) << i;
      EXPECT_LE(state->builtInMacroTable.slots[i].stepCount, 50) << i;
    }
    TempDir out;
    ASSERT_TRUE(WriteBuiltInMacroFile(out / "constMacro.dat", state->builtInMacroTable));
    EXPECT_EQ(ReadFile(out / "constMacro.dat"), ReadFile(file));
  }
}

TEST(FactoryData, GroupsLoadInTheirLanguageAndWriteBackUnchanged) {
  for (int language : {1, 0}) {
    SCOPED_TRACE(language);
    TempDir root;
    stdfs::copy(SourceDir() / "data", root / "skins", stdfs::copy_options::recursive);
    RuntimePaths paths(root.path(), language);
    auto macros = std::make_unique<MacroState>();
    MacroLibraryState library;
    FakeWarnings warnings;
    ::devero::testing::FakeFileChooser chooser;
    VirtualClock clock;
    ::devero::testing::FakeMacroPageView view;
    ::devero::testing::FakeRecording recording;
    MacroLibrary lib(*macros, library, paths, warnings, chooser, clock, view, recording);
    lib.LoadLibrary();
    EXPECT_TRUE(warnings.warnings.empty());
    const auto groups = factory::FactoryGroups(language);
    ASSERT_EQ(library.groupCount, static_cast<int>(groups.size()));
    for (int g = 0; g < library.groupCount; ++g) {
      EXPECT_EQ(library.groupNames[g], groups[g].name);
      ASSERT_EQ(library.groupMacroCounts[g], static_cast<int>(groups[g].macros.size()));
      for (size_t m = 0; m < groups[g].macros.size(); ++m) {
        const MacroRecord macro = lib.GroupMacro(g, static_cast<int>(m));
        EXPECT_TRUE(macro == groups[g].macros[m]) << g << " " << m;
        EXPECT_EQ(library.macroNames[g][m], MacroName(groups[g].macros[m]));
        int dpi_steps = 0;
        for (int s = 0; s < macro.stepCount; ++s)
          dpi_steps += macro.stepCode[s] == kStepDpi;
        EXPECT_EQ(macro.dpiStepCount, dpi_steps);
      }
      // A group file read and written again is the same file.
      ASSERT_TRUE(lib.LoadGroup(g, true));
      const auto file = lib.GroupFilePath(g);
      ASSERT_TRUE(file);
      const std::string before = ReadFile(*file);
      ASSERT_TRUE(stdfs::remove(*file));
      ASSERT_TRUE(WriteMacroFile(*file, *macros));
      EXPECT_EQ(ReadFile(*file), before);
    }
    // The reset directory holds the same library.
    for (const auto& entry : stdfs::directory_iterator(paths.MacroResetDirectory())) {
      EXPECT_EQ(ReadFile(entry.path()), ReadFile(paths.MacroDirectory() / entry.path().filename()));
    }
  }
}

}  // namespace
}  // namespace devero

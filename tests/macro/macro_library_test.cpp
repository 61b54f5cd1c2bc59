#include "macro/macro_library.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "platform/clock/virtual_clock.h"
#include "platform/fs/file_ops.h"
#include "platform/ini/ini_file.h"
#include "platform/text/utf.h"
#include "support/fake_file_chooser.h"
#include "support/fake_macro_page_view.h"
#include "support/fake_warnings.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

namespace stdfs = std::filesystem;
using ::devero::testing::FakeFileChooser;
using ::devero::testing::FakeMacroPageView;
using ::devero::testing::FakeRecording;
using ::devero::testing::FakeWarnings;
using ::devero::testing::TempDir;
using ::devero::testing::WriteFile;
using ::testing::ElementsAre;
using Texts = std::vector<std::u16string>;

// Macro k of every fixture group: repeat count k + 1, one step whose delay is 100 + k.
MacroRecord FixtureMacro(std::u16string_view name, int k) {
  MacroRecord m;
  SetMacroName(m, name);
  m.repeatCount = static_cast<uint16_t>(k + 1);
  m.stepCount = 1;
  SetStepAt(m, 0, MacroStep{kActionPress, 0x04, 0, 0, static_cast<uint16_t>(100 + k)});
  return m;
}

void WriteGroupFile(const stdfs::path& file, const Texts& macro_names, bool locked = false) {
  auto state = std::make_unique<MacroState>();
  state->macroTable.macroCount = static_cast<int16_t>(macro_names.size());
  for (size_t k = 0; k < macro_names.size(); ++k)
    state->macroTable.slots[k] = FixtureMacro(macro_names[k], static_cast<int>(k));
  state->groupLocked = locked;
  stdfs::create_directories(file.parent_path());
  ASSERT_TRUE(WriteMacroFile(file, *state));
}

void WriteIndex(const stdfs::path& directory, const Texts& names, int count = -1) {
  std::string text = "[MACRO_GROUP_NUM]\r\nmacGrpNum=" +
                     std::to_string(count < 0 ? static_cast<int>(names.size()) : count) +
                     "\r\n[MACRO_GROUP_NAME]\r\n";
  for (size_t i = 0; i < names.size(); ++i)
    text += std::to_string(i) + "=" + Utf16ToUtf8(names[i]) + "\r\n";
  WriteFile(directory / "macroGrp.ini", text);
}

stdfs::path GroupPath(const stdfs::path& directory, std::u16string_view name) {
  return directory / Utf16ToUtf8(std::u16string(name) + u".dat");
}

// Every file below a directory, relative to it.
std::vector<std::string> FilesBelow(const stdfs::path& directory) {
  std::vector<std::string> files;
  for (const auto& entry : stdfs::recursive_directory_iterator(directory))
    files.push_back(stdfs::relative(entry.path(), directory).string());
  std::sort(files.begin(), files.end());
  return files;
}

class MacroLibraryTest : public ::testing::Test {
 protected:
  stdfs::path MacroDir() const { return paths_.MacroDirectory(); }

  // Groups in the macro directory and its index; the library loaded and the list shown.
  void Setup(const std::vector<std::pair<std::u16string, Texts>>& groups) {
    stdfs::create_directories(MacroDir());
    Texts names;
    for (const auto& [name, macros] : groups) {
      WriteGroupFile(GroupPath(MacroDir(), name), macros);
      names.push_back(name);
    }
    WriteIndex(MacroDir(), names);
    lib_.LoadLibrary();
    lib_.RebuildGroupList();
  }

  Texts IndexNames() const {
    const ini::IniDocument doc = ini::Load(MacroDir() / "macroGrp.ini");
    Texts names;
    const int count = doc.GetInt(u"MACRO_GROUP_NUM", u"macGrpNum", 3);
    for (int i = 0; i < count; ++i)
      names.push_back(doc.Get(u"MACRO_GROUP_NAME", ToU16(i), u"", 60));
    return names;
  }

  Texts GroupNames() const {
    return Texts(library_.groupNames.begin(), library_.groupNames.begin() + library_.groupCount);
  }

  Texts TableNames() const {
    Texts names;
    for (int m = 0; m < macros_->macroTable.macroCount; ++m)
      names.push_back(MacroName(macros_->macroTable.slots[m]));
    return names;
  }

  Texts FileMacroNames(std::u16string_view group) {
    auto state = std::make_unique<MacroState>();
    ReadMacroFile(GroupPath(MacroDir(), group), *state, warnings_, 1);
    Texts names;
    for (int m = 0; m < state->macroTable.macroCount; ++m)
      names.push_back(MacroName(state->macroTable.slots[m]));
    return names;
  }

  int RowOf(int group, int macro = -1) const {
    for (size_t r = 0; r < library_.groupRows.size(); ++r) {
      if (library_.groupRows[r].group == group && library_.groupRows[r].macro == macro)
        return static_cast<int>(r);
    }
    return -1;
  }

  void Expand(int group) {
    library_.groupExpanded[group] = 1;
    lib_.RebuildGroupList();
  }

  TempDir dir_;
  RuntimePaths paths_{dir_.path(), 1};
  std::unique_ptr<MacroState> macros_ = std::make_unique<MacroState>();
  MacroLibraryState library_;
  FakeWarnings warnings_;
  FakeFileChooser chooser_;
  VirtualClock clock_;
  FakeMacroPageView view_;
  FakeRecording recording_;
  MacroLibrary lib_{*macros_, library_, paths_, warnings_, chooser_, clock_, view_, recording_};
};

TEST_F(MacroLibraryTest, ReadsTheIndexAndDropsGroupsWithoutFiles) {
  stdfs::create_directories(MacroDir());
  WriteGroupFile(GroupPath(MacroDir(), u"A"), {u"a1"});
  WriteGroupFile(GroupPath(MacroDir(), u"射击"), {u"连发", u"三连"});
  WriteGroupFile(GroupPath(MacroDir(), u"C"), {});
  WriteGroupFile(dir_.path() / "skins" / "INI_EN" / "evil.dat", {u"x"});
  WriteIndex(MacroDir(), {u"A", u"gone", u"射击", u"../evil", u"", u"a/b", u"C"});
  lib_.ReadGroupIndex();
  EXPECT_EQ(GroupNames(), (Texts{u"A", u"射击", u"C"}));
  EXPECT_EQ(IndexNames(), (Texts{u"A", u"射击", u"C"}));
  EXPECT_EQ(ini::Load(MacroDir() / "macroGrp.ini").Get(u"MACRO_GROUP_NAME", u"11", u"?", 60), u"");
  EXPECT_TRUE(warnings_.warnings.empty());

  lib_.BuildMacroNames();
  EXPECT_THAT(library_.groupMacroCounts, ElementsAre(1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(library_.macroNames[1][0], u"连发");
  EXPECT_EQ(library_.macroNames[1][1], u"三连");
  EXPECT_EQ(library_.macroNames[1][2], u"");
}

TEST_F(MacroLibraryTest, AMissingIndexWarnsAndGivesNoGroups) {
  lib_.ReadGroupIndex();
  EXPECT_EQ(warnings_.warnings, Texts{u"Can't find the file."});
  EXPECT_EQ(library_.groupCount, 0);
}

TEST_F(MacroLibraryTest, CountsFromFilesStayWithinTheTables) {
  stdfs::create_directories(MacroDir());
  Texts names;
  for (int g = 0; g < 13; ++g) {
    names.push_back(u"G" + ToU16(g));
    WriteGroupFile(GroupPath(MacroDir(), names.back()), {u"m"});
  }
  WriteIndex(MacroDir(), names, 99);
  WriteFile(GroupPath(MacroDir(), u"G1"), "[Macros]\r\nmacroNum=99\r\n0=065000\r\n");
  WriteFile(GroupPath(MacroDir(), u"G2"), "[Macros]\r\nmacroNum=-1\r\n0=065000\r\n");
  lib_.LoadLibrary();
  EXPECT_EQ(library_.groupCount, 12);
  EXPECT_EQ(library_.groupMacroCounts[1], 12);
  EXPECT_EQ(library_.macroNames[1][0], u"A");
  EXPECT_EQ(library_.macroNames[1][11], u"");
  EXPECT_EQ(library_.groupMacroCounts[2], 0);
  // The group macro lookup answers every index, existing or not.
  EXPECT_EQ(MacroName(lib_.GroupMacro(1, 11)), u"");
  EXPECT_EQ(lib_.GroupMacro(12, 0).stepCount, 0);
  EXPECT_EQ(lib_.GroupMacro(-1, 0).stepCount, 0);
  EXPECT_EQ(lib_.GroupMacro(3, 12).stepCount, 0);
}

TEST_F(MacroLibraryTest, WritesAllTwelveNameKeys) {
  stdfs::create_directories(MacroDir());
  library_.groupCount = 2;
  library_.groupNames[0] = u"办公";
  library_.groupNames[1] = u"Games";
  ASSERT_TRUE(lib_.WriteGroupIndex());
  EXPECT_EQ(::devero::testing::ReadFile(MacroDir() / "macroGrp.ini"),
            "[MACRO_GROUP_NUM]\r\nmacGrpNum=2\r\n[MACRO_GROUP_NAME]\r\n0=办公\r\n1=Games\r\n2=\r\n"
            "3=\r\n4=\r\n5=\r\n6=\r\n7=\r\n8=\r\n9=\r\n10=\r\n11=\r\n");
}

TEST_F(MacroLibraryTest, RowsFollowTheExpansionFlags) {
  Setup({{u"A", {u"a1", u"a2"}}, {u"B", {u"b1"}}});
  library_.groupExpanded[0] = 1;
  const auto rows = BuildGroupListRows(library_);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], (GroupListRow{true, 0, -1, u"A", kExpandedGroupIcon}));
  EXPECT_EQ(rows[1], (GroupListRow{false, 0, 0, u"a1", kMacroIcon}));
  EXPECT_EQ(rows[2], (GroupListRow{false, 0, 1, u"a2", kMacroIcon}));
  EXPECT_EQ(rows[3], (GroupListRow{true, 1, -1, u"B", kCollapsedGroupIcon}));
}

TEST_F(MacroLibraryTest, SelectingAGroupRowTogglesItAndLoadsItsGroup) {
  Setup({{u"A", {u"a1"}}, {u"B", {u"b1", u"b2"}}});
  recording_.recording = true;
  view_.calls.clear();
  lib_.SelectRow(1);
  EXPECT_EQ(recording_.ended, 1);
  EXPECT_EQ(library_.loadedGroup, 1);
  EXPECT_EQ(library_.selectedRow, 1);
  EXPECT_EQ(library_.groupExpanded[1], 1);
  EXPECT_EQ(TableNames(), (Texts{u"b1", u"b2"}));
  EXPECT_THAT(view_.calls,
              ElementsAre("ClosePopupMenu", "EmptyLightingList", "EmptyStepList", "ShowGroupList 1",
                          "SelectGroupRow 1", "SetRepeatCountField 1 off"));
  ASSERT_EQ(view_.rows.size(), 4u);

  // The same row again collapses it.
  view_.calls.clear();
  lib_.SelectRow(1);
  EXPECT_EQ(library_.groupExpanded[1], 0);
  EXPECT_EQ(view_.rows.size(), 2u);
  EXPECT_THAT(view_.calls, ElementsAre("ClosePopupMenu", "EmptyLightingList", "ShowGroupList 1",
                                       "EmptyStepList", "SelectGroupRow 1"));
}

TEST_F(MacroLibraryTest, LeavingAMacroRowSavesItsRepeatCount) {
  Setup({{u"A", {u"a1", u"a2"}}, {u"B", {u"b1"}}});
  Expand(0);
  lib_.SelectRow(RowOf(0, 0));
  EXPECT_EQ(macros_->macroTable.currentMacro, 0);
  view_.repeat_text = u"77";
  view_.calls.clear();
  lib_.SelectRow(RowOf(0, 1));
  EXPECT_EQ(macros_->macroTable.currentMacro, 1);
  EXPECT_THAT(view_.calls, ElementsAre("ClosePopupMenu", "EmptyLightingList", "EmptyStepList",
                                       "RefreshStepList", "SelectGroupRow 2", "SelectStepRow 0"));
  EXPECT_EQ(ReadMacroFromFile(GroupPath(MacroDir(), u"A"), 0, 1)->repeatCount, 77);
  // Its other values are as they were.
  EXPECT_EQ(ReadMacroFromFile(GroupPath(MacroDir(), u"A"), 0, 1)->stepDelay[0], 100);
}

TEST_F(MacroLibraryTest, AMacroOfAGroupNoLongerLoadedIsNotWrittenOverAnother) {
  Setup({{u"A", {u"a1"}}, {u"B", {u"b1"}}});
  Expand(0);
  Expand(1);
  lib_.SelectRow(RowOf(0, 0));
  // Something else loads group B while A's macro row stays selected.
  library_.loadedGroup = 1;
  lib_.LoadGroup(1, true);
  view_.repeat_text = u"9";
  lib_.SelectRow(RowOf(1, 0));
  EXPECT_EQ(FileMacroNames(u"A"), Texts{u"a1"});
  EXPECT_EQ(ReadMacroFromFile(GroupPath(MacroDir(), u"A"), 0, 1)->repeatCount, 1);
  EXPECT_FALSE(lib_.SaveMacroOfRow(RowOf(0, 0)));
  EXPECT_TRUE(lib_.SaveMacroOfRow(RowOf(1, 0)));
}

TEST_F(MacroLibraryTest, NewGroupsAreNamedNewUntilRenamed) {
  Setup({{u"A", {u"a1"}}});
  macros_->groupLocked = 1;
  lib_.NewGroup();
  EXPECT_EQ(GroupNames(), (Texts{u"A", u"NEW"}));
  EXPECT_EQ(IndexNames(), (Texts{u"A", u"NEW"}));
  EXPECT_TRUE(fs::FileExists(GroupPath(MacroDir(), u"NEW")));
  EXPECT_EQ(library_.loadedGroup, 1);
  EXPECT_EQ(macros_->macroTable.macroCount, 0);
  EXPECT_EQ(macros_->groupLocked, 0);
  EXPECT_EQ(view_.calls.back(), "StartGroupRowRename 1");
  EXPECT_EQ(library_.selectedRow, 1);

  lib_.NewGroup();
  EXPECT_EQ(warnings_.warnings, Texts{u"'NEW' Name already in used ."});
  EXPECT_EQ(library_.groupCount, 2);

  for (int g = 2; g < 12; ++g)
    library_.groupNames[g] = u"G" + ToU16(g);
  library_.groupCount = 12;
  lib_.NewGroup();
  EXPECT_EQ(warnings_.warnings.back(), u"Only can save up to 12 macro groups !");
}

TEST_F(MacroLibraryTest, RenamingAGroupMovesItsFile) {
  Setup({{u"A", {u"a1"}}, {u"B", {u"b1"}}});
  lib_.Rename(1, u"  射击");
  EXPECT_EQ(GroupNames(), (Texts{u"A", u"射击"}));
  EXPECT_EQ(IndexNames(), (Texts{u"A", u"射击"}));
  EXPECT_FALSE(fs::FileExists(GroupPath(MacroDir(), u"B")));
  EXPECT_EQ(FileMacroNames(u"射击"), Texts{u"b1"});
  EXPECT_EQ(view_.rows[1].text, u"射击");
  EXPECT_TRUE(warnings_.warnings.empty());
}

TEST_F(MacroLibraryTest, RefusedGroupNamesKeepTheOldName) {
  Setup({{u"A", {u"a1"}}, {u"B", {u"b1"}}});
  struct Case {
    std::u16string text;
    std::u16string warning;  // empty: silently kept
  };
  const Case cases[] = {
      {u"A", u" Name already in used ."},
      {u"B", u""},
      {u"   ", u""},
      {u"", u""},
      {u"../B", u"Invalid: Delete Invalid character"},
      {u"..", u"Invalid: Delete Invalid character"},
      {u"x/y", u"Invalid: Delete Invalid character"},
      {u"x\\y", u"Invalid: Delete Invalid character"},
      {u"two\nlines", u"Invalid: Delete Invalid character"},
      {u"tab\there", u"Invalid: Delete Invalid character"},
      {std::u16string(u"nul\0x", 5), u"Invalid: Delete Invalid character"},
      {u"a:b", u"Invalid: Delete Invalid character"},
      {u"what?", u"Invalid: Delete Invalid character"},
      {std::u16string(60, u'n'), u"Invalid: Delete Invalid character"},
  };
  const auto before = FilesBelow(dir_.path());
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.text));
    warnings_.warnings.clear();
    lib_.Rename(1, c.text);
    EXPECT_EQ(warnings_.warnings, c.warning.empty() ? Texts{} : Texts{c.warning});
    EXPECT_EQ(GroupNames(), (Texts{u"A", u"B"}));
    EXPECT_EQ(view_.rows[1].text, u"B");
  }
  EXPECT_EQ(IndexNames(), (Texts{u"A", u"B"}));
  EXPECT_EQ(FilesBelow(dir_.path()), before);

  lib_.Rename(-1, u"C");
  EXPECT_EQ(warnings_.warnings.back(), u"Please select one ");
  lib_.Rename(1, std::u16string(59, u'n'));
  EXPECT_EQ(library_.groupNames[1], std::u16string(59, u'n'));
}

TEST_F(MacroLibraryTest, RenamingAGroupWhoseFileIsGoneKeepsTheNewName) {
  Setup({{u"A", {u"a1"}}, {u"B", {u"b1"}}});
  fs::RemoveFile(GroupPath(MacroDir(), u"B"));
  lib_.Rename(1, u"C");
  EXPECT_EQ(warnings_.warnings, Texts{u" Not find File!"});
  EXPECT_EQ(IndexNames(), (Texts{u"A", u"C"}));
}

TEST_F(MacroLibraryTest, AFailedCopyPutsTheOldNameBack) {
  Setup({{u"A", {u"a1"}}, {u"B", {u"b1"}}});
  // A directory in the way of the new file makes the copy fail.
  stdfs::create_directories(GroupPath(MacroDir(), u"C"));
  lib_.Rename(1, u"C");
  EXPECT_EQ(warnings_.warnings, Texts{u"Invalid: Delete Invalid character"});
  EXPECT_EQ(GroupNames(), (Texts{u"A", u"B"}));
  EXPECT_EQ(IndexNames(), (Texts{u"A", u"B"}));
  EXPECT_TRUE(fs::FileExists(GroupPath(MacroDir(), u"B")));
}

TEST_F(MacroLibraryTest, RenamingAMacroChecksEveryNameOfItsGroup) {
  Setup({{u"A", {u"NEW1", u"NEW2"}}, {u"B", {u"b1"}}});
  Expand(0);
  Expand(1);
  const struct {
    std::u16string text;
    std::u16string warning;
  } refused[] = {
      {u" NEW1", u"'NEW1'  Name already in used ."},
      {u"NEW2", u"'NEW2'  Name already in used ."},
      {u"   ", u"Name cannot be empty!"},
  };
  for (const auto& c : refused) {
    warnings_.warnings.clear();
    lib_.Rename(RowOf(0, 0), c.text);
    EXPECT_EQ(warnings_.warnings, Texts{c.warning});
    EXPECT_EQ(FileMacroNames(u"A"), (Texts{u"NEW1", u"NEW2"}));
  }
  lib_.Rename(RowOf(0, 1), u"连发宏");
  EXPECT_EQ(FileMacroNames(u"A"), (Texts{u"NEW1", u"连发宏"}));
  EXPECT_EQ(library_.macroNames[0][1], u"连发宏");
  EXPECT_EQ(view_.rows[RowOf(0, 1)].text, u"连发宏");
  EXPECT_EQ(macros_->macroTable.currentMacro, 1);

  // A macro of a group that is not loaded: the group is loaded first, so its own macros (not
  // those of the table) are written back.
  lib_.Rename(RowOf(1, 0), u"renamed");
  EXPECT_EQ(library_.loadedGroup, 1);
  EXPECT_EQ(FileMacroNames(u"B"), Texts{u"renamed"});
  EXPECT_EQ(ReadMacroFromFile(GroupPath(MacroDir(), u"B"), 0, 1)->stepDelay[0], 100);
  EXPECT_EQ(FileMacroNames(u"A"), (Texts{u"NEW1", u"连发宏"}));
}

TEST_F(MacroLibraryTest, TheDeleteButtonAsksBeforeDeletingAGroup) {
  Setup({{u"A", {u"a1"}}, {u"B", {u"b1"}}, {u"C", {u"c1"}}});
  library_.groupExpanded = {0, 1, 1};
  lib_.RebuildGroupList();
  warnings_.answer = 0;
  lib_.DeleteSelected(0);
  EXPECT_EQ(warnings_.questions, Texts{u"It is a macro group.\n Are you sure to delete it?"});
  EXPECT_EQ(library_.groupCount, 3);

  warnings_.answer = 1;
  lib_.DeleteSelected(0);
  EXPECT_EQ(GroupNames(), (Texts{u"B", u"C"}));
  EXPECT_EQ(IndexNames(), (Texts{u"B", u"C"}));
  EXPECT_FALSE(fs::FileExists(GroupPath(MacroDir(), u"A")));
  EXPECT_EQ(library_.loadedGroup, 0);
  EXPECT_EQ(TableNames(), Texts{u"b1"});
  EXPECT_EQ(library_.selectedRow, 0);
  // The expansion flags stay by index.
  EXPECT_THAT(library_.groupExpanded, ElementsAre(0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(view_.rows.size(), 3u);
  EXPECT_EQ(clock_.Sleeps(), std::vector<int>{10});
}

TEST_F(MacroLibraryTest, DeletingTheLastGroupEmptiesEverything) {
  Setup({{u"A", {u"a1"}}});
  lib_.HandleMenuAction(kGroupPopup, kDeleteGroupItem, 0);
  EXPECT_TRUE(warnings_.questions.empty());
  EXPECT_EQ(library_.groupCount, 0);
  EXPECT_EQ(macros_->macroTable.macroCount, 0);
  EXPECT_EQ(MacroName(macros_->macroTable.slots[0]), u"");
  EXPECT_TRUE(view_.rows.empty());
  EXPECT_EQ(IndexNames(), Texts{});
  lib_.DeleteGroup(0, true);  // nothing left
  EXPECT_TRUE(warnings_.questions.empty());
}

TEST_F(MacroLibraryTest, ResetPutsTheFactoryGroupsBack) {
  Setup({{u"A", {u"a1"}}, {u"B", {u"b1"}}});
  WriteFile(MacroDir() / "sub" / "stray.txt", "x");
  const stdfs::path factory = paths_.MacroResetDirectory();
  WriteGroupFile(GroupPath(factory, u"F"), {u"f1", u"f2"});
  WriteGroupFile(GroupPath(factory, u"G"), {u"g1"});
  WriteFile(factory / "more" / "note.txt", "y");
  WriteIndex(factory, {u"F", u"G"});
  library_.groupExpanded[1] = 1;
  library_.selectedRow = 2;
  lib_.HandleMenuAction(kGroupPopup, kResetItem, 0);
  EXPECT_EQ(FilesBelow(MacroDir()), FilesBelow(factory));
  EXPECT_EQ(GroupNames(), (Texts{u"F", u"G"}));
  EXPECT_EQ(TableNames(), (Texts{u"f1", u"f2"}));
  EXPECT_EQ(library_.macroNames[1][0], u"g1");
  EXPECT_EQ(library_.selectedRow, 0);
  EXPECT_THAT(library_.groupExpanded, ::testing::Each(0));
  EXPECT_EQ(view_.rows.size(), 2u);
  EXPECT_EQ(clock_.Sleeps(), std::vector<int>{100});
}

TEST_F(MacroLibraryTest, TheQuietResetKeepsSelectionAndExpansion) {
  Setup({{u"A", {u"a1"}}});
  WriteGroupFile(GroupPath(paths_.MacroResetDirectory(), u"F"), {u"f1"});
  WriteIndex(paths_.MacroResetDirectory(), {u"F"});
  library_.groupExpanded[0] = 1;
  library_.selectedRow = 1;
  view_.calls.clear();
  ASSERT_TRUE(lib_.HandleMoreOptions(kResetOption));
  EXPECT_EQ(GroupNames(), Texts{u"F"});
  EXPECT_EQ(TableNames(), Texts{u"f1"});
  EXPECT_EQ(library_.selectedRow, 1);
  EXPECT_EQ(library_.groupExpanded[0], 1);
  EXPECT_EQ(library_.macroNames[0][0], u"a1");  // not rebuilt
  EXPECT_THAT(view_.calls, ::testing::Not(::testing::Contains("ShowGroupList 1")));
}

TEST_F(MacroLibraryTest, ResetWithoutAFactoryCopyDeletesNothing) {
  Setup({{u"A", {u"a1"}}});
  lib_.ResetAllGroups();
  EXPECT_EQ(warnings_.warnings, Texts{u"Can't find the file."});
  EXPECT_TRUE(fs::FileExists(GroupPath(MacroDir(), u"A")));
  EXPECT_EQ(GroupNames(), Texts{u"A"});
}

TEST_F(MacroLibraryTest, ImportingCopiesTheFileAndLoadsTheGroup) {
  Setup({{u"A", {u"a1"}}});
  WriteGroupFile(dir_ / "elsewhere" / "射击.dat", {u"s1", u"s2"});
  chooser_.answer = dir_ / "elsewhere" / "射击.dat";
  lib_.HandleCommand(kCmdImportGroup, -1);
  ASSERT_EQ(chooser_.requests.size(), 1u);
  EXPECT_EQ(chooser_.requests[0].filter, u"All Files(*.dat)|*.dat||");
  EXPECT_EQ(chooser_.requests[0].initial_directory, MacroDir());
  EXPECT_EQ(GroupNames(), (Texts{u"A", u"射击"}));
  EXPECT_EQ(IndexNames(), (Texts{u"A", u"射击"}));
  EXPECT_EQ(FileMacroNames(u"射击"), (Texts{u"s1", u"s2"}));
  EXPECT_EQ(library_.loadedGroup, 1);
  EXPECT_EQ(TableNames(), (Texts{u"s1", u"s2"}));
  EXPECT_EQ(library_.groupMacroCounts[1], 2);
  EXPECT_EQ(library_.selectedRow, 1);
  EXPECT_EQ(view_.rows.size(), 2u);
  EXPECT_TRUE(warnings_.warnings.empty());

  // Whatever follows ".dat" in the chosen name, the group's file is its name + ".dat".
  WriteGroupFile(dir_ / "elsewhere" / "Copy.dat.bak", {u"c1"});
  chooser_.answer = dir_ / "elsewhere" / "Copy.dat.bak";
  lib_.ImportGroup();
  EXPECT_EQ(FileMacroNames(u"Copy"), Texts{u"c1"});
  lib_.ReadGroupIndex();
  EXPECT_EQ(GroupNames(), (Texts{u"A", u"射击", u"Copy"}));
}

TEST_F(MacroLibraryTest, RefusedImportsChangeNothing) {
  Setup({{u"a", {u"a1"}}});
  const stdfs::path elsewhere = dir_ / "elsewhere";
  struct Case {
    std::string file;
    std::u16string warning;
    std::u16string quiet_warning;
  };
  const Case cases[] = {
      {"Shooter.DAT", u"Error!", u"Error! "},
      {".dat", u"Error!", u"Error! "},
      {"noext", u"Error!", u"Error! "},
      {"a.dat", u" Name already in used .", u"Name already in used."},
      {"line\nbreak.dat", u"Error!", u"Error! "},
      {"back\\slash.dat", u"Error!", u"Error! "},
      {"missing.dat", u"Error!", u"Error! "},
  };
  for (const Case& c : cases) {
    if (c.file != "missing.dat") WriteGroupFile(elsewhere / c.file, {u"x"});
  }
  const auto before = FilesBelow(MacroDir());
  for (bool quietly : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.file);
      warnings_.warnings.clear();
      chooser_.answer = elsewhere / c.file;
      if (quietly) {
        lib_.HandleMoreOptions(kImportOption);
      } else {
        lib_.ImportGroup();
      }
      EXPECT_EQ(warnings_.warnings, Texts{quietly ? c.quiet_warning : c.warning});
      EXPECT_EQ(GroupNames(), Texts{u"a"});
      EXPECT_EQ(TableNames(), Texts{u"a1"});
    }
  }
  EXPECT_EQ(FilesBelow(MacroDir()), before);

  chooser_.answer.reset();
  warnings_.warnings.clear();
  lib_.ImportGroup();
  EXPECT_TRUE(warnings_.warnings.empty());

  library_.groupCount = 12;
  lib_.ImportGroup();
  EXPECT_EQ(warnings_.warnings, Texts{u"More than limit!"});
}

TEST_F(MacroLibraryTest, ExportingWritesTheLoadedGroupWithOrWithoutTheMarker) {
  Setup({{u"A", {u"a1", u"a2"}}});
  chooser_.answer = dir_ / "out.dat";
  lib_.ExportGroupWithLock(true);
  EXPECT_EQ(macros_->groupLocked, 1);
  EXPECT_EQ(chooser_.requests.back().default_extension, u"dat");
  EXPECT_TRUE(chooser_.requests.back().overwrite_prompt);
  auto read = std::make_unique<MacroState>();
  ReadMacroFile(dir_ / "out.dat", *read, warnings_, 1);
  EXPECT_EQ(read->groupLocked, 1);
  EXPECT_EQ(read->macroTable.macroCount, 2);

  // The more-options export keeps the lock; the plain one clears it.
  chooser_.answer = dir_ / "kept.dat";
  lib_.HandleMoreOptions(kExportOption);
  ReadMacroFile(dir_ / "kept.dat", *read, warnings_, 1);
  EXPECT_EQ(read->groupLocked, 1);
  chooser_.answer = dir_ / "plain.dat";
  lib_.HandleMenuAction(kGroupPopup, kExportItem, 0);
  EXPECT_EQ(macros_->groupLocked, 0);
  ReadMacroFile(dir_ / "plain.dat", *read, warnings_, 1);
  EXPECT_EQ(read->groupLocked, 0);
  EXPECT_TRUE(warnings_.warnings.empty());

  chooser_.answer = dir_ / "no-such-dir" / "x.dat";
  lib_.ExportGroup();
  EXPECT_EQ(warnings_.warnings, Texts{u"Error "});
}

TEST_F(MacroLibraryTest, ExportingWithoutGroupsWarns) {
  stdfs::create_directories(MacroDir());
  WriteIndex(MacroDir(), {});
  lib_.LoadLibrary();
  chooser_.answer = dir_ / "out.dat";
  lib_.HandleCommand(kCmdExportGroup, 0);
  lib_.HandleCommand(kCmdExportLockedEn, 0);
  lib_.HandleCommand(kCmdExportLockedCn, 0);
  EXPECT_EQ(warnings_.warnings, (Texts{u"Error ", u" Error!", u"Error! "}));
  EXPECT_TRUE(chooser_.requests.empty());
}

TEST_F(MacroLibraryTest, NewMacrosTakeTheFirstFreeName) {
  Texts names;
  for (int n = 1; n <= 11; ++n)
    names.push_back(n == 4 ? u"mine" : u"NEW" + ToU16(n));
  Setup({{u"A", names}, {u"B", {}}});
  lib_.NewMacro(0);
  EXPECT_EQ(TableNames().back(), u"NEW4");
  EXPECT_EQ(macros_->macroTable.currentMacro, 11);
  EXPECT_EQ(FileMacroNames(u"A").size(), 12u);
  EXPECT_EQ(library_.groupMacroCounts[0], 12);
  EXPECT_EQ(library_.groupExpanded[0], 1);
  EXPECT_EQ(view_.rows.size(), 14u);
  lib_.NewMacro(0);
  EXPECT_EQ(warnings_.warnings, Texts{u"Only can save up to 12 macros per group !"});

  // An empty group's first macro, in a group that was not loaded.
  lib_.NewMacro(RowOf(1));
  EXPECT_EQ(library_.loadedGroup, 1);
  EXPECT_EQ(FileMacroNames(u"B"), Texts{u"NEW1"});
  EXPECT_EQ(FileMacroNames(u"A").size(), 12u);
}

TEST_F(MacroLibraryTest, NewMacroWithoutGroupsMakesAGroupFirst) {
  stdfs::create_directories(MacroDir());
  WriteIndex(MacroDir(), {});
  lib_.LoadLibrary();
  lib_.HandleCommand(kCmdNewMacro, -1);
  EXPECT_EQ(GroupNames(), Texts{u"NEW"});
  EXPECT_EQ(FileMacroNames(u"NEW"), Texts{u"NEW1"});
  ASSERT_EQ(view_.rows.size(), 2u);
  EXPECT_EQ(view_.rows[1].text, u"NEW1");
}

TEST_F(MacroLibraryTest, DeletingAMacroMovesTheLaterOnesDown) {
  Setup({{u"A", {u"a1", u"a2", u"a3"}}});
  Expand(0);
  lib_.SelectRow(RowOf(0, 1));
  view_.calls.clear();
  lib_.HandleMenuAction(kMacroPopup, kDeleteMacroItem, RowOf(0, 1));
  EXPECT_EQ(TableNames(), (Texts{u"a1", u"a3"}));
  EXPECT_EQ(FileMacroNames(u"A"), (Texts{u"a1", u"a3"}));
  EXPECT_EQ(ReadMacroFromFile(GroupPath(MacroDir(), u"A"), 1, 1)->stepDelay[0], 102);
  EXPECT_EQ(MacroName(macros_->macroTable.slots[2]), u"");
  EXPECT_EQ(macros_->macroTable.currentMacro, 0);
  EXPECT_EQ(library_.selectedRow, 1);
  EXPECT_EQ(view_.selected, 1);
  EXPECT_EQ(view_.rows.size(), 3u);
  EXPECT_THAT(view_.calls, ::testing::Contains("RefreshStepList"));
}

TEST_F(MacroLibraryTest, DeletingTheOnlyMacroLeavesTheGroupRowSelected) {
  Setup({{u"A", {u"a1"}}});
  Expand(0);
  recording_.recording = true;
  lib_.DeleteSelected(1);
  EXPECT_EQ(FileMacroNames(u"A"), Texts{u"a1"});
  recording_.recording = false;
  view_.calls.clear();
  lib_.DeleteSelected(1);
  EXPECT_EQ(FileMacroNames(u"A"), Texts{});
  EXPECT_EQ(library_.selectedRow, 0);
  EXPECT_THAT(view_.calls, ::testing::IsSupersetOf(
                               {"EmptyStepList", "SetRepeatCountField 1 off", "ShowGroupList 0"}));
  EXPECT_EQ(view_.rows.size(), 1u);
}

TEST_F(MacroLibraryTest, TheLookupSeesTheLoadedGroupAsEditedAndOthersAsSaved) {
  Setup({{u"A", {u"a1", u"a2"}}, {u"B", {u"b1"}}});
  macros_->macroTable.slots[1].stepDelay[0] = 999;  // not saved yet
  EXPECT_EQ(lib_.GroupMacro(0, 1).stepDelay[0], 999);
  EXPECT_EQ(MacroName(lib_.GroupMacro(1, 0)), u"b1");
  EXPECT_EQ(lib_.GroupMacro(1, 0).stepDelay[0], 100);
  EXPECT_EQ(MacroName(lib_.GroupMacro(1, 1)), u"");
  EXPECT_EQ(MacroName(lib_.GroupMacro(0, 2)), u"");
  EXPECT_EQ(lib_.GroupCount(), 2);
  EXPECT_EQ(lib_.GroupMacroCount(0), 2);
  EXPECT_EQ(lib_.GroupMacroCount(5), 0);
  // The whole-group lookup agrees with the one-macro lookup.
  const std::vector<MacroRecord> loaded = lib_.GroupMacros(0);
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(loaded[1].stepDelay[0], 999);
  const std::vector<MacroRecord> saved = lib_.GroupMacros(1);
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0], lib_.GroupMacro(1, 0));
  EXPECT_TRUE(lib_.GroupMacros(2).empty());
  EXPECT_TRUE(lib_.GroupMacros(-1).empty());
}

TEST_F(MacroLibraryTest, AStoredMacroChangesOnlyItsGroup) {
  Setup({{u"A", {u"a1", u"a2"}}, {u"B", {u"b1", u"b2"}}});
  MacroRecord changed = FixtureMacro(u"b2", 1);
  changed.stepParam[0].param2 = 31;
  ASSERT_TRUE(lib_.StoreGroupMacro(1, 1, changed));
  EXPECT_EQ(TableNames(), (Texts{u"a1", u"a2"}));
  EXPECT_TRUE(*ReadMacroFromFile(GroupPath(MacroDir(), u"B"), 1, 1) == changed);
  EXPECT_EQ(MacroName(*ReadMacroFromFile(GroupPath(MacroDir(), u"B"), 0, 1)), u"b1");

  changed = FixtureMacro(u"a1", 0);
  changed.stepDelay[0] = 7;
  ASSERT_TRUE(lib_.StoreGroupMacro(0, 0, changed));
  EXPECT_EQ(macros_->macroTable.slots[0].stepDelay[0], 7);
  EXPECT_EQ(ReadMacroFromFile(GroupPath(MacroDir(), u"A"), 0, 1)->stepDelay[0], 7);

  EXPECT_FALSE(lib_.StoreGroupMacro(0, 2, changed));
  EXPECT_FALSE(lib_.StoreGroupMacro(1, 2, changed));
  EXPECT_FALSE(lib_.StoreGroupMacro(2, 0, changed));
  EXPECT_FALSE(stdfs::exists(GroupPath(MacroDir(), u"")));
}

TEST_F(MacroLibraryTest, PreparedSavesWriteLater) {
  Setup({{u"A", {u"a1"}}});
  Expand(0);
  macros_->macroTable.slots[0].repeatCount = 500;
  auto pending = lib_.PrepareMacroSave(RowOf(0, 0));
  ASSERT_TRUE(pending);
  macros_->macroTable.slots[0].repeatCount = 1;  // later edits do not leak into the write
  ASSERT_TRUE(pending->Write());
  EXPECT_EQ(ReadMacroFromFile(GroupPath(MacroDir(), u"A"), 0, 1)->repeatCount, 500);
  EXPECT_FALSE(lib_.PrepareMacroSave(RowOf(0)));
}

TEST_F(MacroLibraryTest, ALanguageSwitchLoadsTheOtherLibrary) {
  Setup({{u"A", {u"a1"}}, {u"B", {u"b1"}}});
  library_.loadedGroup = 1;
  lib_.LoadGroup(1, true);
  paths_.SetLanguage(0);
  stdfs::create_directories(MacroDir());
  WriteGroupFile(GroupPath(MacroDir(), u"办公"), {u"复制"});
  WriteIndex(MacroDir(), {u"办公"});
  lib_.LoadLibrary();
  EXPECT_EQ(library_.loadedGroup, 0);
  EXPECT_EQ(TableNames(), Texts{u"复制"});
  EXPECT_EQ(library_.macroNames[0][0], u"复制");
}

}  // namespace
}  // namespace devero

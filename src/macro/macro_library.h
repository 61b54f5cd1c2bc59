#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/runtime_paths.h"
#include "macro/group_list_row.h"
#include "macro/macro_file.h"
#include "macro/macro_page_view.h"
#include "macro/macro_state.h"
#include "platform/clock/clock.h"
#include "platform/user/file_chooser.h"
#include "platform/user/warning_service.h"

namespace devero {

inline constexpr int kMaxGroups = 12;
inline constexpr int kGroupNameRoom = 59;
inline constexpr char kGroupIndexFileName[] = "macroGrp.ini";
inline constexpr char16_t kMacroFileFilter[] = u"All Files(*.dat)|*.dat||";

// Menu kinds and items of the group list's popups (message 0x7EA), the more-options items
// (message 0x7EB) and the command ids of the macro-group menus.
inline constexpr int kGroupPopup = 11;
inline constexpr int kMacroPopup = 12;
enum GroupPopupItem {
  kNewGroupItem = 1,
  kRenameGroupItem,
  kImportItem,
  kExportItem,
  kResetItem,
  kDeleteGroupItem
};
enum MacroPopupItem { kRenameMacroItem = 1, kDeleteMacroItem };
enum MoreOptionsItem { kImportOption = 1, kExportOption, kResetOption };
inline constexpr int kCmdNewGroup = 32852;
inline constexpr int kCmdNewMacro = 32853;
inline constexpr int kCmdDeleteGroup = 32854;
inline constexpr int kCmdResetGroups = 32855;
inline constexpr int kCmdRenameGroup = 32856;
inline constexpr int kCmdImportGroup = 32857;
inline constexpr int kCmdExportGroup = 32858;
inline constexpr int kCmdRenameMacro = 32859;
inline constexpr int kCmdDeleteMacro = 32860;
inline constexpr int kCmdExportLockedCn = 32864;
inline constexpr int kCmdExportLockedEn = 32865;

// The macro library in memory: the groups of the macro directory's index, each group's macro
// names as last read, and the group list's state.
struct MacroLibraryState {
  std::array<std::u16string, kMaxGroups> groupNames{};
  int groupCount = 0;
  std::array<int, kMaxGroups> groupMacroCounts{};
  std::array<std::array<std::u16string, kMaxMacrosPerGroup>, kMaxGroups> macroNames{};
  std::array<int, kMaxGroups> groupExpanded{};
  // The group whose macros are in the macro table. Whoever changes it loads that group.
  int loadedGroup = 0;
  // The group-list row last selected; -1 for none.
  int selectedRow = -1;
  // The rows the group list shows, rebuilt with it.
  std::vector<GroupListRow> groupRows;
};

// The group list's rows: each group, followed by its macros when it is expanded.
std::vector<GroupListRow> BuildGroupListRows(const MacroLibraryState& library);

// A name that names a file of the macro directory and nothing else: not empty, no path
// separator, no control character, not "." or "..".
bool IsSafeGroupName(std::u16string_view name);
// What a new group name (a rename, an imported file) must be besides: at most 59 characters
// (the index keeps no more) and none of the characters Windows file names refuse.
bool IsValidNewGroupName(std::u16string_view name);

// The macro groups on disk and the commands of the macro page that act on whole groups and
// whole macros. Everything runs on the GUI thread.
class MacroLibrary {
 public:
  MacroLibrary(MacroState& macros, MacroLibraryState& library, const RuntimePaths& paths,
               WarningService& warnings, FileChooser& chooser, Clock& clock, MacroPageView& view,
               RecordingControl& recording)
      : macros_(macros),
        library_(library),
        paths_(paths),
        warnings_(warnings),
        chooser_(chooser),
        clock_(clock),
        view_(view),
        recording_(recording) {}

  MacroLibraryState& library() { return library_; }
  const MacroLibraryState& library() const { return library_; }

  std::filesystem::path GroupIndexFile() const;
  // Macro directory + group name + ".dat"; nothing for a group that does not exist or whose
  // name is not a safe file name.
  std::optional<std::filesystem::path> GroupFilePath(int group) const;

  // Reads the index; a group whose file is missing is dropped and, with `repair`, the index
  // is written again without it.
  void ReadGroupIndex(bool repair = true);
  bool WriteGroupIndex();
  // Whether group `group`'s file exists; with `read`, loads it into the macro table (a missing
  // file warns and empties the table, as ReadMacroFile does).
  bool LoadGroup(int group, bool read);
  void BuildMacroNames();
  // Makes `group` the loaded group, reading its file unless it is loaded already. Whoever
  // changes loadedGroup (the right-click on a row, for one) goes through here.
  void EnsureLoaded(int group);
  // The start-up and language-switch load: the index, the remembered group (the first when it
  // is gone), the macro names. Without groups the macro table is emptied.
  void LoadLibrary();

  // Rebuilds the rows and shows them, selecting selectedRow.
  void RebuildGroupList();

  // Commands. `row` is the group list's selected row (-1 for none).
  void SelectRow(int row);
  void NewGroup();
  // The in-place edit of `row` ended with `text`.
  void Rename(int row, std::u16string_view text);
  // `ask`: the delete button's confirmation; the popup deletes without asking.
  void DeleteGroup(int row, bool ask);
  void ResetAllGroups();
  void ImportGroup();
  void ExportGroup();
  void ExportGroupWithLock(bool english_command);
  void NewMacro(int row);
  void DeleteMacro(int row);
  // The macro page's delete button: a group row (asking first) or a macro row.
  void DeleteSelected(int row);
  // The more-options variants (message 0x7EB).
  void ImportGroupQuietly();
  void ExportGroupKeepingLock();
  void ResetAllGroupsQuietly();

  // Message 0x7EA (menu kinds 11 and 12), 0x7EB, and the command ids; false when not theirs.
  bool HandleMenuAction(int menu_kind, int item, int row);
  bool HandleMoreOptions(int item);
  bool HandleCommand(int command_id, int row);

  // Saving the macro of a macro row into its group's file (leaving the page, Apply, the
  // language switch). Only when that group is the loaded one: the table holds no other
  // group's macros. Prepare on the GUI thread; the write may run elsewhere.
  std::optional<PendingMacroWrite> PrepareMacroSave(int row) const;
  bool SaveMacroOfRow(int row);

  // For the download: macro `index` of group `group`, from the macro table when the group is
  // the loaded one (what the user sees, saved or not), else from its file; an empty record
  // when the group or the macro does not exist.
  MacroRecord GroupMacro(int group, int index) const;
  // Every macro of group `group` the same way, from one read of its file.
  std::vector<MacroRecord> GroupMacros(int group) const;
  int GroupCount() const { return library_.groupCount; }
  // Stores a changed macro `index` of group `group` (the re-download's adjusted macro): in the
  // loaded group into its slot and file, in any other group into its file only, so the table
  // keeps the loaded group. False when that macro does not exist.
  bool StoreGroupMacro(int group, int index, const MacroRecord& macro);
  int GroupMacroCount(int group) const;

 private:
  const GroupListRow* Row(int row) const;
  int FindGroup(std::u16string_view name) const;
  void LoadMissingGroup();
  void SetSelectedRow(int row);
  void RenameGroup(int group, std::u16string name);
  void RenameMacro(int group, int macro, std::u16string name);
  void RemoveGroupFromIndex(int group);
  void Reset(bool quietly);
  void Import(bool quietly);
  void Export(std::u16string_view no_group_text, std::optional<int> locked);
  bool SaveMacro(int group, int macro);

  MacroState& macros_;
  MacroLibraryState& library_;
  const RuntimePaths& paths_;
  WarningService& warnings_;
  FileChooser& chooser_;
  Clock& clock_;
  MacroPageView& view_;
  RecordingControl& recording_;
};

}  // namespace devero

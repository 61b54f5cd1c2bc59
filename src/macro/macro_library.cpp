#include "macro/macro_library.h"

#include <algorithm>
#include <memory>
#include <system_error>

#include "platform/fs/file_ops.h"
#include "platform/ini/ini_file.h"
#include "platform/text/leading_int.h"
#include "platform/text/utf.h"

namespace devero {
namespace {

namespace stdfs = std::filesystem;

constexpr char16_t kGroupNumSection[] = u"MACRO_GROUP_NUM";
constexpr char16_t kGroupNumKey[] = u"macGrpNum";
constexpr char16_t kGroupNameSection[] = u"MACRO_GROUP_NAME";
constexpr size_t kGroupCountBuffer = 3;  // room for 2 characters
constexpr size_t kGroupNameBuffer = kGroupNameRoom + 1;
constexpr size_t kMacroNameBuffer = kMacroNameValues * 3 + 1;
constexpr char16_t kDatExtension[] = u".dat";

constexpr char16_t kGroupLimitText[] = u"Only can save up to 12 macro groups !";
constexpr char16_t kMacroLimitText[] = u"Only can save up to 12 macros per group !";
constexpr char16_t kNameInUseText[] = u" Name already in used .";
constexpr char16_t kInvalidNameText[] = u"Invalid: Delete Invalid character";
constexpr char16_t kDeleteGroupQuestion[] = u"It is a macro group.\n Are you sure to delete it?";
constexpr char16_t kMissingIndexText[] = u"Can't find the file.";

stdfs::path PathOf(const stdfs::path& directory, std::u16string_view file_name) {
  return directory / Utf16ToUtf8(file_name);
}

bool Exists(const stdfs::path& path) {
  std::error_code ec;
  return stdfs::exists(path, ec);
}

// Deletes everything inside `directory`, which stays.
void EmptyDirectory(const stdfs::path& directory) {
  std::error_code ec;
  for (stdfs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code remove_ec;
    stdfs::remove_all(it->path(), remove_ec);
  }
}

// Copies the files of `from` over those of `to`, descending into subdirectories (not into
// links to directories, which could loop).
void CopyTree(const stdfs::path& from, const stdfs::path& to) {
  std::error_code ec;
  stdfs::create_directories(to, ec);
  for (stdfs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code status_ec;
    const auto status = it->symlink_status(status_ec);
    if (stdfs::is_directory(status)) {
      CopyTree(it->path(), to / it->path().filename());
    } else if (fs::FileExists(it->path())) {
      fs::CopyFileOver(it->path(), to / it->path().filename());
    }
  }
}

}  // namespace

std::vector<GroupListRow> BuildGroupListRows(const MacroLibraryState& library) {
  std::vector<GroupListRow> rows;
  const int groups = std::clamp(library.groupCount, 0, kMaxGroups);
  for (int g = 0; g < groups; ++g) {
    const auto gi = static_cast<size_t>(g);
    const bool expanded = library.groupExpanded[gi] != 0;
    rows.push_back(GroupListRow{true, g, -1, library.groupNames[gi],
                                expanded ? kExpandedGroupIcon : kCollapsedGroupIcon});
    if (!expanded) continue;
    const int macros = std::clamp(library.groupMacroCounts[gi], 0, kMaxMacrosPerGroup);
    for (int m = 0; m < macros; ++m) {
      rows.push_back(
          GroupListRow{false, g, m, library.macroNames[gi][static_cast<size_t>(m)], kMacroIcon});
    }
  }
  return rows;
}

bool IsSafeGroupName(std::u16string_view name) {
  if (name.empty() || name == u"." || name == u"..") return false;
  for (char16_t c : name) {
    if (c < 0x20 || c == 0x7F || c == u'/' || c == u'\\') return false;
  }
  return true;
}

bool IsValidNewGroupName(std::u16string_view name) {
  return IsSafeGroupName(name) && name.size() <= static_cast<size_t>(kGroupNameRoom) &&
         name.find_first_of(u":*?\"<>|") == std::u16string_view::npos;
}

stdfs::path MacroLibrary::GroupIndexFile() const {
  return paths_.MacroDirectory() / kGroupIndexFileName;
}

std::optional<stdfs::path> MacroLibrary::GroupFilePath(int group) const {
  if (group < 0 || group >= kMaxGroups) return std::nullopt;
  const std::u16string& name = library_.groupNames[static_cast<size_t>(group)];
  if (!IsSafeGroupName(name)) return std::nullopt;
  return PathOf(paths_.MacroDirectory(), name + kDatExtension);
}

void MacroLibrary::ReadGroupIndex(bool repair) {
  const stdfs::path index = GroupIndexFile();
  if (!fs::FileExists(index)) warnings_.ShowWarning(kMissingIndexText);
  const ini::IniDocument doc = ini::Load(index);
  library_.groupCount =
      std::clamp(doc.GetInt(kGroupNumSection, kGroupNumKey, kGroupCountBuffer), 0, kMaxGroups);
  for (auto& name : library_.groupNames)
    name.clear();
  for (int i = 0; i < library_.groupCount; ++i) {
    library_.groupNames[static_cast<size_t>(i)] =
        doc.Get(kGroupNameSection, ToU16(i), u"", kGroupNameBuffer);
  }
  bool dropped = false;
  for (int c = 0; c < library_.groupCount;) {
    const auto file = GroupFilePath(c);
    if (file && fs::FileExists(*file)) {
      ++c;
      continue;
    }
    RemoveGroupFromIndex(c);
    dropped = true;
  }
  if (dropped && repair) WriteGroupIndex();
}

void MacroLibrary::RemoveGroupFromIndex(int group) {
  auto& names = library_.groupNames;
  std::move(names.begin() + group + 1, names.end(), names.begin() + group);
  names.back().clear();
  --library_.groupCount;
}

bool MacroLibrary::WriteGroupIndex() {
  return ini::Update(GroupIndexFile(), [&](ini::IniDocument& doc) {
    bool ok = doc.Set(kGroupNumSection, kGroupNumKey, ToU16(library_.groupCount));
    for (int i = 0; i < kMaxGroups && ok; ++i) {
      ok = doc.Set(kGroupNameSection, ToU16(i),
                   i < library_.groupCount ? std::u16string_view(library_.groupNames[i])
                                           : std::u16string_view());
    }
    return ok;
  });
}

void MacroLibrary::LoadMissingGroup() {
  warnings_.ShowWarning(u"No file ");
  macros_.datVersion = 0;
  macros_.macroTable.macroCount = 0;
  macros_.groupLocked = 0;
}

bool MacroLibrary::LoadGroup(int group, bool read) {
  const auto file = GroupFilePath(group);
  const bool exists = file && fs::FileExists(*file);
  if (!read) return exists;
  if (file) {
    ReadMacroFile(*file, macros_, warnings_, paths_.LanguageIsEnglish());
  } else {
    LoadMissingGroup();
  }
  return exists;
}

void MacroLibrary::BuildMacroNames() {
  for (int c = 0; c < kMaxGroups; ++c) {
    const auto ci = static_cast<size_t>(c);
    auto& names = library_.macroNames[ci];
    if (c >= library_.groupCount) {
      for (auto& name : names)
        name.clear();
      continue;
    }
    const auto file = GroupFilePath(c);
    const ini::IniDocument doc = file ? ini::Load(*file) : ini::IniDocument();
    const int count =
        std::clamp(doc.GetInt(u"Macros", u"macroNum", kGroupCountBuffer), 0, kMaxMacrosPerGroup);
    library_.groupMacroCounts[ci] = count;
    if (count == 0) continue;
    for (int m = 0; m < kMaxMacrosPerGroup; ++m) {
      names[static_cast<size_t>(m)] =
          m < count ? DecodeMacroName(doc.Get(u"Macros", ToU16(m), u"", kMacroNameBuffer))
                    : std::u16string();
    }
  }
}

void MacroLibrary::LoadLibrary() {
  ReadGroupIndex();
  if (library_.loadedGroup < 0 || library_.loadedGroup >= library_.groupCount)
    library_.loadedGroup = 0;
  if (library_.groupCount > 0) {
    LoadGroup(library_.loadedGroup, true);
    BuildMacroNames();
  } else {
    macros_.macroTable.macroCount = 0;
    macros_.macroTable.ClearAllSlots();
    macros_.groupLocked = 0;
  }
}

void MacroLibrary::RebuildGroupList() {
  library_.groupRows = BuildGroupListRows(library_);
  view_.ShowGroupList(library_.groupRows, library_.selectedRow);
}

const GroupListRow* MacroLibrary::Row(int row) const {
  if (row < 0 || row >= static_cast<int>(library_.groupRows.size())) return nullptr;
  return &library_.groupRows[static_cast<size_t>(row)];
}

int MacroLibrary::FindGroup(std::u16string_view name) const {
  for (int g = 0; g < library_.groupCount; ++g) {
    if (library_.groupNames[static_cast<size_t>(g)] == name) return g;
  }
  return -1;
}

void MacroLibrary::EnsureLoaded(int group) {
  if (group == library_.loadedGroup) return;
  library_.loadedGroup = group;
  LoadGroup(group, true);
}

void MacroLibrary::SetSelectedRow(int row) {
  library_.selectedRow = row;
}

int MacroLibrary::GroupMacroCount(int group) const {
  if (group < 0 || group >= library_.groupCount) return 0;
  return library_.groupMacroCounts[static_cast<size_t>(group)];
}

bool MacroLibrary::SaveMacro(int group, int macro) {
  const auto file = GroupFilePath(group);
  return file && WriteMacro(*file, macros_, macro);
}

void MacroLibrary::SelectRow(int row) {
  view_.ClosePopupMenu();
  if (recording_.IsRecording()) recording_.EndRecording();
  view_.EmptyLightingList();
  const GroupListRow* picked = Row(row);
  if (picked == nullptr) return;
  const GroupListRow chosen = *picked;  // the rows are rebuilt below

  if (row == library_.selectedRow) {
    if (chosen.isGroupRow) {
      int& expanded = library_.groupExpanded[static_cast<size_t>(chosen.group)];
      expanded = !expanded;
      RebuildGroupList();
      view_.EmptyStepList();
    }
    view_.SelectGroupRow(library_.selectedRow);
    return;
  }

  const GroupListRow* previous = Row(library_.selectedRow);
  const std::optional<GroupListRow> previous_row =
      previous ? std::optional<GroupListRow>(*previous) : std::nullopt;
  const int previous_loaded = library_.loadedGroup;
  SetSelectedRow(row);
  view_.EmptyStepList();
  macros_.macroTable.currentMacro = 0;
  const bool load = chosen.group != library_.loadedGroup;
  if (load) library_.loadedGroup = chosen.group;

  if (chosen.isGroupRow) {
    int& expanded = library_.groupExpanded[static_cast<size_t>(chosen.group)];
    expanded = !expanded;
    RebuildGroupList();
    view_.SelectGroupRow(library_.selectedRow);
    view_.SetRepeatCountField(u"1", false);
    if (load) LoadGroup(library_.loadedGroup, true);
    return;
  }

  // The macro left behind is saved, but only into the group whose macros the table holds.
  if (previous_row && !previous_row->isGroupRow && previous_row->group == previous_loaded &&
      previous_row->macro < macros_.macroTable.macroCount) {
    MacroRecord& left = macros_.macroTable.slots[static_cast<size_t>(previous_row->macro)];
    left.repeatCount =
        static_cast<uint16_t>(std::clamp(LeadingInt(view_.RepeatCountText()), 1, 65535));
    SaveMacro(previous_row->group, previous_row->macro);
  }
  if (load) LoadGroup(library_.loadedGroup, true);
  macros_.macroTable.currentMacro = chosen.macro;
  view_.RefreshStepList();
  view_.SelectGroupRow(library_.selectedRow);
  view_.SelectStepRow(0);
}

void MacroLibrary::NewGroup() {
  if (library_.groupCount >= kMaxGroups) {
    warnings_.ShowWarning(kGroupLimitText);
    return;
  }
  const std::u16string name = u"NEW";
  if (FindGroup(name) >= 0) {
    warnings_.ShowWarning(u"'" + name + u"' Name already in used .");
    return;
  }
  const int g = library_.groupCount;
  library_.groupNames[static_cast<size_t>(g)] = name;
  library_.loadedGroup = g;
  ++library_.groupCount;
  WriteGroupIndex();
  const auto file = GroupFilePath(g);
  if (!file || !fs::CreateEmptyFile(*file)) warnings_.ShowWarning(u"Create new mac_file Fail!");

  view_.EmptyStepList();
  macros_.macroTable.macroCount = 0;
  macros_.macroTable.currentMacro = 0;
  macros_.macroTable.ClearAllSlots();
  macros_.groupLocked = 0;  // the new group's file carries no marker
  library_.groupMacroCounts[static_cast<size_t>(g)] = 0;
  library_.groupExpanded[static_cast<size_t>(g)] = 0;

  library_.groupRows = BuildGroupListRows(library_);
  SetSelectedRow(static_cast<int>(library_.groupRows.size()) - 1);
  view_.ShowGroupList(library_.groupRows, library_.selectedRow);
  view_.StartGroupRowRename(library_.selectedRow);
}

void MacroLibrary::Rename(int row, std::u16string_view text) {
  const GroupListRow* target = Row(row);
  if (target == nullptr) {
    warnings_.ShowWarning(u"Please select one ");
    return;
  }
  const size_t first = text.find_first_not_of(u' ');
  std::u16string name(first == std::u16string_view::npos ? u"" : text.substr(first));
  if (target->isGroupRow) {
    RenameGroup(target->group, std::move(name));
  } else {
    RenameMacro(target->group, target->macro, std::move(name));
  }
  view_.RefreshStepList();
  RebuildGroupList();
}

void MacroLibrary::RenameGroup(int group, std::u16string name) {
  std::u16string& current = library_.groupNames[static_cast<size_t>(group)];
  if (name.empty() || name == current) return;
  const int other = FindGroup(name);
  if (other >= 0) {
    warnings_.ShowWarning(kNameInUseText);
    return;
  }
  // A name that is no plain file name of the macro directory never reaches the file system.
  if (!IsValidNewGroupName(name)) {
    warnings_.ShowWarning(kInvalidNameText);
    return;
  }
  const auto old_file = GroupFilePath(group);
  const std::u16string old_name = current;
  current = name;
  WriteGroupIndex();
  const auto new_file = GroupFilePath(group);
  if (!old_file || !fs::FileExists(*old_file)) {
    warnings_.ShowWarning(u" Not find File!");
    return;
  }
  std::error_code ec;
  bool moved = false;
  if (Exists(*new_file) && stdfs::equivalent(*old_file, *new_file, ec)) {
    // Only the letter case differs on a file system that ignores it: copying and deleting
    // would delete the one file.
    stdfs::rename(*old_file, *new_file, ec);
    moved = !ec;
  } else if (fs::CopyFileOver(*old_file, *new_file)) {
    fs::RemoveFile(*old_file);
    moved = true;
  }
  if (!moved) {
    warnings_.ShowWarning(kInvalidNameText);
    current = old_name;
    WriteGroupIndex();
  }
}

void MacroLibrary::RenameMacro(int group, int macro, std::u16string name) {
  // The table must hold this group before one of its slots is renamed and written.
  EnsureLoaded(group);
  MacroTable& table = macros_.macroTable;
  table.currentMacro = macro;
  table.macroCount = static_cast<int16_t>(GroupMacroCount(group));
  if (name.empty()) {
    warnings_.ShowWarning(u"Name cannot be empty!");
    return;
  }
  if (macro < 0 || macro >= table.macroCount) return;
  const std::u16string stored = StoredMacroName(name);
  for (int m = 0; m < table.macroCount; ++m) {
    if (MacroName(table.slots[static_cast<size_t>(m)]) == stored) {
      warnings_.ShowWarning(u"'" + name + u"'  Name already in used .");
      return;
    }
  }
  SetMacroName(table.slots[static_cast<size_t>(macro)], stored);
  SaveMacro(group, macro);
  BuildMacroNames();
}

void MacroLibrary::DeleteGroup(int row, bool ask) {
  if (library_.groupCount == 0) return;
  const GroupListRow* target = Row(row);
  if (target == nullptr) return;
  const int g = target->group;
  if (ask && warnings_.ShowQuestion(kDeleteGroupQuestion) != 1) return;

  macros_.macroTable.currentMacro = 0;
  if (const auto file = GroupFilePath(g); file && fs::FileExists(*file)) {
    fs::RemoveFile(*file);
    clock_.SleepMs(10);
    if (fs::FileExists(*file)) fs::RemoveFile(*file);
  }
  library_.groupExpanded[static_cast<size_t>(g)] = 0;
  RemoveGroupFromIndex(g);
  library_.loadedGroup = 0;
  WriteGroupIndex();

  if (library_.groupCount > 0) LoadGroup(0, true);
  BuildMacroNames();
  // The rows moved: from the button the first row is selected, else none.
  SetSelectedRow(ask && library_.groupCount > 0 ? 0 : -1);
  RebuildGroupList();
  view_.EmptyLightingList();
  view_.EmptyStepList();
  if (library_.groupCount == 0) {
    view_.EmptyGroupList();
    macros_.macroTable.macroCount = 0;
    macros_.macroTable.ClearAllSlots();
    macros_.groupLocked = 0;
  }
}

void MacroLibrary::Reset(bool quietly) {
  const stdfs::path& reset_directory = paths_.MacroResetDirectory();
  std::error_code ec;
  // Without the factory copy the groups would be deleted and nothing put in their place.
  if (!stdfs::is_directory(reset_directory, ec)) {
    warnings_.ShowWarning(kMissingIndexText);
    return;
  }
  library_.loadedGroup = 0;
  macros_.macroTable.currentMacro = 0;
  if (!quietly) SetSelectedRow(0);
  EmptyDirectory(paths_.MacroDirectory());
  CopyTree(reset_directory, paths_.MacroDirectory());
  clock_.SleepMs(100);
  ReadGroupIndex();
  if (!quietly) BuildMacroNames();
  if (library_.groupCount > 0) {
    LoadGroup(0, true);
  } else {
    macros_.macroTable.macroCount = 0;
    macros_.macroTable.ClearAllSlots();
    macros_.groupLocked = 0;
  }
  view_.EmptyStepList();
  if (!quietly) {
    library_.groupExpanded.fill(0);
    RebuildGroupList();
  }
  view_.EmptyLightingList();
}

void MacroLibrary::ResetAllGroups() {
  Reset(false);
}

void MacroLibrary::ResetAllGroupsQuietly() {
  Reset(true);
}

void MacroLibrary::Import(bool quietly) {
  if (library_.groupCount >= kMaxGroups) {
    warnings_.ShowWarning(u"More than limit!");
    return;
  }
  FileChoiceRequest request;
  request.mode = FileChoiceRequest::Mode::kOpen;
  request.filter = kMacroFileFilter;
  request.initial_directory = paths_.MacroDirectory();
  const auto chosen = chooser_.Choose(request);
  if (!chosen) return;
  const std::u16string_view error_text = quietly ? u"Error! " : u"Error!";
  const std::u16string file_name = Utf8ToUtf16(chosen->filename().string());
  const size_t dat = file_name.find(kDatExtension);
  const std::u16string name = file_name.substr(0, dat == std::u16string::npos ? 0 : dat);
  if (name.empty()) {
    warnings_.ShowWarning(std::u16string(error_text));
    return;
  }
  if (FindGroup(name) >= 0) {
    warnings_.ShowWarning(quietly ? u"Name already in used." : kNameInUseText);
    return;
  }
  // The group's file is always its name + ".dat" in the macro directory, whatever followed
  // ".dat" in the chosen name; a name that cannot be such a file, or a failed copy, fails.
  if (!IsValidNewGroupName(name) ||
      !fs::CopyFileOver(*chosen, PathOf(paths_.MacroDirectory(), name + kDatExtension))) {
    warnings_.ShowWarning(std::u16string(error_text));
    return;
  }
  library_.groupNames[static_cast<size_t>(library_.groupCount)] = name;
  ++library_.groupCount;
  WriteGroupIndex();
  if (quietly) {
    ReadGroupIndex();
  } else {
    BuildMacroNames();
  }
  library_.loadedGroup = std::max(FindGroup(name), 0);
  LoadGroup(library_.loadedGroup, true);
  macros_.macroTable.currentMacro = 0;
  view_.EmptyStepList();
  if (!quietly) {
    // The list shows the imported group selected: it is the loaded one.
    library_.groupRows = BuildGroupListRows(library_);
    for (size_t r = 0; r < library_.groupRows.size(); ++r) {
      const GroupListRow& candidate = library_.groupRows[r];
      if (candidate.isGroupRow && candidate.group == library_.loadedGroup)
        SetSelectedRow(static_cast<int>(r));
    }
    RebuildGroupList();
  }
}

void MacroLibrary::ImportGroup() {
  Import(false);
}

void MacroLibrary::ImportGroupQuietly() {
  Import(true);
}

void MacroLibrary::Export(std::u16string_view no_group_text, std::optional<int> locked) {
  if (library_.groupCount == 0) {
    warnings_.ShowWarning(std::u16string(no_group_text));
    return;
  }
  FileChoiceRequest request;
  request.mode = FileChoiceRequest::Mode::kSave;
  request.filter = kMacroFileFilter;
  request.default_extension = u"dat";
  request.initial_directory = paths_.MacroDirectory();
  request.overwrite_prompt = true;
  const auto chosen = chooser_.Choose(request);
  if (!chosen) return;
  if (locked) macros_.groupLocked = *locked;
  // A write that failed must not pass for an export.
  if (!WriteMacroFile(*chosen, macros_)) warnings_.ShowWarning(std::u16string(no_group_text));
}

void MacroLibrary::ExportGroup() {
  Export(u"Error ", 0);
}

void MacroLibrary::ExportGroupKeepingLock() {
  Export(u"Error ", std::nullopt);
}

void MacroLibrary::ExportGroupWithLock(bool english_command) {
  Export(english_command ? u" Error!" : u"Error! ", 1);
}

void MacroLibrary::NewMacro(int row) {
  if (library_.groupCount == 0) {
    NewGroup();
    row = library_.selectedRow;
  }
  const GroupListRow* target = Row(row);
  if (target == nullptr) return;
  const int g = target->group;
  EnsureLoaded(g);
  MacroTable& table = macros_.macroTable;
  table.macroCount = static_cast<int16_t>(GroupMacroCount(g));
  if (table.macroCount >= kMaxMacrosPerGroup) {
    warnings_.ShowWarning(kMacroLimitText);
    return;
  }
  std::u16string name;
  for (int n = 1; n <= kMaxMacrosPerGroup && name.empty(); ++n) {
    const std::u16string candidate = u"NEW" + ToU16(n);
    bool used = false;
    for (int m = 0; m < table.macroCount && !used; ++m)
      used = MacroName(table.slots[static_cast<size_t>(m)]) == candidate;
    if (!used) name = candidate;
  }
  view_.EmptyStepList();
  const int index = table.macroCount;
  ++table.macroCount;
  table.currentMacro = index;
  table.ClearSlot(index);
  SetMacroName(table.slots[static_cast<size_t>(index)], name);
  SaveMacro(g, index);
  BuildMacroNames();
  library_.groupExpanded[static_cast<size_t>(g)] = 1;
  RebuildGroupList();
}

void MacroLibrary::DeleteMacro(int row) {
  if (recording_.IsRecording() || library_.groupCount == 0) return;
  const GroupListRow* target = Row(row);
  if (target == nullptr || target->isGroupRow || row == 0) return;
  const int g = target->group;
  const int m = target->macro;
  EnsureLoaded(g);
  MacroTable& table = macros_.macroTable;
  table.macroCount = static_cast<int16_t>(GroupMacroCount(g));
  if (m >= table.macroCount) return;
  for (int i = m; i + 1 < table.macroCount; ++i)
    table.slots[static_cast<size_t>(i)] = table.slots[static_cast<size_t>(i) + 1];
  table.ClearSlot(table.macroCount - 1);
  table.macroCount = static_cast<int16_t>(std::max(table.macroCount - 1, 0));

  // The row above takes the selection: the group row or the macro before.
  const GroupListRow above = library_.groupRows[static_cast<size_t>(row) - 1];
  SetSelectedRow(row - 1);
  if (above.isGroupRow) {
    view_.EmptyStepList();
    table.currentMacro = 0;
    view_.SetRepeatCountField(u"1", false);
  } else {
    table.currentMacro = above.macro;
    view_.RefreshStepList();
  }
  library_.loadedGroup = above.group;
  if (const auto file = GroupFilePath(above.group)) WriteMacroFile(*file, macros_);
  BuildMacroNames();
  RebuildGroupList();
}

void MacroLibrary::DeleteSelected(int row) {
  const GroupListRow* target = Row(row);
  if (library_.groupCount == 0 || target == nullptr) return;
  if (target->isGroupRow) {
    DeleteGroup(row, true);
  } else {
    DeleteMacro(row);
  }
}

bool MacroLibrary::HandleMenuAction(int menu_kind, int item, int row) {
  if (menu_kind == kGroupPopup) {
    switch (item) {
      case kNewGroupItem:
        NewGroup();
        return true;
      case kRenameGroupItem:
        view_.StartGroupRowRename(row);
        return true;
      case kImportItem:
        ImportGroup();
        return true;
      case kExportItem:
        ExportGroup();
        return true;
      case kResetItem:
        ResetAllGroups();
        return true;
      case kDeleteGroupItem:
        DeleteGroup(row, false);
        return true;
    }
  } else if (menu_kind == kMacroPopup) {
    switch (item) {
      case kRenameMacroItem:
        view_.StartGroupRowRename(row);
        return true;
      case kDeleteMacroItem:
        DeleteMacro(row);
        return true;
    }
  }
  return false;
}

bool MacroLibrary::HandleMoreOptions(int item) {
  switch (item) {
    case kImportOption:
      ImportGroupQuietly();
      return true;
    case kExportOption:
      ExportGroupKeepingLock();
      return true;
    case kResetOption:
      ResetAllGroupsQuietly();
      return true;
  }
  return false;
}

bool MacroLibrary::HandleCommand(int command_id, int row) {
  switch (command_id) {
    case kCmdNewGroup:
      return HandleMenuAction(kGroupPopup, kNewGroupItem, row);
    case kCmdRenameGroup:
      return HandleMenuAction(kGroupPopup, kRenameGroupItem, row);
    case kCmdImportGroup:
      return HandleMenuAction(kGroupPopup, kImportItem, row);
    case kCmdExportGroup:
      return HandleMenuAction(kGroupPopup, kExportItem, row);
    case kCmdResetGroups:
      return HandleMenuAction(kGroupPopup, kResetItem, row);
    case kCmdDeleteGroup:
      return HandleMenuAction(kGroupPopup, kDeleteGroupItem, row);
    case kCmdRenameMacro:
      return HandleMenuAction(kMacroPopup, kRenameMacroItem, row);
    case kCmdDeleteMacro:
      return HandleMenuAction(kMacroPopup, kDeleteMacroItem, row);
    case kCmdNewMacro:
      NewMacro(row);
      return true;
    case kCmdExportLockedCn:
    case kCmdExportLockedEn:
      ExportGroupWithLock(command_id == kCmdExportLockedEn);
      return true;
  }
  return false;
}

std::optional<PendingMacroWrite> MacroLibrary::PrepareMacroSave(int row) const {
  const GroupListRow* target = Row(row);
  if (target == nullptr || target->isGroupRow || target->group != library_.loadedGroup ||
      target->macro >= macros_.macroTable.macroCount) {
    return std::nullopt;
  }
  const auto file = GroupFilePath(target->group);
  if (!file) return std::nullopt;
  return PrepareWriteMacro(*file, macros_, target->macro);
}

bool MacroLibrary::SaveMacroOfRow(int row) {
  const auto pending = PrepareMacroSave(row);
  return pending && pending->Write();
}

MacroRecord MacroLibrary::GroupMacro(int group, int index) const {
  if (group < 0 || group >= library_.groupCount || index < 0 || index >= kMaxMacrosPerGroup)
    return MacroRecord{};
  if (group == library_.loadedGroup) {
    return index < macros_.macroTable.macroCount
               ? macros_.macroTable.slots[static_cast<size_t>(index)]
               : MacroRecord{};
  }
  const auto file = GroupFilePath(group);
  if (!file) return MacroRecord{};
  return ReadMacroFromFile(*file, index, paths_.LanguageIsEnglish()).value_or(MacroRecord{});
}

std::vector<MacroRecord> MacroLibrary::GroupMacros(int group) const {
  if (group < 0 || group >= library_.groupCount) return {};
  if (group == library_.loadedGroup) {
    const auto& slots = macros_.macroTable.slots;
    const int count = std::clamp<int>(macros_.macroTable.macroCount, 0, kMaxMacrosPerGroup);
    return std::vector<MacroRecord>(slots.begin(), slots.begin() + count);
  }
  const auto file = GroupFilePath(group);
  if (!file) return {};
  return ReadMacrosFromFile(*file, paths_.LanguageIsEnglish());
}

bool MacroLibrary::StoreGroupMacro(int group, int index, const MacroRecord& macro) {
  const auto file = GroupFilePath(group);
  if (!file || group >= library_.groupCount || index < 0 || index >= kMaxMacrosPerGroup)
    return false;
  if (group == library_.loadedGroup) {
    if (index >= macros_.macroTable.macroCount) return false;
    macros_.macroTable.slots[static_cast<size_t>(index)] = macro;
    return WriteMacro(*file, macros_, index);
  }
  if (!fs::FileExists(*file)) return false;
  auto other = std::make_unique<MacroState>();
  ReadMacroFile(*file, *other, warnings_, paths_.LanguageIsEnglish());
  if (index >= other->macroTable.macroCount) return false;
  other->macroTable.slots[static_cast<size_t>(index)] = macro;
  return WriteMacro(*file, *other, index);
}

}  // namespace devero

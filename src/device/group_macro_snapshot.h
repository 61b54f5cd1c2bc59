#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <vector>

#include "device/group_macro_source.h"
#include "macro/macro_library.h"

namespace devero {

// The macro groups as they were when a download started, for a download that runs on another
// thread: the loaded group's macros are copied (the user may edit them meanwhile), the other
// groups are read from their files on first use. Take it on the thread that owns the library.
class GroupMacroSnapshot final : public GroupMacroSource {
 public:
  explicit GroupMacroSnapshot(const MacroLibrary& library, int language_is_english);

  int GroupCount() const override { return static_cast<int>(groups_.size()); }
  int GroupMacroCount(int group) const override;
  MacroRecord GroupMacro(int group, int index) const override;

 private:
  struct Group {
    int macro_count = 0;
    std::optional<std::filesystem::path> file;
    // Read once; the loaded group's come with the snapshot.
    mutable std::optional<std::vector<MacroRecord>> macros;
  };
  std::vector<Group> groups_;
  int language_is_english_ = 0;
};

}  // namespace devero

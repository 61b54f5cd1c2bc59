#pragma once

#include <map>
#include <vector>

#include "device/group_macro_source.h"
#include "macro/macro_library.h"

namespace devero {

// The macro library's groups for one download: each group's macros are read once, however many
// buttons and passes ask for them.
class LibraryGroupMacros final : public GroupMacroSource {
 public:
  explicit LibraryGroupMacros(const MacroLibrary& library) : library_(library) {}

  int GroupCount() const override { return library_.GroupCount(); }
  int GroupMacroCount(int group) const override { return library_.GroupMacroCount(group); }
  MacroRecord GroupMacro(int group, int index) const override {
    auto it = cache_.find(group);
    if (it == cache_.end()) it = cache_.emplace(group, library_.GroupMacros(group)).first;
    const std::vector<MacroRecord>& macros = it->second;
    return index >= 0 && index < static_cast<int>(macros.size()) ? macros[index] : MacroRecord{};
  }

 private:
  const MacroLibrary& library_;
  mutable std::map<int, std::vector<MacroRecord>> cache_;
};

}  // namespace devero

#pragma once

#include <map>
#include <utility>

#include "device/group_macro_source.h"
#include "macro/macro_library.h"

namespace devero {

// The macro library's groups for one download: every macro is looked up once (a group file is
// read at most once per macro), however many buttons and passes ask for it.
class LibraryGroupMacros final : public GroupMacroSource {
 public:
  explicit LibraryGroupMacros(const MacroLibrary& library) : library_(library) {}

  int GroupCount() const override { return library_.GroupCount(); }
  int GroupMacroCount(int group) const override { return library_.GroupMacroCount(group); }
  MacroRecord GroupMacro(int group, int index) const override {
    const auto key = std::make_pair(group, index);
    auto it = cache_.find(key);
    if (it == cache_.end()) it = cache_.emplace(key, library_.GroupMacro(group, index)).first;
    return it->second;
  }

 private:
  const MacroLibrary& library_;
  mutable std::map<std::pair<int, int>, MacroRecord> cache_;
};

}  // namespace devero

#include "device/group_macro_snapshot.h"

#include "macro/macro_file.h"

namespace devero {

GroupMacroSnapshot::GroupMacroSnapshot(const MacroLibrary& library, int language_is_english)
    : language_is_english_(language_is_english) {
  const int count = library.GroupCount();
  groups_.resize(static_cast<size_t>(std::max(count, 0)));
  for (int g = 0; g < count; ++g) {
    Group& group = groups_[static_cast<size_t>(g)];
    group.macro_count = library.GroupMacroCount(g);
    if (g == library.library().loadedGroup) {
      group.macros = library.GroupMacros(g);
    } else {
      group.file = library.GroupFilePath(g);
    }
  }
}

int GroupMacroSnapshot::GroupMacroCount(int group) const {
  if (group < 0 || group >= GroupCount()) return 0;
  return groups_[static_cast<size_t>(group)].macro_count;
}

MacroRecord GroupMacroSnapshot::GroupMacro(int group, int index) const {
  if (group < 0 || group >= GroupCount()) return MacroRecord{};
  const Group& g = groups_[static_cast<size_t>(group)];
  if (!g.macros) {
    g.macros =
        g.file ? ReadMacrosFromFile(*g.file, language_is_english_) : std::vector<MacroRecord>{};
  }
  return index >= 0 && index < static_cast<int>(g.macros->size())
             ? (*g.macros)[static_cast<size_t>(index)]
             : MacroRecord{};
}

}  // namespace devero

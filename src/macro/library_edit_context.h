#pragma once

#include "app/runtime_paths.h"
#include "macro/macro_edit_context.h"
#include "macro/macro_library.h"
#include "macro/macro_state.h"

namespace devero {

// The recorder's and the editor's view of the macro library: the selected group-list row, and
// saving a macro into the loaded group's file.
class LibraryEditContext final : public MacroEditContext {
 public:
  LibraryEditContext(MacroLibrary& library, const MacroState& macros, const RuntimePaths& paths)
      : library_(library), macros_(macros), paths_(paths) {}

  std::optional<int> SelectedMacro() const override;
  std::u16string SelectedRowText() const override;
  // A group whose name makes no file name has no file to write to; nothing is written then.
  void SaveMacro(int index) override;
  void RebuildGroupList() override { library_.RebuildGroupList(); }
  int LanguageIsEnglish() const override { return paths_.LanguageIsEnglish(); }

 private:
  const GroupListRow* SelectedRow() const;

  MacroLibrary& library_;
  const MacroState& macros_;
  const RuntimePaths& paths_;
};

}  // namespace devero

#pragma once

#include <optional>
#include <string>

namespace devero {

// What the recorder and the editor need from the macro library and the group list.
class MacroEditContext {
 public:
  virtual ~MacroEditContext() = default;
  // The macro index of the selected group-list row; nothing for a group row or no selection.
  virtual std::optional<int> SelectedMacro() const = 0;
  virtual std::u16string SelectedRowText() const = 0;
  // Writes slot `index` of the macro table into the loaded group's file.
  virtual void SaveMacro(int index) = 0;
  virtual void RebuildGroupList() = 0;
  virtual int LanguageIsEnglish() const = 0;
};

}  // namespace devero

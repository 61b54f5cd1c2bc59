#include "macro/library_edit_context.h"

#include "macro/macro_file.h"

namespace devero {

const GroupListRow* LibraryEditContext::SelectedRow() const {
  const MacroLibraryState& state = library_.library();
  const int row = state.selectedRow;
  if (row < 0 || row >= static_cast<int>(state.groupRows.size())) return nullptr;
  return &state.groupRows[static_cast<size_t>(row)];
}

std::optional<int> LibraryEditContext::SelectedMacro() const {
  const GroupListRow* row = SelectedRow();
  if (row == nullptr || row->isGroupRow) return std::nullopt;
  return row->macro;
}

std::u16string LibraryEditContext::SelectedRowText() const {
  const GroupListRow* row = SelectedRow();
  return row == nullptr ? std::u16string() : row->text;
}

void LibraryEditContext::SaveMacro(int index) {
  const auto file = library_.GroupFilePath(library_.library().loadedGroup);
  if (file) WriteMacro(*file, macros_, index);
}

}  // namespace devero

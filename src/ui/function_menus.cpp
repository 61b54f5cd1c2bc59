#include "ui/function_menus.h"

#include <utility>

#include "ui/function_assignment.h"

namespace devero::ui {

FunctionMenus::FunctionMenus(MenuContext context) : context_(std::move(context)) {}

FunctionMenus::~FunctionMenus() {
  // The windows hold a reference to this object: none may outlive it, not even one whose
  // deferred deletion is still queued.
  CloseAll();
  for (QPointer<QWidget>& window : closing_)
    delete window.data();
}

CMenuDlg* FunctionMenus::Open(int kind, QPoint screen_position, QWidget* parent) {
  CloseAll();
  context_.library.BuildMacroNames();
  first_ = new CMenuDlg(*this, kind, parent);
  Place(first_, screen_position);
  return first_;
}

int FunctionMenus::OpenKind() const {
  return first_ ? first_->kind() : -1;
}

MenuTextSource FunctionMenus::TextSource() const {
  return {context_.skin.functionNames,
          context_.languageIsEnglish ? context_.languageIsEnglish() : 1, context_.library.library(),
          context_.macros.rapidFireTable};
}

template <typename Menu>
void FunctionMenus::Close(QPointer<Menu>& menu) {
  if (!menu) return;
  menu->hide();
  menu->deleteLater();
  closing_.emplace_back(menu.data());
  menu = nullptr;
}

void FunctionMenus::CloseAll() {
  CloseSubmenu();
  Close(first_);
  std::erase_if(closing_, [](const QPointer<QWidget>& w) { return w.isNull(); });
}

void FunctionMenus::CloseSubmenu() {
  CloseMacroList();
  Close(second_);
}

void FunctionMenus::CloseMacroList() {
  Close(third_);
}

void FunctionMenus::Place(SkinnedMenu* menu, QPoint screen_position) {
  menu->move(screen_position);
  // A menu without rows (kind 10, an empty item list, a missing mask) stays hidden.
  if (menu->width() > 0 && menu->height() > 0 && menu->rowCount() > 0) menu->show();
}

void FunctionMenus::OpenSubmenu(Submenu list, QPoint screen_position, QWidget* parent) {
  CloseSubmenu();
  second_ = new CSubMenuDlg(*this, list, parent);
  Place(second_, screen_position);
}

void FunctionMenus::OpenMacroList(int group_row, QPoint screen_position, QWidget* parent) {
  CloseMacroList();
  third_ = new MacSelMenuDlg(*this, group_row, parent);
  Place(third_, screen_position);
}

void FunctionMenus::Assign(int32_t function, bool media) {
  if (AssignFunction(context_.settings, context_.product, selected_button_, function, media)) {
    context_.host.RepaintMainWindow();
  }
}

void FunctionMenus::EndLowerLevelChoice() {
  context_.host.SetCloseMenuFlag();
  CloseAll();
}

}  // namespace devero::ui

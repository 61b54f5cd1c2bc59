#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "ui/menu_dialogs.h"
#include "ui/menu_host.h"
#include "ui/menu_rows.h"

namespace devero::ui {

// The open menus and the menu state they share: at most one menu per level, the button whose
// function the function menu sets, the current rapid-fire item. The levels find each other
// here. Menus are top-level tool-tip windows: they never take the pointer or the focus, so the
// owner closes them itself (the main window on any button-down).
class FunctionMenus {
 public:
  explicit FunctionMenus(MenuContext context);
  ~FunctionMenus();
  FunctionMenus(const FunctionMenus&) = delete;
  FunctionMenus& operator=(const FunctionMenus&) = delete;

  // Closes what is open, re-reads every group's macro names, then opens a first-level menu of
  // `kind` with its top-left corner at `screen_position`, as a window of `parent`. A kind
  // without a look (10) or without rows opens without being shown.
  CMenuDlg* Open(int kind, QPoint screen_position, QWidget* parent);
  // Destroys every level. The windows go at the next turn of the event loop, so a menu may
  // call this from its own handler.
  void CloseAll();
  bool IsOpen() const { return !first_.isNull(); }
  // The open first level's kind, -1 when none is open.
  int OpenKind() const;

  // The main-table entry (20 + button index) whose function menu is open.
  int selectedButton() const { return selected_button_; }
  void setSelectedButton(int entry) { selected_button_ = entry; }
  // The rapid-fire dialog's current item, which the item list changes.
  int rapidFireItem() const { return rapid_fire_item_; }
  void setRapidFireItem(int item) { rapid_fire_item_ = item; }

  CMenuDlg* firstLevel() const { return first_.data(); }
  CSubMenuDlg* secondLevel() const { return second_.data(); }
  MacSelMenuDlg* thirdLevel() const { return third_.data(); }

  const MenuContext& context() const { return context_; }
  MenuTextSource TextSource() const;

  // For the levels: open a lower level below the one given (closing what was open there), or
  // close the lower levels.
  void OpenSubmenu(Submenu list, QPoint screen_position, QWidget* parent);
  void CloseSubmenu();
  void OpenMacroList(int group_row, QPoint screen_position, QWidget* parent);
  void CloseMacroList();

  // Writes a chosen function into the selected button, then repaints the main window.
  void Assign(int32_t function, bool media);
  // What every choice of a lower level ends with: the main window closes the first level at its
  // next paint, and the menus close now.
  void EndLowerLevelChoice();

 private:
  template <typename Menu>
  void Close(QPointer<Menu>& menu);
  static void Place(SkinnedMenu* menu, QPoint screen_position);

  MenuContext context_;
  QPointer<CMenuDlg> first_;
  QPointer<CSubMenuDlg> second_;
  QPointer<MacSelMenuDlg> third_;
  // Closed windows whose deletion is still queued.
  std::vector<QPointer<QWidget>> closing_;
  int selected_button_ = -1;
  int rapid_fire_item_ = 0;
};

}  // namespace devero::ui

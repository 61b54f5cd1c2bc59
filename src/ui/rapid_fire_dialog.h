#pragma once

#include <QDialog>
#include <QFont>
#include <QLineEdit>
#include <array>
#include <memory>

#include "macro/macro_record.h"
#include "ui/function_menus.h"
#include "ui/menu_host.h"
#include "ui/skin_tables.h"

namespace devero::ui {

// The rapid-fire items: look through them (the item list is a menu of kind 9) and set how each
// repeats, its count, its cursor distance and its delay. Changes stay in memory; they reach the
// mouse with the next settings download.
class CDialogGun : public QDialog {
 public:
  static constexpr int kEntries = 14;
  static constexpr int kNoHover = 255;
  // Used when the mask is missing, so that the dialog can still be seen and closed.
  static constexpr QSize kFallbackSize{460, 344};
  // Entries with a role.
  enum Entry {
    kClose = 0,
    kCancel = 1,
    kSave = 2,
    kCloseToo = 3,
    kPicture = 4,
    kItemName = 5,
    kItemList = 6,
    kRepeatCount = 8,
    kRepeatWhileHeld = 9,
  };
  static inline const QColor kItemNameColour{7, 188, 255};

  CDialogGun(const MenuContext& context, QWidget* parent);
  ~CDialogGun() override;

  // Runs the dialog modally. The result is always 0; without its skin file the dialog ends at
  // once (exec() too: it ends as soon as it is shown).
  int Run();
  bool skinMissing() const { return skin_missing_; }

  int hover() const { return hover_; }
  bool pressed() const { return pressed_; }
  int currentItem() const { return item_menus_.rapidFireItem(); }
  const std::array<SkinEntry, kEntries>& entries() const { return entries_; }
  QLineEdit* countEdit() const { return count_; }
  QLineEdit* distanceEdit() const { return distance_; }
  QLineEdit* delayEdit() const { return delay_; }
  FunctionMenus& itemMenus() { return item_menus_; }

  // The dialog without its edits, as it paints.
  void Render(QPainter& p);
  // A button-down on entry `entry`.
  void ClickEntry(int entry);
  // The item list made another item current; `previous` was current before.
  void OnRapidFireItemChanged(int previous);

  void done(int result) override;

 protected:
  void paintEvent(QPaintEvent*) override;
  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  class ItemMenuHost;

  MacroRecord* CurrentItem();
  void ShowItem();
  void Save();
  void SetHover(int hover);
  // The count edit is used only when the item repeats a count of times.
  void SyncCountEditWithMode();
  QLineEdit* MakeEdit(const SkinRect& rect, int max_length);

  RapidFireTable& table_;
  SkinImages& images_;
  std::function<QFont()> font_;
  std::unique_ptr<ItemMenuHost> item_host_;
  FunctionMenus item_menus_;
  std::array<SkinEntry, kEntries> entries_{};
  bool skin_missing_ = false;
  int hover_ = kNoHover;
  bool pressed_ = false;
  QLineEdit* count_ = nullptr;
  QLineEdit* distance_ = nullptr;
  QLineEdit* delay_ = nullptr;
};

}  // namespace devero::ui

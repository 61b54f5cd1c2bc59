#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

#include "ui/menu_rows.h"

namespace devero::ui {

class FunctionMenus;

// What the three menu levels share: a picture per state, rows of equal height over the full
// width, white centred texts, the hovered row drawn from the over picture (the down picture
// while the button is held). The windows never grab the pointer, so moves and clicks outside a
// menu's rectangle are not its own.
class SkinnedMenu : public QWidget {
 public:
  int hover() const { return hover_; }
  bool pressed() const { return pressed_; }
  const MenuGeometry& menuGeometry() const { return geometry_value_; }
  int rowCount() const { return geometry_value_.rows; }
  int rowHeight() const { return geometry_value_.rowHeight; }
  const std::vector<QString>& texts() const { return texts_; }
  // The rectangle of row `row` (1-based) in the menu.
  QRect RowRect(int row) const;

  // The menu as it paints, for tests and screenshots.
  void Render(QPainter& p);
  // What a button-up on row `row` does.
  virtual void Choose(int row) = 0;

 protected:
  SkinnedMenu(FunctionMenus& menus, QWidget* parent, const QString& title, MenuPictures pictures,
              MenuGeometry geometry, const std::vector<std::u16string>& texts, int hover_at_open,
              bool keep_hover_off_rows, bool has_pressed_look);

  // A change of the hovered row, after the repaint was asked for.
  virtual void HoverChanged() {}
  virtual void DrawRows(QPainter& p);
  // The row under the point, or kMenuNoRow.
  virtual int RowAt(QPoint pos) const;

  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

  FunctionMenus& menus_;

 private:
  void SetHover(int row);

  MenuPictures pictures_;
  MenuGeometry geometry_value_;
  std::vector<QString> texts_;
  int hover_;
  bool keep_hover_off_rows_;
  bool has_pressed_look_;
  bool pressed_ = false;
};

// The first level: one of the menu kinds.
class CMenuDlg : public SkinnedMenu {
 public:
  CMenuDlg(FunctionMenus& menus, int kind, QWidget* parent);

  int kind() const { return kind_; }
  void Choose(int row) override;

 protected:
  void HoverChanged() override;
  void DrawRows(QPainter& p) override;
  int RowAt(QPoint pos) const override;

 private:
  int kind_;
  std::vector<QColor> colours_;
};

// The second level, cascading to the right of a first-level row.
class CSubMenuDlg : public SkinnedMenu {
 public:
  CSubMenuDlg(FunctionMenus& menus, Submenu list, QWidget* parent);

  Submenu list() const { return list_; }
  int topic() const { return SubmenuTopic(list_); }
  void Choose(int row) override;

 protected:
  void HoverChanged() override;

 private:
  Submenu list_;
};

// The third level: the macros of one group.
class MacSelMenuDlg : public SkinnedMenu {
 public:
  MacSelMenuDlg(FunctionMenus& menus, int group_row, QWidget* parent);

  int groupRow() const { return group_row_; }
  void Choose(int row) override;

 private:
  int group_row_;
};

}  // namespace devero::ui

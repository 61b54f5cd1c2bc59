#pragma once

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

#include "macro/in_place_edit.h"
#include "macro/macro_edit_view.h"

namespace devero::ui {

// The in-place edit box over a row: Enter and focus loss keep the edit, Escape drops it.
class CEditHelper : public QLineEdit {
 public:
  CEditHelper(QWidget* parent, std::function<void(bool keep)> on_end);
  // After this the box reports no end (it is being taken away).
  void DetachEnd() { on_end_ = nullptr; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  std::function<void(bool keep)> on_end_;
};

// The owner-drawn list of the macro page (group, step and lighting list): fixed-height rows of
// white text on black with a 16 x 16 icon each, and an in-place edit of one row at a time.
class CListBoxXI : public QListWidget, public MacroListView {
 public:
  // Which list: the indents of the rows depend on it.
  enum class Kind { kGroup, kStep, kLighting };
  static constexpr int kIconSize = 16;
  static constexpr QRgb kSelectedColour = qRgb(93, 93, 93);
  // Ctrl+A gives it; sending it to the list edits the selected row.
  static constexpr int kStartEditChar = 1;

  CListBoxXI(Kind kind, std::vector<QImage> icons, QWidget* parent);
  ~CListBoxXI() override;

  Kind kind() const { return kind_; }
  int RowHeight() const { return row_height_; }
  int IconCount() const { return static_cast<int>(icons_.size()); }
  const QImage& Icon(int index) const;

  // MacroListView. None of these calls reports a selection change.
  void Clear() override;
  void AddRow(const std::u16string& text, int icon) override;
  int RowCount() const override { return count(); }
  std::u16string RowText(int row) const override;
  int SelectedRow() const override { return currentRow(); }
  void SelectRow(int row) override;
  void StartEdit(int row) override;

  void InsertRow(int row, const std::u16string& text, int icon);
  void DeleteRow(int row);
  // -1 for a row without an icon or a row that does not exist.
  int RowIcon(int row) const;

  // A character typed into the list; code 1 starts editing the selected row.
  void OnChar(int code);
  // Ends the in-place edit (keep: Enter, focus loss, a scroll, a right-button release, a click
  // elsewhere on the page; drop: Escape). Nothing happens when no edit runs.
  void EndEdit(bool keep);
  bool Editing() const { return editor_ != nullptr; }
  QLineEdit* editor() const { return editor_; }

  // The row under a point of the list (its own coordinates), counted from the top row shown;
  // it may name a row that does not exist.
  int RowAt(int y) const;

  // The pixel font and metrics change the row height.
  void SetRowFont(const QFont& font);

  // The user's actions. The row is -1 when none.
  std::function<void(int row)> on_selection_changed;
  std::function<void(int row)> on_double_click;
  std::function<void(int row, QPoint global)> on_right_release;
  // An in-place edit changed the row's text (the row now holds it).
  std::function<void(int row)> on_row_changed;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  class Delegate;
  friend class Delegate;

  void UpdateRowHeight();

  Kind kind_;
  std::vector<QImage> icons_;
  int row_height_ = kIconSize + 4;
  InPlaceEdit edit_;
  CEditHelper* editor_ = nullptr;
  // Set while the program itself changes the rows or the selection.
  int quiet_ = 0;
  // Set while a click changes the selection: the click reports it once, afterwards.
  bool in_mouse_press_ = false;
};

// The icons of the list rows in the skin directory: icons/<resource id>.png; a missing file
// gives a null image, which draws nothing and takes no room.
std::vector<QImage> LoadListIcons(const std::filesystem::path& skin_directory,
                                  std::span<const int> resource_ids);

inline constexpr int kGroupListIcons[] = {169, 170, 171};
inline constexpr int kStepListIcons[] = {172, 173, 174, 175, 178, 182};
inline constexpr int kLightingListIcons[] = {178};

}  // namespace devero::ui

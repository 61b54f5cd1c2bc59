#pragma once

#include <QDialog>
#include <QFont>
#include <QRegion>
#include <array>

#include "ui/skin_images.h"
#include "ui/skin_tables.h"

namespace devero::ui {

// The program's message box: the warning text with one button (plain form) or with "OK" and
// "CANCEL" (question form), drawn from the warning pictures and shaped by their mask.
class WarningDlg : public QDialog {
 public:
  enum Form { kPlain = 1, kQuestion = 2 };
  static constexpr int kNoHover = 255;
  static constexpr int kHoverAtOpen = 3;
  // Used when the mask is missing, so that the dialog can still be seen and answered.
  static constexpr QSize kFallbackSize{362, 130};
  // Where a long text wraps: clear of the warning sign in the top left corner.
  static constexpr int kTextMargin = 34;
  static constexpr int kTextTop = 4;

  WarningDlg(SkinImages& images, const std::array<SkinEntry, kWarningEntries>& table, QString text,
             Form form, QPoint anchor, QFont font, QWidget* parent);

  int hover() const { return hover_; }
  const std::array<SkinEntry, kWarningEntries>& entries() const { return entries_; }
  // The whole dialog as it paints, for tests and screenshots.
  void Render(QPainter& p);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SetHover(int hover);

  SkinImages& images_;
  std::array<SkinEntry, kWarningEntries> entries_;
  QString text_;
  Form form_;
  QFont font_;
  int hover_ = kHoverAtOpen;
};

}  // namespace devero::ui

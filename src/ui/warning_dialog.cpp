#include "ui/warning_dialog.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QFontMetrics>
#include <QPainter>

#include "ui/hit_test.h"
#include "ui/mask_region.h"
#include "ui/skin_painter.h"

namespace devero::ui {

WarningDlg::WarningDlg(SkinImages& images, const std::array<SkinEntry, kWarningEntries>& table,
                       QString text, Form form, QPoint anchor, QFont font, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      images_(images),
      entries_(table),
      text_(std::move(text)),
      form_(form),
      font_(std::move(font)) {
  setWindowTitle(QStringLiteral("WarningDlg"));
  setModal(true);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  const QImage& mask = images_.Get("\\warning_mask.jpg");
  if (mask.isNull()) {
    setFixedSize(kFallbackSize);
  } else {
    setFixedSize(mask.size());
    setMask(RegionFromMask(mask));
  }
  move(anchor);
  if (form_ == kQuestion) {
    entries_[0] = {82, 88, 64, 24, entries_[0].label};
    entries_[1] = {216, 88, 64, 24, entries_[1].label};
  } else {
    entries_[0] = {148, 88, 64, 24, entries_[0].label};
    entries_[1] = {148, 88, 64, 24, entries_[1].label};
  }
  entries_[2] = {80, 18, 196, 38, entries_[2].label};
}

void WarningDlg::Render(QPainter& p) {
  const bool question = form_ == kQuestion;
  const QImage& normal = images_.Get(question ? "\\warning2_normal.jpg" : "\\warning_normal.jpg");
  const QImage& over = images_.Get(question ? "\\warning2_over.jpg" : "\\warning_over.jpg");
  if (normal.isNull()) {
    p.fillRect(rect(), QColor(30, 34, 41));
  } else {
    p.drawImage(0, 0, normal);
  }
  if (hover_ == 1) CopyControl(p, over, entries_[0]);
  if (hover_ == 2) CopyControl(p, over, entries_[1]);
  auto draw = [&](const SkinEntry& e, const QString& text) {
    DrawCentredLabel(p, font_, kLabelWhite, e.x, e.y, e.width, e.height, text);
  };
  if (question) {
    draw(entries_[0], QStringLiteral("OK"));
    draw(entries_[1], QStringLiteral("CANCEL"));
  } else {
    draw(entries_[0], QString::fromStdU16String(entries_[0].label));
    draw(entries_[1], QString::fromStdU16String(entries_[1].label));
  }
  const SkinEntry& e = entries_[2];
  if (!text_.contains(u'\n') && QFontMetrics(font_).horizontalAdvance(text_) <= e.width) {
    draw(e, text_);
    return;
  }
  // A text wider than its place (a long path, a line break) wraps over the dialog's width
  // above the buttons instead of running off the dialog.
  const QRect area(kTextMargin, kTextTop, width() - 2 * kTextMargin,
                   std::max(entries_[0].y, e.y + e.height) - kTextTop - 6);
  p.setFont(font_);
  p.setPen(kLabelWhite);
  p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text_);
}

void WarningDlg::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Render(p);
}

void WarningDlg::SetHover(int hover) {
  if (hover == hover_) return;
  hover_ = hover;
  update();
}

void WarningDlg::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (EntryContains(entries_[0], pos.x(), pos.y())) {
    SetHover(1);
  } else if (EntryContains(entries_[1], pos.x(), pos.y())) {
    SetHover(2);
  } else {
    SetHover(kNoHover);
  }
}

void WarningDlg::mouseReleaseEvent(QMouseEvent* event) {
  mouseMoveEvent(event);
  if (hover_ == 1 || hover_ == 2) done(hover_);
}

void WarningDlg::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      done(1);
      return;
    case Qt::Key_Escape:
      done(2);
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

}  // namespace devero::ui

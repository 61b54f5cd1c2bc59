#include "app/main_window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <chrono>
#include <cstdio>

#include "ui/label_font.h"
#include "ui/mask_region.h"

namespace devero {

void ReportTiming(const char* what) {
  // For the start-up and responsiveness benchmarks: when the window paints, when downloads run.
  static const bool report = qEnvironmentVariableIsSet("DEVERO_REPORT_TIMING");
  if (!report) return;
  const auto ms = std::chrono::duration_cast<std::chrono::microseconds>(
                      std::chrono::steady_clock::now().time_since_epoch())
                      .count();
  std::fprintf(stderr, "devero: %s %.3f\n", what, static_cast<double>(ms) / 1000.0);
  std::fflush(stderr);
}

CQEL_DEveroDlg::CQEL_DEveroDlg(const ui::MainWindowSkin& skin, ui::SkinImages& images,
                               const ProfileSettings& settings, const ProductDescription& product,
                               const MacroLibraryState& library, const MacroPageState& macro_page,
                               WindowContext& context)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      skin_(skin),
      images_(images),
      settings_(settings),
      product_(product),
      library_(library),
      macro_page_(macro_page),
      clicks_(context) {
  setMouseTracking(true);
  // Every paint covers the window: nothing to erase first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  resize(kFallbackSize);
}

void CQEL_DEveroDlg::ShapeFromMask() {
  const QImage& mask = images_.Get("\\main_mask.jpg");
  if (mask.isNull()) {
    // Without a mask the window keeps a plain rectangle, so it can still be used.
    window_region_ = QRegion(QRect(QPoint(), kFallbackSize));
    setFixedSize(kFallbackSize);
  } else {
    window_region_ = ui::RegionFromMask(mask);
    setFixedSize(mask.size());
    setMask(window_region_);
  }
  other_pages_region_ = window_region_;
  for (const ui::SkinRect& r : skin_.mainEdit)
    other_pages_region_ = ui::ToggleRect(other_pages_region_, r);
  macro_page_region_ = window_region_;
  for (const ui::SkinRect& r : skin_.macroEdit)
    macro_page_region_ = ui::ToggleRect(macro_page_region_, r);
  for (const ui::SkinRect& r : skin_.macroDisplay)
    macro_page_region_ = ui::ToggleRect(macro_page_region_, r);
}

QFont CQEL_DEveroDlg::LabelFont() const {
  return ui::LabelFont(logicalDpiX());
}

void CQEL_DEveroDlg::InvalidatePage() {
  update(view_.page == ui::kMacroPage ? macro_page_region_ : other_pages_region_);
}

void CQEL_DEveroDlg::RepaintPageNow() {
  repaint(view_.page == ui::kMacroPage ? macro_page_region_ : other_pages_region_);
}

void CQEL_DEveroDlg::SetPage(int page) {
  if (page < ui::kMainPage || page > ui::kLightingPage) return;
  view_.page = static_cast<uint8_t>(page);
  update();
}

QImage CQEL_DEveroDlg::Render() {
  QImage image(size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  Paint(p);
  return image;
}

void CQEL_DEveroDlg::Paint(QPainter& p) {
  const std::optional<int> repeat = macro_page_.SelectedMacroRepeatMode();
  view_.recording = macro_page_.Recording();
  view_.groupLocked = macro_page_.GroupLocked();
  view_.macroSelected = repeat.has_value();
  view_.selectedRepeatMode = repeat.value_or(0);
  const QFont font = LabelFont();
  const ui::MainPaintInput input{skin_, settings_, product_, library_, view_, font};
  ui::PaintMainWindow(p, images_, input);
}

void CQEL_DEveroDlg::paintEvent(QPaintEvent*) {
  if (close_menu_flag_) {
    close_menu_flag_ = false;
    if (view_.page == ui::kMainPage && before_paint_) before_paint_();
  }
  QPainter p(this);
  Paint(p);
  ReportTiming("paint");
}

void CQEL_DEveroDlg::StartMove() {
  move_pending_ = true;
  moving_by_hand_ = false;
  move_press_global_ = last_press_global_;
  move_window_start_ = pos();
}

void CQEL_DEveroDlg::ContinueMove(QPoint global) {
  if (moving_by_hand_) {
    move(move_window_start_ + (global - move_press_global_));
    return;
  }
  if ((global - move_press_global_).manhattanLength() < QApplication::startDragDistance()) return;
  move_pending_ = false;
  // The window manager moves the window; without one, follow the pointer here.
  if (windowHandle() == nullptr || !windowHandle()->startSystemMove()) {
    moving_by_hand_ = true;
    move(move_window_start_ + (global - move_press_global_));
  }
}

void CQEL_DEveroDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  last_press_global_ = event->globalPosition().toPoint();
  const QPoint pos = event->position().toPoint();
  clicks_.OnButtonDown(pos.x(), pos.y());
}

void CQEL_DEveroDlg::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  move_pending_ = false;
  moving_by_hand_ = false;
  const QPoint pos = event->position().toPoint();
  clicks_.OnButtonUp(pos.x(), pos.y());
}

void CQEL_DEveroDlg::mouseMoveEvent(QMouseEvent* event) {
  if ((move_pending_ || moving_by_hand_) && (event->buttons() & Qt::LeftButton)) {
    ContinueMove(event->globalPosition().toPoint());
    return;
  }
  const QPoint pos = event->position().toPoint();
  clicks_.OnPointerMove(pos.x(), pos.y());
}

void CQEL_DEveroDlg::leaveEvent(QEvent*) {
  clicks_.OnPointerLeave(QApplication::mouseButtons() & Qt::LeftButton);
}

}  // namespace devero

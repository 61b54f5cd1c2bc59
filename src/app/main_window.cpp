#include "app/main_window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "ui/label_font.h"
#include "ui/mask_region.h"

namespace devero {

using ui::kNoEntry;

CQEL_DEveroDlg::CQEL_DEveroDlg(const ui::MainWindowSkin& skin, ui::SkinImages& images,
                               const ProfileSettings& settings, const ProductDescription& product,
                               const MacroLibraryState& library, MainWindowActions& actions)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      skin_(skin),
      images_(images),
      settings_(settings),
      product_(product),
      library_(library),
      actions_(actions) {
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

void CQEL_DEveroDlg::SetLanguage(int language_is_english) {
  view_.languageIsEnglish = language_is_english;
  update();
}

QFont CQEL_DEveroDlg::LabelFont() const {
  return ui::LabelFont(logicalDpiX());
}

void CQEL_DEveroDlg::InvalidatePage() {
  if (view_.page == ui::kMacroPage) {
    update(macro_page_region_);
  } else {
    update(other_pages_region_);
  }
}

void CQEL_DEveroDlg::ShowPage(int page) {
  if (page < ui::kMainPage || page > ui::kLightingPage) return;
  view_.page = static_cast<uint8_t>(page);
  update();
  actions_.PageShown(page);
}

bool CQEL_DEveroDlg::UpdateHover(QPoint pos) {
  const int main_count = view_.page == ui::kMainPage ? ui::kMainEntries : ui::kHeaderEntries;
  const int hits[4] = {
      ui::HitTest(skin_.main, main_count, pos.x(), pos.y()),
      ui::HitTest(skin_.lighting, 70, pos.x(), pos.y()),
      ui::HitTest(skin_.advanced, ui::kAdvancedEntries, pos.x(), pos.y()),
      ui::HitTest(skin_.macro, ui::kMacroEntries, pos.x(), pos.y()),
  };
  int* indexes[4] = {&view_.hoverMain, &view_.hoverLighting, &view_.hoverAdvanced,
                     &view_.hoverMacro};
  bool changed = false;
  bool repaint_now = false;
  for (int t = 0; t < 4; ++t) {
    if (*indexes[t] == hits[t]) continue;
    *indexes[t] = hits[t];
    changed = true;
    // The macro table's changes wait for the next paint: its page holds child windows.
    if (t != 3) repaint_now = true;
  }
  if (changed) {
    InvalidatePage();
    if (repaint_now)
      repaint(view_.page == ui::kMacroPage ? macro_page_region_ : other_pages_region_);
  }
  return changed;
}

QImage CQEL_DEveroDlg::Render() {
  QImage image(size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  Paint(p);
  return image;
}

void CQEL_DEveroDlg::Paint(QPainter& p) {
  const std::optional<int> repeat = actions_.SelectedMacroRepeatMode();
  view_.recording = actions_.Recording();
  view_.groupLocked = actions_.GroupLocked();
  view_.macroSelected = repeat.has_value();
  view_.selectedRepeatMode = repeat.value_or(0);
  const QFont font = LabelFont();
  const ui::MainPaintInput input{skin_, settings_, product_, library_, view_, font};
  ui::PaintMainWindow(p, images_, input);
}

void CQEL_DEveroDlg::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Paint(p);
}

bool CQEL_DEveroDlg::RecordingBlocks() const {
  if (!actions_.Recording()) return false;
  if (view_.hoverMacro == 4 && view_.page == ui::kMacroPage) return false;
  if (view_.hoverMain == 0 || view_.hoverMain == 1) return false;
  return !(view_.hoverMain == kNoEntry && view_.hoverMacro == kNoEntry);
}

bool CQEL_DEveroDlg::NothingUnderPointer() const {
  if (view_.hoverMain != kNoEntry) return false;
  switch (view_.page) {
    case ui::kAdvancedPage:
      return view_.hoverAdvanced == kNoEntry;
    case ui::kMacroPage:
      return view_.hoverMacro == kNoEntry;
    case ui::kLightingPage:
      return view_.hoverLighting == kNoEntry;
    default:
      return true;
  }
}

void CQEL_DEveroDlg::HandleTabs() {
  const int h = view_.hoverMain;
  if (h >= 6 && h <= 9 && h - 6 != view_.page) ShowPage(h - 6);
}

void CQEL_DEveroDlg::OnButtonDown(QPoint pos, QPoint global) {
  UpdateHover(pos);
  if (RecordingBlocks()) {
    actions_.ShowRecordingWarning();
    return;
  }
  if (!(view_.hoverMain == kNoEntry && view_.hoverAdvanced == kNoEntry &&
        view_.hoverMacro == kNoEntry && view_.hoverLighting == kNoEntry)) {
    view_.pressed = true;
    InvalidatePage();
  }
  HandleTabs();
  if (NothingUnderPointer()) StartMove(global);
  InvalidatePage();
}

void CQEL_DEveroDlg::OnButtonUp(QPoint pos) {
  UpdateHover(pos);
  if (RecordingBlocks()) {
    actions_.ShowRecordingWarning();
    return;
  }
  view_.pressed = false;
  switch (view_.hoverMain) {
    case 0:
      view_.hoverMain = kNoEntry;
      showMinimized();
      break;
    case 1:
      view_.hoverMain = kNoEntry;
      actions_.CloseProgram();
      return;
    case 2:
      view_.hoverMain = kNoEntry;
      actions_.HideToTray();
      break;
    case 4:
      actions_.SwitchLanguage(0);
      break;
    case 5:
      actions_.SwitchLanguage(1);
      break;
    default:
      break;
  }
  InvalidatePage();
}

void CQEL_DEveroDlg::StartMove(QPoint global) {
  move_pending_ = true;
  moving_by_hand_ = false;
  move_press_global_ = global;
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
  OnButtonDown(event->position().toPoint(), event->globalPosition().toPoint());
}

void CQEL_DEveroDlg::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool was_moving = move_pending_ || moving_by_hand_;
  move_pending_ = false;
  moving_by_hand_ = false;
  if (was_moving && view_.pressed == false) {
    UpdateHover(event->position().toPoint());
    return;
  }
  OnButtonUp(event->position().toPoint());
}

void CQEL_DEveroDlg::mouseMoveEvent(QMouseEvent* event) {
  if ((move_pending_ || moving_by_hand_) && (event->buttons() & Qt::LeftButton)) {
    ContinueMove(event->globalPosition().toPoint());
    return;
  }
  UpdateHover(event->position().toPoint());
}

void CQEL_DEveroDlg::leaveEvent(QEvent*) {}

}  // namespace devero

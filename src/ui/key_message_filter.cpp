#include "ui/key_message_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "keys/vk.h"
#include "macro/macro_recorder.h"
#include "ui/scan_codes.h"

namespace devero::ui {

KeyMessageFilter::KeyMessageFilter(QWidget* window, Sink sink)
    : window_(window), sink_(std::move(sink)) {}

KeyMessageFilter::~KeyMessageFilter() {
  Remove();
}

void KeyMessageFilter::Install() {
  if (installed_) return;
  // Key events go to the focus widget, so the whole application's events are watched and those
  // of the window's widgets taken.
  qApp->installEventFilter(this);
  installed_ = true;
  left_alt_ = right_alt_ = left_ctrl_ = right_ctrl_ = false;
}

void KeyMessageFilter::Remove() {
  if (!installed_) return;
  qApp->removeEventFilter(this);
  installed_ = false;
}

int KeyMessageFilter::MessageFor(bool press, uint8_t vk, bool alt_held, bool ctrl_held) {
  const bool is_alt = vk == vk::kLMenu || vk == vk::kRMenu;
  const bool system = ((alt_held || is_alt) && !ctrl_held) || vk == vk::kF10;
  if (press) return system ? kWmSysKeyDown : kWmKeyDown;
  return system ? kWmSysKeyUp : kWmKeyUp;
}

void KeyMessageFilter::Track(bool press, uint8_t vk) {
  switch (vk) {
    case vk::kLMenu:
      left_alt_ = press;
      break;
    case vk::kRMenu:
      right_alt_ = press;
      break;
    case vk::kLControl:
      left_ctrl_ = press;
      break;
    case vk::kRControl:
      right_ctrl_ = press;
      break;
    default:
      break;
  }
}

bool KeyMessageFilter::Deliver(const QKeyEvent& event) {
  const bool press = event.type() == QEvent::KeyPress;
  if (!press && event.type() != QEvent::KeyRelease) return false;
  const uint8_t code = VkFromKeyEvent(event);
  if (code == 0) return true;
  const int message = MessageFor(press, code, left_alt_ || right_alt_, left_ctrl_ || right_ctrl_);
  Track(press, code);
  if (sink_) sink_(message, code);
  return true;
}

bool KeyMessageFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) {
    return false;
  }
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !window_ || widget->window() != window_) return false;
  // A shortcut override accepted here keeps the key from firing a shortcut; the key event that
  // follows is swallowed below.
  if (type == QEvent::ShortcutOverride) {
    event->accept();
    return true;
  }
  Deliver(*static_cast<QKeyEvent*>(event));
  return true;
}

}  // namespace devero::ui

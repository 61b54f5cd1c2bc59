#include "ui/x11_keyboard_grab.h"

#include <QWidget>
#include <QWindow>

namespace devero::ui {

X11KeyboardGrab::X11KeyboardGrab(QWidget* window, KeyMessageFilter::Sink sink)
    : window_(window), filter_(window, std::move(sink)) {}

X11KeyboardGrab::~X11KeyboardGrab() {
  Remove();
}

bool X11KeyboardGrab::Install() {
  filter_.Install();
  if (grabbed_) return true;
  QWindow* handle = window_ ? window_->windowHandle() : nullptr;
  // A grab needs a mapped window: one that is not shown cannot take the keyboard.
  grabbed_ = handle && window_->isVisible() && handle->setKeyboardGrabEnabled(true);
  if (!grabbed_ && on_refused) on_refused();
  return grabbed_;
}

void X11KeyboardGrab::Remove() {
  filter_.Remove();
  if (!grabbed_) return;
  grabbed_ = false;
  if (window_ && window_->windowHandle()) window_->windowHandle()->setKeyboardGrabEnabled(false);
}

}  // namespace devero::ui

#pragma once

#include <QPointer>
#include <functional>

#include "macro/keyboard_grab.h"
#include "ui/key_message_filter.h"

class QWidget;

namespace devero::ui {

// The keyboard grab of one top-level window: an X11 keyboard grab, so that keys reach no other
// program and fire no desktop shortcut, and the window's key events turned into key messages.
// The X server ends the grab itself when the process ends, however it ends.
class X11KeyboardGrab final : public KeyboardGrab {
 public:
  X11KeyboardGrab(QWidget* window, KeyMessageFilter::Sink sink);
  ~X11KeyboardGrab() override;

  bool Installed() const override { return filter_.installed(); }
  // Installs the key filter and asks for the grab; false when the grab is refused (another
  // program holds the keyboard, or the platform has no grabs): the keys that reach the window
  // still arrive.
  bool Install() override;
  void Remove() override;

  // Whether the X server granted the grab.
  bool grabbed() const { return grabbed_; }
  // Called when Install was refused, so that the window can tell the user.
  std::function<void()> on_refused;

  KeyMessageFilter& filter() { return filter_; }

 private:
  QPointer<QWidget> window_;
  KeyMessageFilter filter_;
  bool grabbed_ = false;
};

}  // namespace devero::ui

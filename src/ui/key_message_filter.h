#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>

class QKeyEvent;
class QWidget;

namespace devero::ui {

// Turns the key events of one top-level window into the key messages the recorder and the
// key-capture dialog read (0x100/0x101, or 0x104/0x105 while Alt is held without Ctrl, and for
// F10), and swallows them, shortcuts included, so that no key acts on the window itself.
class KeyMessageFilter : public QObject {
 public:
  using Sink = std::function<void(int message, uint8_t vk)>;

  KeyMessageFilter(QWidget* window, Sink sink);
  ~KeyMessageFilter() override;

  void Install();
  void Remove();
  bool installed() const { return installed_; }

  // The message of one key event; `alt_held` and `ctrl_held` are the states before the event.
  static int MessageFor(bool press, uint8_t vk, bool alt_held, bool ctrl_held);

  // Handles one key event as if it had reached the window; false when it is no key event.
  bool Deliver(const QKeyEvent& event);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Track(bool press, uint8_t vk);

  QPointer<QWidget> window_;
  Sink sink_;
  bool installed_ = false;
  bool left_alt_ = false;
  bool right_alt_ = false;
  bool left_ctrl_ = false;
  bool right_ctrl_ = false;
};

}  // namespace devero::ui

#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace devero {

// SIGTERM and SIGINT (a logout, Ctrl+C in the terminal) become a call on the window's thread.
class UnixSignals : public QObject {
 public:
  explicit UnixSignals(std::function<void()> on_signal);
  ~UnixSignals() override;

 private:
  std::function<void()> on_signal_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace devero

#pragma once

#include <QObject>
#include <functional>

namespace devero {

// Calls `resumed` when the machine wakes from suspend (logind's PrepareForSleep(false) on the
// system bus). Without a system bus or logind it does nothing.
class PowerMonitor : public QObject {
  Q_OBJECT
 public:
  explicit PowerMonitor(std::function<void()> resumed);
  bool Connected() const { return connected_; }

 private Q_SLOTS:
  void OnPrepareForSleep(bool sleeping);

 private:
  std::function<void()> resumed_;
  bool connected_ = false;
};

}  // namespace devero

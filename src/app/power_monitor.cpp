#include "app/power_monitor.h"

#include <QDBusConnection>

namespace devero {

PowerMonitor::PowerMonitor(std::function<void()> resumed) : resumed_(std::move(resumed)) {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return;
  connected_ = bus.connect(QStringLiteral("org.freedesktop.login1"),
                           QStringLiteral("/org/freedesktop/login1"),
                           QStringLiteral("org.freedesktop.login1.Manager"),
                           QStringLiteral("PrepareForSleep"), this, SLOT(OnPrepareForSleep(bool)));
}

void PowerMonitor::OnPrepareForSleep(bool sleeping) {
  if (!sleeping && resumed_) resumed_();
}

}  // namespace devero

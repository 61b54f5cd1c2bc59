#include "device/device_notification.h"

namespace devero {
namespace {

char AsciiLowerChar(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLowerChar(a[i]) != AsciiLowerChar(b[i])) return false;
  }
  return true;
}

}  // namespace

bool IsOurDeviceNotification(const hotplug::HotplugEvent& event, const DeviceLink& link) {
  if (event.subsystem != "hidraw" || event.device_path.empty()) return false;
  return EqualsIgnoringAsciiCase(event.device_path, link.DevicePath());
}

DeviceNotificationResult HandleDeviceNotification(const hotplug::HotplugEvent& event,
                                                  hid::HidBus& bus, DeviceLink& link) {
  DeviceNotificationResult result;
  if (!IsOurDeviceNotification(event, link)) return result;
  if (event.action == hotplug::HotplugAction::kArrival && !link.Connected()) {
    result.outcome = DeviceNotificationOutcome::kRediscovered;
    result.discovery = FindDevice(bus, link);
  } else if (event.action == hotplug::HotplugAction::kRemoval) {
    link.SetConnected(false);
    result.outcome = DeviceNotificationOutcome::kRemoved;
  }
  return result;
}

}  // namespace devero

#pragma once

#include <optional>

#include "device/device_link.h"
#include "device/discovery.h"
#include "platform/hid/hid_bus.h"
#include "platform/hotplug/hotplug_event.h"

namespace devero {

// True only for an event of a HID interface (the hidraw subsystem) whose node is the link's
// device path, compared without regard to ASCII letter case.
bool IsOurDeviceNotification(const hotplug::HotplugEvent& event, const DeviceLink& link);

enum class DeviceNotificationOutcome {
  kIgnored,
  kRediscovered,  // our mouse arrived while not connected: discovery ran again
  kRemoved,       // our mouse went away: the connected flag is cleared, the program ends
};

struct DeviceNotificationResult {
  DeviceNotificationOutcome outcome = DeviceNotificationOutcome::kIgnored;
  std::optional<DiscoveryResult> discovery;  // for kRediscovered
};

// The reaction to an arrival or removal; handles stay open on removal.
DeviceNotificationResult HandleDeviceNotification(const hotplug::HotplugEvent& event,
                                                  hid::HidBus& bus, DeviceLink& link);

}  // namespace devero

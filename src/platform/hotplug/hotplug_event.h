#pragma once

#include <string>

namespace devero::hotplug {

enum class HotplugAction { kArrival, kRemoval, kOther };

// A device node that came or went. Only events of the hidraw subsystem name HID interfaces.
struct HotplugEvent {
  HotplugAction action = HotplugAction::kOther;
  std::string subsystem;
  std::string device_path;  // the device node, e.g. "/dev/hidraw3"
};

// From the action text of a udev event ("add", "remove", anything else).
HotplugEvent MakeHotplugEvent(const char* action, const char* subsystem, const char* device_node);

}  // namespace devero::hotplug

#include "platform/hotplug/hotplug_event.h"

#include <string_view>

namespace devero::hotplug {

HotplugEvent MakeHotplugEvent(const char* action, const char* subsystem, const char* device_node) {
  HotplugEvent event;
  const std::string_view a = action ? action : "";
  event.action = a == "add"      ? HotplugAction::kArrival
                 : a == "remove" ? HotplugAction::kRemoval
                                 : HotplugAction::kOther;
  event.subsystem = subsystem ? subsystem : "";
  event.device_path = device_node ? device_node : "";
  return event;
}

}  // namespace devero::hotplug

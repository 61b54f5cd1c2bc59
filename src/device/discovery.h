#pragma once

#include <string>
#include <vector>

#include "device/device_link.h"
#include "platform/hid/hid_bus.h"

namespace devero {

// An interface of the mouse that was found but could not be opened.
struct InterfaceOpenFailure {
  std::string path;
  hid::HidAccess access = hid::HidAccess::kRead;
  int error_number = 0;  // EACCES when the node may not be opened
};

struct DiscoveryResult {
  bool connected = false;
  // When not empty the mouse is there but out of reach, and `connected` is false: settings
  // sent to it would be lost. DeviceAccessWarning() says why.
  std::vector<InterfaceOpenFailure> open_failures;
};

// Walks HID interface indexes 0..99 (a failing index is skipped), takes the interfaces with
// the mouse's vendor and product id, opens the input interface (usage page 0xFF00) for reading
// and the feature interface (0xFF01) for writing, and stops once both handles exist. Handles
// of an earlier discovery are dropped first. The connected flag is reset by every interface
// examined and set by every match, so a walk that runs out of indexes leaves it as the last
// examined interface did. Stores the result in the link's connected flag and returns it.
DiscoveryResult FindDevice(hid::HidBus& bus, DeviceLink& link);

// What a start without the mouse says, followed by the product's name.
inline constexpr char16_t kNoMouseWarning[] = u"Please plug-in USB Mouse:  ";

// The text to show for a mouse whose interfaces could not be opened; empty when all opened.
std::u16string DeviceAccessWarning(const DiscoveryResult& result);

}  // namespace devero

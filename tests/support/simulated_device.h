#pragma once

#include <cstdint>

#include "device/device_link.h"
#include "device/discovery.h"
#include "device/transport.h"
#include "device/usb_ids.h"
#include "platform/clock/virtual_clock.h"
#include "platform/hid/simulated_hid_bus.h"
#include "platform/hid/simulated_mouse.h"

namespace devero::testing {

// A machine with the simulated mouse plugged in and found, and a transport on a virtual clock.
// Header only: a suite that includes it links devero_device.
struct SimulatedDevice {
  explicit SimulatedDevice(uint16_t product_id = kRegularProductId,
                           uint16_t feature_report_length = 8)
      : mouse({kVendorId, product_id, feature_report_length, 8, {}}) {
    bus.AddMachineWithMouse(mouse);
    discovery = FindDevice(bus, link);
  }

  hid::SimulatedMouse mouse;
  hid::SimulatedHidBus bus;
  DeviceLink link;
  DiscoveryResult discovery;
  VirtualClock clock;
  DeviceTransport transport{link, clock};
};

}  // namespace devero::testing

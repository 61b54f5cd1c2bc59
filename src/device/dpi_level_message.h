#pragma once

#include "device/device_event_actions.h"
#include "device/transport.h"

namespace devero {

// Refreshes the colour of the DPI stage in force on the mouse and the lighting, then takes
// dpiLevel from the product file and applies. Runs on the owner thread.
void OnDpiLevelMessage(DeviceTransport& transport, DeviceEventActions& actions);

}  // namespace devero

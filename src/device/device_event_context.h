#pragma once

#include "device/device_event_actions.h"
#include "device/device_event_flags.h"
#include "device/device_link.h"
#include "device/owner_dispatch.h"
#include "device/transport.h"
#include "platform/clock/clock.h"

namespace devero {

// What the reader and the poller work with; every object outlives the threads.
struct DeviceEventContext {
  const DeviceLink& link;
  DeviceTransport& transport;
  DeviceEventFlags& flags;
  OwnerDispatch& owner;
  DeviceEventActions& actions;
  Clock& clock;
};

}  // namespace devero

#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "device/device_link.h"
#include "device/discovery.h"
#include "device/trace_writer.h"
#include "device/transport.h"
#include "platform/clock/clock.h"
#include "platform/hid/hid_bus.h"
#include "platform/hid/simulated_mouse.h"

namespace devero {

struct DeviceOptions {
  bool simulate = false;
  std::filesystem::path simulate_file;  // empty: the simulated memory is not kept
  bool simulate_alternative_id = false;
  std::filesystem::path trace_file;  // empty: no trace
};

// The HID bus (real or simulated), the device link and the transport of one run.
class DeviceSession {
 public:
  // Nothing, with *error set, when the memory image or the trace file cannot be used.
  static std::unique_ptr<DeviceSession> Open(const DeviceOptions& options, std::string* error);
  ~DeviceSession();

  DiscoveryResult Discover();
  DeviceLink& link() { return link_; }
  hid::HidBus& bus() { return *bus_; }
  DeviceTransport& transport() { return transport_; }
  hid::SimulatedMouse* simulated_mouse() { return mouse_.get(); }
  // Writes the simulated memory back to its file; an error text, or empty.
  std::string SaveSimulatedMemory();

 private:
  DeviceSession() = default;

  RealClock clock_;
  std::unique_ptr<hid::SimulatedMouse> mouse_;
  std::unique_ptr<hid::HidBus> bus_;
  DeviceLink link_;
  DeviceTransport transport_{link_, clock_};
  std::unique_ptr<TraceWriter> trace_;
};

}  // namespace devero

#pragma once

#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/hid/hid_bus.h"
#include "platform/hid/simulated_mouse.h"

namespace devero::hid {

// A machine's HID interfaces for tests, the demo and the CLI: interfaces of the simulated
// mouse, interfaces of other devices, indexes that fail, and nodes that may not be opened.
// Interfaces are listed in the order they were added; a mouse that is not present is left out.
// The mice added must outlive the bus.
class SimulatedHidBus final : public HidBus {
 public:
  // An index whose query fails.
  void AddGap();
  // Another device's interface; its handles answer no report.
  void AddInterface(HidInterfaceInfo info);
  void AddMouseInputInterface(SimulatedMouse& mouse, std::string path);
  void AddMouseFeatureInterface(SimulatedMouse& mouse, std::string path);
  // A keyboard, then the mouse's input and feature interfaces.
  void AddMachineWithMouse(SimulatedMouse& mouse);
  // Opening the path fails with this error number (EACCES: no permission on the node).
  void DenyOpen(const std::string& path, int error_number);

  HidEnumeration Enumerate() override;
  HidHandle Open(const std::string& path, HidAccess access) override;

  std::vector<std::pair<std::string, HidAccess>> OpenLog() const;

 private:
  enum class Kind { kGap, kOther, kMouseInput, kMouseFeature };
  struct Entry {
    Kind kind = Kind::kGap;
    HidInterfaceInfo info;
    SimulatedMouse* mouse = nullptr;
  };

  mutable std::mutex mutex_;
  std::vector<Entry> entries_;
  std::map<std::string, int> denied_;
  std::vector<std::pair<std::string, HidAccess>> open_log_;
};

}  // namespace devero::hid

#include "platform/hid/simulated_hid_bus.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/hid/report_descriptor.h"

namespace devero::hid {
namespace {

// Another device: it takes no report of ours and sends none.
class SilentDevice final : public HidDevice {
 public:
  bool SetFeature(std::span<const uint8_t>) override { return false; }
  bool GetFeature(std::span<uint8_t>) override { return false; }
  HidReadResult ReadInput(std::span<uint8_t>, int timeout_ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max(timeout_ms, 0)));
    return {HidReadStatus::kTimeout, 0};
  }
};

HidCapabilities CapsOf(const std::vector<uint8_t>& descriptor) {
  const auto summary = ParseReportDescriptor(descriptor);
  return summary.collections.empty() ? HidCapabilities{} : summary.collections.front();
}

}  // namespace

void SimulatedHidBus::AddGap() {
  std::lock_guard lock(mutex_);
  entries_.push_back({});
}

void SimulatedHidBus::AddInterface(HidInterfaceInfo info) {
  std::lock_guard lock(mutex_);
  entries_.push_back({Kind::kOther, std::move(info), nullptr});
}

void SimulatedHidBus::AddMouseInputInterface(SimulatedMouse& mouse, std::string path) {
  std::lock_guard lock(mutex_);
  HidInterfaceInfo info;
  info.path = std::move(path);
  entries_.push_back({Kind::kMouseInput, std::move(info), &mouse});
}

void SimulatedHidBus::AddMouseFeatureInterface(SimulatedMouse& mouse, std::string path) {
  std::lock_guard lock(mutex_);
  HidInterfaceInfo info;
  info.path = std::move(path);
  entries_.push_back({Kind::kMouseFeature, std::move(info), &mouse});
}

void SimulatedHidBus::AddMachineWithMouse(SimulatedMouse& mouse) {
  HidInterfaceInfo keyboard;
  keyboard.path = "/dev/hidraw0";
  keyboard.vendor_id = 0x046D;
  keyboard.product_id = 0xC31C;
  keyboard.caps = {0x0001, 0x0006, 9, 2, 0};
  AddInterface(keyboard);
  AddMouseInputInterface(mouse, "/dev/hidraw1");
  AddMouseFeatureInterface(mouse, "/dev/hidraw2");
}

void SimulatedHidBus::DenyOpen(const std::string& path, int error_number) {
  std::lock_guard lock(mutex_);
  denied_[path] = error_number;
}

HidEnumeration SimulatedHidBus::Enumerate() {
  std::lock_guard lock(mutex_);
  std::vector<std::optional<HidInterfaceInfo>> list;
  for (const Entry& e : entries_) {
    switch (e.kind) {
      case Kind::kGap:
        list.emplace_back();
        break;
      case Kind::kOther:
        list.emplace_back(e.info);
        break;
      case Kind::kMouseInput:
      case Kind::kMouseFeature: {
        if (!e.mouse->present()) break;
        HidInterfaceInfo info = e.info;
        info.vendor_id = e.mouse->vendor_id();
        info.product_id = e.mouse->product_id();
        info.caps = CapsOf(e.kind == Kind::kMouseInput ? e.mouse->InputReportDescriptor()
                                                       : e.mouse->FeatureReportDescriptor());
        list.emplace_back(std::move(info));
        break;
      }
    }
  }
  return HidEnumeration(std::move(list));
}

HidHandle SimulatedHidBus::Open(const std::string& path, HidAccess access) {
  std::lock_guard lock(mutex_);
  open_log_.emplace_back(path, access);
  if (auto it = denied_.find(path); it != denied_.end()) return HidHandle::Invalid(it->second);
  for (const Entry& e : entries_) {
    if (e.kind == Kind::kGap || e.info.path != path) continue;
    std::shared_ptr<HidDevice> device;
    switch (e.kind) {
      case Kind::kOther:
        device = std::make_shared<SilentDevice>();
        break;
      case Kind::kMouseInput:
        device = e.mouse->OpenInputInterface();
        break;
      case Kind::kMouseFeature:
        device = e.mouse->OpenFeatureInterface();
        break;
      case Kind::kGap:
        break;
    }
    if (!device) return HidHandle::Invalid(ENOENT);
    return HidHandle::Open(std::move(device));
  }
  return HidHandle::Invalid(ENOENT);
}

std::vector<std::pair<std::string, HidAccess>> SimulatedHidBus::OpenLog() const {
  std::lock_guard lock(mutex_);
  return open_log_;
}

}  // namespace devero::hid

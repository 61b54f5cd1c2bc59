#include "app/device_session.h"

#include "device/usb_ids.h"
#include "platform/hid/hidapi_bus.h"
#include "platform/hid/simulated_hid_bus.h"

namespace devero {

std::unique_ptr<DeviceSession> DeviceSession::Open(const DeviceOptions& options,
                                                   std::string* error) {
  std::unique_ptr<DeviceSession> s(new DeviceSession());
  if (options.simulate) {
    s->mouse_ = std::make_unique<hid::SimulatedMouse>(
        hid::SimulatedMouseOptions{kVendorId, kRegularProductId, 8, 8, options.simulate_file});
    if (std::string e = s->mouse_->LoadMemoryFile(); !e.empty()) {
      *error = e;
      return nullptr;
    }
    // After the image: an image with a repaired identity would answer with the regular id.
    if (options.simulate_alternative_id) s->mouse_->SetProductId(kAlternativeProductId);
    auto bus = std::make_unique<hid::SimulatedHidBus>();
    bus->AddMachineWithMouse(*s->mouse_);
    s->bus_ = std::move(bus);
  } else {
    s->bus_ = std::make_unique<hid::HidapiBus>();
  }
  if (!options.trace_file.empty()) {
    s->trace_ = TraceWriter::OpenFile(options.trace_file, error);
    if (!s->trace_) return nullptr;
    s->transport_.SetObserver(s->trace_.get());
  }
  return s;
}

DeviceSession::~DeviceSession() {
  transport_.SetObserver(nullptr);
}

DiscoveryResult DeviceSession::Discover() {
  return FindDevice(*bus_, link_);
}

std::string DeviceSession::SaveSimulatedMemory() {
  return mouse_ ? mouse_->SaveMemoryFile() : std::string();
}

}  // namespace devero

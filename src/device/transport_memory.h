#pragma once

#include <span>

#include "device/device_memory.h"
#include "device/transport.h"

namespace devero {

// The download's view of the mouse's memory, on the feature-report transport.
class TransportMemory final : public DeviceMemory {
 public:
  explicit TransportMemory(DeviceTransport& transport) : transport_(transport) {}

  void OpeningGet() override { transport_.GetDownloadOpeningReport(); }
  void Write(uint16_t address, const uint8_t* data, int length) override {
    transport_.WriteDeviceBytes(address,
                                std::span<const uint8_t>(data, static_cast<size_t>(length)));
  }
  void Read(uint16_t address, uint8_t* data, int length) override {
    transport_.ReadDeviceBytes(address, std::span<uint8_t>(data, static_cast<size_t>(length)));
  }
  void Apply() override { transport_.ApplyDeviceSettings(); }

 private:
  DeviceTransport& transport_;
};

}  // namespace devero

#pragma once

#include <cstdint>

namespace devero {

// What a download needs of the feature-report transport.
class DeviceMemory {
 public:
  virtual ~DeviceMemory() = default;
  // The get of report ID 7 that opens every download; its reply is not used.
  virtual void OpeningGet() = 0;
  // 1..256 bytes at an address, one memory block.
  virtual void Write(uint16_t address, const uint8_t* data, int length) = 0;
  virtual void Read(uint16_t address, uint8_t* data, int length) = 0;
  virtual void Apply() = 0;
};

}  // namespace devero

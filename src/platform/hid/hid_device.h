#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace devero::hid {

enum class HidReadStatus { kData, kTimeout, kError };

struct HidReadResult {
  HidReadStatus status = HidReadStatus::kError;
  std::size_t length = 0;  // bytes stored, for kData
};

// One opened HID interface. Byte 0 of every buffer is the report ID. Implementations are safe
// to use from several threads: one thread may block in ReadInput while others set and get
// feature reports.
class HidDevice {
 public:
  virtual ~HidDevice() = default;
  virtual bool SetFeature(std::span<const uint8_t> report) = 0;
  // On success the reply replaces the first bytes of the buffer (byte 0 selects the report);
  // on failure the buffer is left as it was.
  virtual bool GetFeature(std::span<uint8_t> report) = 0;
  // Waits at most timeout_ms for one input report; a negative timeout waits without limit.
  virtual HidReadResult ReadInput(std::span<uint8_t> report, int timeout_ms) = 0;
};

}  // namespace devero::hid

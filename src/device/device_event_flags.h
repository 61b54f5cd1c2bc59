#pragma once

#include <cstdint>
#include <mutex>

namespace devero {

// The events the reader flags for the poller. One lock guards them, and each pending event
// keeps its own event code (and a DPI report its own state byte), so a later report cannot
// change what the poller acts on.
class DeviceEventFlags {
 public:
  struct Snapshot {
    bool dpi_pending = false;
    uint8_t dpi_event = 0;  // event code 0xF1..0xFF of the DPI report
    uint8_t dpi_state = 0;  // its state byte: bit 7 set, stage in bits 0..2
    uint64_t dpi_sequence = 0;
    bool press_pending = false;
    uint8_t press_event = 0;
  };

  void Clear();

  // Reader: a button event of a device slot (code 0xF1..0xFF) with its state byte. Bit 7 set
  // marks a DPI report; any state but exactly 0x80 (released) is a press, taken only when no
  // press is pending.
  void OnSlotEvent(uint8_t code, uint8_t state);

  // Poller.
  Snapshot Current() const;
  // Clears the DPI report the snapshot showed, unless a newer one came in meanwhile.
  void ClearDpi(uint64_t sequence);
  void ClearPress();

 private:
  mutable std::mutex mutex_;
  Snapshot state_;
};

}  // namespace devero

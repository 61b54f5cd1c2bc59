#include "device/device_event_flags.h"

namespace devero {

namespace {
constexpr uint8_t kStateReleased = 0x80;
}

void DeviceEventFlags::Clear() {
  std::lock_guard lock(mutex_);
  state_ = Snapshot{};
}

void DeviceEventFlags::OnSlotEvent(uint8_t code, uint8_t state) {
  std::lock_guard lock(mutex_);
  if (state & 0x80) {
    state_.dpi_pending = true;
    state_.dpi_event = code;
    state_.dpi_state = state;
    ++state_.dpi_sequence;
  } else {
    state_.dpi_pending = false;
  }
  if (state == kStateReleased) return;
  if (!state_.press_pending) {
    state_.press_pending = true;
    state_.press_event = code;
  }
}

DeviceEventFlags::Snapshot DeviceEventFlags::Current() const {
  std::lock_guard lock(mutex_);
  return state_;
}

void DeviceEventFlags::ClearDpi(uint64_t sequence) {
  std::lock_guard lock(mutex_);
  if (state_.dpi_sequence == sequence) state_.dpi_pending = false;
}

void DeviceEventFlags::ClearPress() {
  std::lock_guard lock(mutex_);
  state_.press_pending = false;
}

}  // namespace devero

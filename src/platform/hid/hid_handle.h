#pragma once

#include <memory>
#include <span>

#include "platform/hid/hid_device.h"

namespace devero::hid {

// A handle on an interface: never opened (null), opening failed (invalid, with the error
// number of the failure), or open. Copies share the device; it closes with the last copy, so a
// thread that still holds a replaced handle keeps using it safely.
class HidHandle {
 public:
  enum class State { kNull, kInvalid, kOpen };

  HidHandle() = default;
  static HidHandle Invalid(int error_number);
  static HidHandle Open(std::shared_ptr<HidDevice> device);

  State state() const { return state_; }
  bool IsNull() const { return state_ == State::kNull; }
  bool IsInvalid() const { return state_ == State::kInvalid; }
  bool IsOpen() const { return state_ == State::kOpen; }
  // errno of the failed open (EACCES when the node may not be opened), 0 otherwise.
  int error_number() const { return error_number_; }

  // Back to null; the device closes when no other copy holds it.
  void Close() { *this = HidHandle(); }

  // The device calls fail at once, without a device, for a null or invalid handle.
  bool SetFeature(std::span<const uint8_t> report) const;
  bool GetFeature(std::span<uint8_t> report) const;
  HidReadResult ReadInput(std::span<uint8_t> report, int timeout_ms) const;

 private:
  State state_ = State::kNull;
  int error_number_ = 0;
  std::shared_ptr<HidDevice> device_;
};

}  // namespace devero::hid

#include "platform/hid/hid_handle.h"

#include <utility>

namespace devero::hid {

HidHandle HidHandle::Invalid(int error_number) {
  HidHandle handle;
  handle.state_ = State::kInvalid;
  handle.error_number_ = error_number;
  return handle;
}

HidHandle HidHandle::Open(std::shared_ptr<HidDevice> device) {
  if (!device) return Invalid(0);
  HidHandle handle;
  handle.state_ = State::kOpen;
  handle.device_ = std::move(device);
  return handle;
}

bool HidHandle::SetFeature(std::span<const uint8_t> report) const {
  return device_ && device_->SetFeature(report);
}

bool HidHandle::GetFeature(std::span<uint8_t> report) const {
  return device_ && device_->GetFeature(report);
}

HidReadResult HidHandle::ReadInput(std::span<uint8_t> report, int timeout_ms) const {
  if (!device_) return {};
  return device_->ReadInput(report, timeout_ms);
}

}  // namespace devero::hid

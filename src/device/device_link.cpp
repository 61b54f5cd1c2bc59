#include "device/device_link.h"

#include <utility>

namespace devero {

DeviceLink::Endpoint DeviceLink::ReadEndpoint() const {
  std::lock_guard lock(mutex_);
  return read_;
}

DeviceLink::Endpoint DeviceLink::WriteEndpoint() const {
  std::lock_guard lock(mutex_);
  return write_;
}

void DeviceLink::SetReadEndpoint(Endpoint endpoint) {
  std::lock_guard lock(mutex_);
  read_ = std::move(endpoint);
}

void DeviceLink::SetWriteEndpoint(Endpoint endpoint) {
  std::lock_guard lock(mutex_);
  write_ = std::move(endpoint);
}

std::string DeviceLink::DevicePath() const {
  std::lock_guard lock(mutex_);
  return device_path_;
}

void DeviceLink::SetDevicePath(std::string path) {
  std::lock_guard lock(mutex_);
  device_path_ = std::move(path);
}

bool DeviceLink::Connected() const {
  std::lock_guard lock(mutex_);
  return connected_;
}

void DeviceLink::SetConnected(bool connected) {
  std::lock_guard lock(mutex_);
  connected_ = connected;
}

int DeviceLink::ProductVariant() const {
  std::lock_guard lock(mutex_);
  return product_variant_;
}

void DeviceLink::SetProductVariant(int variant) {
  std::lock_guard lock(mutex_);
  product_variant_ = variant;
}

}  // namespace devero

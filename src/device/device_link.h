#pragma once

#include <mutex>
#include <string>

#include "platform/hid/hid_handle.h"
#include "platform/hid/hid_types.h"

namespace devero {

// The handles on the mouse's two interfaces and what discovery learnt about them. One object
// for the whole run; discovery fills it, the transport and the reader use it from their
// threads, so every field is read and written under the link's lock and handed out as copies.
class DeviceLink {
 public:
  // Product variant before any discovery matched the mouse.
  static constexpr int kVariantUnknown = 2;
  static constexpr int kVariantAlternative = 0;
  static constexpr int kVariantRegular = 1;

  struct Endpoint {
    hid::HidHandle handle;  // null until opened
    hid::HidCapabilities caps;
  };

  Endpoint ReadEndpoint() const;   // the input interface (usage page 0xFF00)
  Endpoint WriteEndpoint() const;  // the feature interface (usage page 0xFF01)
  void SetReadEndpoint(Endpoint endpoint);
  void SetWriteEndpoint(Endpoint endpoint);

  std::string DevicePath() const;
  void SetDevicePath(std::string path);
  bool Connected() const;
  void SetConnected(bool connected);
  int ProductVariant() const;
  void SetProductVariant(int variant);

 private:
  mutable std::mutex mutex_;
  Endpoint read_;
  Endpoint write_;
  std::string device_path_;
  bool connected_ = false;
  int product_variant_ = kVariantUnknown;
};

}  // namespace devero

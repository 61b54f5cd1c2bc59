#pragma once

#include <filesystem>
#include <string>

#include "platform/hid/hid_bus.h"

namespace devero::hid {

// The machine's HID interfaces through hidapi's hidraw backend. Report lengths and the
// top-level usages come from each node's report descriptor in sysfs; a node with several
// top-level collections is listed once per collection. Input reports of a device without
// report IDs get a 0 in front, so that byte 0 is always the report ID.
class HidapiBus final : public HidBus {
 public:
  explicit HidapiBus(std::filesystem::path sysfs_root = "/sys");
  ~HidapiBus() override;
  HidapiBus(const HidapiBus&) = delete;
  HidapiBus& operator=(const HidapiBus&) = delete;

  HidEnumeration Enumerate() override;
  HidHandle Open(const std::string& path, HidAccess access) override;

 private:
  std::filesystem::path sysfs_root_;
  bool initialised_ = false;
};

}  // namespace devero::hid

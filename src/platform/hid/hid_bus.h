#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/hid/hid_handle.h"
#include "platform/hid/hid_types.h"

namespace devero::hid {

// A snapshot of the HID interfaces present. An index may fail to answer (an empty entry), as
// an enumeration can skip an interface it cannot query; indexes past the end fail as well.
class HidEnumeration {
 public:
  HidEnumeration() = default;
  explicit HidEnumeration(std::vector<std::optional<HidInterfaceInfo>> entries)
      : entries_(std::move(entries)) {}

  std::optional<HidInterfaceInfo> At(int index) const {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return std::nullopt;
    return entries_[static_cast<std::size_t>(index)];
  }
  int size() const { return static_cast<int>(entries_.size()); }

 private:
  std::vector<std::optional<HidInterfaceInfo>> entries_;
};

enum class HidAccess { kRead, kWrite };

// The machine's HID interfaces.
class HidBus {
 public:
  virtual ~HidBus() = default;
  virtual HidEnumeration Enumerate() = 0;
  // Never returns a null handle: a failed open gives an invalid one carrying the error number.
  virtual HidHandle Open(const std::string& path, HidAccess access) = 0;
};

}  // namespace devero::hid

#pragma once

#include <cstdint>
#include <string>

namespace devero::hid {

// What the top-level collection of a HID interface declares. A report length counts the
// report ID byte, which is the first byte of every report buffer (0 for a device that uses no
// report IDs); 0 means the interface has no report of that kind.
struct HidCapabilities {
  uint16_t usage_page = 0;
  uint16_t usage = 0;
  uint16_t input_report_length = 0;
  uint16_t output_report_length = 0;
  uint16_t feature_report_length = 0;
};

// One HID interface of the machine, as the enumeration lists it.
struct HidInterfaceInfo {
  std::string path;
  uint16_t vendor_id = 0;
  uint16_t product_id = 0;
  HidCapabilities caps;
};

}  // namespace devero::hid

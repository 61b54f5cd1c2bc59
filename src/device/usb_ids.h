#pragma once

#include <cstdint>

namespace devero {

// The USB ids of the product line (the open test vendor id). A mouse reporting the
// alternative product id still carries a wrong identity and is repaired at start-up.
inline constexpr uint16_t kVendorId = 0x1209;
inline constexpr uint16_t kRegularProductId = 0x0001;
inline constexpr uint16_t kAlternativeProductId = 0x0002;

// The two vendor-defined interfaces the program talks to (usage 1 each).
inline constexpr uint16_t kInputUsagePage = 0xFF00;
inline constexpr uint16_t kFeatureUsagePage = 0xFF01;
inline constexpr uint16_t kInterfaceUsage = 0x0001;

}  // namespace devero

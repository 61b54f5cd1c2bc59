#include "device/quick_set.h"

namespace devero {

uint8_t CycleColorMask(const std::array<int, 7>& cycleColorEnable) {
  uint8_t mask = 0;
  for (std::size_t k = 0; k < cycleColorEnable.size(); ++k) {
    if (cycleColorEnable[k] != 0) mask = static_cast<uint8_t>(mask | (1u << k));
  }
  return mask;
}

}  // namespace devero

#include "device/feature_report.h"

#include <algorithm>

namespace devero {

void FeatureReport::Resize(std::size_t length) {
  length = std::max(length, kMeaningfulBytes);
  if (length != bytes_.size()) bytes_.resize(length, 0);
}

}  // namespace devero

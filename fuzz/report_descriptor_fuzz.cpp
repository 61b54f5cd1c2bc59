// The report-descriptor parser on any bytes, as sysfs would hand them over.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/hid/report_descriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto summary = devero::hid::ParseReportDescriptor(std::span<const uint8_t>(data, size));
  // Every top-level collection takes at least one item of its own.
  if (summary.collections.size() > size / 2 + 1) std::abort();
  return 0;
}

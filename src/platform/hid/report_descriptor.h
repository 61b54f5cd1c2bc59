#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/hid/hid_types.h"

namespace devero::hid {

// What a report descriptor declares, per top-level application collection. The report lengths
// are those of the largest report of each kind inside the collection, report ID byte included.
struct ReportDescriptorSummary {
  std::vector<HidCapabilities> collections;
  bool uses_report_ids = false;
  // False when the descriptor ended inside an item or had unbalanced collections; what was
  // read up to that point is still reported.
  bool well_formed = true;
};

ReportDescriptorSummary ParseReportDescriptor(std::span<const uint8_t> descriptor);

}  // namespace devero::hid

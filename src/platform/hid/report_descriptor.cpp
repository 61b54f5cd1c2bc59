#include "platform/hid/report_descriptor.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace devero::hid {
namespace {

// Item types and tags of the short item format.
constexpr int kTypeMain = 0;
constexpr int kTypeGlobal = 1;
constexpr int kTypeLocal = 2;

constexpr int kMainInput = 0x8;
constexpr int kMainOutput = 0x9;
constexpr int kMainCollection = 0xA;
constexpr int kMainFeature = 0xB;
constexpr int kMainEndCollection = 0xC;

constexpr int kGlobalUsagePage = 0x0;
constexpr int kGlobalReportSize = 0x7;
constexpr int kGlobalReportId = 0x8;
constexpr int kGlobalReportCount = 0x9;
constexpr int kGlobalPush = 0xA;
constexpr int kGlobalPop = 0xB;

constexpr int kLocalUsage = 0x0;
constexpr int kLocalUsageMinimum = 0x1;

constexpr std::size_t kMaxPushDepth = 64;
// A report cannot be longer than this; larger declarations are clamped, not wrapped.
constexpr uint64_t kMaxReportBits = 0xFFFEull * 8;

struct GlobalState {
  uint32_t usage_page = 0;
  uint32_t report_size = 0;
  uint32_t report_count = 0;
  uint32_t report_id = 0;
};

enum class ReportKind { kInput, kOutput, kFeature };

}  // namespace

ReportDescriptorSummary ParseReportDescriptor(std::span<const uint8_t> d) {
  ReportDescriptorSummary summary;
  GlobalState global;
  std::vector<GlobalState> stack;
  // The first usage of the pending local items; a 4-byte usage carries its own page, a shorter
  // one takes the page in force at the main item.
  bool have_usage = false;
  uint32_t first_usage = 0;
  bool first_usage_has_page = false;
  int depth = 0;
  int top_level = -1;  // index into summary.collections of the open top-level collection
  // Bits per (collection, kind, report ID).
  std::map<std::tuple<int, ReportKind, uint32_t>, uint64_t> bits;

  std::size_t pos = 0;
  while (pos < d.size()) {
    const uint8_t prefix = d[pos++];
    if (prefix == 0xFE) {  // long item: size, tag, data; no long items are defined
      if (pos + 2 > d.size()) {
        summary.well_formed = false;
        break;
      }
      const std::size_t size = d[pos];
      pos += 2;
      if (pos + size > d.size()) {
        summary.well_formed = false;
        break;
      }
      pos += size;
      continue;
    }
    const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
    const int type = (prefix >> 2) & 3;
    const int tag = prefix >> 4;
    if (pos + size > d.size()) {
      summary.well_formed = false;
      break;
    }
    uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
      value |= static_cast<uint32_t>(d[pos + i]) << (8 * i);
    pos += size;

    if (type == kTypeGlobal) {
      switch (tag) {
        case kGlobalUsagePage:
          global.usage_page = value;
          break;
        case kGlobalReportSize:
          global.report_size = value;
          break;
        case kGlobalReportId:
          global.report_id = value;
          summary.uses_report_ids = true;
          break;
        case kGlobalReportCount:
          global.report_count = value;
          break;
        case kGlobalPush:
          if (stack.size() < kMaxPushDepth) stack.push_back(global);
          break;
        case kGlobalPop:
          if (stack.empty()) {
            summary.well_formed = false;
          } else {
            global = stack.back();
            stack.pop_back();
          }
          break;
        default:
          break;
      }
      continue;
    }
    if (type == kTypeLocal) {
      if ((tag == kLocalUsage || tag == kLocalUsageMinimum) && !have_usage) {
        have_usage = true;
        first_usage = value;
        first_usage_has_page = size == 4;
      }
      continue;
    }
    if (type != kTypeMain) continue;

    switch (tag) {
      case kMainCollection:
        if (depth == 0) {
          // Devices put application collections at the top; any other kind there still opens
          // a top-level collection so that its reports are counted.
          HidCapabilities caps;
          const uint32_t usage = have_usage ? first_usage : 0;
          caps.usage_page =
              static_cast<uint16_t>(first_usage_has_page ? usage >> 16 : global.usage_page);
          caps.usage = static_cast<uint16_t>(usage & 0xFFFF);
          summary.collections.push_back(caps);
          top_level = static_cast<int>(summary.collections.size()) - 1;
        }
        ++depth;
        break;
      case kMainEndCollection:
        if (depth == 0) {
          summary.well_formed = false;
        } else if (--depth == 0) {
          top_level = -1;
        }
        break;
      case kMainInput:
      case kMainOutput:
      case kMainFeature: {
        if (top_level < 0) {
          summary.well_formed = false;
          break;
        }
        const ReportKind kind = tag == kMainInput    ? ReportKind::kInput
                                : tag == kMainOutput ? ReportKind::kOutput
                                                     : ReportKind::kFeature;
        uint64_t& b = bits[{top_level, kind, global.report_id}];
        b = std::min(kMaxReportBits,
                     b + static_cast<uint64_t>(global.report_size) * global.report_count);
        break;
      }
      default:
        break;
    }
    have_usage = false;  // local items end with every main item
  }
  if (depth != 0) summary.well_formed = false;

  for (const auto& [key, count] : bits) {
    const auto& [index, kind, id] = key;
    (void)id;
    HidCapabilities& caps = summary.collections[static_cast<std::size_t>(index)];
    const auto length = static_cast<uint16_t>((count + 7) / 8 + 1);
    uint16_t& slot = kind == ReportKind::kInput    ? caps.input_report_length
                     : kind == ReportKind::kOutput ? caps.output_report_length
                                                   : caps.feature_report_length;
    slot = std::max(slot, length);
  }
  return summary;
}

}  // namespace devero::hid

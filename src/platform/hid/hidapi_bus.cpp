#include "platform/hid/hidapi_bus.h"

#include <fcntl.h>
#include <hidapi.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <set>
#include <vector>

#include "platform/hid/report_descriptor.h"
#include "platform/hid/sysfs_descriptor.h"

namespace devero::hid {
namespace {

class HidapiDevice final : public HidDevice {
 public:
  HidapiDevice(hid_device* device, bool uses_report_ids)
      : device_(device), uses_report_ids_(uses_report_ids) {}
  ~HidapiDevice() override { hid_close(device_); }
  HidapiDevice(const HidapiDevice&) = delete;
  HidapiDevice& operator=(const HidapiDevice&) = delete;

  bool SetFeature(std::span<const uint8_t> report) override {
    if (report.empty()) return false;
    return hid_send_feature_report(device_, report.data(), report.size()) >= 0;
  }

  bool GetFeature(std::span<uint8_t> report) override {
    if (report.empty()) return false;
    std::vector<uint8_t> reply(report.begin(), report.end());
    const int n = hid_get_feature_report(device_, reply.data(), reply.size());
    if (n <= 0) return false;
    std::copy_n(reply.begin(), std::min<std::size_t>(static_cast<std::size_t>(n), report.size()),
                report.begin());
    return true;
  }

  HidReadResult ReadInput(std::span<uint8_t> report, int timeout_ms) override {
    if (report.empty()) return {};
    // hidraw leaves out the report ID byte when the device uses none.
    std::span<uint8_t> target = uses_report_ids_ ? report : report.subspan(1);
    if (target.empty()) return {};
    const int n = hid_read_timeout(device_, target.data(), target.size(), timeout_ms);
    if (n < 0) return {HidReadStatus::kError, 0};
    if (n == 0) return {HidReadStatus::kTimeout, 0};
    if (!uses_report_ids_) {
      report[0] = 0;
      return {HidReadStatus::kData, static_cast<std::size_t>(n) + 1};
    }
    return {HidReadStatus::kData, static_cast<std::size_t>(n)};
  }

 private:
  hid_device* device_;
  bool uses_report_ids_;
};

}  // namespace

HidapiBus::HidapiBus(std::filesystem::path sysfs_root) : sysfs_root_(std::move(sysfs_root)) {
  initialised_ = hid_init() == 0;
}

HidapiBus::~HidapiBus() {
  if (initialised_) hid_exit();
}

HidEnumeration HidapiBus::Enumerate() {
  std::vector<std::optional<HidInterfaceInfo>> list;
  if (!initialised_) return HidEnumeration(std::move(list));
  hid_device_info* all = hid_enumerate(0, 0);
  std::set<std::string> seen;
  for (const hid_device_info* d = all; d != nullptr; d = d->next) {
    if (d->path == nullptr) {
      list.emplace_back();
      continue;
    }
    const std::string path = d->path;
    // hidapi may list a node once per top-level collection; the descriptor gives them all.
    if (!seen.insert(path).second) continue;
    HidInterfaceInfo base;
    base.path = path;
    base.vendor_id = d->vendor_id;
    base.product_id = d->product_id;
    const auto descriptor = ReadSysfsReportDescriptor(sysfs_root_, HidrawNodeName(path));
    const auto summary =
        descriptor ? ParseReportDescriptor(*descriptor) : ReportDescriptorSummary{};
    if (summary.collections.empty()) {
      base.caps.usage_page = d->usage_page;
      base.caps.usage = d->usage;
      list.emplace_back(base);
      continue;
    }
    for (const HidCapabilities& caps : summary.collections) {
      HidInterfaceInfo info = base;
      info.caps = caps;
      list.emplace_back(std::move(info));
    }
  }
  hid_free_enumeration(all);
  return HidEnumeration(std::move(list));
}

HidHandle HidapiBus::Open(const std::string& path, HidAccess /*access*/) {
  // hidapi opens every node for reading and writing and does not say why an open failed;
  // trying the node first keeps the error number (EACCES without the udev rule).
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return HidHandle::Invalid(errno);
  ::close(fd);
  hid_device* device = initialised_ ? hid_open_path(path.c_str()) : nullptr;
  if (device == nullptr) return HidHandle::Invalid(EIO);
  const auto descriptor = ReadSysfsReportDescriptor(sysfs_root_, HidrawNodeName(path));
  const bool uses_ids = descriptor && ParseReportDescriptor(*descriptor).uses_report_ids;
  return HidHandle::Open(std::make_shared<HidapiDevice>(device, uses_ids));
}

}  // namespace devero::hid

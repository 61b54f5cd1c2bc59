#include "platform/hid/sysfs_descriptor.h"

#include "platform/fs/file_ops.h"

namespace devero::hid {

std::string HidrawNodeName(const std::string& device_path) {
  const std::string name = std::filesystem::path(device_path).filename().string();
  if (name.rfind("hidraw", 0) != 0 || name.size() == 6) return {};
  for (std::size_t i = 6; i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9') return {};
  }
  return name;
}

std::optional<std::vector<uint8_t>> ReadSysfsReportDescriptor(
    const std::filesystem::path& sysfs_root, const std::string& node_name) {
  if (node_name.empty()) return std::nullopt;
  const auto bytes = fs::ReadWholeFile(sysfs_root / "class" / "hidraw" / node_name / "device" /
                                       "report_descriptor");
  if (!bytes) return std::nullopt;
  return std::vector<uint8_t>(bytes->begin(), bytes->end());
}

}  // namespace devero::hid

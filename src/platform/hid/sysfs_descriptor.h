#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace devero::hid {

// The hidraw node name of a device path ("/dev/hidraw3" -> "hidraw3"); empty when the path
// does not name a hidraw node.
std::string HidrawNodeName(const std::string& device_path);

// The report descriptor of a hidraw node, read from
// <sysfs_root>/class/hidraw/<node>/device/report_descriptor; nothing when it cannot be read.
std::optional<std::vector<uint8_t>> ReadSysfsReportDescriptor(
    const std::filesystem::path& sysfs_root, const std::string& node_name);

}  // namespace devero::hid

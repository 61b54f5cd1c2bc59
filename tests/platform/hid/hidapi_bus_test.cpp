#include "platform/hid/hidapi_bus.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/hid/sysfs_descriptor.h"
#include "support/temp_dir.h"

namespace devero::hid {
namespace {

TEST(HidrawNodeName, TakesOnlyHidrawNodes) {
  const std::pair<std::string, std::string> cases[] = {
      {"/dev/hidraw3", "hidraw3"},
      {"/dev/hidraw12", "hidraw12"},
      {"hidraw0", "hidraw0"},
      {"/dev/hidraw", ""},
      {"/dev/hidrawx", ""},
      {"/dev/input/event3", ""},
      {"1-2:1.0", ""},
  };
  for (const auto& [path, node] : cases)
    EXPECT_EQ(HidrawNodeName(path), node) << path;
}

TEST(SysfsReportDescriptor, ReadsTheNodesDescriptorFile) {
  testing::TempDir sysfs;
  const std::string bytes("\x06\x01\xFF\x09\x01\xA1\x01\xC0", 8);
  testing::WriteFile(sysfs / "class/hidraw/hidraw4/device/report_descriptor", bytes);
  const auto read = ReadSysfsReportDescriptor(sysfs.path(), "hidraw4");
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(std::string(read->begin(), read->end()), bytes);
  EXPECT_FALSE(ReadSysfsReportDescriptor(sysfs.path(), "hidraw5").has_value());
  EXPECT_FALSE(ReadSysfsReportDescriptor(sysfs.path(), "").has_value());
}

TEST(HidapiBus, AMissingNodeIsInvalidWithItsReason) {
  HidapiBus bus;
  const HidHandle missing = bus.Open("/dev/hidraw-devero-none", HidAccess::kWrite);
  EXPECT_TRUE(missing.IsInvalid());
  EXPECT_EQ(missing.error_number(), ENOENT);
  EXPECT_FALSE(missing.SetFeature(std::vector<uint8_t>{7, 0x20}));
}

TEST(HidapiBus, ANodeWithoutPermissionGivesEacces) {
  if (::geteuid() == 0) GTEST_SKIP() << "root opens any file";
  HidapiBus bus;
  testing::TempDir dir;
  testing::WriteFile(dir / "hidraw9", "");
  ::chmod((dir / "hidraw9").c_str(), 0);
  const HidHandle denied = bus.Open((dir / "hidraw9").string(), HidAccess::kRead);
  EXPECT_TRUE(denied.IsInvalid());
  EXPECT_EQ(denied.error_number(), EACCES);
}

TEST(HidapiBus, EnumeratesWhateverTheMachineHas) {
  HidapiBus bus;
  const HidEnumeration all = bus.Enumerate();
  for (int i = 0; i < all.size(); ++i) {
    if (const auto info = all.At(i)) {
      EXPECT_FALSE(info->path.empty());
    }
  }
  EXPECT_FALSE(all.At(all.size()).has_value());
}

}  // namespace
}  // namespace devero::hid

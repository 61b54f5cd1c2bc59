#include "device/discovery.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "device/usb_ids.h"
#include "platform/hid/simulated_hid_bus.h"
#include "platform/hid/simulated_mouse.h"
#include "platform/text/utf.h"

namespace devero {
namespace {

using hid::HidAccess;
using hid::HidInterfaceInfo;
using hid::SimulatedHidBus;
using hid::SimulatedMouse;

HidInterfaceInfo Other(int n, uint16_t vendor = 0x046D, uint16_t product = 0xC077) {
  HidInterfaceInfo info;
  info.path = "/dev/other" + std::to_string(n);
  info.vendor_id = vendor;
  info.product_id = product;
  info.caps = {0x01, 0x02, 5, 0, 0};
  return info;
}

void AddOthers(SimulatedHidBus& bus, int count) {
  for (int i = 0; i < count; ++i)
    bus.AddInterface(Other(i));
}

bool Opened(const SimulatedHidBus& bus, const std::string& path) {
  for (const auto& [p, access] : bus.OpenLog()) {
    if (p == path) return true;
  }
  return false;
}

class DiscoveryTest : public ::testing::Test {
 protected:
  SimulatedMouse mouse_{{kVendorId, kRegularProductId, 8, 8, {}}};
  SimulatedHidBus bus_;
  DeviceLink link_;
};

TEST_F(DiscoveryTest, FindsBothInterfacesOfTheMouse) {
  bus_.AddMachineWithMouse(mouse_);
  const DiscoveryResult r = FindDevice(bus_, link_);
  EXPECT_TRUE(r.connected);
  EXPECT_TRUE(link_.Connected());
  EXPECT_TRUE(r.open_failures.empty());
  EXPECT_EQ(link_.ProductVariant(), DeviceLink::kVariantRegular);
  EXPECT_TRUE(link_.ReadEndpoint().handle.IsOpen());
  EXPECT_TRUE(link_.WriteEndpoint().handle.IsOpen());
  EXPECT_EQ(link_.ReadEndpoint().caps.input_report_length, 8);
  EXPECT_EQ(link_.WriteEndpoint().caps.feature_report_length, 8);
  EXPECT_EQ(link_.DevicePath(), "/dev/hidraw2");  // the last interface that matched
  EXPECT_FALSE(Opened(bus_, "/dev/hidraw0"));     // the keyboard is only looked at
}

// Where the mouse's interfaces sit in the enumeration, and what the walk makes of it.
struct WalkCase {
  std::string name;
  int others_before;
  int gaps_before;
  bool input_interface;
  bool trailing_other;  // another device after the mouse
  bool connected;
  bool read_open;
  bool write_open;
};

class DiscoveryWalk : public DiscoveryTest, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(DiscoveryWalk, ExaminesExactlyTheFirstHundredIndexes) {
  const WalkCase& c = GetParam();
  AddOthers(bus_, c.others_before);
  for (int i = 0; i < c.gaps_before; ++i)
    bus_.AddGap();
  if (c.input_interface) bus_.AddMouseInputInterface(mouse_, "/dev/hidraw-in");
  bus_.AddMouseFeatureInterface(mouse_, "/dev/hidraw-feature");
  if (c.trailing_other) bus_.AddInterface(Other(999));

  const DiscoveryResult r = FindDevice(bus_, link_);
  EXPECT_EQ(r.connected, c.connected);
  EXPECT_EQ(link_.Connected(), c.connected);
  EXPECT_EQ(link_.ReadEndpoint().handle.IsOpen(), c.read_open);
  EXPECT_EQ(link_.WriteEndpoint().handle.IsOpen(), c.write_open);
  EXPECT_FALSE(link_.ReadEndpoint().handle.IsInvalid());
}

INSTANTIATE_TEST_SUITE_P(
    Machines, DiscoveryWalk,
    ::testing::Values(
        WalkCase{"GapsBeforeTheMouse", 3, 5, true, false, true, true, true},
        // Indexes 98 and 99 hold the mouse's two interfaces: still found.
        WalkCase{"MouseAtTheLastIndexes", 98, 0, true, false, true, true, true},
        // The feature interface sits at index 100: never examined; the last examined interface
        // (99, the input interface) belonged to the mouse, so the flag stays set.
        WalkCase{"FeatureInterfaceAtIndex100", 99, 0, true, false, true, true, false},
        // Gaps count as indexes too.
        WalkCase{"GapsPushTheMousePastIndex99", 50, 50, true, false, false, false, false},
        WalkCase{"OnlyTheFeatureInterfaceLast", 2, 1, false, false, true, false, true},
        WalkCase{"OnlyTheFeatureInterfaceThenAnother", 2, 1, false, true, false, false, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(DiscoveryTest, MouseBeyondIndex99IsNeverOpened) {
  AddOthers(bus_, 120);
  bus_.AddMachineWithMouse(mouse_);
  EXPECT_FALSE(FindDevice(bus_, link_).connected);
  EXPECT_TRUE(bus_.OpenLog().empty());
  EXPECT_EQ(link_.ProductVariant(), DeviceLink::kVariantUnknown);
  EXPECT_EQ(link_.DevicePath(), "");
}

TEST_F(DiscoveryTest, AlternativeProductIdIsFoundAndMarked) {
  SimulatedMouse needs_repair({kVendorId, kAlternativeProductId, 8, 8, {}});
  bus_.AddMachineWithMouse(needs_repair);
  EXPECT_TRUE(FindDevice(bus_, link_).connected);
  EXPECT_EQ(link_.ProductVariant(), DeviceLink::kVariantAlternative);
}

TEST_F(DiscoveryTest, SameVendorOtherProductIsIgnored) {
  bus_.AddInterface(Other(1, kVendorId, 0x0003));
  EXPECT_FALSE(FindDevice(bus_, link_).connected);
  EXPECT_TRUE(bus_.OpenLog().empty());
  EXPECT_EQ(link_.ProductVariant(), DeviceLink::kVariantUnknown);
}

TEST_F(DiscoveryTest, VariantKeepsTheValueOfAnEarlierDiscovery) {
  bus_.AddMachineWithMouse(mouse_);
  ASSERT_TRUE(FindDevice(bus_, link_).connected);
  mouse_.SetPresent(false);
  EXPECT_FALSE(FindDevice(bus_, link_).connected);
  EXPECT_EQ(link_.ProductVariant(), DeviceLink::kVariantRegular);
  // The old handles are dropped, not left behind as if open.
  EXPECT_TRUE(link_.ReadEndpoint().handle.IsNull());
  EXPECT_TRUE(link_.WriteEndpoint().handle.IsNull());
}

TEST_F(DiscoveryTest, RediscoveryReplacesBothHandles) {
  bus_.AddMachineWithMouse(mouse_);
  ASSERT_TRUE(FindDevice(bus_, link_).connected);
  const hid::HidHandle old_write = link_.WriteEndpoint().handle;
  mouse_.SetPresent(false);
  mouse_.SetPresent(true);
  ASSERT_TRUE(FindDevice(bus_, link_).connected);
  const std::vector<uint8_t> close = {7, 0x20, 0, 0, 0, 0, 0, 0};
  EXPECT_FALSE(old_write.SetFeature(close));
  EXPECT_TRUE(link_.WriteEndpoint().handle.SetFeature(close));
  std::vector<uint8_t> r(8, 0);
  mouse_.InjectInputReport(std::vector<uint8_t>{6, 3, 0});
  EXPECT_EQ(link_.ReadEndpoint().handle.ReadInput(r, 0).status, hid::HidReadStatus::kData);
}

// A mouse whose nodes may not be opened must not pass for a connected one.
TEST_F(DiscoveryTest, PermissionDeniedIsReportedNotConnected) {
  bus_.AddMachineWithMouse(mouse_);
  bus_.DenyOpen("/dev/hidraw1", EACCES);
  bus_.DenyOpen("/dev/hidraw2", EACCES);
  const DiscoveryResult r = FindDevice(bus_, link_);
  EXPECT_FALSE(r.connected);
  EXPECT_FALSE(link_.Connected());
  ASSERT_EQ(r.open_failures.size(), 2u);
  EXPECT_EQ(r.open_failures[0].path, "/dev/hidraw1");
  EXPECT_EQ(r.open_failures[0].access, HidAccess::kRead);
  EXPECT_EQ(r.open_failures[1].path, "/dev/hidraw2");
  EXPECT_EQ(r.open_failures[1].error_number, EACCES);
  // The invalid handles stay in the link (the close report looks at them).
  EXPECT_TRUE(link_.WriteEndpoint().handle.IsInvalid());

  const std::string text = Utf16ToUtf8(DeviceAccessWarning(r));
  EXPECT_NE(text.find("/dev/hidraw1: Permission denied"), std::string::npos) << text;
  EXPECT_NE(text.find("/dev/hidraw2"), std::string::npos);
  EXPECT_NE(text.find("70-devero.rules"), std::string::npos);
}

TEST_F(DiscoveryTest, OneDeniedInterfaceIsEnoughToRefuse) {
  bus_.AddMachineWithMouse(mouse_);
  bus_.DenyOpen("/dev/hidraw2", ENXIO);
  const DiscoveryResult r = FindDevice(bus_, link_);
  EXPECT_FALSE(r.connected);
  const std::string text = Utf16ToUtf8(DeviceAccessWarning(r));
  EXPECT_NE(text.find("/dev/hidraw2"), std::string::npos);
  EXPECT_EQ(text.find("udev"), std::string::npos);  // not a permission problem
  EXPECT_TRUE(DeviceAccessWarning(DiscoveryResult{true, {}}).empty());
}

}  // namespace
}  // namespace devero

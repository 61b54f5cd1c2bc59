#include "device/device_notification.h"

#include <gtest/gtest.h>

#include "support/simulated_device.h"

namespace devero {
namespace {

using hotplug::HotplugAction;
using hotplug::HotplugEvent;

TEST(IsOurDeviceNotification, MatchesTheStoredPathIgnoringCase) {
  DeviceLink link;
  link.SetDevicePath("/dev/HIDraw2");
  struct Case {
    HotplugEvent event;
    bool ours;
  };
  const Case cases[] = {
      {{HotplugAction::kRemoval, "hidraw", "/dev/HIDraw2"}, true},
      {{HotplugAction::kRemoval, "hidraw", "/dev/hidraw2"}, true},
      {{HotplugAction::kArrival, "hidraw", "/DEV/HIDRAW2"}, true},
      {{HotplugAction::kArrival, "hidraw", "/dev/hidraw3"}, false},
      {{HotplugAction::kArrival, "hidraw", "/dev/hidraw2 "}, false},
      {{HotplugAction::kArrival, "usb", "/dev/hidraw2"}, false},  // not a HID interface
      {{HotplugAction::kArrival, "hidraw", ""}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsOurDeviceNotification(c.event, link), c.ours)
        << c.event.subsystem << " " << c.event.device_path;
  }
  DeviceLink never_found;
  EXPECT_FALSE(IsOurDeviceNotification({HotplugAction::kArrival, "hidraw", ""}, never_found));
}

TEST(HandleDeviceNotification, RemovalClearsTheFlagAndKeepsTheHandles) {
  testing::SimulatedDevice d;
  ASSERT_TRUE(d.link.Connected());
  const auto other =
      HandleDeviceNotification({HotplugAction::kRemoval, "hidraw", "/dev/hidraw0"}, d.bus, d.link);
  EXPECT_EQ(other.outcome, DeviceNotificationOutcome::kIgnored);
  EXPECT_TRUE(d.link.Connected());

  const auto ours =
      HandleDeviceNotification({HotplugAction::kRemoval, "hidraw", "/dev/HIDRAW2"}, d.bus, d.link);
  EXPECT_EQ(ours.outcome, DeviceNotificationOutcome::kRemoved);
  EXPECT_FALSE(d.link.Connected());
  EXPECT_TRUE(d.link.WriteEndpoint().handle.IsOpen());
}

TEST(HandleDeviceNotification, ArrivalRediscoversOnlyWhileNotConnected) {
  testing::SimulatedDevice d;
  const HotplugEvent arrival{HotplugAction::kArrival, "hidraw", "/dev/hidraw2"};
  const std::size_t opens = d.bus.OpenLog().size();
  EXPECT_EQ(HandleDeviceNotification(arrival, d.bus, d.link).outcome,
            DeviceNotificationOutcome::kIgnored);
  EXPECT_EQ(d.bus.OpenLog().size(), opens);

  d.link.SetConnected(false);
  const auto again = HandleDeviceNotification(arrival, d.bus, d.link);
  EXPECT_EQ(again.outcome, DeviceNotificationOutcome::kRediscovered);
  ASSERT_TRUE(again.discovery.has_value());
  EXPECT_TRUE(again.discovery->connected);
  EXPECT_TRUE(d.link.Connected());

  d.link.SetConnected(false);
  const HotplugEvent change{HotplugAction::kOther, "hidraw", "/dev/hidraw2"};
  EXPECT_EQ(HandleDeviceNotification(change, d.bus, d.link).outcome,
            DeviceNotificationOutcome::kIgnored);
  EXPECT_FALSE(d.link.Connected());
}

}  // namespace
}  // namespace devero

#include <gtest/gtest.h>

#include <atomic>

#include "platform/hotplug/hotplug_event.h"
#include "platform/hotplug/udev_hotplug_monitor.h"

namespace devero::hotplug {
namespace {

TEST(HotplugEvent, TakesUdevActions) {
  struct Case {
    const char* action;
    HotplugAction expected;
  };
  const Case cases[] = {{"add", HotplugAction::kArrival},
                        {"remove", HotplugAction::kRemoval},
                        {"change", HotplugAction::kOther},
                        {"bind", HotplugAction::kOther},
                        {nullptr, HotplugAction::kOther}};
  for (const Case& c : cases) {
    const HotplugEvent e = MakeHotplugEvent(c.action, "hidraw", "/dev/hidraw2");
    EXPECT_EQ(e.action, c.expected) << (c.action ? c.action : "null");
    EXPECT_EQ(e.device_path, "/dev/hidraw2");
  }
  const HotplugEvent bare = MakeHotplugEvent("add", nullptr, nullptr);
  EXPECT_EQ(bare.subsystem, "");
  EXPECT_EQ(bare.device_path, "");
}

TEST(UdevHotplugMonitor, StartsAndStopsPromptly) {
  std::string error;
  auto monitor = UdevHotplugMonitor::Create(&error);
  if (!monitor) GTEST_SKIP() << "no udev here: " << error;
  EXPECT_GE(monitor->Fd(), 0);
  for (const HotplugEvent& e : monitor->ReadEvents())
    EXPECT_EQ(e.subsystem, "hidraw");
  // Stopping wakes the thread out of its wait; it can be started again.
  std::atomic<int> events{0};
  monitor->Start([&](const HotplugEvent&) { ++events; });
  monitor->Stop();
  monitor->Start([&](const HotplugEvent&) { ++events; });
  monitor.reset();  // the destructor stops the thread as well
}

}  // namespace
}  // namespace devero::hotplug

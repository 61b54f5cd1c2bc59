// The reader's and the poller's decisions, one pass at a time on the test thread (which owns
// the owner queue, so owner calls run at once).
#include <gtest/gtest.h>

#include <cerrno>

#include "device/owner_queue.h"
#include "device/poller_thread.h"
#include "device/reader_thread.h"
#include "fake_device_event_actions.h"
#include "support/simulated_device.h"

namespace devero {
namespace {

using Bytes = std::vector<uint8_t>;

class EventLogicTest : public ::testing::Test {
 protected:
  EventLogicTest() {
    // Button 0 (map 1) is a DPI button in profile 0; button 2 (map 3) plays multimedia index 4;
    // button 4 (map 5) switches to profile 2, where the same button plays multimedia index 2.
    actions_.SetDpiButton(0, 0);
    actions_.SetFunction(0, 0, 16);
    actions_.SetFunction(0, 2, 27);
    actions_.SetFunction(0, 3, 24);
    actions_.SetFunction(0, 4, 21);
    actions_.SetFunction(2, 4, 25);
  }

  void Report(Bytes report) { reader_.HandleReport(report, {}); }
  void Poll() { poller_.PollOnce({}); }

  testing::SimulatedDevice d_;
  DeviceEventFlags flags_;
  OwnerQueue owner_;
  testing::FakeDeviceEventActions actions_;
  DeviceEventContext ctx_{d_.link, d_.transport, flags_, owner_, actions_, d_.clock};
  ReaderThread reader_{ctx_};
  PollerThread poller_{ctx_};
};

TEST_F(EventLogicTest, AReleaseOnlyMarksADpiReport) {
  Report({6, 0xF3, 0x80});
  EXPECT_TRUE(flags_.Current().dpi_pending);
  EXPECT_FALSE(flags_.Current().press_pending);
  Poll();
  EXPECT_TRUE(actions_.DpiLevels().empty());  // button 2 is no DPI button
  EXPECT_TRUE(d_.mouse.ConsumerKeys().empty());
  Report({6, 0xF3, 0x00});
  EXPECT_FALSE(flags_.Current().dpi_pending);
  EXPECT_TRUE(flags_.Current().press_pending);
}

TEST_F(EventLogicTest, ADpiButtonReportSetsTheLevel) {
  Report({6, 0xF1, 0x85});
  Poll();
  EXPECT_EQ(actions_.DpiLevels(), (std::vector<int>{5}));
  EXPECT_FALSE(flags_.Current().dpi_pending);
  EXPECT_FALSE(flags_.Current().press_pending);
  EXPECT_TRUE(d_.mouse.ConsumerKeys().empty());  // "DPI +" plays nothing
}

TEST_F(EventLogicTest, TwoPressesBeforeThePollerCountAsTheFirst) {
  Report({6, 0xF3, 0x00});
  Report({6, 0xF4, 0x00});
  Poll();
  EXPECT_EQ(d_.mouse.ConsumerKeys(), (std::vector<uint16_t>{0x0C04}));
  Report({6, 0xF4, 0x00});
  Poll();
  EXPECT_EQ(d_.mouse.ConsumerKeys(), (std::vector<uint16_t>{0x0C04, 0x0C01}));
}

TEST_F(EventLogicTest, AProfileButtonReReadsTheProfileBeforeTheFunction) {
  d_.mouse.WriteMemory(1, Bytes{0x03 + 2 * 32});  // the mouse has switched to profile 2
  Report({6, 0xF5, 0x00});
  Poll();
  EXPECT_EQ(actions_.ProfileSwitches(), (std::vector<int>{2}));
  EXPECT_EQ(d_.mouse.ConsumerKeys(), (std::vector<uint16_t>{0x0C02}));
}

TEST_F(EventLogicTest, AProfileChangeReportReloadsTheMousesProfile) {
  d_.mouse.WriteMemory(1, Bytes{0x03 + 3 * 32});
  Report({6, 0x03, 0x00});
  EXPECT_EQ(actions_.ProfileSwitches(), (std::vector<int>{3}));
  EXPECT_EQ(actions_.CurrentProfile(), 3);
}

TEST_F(EventLogicTest, MacroRequestsRememberTheirDirection) {
  Report({6, 0x20, 0x00});  // a repeat before any direction: 0
  Report({6, 0x01, 0x00});
  Report({6, 0x10, 0x00});
  Report({6, 0xF0, 0x00});  // nothing
  Report({6, 0x02, 0x00});
  Report({6, 0x00, 0x00});
  EXPECT_EQ(actions_.Redownloads(), (std::vector<int>{0, 1, 1, 0, 0}));
}

TEST_F(EventLogicTest, ForeignAndShortReportsAreSkipped) {
  const Bytes reports[] = {{}, {6}, {6, 0xF1}, {5, 0xF1, 0x00}, {0, 0x03, 0x00}, {7, 0x01, 0}};
  for (const Bytes& r : reports)
    Report(r);
  const auto f = flags_.Current();
  EXPECT_FALSE(f.dpi_pending);
  EXPECT_FALSE(f.press_pending);
  EXPECT_TRUE(actions_.Redownloads().empty());
  EXPECT_TRUE(actions_.ProfileSwitches().empty());
  EXPECT_EQ(d_.mouse.FeatureGetCount(), 0);
}

// A DPI report that comes after a press but before the poller neither takes the press's event
// code nor loses its own stage.
TEST_F(EventLogicTest, APressAndADpiReportInOnePassAreBothHandled) {
  Report({6, 0xF3, 0x00});
  Report({6, 0xF1, 0x82});
  Poll();
  EXPECT_EQ(actions_.DpiLevels(), (std::vector<int>{2}));
  EXPECT_EQ(d_.mouse.ConsumerKeys(), (std::vector<uint16_t>{0x0C04}));
}

TEST_F(EventLogicTest, ButtonsSharingAMapNumberAreAllHandled) {
  actions_.SetKeyMap(3, 3);  // button 3 also sits in device slot 3
  Report({6, 0xF3, 0x00});
  Poll();
  EXPECT_EQ(d_.mouse.ConsumerKeys(), (std::vector<uint16_t>{0x0C04, 0x0C01}));
}

// Whatever the read gives, one pass ends with exactly one 2 ms pause: no spinning.
TEST(ReaderPacing, EveryPassPausesOnce) {
  struct Case {
    std::string name;
    std::function<void(testing::SimulatedDevice&)> arrange;
  };
  const std::vector<Case> cases = {
      {"NeverDiscovered", [](testing::SimulatedDevice& d) { d.link.SetReadEndpoint({}); }},
      {"OpenFailed",
       [](testing::SimulatedDevice& d) {
         d.bus.DenyOpen("/dev/hidraw1", EACCES);
         FindDevice(d.bus, d.link);
       }},
      {"DeviceVanished", [](testing::SimulatedDevice& d) { d.mouse.SetPresent(false); }},
      {"ShortReport", [](testing::SimulatedDevice& d) { d.mouse.InjectInputReport(Bytes{6}); }},
      {"OtherReportId",
       [](testing::SimulatedDevice& d) {
         d.mouse.InjectInputReport(Bytes{2, 0xF1, 0});
       }},
      {"NoReportInTime", [](testing::SimulatedDevice&) {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::SimulatedDevice d;
    c.arrange(d);
    DeviceEventFlags flags;
    OwnerQueue owner;
    testing::FakeDeviceEventActions actions;
    VirtualClock pace;
    ReaderThread reader({d.link, d.transport, flags, owner, actions, pace});
    reader.RunOnce({});
    reader.RunOnce({});
    EXPECT_EQ(pace.Sleeps(), (std::vector<int>{2, 2}));
    PollerThread poller({d.link, d.transport, flags, owner, actions, pace});
    pace.ClearSleeps();
    poller.RunOnce({});
    EXPECT_EQ(pace.Sleeps(), (std::vector<int>{2}));
  }
}

}  // namespace
}  // namespace devero

// The reader and the poller on their own threads against the simulated mouse, with the test
// thread as the owner that pumps the queue. Also run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>

#include "device/dpi_level_message.h"
#include "device/owner_queue.h"
#include "device/poller_thread.h"
#include "device/reader_thread.h"
#include "fake_device_event_actions.h"
#include "platform/clock/clock.h"
#include "support/owner_pump.h"
#include "support/simulated_device.h"

namespace devero {
namespace {

using Bytes = std::vector<uint8_t>;

class DeviceThreadsTest : public ::testing::Test {
 protected:
  DeviceThreadsTest() {
    // Device slot 1: DPI up; slot 3: multimedia; slot 5: profile 2 (profile 0) and back to
    // profile 0 (profile 2). The program's tables say the same for buttons 0, 2 and 4.
    d_.mouse.WriteMemory(8, Bytes{0x20 | 11, 0x21, 0x20 | 15, 0x21, 0x20 | 25});
    d_.mouse.WriteMemory(80, Bytes{0x20 | 11, 0x21, 0x20 | 15, 0x21, 0x20 | 23});
    d_.mouse.WriteMemory(25, Bytes{0x3F});
    for (int p : {0, 2}) {
      actions_.SetDpiButton(p, 0);
      actions_.SetFunction(p, 0, 16);
    }
    actions_.SetFunction(0, 2, 27);
    actions_.SetFunction(2, 2, 30);
    actions_.SetFunction(0, 4, 21);
    actions_.SetFunction(2, 4, 19);
    owner_.SetWakeup([this] { ++wakeups_; });
  }

  void StartThreads() {
    reader_.Start();
    poller_.Start();
  }

  bool PumpUntil(const std::function<bool()>& done) { return testing::PumpUntil(owner_, done); }

  // A press that comes while the poller still handles the previous one counts as that one;
  // the user's next press waits for the poller.
  bool Settle() {
    return PumpUntil([&] {
      const auto f = flags_.Current();
      return !f.press_pending && !f.dpi_pending;
    });
  }

  testing::SimulatedDevice d_;
  DeviceEventFlags flags_;
  OwnerQueue owner_;
  testing::FakeDeviceEventActions actions_;
  RealClock pace_;
  DeviceEventContext ctx_{d_.link, d_.transport, flags_, owner_, actions_, pace_};
  ReaderThread reader_{ctx_};
  PollerThread poller_{ctx_};
  std::atomic<int> wakeups_{0};
};

TEST_F(DeviceThreadsTest, ButtonsOnTheMouseReachTheOwner) {
  StartThreads();
  d_.mouse.PressButton(1);
  ASSERT_TRUE(PumpUntil([&] { return !actions_.DpiLevels().empty(); }));
  EXPECT_EQ(actions_.DpiLevels(), (std::vector<int>{1}));
  ASSERT_TRUE(Settle());

  d_.mouse.PressButton(3);
  ASSERT_TRUE(PumpUntil([&] { return !d_.mouse.ConsumerKeys().empty(); }));
  EXPECT_EQ(d_.mouse.ConsumerKeys(), (std::vector<uint16_t>{0x0C04}));
  ASSERT_TRUE(Settle());

  d_.mouse.PressButton(5);
  ASSERT_TRUE(PumpUntil([&] { return actions_.CurrentProfile() == 2; }));
  ASSERT_TRUE(Settle());
  d_.mouse.PressButton(3);  // the new profile's multimedia key
  ASSERT_TRUE(PumpUntil([&] { return d_.mouse.ConsumerKeys().size() == 2; }));
  EXPECT_EQ(d_.mouse.ConsumerKeys().back(), 0x0C07);

  reader_.Stop();
  poller_.Stop();
  for (int p : actions_.ProfileSwitches())
    EXPECT_EQ(p, 2);
  EXPECT_EQ(actions_.OwnerCallThreads(), std::set<std::thread::id>{std::this_thread::get_id()});
}

TEST_F(DeviceThreadsTest, StoppingNeverWaitsForAnOwnerThatDoesNotPump) {
  StartThreads();
  d_.mouse.WriteMemory(1, Bytes{0x03 + 32});
  d_.mouse.InjectInputReport(Bytes{6, 0x03, 0x00});  // the reader hands a reload to the owner
  while (wakeups_ == 0)
    std::this_thread::yield();
  reader_.Stop();  // the owner never ran the call: it is dropped, the thread joins
  poller_.Stop();
  EXPECT_EQ(owner_.RunPending(), 0);
  EXPECT_TRUE(actions_.ProfileSwitches().empty());
}

TEST_F(DeviceThreadsTest, FloodsAndJunkDoNotStopTheReader) {
  StartThreads();
  const Bytes junk[] = {{}, {6}, {6, 0xF1}, {9, 0xF1, 0x00}, {6, 0xF0, 0x00}, Bytes(200, 6)};
  for (int round = 0; round < 200; ++round) {
    for (const Bytes& j : junk)
      d_.mouse.InjectInputReport(j);
  }
  d_.mouse.PressButton(1);
  ASSERT_TRUE(PumpUntil([&] { return !actions_.DpiLevels().empty(); }));
  // The 200-byte report of ID 6 and code 6 asked for macro re-downloads, on the reader's thread.
  EXPECT_FALSE(actions_.Redownloads().empty());
  reader_.Stop();
  EXPECT_EQ(actions_.RedownloadThreads().count(std::this_thread::get_id()), 0u);
}

TEST_F(DeviceThreadsTest, AVanishedMouseFoundAgainIsReadAgain) {
  StartThreads();
  d_.mouse.SetPresent(false);  // every read fails at once now; the reader keeps pacing
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  d_.mouse.SetPresent(true);
  ASSERT_TRUE(FindDevice(d_.bus, d_.link).connected);  // while the reader runs
  d_.mouse.PressButton(1);
  ASSERT_TRUE(PumpUntil([&] { return !actions_.DpiLevels().empty(); }));
}

TEST_F(DeviceThreadsTest, TheOwnersCommandsAndTheThreadsShareTheTransport) {
  StartThreads();
  for (int i = 0; i < 20; ++i) {
    d_.mouse.PressButton(i % 2 == 0 ? 3 : 1);
    OnDpiLevelMessage(d_.transport, actions_);
    owner_.RunPending();
  }
  ASSERT_TRUE(PumpUntil([&] { return d_.mouse.ConsumerKeys().size() >= 1; }));
  reader_.Stop();
  poller_.Stop();
  EXPECT_EQ(d_.mouse.ApplyCount(), 20);
  EXPECT_EQ(actions_.DpiLevelLoads(), 20);
}

}  // namespace
}  // namespace devero

#include "device/transport.h"

#include <gtest/gtest.h>

#include <numeric>
#include <thread>

#include "device/trace_writer.h"
#include "support/simulated_device.h"
#include "trace_capture.h"

namespace devero {
namespace {

using Lines = std::vector<std::string>;
using Bytes = std::vector<uint8_t>;

class TransportTest : public ::testing::Test {
 protected:
  TransportTest() { d_.transport.SetObserver(&trace_.writer()); }

  int SleepTotal() const {
    const auto sleeps = d_.clock.Sleeps();
    return std::accumulate(sleeps.begin(), sleeps.end(), 0);
  }
  int Count(char kind) const {
    int n = 0;
    for (const std::string& line : trace_.Lines())
      n += line[0] == kind;
    return n;
  }

  testing::SimulatedDevice d_;
  testing::TraceCapture trace_;
};

TEST_F(TransportTest, OneByteWriteIsStageCommitEnd) {
  EXPECT_TRUE(d_.transport.WriteDeviceBytes(8, Bytes{0x21}));
  EXPECT_EQ(trace_.Lines(), (Lines{"S 07 18 03 00 08 00 21 00", "W 4", "S 07 18 09 00 08 00 00 00",
                                   "W 2", "S 07 18 00 00 08 00 00 00"}));
  EXPECT_EQ(d_.clock.Sleeps(), (std::vector<int>{4, 2}));
  EXPECT_EQ(d_.mouse.MemoryByte(8), 0x21);
}

TEST_F(TransportTest, ReadClearsTheStagingThenReadsByteByByte) {
  d_.mouse.WriteMemory(24, Bytes{0x1B, 0x3F});
  d_.mouse.WriteMemory(0x0118, Bytes{0x77});  // staging cleared without a commit: untouched
  Bytes got(2, 0);
  EXPECT_TRUE(d_.transport.ReadDeviceBytes(24, got));
  EXPECT_EQ(got, (Bytes{0x1B, 0x3F}));
  EXPECT_EQ(
      trace_.Lines(),
      (Lines{"S 07 18 03 00 18 00 00 01", "W 2", "S 07 18 03 01 18 00 00 01", "W 2", "W 2",
             "S 07 18 00 00 18 00 00 00", "S 07 18 05 00 18 00 00 01", "W 2",
             "G 07 18 05 00 18 00 00 01 > 07 1b 05 00 18 00 00 01", "S 07 18 05 01 18 00 00 01",
             "W 2", "G 07 18 05 01 18 00 00 01 > 07 3f 05 01 18 00 00 01", "W 2",
             "S 07 18 00 00 00 00 00 00"}));
  EXPECT_EQ(d_.mouse.MemoryByte(24), 0x1B);
}

TEST_F(TransportTest, ReportCountsAndDelaysGrowWithTheLength) {
  for (int n : {1, 8, 256}) {
    SCOPED_TRACE(n);
    trace_.Clear();
    d_.clock.ClearSleeps();
    Bytes data(static_cast<std::size_t>(n));
    std::iota(data.begin(), data.end(), uint8_t{1});
    d_.transport.WriteDeviceBytes(0x0400, data);
    EXPECT_EQ(Count('S'), n + 2);
    EXPECT_EQ(SleepTotal(), 6);

    trace_.Clear();
    d_.clock.ClearSleeps();
    Bytes back(static_cast<std::size_t>(n));
    d_.transport.ReadDeviceBytes(0x0400, back);
    EXPECT_EQ(back, data);
    EXPECT_EQ(Count('S'), 2 * n + 2);
    EXPECT_EQ(Count('G'), n);
    EXPECT_EQ(SleepTotal(), 4 * n + 4);  // 36 ms for 8 bytes
  }
}

TEST_F(TransportTest, LongerBlocksGoInPiecesOf256) {
  Bytes data(600);
  for (std::size_t i = 0; i < data.size(); ++i)
    data[i] = static_cast<uint8_t>(i * 7);
  d_.transport.WriteDeviceBytes(0x1000, data);
  EXPECT_EQ(d_.mouse.ReadMemory(0x1000, 600), data);
  EXPECT_EQ(Count('S'), 600 + 3 * 2);
  Bytes back(600);
  EXPECT_TRUE(d_.transport.ReadDeviceBytes(0x1000, back));
  EXPECT_EQ(back, data);
  EXPECT_FALSE(d_.transport.WriteDeviceBytes(0, Bytes{}));
}

TEST_F(TransportTest, ApplyOpeningGetAndDelay) {
  d_.transport.ApplyDeviceSettings();
  d_.transport.Delay(2);
  EXPECT_EQ(trace_.Lines(),
            (Lines{"S 07 18 10 00 00 00 00 00", "W 5", "S 07 18 00 00 00 00 00 00", "W 2"}));
  EXPECT_EQ(d_.mouse.ApplyCount(), 1);
  {
    testing::SimulatedDevice fresh;
    testing::TraceCapture t;
    fresh.transport.SetObserver(&t.writer());
    fresh.transport.GetDownloadOpeningReport();
    EXPECT_EQ(t.Lines(), (Lines{"G 07 00 00 00 00 00 00 00 > 07 00 00 00 00 00 00 00"}));
  }
}

// Bytes a command does not set keep what the last report or reply left.
TEST_F(TransportTest, CommandsCarryOverTheBytesTheyDoNotSet) {
  d_.transport.WriteDeviceBytes(0x1234, Bytes{0x55});  // leaves 34 12 in bytes 4-5
  d_.mouse.WriteMemory(1, Bytes{0x03 + 2 * 32});
  trace_.Clear();
  d_.transport.SendDpiColorQuickSet(2, {3, 5, 15});
  d_.transport.SendConsumerKey(0x00E9);
  d_.transport.SendCloseReport();
  EXPECT_EQ(d_.transport.QueryCurrentProfile(), 2);
  d_.transport.SendDpiColorQuickSet(0, {0, 0, 0});  // byte 6 now from the reply
  EXPECT_EQ(
      trace_.Lines(),
      (Lines{"S 07 14 45 3f 34 12 00 00", "S 07 17 00 e9 34 12 00 00", "S 07 20 00 00 34 12 00 00",
             "G 07 20 00 00 34 12 00 00 > 07 20 00 00 34 12 08 00", "S 07 14 00 00 34 12 08 00"}));
  EXPECT_EQ(d_.mouse.ConsumerKeys(), (std::vector<uint16_t>{0x00E9}));
}

TEST(TransportFirstReport, ConsumerKeyAsTheFirstReportStillCarriesReportId7) {
  testing::SimulatedDevice d;
  testing::TraceCapture trace;
  d.transport.SetObserver(&trace.writer());
  d.transport.SendConsumerKey(0x0223);
  EXPECT_EQ(trace.Lines(), (Lines{"S 07 17 02 23 00 00 00 00"}));
  EXPECT_EQ(d.mouse.ConsumerKeys(), (std::vector<uint16_t>{0x0223}));
}

TEST_F(TransportTest, QuickSetBytes) {
  struct Case {
    LightingQuickSet lighting;
    std::string line;
  };
  const Case cases[] = {
      {{{1, 0, 1, 0, 0, 0, 1}, 1, 3, 2, 0, 1, 2, 5}, "S 07 13 c5 b2 6b 05 00 02"},
      // Every field beyond its range wraps or is masked as the mouse expects.
      {{{1, 1, 1, 1, 1, 1, 1}, 1, 14, 7, 0, 1, 7, 9}, "S 07 13 ff 67 7b 01 00 02"},
  };
  for (const Case& c : cases) {
    trace_.Clear();
    d_.transport.SendLightingQuickSet(c.lighting);
    EXPECT_EQ(trace_.Lines(), Lines{c.line});
  }
  trace_.Clear();
  d_.transport.SendDpiColorQuickSet(5, {15, 15, 15});
  d_.transport.SendDpiColorQuickSet(7, {1, 15, 2});
  EXPECT_EQ(trace_.Lines(), (Lines{"S 07 14 af ff 7b 01 00 02", "S 07 14 ef 12 7b 01 00 02"}));
}

TEST_F(TransportTest, QueryCurrentProfileFollowsTheMouse) {
  for (int p : {3, 0, 1, 2}) {
    d_.mouse.WriteMemory(1, Bytes{uint8_t(0x03 + p * 32)});
    EXPECT_EQ(d_.transport.QueryCurrentProfile(), p);
  }
}

TEST(TransportCloseReport, InvalidHandleSkipsItNullHandleSendsIt) {
  // Never discovered: the handle is null, the report is sent and fails.
  DeviceLink never;
  VirtualClock clock;
  DeviceTransport none(never, clock);
  testing::TraceCapture trace;
  none.SetObserver(&trace.writer());
  none.SendCloseReport();
  EXPECT_EQ(trace.Lines(), (Lines{"S 07 20 00 00 00 00 00 00"}));

  // Discovered but not opened: the handle is invalid, nothing is sent.
  testing::SimulatedDevice denied;
  denied.bus.DenyOpen("/dev/hidraw2", EACCES);
  FindDevice(denied.bus, denied.link);
  ASSERT_TRUE(denied.link.WriteEndpoint().handle.IsInvalid());
  testing::TraceCapture denied_trace;
  denied.transport.SetObserver(&denied_trace.writer());
  denied.transport.SendCloseReport();
  EXPECT_TRUE(denied_trace.Lines().empty());

  testing::SimulatedDevice present;
  present.transport.SendCloseReport();
  EXPECT_EQ(present.mouse.CloseReportCount(), 1);
}

TEST(TransportMissingMouse, EveryCommandReturnsAndSendsNothingAnywhere) {
  testing::SimulatedDevice d;
  d.mouse.SetPresent(false);
  Bytes got(3, 0xEE);
  // A failed get leaves byte 1 of the read request (0x18) as the data byte; the result says so.
  EXPECT_FALSE(d.transport.ReadDeviceBytes(24, got));
  EXPECT_EQ(got, (Bytes{0x18, 0x18, 0x18}));
  EXPECT_FALSE(d.transport.WriteDeviceBytes(8, Bytes{1, 2}));
  d.transport.ApplyDeviceSettings();
  d.transport.SendLightingQuickSet({});
  d.transport.SendDpiColorQuickSet(1, {1, 1, 1});
  d.transport.SendConsumerKey(0xE9);
  d.transport.SendCloseReport();
  d.transport.GetDownloadOpeningReport();
  EXPECT_EQ(d.transport.QueryCurrentProfile(), 0);
  d.mouse.SetPresent(true);
  EXPECT_EQ(d.mouse.FeatureSetCount(), 0);
  EXPECT_EQ(d.mouse.MemoryByte(8), 0);
}

TEST(TransportReportLength, TheWholeInterfaceLengthIsSent) {
  testing::SimulatedDevice d(kRegularProductId, 65);
  struct Sizes : TransportObserver {
    void OnFeatureSet(std::span<const uint8_t> r) override { sizes.push_back(r.size()); }
    void OnFeatureGet(std::span<const uint8_t>, std::span<const uint8_t> r) override {
      sizes.push_back(r.size());
    }
    void OnDelay(int) override {}
    std::vector<std::size_t> sizes;
  } sizes;
  d.transport.SetObserver(&sizes);
  d.transport.WriteDeviceBytes(0x20, Bytes{9});
  Bytes back(1);
  d.transport.ReadDeviceBytes(0x20, back);
  EXPECT_EQ(back[0], 9);
  ASSERT_FALSE(sizes.sizes.empty());
  for (std::size_t s : sizes.sizes)
    EXPECT_EQ(s, 65u);
}

// Sequences from several threads never interleave (run under TSan as well).
TEST(TransportThreads, WholeSequencesAreSerialised) {
  testing::SimulatedDevice d;
  struct Threads : TransportObserver {
    void OnFeatureSet(std::span<const uint8_t>) override {
      ids.push_back(std::this_thread::get_id());
    }
    void OnFeatureGet(std::span<const uint8_t>, std::span<const uint8_t>) override {
      ids.push_back(std::this_thread::get_id());
    }
    void OnDelay(int) override { ids.push_back(std::this_thread::get_id()); }
    std::vector<std::thread::id> ids;
  } events;
  d.transport.SetObserver(&events);
  constexpr int kWrites = 50;
  auto writer = [&](uint16_t base) {
    for (int i = 0; i < kWrites; ++i) {
      const Bytes block(8, static_cast<uint8_t>(base >> 8));
      d.transport.WriteDeviceBytes(static_cast<uint16_t>(base + 8 * i), block);
    }
  };
  std::thread a(writer, uint16_t{0x1000});
  std::thread b(writer, uint16_t{0x2000});
  const std::thread::id writer_a = a.get_id();
  const std::thread::id writer_b = b.get_id();
  std::thread c([&] {
    for (int i = 0; i < 20; ++i)
      d.transport.QueryCurrentProfile();
  });
  a.join();
  b.join();
  c.join();
  // An 8-byte write is 12 events (10 reports, 2 delays): every unbroken run of a writer's
  // events is a whole number of writes.
  std::size_t i = 0;
  while (i < events.ids.size()) {
    std::size_t n = 1;
    while (i + n < events.ids.size() && events.ids[i + n] == events.ids[i])
      ++n;
    if (events.ids[i] == writer_a || events.ids[i] == writer_b) {
      EXPECT_EQ(n % 12, 0u) << "run at event " << i;
    }
    i += n;
  }
  EXPECT_EQ(events.ids.size(), 2u * kWrites * 12 + 20);
  EXPECT_EQ(d.mouse.ReadMemory(0x1000, 8 * kWrites), Bytes(8 * kWrites, 0x10));
  EXPECT_EQ(d.mouse.ReadMemory(0x2000, 8 * kWrites), Bytes(8 * kWrites, 0x20));
}

}  // namespace
}  // namespace devero

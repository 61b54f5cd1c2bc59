#include "device/dpi_level_message.h"

#include <gtest/gtest.h>

#include "device/trace_writer.h"
#include "fake_device_event_actions.h"
#include "support/simulated_device.h"
#include "trace_capture.h"

namespace devero {
namespace {

using Lines = std::vector<std::string>;

class DpiLevelMessageTest : public ::testing::Test {
 protected:
  DpiLevelMessageTest() {
    d_.transport.SetObserver(&trace_.writer());
    actions_.on_load_dpi_level = [this] { lines_at_load_ = trace_.Lines().size(); };
  }
  Lines Tail(std::size_t n) const {
    const Lines all = trace_.Lines();
    return Lines(all.end() - static_cast<long>(std::min(n, all.size())), all.end());
  }

  testing::SimulatedDevice d_;
  testing::TraceCapture trace_;
  testing::FakeDeviceEventActions actions_;
  std::size_t lines_at_load_ = 0;
};

TEST_F(DpiLevelMessageTest, RefreshesTheStageColourAndLightingThenApplies) {
  d_.mouse.WriteMemory(24, std::vector<uint8_t>{0x18 + 3});
  OnDpiLevelMessage(d_.transport, actions_);
  // Stage 3 has the colour levels r 3, g 4, b 5; the lighting: colours 0 and 1, type 2.
  EXPECT_EQ(Tail(6), (Lines{"S 07 14 64 35 00 00 00 00", "S 07 13 83 a0 0b 00 00 02", "W 2",
                            "S 07 18 10 00 00 00 00 00", "W 5", "S 07 18 00 00 00 00 00 00"}));
  // An 8-byte read (44 lines) came first; the level is taken from the file before the apply.
  EXPECT_EQ(trace_.Lines().size(), 44u + 6u);
  EXPECT_EQ(lines_at_load_, 44u + 3u);
  EXPECT_EQ(actions_.DpiLevelLoads(), 1);
  EXPECT_EQ(d_.mouse.MemoryByte(24), 0x18 + 3);  // the mouse's stage is left alone
  EXPECT_EQ(d_.mouse.ApplyCount(), 1);
}

TEST_F(DpiLevelMessageTest, AStageBeyondTheSixGetsNoColour) {
  d_.mouse.WriteMemory(24, std::vector<uint8_t>{0x18 + 7});
  OnDpiLevelMessage(d_.transport, actions_);
  for (const std::string& line : trace_.Lines())
    EXPECT_NE(line.rfind("S 07 14", 0), 0u) << line;
  EXPECT_EQ(Tail(5)[0], "S 07 13 83 a0 0b 00 00 02");
  EXPECT_EQ(d_.mouse.ApplyCount(), 1);
}

}  // namespace
}  // namespace devero

#include "device/trace_writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/temp_dir.h"

namespace devero {
namespace {

TEST(TraceWriter, WritesOneLinePerEventWithTheFirstEightBytes) {
  std::ostringstream out;
  TraceWriter trace(out);
  std::vector<uint8_t> set(65, 0xFF);
  const uint8_t head[] = {0x07, 0x18, 0x03, 0x00, 0x08, 0x00, 0x01, 0x07};
  std::copy(std::begin(head), std::end(head), set.begin());
  trace.OnFeatureSet(set);
  const std::vector<uint8_t> sent = {0x07, 0x18, 0x05, 0x00, 0x08, 0x00, 0x00, 0x07};
  const std::vector<uint8_t> reply = {0x07, 0x01, 0x05, 0x00, 0x08, 0x00, 0x00, 0x07, 0xAA};
  trace.OnFeatureGet(sent, reply);
  trace.OnDelay(2);
  trace.OnDelay(5);
  EXPECT_EQ(out.str(),
            "S 07 18 03 00 08 00 01 07\n"
            "G 07 18 05 00 08 00 00 07 > 07 01 05 00 08 00 00 07\n"
            "W 2\n"
            "W 5\n");
}

TEST(TraceWriter, OpensItsOwnFile) {
  testing::TempDir dir;
  {
    std::string error;
    auto trace = TraceWriter::OpenFile(dir / "trace.txt", &error);
    ASSERT_NE(trace, nullptr) << error;
    trace->OnDelay(4);
  }
  EXPECT_EQ(testing::ReadFile(dir / "trace.txt"), "W 4\n");
  std::string error;
  EXPECT_EQ(TraceWriter::OpenFile(dir / "no" / "such" / "trace.txt", &error), nullptr);
  EXPECT_NE(error.find("trace.txt"), std::string::npos);
}

}  // namespace
}  // namespace devero

// devero-cli apply and read on the simulated mouse, run as a program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "platform/ini/ini_file.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

using testing::ReadFile;
using testing::RunCommand;
using testing::TempDir;
using testing::WriteFile;
using Bytes = std::vector<uint8_t>;

// "S" and eight bytes, "G", eight bytes, ">" and eight bytes, or "W" and a number of ms.
bool IsTraceLine(const std::string& line) {
  std::istringstream in(line);
  std::string kind, word;
  in >> kind;
  auto bytes = [&](int n) {
    for (int i = 0; i < n; ++i) {
      if (!(in >> word) || word.size() != 2 ||
          word.find_first_not_of("0123456789abcdef") != std::string::npos) {
        return false;
      }
    }
    return true;
  };
  bool ok = false;
  if (kind == "S") ok = bytes(8);
  if (kind == "G") ok = bytes(8) && (in >> word) && word == ">" && bytes(8);
  if (kind == "W") ok = (in >> word) && word.find_first_not_of("0123456789") == std::string::npos;
  return ok && !(in >> word) && line.find("  ") == std::string::npos;
}

class CliDeviceTest : public ::testing::Test {
 protected:
  CliDeviceTest() {
    ::unsetenv("DISPLAY");  // leave the desktop's pointer alone
    testing::InstallFactoryData(root_.path());
  }

  testing::CommandResult Cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--root", root_.path().string()});
    return RunCommand(DEVERO_CLI, args);
  }
  std::string Memory() const { return (root_ / "memory.bin").string(); }
  Bytes MemoryBytes(size_t at, size_t n) const {
    const std::string image = ReadFile(root_ / "memory.bin");
    return Bytes(image.begin() + static_cast<long>(at), image.begin() + static_cast<long>(at + n));
  }
  std::filesystem::path ProductFile() const { return root_ / "skins" / "config" / "config.ini"; }

  TempDir root_;
};

TEST_F(CliDeviceTest, ApplyDownloadsTheFactoryProfiles) {
  const auto r = Cli({"--simulate=" + Memory(), "apply"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, "");
  ASSERT_EQ(std::filesystem::file_size(root_ / "memory.bin"), 65536u);
  // Identity byte of profile 0; no identity block for the regular product id.
  EXPECT_EQ(MemoryBytes(0, 3), (Bytes{0, 0x03, 0}));
  // Profile 0: left, right, middle, back, forward, DPI up, DPI down.
  EXPECT_EQ(MemoryBytes(8, 9), (Bytes{0x21, 0x22, 0x23, 0x24, 0x25, 0x2B, 0x2C, 0, 0}));
  EXPECT_EQ(MemoryBytes(24, 1), Bytes{0x18 + 1});
  EXPECT_EQ(MemoryBytes(118, 3), (Bytes{0x41, 0x71, 0xAA}));
  // Profile 2 plays two built-in macros: their entries point into the macro area.
  const Bytes entry = MemoryBytes(160 + 10 * (2 * 14 + 3), 10);
  EXPECT_EQ(entry[5] | ((entry[6] & 0x3F) << 8), 1024);
  // The profiles were saved first.
  EXPECT_EQ(ini::ReadInt(ProductFile(), u"Init", u"CurConfig", 5), 0);
  EXPECT_EQ(ini::ReadString(ProductFile(), u"ShareData", u"LED_CYC_TIME", u"", 5), u"2");
}

TEST_F(CliDeviceTest, AlternativeProductIdGetsTheIdentityBlock) {
  const auto r = Cli({"--simulate=" + Memory(), "--simulate-alt", "apply"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(MemoryBytes(0, 8), (Bytes{0x5A, 0x03, 0xA5, 0x01, 0x00, 0x09, 0x12, 0x10}));
}

TEST_F(CliDeviceTest, ReadPrintsTheMemory) {
  ASSERT_EQ(Cli({"--simulate=" + Memory(), "apply"}).exit_code, 0);
  const auto r = Cli({"--simulate=" + Memory(), "read", "0x76", "4"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "41 71 aa 38\n");
  EXPECT_EQ(Cli({"--simulate", "read", "8", "3"}).out, "00 00 00\n");
}

TEST_F(CliDeviceTest, TraceHasOneLinePerReportAndDelay) {
  const std::string trace = (root_ / "trace.txt").string();
  const auto r = Cli({"--simulate", "--trace", trace, "read", "0x10", "2"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(ReadFile(trace),
            "S 07 18 03 00 10 00 00 01\nW 2\nS 07 18 03 01 10 00 00 01\nW 2\nW 2\n"
            "S 07 18 00 00 10 00 00 00\n"
            "S 07 18 05 00 10 00 00 01\nW 2\nG 07 18 05 00 10 00 00 01 > 07 00 05 00 10 00 00 01\n"
            "S 07 18 05 01 10 00 00 01\nW 2\nG 07 18 05 01 10 00 00 01 > 07 00 05 01 10 00 00 01\n"
            "W 2\nS 07 18 00 00 00 00 00 00\n");
  ASSERT_EQ(Cli({"--simulate", "--trace", trace, "apply"}).exit_code, 0);
  std::istringstream lines(ReadFile(trace));
  std::string first, l, last;
  std::getline(lines, first);
  EXPECT_EQ(first, "G 07 00 00 00 00 00 00 00 > 07 00 00 00 00 00 00 00");
  int count = 1;
  while (std::getline(lines, l)) {
    EXPECT_TRUE(IsTraceLine(l)) << l;
    last = l;
    ++count;
  }
  EXPECT_EQ(last, "S 07 18 00 00 00 00 00 00");  // the apply sequence's end report
  EXPECT_GT(count, 1000);
}

TEST_F(CliDeviceTest, WithoutAMouseApplyWarnsAndEnds) {
  const auto r = Cli({"apply"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("warning: Please plug-in USB Mouse:  Devero Falcon Gaming Mouse\n"),
            std::string::npos)
      << r.err;
}

TEST_F(CliDeviceTest, TooManyMacrosStopTheDownload) {
  // Two group macros of 275 steps with 10 s delays take 8192 bytes each: more than the area.
  std::string group = "[Init]\r\nDAT_VER=3\r\n[Macros]\r\nmacroNum=12\r\n";
  std::string line;
  for (int v = 0; v < 2621; ++v) {
    int value = 0;
    if (v == 63) value = 19;  // stepCount 275 = 0x113
    if (v == 64) value = 1;
    if (v >= 81 && v < 2281) {
      const int field = (v - 81) % 8;
      if (field == 0) value = 1;     // press
      if (field == 1) value = 65;    // 'A'
      if (field == 6) value = 0x10;  // 10000 ms
      if (field == 7) value = 0x27;
    }
    char buf[4];
    std::snprintf(buf, sizeof buf, "%03d", value);
    line += buf;
  }
  for (int m = 0; m < 12; ++m) {
    std::string named = line;
    named.replace(0, 3, "0" + std::to_string(65 + m));
    group += std::to_string(m) + "=" + named + "\r\n";
  }
  WriteFile(root_ / "skins" / "INI_EN" / "macro" / "Long.dat", group);
  WriteFile(root_ / "skins" / "INI_EN" / "macro" / "macroGrp.ini",
            "[MACRO_GROUP_NUM]\r\nmacGrpNum=1\r\n[MACRO_GROUP_NAME]\r\n0=Long\r\n");
  ini::WriteString(ProductFile(), u"Config0", u"K1", u"256");
  ini::WriteString(ProductFile(), u"Config0", u"K2", u"257");
  const auto r = Cli({"--simulate", "apply"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "warning: Please reduce the number of macros \n");
}

TEST_F(CliDeviceTest, BadArgumentsGetTheUsage) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--simulate", "read"},
           {"--simulate", "read", "0"},
           {"--simulate", "read", "0x10000", "1"},
           {"--simulate", "read", "0", "0"},
           {"--simulate", "read", "0", "257"},
           {"--simulate", "read", "zz", "1"},
           {"--simulate", "read", "-1", "1"},
           {"--simulate", "read", "0xfff0", "32"},
           {"--simulate-alt", "apply"},
           {"apply", "extra"},
       }) {
    const auto r = Cli(args);
    EXPECT_EQ(r.exit_code, 64) << ::testing::PrintToString(args);
    EXPECT_NE(r.err.find("Usage"), std::string::npos);
  }
}

TEST_F(CliDeviceTest, UnusableFilesAreReported) {
  WriteFile(root_ / "short.bin", "too short");
  const auto bad_image = Cli({"--simulate=" + (root_ / "short.bin").string(), "apply"});
  EXPECT_EQ(bad_image.exit_code, 66);
  EXPECT_NE(bad_image.err.find("short.bin"), std::string::npos) << bad_image.err;
  const auto bad_trace = Cli({"--simulate", "--trace", "/no/such/dir/t.txt", "apply"});
  EXPECT_EQ(bad_trace.exit_code, 73);
  EXPECT_NE(bad_trace.err.find("/no/such/dir/t.txt"), std::string::npos) << bad_trace.err;
}

}  // namespace
}  // namespace devero

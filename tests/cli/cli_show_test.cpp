#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

using testing::RunCommand;
using testing::TempDir;

TEST(CliShow, PrintsTheFactoryProfilesAsJson) {
  TempDir dir;
  testing::InstallFactoryData(dir.path());
  const auto r = RunCommand(DEVERO_CLI, {"--root", dir.path().string(), "show"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["keyNum"], 7);
  EXPECT_EQ(j["keyMap"].size(), 9u);
  EXPECT_EQ(j["languageIsEnglish"], 1);
  EXPECT_EQ(j["profiles"].size(), 4u);
  EXPECT_EQ(j["profiles"][0]["buttonFunction"][5], 16);
  EXPECT_EQ(j["shared"]["dpiStageColor"][0].size(), 3u);
  EXPECT_EQ(j["shared"]["cycleColorEnable"].size(), 7u);
  EXPECT_TRUE(j["shared"]["dpiStageColorRef"][0].is_number());
  EXPECT_TRUE(j["warnings"].empty());
  EXPECT_EQ(j["productNameCn"].get<std::string>().empty(), false);
}

TEST(CliShow, WarningsGoToStderrAndIntoTheJson) {
  TempDir dir;
  const auto r = RunCommand(DEVERO_CLI, {"--root", dir.path().string(), "show"});
  ASSERT_EQ(r.exit_code, 0);
  std::string expected;
  for (int i = 0; i < 4; ++i)
    expected +=
        "warning: Error\xEF\xBC\x9A"
        "Config.ini\n";
  EXPECT_EQ(r.err, expected);
  const auto j = nlohmann::json::parse(r.out);
  ASSERT_EQ(j["warnings"].size(), 4u);
  EXPECT_EQ(j["warnings"][0],
            "Error\xEF\xBC\x9A"
            "Config.ini");
}

TEST(CliShow, BadArgumentsAndMissingRoot) {
  struct Case {
    std::vector<std::string> args;
    int exit_code;
  };
  for (const Case& c : {Case{{}, 64}, Case{{"frobnicate"}, 64}, Case{{"show", "extra"}, 64},
                        Case{{"--root"}, 64}, Case{{"--root", "/no/such/dir", "show"}, 66}}) {
    const auto r = RunCommand(DEVERO_CLI, c.args);
    EXPECT_EQ(r.exit_code, c.exit_code) << ::testing::PrintToString(c.args);
    EXPECT_NE(r.err, "");
    EXPECT_EQ(r.out, "");
  }
  const auto help = RunCommand(DEVERO_CLI, {"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_NE(help.out.find("show"), std::string::npos);
}

}  // namespace
}  // namespace devero

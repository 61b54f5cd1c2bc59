#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"

namespace devero {
namespace {

TEST(CommandLineAsksToHide, LooksAtTheFourCharactersAfterTheLastDash) {
  struct Case {
    std::string line;
    bool hide;
  };
  const std::vector<Case> cases = {
      {"devero -HIDE", true},
      {"devero -HIDE2", true},
      {"devero -x -HIDE", true},
      {"devero -hide", false},
      {"devero -HID", false},
      {"devero -HIDE -x", false},
      {"devero", false},
      {"HIDE", true},
      {"HIDEAWAY", true},
      {"/opt/a-b/devero -HIDE", true},
      {"devero --simulate -HIDE", true},
      {"devero -HIDE --simulate", false},
      {"", false},
      {"devero -", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CommandLineAsksToHide(c.line), c.hide) << c.line;
  EXPECT_EQ(JoinedCommandLine({"devero", "-x", "-HIDE"}), "devero -x -HIDE");
}

TEST(ParseWindowCommandLine, OptionsAndTheSimulateVariable) {
  ParsedCommandLine p = ParseWindowCommandLine(
      {"devero", "--root", "/r", "--simulate=/m.bin", "--trace", "/t", "-HIDE"}, nullptr);
  ASSERT_TRUE(p.options);
  EXPECT_EQ(p.options->root, "/r");
  EXPECT_TRUE(p.options->simulate);
  EXPECT_EQ(p.options->simulate_file, "/m.bin");
  EXPECT_EQ(p.options->trace_file, "/t");
  EXPECT_TRUE(p.options->start_minimised);

  p = ParseWindowCommandLine({"devero"}, "1");
  ASSERT_TRUE(p.options);
  EXPECT_TRUE(p.options->simulate);
  EXPECT_TRUE(p.options->simulate_file.empty());
  EXPECT_FALSE(p.options->start_minimised);

  p = ParseWindowCommandLine({"devero"}, "/keep/mouse.bin");
  EXPECT_EQ(p.options->simulate_file, "/keep/mouse.bin");
  p = ParseWindowCommandLine({"devero"}, "0");
  EXPECT_FALSE(p.options->simulate);
  p = ParseWindowCommandLine({"devero", "--simulate"}, "/ignored.bin");
  EXPECT_TRUE(p.options->simulate);
  EXPECT_TRUE(p.options->simulate_file.empty());
  p = ParseWindowCommandLine({"devero", "--simulate", "--simulate-alt"}, nullptr);
  EXPECT_TRUE(p.options->simulate_alternative_id);
}

TEST(ParseWindowCommandLine, HelpAndErrors) {
  ParsedCommandLine p = ParseWindowCommandLine({"devero", "--help"}, nullptr);
  EXPECT_FALSE(p.options);
  EXPECT_EQ(p.exit_code, 0);
  EXPECT_NE(p.output.find("--simulate"), std::string::npos);
  EXPECT_NE(p.output.find("-HIDE"), std::string::npos);
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"devero", "--bogus"},
                                             {"devero", "--simulate-alt"},
                                             {"devero", "--trace"},
                                             {"devero", "extra"}}) {
    p = ParseWindowCommandLine(args, nullptr);
    EXPECT_FALSE(p.options) << args[1];
    EXPECT_EQ(p.exit_code, 64) << args[1];
    EXPECT_NE(p.output.find("devero: "), std::string::npos);
  }
}

}  // namespace
}  // namespace devero

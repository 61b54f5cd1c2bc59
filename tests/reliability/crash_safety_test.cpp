// A short run of the kill test; bench/crash_safety_bench runs it a thousand times and more.
#include <gtest/gtest.h>

#include "reliability/kill_saves.h"
#include "support/temp_dir.h"

namespace devero::testing {
namespace {

TEST(CrashSafety, EverySavedFileIsOldOrNewAfterAKillAndNoTemporaryFileOutlivesTheNextSave) {
  TempDir root;
  const KillTestReport report = RunKillTest(root.path(), 100, 20261210);
  EXPECT_EQ(report.problems, std::vector<std::string>{});
  EXPECT_EQ(report.kills, 100);
  // The kills hit the files in both states, and some of them hit a write.
  for (int f = 0; f < kKilledFileCount; ++f) {
    EXPECT_GT(report.found_first[f] + report.found_second[f], 0) << f;
    EXPECT_EQ(report.found_first[f] + report.found_second[f], report.kills) << f;
  }
  EXPECT_GT(report.saves_completed, 0);
}

}  // namespace
}  // namespace devero::testing

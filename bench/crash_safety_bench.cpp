// The kill test at full length: saves of the product file, a macro group file and the group
// index killed with SIGKILL at random moments, every file checked after every kill.
//   crash_safety_bench [KILLS] [SEED]    (default 1000 kills)
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "reliability/kill_saves.h"
#include "support/temp_dir.h"

int main(int argc, char** argv) {
  using namespace devero::testing;
  const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
  const auto seed = static_cast<uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1);
  TempDir root;
  const KillTestReport r = RunKillTest(root.path(), kills, seed);
  const char* names[kKilledFileCount] = {"product file", "macro group file", "group index"};
  std::printf("kills: %d in %.1f s (%.1f ms each), saves completed by the children: %d\n", r.kills,
              r.seconds, r.kills ? 1000 * r.seconds / r.kills : 0.0, r.saves_completed);
  for (int f = 0; f < kKilledFileCount; ++f) {
    std::printf("%-17s after a kill: first version %d, second version %d, neither 0 of %d\n",
                names[f], r.found_first[f], r.found_second[f], r.kills);
  }
  std::printf(
      "kills during a write (a temporary file was left): %d; removed by the next save: %d\n",
      r.kills_during_a_write, r.leftovers_removed_by_next_save);
  for (const auto& p : r.problems)
    std::printf("PROBLEM: %s\n", p.c_str());
  std::printf("%s\n", r.problems.empty() ? "held" : "FAILED");
  return r.problems.empty() ? 0 : 1;
}

#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace devero::testing {

// The files the kill test saves: the product file (as Apply saves it, together with the
// selected macro's group file) and the group index.
enum KilledFile { kProductFile, kGroupFile, kGroupIndex, kKilledFileCount };

struct KillTestReport {
  int kills = 0;
  // Per file: kills after which it held the content of the save before, or of the one after,
  // the one the child was doing (the two versions alternate).
  std::array<int, kKilledFileCount> found_first{};
  std::array<int, kKilledFileCount> found_second{};
  int kills_during_a_write = 0;  // a temporary file of the killed child was there
  int leftovers_removed_by_next_save = 0;
  int saves_completed = 0;
  double seconds = 0;
  std::vector<std::string> problems;  // empty when every check held
};

// Lays the factory data out under `root` (an empty directory), then `kills` times: starts a
// child process that saves the three files again and again, kills it with SIGKILL after a
// random time, and checks that each file is byte for byte one of its two versions and reads
// back as that version, and that no temporary file of an earlier child survives a completed
// save of its file. Ends with one save in this process, after which no temporary file may be
// left at all.
KillTestReport RunKillTest(const std::filesystem::path& root, int kills, uint32_t seed);

}  // namespace devero::testing

// Loading the four profiles from the factory product file, and the save of one Apply.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/fs/file_ops.h"
#include "platform/user/silent_warnings.h"
#include "profile/profile_store.h"

namespace {

using devero::Path;

// A scratch copy of the factory product file.
Path ScratchConfigDirectory() {
  const Path dir = std::filesystem::temp_directory_path() / "devero-bench-profile";
  std::filesystem::create_directories(dir);
  devero::fs::CopyFileOver(Path(DEVERO_SOURCE_DIR) / "data" / "config" / "config.ini",
                           dir / "config.ini");
  return Path(dir.native() + "/");
}

void BM_LoadFourProfiles(benchmark::State& state) {
  const Path dir = ScratchConfigDirectory();
  devero::ProfileSettings settings;
  devero::SilentWarnings warnings;
  devero::ProfileStore store(settings, warnings);
  for (auto _ : state) {
    for (int n = 0; n < devero::kProfileCount; ++n)
      store.LoadProfile(dir, n, false);
    benchmark::DoNotOptimize(settings);
  }
}
BENCHMARK(BM_LoadFourProfiles)->Unit(benchmark::kMillisecond);

void BM_ApplySave(benchmark::State& state) {
  const Path dir = ScratchConfigDirectory();
  const Path file = dir.native() + "config.ini";
  devero::ProfileSettings settings;
  devero::SilentWarnings warnings;
  devero::ProfileStore store(settings, warnings);
  for (int n = 0; n < devero::kProfileCount; ++n)
    store.LoadProfile(dir, n, false);
  int i = 0;
  for (auto _ : state) {
    settings.dpiLevel = (i++) % 6;  // a real change each time
    if (!store.SaveAll(file)) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_ApplySave)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// The macro library's reads over a full library: 12 groups of 12 macros of 275 steps.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "app/runtime_paths.h"
#include "macro/headless_macro_library.h"
#include "macro/macro_file.h"
#include "macro/macro_library.h"
#include "platform/text/utf.h"
#include "platform/user/silent_warnings.h"

namespace devero {
namespace {

namespace stdfs = std::filesystem;

// A module directory with a full English library, removed at exit.
class FullLibrary {
 public:
  FullLibrary() {
    std::string dir = (stdfs::temp_directory_path() / "devero-bench-XXXXXX").string();
    if (::mkdtemp(dir.data()) == nullptr) std::abort();
    root_ = dir;
    paths_ = std::make_unique<RuntimePaths>(root_, 1);
    stdfs::create_directories(paths_->MacroDirectory());
    auto state = std::make_unique<MacroState>();
    state->macroTable.macroCount = kMaxMacrosPerGroup;
    for (int m = 0; m < kMaxMacrosPerGroup; ++m) {
      MacroRecord& macro = state->macroTable.slots[static_cast<size_t>(m)];
      SetMacroName(macro, u"宏 macro " + ToU16(m));
      macro.repeatCount = 1;
      macro.stepCount = kMaxSteps;
      for (int s = 0; s < kMaxSteps; ++s) {
        SetStepAt(macro, s,
                  MacroStep{static_cast<uint8_t>(s % 2 + 1), static_cast<uint8_t>(4 + s % 26), 0, 0,
                            static_cast<uint16_t>(20 + s)});
      }
    }
    headless_ = std::make_unique<HeadlessMacroLibrary>(*paths_, warnings_);
    headless_->state.groupCount = kMaxGroups;
    for (int g = 0; g < kMaxGroups; ++g) {
      headless_->state.groupNames[static_cast<size_t>(g)] = u"Group " + ToU16(g);
      WriteMacroFile(GroupFile(g), *state);
    }
    headless_->library.WriteGroupIndex();
  }
  ~FullLibrary() {
    std::error_code ec;
    stdfs::remove_all(root_, ec);
  }

  stdfs::path GroupFile(int g) const {
    return paths_->MacroDirectory() / ("Group " + std::to_string(g) + ".dat");
  }
  HeadlessMacroLibrary& headless() { return *headless_; }
  MacroState& macros() { return *headless_->macros; }
  WarningService& warnings() { return warnings_; }

 private:
  stdfs::path root_;
  std::unique_ptr<RuntimePaths> paths_;
  SilentWarnings warnings_;
  std::unique_ptr<HeadlessMacroLibrary> headless_;
};

FullLibrary& Library() {
  static FullLibrary library;
  return library;
}

void BM_BuildMacroNames(benchmark::State& state) {
  MacroLibrary& lib = Library().headless().library;
  const MacroLibraryState& library = Library().headless().state;
  lib.ReadGroupIndex();
  for (auto _ : state) {
    lib.BuildMacroNames();
    benchmark::DoNotOptimize(library.macroNames);
  }
  if (library.groupMacroCounts[11] != kMaxMacrosPerGroup) state.SkipWithError("names not read");
}
BENCHMARK(BM_BuildMacroNames)->Unit(benchmark::kMillisecond);

void BM_ReadMacroFile(benchmark::State& state) {
  const stdfs::path file = Library().GroupFile(0);
  for (auto _ : state) {
    ReadMacroFile(file, Library().macros(), Library().warnings(), 1);
    benchmark::DoNotOptimize(Library().macros().macroTable.slots[11].stepDelay[274]);
  }
  if (Library().macros().macroTable.macroCount != kMaxMacrosPerGroup)
    state.SkipWithError("group not read");
}
BENCHMARK(BM_ReadMacroFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace devero

BENCHMARK_MAIN();

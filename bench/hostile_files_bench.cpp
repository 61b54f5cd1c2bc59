// Reading hostile files: the start-up reads of product files that grow in size, in line length
// and in sections, of binary junk, and a group file of twelve unreadable lines. Time per byte
// stays flat as the files grow (no quadratic step); heap_per_byte is what the parsed document
// keeps per byte of file while it is alive.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>

#include "app/runtime_paths.h"
#include "app/startup_reads.h"
#include "macro/macro_file.h"
#include "platform/ini/ini_file.h"
#include "platform/user/silent_warnings.h"
#include "reliability/hostile_files.h"
#include "support/temp_dir.h"

namespace {

using namespace devero;
using devero::testing::TempDir;

size_t HeapInUse() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;  // small blocks and mapped ones
}

// The start-up reads of `content` as the product file; counts bytes and the heap one parsed
// copy of the file takes.
void StartupReads(benchmark::State& state, const std::string& content) {
  TempDir root;
  RuntimePaths paths(root.path());
  testing::WriteFile(paths.ProductFile(), content);
  SilentWarnings warnings;
  for (auto _ : state) {
    ProductDescription product;
    ProfileSettings settings;
    RunStartupReads(paths, product, settings, warnings);
    benchmark::DoNotOptimize(settings);
  }
  const size_t before = HeapInUse();
  const ini::IniDocument doc = ini::Load(paths.ProductFile());
  const size_t after = HeapInUse();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * content.size()));
  state.counters["file_MB"] = static_cast<double>(content.size()) / 1e6;
  state.counters["heap_per_byte"] = static_cast<double>(after - before) / content.size();
}

void BM_ProductFileOfMegabytes(benchmark::State& state) {
  StartupReads(state, testing::ProductFileOfSize(static_cast<size_t>(state.range(0)) << 20));
}
BENCHMARK(BM_ProductFileOfMegabytes)
    ->Arg(6)
    ->Arg(12)
    ->Arg(25)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond);

// The worst case for the number of lines: nothing but line breaks after the factory content.
void BM_ProductFileOfEmptyLinesMegabytes(benchmark::State& state) {
  std::string content = testing::ProductFileWithSections(0);
  content.resize(content.size() + (static_cast<size_t>(state.range(0)) << 20), '\n');
  StartupReads(state, content);
}
BENCHMARK(BM_ProductFileOfEmptyLinesMegabytes)
    ->Arg(1)
    ->Arg(4)
    ->Arg(16)
    ->Unit(benchmark::kMillisecond);

void BM_ProductFileWithLineOfKilobytes(benchmark::State& state) {
  StartupReads(state, testing::ProductFileWithLongLine(static_cast<size_t>(state.range(0)) << 10));
}
BENCHMARK(BM_ProductFileWithLineOfKilobytes)
    ->Arg(256)
    ->Arg(512)
    ->Arg(1024)
    ->Arg(2048)
    ->Unit(benchmark::kMillisecond);

void BM_ProductFileOfSections(benchmark::State& state) {
  StartupReads(state, testing::ProductFileWithSections(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ProductFileOfSections)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);

void BM_ProductFileOfBinaryJunkMegabytes(benchmark::State& state) {
  StartupReads(state, testing::BinaryJunk(static_cast<size_t>(state.range(0)) << 20, 7));
}
BENCHMARK(BM_ProductFileOfBinaryJunkMegabytes)
    ->Arg(1)
    ->Arg(4)
    ->Arg(16)
    ->Unit(benchmark::kMillisecond);

void BM_GroupFileOfTwelveUnreadableLines(benchmark::State& state) {
  TempDir dir;
  const std::string content = testing::MacroFileOfFilledLines('f');
  testing::WriteFile(dir / "group.dat", content);
  SilentWarnings warnings;
  auto macros = std::make_unique<MacroState>();
  for (auto _ : state) {
    ReadMacroFile(dir / "group.dat", *macros, warnings, 1);
    benchmark::DoNotOptimize(*macros);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * content.size()));
}
BENCHMARK(BM_GroupFileOfTwelveUnreadableLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

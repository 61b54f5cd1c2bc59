// A whole settings download to the simulated mouse with the real clock: wall time against the
// delays the protocol requires (counted by a dry run on a virtual clock), and the process CPU
// time, which the sleeps do not use.
#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <numeric>

#include "app/startup_reads.h"
#include "device/discovery.h"
#include "device/library_group_macros.h"
#include "device/settings_download.h"
#include "device/transport_memory.h"
#include "device/usb_ids.h"
#include "macro/headless_macro_library.h"
#include "macro/macro_file.h"
#include "platform/clock/virtual_clock.h"
#include "platform/hid/simulated_hid_bus.h"
#include "platform/hid/simulated_mouse.h"
#include "platform/ini/ini_file.h"
#include "platform/pointer/no_pointer_settings.h"
#include "platform/text/utf.h"
#include "platform/user/silent_warnings.h"

namespace devero {
namespace {

namespace stdfs = std::filesystem;

double ProcessCpuMs() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void CopyFactoryData(const stdfs::path& root) {
  stdfs::remove_all(root);
  for (const char* part : {"config", "INI_EN", "INI_CN"}) {
    stdfs::create_directories(root / "skins" / part);
    stdfs::copy(stdfs::path(DEVERO_SOURCE_DIR) / "data" / part, root / "skins" / part,
                stdfs::copy_options::recursive);
  }
}

// Three more groups of ten distinct four-step macros each, and every button of every profile
// on one of them.
void AssignMacrosToEveryButton(const RuntimePaths& paths) {
  auto state = std::make_unique<MacroState>();
  std::u16string index = u"";
  for (int g = 0; g < 3; ++g) {
    MacroTable& table = state->macroTable;
    table.macroCount = 10;
    for (int m = 0; m < 10; ++m) {
      MacroRecord& r = table.slots[m];
      r = MacroRecord{};
      SetMacroName(r, u"M" + ToU16(g * 10 + m));
      r.repeatCount = 1;
      r.stepCount = 4;
      for (int s = 0; s < 4; ++s) {
        r.stepAction[s] = s % 2 == 0 ? kActionPress : kActionRelease;
        r.stepCode[s] = static_cast<uint8_t>(0x04 + m);
        r.stepDelay[s] = 20;
      }
    }
    const stdfs::path file = paths.MacroDirectory() / ("Bench" + std::to_string(g) + ".dat");
    WriteMacroFile(file, *state);
  }
  ini::Update(paths.MacroDirectory() / "macroGrp.ini", [](ini::IniDocument& doc) {
    doc.Set(u"MACRO_GROUP_NUM", u"macGrpNum", u"5");
    for (int g = 0; g < 3; ++g)
      doc.Set(u"MACRO_GROUP_NAME", ToU16(2 + g), u"Bench" + ToU16(g));
    return true;
  });
  ini::Update(paths.ProductFile(), [](ini::IniDocument& doc) {
    for (int p = 0; p < 4; ++p) {
      for (int b = 0; b < 7; ++b) {
        const int n = p * 7 + b;  // 28 distinct macros of groups 3..5 (numbered from 1)
        doc.Set(u"Config" + ToU16(p), u"K" + ToU16(b), ToU16(256 * (3 + n / 10) + n % 10));
      }
    }
    return true;
  });
}

void Download(benchmark::State& state, bool macros) {
  const stdfs::path root = stdfs::temp_directory_path() / "devero-bench-download";
  CopyFactoryData(root);
  RuntimePaths paths(root);
  paths.SetLanguage(1);
  if (macros) AssignMacrosToEveryButton(paths);
  SilentWarnings warnings;
  ProductDescription product;
  ProfileSettings settings;
  RunStartupReads(paths, product, settings, warnings);
  if (!macros) {
    for (auto& profile : settings.buttonFunction) {
      for (int32_t& code : profile) {
        if (code >= 33) code = 1;  // the factory profiles play two built-in macros
      }
    }
  }
  HeadlessMacroLibrary headless(paths, warnings);
  headless.library.LoadLibrary();
  ReadBuiltInMacroFile(paths.BuiltInMacroFile(), *headless.macros, warnings, 1);

  hid::SimulatedMouse mouse{{kVendorId, kRegularProductId, 8, 8, {}}};
  hid::SimulatedHidBus bus;
  bus.AddMachineWithMouse(mouse);
  DeviceLink link;
  FindDevice(bus, link);
  NoPointerSettings pointer;

  auto run = [&](Clock& clock) {
    DeviceTransport transport(link, clock);
    TransportMemory memory(transport);
    SettingsDownload download(memory, warnings, pointer, kVendorId, kRegularProductId);
    const LibraryGroupMacros groups(headless.library);
    DownloadContext ctx{
        settings, product, 1, headless.macros->builtInMacroTable, headless.macros->rapidFireTable,
        groups};
    if (download.Run(ctx) != SettingsDownload::Result::kDone) state.SkipWithError("stopped");
    return download.macro_end();
  };
  VirtualClock dry;
  const uint16_t macro_end = run(dry);
  const std::vector<int> sleeps = dry.Sleeps();
  const double required_ms = std::accumulate(sleeps.begin(), sleeps.end(), 0.0);

  RealClock clock;
  double wall_ms = 0;
  double cpu_ms = 0;
  for (auto _ : state) {
    const double cpu_start = ProcessCpuMs();
    const auto start = std::chrono::steady_clock::now();
    run(clock);
    wall_ms +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    cpu_ms += ProcessCpuMs() - cpu_start;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["required_ms"] = required_ms;
  state.counters["ratio"] = wall_ms / n / required_ms;
  state.counters["cpu_ms"] = cpu_ms / n;
  state.counters["macro_bytes"] = macro_end - 1024;
}

void BM_DownloadWithoutMacros(benchmark::State& state) {
  Download(state, false);
}
void BM_DownloadWithAMacroOnEveryButton(benchmark::State& state) {
  Download(state, true);
}

BENCHMARK(BM_DownloadWithoutMacros)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_DownloadWithAMacroOnEveryButton)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
}  // namespace devero

BENCHMARK_MAIN();

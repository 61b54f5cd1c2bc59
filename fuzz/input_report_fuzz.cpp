// The event reader on any input reports, of any length and content, with the program behind
// it: profile switches, DPI stages, multimedia keys and the left button's macro re-download
// act on the simulated mouse, the settings record and the files of a scratch copy of the
// factory data. Every run starts from the same state.
#include <fuzzer/FuzzedDataProvider.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "app/device_event_handler.h"
#include "app/startup_reads.h"
#include "device/library_group_macros.h"
#include "device/poller_thread.h"
#include "device/reader_thread.h"
#include "device/transport_memory.h"
#include "fuzz_scratch.h"
#include "macro/headless_macro_library.h"
#include "macro/macro_file.h"
#include "platform/clock/virtual_clock.h"
#include "platform/pointer/no_pointer_settings.h"
#include "platform/user/silent_warnings.h"
#include "support/simulated_device.h"

namespace {

using namespace devero;
namespace stdfs = std::filesystem;

class InlineOwner final : public OwnerDispatch {
 public:
  bool RunOnOwner(std::function<void()> call, std::stop_token) override {
    call();
    return true;
  }
};

std::string Slurp(const stdfs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The files under a directory, put back as they were when a run changed them.
class FileSnapshot {
 public:
  explicit FileSnapshot(const stdfs::path& root) {
    for (const auto& entry : stdfs::recursive_directory_iterator(root)) {
      if (entry.is_regular_file())
        files_[entry.path()] = Saved{Slurp(entry.path()), Stamp(entry.path())};
    }
  }
  void Restore() {
    for (auto& [path, saved] : files_) {
      if (Stamp(path) == saved.stamp) continue;
      std::ofstream(path, std::ios::binary | std::ios::trunc) << saved.bytes;
      saved.stamp = Stamp(path);
    }
  }

 private:
  using Time = stdfs::file_time_type;
  struct Saved {
    std::string bytes;
    std::pair<Time, uintmax_t> stamp;
  };
  static std::pair<Time, uintmax_t> Stamp(const stdfs::path& p) {
    std::error_code ec;
    return {stdfs::last_write_time(p, ec), stdfs::file_size(p, ec)};
  }
  std::map<stdfs::path, Saved> files_;
};

// The program as it runs after start-up and one download.
struct Program {
  Program() {
    fuzz::InstallFactoryData(fuzz::ScratchDir());
    RunStartupReads(paths, product, settings, warnings);
    library.library.LoadLibrary();
    ReadBuiltInMacroFile(paths.BuiltInMacroFile(), *library.macros, warnings, 1);
    const LibraryGroupMacros groups(library.library);
    DownloadContext ctx{
        settings, product, 1, library.macros->builtInMacroTable, library.macros->rapidFireTable,
        groups};
    download.Run(ctx);
    memory = device.mouse.Memory();
    saved_settings = settings;
    saved_macros = *library.macros;
    saved_library = library.state;
    files = std::make_unique<FileSnapshot>(fuzz::ScratchDir());
  }

  void Reset() {
    files->Restore();
    settings = saved_settings;
    *library.macros = saved_macros;
    library.state = saved_library;
    device.mouse.WriteMemory(0, memory);
    flags.Clear();
    device.clock.ClearSleeps();
    pace.ClearSleeps();
  }

  RuntimePaths paths{fuzz::ScratchDir()};
  SilentWarnings warnings;
  ProductDescription product;
  ProfileSettings settings;
  ProfileStore store{settings, warnings};
  HeadlessMacroLibrary library{paths, warnings};
  testing::SimulatedDevice device;
  TransportMemory transport_memory{device.transport};
  NoPointerSettings pointer;
  SettingsDownload download{transport_memory, warnings, pointer, kVendorId, kRegularProductId};
  InlineOwner owner;
  DeviceEventHandler handler{settings, product, store, paths, download, library.library, owner, {}};
  DeviceEventFlags flags;
  VirtualClock pace;
  DeviceEventContext ctx{device.link, device.transport, flags, owner, handler, pace};

  std::vector<uint8_t> memory;
  ProfileSettings saved_settings;
  MacroState saved_macros;
  MacroLibraryState saved_library;
  std::unique_ptr<FileSnapshot> files;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Program* program = new Program();
  program->Reset();
  ReaderThread reader(program->ctx);
  PollerThread poller(program->ctx);
  FuzzedDataProvider in(data, size);
  for (int n = 0; n < 32 && in.remaining_bytes() > 0; ++n) {
    const uint8_t control = in.ConsumeIntegral<uint8_t>();
    const std::vector<uint8_t> report =
        in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 80));
    if (control & 1) {
      // As the mouse sends it: hidraw gives at most the interface's report length.
      program->device.mouse.InjectInputReport(report);
      reader.RunOnce(std::stop_token());
    } else {
      reader.HandleReport(report, std::stop_token());
    }
    if (control & 2) poller.PollOnce(std::stop_token());
  }
  return 0;
}

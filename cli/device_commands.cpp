#include "cli/device_commands.h"

#include <cstdio>
#include <vector>

#include "app/apply_settings.h"
#include "app/startup_reads.h"
#include "device/library_group_macros.h"
#include "device/settings_download.h"
#include "device/transport_memory.h"
#include "device/usb_ids.h"
#include "macro/headless_macro_library.h"
#include "macro/macro_file.h"
#include "platform/ini/ini_file.h"
#include "platform/pointer/x11_pointer_settings.h"
#include "platform/text/utf.h"
#include "profile/background_save.h"

namespace devero::cli {
namespace {

// Finds the mouse; without one, the warning the program starts with.
bool FindMouse(DeviceSession& session, const ProductDescription& product, int language,
               WarningService& warnings) {
  const DiscoveryResult found = session.Discover();
  if (found.connected) return true;
  if (!found.open_failures.empty()) {
    warnings.ShowWarning(DeviceAccessWarning(found));
  } else {
    warnings.ShowWarning(kNoMouseWarning + product.ProductName(language));
  }
  return false;
}

bool SaveSimulatedMemory(DeviceSession& session, std::ostream& err) {
  const std::string error = session.SaveSimulatedMemory();
  if (error.empty()) return true;
  err << "devero-cli: " << error << '\n';
  return false;
}

}  // namespace

std::optional<uint32_t> ParseNumber(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty() || text.size() > 8) return std::nullopt;
  uint32_t value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
  }
  return value;
}

int RunApply(RuntimePaths& paths, CliWarnings& warnings, DeviceSession& session, std::ostream& err,
             std::ostream* progress) {
  ProductDescription product;
  ProfileSettings settings;
  RunStartupReads(paths, product, settings, warnings);
  HeadlessMacroLibrary headless(paths, warnings);
  headless.library.LoadLibrary();
  ReadBuiltInMacroFile(paths.BuiltInMacroFile(), *headless.macros, warnings,
                       paths.LanguageIsEnglish());

  BackgroundSave background_save;
  auto saved = [&] {
    if (background_save.Wait()) return true;
    err << "devero-cli: the profiles could not be saved into " << paths.ProductFile() << '\n';
    return false;
  };
  if (!FindMouse(session, product, paths.LanguageIsEnglish(), warnings)) {
    // The profiles are saved all the same: Apply saves them whether or not the mouse listens.
    background_save.Start(settings, paths.ProductFile());
    saved();
    return kExitNoMouse;
  }

  TransportMemory memory(session.transport());
  X11PointerSettings pointer;
  SettingsDownload download(memory, warnings, pointer, kVendorId, kRegularProductId);
  if (progress != nullptr) {
    download.progress = [progress](int step, int total) {
      *progress << "\rdownloading: step " << step << " of " << total << std::flush;
      if (step == total) *progress << '\n';
    };
  }
  const LibraryGroupMacros groups(headless.library);
  DownloadContext ctx{settings,
                      product,
                      session.link().ProductVariant(),
                      headless.macros->builtInMacroTable,
                      headless.macros->rapidFireTable,
                      groups};
  // No group-list row is selected on the command line, so no macro is saved with the profiles.
  constexpr int kNoRow = -1;
  const SettingsDownload::Result result =
      ApplySettings(background_save, download, ctx, headless.library, kNoRow, paths.ProductFile());
  if (progress != nullptr && result != SettingsDownload::Result::kDone) *progress << '\n';
  const bool profiles_saved = saved();
  const bool memory_saved = SaveSimulatedMemory(session, err);
  const bool done = result == SettingsDownload::Result::kDone;
  return done && profiles_saved && memory_saved ? 0 : kExitStoppedWithWarning;
}

int RunRead(RuntimePaths& paths, CliWarnings& warnings, DeviceSession& session, uint16_t address,
            int length, std::ostream& out, std::ostream& err) {
  const ini::IniDocument file = ini::Load(paths.ProductFile());
  const ProductDescription product = ReadProductDescription(file);
  paths.SetLanguage(ReadLanguage(file));
  if (!FindMouse(session, product, paths.LanguageIsEnglish(), warnings)) return kExitNoMouse;
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  const bool answered = session.transport().ReadDeviceBytes(address, bytes);
  for (size_t i = 0; i < bytes.size(); ++i) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02x", bytes[i]);
    out << (i == 0 ? "" : " ") << hex;
  }
  out << '\n';
  if (!answered) {
    err << "devero-cli: the mouse did not answer every read; the bytes may be wrong\n";
    return kExitStoppedWithWarning;
  }
  return 0;
}

}  // namespace devero::cli

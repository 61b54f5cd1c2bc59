#include "app/apply_settings.h"

#include <optional>

namespace devero {

SettingsDownload::Result ApplySettings(BackgroundSave& background_save, SettingsDownload& download,
                                       DownloadContext& ctx, const MacroLibrary& library,
                                       int selected_row,
                                       const std::filesystem::path& product_file) {
  if (download.busy()) return SettingsDownload::Result::kBusy;
  std::function<bool()> save_macro;
  if (const std::optional<PendingMacroWrite> pending = library.PrepareMacroSave(selected_row)) {
    save_macro = [write = *pending] { return write.Write(); };
  }
  background_save.Start(ctx.settings, product_file, std::move(save_macro));
  return download.Run(ctx);
}

}  // namespace devero

#include "app/apply_settings.h"

#include <optional>

namespace devero {

void StartApplySave(BackgroundSave& background_save, const ProfileSettings& settings,
                    const MacroLibrary& library, int selected_row,
                    const std::filesystem::path& product_file) {
  std::function<bool()> save_macro;
  if (const std::optional<PendingMacroWrite> pending = library.PrepareMacroSave(selected_row)) {
    save_macro = [write = *pending] { return write.Write(); };
  }
  background_save.Start(settings, product_file, std::move(save_macro));
}

SettingsDownload::Result ApplySettings(BackgroundSave& background_save, SettingsDownload& download,
                                       DownloadContext& ctx, const MacroLibrary& library,
                                       int selected_row,
                                       const std::filesystem::path& product_file) {
  if (download.busy()) return SettingsDownload::Result::kBusy;
  StartApplySave(background_save, ctx.settings, library, selected_row, product_file);
  return download.Run(ctx);
}

}  // namespace devero

#pragma once

#include <filesystem>

#include "device/settings_download.h"
#include "macro/macro_library.h"
#include "profile/background_save.h"

namespace devero {

// The save that opens Apply: the macro of the selected group-list row into its group's file,
// [Init] CurConfig and the four profiles, on the background save's thread.
void StartApplySave(BackgroundSave& background_save, const ProfileSettings& settings,
                    const MacroLibrary& library, int selected_row,
                    const std::filesystem::path& product_file);

// What the Apply control does: starts the background save (the macro of the selected
// group-list row into its group's file, [Init] CurConfig and the four profiles), then runs
// the settings download on this thread. Ignored (kBusy) while a download runs.
SettingsDownload::Result ApplySettings(BackgroundSave& background_save, SettingsDownload& download,
                                       DownloadContext& ctx, const MacroLibrary& library,
                                       int selected_row, const std::filesystem::path& product_file);

}  // namespace devero

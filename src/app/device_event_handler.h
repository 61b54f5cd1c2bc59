#pragma once

#include <functional>

#include "app/runtime_paths.h"
#include "device/device_event_actions.h"
#include "device/owner_dispatch.h"
#include "device/settings_download.h"
#include "macro/macro_library.h"
#include "profile/product_description.h"
#include "profile/profile_store.h"

namespace devero {

// What the mouse's own buttons change in the program: the settings record, the product file,
// the macro of the left button and the window. Everything but the re-download's writing runs
// on the owner thread.
class DeviceEventHandler final : public DeviceEventActions {
 public:
  DeviceEventHandler(ProfileSettings& settings, const ProductDescription& product,
                     ProfileStore& store, const RuntimePaths& paths, SettingsDownload& download,
                     MacroLibrary& library, OwnerDispatch& owner, std::function<void()> repaint)
      : settings_(settings),
        product_(product),
        store_(store),
        paths_(paths),
        download_(download),
        library_(library),
        owner_(owner),
        repaint_(std::move(repaint)) {}

  // While a download runs elsewhere the left button's macro is not written on its own: that
  // download writes it, and the download's state is its thread's.
  void SetDownloadRunning(std::function<bool()> running) { download_running_ = std::move(running); }

  int KeyNum() override;
  int KeyMap(int button) override;
  bool IsDpiButton(int button) override;
  bool IsProfileButton(int button) override;
  int ButtonFunction(int button) override;
  uint16_t ConsumerUsage(int index) override;
  void OnProfileSwitched(int profile) override;
  void OnDpiStageSwitched(int level) override;
  ColorLevels DpiStageColor(int stage) override;
  LightingQuickSet LightingForQuickSet() override;
  void LoadDpiLevelFromProductFile() override;
  void RedownloadLeftButtonMacro(int direction, std::stop_token stop) override;

 private:
  int CurrentProfile() const;
  void Repaint();

  ProfileSettings& settings_;
  const ProductDescription& product_;
  ProfileStore& store_;
  const RuntimePaths& paths_;
  SettingsDownload& download_;
  MacroLibrary& library_;
  OwnerDispatch& owner_;
  std::function<void()> repaint_;
  std::function<bool()> download_running_;
};

}  // namespace devero

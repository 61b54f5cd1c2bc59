#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>
#include <ostream>

#include "app/command_line.h"
#include "app/device_event_handler.h"
#include "app/device_session.h"
#include "app/download_runner.h"
#include "app/macro_page_controller.h"
#include "app/main_window.h"
#include "app/power_monitor.h"
#include "app/runtime_paths.h"
#include "app/tray_icon.h"
#include "app/unix_signals.h"
#include "app/window_context.h"
#include "device/device_event_flags.h"
#include "device/owner_queue.h"
#include "device/poller_thread.h"
#include "device/reader_thread.h"
#include "device/settings_download.h"
#include "device/transport_memory.h"
#include "macro/macro_library.h"
#include "macro/macro_state.h"
#include "platform/clock/clock.h"
#include "platform/hotplug/udev_hotplug_monitor.h"
#include "platform/pointer/x11_pointer_settings.h"
#include "profile/background_save.h"
#include "profile/product_description.h"
#include "profile/profile_settings.h"
#include "profile/profile_store.h"
#include "profile/profile_transfer.h"
#include "ui/function_menus.h"
#include "ui/gui_warnings.h"
#include "ui/menu_host.h"
#include "ui/qt_color_chooser.h"
#include "ui/qt_file_chooser.h"
#include "ui/skin_images.h"
#include "ui/skin_tables.h"

namespace devero {

// Exit statuses of the window program.
inline constexpr int kExitOk = 0;
inline constexpr int kExitSkinMissing = 1;
inline constexpr int kExitNoMouse = 2;
inline constexpr int kExitCannotOpen = 66;
inline constexpr int kExitCannotCreate = 73;

// How long "Done" stays on the Apply control after a download.
inline constexpr int kApplyResultShownMs = 2500;

// The window program: owns every subsystem's state for the run, initialises them in their
// order, answers the window's clicks, and ends the program.
class DeveroApp final : public QObject,
                        public WindowContext,
                        public MacroPageState,
                        public ui::MenuHost,
                        private ui::SkinReadReport {
 public:
  DeveroApp(WindowOptions options, std::ostream& err);
  ~DeveroApp() override;

  // Start-up; returns false with exitCode() set when the program must end without a window.
  bool Initialise();
  int exitCode() const { return exit_code_; }

  // The ways the program ends: the close report is sent unless the mouse went away.
  void EndProgram(int code, bool send_close_report = true);
  void ShowAndRestore();

  // The settings download off the window's thread with what the record holds now; false when
  // one runs already. `after` runs on the window's thread once it ended.
  bool StartDownload(std::function<void(SettingsDownload::Result)> after = {});
  bool DownloadRunning() const { return runner_ && runner_->Running(); }

  // WindowContext.
  ProfileSettings& Settings() override { return settings_; }
  const ProductDescription& Product() const override { return product_; }
  const ui::MainWindowSkin& Skin() const override { return skin_; }
  ui::MainViewState& View() override { return window_->view(); }
  WarningService& Warnings() override { return warnings_; }
  bool Recording() const override { return macro_page_.IsRecording(); }
  QPoint WindowTopLeft() const override { return window_->pos(); }
  void InvalidatePage() override { window_->InvalidatePage(); }
  void InvalidateAll() override { window_->update(); }
  void RepaintNow() override { window_->RepaintPageNow(); }
  void StartWindowMove() override { window_->StartMove(); }
  void Minimise() override { window_->showMinimized(); }
  void ShowPage(int page) override;
  void OpenMenu(int kind, QPoint screen_position, int width, int height) override;
  bool MenuOpen() const override { return menus_ && menus_->IsOpen(); }
  void CloseMenu() override;
  std::optional<uint32_t> ChooseColour() override { return colors_.ChooseColor(); }
  void CloseProgram() override;
  void HideToTray() override;
  void Apply() override;
  void SwitchLanguage(int language_is_english) override;
  void ImportProfiles() override;
  void ExportProfiles() override;
  void ResetProfiles() override;
  void OpenSupportPage() override;
  void EndListEdits() override { macro_page_.EndEdits(); }
  void MacroPageButtonDown(int entry) override { macro_page_.ButtonDown(entry); }

  // MacroPageState.
  std::optional<int> SelectedMacroRepeatMode() const override {
    return macro_page_.SelectedMacroRepeatMode();
  }
  bool GroupLocked() const override { return macros_->groupLocked != 0; }

  // MenuHost.
  void OnProfileChosen() override;
  void OnHeaderMenuChosen(int row) override;
  void OnMacroMenuAction(int kind, int item) override { macro_page_.MenuAction(kind, item); }
  void OnMoreOptionsChosen(int row) override { macro_page_.MoreOptions(row); }
  void OnLightingStepModeChosen(int row) override { macro_page_.LightingModeChoice(row); }
  void OnLightingStepValueChosen(int row) override { macro_page_.LightingColourChoice(row); }
  void OnRapidFireItemChanged(int) override {}
  void RepaintMainWindow() override { window_->update(); }
  void SetCloseMenuFlag() override { window_->SetCloseMenuFlag(); }

  // The file the support control opens.
  std::filesystem::path HelpPage() const;

 private:
  bool OnMissingFile(const std::filesystem::path& file) override;
  void OnTooManyCommas(const std::filesystem::path& file) override;

  bool LoadSkin();
  void StartHotplug();
  void OnHotplugReadable();
  void RepairCheck();
  void SaveSimulatedMemory();
  void ShowDownloadProgress(int step, int total);
  void ShowDownloadResult(SettingsDownload::Result result);
  void UpdateLightingPreview();
  QIcon ApplicationIcon() const;

  WindowOptions options_;
  std::ostream& err_;
  RuntimePaths paths_;
  ProductDescription product_;
  ProfileSettings settings_;
  std::unique_ptr<MacroState> macros_ = std::make_unique<MacroState>();
  MacroLibraryState library_state_;
  ui::MainWindowSkin skin_;
  ui::SkinImages images_;
  std::unique_ptr<CQEL_DEveroDlg> window_;
  ui::GuiWarnings warnings_;
  ProfileStore store_{settings_, warnings_};
  ui::QtFileChooser chooser_;
  ui::QtColorChooser colors_;
  RealClock clock_;
  MacroPageController macro_page_;
  MacroLibrary library_;
  BackgroundSave background_save_;
  ProfileTransfer transfer_;

  std::unique_ptr<DeviceSession> session_;
  std::unique_ptr<TransportMemory> memory_;
  X11PointerSettings pointer_;
  std::unique_ptr<SettingsDownload> download_;
  std::unique_ptr<DownloadRunner> runner_;
  DeviceEventFlags flags_;
  OwnerQueue owner_;
  std::unique_ptr<DeviceEventHandler> handler_;
  std::unique_ptr<ReaderThread> reader_;
  std::unique_ptr<PollerThread> poller_;
  std::unique_ptr<hotplug::UdevHotplugMonitor> hotplug_;
  std::unique_ptr<QSocketNotifier> hotplug_notifier_;

  std::unique_ptr<ui::MenuContext> menu_context_;
  std::unique_ptr<ui::FunctionMenus> menus_;
  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<PowerMonitor> power_;
  std::unique_ptr<UnixSignals> signals_;
  QTimer lighting_preview_;
  QTimer apply_result_;

  bool skin_missing_ = false;
  bool ending_ = false;
  int exit_code_ = kExitOk;
};

}  // namespace devero

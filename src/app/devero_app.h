#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>
#include <ostream>

#include "app/command_line.h"
#include "app/device_event_handler.h"
#include "app/device_session.h"
#include "app/main_window.h"
#include "app/power_monitor.h"
#include "app/runtime_paths.h"
#include "app/single_instance.h"
#include "app/tray_icon.h"
#include "app/unix_signals.h"
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
#include "ui/gui_warnings.h"
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

// The window program: owns every subsystem's state for the run, initialises them in their
// order, and ends the program.
class DeveroApp final : public QObject,
                        public MainWindowActions,
                        public MacroPageView,
                        public RecordingControl,
                        private ui::SkinReadReport {
 public:
  DeveroApp(WindowOptions options, std::ostream& err);
  ~DeveroApp() override;

  // Start-up; returns false with exitCode() set when the program must end without a window.
  bool Initialise();
  int exitCode() const { return exit_code_; }
  CQEL_DEveroDlg* window() { return window_.get(); }

  // The ways the program ends: the close report is sent unless the mouse went away.
  void EndProgram(int code, bool send_close_report = true);
  void ShowAndRestore();

  // MainWindowActions.
  void CloseProgram() override;
  void HideToTray() override;
  void SwitchLanguage(int language_is_english) override;
  void PageShown(int page) override;
  bool Recording() const override { return false; }
  void ShowRecordingWarning() override;
  std::optional<int> SelectedMacroRepeatMode() const override;
  bool GroupLocked() const override { return macros_->groupLocked != 0; }

  // MacroPageView: the macro page's lists keep their rows here.
  void ShowGroupList(const std::vector<GroupListRow>& rows, int selected_row) override;
  void SelectGroupRow(int row) override;
  void EmptyGroupList() override;
  void StartGroupRowRename(int) override {}
  void EmptyStepList() override {}
  void RefreshStepList() override {}
  void SelectStepRow(int) override {}
  void SetRepeatCountField(std::u16string_view text, bool) override { repeat_text_ = text; }
  std::u16string RepeatCountText() const override { return repeat_text_; }
  void EmptyLightingList() override {}
  void ClosePopupMenu() override {}

  // RecordingControl.
  bool IsRecording() const override { return false; }
  void EndRecording() override {}

  // The settings download with what the record holds now; the simulated mouse's memory is
  // written to its file afterwards.
  SettingsDownload::Result RunDownload();

 private:
  bool OnMissingFile(const std::filesystem::path& file) override;
  void OnTooManyCommas(const std::filesystem::path& file) override;

  bool LoadSkin();
  void StartHotplug();
  void OnHotplugReadable();
  void RepairCheck();
  void SaveSimulatedMemory();
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
  RealClock clock_;
  MacroLibrary library_;
  BackgroundSave background_save_;
  ProfileTransfer transfer_;
  std::u16string repeat_text_ = u"1";

  std::unique_ptr<DeviceSession> session_;
  std::unique_ptr<TransportMemory> memory_;
  X11PointerSettings pointer_;
  std::unique_ptr<SettingsDownload> download_;
  DeviceEventFlags flags_;
  OwnerQueue owner_;
  std::unique_ptr<DeviceEventHandler> handler_;
  std::unique_ptr<ReaderThread> reader_;
  std::unique_ptr<PollerThread> poller_;
  std::unique_ptr<hotplug::UdevHotplugMonitor> hotplug_;
  std::unique_ptr<QSocketNotifier> hotplug_notifier_;

  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<PowerMonitor> power_;
  std::unique_ptr<UnixSignals> signals_;

  bool skin_missing_ = false;
  bool ending_ = false;
  int exit_code_ = kExitOk;
};

}  // namespace devero

#include "app/devero_app.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

#include "app/apply_settings.h"
#include "app/startup_reads.h"
#include "device/device_notification.h"
#include "device/discovery.h"
#include "device/group_macro_snapshot.h"
#include "device/library_group_macros.h"
#include "device/usb_ids.h"
#include "macro/macro_file.h"
#include "platform/ini/ini_file.h"
#include "platform/text/utf.h"
#include "profile/profile_transfer.h"
#include "ui/label_font.h"

namespace devero {
namespace {

constexpr char16_t kNoFileWarning[] = u"No file";
constexpr char16_t kTooManyCommasWarning[] = u"Erro : file";
constexpr char16_t kRepairStartWarning[] = u"Note: The mouse function will be tested";
constexpr char16_t kRepairDoneWarning[] = u"Check and repair is over ,replug the mouse";

std::filesystem::path ModuleDirectory(const WindowOptions& options) {
  return options.root.empty() ? RuntimePaths::CurrentModuleDirectory() : options.root;
}

}  // namespace

DeveroApp::DeveroApp(WindowOptions options, std::ostream& err)
    : options_(std::move(options)),
      err_(err),
      paths_(ModuleDirectory(options_)),
      images_(paths_.SkinDirectory()),
      warnings_(
          images_, skin_.warning,
          [this] { return window_ ? window_->LabelFont() : ui::LabelFont(96.0); }, err),
      macro_page_(paths_.SkinDirectory()),
      library_(*macros_, library_state_, paths_, warnings_, chooser_, clock_, macro_page_.view(),
               macro_page_),
      transfer_(
          store_, background_save_, warnings_, chooser_, clock_,
          ProfilePaths{paths_.ModuleDirectory(), paths_.ProductFile(), paths_.ConfigDirectory()}) {}

DeveroApp::~DeveroApp() {
  runner_.reset();
  owner_.Close();
  poller_.reset();
  reader_.reset();
  hotplug_notifier_.reset();
  hotplug_.reset();
  if (session_) session_->transport().SetObserver(nullptr);
}

QIcon DeveroApp::ApplicationIcon() const {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const std::filesystem::path file =
        paths_.SkinDirectory() / "icons" / ("devero_" + std::to_string(size) + ".png");
    if (QFile::exists(QString::fromStdString(file.string())))
      icon.addFile(QString::fromStdString(file.string()), QSize(size, size));
  }
  return icon;
}

bool DeveroApp::OnMissingFile(const std::filesystem::path& file) {
  err_ << "devero: missing skin file " << file << '\n';
  // One warning is enough: the program ends after it, so the rest of the reads are skipped.
  if (!skin_missing_) warnings_.ShowWarning(kNoFileWarning);
  skin_missing_ = true;
  return false;
}

void DeveroApp::OnTooManyCommas(const std::filesystem::path&) {
  warnings_.ShowWarning(kTooManyCommasWarning);
}

bool DeveroApp::LoadSkin() {
  return ui::LoadMainWindowSkin(paths_.SkinDirectory(), paths_.LanguageIsEnglish(), *this, skin_);
}

bool DeveroApp::Initialise() {
  // The device session first: a trace or memory file that cannot be used ends the start.
  DeviceOptions device_options;
  device_options.simulate = options_.simulate;
  device_options.simulate_file = options_.simulate_file;
  device_options.simulate_alternative_id = options_.simulate_alternative_id;
  device_options.trace_file = options_.trace_file;
  std::string error;
  session_ = DeviceSession::Open(device_options, &error);
  if (!session_) {
    err_ << "devero: " << error << '\n';
    exit_code_ = kExitCannotOpen;
    return false;
  }
  memory_ = std::make_unique<TransportMemory>(session_->transport());
  download_ = std::make_unique<SettingsDownload>(*memory_, warnings_, pointer_, kVendorId,
                                                 kRegularProductId);
  handler_ = std::make_unique<DeviceEventHandler>(settings_, product_, store_, paths_, *download_,
                                                  library_, owner_, [this] {
                                                    if (window_) window_->update();
                                                  });
  runner_ = std::make_unique<DownloadRunner>(*download_, [this](std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
  });
  handler_->SetDownloadRunning([this] { return DownloadRunning(); });
  owner_.SetWakeup([this] {
    QMetaObject::invokeMethod(
        this, [this] { owner_.RunPending(); }, Qt::QueuedConnection);
  });

  window_ = std::make_unique<CQEL_DEveroDlg>(skin_, images_, settings_, product_, library_state_,
                                             *this, *this);
  chooser_.SetParent(window_.get());
  colors_.SetParent(window_.get());
  menu_context_ = std::make_unique<ui::MenuContext>(
      ui::MenuContext{images_, skin_, settings_, product_, library_, *macros_,
                      [this] { return paths_.LanguageIsEnglish(); },
                      [this] { return window_->LabelFont(); }, *this});
  menus_ = std::make_unique<ui::FunctionMenus>(*menu_context_);
  // A choice below the first level closed the menus: the next paint of the main page closes
  // the first level too.
  window_->SetBeforePaint([this] {
    menus_->CloseAll();
    window_->clicks().ClearFunctionMenuOpen();
  });
  macro_page_.Attach(MacroPageDeps{
      *macros_, library_, paths_, warnings_, clock_, skin_, images_, *menus_, *menu_context_,
      *window_, [this] { window_->InvalidatePage(); }, [this] { return window_->LabelFont(); },
      [this] {
        return QString::fromStdU16String(product_.ProductName(paths_.LanguageIsEnglish()));
      },
      [this] { window_->clicks().ClearFunctionMenuOpen(); }});
  lighting_preview_.setSingleShot(false);
  connect(&lighting_preview_, &QTimer::timeout, this, [this] { UpdateLightingPreview(); });
  apply_result_.setSingleShot(true);
  connect(&apply_result_, &QTimer::timeout, this, [this] {
    window_->view().applyLabel.clear();
    window_->update();
  });
  tray_ = std::make_unique<TrayIcon>(
      ApplicationIcon(), [this] { ShowAndRestore(); }, [this] { EndProgram(kExitOk); });

  flags_.Clear();
  const DeviceEventContext context{
      session_->link(), session_->transport(), flags_, owner_, *handler_, clock_};
  reader_ = std::make_unique<ReaderThread>(context);
  poller_ = std::make_unique<PollerThread>(context);
  reader_->Start();
  poller_->Start();

  window_->setWindowIcon(ApplicationIcon());
  warnings_.SetPlacement(ui::WarningPlacement::kScreenCentre);
  RunStartupReads(paths_, product_, settings_, warnings_);
  window_->view().languageIsEnglish = paths_.LanguageIsEnglish();
  window_->setWindowTitle(
      QString::fromStdU16String(product_.ProductName(paths_.LanguageIsEnglish())));
  if (!LoadSkin()) {
    tray_->Remove();
    if (session_->link().Connected()) session_->transport().SendCloseReport();
    exit_code_ = kExitSkinMissing;
    return false;
  }
  window_->ShapeFromMask();
  library_.LoadLibrary();
  ReadBuiltInMacroFile(paths_.BuiltInMacroFile(), *macros_, warnings_, paths_.LanguageIsEnglish());
  tray_->SetLanguage(paths_.LanguageIsEnglish());
  // The key-capture dialog's language and title come from the product file just read.
  macro_page_.SetLanguage(paths_.LanguageIsEnglish());

  const DiscoveryResult found = session_->Discover();
  if (!found.connected) {
    const std::u16string access = DeviceAccessWarning(found);
    warnings_.ShowWarning(!access.empty()
                              ? access
                              : kNoMouseWarning + product_.ProductName(paths_.LanguageIsEnglish()));
    tray_->Remove();
    session_->transport().SendCloseReport();
    exit_code_ = kExitNoMouse;
    return false;
  }
  tray_->Add(QString::fromStdU16String(product_.ProductName(paths_.LanguageIsEnglish())));
  StartHotplug();
  if (qEnvironmentVariableIsSet("DEVERO_REPORT_TIMING")) {
    // A heartbeat of the window's thread, for the responsiveness benchmark.
    auto* heartbeat = new QTimer(this);
    connect(heartbeat, &QTimer::timeout, this, [] { ReportTiming("tick"); });
    heartbeat->start(5);
  }
  power_ = std::make_unique<PowerMonitor>([this] { StartDownload(); });
  signals_ = std::make_unique<UnixSignals>([this] { EndProgram(kExitOk); });

  // Where the window opens is the window manager's choice (the corner without one).
  if (options_.start_minimised) {
    window_->showMinimized();
  } else {
    window_->show();
  }
  warnings_.SetMainWindow(window_.get());
  if (session_->link().ProductVariant() == DeviceLink::kVariantAlternative) RepairCheck();
  warnings_.SetPlacement(ui::WarningPlacement::kRelativeToWindow);
  return true;
}

void DeveroApp::RepairCheck() {
  warnings_.ShowWarning(kRepairStartWarning);
  transfer_.Reset();
  settings_.currentProfile = 0;
  // The product file follows, so that the next start opens the profile the mouse now has.
  store_.RecordCurrentProfile(paths_.ProductFile());
  window_->update();
  StartDownload([this](SettingsDownload::Result) { warnings_.ShowWarning(kRepairDoneWarning); });
}

bool DeveroApp::StartDownload(std::function<void(SettingsDownload::Result)> after) {
  if (DownloadRunning()) return false;
  auto job = std::make_unique<DownloadRunner::Job>();
  job->settings = settings_;
  job->product = product_;
  job->product_variant = session_->link().ProductVariant();
  job->built_ins = macros_->builtInMacroTable;
  job->rapid_fire = macros_->rapidFireTable;
  job->groups = std::make_unique<GroupMacroSnapshot>(library_, paths_.LanguageIsEnglish());
  auto before = std::make_shared<ProfileSettings>(settings_);
  ShowDownloadProgress(0, 1);
  ReportTiming("download start");
  DownloadRunner::Callbacks callbacks;
  callbacks.progress = [this](int step, int total) { ShowDownloadProgress(step, total); };
  callbacks.done = [this, before, after = std::move(after)](SettingsDownload::Result result,
                                                            const ProfileSettings& left) {
    ReportTiming("download done");
    CarryDownloadChanges(*before, left, settings_);
    SaveSimulatedMemory();
    ShowDownloadResult(result);
    if (after) after(result);
  };
  return runner_->Start(std::move(job), std::move(callbacks));
}

void DeveroApp::ShowDownloadProgress(int step, int total) {
  ui::MainViewState& v = window_->view();
  const int permille = total > 0 ? std::clamp(step * 1000 / total, 0, 1000) : 0;
  v.applyProgress = permille;
  const std::u16string percent = ToU16(permille / 10);
  v.applyLabel =
      (v.languageIsEnglish != 0 ? u"Applying " : u"\u6B63\u5728\u5E94\u7528 ") + percent + u" %";
  apply_result_.stop();
  window_->update();
}

void DeveroApp::ShowDownloadResult(SettingsDownload::Result result) {
  ui::MainViewState& v = window_->view();
  v.applyProgress = -1;
  const bool english = v.languageIsEnglish != 0;
  if (result == SettingsDownload::Result::kDone) {
    v.applyLabel = english ? u"Done" : u"\u5B8C\u6210";
  } else {
    v.applyLabel = english ? u"Stopped" : u"\u5DF2\u4E2D\u6B62";
  }
  apply_result_.start(kApplyResultShownMs);
  window_->update();
}

void DeveroApp::SaveSimulatedMemory() {
  const std::string error = session_->SaveSimulatedMemory();
  if (!error.empty()) err_ << "devero: " << error << '\n';
}

void DeveroApp::StartHotplug() {
  std::string error;
  hotplug_ = hotplug::UdevHotplugMonitor::Create(&error);
  if (!hotplug_) {
    err_ << "devero: plugging and unplugging are not followed: " << error << '\n';
    return;
  }
  hotplug_notifier_ = std::make_unique<QSocketNotifier>(hotplug_->Fd(), QSocketNotifier::Read);
  connect(hotplug_notifier_.get(), &QSocketNotifier::activated, this,
          [this] { OnHotplugReadable(); });
}

void DeveroApp::OnHotplugReadable() {
  for (const hotplug::HotplugEvent& event : hotplug_->ReadEvents()) {
    const DeviceNotificationResult r =
        HandleDeviceNotification(event, session_->bus(), session_->link());
    if (r.outcome == DeviceNotificationOutcome::kRemoved) {
      err_ << "devero: the mouse was unplugged\n";
      EndProgram(kExitOk, false);
      return;
    }
  }
}

void DeveroApp::EndProgram(int code, bool send_close_report) {
  if (ending_) return;
  ending_ = true;
  exit_code_ = code;
  if (tray_) tray_->Remove();
  if (send_close_report && session_) session_->transport().SendCloseReport();
  macro_page_.CloseDialogs();
  if (menus_) menus_->CloseAll();
  if (window_) window_->hide();
  lighting_preview_.stop();
  // A running download may wait for a warning on this thread: answer it before joining.
  warnings_.SetClosing(true);
  while (DownloadRunning())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  runner_->Wait();
  // Threads waiting for the window's thread are let go before they are joined.
  owner_.Close();
  poller_.reset();
  reader_.reset();
  if (session_ && options_.simulate) SaveSimulatedMemory();
  QCoreApplication::exit(code);
}

void DeveroApp::ShowAndRestore() {
  if (!window_) return;
  window_->showNormal();
  window_->raise();
  window_->activateWindow();
}

void DeveroApp::CloseProgram() {
  if (window_) window_->showMinimized();
  EndProgram(kExitOk);
}

void DeveroApp::HideToTray() {
  if (!window_) return;
  // Without a tray a hidden window could not be brought back: minimise instead.
  if (TrayIcon::Available() && tray_ && tray_->Shown()) {
    window_->showMinimized();
    window_->hide();
  } else {
    window_->showMinimized();
  }
}

void DeveroApp::SwitchLanguage(int target) {
  menus_->CloseAll();
  // The selected macro goes into the old language's group file first.
  library_.SaveMacroOfRow(library_state_.selectedRow);
  paths_.SetLanguage(target);
  if (!ini::WriteString(paths_.ProductFile(), u"Init", u"VER_SEL", target != 0 ? u"1" : u"0"))
    err_ << "devero: the language could not be saved in " << paths_.ProductFile() << '\n';
  window_->view().languageIsEnglish = target;
  LoadSkin();
  library_.LoadLibrary();
  if (window_->page() == ui::kMacroPage) {
    macro_page_.view().EmptyStepList();
    library_.SelectRow(0);
  }
  tray_->SetLanguage(target);
  macro_page_.SetLanguage(target);
  window_->setWindowTitle(QString::fromStdU16String(product_.ProductName(target)));
  window_->update();
}

void DeveroApp::ShowPage(int page) {
  const int previous = window_->page();
  if (previous == ui::kMacroPage && page != ui::kMacroPage) macro_page_.Leave();
  window_->SetPage(page);
  if (page == ui::kMacroPage && previous != ui::kMacroPage) macro_page_.Enter();
  if (page == ui::kLightingPage && previous != ui::kLightingPage) {
    UpdateLightingPreview();
  } else if (page != ui::kLightingPage) {
    lighting_preview_.stop();
  }
}

void DeveroApp::UpdateLightingPreview() {
  if (window_->page() != ui::kLightingPage) {
    lighting_preview_.stop();
    return;
  }
  window_->update();
  const int speed = std::clamp<int>(settings_.ledCycleTime, 0, 5);
  const int interval = 1200 - 200 * speed;
  if (!lighting_preview_.isActive() || lighting_preview_.interval() != interval)
    lighting_preview_.start(interval);
}

void DeveroApp::OpenMenu(int kind, QPoint screen_position, int, int) {
  // The menus size themselves from their pictures.
  if (kind == ui::kFunctionMenu) menus_->setSelectedButton(window_->clicks().selectedButton());
  menus_->Open(kind, screen_position, window_.get());
}

void DeveroApp::CloseMenu() {
  if (menus_) menus_->CloseAll();
}

void DeveroApp::OnProfileChosen() {
  store_.RecordCurrentProfile(paths_.ProductFile());
  window_->view().profileMenuOpen = false;
  window_->update();
}

void DeveroApp::OnHeaderMenuChosen(int) {
  OnProfileChosen();
}

void DeveroApp::Apply() {
  // Ignored while a download runs: neither a save nor a second download.
  if (DownloadRunning()) return;
  StartApplySave(background_save_, settings_, library_, library_state_.selectedRow,
                 paths_.ProductFile());
  StartDownload([this](SettingsDownload::Result) {
    if (!background_save_.Wait())
      warnings_.ShowWarning(u"The settings could not be saved in " +
                            Utf8ToUtf16(paths_.ProductFile().string()));
  });
}

void DeveroApp::ImportProfiles() {
  if (transfer_.Import()) window_->update();
}

void DeveroApp::ExportProfiles() {
  transfer_.Export();
}

void DeveroApp::ResetProfiles() {
  transfer_.Reset();
  window_->update();
}

std::filesystem::path DeveroApp::HelpPage() const {
  return paths_.SkinDirectory() / "help" / "index.html";
}

void DeveroApp::OpenSupportPage() {
  const std::filesystem::path page = HelpPage();
  if (!QFile::exists(QString::fromStdString(page.string())) ||
      !QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page.string())))) {
    warnings_.ShowWarning(u"The help page could not be opened: " + Utf8ToUtf16(page.string()));
  }
}

}  // namespace devero

#include "app/device_event_handler.h"

#include <optional>

#include "device/function_codes.h"
#include "device/library_group_macros.h"
#include "platform/ini/ini_file.h"

namespace devero {

int DeviceEventHandler::CurrentProfile() const {
  const int p = settings_.currentProfile;
  return p >= 0 && p < kProfileCount ? p : 0;
}

void DeviceEventHandler::Repaint() {
  if (repaint_) repaint_();
}

int DeviceEventHandler::KeyNum() {
  return product_.keyNum;
}

int DeviceEventHandler::KeyMap(int button) {
  // A button without a valid map number sits in no slot, so no event can name it.
  return product_.HasValidMapNumber(button) ? product_.keyMap[button] : 0;
}

int DeviceEventHandler::ButtonFunction(int button) {
  if (button < 0 || button >= kSlotCount) return 0;
  return settings_.buttonFunction[CurrentProfile()][button];
}

bool DeviceEventHandler::IsDpiButton(int button) {
  return IsDpiDeviceFunction(DeviceFunctionCode(ButtonFunction(button), 0, 0));
}

bool DeviceEventHandler::IsProfileButton(int button) {
  return IsProfileFunction(ButtonFunction(button));
}

uint16_t DeviceEventHandler::ConsumerUsage(int index) {
  return devero::ConsumerUsage(index);
}

void DeviceEventHandler::OnProfileSwitched(int profile) {
  settings_.currentProfile = profile;
  store_.RecordCurrentProfile(paths_.ProductFile());
  store_.LoadProfile(paths_.ConfigDirectory(), profile, false);
  Repaint();
}

void DeviceEventHandler::OnDpiStageSwitched(int level) {
  settings_.dpiLevel = level;
  Repaint();
  store_.RecordDpiLevel(paths_.ProductFile());
}

ColorLevels DeviceEventHandler::DpiStageColor(int stage) {
  if (stage < 0 || stage >= kDpiStageCount) return ColorLevels{};
  return settings_.dpiStageColor[stage];
}

LightingQuickSet DeviceEventHandler::LightingForQuickSet() {
  settings_.DeriveCycleColorMaskFromFlags();
  LightingQuickSet l;
  l.cycleColorEnable = settings_.cycleColorEnable;
  l.ledUserColorEnable = settings_.ledUserColorEnable;
  l.ledType = settings_.ledType;
  l.ledCycleTime = settings_.ledCycleTime;
  l.ledFeatureScolor = settings_.ledFeatureScolor;
  l.ledFeatureSymmetry = settings_.ledFeatureSymmetry;
  l.ledFeatureDirection = settings_.ledFeatureDirection;
  l.ledBrightness = settings_.ledBrightness;
  return l;
}

void DeviceEventHandler::LoadDpiLevelFromProductFile() {
  settings_.dpiLevel = ini::ReadInt(paths_.ProductFile(), u"ShareData", u"DPI_LEVEL", 5);
}

void DeviceEventHandler::RedownloadLeftButtonMacro(int direction, std::stop_token stop) {
  std::optional<LeftButtonJob> job;
  const bool prepared = owner_.RunOnOwner(
      [&] {
        if (download_running_ && download_running_()) return;
        const LibraryGroupMacros groups(library_);
        job = download_.PrepareLeftButtonRedownload(settings_, groups);
      },
      stop);
  if (!prepared || !job) return;
  const MacroRecord adjusted = download_.WriteLeftButtonMacro(*job, direction);
  owner_.RunOnOwner([&] { library_.StoreGroupMacro(job->group, job->index, adjusted); }, stop);
}

}  // namespace devero

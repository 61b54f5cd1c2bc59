#pragma once

#include <cstdint>
#include <stop_token>

#include "device/quick_set.h"

namespace devero {

// What the device event threads and the DPI-level handler need from the application: the
// button tables of the current profile and the changes they make to the settings record, the
// product file and the window. The application implements it.
class DeviceEventActions {
 public:
  virtual ~DeviceEventActions() = default;

  // --- On the owner thread (the reader and the poller call these through OwnerDispatch).
  virtual int KeyNum() = 0;
  // The mouse's own number (device slot) of button i < KeyNum().
  virtual int KeyMap(int button) = 0;
  // Of the current profile: device function code 6, 11 or 12.
  virtual bool IsDpiButton(int button) = 0;
  // Of the current profile: function code 19..22.
  virtual bool IsProfileButton(int button) = 0;
  // The function code of the button in the current profile.
  virtual int ButtonFunction(int button) = 0;
  // The consumer usage of a multimedia index; 0 beyond the table.
  virtual uint16_t ConsumerUsage(int index) = 0;
  // The profile was switched on the mouse: set currentProfile, record [Init] CurConfig, load
  // that profile from the product file, repaint the window.
  virtual void OnProfileSwitched(int profile) = 0;
  // The DPI stage was switched on the mouse: set dpiLevel, repaint, record the DPI level.
  virtual void OnDpiStageSwitched(int level) = 0;

  // --- On the owner thread, for OnDpiLevelMessage.
  // The colour levels of DPI stage 0..5.
  virtual ColorLevels DpiStageColor(int stage) = 0;
  // The lighting fields; brings cycleColorMask of the record up to date with its flags.
  virtual LightingQuickSet LightingForQuickSet() = 0;
  // Reads [ShareData] DPI_LEVEL (at most 4 characters) from the product file into dpiLevel.
  virtual void LoadDpiLevelFromProductFile() = 0;

  // --- On the reader thread, so that a stream of requests does not block the window; what
  // it reads or changes of the record and the macro tables it hands to the owner itself.
  // `stop` is requested when the threads stop.
  virtual void RedownloadLeftButtonMacro(int direction, std::stop_token stop) = 0;
};

}  // namespace devero

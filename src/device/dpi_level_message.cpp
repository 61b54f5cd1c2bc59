#include "device/dpi_level_message.h"

#include <array>

namespace devero {
namespace {

constexpr uint16_t kDpiStageAddress = 24;
constexpr int kDpiStages = 6;
constexpr int kPauseMs = 2;

}  // namespace

void OnDpiLevelMessage(DeviceTransport& transport, DeviceEventActions& actions) {
  std::array<uint8_t, 8> block{};
  transport.ReadDeviceBytes(kDpiStageAddress, block);
  const int level = block[0] & 7;
  // Stages 6 and 7 do not exist; their colour would be read past the table.
  if (level < kDpiStages) transport.SendDpiColorQuickSet(level, actions.DpiStageColor(level));
  transport.SendLightingQuickSet(actions.LightingForQuickSet());
  transport.Delay(kPauseMs);
  actions.LoadDpiLevelFromProductFile();
  transport.ApplyDeviceSettings();
}

}  // namespace devero

#pragma once

#include "platform/pointer/pointer_settings.h"

namespace devero {

// The pointer speed as the X server's pointer acceleration: speed s accelerates by s / 10 above
// a threshold of 4 pixels, so 10 is unaccelerated. X has no wheel scroll lines setting: that
// "get" always fails. Without a display every "get" fails.
class X11PointerSettings final : public PointerSettings {
 public:
  std::optional<int> GetMouseSpeed() override;
  bool SetMouseSpeed(int speed) override;
  std::optional<int> GetWheelScrollLines() override { return std::nullopt; }
  bool SetWheelScrollLines(int) override { return false; }
};

}  // namespace devero

#pragma once

#include "platform/pointer/pointer_settings.h"

namespace devero {

// A desktop without pointer settings: every "get" fails, so nothing is ever set.
class NoPointerSettings final : public PointerSettings {
 public:
  std::optional<int> GetMouseSpeed() override { return std::nullopt; }
  bool SetMouseSpeed(int) override { return false; }
  std::optional<int> GetWheelScrollLines() override { return std::nullopt; }
  bool SetWheelScrollLines(int) override { return false; }
};

}  // namespace devero

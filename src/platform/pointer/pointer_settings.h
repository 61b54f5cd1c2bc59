#pragma once

#include <optional>

namespace devero {

// The desktop's pointer speed (1..20, 10 the neutral speed) and wheel scroll lines. A "get"
// gives nothing where the desktop has no such setting; then nothing is set.
class PointerSettings {
 public:
  virtual ~PointerSettings() = default;
  virtual std::optional<int> GetMouseSpeed() = 0;
  virtual bool SetMouseSpeed(int speed) = 0;
  virtual std::optional<int> GetWheelScrollLines() = 0;
  virtual bool SetWheelScrollLines(int lines) = 0;
};

}  // namespace devero

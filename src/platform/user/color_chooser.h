#pragma once

#include <cstdint>
#include <optional>

namespace devero {

// The platform's colour dialog: the chosen colour as a COLORREF (red in bits 0..7, green in
// 8..15, blue in 16..23), nothing when the user cancels.
class ColorChooser {
 public:
  virtual ~ColorChooser() = default;
  virtual std::optional<uint32_t> ChooseColor() = 0;
};

}  // namespace devero

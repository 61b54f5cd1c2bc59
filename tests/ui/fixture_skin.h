#pragma once

#include <QColor>
#include <QImage>
#include <filesystem>
#include <string>

namespace devero::testing {

// A small hand-made skin: every page's normal, over and down pictures in one flat colour each
// (so a pixel tells which picture it came from), a mask with a cut-out corner, a knob, the
// lighting page's unavailable look, and skin files in both languages placing a few controls.
struct FixtureSkin {
  static constexpr int kWidth = 400;
  static constexpr int kHeight = 300;
  static inline const QColor kNormal{10, 20, 30};
  static inline const QColor kOver{40, 90, 200};
  static inline const QColor kDown{200, 40, 40};
  static inline const QColor kNull{90, 90, 90};

  // Writes the skin under root/skins.
  static void Write(const std::filesystem::path& root);
};

}  // namespace devero::testing

// The lighting page: mode, colours, brightness, speed, direction and symmetry.
#include <QPainter>

#include "layout_pages.h"
#include "layout_util.h"
#include "theme.h"

namespace skingen {
namespace {

const QRect kColourArea{352, 140, 612, 110};
const QRect kBrightnessArea{352, 258, 612, 54};
const QRect kSpeedArea{352, 318, 612, 54};
const QRect kDirectionArea{352, 380, 612, 136};
constexpr int kSwatchLeft = 396;
constexpr int kSwatchPitch = 78;

}  // namespace

std::vector<Entry> LightingEntries() {
  std::vector<Entry> l;
  l.push_back(E(14, {70, 150, 200, 380}, Look::kLitMouse, "", "", "mouse"));
  l.push_back(Label(16, {352, 94, 120, 34}, "Lighting Mode", "灯光模式", "mode_caption"));
  l.push_back(E(35, {480, 94, 164, 34}, Look::kDropdown, "", "", "mode"));
  l.push_back(Label(15, {352, 144, 612, 22}, "COLOURS", "颜色", "colours"));
  for (int k = 0; k < 7; ++k) {
    const int x = kSwatchLeft + k * kSwatchPitch;
    l.push_back(E(k, {x, 174, 56, 34}, Look::kSwatch, "", "", "colour"));
    l.push_back(E(7 + k, {x, 214, 56, 26}, Look::kCheck, "", "", "colour_on"));
  }
  l.push_back(Label(38, {352, 262, 150, 46}, "Brightness", "亮度", "brightness_caption"));
  l.push_back(E(40, {520, 272, 380, 26}, Look::kSlider, "", "", "brightness"));
  l.push_back(Label(39, {352, 322, 150, 46}, "Speed", "速度", "speed_caption"));
  l.push_back(E(41, {520, 332, 380, 26}, Look::kSlider, "", "", "speed"));
  const Glyph glyphs[] = {Glyph::kArrowRight, Glyph::kArrowLeft, Glyph::kBounce, Glyph::kSpread};
  const char* const dir_en[] = {"Forward", "Backward", "Back and forth", "From centre"};
  const char* const dir_cn[] = {"正向", "反向", "往返", "中心扩散"};
  for (int k = 0; k < 4; ++k) {
    l.push_back(
        E(47 + k, {532 + k * 108, 390, 84, 36}, Look::kOption, "", "", "direction", glyphs[k]));
    l.push_back(
        Label(31 + k, {520 + k * 108, 430, 108, 22}, dir_en[k], dir_cn[k], "direction_caption"));
  }
  l.push_back(Label(30, {352, 468, 150, 36}, "Symmetry", "对称", "symmetry_caption"));
  l.push_back(E(45, {532, 470, 84, 32}, Look::kSwitch, "", "", "symmetry"));
  l.push_back(Label(98, {352, 526, 612, 40}, "Tail: the light runs through the chosen colours",
                    "行云流水：灯光依次流过所选颜色", "mode_note"));
  // Areas copied from the unavailable picture; the program never hits them.
  l.push_back(E(72, kBrightnessArea, Look::kLabel, "", "", "brightness_area"));
  l.push_back(E(73, kSpeedArea, Look::kLabel, "", "", "speed_area"));
  l.push_back(E(74, kDirectionArea, Look::kLabel, "", "", "direction_area"));
  l.push_back(E(75, kColourArea, Look::kLabel, "", "", "colour_area"));
  return l;
}

void PaintLightingPage(QPainter& p) {
  PaintFrame(p);
  Panel(p, QRect(20, 76, 300, 508));
  Panel(p, QRect(336, 76, 644, 508));
  p.fillRect(QRect(352, 136, 612, 1), color::kLine);
  p.fillRect(QRect(352, 254, 612, 1), color::kLine);
  p.fillRect(QRect(352, 376, 612, 1), color::kLine);
  p.fillRect(QRect(352, 520, 612, 1), color::kLine);
  for (int k = 0; k < 7; ++k) {
    const QRect swatch(kSwatchLeft + k * kSwatchPitch, 174, 56, 34);
    Box(p, QRectF(swatch).adjusted(-2, -2, 2, 2), 5, QColor(0x10, 0x12, 0x16), color::kLineStrong);
  }
}

}  // namespace skingen

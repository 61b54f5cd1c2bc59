#include "ui/lighting_page_paint.h"

#include <algorithm>
#include <array>
#include <vector>

#include "ui/skin_painter.h"
#include "ui/slider.h"

namespace devero::ui {
namespace {

bool Contains(std::initializer_list<int> list, int v) {
  return std::find(list.begin(), list.end(), v) != list.end();
}

const SkinEntry* At(const std::array<SkinEntry, kLightingEntries>& table, int64_t index) {
  if (index < 0 || index >= kLightingEntries) return nullptr;
  return &table[static_cast<size_t>(index)];
}

}  // namespace

std::span<const int> LightingGreyedEntries(int led_type) {
  static constexpr int k0[] = {72, 75, 74, 50, 71};
  static constexpr int k1[] = {74, 72, 50, 71};
  static constexpr int k2[] = {75, 74, 73, 50, 71};
  static constexpr int k3[] = {71};
  static constexpr int k45[] = {50, 71};
  static constexpr int k6811[] = {72, 74, 71, 75};
  static constexpr int k7[] = {72, 50, 49, 71, 75};
  static constexpr int k9[] = {73, 72, 74, 71, 75};
  static constexpr int k10[] = {45, 72, 50, 49, 71, 75};
  static constexpr int k12[] = {75, 74, 73, 72, 50};
  static constexpr int k13[] = {75, 74, 73, 72, 50, 71};
  switch (led_type) {
    case 0:
      return k0;
    case 1:
      return k1;
    case 2:
      return k2;
    case 3:
      return k3;
    case 4:
    case 5:
      return k45;
    case 6:
    case 8:
    case 11:
      return k6811;
    case 7:
      return k7;
    case 9:
      return k9;
    case 10:
      return k10;
    case 12:
      return k12;
    case 13:
      return k13;
    default:
      return {};
  }
}

bool LightingLabelShown(int entry, int mode, int button_count) {
  if (entry == 98) return mode == 3;
  if (mode == 12 && entry >= 61 && entry <= 60 + button_count) return false;
  const bool colours = entry == 15;
  const bool row30to34 = entry >= 30 && entry <= 34;
  switch (mode) {
    case 0:
    case 6:
    case 8:
    case 11:
      return !(colours || row30to34 || entry == 38);
    case 1:
      return !(row30to34 || entry == 38);
    case 2:
      return !(colours || row30to34 || entry == 39);
    case 4:
    case 5:
      return entry != 34;
    case 7:
      return !Contains({15, 33, 34, 38}, entry);
    case 9:
    case 12:
    case 13:
      return !(colours || row30to34 || entry == 38 || entry == 39);
    case 10:
      return !Contains({15, 30, 33, 34, 38}, entry);
    default:
      return true;
  }
}

void PaintLightingStates(QPainter& p, SkinImages& images, const MainWindowSkin& skin,
                         const ProfileSettings& s, const QImage& down) {
  const auto& t = skin.lighting;
  for (SliderMode mode : {SliderMode::kLedCycleTime, SliderMode::kLedBrightness}) {
    const SliderSpec& spec = SliderSpecFor(mode);
    const SkinEntry& e = t[static_cast<size_t>(spec.entry)];
    const int64_t drawn = SliderDrawnWidth(mode, SliderStoredValue(mode, s), e.width);
    CopyControl(p, down, EntryRect(e.x, e.y, drawn, e.height));
    DrawKnob(p, images.Knob(), e.x + drawn + spec.knob_dx, e.y + spec.knob_dy);
  }
  if (s.ledFeatureSymmetry != 0) CopyControl(p, down, t[45]);
  if (const SkinEntry* e = At(t, int64_t{47} + s.ledFeatureDirection)) CopyControl(p, down, *e);
  for (int slot = 0; slot < kUserColorCount; ++slot) {
    if (s.cycleColorEnable[static_cast<size_t>(slot)] != 0)
      CopyControl(p, down, t[static_cast<size_t>(7 + slot)]);
  }
  CopyControl(p, down, t[14]);
  for (int slot = 0; slot < kUserColorCount; ++slot) {
    const QRect r = EntryRect(t[static_cast<size_t>(slot)]);
    if (!r.isEmpty()) p.fillRect(r, FromColorRef(s.ledUserColorRef[static_cast<size_t>(slot)]));
  }
  const std::span<const int> greyed = LightingGreyedEntries(s.ledType);
  if (!greyed.empty()) {
    const QImage& null_image = images.Get("\\led_null.jpg");
    for (int entry : greyed)
      CopyControl(p, null_image, t[static_cast<size_t>(entry)]);
  }
}

}  // namespace devero::ui

#include "ui/main_window_paint.h"

#include <algorithm>
#include <string>

#include "macro/lighting_mode_names.h"
#include "platform/text/utf.h"
#include "ui/dpi_numbers.h"
#include "ui/lighting_page_paint.h"
#include "ui/skin_painter.h"
#include "ui/slider.h"

namespace devero::ui {
namespace {

QString Q(const std::u16string& s) {
  return QString::fromStdU16String(s);
}

template <size_t N>
const SkinEntry* At(const std::array<SkinEntry, N>& table, int64_t index) {
  if (index < 0 || index >= static_cast<int64_t>(N)) return nullptr;
  return &table[static_cast<size_t>(index)];
}

template <size_t N>
void Copy(QPainter& p, const QImage& image, const std::array<SkinEntry, N>& table, int64_t index) {
  if (const SkinEntry* e = At(table, index)) CopyControl(p, image, *e);
}

struct Images {
  const QImage& normal;
  const QImage& over;
  const QImage& down;
};

bool IsAdvancedSlider(int entry) {
  return entry == 1 || entry == 18 || entry == 31 || entry == 66;
}

int Hover(const MainViewState& v) {
  switch (v.page) {
    case kMainPage:
      return v.hoverMain;
    case kAdvancedPage:
      return v.hoverAdvanced;
    case kMacroPage:
      return v.hoverMacro;
    default:
      return v.hoverLighting;
  }
}

void PaintHovered(QPainter& p, const Images& im, const MainPaintInput& in) {
  const MainViewState& v = in.view;
  const int h = Hover(v);
  if (h == kNoEntry) return;
  const bool from_down = (v.pressed && (v.page == kMainPage || v.page == kMacroPage)) ||
                         (v.page == kAdvancedPage && !IsAdvancedSlider(h));
  const QImage& source = from_down ? im.down : im.over;
  switch (v.page) {
    case kMainPage:
      Copy(p, source, in.skin.main, h);
      break;
    case kAdvancedPage:
      Copy(p, source, in.skin.advanced, h);
      break;
    case kMacroPage:
      Copy(p, source, in.skin.macro, h);
      break;
    default:
      Copy(p, source, in.skin.lighting, h);
      break;
  }
}

void PaintSlider(QPainter& p, SkinImages& images, const QImage& down, const SkinEntry& e,
                 SliderMode mode, const ProfileSettings& s) {
  const SliderSpec& spec = SliderSpecFor(mode);
  const int64_t drawn = SliderDrawnWidth(mode, SliderStoredValue(mode, s), e.width);
  CopyControl(p, down, EntryRect(e.x, e.y, drawn, e.height));
  DrawKnob(p, images.Knob(), e.x + drawn + spec.knob_dx, e.y + spec.knob_dy);
}

void PaintMainStates(QPainter& p, const Images& im, const MainPaintInput& in) {
  const int h = in.view.hoverMain;
  const int n = in.product.keyNum;
  if (h >= 20 && h < 20 + n) Copy(p, im.down, in.skin.main, h + 15);
  if (h >= 35 && h < 35 + n) Copy(p, im.down, in.skin.main, h - 15);
}

void PaintAdvancedStates(QPainter& p, SkinImages& images, const Images& im,
                         const MainPaintInput& in) {
  const ProfileSettings& s = in.settings;
  const auto& t = in.skin.advanced;
  Copy(p, im.down, t, int64_t{60} + s.dpiLevel);
  for (int k = 0; k < kDpiStageCount; ++k) {
    const QRect swatch = EntryRect(t[static_cast<size_t>(77 + k)]);
    if (!swatch.isEmpty())
      p.fillRect(swatch, FromColorRef(s.dpiStageColorRef[static_cast<size_t>(k)]));
    if (s.dpiStageEnabled[static_cast<size_t>(k)] != 0) Copy(p, im.down, t, 47 + k);
  }
  // The DPI slider takes its x and y from its entry but has a fixed full width.
  PaintSlider(p, images, im.down, t[66], SliderMode::kDpiValue, s);
  PaintSlider(p, images, im.down, t[1], SliderMode::kDpiSpeed, s);
  PaintSlider(p, images, im.down, t[18], SliderMode::kWheelSpeed, s);
  PaintSlider(p, images, im.down, t[31], SliderMode::kFireTime, s);
  Copy(p, im.down, t, int64_t{34} + s.usbSpeed);
  Copy(p, im.down, t, int64_t{38} + s.usbSpeed);
}

void PaintMacroStates(QPainter& p, const Images& im, const MainPaintInput& in) {
  const MainViewState& v = in.view;
  if (v.recording) Copy(p, im.down, in.skin.macro, 4);
  if (!v.groupLocked && v.macroSelected) {
    switch (v.selectedRepeatMode) {
      case 2:
        Copy(p, im.down, in.skin.macro, 6);
        break;
      case 1:
        Copy(p, im.down, in.skin.macro, 7);
        break;
      case 0:
        Copy(p, im.down, in.skin.macro, 8);
        break;
      default:
        break;
    }
  }
}

void PaintHeader(QPainter& p, const Images& im, const MainPaintInput& in) {
  const MainViewState& v = in.view;
  const int tab = 6 + v.page;
  for (int i = 0; i < kHeaderEntries; ++i) {
    const bool hovered = v.hoverMain == i;
    const QImage* source = nullptr;
    if (i == tab || (i == 4 && v.languageIsEnglish == 0) || (i == 5 && v.languageIsEnglish != 0)) {
      source = &im.down;
    } else if (i == 10) {
      if (v.profileMenuOpen) {
        source = &im.down;
      } else if (hovered) {
        source = &im.over;
      }
    } else if (hovered) {
      source = v.pressed ? &im.down : &im.over;
    }
    if (source != nullptr) CopyControl(p, *source, in.skin.main[static_cast<size_t>(i)]);
  }
}

void Label(QPainter& p, const QFont& font, const SkinEntry& e, const std::u16string& text,
           const QColor& color = kLabelWhite) {
  DrawCentredLabel(p, font, color, e.x, e.y, e.width, e.height, Q(text));
}

// A download in progress: the Apply control pressed, with a bar along its lower edge.
void PaintApplyProgress(QPainter& p, const Images& im, const MainPaintInput& in) {
  const int progress = in.view.applyProgress;
  if (progress < 0) return;
  const SkinEntry& e = in.skin.main[kApplyEntry];
  CopyControl(p, im.down, e);
  const QRect r = EntryRect(e);
  if (r.isEmpty()) return;
  const int bar = std::max(2, r.height() / 10);
  const QRect track(r.left() + bar, r.bottom() - 2 * bar + 1, r.width() - 2 * bar, bar);
  p.fillRect(track, QColor(255, 255, 255, 60));
  p.fillRect(QRect(track.left(), track.top(), track.width() * std::min(progress, 1000) / 1000,
                   track.height()),
             QColor(255, 255, 255));
}

void HeaderLabels(QPainter& p, const MainPaintInput& in) {
  for (int i = 0; i < kHeaderEntries; ++i) {
    const SkinEntry& e = in.skin.main[static_cast<size_t>(i)];
    if (i == kApplyEntry && !in.view.applyLabel.empty()) {
      Label(p, in.font, e, in.view.applyLabel);
    } else if (i == 10) {
      const int profile = in.settings.currentProfile;
      const bool valid = profile >= 0 && profile < kProfileCount;
      Label(p, in.font, e,
            valid ? in.skin.functionNames[static_cast<size_t>(19 + profile)] : e.label);
    } else {
      Label(p, in.font, e, e.label);
    }
  }
}

void MainLabels(QPainter& p, const MainPaintInput& in) {
  const int n = in.product.keyNum;
  const int profile = in.settings.currentProfile;
  for (int i = kHeaderEntries; i < kMainEntries; ++i) {
    const SkinEntry& e = in.skin.main[static_cast<size_t>(i)];
    if (i < 20 + n) {
      const int button = i - 20;
      if (profile < 0 || profile >= kProfileCount || button >= kSlotCount) continue;
      const std::u16string text = FunctionFieldLabel(
          in.settings.buttonFunction[static_cast<size_t>(profile)][static_cast<size_t>(button)],
          in.skin, in.library, in.view.hoverMain == i);
      DrawLeftLabel(p, in.font, kLabelWhite, int64_t{e.x} + kFunctionTextOffset, e.y, e.height,
                    Q(text));
    } else {
      Label(p, in.font, e, e.label);
    }
  }
}

void AdvancedLabels(QPainter& p, const MainPaintInput& in) {
  const ProfileSettings& s = in.settings;
  for (int i = 0; i <= 82; ++i) {
    const SkinEntry& e = in.skin.advanced[static_cast<size_t>(i)];
    if (i == 2 || i == 19 || i == 32) {
      const long long value = i == 2 ? s.dpiSpeed : i == 19 ? s.wheelSpeed : s.fireTime;
      Label(p, in.font, e, ToU16(value), kValueRed);
    } else if (i >= 70 && i <= 76) {
      const int stage = i - 70;
      // Only six stages exist: the seventh number has nothing to show.
      if (stage >= kDpiStageCount) continue;
      const int dpi = DpiShownForStageValue(s.dpiStageValue[static_cast<size_t>(stage)]);
      Label(p, in.font, e, ToU16(dpi), stage == s.dpiLevel ? kValueRed : kLabelWhite);
    } else {
      Label(p, in.font, e, e.label);
    }
  }
}

void MacroLabels(QPainter& p, const MainPaintInput& in) {
  const bool english = in.view.languageIsEnglish != 0;
  for (int i = 0; i < kMacroEntries; ++i) {
    const SkinEntry& e = in.skin.macro[static_cast<size_t>(i)];
    if (i == 4) {
      const char16_t* text = in.view.recording ? (english ? u"Stop" : u"\u505C\u6B62")
                                               : (english ? u"Record" : u"\u5F55\u5236");
      Label(p, in.font, e, text);
    } else {
      Label(p, in.font, e, e.label);
    }
  }
}

void LightingLabels(QPainter& p, const MainPaintInput& in) {
  const int mode = in.settings.ledType;
  for (int i = 0; i < kLightingEntries; ++i) {
    const SkinEntry& e = in.skin.lighting[static_cast<size_t>(i)];
    if (!LightingLabelShown(i, mode, in.product.keyNum)) continue;
    if (i == 35) {
      Label(p, in.font, e, LightingModeName(mode, in.view.languageIsEnglish));
    } else if (i == 40 || i == 41) {
      DrawCentredLabel(p, in.font, kLabelWhite, e.x, e.y, int64_t{e.width} - 30, e.height,
                       Q(e.label));
    } else {
      Label(p, in.font, e, e.label);
    }
  }
}

}  // namespace

const char* PageImagePrefix(int page) {
  switch (page) {
    case kMainPage:
      return "main";
    case kAdvancedPage:
      return "advanced";
    case kMacroPage:
      return "mac";
    default:
      return "led";
  }
}

std::u16string FunctionFieldText(int32_t code, const MainWindowSkin& skin,
                                 const MacroLibraryState& library) {
  if (code >= 0 && code < kFunctionNameCount) return skin.functionNames[static_cast<size_t>(code)];
  if (code >= 256) {
    const int group = code / 256 - 1;
    const int index = code % 256;
    if (group < kMaxGroups && index < kMaxMacrosPerGroup)
      return library.macroNames[static_cast<size_t>(group)][static_cast<size_t>(index)];
  }
  return {};
}

std::u16string FunctionFieldLabel(int32_t code, const MainWindowSkin& skin,
                                  const MacroLibraryState& library, bool hovered) {
  std::u16string text = FunctionFieldText(code, skin, library);
  if (!hovered && text.size() > kFunctionTextCut) text.resize(kFunctionTextCut);
  return text;
}

void PaintMainWindow(QPainter& p, SkinImages& images, const MainPaintInput& in) {
  const std::string prefix = std::string("\\") + PageImagePrefix(in.view.page);
  const Images im{images.Get(prefix + "_normal.jpg"), images.Get(prefix + "_over.jpg"),
                  images.Get(prefix + "_down.jpg")};
  if (!im.normal.isNull()) p.drawImage(0, 0, im.normal);
  PaintHovered(p, im, in);
  switch (in.view.page) {
    case kMainPage:
      PaintMainStates(p, im, in);
      break;
    case kAdvancedPage:
      PaintAdvancedStates(p, images, im, in);
      break;
    case kMacroPage:
      PaintMacroStates(p, im, in);
      break;
    default:
      PaintLightingStates(p, images, in.skin, in.settings, im.down);
      break;
  }
  PaintHeader(p, im, in);
  PaintApplyProgress(p, im, in);
  HeaderLabels(p, in);
  switch (in.view.page) {
    case kMainPage:
      MainLabels(p, in);
      break;
    case kAdvancedPage:
      AdvancedLabels(p, in);
      break;
    case kMacroPage:
      MacroLabels(p, in);
      break;
    default:
      LightingLabels(p, in);
      break;
  }
}

}  // namespace devero::ui

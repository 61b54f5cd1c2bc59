// The advanced page: DPI stages, the DPI slider, speeds and the report rate.
#include <QPainter>

#include "layout_pages.h"
#include "layout_util.h"
#include "theme.h"

namespace skingen {
namespace {

constexpr int kCardWidth = 84;
constexpr int kCardPitch = 92;
constexpr int kCardLeft = 38;

}  // namespace

std::vector<Entry> AdvancedEntries() {
  std::vector<Entry> a;
  a.push_back(Label(0, {20, 86, 580, 26}, "DPI STAGES", "DPI 档位", "heading_dpi"));
  for (int k = 0; k < 6; ++k) {
    const int x = kCardLeft + k * kCardPitch;
    const QByteArray en = "Stage " + QByteArray::number(k + 1);
    const QByteArray cn = QString::fromUtf8("档位 %1").arg(k + 1).toUtf8();
    a.push_back(
        Label(53 + k, {x, 128, kCardWidth, 22}, en.constData(), cn.constData(), "stage_caption"));
    a.push_back(E(47 + k, {x + 17, 156, 50, 26}, Look::kSwitch, "", "", "stage_enable"));
    a.push_back(E(60 + k, {x, 192, kCardWidth, 80}, Look::kStageCard, "", "", "stage_select"));
    a.push_back(E(70 + k, {x, 192, kCardWidth, 80}, Look::kLabel, "", "", "stage_dpi"));
    a.push_back(
        E(77 + k, {x + 12, 284, kCardWidth - 24, 16}, Look::kSwatch, "", "", "stage_colour"));
  }
  a.push_back(Label(67, {20, 334, 580, 24}, "DPI OF THE SELECTED STAGE", "当前档位 DPI",
                    "heading_dpi_value"));
  a.push_back(E(66, {159, 372, 303, 40}, Look::kSlider, "", "", "dpi_slider"));
  a.push_back(Label(68, {95, 385, 56, 22}, "200", "200", "dpi_min"));
  a.push_back(Label(69, {474, 385, 56, 22}, "7200", "7200", "dpi_max"));
  a.push_back(Label(84, {20, 458, 580, 22}, "Switch stages on or off; click a stage to select it",
                    "开关可启用或停用档位，点击档位卡片即可选中", "hint_stages"));
  a.push_back(Label(85, {20, 484, 580, 22}, "Click a colour bar to change the stage's colour",
                    "点击颜色条可更改该档位的指示灯颜色", "hint_colours"));

  a.push_back(Label(4, {616, 86, 364, 26}, "PERFORMANCE", "性能", "heading_performance"));
  struct SliderRow {
    int label, slider, value, y;
    const char* en;
    const char* cn;
    const char* name;
  };
  const SliderRow rows[] = {
      {3, 1, 2, 128, "Pointer Speed", "指针速度", "pointer_speed"},
      {20, 18, 19, 202, "Scroll Speed", "滚轮速度", "scroll_speed"},
      {33, 31, 32, 276, "Rapid-Fire Interval", "连发间隔", "rapid_fire_interval"},
  };
  for (const SliderRow& r : rows) {
    a.push_back(Label(r.label, {632, r.y, 332, 22}, r.en, r.cn, r.name));
    a.push_back(E(r.slider, {648, r.y + 30, 240, 24}, Look::kSlider, "", "", r.name));
    a.push_back(E(r.value, {902, r.y + 30, 54, 24}, Look::kValue, "", "", "value"));
  }
  a.push_back(Label(21, {632, 352, 332, 22}, "Report Rate", "回报率", "report_rate"));
  const char* const rates[] = {"125 Hz", "250 Hz", "500 Hz", "1000 Hz"};
  for (int k = 0; k < 4; ++k) {
    a.push_back(E(34 + k, {637 + k * 82, 382, 76, 32}, Look::kOption, rates[k], rates[k],
                  "report_rate_choice"));
  }
  return a;
}

void PaintAdvancedPage(QPainter& p) {
  PaintFrame(p);
  Panel(p, QRect(20, 76, 580, 508));
  Panel(p, QRect(616, 76, 364, 508));
  HeadingBar(p, QRect(20, 86, 580, 26));
  HeadingBar(p, QRect(616, 86, 364, 26));
  p.fillRect(QRect(40, 318, 540, 1), color::kLine);
  p.fillRect(QRect(40, 440, 540, 1), color::kLine);
  for (int k = 0; k < 6; ++k) {
    const QRect swatch(kCardLeft + k * kCardPitch + 12, 284, kCardWidth - 24, 16);
    Box(p, QRectF(swatch).adjusted(-2, -2, 2, 2), 4, QColor(0x10, 0x12, 0x16), color::kLineStrong);
  }
  p.fillRect(QRect(632, 342, 332, 1), color::kLine);
}

}  // namespace skingen

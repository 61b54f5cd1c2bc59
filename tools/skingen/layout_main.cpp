// The main window: the header shared by the four pages, and the pages themselves.
#include <QPainter>

#include "layout.h"
#include "theme.h"

namespace skingen {
namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 660;
constexpr int kHeaderHeight = 60;
constexpr int kFooterTop = 600;
constexpr int kButtons = 9;  // function fields 20..28, names 35..43

Entry E(int key, QRect rect, Look look, const char* en, const char* cn, const char* name,
        Glyph glyph = Glyph::kNone) {
  Entry e;
  e.key = key;
  e.rect = rect;
  e.look = look;
  e.en = QString::fromUtf8(en);
  e.cn = QString::fromUtf8(cn);
  e.name = name;
  e.glyph = glyph;
  return e;
}

Entry Label(int key, QRect rect, const char* en, const char* cn, const char* name) {
  return E(key, rect, Look::kLabel, en, cn, name);
}

std::vector<Entry> HeaderEntries() {
  std::vector<Entry> h;
  h.push_back(E(0, {922, 15, 30, 30}, Look::kIconButton, "", "", "minimise", Glyph::kMinimise));
  h.push_back(E(1, {954, 15, 30, 30}, Look::kIconButton, "", "", "close", Glyph::kClose));
  h.push_back(E(2, {890, 15, 30, 30}, Look::kIconButton, "", "", "to_tray", Glyph::kTray));
  h.push_back(E(3, {820, 610, 156, 40}, Look::kPrimary, "Apply", "应用", "apply"));
  h.push_back(E(4, {740, 17, 48, 26}, Look::kLanguage, "中文", "中文", "chinese"));
  h.push_back(E(5, {790, 17, 48, 26}, Look::kLanguage, "EN", "EN", "english"));
  h.push_back(E(6, {212, 0, 124, kHeaderHeight}, Look::kTab, "Buttons", "按键设置", "tab_main"));
  h.push_back(
      E(7, {340, 0, 124, kHeaderHeight}, Look::kTab, "Performance", "性能设置", "tab_advanced"));
  h.push_back(E(8, {468, 0, 124, kHeaderHeight}, Look::kTab, "Macros", "宏管理", "tab_macro"));
  h.push_back(
      E(9, {596, 0, 124, kHeaderHeight}, Look::kTab, "Lighting", "灯光效果", "tab_lighting"));
  h.push_back(E(10, {24, 612, 144, 36}, Look::kProfile, "Profile", "配置", "profile"));
  h.push_back(E(14, {184, 612, 100, 36}, Look::kButton, "Import", "导入配置", "import"));
  h.push_back(E(15, {292, 612, 100, 36}, Look::kButton, "Export", "导出配置", "export"));
  h.push_back(E(16, {400, 612, 100, 36}, Look::kButton, "Reset", "恢复出厂", "reset"));
  h.push_back(E(19, {858, 15, 30, 30}, Look::kIconButton, "", "", "help", Glyph::kHelp));
  return h;
}

void PaintLogo(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const QRectF mouse(26, 15, 20, 30);
  p.setPen(QPen(color::kAccent, 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(MouseBody(mouse));
  p.drawLine(QPointF(36, 17), QPointF(36, 25));
  QFont font = PictureFont(19, true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
  p.setFont(font);
  p.setPen(color::kText);
  p.drawText(QRectF(56, 0, 140, kHeaderHeight), Qt::AlignVCenter | Qt::AlignLeft,
             QStringLiteral("DEVERO"));
  p.restore();
}

// What every page shares: window, header bar with the logo, footer bar.
void PaintFrame(QPainter& p) {
  p.fillRect(QRect(0, 0, kWidth, kHeight), color::kWindow);
  p.fillRect(QRect(0, 0, kWidth, kHeaderHeight), color::kBar);
  p.fillRect(QRect(0, kHeaderHeight, kWidth, 1), color::kLine);
  p.fillRect(QRect(0, kFooterTop, kWidth, kHeight - kFooterTop), color::kBar);
  p.fillRect(QRect(0, kFooterTop, kWidth, 1), color::kLine);
  // A hairline of the accent along the top edge.
  QLinearGradient g(0, 0, kWidth, 0);
  g.setColorAt(0, QColor(0, 0, 0, 0));
  g.setColorAt(0.5, color::kAccent);
  g.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(QRect(0, 0, kWidth, 2), g);
  PaintLogo(p);
  // The language switch sits in one rounded frame.
  Box(p, QRectF(738, 15, 102, 30), 7, QColor(0x18, 0x1B, 0x21), color::kLine);
  p.fillRect(QRect(789, 21, 1, 18), color::kLine);
}

// --- Main page -------------------------------------------------------------------------------

constexpr int kRowTop = 108;
constexpr int kRowPitch = 52;
constexpr int kRowHeight = 44;

struct BadgeSpot {
  QPointF at;      // where the badge sits
  QPointF target;  // the part of the mouse it points at
};

void PaintMouseDrawing(QPainter& p) {
  const QRectF body(95, 118, 230, 446);
  const QPainterPath shape = MouseBody(body);
  const qreal cx = body.center().x(), top = body.top();
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  // Side buttons on the left flank, under the body's edge.
  const qreal flank = body.left() + 2;
  p.setPen(QPen(color::kLineStrong, 1.2));
  p.setBrush(QColor(0x24, 0x28, 0x30));
  p.drawRoundedRect(QRectF(flank - 12, top + 176, 20, 46), 7, 7);  // 5 forward
  p.drawRoundedRect(QRectF(flank - 12, top + 226, 20, 46), 7, 7);  // 4 back
  p.drawRoundedRect(QRectF(flank - 13, top + 282, 20, 30), 7, 7);  // 8 side
  QLinearGradient g(body.topLeft(), body.bottomRight());
  g.setColorAt(0, QColor(0x2D, 0x32, 0x3B));
  g.setColorAt(1, QColor(0x1A, 0x1D, 0x23));
  p.setBrush(g);
  p.setPen(QPen(color::kLineStrong, 1.5));
  p.drawPath(shape);
  // The seams of the two main buttons, clipped to the body.
  p.save();
  p.setClipPath(shape);
  const qreal split = top + body.height() * 0.36;
  p.setPen(QPen(color::kLineStrong, 1.2));
  p.drawLine(QPointF(cx, top), QPointF(cx, split));
  QPainterPath seam;
  seam.moveTo(body.left(), split + 14);
  seam.quadTo(cx, split - 10, body.right(), split + 14);
  p.setBrush(Qt::NoBrush);
  p.drawPath(seam);
  p.restore();
  // Wheel, DPI buttons, top button.
  p.setPen(QPen(color::kLineStrong, 1.2));
  p.setBrush(QColor(0x11, 0x13, 0x17));
  p.drawRoundedRect(QRectF(cx - 10, top + 40, 20, 62), 10, 10);
  for (int i = 0; i < 7; ++i) {
    p.drawLine(QPointF(cx - 6, top + 50 + i * 7), QPointF(cx + 6, top + 50 + i * 7));
  }
  p.setBrush(QColor(0x24, 0x28, 0x30));
  p.drawRoundedRect(QRectF(cx - 8, top + 112, 16, 14), 4, 4);  // 6 DPI up
  p.drawRoundedRect(QRectF(cx - 8, top + 130, 16, 14), 4, 4);  // 7 DPI down
  p.drawRoundedRect(QRectF(cx - 8, top + 196, 16, 12), 4, 4);  // 9 top
  // Light strip and logo.
  p.setPen(Qt::NoPen);
  p.setBrush(color::kAccent.darker(160));
  p.drawRoundedRect(QRectF(cx - 60, top + body.height() * 0.86, 120, 4), 2, 2);
  p.setPen(QPen(color::kAccent.darker(150), 3));
  p.setBrush(Qt::NoBrush);
  QPainterPath v;
  v.moveTo(cx - 14, top + 270);
  v.lineTo(cx, top + 294);
  v.lineTo(cx + 14, top + 270);
  p.drawPath(v);

  const std::array<BadgeSpot, kButtons> spots{{
      {{cx - 66, top + 84}, {cx - 42, top + 84}},          // 1 left
      {{cx + 66, top + 84}, {cx + 42, top + 84}},          // 2 right
      {{cx + 50, top + 30}, {cx + 10, top + 56}},          // 3 middle
      {{flank - 46, top + 249}, {flank - 12, top + 249}},  // 4 back
      {{flank - 46, top + 195}, {flank - 12, top + 199}},  // 5 forward
      {{cx + 54, top + 119}, {cx + 8, top + 119}},         // 6 DPI up
      {{cx + 54, top + 150}, {cx + 8, top + 137}},         // 7 DPI down
      {{flank - 46, top + 303}, {flank - 13, top + 297}},  // 8 side
      {{cx + 54, top + 202}, {cx + 8, top + 202}},         // 9 top
  }};
  for (size_t i = 0; i < spots.size(); ++i) {
    p.setPen(QPen(color::kAccent.darker(140), 1));
    p.drawLine(spots[i].at, spots[i].target);
    p.setBrush(color::kAccent);
    p.setPen(Qt::NoPen);
    p.drawEllipse(spots[i].target, 2.5, 2.5);
    NumberBadge(p, spots[i].at, 11, static_cast<int>(i) + 1, color::kAccent, color::kBar,
                color::kText);
  }
  p.restore();
}

std::vector<Entry> MainPageEntries() {
  static const char* const kNamesEn[kButtons] = {"Left Button", "Right Button",   "Middle Button",
                                                 "Back Button", "Forward Button", "DPI Up",
                                                 "DPI Down",    "Side Button",    "Top Button"};
  static const char* const kNamesCn[kButtons] = {"左键",  "右键",  "中键", "后退键", "前进键",
                                                 "DPI加", "DPI减", "侧键", "顶部键"};
  std::vector<Entry> m;
  for (int k = 0; k < kButtons; ++k) {
    const int y = kRowTop + k * kRowPitch;
    Entry f = E(20 + k, {600, y, 376, kRowHeight}, Look::kFunctionField, "", "", "function");
    f.badge = k + 1;
    m.push_back(f);
    m.push_back(E(35 + k, {420, y, 168, kRowHeight}, Look::kNameField, kNamesEn[k], kNamesCn[k],
                  "button_name"));
  }
  m.push_back(Label(29, {420, 78, 168, 24}, "BUTTON", "按键", "heading_button"));
  m.push_back(Label(30, {600, 78, 376, 24}, "FUNCTION", "功能", "heading_function"));
  m.push_back(Label(31, {420, kRowTop + kButtons * kRowPitch - 4, 556, 22},
                    "Click a function to change it", "点击功能栏即可更改按键功能", "hint"));
  return m;
}

void PaintMainPage(QPainter& p) {
  PaintFrame(p);
  Panel(p, QRect(20, 76, 380, 508));
  PaintMouseDrawing(p);
}

// --- Advanced page ---------------------------------------------------------------------------

constexpr int kCardWidth = 84;
constexpr int kCardPitch = 92;
constexpr int kCardLeft = 38;

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

// --- Macro page ------------------------------------------------------------------------------

const QRect kGroupList{34, 122, 272, 400};
const QRect kStepList{350, 122, 312, 400};
const QRect kLightList{708, 334, 256, 188};
const QRect kCountEdit{894, 186, 70, 26};

std::vector<Entry> MacroEntries() {
  std::vector<Entry> m;
  m.push_back(Label(0, {20, 86, 300, 26}, "MACRO GROUPS", "宏组", "heading_groups"));
  m.push_back(Label(1, {336, 86, 340, 26}, "MACRO STEPS", "宏步骤", "heading_steps"));
  m.push_back(Label(2, {692, 152, 288, 24}, "REPEAT MODE", "循环模式", "heading_repeat"));
  m.push_back(Label(3, {692, 302, 288, 24}, "LIGHTING STEP", "灯光步骤", "heading_lighting"));
  m.push_back(E(4, {708, 96, 256, 44}, Look::kRecord, "Record", "录制", "record"));
  m.push_back(E(5, {350, 536, 98, 34}, Look::kButton, "Insert", "插入", "insert_step"));
  m.push_back(E(6, {708, 260, 256, 32}, Look::kOption, "Repeat while held", "按住时循环",
                "repeat_while_held"));
  m.push_back(E(7, {708, 222, 256, 32}, Look::kOption, "Repeat until pressed again",
                "再按一次停止循环", "repeat_toggle"));
  m.push_back(E(8, {708, 184, 178, 32}, Look::kOption, "Repeat count", "循环次数", "repeat_count"));
  m.push_back(
      E(13, {708, 536, 256, 34}, Look::kButton, "Rapid-Fire Settings", "连发设置", "rapid_fire"));
  m.push_back(E(14, {34, 536, 132, 34}, Look::kButton, "New Macro", "新建宏", "new_macro"));
  m.push_back(E(15, {174, 536, 132, 34}, Look::kButton, "Delete", "删除", "delete"));
  m.push_back(E(16, {457, 536, 98, 34}, Look::kButton, "Modify", "修改", "modify_step"));
  m.push_back(E(17, {564, 536, 98, 34}, Look::kButton, "Delete Step", "删除步骤", "delete_step"));
  return m;
}

std::vector<Entry> MacroChildren() {
  return {E(100, kGroupList, Look::kChild, "", "", "group_list"),
          E(101, kStepList, Look::kChild, "", "", "step_list"),
          E(102, kLightList, Look::kChild, "", "", "lighting_list"),
          E(103, kCountEdit, Look::kChild, "", "", "repeat_count_edit")};
}

void PaintMacroPage(QPainter& p) {
  PaintFrame(p);
  Panel(p, QRect(20, 76, 300, 508));
  Panel(p, QRect(336, 76, 340, 508));
  Panel(p, QRect(692, 76, 288, 508));
  HeadingBar(p, QRect(20, 86, 300, 26));
  HeadingBar(p, QRect(336, 86, 340, 26));
  HeadingBar(p, QRect(692, 152, 288, 24));
  HeadingBar(p, QRect(692, 302, 288, 24));
  for (const QRect& r : {kGroupList, kStepList, kLightList, kCountEdit}) {
    Box(p, QRectF(r).adjusted(-2, -2, 2, 2), 4, color::kBlack, color::kLineStrong);
  }
}

// --- Lighting page ---------------------------------------------------------------------------

const QRect kColourArea{352, 140, 612, 110};
const QRect kBrightnessArea{352, 258, 612, 54};
const QRect kSpeedArea{352, 318, 612, 54};
const QRect kDirectionArea{352, 380, 612, 136};
constexpr int kSwatchLeft = 396;
constexpr int kSwatchPitch = 78;

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

Table MakeTable(const QString& section, int first, int count, std::vector<Entry> entries) {
  Table t;
  t.section = section;
  t.first_key = first;
  t.count = count;
  t.entries = std::move(entries);
  return t;
}

std::vector<Entry> Concat(std::vector<Entry> a, const std::vector<Entry>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// "EDIT" and "MACRODISPLAY" rectangles are child windows, not controls.
Entry Rect(int key, QRect r, const char* name) {
  return E(key, r, Look::kChild, "", "", name);
}

}  // namespace

void AddMainWindow(Skin& skin) {
  const std::vector<Entry> header = HeaderEntries();
  const std::vector<Entry> main_page = MainPageEntries();
  const std::vector<Entry> advanced = AdvancedEntries();
  const std::vector<Entry> lighting = LightingEntries();
  const std::vector<Entry> macro = MacroEntries();

  auto page = [&](const char* prefix, std::vector<Entry> entries,
                  std::function<void(QPainter&)> background) {
    ImageSet set;
    set.prefix = QString::fromLatin1(prefix);
    set.size = QSize(kWidth, kHeight);
    set.corner_radius = 14;
    set.write_mask = false;  // one mask for the four pages
    set.paint_background = std::move(background);
    set.entries = Concat(header, entries);
    set.header_count = header.size();
    return set;
  };
  skin.image_sets.push_back(page("main", main_page, PaintMainPage));
  skin.image_sets.back().write_mask = true;
  skin.image_sets.push_back(page("advanced", advanced, PaintAdvancedPage));
  skin.image_sets.push_back(page("mac", Concat(macro, MacroChildren()), PaintMacroPage));
  skin.image_sets.push_back(page("led", lighting, PaintLightingPage));

  SkinFile main_file{
      QStringLiteral("INI_EN/skin_main_en.ini"), QStringLiteral("INI_CN/skin_main.ini"), {}};
  main_file.tables.push_back(MakeTable("BUTTONPOS", 0, 50, Concat(header, main_page)));
  std::vector<Entry> names;
  for (int n = 1; n <= 47; ++n) {
    Entry e;
    e.key = n;
    e.look = Look::kLabel;
    e.en = FunctionName(n, Language::kEnglish);
    e.cn = FunctionName(n, Language::kChinese);
    names.push_back(e);
  }
  main_file.tables.push_back(MakeTable("FUN_STRING", 1, 47, names));
  main_file.tables.push_back(MakeTable("EDIT", 0, 4, {}));
  skin.files.push_back(main_file);

  skin.files.push_back({QStringLiteral("INI_EN/skin_advance_en.ini"),
                        QStringLiteral("INI_CN/skin_advance.ini"),
                        {MakeTable("BUTTONPOS", 0, 138, advanced)}});
  skin.files.push_back({QStringLiteral("INI_EN/skin_color_en.ini"),
                        QStringLiteral("INI_CN/skin_color.ini"),
                        {MakeTable("BUTTONPOS", 0, 103, lighting)}});
  skin.files.push_back(
      {QStringLiteral("INI_EN/skin_mac_en.ini"),
       QStringLiteral("INI_CN/skin_mac.ini"),
       {MakeTable("BUTTONPOS", 0, 20, macro),
        MakeTable("EDIT", 0, 3, {Rect(2, kCountEdit, "repeat_count")}),
        MakeTable("MACRODISPLAY", 1, 3,
                  {Rect(1, kGroupList, "group_list"), Rect(2, kStepList, "step_list"),
                   Rect(3, kLightList, "lighting_list")})}});
}

}  // namespace skingen

// The main page: the mouse drawing, and one name and one function field per button.
#include <QPainter>
#include <array>

#include "layout_pages.h"
#include "layout_util.h"
#include "theme.h"

namespace skingen {
namespace {

constexpr int kButtons = kMaxButtons;  // function fields 20..28, names 35..43

constexpr int kRowTop = 108;
constexpr int kRowPitch = 52;
constexpr int kRowHeight = 44;

struct BadgeSpot {
  QPointF at;      // where the badge sits
  QPointF target;  // the part of the mouse it points at
};

void PaintMouseDrawing(QPainter& p, int buttons) {
  const QRectF body(95, 118, 230, 446);
  const QPainterPath shape = MouseBody(body);
  const qreal cx = body.center().x(), top = body.top();
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  // Side buttons on the left flank, under the body's edge.
  const qreal flank = body.left() + 2;
  p.setPen(QPen(color::kLineStrong, 1.2));
  p.setBrush(QColor(0x24, 0x28, 0x30));
  if (buttons >= 5) p.drawRoundedRect(QRectF(flank - 12, top + 176, 20, 46), 7, 7);  // 5 forward
  if (buttons >= 4) p.drawRoundedRect(QRectF(flank - 12, top + 226, 20, 46), 7, 7);  // 4 back
  if (buttons >= 8) p.drawRoundedRect(QRectF(flank - 13, top + 282, 20, 30), 7, 7);  // 8 side
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
  if (buttons >= 6) p.drawRoundedRect(QRectF(cx - 8, top + 112, 16, 14), 4, 4);  // 6 DPI up
  if (buttons >= 7) p.drawRoundedRect(QRectF(cx - 8, top + 130, 16, 14), 4, 4);  // 7 DPI down
  if (buttons >= 9) p.drawRoundedRect(QRectF(cx - 8, top + 196, 16, 12), 4, 4);  // 9 top
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
  for (size_t i = 0; i < spots.size() && static_cast<int>(i) < buttons; ++i) {
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

}  // namespace

std::vector<Entry> MainPageEntries(int buttons) {
  static const char* const kNamesEn[kButtons] = {"Left Button", "Right Button",   "Middle Button",
                                                 "Back Button", "Forward Button", "DPI Up",
                                                 "DPI Down",    "Side Button",    "Top Button"};
  static const char* const kNamesCn[kButtons] = {"左键",  "右键",  "中键", "后退键", "前进键",
                                                 "DPI加", "DPI减", "侧键", "顶部键"};
  std::vector<Entry> m;
  // Rows past the product's buttons get no control: their entries stay zero.
  for (int k = 0; k < buttons && k < kButtons; ++k) {
    const int y = kRowTop + k * kRowPitch;
    Entry f = E(20 + k, {600, y, 376, kRowHeight}, Look::kFunctionField, "", "", "function");
    f.badge = k + 1;
    m.push_back(f);
    m.push_back(E(35 + k, {420, y, 168, kRowHeight}, Look::kNameField, kNamesEn[k], kNamesCn[k],
                  "button_name"));
  }
  m.push_back(Label(29, {420, 78, 168, 24}, "BUTTON", "按键", "heading_button"));
  m.push_back(Label(30, {600, 78, 376, 24}, "FUNCTION", "功能", "heading_function"));
  m.push_back(Label(31, {420, kRowTop + buttons * kRowPitch - 4, 556, 22},
                    "Click a function to change it", "点击功能栏即可更改按键功能", "hint"));
  return m;
}

void PaintMainPage(QPainter& p, int buttons) {
  PaintFrame(p);
  Panel(p, QRect(20, 76, 380, 508));
  PaintMouseDrawing(p, buttons);
}

}  // namespace skingen

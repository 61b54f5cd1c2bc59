// The header shared by the main window's four pages, and the bars around them.
#include <QPainter>

#include "layout_pages.h"
#include "layout_util.h"
#include "theme.h"

namespace skingen {
namespace {

constexpr int kHeaderHeight = 60;
constexpr int kFooterTop = 600;

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

}  // namespace

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

// What every page shares: window, header bar with the logo, footer bar.
void PaintFrame(QPainter& p) {
  p.fillRect(QRect(0, 0, kMainWidth, kMainHeight), color::kWindow);
  p.fillRect(QRect(0, 0, kMainWidth, kHeaderHeight), color::kBar);
  p.fillRect(QRect(0, kHeaderHeight, kMainWidth, 1), color::kLine);
  p.fillRect(QRect(0, kFooterTop, kMainWidth, kMainHeight - kFooterTop), color::kBar);
  p.fillRect(QRect(0, kFooterTop, kMainWidth, 1), color::kLine);
  // A hairline of the accent along the top edge.
  QLinearGradient g(0, 0, kMainWidth, 0);
  g.setColorAt(0, QColor(0, 0, 0, 0));
  g.setColorAt(0.5, color::kAccent);
  g.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(QRect(0, 0, kMainWidth, 2), g);
  PaintLogo(p);
  // The language switch sits in one rounded frame.
  Box(p, QRectF(738, 15, 102, 30), 7, QColor(0x18, 0x1B, 0x21), color::kLine);
  p.fillRect(QRect(789, 21, 1, 18), color::kLine);
}

}  // namespace skingen

#include "ui/skin_painter.h"

#include <QFontMetrics>
#include <algorithm>

namespace devero::ui {
namespace {

constexpr int64_t kCoordinateLimit = 1 << 24;

int Clamp(int64_t v) {
  return static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
}

void DrawAt(QPainter& p, const QFont& font, const QColor& color, int64_t x, int64_t y,
            const QString& text) {
  if (x <= 0 && y <= 0) return;
  const QFontMetrics metrics(font);
  p.setFont(font);
  p.setPen(color);
  p.drawText(Clamp(x), Clamp(y) + metrics.ascent(), text);
}

}  // namespace

QRect EntryRect(int64_t x, int64_t y, int64_t width, int64_t height) {
  const int64_t left = std::clamp<int64_t>(x, -kCoordinateLimit, kCoordinateLimit);
  const int64_t top = std::clamp<int64_t>(y, -kCoordinateLimit, kCoordinateLimit);
  const int64_t right = std::clamp<int64_t>(x + width, -kCoordinateLimit, kCoordinateLimit);
  const int64_t bottom = std::clamp<int64_t>(y + height, -kCoordinateLimit, kCoordinateLimit);
  if (right <= left || bottom <= top) return {};
  return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
               static_cast<int>(bottom - top));
}

QRect EntryRect(const SkinEntry& e) {
  return EntryRect(e.x, e.y, e.width, e.height);
}

void CopyControl(QPainter& p, const QImage& source, const QRect& rect) {
  if (source.isNull()) return;
  const QRect r = rect.intersected(source.rect());
  if (r.isEmpty()) return;
  p.drawImage(r.topLeft(), source, r);
}

void CopyControl(QPainter& p, const QImage& source, const SkinEntry& entry) {
  CopyControl(p, source, EntryRect(entry));
}

void DrawKnob(QPainter& p, const QImage& knob, int64_t x, int64_t y) {
  if (knob.isNull()) return;
  p.drawImage(QPoint(Clamp(x), Clamp(y)), knob);
}

QColor FromColorRef(uint32_t rgb) {
  return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>((rgb >> 16) & 0xFF));
}

void DrawCentredLabel(QPainter& p, const QFont& font, const QColor& color, int64_t x, int64_t y,
                      int64_t width, int64_t height, const QString& text) {
  if (text.isEmpty()) return;
  const QFontMetrics metrics(font);
  const int64_t tw = metrics.horizontalAdvance(text);
  const int64_t th = metrics.height();
  DrawAt(p, font, color, x + (width - tw) / 2, y + (height - th) / 2, text);
}

void DrawLeftLabel(QPainter& p, const QFont& font, const QColor& color, int64_t x, int64_t y,
                   int64_t height, const QString& text) {
  if (text.isEmpty()) return;
  const QFontMetrics metrics(font);
  DrawAt(p, font, color, x, y + (height - metrics.height()) / 2, text);
}

}  // namespace devero::ui

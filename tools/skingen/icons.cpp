#include "icons.h"

#include <QPainter>
#include <QPainterPath>

#include "controls.h"
#include "theme.h"
#include "windows.h"

namespace skingen {
namespace {

constexpr int kListIcons[] = {169, 170, 171, 172, 173, 174, 175, 178, 182};

QPen Stroke(const QColor& c, qreal width = 1.4) {
  return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Folder(QPainter& p, bool open) {
  p.setPen(Stroke(color::kAccent));
  p.setBrush(open ? QColor(0x22, 0xC7, 0xE8, 70) : QColor(0, 0, 0, 0));
  QPainterPath f;
  f.moveTo(1.5, 3.5);
  f.lineTo(6, 3.5);
  f.lineTo(7.5, 5);
  f.lineTo(14.5, 5);
  f.lineTo(14.5, 13.5);
  f.lineTo(1.5, 13.5);
  f.closeSubpath();
  p.drawPath(f);
  p.setPen(Stroke(Qt::white, 1.5));
  if (open) {
    p.drawLine(QPointF(5.5, 9), QPointF(10.5, 9));  // expanded: minus
  } else {
    p.drawLine(QPointF(5.5, 9.2), QPointF(10.5, 9.2));  // collapsed: plus
    p.drawLine(QPointF(8, 6.7), QPointF(8, 11.7));
  }
}

}  // namespace

QImage ListIcon(int id) {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  switch (id) {
    case 169:  // collapsed group
      Folder(p, false);
      break;
    case 170:  // expanded group
      Folder(p, true);
      break;
    case 171: {  // macro: a play mark in a rounded box
      p.setPen(Stroke(color::kAccent));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
      QPainterPath t;
      t.moveTo(6, 4.8);
      t.lineTo(11.2, 8);
      t.lineTo(6, 11.2);
      t.closeSubpath();
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawPath(t);
      break;
    }
    case 172:  // delay: a clock
      p.setPen(Stroke(QColor(0xB8, 0xBE, 0xC8)));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(8, 8), 6, 6);
      p.drawLine(QPointF(8, 8), QPointF(8, 4.5));
      p.drawLine(QPointF(8, 8), QPointF(10.5, 9.5));
      break;
    case 173:    // press: arrow down onto a key
    case 174: {  // release: arrow up from a key
      const bool down = id == 173;
      p.setPen(Stroke(down ? color::kAccent : QColor(0xD8, 0xDC, 0xE2), 1.7));
      p.drawLine(QPointF(8, 2), QPointF(8, 10));
      if (down) {
        p.drawLine(QPointF(4.5, 6.8), QPointF(8, 10.3));
        p.drawLine(QPointF(11.5, 6.8), QPointF(8, 10.3));
      } else {
        p.drawLine(QPointF(4.5, 5.2), QPointF(8, 1.7));
        p.drawLine(QPointF(11.5, 5.2), QPointF(8, 1.7));
      }
      p.setPen(Stroke(Qt::white, 1.5));
      p.drawLine(QPointF(3, 14), QPointF(13, 14));
      break;
    }
    case 175:  // cursor move: four arrows
      p.setPen(Stroke(color::kAccent, 1.4));
      p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
      p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
      for (const auto& [a, b, c] :
           {std::tuple{QPointF(6, 3.5), QPointF(8, 1.5), QPointF(10, 3.5)},
            std::tuple{QPointF(6, 12.5), QPointF(8, 14.5), QPointF(10, 12.5)},
            std::tuple{QPointF(3.5, 6), QPointF(1.5, 8), QPointF(3.5, 10)},
            std::tuple{QPointF(12.5, 6), QPointF(14.5, 8), QPointF(12.5, 10)}}) {
        p.drawLine(a, b);
        p.drawLine(b, c);
      }
      break;
    case 178:  // lighting: a bulb with rays
      p.setPen(Stroke(color::kAccent, 1.3));
      p.setBrush(QColor(0x22, 0xC7, 0xE8, 90));
      p.drawEllipse(QPointF(8, 7), 4, 4);
      p.drawLine(QPointF(6.3, 12.2), QPointF(9.7, 12.2));
      p.drawLine(QPointF(6.8, 14.2), QPointF(9.2, 14.2));
      p.drawLine(QPointF(8, 0.8), QPointF(8, 1.8));
      p.drawLine(QPointF(1.5, 7), QPointF(2.5, 7));
      p.drawLine(QPointF(13.5, 7), QPointF(14.5, 7));
      break;
    case 182: {  // DPI: a gauge
      p.setPen(Stroke(color::kAccent, 1.5));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(1.5, 3, 13, 13), 0, 180 * 16);
      p.setPen(Stroke(Qt::white, 1.6));
      p.drawLine(QPointF(8, 9.5), QPointF(11.5, 5.5));
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(8, 9.5), 1.6, 1.6);
      p.fillRect(QRectF(2, 12.5, 12, 1.5), color::kAccent);
      break;
    }
    default:
      break;
  }
  return image;
}

QImage AppIcon(int side) {
  QImage image(side, side, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  const qreal s = side;
  QLinearGradient g(0, 0, 0, s);
  g.setColorAt(0, QColor(0x2A, 0x2F, 0x38));
  g.setColorAt(1, QColor(0x15, 0x17, 0x1C));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.22, s * 0.22);
  // Small icons give the mouse more of the square so that it stays readable.
  const qreal margin = side <= 32 ? 0.24 : 0.30;
  const QRectF body(s * margin, s * (margin - 0.14), s * (1 - 2 * margin), s * (1.28 - 2 * margin));
  const QPainterPath shape = MouseBody(body);
  const qreal stroke = std::max(1.0, s / 20.0);
  p.setBrush(QColor(0x22, 0xC7, 0xE8, 40));
  p.setPen(QPen(color::kAccent, stroke));
  p.drawPath(shape);
  p.drawLine(QPointF(body.center().x(), body.top() + stroke),
             QPointF(body.center().x(), body.top() + body.height() * 0.34));
  if (side >= 32) {
    p.drawLine(QPointF(body.left() + body.width() * 0.08, body.top() + body.height() * 0.36),
               QPointF(body.right() - body.width() * 0.08, body.top() + body.height() * 0.36));
  }
  return image;
}

QImage Knob() {
  QImage image(kKnobWidth, kKnobHeight, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(color::kAccent, 1.5));
  QLinearGradient g(0, 0, 0, kKnobHeight);
  g.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
  g.setColorAt(1, QColor(0xC8, 0xD0, 0xD8));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(1, 1, kKnobWidth - 2, kKnobHeight - 2), 4.5, 4.5);
  return image;
}

bool WriteIcons(const QDir& dir) {
  for (int id : kListIcons) {
    if (!SaveImage(ListIcon(id), dir.filePath(QStringLiteral("icons/%1.png").arg(id)))) {
      return false;
    }
  }
  for (int side : {16, 32, 48, 64, 128, 256}) {
    if (!SaveImage(AppIcon(side), dir.filePath(QStringLiteral("icons/devero_%1.png").arg(side)))) {
      return false;
    }
  }
  return SaveImage(Knob(), dir.filePath(QStringLiteral("moveRect.png")));
}

}  // namespace skingen

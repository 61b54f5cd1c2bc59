#include "theme.h"

#include <QFont>
#include <QPainter>

namespace skingen {

QPainterPath RoundedRect(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

void Box(QPainter& p, const QRectF& rect, qreal radius, const QColor& fill, const QColor& border) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(border.isValid() ? QPen(border, 1) : Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(RoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius));
  p.restore();
}

void Panel(QPainter& p, const QRect& rect) {
  Box(p, rect, 10, color::kPanel, color::kLine);
}

void HeadingBar(QPainter& p, const QRect& heading) {
  p.fillRect(QRect(heading.center().x() - 14, heading.bottom() + 2, 28, 2), color::kAccent);
}

QFont PictureFont(int pixel_size, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixel_size);
  font.setBold(bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

void NumberBadge(QPainter& p, QPointF centre, qreal radius, int number, const QColor& ring,
                 const QColor& fill, const QColor& digits) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(ring, 1.5));
  p.setBrush(fill);
  p.drawEllipse(centre, radius, radius);
  p.setPen(digits);
  p.setFont(PictureFont(static_cast<int>(radius * 1.15), true));
  p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
             Qt::AlignCenter, QString::number(number));
  p.restore();
}

QPainterPath MouseBody(const QRectF& b) {
  // An egg: a narrower nose, widest behind the middle, a round palm rest.
  const qreal l = b.left(), r = b.right(), t = b.top(), w = b.width(), h = b.height();
  const qreal cx = b.center().x(), bottom = b.bottom();
  QPainterPath path;
  path.moveTo(cx, t);
  path.cubicTo(cx + w * 0.34, t, r - w * 0.06, t + h * 0.06, r - w * 0.05, t + h * 0.30);
  path.cubicTo(r - w * 0.04, t + h * 0.46, r, t + h * 0.54, r, t + h * 0.70);
  path.cubicTo(r, t + h * 0.90, cx + w * 0.30, bottom, cx, bottom);
  path.cubicTo(cx - w * 0.30, bottom, l, t + h * 0.90, l, t + h * 0.70);
  path.cubicTo(l, t + h * 0.54, l + w * 0.04, t + h * 0.46, l + w * 0.05, t + h * 0.30);
  path.cubicTo(l + w * 0.06, t + h * 0.06, cx - w * 0.34, t, cx, t);
  path.closeSubpath();
  return path;
}

void DrawGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& color) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(color, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  const QPointF c = box.center();
  const qreal s = std::min(box.width(), box.height());
  switch (glyph) {
    case Glyph::kNone:
      break;
    case Glyph::kMinimise:
      p.drawLine(QPointF(c.x() - s * 0.22, c.y() + 1), QPointF(c.x() + s * 0.22, c.y() + 1));
      break;
    case Glyph::kClose: {
      const qreal d = s * 0.19;
      p.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
      p.drawLine(QPointF(c.x() - d, c.y() + d), QPointF(c.x() + d, c.y() - d));
      break;
    }
    case Glyph::kTray: {
      // An arrow into the bottom-right corner, where the tray sits.
      const qreal d = s * 0.22;
      p.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d * 0.55, c.y() + d * 0.55));
      p.drawLine(QPointF(c.x() + d * 0.55, c.y() + d * 0.55), QPointF(c.x() + d * 0.55, c.y()));
      p.drawLine(QPointF(c.x() + d * 0.55, c.y() + d * 0.55), QPointF(c.x(), c.y() + d * 0.55));
      p.drawLine(QPointF(c.x() - d, c.y() + d * 1.1), QPointF(c.x() + d * 1.1, c.y() + d * 1.1));
      p.drawLine(QPointF(c.x() + d * 1.1, c.y() + d * 1.1), QPointF(c.x() + d * 1.1, c.y() - d));
      break;
    }
    case Glyph::kHelp: {
      const qreal d = s * 0.27;
      p.drawEllipse(c, d, d);
      QFont font = PictureFont(static_cast<int>(d * 1.3), true);
      p.setFont(font);
      p.drawText(QRectF(c.x() - d, c.y() - d, 2 * d, 2 * d), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case Glyph::kCaret: {
      const qreal d = s * 0.16;
      p.drawLine(QPointF(c.x() - d, c.y() - d * 0.45), QPointF(c.x(), c.y() + d * 0.55));
      p.drawLine(QPointF(c.x() + d, c.y() - d * 0.45), QPointF(c.x(), c.y() + d * 0.55));
      break;
    }
    case Glyph::kArrowRight:
    case Glyph::kArrowLeft: {
      const qreal d = s * 0.26;
      const qreal dir = glyph == Glyph::kArrowRight ? 1 : -1;
      p.drawLine(QPointF(c.x() - d * dir, c.y()), QPointF(c.x() + d * dir, c.y()));
      p.drawLine(QPointF(c.x() + d * dir, c.y()), QPointF(c.x() + d * 0.4 * dir, c.y() - d * 0.6));
      p.drawLine(QPointF(c.x() + d * dir, c.y()), QPointF(c.x() + d * 0.4 * dir, c.y() + d * 0.6));
      break;
    }
    case Glyph::kBounce: {
      // Two stacked arrows, one each way.
      const qreal d = s * 0.28, gap = s * 0.11;
      for (qreal dir : {1.0, -1.0}) {
        const qreal y = c.y() - gap * dir;
        p.drawLine(QPointF(c.x() - d, y), QPointF(c.x() + d, y));
        const qreal tip = c.x() + d * dir;
        p.drawLine(QPointF(tip, y), QPointF(tip - d * 0.45 * dir, y - d * 0.4));
        p.drawLine(QPointF(tip, y), QPointF(tip - d * 0.45 * dir, y + d * 0.4));
      }
      break;
    }
    case Glyph::kSpread: {
      // A dot with arrows running out of it both ways.
      const qreal inner = s * 0.2, outer = s * 0.52, head = s * 0.14;
      p.setBrush(color);
      p.drawEllipse(c, 2.2, 2.2);
      p.setBrush(Qt::NoBrush);
      for (qreal dir : {1.0, -1.0}) {
        const qreal tip = c.x() + outer * dir;
        p.drawLine(QPointF(c.x() + inner * dir, c.y()), QPointF(tip, c.y()));
        p.drawLine(QPointF(tip, c.y()), QPointF(tip - head * dir, c.y() - head));
        p.drawLine(QPointF(tip, c.y()), QPointF(tip - head * dir, c.y() + head));
      }
      break;
    }
    case Glyph::kChevron: {
      const qreal d = s * 0.14;
      p.drawLine(QPointF(c.x() - d * 0.5, c.y() - d), QPointF(c.x() + d * 0.5, c.y()));
      p.drawLine(QPointF(c.x() - d * 0.5, c.y() + d), QPointF(c.x() + d * 0.5, c.y()));
      break;
    }
    case Glyph::kWarning: {
      const qreal d = s * 0.42;
      QPainterPath t;
      t.moveTo(c.x(), c.y() - d);
      t.lineTo(c.x() + d * 1.1, c.y() + d * 0.85);
      t.lineTo(c.x() - d * 1.1, c.y() + d * 0.85);
      t.closeSubpath();
      p.setBrush(color);
      p.setPen(QPen(color, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPath(t);
      p.setPen(QPen(QColor(0x15, 0x17, 0x1C), 1.8, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(c.x(), c.y() - d * 0.35), QPointF(c.x(), c.y() + d * 0.25));
      p.drawPoint(QPointF(c.x(), c.y() + d * 0.58));
      break;
    }
    case Glyph::kRecordDot:
      p.setPen(Qt::NoPen);
      p.setBrush(color);
      p.drawEllipse(c, s * 0.2, s * 0.2);
      break;
  }
  p.restore();
}

}  // namespace skingen

#include "controls.h"

#include <QPainter>

namespace skingen {
namespace {

QColor FillFor(State state) {
  switch (state) {
    case State::kNormal:
      return color::kControl;
    case State::kOver:
      return color::kControlHover;
    case State::kDown:
      return color::kAccentDark;
  }
  return color::kControl;
}

QColor BorderFor(State state) {
  switch (state) {
    case State::kNormal:
      return color::kLineStrong;
    case State::kOver:
      return color::kAccent.darker(130);
    case State::kDown:
      return color::kAccent;
  }
  return color::kLineStrong;
}

QColor GlyphFor(State state) {
  return state == State::kNormal ? QColor(0xB8, 0xBE, 0xC8)
                                 : (state == State::kOver ? color::kText : color::kAccent);
}

void Button(QPainter& p, const QRectF& r, State s) {
  Box(p, r, 6, FillFor(s), BorderFor(s));
}

void Primary(QPainter& p, const QRectF& r, State s) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  switch (s) {
    case State::kNormal:
      g.setColorAt(0, QColor(0x10, 0x6A, 0x7C));
      g.setColorAt(1, QColor(0x0B, 0x4B, 0x58));
      break;
    case State::kOver:
      g.setColorAt(0, QColor(0x17, 0x8D, 0xA4));
      g.setColorAt(1, QColor(0x10, 0x68, 0x7A));
      break;
    case State::kDown:
      g.setColorAt(0, QColor(0x08, 0x3A, 0x45));
      g.setColorAt(1, QColor(0x0B, 0x4B, 0x58));
      break;
  }
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setBrush(g);
  p.setPen(QPen(s == State::kNormal ? color::kAccent.darker(140) : color::kAccent,
                s == State::kDown ? 2 : 1));
  p.drawPath(RoundedRect(r.adjusted(1, 1, -1, -1), 7));
  p.restore();
}

void Tab(QPainter& p, const QRect& r, State s) {
  if (s == State::kOver) p.fillRect(r, QColor(0x24, 0x29, 0x31));
  if (s == State::kDown) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, color::kBar);
    g.setColorAt(1, QColor(0x12, 0x3A, 0x44));
    p.fillRect(r, g);
    p.fillRect(QRect(r.left() + 14, r.bottom() - 2, r.width() - 28, 3), color::kAccent);
  } else if (s == State::kOver) {
    p.fillRect(QRect(r.left() + 14, r.bottom() - 1, r.width() - 28, 2), color::kAccent.darker(170));
  }
}

void Slider(QPainter& p, const Entry& e, State s) {
  const QRect& r = e.rect;
  // The knob's top sits 16 pixels below a tall (DPI) slider's top, 4 or 5 below the others;
  // the track runs through the knob's middle.
  const int knob_top = r.height() >= 36 ? 16 : (r.height() >= 26 ? 5 : 4);
  const qreal cy = r.top() + knob_top + kKnobHeight / 2.0;
  const QRectF track(r.left(), cy - 3, r.width(), 6);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  if (s == State::kDown) {
    // The program copies the filled part from the left, so the fill looks the same everywhere.
    QLinearGradient g(track.topLeft(), track.bottomLeft());
    g.setColorAt(0, color::kAccent.lighter(115));
    g.setColorAt(1, color::kAccent.darker(125));
    p.setBrush(g);
  } else {
    p.setBrush(s == State::kOver ? QColor(0x3A, 0x41, 0x4D) : QColor(0x2C, 0x31, 0x3A));
  }
  p.drawRoundedRect(track, 3, 3);
  p.restore();
  if (r.height() >= 36) {
    // Ticks of the DPI steps, the same in every state.
    const int steps = 17;
    for (int v = 0; v < steps; ++v) {
      const int x = r.left() + (v + 1) * r.width() / steps - 1;
      p.fillRect(QRect(x, static_cast<int>(cy) + 10, 1, v % 4 == 3 || v == 16 ? 6 : 3),
                 color::kLineStrong);
    }
  }
}

void Check(QPainter& p, const QRectF& r, State s) {
  const qreal side = 16;
  const QRectF box(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  if (s == State::kDown) {
    p.setPen(QPen(color::kAccent, 1));
    p.setBrush(color::kAccent);
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(QPen(color::kWindow, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(box.left() + 4, box.center().y());
    tick.lineTo(box.left() + 7, box.bottom() - 4.5);
    tick.lineTo(box.right() - 3.5, box.top() + 4.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
  } else {
    p.setPen(QPen(s == State::kOver ? color::kAccent : color::kMuted, 1.2));
    p.setBrush(color::kControl);
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  }
  p.restore();
}

void Switch(QPainter& p, const QRectF& r, State s) {
  const QRectF pill(r.center().x() - 17, r.center().y() - 9, 34, 18);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const bool on = s == State::kDown;
  p.setPen(QPen(
      on ? color::kAccent : (s == State::kOver ? color::kAccent.darker(130) : color::kLineStrong),
      1));
  p.setBrush(on ? color::kAccentDeep : color::kControl);
  p.drawRoundedRect(pill.adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);
  p.setPen(Qt::NoPen);
  p.setBrush(on ? color::kAccent : (s == State::kOver ? QColor(0xD0, 0xD4, 0xDA) : color::kMuted));
  const qreal kx = on ? pill.right() - 9 : pill.left() + 9;
  p.drawEllipse(QPointF(kx, pill.center().y()), 6.5, 6.5);
  p.restore();
}

void StageCard(QPainter& p, const QRectF& r, State s) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  QColor fill = s == State::kDown ? color::kAccentDark
                                  : (s == State::kOver ? color::kControlHover : color::kControl);
  p.setPen(QPen(s == State::kDown
                    ? color::kAccent
                    : (s == State::kOver ? color::kAccent.darker(150) : color::kLineStrong),
                s == State::kDown ? 2 : 1));
  p.setBrush(fill);
  p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 8, 8);
  if (s == State::kDown) {
    p.setPen(Qt::NoPen);
    p.setBrush(color::kAccent);
    p.drawRoundedRect(QRectF(r.center().x() - 12, r.top() + 5, 24, 3), 1.5, 1.5);
  }
  p.restore();
}

void Option(QPainter& p, const Entry& e, State s) {
  Button(p, e.rect, s);
  if (e.glyph != Glyph::kNone) {
    DrawGlyph(p, e.glyph, QRectF(e.rect).adjusted(4, 4, -4, -4),
              s == State::kDown ? color::kAccent : GlyphFor(s));
  }
}

void FunctionField(QPainter& p, const Entry& e, State s) {
  const QRectF r = e.rect;
  Box(p, r, 8, s == State::kDown ? color::kAccentDark : FillFor(s), BorderFor(s));
  // The badge occupies the first 55 pixels; the program writes the function from x + 55.
  const QPointF c(r.left() + 27, r.center().y());
  if (s == State::kDown) {
    NumberBadge(p, c, 12, e.badge, color::kAccent, color::kAccent, color::kWindow);
  } else {
    NumberBadge(p, c, 12, e.badge, s == State::kOver ? color::kAccent : color::kAccent.darker(160),
                color::kBar, s == State::kOver ? color::kText : color::kAccent);
  }
  p.fillRect(QRectF(r.left() + 48, r.top() + 10, 1, r.height() - 20),
             s == State::kNormal ? color::kLineStrong : color::kAccent.darker(150));
  DrawGlyph(p, Glyph::kCaret, QRectF(r.right() - 30, r.top(), 24, r.height()),
            s == State::kNormal ? color::kMuted : color::kAccent);
}

void NameField(QPainter& p, const QRectF& r, State s) {
  if (s == State::kNormal) return;
  Box(p, r, 8, s == State::kDown ? QColor(0x12, 0x30, 0x38) : QColor(0x1F, 0x23, 0x2B), QColor());
  p.fillRect(QRectF(r.left() + 1, r.top() + 8, 3, r.height() - 16),
             s == State::kDown ? color::kAccent : color::kAccent.darker(170));
}

void Dropdown(QPainter& p, const Entry& e, State s) {
  Button(p, e.rect, s);
  DrawGlyph(p, Glyph::kCaret, QRectF(e.rect.right() - 26, e.rect.top(), 22, e.rect.height()),
            s == State::kNormal ? color::kMuted : color::kAccent);
}

void LanguageButton(QPainter& p, const QRectF& r, State s) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  if (s == State::kDown) {
    p.setBrush(color::kAccentDeep);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 5, 5);
    p.setBrush(color::kAccent);
    p.drawRect(QRectF(r.left() + 10, r.bottom() - 3, r.width() - 20, 2));
  } else if (s == State::kOver) {
    p.setBrush(color::kControlHover);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 5, 5);
  }
  p.restore();
}

void Record(QPainter& p, const Entry& e, State s) {
  const QRectF r = e.rect;
  Box(p, r, 8, s == State::kDown ? QColor(0x3A, 0x14, 0x16) : FillFor(s),
      s == State::kDown ? QColor(228, 27, 20) : BorderFor(s));
  const QRectF dot(r.left() + 10, r.top(), 28, r.height());
  DrawGlyph(p, Glyph::kRecordDot, dot,
            s == State::kNormal ? QColor(0xB0, 0x30, 0x2C) : QColor(228, 27, 20));
}

void KeyDisplay(QPainter& p, const QRectF& r) {
  Box(p, r, 8, QColor(0x10, 0x12, 0x16), color::kAccent.darker(150));
}

void LitMouse(QPainter& p, const QRectF& r, State s) {
  const QRectF body = QRectF(r).adjusted(r.width() * 0.12, r.height() * 0.04, -r.width() * 0.12,
                                         -r.height() * 0.04);
  const QPainterPath shape = MouseBody(body);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const bool lit = s == State::kDown;
  if (lit) {
    // Glow around the body.
    for (int i = 10; i >= 1; --i) {
      QColor g = color::kAccent;
      g.setAlpha(10 + (10 - i) * 3);
      p.setPen(QPen(g, i * 2.4));
      p.setBrush(Qt::NoBrush);
      p.drawPath(shape);
    }
  }
  QLinearGradient g(body.topLeft(), body.bottomRight());
  g.setColorAt(0, QColor(0x2C, 0x31, 0x3A));
  g.setColorAt(1, QColor(0x1A, 0x1D, 0x23));
  p.setBrush(g);
  p.setPen(QPen(lit ? color::kAccent : color::kLineStrong, lit ? 2 : 1.2));
  p.drawPath(shape);
  // Seams of the two main buttons, clipped to the body.
  const qreal cx = body.center().x();
  const qreal split = body.top() + body.height() * 0.36;
  p.save();
  p.setClipPath(shape, Qt::IntersectClip);
  p.setPen(QPen(lit ? color::kAccent.darker(150) : color::kLineStrong, 1.2));
  p.drawLine(QPointF(cx, body.top()), QPointF(cx, split));
  QPainterPath seam;
  seam.moveTo(body.left(), split + 12);
  seam.quadTo(cx, split - 8, body.right(), split + 12);
  p.setBrush(Qt::NoBrush);
  p.drawPath(seam);
  p.restore();
  const QRectF wheel(cx - 8, body.top() + body.height() * 0.09, 16, body.height() * 0.15);
  p.setBrush(lit ? color::kAccentDeep : QColor(0x12, 0x14, 0x18));
  p.drawRoundedRect(wheel, 8, 8);
  // The light strip and the logo.
  const QRectF strip(cx - body.width() * 0.34, body.top() + body.height() * 0.80,
                     body.width() * 0.68, 5);
  p.setPen(Qt::NoPen);
  p.setBrush(lit ? color::kAccent : QColor(0x30, 0x35, 0x3F));
  p.drawRoundedRect(strip, 2.5, 2.5);
  const QPointF logo(cx, body.top() + body.height() * 0.58);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(lit ? color::kAccent : QColor(0x3A, 0x40, 0x4B), 3));
  QPainterPath v;
  v.moveTo(logo.x() - 16, logo.y() - 12);
  v.lineTo(logo.x(), logo.y() + 14);
  v.lineTo(logo.x() + 16, logo.y() - 12);
  p.drawPath(v);
  p.restore();
}

void Picture(QPainter& p, const QRectF& r) {
  Box(p, r.adjusted(-1, -1, 1, 1), 4, QColor(0x10, 0x12, 0x16), color::kLineStrong);
}

void Value(QPainter& p, const QRectF& r) {
  Box(p, r, 5, QColor(0x10, 0x12, 0x16), color::kLine);
}

void MenuRow(QPainter& p, const Entry& e, State s) {
  const QRect& r = e.rect;
  if (s == State::kOver) {
    p.fillRect(r, QColor(0x26, 0x2C, 0x35));
    p.fillRect(QRect(r.left(), r.top(), 3, r.height()), color::kAccent);
  } else if (s == State::kDown) {
    p.fillRect(r, color::kAccentDeep);
    p.fillRect(QRect(r.left(), r.top(), 3, r.height()), color::kAccent);
  }
  p.fillRect(QRect(r.left() + 8, r.bottom(), r.width() - 16, 1),
             s == State::kNormal ? QColor(0x25, 0x29, 0x31) : QColor(0, 0, 0, 0));
  if (e.glyph != Glyph::kNone) {
    DrawGlyph(p, e.glyph, QRectF(r.right() - 20, r.top(), 16, r.height()),
              s == State::kNormal ? color::kMuted : color::kAccent);
  }
}

}  // namespace

void DrawControl(QPainter& p, const Entry& e, State s) {
  if (e.look == Look::kZero || e.rect.isEmpty()) return;
  p.save();
  p.setClipRect(e.rect);
  switch (e.look) {
    case Look::kZero:
    case Look::kLabel:
    case Look::kSwatch:
      break;
    case Look::kButton:
      Button(p, e.rect, s);
      break;
    case Look::kPrimary:
      Primary(p, e.rect, s);
      break;
    case Look::kTab:
      Tab(p, e.rect, s);
      break;
    case Look::kIconButton:
      if (s != State::kNormal) {
        Box(p, e.rect, 6, s == State::kDown ? color::kAccentDeep : color::kControlHover, QColor());
      }
      DrawGlyph(p, e.glyph, e.rect, GlyphFor(s));
      break;
    case Look::kLanguage:
      LanguageButton(p, e.rect, s);
      break;
    case Look::kProfile:
    case Look::kDropdown:
      Dropdown(p, e, s);
      break;
    case Look::kCaretButton:
      Button(p, e.rect, s);
      DrawGlyph(p, Glyph::kCaret, e.rect, s == State::kNormal ? color::kMuted : color::kAccent);
      break;
    case Look::kNameField:
      NameField(p, e.rect, s);
      break;
    case Look::kFunctionField:
      FunctionField(p, e, s);
      break;
    case Look::kSlider:
      Slider(p, e, s);
      break;
    case Look::kCheck:
      Check(p, e.rect, s);
      break;
    case Look::kSwitch:
      Switch(p, e.rect, s);
      break;
    case Look::kStageCard:
      StageCard(p, e.rect, s);
      break;
    case Look::kOption:
      Option(p, e, s);
      break;
    case Look::kRecord:
      Record(p, e, s);
      break;
    case Look::kKeyDisplay:
      KeyDisplay(p, e.rect);
      break;
    case Look::kPicture:
      Picture(p, e.rect);
      break;
    case Look::kLitMouse:
      LitMouse(p, e.rect, s);
      break;
    case Look::kValue:
      Value(p, e.rect);
      break;
    case Look::kChild:
      p.fillRect(e.rect, color::kBlack);
      break;
    case Look::kMenuRow:
      MenuRow(p, e, s);
      break;
  }
  p.restore();
}

}  // namespace skingen

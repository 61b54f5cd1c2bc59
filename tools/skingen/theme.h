#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

#include "layout.h"

class QPainter;

namespace skingen {

// The palette: graphite backgrounds and one accent colour.
namespace color {
inline const QColor kWindow{0x15, 0x17, 0x1C};
inline const QColor kBar{0x1E, 0x22, 0x29};
inline const QColor kPanel{0x1A, 0x1D, 0x23};
inline const QColor kControl{0x22, 0x26, 0x2E};
inline const QColor kControlHover{0x2A, 0x2F, 0x38};
inline const QColor kLine{0x2A, 0x2F, 0x38};
inline const QColor kLineStrong{0x3A, 0x40, 0x4B};
inline const QColor kAccent{0x22, 0xC7, 0xE8};
inline const QColor kAccentDeep{0x0E, 0x4E, 0x5C};
inline const QColor kAccentDark{0x0B, 0x33, 0x3D};
inline const QColor kMuted{0x7A, 0x82, 0x90};
inline const QColor kText{0xFF, 0xFF, 0xFF};
inline const QColor kBlack{0, 0, 0};
}  // namespace color

enum class State { kNormal, kOver, kDown };

QPainterPath RoundedRect(const QRectF& rect, qreal radius);

// A rounded box with a 1-pixel border, drawn inside `rect`.
void Box(QPainter& p, const QRectF& rect, qreal radius, const QColor& fill, const QColor& border);

// A panel of the window: a slightly lighter rounded area with a faint border.
void Panel(QPainter& p, const QRect& rect);

// A short accent bar centred under a heading entry.
void HeadingBar(QPainter& p, const QRect& heading);

void DrawGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& color);

// The outline of the mouse seen from above, inside `box`.
QPainterPath MouseBody(const QRectF& box);

// A number in a round badge: the picture's own content, not a label.
void NumberBadge(QPainter& p, QPointF centre, qreal radius, int number, const QColor& ring,
                 const QColor& fill, const QColor& digits);

// The text of pictures (logo, badges): a sans face that is always present.
QFont PictureFont(int pixel_size, bool bold);

}  // namespace skingen

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <string>

#include "ui/skin_tables.h"

namespace devero::ui {

// The entry's rectangle for Qt, its corners kept within a range Qt's ints hold.
QRect EntryRect(const SkinEntry& entry);
QRect EntryRect(int64_t x, int64_t y, int64_t width, int64_t height);

// Copies the rectangle from the image to the same place, one to one; the part outside the
// image is not drawn.
void CopyControl(QPainter& p, const QImage& source, const QRect& rect);
void CopyControl(QPainter& p, const QImage& source, const SkinEntry& entry);

// The knob (premultiplied) at its own size with its alpha.
void DrawKnob(QPainter& p, const QImage& knob, int64_t x, int64_t y);

// A COLORREF: red in bits 0..7, green 8..15, blue 16..23.
QColor FromColorRef(uint32_t rgb);

// Text centred in the rectangle, drawn only when its left or top lands above 0.
void DrawCentredLabel(QPainter& p, const QFont& font, const QColor& color, int64_t x, int64_t y,
                      int64_t width, int64_t height, const QString& text);
// Text at x, centred vertically in the rectangle; the same rule.
void DrawLeftLabel(QPainter& p, const QFont& font, const QColor& color, int64_t x, int64_t y,
                   int64_t height, const QString& text);

inline const QColor kLabelWhite{255, 255, 255};
inline const QColor kValueRed{228, 27, 20};

}  // namespace devero::ui

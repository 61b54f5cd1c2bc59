#pragma once

#include <QImage>
#include <QRegion>

#include "ui/skin_tables.h"

namespace devero::ui {

// True when a mask pixel lies outside the window: red, green and blue all above 100.
inline bool IsOutsideMaskPixel(QRgb pixel) {
  return qRed(pixel) > 100 && qGreen(pixel) > 100 && qBlue(pixel) > 100;
}

// The window's shape: every mask pixel that is not outside. Built from the runs of inside
// pixels of each row, with equal neighbouring rows merged into one band; an empty image gives
// an empty region.
QRegion RegionFromMask(const QImage& mask);

// The region with the rectangle toggled (exclusive or), as child windows are cut out of the
// page regions.
QRegion ToggleRect(const QRegion& region, const SkinRect& rect);

}  // namespace devero::ui

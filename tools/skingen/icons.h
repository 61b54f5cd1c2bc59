#pragma once

#include <QDir>
#include <QImage>

namespace skingen {

// A 16 x 16 list icon with alpha; `id` is one of 169-175, 178, 182 (others give an empty image).
QImage ListIcon(int id);

// The application icon at `side` pixels square.
QImage AppIcon(int side);

// The slider knob, drawn with per-pixel alpha.
QImage Knob();

// Writes the list icons, the application icons and the knob below `dir`.
bool WriteIcons(const QDir& dir);

}  // namespace skingen

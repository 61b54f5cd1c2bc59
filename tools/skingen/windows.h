#pragma once

#include <QDir>
#include <QImage>
#include <QString>

#include "layout.h"
#include "theme.h"

namespace skingen {

// One state image of a picture set, before it is written.
QImage RenderState(const ImageSet& set, State state);

// Black inside, white outside; no grey in between.
QImage RenderMask(const ImageSet& set);

// The lighting page with every control shown unavailable.
QImage RenderUnavailable(const QImage& lighting_normal);

// The rapid-fire item picture of item `number` (from 1).
QImage RenderRapidFirePicture(int number, QSize size);

// Writes every picture of the skin below `dir`; false with a message on stderr on failure.
bool WritePictures(const Skin& skin, const QDir& dir);

bool SaveImage(const QImage& image, const QString& path);

}  // namespace skingen

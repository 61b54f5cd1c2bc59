#pragma once

#include <QImage>
#include <QString>

namespace skingen {

// Writes `image` as a baseline JPEG without chroma subsampling: the skin's pictures are copied
// rectangle by rectangle, and halved colour resolution would smear accent edges across the
// rectangles' borders.
bool WriteJpeg(const QImage& image, const QString& path, int quality);

}  // namespace skingen

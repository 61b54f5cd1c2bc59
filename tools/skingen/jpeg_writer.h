#pragma once

#include <QByteArray>
#include <QImage>

namespace skingen {

// `image` as a baseline JPEG without chroma subsampling: the skin's pictures are copied
// rectangle by rectangle, and halved colour resolution would smear accent edges across the
// rectangles' borders.
QByteArray EncodeJpeg(const QImage& image, int quality);

}  // namespace skingen

#include "windows.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <cstdio>

#include "controls.h"
#include "jpeg_writer.h"
#include "output.h"

namespace skingen {

QImage RenderState(const ImageSet& set, State state) {
  QImage image(set.size, QImage::Format_RGB32);
  image.fill(color::kWindow);
  QPainter p(&image);
  if (set.paint_background) set.paint_background(p);
  for (const Entry& e : set.entries)
    DrawControl(p, e, state);
  if (set.corner_radius > 0) {
    // The window's edge, the same in every state.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(color::kLineStrong, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(RoundedRect(QRectF(0.5, 0.5, set.size.width() - 1, set.size.height() - 1),
                           set.corner_radius));
  }
  return image;
}

QImage RenderMask(const ImageSet& set) {
  QImage mask(set.size, QImage::Format_RGB32);
  mask.fill(Qt::white);
  QPainter p(&mask);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  if (set.corner_radius > 0) {
    p.drawPath(RoundedRect(QRectF(0, 0, set.size.width(), set.size.height()), set.corner_radius));
  } else {
    p.drawRect(QRect(QPoint(0, 0), set.size));
  }
  return mask;
}

QImage RenderUnavailable(const QImage& lighting_normal) {
  QImage out = lighting_normal.convertToFormat(QImage::Format_RGB32);
  const QColor bg = color::kPanel;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb c = line[x];
      // Grey, and pulled two thirds of the way towards the panel colour.
      const int grey = (qRed(c) * 30 + qGreen(c) * 59 + qBlue(c) * 11) / 100;
      auto mix = [grey](int b) { return (grey + 2 * b) / 3; };
      line[x] = qRgb(mix(bg.red()), mix(bg.green()), mix(bg.blue()));
    }
  }
  // A fine diagonal hatch says "not available here".
  QPainter p(&out);
  p.setPen(QPen(QColor(0x24, 0x27, 0x2E), 1));
  for (int d = -out.height(); d < out.width(); d += 9) {
    p.drawLine(d, out.height(), d + out.height(), 0);
  }
  return out;
}

QImage RenderRapidFirePicture(int number, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(0x10, 0x12, 0x16));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QPointF c(size.width() * 0.34, size.height() * 0.5);
  const qreal r = size.height() * 0.3;
  p.setPen(QPen(color::kAccent, 2));
  p.drawEllipse(c, r, r);
  p.drawEllipse(c, r * 0.35, r * 0.35);
  p.drawLine(QPointF(c.x() - r * 1.3, c.y()), QPointF(c.x() - r * 0.5, c.y()));
  p.drawLine(QPointF(c.x() + r * 0.5, c.y()), QPointF(c.x() + r * 1.3, c.y()));
  p.drawLine(QPointF(c.x(), c.y() - r * 1.3), QPointF(c.x(), c.y() - r * 0.5));
  p.drawLine(QPointF(c.x(), c.y() + r * 0.5), QPointF(c.x(), c.y() + r * 1.3));
  // One dot per shot of the burst, as many as the item number.
  p.setPen(Qt::NoPen);
  p.setBrush(color::kAccent);
  for (int i = 0; i < number; ++i) {
    const int col = i % 4, row = i / 4;
    p.drawEllipse(QPointF(size.width() * 0.70 + col * 12, size.height() * 0.3 + row * 14), 3.5,
                  3.5);
  }
  p.setPen(color::kText);
  p.setFont(PictureFont(28, true));
  p.drawText(
      QRectF(size.width() * 0.62, size.height() * 0.58, size.width() * 0.36, size.height() * 0.36),
      Qt::AlignCenter, QString::number(number));
  return image;
}

bool SaveImage(const QImage& image, const QString& path) {
  if (QFileInfo(path).suffix().toLower() == QLatin1String("jpg")) {
    return WriteIfChanged(path, EncodeJpeg(image, 98));
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "png")) {
    std::fprintf(stderr, "skingen: cannot encode %s\n", qPrintable(path));
    return false;
  }
  return WriteIfChanged(path, bytes);
}

bool WritePictures(const Skin& skin, const QDir& dir) {
  static const char* const kStateNames[] = {"normal", "over", "down"};
  for (const ImageSet& set : skin.image_sets) {
    const int states = set.has_down ? 3 : 2;
    for (int s = 0; s < states; ++s) {
      const QImage image = RenderState(set, static_cast<State>(s));
      if (!SaveImage(image, dir.filePath(set.prefix + "_" + kStateNames[s] + ".jpg"))) {
        return false;
      }
      if (set.prefix == QLatin1String("led") && s == 0 &&
          !SaveImage(RenderUnavailable(image), dir.filePath(QStringLiteral("led_null.jpg")))) {
        return false;
      }
    }
    if (set.write_mask && !SaveImage(RenderMask(set), dir.filePath(set.prefix + "_mask.jpg"))) {
      return false;
    }
  }
  for (int n = 1; n <= 12; ++n) {
    if (!SaveImage(RenderRapidFirePicture(n, QSize(200, 150)),
                   dir.filePath(QStringLiteral("Gun/%1.jpg").arg(n)))) {
      return false;
    }
  }
  return true;
}

}  // namespace skingen

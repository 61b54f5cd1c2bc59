#include "ui/skin_images.h"

#include <QImageReader>

namespace devero::ui {

SkinImages::SkinImages(std::filesystem::path skin_directory)
    : directory_(std::move(skin_directory)) {}

void SkinImages::SetDirectory(std::filesystem::path skin_directory) {
  directory_ = std::move(skin_directory);
  cache_.clear();
  knob_source_ = nullptr;
}

std::filesystem::path SkinImages::Resolve(const std::filesystem::path& directory,
                                          std::string_view name) {
  std::string relative(name);
  for (char& c : relative) {
    if (c == '\\') c = '/';
  }
  while (!relative.empty() && relative.front() == '/')
    relative.erase(0, 1);
  return directory / relative;
}

QImage SkinImages::Decode(const std::filesystem::path& file) {
  QImageReader::setAllocationLimit(kAllocationLimitMb);
  QImageReader reader(QString::fromStdString(file.string()));
  QImage image = reader.read();
  if (image.isNull()) return {};
  // One pixel layout for every copy: JPEG becomes RGB32, alpha pictures ARGB32.
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                       : QImage::Format_RGB32);
}

const SkinImages::Cached& SkinImages::Lookup(std::string_view name) {
  const std::filesystem::path file = Resolve(directory_, name);
  std::error_code ec;
  const auto time = std::filesystem::last_write_time(file, ec);
  const bool present = !ec;
  const uintmax_t size = present ? std::filesystem::file_size(file, ec) : 0;
  auto it = cache_.find(name);
  if (it == cache_.end()) it = cache_.emplace(std::string(name), Cached{}).first;
  Cached& c = it->second;
  if (c.present != present || c.time != time || c.size != size) {
    c.image = present ? Decode(file) : QImage();
    c.time = time;
    c.size = size;
    c.present = present;
  }
  return c;
}

const QImage& SkinImages::Get(std::string_view name) {
  return Lookup(name).image;
}

const QImage& SkinImages::Knob() {
  const QImage& source = Get("\\moveRect.png");
  if (knob_source_ != &source || knob_key_ != source.cacheKey()) {
    knob_ = PremultiplyTruncating(source);
    knob_source_ = &source;
    knob_key_ = source.cacheKey();
  }
  return knob_;
}

QImage PremultiplyTruncating(const QImage& image) {
  if (image.isNull()) return {};
  QImage src = image.convertToFormat(QImage::Format_ARGB32);
  QImage out(src.size(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < src.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    QRgb* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < src.width(); ++x) {
      const int a = qAlpha(in[x]);
      o[x] = qRgba(qRed(in[x]) * a / 255, qGreen(in[x]) * a / 255, qBlue(in[x]) * a / 255, a);
    }
  }
  return out;
}

}  // namespace devero::ui

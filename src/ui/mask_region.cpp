#include "ui/mask_region.h"

#include <algorithm>
#include <vector>

namespace devero::ui {
namespace {

struct Run {
  int left;
  int right;  // exclusive
  bool operator==(const Run&) const = default;
};

void RowRuns(const QRgb* row, int width, std::vector<Run>& runs) {
  runs.clear();
  int x = 0;
  while (x < width) {
    while (x < width && IsOutsideMaskPixel(row[x]))
      ++x;
    const int start = x;
    while (x < width && !IsOutsideMaskPixel(row[x]))
      ++x;
    if (x > start) runs.push_back({start, x});
  }
}

}  // namespace

QRegion RegionFromMask(const QImage& mask) {
  if (mask.isNull()) return {};
  // Plain 32-bit pixels: the rule reads the stored channels, never premultiplied ones.
  const bool plain =
      mask.format() == QImage::Format_RGB32 || mask.format() == QImage::Format_ARGB32;
  const QImage image = plain ? mask : mask.convertToFormat(QImage::Format_ARGB32);
  const int w = image.width();
  const int h = image.height();
  std::vector<QRect> rects;
  std::vector<Run> band;
  std::vector<Run> row;
  int band_top = 0;
  auto flush = [&](int bottom) {
    for (const Run& r : band)
      rects.emplace_back(r.left, band_top, r.right - r.left, bottom - band_top);
  };
  for (int y = 0; y < h; ++y) {
    RowRuns(reinterpret_cast<const QRgb*>(image.constScanLine(y)), w, row);
    if (y > 0 && row == band) continue;
    flush(y);
    band.swap(row);
    band_top = y;
  }
  flush(h);
  QRegion region;
  // Bands come top to bottom and runs left to right without overlap: the y-x order that
  // setRects takes as it is.
  if (!rects.empty()) region.setRects(rects.data(), static_cast<int>(rects.size()));
  return region;
}

QRegion ToggleRect(const QRegion& region, const SkinRect& rect) {
  constexpr int64_t kLimit = 1 << 24;  // far beyond any screen; keeps QRect's ints safe
  const int64_t left = std::clamp(rect.left, -kLimit, kLimit);
  const int64_t top = std::clamp(rect.top, -kLimit, kLimit);
  const int64_t right = std::clamp(rect.right, -kLimit, kLimit);
  const int64_t bottom = std::clamp(rect.bottom, -kLimit, kLimit);
  if (right <= left || bottom <= top) return region;
  return region.xored(QRect(static_cast<int>(left), static_cast<int>(top),
                            static_cast<int>(right - left), static_cast<int>(bottom - top)));
}

}  // namespace devero::ui

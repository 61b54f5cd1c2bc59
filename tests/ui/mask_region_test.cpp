#include <gtest/gtest.h>

#include <random>

#include "ui/mask_region.h"

namespace devero::ui {
namespace {

QRegion PerPixelRegion(const QImage& mask) {
  QRegion region;
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x)
      if (!IsOutsideMaskPixel(mask.pixel(x, y))) region += QRect(x, y, 1, 1);
  return region;
}

TEST(MaskRegion, ThresholdIsAbove100OnEveryChannel) {
  EXPECT_TRUE(IsOutsideMaskPixel(qRgb(101, 101, 101)));
  EXPECT_FALSE(IsOutsideMaskPixel(qRgb(100, 255, 255)));
  EXPECT_FALSE(IsOutsideMaskPixel(qRgb(255, 100, 255)));
  EXPECT_FALSE(IsOutsideMaskPixel(qRgb(255, 255, 100)));
  EXPECT_TRUE(IsOutsideMaskPixel(qRgb(255, 255, 255)));
}

TEST(MaskRegion, EqualsThePerPixelRuleOnRandomMasks) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    const int w = 1 + static_cast<int>(random() % 60);
    const int h = 1 + static_cast<int>(random() % 60);
    QImage mask(w, h, QImage::Format_RGB32);
    // Blocks of rows repeat now and then, so that bands get merged.
    for (int y = 0; y < h; ++y) {
      if (y > 0 && random() % 3 == 0) {
        for (int x = 0; x < w; ++x)
          mask.setPixel(x, y, mask.pixel(x, y - 1));
        continue;
      }
      for (int x = 0; x < w; ++x) {
        const int r = 95 + static_cast<int>(random() % 12);
        const int g = 95 + static_cast<int>(random() % 12);
        const int b = random() % 2 ? 255 : 99;
        mask.setPixel(x, y, qRgb(r, g, b));
      }
    }
    const QRegion fast = RegionFromMask(mask);
    EXPECT_TRUE(fast.xored(PerPixelRegion(mask)).isEmpty()) << "round " << round;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(fast.contains(QPoint(x, y)), !IsOutsideMaskPixel(mask.pixel(x, y)));
  }
}

TEST(MaskRegion, EdgeCases) {
  EXPECT_TRUE(RegionFromMask(QImage()).isEmpty());
  QImage one(1, 1, QImage::Format_RGB32);
  one.fill(Qt::black);
  EXPECT_EQ(RegionFromMask(one), QRegion(0, 0, 1, 1));
  one.fill(Qt::white);
  EXPECT_TRUE(RegionFromMask(one).isEmpty());
  // A grey-scale picture, as a JPEG may decode, follows the same rule.
  QImage grey(4, 1, QImage::Format_Grayscale8);
  grey.setPixelColor(0, 0, QColor(100, 100, 100));
  grey.setPixelColor(1, 0, QColor(101, 101, 101));
  grey.setPixelColor(2, 0, QColor(0, 0, 0));
  grey.setPixelColor(3, 0, QColor(255, 255, 255));
  const QRegion r = RegionFromMask(grey);
  EXPECT_TRUE(r.contains(QPoint(0, 0)));
  EXPECT_FALSE(r.contains(QPoint(1, 0)));
  EXPECT_TRUE(r.contains(QPoint(2, 0)));
  EXPECT_FALSE(r.contains(QPoint(3, 0)));
}

TEST(MaskRegion, ToggleRectCutsAChildWindowOut) {
  const QRegion window(0, 0, 100, 100);
  const QRegion cut = ToggleRect(window, SkinRect{10, 10, 30, 30});
  EXPECT_FALSE(cut.contains(QPoint(15, 15)));
  EXPECT_TRUE(cut.contains(QPoint(5, 5)));
  // Outside the window, toggling adds the rectangle, as the exclusive-or does.
  EXPECT_TRUE(ToggleRect(window, SkinRect{150, 150, 160, 160}).contains(QPoint(155, 155)));
  EXPECT_EQ(ToggleRect(window, SkinRect{0, 0, 0, 0}), window);
  EXPECT_EQ(ToggleRect(window, SkinRect{50, 50, 10, 10}), window);
  // Rectangles far beyond any screen stay within Qt's integers.
  const QRegion huge = ToggleRect(window, SkinRect{-5, -5, int64_t{1} << 40, int64_t{1} << 40});
  EXPECT_FALSE(huge.contains(QPoint(50, 50)));
}

}  // namespace
}  // namespace devero::ui

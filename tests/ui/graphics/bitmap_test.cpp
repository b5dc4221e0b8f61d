#include "ui/graphics/bitmap.h"

#include <gtest/gtest.h>

using namespace gfx;

TEST(Bitmap, CopyOfSameSizeIsPlainAndClipped) {
  Bitmap src(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) src.setPixel(x, y, Color::rgb(x * 10, y * 10, 0));
  Bitmap dst(5, 5);
  dst.fill(kWhite);
  // Partly outside on the left and top: the visible part lines up.
  dst.copyRect({-1, -1, 3, 3}, src, {0, 0, 4, 4});
  EXPECT_EQ(dst.pixel(0, 0), Color::rgb(10, 10, 0));
  EXPECT_EQ(dst.pixel(2, 2), Color::rgb(30, 30, 0));
  EXPECT_EQ(dst.pixel(3, 3), kWhite);
  // A source rect partly outside its bitmap reads nothing from outside.
  Bitmap d2(3, 3);
  d2.fill(kWhite);
  d2.copyRect({0, 0, 3, 3}, src, {2, 2, 5, 5});
  EXPECT_EQ(d2.pixel(0, 0), Color::rgb(20, 20, 0));
  EXPECT_EQ(d2.pixel(1, 1), Color::rgb(30, 30, 0));
  EXPECT_EQ(d2.pixel(2, 2), kWhite);
}

TEST(Bitmap, ScaledCopyIsNearestNeighbour) {
  Bitmap src(2, 1);
  src.setPixel(0, 0, kRed);
  src.setPixel(1, 0, kWhite);
  Bitmap dst(5, 2);
  dst.copyRect({0, 0, 5, 2}, src, {0, 0, 2, 1});
  // Destination x takes source x * 2 / 5: 0,0,0,1,1.
  const Color expect[] = {kRed, kRed, kRed, kWhite, kWhite};
  for (int x = 0; x < 5; ++x) {
    EXPECT_EQ(dst.pixel(x, 0), expect[x]) << x;
    EXPECT_EQ(dst.pixel(x, 1), expect[x]) << x;
  }
}

TEST(Bitmap, TransparentDrawLeavesKeyColourOut) {
  const Color key = Color::rgb(255, 0, 255);
  Bitmap glyph(3, 1);
  glyph.setPixel(0, 0, key);
  glyph.setPixel(1, 0, kBlack);
  glyph.setPixel(2, 0, key);
  Bitmap dst(3, 1);
  dst.fill(kWhite);
  dst.drawTransparent(0, 0, glyph, glyph.rect(), key);
  EXPECT_EQ(dst.pixel(0, 0), kWhite);
  EXPECT_EQ(dst.pixel(1, 0), kBlack);
  EXPECT_EQ(dst.pixel(2, 0), kWhite);
}

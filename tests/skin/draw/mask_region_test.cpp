// Mask scanning into rectangles, the region-data layout, and window regions
// composed from a frame's mask.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mask_pictures.h"
#include "skin/draw/mask_region.h"

namespace {

using gfx::Bitmap;
using gfx::Rect;
using skin::SkinImageGeometry;

using masktest::Mask;
using masktest::Picture;

std::int32_t Field(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | bytes[at + static_cast<std::size_t>(i)];
  return static_cast<std::int32_t>(v);
}

TEST(MaskToRects, BlackRunsBecomeRectangles) {
  const auto data = skin::MaskToRects(Mask({"B.B"}), 0, 0);
  ASSERT_TRUE(data);
  EXPECT_EQ(data->rects, (std::vector<Rect>{{0, 0, 1, 1}, {2, 0, 3, 1}}));
  EXPECT_EQ(data->bounds, (Rect{0, 0, 3, 1}));

  // Runs up to the right edge, several per row, moved by the offset; only
  // red + green + blue = 0 counts as black.
  Bitmap mask = Mask({"..BBB", "BB.BB", "....."});
  mask.setPixel(0, 2, gfx::Color::rgb(1, 0, 0));
  const auto moved = skin::MaskToRects(mask, 10, -4);
  ASSERT_TRUE(moved);
  EXPECT_EQ(moved->rects,
            (std::vector<Rect>{{12, -4, 15, -3}, {10, -3, 12, -2}, {13, -3, 15, -2}}));
  EXPECT_EQ(moved->bounds, (Rect{10, -4, 15, -1}));
}

TEST(MaskToRects, EmptyMaskGivesNoDataAndWhiteMaskNoRectangles) {
  EXPECT_FALSE(skin::MaskToRects(Bitmap(), 0, 0));
  EXPECT_FALSE(skin::BuildMaskRegion(Bitmap()));
  const auto white = skin::MaskToRects(Mask({"...", "..."}), 0, 0);
  ASSERT_TRUE(white);
  EXPECT_TRUE(white->rects.empty());
  EXPECT_TRUE(skin::BuildMaskRegion(Mask({"..."}))->empty());
}

TEST(MaskToRects, MoreRunsThanTheOldFixedBufferAreAllKept) {
  // 100 runs in each of 201 rows: 20100 rectangles.
  Bitmap mask(200, 201);
  mask.fill(gfx::kWhite);
  for (int y = 0; y < 201; ++y)
    for (int x = 0; x < 200; x += 2) mask.setPixel(x, y, gfx::kBlack);
  const auto data = skin::MaskToRects(mask, 0, 0);
  ASSERT_TRUE(data);
  EXPECT_EQ(data->rects.size(), 20100u);
  EXPECT_EQ(data->rects.back(), (Rect{198, 200, 199, 201}));
  const gfx::Region region = skin::RegionFromData(*data);
  EXPECT_TRUE(region.contains({198, 200}));
  EXPECT_FALSE(region.contains({199, 200}));
}

TEST(EncodeRegionData, HeaderThenSixteenBytesPerRectangle) {
  const auto data = skin::MaskToRects(Mask({"B.B"}), 5, 7);
  const std::vector<std::uint8_t> bytes = skin::EncodeRegionData(*data);
  ASSERT_EQ(bytes.size(), 32u + 2 * 16u);
  const std::vector<std::int32_t> header = {32, 1, 2, 0, 5, 7, 8, 8};
  for (std::size_t i = 0; i < header.size(); ++i) EXPECT_EQ(Field(bytes, 4 * i), header[i]) << i;
  const std::vector<std::int32_t> rects = {5, 7, 6, 8, 7, 7, 8, 8};
  for (std::size_t i = 0; i < rects.size(); ++i) EXPECT_EQ(Field(bytes, 32 + 4 * i), rects[i]) << i;
  // Negative coordinates keep their two's complement form.
  const auto negative = skin::MaskToRects(Mask({"B"}), -2, -3);
  EXPECT_EQ(Field(skin::EncodeRegionData(*negative), 32), -2);
}

TEST(BuildMaskRegion, HoldsExactlyTheBlackPixels) {
  const std::vector<std::string> rows = {".BB.", "BBBB", "B..B"};
  const auto region = skin::BuildMaskRegion(Mask(rows));
  ASSERT_TRUE(region);
  EXPECT_EQ(Picture(*region, {0, 0, 4, 3}), rows);
  EXPECT_FALSE(region->contains({-1, 1}));
}

// An 8 x 6 mask with rounded corners; mask area (2, 2, 6, 4), the corner
// points split the borders at x 3 and 5 and at y 3 and 4.
const std::vector<std::string> kRounded = {
    "..BBBB..",  //
    ".BBBBBB.",  //
    "BBBBBBBB",  //
    "BBBBBBBB",  //
    ".BBBBBB.",  //
    "..BBBB..",
};
const SkinImageGeometry kRoundedGeometry{{3, 3}, {5, 3}, {3, 4}, {5, 4}, {2, 2, 6, 4}};

TEST(BuildFrameRegion, GrownFrameKeepsItsRoundedCorners) {
  const Bitmap mask = Mask(kRounded);
  const auto region = skin::BuildFrameRegion(
      kRoundedGeometry, skin::PlaceGeometry(kRoundedGeometry, 4, 3), mask, 12, 9);
  ASSERT_TRUE(region);
  EXPECT_EQ(Picture(*region, {-1, -1, 13, 10}), (std::vector<std::string>{
                                                    "..............",  //
                                                    "...BBBBBBBB...",  //
                                                    "..BBBBBBBBBB..",  //
                                                    ".BBBBBBBBBBBB.",  //
                                                    ".BBBBBBBBBBBB.",  //
                                                    ".BBBBBBBBBBBB.",  //
                                                    ".BBBBBBBBBBBB.",  //
                                                    ".BBBBBBBBBBBB.",  //
                                                    "..BBBBBBBBBB..",  //
                                                    "...BBBBBBBB...",  //
                                                    "..............",
                                                }));
  // At the stored size the region is the mask itself.
  const auto same = skin::BuildFrameRegion(kRoundedGeometry, kRoundedGeometry, mask, 8, 6);
  ASSERT_TRUE(same);
  EXPECT_EQ(Picture(*same, {0, 0, 8, 6}), kRounded);
}

TEST(BuildFrameRegion, ClientRectTouchingTheTopStillHasTheBottomStrip) {
  const SkinImageGeometry g{{3, 1}, {5, 1}, {3, 4}, {5, 4}, {2, 0, 6, 4}};
  const auto region =
      skin::BuildFrameRegion(g, skin::PlaceGeometry(g, 4, 3), Mask(kRounded), 12, 9);
  ASSERT_TRUE(region);
  // Bottom strip rows at NewCl.bottom = 7 and 8, from mask rows 4 and 5.
  EXPECT_EQ(Picture(*region, {0, 7, 12, 9}),
            (std::vector<std::string>{".BBBBBBBBBB.", "..BBBBBBBB.."}));
  // No top strip: the client rect starts at the top.
  EXPECT_TRUE(region->contains({2, 0}));
  EXPECT_FALSE(region->contains({1, 0}));  // the left strip's first row, from mask row 0
}

TEST(BuildFrameRegion, NoRegionBelowTheCornerPieces) {
  const Bitmap mask = Mask(kRounded);
  EXPECT_FALSE(skin::BuildFrameRegion(kRoundedGeometry,
                                      skin::PlaceGeometry(kRoundedGeometry, -3, 0), mask, 5, 6));
  EXPECT_FALSE(skin::BuildFrameRegion(kRoundedGeometry,
                                      skin::PlaceGeometry(kRoundedGeometry, 0, -2), mask, 8, 4));
  // Exactly at the corners (NewRT.x = NewLT.x) there still is one.
  EXPECT_TRUE(skin::BuildFrameRegion(kRoundedGeometry, skin::PlaceGeometry(kRoundedGeometry, -2, 0),
                                     mask, 6, 6));
  // No strip and a null client rect: no region either.
  const SkinImageGeometry inside{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0, 8, 0}};
  EXPECT_FALSE(skin::BuildFrameRegion(inside, inside, Bitmap(), 8, 6));
}

TEST(ComposeMaskStrips, MalformedMaskAreasStayWithinTheMask) {
  const Bitmap mask = Mask(kRounded);
  skin::MaskStrips strips;
  // A mask area starting before the mask shapes nothing.
  SkinImageGeometry before = kRoundedGeometry;
  before.clientRect.left = -1;
  skin::ComposeMaskStrips(before, before, mask, strips, 8);
  EXPECT_TRUE(strips.left.empty() && strips.top.empty() && strips.right.empty() &&
              strips.bottom.empty());
  // One reaching far past the mask's bottom and right: the top and left
  // strips end at the mask's edges, and no region comes of a placed mask
  // area taller than window and mask together.
  SkinImageGeometry past = kRoundedGeometry;
  past.clientRect = {500'000, 600'000, 500'001, 600'001};
  skin::ComposeMaskStrips(past, past, mask, strips, 8);
  EXPECT_EQ(strips.top.height(), 6);
  EXPECT_EQ(strips.left.width(), 8);
  EXPECT_FALSE(skin::BuildFrameRegion(
      kRoundedGeometry, skin::PlaceGeometry(kRoundedGeometry, 0, 100'000), mask, 8, 6));
}

TEST(ComposeMaskStrips, UncoveredMiddleIsOutsideTheWindow) {
  // No top middle (RT.x = LT.x): the top strip's pixels between the fixed
  // pieces come from no mask pixel and stay white.
  SkinImageGeometry g = kRoundedGeometry;
  g.rightTop.x = g.leftTop.x;
  skin::MaskStrips strips;
  skin::ComposeMaskStrips(g, skin::PlaceGeometry(g, 4, 0), Mask(kRounded), strips, 12);
  ASSERT_EQ(strips.top.width(), 12);
  ASSERT_EQ(strips.top.height(), 2);
  // Fixed start x 0..3, then white 3..7, then mask columns 3..8 from x 7.
  std::string row;
  for (int x = 0; x < 12; ++x) row += strips.top.pixel(x, 1) == gfx::kBlack ? 'B' : '.';
  EXPECT_EQ(row, ".BB....BBBB.");
  EXPECT_EQ(strips.left.width(), 2);
  EXPECT_EQ(strips.left.height(), 2);
  EXPECT_EQ(strips.bottom.height(), 2);
}

}  // namespace

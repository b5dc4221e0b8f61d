// Placing the frame geometry for a window size and mapping frame-picture
// rectangles to the window.
#include "skin/frame/frame_geometry.h"

#include <gtest/gtest.h>

#include "frame_fixture.h"

namespace {

using frametest::kPicture;
using frametest::SmallFrame;
using gfx::Rect;

TEST(PlaceFrameGeometry, AtThePictureSizeEveryValueIsTheSkinValue) {
  const skin::SkinFormInfo f = SmallFrame();
  const skin::PlacedFrameGeometry g = skin::PlaceFrameGeometry(f, kPicture, 200, 100);
  EXPECT_EQ(g.dx, 0);
  EXPECT_EQ(g.dy, 0);
  EXPECT_EQ(g.leftTop, f.leftTopPoint);
  EXPECT_EQ(g.rightTop, f.rightTopPoint);
  EXPECT_EQ(g.leftBottom, f.leftBottomPoint);
  EXPECT_EQ(g.rightBottom, f.rightBottomPoint);
  EXPECT_EQ(g.clientArea, f.clientRect);
  EXPECT_EQ(g.captionArea, f.captionRect);
  EXPECT_EQ(g.maskArea, f.maskRectArea);
  EXPECT_EQ(g.hitRightBottom, f.hitTestRightBottomPoint);
}

TEST(PlaceFrameGeometry, ALargerWindowMovesTheRightAndBottomParts) {
  skin::SkinFormInfo f = SmallFrame();
  f.buttonsRect = {150, 4, 190, 20};  // right half: follows the right edge
  const skin::PlacedFrameGeometry g = skin::PlaceFrameGeometry(f, kPicture, 300, 160);
  EXPECT_EQ(g.leftTop, (gfx::Point{10, 30}));
  EXPECT_EQ(g.rightTop, (gfx::Point{290, 30}));
  EXPECT_EQ(g.leftBottom, (gfx::Point{10, 150}));
  EXPECT_EQ(g.rightBottom, (gfx::Point{290, 150}));
  EXPECT_EQ(g.clientArea, (Rect{5, 25, 295, 155}));
  EXPECT_EQ(g.captionArea, (Rect{5, 3, 295, 22}));
  EXPECT_EQ(g.buttonsArea, (Rect{250, 4, 290, 20}));
  EXPECT_EQ(g.maskArea, (Rect{5, 25, 295, 155}));
  EXPECT_EQ(g.hitLeftBottom, (gfx::Point{10, 150}));
  EXPECT_EQ(g.hitRightTop, (gfx::Point{290, 30}));

  // Buttons in the left half, or exactly at the half, stay; an empty caption
  // rect does not grow.
  f.buttonsRect = {100, 4, 140, 20};
  f.captionRect = {};
  const skin::PlacedFrameGeometry left = skin::PlaceFrameGeometry(f, kPicture, 300, 160);
  EXPECT_EQ(left.buttonsArea, (Rect{100, 4, 140, 20}));
  EXPECT_EQ(left.captionArea, Rect{});
}

struct MapCase {
  const char* name;
  Rect skinRect;
  Rect expected;  // at 300 x 160: dx 100, dy 60
};

class MapFrameRectTest : public ::testing::TestWithParam<MapCase> {};

TEST_P(MapFrameRectTest, MapsByCornerArea) {
  const skin::SkinFormInfo f = SmallFrame();
  const skin::PlacedFrameGeometry g = skin::PlaceFrameGeometry(f, kPicture, 300, 160);
  EXPECT_EQ(skin::MapFrameRect(f, kPicture, g, GetParam().skinRect), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    CornerAreas, MapFrameRectTest,
    ::testing::Values(MapCase{"InLeftTop", {2, 2, 8, 8}, {2, 2, 8, 8}},
                      MapCase{"InRightTop", {192, 2, 198, 8}, {292, 2, 298, 8}},
                      MapCase{"InLeftBottom", {2, 92, 8, 98}, {2, 152, 8, 158}},
                      MapCase{"InRightBottom", {192, 92, 198, 98}, {292, 152, 298, 158}},
                      MapCase{"LeftTopToRightBottom", {2, 2, 195, 95}, {2, 2, 295, 155}},
                      MapCase{"LeftTopToRightTop", {2, 2, 195, 20}, {2, 2, 295, 20}},
                      MapCase{"LeftBottomToRightBottom", {2, 92, 195, 98}, {2, 152, 295, 158}},
                      MapCase{"LeftTopToLeftBottom", {2, 2, 8, 95}, {2, 2, 8, 155}},
                      MapCase{"RightTopToRightBottom", {192, 2, 198, 95}, {292, 2, 298, 155}},
                      MapCase{"InTheTopMiddleStays", {50, 2, 60, 8}, {50, 2, 60, 8}},
                      MapCase{"LeftTopToMiddleStays", {2, 2, 60, 8}, {2, 2, 60, 8}},
                      // Rectangles that end on the picture's own right or bottom edge.
                      MapCase{"EndsOnTheRightEdge", {192, 2, 200, 8}, {292, 2, 300, 8}},
                      MapCase{
                          "EndsInTheRightBottomCorner", {192, 92, 200, 100}, {292, 152, 300, 160}},
                      MapCase{"FullWidthCaption", {0, 0, 200, 20}, {0, 0, 300, 20}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SkinnedClientRect, ShrinksTheWindowByTheFrameAndNeverTurnsOver) {
  const skin::SkinFormInfo f = SmallFrame();
  EXPECT_EQ(skin::SkinnedClientRect(f, kPicture, {100, 50, 400, 210}), (Rect{105, 75, 395, 205}));
  // A window smaller than the frame: right and bottom stop at left and top.
  EXPECT_EQ(skin::SkinnedClientRect(f, kPicture, {0, 0, 6, 20}), (Rect{5, 25, 5, 25}));
}

}  // namespace

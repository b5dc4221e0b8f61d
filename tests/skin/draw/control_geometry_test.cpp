// Skinned control geometry as tables: stretch kinds over the point
// combinations, the sizes and placed values per kind, rectangles mapped
// from picture into control coordinates, and control regions from masks.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mask_pictures.h"
#include "skin/draw/control_geometry.h"

namespace {

using gfx::Point;
using gfx::Rect;
using skin::ControlSkinGeometry;
using skin::SkinImageGeometry;
using skin::StretchKind;

struct KindRow {
  const char* name;
  Rect skinRect;
  Point rt, lb, rb;
  StretchKind kind;
};

TEST(ControlGeometry, StretchKindIsDecidedInItsOrder) {
  const Rect r{0, 0, 20, 10};
  const KindRow rows[] = {
      {"empty skinrect wins over every point",
       {5, 5, 5, 20},
       {3, 0},
       {0, 3},
       {3, 3},
       StretchKind::None},
      {"negative height", {0, 10, 20, 5}, {}, {}, {3, 3}, StretchKind::None},
      {"right-bottom with both coordinates", r, {3, 0}, {0, 3}, {3, 3}, StretchKind::Both},
      {"right-bottom with x only is not both", r, {}, {}, {3, 0}, StretchKind::Fixed},
      {"right-bottom x only, right-top y", r, {0, 2}, {}, {3, 0}, StretchKind::Horizontal},
      {"right-top x", r, {15, 0}, {0, 8}, {}, StretchKind::Horizontal},
      {"left-bottom y", r, {}, {0, 8}, {}, StretchKind::Vertical},
      {"left-bottom x", r, {}, {4, 0}, {0, 7}, StretchKind::Vertical},
      {"no points", r, {}, {}, {}, StretchKind::Fixed},
  };
  for (const KindRow& row : rows) {
    SkinImageGeometry g;
    g.leftTop = {2, 2};
    g.rightTop = row.rt;
    g.leftBottom = row.lb;
    g.rightBottom = row.rb;
    EXPECT_EQ(skin::DecideStretchKind(row.skinRect, g), row.kind) << row.name;
  }
}

// A 20 x 12 section: corners 4 wide and 3 high, client rect inside a
// 2-pixel border.
ControlSkinGeometry Section(StretchKind kind) {
  ControlSkinGeometry g;
  g.skinRect = {10, 20, 30, 32};
  g.points = {{4, 3}, {16, 3}, {4, 9}, {16, 9}, {2, 2, 18, 10}};
  g.kind = kind;
  return g;
}

TEST(ControlGeometry, CalcSkinSizePinsWhatTheKindForbidsAndPlacesThePoints) {
  // An earlier placing, to see which values a kind leaves alone.
  const SkinImageGeometry previous{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5, 6, 6}};
  struct Row {
    const char* name;
    StretchKind kind;
    int w, h;  // resulting size for a proposed 50 x 30
    SkinImageGeometry placed;
  } rows[] = {
      {"none keeps everything", StretchKind::None, 50, 30, previous},
      {"fixed takes the picture size",
       StretchKind::Fixed,
       20,
       12,
       {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {2, 2, 18, 10}}},
      {"both places every point",
       StretchKind::Both,
       50,
       30,
       {{4, 3}, {46, 3}, {4, 27}, {46, 27}, {2, 2, 48, 28}}},
      {"horizontal keeps the height",
       StretchKind::Horizontal,
       50,
       12,
       {{4, 3}, {46, 3}, {3, 3}, {4, 4}, {2, 2, 48, 10}}},
      {"vertical keeps the width",
       StretchKind::Vertical,
       20,
       30,
       {{4, 3}, {2, 2}, {4, 27}, {4, 4}, {2, 2, 18, 28}}},
  };
  for (const Row& row : rows) {
    const auto p = skin::CalcSkinSize(Section(row.kind), 50, 30, previous);
    EXPECT_EQ(p.width, row.w) << row.name;
    EXPECT_EQ(p.height, row.h) << row.name;
    EXPECT_EQ(p.placed, row.placed) << row.name;
  }
  // A control smaller than the picture: the middle shrinks, corners stay.
  const auto small = skin::CalcSkinSize(Section(StretchKind::Both), 15, 8, previous);
  EXPECT_EQ(small.placed.rightBottom, (Point{11, 5}));
  EXPECT_EQ(small.placed.clientRect, (Rect{2, 2, 13, 6}));
}

TEST(ControlGeometry, MapSkinRectOfANinePartSection) {
  // 20 x 12 picture placed at 50 x 30: dw = 30, dh = 18. Corner areas:
  // left-top (0,0,4,3), right-top (16,0,20,3), left-bottom (0,9,4,12),
  // right-bottom (16,9,20,12).
  const ControlSkinGeometry g = Section(StretchKind::Both);
  struct Row {
    const char* name;
    Rect in, out;
  } rows[] = {
      {"inside left-top", {1, 1, 3, 2}, {1, 1, 3, 2}},
      {"inside right-top", {17, 1, 19, 2}, {47, 1, 49, 2}},
      {"inside left-bottom", {1, 10, 3, 11}, {1, 28, 3, 29}},
      {"inside right-bottom", {17, 10, 19, 11}, {47, 28, 49, 29}},
      {"left-top to right-bottom", {2, 1, 18, 11}, {2, 1, 48, 29}},
      {"left-top to right-top (a caption)", {2, 1, 18, 2}, {2, 1, 48, 2}},
      {"left-bottom to right-bottom", {2, 10, 18, 11}, {2, 28, 48, 29}},
      {"left-top to left-bottom", {1, 2, 3, 10}, {1, 2, 3, 28}},
      {"right-top to right-bottom", {17, 2, 19, 10}, {47, 2, 49, 28}},
      {"the middle stays", {8, 5, 12, 7}, {8, 5, 12, 7}},
      // Right and bottom edges on the area's edges are not inside it, but
      // count for the corner tests: left-top to right-top by their edges.
      {"edges count for corners", {0, 0, 16, 3}, {0, 0, 46, 3}},
      {"exactly the left-top area", {0, 0, 4, 3}, {0, 0, 4, 3}},
  };
  for (const Row& row : rows) EXPECT_EQ(skin::MapSkinRect(g, 50, 30, row.in), row.out) << row.name;
}

TEST(ControlGeometry, MapSkinRectOfStripSections) {
  // Horizontal: left part ends at x 4, right part starts at x 16; dw = 30.
  const ControlSkinGeometry h = Section(StretchKind::Horizontal);
  // Vertical: top part ends at y 3, bottom part starts at y 9; dh = 18.
  const ControlSkinGeometry v = Section(StretchKind::Vertical);
  struct Row {
    const char* name;
    const ControlSkinGeometry& g;
    Rect in, out;
  } rows[] = {
      {"h: straddling the stretch grows", h, {2, 1, 18, 5}, {2, 1, 48, 5}},
      {"h: from the left edge to the right point grows", h, {4, 1, 16, 5}, {4, 1, 46, 5}},
      {"h: wholly right moves", h, {17, 1, 19, 5}, {47, 1, 49, 5}},
      {"h: starting at the right point moves", h, {16, 1, 18, 5}, {46, 1, 48, 5}},
      {"h: left part stays", h, {1, 1, 3, 5}, {1, 1, 3, 5}},
      {"h: inside the middle stays", h, {6, 1, 10, 5}, {6, 1, 10, 5}},
      {"v: straddling grows", v, {1, 2, 5, 10}, {1, 2, 5, 28}},
      {"v: wholly below moves", v, {1, 10, 5, 11}, {1, 28, 5, 29}},
      {"v: top part stays", v, {1, 0, 5, 2}, {1, 0, 5, 2}},
      {"fixed never moves", Section(StretchKind::Fixed), {17, 10, 19, 11}, {17, 10, 19, 11}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(skin::MapSkinRect(row.g, 50, 30, row.in), row.out) << row.name;
}

using masktest::Mask;

std::vector<std::string> Picture(const gfx::Region& region, int w, int h) {
  return masktest::Picture(region, {0, 0, w, h});
}

// Rounded ends: the corner pixels are cut.
const std::vector<std::string> kRounded = {".BBBB.", "BBBBBB", "BBBBBB", ".BBBB."};

TEST(ControlGeometry, RegionOfAFixedSectionIsTheWholeMask) {
  ControlSkinGeometry g;
  g.skinRect = {0, 0, 6, 4};
  g.kind = StretchKind::Fixed;
  const auto r = skin::BuildControlRegion(g, {}, Mask(kRounded), 6, 4);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(Picture(*r, 6, 4), kRounded);
}

TEST(ControlGeometry, RegionOfAHorizontalSectionKeepsBothEnds) {
  // Ends 2 wide, the middle (x 2..4) repeated; client rect one row in.
  ControlSkinGeometry g;
  g.skinRect = {0, 0, 6, 4};
  g.points = {{2, 0}, {4, 0}, {}, {}, {2, 1, 4, 3}};
  g.kind = StretchKind::Horizontal;
  const auto placed = skin::CalcSkinSize(g, 10, 4, g.points).placed;
  const auto r = skin::BuildControlRegion(g, placed, Mask(kRounded), 10, 4);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(Picture(*r, 10, 4),
            (std::vector<std::string>{".BBBBBBBB.", "BBBBBBBBBB", "BBBBBBBBBB", ".BBBBBBBB."}));
}

TEST(ControlGeometry, RegionOfAVerticalSectionKeepsBothEnds) {
  const std::vector<std::string> mask = {".BBB.", "BBBBB", "BBBBB", "BBBBB", "BBBBB", ".BBB."};
  ControlSkinGeometry g;
  g.skinRect = {0, 0, 5, 6};
  g.points = {{0, 2}, {}, {0, 4}, {}, {1, 2, 4, 4}};
  g.kind = StretchKind::Vertical;
  const auto placed = skin::CalcSkinSize(g, 5, 9, g.points).placed;
  const auto r = skin::BuildControlRegion(g, placed, Mask(mask), 5, 9);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(Picture(*r, 5, 9),
            (std::vector<std::string>{".BBB.", "BBBBB", "BBBBB", "BBBBB", "BBBBB", "BBBBB", "BBBBB",
                                      "BBBBB", ".BBB."}));
}

TEST(ControlGeometry, RegionOfANinePartSectionCutsItsFourCorners) {
  ControlSkinGeometry g;
  g.skinRect = {0, 0, 6, 4};
  g.points = {{2, 1}, {4, 1}, {2, 3}, {4, 3}, {1, 1, 5, 3}};
  g.kind = StretchKind::Both;
  const auto placed = skin::CalcSkinSize(g, 9, 6, g.points).placed;
  const auto r = skin::BuildControlRegion(g, placed, Mask(kRounded), 9, 6);
  ASSERT_TRUE(r.has_value());
  const auto pic = Picture(*r, 9, 6);
  EXPECT_EQ(pic.front(), ".BBBBBBB.");
  EXPECT_EQ(pic.back(), ".BBBBBBB.");
  for (int y = 1; y < 5; ++y) EXPECT_EQ(pic[static_cast<std::size_t>(y)], "BBBBBBBBB") << y;
}

TEST(ControlGeometry, NoRegionWithoutAPictureAreaOrMask) {
  ControlSkinGeometry g;
  g.skinRect = {0, 0, 6, 4};
  g.kind = StretchKind::None;
  EXPECT_FALSE(skin::BuildControlRegion(g, {}, Mask(kRounded), 6, 4).has_value());
  g.kind = StretchKind::Fixed;
  EXPECT_FALSE(skin::BuildControlRegion(g, {}, gfx::Bitmap(), 6, 4).has_value());
}

}  // namespace

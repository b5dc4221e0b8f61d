// Hit tests of the skinned and the default frame over points, border styles,
// window states and masks.
#include "skin/frame/frame_hit_test.h"

#include <gtest/gtest.h>

#include <vector>

#include "frame_fixture.h"
#include "ui/message.h"

namespace {

using namespace ui;  // hit codes
using frametest::kPicture;
using frametest::SmallFrame;

enum class Look { Sizeable, Dialog, Maximized, RolledUp, Minimized, HotObject };

skin::FrameHitState StateFor(Look look, int w, int h) {
  skin::FrameHitState s;
  s.width = w;
  s.height = h;
  s.sizeable = look != Look::Dialog;
  s.maximized = look == Look::Maximized;
  s.rolledUp = look == Look::RolledUp;
  s.minimized = look == Look::Minimized;
  s.hotObject = look == Look::HotObject;
  return s;
}

// The small frame at 300 x 160: client (5, 25, 295, 155), caption object over
// (5, 3, 295, 22), hit points at the corner points, border width 4.
struct HitCase {
  const char* name;
  gfx::Point p;
  Look look;
  int expected;
};

class SkinnedHitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(SkinnedHitTest, WithoutMask) {
  const skin::SkinFormInfo f = SmallFrame();
  const skin::PlacedFrameGeometry g = skin::PlaceFrameGeometry(f, kPicture, 300, 160);
  const std::vector<gfx::Rect> captions{{5, 3, 295, 22}};
  const HitCase& c = GetParam();
  EXPECT_EQ(
      skin::HitTestSkinned(c.p, g, f.borderWidth, StateFor(c.look, 300, 160), captions, nullptr),
      c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PointsStylesStates, SkinnedHitTest,
    ::testing::Values(HitCase{"TopLeft", {1, 1}, Look::Sizeable, HTTOPLEFT},
                      HitCase{"TopRight", {298, 1}, Look::Sizeable, HTTOPRIGHT},
                      HitCase{"BottomLeft", {1, 158}, Look::Sizeable, HTBOTTOMLEFT},
                      HitCase{"BottomRight", {298, 158}, Look::Sizeable, HTBOTTOMRIGHT},
                      HitCase{"Top", {150, 1}, Look::Sizeable, HTTOP},
                      HitCase{"Bottom", {150, 158}, Look::Sizeable, HTBOTTOM},
                      HitCase{"Left", {1, 80}, Look::Sizeable, HTLEFT},
                      HitCase{"Right", {298, 80}, Look::Sizeable, HTRIGHT},
                      // Within borderwidth of the edge sizes; one pixel further in does not.
                      HitCase{"LeftAtBorderWidth", {3, 80}, Look::Sizeable, HTLEFT},
                      HitCase{"LeftPastBorderWidth", {4, 80}, Look::Sizeable, HTOBJECT},
                      HitCase{"RightAtBorderWidth", {296, 80}, Look::Sizeable, HTRIGHT},
                      HitCase{"RightPastBorderWidth", {295, 80}, Look::Sizeable, HTOBJECT},
                      HitCase{"Caption", {150, 10}, Look::Sizeable, HTCAPTION},
                      HitCase{"Client", {150, 80}, Look::Sizeable, HTCLIENT},
                      HitCase{"FrameBelowCaption", {150, 23}, Look::Sizeable, HTOBJECT},
                      HitCase{"DialogCorner", {1, 1}, Look::Dialog, HTOBJECT},
                      HitCase{"DialogEdge", {1, 80}, Look::Dialog, HTOBJECT},
                      HitCase{"DialogCaption", {150, 10}, Look::Dialog, HTCAPTION},
                      HitCase{"MaximizedCorner", {1, 1}, Look::Maximized, HTOBJECT},
                      HitCase{"MaximizedEdge", {298, 80}, Look::Maximized, HTOBJECT},
                      HitCase{"MaximizedCaption", {150, 10}, Look::Maximized, HTCAPTION},
                      HitCase{"MaximizedClient", {150, 80}, Look::Maximized, HTCLIENT},
                      HitCase{"RolledUpClient", {150, 80}, Look::RolledUp, HTOBJECT},
                      HitCase{"RolledUpCaption", {150, 10}, Look::RolledUp, HTCAPTION},
                      HitCase{"MinimizedEdge", {1, 80}, Look::Minimized, HTOBJECT},
                      HitCase{"HotObjectOnTheEdge", {150, 1}, Look::HotObject, HTOBJECT},
                      HitCase{"HotObjectOverTheClient", {150, 80}, Look::HotObject, HTCLIENT},
                      HitCase{"HotObjectOverTheCaption", {150, 10}, Look::HotObject, HTCAPTION}),
    [](const auto& info) { return std::string(info.param.name); });

// A mask whose left strip leaves its three outer columns out of the window
// and whose top strip cuts the top-left corner diagonally (x + y < 6).
skin::MaskStrips ShapedMask(const skin::PlacedFrameGeometry& g) {
  skin::MaskStrips m;
  const gfx::Rect& a = g.maskArea;
  m.top = gfx::Bitmap(g.composedWidth, a.top);
  m.bottom = gfx::Bitmap(g.composedWidth, g.composedHeight - a.bottom);
  m.left = gfx::Bitmap(a.left, a.height());
  m.right = gfx::Bitmap(g.composedWidth - a.right, a.height());
  for (int y = 0; y < m.top.height(); ++y) {
    for (int x = 0; x < 6; ++x) {
      if (x + y < 6) m.top.setPixel(x, y, gfx::kWhite);
    }
  }
  for (int y = 0; y < m.left.height(); ++y) {
    for (int x = 0; x < 3; ++x) m.left.setPixel(x, y, gfx::kWhite);
  }
  return m;
}

TEST(SkinnedHitTestMask, TheMaskShapeDecidesTheSizingEdge) {
  const skin::SkinFormInfo f = SmallFrame();
  const skin::PlacedFrameGeometry g = skin::PlaceFrameGeometry(f, kPicture, 300, 160);
  const std::vector<gfx::Rect> captions{{5, 3, 295, 22}};
  const skin::MaskStrips mask = ShapedMask(g);
  const skin::FrameHitState sizeable = StateFor(Look::Sizeable, 300, 160);
  struct Row {
    const char* name;
    gfx::Point p;
    int withoutMask;
    int withMask;
  };
  const Row rows[] = {
      // Four pixels from the window's left edge, but one from the shape's.
      {"LeftOfShape", {4, 80}, HTOBJECT, HTLEFT},
      // Beside the cut corner: a probe falls on its white pixels.
      {"BesideCutCorner", {4, 4}, HTOBJECT, HTTOPLEFT},
      {"InsideTheShape", {6, 6}, HTCAPTION, HTCAPTION},
      {"InsideTheMaskArea", {6, 80}, HTCLIENT, HTCLIENT},
      {"RightEdge", {297, 80}, HTRIGHT, HTRIGHT},
      {"BottomEdge", {150, 157}, HTBOTTOM, HTBOTTOM},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(skin::HitTestSkinned(r.p, g, f.borderWidth, sizeable, captions, nullptr),
              r.withoutMask);
    EXPECT_EQ(skin::HitTestSkinned(r.p, g, f.borderWidth, sizeable, captions, &mask), r.withMask);
  }
  // A maximized masked window answers no sizing code at all.
  const skin::FrameHitState maximized = StateFor(Look::Maximized, 300, 160);
  EXPECT_EQ(skin::HitTestSkinned({4, 80}, g, f.borderWidth, maximized, captions, &mask), HTOBJECT);
}

TEST(PointInMaskShape, ReadsTheStripUnderThePointAndNothingOutsideIt) {
  const skin::SkinFormInfo f = SmallFrame();
  const skin::PlacedFrameGeometry g = skin::PlaceFrameGeometry(f, kPicture, 300, 160);
  const skin::MaskStrips mask = ShapedMask(g);
  EXPECT_TRUE(skin::PointInMaskShape({150, 80}, g, mask));   // mask area
  EXPECT_FALSE(skin::PointInMaskShape({2, 2}, g, mask));     // cut corner
  EXPECT_TRUE(skin::PointInMaskShape({20, 2}, g, mask));     // top strip
  EXPECT_FALSE(skin::PointInMaskShape({1, 80}, g, mask));    // left strip, outside
  EXPECT_TRUE(skin::PointInMaskShape({4, 80}, g, mask));     // left strip, inside
  EXPECT_TRUE(skin::PointInMaskShape({297, 80}, g, mask));   // right strip
  EXPECT_TRUE(skin::PointInMaskShape({150, 158}, g, mask));  // bottom strip
  // Points beyond every strip, including the row the top strip does not
  // reach at the mask area's top, are outside the shape.
  EXPECT_FALSE(skin::PointInMaskShape({2, 25}, g, mask));
  EXPECT_FALSE(skin::PointInMaskShape({-5, 80}, g, mask));
  EXPECT_FALSE(skin::PointInMaskShape({150, 400}, g, mask));
  EXPECT_FALSE(skin::PointInMaskShape({400, 80}, g, mask));
  // Empty strips (an all-white mask reduced to nothing) hold no pixel.
  EXPECT_FALSE(skin::PointInMaskShape({20, 2}, g, skin::MaskStrips{}));
}

struct DefaultCase {
  const char* name;
  gfx::Point p;
  Look look;
  int expected;
};

class DefaultHitTest : public ::testing::TestWithParam<DefaultCase> {};

// A 200 x 100 default frame whose caption area ends where three buttons of
// 17 pixels begin: (3, 3, 146, 19).
TEST_P(DefaultHitTest, Answers) {
  const DefaultCase& c = GetParam();
  EXPECT_EQ(skin::HitTestDefault(c.p, {3, 3, 146, 19}, 19, StateFor(c.look, 200, 100)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PointsAndStates, DefaultHitTest,
    ::testing::Values(DefaultCase{"TopLeft", {0, 0}, Look::Sizeable, HTTOPLEFT},
                      DefaultCase{"TopRight", {198, 2}, Look::Sizeable, HTTOPRIGHT},
                      DefaultCase{"BottomLeft", {2, 99}, Look::Sizeable, HTBOTTOMLEFT},
                      DefaultCase{"BottomRight", {199, 98}, Look::Sizeable, HTBOTTOMRIGHT},
                      DefaultCase{"Left", {2, 50}, Look::Sizeable, HTLEFT},
                      DefaultCase{"Top", {100, 2}, Look::Sizeable, HTTOP},
                      DefaultCase{"Right", {198, 50}, Look::Sizeable, HTRIGHT},
                      DefaultCase{"Bottom", {100, 98}, Look::Sizeable, HTBOTTOM},
                      DefaultCase{"JustInsideTheBorder", {3, 50}, Look::Sizeable, HTCLIENT},
                      DefaultCase{"Caption", {100, 10}, Look::Sizeable, HTCAPTION},
                      DefaultCase{"ButtonRow", {160, 10}, Look::Sizeable, HTOBJECT},
                      DefaultCase{"Client", {100, 50}, Look::Sizeable, HTCLIENT},
                      DefaultCase{"BelowCaption", {100, 21}, Look::Sizeable, HTOBJECT},
                      DefaultCase{"HotObjectOnTheEdge", {0, 50}, Look::HotObject, HTOBJECT},
                      DefaultCase{"MaximizedCorner", {0, 0}, Look::Maximized, HTOBJECT},
                      DefaultCase{"MaximizedCaption", {100, 10}, Look::Maximized, HTCAPTION},
                      DefaultCase{"DialogEdge", {2, 50}, Look::Dialog, HTOBJECT},
                      DefaultCase{"RolledUpEdge", {198, 50}, Look::RolledUp, HTOBJECT}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

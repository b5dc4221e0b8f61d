// Pixels of the composed frame: the skinned frame at its stored size and
// larger, active and inactive, with its objects, and the default frame.
// Expectations follow the composition arithmetic: corner pieces copied,
// border middles tiled with the phase starting at each strip's own origin.
#include "skin/frame/frame_paint.h"

#include <gtest/gtest.h>

#include "fake_frame_host.h"
#include "skin/draw/text_fit.h"
#include "skin/frame/caption_layout.h"
#include "skin/frame/caption_text.h"
#include "support/bitmap_dump.h"

namespace {

using frametest::FakeFrameHost;
using gfx::Color;
using gfx::Rect;

// A 40 x 30 frame picture whose every pixel differs: (6x, 8y, blue).
gfx::Bitmap Picture(int blue) {
  gfx::Bitmap b(40, 30);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) b.setPixel(x, y, Color::rgb(6 * x, 8 * y, blue));
  }
  return b;
}

skin::SkinFormInfo Info() {
  skin::SkinFormInfo f;
  f.clientRect = {4, 5, 36, 26};
  f.leftTopPoint = {10, 8};
  f.rightTopPoint = {30, 8};
  f.leftBottomPoint = {10, 22};
  f.rightBottomPoint = {30, 22};
  return f;
}

// The source pixel of window pixel (x, y) outside the client area of a
// w x h window, by the strip rules.
gfx::Point SourceOf(int x, int y, int w, int h) {
  const skin::SkinFormInfo f = Info();
  const int pw = 40, ph = 30;
  const int dx = w - pw, dy = h - ph;
  const Rect cl = f.clientRect;
  const Rect ncl{cl.left, cl.top, cl.right + dx, cl.bottom + dy};
  const auto along = [](int v, int start, int end, int newEnd, int picEnd) {
    // Fixed start, tiles from 0 with the middle's length, fixed end.
    if (v < start) return v;
    if (v >= newEnd) return v - newEnd + end;
    (void)picEnd;
    return start + v % (end - start);
  };
  if (y < ncl.top)
    return {along(x, f.leftTopPoint.x, f.rightTopPoint.x, f.rightTopPoint.x + dx, pw), y};
  if (y >= ncl.bottom) {
    const int b = h - ncl.bottom;
    return {along(x, f.leftBottomPoint.x, f.rightBottomPoint.x, f.rightBottomPoint.x + dx, pw),
            ph - b + (y - ncl.bottom)};
  }
  // Left or right strip: rows from the strip's top, fixed start and end rows.
  const bool left = x < ncl.left;
  const int sx = left ? x : cl.right + (x - ncl.right);
  const int top = left ? f.leftTopPoint.y : f.rightTopPoint.y;
  const int bottom = left ? f.leftBottomPoint.y : f.rightBottomPoint.y;
  const int m = ncl.height();
  const int sy = y - ncl.top;
  const int startRows = top - cl.top;
  const int endRows = cl.bottom - bottom;
  if (sy < startRows) return {sx, cl.top + sy};
  if (sy >= m - endRows) return {sx, bottom + (sy - (m - endRows))};
  return {sx, top + sy % (bottom - top)};
}

gfx::Bitmap Expected(int w, int h, const gfx::Bitmap& picture, Color client, bool lighten) {
  const skin::PlacedFrameGeometry g = skin::PlaceFrameGeometry(Info(), {40, 30}, w, h);
  gfx::Bitmap e(w, h);
  e.fill(client);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (gfx::PtInRect(g.clientArea, {x, y})) continue;
      const gfx::Point s = SourceOf(x, y, w, h);
      Color c = picture.pixel(s.x, s.y);
      if (lighten) {
        const auto l = [](int v) { return gfx::Round(0.5 * v + 127.5); };
        c = Color::rgb(l(c.red()), l(c.green()), l(c.blue()));
      }
      e.setPixel(x, y, c);
    }
  }
  return e;
}

class SkinnedFramePixels : public ::testing::TestWithParam<gfx::Size> {
 protected:
  gfx::Bitmap paint(bool active, bool autoRender) {
    const gfx::Size s = GetParam();
    host_.paint.active = active;
    host_.paint.autoRenderInactive = autoRender;
    host_.paint.inactiveEffect = 0;  // iebrightness
    const skin::PlacedFrameGeometry g =
        skin::PlaceFrameGeometry(info_, {40, 30}, s.width, s.height);
    gfx::Bitmap target(s.width, s.height);
    target.fill(kClient);
    skin::PaintSkinnedFrame(target, {&picture_, &inactive_, &info_}, g, objects_, host_.paint);
    return target;
  }

  static constexpr Color kClient = Color::rgb(1, 2, 3);
  skin::SkinFormInfo info_ = Info();
  gfx::Bitmap picture_ = Picture(7);
  gfx::Bitmap inactive_ = Picture(200);
  FakeFrameHost host_;
  skin::FrameObjectList objects_;
};

TEST_P(SkinnedFramePixels, ActiveFromThePicture) {
  const gfx::Size s = GetParam();
  EXPECT_TRUE(testsupport::SameBitmap(paint(true, false),
                                      Expected(s.width, s.height, picture_, kClient, false)));
}

TEST_P(SkinnedFramePixels, InactiveFromTheInactivePicture) {
  const gfx::Size s = GetParam();
  EXPECT_TRUE(testsupport::SameBitmap(paint(false, false),
                                      Expected(s.width, s.height, inactive_, kClient, false)));
}

TEST_P(SkinnedFramePixels, InactiveBrightenedByHalfWhenTheSkinRendersIt) {
  const gfx::Size s = GetParam();
  inactive_ = gfx::Bitmap();  // no inactive picture: the active one, brightened
  EXPECT_TRUE(testsupport::SameBitmap(paint(false, true),
                                      Expected(s.width, s.height, picture_, kClient, true)));
}

INSTANTIATE_TEST_SUITE_P(Sizes, SkinnedFramePixels,
                         ::testing::Values(gfx::Size{40, 30}, gfx::Size{75, 52}),
                         [](const auto& info) {
                           return std::to_string(info.param.width) + "x" +
                                  std::to_string(info.param.height);
                         });

TEST(SkinnedFrameObjects, AHotButtonShowsItsHotLookAndANormalOneOfTheFramePictureNothing) {
  FakeFrameHost host;
  const gfx::Bitmap picture = Picture(7);
  gfx::Bitmap active(20, 10);
  active.fillRect({0, 0, 10, 10}, Color::rgb(0, 200, 0));   // normal look
  active.fillRect({10, 0, 20, 10}, Color::rgb(200, 0, 0));  // hot look
  skin::TbsDataSkinStdButton data("closebutton");
  data.skinRectInAPicture = true;
  data.skinRect = {0, 0, 10, 10};
  data.activeSkinRect = {10, 0, 20, 10};
  skin::TbsDataSkinStdButton drawn("maxbutton");
  drawn.skinRect = {12, 0, 16, 4};  // part of the frame picture
  drawn.activeSkinRect = {10, 0, 20, 10};
  skin::FrameObjectList objects;
  objects.push_back(std::make_unique<skin::TbsSkinStdButtonObject>(host, data, &active));
  objects.push_back(std::make_unique<skin::TbsSkinStdButtonObject>(host, drawn, &active));
  objects[0]->ObjectRect = {60, 0, 70, 5};  // half of it hangs over the client area
  objects[0]->Lit = true;
  objects[1]->ObjectRect = {12, 0, 16, 4};

  const skin::SkinFormInfo info = Info();
  const auto g = skin::PlaceFrameGeometry(info, {40, 30}, 75, 52);
  gfx::Bitmap target(75, 52);
  skin::PaintSkinnedFrame(target, {&picture, nullptr, &info}, g, objects, host.paint);
  EXPECT_EQ(target.pixel(60, 0), Color::rgb(200, 0, 0));
  EXPECT_EQ(target.pixel(69, 4), Color::rgb(200, 0, 0));
  // The normal button of the frame picture leaves the composed strip as it is.
  const gfx::Bitmap plain = Expected(75, 52, picture, gfx::kBlack, false);
  EXPECT_EQ(target.pixel(13, 1), plain.pixel(13, 1));
  // Nothing is drawn into the client area.
  EXPECT_EQ(target.pixel(40, 20), gfx::kBlack);
}

TEST(SkinnedFrameObjects, LooksOutsideTheirPictureDrawNothingAndReadNothingOutside) {
  FakeFrameHost host;
  gfx::Bitmap active(20, 10);
  active.fill(Color::rgb(0, 200, 0));
  skin::TbsDataSkinStdButton data("closebutton");
  data.skinRectInAPicture = true;
  data.skinRect = {100, 100, 116, 114};   // past the picture's edge
  data.activeSkinRect = {15, 5, 40, 30};  // partly inside
  skin::TbsSkinStdButtonObject b(host, data, &active);
  b.ObjectRect = {2, 2, 18, 16};
  gfx::Bitmap target(40, 30);
  gfx::Canvas canvas(target);
  b.Paint(canvas, true);  // normal look: entirely outside
  EXPECT_EQ(target.pixel(5, 5), gfx::kBlack);
  b.Lit = true;
  b.Paint(canvas, true);  // hot look: only the part inside the picture is read
  EXPECT_EQ(target.pixel(17, 15), gfx::kBlack);
}

TEST(FitCaptionText, AgreesWithRemovingOneCharacterAtATime) {
  gfx::Bitmap b(10, 10);
  gfx::Canvas c(b);
  c.setFont(skin::DefaultCaptionFont(true));
  const std::string text = "商业模拟平台 Teacher console — 教师控制台 with a long title";
  for (int width : {0, 5, 12, 30, 60, 120, 200, 2000}) {
    SCOPED_TRACE(width);
    std::string reference = text;
    skin::FitTextWithEllipsis(c, reference, width);
    EXPECT_EQ(skin::FitCaptionText(c, text, width), reference);
  }
  // Ten thousand characters cost a handful of measurements.
  const std::string huge(10000, 'W');
  const std::string fitted = skin::FitCaptionText(c, huge, 300);
  EXPECT_LE(c.textWidth(fitted), 300);
  EXPECT_EQ(fitted.substr(fitted.size() - 3), "...");
  EXPECT_GT(fitted.size(), 4u);
}

TEST(DefaultFramePixels, BorderGroovesTextGapAndButtons) {
  FakeFrameHost host;
  skin::FrameObjectList buttons = skin::CreateDefaultButtons(host);
  skin::ApplyBorderIcons(buttons, skin::TbsBorderIcons{}, false, nullptr);
  const auto caption = skin::LayoutDefaultButtons(buttons, 200, false, std::nullopt);
  ASSERT_EQ(*caption, (Rect{20, 3, 129, 19}));
  skin::DefaultFrameInput in;
  in.width = 200;
  in.height = 100;
  in.captionArea = *caption;
  in.font = skin::DefaultCaptionFont(true);
  gfx::Bitmap target(200, 100);
  target.fill(gfx::kRed);  // stands for the client
  skin::PaintDefaultFrame(target, in, buttons);

  using gfx::SysColor;
  const auto sys = [](SysColor c) { return gfx::SystemColor(c); };
  // Three nested frames.
  EXPECT_EQ(target.pixel(0, 50), sys(SysColor::Light3D));
  EXPECT_EQ(target.pixel(100, 0), sys(SysColor::Light3D));
  EXPECT_EQ(target.pixel(199, 50), sys(SysColor::DarkShadow3D));
  EXPECT_EQ(target.pixel(100, 99), sys(SysColor::DarkShadow3D));
  EXPECT_EQ(target.pixel(1, 50), sys(SysColor::ButtonHighlight));
  EXPECT_EQ(target.pixel(198, 50), sys(SysColor::ButtonShadow));
  EXPECT_EQ(target.pixel(2, 50), sys(SysColor::ButtonFace));
  EXPECT_EQ(target.pixel(197, 97), sys(SysColor::ButtonFace));
  // Grooves at caption rows 2 .. 15 (window rows 5 .. 18), from caption x
  // L + 2 = 19 up to 194 - R - 6 = 123 (window x 22 .. 125), highlight first.
  EXPECT_EQ(target.pixel(22, 5), sys(SysColor::ButtonHighlight));
  EXPECT_EQ(target.pixel(30, 6), sys(SysColor::ButtonShadow));
  EXPECT_EQ(target.pixel(125, 5), sys(SysColor::ButtonHighlight));
  EXPECT_EQ(target.pixel(126, 5), sys(SysColor::ButtonFace));
  EXPECT_EQ(target.pixel(21, 5), sys(SysColor::ButtonFace));
  EXPECT_EQ(target.pixel(30, 19), sys(SysColor::ButtonFace));
  // An empty caption still clears its five-pixel place at x0 = 56 + 17 - 2.
  EXPECT_EQ(target.pixel(3 + 71, 5), sys(SysColor::ButtonFace));
  EXPECT_EQ(target.pixel(3 + 75, 6), sys(SysColor::ButtonFace));
  EXPECT_EQ(target.pixel(3 + 76, 6), sys(SysColor::ButtonShadow));
  // The close button: face, and its cross from the glyph origin (3, 4).
  EXPECT_EQ(target.pixel(181, 5), sys(SysColor::ButtonFace));
  EXPECT_EQ(target.pixel(180 + 4, 4 + 5), sys(SysColor::ButtonText));
  // The client area is left alone.
  EXPECT_EQ(target.pixel(100, 50), gfx::kRed);
  EXPECT_EQ(target.pixel(3, 22), gfx::kRed);
}

TEST(DefaultFramePixels, AHotButtonHasTheNavyFrameAndTheHotFill) {
  FakeFrameHost host;
  skin::FrameObjectList buttons = skin::CreateDefaultButtons(host);
  skin::LayoutDefaultButtons(buttons, 200, false, std::nullopt);
  buttons[0]->MouseInside = true;
  skin::DefaultFrameInput in;
  in.width = 200;
  in.height = 100;
  gfx::Bitmap target(200, 100);
  skin::PaintDefaultFrame(target, in, buttons);
  EXPECT_EQ(target.pixel(180, 4), gfx::kNavy);
  EXPECT_EQ(target.pixel(196, 20), gfx::kNavy);
  EXPECT_EQ(target.pixel(181, 5), Color(13811126));
  static_cast<skin::TbsSkinButtonObject&>(*buttons[0]).Down = true;
  skin::PaintDefaultFrame(target, in, buttons);
  EXPECT_EQ(target.pixel(181, 5), Color(11899781));
  // Pressed, the cross moves by one pixel: its first pixel is now (5, 6).
  EXPECT_EQ(target.pixel(180 + 5, 4 + 6), gfx::SystemColor(gfx::SysColor::ButtonText));
}

}  // namespace

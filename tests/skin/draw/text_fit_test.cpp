// Fitting a text with an ellipsis and placing it in a rect. Expected texts
// follow from the rule itself, measured with the canvas font.
#include <string>

#include <gtest/gtest.h>

#include "skin/draw/text_fit.h"

namespace {

using gfx::Bitmap;
using gfx::Canvas;

TEST(FitTextWithEllipsis, CutsAtTheLastFittingCharacter) {
  Bitmap b(10, 10);
  Canvas canvas(b);
  canvas.setFont({.name = "Liberation Sans", .height = 13});
  const std::string text = "Classroom simulation";

  std::string unchanged = text;
  skin::FitTextWithEllipsis(canvas, unchanged, canvas.textWidth(text));
  EXPECT_EQ(unchanged, text);

  // Exactly room for "Class...": the cut stops there.
  std::string cut = text;
  skin::FitTextWithEllipsis(canvas, cut, canvas.textWidth("Class..."));
  EXPECT_EQ(cut, "Class...");
  // One pixel less does not fit "Class..." any more.
  cut = text;
  skin::FitTextWithEllipsis(canvas, cut, canvas.textWidth("Class...") - 1);
  EXPECT_EQ(cut, "Clas...");

  // Narrower than "..." itself: nothing but "...".
  std::string none = text;
  skin::FitTextWithEllipsis(canvas, none, canvas.textWidth("...") - 1);
  EXPECT_EQ(none, "...");
  std::string negative = "";
  skin::FitTextWithEllipsis(canvas, negative, -1);
  EXPECT_EQ(negative, "...");
}

TEST(FitTextWithEllipsis, RemovesWholeCharactersOfMultiByteText) {
  Bitmap b(10, 10);
  Canvas canvas(b);
  canvas.setFont({.name = "宋体", .height = 12});
  std::string text = "商业模拟平台";
  skin::FitTextWithEllipsis(canvas, text, canvas.textWidth("商业..."));
  EXPECT_EQ(text, "商业...");
}

TEST(TextInRect, DrawsInsideTheRectFromTwoPixelsIn) {
  Bitmap b(60, 40);
  b.fill(gfx::kWhite);
  Canvas canvas(b);
  canvas.setFont({.name = "Liberation Sans", .height = 20, .color = gfx::kBlack});
  const gfx::Rect rect{10, 8, 30, 30};
  skin::TextInRect(canvas, "WWWWWW", rect, 3);
  int inked = 0;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) {
      if (b.pixel(x, y) == gfx::kWhite) continue;
      ++inked;
      EXPECT_TRUE(gfx::PtInRect(rect, {x, y})) << x << "," << y;
      EXPECT_GE(x, rect.left + 2 + 3) << x << "," << y;
    }
  EXPECT_GT(inked, 20);
}

}  // namespace

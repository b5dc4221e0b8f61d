// Pixel art stays crisp at any whole device pixel ratio: each picture pixel
// covers ratio x ratio screen pixels of one colour. Run once per ratio
// (KAVRO_EXPECT_DPR names the ratio the screen configuration gives).
#include <cstdlib>

#include <gtest/gtest.h>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include "ui/form.h"
#include "ui/graphic_control.h"
#include "ui_test_support.h"

namespace {

// A one-pixel checkerboard: the hardest picture to keep sharp.
class Checker : public ui::GraphicControl {
 public:
  using ui::GraphicControl::GraphicControl;

 protected:
  void paint(gfx::Canvas& c) override {
    for (int y = 0; y < height(); ++y)
      for (int x = 0; x < width(); ++x) c.setPixel(x, y, (x + y) % 2 ? gfx::kWhite : gfx::kBlack);
  }
};

TEST(HighDpi, EveryPicturePixelCoversAWholeBlock) {
  const char* env = std::getenv("KAVRO_EXPECT_DPR");
  const int ratio = env ? std::atoi(env) : 1;
  ui::Form form;
  form.setBorderStyle(ui::BorderStyle::bsNone);
  form.setBounds(0, 0, 40, 20);
  auto* checker = new Checker(&form);
  checker->setParent(&form);
  checker->setBounds(3, 4, 20, 10);
  ASSERT_TRUE(uitest::ShowAndWait(form));
  ASSERT_EQ(form.widget()->devicePixelRatioF(), ratio);

  const QImage shot = form.widget()->grab().toImage();
  ASSERT_EQ(shot.width(), 40 * ratio);
  ASSERT_EQ(shot.height(), 20 * ratio);
  int wrong = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) {
      const QRgb expected = (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
      for (int dy = 0; dy < ratio; ++dy)
        for (int dx = 0; dx < ratio; ++dx)
          if (shot.pixel((3 + x) * ratio + dx, (4 + y) * ratio + dy) != expected) ++wrong;
    }
  EXPECT_EQ(wrong, 0);

  // Regions stay in picture pixels.
  form.setRegion(gfx::Region(gfx::Rect{1, 0, 39, 20}));
  EXPECT_FALSE(form.widget()->mask().contains(QPoint(0, 5)));
  EXPECT_TRUE(form.widget()->mask().contains(QPoint(1, 5)));
}

}  // namespace

// The tool bar with speed buttons on a shown form: scrolling with 200
// buttons (steps, both ends, the repeat timer, growing back), buttons that
// fit, the settings it hands its buttons, and image lists that go away.
#include <gtest/gtest.h>
#include <QTest>
#include <QWindow>

#include <vector>

#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_tool_bar.h"
#include "support/qt_wait.h"
#include "ui/form.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/color.h"
#include "ui/image_list.h"
#include "ui/message.h"

namespace {

struct BarForm {
  ui::Form form;
  skin::TbsSkinToolBar* bar;
  std::vector<skin::TbsSkinSpeedButton*> buttons;
  explicit BarForm(int count, int barWidth = 300) {
    form.setBorderStyle(ui::BorderStyle::bsNone);
    form.setBounds(100, 100, 600, 200);
    bar = new skin::TbsSkinToolBar(&form);
    bar->setParent(&form);
    bar->setBounds(0, 0, barWidth, 25);
    for (int i = 0; i < count; ++i) {
      auto* b = new skin::TbsSkinSpeedButton(&form);
      b->setParent(bar);
      b->setBounds(i * 23, 1, 23, 22);
      buttons.push_back(b);
    }
  }
  QWindow* win() { return form.widget()->window()->windowHandle(); }
  bool show() {
    form.show();
    return QTest::qWaitForWindowExposed(win());
  }
  void tick() { bar->perform(ui::WM_TIMER, skin::TbsSkinToolBar::kScrollTimer); }
};

}  // namespace

TEST(SkinToolBar, TwoHundredButtonsScrollStepByStepBetweenBothEnds) {
  BarForm f(200);
  f.bar->setCanScroll(true);
  f.bar->UpdateScrollState();
  ASSERT_TRUE(f.bar->ScrollButtonsShown());
  // The view is the bar less two 12-pixel buttons; the content ends at 4599.
  EXPECT_EQ(f.bar->clientWidth(), 276);
  EXPECT_EQ(f.bar->ViewWidth(), 276);
  EXPECT_EQ(f.bar->ContentRight(), 4599);
  ASSERT_TRUE(f.show());
  // Press the right scroll button: a timer tick steps by the view width,
  // the release one step more.
  QTest::mousePress(f.win(), Qt::LeftButton, {}, QPoint(295, 10));
  EXPECT_TRUE(f.bar->ScrollPressed(true));
  EXPECT_TRUE(f.bar->timerRunning(skin::TbsSkinToolBar::kScrollTimer));
  f.tick();
  EXPECT_EQ(f.bar->ScrollPosition(), 276);
  QTest::mouseRelease(f.win(), Qt::LeftButton, {}, QPoint(295, 10));
  EXPECT_EQ(f.bar->ScrollPosition(), 552);
  EXPECT_FALSE(f.bar->timerRunning(skin::TbsSkinToolBar::kScrollTimer));
  EXPECT_EQ(f.buttons[0]->left(), -552);
  EXPECT_EQ(f.buttons[24]->left(), 24 * 23 - 552);
  // To the right end: never past content right - view width + 1.
  f.bar->setScrollOffset(1000);
  for (int i = 0; i < 10; ++i) f.bar->ScrollStep(true);
  EXPECT_EQ(f.bar->ScrollPosition(), 4599 - 276 + 1);
  EXPECT_EQ(f.buttons[199]->boundsRect().right, 276);
  // A tick at the end stops the repeat timer.
  QTest::mousePress(f.win(), Qt::LeftButton, {}, QPoint(295, 10));
  f.tick();
  EXPECT_FALSE(f.bar->timerRunning(skin::TbsSkinToolBar::kScrollTimer));
  QTest::mouseRelease(f.win(), Qt::LeftButton, {}, QPoint(295, 10));
  // And back to the left end.
  for (int i = 0; i < 10; ++i) f.bar->ScrollStep(false);
  EXPECT_EQ(f.bar->ScrollPosition(), 0);
  EXPECT_EQ(f.buttons[0]->left(), 0);
  EXPECT_EQ(f.buttons[199]->left(), 199 * 23);
}

TEST(SkinToolBar, GrowingAtTheEndScrollsBackAndFittingHidesTheButtons) {
  BarForm f(20);  // content 460 wide
  f.bar->setCanScroll(true);
  f.bar->UpdateScrollState();
  f.bar->setScrollOffset(1000);
  f.bar->ScrollStep(true);
  const int end = 459 - 276 + 1;
  ASSERT_EQ(f.bar->ScrollPosition(), end);
  // 40 pixels wider: the content moves right by 40 and still ends at the
  // view's right edge.
  f.bar->setWidth(340);
  EXPECT_TRUE(f.bar->ScrollButtonsShown());
  EXPECT_EQ(f.bar->ScrollPosition(), end - 40);
  EXPECT_EQ(f.buttons[19]->boundsRect().right, 316);
  // Wide enough for all: back at 0, no scroll buttons.
  f.bar->setWidth(500);
  EXPECT_FALSE(f.bar->ScrollButtonsShown());
  EXPECT_EQ(f.bar->ScrollPosition(), 0);
  EXPECT_EQ(f.buttons[0]->left(), 0);
  EXPECT_EQ(f.bar->clientWidth(), 500);
}

TEST(SkinToolBar, ButtonsThatFitShowNoScrollButtonsAndShiftNothing) {
  BarForm f(5);
  f.bar->setCanScroll(true);
  f.bar->UpdateScrollState();
  EXPECT_FALSE(f.bar->ScrollButtonsShown());
  f.bar->ScrollStep(true);
  EXPECT_EQ(f.bar->ScrollPosition(), 0);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(f.buttons[static_cast<std::size_t>(i)]->left(), i * 23);
  // Without CanScroll 200 buttons never scroll.
  BarForm g(200);
  g.bar->UpdateScrollState();
  EXPECT_FALSE(g.bar->ScrollButtonsShown());
}

TEST(SkinToolBar, HotScrollStepsWhileThePointerRests) {
  BarForm f(200);
  f.bar->setCanScroll(true);
  f.bar->setHotScroll(true);
  f.bar->setScrollOffset(10);
  f.bar->UpdateScrollState();
  ASSERT_TRUE(f.show());
  QTest::mouseMove(f.win(), QPoint(150, 60));
  QTest::mouseMove(f.win(), QPoint(295, 10));
  WAIT_TRUE(f.bar->ScrollHot(true), 2000);
  WAIT_TRUE(f.bar->ScrollPosition() >= 30, 3000);
  // Leaving the scroll button stops the steps.
  QTest::mouseMove(f.win(), QPoint(150, 10));
  WAIT_TRUE(!f.bar->ScrollHot(true), 2000);
  EXPECT_FALSE(f.bar->timerRunning(skin::TbsSkinToolBar::kScrollTimer));
  const int pos = f.bar->ScrollPosition();
  QTest::qWait(150);
  EXPECT_EQ(f.bar->ScrollPosition(), pos);
}

TEST(SkinToolBar, SettingsReachTheSpeedButtonsAndBadValuesAreRefused) {
  BarForm f(3);
  f.bar->setScrollOffset(-5);
  EXPECT_EQ(f.bar->ScrollOffset(), 0);
  f.bar->setScrollTimerInterval(0);
  f.bar->setScrollTimerInterval(-1);
  EXPECT_EQ(f.bar->ScrollTimerInterval(), 50);
  f.bar->setFlat(true);
  for (auto* b : f.buttons) EXPECT_TRUE(b->Flat());
  f.bar->setAutoShowHideCaptions(true);
  f.bar->setWidthWithCaptions(400);
  f.bar->setWidthWithoutCaptions(200);
  f.bar->setShowCaptions(false);
  EXPECT_EQ(f.bar->width(), 200);
  for (auto* b : f.buttons) EXPECT_FALSE(b->ShowCaption());
  f.bar->setShowCaptions(true);
  EXPECT_EQ(f.bar->width(), 400);
  for (auto* b : f.buttons) EXPECT_TRUE(b->ShowCaption());
  auto* list = new ui::ImageList(nullptr);
  f.bar->setImages(list);
  f.bar->setHotImages(list);
  EXPECT_EQ(f.bar->Images(), list);
  delete list;
  EXPECT_EQ(f.bar->Images(), nullptr);
  EXPECT_EQ(f.bar->HotImages(), nullptr);
}

TEST(SkinToolBar, ChildrenAddedLaterShowTheScrollButtons) {
  BarForm f(0);
  f.bar->setCanScroll(true);
  ASSERT_TRUE(f.show());
  for (int i = 0; i < 200; ++i) {
    auto* b = new skin::TbsSkinSpeedButton(&f.form);
    b->setParent(f.bar);
    b->setBounds(i * 23, 1, 23, 22);
  }
  WAIT_TRUE(f.bar->ScrollButtonsShown(), 2000);
  // The bar destroyed while stepping: its timer goes with it.
  QTest::mousePress(f.win(), Qt::LeftButton, {}, QPoint(295, 10));
  delete f.bar;
  QTest::qWait(120);
  QTest::mouseRelease(f.win(), Qt::LeftButton, {}, QPoint(295, 10));
}

TEST(SkinToolBar, DefaultScrollButtonLooksFromTheArithmetic) {
  BarForm f(200);
  f.bar->setCanScroll(true);
  f.bar->UpdateScrollState();
  auto paint = [&] {
    gfx::Bitmap b(f.bar->width(), f.bar->height());
    gfx::Canvas canvas(b);
    ui::Message m{ui::WM_PAINT, ui::ToParam(&canvas), 0, 0};
    f.bar->windowProc(m);
    return b;
  };
  const gfx::Color text = gfx::SystemColor(gfx::SysColor::ButtonText);
  gfx::Bitmap b = paint();
  // Left button (0,0,12,25): shadow frame, face fill, the left arrow on
  // (6, 12): columns 4..7 spanning 1, 3, 5, 7 rows.
  EXPECT_EQ(b.pixel(0, 0), gfx::SystemColor(gfx::SysColor::ButtonShadow));
  EXPECT_EQ(b.pixel(2, 3), gfx::SystemColor(gfx::SysColor::ButtonFace));
  EXPECT_EQ(b.pixel(4, 12), text);
  EXPECT_EQ(b.pixel(4, 11), gfx::SystemColor(gfx::SysColor::ButtonFace));
  EXPECT_EQ(b.pixel(7, 9), text);
  EXPECT_EQ(b.pixel(7, 15), text);
  // Right button (288,0,300,25): the right arrow on (294, 12): columns
  // 293..296 spanning 7, 5, 3, 1 rows.
  EXPECT_EQ(b.pixel(293, 9), text);
  EXPECT_EQ(b.pixel(296, 12), text);
  EXPECT_EQ(b.pixel(296, 11), gfx::SystemColor(gfx::SysColor::ButtonFace));
  // Pressed under the pointer: navy frame, pressed fill.
  ASSERT_TRUE(f.show());
  QTest::mousePress(f.win(), Qt::LeftButton, {}, QPoint(295, 5));
  b = paint();
  EXPECT_EQ(b.pixel(288, 0), gfx::kNavy);
  EXPECT_EQ(b.pixel(290, 3), gfx::Color::rgb(133, 147, 181));
  QTest::mouseRelease(f.win(), Qt::LeftButton, {}, QPoint(295, 5));
}

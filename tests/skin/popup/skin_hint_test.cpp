// The skinned hint on real windows: which component governs, the default
// look's size and colours, edge placement through PresentHint, opacity, and
// the text hint's delay and display time on a manual clock.
#include "skin/popup/skin_hint.h"

#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/monitor.h"
#include "ui/window_opacity.h"

namespace {

class HintTest : public ::testing::Test {
 protected:
  HintTest() {
    main_ = new ui::Form();
    hint_ = new skin::TbsSkinHint(main_, &clock_);
  }
  ~HintTest() override { delete main_; }

  ui::ManualScheduler clock_;
  ui::Form* main_;
  skin::TbsSkinHint* hint_;
};

TEST_F(HintTest, OnlyAnActiveComponentOfTheMainFormGovernsHints) {
  ASSERT_EQ(ui::Application::instance().mainForm(), main_);
  EXPECT_EQ(skin::TbsSkinHint::FindActiveSkinHint(), hint_);
  auto* second = new skin::TbsSkinHint(main_, &clock_);
  second->setActive(true);
  EXPECT_FALSE(hint_->Active());
  EXPECT_EQ(skin::TbsSkinHint::FindActiveSkinHint(), second);
  second->setActive(false);
  EXPECT_EQ(skin::TbsSkinHint::FindActiveSkinHint(), nullptr);
  skin::TbsSkinHintWindow w;
  w.PresentHint({10, 10, 10, 10}, "text");
  EXPECT_FALSE(w.presented());
  EXPECT_FALSE(w.visible());
}

TEST_F(HintTest, DestroyingAnOlderComponentKeepsTheNewerOnesHintRouting) {
  ui::Application& app = ui::Application::instance();
  int heard = 0;
  auto* newer = new skin::TbsSkinHint(main_, &clock_);
  newer->OnShowHint = [&heard](std::string&, bool&, ui::HintInfo&) { ++heard; };
  delete hint_;
  hint_ = nullptr;
  ASSERT_TRUE(app.onShowHint);
  std::string text = "a";
  bool canShow = true;
  ui::HintInfo info;
  app.onShowHint(text, canShow, info);
  EXPECT_EQ(heard, 1);
  // Its own routing goes with it; the application's own handler stays.
  delete newer;
  EXPECT_FALSE(app.onShowHint);
  auto* third = new skin::TbsSkinHint(main_, &clock_);
  app.onShowHint = [&heard](std::string&, bool&, ui::HintInfo&) { heard += 10; };
  delete third;
  ASSERT_TRUE(app.onShowHint);
  app.onShowHint(text, canShow, info);
  EXPECT_EQ(heard, 11);
  app.onShowHint = nullptr;
}

TEST_F(HintTest, ThePlainLookIsTheTextPlusTwoPixelsAroundInTheTooltipColour) {
  hint_->DefaultFont.color = gfx::kRed;  // never used
  skin::TbsSkinHintWindow w;
  w.PresentHint({40, 50, 40, 50}, "One line\nand a second, longer line");
  ASSERT_TRUE(w.presented());
  EXPECT_EQ(w.skinInUse(), nullptr);
  // The text as the text output lays it out, one line per line break.
  gfx::Bitmap probe(1, 1);
  gfx::Canvas c(probe);
  c.setFont(w.canvasFont());
  gfx::Rect both{0, 0, 0, 0}, longer{0, 0, 0, 0}, single{0, 0, 0, 0};
  c.drawText("One line\nand a second, longer line", both, gfx::kTextCalcRect);
  c.drawText("and a second, longer line", longer, gfx::kTextCalcRect);
  c.drawText("One line", single, gfx::kTextCalcRect);
  EXPECT_EQ(w.width(), longer.width() + 4);
  EXPECT_EQ(w.height(), both.height() + 4);
  EXPECT_GE(both.height(), 2 * single.height());
  EXPECT_EQ(w.canvasFont().color, gfx::SystemColor(gfx::SysColor::InfoText));
  EXPECT_EQ(w.boundsRect().topLeft(), (gfx::Point{40, 50}));
}

TEST_F(HintTest, AHintPastTheScreenEdgeGoesToTheOtherSideOfItsPoint) {
  const gfx::Size screen = ui::PrimaryScreenSize();
  skin::TbsSkinHintWindow w;
  w.PresentHint({screen.width - 5, screen.height - 5, 0, 0}, "edge");
  EXPECT_EQ(w.boundsRect().right, screen.width - 5 - 2);
  EXPECT_EQ(w.boundsRect().bottom, screen.height - 5 - 2);
}

TEST_F(HintTest, TranslucentHintsTakeTheirOpacity) {
  ui::SetLayeredWindowsAvailable(true);
  hint_->AlphaBlend = true;
  hint_->AlphaBlendValue = 250;
  skin::TbsSkinHintWindow w;
  w.PresentHint({10, 10, 10, 10}, "a");
  EXPECT_EQ(w.alpha(), 250);
  ui::SetLayeredWindowsAvailable(std::nullopt);
}

TEST_F(HintTest, ATextHintWaitsForTheDelayAndGoesAfterTheDisplayTime) {
  auto& app = ui::Application::instance();
  app.setHintPause(800);
  app.setHintHidePause(25000);
  // Hidden again before the delay: nothing is ever shown.
  hint_->ShowTextHint("关闭");
  clock_.advance(799);
  hint_->HideTextHint();
  clock_.advance(5000);
  EXPECT_FALSE(hint_->textHintWindow().presented());

  hint_->ShowTextHint("最大化");
  clock_.advance(799);
  EXPECT_FALSE(hint_->textHintWindow().presented());
  clock_.advance(1);
  ASSERT_TRUE(hint_->textHintWindow().presented());
  EXPECT_EQ(hint_->textHintWindow().text(), "最大化");
  const gfx::Point cursor = ui::CursorPos();
  EXPECT_EQ(hint_->textHintWindow().top(), cursor.y + skin::TbsSkinHint::kPointerShapeDepth);
  clock_.advance(24999);
  EXPECT_TRUE(hint_->textHintWindow().presented());
  clock_.advance(1);
  EXPECT_FALSE(hint_->textHintWindow().presented());
  EXPECT_FALSE(clock_.pending());
}

}  // namespace

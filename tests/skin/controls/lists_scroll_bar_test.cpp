// The skinned scroll bar: its arithmetic as tables, clamping of bad
// ranges, stepping and paging with the 500 ms / 50 ms repeat on a manual
// clock, thumb dragging, and a skin change or destruction mid-drag.
#include <QTest>
#include <memory>

#include <gtest/gtest.h>

#include "lists_input.h"
#include "resources/builtin_skins.h"
#include "skin/controls/scroll_bar_layout.h"
#include "skin/controls/skin_scroll_bar.h"
#include "ui/form.h"
#include "ui/scheduler.h"

namespace {

using skin::TbsSkinScrollBar;
using Part = TbsSkinScrollBar::Part;

TEST(ScrollBarArithmetic, PositionRangeClampsBadRangesToMin) {
  struct Row {
    int pos, min, max, page, want;
  } rows[] = {
      {50, 0, 100, 0, 50}, {150, 0, 100, 0, 100},
      {-5, 0, 100, 0, 0},  {100, 0, 100, 10, 91},  // Max - PageSize + 1
      {5, 10, 0, 0, 10},                           // Min > Max
      {5, 0, 10, 50, 0},                           // page larger than the range
      {3, 0, 19, 8, 3},    {20, 0, 19, 8, 12},
  };
  for (const Row& r : rows)
    EXPECT_EQ(skin::ClampScrollPosition(r.pos, r.min, r.max, r.page), r.want)
        << r.pos << " " << r.min << ".." << r.max << " page " << r.page;
}

TEST(ScrollBarArithmetic, ThumbLengthAndOffset) {
  // Track 100: 16 without a page; 100 * 20 / 101 = 19.8 -> 20; a tiny page
  // stays at the minimum; a page past the range fills the track.
  EXPECT_EQ(skin::ScrollThumbLength(100, 0, 100, 0, 16), 16);
  EXPECT_EQ(skin::ScrollThumbLength(100, 0, 100, 20, 16), 20);
  EXPECT_EQ(skin::ScrollThumbLength(100, 0, 100, 1, 16), 16);
  EXPECT_EQ(skin::ScrollThumbLength(100, 0, 9, 50, 16), 100);
  EXPECT_EQ(skin::ScrollThumbLength(100, 10, 0, 5, 16), 100);  // Min > Max
  EXPECT_EQ(skin::ScrollThumbLength(100, 0, 100, 0, 24), 24);  // a skin's thumb
  // Offset: (100 - 16) * 50 / 100 = 42; with page 20 of 0..100:
  // (100 - 20) * 40 / 81 = 39.5 -> 40 (to even); Min > Max -> 0.
  EXPECT_EQ(skin::ScrollThumbOffset(100, 16, 50, 0, 100, 0), 42);
  EXPECT_EQ(skin::ScrollThumbOffset(100, 20, 40, 0, 100, 20), 40);
  EXPECT_EQ(skin::ScrollThumbOffset(100, 20, 81, 0, 100, 20), 80);
  EXPECT_EQ(skin::ScrollThumbOffset(100, 16, 5, 10, 0, 0), 0);
  // Dragging maps the free track onto Min..upper and clamps.
  EXPECT_EQ(skin::ScrollPositionForOffset(42, 100, 16, 0, 100, 0), 50);
  EXPECT_EQ(skin::ScrollPositionForOffset(-30, 100, 16, 0, 100, 0), 0);
  EXPECT_EQ(skin::ScrollPositionForOffset(500, 100, 20, 0, 100, 20), 81);
}

TEST(ScrollBarArithmetic, DefaultPartsOfBothDirections) {
  const skin::ScrollBarParts v = skin::DefaultScrollBarParts(true, 100, 19);
  EXPECT_EQ(v.up, (gfx::Rect{1, 1, 18, 17}));
  EXPECT_EQ(v.down, (gfx::Rect{1, 83, 18, 99}));
  EXPECT_EQ(v.track, (gfx::Rect{1, 17, 18, 83}));
  const skin::ScrollBarParts h = skin::DefaultScrollBarParts(false, 200, 19);
  EXPECT_EQ(h.up, (gfx::Rect{1, 1, 17, 18}));
  EXPECT_EQ(h.down, (gfx::Rect{183, 1, 199, 18}));
  EXPECT_EQ(h.track, (gfx::Rect{17, 1, 183, 18}));
}

class ScrollBarOnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<ui::Form>();
    form_->setBounds(10, 10, 320, 240);
    bar_ = new TbsSkinScrollBar(form_.get());
    bar_->setParent(form_.get());
    bar_->setKind(skin::TbsScrollBarKind::sbVertical);
    bar_->setBounds(10, 10, 19, 200);
    bar_->setScheduler(&clock_);
    bar_->OnChange = [this](ui::Control&) { ++changes_; };
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_->widget()));
  }
  void TearDown() override {
    // The bar goes before the clock it uses.
    form_.reset();
  }

  ui::ManualScheduler clock_;
  std::unique_ptr<ui::Form> form_;
  TbsSkinScrollBar* bar_ = nullptr;
  int changes_ = 0;
};

TEST_F(ScrollBarOnForm, SettingTheRangeClampsAndFiresOnlyOnChange) {
  bar_->SetRange(0, 100, 0, 100);
  EXPECT_EQ(bar_->Position(), 100);
  EXPECT_EQ(changes_, 1);
  bar_->setPageSize(30);  // 71 is now the last position
  EXPECT_EQ(bar_->Position(), 71);
  bar_->setPosition(71);
  EXPECT_EQ(changes_, 2);
  bar_->SetRange(50, 10, 0, 30);  // Min > Max: held at Min
  EXPECT_EQ(bar_->Position(), 50);
  bar_->SetRange(0, 10, 500, 8);  // page larger than the range
  EXPECT_EQ(bar_->Position(), 0);
  EXPECT_EQ(bar_->thumbRect().height(), bar_->parts().track.height());
}

TEST_F(ScrollBarOnForm, AHeldButtonStepsAtOnceThenAfter500MsThenEvery50Ms) {
  bar_->SetRange(0, 100, 0, 0);
  changes_ = 0;
  const gfx::Rect down = bar_->parts().down;
  liststest::Press(*bar_, down.left + 5, down.top + 5);
  EXPECT_EQ(bar_->Position(), 1);
  clock_.advance(499);
  EXPECT_EQ(bar_->Position(), 1);
  clock_.advance(1);
  EXPECT_EQ(bar_->Position(), 2);
  clock_.advance(49);
  EXPECT_EQ(bar_->Position(), 2);
  clock_.advance(1);
  EXPECT_EQ(bar_->Position(), 3);
  clock_.advance(100);
  EXPECT_EQ(bar_->Position(), 5);
  // Leaving the button stops the repeat; coming back restarts it at 50 ms.
  liststest::Move(*bar_, 9, 100);
  clock_.advance(500);
  EXPECT_EQ(bar_->Position(), 5);
  liststest::Move(*bar_, down.left + 5, down.top + 5);
  clock_.advance(50);
  EXPECT_EQ(bar_->Position(), 6);
  liststest::Release(*bar_, down.left + 5, down.top + 5);
  clock_.advance(1000);
  EXPECT_EQ(bar_->Position(), 6);
  EXPECT_EQ(changes_, 6);
  EXPECT_FALSE(bar_->hasCapture());
  EXPECT_FALSE(clock_.pending());
}

TEST_F(ScrollBarOnForm, TheTrackPagesUntilTheThumbReachesThePointer) {
  bar_->SetRange(0, 100, 0, 0);
  bar_->setLargeChange(10);
  int pageDowns = 0;
  bar_->OnPageDown = [&](ui::Control&) { ++pageDowns; };
  const gfx::Rect track = bar_->parts().track;
  const int y = track.top + track.height() * 3 / 4;  // about position 75
  liststest::Press(*bar_, 9, y);
  EXPECT_EQ(bar_->Position(), 10);
  clock_.advance(500);
  for (int i = 0; i < 20; ++i) clock_.advance(50);
  // It stopped once the thumb covered the pointer.
  const gfx::Rect thumb = bar_->thumbRect();
  EXPECT_LE(thumb.top, y);
  EXPECT_GT(thumb.bottom, y);
  EXPECT_LT(bar_->Position(), 100);
  EXPECT_EQ(pageDowns, bar_->Position() / 10);
  liststest::Release(*bar_, 9, y);
}

TEST_F(ScrollBarOnForm, DraggingTheThumbFollowsThePointerAndEndsWithOnLastChange) {
  bar_->SetRange(0, 100, 0, 0);
  int last = 0;
  bar_->OnLastChange = [&](ui::Control&) { ++last; };
  const gfx::Rect thumb = bar_->thumbRect();
  const int track = bar_->parts().track.height();
  const int x = 9, y = thumb.top + 4;
  liststest::Press(*bar_, x, y);
  EXPECT_EQ(bar_->pressedPart(), Part::Thumb);
  const int half = (track - thumb.height()) / 2;
  liststest::Move(*bar_, x, y + half);
  EXPECT_NEAR(bar_->Position(), 50, 1);
  liststest::Move(*bar_, x, y + 1000);  // far past the end: clamped
  EXPECT_EQ(bar_->Position(), 100);
  EXPECT_EQ(last, 0);
  liststest::Release(*bar_, x, y + 1000);
  EXPECT_EQ(last, 1);
  EXPECT_FALSE(bar_->hasCapture());
}

TEST_F(ScrollBarOnForm, ASkinChangeOrDestructionMidDragLeavesNothingPressedOrCaptured) {
  app::LoadedBuiltinSkin skin(0);
  bar_->SetSkinDataName("vscrollbar");
  bar_->SetSkinData(&skin.data);
  EXPECT_EQ(bar_->width(), 17);  // the section pins the breadth
  const gfx::Rect thumb = bar_->thumbRect();
  ASSERT_FALSE(gfx::IsNullRect(thumb));
  liststest::Press(*bar_, thumb.left + 3, thumb.top + 3);
  ASSERT_TRUE(bar_->hasCapture());
  bar_->BeforeChangeSkinData();
  bar_->ChangeSkinData();
  EXPECT_EQ(bar_->pressedPart(), Part::None);
  EXPECT_FALSE(bar_->hasCapture());
  // A held button, then the bar destroyed: its repeat is cancelled.
  const gfx::Rect up = bar_->parts().up;
  liststest::Press(*bar_, up.left + 3, up.top + 3);
  EXPECT_TRUE(clock_.pending());
  delete bar_;
  bar_ = nullptr;
  EXPECT_FALSE(clock_.pending());
  EXPECT_EQ(ui::Control::captureControl(), nullptr);
}

}  // namespace

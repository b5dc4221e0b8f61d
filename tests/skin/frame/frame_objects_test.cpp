// The frame objects' state machine: hover, press and release through the
// pointer tracker, morph steps and animation frames.
#include "skin/frame/frame_objects.h"

#include <gtest/gtest.h>

#include "fake_frame_host.h"
#include "skin/frame/frame_pointer.h"
#include "ui/message.h"

namespace {

using frametest::FakeFrameHost;
using skin::PointerButton;
using skin::StdCommand;

class ButtonPresses : public ::testing::Test {
 protected:
  ButtonPresses() : active_(64, 16) {
    add("closebutton", StdCommand::Close, {279, 3, 295, 17});
    add("maxbutton", StdCommand::Maximize, {261, 3, 277, 17});
  }
  void add(const char* name, StdCommand command, gfx::Rect place) {
    auto data = std::make_unique<skin::TbsDataSkinStdButton>(name);
    data->command = command;
    data->skinRectInAPicture = true;
    data->skinRect = {0, 0, 16, 14};
    data->activeSkinRect = {16, 0, 32, 14};
    data->downRect = {32, 0, 48, 14};
    objects_.push_back(std::make_unique<skin::TbsSkinStdButtonObject>(host_, *data, &active_));
    objects_.back()->ObjectRect = place;
    data_.push_back(std::move(data));
  }
  void press(gfx::Point p) {
    tracker_.Press(objects_, p, PointerButton::Left, ui::HTOBJECT, host_.active, host_);
  }
  void hover(gfx::Point p) { tracker_.TrackHover(objects_, p, host_.active, host_); }
  void release(gfx::Point p) { tracker_.Release(objects_, p, PointerButton::Left, host_); }
  skin::TbsSkinStdButtonObject& button(int i) {
    return static_cast<skin::TbsSkinStdButtonObject&>(*objects_[static_cast<std::size_t>(i)]);
  }

  FakeFrameHost host_;
  gfx::Bitmap active_;
  std::vector<std::unique_ptr<skin::TbsDataSkinStdButton>> data_;
  skin::FrameObjectList objects_;
  skin::FramePointerTracker tracker_;
};

TEST_F(ButtonPresses, ReleaseInsideRunsTheCommandOnce) {
  press({285, 10});
  EXPECT_TRUE(button(0).Down);
  EXPECT_EQ(host_.captures, 1);
  release({285, 10});
  EXPECT_EQ(host_.commands, std::vector<StdCommand>{StdCommand::Close});
  EXPECT_FALSE(button(0).Down);
  EXPECT_EQ(host_.releases, 1);
  EXPECT_EQ(tracker_.PressedObject, -1);
}

TEST_F(ButtonPresses, PressInsideAndReleaseOutsideRunsNothingAndLeavesNothingLit) {
  press({265, 10});
  hover({100, 100});  // the hover tick sees the pointer outside
  EXPECT_FALSE(button(1).Lit);
  release({100, 100});
  EXPECT_TRUE(host_.commands.empty());
  EXPECT_FALSE(button(1).Down);
  EXPECT_FALSE(button(1).Lit);
  EXPECT_EQ(tracker_.HotObject, -1);
}

TEST_F(ButtonPresses, WhileHeldNoOtherButtonLightsAndComingBackStillCounts) {
  press({265, 10});
  hover({285, 10});  // over the close button while maximize is held
  EXPECT_FALSE(button(0).Lit);
  EXPECT_FALSE(button(1).Lit);
  hover({265, 10});  // back over the held button
  EXPECT_TRUE(button(1).Lit);
  release({265, 10});
  EXPECT_EQ(host_.commands, std::vector<StdCommand>{StdCommand::Maximize});
}

TEST_F(ButtonPresses, AnInactiveWindowLightsNothingAndAPressOnTheCaptionCodeHoldsNothing) {
  host_.active = false;
  hover({285, 10});
  EXPECT_EQ(tracker_.HotObject, -1);
  host_.active = true;
  tracker_.Press(objects_, {285, 10}, PointerButton::Left, ui::HTCAPTION, true, host_);
  EXPECT_EQ(tracker_.PressedObject, -1);
}

TEST_F(ButtonPresses, DroppingTheObjectsWhilePressedLeavesNothingToRelease) {
  // A skin change while a button is held: the frame resets and rebuilds.
  press({285, 10});
  tracker_.Reset();
  objects_.clear();
  release({285, 10});
  EXPECT_TRUE(host_.commands.empty());
  tracker_.TrackHover(objects_, {285, 10}, true, host_);
  EXPECT_EQ(tracker_.HotObject, -1);
}

TEST_F(ButtonPresses, HoverShowsAndHidesTheObjectHint) {
  button(0).Hint = "关闭";
  hover({285, 10});
  hover({200, 10});
  EXPECT_EQ(host_.hints, (std::vector<std::string>{"关闭", "-"}));
}

TEST(MorphFactor, FiveStepsOfATwentiethSecondReachEitherEndExactly) {
  FakeFrameHost host;
  skin::TbsSkinStdButtonObject b(host, "b", StdCommand::Close);
  b.morphing = true;
  b.Lit = true;
  int steps = 0;
  while (b.NeedsMorphStep()) {
    b.MorphStep();
    ++steps;
  }
  EXPECT_EQ(steps, 5);
  EXPECT_EQ(b.MorphFactor, 1.0);
  b.Lit = false;
  steps = 0;
  while (b.NeedsMorphStep()) {
    b.MorphStep();
    ++steps;
  }
  EXPECT_EQ(steps, 5);
  EXPECT_EQ(b.MorphFactor, 0.0);
  // A button held down by its open menu does not morph.
  b.Lit = true;
  b.Down = true;
  b.menu = reinterpret_cast<ui::MenuItem*>(&host);  // any non-null menu
  EXPECT_FALSE(b.NeedsMorphStep());
}

TEST(Animation, PlaysForwardOnEnterAndBackOnLeaveAtTheTimerInterval) {
  FakeFrameHost host;
  skin::TbsDataSkinAnimate data("anim");
  data.countFrames = 3;
  data.buttonStyle = true;
  data.timerInterval = 50;  // two 25 ms ticks per frame
  data.command = StdCommand::Minimize;
  gfx::Bitmap picture(96, 16);
  skin::TbsSkinAnimateObject a(host, data, &picture);

  a.PointerEnter();
  EXPECT_EQ(host.animationTimerStarts, 1);
  std::vector<int> frames;
  for (int tick = 0; tick < 8 && a.Lit; ++tick) {
    if (a.AnimationTick()) frames.push_back(a.frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{2, 3}));  // stops at the last frame
  EXPECT_FALSE(a.Lit);

  a.PointerLeave();
  frames.clear();
  for (int tick = 0; tick < 8 && a.Lit; ++tick) {
    if (a.AnimationTick()) frames.push_back(a.frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{2, 1}));
  EXPECT_FALSE(a.Lit);

  // A cycling object wraps and keeps going; an interval below 25 counts as 25.
  data.cycle = true;
  data.timerInterval = 5;
  skin::TbsSkinAnimateObject c(host, data, &picture);
  c.PointerEnter();
  frames.clear();
  for (int tick = 0; tick < 4; ++tick) {
    if (c.AnimationTick()) frames.push_back(c.frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{2, 3, 1, 2}));
  EXPECT_TRUE(c.Lit);
}

TEST(SystemMenuButton, DoubleClickClosesAndAPressOpensItsMenu) {
  FakeFrameHost host;
  struct MenuHost : FakeFrameHost {
    void assignSystemMenu(skin::TbsSkinButtonObject& b) override {
      b.menu = reinterpret_cast<ui::MenuItem*>(this);
    }
  } menuHost;
  skin::TbsSkinStdButtonObject sys(menuHost, "sysmenubutton", StdCommand::SysMenu);
  sys.PointerEnter();
  sys.PointerDown(5, 5, PointerButton::Left);
  EXPECT_EQ(menuHost.menusShown, 1);
  EXPECT_TRUE(sys.Down);
  // The release leaves it down: the menu closing releases it.
  sys.PointerUp(5, 5, PointerButton::Left);
  EXPECT_TRUE(sys.Down);
  sys.DblClick();
  EXPECT_EQ(menuHost.closeRequests, 1);
}

}  // namespace

// Hint sizes and edge placement, and the tray icon's click timing.
#include <gtest/gtest.h>

#include "skin/popup/hint_geometry.h"
#include "skin/popup/tray_click.h"

namespace {

using gfx::Rect;

skin::HintSkinLook Look() {
  skin::HintSkinLook l;
  l.picture = {60, 30};
  l.geometry.leftTop = {8, 8};
  l.geometry.rightTop = {52, 8};
  l.geometry.leftBottom = {8, 22};
  l.geometry.rightBottom = {52, 22};
  l.geometry.clientRect = {6, 6, 54, 24};
  return l;
}

TEST(MeasureHint, TheDefaultLookAddsTwoPixelsAround) {
  const auto g = skin::MeasureHint({50, 14}, std::nullopt);
  EXPECT_EQ(g.size, (gfx::Size{54, 18}));
  EXPECT_EQ(g.placed.clientRect, (Rect{2, 2, 52, 16}));
}

TEST(MeasureHint, AShortSkinnedHintIsThePictureWithTheTextCentred) {
  const auto g = skin::MeasureHint({20, 10}, Look());
  EXPECT_EQ(g.size, (gfx::Size{60, 30}));
  EXPECT_EQ(g.placed, Look().geometry);
  // x = 6 + 48 div 2 - 20 div 2, y = 6 + 18 div 2 - 10 div 2.
  EXPECT_EQ(skin::HintTextRect(g.placed.clientRect, {20, 10}), (Rect{20, 10, 40, 20}));
}

TEST(MeasureHint, ALongSkinnedHintGrowsByTheFrame) {
  const auto g = skin::MeasureHint({100, 31}, Look());
  EXPECT_EQ(g.size, (gfx::Size{112, 43}));
  EXPECT_EQ(g.placed.clientRect, (Rect{6, 6, 106, 37}));
  EXPECT_EQ(g.placed.leftTop, (gfx::Point{8, 8}));
  EXPECT_EQ(g.placed.rightTop, (gfx::Point{104, 8}));
  EXPECT_EQ(g.placed.leftBottom, (gfx::Point{8, 35}));
  EXPECT_EQ(g.placed.rightBottom, (gfx::Point{104, 35}));
  // An odd text height centres with truncating halves: 6 + 31 div 2 - 31 div 2.
  EXPECT_EQ(skin::HintTextRect(g.placed.clientRect, {100, 31}), (Rect{6, 6, 106, 37}));
}

TEST(PlaceHint, MovesToTheOtherSideOfThePointAtTheScreenEdges) {
  const gfx::Size screen{800, 600};
  EXPECT_EQ(skin::PlaceHint({100, 100}, {60, 30}, screen), (Rect{100, 100, 160, 130}));
  EXPECT_EQ(skin::PlaceHint({740, 570}, {60, 30}, screen), (Rect{740, 570, 800, 600}));
  EXPECT_EQ(skin::PlaceHint({780, 100}, {60, 30}, screen), (Rect{718, 100, 778, 130}));
  EXPECT_EQ(skin::PlaceHint({100, 590}, {60, 30}, screen), (Rect{100, 558, 160, 588}));
  EXPECT_EQ(skin::PlaceHint({790, 595}, {60, 30}, screen), (Rect{728, 563, 788, 593}));
}

TEST(TrayClickTracker, ASingleClickIsToldOnceAfterTheDoubleClickTime) {
  skin::TrayClickTracker t;
  t.leftPress();
  EXPECT_FALSE(t.leftRelease(true));  // released within the double-click time
  EXPECT_TRUE(t.timerTick());
  EXPECT_FALSE(t.timerTick());
}

TEST(TrayClickTracker, AReleaseAfterTheDoubleClickTimeIsToldAtTheRelease) {
  skin::TrayClickTracker t;
  t.leftPress();
  EXPECT_FALSE(t.timerTick());  // the time passes with the button still down
  EXPECT_TRUE(t.leftRelease(false));
  EXPECT_FALSE(t.timerTick());
}

TEST(TrayClickTracker, ADoubleClickTellsNoSingleClick) {
  skin::TrayClickTracker t;
  t.leftPress();
  EXPECT_FALSE(t.leftRelease(true));
  t.doubleClick();
  EXPECT_FALSE(t.leftRelease(true));
  EXPECT_FALSE(t.timerTick());
  // The next click is a click again.
  t.leftPress();
  EXPECT_FALSE(t.leftRelease(true));
  EXPECT_TRUE(t.timerTick());
}

}  // namespace

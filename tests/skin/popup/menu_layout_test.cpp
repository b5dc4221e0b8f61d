// Sizing, layout, placement and keyboard selection of popup-menu levels.
#include "skin/popup/menu_layout.h"

#include <gtest/gtest.h>

namespace {

using gfx::Point;
using gfx::Rect;
using skin::MenuLevelItem;

MenuLevelItem Item(int textWidth, bool enabled = true) {
  return {false, enabled, false, textWidth};
}
MenuLevelItem Divider() { return {true, true, false, 0}; }

std::vector<MenuLevelItem> Many(int n) { return std::vector<MenuLevelItem>(n, Item(40)); }

skin::MenuSkinLook Look() {
  skin::MenuSkinLook l;
  l.picture = {100, 60};
  l.itemsRect = {3, 3, 97, 57};
  l.itemSkinRect = {0, 0, 90, 18};
  l.textRect = {20, 1, 80, 17};
  l.dividerRect = {0, 20, 90, 26};
  return l;
}

TEST(SizeMenuLevel, DefaultAndSkinnedLooks) {
  // Widest text 80 (+2): 82 + glyph column 19 + 19 = 120.
  const std::vector<MenuLevelItem> items{Item(50), Item(80), Divider(), Item(30)};
  skin::MenuLevelMetrics plain;
  const auto p = skin::SizeMenuLevel(items, plain, 738);
  EXPECT_EQ(p.width, 130);  // + 10
  EXPECT_EQ(p.height, 20 + 20 + 4 + 20 + 4);
  EXPECT_FALSE(p.scrolling);

  skin::MenuLevelMetrics skinned;
  skinned.look = Look();
  const auto s = skin::SizeMenuLevel(items, skinned, 738);
  EXPECT_EQ(s.width, 100 - 94 + 120 + 20 + (90 - 80));
  EXPECT_EQ(s.height, 18 + 18 + 6 + 18 + (60 - 54));
  EXPECT_EQ(skin::PlaceMenuItemsArea(skinned, s.width, s.height), (Rect{3, 3, 153, 63}));
  EXPECT_EQ(skin::PlaceMenuItemsArea(plain, p.width, p.height), (Rect{2, 2, 128, 66}));

  // A skin whose item look has no height falls back to the default heights.
  skin::MenuLevelMetrics broken;
  broken.look = Look();
  broken.look->itemSkinRect = {};
  broken.look->dividerRect = {};
  EXPECT_EQ(skin::SizeMenuLevel(items, broken, 738).height, 20 + 20 + 4 + 20 + 6);
}

TEST(SizeMenuLevel, LongLevelsScroll) {
  skin::MenuLevelMetrics m;
  m.maxItemsInWindow = 4;
  const auto limited = skin::SizeMenuLevel(Many(10), m, 738);
  EXPECT_EQ(limited.height, 20 * 4 + 4 + 20);
  EXPECT_TRUE(limited.scrolling);
  EXPECT_TRUE(limited.scrollLimited);
  EXPECT_FALSE(skin::SizeMenuLevel(Many(4), m, 738).scrolling);

  m.maxItemsInWindow = 0;
  const auto tall = skin::SizeMenuLevel(Many(500), m, 738);
  EXPECT_EQ(tall.height, 738);
  EXPECT_TRUE(tall.scrolling);
  EXPECT_FALSE(tall.scrollLimited);

  // 35 items of 20 fit between the markers of (2, 2, 128, 736): 12 ... 712.
  const Rect area{2, 2, 128, 736};
  const auto layout = skin::LayoutMenuLevel(Many(500), m, area, true, 0);
  EXPECT_EQ(layout.shownCount, 35);
  EXPECT_EQ(layout.rects[0], (Rect{2, 12, 128, 32}));
  EXPECT_EQ(layout.rects[34], (Rect{2, 692, 128, 712}));
  EXPECT_FALSE(layout.shown[35]);
  EXPECT_EQ(skin::LastStartPosition(Many(500), m, area), 465);
  const auto scrolled = skin::LayoutMenuLevel(Many(500), m, area, true, 100);
  EXPECT_FALSE(scrolled.shown[99]);
  EXPECT_TRUE(scrolled.shown[100]);
  EXPECT_EQ(scrolled.rects[100].top, 12);

  const auto empty = skin::LayoutMenuLevel({}, m, area, false, 0);
  EXPECT_EQ(empty.shownCount, 0);
}

struct PlaceCase {
  const char* name;
  Rect anchor;
  gfx::Size size;
  bool submenu;
  bool up;
  bool tall;
  Point expected;
};

class PlaceMenuLevelTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceMenuLevelTest, InTheWorkArea) {
  const PlaceCase& c = GetParam();
  skin::MenuPlacementInput in;
  in.anchor = c.anchor;
  in.workArea = {0, 0, 1024, 768};
  in.size = c.size;
  in.itemsTop = 2;
  in.submenu = c.submenu;
  in.up = c.up;
  in.scrolling = c.tall;
  EXPECT_EQ(skin::PlaceMenuLevel(in), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, PlaceMenuLevelTest,
    ::testing::Values(
        PlaceCase{"Below", {100, 100, 100, 100}, {130, 68}, false, false, false, {100, 100}},
        PlaceCase{
            "AboveNearTheBottom", {100, 740, 100, 740}, {130, 68}, false, false, false, {100, 672}},
        PlaceCase{"AlignedToTheBottomAndBeside",
                  {100, 300, 100, 300},
                  {130, 500},
                  false,
                  false,
                  false,
                  {101, 268}},
        PlaceCase{"LeftOfTheRightEdge",
                  {1000, 100, 1000, 100},
                  {130, 68},
                  false,
                  false,
                  false,
                  {894, 100}},
        PlaceCase{
            "RightOfTheLeftEdge", {-20, 100, -20, 100}, {130, 68}, false, false, false, {0, 100}},
        PlaceCase{"Upward", {100, 300, 180, 320}, {130, 68}, false, true, false, {100, 232}},
        PlaceCase{"UpwardNearTheTopOpensBelow",
                  {100, 30, 180, 50},
                  {130, 68},
                  false,
                  true,
                  false,
                  {100, 50}},
        PlaceCase{
            "SubmenuBesideItsItem", {200, 100, 330, 120}, {130, 68}, true, false, false, {331, 98}},
        PlaceCase{"SubmenuFromTheUpperHalfMeetsTheBottom",
                  {200, 380, 330, 400},
                  {130, 400},
                  true,
                  false,
                  false,
                  {331, 368}},
        PlaceCase{"SubmenuFromTheLowerHalfEndsAtItsItem",
                  {200, 700, 330, 720},
                  {130, 100},
                  true,
                  false,
                  false,
                  {331, 622}},
        PlaceCase{"SubmenuOpensLeftOnePixelAway",
                  {900, 100, 1000, 120},
                  {130, 68},
                  true,
                  false,
                  false,
                  {769, 98}},
        PlaceCase{"TallerThanTheWorkArea",
                  {100, 100, 100, 100},
                  {130, 768},
                  false,
                  false,
                  true,
                  {101, 0}},
        PlaceCase{
            "FitsOnNeitherSide", {40, 100, 1000, 120}, {130, 68}, true, false, false, {0, 98}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuKeyboard, WrapsOverDisabledItemsAndDividers) {
  const skin::MenuLevelMetrics m;
  const Rect area{2, 2, 128, 200};
  const std::vector<MenuLevelItem> items{Divider(), Item(10),  Item(10, false),
                                         Item(10),  Divider(), Item(10, false)};
  EXPECT_EQ(skin::FirstSelectableItem(items), 1);
  EXPECT_EQ(skin::SelectNextItem(items, m, area, false, 1, 0).selected, 3);
  // Only a divider and a disabled item follow: the selection stays.
  EXPECT_EQ(skin::SelectNextItem(items, m, area, false, 3, 0).selected, 3);
  // From the last item the search starts over at the top.
  EXPECT_EQ(skin::SelectNextItem(items, m, area, false, 5, 0).selected, 1);
  EXPECT_EQ(skin::SelectPreviousItem(items, m, area, false, 3, 0).selected, 1);
  EXPECT_EQ(skin::SelectPreviousItem(items, m, area, false, 0, 0).selected, 3);
  EXPECT_EQ(skin::SelectPreviousItem(items, m, area, false, -1, 0).selected, 3);

  const std::vector<MenuLevelItem> three{Item(1), Item(1), Item(1)};
  EXPECT_EQ(skin::SelectNextItem(three, m, area, false, 2, 0).selected, 0);
  EXPECT_EQ(skin::SelectPreviousItem(three, m, area, false, 0, 0).selected, 2);

  const std::vector<MenuLevelItem> nothing{Divider(), Item(1, false)};
  EXPECT_EQ(skin::FirstSelectableItem(nothing), -1);
  EXPECT_EQ(skin::SelectNextItem(nothing, m, area, false, -1, 0).selected, -1);
}

TEST(MenuKeyboard, ScrollsATallLevelToKeepTheSelectionShown) {
  const skin::MenuLevelMetrics m;
  const Rect area{2, 2, 128, 736};  // 35 items shown
  const auto items = Many(500);
  const auto down = skin::SelectNextItem(items, m, area, true, 34, 0);
  EXPECT_EQ(down.selected, 35);
  EXPECT_EQ(down.firstShown, 1);
  const auto wrapDown = skin::SelectNextItem(items, m, area, true, 499, 465);
  EXPECT_EQ(wrapDown.selected, 0);
  EXPECT_EQ(wrapDown.firstShown, 0);
  const auto wrapUp = skin::SelectPreviousItem(items, m, area, true, 0, 0);
  EXPECT_EQ(wrapUp.selected, 499);
  EXPECT_EQ(wrapUp.firstShown, 465);
  const auto up = skin::SelectPreviousItem(items, m, area, true, 100, 100);
  EXPECT_EQ(up.selected, 99);
  EXPECT_EQ(up.firstShown, 99);
}

TEST(AcceleratorOf, TakesTheCharacterAfterASingleAmpersand) {
  EXPECT_EQ(skin::AcceleratorOf("最小化(&N)"), U'n');
  EXPECT_EQ(skin::AcceleratorOf("&&Save &As"), U'a');
  EXPECT_EQ(skin::AcceleratorOf("中&文"), U'文');
  EXPECT_EQ(skin::AcceleratorOf("plain"), 0u);
  EXPECT_EQ(skin::AcceleratorOf("trailing&"), 0u);
}

}  // namespace

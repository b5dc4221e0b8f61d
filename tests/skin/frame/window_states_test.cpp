// Window-state decisions: minimized slots, snapping, the maximized move lock,
// the maximize target, caption double-clicks, size limits and the system
// menu's items per state.
#include "skin/frame/window_states.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/frame/frame_limits.h"
#include "skin/frame/system_menu.h"

namespace {

using gfx::Point;
using gfx::Rect;
using skin::FrameWindowState;

TEST(FindMinimizedSlot, FillsTheBottomRowThenContinuesAboveThenStartsOver) {
  const Rect area{0, 0, 300, 200};  // room for three 100 x 20 slots per row
  std::vector<Point> taken;
  EXPECT_EQ(skin::FindMinimizedSlot(area, 100, 20, taken), (Point{0, 180}));
  taken.push_back({0, 180});
  EXPECT_EQ(skin::FindMinimizedSlot(area, 100, 20, taken), (Point{100, 180}));
  taken.push_back({100, 180});
  taken.push_back({200, 180});
  EXPECT_EQ(skin::FindMinimizedSlot(area, 100, 20, taken), (Point{0, 160}));
  // A window standing elsewhere does not take a slot.
  EXPECT_EQ(skin::FindMinimizedSlot(area, 100, 20, std::vector<Point>{{5, 180}}), (Point{0, 180}));
  // Every slot taken: the first slot again.
  std::vector<Point> all;
  for (int y = 180; y >= 0; y -= 20) {
    for (int x = 0; x < 300; x += 100) all.push_back({x, y});
  }
  EXPECT_EQ(skin::FindMinimizedSlot(area, 100, 20, all), (Point{0, 180}));
  // A work area away from the origin, and a slot without size, end at once.
  EXPECT_EQ(skin::FindMinimizedSlot({50, 40, 350, 240}, 100, 20, std::vector<Point>{{50, 220}}),
            (Point{150, 220}));
  EXPECT_EQ(skin::FindMinimizedSlot(area, 0, 20, std::vector<Point>{{0, 180}}), (Point{0, 180}));
}

TEST(SnapToWorkArea, SnapsWithinFourPixelsButNotAtFive) {
  const Rect area{0, 0, 1024, 738};
  struct Row {
    const char* name;
    Rect proposed;
    Rect expected;
  };
  const Row rows[] = {
      {"LeftAt4", {4, 100, 304, 300}, {0, 100, 300, 300}},
      {"LeftAt5", {5, 100, 305, 300}, {5, 100, 305, 300}},
      {"LeftAtMinus4", {-4, 100, 296, 300}, {0, 100, 300, 300}},
      {"TopAt3", {100, 3, 400, 203}, {100, 0, 400, 200}},
      {"RightAt4", {720, 100, 1020, 300}, {724, 100, 1024, 300}},
      {"RightAt5", {719, 100, 1019, 300}, {719, 100, 1019, 300}},
      {"BottomAt2", {100, 536, 400, 736}, {100, 538, 400, 738}},
      {"Corner", {2, 536, 302, 736}, {0, 538, 300, 738}},
      {"Middle", {300, 300, 600, 500}, {300, 300, 600, 500}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(skin::SnapToWorkArea(r.proposed, area, 5), r.expected);
  }
}

TEST(MaximizedWindow, CannotBeMovedAndFillsItsWorkArea) {
  const Rect current{0, 0, 800, 600};
  EXPECT_EQ(skin::LockMaximizedMove({40, 40, 840, 640}, current, FrameWindowState::Maximized),
            current);
  EXPECT_EQ(skin::LockMaximizedMove({40, 40, 840, 640}, current, FrameWindowState::Normal),
            (Rect{40, 40, 840, 640}));

  const Rect primary{0, 0, 1024, 768};
  EXPECT_EQ(skin::MaximizeTarget(primary, {0, 0, 1024, 738}, primary, false),
            (Rect{0, 0, 1024, 738}));
  // A work area as large as the primary screen keeps a pixel free around.
  EXPECT_EQ(skin::MaximizeTarget(primary, primary, primary, false), (Rect{1, 1, 1023, 767}));
  const Rect second{1024, 0, 2048, 768};
  EXPECT_EQ(skin::MaximizeTarget(second, second, primary, false), second);
  EXPECT_EQ(skin::MaximizeTarget(primary, {0, 0, 1024, 738}, primary, true), primary);
}

TEST(CaptionDoubleClick, MaximizesSizeableWindowsAndRollsUpDialogs) {
  using skin::CaptionDoubleClick;
  const skin::TbsBorderIcons icons;
  const skin::FrameStateFlags normal;
  const skin::FrameStateFlags maximized{FrameWindowState::Maximized, false, false};
  const skin::FrameStateFlags minimized{FrameWindowState::Minimized, false, false};
  const skin::FrameStateFlags rolled{FrameWindowState::Normal, true, false};
  const skin::FrameStateFlags rolledWhileMaximized{FrameWindowState::Maximized, true, true};
  EXPECT_EQ(skin::CaptionDoubleClickAction(true, icons, normal), CaptionDoubleClick::Maximize);
  EXPECT_EQ(skin::CaptionDoubleClickAction(true, icons, maximized), CaptionDoubleClick::Restore);
  EXPECT_EQ(skin::CaptionDoubleClickAction(true, icons, minimized), CaptionDoubleClick::Restore);
  EXPECT_EQ(skin::CaptionDoubleClickAction(true, icons, rolled), CaptionDoubleClick::ToggleRollUp);
  EXPECT_EQ(skin::CaptionDoubleClickAction(true, icons, rolledWhileMaximized),
            CaptionDoubleClick::ToggleRollUp);
  EXPECT_EQ(skin::CaptionDoubleClickAction(true, skin::TbsBorderIcons{skin::biRollUp}, normal),
            CaptionDoubleClick::ToggleRollUp);
  EXPECT_EQ(skin::CaptionDoubleClickAction(false, icons, normal), CaptionDoubleClick::ToggleRollUp);

  EXPECT_TRUE(skin::RollUpAllowed(icons, normal));
  EXPECT_FALSE(skin::RollUpAllowed(skin::TbsBorderIcons{skin::biMaximize}, normal));
  EXPECT_FALSE(skin::RollUpAllowed(icons, minimized));
  EXPECT_FALSE(skin::RollUpAllowed(icons, {FrameWindowState::Maximized, true, false}));
  EXPECT_TRUE(skin::RollUpAllowed(icons, rolledWhileMaximized));
}

TEST(FrameLimits, TheFrameAloneIsTheSmallestWindow) {
  skin::FrameLimitsInput in;
  in.hasSkin = true;
  in.picture = {200, 100};
  in.clientRect = {5, 25, 195, 95};  // 70 high: the frame alone is 30
  in.monitorArea = {0, 0, 1024, 738};
  EXPECT_EQ(skin::MinFrameWidth(in), 200);
  EXPECT_EQ(skin::MinFrameHeight(in), 30);
  in.minWidth = 300;
  in.minHeight = 80;
  EXPECT_EQ(skin::MinFrameWidth(in), 300);
  EXPECT_EQ(skin::MinFrameHeight(in), 80);
  in.rolledUp = true;
  EXPECT_EQ(skin::MinFrameHeight(in), 30);
  in.rolledUp = false;
  in.minimized = true;  // a minimized window shrinks to the picture
  EXPECT_EQ(skin::MinFrameWidth(in), 200);
  EXPECT_EQ(skin::MinFrameHeight(in), 30);

  EXPECT_EQ(skin::MaxFrameWidth(in), 1024);
  EXPECT_EQ(skin::MaxFrameHeight(in), 738);
  in.maxWidth = 800;
  in.maxHeight = 2000;  // larger than the work area: no effect
  EXPECT_EQ(skin::MaxFrameWidth(in), 800);
  EXPECT_EQ(skin::MaxFrameHeight(in), 738);

  skin::FrameLimitsInput plain;
  plain.defaultCaptionHeight = 15;
  EXPECT_EQ(skin::MinFrameWidth(plain), 120);
  EXPECT_EQ(skin::MinFrameHeight(plain), 21);
  plain.minWidth = 90;
  EXPECT_EQ(skin::MinFrameWidth(plain), 90);
}

std::vector<std::string> Names(const std::vector<skin::SystemMenuEntry>& entries) {
  std::vector<std::string> names;
  for (const auto& e : entries) names.push_back(e.caption == "-" ? "-" : e.name);
  return names;
}

TEST(SystemMenu, OffersTheItemsOfTheCurrentState) {
  using V = std::vector<std::string>;
  const skin::TbsBorderIcons icons;
  struct Row {
    const char* name;
    skin::TbsBorderIcons icons;
    skin::FrameStateFlags flags;
    V expected;
  };
  const Row rows[] = {
      {"Normal", icons, {}, {"FRM_MINITEM", "FRM_MAXITEM", "FRM_ROLLUP", "-", "FRM_CLOSE"}},
      {"Maximized",
       icons,
       {FrameWindowState::Maximized, false, false},
       {"FRM_MINITEM", "FRM_RESTORE", "FRM_ROLLUP", "-", "FRM_CLOSE"}},
      {"Minimized",
       icons,
       {FrameWindowState::Minimized, false, false},
       {"FRM_MAXITEM", "FRM_RESTORE", "-", "FRM_CLOSE"}},
      {"RolledUp",
       icons,
       {FrameWindowState::Normal, true, false},
       {"FRM_MINITEM", "FRM_MAXITEM", "FRM_RESTORE", "-", "FRM_CLOSE"}},
      {"WithTray",
       skin::TbsBorderIcons{skin::biMinimizeToTray},
       {},
       {"FRM_MINTOTRAY", "-", "FRM_CLOSE"}},
      {"NoIcons", skin::TbsBorderIcons::none(), {}, {"FRM_CLOSE"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(Names(skin::DefaultSystemMenu(r.icons, r.flags, nullptr)), r.expected);
  }

  const auto menu = skin::DefaultSystemMenu(icons, {}, nullptr);
  EXPECT_EQ(menu.front().caption, "最小化(&N)");
  EXPECT_EQ(menu.back().caption, "关闭(&C)");
  EXPECT_EQ(menu.back().shortCut, "Alt+F4");
  const auto table = skin::DefaultSystemMenu(icons, {}, [](std::string_view key) {
    return key == "MI_CLOSECAPTION" ? std::string("&Close") : std::string();
  });
  EXPECT_EQ(table.back().caption, "&Close");
  EXPECT_EQ(table.front().caption, "");  // a table without the key gives its empty text
}

TEST(SystemMenu, MergesTheDefaultItemsIntoTheApplicationsMenu) {
  std::vector<skin::SystemMenuEntry> app{
      {"About", "About...", "", skin::SystemMenuAction::None},
      {"FRM_CLOSE", "old close", "", skin::SystemMenuAction::None}};
  const skin::TbsBorderIcons all{skin::biSystemMenu | skin::biMinimize | skin::biMaximize |
                                 skin::biRollUp | skin::biMinimizeToTray};
  const auto merged =
      skin::MergeSystemMenu(app, all, {FrameWindowState::Normal, true, false}, nullptr);
  EXPECT_EQ(Names(merged), (std::vector<std::string>{"FRM_MINITEM", "FRM_RESTORE", "FRM_MAXITEM",
                                                     "FRM_MINTOTRAY", "About", "FRM_CLOSE"}));
  EXPECT_EQ(merged.back().caption, "关闭(&C)");

  EXPECT_EQ(Names(skin::TrayMenu(nullptr)),
            (std::vector<std::string>{"TRAY_FRM_RESTORE", "-", "TRAY_FRM_CLOSE"}));
}

}  // namespace

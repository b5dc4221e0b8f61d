// The notification-area icon on a recording notification area and a clock
// moved by hand: single and double clicks, the default item of its menu,
// the menu opened at the pointer, cycling, the tooltip cut, the icon added
// again when the area is re-created, and references dropped with their
// components.
#include "skin/popup/tray_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_notification_area.h"
#include "ui/image_list.h"
#include "ui/menu_item.h"
#include "ui/scheduler.h"

namespace {

using skin::TbsTrayIcon;
using skin::TrayAction;

// A menu that records where it was shown instead of showing itself.
class RecordingMenu : public ui::PopupMenu {
 public:
  void popup(int x, int y) override {
    shownAt.push_back({x, y});
    shownBy = popupComponent;
  }
  std::vector<gfx::Point> shownAt;
  ui::Component* shownBy = nullptr;
};

class Tray : public ::testing::Test {
 protected:
  Tray()
      : tray_(new TbsTrayIcon(nullptr, &clock_,
                              std::make_unique<traytest::FakeNotificationArea>(area_))) {
    tray_->OnClick = [this](TbsTrayIcon&) { events_.push_back("click"); };
    tray_->OnDblClick = [this](TbsTrayIcon&) { events_.push_back("double"); };
  }
  ~Tray() override { delete tray_; }

  void send(std::initializer_list<TrayAction> actions) {
    for (TrayAction a : actions) tray_->HandleTrayAction(a);
  }

  ui::ManualScheduler clock_;
  traytest::FakeNotificationArea::Record area_;
  TbsTrayIcon* tray_;
  std::vector<std::string> events_;
};

TEST_F(Tray, ASingleClickIsToldOnceAfterTheDoubleClickTimeAndADoubleClickTellsNone) {
  const int t = tray_->DoubleClickTime();
  ASSERT_GT(t, 1);
  send({TrayAction::LeftDown, TrayAction::LeftUp});
  clock_.advance(t - 1);
  EXPECT_TRUE(events_.empty());
  clock_.advance(1);
  EXPECT_EQ(events_, (std::vector<std::string>{"click"}));
  clock_.advance(10 * t);
  EXPECT_EQ(events_.size(), 1u);

  // Released only after the double-click time: told at the release.
  events_.clear();
  send({TrayAction::LeftDown});
  clock_.advance(t + 50);
  EXPECT_TRUE(events_.empty());
  send({TrayAction::LeftUp});
  EXPECT_EQ(events_, (std::vector<std::string>{"click"}));

  // A double click, in the order the desktop reports it (a second press
  // before the double click) and in the plain order: no single click.
  for (const auto& actions :
       {std::vector{TrayAction::LeftDown, TrayAction::LeftUp, TrayAction::LeftDown,
                    TrayAction::LeftDblClick, TrayAction::LeftUp},
        std::vector{TrayAction::LeftDown, TrayAction::LeftUp, TrayAction::LeftDblClick,
                    TrayAction::LeftUp}}) {
    events_.clear();
    for (TrayAction a : actions) tray_->HandleTrayAction(a);
    clock_.advance(10 * t);
    EXPECT_EQ(events_, (std::vector<std::string>{"double"}));
  }

  // Disabled, nothing is told.
  events_.clear();
  tray_->Enabled = false;
  send({TrayAction::LeftDown, TrayAction::LeftUp, TrayAction::LeftDblClick});
  clock_.advance(10 * t);
  EXPECT_TRUE(events_.empty());
}

TEST_F(Tray, PressesTellTheButtonTheKeysAndThePointerOnTheScreen) {
  area_.pointer = {700, 590};
  area_.keys = ui::ssCtrl;
  std::vector<std::string> seen;
  const auto record = [&](const char* what) {
    return [&seen, what](TbsTrayIcon&, ui::MouseButton b, unsigned shift, int x, int y) {
      seen.push_back(std::string(what) + " " + std::to_string(static_cast<int>(b)) + " " +
                     std::to_string(shift) + " " + std::to_string(x) + "," + std::to_string(y));
    };
  };
  tray_->OnMouseDown = record("down");
  tray_->OnMouseUp = record("up");
  send({TrayAction::RightDown, TrayAction::RightUp, TrayAction::MiddleDown});
  const std::string right = std::to_string(static_cast<int>(ui::MouseButton::Right));
  const std::string middle = std::to_string(static_cast<int>(ui::MouseButton::Middle));
  EXPECT_EQ(seen,
            (std::vector<std::string>{
                "down " + right + " " + std::to_string(ui::ssCtrl | ui::ssRight) + " 700,590",
                "up " + right + " " + std::to_string(ui::ssCtrl | ui::ssRight) + " 700,590",
                "down " + middle + " " + std::to_string(ui::ssCtrl | ui::ssMiddle) + " 700,590"}));
}

TEST_F(Tray, TheMenuOpensAtThePointerAndADoubleClickRunsItsFirstDefaultItem) {
  auto* menu = new RecordingMenu();
  std::vector<int> clicked;
  // A sub-menu before them holds a default item of its own: only the top
  // level's default items count.
  auto* sub = new ui::MenuItem();
  sub->setCaption("sub");
  auto* inner = new ui::MenuItem();
  inner->setDefault(true);
  inner->onClick = [&clicked](ui::MenuItem&) { clicked.push_back(0); };
  sub->add(inner);
  menu->items().add(sub);
  for (int i = 1; i <= 5; ++i) {
    auto* item = new ui::MenuItem();
    item->setCaption("item " + std::to_string(i));
    item->setDefault(i == 2 || i == 4);
    item->onClick = [&clicked, i](ui::MenuItem&) { clicked.push_back(i); };
    menu->items().add(item);
  }
  tray_->setPopupMenu(menu);
  send({TrayAction::LeftDblClick});
  EXPECT_EQ(clicked, (std::vector<int>{2}));

  area_.pointer = {300, 770};
  send({TrayAction::RightDown});
  ASSERT_EQ(menu->shownAt.size(), 1u);
  EXPECT_EQ(menu->shownAt[0], (gfx::Point{300, 770}));
  EXPECT_EQ(menu->shownBy, tray_);
  send({TrayAction::LeftDown});
  EXPECT_EQ(menu->shownAt.size(), 1u);  // the left button opens it only when asked to

  // With the left button opening the menu, a double click runs no item; nor
  // with the automatic popup off, when no button opens the menu either.
  tray_->PopupByLeftButton = true;
  send({TrayAction::LeftDown, TrayAction::LeftUp, TrayAction::LeftDblClick});
  EXPECT_EQ(menu->shownAt.size(), 2u);
  tray_->PopupByLeftButton = false;
  menu->autoPopup = false;
  send({TrayAction::LeftDblClick, TrayAction::RightDown});
  EXPECT_EQ(clicked, (std::vector<int>{2}));
  EXPECT_EQ(menu->shownAt.size(), 2u);

  // The menu goes first: the icon forgets it.
  delete menu;
  EXPECT_EQ(tray_->PopupMenu(), nullptr);
  send({TrayAction::RightDown, TrayAction::LeftDblClick});
}

TEST_F(Tray, CyclingShowsEachPictureInTurnAndTellsTheNextIndex) {
  ui::ImageList list(nullptr, 16, 16);
  const gfx::Color colours[] = {gfx::Color::rgb(10, 0, 0), gfx::Color::rgb(20, 0, 0),
                                gfx::Color::rgb(30, 0, 0)};
  for (gfx::Color c : colours) {
    gfx::Bitmap b(16, 16);
    b.fill(c);
    list.add(b);
  }
  clock_.advance(0);  // set up: the icon is in the area
  ASSERT_TRUE(area_.present);
  std::vector<int> next;
  std::vector<gfx::Color> shown;
  tray_->OnCycle = [&](TbsTrayIcon&, int index) { next.push_back(index); };
  tray_->setIconList(&list);
  tray_->setCycleIcons(true);
  tray_->setAnimateTimerInterval(0);
  clock_.advance(10000);
  EXPECT_TRUE(next.empty());  // an interval of 0 never fires

  tray_->setAnimateTimerInterval(100);
  for (int i = 0; i < 4; ++i) {
    clock_.advance(100);
    shown.push_back(area_.pixel);
  }
  EXPECT_EQ(next, (std::vector<int>{1, 2, 0, 1}));
  EXPECT_EQ(shown, (std::vector<gfx::Color>{colours[0], colours[1], colours[2], colours[0]}));

  tray_->setCycleIcons(false);
  clock_.advance(1000);
  EXPECT_EQ(next.size(), 4u);

  // An index past the list is lowered to its last picture.
  tray_->setIconIndex(7);
  EXPECT_EQ(tray_->IconIndex(), 2);
  EXPECT_EQ(area_.pixel, colours[2]);
}

TEST_F(Tray, TheTooltipIsCutToWholeCharactersAndShownOnlyWithShowHint) {
  struct Case {
    const char* name;
    std::string hint;
    bool showHint;
    std::string passed;
  };
  std::string wide;
  for (int i = 0; i < 200; ++i) wide += "商";
  const Case cases[] = {
      {"200 letters", std::string(200, 'a'), true, std::string(127, 'a')},
      {"200 Chinese characters", wide, true, wide.substr(0, 127 * 3)},
      {"127 letters", std::string(127, 'b'), true, std::string(127, 'b')},
      {"hidden", "plain", false, ""},
  };
  clock_.advance(0);
  for (const Case& c : cases) {
    tray_->setShowHint(c.showHint);
    tray_->setHint(c.hint);
    EXPECT_EQ(area_.tip, c.passed) << c.name;
  }
}

TEST_F(Tray, AVisibleIconIsAddedAgainWhenTheAreaIsRecreated) {
  auto* area = new traytest::FakeNotificationArea(area_);
  delete tray_;
  area_ = {};
  tray_ = new TbsTrayIcon(nullptr, &clock_, std::unique_ptr<skin::NotificationArea>(area));
  EXPECT_EQ(area_.adds, 0);
  clock_.advance(0);
  EXPECT_EQ(area_.adds, 1);
  area->recreate();
  EXPECT_EQ(area_.adds, 2);
  EXPECT_TRUE(area_.present);
  tray_->setIconVisible(false);
  EXPECT_FALSE(area_.present);
  area->recreate();
  EXPECT_EQ(area_.adds, 2);
  EXPECT_FALSE(area_.present);
}

TEST(TrayOnTheDesktop, WithoutANotificationAreaTheIconOperationsDoNothingHarmful) {
  ui::ManualScheduler clock;
  TbsTrayIcon tray(nullptr, &clock);
  clock.advance(0);
  tray.setHint("hint");
  tray.setIconVisible(false);
  tray.setIconVisible(true);
  tray.NotificationAreaRecreated();
  EXPECT_TRUE(tray.IconVisible());
  EXPECT_FALSE(tray.TrayPicture().empty());  // the application's or our own picture
}

}  // namespace

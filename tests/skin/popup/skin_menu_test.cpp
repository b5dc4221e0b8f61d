// The skinned menu engine on real popup windows, on a hand-moved clock and
// a virtual pointer: selection at opening, placement in the work area,
// scrolling of long levels, the sub-menu delay, keyboard navigation, running
// an item and the notifications around it, the fade-in, bad menus, and a
// skin changed or destroyed while a menu is open.
#include "skin/popup/skin_menu.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <map>

#include "skin/data/package_stream.h"
#include "skin/data/zlib_streams.h"
#include "skin/popup/menu_messages.h"
#include "skin/popup/popup_window.h"
#include "skin/popup/skin_popup_menu.h"
#include "ui/form.h"
#include "ui/keys.h"
#include "ui/window_opacity.h"

namespace {

using gfx::Rect;
using skin::TbsSkinMenu;
using skin::TbsSkinPopupWindow;

// A window that writes the menu notifications it receives into a log.
class LoggingForm : public ui::Form {
 public:
  LoggingForm(std::vector<std::string>& log, std::string name)
      : log_(log), name_(std::move(name)) {}

 protected:
  void wndProc(ui::Message& m) override {
    if (m.id == skin::MenuClosed) log_.push_back(name_ + ":closed");
    if (m.id == skin::MenuItemExecuted) log_.push_back(name_ + ":executed");
    ui::Form::wndProc(m);
  }

 private:
  std::vector<std::string>& log_;
  std::string name_;
};

// The pointer the levels poll: a point and the level it is over.
class VirtualPointer : public skin::MenuPointerSource {
 public:
  gfx::Point cursorPos() const override { return pos; }
  ui::Control* windowAt(gfx::Point) const override { return over; }
  // Rests the pointer on a point of a level (window coordinates).
  void restOn(TbsSkinPopupWindow& w, gfx::Point p) {
    over = &w;
    pos = {w.left() + p.x, w.top() + p.y};
  }
  void restOn(TbsSkinPopupWindow& w, const Rect& r) {
    restOn(w, gfx::Point{r.left + r.width() / 2, r.top + r.height() / 2});
  }
  gfx::Point pos{-5, -5};
  ui::Control* over = nullptr;
};

ui::MenuItem* Add(ui::MenuItem& parent, const std::string& caption, bool enabled = true) {
  auto* item = new ui::MenuItem;
  item->setCaption(caption);
  item->setEnabled(enabled);
  parent.add(item);
  return item;
}

// Items "Item 0" .. "Item n-1" under parent.
void AddNumbered(ui::MenuItem& parent, int n) {
  for (int i = 0; i < n; ++i) Add(parent, "Item " + std::to_string(i));
}

class MenuTest : public ::testing::Test {
 protected:
  MenuTest() : owner_(log_, "owner"), opener_(log_, "opener"), menu_(owner_) {
    menu_.setScheduler(&clock_);
    menu_.setPointerSource(&pointer_);
  }
  ~MenuTest() override {
    menu_.CloseFromLevel(0);
    ui::SetLayeredWindowsAvailable(std::nullopt);
  }

  TbsSkinPopupWindow& level(int i) { return *menu_.PopupStack().at(static_cast<std::size_t>(i)); }
  int levels() const { return static_cast<int>(menu_.PopupStack().size()); }
  const Rect& workArea() const { return menu_.MenuWorkArea(); }
  void show(ui::MenuItem& items, const Rect& anchor, bool up = false, ui::Control* opener = nullptr,
            skin::TbsSkinData* skin = nullptr) {
    menu_.ShowMenu(opener, skin, up, items, anchor, 0);
  }
  // The screen rectangle of item i of a level.
  Rect screenRect(TbsSkinPopupWindow& w, int i) {
    const Rect r = w.item(i)->ObjectRect;
    return {w.left() + r.left, w.top() + r.top, w.left() + r.right, w.top() + r.bottom};
  }

  std::vector<std::string> log_;
  ui::ManualScheduler clock_;
  VirtualPointer pointer_;
  LoggingForm owner_;
  LoggingForm opener_;
  ui::PopupMenu popup_;
  TbsSkinMenu menu_;
};

TEST_F(MenuTest, TheFirstEnabledItemThatIsNoDividerIsSelectedAtOpening) {
  Add(popup_.items(), "-");
  Add(popup_.items(), "Off", false);
  Add(popup_.items(), "On");
  Add(popup_.items(), "Later");
  show(popup_.items(), {100, 100, 100, 100});
  ASSERT_EQ(levels(), 1);
  TbsSkinPopupWindow& w = level(0);
  EXPECT_TRUE(menu_.Visible());
  EXPECT_TRUE(w.visible());
  EXPECT_EQ(w.SelectedItem(), 2);
  EXPECT_TRUE(w.item(2)->Selected);
  EXPECT_TRUE(w.item(2)->KeyboardPicked);
  EXPECT_FALSE(w.item(1)->Selected);
  EXPECT_FALSE(w.item(3)->Selected);
}

TEST_F(MenuTest, ThePlainLookSizesTheLevelFromItsItems) {
  // Three items of 20 and a divider of 4, two pixels of frame on each side.
  AddNumbered(popup_.items(), 3);
  Add(popup_.items(), "-");
  menu_.setDefaultMenuItemHeight(-3);  // ignored
  show(popup_.items(), {100, 100, 100, 100});
  TbsSkinPopupWindow& w = level(0);
  EXPECT_EQ(w.height(), 3 * 20 + 4 + 4);
  EXPECT_EQ(w.PlacedItemsArea(), (Rect{2, 2, w.width() - 2, w.height() - 2}));
  EXPECT_EQ(w.item(1)->ObjectRect, (Rect{2, 22, w.width() - 2, 42}));
  EXPECT_EQ(w.item(3)->ObjectRect, (Rect{2, 62, w.width() - 2, 66}));
  EXPECT_EQ(w.image().width(), w.width());
  EXPECT_FALSE(w.Scrolling());
}

TEST_F(MenuTest, ALevelIsPlacedBesideItsAnchorWithinTheWorkArea) {
  AddNumbered(popup_.items(), 3);
  const int h = 3 * 20 + 4;
  struct Row {
    const char* name;
    int anchorTop;  // from the work area's top; bottom = top + 10
    bool up;
    int expectedTop;  // from the work area's top
  };
  show(popup_.items(), {100, 100, 110, 110});  // takes the work area
  const Rect r = workArea();
  const Row rows[] = {
      {"downward below the anchor", 100, false, 110},
      {"near the bottom above the anchor", r.height() - 20, false, r.height() - 20 - h},
      {"upward above the anchor", 300, true, 300 - h},
      {"upward near the top below the anchor", 20, true, 30},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    show(popup_.items(),
         {r.left + 100, r.top + row.anchorTop, r.left + 110, r.top + row.anchorTop + 10}, row.up);
    ASSERT_EQ(levels(), 1);
    EXPECT_EQ(level(0).top(), r.top + row.expectedTop);
    EXPECT_EQ(level(0).left(), r.left + 100);
  }
}

TEST_F(MenuTest, ASubMenuOpensRightOfItsItemOrOnePixelLeftWhenItDoesNotFit) {
  ui::MenuItem* parent = Add(popup_.items(), "More");
  AddNumbered(*parent, 2);
  for (bool nearRightEdge : {false, true}) {
    SCOPED_TRACE(nearRightEdge ? "near the right edge" : "room on the right");
    show(popup_.items(), {0, 0, 0, 0});  // takes the work area
    const Rect r = workArea();
    const int x = nearRightEdge ? r.right - 120 : r.left + 50;
    show(popup_.items(), {x, r.top + 50, x, r.top + 50});
    TbsSkinPopupWindow& top = level(0);
    top.item(0)->ItemClick();
    ASSERT_EQ(levels(), 2);
    TbsSkinPopupWindow& sub = level(1);
    const Rect a = screenRect(top, 0);
    if (nearRightEdge) {
      ASSERT_GT(a.right + sub.width() + 1, workArea().right);
      EXPECT_EQ(sub.left(), a.left - sub.width() - 1);
    } else {
      EXPECT_EQ(sub.left(), a.right + 1);
    }
    // Its first item beside the parent item.
    EXPECT_EQ(sub.top() + sub.PlacedItemsArea().top, a.top);
    EXPECT_TRUE(top.item(0)->SubmenuOpen);
  }
}

TEST_F(MenuTest, ALevelTallerThanTheWorkAreaFillsItAndScrollsOneItemPer100msOnAMarker) {
  AddNumbered(popup_.items(), 500);
  AddNumbered(*popup_.items().item(0), 2);
  show(popup_.items(), {100, 300, 100, 300});
  TbsSkinPopupWindow& w = level(0);
  EXPECT_EQ(w.height(), workArea().height());
  EXPECT_EQ(w.top(), workArea().top);
  EXPECT_TRUE(w.Scrolling());
  EXPECT_FALSE(w.ScrollLimited());
  // Room for both markers; the items start below the upper one.
  EXPECT_EQ(w.item(0)->ObjectRect.top, w.PlacedItemsArea().top + 10);
  EXPECT_FALSE(w.item(w.ShownCount())->Shown);
  const int shown = w.ShownCount();
  EXPECT_EQ(shown, (w.height() - 4 - 20) / 20);

  // The tip of the downward marker: the middle of its row cy + 2.
  const Rect lower = w.lowerMarkerRect();
  const gfx::Point tip{lower.left + lower.width() / 2, lower.top + lower.height() / 2 + 2};
  EXPECT_EQ(w.image().pixel(tip.x, tip.y), gfx::SystemColor(gfx::SysColor::ButtonShadow));
  // A scroll closes the sub-menu of the level, and its item is no longer lit.
  menu_.KeyDown(ui::VK_RIGHT);
  ASSERT_EQ(levels(), 2);
  pointer_.restOn(w, lower);
  clock_.advance(50);  // the pointer poll sees it
  EXPECT_EQ(w.ScrollDirection(), 2);
  EXPECT_EQ(w.FirstShown(), 0);
  EXPECT_EQ(w.image().pixel(tip.x, tip.y), gfx::SystemColor(gfx::SysColor::ButtonText));
  EXPECT_EQ(levels(), 1);
  EXPECT_FALSE(w.item(0)->SubmenuOpen);
  clock_.advance(99);
  EXPECT_EQ(w.FirstShown(), 0);
  clock_.advance(1);
  EXPECT_EQ(w.FirstShown(), 1);
  clock_.advance(300);
  EXPECT_EQ(w.FirstShown(), 4);
  EXPECT_FALSE(w.item(0)->Shown);
  EXPECT_TRUE(w.item(4)->Shown);
  EXPECT_EQ(w.item(4)->ObjectRect.top, w.PlacedItemsArea().top + 10);

  // Over another window the scroll stops; off the marker too; on the upper
  // one it runs back.
  pointer_.over = nullptr;
  pointer_.pos = {0, 0};
  clock_.advance(50);
  EXPECT_EQ(w.ScrollDirection(), 0);
  EXPECT_EQ(w.image().pixel(tip.x, tip.y), gfx::SystemColor(gfx::SysColor::ButtonShadow));
  pointer_.restOn(w, lower);
  clock_.advance(150);
  EXPECT_EQ(w.FirstShown(), 5);
  pointer_.restOn(w, w.item(6)->ObjectRect);
  clock_.advance(50);
  EXPECT_EQ(w.ScrollDirection(), 0);
  clock_.advance(500);
  EXPECT_EQ(w.FirstShown(), 5);
  pointer_.restOn(w, w.upperMarkerRect());
  clock_.advance(50 + 1000);
  EXPECT_EQ(w.FirstShown(), 0);
  EXPECT_EQ(w.ScrollDirection(), 0);  // stopped at the top
}

TEST_F(MenuTest, AMaximumItemCountLimitsTheLevelAndItScrolls) {
  AddNumbered(popup_.items(), 12);
  menu_.setMaxMenuItemsInWindow(5);
  show(popup_.items(), {100, 100, 100, 100});
  TbsSkinPopupWindow& w = level(0);
  EXPECT_EQ(w.height(), 5 * 20 + 4 + 20);
  EXPECT_TRUE(w.Scrolling());
  EXPECT_TRUE(w.ScrollLimited());
  EXPECT_EQ(w.ShownCount(), 5);
  // Down past the last shown item scrolls by one.
  for (int i = 0; i < 5; ++i) menu_.KeyDown(ui::VK_DOWN);
  EXPECT_EQ(w.SelectedItem(), 5);
  EXPECT_EQ(w.FirstShown(), 1);
  EXPECT_TRUE(w.item(5)->Shown);
}

TEST_F(MenuTest, RestingOnAnItemWithSubItemsOpensItsSubMenuAfter500ms) {
  Add(popup_.items(), "Plain");
  ui::MenuItem* more = Add(popup_.items(), "More");
  AddNumbered(*more, 3);
  show(popup_.items(), {100, 100, 100, 100});
  TbsSkinPopupWindow& w = level(0);
  pointer_.restOn(w, w.item(1)->ObjectRect);
  clock_.advance(50);
  EXPECT_EQ(w.SelectedItem(), 1);
  EXPECT_TRUE(w.item(1)->Selected);
  EXPECT_FALSE(w.item(0)->Selected);  // nothing else left lit
  EXPECT_EQ(menu_.DelayedItem(), w.item(1));
  clock_.advance(499);
  EXPECT_EQ(levels(), 1);
  clock_.advance(1);
  ASSERT_EQ(levels(), 2);
  EXPECT_TRUE(w.item(1)->SubmenuOpen);
  EXPECT_EQ(level(1).SelectedItem(), 0);

  // Moving to the plain item before the delay ends opens nothing and closes the sub-menu.
  pointer_.restOn(w, w.item(0)->ObjectRect);
  clock_.advance(50);
  EXPECT_EQ(levels(), 1);
  EXPECT_FALSE(w.item(1)->SubmenuOpen);
  EXPECT_FALSE(w.item(1)->Selected);
  pointer_.restOn(w, w.item(1)->ObjectRect);
  clock_.advance(50 + 200);
  pointer_.restOn(w, w.item(0)->ObjectRect);
  clock_.advance(50 + 1000);
  EXPECT_EQ(levels(), 1);
  EXPECT_EQ(menu_.DelayedItem(), nullptr);
}

TEST_F(MenuTest, AClickOnAnItemWithSubItemsOpensItAtOnce) {
  ui::MenuItem* more = Add(popup_.items(), "More");
  AddNumbered(*more, 2);
  Add(popup_.items(), "Other");
  show(popup_.items(), {100, 100, 100, 100});
  TbsSkinPopupWindow& w = level(0);
  const Rect r = w.item(0)->ObjectRect;
  w.perform(ui::WM_LBUTTONUP, 0, ui::PackPoint(r.left + 5, r.top + 5));
  EXPECT_EQ(levels(), 2);
  // Other buttons do nothing; a release on the divider-free second item runs it.
  w.perform(ui::WM_RBUTTONUP, 0, ui::PackPoint(r.left + 5, r.top + 25));
  EXPECT_EQ(levels(), 2);
}

TEST_F(MenuTest, RightOpensASubMenuAndLeftOrEscapeClosesIt) {
  ui::MenuItem* more = Add(popup_.items(), "More");
  AddNumbered(*more, 2);
  show(popup_.items(), {100, 100, 100, 100});
  for (int key : {ui::VK_LEFT, ui::VK_ESCAPE}) {
    SCOPED_TRACE(key == ui::VK_LEFT ? "Left" : "Esc");
    menu_.KeyDown(ui::VK_RIGHT);
    ASSERT_EQ(levels(), 2);
    EXPECT_TRUE(level(0).item(0)->SubmenuOpen);
    menu_.KeyDown(key);
    EXPECT_EQ(levels(), 1);
    EXPECT_FALSE(level(0).item(0)->SubmenuOpen);
  }
  // Left on the only level does nothing; Esc ends the sequence.
  menu_.KeyDown(ui::VK_LEFT);
  EXPECT_EQ(levels(), 1);
  menu_.KeyDown(ui::VK_ESCAPE);
  EXPECT_EQ(levels(), 0);
  EXPECT_FALSE(menu_.Visible());
}

TEST_F(MenuTest, OnlyTheSelectedItemIsDrawnLit) {
  // The plain look frames a lit item in navy.
  const gfx::Color navy = gfx::Color::rgb(0, 0, 128);
  AddNumbered(popup_.items(), 3);
  show(popup_.items(), {100, 100, 100, 100});
  TbsSkinPopupWindow& w = level(0);
  auto corner = [&w](int i) {
    const Rect r = w.item(i)->ObjectRect;
    return w.image().pixel(r.left, r.top);
  };
  EXPECT_EQ(corner(0), navy);
  EXPECT_NE(corner(1), navy);
  menu_.KeyDown(ui::VK_DOWN);
  EXPECT_NE(corner(0), navy);
  EXPECT_EQ(corner(1), navy);
  pointer_.restOn(w, w.item(2)->ObjectRect);
  clock_.advance(50);
  EXPECT_NE(corner(1), navy);
  EXPECT_EQ(corner(2), navy);
}

TEST_F(MenuTest, UpAndDownSkipDisabledItemsAndDividersAndWrap) {
  // 0 A, 1 -, 2 B (off), 3 C, 4 D (off)
  Add(popup_.items(), "A");
  Add(popup_.items(), "-");
  Add(popup_.items(), "B", false);
  Add(popup_.items(), "C");
  Add(popup_.items(), "D", false);
  struct Row {
    const char* name;
    std::vector<int> keys;
    int selected;
  };
  const Row rows[] = {
      {"down over a divider and a disabled item", {ui::VK_DOWN}, 3},
      {"down from the last enabled item keeps it", {ui::VK_DOWN, ui::VK_DOWN}, 3},
      {"up from the first item wraps to the last enabled", {ui::VK_UP}, 3},
      {"up again", {ui::VK_UP, ui::VK_UP}, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    show(popup_.items(), {100, 100, 100, 100});
    for (int key : row.keys) menu_.KeyDown(key);
    TbsSkinPopupWindow& w = level(0);
    EXPECT_EQ(w.SelectedItem(), row.selected);
    for (int i = 0; i < w.itemCount(); ++i) EXPECT_EQ(w.item(i)->Selected, i == row.selected) << i;
  }
  // Down on the very last item wraps to the first enabled one.
  popup_.items().item(4)->setEnabled(true);
  show(popup_.items(), {100, 100, 100, 100});
  for (int i = 0; i < 3; ++i) menu_.KeyDown(ui::VK_DOWN);
  EXPECT_EQ(level(0).SelectedItem(), 0);
}

TEST_F(MenuTest, ChoosingAnItemClosesAllLevelsThenRunsItThenTellsTheOpeningControl) {
  ui::MenuItem* more = Add(popup_.items(), "More");
  ui::MenuItem* leaf = Add(*more, "Leaf");
  leaf->onClick = [this](ui::MenuItem&) {
    log_.push_back(levels() == 0 && !menu_.Visible() ? "click after closing" : "click while open");
  };
  show(popup_.items(), {100, 100, 100, 100}, false, &opener_);
  menu_.KeyDown(ui::VK_RIGHT);
  ASSERT_EQ(levels(), 2);
  menu_.KeyDown(ui::VK_RETURN);
  EXPECT_EQ(log_, (std::vector<std::string>{"opener:closed", "owner:closed", "click after closing",
                                            "opener:executed"}));
  EXPECT_EQ(menu_.NotifiedControl(), nullptr);
  EXPECT_EQ(menu_.OpeningControl(), nullptr);
}

TEST_F(MenuTest, AnAcceleratorEntersAndRunsItsItemAndDisabledItemsNeverRun) {
  int opened = 0, saved = 0;
  Add(popup_.items(), "&Save", false)->onClick = [&](ui::MenuItem&) { ++saved; };
  Add(popup_.items(), "&Open")->onClick = [&](ui::MenuItem&) { ++opened; };
  show(popup_.items(), {100, 100, 100, 100});
  menu_.KeyDown('S');
  EXPECT_EQ(levels(), 1);
  level(0).item(0)->ItemClick();
  EXPECT_EQ(saved, 0);
  menu_.KeyDown('O');
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(levels(), 0);
}

TEST_F(MenuTest, ANewMenuOverAnOpenOneEndsTheOldSequenceAndKeepsItsOwnOpener) {
  AddNumbered(popup_.items(), 2);
  show(popup_.items(), {100, 100, 100, 100}, false, &owner_);
  show(popup_.items(), {200, 200, 200, 200}, false, &opener_);
  EXPECT_EQ(log_, (std::vector<std::string>{"owner:closed"}));
  EXPECT_EQ(menu_.OpeningControl(), &opener_);
  EXPECT_FALSE(menu_.FirstPopup());
  log_.clear();
  menu_.KeyDown(ui::VK_RETURN);
  EXPECT_EQ(log_, (std::vector<std::string>{"opener:closed", "owner:closed", "opener:executed"}));
}

// The opacities the platform windows of shown top-level widgets are given:
// the one they show with, then each change, in order.
class OpacityRecorder : public QObject {
 public:
  OpacityRecorder() { QCoreApplication::instance()->installEventFilter(this); }
  ~OpacityRecorder() override { QCoreApplication::instance()->removeEventFilter(this); }
  int atShow(const ui::Control& c) const {
    const auto it = atShow_.find(c.widget());
    return it == atShow_.end() ? -1 : it->second;
  }
  std::vector<int> changes(const ui::Control& c) const {
    const auto it = changes_.find(c.widget());
    return it == changes_.end() ? std::vector<int>{} : it->second;
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    auto* w = qobject_cast<QWidget*>(o);
    if (e->type() != QEvent::Show || w == nullptr || !w->isWindow() || atShow_.count(w) != 0)
      return false;
    QWindow* window = w->windowHandle();
    if (window == nullptr) return false;
    atShow_[w] = qRound(window->opacity() * 255);
    connect(window, &QWindow::opacityChanged, this,
            [this, w](qreal opacity) { changes_[w].push_back(qRound(opacity * 255)); });
    return false;
  }

 private:
  std::map<const QWidget*, int> atShow_;
  std::map<const QWidget*, std::vector<int>> changes_;
};

TEST_F(MenuTest, OnlyTheFirstLevelFadesInInStepsOfThree) {
  ui::MenuItem* more = Add(popup_.items(), "More");
  AddNumbered(*more, 2);
  menu_.AlphaBlend = menu_.AlphaBlendAnimation = true;
  menu_.AlphaBlendValue = 100;
  ui::SetLayeredWindowsAvailable(true);
  {
    OpacityRecorder given;
    show(popup_.items(), {100, 100, 100, 100});
    // Shown fully transparent, then raised 3, 6, ... 99 and to 100, one step
    // after the other: the menu's clock never moved.
    EXPECT_EQ(clock_.now(), 0);
    std::vector<int> steps;
    for (int a = 3; a < 100; a += 3) steps.push_back(a);
    steps.push_back(100);
    EXPECT_EQ(given.atShow(level(0)), 0);
    EXPECT_EQ(given.changes(level(0)), steps);
    // The sub-menu shows at the value at once.
    menu_.KeyDown(ui::VK_RIGHT);
    ASSERT_EQ(levels(), 2);
    EXPECT_EQ(given.atShow(level(1)), 100);
    EXPECT_TRUE(given.changes(level(1)).empty());
  }
  {
    // Without layered windows nothing is translucent.
    ui::SetLayeredWindowsAvailable(false);
    OpacityRecorder given;
    show(popup_.items(), {100, 100, 100, 100});
    EXPECT_EQ(given.atShow(level(0)), 255);
    EXPECT_TRUE(given.changes(level(0)).empty());
  }
}

TEST_F(MenuTest, ItemsLinkedToActionsShowTheActionsStateOfTheMomentTheirLevelOpens) {
  ui::Action first, sub;
  int firstUpdates = 0, subUpdates = 0;
  first.setCaption("Old");
  first.onUpdate = [&firstUpdates](ui::Action& a) {
    ++firstUpdates;
    a.setCaption("New");
    a.setEnabled(false);
  };
  sub.onUpdate = [&subUpdates](ui::Action& a) {
    ++subUpdates;
    a.setChecked(true);
  };
  ui::MenuItem* linked = Add(popup_.items(), "");
  linked->setAction(&first);
  linked->setEnabled(true);  // changed by hand since: the action's state counts
  ui::MenuItem* more = Add(popup_.items(), "More");
  Add(*more, "Plain");
  Add(*more, "")->setAction(&sub);
  show(popup_.items(), {100, 100, 100, 100});
  ASSERT_EQ(levels(), 1);
  EXPECT_EQ(firstUpdates, 1);
  EXPECT_EQ(subUpdates, 0);  // its level is not open yet
  ASSERT_NE(level(0).item(0)->menuItem(), nullptr);
  EXPECT_EQ(level(0).item(0)->menuItem()->caption(), "New");
  EXPECT_FALSE(level(0).item(0)->enabled());
  // Disabled by its action, the item is passed over by the opening selection.
  EXPECT_EQ(level(0).SelectedItem(), 1);
  menu_.KeyDown(ui::VK_RIGHT);
  ASSERT_EQ(levels(), 2);
  EXPECT_EQ(subUpdates, 1);
  EXPECT_TRUE(level(1).item(1)->menuItem()->checked());
  EXPECT_EQ(firstUpdates, 1);
}

TEST_F(MenuTest, MenusWithNothingToShowOpenNothing) {
  ui::MenuItem empty;
  show(empty, {10, 10, 10, 10}, false, &opener_);
  EXPECT_EQ(levels(), 0);
  EXPECT_FALSE(menu_.Visible());
  AddNumbered(popup_.items(), 2);
  menu_.ShowMenu(&opener_, nullptr, false, popup_.items(), {10, 10, 10, 10}, 2);
  EXPECT_EQ(levels(), 0);
  EXPECT_FALSE(menu_.Visible());
  for (ui::MenuItem* i : popup_.items().items()) i->setVisible(false);
  show(popup_.items(), {10, 10, 10, 10}, false, &opener_);
  EXPECT_EQ(levels(), 0);
  EXPECT_FALSE(menu_.Visible());
  // A sub-menu of invisible items does not open either, and the item is not left open.
  popup_.items().item(0)->setVisible(true);
  Add(*popup_.items().item(0), "hidden")->setVisible(false);
  show(popup_.items(), {10, 10, 10, 10});
  menu_.KeyDown(ui::VK_RIGHT);
  EXPECT_EQ(levels(), 1);
  EXPECT_FALSE(level(0).item(0)->SubmenuOpen);
}

TEST_F(MenuTest, AMenuItemDestroyedWhileShownClosesTheMenu) {
  AddNumbered(popup_.items(), 3);
  show(popup_.items(), {10, 10, 10, 10}, false, &opener_);
  delete popup_.items().item(1);
  EXPECT_EQ(levels(), 0);
  EXPECT_FALSE(menu_.Visible());
  EXPECT_EQ(log_, (std::vector<std::string>{"opener:closed", "owner:closed"}));
}

TEST_F(MenuTest, AnItemThatFreesTheEngineRunsWithoutTouchingItAgain) {
  auto* engine = new TbsSkinMenu(owner_);
  engine->setScheduler(&clock_);
  Add(popup_.items(), "Close")->onClick = [&engine](ui::MenuItem&) {
    delete engine;
    engine = nullptr;
  };
  engine->ShowMenu(&opener_, nullptr, false, popup_.items(), {10, 10, 10, 10}, 0);
  engine->KeyDown(ui::VK_RETURN);
  EXPECT_EQ(engine, nullptr);
  EXPECT_EQ(log_, (std::vector<std::string>{"opener:closed", "owner:closed"}));
}

// --- with a skin -------------------------------------------------------------

gfx::Bitmap Filled(int w, int h, gfx::Color c) {
  gfx::Bitmap b(w, h);
  b.fill(c);
  return b;
}

// A popup picture of 30 x 24 with items area (3, 3, 27, 21), a mask black but
// for its corners, and a menu item of 20 x 10 (divider 4 high).
std::string MenuDefinition(const std::string& morphing) {
  return "[PICTURES]\r\npicture=p.bmp\r\nactivepicturescount=3\r\n"
         "[POPUPWINDOW]\r\nwindowpictureindex=0\r\nmaskpictureindex=2\r\n"
         "lefttoppoint=5,5\r\nrighttoppoint=25,5\r\nleftbottompoint=5,19\r\n"
         "rightbottompoint=25,19\r\nitemsrect=3,3,27,21\r\n"
         "[SKINOBJECTS]\r\ncount=1\r\n0=item:menuitem\r\n"
         "[item]\r\nactivepictureindex=1\r\n" +
         morphing +
         "skinrect=0,0,20,10\r\nactiveskinrect=0,10,20,20\r\n"
         "dividerrect=0,20,20,24\r\nitemleftoffset=4\r\nitemrightoffset=4\r\n"
         "textrect=2,1,18,9\r\nfontname=Arial\r\nfontheight=9\r\n";
}

void Load(skin::TbsCompressedStoredSkin& stored, const std::string& definition) {
  skin::PackageParts parts;
  parts.picture = Filled(4, 4, gfx::kWhite);
  gfx::Bitmap mask = Filled(30, 24, gfx::kBlack);
  for (auto [x, y] : {std::pair{0, 0}, {29, 0}, {0, 23}, {29, 23}})
    mask.setPixel(x, y, gfx::kWhite);
  parts.activePictures = {Filled(30, 24, gfx::Color::rgb(0, 0, 200)),
                          Filled(20, 24, gfx::Color::rgb(0, 200, 0)), mask};
  parts.definitionText = definition;
  stored.setCompressedData(skin::ZlibCompress(skin::WritePackageStream(parts)));
}

// Carries the skin's broadcast to the owner window as a window message.
class ToWindow : public skin::SkinMessageListener {
 public:
  explicit ToWindow(ui::Control& w) : w_(w) {}
  void skinMessage(int message, skin::TbsSkinData* sender, std::intptr_t param) override {
    w_.perform(static_cast<unsigned>(message), ui::ToParam(sender), param);
  }

 private:
  ui::Control& w_;
};

class SkinnedMenuTest : public MenuTest {
 protected:
  SkinnedMenuTest() : toOwner_(owner_), skin_(&toOwner_) {
    Load(stored_, MenuDefinition("morphing=1\r\n"));
    skin_.setCompressedStoredSkin(&stored_);
  }
  ToWindow toOwner_;
  skin::TbsCompressedStoredSkin stored_;
  skin::TbsSkinData skin_;
};

TEST_F(SkinnedMenuTest, TheSkinSizesAndShapesTheLevel) {
  AddNumbered(popup_.items(), 3);
  Add(popup_.items(), "-");
  show(popup_.items(), {100, 100, 100, 100}, false, nullptr, &skin_);
  TbsSkinPopupWindow& w = level(0);
  ASSERT_TRUE(w.hasWindowLook());
  ASSERT_TRUE(w.hasItemLook());
  // Items of 10, a divider of 4, and the picture's 6 pixels outside its items area.
  EXPECT_EQ(w.height(), 3 * 10 + 4 + 6);
  EXPECT_EQ(w.PlacedItemsArea(), (Rect{3, 3, w.width() - 3, w.height() - 3}));
  EXPECT_EQ(w.item(1)->ObjectRect, (Rect{3, 13, w.width() - 3, 23}));
  ASSERT_TRUE(w.hasRegion());
  EXPECT_FALSE(w.region().contains({0, 0}));
  EXPECT_FALSE(w.region().contains({w.width() - 1, w.height() - 1}));
  EXPECT_TRUE(w.region().contains({1, 0}));
  EXPECT_TRUE(w.region().contains({w.width() / 2, w.height() / 2}));
}

TEST_F(SkinnedMenuTest, AMorphingItemLightsInFiveSteps) {
  AddNumbered(popup_.items(), 2);
  show(popup_.items(), {100, 100, 100, 100}, false, nullptr, &skin_);
  TbsSkinPopupWindow& w = level(0);
  EXPECT_EQ(w.item(0)->MorphFactor, 0.0);
  EXPECT_TRUE(w.morphRunning());
  clock_.advance(20);
  EXPECT_NEAR(w.item(0)->MorphFactor, 0.2, 1e-9);
  clock_.advance(80);
  EXPECT_EQ(w.item(0)->MorphFactor, 1.0);
  clock_.advance(20);
  EXPECT_FALSE(w.morphRunning());
  menu_.KeyDown(ui::VK_DOWN);
  clock_.advance(100);
  EXPECT_EQ(w.item(0)->MorphFactor, 0.0);
  EXPECT_EQ(w.item(1)->MorphFactor, 1.0);
}

TEST_F(SkinnedMenuTest, ASkinChangeWhileOpenClosesTheMenu) {
  AddNumbered(popup_.items(), 3);
  show(popup_.items(), {100, 100, 100, 100}, false, &opener_, &skin_);
  ASSERT_EQ(levels(), 1);
  skin::TbsCompressedStoredSkin other;
  Load(other, MenuDefinition(""));
  skin_.setCompressedStoredSkin(&other);
  EXPECT_EQ(levels(), 0);
  EXPECT_FALSE(menu_.Visible());
  EXPECT_EQ(log_, (std::vector<std::string>{"opener:closed", "owner:closed"}));
  // The next menu takes the new skin.
  show(popup_.items(), {100, 100, 100, 100}, false, nullptr, &skin_);
  ASSERT_EQ(levels(), 1);
  EXPECT_TRUE(level(0).hasItemLook());
  EXPECT_FALSE(level(0).itemMorphing());
  clock_.advance(1000);
}

TEST_F(SkinnedMenuTest, ASkinDestroyedWhileOpenClosesTheMenuAndIsForgotten) {
  AddNumbered(popup_.items(), 3);
  auto* doomed = new skin::TbsSkinData;
  Load(stored_, MenuDefinition(""));
  doomed->setCompressedStoredSkin(&stored_);
  show(popup_.items(), {100, 100, 100, 100}, false, nullptr, doomed);
  ASSERT_EQ(levels(), 1);
  delete doomed;
  EXPECT_EQ(levels(), 0);
  EXPECT_EQ(menu_.SkinData(), nullptr);
  clock_.advance(1000);
  show(popup_.items(), {100, 100, 100, 100});
  EXPECT_FALSE(level(0).hasWindowLook());
}

}  // namespace

// Controls: hooks on the procedure, removal notices, alignment, regions,
// opacity, enter/leave, capture and timers.
#include <set>

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/graphic_control.h"
#include "ui/win_control.h"
#include "ui/window_opacity.h"
#include "ui_test_support.h"

namespace {

using gfx::Rect;
using ui::Message;

class Order : public ui::MessageHook {
 public:
  Order(std::vector<int>& log, int tag, bool consume) : log_(log), tag_(tag), consume_(consume) {}
  void hookMessage(Message& m) override {
    if (m.id != ui::WM_USER) return callPrevious(m);
    log_.push_back(tag_);
    if (consume_) {
      m.result = tag_;
      return;
    }
    callPrevious(m);
  }

 private:
  std::vector<int>& log_;
  int tag_;
  bool consume_;
};

class ProcControl : public ui::WinControl {
 public:
  ProcControl(std::vector<int>& log) : ui::WinControl(nullptr), log_(log) {}

 protected:
  void wndProc(Message& m) override {
    if (m.id == ui::WM_USER) {
      log_.push_back(0);
      m.result = 100;
      return;
    }
    ui::WinControl::wndProc(m);
  }

 private:
  std::vector<int>& log_;
};

TEST(Hooks, LastInstalledSeesFirstAndPassesOn) {
  std::vector<int> log;
  ProcControl c(log);
  Order a(log, 1, false), b(log, 2, false);
  c.installHook(&a);
  c.installHook(&b);
  EXPECT_EQ(c.perform(ui::WM_USER), 100);
  EXPECT_EQ(log, (std::vector<int>{2, 1, 0}));

  // Removing from the middle of the chain keeps the rest linked.
  log.clear();
  c.removeHook(&a);
  EXPECT_EQ(c.perform(ui::WM_USER), 100);
  EXPECT_EQ(log, (std::vector<int>{2, 0}));
}

TEST(Hooks, ConsumingHookStopsTheMessageAndDeadHooksUnlink) {
  std::vector<int> log;
  ProcControl c(log);
  {
    Order eater(log, 7, true);
    c.installHook(&eater);
    EXPECT_EQ(c.perform(ui::WM_USER), 7);
    EXPECT_EQ(log, (std::vector<int>{7}));
  }
  log.clear();
  EXPECT_EQ(c.perform(ui::WM_USER), 100);
  EXPECT_EQ(log, (std::vector<int>{0}));

  // A hook outliving its control is detached, not left dangling.
  Order survivor(log, 3, false);
  {
    ProcControl gone(log);
    gone.installHook(&survivor);
    EXPECT_EQ(survivor.hookedControl(), &gone);
  }
  EXPECT_EQ(survivor.hookedControl(), nullptr);
}

class Watcher : public ui::Component {
 public:
  using ui::Component::Component;
  ui::Component* watched = nullptr;

 protected:
  void notification(ui::Component* c, Operation op) override {
    ui::Component::notification(c, op);
    if (op == Operation::Removing && c == watched) watched = nullptr;
  }
};

TEST(Components, OwnerFreesAndReferrersHearOfRemoval) {
  auto* owner = new ui::Component;
  auto* a = new ui::Component(owner);
  a->setName("a");
  Watcher w;
  w.watched = a;
  w.freeNotification(a);
  EXPECT_EQ(owner->findComponent("a"), a);
  delete a;
  EXPECT_EQ(w.watched, nullptr);
  EXPECT_EQ(owner->componentCount(), 0);

  auto* b = new ui::Component(owner);
  w.watched = b;
  w.freeNotification(b);
  delete owner;  // frees b
  EXPECT_EQ(w.watched, nullptr);
}

TEST(Alignment, TopBottomLeftClientShareTheClientArea) {
  ui::WinControl parent(nullptr);
  parent.setBounds(0, 0, 300, 200);
  auto make = [&](ui::Align a, int w, int h) {
    auto* c = new ui::WinControl(&parent);
    c->setBounds(0, 0, w, h);
    c->setParent(&parent);
    c->setAlign(a);
    return c;
  };
  parent.disableAlign();
  auto* top = make(ui::Align::alTop, 10, 30);
  auto* bottom = make(ui::Align::alBottom, 10, 20);
  auto* left = make(ui::Align::alLeft, 50, 10);
  auto* client = make(ui::Align::alClient, 1, 1);
  // Suspended: nothing moved yet.
  EXPECT_EQ(client->boundsRect(), (Rect{0, 0, 1, 1}));
  parent.enableAlign();
  EXPECT_EQ(top->boundsRect(), (Rect{0, 0, 300, 30}));
  EXPECT_EQ(bottom->boundsRect(), (Rect{0, 180, 300, 200}));
  EXPECT_EQ(left->boundsRect(), (Rect{0, 30, 50, 180}));
  EXPECT_EQ(client->boundsRect(), (Rect{50, 30, 300, 180}));

  // A resize of the parent realigns; hiding a control gives its room away.
  parent.setBounds(0, 0, 400, 300);
  EXPECT_EQ(client->boundsRect(), (Rect{50, 30, 400, 280}));
  top->hide();
  EXPECT_EQ(left->boundsRect(), (Rect{0, 0, 50, 280}));
  EXPECT_EQ(client->boundsRect(), (Rect{50, 0, 400, 280}));
}

TEST(Regions, TopLevelAndChildRecordTheirShape) {
  ui::Form form;
  form.setBounds(10, 10, 100, 80);
  auto* child = new ui::WinControl(&form);
  child->setParent(&form);
  child->setBounds(5, 5, 40, 40);
  ASSERT_TRUE(uitest::ShowAndWait(form));

  const gfx::Region round({Rect{2, 0, 98, 80}, Rect{0, 2, 100, 78}});
  form.setRegion(round);
  EXPECT_TRUE(form.hasRegion());
  EXPECT_TRUE(form.widget()->mask().contains(QPoint(50, 0)));
  EXPECT_FALSE(form.widget()->mask().contains(QPoint(0, 0)));
  EXPECT_FALSE(form.widget()->mask().contains(QPoint(99, 79)));

  child->setRegion(gfx::Region(Rect{0, 0, 20, 40}));
  EXPECT_TRUE(child->widget()->mask().contains(QPoint(19, 10)));
  EXPECT_FALSE(child->widget()->mask().contains(QPoint(20, 10)));

  // Removing the shape makes the windows rectangular again.
  form.clearRegion();
  child->clearRegion();
  EXPECT_FALSE(form.hasRegion());
  EXPECT_TRUE(form.widget()->mask().isEmpty());
  EXPECT_TRUE(child->widget()->mask().isEmpty());
}

TEST(Opacity, AppliedOnlyWhereLayeredWindowsExist) {
  ui::Form form;
  ASSERT_TRUE(uitest::ShowAndWait(form));
  ui::SetLayeredWindowsAvailable(false);
  form.setAlpha(100);
  EXPECT_EQ(form.alpha(), 100);
  EXPECT_DOUBLE_EQ(form.appliedOpacity(), 1.0);

  ui::SetLayeredWindowsAvailable(true);
  form.setAlpha(51);
  EXPECT_NEAR(form.appliedOpacity(), 0.2, 0.001);
  form.setAlpha(300);
  EXPECT_EQ(form.alpha(), 255);
  EXPECT_NEAR(form.appliedOpacity(), 1.0, 0.001);
  ui::SetLayeredWindowsAvailable(std::nullopt);
}

// A form with two windowed controls side by side, left (10,10)-(60,60) and
// right (100,10)-(150,60), each recording its messages.
struct TwoControls {
  ui::Form form;
  ui::WinControl* a;
  ui::WinControl* b;
  uitest::RecordingHook ha, hb;
  TwoControls() {
    form.setBorderStyle(ui::BorderStyle::bsNone);
    form.setBounds(200, 200, 200, 100);
    a = new ui::WinControl(&form);
    a->setParent(&form);
    a->setBounds(10, 10, 50, 50);
    b = new ui::WinControl(&form);
    b->setParent(&form);
    b->setBounds(100, 10, 50, 50);
    a->installHook(&ha);
    b->installHook(&hb);
  }
  QWindow* win() { return uitest::WindowOf(form); }
};

TEST(MouseTracking, EnterAndLeaveFollowThePointer) {
  TwoControls t;
  ASSERT_TRUE(uitest::ShowAndWait(t.form));
  QTest::mouseMove(t.win(), QPoint(5, 80));
  QTest::mouseMove(t.win(), QPoint(30, 30));
  WAIT_TRUE(t.a->mouseInside(), 5000);
  EXPECT_EQ(t.ha.count(ui::CM_MOUSEENTER), 1);
  QTest::mouseMove(t.win(), QPoint(120, 30));
  WAIT_TRUE(t.b->mouseInside(), 5000);
  EXPECT_FALSE(t.a->mouseInside());
  EXPECT_EQ(t.ha.count(ui::CM_MOUSELEAVE), 1);
  EXPECT_EQ(t.hb.count(ui::CM_MOUSEENTER), 1);
  EXPECT_EQ(t.hb.count(ui::CM_MOUSELEAVE), 0);
}

TEST(MouseTracking, CaptureKeepsTheMouseAcrossTheControlsEdge) {
  TwoControls t;
  ASSERT_TRUE(uitest::ShowAndWait(t.form));
  t.a->onMouseDown = [&](ui::Control& c, ui::MouseButton, unsigned, int, int) {
    static_cast<ui::WinControl&>(c).setCapture();
  };
  QTest::mousePress(t.win(), Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_TRUE(t.a->hasCapture());
  t.ha.seen.clear();
  // Over the other control and beyond the window's edge: still to a, in
  // a's client coordinates.
  QTest::mouseMove(t.win(), QPoint(120, 30));
  QTest::mouseMove(t.win(), QPoint(250, 40));
  QTest::mouseRelease(t.win(), Qt::LeftButton, {}, QPoint(250, 40));
  std::vector<gfx::Point> moves;
  for (const ui::Message& m : t.ha.seen)
    if (m.id == ui::WM_MOUSEMOVE) moves.push_back(ui::UnpackPoint(m.lparam));
  ASSERT_GE(moves.size(), 2u);
  EXPECT_EQ(moves.front(), (gfx::Point{110, 20}));
  EXPECT_EQ(moves.back(), (gfx::Point{240, 30}));
  EXPECT_EQ(t.ha.count(ui::WM_LBUTTONUP), 1);
  EXPECT_EQ(t.hb.count(ui::WM_MOUSEMOVE), 0);
  EXPECT_EQ(t.hb.count(ui::WM_LBUTTONUP), 0);
  t.a->releaseCapture();
  EXPECT_EQ(ui::Control::captureControl(), nullptr);
}

TEST(Timers, DeliveredAsMessagesWithTheirIds) {
  ui::WinControl c(nullptr);
  uitest::RecordingHook h;
  c.installHook(&h);
  c.setTimer(7, 5);
  c.setTimer(9, 5);
  WAIT_TRUE(h.count(ui::WM_TIMER) >= 4, 5000);
  std::set<ui::MessageParam> ids;
  for (const ui::Message& m : h.seen)
    if (m.id == ui::WM_TIMER) ids.insert(m.wparam);
  EXPECT_EQ(ids, (std::set<ui::MessageParam>{7, 9}));
  c.killTimer(7);
  c.killTimer(9);
  EXPECT_FALSE(c.timerRunning(7));
  h.seen.clear();
  QTest::qWait(30);
  EXPECT_EQ(h.count(ui::WM_TIMER), 0);
}

TEST(ApplicationFilter, SwallowsRightClicksOnAChosenControlOnly) {
  TwoControls t;
  ASSERT_TRUE(uitest::ShowAndWait(t.form));
  auto& app = ui::Application::instance();
  std::vector<unsigned> filtered;
  app.onMessage = [&](ui::QueuedMessage& q, bool& handled) {
    filtered.push_back(q.message.id);
    const bool inA = q.window == t.a->widget() || t.a->widget()->isAncestorOf(q.window);
    if (inA && (q.message.id == 0x0204 || q.message.id == 0x0206)) handled = true;
  };
  QTest::mouseClick(t.win(), Qt::RightButton, {}, QPoint(30, 30));
  QTest::mouseDClick(t.win(), Qt::RightButton, {}, QPoint(30, 30));
  QTest::mouseClick(t.win(), Qt::RightButton, {}, QPoint(120, 30));
  app.onMessage = nullptr;
  EXPECT_EQ(t.ha.count(ui::WM_RBUTTONDOWN) + t.ha.count(ui::WM_RBUTTONDBLCLK), 0);
  EXPECT_EQ(t.ha.count(ui::WM_RBUTTONUP), 0);
  EXPECT_EQ(t.hb.count(ui::WM_RBUTTONDOWN), 1);
  EXPECT_EQ(t.hb.count(ui::WM_RBUTTONUP), 1);
  EXPECT_NE(std::find(filtered.begin(), filtered.end(), 0x0206u), filtered.end());
}

}  // namespace

namespace {

TEST(PostedMessages, ArriveFromTheLoopThroughTheFilter) {
  ui::WinControl c(nullptr);
  uitest::RecordingHook h;
  c.installHook(&h);
  c.postMessage(ui::WM_USER + 5, 1, 2);
  c.postMessage(ui::WM_USER + 6);
  EXPECT_EQ(h.count(ui::WM_USER + 5), 0);  // not sent: queued
  auto& app = ui::Application::instance();
  app.onMessage = [&](ui::QueuedMessage& q, bool& handled) {
    if (q.message.id == ui::WM_USER + 6 && q.window == c.widget()) handled = true;
  };
  QCoreApplication::processEvents();
  app.onMessage = nullptr;
  ASSERT_EQ(h.count(ui::WM_USER + 5), 1);
  EXPECT_EQ(h.seen.back().wparam, 1);
  EXPECT_EQ(h.seen.back().lparam, 2);
  EXPECT_EQ(h.count(ui::WM_USER + 6), 0);
}

// A transparent windowless control paints only what it draws; its parent's
// picture shows through the rest.
class Dot : public ui::GraphicControl {
 public:
  using ui::GraphicControl::GraphicControl;

 protected:
  void paint(gfx::Canvas& canvas) override {
    canvas.fillRect(gfx::Rect{4, 4, 8, 8}, gfx::kBlack);
    canvas.setBrushStyle(gfx::BrushStyle::Clear);
    canvas.textOut(9, 0, "Wg");  // black, with soft edges
  }
};

TEST(Transparency, ParentShowsWhereATransparentControlDrawsNothing) {
  ui::Form form;
  form.setBorderStyle(ui::BorderStyle::bsNone);
  form.setBounds(0, 0, 40, 30);
  auto* back = new ui::WinControl(&form);
  back->setParent(&form);
  back->setColor(gfx::Color::rgb(30, 160, 60));
  back->setBounds(0, 0, 40, 30);
  auto* dot = new Dot(&form);
  dot->setParent(back);
  dot->setColor(gfx::Color::rgb(200, 0, 0));  // never shown: no background is painted
  dot->setTransparent(true);
  dot->setBounds(10, 10, 24, 16);
  ASSERT_TRUE(uitest::ShowAndWait(form));
  const QImage shot = back->widget()->grab().toImage();
  EXPECT_EQ(shot.pixel(11, 11), qRgb(30, 160, 60));  // inside the control, nothing drawn
  EXPECT_EQ(shot.pixel(14, 14), qRgb(0, 0, 0));      // what it drew
  EXPECT_EQ(shot.pixel(17, 17), qRgb(0, 0, 0));
  EXPECT_EQ(shot.pixel(18, 18), qRgb(30, 160, 60));
  EXPECT_EQ(shot.pixel(11, 24), qRgb(30, 160, 60));
  // The text's soft edges lie between black and the parent's green: no
  // stand-in colour bleeds into them.
  int inked = 0;
  for (int y = 10; y < 26; ++y) {
    for (int x = 19; x < 34; ++x) {
      const QRgb px = shot.pixel(x, y);
      EXPECT_LE(qRed(px), 30) << x << "," << y;
      EXPECT_LE(qBlue(px), 60) << x << "," << y;
      if (px != qRgb(30, 160, 60)) ++inked;
    }
  }
  EXPECT_GT(inked, 10);  // the text was drawn
  dot->setTransparent(false);
  dot->repaint();
  const QImage opaque = back->widget()->grab().toImage();
  EXPECT_EQ(opaque.pixel(11, 11), qRgb(200, 0, 0));
}

TEST(Caret, ShownAtItsPlaceAndBlinks) {
  ui::Form form;
  form.setBorderStyle(ui::BorderStyle::bsNone);
  form.setBounds(0, 0, 60, 30);
  auto* edit = new ui::WinControl(&form);
  edit->setParent(&form);
  edit->setColor(gfx::kWhite);
  edit->setBounds(0, 0, 60, 30);
  ASSERT_TRUE(uitest::ShowAndWait(form));
  edit->createCaret(1, 12);
  edit->setCaretPos(10, 5);
  edit->showCaret();
  EXPECT_TRUE(edit->caretVisible());
  // The caret inverts the picture under it: white becomes black.
  QImage shot = edit->widget()->grab().toImage();
  EXPECT_EQ(shot.pixel(10, 5), qRgb(0, 0, 0));
  EXPECT_EQ(shot.pixel(10, 16), qRgb(0, 0, 0));
  EXPECT_EQ(shot.pixel(11, 5), qRgb(255, 255, 255));
  EXPECT_EQ(shot.pixel(10, 17), qRgb(255, 255, 255));
  edit->hideCaret();
  shot = edit->widget()->grab().toImage();
  EXPECT_EQ(shot.pixel(10, 5), qRgb(255, 255, 255));
  edit->destroyCaret();
  EXPECT_FALSE(edit->caretVisible());
}

}  // namespace

namespace {

TEST(ApplicationFilter, FiltersChainLastInstalledFirst) {
  TwoControls t;
  ASSERT_TRUE(uitest::ShowAndWait(t.form));
  auto& app = ui::Application::instance();
  std::vector<std::string> order;
  app.onMessage = [&](ui::QueuedMessage& q, bool&) {
    if (q.message.id == ui::WM_LBUTTONDOWN) order.push_back("onMessage");
  };
  const int first = app.installMessageFilter([&](ui::QueuedMessage& q, bool&) {
    if (q.message.id == ui::WM_LBUTTONDOWN) order.push_back("first");
  });
  const int menu = app.installMessageFilter([&](ui::QueuedMessage& q, bool& handled) {
    if (q.message.id != ui::WM_LBUTTONDOWN) return;
    order.push_back("menu");
    handled = true;  // a menu in menu mode keeps the press
  });
  QTest::mouseClick(t.win(), Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_EQ(order, (std::vector<std::string>{"menu"}));
  EXPECT_EQ(t.ha.count(ui::WM_LBUTTONDOWN), 0);
  app.removeMessageFilter(menu);
  order.clear();
  QTest::mouseClick(t.win(), Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_EQ(order, (std::vector<std::string>{"first", "onMessage"}));
  EXPECT_EQ(t.ha.count(ui::WM_LBUTTONDOWN), 1);
  app.removeMessageFilter(first);
  app.onMessage = nullptr;
}

TEST(MenuKey, AltAloneF10AndAltLetterAskTheFormForItsMenu) {
  ui::Form form;
  uitest::RecordingHook h;
  form.installHook(&h);
  ASSERT_TRUE(uitest::ShowAndWait(form));
  QWindow* win = uitest::WindowOf(form);
  QTest::keyPress(win, Qt::Key_Alt);
  QTest::keyRelease(win, Qt::Key_Alt);
  QTest::keyClick(win, Qt::Key_F10);
  QTest::keyClick(win, Qt::Key_F, Qt::AltModifier);
  // Alt used with another key is no menu key by itself.
  QTest::keyPress(win, Qt::Key_Alt);
  QTest::keyClick(win, Qt::Key_Left, Qt::AltModifier);
  QTest::keyRelease(win, Qt::Key_Alt);
  std::vector<ui::MessageParam> keys;
  for (const ui::Message& m : h.seen)
    if (m.id == ui::WM_SYSCOMMAND && m.wparam == ui::SC_KEYMENU) keys.push_back(m.lparam);
  EXPECT_EQ(keys, (std::vector<ui::MessageParam>{0, 0, 'F'}));
  form.removeHook(&h);
}

}  // namespace

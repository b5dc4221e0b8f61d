// The frame on real forms: the system-menu button showing the window icon
// in the default and the skinned look, the objects' pointer and paint
// events with their names and window coordinates, and the tray commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/builtin_skins.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/frame/form_frame.h"
#include "skin/popup/fake_notification_area.h"
#include "support/qt_wait.h"
#include "ui/application.h"
#include "ui/scheduler.h"

namespace {

using skin::TbsFormFrame;

constexpr gfx::Color kTopLeft = gfx::Color::rgb(200, 30, 30);
constexpr gfx::Color kTopRight = gfx::Color::rgb(30, 200, 30);
constexpr gfx::Color kBottomLeft = gfx::Color::rgb(30, 30, 200);
constexpr gfx::Color kBottomRight = gfx::Color::rgb(220, 220, 40);

// A 32 x 32 icon of four coloured quarters: scaled to 16 x 16, each quarter
// is an 8 x 8 block.
gfx::Bitmap QuarteredIcon() {
  gfx::Bitmap icon(32, 32);
  icon.fillRect({0, 0, 16, 16}, kTopLeft);
  icon.fillRect({16, 0, 32, 16}, kTopRight);
  icon.fillRect({0, 16, 16, 32}, kBottomLeft);
  icon.fillRect({16, 16, 32, 32}, kBottomRight);
  return icon;
}

class IconFrame : public ::testing::Test {
 protected:
  IconFrame() : data_(nullptr, &windows_) {
    form_ = new ui::Form();
    form_->setBounds(100, 100, 320, 200);
    form_->setIcon(QuarteredIcon());
    frame_ = new TbsFormFrame(form_);
  }
  ~IconFrame() override { delete form_; }

  void showActive() {
    form_->show();
    form_->activate();
    WAIT_TRUE(form_->active(), 2000);
  }
  void useSkin() {
    app::LoadBuiltinSkin(app::BuiltinSkins()[0], stored_);
    data_.setCompressedStoredSkin(&stored_);
    frame_->setSkinData(&data_);
    ASSERT_TRUE(frame_->HasSkin());
  }
  const skin::TbsActiveSkinObject* object(const std::string& idName) const {
    for (const auto& o : frame_->FrameObjects()) {
      if (o->IDName == idName) return o.get();
    }
    return nullptr;
  }
  // The icon's four blocks at the button's top-left, in the frame as shown.
  void expectIconAt(gfx::Point origin) {
    const gfx::Bitmap shown = form_->frameImage();
    EXPECT_EQ(shown.pixel(origin.x + 4, origin.y + 4), kTopLeft);
    EXPECT_EQ(shown.pixel(origin.x + 12, origin.y + 4), kTopRight);
    EXPECT_EQ(shown.pixel(origin.x + 4, origin.y + 12), kBottomLeft);
    EXPECT_EQ(shown.pixel(origin.x + 12, origin.y + 12), kBottomRight);
    EXPECT_EQ(shown.pixel(origin.x, origin.y), kTopLeft);
    EXPECT_EQ(shown.pixel(origin.x + 15, origin.y + 15), kBottomRight);
  }

  ui::Form* form_;
  TbsFormFrame* frame_;
  skin::FormSkinWindows windows_;
  skin::TbsCompressedStoredSkin stored_;
  skin::TbsSkinData data_;
};

TEST_F(IconFrame, TheDefaultSystemMenuButtonShowsTheIconAtTheSmallIconSize) {
  showActive();
  const skin::TbsActiveSkinObject* button = object("sysmenubutton");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->ObjectRect, (gfx::Rect{3, 4, 20, 21}));  // the 17-pixel glyph button
  EXPECT_NE(form_->frameImage().pixel(7, 8), kTopLeft);

  frame_->setShowIcon(true);
  EXPECT_EQ(frame_->SmallIconSize(), (gfx::Size{16, 16}));
  EXPECT_EQ(button->ObjectRect, (gfx::Rect{3, 4, 19, 20}));
  EXPECT_EQ(frame_->DefaultCaptionArea().left, 19);
  expectIconAt({3, 4});

  // The copy is made once: a later icon of the form does not replace it.
  gfx::Bitmap other(16, 16);
  other.fill(gfx::kWhite);
  form_->setIcon(other);
  expectIconAt({3, 4});
}

TEST_F(IconFrame, TheSkinnedSystemMenuButtonShowsTheIconCentredInTheCaption) {
  useSkin();
  showActive();
  const skin::TbsActiveSkinObject* button = object("sysmenubutton");
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(button->skinRectInAPicture);
  const gfx::Size skinSize = button->skinRect.size();

  frame_->setShowIcon(true);
  const gfx::Rect cap = frame_->placed().captionArea;
  const int top = cap.top + cap.height() / 2 - 8;
  EXPECT_EQ(button->ObjectRect, (gfx::Rect{cap.left, top, cap.left + 16, top + 16}));
  expectIconAt({cap.left, top});
  // A hover changes nothing of it: the button does not morph while it shows the icon.
  form_->perform(ui::WM_NCHITTEST, 0,
                 ui::PackPoint(form_->left() + cap.left + 2, form_->top() + top + 2));
  EXPECT_DOUBLE_EQ(button->MorphFactor, 0.0);
  expectIconAt({cap.left, top});

  frame_->setShowIcon(false);
  EXPECT_EQ(button->ObjectRect.size(), skinSize);
}

TEST_F(IconFrame, ObjectsTellTheirPointerEventsInWindowCoordinates) {
  useSkin();
  showActive();
  std::vector<std::string> events;
  gfx::Rect reported;
  frame_->OnMouseEnterEvent = [&](const std::string& id) { events.push_back("enter " + id); };
  frame_->OnMouseLeaveEvent = [&](const std::string& id) { events.push_back("leave " + id); };
  const auto at = [&](const char* what) {
    return [&, what](const std::string& id, int x, int y, const gfx::Rect& r,
                     skin::PointerButton b) {
      reported = r;
      events.push_back(std::string(what) + " " + id + " " + std::to_string(x) + "," +
                       std::to_string(y) + (b == skin::PointerButton::Left ? " left" : " right"));
    };
  };
  frame_->OnMouseDownEvent = at("down");
  frame_->OnMouseUpEvent = at("up");
  frame_->OnMouseMoveEvent = [&](const std::string& id, int x, int y, const gfx::Rect& r) {
    reported = r;
    events.push_back("move " + id + " " + std::to_string(x) + "," + std::to_string(y));
  };

  const skin::TbsActiveSkinObject* caption = nullptr;
  for (const auto& o : frame_->FrameObjects()) {
    if (dynamic_cast<const skin::TbsSkinCaptionObject*>(o.get()) != nullptr) caption = o.get();
  }
  ASSERT_NE(caption, nullptr);
  const std::string id = caption->IDName;
  const gfx::Point p{caption->ObjectRect.left + 5, caption->ObjectRect.top + 3};
  const auto screen = [&](gfx::Point w) {
    return ui::PackPoint(form_->left() + w.x, form_->top() + w.y);
  };
  // The caption answers the caption code: it becomes the hot object with
  // the press, and the press holds it for the moves that follow.
  form_->perform(ui::WM_NCRBUTTONDOWN, ui::HTOBJECT, screen({p.x + 1, p.y}));
  form_->perform(ui::WM_NCMOUSEMOVE, ui::HTOBJECT, screen({p.x + 2, p.y}));
  form_->perform(ui::WM_NCRBUTTONUP, ui::HTOBJECT, screen({p.x + 3, p.y}));
  const auto pos = [&](int dx) { return std::to_string(p.x + dx) + "," + std::to_string(p.y); };
  EXPECT_EQ(events, (std::vector<std::string>{"enter " + id, "down " + id + " " + pos(1) + " right",
                                              "move " + id + " " + pos(2),
                                              "up " + id + " " + pos(3) + " right"}));
  EXPECT_EQ(reported, caption->ObjectRect);

  // A caption button tells entering and leaving, and its release; its press
  // only holds it down.
  events.clear();
  const skin::TbsActiveSkinObject* max = object("maxbutton");
  ASSERT_NE(max, nullptr);
  const gfx::Point m{max->ObjectRect.left + 2, max->ObjectRect.top + 2};
  form_->perform(ui::WM_NCHITTEST, 0, screen(m));
  form_->perform(ui::WM_NCLBUTTONDOWN, ui::HTOBJECT, screen(m));
  form_->perform(ui::WM_NCLBUTTONUP, ui::HTOBJECT, screen(m));
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events[0], "leave " + id);
  EXPECT_EQ(events[1], "enter maxbutton");
  EXPECT_EQ(events[2], "up maxbutton " + std::to_string(m.x) + "," + std::to_string(m.y) + " left");
  EXPECT_EQ(frame_->FrameState(), skin::FrameWindowState::Maximized);
}

TEST_F(IconFrame, AUserObjectIsDrawnThroughThePaintEvent) {
  skin::TbsDataUserObject data("logo");
  skin::TbsUserObject user(*frame_, data);
  user.ObjectRect = {10, 2, 30, 12};
  gfx::Bitmap target(40, 20);
  gfx::Canvas canvas(target);
  user.Paint(canvas, false);  // nothing assigned: nothing drawn, no failure
  EXPECT_EQ(target.pixel(15, 5), gfx::kBlack);
  frame_->OnPaintEvent = [](const std::string& id, gfx::Canvas& c, const gfx::Rect& r) {
    if (id == "logo") c.fillRect(r, gfx::kRed);
  };
  user.Paint(canvas, false);
  EXPECT_EQ(target.pixel(15, 5), gfx::kRed);
  EXPECT_EQ(target.pixel(9, 5), gfx::kBlack);
}

// The main form with its frame, a second window, and a tray icon that the
// frame's tray commands work through.
class TrayFrame : public ::testing::Test {
 protected:
  TrayFrame() {
    main_ = new ui::Form();
    main_->setBounds(100, 100, 300, 200);
    frame_ = new TbsFormFrame(main_);
    other_ = new ui::Form();
    other_->setBounds(450, 100, 200, 150);
    tray_ = new skin::TbsTrayIcon(main_, &clock_,
                                  std::make_unique<traytest::FakeNotificationArea>(area_));
    clock_.advance(0);  // the icon's set-up step: it shows itself
    frame_->OnMinimizeToTray = [this](TbsFormFrame&) { events_.push_back("to tray"); };
    frame_->OnRestoreFromTray = [this](TbsFormFrame&) { events_.push_back("from tray"); };
    main_->show();
    other_->show();
  }
  ~TrayFrame() override {
    ui::Application::instance().restore();
    delete other_;
    delete main_;
  }
  bool shown() const { return main_->visible() && other_->visible(); }

  ui::ManualScheduler clock_;
  traytest::FakeNotificationArea::Record area_;
  ui::Form* main_;
  ui::Form* other_;
  TbsFormFrame* frame_;
  skin::TbsTrayIcon* tray_;
  std::vector<std::string> events_;
};

TEST_F(TrayFrame, WithoutATrayIconEveryTrayCommandDoesNothing) {
  ASSERT_EQ(ui::Application::instance().mainForm(), main_);
  frame_->AlwaysMinimizeToTray = true;
  frame_->SendToTray();
  frame_->RunSystemMenuAction(skin::SystemMenuAction::MinimizeToTray);
  frame_->RunSystemMenuAction(skin::SystemMenuAction::Minimize);
  frame_->ReturnFromTray();
  EXPECT_TRUE(shown());
  EXPECT_FALSE(ui::Application::instance().minimized());
  EXPECT_TRUE(events_.empty());
  EXPECT_TRUE(area_.present);  // the icon's own state is untouched
}

TEST_F(TrayFrame, SendingToTheTrayHidesTheApplicationAndADoubleClickBringsItBack) {
  frame_->setTrayIcon(tray_);
  // Taken over: hidden until the window goes to the tray, the frame's menu,
  // and a double click returns.
  EXPECT_FALSE(tray_->IconVisible());
  EXPECT_FALSE(area_.present);
  EXPECT_FALSE(tray_->MinimizeToTray);
  ASSERT_EQ(tray_->PopupMenu(), &frame_->TrayPopupMenu());
  const ui::MenuItem& items = frame_->TrayPopupMenu().items();
  ASSERT_EQ(items.count(), 3);
  EXPECT_EQ(items.item(0)->caption(), "恢复(&R)");
  EXPECT_TRUE(items.item(1)->isLine());
  EXPECT_EQ(items.item(2)->caption(), "关闭(&C)");
  EXPECT_EQ(items.item(2)->shortCutText(), "Alt+F4");

  frame_->RunSystemMenuAction(skin::SystemMenuAction::MinimizeToTray);
  EXPECT_TRUE(ui::Application::instance().minimized());
  EXPECT_FALSE(main_->visible());
  EXPECT_FALSE(other_->visible());
  EXPECT_TRUE(area_.present);
  EXPECT_EQ(events_, (std::vector<std::string>{"to tray"}));

  tray_->HandleTrayAction(skin::TrayAction::LeftDown);
  tray_->HandleTrayAction(skin::TrayAction::LeftUp);
  tray_->HandleTrayAction(skin::TrayAction::LeftDblClick);
  EXPECT_FALSE(ui::Application::instance().minimized());
  EXPECT_TRUE(shown());
  EXPECT_EQ(main_->windowState(), ui::WindowState::wsNormal);
  EXPECT_FALSE(area_.present);
  EXPECT_FALSE(tray_->MinimizeToTray);
  EXPECT_EQ(events_, (std::vector<std::string>{"to tray", "from tray"}));

  // The minimize command with AlwaysMinimizeToTray, and the tray menu's
  // restore item; the icon stays with AlwaysShowInTray.
  frame_->AlwaysMinimizeToTray = true;
  frame_->AlwaysShowInTray = true;
  frame_->RunSystemMenuAction(skin::SystemMenuAction::Minimize);
  EXPECT_FALSE(shown());
  frame_->TrayPopupMenu().items().item(0)->click();
  EXPECT_TRUE(shown());
  EXPECT_TRUE(area_.present);
}

TEST_F(TrayFrame, ATrayIconDestroyedFirstLeavesTheFrameWithoutOne) {
  frame_->setTrayIcon(tray_);
  delete tray_;
  EXPECT_EQ(frame_->TrayIcon(), nullptr);
  frame_->SendToTray();
  EXPECT_TRUE(shown());
  // And an icon that outlives its frame keeps nothing of it.
  tray_ = new skin::TbsTrayIcon(main_, &clock_,
                                std::make_unique<traytest::FakeNotificationArea>(area_));
  frame_->setTrayIcon(tray_);
  delete frame_;
  EXPECT_EQ(tray_->PopupMenu(), nullptr);
  EXPECT_FALSE(tray_->OnDblClick);
}

}  // namespace

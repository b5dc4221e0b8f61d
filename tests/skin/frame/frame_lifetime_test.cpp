// Windows closed and destroyed by events that run while the frame or the
// notification-area icon processes pending events (the fade-in, the icon
// opening its menu, the menu's first level fading in, the system menu, an
// open menu), and skinned controls and components that rebuild themselves
// while the frame tells them of a skin change. Nothing freed is touched
// afterwards; the sanitizer configuration runs these too.
#include <gtest/gtest.h>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "skin/frame/form_frame.h"
#include "skin/popup/fake_notification_area.h"
#include "skin/popup/tray_icon.h"
#include "support/qt_wait.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/scheduler.h"
#include "ui/win_control.h"
#include "ui/window_opacity.h"

namespace {

using skin::TbsFormFrame;
using skin::TrayAction;

// Runs fn when the window receives a timer message of the given timer,
// before the window's procedure and the hooks installed earlier see it.
class OnTimer : public ui::MessageHook {
 public:
  OnTimer(int timer, std::function<void()> fn) : timer_(timer), fn_(std::move(fn)) {}

 protected:
  void hookMessage(ui::Message& m) override {
    if (m.id == ui::WM_TIMER && static_cast<int>(m.wparam) == timer_ && fn_) {
      std::function<void()> fn = std::move(fn_);
      fn_ = nullptr;
      fn();
    }
    callPrevious(m);
  }

 private:
  int timer_;
  std::function<void()> fn_;
};

class Lifetime : public ::testing::Test {
 protected:
  Lifetime() {
    form_ = new ui::Form();
    form_->setBounds(100, 100, 300, 200);
    frame_ = new TbsFormFrame(form_);
  }
  ~Lifetime() override {
    delete form_;
    ui::SetLayeredWindowsAvailable(std::nullopt);
  }

  // A zero-length timer that destroys the form (or only its frame): it
  // fires at the next processing of pending events.
  void destroyFormSoon() {
    QTimer::singleShot(0, [this] {
      delete form_;
      form_ = nullptr;
      frame_ = nullptr;
    });
  }
  void destroyFrameSoon() {
    QTimer::singleShot(0, [this] {
      delete frame_;
      frame_ = nullptr;
    });
  }
  skin::TbsTrayIcon* addTrayIcon() {
    auto* tray = new skin::TbsTrayIcon(form_, &clock_,
                                       std::make_unique<traytest::FakeNotificationArea>(area_));
    frame_->setTrayIcon(tray);
    return tray;
  }

  ui::ManualScheduler clock_;
  traytest::FakeNotificationArea::Record area_;
  ui::Form* form_;
  TbsFormFrame* frame_;
};

TEST_F(Lifetime, AFormOrFrameDestroyedDuringTheFadeInIsNotTouchedAgain) {
  for (const bool wholeForm : {true, false}) {
    SCOPED_TRACE(wholeForm ? "form" : "frame");
    if (form_ == nullptr) {
      form_ = new ui::Form();
      form_->setBounds(100, 100, 300, 200);
      frame_ = new TbsFormFrame(form_);
    }
    ui::SetLayeredWindowsAvailable(true);
    frame_->AlphaBlendAnimation = true;
    // The fade-in processes pending events before its steps: the timer
    // started just before it fires then.
    OnTimer trigger(TbsFormFrame::kFadeTimer, [&] {
      if (wholeForm) {
        destroyFormSoon();
      } else {
        destroyFrameSoon();
      }
    });
    form_->installHook(&trigger);
    form_->show();
    WAIT_TRUE(frame_ == nullptr, 2000);
    if (!wholeForm) {
      // The form lives on without its frame.
      ASSERT_NE(form_, nullptr);
      EXPECT_TRUE(form_->visible());
      form_->removeHook(&trigger);
      delete form_;
      form_ = nullptr;
    }
  }
}

TEST_F(Lifetime, AFormDestroyedWhileItsTrayIconOpensTheMenuIsNotTouchedAgain) {
  skin::TbsTrayIcon* tray = addTrayIcon();
  // The press is told before the menu opens; the icon then processes
  // pending events, and the timer started by the press destroys the form
  // and the icon with it.
  tray->OnMouseDown = [this](skin::TbsTrayIcon&, ui::MouseButton, unsigned, int, int) {
    destroyFormSoon();
  };
  tray->HandleTrayAction(TrayAction::RightDown);
  EXPECT_EQ(form_, nullptr);
}

TEST_F(Lifetime, AFormDestroyedWhileTheTrayMenuFadesInIsNotTouchedAgain) {
  ui::SetLayeredWindowsAvailable(true);
  frame_->setMenusAlphaBlend(true);
  frame_->setMenusAlphaBlendAnimation(true);
  skin::TbsTrayIcon* tray = addTrayIcon();
  // The first level of a fading menu processes pending events before it
  // shows: the timer started as the menu pops up fires then.
  frame_->TrayPopupMenu().onPopup = [this](ui::PopupMenu&) { destroyFormSoon(); };
  tray->HandleTrayAction(TrayAction::RightDown);
  EXPECT_EQ(form_, nullptr);
}

TEST_F(Lifetime, AFormDestroyedWhileItsSystemMenuFadesInIsNotTouchedAgain) {
  ui::SetLayeredWindowsAvailable(true);
  frame_->setMenusAlphaBlend(true);
  frame_->setMenusAlphaBlendAnimation(true);
  frame_->OnSkinMenuOpen = [this](TbsFormFrame&) { destroyFormSoon(); };
  frame_->ShowSystemMenu({150, 150, 150, 150});
  EXPECT_EQ(form_, nullptr);
}

TEST_F(Lifetime, AFormDestroyedWhileTheTrayMenuIsOpenLeavesNothingBehind) {
  skin::TbsTrayIcon* tray = addTrayIcon();
  form_->show();
  tray->HandleTrayAction(TrayAction::RightDown);
  ASSERT_TRUE(frame_->SkinMenu().Visible());
  destroyFormSoon();
  WAIT_TRUE(form_ == nullptr, 2000);
  // The levels' timers and the purge of closed levels come and go.
  QTest::qWait(150);
}

// A skinned control or component that counts the skin-change calls it hears.
struct Calls {
  int before = 0;
  int after = 0;
};

class CountingControl : public ui::WinControl, public skin::SkinChangeReceiver {
 public:
  CountingControl(ui::WinControl* parent, skin::TbsSkinData* data, Calls* calls)
      : ui::WinControl(nullptr), data_(data), calls_(calls) {
    setParent(parent);
  }
  skin::TbsSkinData* receiverSkinData() const override { return data_; }
  void BeforeChangeSkinData() override {
    if (calls_ != nullptr) ++calls_->before;
  }
  void ChangeSkinData() override {
    if (calls_ != nullptr) ++calls_->after;
    if (onChange) onChange(*this);
  }
  std::function<void(CountingControl&)> onChange;

 private:
  skin::TbsSkinData* data_;
  Calls* calls_;
};

class CountingComponent : public skin::TbsSkinComponent {
 public:
  CountingComponent(ui::Component* owner, Calls* calls)
      : skin::TbsSkinComponent(owner), calls_(calls) {}
  void BeforeChangeSkinData() override { ++calls_->before; }
  void ChangeSkinData() override {
    ++calls_->after;
    if (onChange) onChange();
  }
  std::function<void()> onChange;

 private:
  Calls* calls_;
};

TEST_F(Lifetime, ControlsAndComponentsThatRebuildDuringASkinChangeAreWalkedSafely) {
  skin::TbsSkinData data;
  Calls rebuilderCalls, victimCalls, lastCalls, childCalls, componentCalls, goneCalls,
      newComponentCalls;  // new ones may take a freed one's place and hear the change
  // The rebuilder replaces its children with new ones and frees the sibling
  // placed after it; its children and the form's controls are then lists
  // that changed while they were walked.
  auto* rebuilder = new CountingControl(form_, &data, &rebuilderCalls);
  for (int i = 0; i < 3; ++i) new CountingControl(rebuilder, &data, &childCalls);
  auto* victim = new CountingControl(form_, &data, &victimCalls);
  new CountingControl(form_, &data, &lastCalls);
  rebuilder->onChange = [&](CountingControl& self) {
    while (!self.controls().empty()) delete self.controls().back();
    for (int i = 0; i < 40; ++i) new CountingControl(&self, &data, nullptr);
    if (victim != nullptr) {
      delete victim;
      victim = nullptr;
      // More controls than the list had room for.
      for (int i = 0; i < 40; ++i) new CountingControl(form_, &data, nullptr);
    }
  };
  // A component that frees the one after it and adds new ones.
  auto* rebuilding = new CountingComponent(form_, &componentCalls);
  CountingComponent* gone = new CountingComponent(form_, &goneCalls);
  rebuilding->onChange = [&] {
    if (gone == nullptr) return;
    delete gone;
    gone = nullptr;
    for (int i = 0; i < 40; ++i) new CountingComponent(form_, &newComponentCalls);
  };

  form_->perform(skin::SkinChanging, ui::ToParam(&data));
  form_->perform(skin::SkinChanged, ui::ToParam(&data));
  EXPECT_EQ(rebuilderCalls.before, 1);
  EXPECT_EQ(rebuilderCalls.after, 1);
  EXPECT_EQ(childCalls.before, 3);
  EXPECT_EQ(childCalls.after, 0);  // freed before their turn
  EXPECT_EQ(victim, nullptr);
  EXPECT_EQ(victimCalls.after, 0);
  EXPECT_EQ(lastCalls.after, 1);
  EXPECT_EQ(componentCalls.after, 1);
  EXPECT_EQ(gone, nullptr);
  EXPECT_EQ(goneCalls.before, 1);
  EXPECT_EQ(goneCalls.after, 0);
}

}  // namespace

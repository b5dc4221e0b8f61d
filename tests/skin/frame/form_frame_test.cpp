// The frame on real forms under the offscreen platform: the non-client
// size, hit codes, caption buttons, double-clicks, minimized slots, the
// maximized move lock, snapping, fade-in, skins applied and switched.
#include "skin/frame/form_frame.h"

#include <gtest/gtest.h>
#include <QCursor>
#include <QTest>

#include "resources/builtin_skins.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/frame/window_states.h"
#include "support/qt_wait.h"
#include "ui/application.h"
#include "ui/monitor.h"
#include "ui/scheduler.h"
#include "ui/window_opacity.h"

namespace {

using skin::FrameWindowState;
using skin::TbsFormFrame;

class FramedForm : public ::testing::Test {
 protected:
  FramedForm() {
    form_ = new ui::Form();
    form_->setBounds(100, 100, 300, 200);
    frame_ = new TbsFormFrame(form_);
  }
  ~FramedForm() override { delete form_; }

  void showActive(ui::Form* f) {
    f->show();
    f->activate();
    WAIT_TRUE(f->active(), 2000);
  }
  int hit(int x, int y) {  // window coordinates
    return static_cast<int>(
        form_->perform(ui::WM_NCHITTEST, 0, ui::PackPoint(form_->left() + x, form_->top() + y)));
  }
  void click(unsigned down, unsigned up, int code, gfx::Point windowPoint) {
    const auto p = ui::PackPoint(form_->left() + windowPoint.x, form_->top() + windowPoint.y);
    form_->perform(down, code, p);
    form_->perform(up, code, p);
  }
  gfx::Point centreOf(const char* idName) const {
    for (const auto& o : frame_->FrameObjects()) {
      if (o->IDName == idName) {
        return {o->ObjectRect.left + o->ObjectRect.width() / 2,
                o->ObjectRect.top + o->ObjectRect.height() / 2};
      }
    }
    ADD_FAILURE() << "no object " << idName;
    return {};
  }

  ui::Form* form_;
  TbsFormFrame* frame_;
};

TEST_F(FramedForm, TheDefaultFrameLeavesRoomForItsCaptionAndBorder) {
  EXPECT_FALSE(frame_->HasSkin());
  EXPECT_EQ(form_->clientAreaInWindow(), (gfx::Rect{3, 22, 297, 197}));
  EXPECT_EQ(hit(0, 0), ui::HTTOPLEFT);
  EXPECT_EQ(hit(299, 100), ui::HTRIGHT);
  EXPECT_EQ(hit(100, 10), ui::HTCAPTION);
  EXPECT_EQ(hit(100, 100), ui::HTCLIENT);
  EXPECT_EQ(hit(centreOf("closebutton").x, centreOf("closebutton").y), ui::HTOBJECT);
  // Without a border the client area is the whole window.
  form_->setBorderStyle(ui::BorderStyle::bsNone);
  EXPECT_EQ(form_->clientAreaInWindow(), (gfx::Rect{0, 0, 300, 200}));
}

TEST_F(FramedForm, TheClientBackgroundCarriesTheLogoAndTheFormCursorCanRuleTheFrame) {
  gfx::Bitmap logo(4, 2);
  logo.fill(gfx::kRed);
  logo.setPixel(0, 1, gfx::kWhite);  // the bottom-left colour: transparent
  frame_->LogoBitMap = logo;
  frame_->LogoBitMapTransparent = true;
  gfx::Bitmap client(20, 10);
  client.fill(gfx::kBlack);
  gfx::Canvas canvas(client);
  form_->perform(ui::WM_ERASEBKGND, ui::ToParam(&canvas));
  // Face everywhere, the logo at (10 - 2, 5 - 1) without its white pixel.
  EXPECT_EQ(client.pixel(0, 0), gfx::SystemColor(gfx::SysColor::ButtonFace));
  EXPECT_EQ(client.pixel(8, 4), gfx::kRed);
  EXPECT_EQ(client.pixel(11, 5), gfx::kRed);
  EXPECT_EQ(client.pixel(8, 5), gfx::SystemColor(gfx::SysColor::ButtonFace));

  frame_->UseFormCursorInNCArea = true;
  ui::Message caption{ui::WM_SETCURSOR, ui::HTCAPTION, 0, 0};
  form_->windowProc(caption);
  EXPECT_EQ(caption.wparam, ui::HTCLIENT);
  ui::Message border{ui::WM_SETCURSOR, ui::HTLEFT, 0, 0};
  form_->windowProc(border);
  EXPECT_EQ(border.wparam, ui::HTLEFT);
}

TEST_F(FramedForm, ACaptionButtonRunsItsCommandOnceWhenReleasedOverIt) {
  showActive(form_);
  const gfx::Rect before = form_->boundsRect();
  const gfx::Point max = centreOf("maxbutton");
  click(ui::WM_NCLBUTTONDOWN, ui::WM_NCLBUTTONUP, ui::HTOBJECT, max);
  EXPECT_EQ(frame_->FrameState(), FrameWindowState::Maximized);
  const gfx::Size screen = ui::PrimaryScreenSize();
  EXPECT_EQ(form_->boundsRect(),
            skin::MaximizeTarget(ui::MonitorRect(*form_), ui::MonitorWorkArea(*form_),
                                 {0, 0, screen.width, screen.height}, false));
  // Pressed over the (now restore) button, released elsewhere: nothing.
  const gfx::Point restore = centreOf("maxbutton");
  // The window system hit-tests the pointer before every press; that starts
  // the frame's hover tracking.
  form_->perform(ui::WM_NCHITTEST, 0,
                 ui::PackPoint(form_->left() + restore.x, form_->top() + restore.y));
  form_->perform(ui::WM_NCLBUTTONDOWN, ui::HTOBJECT,
                 ui::PackPoint(form_->left() + restore.x, form_->top() + restore.y));
  EXPECT_EQ(frame_->pointer().PressedObject, 1);
  EXPECT_TRUE(form_->hasCapture());
  // The pointer leaves the button: the hover tick lets it go.
  QCursor::setPos(form_->left() + 100, form_->top() + 100);
  const skin::TbsActiveSkinObject& b = *frame_->FrameObjects()[1];
  WAIT_TRUE(!b.Lit, 2000);
  form_->perform(ui::WM_LBUTTONUP, 0, ui::PackPoint(-1, -1));
  EXPECT_EQ(frame_->FrameState(), FrameWindowState::Maximized);
  EXPECT_FALSE(form_->hasCapture());
  // Released over it: restored to where it was.
  click(ui::WM_NCLBUTTONDOWN, ui::WM_NCLBUTTONUP, ui::HTOBJECT, restore);
  EXPECT_EQ(frame_->FrameState(), FrameWindowState::Normal);
  EXPECT_EQ(form_->boundsRect(), before);
}

TEST_F(FramedForm, DoubleClickingTheCaptionMaximizesASizeableFormAndRollsUpADialog) {
  showActive(form_);
  const gfx::Rect before = form_->boundsRect();
  click(ui::WM_NCLBUTTONDBLCLK, ui::WM_NCLBUTTONUP, ui::HTCAPTION, {100, 10});
  EXPECT_EQ(frame_->FrameState(), FrameWindowState::Maximized);
  click(ui::WM_NCLBUTTONDBLCLK, ui::WM_NCLBUTTONUP, ui::HTCAPTION, {100, 10});
  EXPECT_EQ(frame_->FrameState(), FrameWindowState::Normal);
  EXPECT_EQ(form_->boundsRect(), before);

  form_->setBorderStyle(ui::BorderStyle::bsDialog);
  click(ui::WM_NCLBUTTONDBLCLK, ui::WM_NCLBUTTONUP, ui::HTCAPTION, {100, 10});
  EXPECT_TRUE(frame_->RolledUp());
  EXPECT_EQ(form_->height(), 19 + 6);  // the frame alone
  EXPECT_EQ(hit(100, 10), ui::HTCAPTION);
  click(ui::WM_NCLBUTTONDBLCLK, ui::WM_NCLBUTTONUP, ui::HTCAPTION, {100, 10});
  EXPECT_FALSE(frame_->RolledUp());
  EXPECT_EQ(form_->height(), 200);
}

TEST_F(FramedForm, AMaximizedFormCannotBeMovedAndAMagneticOneSnaps) {
  const gfx::Rect work = ui::MonitorWorkArea(*form_);
  frame_->Magnetic = true;
  const auto moving = [&](gfx::Rect r) {
    form_->perform(ui::WM_MOVING, 0, ui::ToParam(&r));
    return r;
  };
  EXPECT_EQ(moving(gfx::Rect::fromSize(work.left + 4, 300, 300, 200)).left, work.left);
  EXPECT_EQ(moving(gfx::Rect::fromSize(work.left + 5, 300, 300, 200)).left, work.left + 5);
  frame_->SetFrameState(FrameWindowState::Maximized);
  EXPECT_EQ(moving(gfx::Rect::fromSize(200, 200, 300, 200)), form_->boundsRect());
}

TEST_F(FramedForm, MinimizedFormsFillTheBottomRowFromTheLeft) {
  // The main form minimizes the application; these two are secondary.
  ui::Form* second = new ui::Form();
  second->setBounds(200, 200, 300, 200);
  auto* frame2 = new TbsFormFrame(second);
  ui::Form* third = new ui::Form();
  third->setBounds(250, 250, 300, 200);
  auto* frame3 = new TbsFormFrame(third);
  second->show();
  third->show();
  frame2->SetFrameState(FrameWindowState::Minimized);
  frame3->SetFrameState(FrameWindowState::Minimized);
  const gfx::Rect work = ui::MonitorWorkArea(*second);
  EXPECT_EQ(second->boundsRect(), (gfx::Rect::fromSize(work.left, work.bottom - 25, 120, 25)));
  EXPECT_EQ(third->boundsRect(), (gfx::Rect::fromSize(work.left + 120, work.bottom - 25, 120, 25)));
  frame3->SetFrameState(FrameWindowState::Normal);
  EXPECT_EQ(third->boundsRect(), (gfx::Rect::fromSize(250, 250, 300, 200)));
  delete third;
  delete second;
}

TEST_F(FramedForm, FadingInReachesFullOpacityAndLeavesTheTranslucentState) {
  ui::SetLayeredWindowsAvailable(true);
  frame_->AlphaBlendAnimation = true;
  form_->show();
  EXPECT_EQ(form_->alpha(), 0);
  WAIT_EQ(form_->alpha(), 255, 2000);
  EXPECT_FALSE(form_->timerRunning(TbsFormFrame::kFadeTimer));
  ui::SetLayeredWindowsAvailable(std::nullopt);
}

class SkinnedForm : public FramedForm {
 protected:
  SkinnedForm() : data_(nullptr, &windows_) {
    app::LoadBuiltinSkin(app::BuiltinSkins()[0], stored_[0]);
    app::LoadBuiltinSkin(app::BuiltinSkins()[4], stored_[1]);
  }
  skin::FormSkinWindows windows_;
  skin::TbsCompressedStoredSkin stored_[2];
  skin::TbsSkinData data_;
};

TEST_F(SkinnedForm, AppliesTheSkinAndFollowsASwitchWhileAButtonIsHeld) {
  frame_->setSkinData(&data_);
  EXPECT_FALSE(frame_->HasSkin());  // the skin data is still empty
  data_.setCompressedStoredSkin(&stored_[0]);
  ASSERT_TRUE(frame_->HasSkin());
  const skin::SkinFormInfo& f = data_.FormInfo();
  const gfx::Size pic{data_.Picture().width(), data_.Picture().height()};
  const gfx::Rect client = form_->clientAreaInWindow();
  EXPECT_EQ(client.left, f.clientRect.left);
  EXPECT_EQ(client.top, f.clientRect.top);
  EXPECT_EQ(form_->width() - client.right, pic.width - f.clientRect.right);
  EXPECT_EQ(form_->height() - client.bottom, pic.height - f.clientRect.bottom);
  EXPECT_EQ(form_->hasRegion(), !data_.MaskPicture().empty());
  EXPECT_FALSE(frame_->FrameObjects().empty());
  EXPECT_GE(form_->width(), frame_->MinFrameWidth());

  showActive(form_);
  const gfx::Point close = centreOf("closebutton");
  form_->perform(ui::WM_NCLBUTTONDOWN, ui::HTOBJECT,
                 ui::PackPoint(form_->left() + close.x, form_->top() + close.y));
  ASSERT_NE(frame_->pointer().PressedObject, -1);
  data_.setCompressedStoredSkin(&stored_[1]);
  EXPECT_TRUE(frame_->HasSkin());
  EXPECT_EQ(frame_->pointer().PressedObject, -1);
  EXPECT_FALSE(form_->hasCapture());
  for (const auto& o : frame_->FrameObjects()) {
    EXPECT_FALSE(o->MouseInside) << o->IDName;
  }
  // The release that follows finds nothing to run.
  form_->perform(ui::WM_LBUTTONUP, 0, ui::PackPoint(-1, -1));
  EXPECT_TRUE(form_->visible());

  // The shape: the client area belongs to the window; the top-left corner
  // does exactly when the mask's own corner pixel is black.
  if (!data_.MaskPicture().empty()) {
    const gfx::Region& region = form_->region();
    EXPECT_TRUE(region.contains({form_->width() / 2, form_->height() / 2}));
    EXPECT_EQ(region.contains({0, 0}), data_.MaskPicture().pixel(0, 0) == gfx::kBlack);
    EXPECT_EQ(region.contains({form_->width() - 1, 0}),
              data_.MaskPicture().pixel(data_.MaskPicture().width() - 1, 0) == gfx::kBlack);
  }

  // A frame paints at any size without failing.
  form_->setBounds(50, 50, 900, 700);
  EXPECT_FALSE(form_->frameImage().empty());
}

// The number n for which the frame showing n letters W and "..." looks
// exactly like the frame showing caption, or -1.
int EllipsisLength(ui::Form& form, const std::string& caption) {
  form.setCaption(caption);
  const gfx::Bitmap shown = form.frameImage();
  for (int n = 0; n <= 300; ++n) {
    form.setCaption(std::string(static_cast<std::size_t>(n), 'W') + "...");
    if (form.frameImage() == shown) return n;
  }
  return -1;
}

TEST_F(SkinnedForm, AVeryLongCaptionEndsInAnEllipsisWithoutHolding) {
  data_.setCompressedStoredSkin(&stored_[0]);
  frame_->setSkinData(&data_);
  ASSERT_TRUE(frame_->HasSkin());
  // What the frame shows of 10000 letters is a beginning of them ending in
  // "...", as wide as the caption allows: with one letter more the text no
  // longer fits and is shortened to the same picture.
  form_->setCaption(std::string(10000, 'W'));
  const gfx::Bitmap shown = form_->frameImage();
  const int skinned = EllipsisLength(*form_, std::string(10000, 'W'));
  EXPECT_GT(skinned, 0);
  form_->setCaption(std::string(static_cast<std::size_t>(skinned + 1), 'W') + "...");
  EXPECT_TRUE(form_->frameImage() == shown);
  // A short caption is shown as it is, without dots.
  EXPECT_EQ(EllipsisLength(*form_, "WW"), -1);

  frame_->setSkinData(nullptr);  // the default frame too
  EXPECT_FALSE(frame_->HasSkin());
  EXPECT_FALSE(form_->hasRegion());
  EXPECT_GT(EllipsisLength(*form_, std::string(10000, 'W')), 0);
}

TEST_F(SkinnedForm, ABorderlessFormHasNoFrameObjectsToHover) {
  data_.setCompressedStoredSkin(&stored_[0]);
  frame_->setSkinData(&data_);
  ASSERT_TRUE(frame_->HasSkin());
  const gfx::Point close = centreOf("closebutton");  // where the frame would have it
  form_->setBorderStyle(ui::BorderStyle::bsNone);
  showActive(form_);
  // The whole window is client area: the pointer there lights no object.
  EXPECT_EQ(hit(close.x, close.y), ui::HTCLIENT);
  EXPECT_EQ(hit(2, 2), ui::HTCLIENT);
  QCursor::setPos(form_->left() + close.x, form_->top() + close.y);
  form_->perform(ui::WM_TIMER, TbsFormFrame::kHoverTimer);
  QTest::qWait(120);  // further hover ticks
  form_->perform(ui::WM_TIMER, TbsFormFrame::kHoverTimer);
  EXPECT_EQ(frame_->pointer().HotObject, -1);
  for (const auto& o : frame_->FrameObjects()) EXPECT_FALSE(o->MouseInside) << o->IDName;
}

TEST_F(FramedForm, ADestroyedMenuSkinIsLetGo) {
  auto* menus = new skin::TbsSkinData();
  frame_->setMenusSkinData(menus);
  EXPECT_EQ(frame_->MenusSkin(), menus);
  delete menus;
  EXPECT_EQ(frame_->MenusSkinData(), nullptr);
  EXPECT_EQ(frame_->MenusSkin(), nullptr);

  // One skin for both: letting go of it as the frame's skin keeps it
  // watched as the menu skin, and the other way round.
  for (const bool frameSkinGoesFirst : {true, false}) {
    auto* both = new skin::TbsSkinData();
    frame_->setSkinData(both);
    frame_->setMenusSkinData(both);
    if (frameSkinGoesFirst) {
      frame_->setSkinData(nullptr);
    } else {
      frame_->setMenusSkinData(nullptr);
    }
    delete both;
    EXPECT_EQ(frame_->MenusSkinData(), nullptr);
    EXPECT_EQ(frame_->SkinData(), nullptr);
    EXPECT_EQ(frame_->MenusSkin(), nullptr);
  }
}

TEST_F(FramedForm, CaptionButtonHintsGoThroughTheSkinnedHint) {
  ui::ManualScheduler clock;
  skin::TbsSkinData noSkinYet;  // default hints need skin data, loaded or not
  frame_->setSkinData(&noSkinYet);
  auto* hint = new skin::TbsSkinHint(form_, &clock);
  frame_->setSkinHint(hint);
  frame_->ShowObjectHint = true;
  showActive(form_);
  const gfx::Point close = centreOf("closebutton");
  QCursor::setPos(form_->left() + close.x, form_->top() + close.y);
  WAIT_TRUE(frame_->pointer().HotObject == 0, 2000);
  clock.advance(800);
  ASSERT_TRUE(hint->textHintWindow().presented());
  EXPECT_EQ(hint->textHintWindow().text(), "关闭");
  // A press ends it.
  form_->perform(ui::WM_NCLBUTTONDOWN, ui::HTOBJECT,
                 ui::PackPoint(form_->left() + close.x, form_->top() + close.y));
  EXPECT_FALSE(hint->textHintWindow().presented());
  delete hint;
  EXPECT_EQ(frame_->SkinHint(), nullptr);
}

}  // namespace

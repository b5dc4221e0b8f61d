// The frame's menus on real forms under the offscreen platform: the system
// menu from a right press on the caption and from the system-menu button,
// its items for the window's state and their actions, menu mode taking the
// application's keys, the messages that close an open menu, and the tray
// menu shown by the frame's engine.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "skin/frame/form_frame.h"
#include "skin/popup/popup_window.h"
#include "support/qt_wait.h"
#include "ui/application.h"
#include "ui/keys.h"

namespace {

using skin::FrameWindowState;
using skin::TbsFormFrame;
using skin::TbsSkinPopupWindow;

class FrameMenuTest : public ::testing::Test {
 protected:
  FrameMenuTest() {
    form_ = new ui::Form();
    form_->setBounds(100, 100, 300, 200);
    frame_ = new TbsFormFrame(form_);
    frame_->SkinMenu().setScheduler(&clock_);
    frame_->OnSkinMenuOpen = [this](TbsFormFrame&) { events_.push_back("open"); };
    frame_->OnSkinMenuClose = [this](TbsFormFrame&) { events_.push_back("close"); };
  }
  ~FrameMenuTest() override { delete form_; }  // null when a test freed it

  void showActive() {
    form_->show();
    form_->activate();
    WAIT_TRUE(form_->active(), 2000);
  }
  skin::TbsSkinMenu& menu() { return frame_->SkinMenu(); }
  int levels() { return static_cast<int>(menu().PopupStack().size()); }
  TbsSkinPopupWindow& level(int i) { return *menu().PopupStack().at(static_cast<std::size_t>(i)); }
  std::vector<std::string> names(int i) {
    std::vector<std::string> out;
    for (const auto& item : level(i).items())
      out.push_back(item->menuItem()->isLine() ? "-" : item->menuItem()->name());
    return out;
  }
  gfx::Rect objectRect(const char* idName) const {
    for (const auto& o : frame_->FrameObjects())
      if (o->IDName == idName) return o->ObjectRect;
    ADD_FAILURE() << "no object " << idName;
    return {};
  }
  // The message as the application's filter sees it; true when taken.
  bool filtered(unsigned id, ui::MessageParam wparam = 0, ui::MessageParam lparam = 0) {
    ui::QueuedMessage q{form_->widget(), {id, wparam, lparam, 0}};
    return ui::Application::instance().filterMessage(q);
  }
  void rightPressOnCaption(gfx::Point screen) {
    form_->perform(ui::WM_NCRBUTTONDOWN, ui::HTCAPTION, ui::PackPoint(screen));
    form_->perform(ui::WM_NCRBUTTONUP, ui::HTCAPTION, ui::PackPoint(screen));
  }

  ui::ManualScheduler clock_;
  ui::Form* form_;
  TbsFormFrame* frame_;
  std::vector<std::string> events_;
};

TEST_F(FrameMenuTest, ARightPressOnTheCaptionOpensTheSystemMenuOfTheWindowsStateAtThePointer) {
  showActive();
  struct Row {
    const char* name;
    FrameWindowState state;
    std::vector<std::string> items;
  };
  const Row rows[] = {
      {"normal",
       FrameWindowState::Normal,
       {"FRM_MINITEM", "FRM_MAXITEM", "FRM_ROLLUP", "-", "FRM_CLOSE"}},
      {"maximized",
       FrameWindowState::Maximized,
       {"FRM_MINITEM", "FRM_RESTORE", "FRM_ROLLUP", "-", "FRM_CLOSE"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    frame_->SetFrameState(row.state);
    const gfx::Point p{form_->left() + 60, form_->top() + 10};
    rightPressOnCaption(p);
    ASSERT_EQ(levels(), 1);
    EXPECT_EQ(names(0), row.items);
    EXPECT_EQ(level(0).left(), p.x);
    EXPECT_EQ(level(0).top(), p.y);
    EXPECT_TRUE(frame_->InMenuMode());
    EXPECT_FALSE(level(0).item(0)->menuItem()->caption().empty());
    EXPECT_TRUE(filtered(ui::WM_KEYDOWN, ui::VK_ESCAPE));
    EXPECT_EQ(levels(), 0);
    EXPECT_FALSE(frame_->InMenuMode());
  }
  EXPECT_EQ(events_, (std::vector<std::string>{"open", "close", "open", "close"}));
}

TEST_F(FrameMenuTest, ChoosingASystemMenuItemRunsItsAction) {
  rightPressOnCaption({form_->left() + 60, form_->top() + 10});
  ASSERT_EQ(levels(), 1);
  // "最大化(&X)" by its accelerator.
  EXPECT_TRUE(filtered(ui::WM_KEYDOWN, 'X'));
  EXPECT_EQ(frame_->FrameState(), FrameWindowState::Maximized);
  EXPECT_EQ(levels(), 0);
  EXPECT_FALSE(frame_->InMenuMode());
  // Then restore, by pointer: a release on the item.
  rightPressOnCaption({form_->left() + 60, form_->top() + 10});
  ASSERT_EQ(names(0).at(1), "FRM_RESTORE");
  const gfx::Rect r = level(0).item(1)->ObjectRect;
  level(0).perform(ui::WM_LBUTTONUP, 0, ui::PackPoint(r.left + 3, r.top + 3));
  EXPECT_EQ(frame_->FrameState(), FrameWindowState::Normal);
  EXPECT_FALSE(frame_->InMenuMode());
}

TEST_F(FrameMenuTest, TheApplicationsSystemMenuGetsTheFramesItemsAroundItsOwn) {
  ui::PopupMenu app;
  int ran = 0;
  for (const char* name : {"about", "FRM_CLOSE"}) {  // an own item named like the frame's goes
    auto* item = new ui::MenuItem();
    item->setName(name);
    item->setCaption(name);
    item->onClick = [&ran](ui::MenuItem&) { ++ran; };
    app.items().add(item);
  }
  frame_->setSystemMenu(&app);
  const gfx::Point p{form_->left() + 60, form_->top() + 10};
  const std::vector<std::string> merged{"FRM_MINITEM", "FRM_MAXITEM", "FRM_ROLLUP", "about",
                                        "FRM_CLOSE"};
  rightPressOnCaption(p);
  ASSERT_EQ(levels(), 1);
  EXPECT_EQ(names(0), merged);
  EXPECT_TRUE(filtered(ui::WM_KEYDOWN, ui::VK_ESCAPE));
  // Opened again in another state: the frame's items follow it, nothing doubles.
  frame_->SetFrameState(FrameWindowState::Maximized);
  rightPressOnCaption(p);
  EXPECT_EQ(names(0), (std::vector<std::string>{"FRM_MINITEM", "FRM_RESTORE", "FRM_ROLLUP", "about",
                                                "FRM_CLOSE"}));
  // The application's own item keeps its action.
  const gfx::Rect r = level(0).item(3)->ObjectRect;
  level(0).perform(ui::WM_LBUTTONUP, 0, ui::PackPoint(r.left + 3, r.top + 3));
  EXPECT_EQ(ran, 1);

  // Without the default items the application's menu shows as it is.
  frame_->UseDefaultSysMenu = false;
  app.items().clear();
  auto* only = new ui::MenuItem();
  only->setName("help");
  app.items().add(only);
  rightPressOnCaption(p);
  ASSERT_EQ(levels(), 1);
  EXPECT_EQ(names(0), (std::vector<std::string>{"help"}));
  EXPECT_TRUE(filtered(ui::WM_KEYDOWN, ui::VK_ESCAPE));
}

TEST_F(FrameMenuTest, AFreedApplicationSystemMenuFallsBackToTheFramesOwn) {
  auto* app = new ui::PopupMenu();
  frame_->setSystemMenu(app);
  delete app;
  EXPECT_EQ(frame_->SystemMenu(), nullptr);
  rightPressOnCaption({form_->left() + 60, form_->top() + 10});
  ASSERT_EQ(levels(), 1);
  EXPECT_EQ(names(0).back(), "FRM_CLOSE");
  EXPECT_TRUE(filtered(ui::WM_KEYDOWN, ui::VK_ESCAPE));
}

TEST_F(FrameMenuTest, TheSystemMenuButtonStaysDownWhileItsMenuIsOpen) {
  // Objects follow the pointer of an active window only.
  showActive();
  const gfx::Rect b = objectRect("sysmenubutton");
  const auto at = ui::PackPoint(form_->left() + b.left + 2, form_->top() + b.top + 2);
  form_->perform(ui::WM_NCHITTEST, 0, at);
  form_->perform(ui::WM_NCLBUTTONDOWN, ui::HTOBJECT, at);
  ASSERT_EQ(levels(), 1);
  // Below the button.
  EXPECT_EQ(level(0).top(), form_->top() + b.bottom);
  EXPECT_EQ(level(0).left(), form_->left() + b.left);
  auto* button = dynamic_cast<skin::TbsSkinButtonObject*>(
      frame_->FrameObjects()[static_cast<std::size_t>(frame_->pointer().PressedObject)].get());
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->IDName, "sysmenubutton");
  form_->perform(ui::WM_NCLBUTTONUP, ui::HTOBJECT, at);
  EXPECT_TRUE(button->Down);
  EXPECT_EQ(levels(), 1);
  EXPECT_TRUE(filtered(ui::WM_KEYDOWN, ui::VK_ESCAPE));
  EXPECT_EQ(levels(), 0);
  EXPECT_FALSE(button->Down);
  EXPECT_FALSE(frame_->InMenuMode());
}

TEST_F(FrameMenuTest, KeysGoToTheMenuOnlyInMenuMode) {
  EXPECT_FALSE(filtered(ui::WM_KEYDOWN, ui::VK_DOWN));
  rightPressOnCaption({form_->left() + 60, form_->top() + 10});
  ASSERT_EQ(level(0).SelectedItem(), 0);
  EXPECT_TRUE(filtered(ui::WM_KEYDOWN, ui::VK_DOWN));
  EXPECT_EQ(level(0).SelectedItem(), 1);
  EXPECT_TRUE(filtered(ui::WM_MOUSEWHEEL, 120 << 16));
  EXPECT_FALSE(filtered(ui::WM_KEYUP, ui::VK_DOWN));
  // The menu key ends menu mode and leaves the level open until the next press.
  ui::Message key{ui::WM_SYSCOMMAND, ui::SC_KEYMENU, 0, 0};
  form_->windowProc(key);
  EXPECT_FALSE(frame_->InMenuMode());
  EXPECT_EQ(levels(), 1);
  EXPECT_FALSE(filtered(ui::WM_KEYDOWN, ui::VK_DOWN));
  EXPECT_EQ(level(0).SelectedItem(), 1);
  form_->perform(ui::WM_LBUTTONDOWN, 0, ui::PackPoint(10, 10));
  EXPECT_EQ(levels(), 0);
}

TEST_F(FrameMenuTest, TheWindowsMovesSizesActivationAndPressesCloseAnOpenMenu) {
  const unsigned closing[] = {ui::WM_MOVE,          ui::WM_SIZE,        ui::WM_ACTIVATE,
                              ui::WM_KILLFOCUS,     ui::WM_CANCELMODE,  ui::WM_MOUSEACTIVATE,
                              ui::WM_LBUTTONDOWN,   ui::WM_RBUTTONDOWN, ui::WM_NCLBUTTONDOWN,
                              ui::WM_NCRBUTTONDOWN, ui::WM_MBUTTONDOWN, ui::WM_LBUTTONDBLCLK};
  for (unsigned id : closing) {
    SCOPED_TRACE(id);
    frame_->ShowSystemMenu({150, 150, 150, 150});
    ASSERT_EQ(levels(), 1);
    form_->perform(id, id == ui::WM_NCLBUTTONDOWN || id == ui::WM_NCRBUTTONDOWN ? ui::HTBORDER : 0,
                   ui::PackPoint(form_->left() + 1, form_->top() + 100));
    EXPECT_EQ(levels(), 0);
    EXPECT_FALSE(frame_->InMenuMode());
  }
  // A press in any other window, a child control's or another form's, ends it too.
  ui::Form other;
  frame_->ShowSystemMenu({150, 150, 150, 150});
  ui::QueuedMessage press{other.widget(), {ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, 0, 0}};
  EXPECT_FALSE(ui::Application::instance().filterMessage(press));
  EXPECT_EQ(levels(), 0);
  // A press on the open level itself does not.
  frame_->ShowSystemMenu({150, 150, 150, 150});
  ui::QueuedMessage onLevel{level(0).widget(), {ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, 0, 0}};
  ui::Application::instance().filterMessage(onLevel);
  EXPECT_EQ(levels(), 1);
}

TEST_F(FrameMenuTest, TheTrayMenuIsShownByTheFramesEngine) {
  skin::TbsSkinPopupMenu& tray = frame_->TrayPopupMenu();
  tray.popup(200, 220);
  ASSERT_EQ(levels(), 1);
  EXPECT_EQ(names(0), (std::vector<std::string>{"TRAY_FRM_RESTORE", "-", "TRAY_FRM_CLOSE"}));
  EXPECT_EQ(level(0).left(), 200);
  EXPECT_EQ(level(0).top(), 220);
  EXPECT_TRUE(frame_->InMenuMode());
  skin::TbsSkinData data;
  frame_->setSkinData(&data);
  EXPECT_EQ(tray.SkinData(), &data);
  frame_->setSkinData(nullptr);
}

TEST_F(FrameMenuTest, AMenuWithNothingToShowLeavesNoMenuMode) {
  skin::TbsSkinPopupMenu hidden(form_);
  auto* item = new ui::MenuItem;
  item->setCaption("hidden");
  item->setVisible(false);
  hidden.items().add(item);
  hidden.popup(10, 10);
  EXPECT_EQ(levels(), 0);
  EXPECT_FALSE(frame_->InMenuMode());
  EXPECT_TRUE(events_.empty() || events_.back() == "close");
}

TEST_F(FrameMenuTest, AnItemThatFreesItsWindowRunsSafelyFromMenuMode) {
  skin::TbsSkinPopupMenu menu;
  menu.setOwnerWindow(form_);
  auto* item = new ui::MenuItem;
  item->setCaption("Free the window");
  item->onClick = [this](ui::MenuItem&) {
    delete form_;
    form_ = nullptr;
  };
  menu.items().add(item);
  menu.popup(10, 10);
  ASSERT_TRUE(frame_->InMenuMode());
  EXPECT_TRUE(filtered(ui::WM_KEYDOWN, ui::VK_RETURN));
  EXPECT_EQ(form_, nullptr);
  EXPECT_EQ(menu.OwnerWindow(), nullptr);
  // Nothing of the frame's menu mode is left in the application.
  ui::Form other;
  ui::QueuedMessage key{other.widget(), {ui::WM_KEYDOWN, ui::VK_DOWN, 0, 0}};
  EXPECT_FALSE(ui::Application::instance().filterMessage(key));
}

}  // namespace

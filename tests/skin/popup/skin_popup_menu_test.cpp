// The popup-menu component: which window's frame shows it, which skin it
// takes, the popup event, menu mode around it, and its skin reference.
#include "skin/popup/skin_popup_menu.h"

#include <vector>

#include <gtest/gtest.h>

#include "skin/popup/popup_window.h"
#include "ui/form.h"

namespace {

using skin::TbsSkinPopupMenu;

// A window frame as far as menus go: an engine, a menu mode and a menu skin.
class FakeFrame : public ui::Component, public skin::SkinMenuHost {
 public:
  explicit FakeFrame(ui::Form& form) : ui::Component(&form), menu_(form) {
    menu_.setScheduler(&clock_);
  }
  skin::TbsSkinMenu& SkinMenu() override { return menu_; }
  void EnterMenuMode() override {
    inMenuMode = true;
    ++entered;
  }
  void LeaveMenuMode() override {
    inMenuMode = false;
    ++left;
  }
  bool InMenuMode() const override { return inMenuMode; }
  skin::TbsSkinData* MenusSkin() const override { return menusSkin; }

  bool inMenuMode = false;
  int entered = 0, left = 0;
  skin::TbsSkinData* menusSkin = nullptr;

 private:
  ui::ManualScheduler clock_;
  skin::TbsSkinMenu menu_;
};

class PopupMenuTest : public ::testing::Test {
 protected:
  PopupMenuTest() : frame_(new FakeFrame(form_)) {}
  ~PopupMenuTest() override { frame_->SkinMenu().CloseFromLevel(0); }
  skin::TbsSkinMenu& engine() { return frame_->SkinMenu(); }
  static void fill(ui::PopupMenu& m) {
    auto* item = new ui::MenuItem;
    item->setCaption("Item");
    m.items().add(item);
  }

  ui::Form form_;
  FakeFrame* frame_;
};

TEST_F(PopupMenuTest, PopupFiresTheEventAndShowsBelowThePointThroughTheOwnersFrame) {
  auto* menu = new TbsSkinPopupMenu(&form_);
  fill(*menu);
  std::vector<bool> openAtEvent;
  menu->onPopup = [&](ui::PopupMenu&) { openAtEvent.push_back(engine().Visible()); };
  menu->popup(120, 130);
  EXPECT_EQ(openAtEvent, std::vector<bool>{false});  // fired before the showing
  ASSERT_EQ(engine().PopupStack().size(), 1u);
  EXPECT_EQ(engine().PopupStack()[0]->left(), 120);
  EXPECT_EQ(engine().PopupStack()[0]->top(), 130);
  EXPECT_TRUE(frame_->inMenuMode);
  EXPECT_EQ(engine().OpeningControl(), nullptr);

  // A second popup while open leaves menu mode first and enters it again.
  menu->Popup(200, 210);
  EXPECT_EQ(frame_->entered, 2);
  EXPECT_EQ(frame_->left, 1);
  EXPECT_EQ(engine().PopupStack()[0]->top(), 210);
}

TEST_F(PopupMenuTest, TheFrameIsFoundThroughTheOwnerWindowTheOwnerOrTheOwnersOwner) {
  ui::Component holder(&form_);  // not a window
  ui::Form other;
  struct Row {
    const char* name;
    ui::Component* owner;
    ui::Component* ownerWindow;
    bool shows;
  };
  const Row rows[] = {
      {"owned by the window", &form_, nullptr, true},
      {"owned by a component of the window", &holder, nullptr, true},
      {"owner window set", nullptr, &form_, true},
      {"owner window without a frame", &form_, &other, false},
      {"no owner", nullptr, nullptr, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TbsSkinPopupMenu menu(row.owner);
    menu.setOwnerWindow(row.ownerWindow);
    fill(menu);
    int events = 0;
    menu.onPopup = [&](ui::PopupMenu&) { ++events; };
    menu.Popup(50, 50);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(engine().Visible(), row.shows);
    EXPECT_EQ(frame_->inMenuMode, row.shows);
    engine().CloseFromLevel(0);
    frame_->inMenuMode = false;
  }
}

TEST_F(PopupMenuTest, PopupFromRectOpensForTheControlBesideTheRectangle) {
  TbsSkinPopupMenu menu(&form_);
  fill(menu);
  ui::Form button;
  menu.PopupFromRect(&button, {100, 300, 180, 320}, true);
  ASSERT_EQ(engine().PopupStack().size(), 1u);
  const auto& level = *engine().PopupStack()[0];
  EXPECT_EQ(level.top() + level.height(), 300);  // upward
  EXPECT_EQ(level.left(), 100);
  EXPECT_EQ(engine().OpeningControl(), &button);
}

TEST_F(PopupMenuTest, AnEditsMenuNeedsSomeSkinAndTakesItsOwnBeforeTheFrames) {
  TbsSkinPopupMenu menu(&form_);
  fill(menu);
  ui::Form edit;
  menu.PopupForEdit(&edit, 10, 10);
  EXPECT_FALSE(engine().Visible());
  EXPECT_FALSE(frame_->inMenuMode);

  skin::TbsSkinData frameSkin, ownSkin;
  frame_->menusSkin = &frameSkin;
  menu.PopupForEdit(&edit, 10, 10);
  EXPECT_TRUE(engine().Visible());
  EXPECT_EQ(engine().SkinData(), &frameSkin);
  EXPECT_EQ(engine().OpeningControl(), &edit);
  menu.setSkinData(&ownSkin);
  menu.Popup(10, 10);
  EXPECT_EQ(engine().SkinData(), &ownSkin);
  engine().CloseFromLevel(0);
  frame_->menusSkin = nullptr;
}

TEST_F(PopupMenuTest, TheSkinReferenceIsClearedWhenTheSkinIsDestroyed) {
  TbsSkinPopupMenu menu(&form_);
  auto* data = new skin::TbsSkinData;
  menu.setSkinData(data);
  delete data;
  EXPECT_EQ(menu.SkinData(), nullptr);
  fill(menu);
  menu.Popup(10, 10);  // shows in the plain look
  EXPECT_TRUE(engine().Visible());
}

}  // namespace

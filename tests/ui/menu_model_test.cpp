// The menu model, actions and image lists.
#include <gtest/gtest.h>

#include <string>

#include "ui/image_list.h"
#include "ui/keys.h"
#include "ui/menu_item.h"

namespace {

TEST(MenuModel, ShortCutTextsRoundTrip) {
  const struct {
    ui::ShortCut sc;
    const char* text;
  } rows[] = {
      {ui::MakeShortCut(ui::VK_F1 + 3, ui::scAlt), "Alt+F4"},
      {ui::MakeShortCut('N', ui::scCtrl | ui::scShift), "Shift+Ctrl+N"},
      {ui::MakeShortCut(ui::VK_RETURN, 0), "Enter"},
      {ui::MakeShortCut(ui::VK_DELETE, ui::scCtrl), "Ctrl+Del"},
      {0, ""},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ui::ShortCutToText(r.sc), r.text);
    EXPECT_EQ(ui::TextToShortCut(r.text), r.sc) << r.text;
  }
  EXPECT_EQ(ui::TextToShortCut("Ctrl+Nonsense"), 0);
}

TEST(MenuModel, ItemsTreeRadioGroupsAndRemoval) {
  ui::PopupMenu menu;
  auto* a = new ui::MenuItem;
  auto* b = new ui::MenuItem;
  auto* line = new ui::MenuItem;
  auto* sub = new ui::MenuItem;
  a->setCaption("课程配置");
  b->setCaption("关于系统");
  b->setVisible(false);
  line->setCaption("-");
  menu.items().add(a);
  menu.items().add(b);
  menu.items().add(line);
  a->add(sub);
  EXPECT_EQ(menu.items().count(), 3);
  EXPECT_TRUE(line->isLine());
  EXPECT_EQ(menu.items().visibleItems(), (std::vector<ui::MenuItem*>{a, line}));
  EXPECT_EQ(sub->parentItem(), a);

  a->setRadioItem(true);
  b->setRadioItem(true);
  a->setChecked(true);
  b->setChecked(true);
  EXPECT_FALSE(a->checked());
  EXPECT_TRUE(b->checked());

  delete b;  // leaves the tree
  EXPECT_EQ(menu.items().count(), 2);
  EXPECT_EQ(menu.items().indexOf(line), 1);
}

TEST(MenuModel, ActionsDriveItemsAndClicks) {
  ui::Action act;
  int executed = 0;
  act.onExecute = [&](ui::Action&) { ++executed; };
  act.setCaption("退出系统");
  ui::MenuItem item;
  item.setAction(&act);
  EXPECT_EQ(item.caption(), "退出系统");
  act.setEnabled(false);
  EXPECT_FALSE(item.enabled());
  item.click();
  EXPECT_EQ(executed, 0);
  act.setEnabled(true);
  item.click();
  EXPECT_EQ(executed, 1);
  // An item's own click handler wins over the action.
  int own = 0;
  item.onClick = [&](ui::MenuItem&) { ++own; };
  item.click();
  EXPECT_EQ(own, 1);
  EXPECT_EQ(executed, 1);
}

TEST(MenuModel, AnItemRunsItsActionsUpdateStepAndTakesItsStateOfTheMoment) {
  ui::Action act;
  int updates = 0;
  act.onUpdate = [&](ui::Action& a) {
    ++updates;
    a.setCaption("Close class " + std::to_string(updates));
    a.setChecked(updates % 2 == 1);
  };
  ui::MenuItem item;
  ui::MenuItem plain;
  plain.setCaption("plain");
  plain.updateFromAction();  // no action: nothing changes
  EXPECT_EQ(plain.caption(), "plain");
  item.setAction(&act);
  EXPECT_EQ(updates, 0);   // linking alone runs no update
  item.setEnabled(false);  // changed by hand since
  item.updateFromAction();
  EXPECT_EQ(updates, 1);
  EXPECT_EQ(item.caption(), "Close class 1");
  EXPECT_TRUE(item.checked());
  EXPECT_TRUE(item.enabled());
  item.updateFromAction();
  EXPECT_EQ(item.caption(), "Close class 2");
  EXPECT_FALSE(item.checked());
  // Without a handler the update step reports so.
  ui::Action idle;
  EXPECT_FALSE(idle.update());
  EXPECT_TRUE(act.update());
}

TEST(MenuModel, PopupMenuForgetsAFreedImageList) {
  ui::PopupMenu menu;
  auto* images = new ui::ImageList(nullptr, 8, 8);
  menu.setImages(images);
  auto* item = new ui::MenuItem;
  menu.items().add(item);
  EXPECT_EQ(item->images(), images);
  delete images;
  EXPECT_EQ(menu.images(), nullptr);
  EXPECT_EQ(item->images(), nullptr);
}

TEST(ImageLists, DrawByIndexMaskedAndGreyed) {
  ui::ImageList list(nullptr, 2, 2);
  gfx::Bitmap strip(4, 2);
  strip.fill(gfx::kRed);
  strip.setPixel(0, 0, gfx::kWhite);  // the key colour in the first cell
  EXPECT_EQ(list.addStrip(strip, true, gfx::kWhite), 0);
  EXPECT_EQ(list.count(), 2);

  gfx::Bitmap target(6, 2);
  target.fill(gfx::kBlack);
  {
    gfx::Canvas c(target);
    list.draw(c, 0, 0, 0);
    list.draw(c, 2, 0, 1, false);
    list.draw(c, 4, 0, 5);  // no such picture: nothing drawn
  }
  EXPECT_EQ(target.pixel(0, 0), gfx::kBlack);  // key left out
  EXPECT_EQ(target.pixel(1, 0), gfx::kRed);
  EXPECT_EQ(target.pixel(2, 0), gfx::SystemColor(gfx::SysColor::ButtonShadow));
  EXPECT_EQ(target.pixel(4, 0), gfx::kBlack);
}

}  // namespace

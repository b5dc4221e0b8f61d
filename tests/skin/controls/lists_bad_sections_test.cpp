// Lists against sections that are missing, of another kind or without
// their picture, and a list section whose scroll bar name is given empty:
// the default look (or the bar's default look), no crash.
#include <QTest>
#include <memory>

#include <gtest/gtest.h>

#include "skin/controls/combo_layout.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_list_box.h"
#include "skin/controls/skin_scroll_bar.h"
#include "test_skin.h"
#include "ui/form.h"

namespace {

using controlstest::CoordinatePicture;
using controlstest::TestSkin;

const char* kSections =
    "[wrongkind]\npictureindex=0\nskinrect=0,0,100,21\n"
    "[nobars]\npictureindex=0\nskinrect=0,0,80,60\nlefttoppoint=2,2\nrighttoppoint=78,2\n"
    "leftbottompoint=2,58\nrightbottompoint=78,58\nclientrect=2,2,78,58\n"
    "itemrect=100,0,140,18\nvscrollbarname=\n"
    "[lostbar]\npictureindex=5\nskinrect=0,0,17,80\nleftbottompoint=0,63\nlefttoppoint=0,17\n"
    "trackarea=0,17,17,63\n"
    "[nolist]\npictureindex=0\nskinrect=0,0,100,21\nlefttoppoint=3,0\nrighttoppoint=80,0\n"
    "clientrect=3,3,80,18\nbuttonrect=82,2,98,19\nlistboxname=missing\n";

class ListsOnBadSections : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = std::make_unique<TestSkin>(
        std::vector<std::string>{"wrongkind:button", "nobars:listbox", "lostbar:scrollbar",
                                 "nolist:combobox"},
        kSections, std::vector<gfx::Bitmap>{CoordinatePicture(200, 100, 7)});
    form_ = std::make_unique<ui::Form>();
    form_->setBounds(10, 10, 300, 240);
    form_->show();
  }
  template <class T>
  T* place(const std::string& section, int w, int h) {
    return controlstest::PlaceControl<T>(*form_, &skin_->data(), section, w, h);
  }
  std::unique_ptr<TestSkin> skin_;
  std::unique_ptr<ui::Form> form_;
};

TEST_F(ListsOnBadSections, ASectionOfAnotherKindGivesTheDefaultLook) {
  auto* combo = place<skin::TbsSkinComboBox>("wrongkind", 150, 20);
  combo->setItems({"a", "b"});
  combo->repaint();
  EXPECT_EQ(combo->SectionIndex(), -1);
  EXPECT_EQ(combo->places().button, skin::DefaultComboPlaces(150, 20).button);
  auto* bar = place<skin::TbsSkinScrollBar>("wrongkind", 200, 19);
  bar->repaint();
  EXPECT_EQ(bar->SectionIndex(), -1);
}

TEST_F(ListsOnBadSections, AnEmptyScrollBarNameGivesTheBarItsDefaultLook) {
  auto* list = place<skin::TbsSkinListBox>("nobars", 120, 100);
  std::vector<std::string> items(30, "row");
  list->setItems(items);
  ASSERT_NE(list->SectionIndex(), -1);
  EXPECT_EQ(list->ItemHeight(), 18);
  ASSERT_NE(list->vScrollBar(), nullptr);
  EXPECT_TRUE(list->vScrollBar()->visible());
  EXPECT_EQ(list->vScrollBar()->SkinDataName(), "");
  EXPECT_EQ(list->vScrollBar()->SectionIndex(), -1);
  EXPECT_EQ(list->vScrollBar()->width(), 19);
  list->repaint();
}

TEST_F(ListsOnBadSections, AMissingPictureOrListSectionFallsBack) {
  auto* bar = place<skin::TbsSkinScrollBar>("lostbar", 19, 120);
  bar->setKind(skin::TbsScrollBarKind::sbVertical);
  bar->repaint();
  EXPECT_EQ(bar->SectionIndex(), -1);
  EXPECT_EQ(bar->parts().up, (gfx::Rect{1, 1, bar->width() - 1, 17}));
  // The combo's list names a section that does not exist: the list opens
  // in its default look, 8 rows of the default 20 pixels.
  auto* combo = place<skin::TbsSkinComboBox>("nolist", 150, 20);
  std::vector<std::string> items(20, "item");
  combo->setItems(items);
  combo->DropDown();
  ASSERT_TRUE(combo->droppedDown());
  EXPECT_EQ(combo->popupList().SectionIndex(), -1);
  EXPECT_EQ(combo->popupList().height(), 8 * 20 + 4);
  combo->popupList().repaint();
  combo->CloseUp(false);
}

}  // namespace

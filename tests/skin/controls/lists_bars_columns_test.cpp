// List boxes beyond one column of rows: which scroll bars show and where
// (a horizontal extent wider than the rows, both bars with their corner),
// items in columns scrolled a column at a time, and the caption bar, as
// tables of the arithmetic; then lists on a shown form: rows scrolled
// sideways with the item pictures keeping their ends, the corner, columns
// driven by the bar and the keys, caption heights, and bad extents.
#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <climits>
#include <memory>

#include <gtest/gtest.h>

#include "resources/builtin_skins.h"
#include "skin/controls/list_box_layout.h"
#include "skin/controls/skin_list_box.h"
#include "skin/controls/skin_scroll_bar.h"
#include "skin/data/control_data.h"
#include "test_skin.h"
#include "ui/form.h"
#include "ui/graphics/color.h"
#include "ui/keys.h"

namespace {

using gfx::Rect;

TEST(ListBarsArithmetic, WhichBarsShowAndWhereTheRowsLie) {
  struct Row {
    const char* name;
    int count, rowCount, columns, extent;
    bool v, h;
    Rect rows, vBar, hBar, corner;
  };
  // A client area of 150 x 100 at (2, 2), items 20 high, both bars 19 thick.
  const Row rows[] = {
      {"all fit", 3, 0, 0, 0, false, false, {2, 2, 152, 102}, {}, {}, {}},
      {"more rows", 30, 0, 0, 0, true, false, {2, 2, 133, 102}, {133, 2, 152, 102}, {}, {}},
      {"sized for them", 30, 30, 0, 0, false, false, {2, 2, 152, 102}, {}, {}, {}},
      {"wide", 3, 0, 0, 400, false, true, {2, 2, 152, 83}, {}, {2, 83, 152, 102}, {}},
      {"extent = width", 3, 0, 0, 150, false, false, {2, 2, 152, 102}, {}, {}, {}},
      {"extent = width + 1", 3, 0, 0, 151, false, true, {2, 2, 152, 83}, {}, {2, 83, 152, 102}, {}},
      // Five rows fit until the horizontal bar takes 19 pixels of them.
      {"bar makes bar",
       5,
       0,
       0,
       200,
       true,
       true,
       {2, 2, 133, 83},
       {133, 2, 152, 83},
       {2, 83, 133, 102},
       {133, 83, 152, 102}},
      // 140 fits the whole width but not beside the vertical bar.
      {"narrowed",
       30,
       0,
       0,
       140,
       true,
       true,
       {2, 2, 133, 83},
       {133, 2, 152, 83},
       {2, 83, 133, 102},
       {133, 83, 152, 102}},
      {"negative extent", 3, 0, 0, -5, false, false, {2, 2, 152, 102}, {}, {}, {}},
      {"huge extent", 3, 0, 0, INT_MAX, false, true, {2, 2, 152, 83}, {}, {2, 83, 152, 102}, {}},
      // Columns: five rows of two columns hold ten items; the eleventh
      // needs a third column and the bar; columns ignore the extent.
      {"two columns", 10, 0, 2, 0, false, false, {2, 2, 152, 102}, {}, {}, {}},
      {"three columns", 11, 0, 2, 400, false, true, {2, 2, 152, 83}, {}, {2, 83, 152, 102}, {}},
      {"columns, many", 300, 0, 2, 0, false, true, {2, 2, 152, 83}, {}, {2, 83, 152, 102}, {}},
  };
  for (const Row& r : rows) {
    skin::ListBarsInput in;
    in.client = {2, 2, 152, 102};
    in.count = r.count;
    in.rowCount = r.rowCount;
    in.itemHeight = 20;
    in.columns = r.columns;
    in.horizontalExtent = r.extent;
    in.vBarWidth = 19;
    in.hBarHeight = 19;
    const skin::ListBarsLayout l = skin::LayoutListBars(in);
    EXPECT_EQ(l.vBar, r.v) << r.name;
    EXPECT_EQ(l.hBar, r.h) << r.name;
    EXPECT_EQ(l.rows, r.rows) << r.name;
    EXPECT_EQ(l.vBarRect, r.vBar) << r.name;
    EXPECT_EQ(l.hBarRect, r.hBar) << r.name;
    EXPECT_EQ(l.corner, r.corner) << r.name;
  }
  // No room at all: no bars, an empty area.
  skin::ListBarsInput none;
  none.client = {2, 2, 2, 2};
  none.count = 50;
  none.horizontalExtent = 500;
  const skin::ListBarsLayout l = skin::LayoutListBars(none);
  EXPECT_FALSE(l.vBar || l.hBar);
  EXPECT_TRUE(gfx::IsNullRect(l.rows));
}

TEST(ListBarsArithmetic, ColumnsTheirItemsAndTheItemUnderAPoint) {
  skin::ListBarsInput in;
  in.client = {2, 2, 152, 102};
  in.count = 11;
  in.itemHeight = 20;
  in.columns = 2;
  const skin::ListBarsLayout l = skin::LayoutListBars(in);
  // With the bar 81 pixels are left: 4 rows, so 11 items fill 3 columns
  // of 150 div 2 = 75 pixels.
  EXPECT_EQ(l.rowsPerColumn, 4);
  EXPECT_EQ(l.columnWidth, 75);
  EXPECT_EQ(l.itemColumns, 3);
  EXPECT_EQ(l.visibleColumns, 2);
  EXPECT_EQ(skin::MaxFirstColumn(3, 2), 1);
  EXPECT_EQ(skin::MaxFirstColumn(1, 2), 0);
  struct ItemRow {
    int index, first;
    Rect r;
  };
  const ItemRow items[] = {
      {0, 0, {2, 2, 77, 22}},     {5, 0, {77, 22, 152, 42}}, {5, 1, {2, 22, 77, 42}},
      {9, 0, {152, 22, 227, 42}}, {3, 0, {2, 62, 77, 82}},
  };
  for (const ItemRow& r : items)
    EXPECT_EQ(skin::ListColumnItemRect(l, r.index, r.first, 20), r.r) << r.index << " " << r.first;
  struct HitRow {
    gfx::Point p;
    int first, count, expected;
  };
  const HitRow hits[] = {
      {{80, 25}, 0, 11, 5}, {{80, 25}, 1, 11, 9},
      {{151, 2}, 1, 11, 8}, {{2, 82}, 0, 11, -1},   // the fifth row is cut off
      {{80, 25}, 0, 5, -1},                         // past the items
      {{1, 5}, 0, 11, -1},  {{80, 90}, 0, 11, -1},  // on the bar
  };
  for (const HitRow& h : hits)
    EXPECT_EQ(skin::ListColumnItemAt(l, h.p, h.first, 20, h.count), h.expected)
        << h.p.x << "," << h.p.y << " first " << h.first;
}

TEST(ListBarsArithmetic, OffsetsCaptionsAndHeights) {
  EXPECT_EQ(skin::MaxHorizontalOffset(400, 150), 250);
  EXPECT_EQ(skin::MaxHorizontalOffset(100, 150), 0);
  EXPECT_EQ(skin::MaxHorizontalOffset(INT_MAX, 150), INT_MAX - 150);
  EXPECT_EQ(skin::MaxHorizontalOffset(-7, 150), 0);
  const Rect client{2, 2, 148, 98};
  struct Row {
    const char* name;
    bool mode;
    Rect placed;
    int height;
    Rect caption, left;
  };
  const Row rows[] = {
      {"off", false, {}, 20, {}, client},
      {"own bar", true, {}, 20, {2, 2, 148, 22}, {2, 22, 148, 98}},
      {"section's", true, {3, 3, 100, 18}, 20, {3, 3, 100, 18}, client},
      {"taller than the list", true, {}, 500, {2, 2, 148, 98}, {2, 98, 148, 98}},
      {"negative height", true, {}, -4, {2, 2, 148, 2}, client},
  };
  for (const Row& r : rows) {
    const skin::ListCaptionPlaces p = skin::PlaceListCaption(client, r.mode, r.placed, r.height);
    EXPECT_EQ(p.caption, r.caption) << r.name;
    EXPECT_EQ(p.client, r.left) << r.name;
  }
  // A caption bar of its own adds its height to the rows, skinned or not.
  EXPECT_EQ(skin::ListHeightForRows(4, 20, false, 0, 0, 20), 104);
  EXPECT_EQ(skin::ListHeightForRows(4, 18, true, 60, 56, 20), 96);
}

// A list section over a coordinate picture: item pictures at 100,0 (40 x
// 18, 3-pixel ends), a second list whose captionrect lies in the frame.
const char* kSections =
    "[plain]\npictureindex=0\nskinrect=0,0,80,60\nlefttoppoint=2,2\nrighttoppoint=78,2\n"
    "leftbottompoint=2,58\nrightbottompoint=78,58\nclientrect=2,2,78,58\n"
    "itemrect=100,0,140,18\nitemleftoffset=3\nitemrightoffset=3\nhscrollbarname=\n"
    "vscrollbarname=\nbothhscrollbarname=\n"
    "[captioned]\npictureindex=0\nskinrect=0,0,80,60\nlefttoppoint=2,2\nrighttoppoint=78,20\n"
    "leftbottompoint=2,58\nrightbottompoint=78,58\nclientrect=2,20,78,58\n"
    "captionrect=2,2,78,18\nitemrect=100,0,140,18\n";

class ListsBeyondOneColumn : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<ui::Form>();
    form_->setBounds(10, 10, 700, 400);
    list_ = controlstest::PlaceControl<skin::TbsSkinListBox>(*form_, nullptr, "", 150, 100);
    list_->OnDrawItem = [this](ui::Control&, gfx::Canvas&, int index, const Rect& r, unsigned) {
      if (index == 0) firstRect_ = r;
    };
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_->widget()));
  }
  void items(int n) {
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) v.push_back("item " + std::to_string(i));
    list_->setItems(v);
  }
  gfx::Bitmap shot() { return gfx::Bitmap(list_->widget()->grab().toImage()); }
  Rect boundsOf(const ui::Control& c) {
    return gfx::Rect::fromSize(c.left(), c.top(), c.width(), c.height());
  }

  std::unique_ptr<ui::Form> form_;
  skin::TbsSkinListBox* list_ = nullptr;
  Rect firstRect_;
};

TEST_F(ListsBeyondOneColumn, AWideExtentScrollsTheRowsSidewaysAndResizingUpdatesTheBar) {
  items(3);
  list_->setHorizontalExtent(400);
  skin::TbsSkinScrollBar* bar = list_->hScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->visible());
  EXPECT_FALSE(list_->vScrollBar() != nullptr && list_->vScrollBar()->visible());
  // The default look's client area is 2,2,148,98; the bar takes its bottom.
  EXPECT_EQ(boundsOf(*bar), (Rect{2, 79, 148, 98}));
  EXPECT_EQ(list_->listArea(), (Rect{2, 2, 148, 79}));
  EXPECT_EQ(bar->Max(), 399);
  EXPECT_EQ(bar->PageSize(), 146);
  list_->repaint();
  EXPECT_EQ(firstRect_, (Rect{0, 0, 400, 20}));
  bar->setPosition(100);
  EXPECT_EQ(list_->horizontalOffset(), 100);
  list_->repaint();
  EXPECT_EQ(firstRect_, (Rect{-100, 0, 300, 20}));
  list_->setHorizontalOffset(5000);  // past the end: the last 146 pixels
  EXPECT_EQ(list_->horizontalOffset(), 254);
  EXPECT_EQ(bar->Position(), 254);
  // Wide enough for the extent: the bar goes and the rows come back.
  list_->setBounds(5, 5, 420, 100);
  EXPECT_FALSE(bar->visible());
  EXPECT_EQ(list_->horizontalOffset(), 0);
  EXPECT_EQ(list_->listArea(), (Rect{2, 2, 418, 98}));
  list_->setBounds(5, 5, 150, 100);
  EXPECT_TRUE(bar->visible());
  // Extent 0 and negative: no bar.
  list_->setHorizontalExtent(0);
  EXPECT_FALSE(bar->visible());
  list_->setHorizontalExtent(-30);
  EXPECT_EQ(list_->HorizontalExtent(), 0);
  EXPECT_FALSE(bar->visible());
}

TEST_F(ListsBeyondOneColumn, AHugeExtentScrollsToItsEndDrawingOnlyTheVisibleRows) {
  items(1000);
  list_->setHorizontalExtent(INT_MAX);
  ASSERT_TRUE(list_->hScrollBar()->visible());
  list_->setHorizontalOffset(INT_MAX);
  const int offset = list_->horizontalOffset();
  EXPECT_EQ(offset, INT_MAX - list_->listArea().width());
  const long long before = list_->itemsDrawn();
  list_->repaint();
  EXPECT_LE(list_->itemsDrawn() - before, 5);
  EXPECT_EQ(firstRect_.left, -offset);
  EXPECT_EQ(list_->hScrollBar()->Position(), offset);
}

TEST_F(ListsBeyondOneColumn, ScrolledItemPicturesKeepTheirEndsAndTheMiddlesPhase) {
  controlstest::TestSkin skin({"plain:listbox"}, kSections,
                              {controlstest::CoordinatePicture(200, 100, 7)});
  list_->OnDrawItem = [](ui::Control&, gfx::Canvas&, int, const Rect&, unsigned) {};
  list_->SetSkinDataName("plain");
  list_->SetSkinData(&skin.data());
  list_->setItems({"", ""});
  list_->setItemIndex(-1);
  list_->setHorizontalExtent(400);
  ASSERT_NE(list_->SectionIndex(), -1);
  // Rows 2,2,148,79: the item at the row's left is the whole strip's pixel
  // at offset + x. The strip: 3 end pixels, the 34-wide middle tiled from 3.
  const auto at = [](int stripX) {
    const int x = stripX < 3      ? 100 + stripX
                  : stripX >= 397 ? 137 + stripX - 397
                                  : 103 + (stripX - 3) % 34;
    return gfx::Color::rgb(x, 4, 7);
  };
  struct Row {
    int offset, x;
  };
  const Row rows[] = {{0, 0}, {0, 2}, {0, 40}, {100, 0}, {254, 142}, {254, 145}, {254, 143}};
  for (const Row& r : rows) {
    list_->setHorizontalOffset(r.offset);
    ASSERT_EQ(list_->horizontalOffset(), r.offset);
    EXPECT_EQ(shot().pixel(2 + r.x, 2 + 4), at(r.offset + r.x)) << r.offset << " " << r.x;
  }
}

TEST_F(ListsBeyondOneColumn, BothBarsMeetAtACornerOfTheTrackOrTheButtonFace) {
  items(30);
  list_->setHorizontalExtent(400);
  skin::TbsSkinScrollBar* v = list_->vScrollBar();
  skin::TbsSkinScrollBar* h = list_->hScrollBar();
  ASSERT_TRUE(v != nullptr && h != nullptr && v->visible() && h->visible());
  EXPECT_EQ(boundsOf(*v), (Rect{129, 2, 148, 79}));
  EXPECT_EQ(boundsOf(*h), (Rect{2, 79, 129, 98}));
  EXPECT_TRUE(h->Both());
  EXPECT_EQ(list_->barsLayout().corner, (Rect{129, 79, 148, 98}));
  EXPECT_EQ(shot().pixel(138, 88), gfx::SystemColor(gfx::SysColor::ButtonFace));
  // Skinned: the bar draws from the section for both bars and the corner
  // shows that section's track from its left-top.
  app::LoadedBuiltinSkin builtin(0);
  list_->SetSkinData(&builtin.data);
  ASSERT_TRUE(v->visible() && h->visible());
  EXPECT_EQ(h->SkinDataName(), "bothhscrollbar");
  ASSERT_NE(h->SectionIndex(), -1);
  const auto* s = dynamic_cast<const skin::TbsDataSkinScrollBarControl*>(
      builtin.data.ControlDataList()[static_cast<std::size_t>(h->SectionIndex())].get());
  ASSERT_NE(s, nullptr);
  const gfx::Bitmap& pic = *builtin.data.ActivePicture(s->pictureIndex);
  const Rect corner = list_->barsLayout().corner;
  ASSERT_FALSE(gfx::IsNullRect(corner));
  EXPECT_EQ(corner.width(), v->width());
  EXPECT_EQ(corner.height(), h->height());
  EXPECT_EQ(shot().pixel(corner.left, corner.top),
            pic.pixel(s->skinRect.left + s->trackArea.left, s->skinRect.top + s->trackArea.top));
  // Widened past the extent: the horizontal bar and the corner go.
  list_->setBounds(5, 5, 500, 100);
  EXPECT_FALSE(h->visible());
  EXPECT_TRUE(v->visible());
  EXPECT_TRUE(gfx::IsNullRect(list_->barsLayout().corner));
  EXPECT_FALSE(h->Both());
}

TEST_F(ListsBeyondOneColumn, ColumnsFlowDownAndTheBarTheKeysAndTheWheelMoveByColumns) {
  items(25);
  list_->setColumns(2);
  // 96 pixels hold 4 rows: 7 columns, more than 2, so the bar shows and
  // leaves 77 pixels: 3 rows, 9 columns of 146 div 2 = 73 pixels.
  skin::TbsSkinScrollBar* bar = list_->hScrollBar();
  ASSERT_TRUE(bar != nullptr && bar->visible());
  EXPECT_FALSE(list_->vScrollBar() != nullptr && list_->vScrollBar()->visible());
  EXPECT_EQ(list_->barsLayout().rowsPerColumn, 3);
  EXPECT_EQ(list_->barsLayout().columnWidth, 73);
  EXPECT_EQ(bar->Max(), 8);
  EXPECT_EQ(bar->PageSize(), 2);
  EXPECT_EQ(list_->itemAtPoint({2 + 73 + 1, 2 + 20 + 1}), 4);
  bar->setPosition(3);
  EXPECT_EQ(list_->firstColumn(), 3);
  EXPECT_EQ(list_->TopIndex(), 9);
  EXPECT_EQ(list_->itemAtPoint({3, 3}), 9);
  bar->setPosition(100);  // the last two columns
  EXPECT_EQ(list_->firstColumn(), 7);
  list_->setItemIndex(0);
  EXPECT_EQ(list_->firstColumn(), 0);
  int key = ui::VK_RIGHT;
  ui::Message m{ui::WM_KEYDOWN, static_cast<ui::MessageParam>(key), 0, 0};
  list_->windowProc(m);
  EXPECT_EQ(list_->ItemIndex(), 3);
  m = {ui::WM_KEYDOWN, static_cast<ui::MessageParam>(ui::VK_LEFT), 0, 0};
  list_->windowProc(m);
  list_->windowProc(m);  // at the first column: stays
  EXPECT_EQ(list_->ItemIndex(), 0);
  list_->setItemIndex(24);  // column 8 comes into view as the last one
  EXPECT_EQ(list_->firstColumn(), 7);
  QWheelEvent up({5, 5}, {}, {}, {0, 120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(list_->widget(), &up);
  EXPECT_EQ(list_->firstColumn(), 6);
  // Back to one column: the vertical bar takes over.
  list_->setColumns(-3);
  EXPECT_EQ(list_->Columns(), 0);
  EXPECT_FALSE(bar->visible());
  ASSERT_NE(list_->vScrollBar(), nullptr);
  EXPECT_TRUE(list_->vScrollBar()->visible());
  EXPECT_EQ(list_->TopIndex(), list_->ItemIndex() - list_->visibleRows() + 1);
}

TEST_F(ListsBeyondOneColumn, TheCaptionBarTakesItsHeightOrLiesInTheSectionsCaptionRect) {
  items(3);
  list_->setCaptionMode(true);
  EXPECT_EQ(list_->captionRect(), (Rect{2, 2, 148, 22}));
  EXPECT_EQ(list_->listArea(), (Rect{2, 22, 148, 98}));
  EXPECT_EQ(list_->itemAtPoint({10, 23}), 0);
  EXPECT_EQ(shot().pixel(10, 12), gfx::SystemColor(gfx::SysColor::ButtonFace));
  list_->setRowCount(4);
  EXPECT_EQ(list_->height(), 4 * 20 + 4 + 20);
  list_->setDefaultCaptionHeight(30);
  EXPECT_EQ(list_->height(), 4 * 20 + 4 + 30);
  // The built-in skins place no caption: the bar comes off the client area.
  app::LoadedBuiltinSkin builtin(0);
  list_->SetSkinData(&builtin.data);
  ASSERT_NE(list_->SectionIndex(), -1);
  const auto* s = dynamic_cast<const skin::TbsDataSkinListBox*>(
      builtin.data.ControlDataList()[static_cast<std::size_t>(list_->SectionIndex())].get());
  ASSERT_TRUE(s != nullptr && gfx::IsNullRect(s->captionRect));
  list_->setDefaultCaptionHeight(20);
  EXPECT_EQ(list_->height(),
            s->skinRect.height() + 4 * s->itemRect.height() - s->clientRect.height() + 20);
  EXPECT_EQ(list_->listArea().top, list_->PlacedClientRect().top + 20);
  // A section with its own captionrect: the caption lies there and the rows
  // keep the whole client rect.
  controlstest::TestSkin skin({"captioned:listbox"}, kSections,
                              {controlstest::CoordinatePicture(200, 100, 7)});
  list_->setRowCount(0);
  list_->SetSkinDataName("captioned");
  list_->SetSkinData(&skin.data());
  list_->setBounds(5, 5, 150, 100);
  EXPECT_EQ(list_->captionRect(), (Rect{2, 2, 148, 18}));
  EXPECT_EQ(list_->listArea(), (Rect{2, 20, 148, 98}));
  list_->setRowCount(4);
  EXPECT_EQ(list_->height(), 60 + 4 * 18 - 38);
  list_->setCaptionMode(false);
  EXPECT_TRUE(gfx::IsNullRect(list_->captionRect()));
}

}  // namespace

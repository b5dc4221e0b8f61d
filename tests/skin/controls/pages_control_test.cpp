// The page control on shown forms with a built-in skin: tab sizes from the
// section and TabHeight, the four tab looks against the skin's own
// pictures, hot tracking by real pointer moves, focus, selection by click
// and keys, the up-down coming and going with the width and scrolling the
// row, page backgrounds, skin changes, and hostile input (no pages, 200
// pages, huge captions, sections of another kind, pages destroyed); then
// several rows, the button styles, and left and right rows scrolled.
#include <gtest/gtest.h>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "resources/builtin_skins.h"
#include "skin/controls/skin_page_control.h"
#include "skin/controls/skin_up_down.h"
#include "skin/data/control_data.h"
#include "skin/frame/default_frame_metrics.h"
#include "support/qt_wait.h"
#include "ui/form.h"
#include "ui/graphics/canvas.h"
#include "ui/image_list.h"
#include "ui/keys.h"

namespace {

using skin::TbsSkinPageControl;
using skin::TbsSkinTabSheet;

class PageControlTest : public ::testing::Test {
 protected:
  PageControlTest() {
    form_ = new ui::Form();
    form_->setBounds(50, 50, 640, 400);
    pc_ = new TbsSkinPageControl(form_);
    pc_->setParent(form_);
    pc_->setBounds(10, 10, 400, 200);
    other_ = new ui::WinControl(form_);  // somewhere else to put the focus
    other_->setParent(form_);
    other_->setBounds(450, 10, 40, 40);
    other_->setAcceptsFocus(true);
    other_->setTabStop(true);
  }
  ~PageControlTest() override { delete form_; }

  TbsSkinTabSheet* addPage(const std::string& caption) {
    auto* p = new TbsSkinTabSheet(form_);
    p->setCaption(caption);
    p->setPageControl(pc_);
    return p;
  }
  void addPages(int n) {
    for (int i = 0; i < n; ++i) addPage("Page " + std::to_string(i));
  }
  void skinned() { pc_->SetSkinData(&skin_.data); }
  void showActive() {
    form_->show();
    form_->activate();
    WAIT_TRUE(form_->active(), 2000);
  }
  skin::TbsDataSkinTabControl* section() {
    const int i = skin_.data.FindControlData("tab");
    return dynamic_cast<skin::TbsDataSkinTabControl*>(
        skin_.data.ControlDataList()[static_cast<std::size_t>(i)].get());
  }
  const gfx::Bitmap& picture() { return *skin_.data.ActivePicture(section()->pictureIndex); }
  gfx::Bitmap shot() { return gfx::Bitmap(pc_->widget()->grab().toImage()); }
  // The control-coordinate point as the window sees it.
  QPoint inWindow(gfx::Point p) {
    return pc_->widget()->mapTo(pc_->widget()->window(), QPoint(p.x, p.y));
  }
  // Whether the tab's left end (tableftoffset columns, the ends are copied
  // unstretched) shows that area of the picture.
  bool tabShows(const gfx::Bitmap& img, int tab, const gfx::Rect& area) {
    const gfx::Rect r = pc_->tabRect(tab);
    const int ends = section()->tabLeftOffset;
    for (int y = 0; y < r.height(); ++y)
      for (int x = 0; x < ends; ++x)
        if (img.pixel(r.left + x, r.top + y) != picture().pixel(area.left + x, area.top + y))
          return false;
    return true;
  }

  app::LoadedBuiltinSkin skin_{0};
  void focusElsewhere() {
    other_->setFocus();
    WAIT_TRUE(other_->focused(), 1000);
  }

  ui::Form* form_;
  TbsSkinPageControl* pc_;
  ui::WinControl* other_;
};

TEST_F(PageControlTest, TabsAreTheSectionsTabHeightHighOrTabHeightAndAsLongAsTheirCaptions) {
  addPage("General");
  addPage("网络");
  EXPECT_EQ(pc_->tabHeight(), 20);  // no skin: DefaultItemHeight
  skinned();
  ASSERT_NE(pc_->SectionIndex(), -1);
  EXPECT_EQ(section()->tabRect.height(), 18);
  EXPECT_EQ(pc_->tabHeight(), 18);
  // The caption in the section's font, padded by 6 on each side.
  gfx::Font f = pc_->DefaultFont();
  f.name = section()->fontName;
  f.height = section()->fontHeight;
  const int w0 = gfx::MeasureText(f, "General").width + 12;
  const int w1 = gfx::MeasureText(f, "网络").width + 12;
  EXPECT_EQ(pc_->tabRect(0), (gfx::Rect{0, 0, w0, 18}));
  EXPECT_EQ(pc_->tabRect(1), (gfx::Rect{w0, 0, w0 + w1, 18}));
  // The page fills the frame inside its edges (clientrect 2,2,58,38 of 60 x 40).
  EXPECT_EQ(pc_->pageArea(), (gfx::Rect{2, 20, 398, 198}));
  EXPECT_EQ(pc_->ActivePage()->boundsRect(), pc_->pageArea());

  pc_->setTabHeight(30);
  EXPECT_EQ(pc_->tabRect(0).height(), 30);
  EXPECT_EQ(pc_->pageArea().top, 32);
  EXPECT_EQ(pc_->ActivePage()->boundsRect(), pc_->pageArea());
  pc_->setTabWidth(70);
  EXPECT_EQ(pc_->tabRect(1), (gfx::Rect{70, 0, 140, 30}));

  // Without the skin again: DefaultItemHeight, the 1-pixel frame.
  pc_->setTabHeight(0);
  skin_.data.ResetSkin();
  pc_->BeforeChangeSkinData();
  pc_->ChangeSkinData();
  EXPECT_EQ(pc_->tabHeight(), 20);
  EXPECT_EQ(pc_->pageArea(), (gfx::Rect{1, 21, 399, 199}));
  pc_->setDefaultItemHeight(24);
  EXPECT_EQ(pc_->tabHeight(), 24);
}

TEST_F(PageControlTest, TheLoginWindowsSettingsOwnFontAndTabHeight20) {
  pc_->setUseSkinFont(false);
  gfx::Font arial;
  arial.name = "Arial";
  arial.height = 14;
  pc_->setDefaultFont(arial);
  pc_->setTabHeight(20);
  addPage("服务器设置");
  skinned();
  ASSERT_NE(pc_->SectionIndex(), -1);
  EXPECT_EQ(pc_->font().name, "Arial");
  EXPECT_EQ(pc_->font().height, 14);
  EXPECT_EQ(pc_->font().color, section()->fontColor);
  EXPECT_EQ(pc_->tabRect(0),
            (gfx::Rect{0, 0, gfx::MeasureText(arial, "服务器设置").width + 12, 20}));
  EXPECT_EQ(pc_->pageArea(), (gfx::Rect{2, 22, 398, 198}));
}

TEST_F(PageControlTest, ATabWithAnImageCentresImageAndCaptionTogether) {
  ui::ImageList images(nullptr, 16, 16);
  gfx::Bitmap square(16, 16);
  const gfx::Color magenta = gfx::Color::rgb(255, 0, 255);
  square.fill(magenta);
  images.add(square);
  pc_->setImages(&images);
  auto* a = addPage("Alpha");
  auto* b = addPage("Beta");
  b->setImageIndex(0);
  a->setImageIndex(5);  // past the list: the caption alone
  skinned();
  gfx::Font f = pc_->DefaultFont();
  f.name = section()->fontName;
  f.height = section()->fontHeight;
  EXPECT_EQ(pc_->tabRect(0).width(), gfx::MeasureText(f, "Alpha").width + 12);
  const int tw = gfx::MeasureText(f, "Beta").width;
  const gfx::Rect r = pc_->tabRect(1);
  EXPECT_EQ(r.width(), 16 + tw + 2 + 2 + 12);
  showActive();
  // (width - (16 + caption + 4)) / 2 + 2 = 8 from the tab's left, centred in height.
  const int x0 = r.left + 8;
  const int y0 = r.top + (r.height() - 16) / 2;
  gfx::Bitmap img = shot();
  EXPECT_EQ(img.pixel(x0, y0), magenta);
  EXPECT_EQ(img.pixel(x0 + 15, y0 + 15), magenta);
  EXPECT_NE(img.pixel(x0 - 1, y0 + 8), magenta);
  EXPECT_NE(img.pixel(x0 + 16, y0 + 8), magenta);
  // A disabled page's image is drawn greyed.
  b->setEnabled(false);
  pc_->invalidate();
  img = shot();
  EXPECT_NE(img.pixel(x0 + 8, y0 + 8), magenta);
}

TEST_F(PageControlTest, AnImageListDestroyedFirstIsForgotten) {
  auto* images = new ui::ImageList(nullptr, 16, 16);
  images->add(gfx::Bitmap(16, 16));
  pc_->setImages(images);
  addPage("Alpha")->setImageIndex(0);
  const int withImage = pc_->tabRect(0).width();
  delete images;
  EXPECT_EQ(pc_->Images(), nullptr);
  EXPECT_EQ(pc_->tabRect(0).width(), withImage - 16 - 4);
  showActive();
  (void)shot();
}

TEST_F(PageControlTest, StretchedTabsFillTheirTabHeight) {
  addPages(2);
  skinned();
  pc_->setTabHeight(30);
  showActive();
  const gfx::Bitmap img = shot();
  const gfx::Rect r = pc_->tabRect(1);  // not selected: tabrect stretched 18 -> 30
  const gfx::Rect& t = section()->tabRect;
  // Nearest-neighbour rows: tab row y shows picture row y * 18 / 30.
  for (int y : {0, 7, 15, 29})
    EXPECT_EQ(img.pixel(r.left + 1, r.top + y), picture().pixel(t.left + 1, t.top + y * 18 / 30))
        << y;
}

TEST_F(PageControlTest, TabLooksFollowHoverSelectionAndFocus) {
  addPages(3);
  skinned();
  showActive();
  const skin::TbsDataSkinTabControl& s = *section();
  // The skin's four pictures differ in the left ends, or the test shows nothing.
  ASSERT_NE(s.tabRect, s.mouseInTabRect);

  focusElsewhere();
  gfx::Bitmap img = shot();
  EXPECT_TRUE(tabShows(img, 0, s.activeTabRect));
  EXPECT_TRUE(tabShows(img, 1, s.tabRect));
  EXPECT_TRUE(tabShows(img, 2, s.tabRect));

  // A real pointer move over tab 1 makes it hot.
  QWindow* win = pc_->widget()->window()->windowHandle();
  const gfx::Rect t1 = pc_->tabRect(1);
  QTest::mouseMove(win, inWindow({t1.left + 8, t1.top + 8}));
  WAIT_EQ(pc_->hotTab(), 1, 1000);
  img = shot();
  EXPECT_TRUE(tabShows(img, 1, s.mouseInTabRect));
  EXPECT_TRUE(tabShows(img, 2, s.tabRect));
  // Over the selected tab the look stays the active one.
  QTest::mouseMove(win, inWindow({pc_->tabRect(0).left + 8, 8}));
  WAIT_EQ(pc_->hotTab(), 0, 1000);
  EXPECT_TRUE(tabShows(shot(), 0, s.activeTabRect));
  EXPECT_TRUE(tabShows(shot(), 1, s.tabRect));
  // Over the page area no tab is hot.
  QTest::mouseMove(win, inWindow({100, 100}));
  WAIT_EQ(pc_->hotTab(), -1, 1000);

  // Focused, the selected tab shows focustabrect.
  pc_->setFocus();
  WAIT_TRUE(pc_->focused(), 1000);
  EXPECT_TRUE(tabShows(shot(), 0, s.focusTabRect));
  focusElsewhere();
  EXPECT_TRUE(tabShows(shot(), 0, s.activeTabRect));
}

TEST_F(PageControlTest, TheTabFontTakesTheColourOfEachLook) {
  addPages(2);
  skinned();
  showActive();
  skin::TbsDataSkinTabControl& s = *section();
  const gfx::Color red = gfx::Color::rgb(255, 0, 0);
  const gfx::Color green = gfx::Color::rgb(0, 255, 0);
  const gfx::Color blue = gfx::Color::rgb(0, 0, 255);
  s.mouseInFontColor = red;
  s.activeFontColor = green;
  s.focusFontColor = blue;
  // Text is drawn with smoothed edges: a pixel of the caption is one whose
  // strongest channel is the colour's and clearly above the other two (the
  // skin's own tab pictures are pale greys and blues).
  const auto has = [this](int tab, gfx::Color c) {
    const gfx::Bitmap img = shot();
    const gfx::Rect r = pc_->tabRect(tab);
    const auto channels = [](gfx::Color p) {
      return std::array<int, 3>{p.red(), p.green(), p.blue()};
    };
    const std::array<int, 3> want = channels(c);
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        const std::array<int, 3> got = channels(img.pixel(x, y));
        bool match = true;
        for (int i = 0; i < 3; ++i) match = match && (want[i] == 255 ? got[i] > 180 : got[i] < 110);
        if (match) return true;
      }
    return false;
  };
  pc_->setFocus();
  WAIT_TRUE(pc_->focused(), 1000);
  EXPECT_TRUE(has(0, blue));
  EXPECT_FALSE(has(0, green));
  focusElsewhere();
  EXPECT_TRUE(has(0, green));
  EXPECT_FALSE(has(1, red));
  QWindow* win = pc_->widget()->window()->windowHandle();
  QTest::mouseMove(win, inWindow({pc_->tabRect(1).left + 6, 6}));
  WAIT_EQ(pc_->hotTab(), 1, 1000);
  EXPECT_TRUE(has(1, red));
  // Leaving the control makes the tab normal again.
  QTest::mouseMove(win, QPoint(600, 350));
  WAIT_EQ(pc_->hotTab(), -1, 1000);
  EXPECT_FALSE(has(1, red));
}

TEST_F(PageControlTest, AClickOnATabSelectsItsPageAndFocusesTheControl) {
  auto* a = addPage("Alpha");
  auto* b = addPage("Beta");
  skinned();
  int changes = 0;
  pc_->OnChange = [&](TbsSkinPageControl&) { ++changes; };
  showActive();
  EXPECT_EQ(pc_->ActivePage(), a);
  EXPECT_TRUE(a->visible());
  EXPECT_FALSE(b->visible());
  QWindow* win = pc_->widget()->window()->windowHandle();
  QTest::mouseClick(win, Qt::LeftButton, {}, inWindow({pc_->tabRect(1).left + 5, 5}));
  WAIT_EQ(pc_->ActivePage(), b, 1000);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(a->visible());
  EXPECT_TRUE(b->visible());
  EXPECT_EQ(b->boundsRect(), pc_->pageArea());
  EXPECT_TRUE(pc_->focused());
  // Clicking the selected tab again changes nothing.
  QTest::mouseClick(win, Qt::LeftButton, {}, inWindow({pc_->tabRect(1).left + 5, 5}));
  QTest::qWait(20);
  EXPECT_EQ(changes, 1);
  // Selecting in code runs no OnChange.
  pc_->setActivePage(a);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(pc_->TabIndex(), 0);
}

TEST_F(PageControlTest, KeysCycleThePagesAndMoveAlongTheRow) {
  addPages(3);
  auto* inner = new ui::WinControl(form_);  // a focusable control on page 0
  inner->setParent(pc_->Page(0));
  inner->setBounds(5, 5, 30, 20);
  inner->setAcceptsFocus(true);
  inner->setTabStop(true);
  skinned();
  int changes = 0;
  pc_->OnChange = [&](TbsSkinPageControl&) { ++changes; };
  showActive();
  QWindow* win = pc_->widget()->window()->windowHandle();

  // Ctrl+Tab from a control on a page reaches the page control.
  inner->setFocus();
  WAIT_TRUE(inner->focused(), 1000);
  QTest::keyClick(win, Qt::Key_Tab, Qt::ControlModifier);
  WAIT_EQ(pc_->TabIndex(), 1, 1000);
  EXPECT_EQ(changes, 1);

  pc_->setFocus();
  WAIT_TRUE(pc_->focused(), 1000);
  struct Step {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int expected;
  };
  const Step steps[] = {
      {Qt::Key_Tab, Qt::ControlModifier, 2},
      {Qt::Key_Tab, Qt::ControlModifier, 0},  // round to the first
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2},
      {Qt::Key_Left, {}, 1},
      {Qt::Key_Left, {}, 0},
      {Qt::Key_Left, {}, 0},  // the arrows stop at the ends
      {Qt::Key_Right, {}, 1},
      {Qt::Key_Down, {}, 1},  // across the row: nothing
  };
  int expectedChanges = changes;
  int previous = pc_->TabIndex();
  for (const Step& s : steps) {
    QTest::keyClick(win, s.key, s.mods);
    WAIT_EQ(pc_->TabIndex(), s.expected, 1000);
    if (s.expected != previous) ++expectedChanges;
    previous = s.expected;
  }
  EXPECT_EQ(changes, expectedChanges);
  EXPECT_TRUE(pc_->ActivePage()->visible());

  // Left tabs move with Up and Down.
  pc_->setTabPosition(skin::TabPosition::tpLeft);
  QTest::keyClick(win, Qt::Key_Down);
  WAIT_EQ(pc_->TabIndex(), 2, 1000);
  QTest::keyClick(win, Qt::Key_Up);
  WAIT_EQ(pc_->TabIndex(), 1, 1000);
}

TEST_F(PageControlTest, TheUpDownComesWithAnOverflowingRowScrollsItAndGoesWithTheWidth) {
  addPages(8);
  skinned();
  showActive();
  int total = 0;
  for (int i = 0; i < pc_->visibleTabCount(); ++i) total += pc_->tabRect(i).width();
  ASSERT_GT(total, 200);

  pc_->setWidth(total + 10);
  EXPECT_EQ(pc_->upDown(), nullptr);
  pc_->setWidth(200);
  skin::TbsSkinUpDown* ud = pc_->upDown();
  ASSERT_NE(ud, nullptr);
  const int udWidth = 2 * pc_->DefaultItemHeight();
  EXPECT_EQ(ud->boundsRect(), (gfx::Rect{200 - udWidth, 0, 200, 20}));
  EXPECT_EQ(ud->SkinDataName(), section()->upDown);
  int hidden = 0;
  for (int i = 0; i < pc_->visibleTabCount(); ++i)
    if (pc_->tabRect(i).right > 200 - udWidth - 3) ++hidden;
  EXPECT_EQ(ud->Max(), hidden);
  EXPECT_EQ(ud->Position(), 0);

  // The right button scrolls one tab out at the left.
  QWindow* win = pc_->widget()->window()->windowHandle();
  const QPoint right = ud->widget()->mapTo(ud->widget()->window(), QPoint(udWidth - 5, 10));
  QTest::mouseClick(win, Qt::LeftButton, {}, right);
  WAIT_EQ(pc_->firstTab(), 1, 1000);
  EXPECT_EQ(pc_->tabRect(1).left, 0);
  EXPECT_LE(pc_->tabRect(0).right, 0);
  EXPECT_EQ(ud->Position(), 1);
  // A hidden tab is not under the pointer where the up-down lies.
  EXPECT_EQ(pc_->tabAt(200 - udWidth + 2, 5), -1);

  // Selecting the last page brings its tab into view.
  pc_->setTabIndex(7);
  EXPECT_LE(pc_->tabRect(7).right, 200 - udWidth - 3);
  EXPECT_GE(pc_->tabRect(7).left, 0);
  EXPECT_EQ(ud->Position(), pc_->firstTab());

  // Wide enough again: the up-down goes and every tab shows from the start.
  pc_->setWidth(total + 10);
  EXPECT_EQ(pc_->upDown(), nullptr);
  EXPECT_EQ(pc_->firstTab(), 0);
  EXPECT_EQ(pc_->tabRect(0).left, 0);
  // Bottom tabs keep it at the bottom.
  pc_->setTabPosition(skin::TabPosition::tpBottom);
  pc_->setWidth(200);
  ASSERT_NE(pc_->upDown(), nullptr);
  EXPECT_EQ(pc_->upDown()->top(), 200 - 20);
}

TEST_F(PageControlTest, PagesPaintTheSectionsBackground) {
  addPages(1);
  skinned();
  showActive();
  skin::TbsDataSkinTabControl& s = *section();
  const gfx::Bitmap& pic = picture();
  TbsSkinTabSheet* page = static_cast<TbsSkinTabSheet*>(pc_->Page(0));
  // The client area of the section tiled from the page's left-top.
  s.bgPictureIndex = -1;
  page->invalidate();
  gfx::Bitmap img(page->widget()->grab().toImage());
  const gfx::Rect c{s.skinRect.left + s.clientRect.left, s.skinRect.top + s.clientRect.top,
                    s.skinRect.left + s.clientRect.right, s.skinRect.top + s.clientRect.bottom};
  for (gfx::Point p :
       {gfx::Point{0, 0}, gfx::Point{c.width() + 3, 1}, gfx::Point{5, c.height() + 2}})
    EXPECT_EQ(img.pixel(p.x, p.y), pic.pixel(c.left + p.x % c.width(), c.top + p.y % c.height()))
        << p.x << "," << p.y;
  // A background picture of its own, tiled at its size.
  const int bg = static_cast<int>(skin_.data.ActivePictures().size()) - 1;
  ASSERT_GE(bg, 0);
  s.bgPictureIndex = bg;
  page->invalidate();
  img = gfx::Bitmap(page->widget()->grab().toImage());
  const gfx::Bitmap& bgPic = *skin_.data.ActivePicture(bg);
  EXPECT_EQ(img.pixel(0, 0), bgPic.pixel(0, 0));
  EXPECT_EQ(img.pixel(3, 4), bgPic.pixel(3 % bgPic.width(), 4 % bgPic.height()));
  // Past the pictures: the client area again.
  s.bgPictureIndex = 999;
  page->invalidate();
  img = gfx::Bitmap(page->widget()->grab().toImage());
  EXPECT_EQ(img.pixel(0, 0), pic.pixel(c.left, c.top));
}

TEST_F(PageControlTest, TheFrameIsBuiltFromThePicturesBorder) {
  addPages(1);
  skinned();
  showActive();
  const skin::TbsDataSkinTabControl& s = *section();
  const gfx::Bitmap& pic = picture();
  const gfx::Bitmap img = shot();
  const gfx::Rect f = pc_->frameRect();
  const gfx::Rect& sr = s.skinRect;
  const int dw = f.width() - sr.width();
  const int dh = f.height() - sr.height();
  // The four corners at their own place, an edge pixel tiled from its segment.
  EXPECT_EQ(img.pixel(f.left, f.top), pic.pixel(sr.left, sr.top));
  EXPECT_EQ(img.pixel(f.right - 1, f.top), pic.pixel(sr.right - 1, sr.top));
  EXPECT_EQ(img.pixel(f.left, f.bottom - 1), pic.pixel(sr.left, sr.bottom - 1));
  EXPECT_EQ(img.pixel(f.right - 1, f.bottom - 1), pic.pixel(sr.right - 1, sr.bottom - 1));
  const int seg = s.rightTopPoint.x - s.leftTopPoint.x;
  const int x = s.leftTopPoint.x + seg + 7;  // the second tile, 7 in
  ASSERT_LT(x, s.rightTopPoint.x + dw);
  EXPECT_EQ(img.pixel(f.left + x, f.top), pic.pixel(sr.left + s.leftTopPoint.x + 7, sr.top));
  (void)dh;
  // The band behind the tabs right of the last tab, tiled with tabsbgrect.
  const gfx::Rect& b = s.tabsBGRect;
  const int bx = pc_->tabRect(0).right + 5;
  EXPECT_EQ(img.pixel(bx, 3), pic.pixel(b.left + bx % b.width(), b.top + 3 % b.height()));
}

TEST_F(PageControlTest, WithoutASectionTheDefaultLookIsDrawn) {
  addPages(2);
  pc_->SetSkinDataName("button");  // a section of another kind
  skinned();
  EXPECT_EQ(pc_->SectionIndex(), -1);
  EXPECT_EQ(pc_->tabHeight(), 20);
  showActive();
  focusElsewhere();
  const gfx::Bitmap img = shot();
  const gfx::Rect a = pc_->pageArea();
  EXPECT_EQ(img.pixel(a.left - 1, a.top + 10), gfx::SystemColor(gfx::SysColor::ButtonShadow));
  const gfx::Rect t0 = pc_->tabRect(0);
  EXPECT_EQ(img.pixel(t0.left, t0.top), gfx::kNavy);  // active: navy frame
  EXPECT_EQ(img.pixel(t0.left + 2, t0.top + 2), gfx::Color::rgb(182, 189, 210));
  const gfx::Rect t1 = pc_->tabRect(1);
  EXPECT_EQ(img.pixel(t1.left + 1, t1.top + 1), gfx::SystemColor(gfx::SysColor::ButtonFace));
}

TEST_F(PageControlTest, NoPagesAndTwoHundredPages) {
  skinned();
  showActive();
  // No pages: painted, nothing under the pointer, keys do nothing.
  (void)shot();
  EXPECT_EQ(pc_->ActivePage(), nullptr);
  EXPECT_EQ(pc_->TabIndex(), -1);
  EXPECT_EQ(pc_->tabAt(5, 5), -1);
  EXPECT_EQ(pc_->upDown(), nullptr);
  pc_->setFocus();
  QWindow* win = pc_->widget()->window()->windowHandle();
  QTest::keyClick(win, Qt::Key_Tab, Qt::ControlModifier);
  QTest::keyClick(win, Qt::Key_Right);
  EXPECT_EQ(pc_->TabIndex(), -1);

  addPages(200);
  EXPECT_EQ(pc_->visibleTabCount(), 200);
  ASSERT_NE(pc_->upDown(), nullptr);
  (void)shot();
  QTest::keyClick(win, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  WAIT_EQ(pc_->TabIndex(), 199, 1000);
  EXPECT_LE(pc_->tabRect(199).right, pc_->upDown()->left() - 3);
  EXPECT_EQ(pc_->upDown()->Position(), pc_->firstTab());
  EXPECT_EQ(pc_->upDown()->Max(), pc_->firstTab());
  // Removing pages: the active one's place is taken, the up-down goes.
  while (pc_->PageCount() > 1) delete pc_->Page(pc_->PageCount() - 1);
  EXPECT_EQ(pc_->TabIndex(), 0);
  EXPECT_EQ(pc_->upDown(), nullptr);
  EXPECT_TRUE(pc_->Page(0)->visible());
}

TEST_F(PageControlTest, HostileSizesCaptionsAndLifetimes) {
  auto* a = addPage(std::string(10000, 'W'));
  addPage("b");
  a->setTabVisible(false);
  EXPECT_EQ(pc_->visibleTabCount(), 1);
  a->setTabVisible(true);
  skinned();
  showActive();
  ASSERT_NE(pc_->upDown(), nullptr);
  (void)shot();
  for (gfx::Size s : {gfx::Size{0, 0}, gfx::Size{1, 1}, gfx::Size{5, 300}, gfx::Size{-10, -10}}) {
    pc_->setBounds(10, 10, s.width, s.height);
    QTest::qWait(1);
    if (pc_->width() > 0 && pc_->height() > 0) (void)shot();
    const gfx::Rect r = pc_->pageArea();
    EXPECT_GE(r.width(), 0);
    EXPECT_GE(r.height(), 0);
  }
  pc_->setBounds(10, 10, 300, 150);
  // A skin switch while the pointer is over a tab and a button of the
  // up-down is held.
  skin::TbsSkinUpDown* ud = pc_->upDown();
  ASSERT_NE(ud, nullptr);
  QWindow* win = pc_->widget()->window()->windowHandle();
  QTest::mousePress(win, Qt::LeftButton, {},
                    ud->widget()->mapTo(ud->widget()->window(), QPoint(ud->width() - 4, 5)));
  WAIT_TRUE(ud->pressedButton() == 1, 1000);
  pc_->BeforeChangeSkinData();
  pc_->ChangeSkinData();
  EXPECT_EQ(ui::Control::captureControl(), nullptr);
  QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(600, 350));
  ASSERT_NE(pc_->upDown(), nullptr);
  EXPECT_EQ(pc_->upDown()->pressedButton(), -1);
  // Moving a page to another control, then destroying the first control
  // with its pages and the skin data going away under the second.
  auto* pc2 = new TbsSkinPageControl(form_);
  pc2->setParent(form_);
  pc2->setBounds(10, 220, 300, 100);
  pc2->SetSkinData(&skin_.data);
  a->setPageControl(pc2);
  EXPECT_EQ(pc2->ActivePage(), a);
  EXPECT_EQ(pc_->PageCount(), 1);
  delete pc_;
  pc_ = nullptr;
  EXPECT_EQ(a->PageControl(), pc2);
  skin_.data.ResetSkin();
  pc2->BeforeChangeSkinData();
  pc2->ChangeSkinData();
  (void)gfx::Bitmap(pc2->widget()->grab().toImage());
  delete a;
  EXPECT_EQ(pc2->PageCount(), 0);
  (void)gfx::Bitmap(pc2->widget()->grab().toImage());
}

TEST_F(PageControlTest, SeveralRowsFitTheWidthAndTheChosenRowMeetsThePage) {
  addPages(12);
  skinned();
  showActive();
  pc_->setMultiLine(true);
  EXPECT_EQ(pc_->upDown(), nullptr);
  const int rows = pc_->tabRows();
  ASSERT_GT(rows, 1);
  // Every row is stretched to the width; the page starts below the band,
  // inside the frame's top edge (clientrect 2,2 of the section).
  for (int i = 0; i < pc_->visibleTabCount(); ++i) {
    EXPECT_GE(pc_->tabRect(i).left, 0) << i;
    EXPECT_LE(pc_->tabRect(i).right, 400) << i;
  }
  EXPECT_EQ(pc_->tabRect(pc_->visibleTabCount() - 1).right, 400);
  EXPECT_EQ(pc_->pageArea().top, rows * 18 + 2);
  EXPECT_EQ(pc_->ActivePage()->boundsRect(), pc_->pageArea());
  // The first tab's row lies next to the page; clicking a tab of a row
  // farther away turns that row there.
  EXPECT_EQ(pc_->tabRect(0).bottom, rows * 18);
  const int last = pc_->visibleTabCount() - 1;
  ASSERT_LT(pc_->tabRect(last).bottom, rows * 18);
  const gfx::Rect r = pc_->tabRect(last);
  QWindow* win = pc_->widget()->window()->windowHandle();
  QTest::mouseClick(win, Qt::LeftButton, {}, inWindow({r.left + 5, r.top + 5}));
  WAIT_EQ(pc_->TabIndex(), last, 1000);
  EXPECT_EQ(pc_->tabRect(last).bottom, rows * 18);
  EXPECT_LT(pc_->tabRect(0).bottom, rows * 18);
  // Narrower: more rows, the page area follows; one line again: it scrolls.
  pc_->setWidth(200);
  EXPECT_GT(pc_->tabRows(), rows);
  EXPECT_EQ(pc_->pageArea().top, pc_->tabRows() * 18 + 2);
  pc_->setMultiLine(false);
  EXPECT_EQ(pc_->tabRows(), 1);
  EXPECT_NE(pc_->upDown(), nullptr);
  EXPECT_EQ(pc_->pageArea().top, 20);
}

TEST_F(PageControlTest, ButtonsFrameNoPageAndShowTheirLooks) {
  addPages(3);
  showActive();
  focusElsewhere();
  const gfx::Color face = gfx::SystemColor(gfx::SysColor::ButtonFace);
  const gfx::Color light = gfx::SystemColor(gfx::SysColor::ButtonHighlight);
  const gfx::Color shadow = gfx::SystemColor(gfx::SysColor::ButtonShadow);
  // Tabs: the page inside a one-pixel frame.
  EXPECT_EQ(pc_->pageArea(), (gfx::Rect{1, 21, 399, 199}));
  EXPECT_EQ(shot().pixel(0, 100), shadow);
  pc_->setStyle(skin::TTabStyle::tsButtons);
  // Buttons: 3 apart, the page 3 below them and unframed.
  EXPECT_EQ(pc_->tabRect(1).left, pc_->tabRect(0).right + 3);
  EXPECT_EQ(pc_->pageArea(), (gfx::Rect{0, 23, 400, 200}));
  EXPECT_EQ(pc_->ActivePage()->boundsRect(), pc_->pageArea());
  gfx::Bitmap img = shot();
  const gfx::Rect chosen = pc_->tabRect(0), other = pc_->tabRect(1);
  EXPECT_EQ(img.pixel(0, 21), face);  // the gap: page background, no frame
  // At rest raised, chosen (without focus) sunken in the pressed fill.
  EXPECT_EQ(img.pixel(other.left, other.top), light);
  EXPECT_EQ(img.pixel(other.right - 1, other.bottom - 1), shadow);
  EXPECT_EQ(img.pixel(other.left + 1, other.top + 1), face);
  EXPECT_EQ(img.pixel(chosen.left, chosen.top), shadow);
  EXPECT_EQ(img.pixel(chosen.right - 1, chosen.bottom - 1), light);
  EXPECT_EQ(img.pixel(chosen.left + 1, chosen.top + 1), skin::kPressedFillColor);
  // Flat: at rest nothing but the caption; under the pointer the hot look.
  pc_->setStyle(skin::TTabStyle::tsFlatButtons);
  img = shot();
  EXPECT_EQ(img.pixel(other.left, other.top), face);
  EXPECT_EQ(img.pixel(other.right - 1, other.bottom - 1), face);
  QWindow* win = pc_->widget()->window()->windowHandle();
  QTest::mouseMove(win, inWindow({other.left + 3, other.top + 3}));
  WAIT_EQ(pc_->hotTab(), 1, 1000);
  img = shot();
  EXPECT_EQ(img.pixel(other.left, other.top), skin::kHotFrameColor);
  EXPECT_EQ(img.pixel(other.left + 1, other.top + 1), skin::kHotFillColor);
  // Skinned buttons take the tab pictures, and still no frame: the page
  // area runs to the control's edges.
  skinned();
  EXPECT_EQ(pc_->pageArea(), (gfx::Rect{0, 21, 400, 200}));
  pc_->setStyle(skin::TTabStyle::tsButtons);
  QTest::mouseMove(win, inWindow({350, 150}));
  WAIT_EQ(pc_->hotTab(), -1, 1000);
  EXPECT_TRUE(tabShows(shot(), 1, section()->tabRect));
}

TEST_F(PageControlTest, LeftAndRightRowsScrollByAStackedUpDownAtTheirBottom) {
  addPages(8);
  pc_->setBounds(10, 10, 300, 100);
  pc_->setTabPosition(skin::TabPosition::tpLeft);
  showActive();
  skin::TbsSkinUpDown* ud = pc_->upDown();
  ASSERT_NE(ud, nullptr);
  // Without a section: DefaultItemHeight 20, the up-down 20 x 40 at the
  // bottom of the row, stacked.
  EXPECT_EQ(ud->Orientation(), skin::UpDownOrientation::udVertical);
  EXPECT_EQ(ud->boundsRect(), (gfx::Rect{0, 60, 20, 100}));
  int hidden = 0;
  for (int i = 0; i < pc_->visibleTabCount(); ++i)
    if (pc_->tabRect(i).bottom > 100 - 40 - 3) ++hidden;
  EXPECT_EQ(ud->Max(), hidden);
  EXPECT_EQ(ud->Position(), hidden);  // the upper button counts up: nothing more to bring back
  EXPECT_EQ(pc_->tabAt(5, 65), -1);
  // The lower button scrolls a tab out at the top, the upper one back.
  QWindow* win = pc_->widget()->window()->windowHandle();
  const auto click = [&](int button) {
    const gfx::Rect b = ud->buttonRect(button);
    QTest::mouseClick(win, Qt::LeftButton, {},
                      ud->widget()->mapTo(ud->widget()->window(),
                                          QPoint(b.left + b.width() / 2, b.top + b.height() / 2)));
  };
  click(0);
  WAIT_EQ(pc_->firstTab(), 1, 1000);
  EXPECT_EQ(pc_->tabRect(1).top, 0);
  EXPECT_LE(pc_->tabRect(0).bottom, 0);
  EXPECT_EQ(ud->Position(), ud->Max() - 1);
  click(0);
  WAIT_EQ(pc_->firstTab(), 2, 1000);
  click(1);
  WAIT_EQ(pc_->firstTab(), 1, 1000);
  // Choosing the last page brings its tab above the up-down.
  pc_->setTabIndex(7);
  EXPECT_GE(pc_->tabRect(7).top, 0);
  EXPECT_LE(pc_->tabRect(7).bottom, 100 - 40 - 3);
  // Right tabs keep it at the right; tall enough, it goes.
  pc_->setTabPosition(skin::TabPosition::tpRight);
  ASSERT_NE(pc_->upDown(), nullptr);
  EXPECT_EQ(pc_->upDown()->boundsRect(), (gfx::Rect{280, 60, 300, 100}));
  pc_->setBounds(10, 10, 300, 600);
  EXPECT_EQ(pc_->upDown(), nullptr);
  EXPECT_EQ(pc_->firstTab(), 0);
  EXPECT_EQ(pc_->tabRect(0).top, 0);
}

TEST_F(PageControlTest, RowsAndButtonsWithNoPagesOrTwoHundredPages) {
  showActive();
  pc_->setMultiLine(true);
  pc_->setStyle(skin::TTabStyle::tsFlatButtons);
  (void)shot();
  EXPECT_EQ(pc_->tabRows(), 1);
  addPages(200);
  skinned();
  // Far more rows than the control is high: an empty page area, never an
  // inverted one, and a paint that draws only what lies on the control.
  EXPECT_GT(pc_->tabRows(), 10);
  const gfx::Rect a = pc_->pageArea();
  EXPECT_GE(a.width(), 0);
  EXPECT_GE(a.height(), 0);
  EXPECT_EQ(pc_->upDown(), nullptr);
  (void)shot();
  pc_->setTabIndex(199);
  EXPECT_EQ(pc_->TabIndex(), 199);
  pc_->setTabPosition(skin::TabPosition::tpRight);
  pc_->setStyle(skin::TTabStyle::tsTabs);
  (void)shot();
  pc_->setMultiLine(false);
  ASSERT_NE(pc_->upDown(), nullptr);
  EXPECT_GE(pc_->tabRect(199).top, 0);
  (void)shot();
}

}  // namespace

namespace {

class UpDownTest : public ::testing::Test {
 protected:
  UpDownTest() {
    form_ = new ui::Form();
    form_->setBounds(50, 50, 300, 200);
    ud_ = new skin::TbsSkinUpDown(form_);
    ud_->setParent(form_);
    ud_->setBounds(20, 20, 40, 20);
    ud_->setScheduler(&clock_);
    ud_->OnChange = [this](skin::TbsSkinUpDown&, int p) { changes_.push_back(p); };
    form_->show();
    form_->activate();
    WAIT_TRUE(form_->active(), 2000);
  }
  ~UpDownTest() override { delete form_; }
  QWindow* win() { return form_->widget()->windowHandle(); }
  QPoint at(int x, int y) { return ud_->widget()->mapTo(ud_->widget()->window(), QPoint(x, y)); }

  app::LoadedBuiltinSkin skin_{0};
  ui::ManualScheduler clock_;
  ui::Form* form_;
  skin::TbsSkinUpDown* ud_;
  std::vector<int> changes_;
};

TEST_F(UpDownTest, ButtonsLieSideBySideOrStackedAndTheRangeHoldsThePosition) {
  ud_->setOrientation(skin::UpDownOrientation::udHorizontal);
  EXPECT_EQ(ud_->buttonRect(0), (gfx::Rect{0, 0, 20, 20}));
  EXPECT_EQ(ud_->buttonRect(1), (gfx::Rect{20, 0, 40, 20}));
  ud_->setOrientation(skin::UpDownOrientation::udVertical);
  EXPECT_EQ(ud_->buttonRect(1), (gfx::Rect{0, 0, 40, 10}));
  EXPECT_EQ(ud_->buttonRect(0), (gfx::Rect{0, 10, 40, 20}));
  // The skin's fixed 16 x 20 section does not pin the control's size.
  ud_->SetSkinData(&skin_.data);
  EXPECT_NE(ud_->SectionIndex(), -1);
  EXPECT_EQ(ud_->width(), 40);
  ud_->setMin(0);
  ud_->setMax(3);
  ud_->setPosition(7);
  EXPECT_EQ(ud_->Position(), 3);
  ud_->setPosition(-2);
  EXPECT_EQ(ud_->Position(), 0);
  ud_->setMin(5);  // Max below Min: the range is Min alone
  EXPECT_EQ(ud_->Position(), 5);
  ud_->setMax(4);
  ud_->setPosition(9);
  EXPECT_EQ(ud_->Position(), 5);
  EXPECT_TRUE(changes_.empty());  // set in code: no OnChange
}

TEST_F(UpDownTest, AHeldButtonStepsAtOnceThenRepeatsAfterTheDelayUntilReleased) {
  ud_->SetSkinData(&skin_.data);
  ud_->setOrientation(skin::UpDownOrientation::udHorizontal);
  ud_->setMax(10);
  QTest::mousePress(win(), Qt::LeftButton, {}, at(30, 10));
  WAIT_EQ(ud_->pressedButton(), 1, 1000);
  EXPECT_EQ(changes_, std::vector<int>{1});
  clock_.advance(skin::TbsSkinUpDown::kRepeatDelay - 1);
  EXPECT_EQ(ud_->Position(), 1);
  clock_.advance(1);
  EXPECT_EQ(ud_->Position(), 2);
  clock_.advance(2 * skin::TbsSkinUpDown::kRepeatInterval);
  EXPECT_EQ(ud_->Position(), 4);
  QTest::mouseRelease(win(), Qt::LeftButton, {}, at(30, 10));
  WAIT_EQ(ud_->pressedButton(), -1, 1000);
  EXPECT_EQ(ui::Control::captureControl(), nullptr);
  clock_.advance(1000);
  EXPECT_EQ(ud_->Position(), 4);
  EXPECT_FALSE(clock_.pending());
  // The left button steps down; at Min nothing changes and OnChange keeps still.
  for (int i = 0; i < 6; ++i) QTest::mouseClick(win(), Qt::LeftButton, {}, at(5, 10));
  WAIT_EQ(ud_->Position(), 0, 1000);
  EXPECT_EQ(changes_, (std::vector<int>{1, 2, 3, 4, 3, 2, 1, 0}));
  // Destroyed while held: the clock holds nothing of it.
  QTest::mousePress(win(), Qt::LeftButton, {}, at(30, 10));
  WAIT_EQ(ud_->pressedButton(), 1, 1000);
  delete ud_;
  EXPECT_FALSE(clock_.pending());
  EXPECT_EQ(ui::Control::captureControl(), nullptr);
  QTest::mouseRelease(win(), Qt::LeftButton, {}, QPoint(250, 150));
}

}  // namespace

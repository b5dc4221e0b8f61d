// The skinned control bases on a shown form: sections found on every paint,
// sizes pinned by the section, the picture composed by its stretch kind,
// the default look and default size without a section, the window region
// from the mask, skin changes told by the frame, the skin data going away,
// and the font rule.
#include <QImage>
#include <QTest>
#include <memory>

#include <gtest/gtest.h>

#include "skin/controls/skin_control.h"
#include "skin/controls/skin_font.h"
#include "skin/frame/form_frame.h"
#include "support/qt_wait.h"
#include "test_skin.h"
#include "ui/form.h"

namespace {

using controlstest::CoordinatePicture;
using controlstest::TestSkin;
using gfx::Color;

// Picture 0: coordinates, tag 7. Picture 1: a 20 x 12 mask with its four
// corner pixels cut. Sections (all of the button kind, which has the
// picture keys), each with skinrect 20 x 12 at (10, 20) in picture 0:
//   nine   - corner points in every direction (both)
//   strip  - right-top point only (horizontal)
//   column - left-bottom point only (vertical)
//   fixed  - no points; masked by picture 1
//   lost   - a picture index past the pictures
//   tiny   - a mask but an empty skinrect
const char* kSections =
    "[nine]\npictureindex=0\nskinrect=10,20,30,32\nlefttoppoint=4,3\nrighttoppoint=16,3\n"
    "leftbottompoint=4,9\nrightbottompoint=16,9\nclientrect=2,2,18,10\n"
    "[strip]\npictureindex=0\nskinrect=10,20,30,32\nlefttoppoint=4,0\nrighttoppoint=16,0\n"
    "clientrect=2,2,18,10\n"
    "[column]\npictureindex=0\nskinrect=10,20,30,32\nlefttoppoint=0,3\nleftbottompoint=0,9\n"
    "clientrect=2,2,18,10\n"
    "[fixed]\npictureindex=0\nmaskpictureindex=1\nskinrect=10,20,30,32\nclientrect=2,2,18,10\n"
    "[lost]\npictureindex=5\nskinrect=10,20,30,32\n"
    "[tiny]\npictureindex=0\nmaskpictureindex=1\nskinrect=0,0,0,0\n"
    "[plain]\nfontname=Arial\nfontheight=12\n";

gfx::Bitmap CutCornerMask() {
  gfx::Bitmap m(20, 12);
  m.fill(gfx::kBlack);
  for (auto [x, y] : {std::pair{0, 0}, {19, 0}, {0, 11}, {19, 11}}) m.setPixel(x, y, gfx::kWhite);
  return m;
}

std::unique_ptr<TestSkin> MakeSkin() {
  return std::make_unique<TestSkin>(
      std::vector<std::string>{"nine:button", "strip:button", "column:button", "fixed:button",
                               "lost:button", "tiny:button", "plain:stdlabel"},
      kSections, std::vector<gfx::Bitmap>{CoordinatePicture(40, 40, 7), CutCornerMask()});
}

// The source pixel the test picture holds at (x, y) of picture 0.
Color Source(int x, int y) { return Color::rgb(x, y, 7); }

Color PixelOf(ui::Control& c, int x, int y) {
  const QImage img = c.widget()->grab().toImage();
  return Color::fromPixel(img.pixel(x, y));
}

class SkinControlBase : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = MakeSkin();
    form_ = std::make_unique<ui::Form>();
    form_->setBounds(10, 10, 300, 200);
    form_->show();
  }

  skin::TbsSkinCustomControl* place(const std::string& section, int w, int h) {
    return controlstest::PlaceControl<skin::TbsSkinCustomControl>(*form_, &skin_->data(), section,
                                                                  w, h);
  }

  std::unique_ptr<TestSkin> skin_;
  std::unique_ptr<ui::Form> form_;
};

TEST_F(SkinControlBase, ASectionPinsWhatItsKindDoesNotLetChange) {
  struct Row {
    const char* section;
    skin::StretchKind kind;
    int w, h;  // for a requested 50 x 30
  } rows[] = {
      {"nine", skin::StretchKind::Both, 50, 30},
      {"strip", skin::StretchKind::Horizontal, 50, 12},
      {"column", skin::StretchKind::Vertical, 20, 30},
      {"fixed", skin::StretchKind::Fixed, 20, 12},
      // A kind without picture keys fits no picture and pins nothing.
      {"plain", skin::StretchKind::None, 50, 30},
  };
  for (const Row& row : rows) {
    auto* c = place(row.section, 50, 30);
    EXPECT_EQ(c->stretchKind(), row.kind) << row.section;
    EXPECT_EQ(c->width(), row.w) << row.section;
    EXPECT_EQ(c->height(), row.h) << row.section;
    // Later resizes are pinned the same way.
    c->setBounds(0, 0, 70, 44);
    EXPECT_EQ(
        c->width(),
        row.kind == skin::StretchKind::Vertical || row.kind == skin::StretchKind::Fixed ? 20 : 70)
        << row.section;
    EXPECT_EQ(
        c->height(),
        row.kind == skin::StretchKind::Horizontal || row.kind == skin::StretchKind::Fixed ? 12 : 44)
        << row.section;
    delete c;
  }
}

TEST_F(SkinControlBase, ANinePartPictureKeepsItsCornersAndRepeatsItsMiddle) {
  auto* c = place("nine", 50, 30);
  EXPECT_EQ(c->PlacedClientRect(), (gfx::Rect{2, 2, 48, 28}));
  // Corners at their own size: each corner pixel comes from the picture's
  // corner, moved by the size difference (30, 18).
  EXPECT_EQ(PixelOf(*c, 0, 0), Source(10, 20));
  EXPECT_EQ(PixelOf(*c, 3, 2), Source(13, 22));
  EXPECT_EQ(PixelOf(*c, 49, 0), Source(29, 20));
  EXPECT_EQ(PixelOf(*c, 48, 28), Source(28, 30));  // outside the client area
  EXPECT_EQ(PixelOf(*c, 49, 29), Source(29, 31));
  // The top border's middle (picture x 14..26) repeats from x 4 on.
  EXPECT_EQ(PixelOf(*c, 4, 0), Source(14, 20));
  EXPECT_EQ(PixelOf(*c, 4 + 12, 0), Source(14, 20));
}

TEST_F(SkinControlBase, StripsKeepTheirEnds) {
  auto* h = place("strip", 50, 30);
  EXPECT_EQ(PixelOf(*h, 0, 5), Source(10, 25));
  EXPECT_EQ(PixelOf(*h, 49, 5), Source(29, 25));
  EXPECT_EQ(PixelOf(*h, 4, 11), Source(14, 31));
  auto* v = place("column", 50, 30);
  EXPECT_EQ(PixelOf(*v, 5, 0), Source(15, 20));
  EXPECT_EQ(PixelOf(*v, 5, 29), Source(15, 31));
  EXPECT_EQ(PixelOf(*v, 19, 3), Source(29, 23));
}

TEST_F(SkinControlBase, WithoutASectionTheDefaultLookAndSizeShow) {
  auto* c = place("nine", 50, 30);
  c->setDefaultWidth(33);
  c->setDefaultHeight(17);
  EXPECT_EQ(c->width(), 50) << "a section keeps the default size from applying";
  // A name the skin lacks: the default look at the next paint...
  c->SetSkinDataName("absent");
  EXPECT_EQ(PixelOf(*c, 10, 10), gfx::SystemColor(gfx::SysColor::ButtonFace));
  EXPECT_EQ(c->SectionIndex(), -1);
  // ...and the default size at the next skin change.
  c->ChangeSkinData();
  EXPECT_EQ(c->width(), 33);
  EXPECT_EQ(c->height(), 17);
  // Back to a section at the next paint.
  c->SetSkinDataName("nine");
  EXPECT_EQ(PixelOf(*c, 0, 0), Source(10, 20));
}

TEST_F(SkinControlBase, AMissingPictureShowsTheDefaultLookAndPinsNothing) {
  auto* c = place("lost", 50, 30);
  EXPECT_EQ(c->SectionIndex(), -1);
  EXPECT_EQ(c->width(), 50);
  EXPECT_EQ(c->height(), 30);
  EXPECT_EQ(PixelOf(*c, 10, 10), gfx::SystemColor(gfx::SysColor::ButtonFace));
}

TEST_F(SkinControlBase, TheMaskShapesTheWindowAndASectionWithoutOneUnshapesIt) {
  auto* c = place("fixed", 50, 30);
  ASSERT_TRUE(c->hasRegion());
  EXPECT_FALSE(c->region().contains({0, 0}));
  EXPECT_FALSE(c->region().contains({19, 11}));
  EXPECT_TRUE(c->region().contains({1, 0}));
  EXPECT_TRUE(c->region().contains({10, 6}));
  // A section without a mask: the old region is removed.
  c->SetSkinDataName("nine");
  c->ChangeSkinData();
  EXPECT_FALSE(c->hasRegion());
  // No section at all: rectangular too.
  c->SetSkinDataName("fixed");
  c->ChangeSkinData();
  ASSERT_TRUE(c->hasRegion());
  c->SetSkinDataName("tiny");
  c->ChangeSkinData();
  EXPECT_FALSE(c->hasRegion());
}

TEST_F(SkinControlBase, AControlOfNoSizePaintsNothing) {
  auto* c = place("nine", 0, 0);
  EXPECT_EQ(c->width(), 0);
  c->repaint();  // nothing to paint, nothing to fail
  auto* d = new skin::TbsSkinCustomControl(form_.get());
  d->setParent(form_.get());
  d->setBounds(0, 0, -5, 10);
  d->repaint();
  SUCCEED();
}

TEST_F(SkinControlBase, TheFrameTellsItsControlsOfASkinChange) {
  auto* frame = new skin::TbsFormFrame(form_.get());
  (void)frame;
  skin::FormSkinWindows windows;
  skin::TbsSkinData data(nullptr, &windows);
  auto* c = new skin::TbsSkinCustomControl(form_.get());
  c->setParent(form_.get());
  c->SetSkinDataName("fixed");
  c->setBounds(5, 5, 50, 30);
  c->SetSkinData(&data);  // empty: nothing happens yet
  EXPECT_EQ(c->width(), 50);
  frame->setSkinData(&data);
  skin::TbsCompressedStoredSkin stored;
  {
    // The same skin made again, read through the skin data the frame watches.
    TestSkin source({"nine:button", "strip:button", "column:button", "fixed:button"}, kSections,
                    {CoordinatePicture(40, 40, 7), CutCornerMask()});
    stored.setCompressedData(source.data().CompressedStoredSkin()->compressedData());
  }
  data.setCompressedStoredSkin(&stored);
  EXPECT_EQ(c->width(), 20);
  EXPECT_EQ(c->height(), 12);
  EXPECT_TRUE(c->hasRegion());
  EXPECT_EQ(PixelOf(*c, 5, 5), Source(15, 25));
  frame->setSkinData(nullptr);
}

TEST_F(SkinControlBase, ADestroyedSkinDataIsForgotten) {
  auto* c = place("nine", 50, 30);
  ASSERT_EQ(c->SkinData(), &skin_->data());
  skin_.reset();
  EXPECT_EQ(c->SkinData(), nullptr);
  EXPECT_EQ(PixelOf(*c, 10, 10), gfx::SystemColor(gfx::SysColor::ButtonFace));
}

TEST_F(SkinControlBase, WindowlessControlsPinTheirSizeToo) {
  auto* g = new skin::TbsGraphicSkinCustomControl(form_.get());
  g->setParent(form_.get());
  g->SetSkinDataName("strip");
  g->setBounds(0, 0, 60, 40);
  g->SetSkinData(&skin_->data());
  EXPECT_EQ(g->width(), 60);
  EXPECT_EQ(g->height(), 12);
  EXPECT_EQ(PixelOf(*g, 59, 0), Source(29, 20));
}

TEST_F(SkinControlBase, MouseEnterAndLeaveAreTold) {
  auto* c = place("nine", 50, 30);
  int entered = 0, left = 0;
  c->OnMouseEnter = [&](ui::Control&) { ++entered; };
  c->OnMouseLeave = [&](ui::Control&) { ++left; };
  QWindow* window = form_->widget()->windowHandle();
  ASSERT_NE(window, nullptr);
  const QPoint inside = c->widget()->mapTo(form_->widget(), QPoint(10, 10));
  QTest::mouseMove(window, QPoint(250, 150));
  QTest::mouseMove(window, inside);
  WAIT_EQ(entered, 1, 2000);
  QTest::mouseMove(window, QPoint(250, 150));
  WAIT_EQ(left, 1, 2000);
}

TEST(SkinFont, TheSectionOrTheDefaultFontAndTheCharacterSet) {
  gfx::Font def;
  def.name = "Arial";
  def.height = 14;
  def.color = Color::rgb(1, 2, 3);
  def.charset = 134;
  skin::FontKeys keys;
  keys.fontName = "宋体";
  keys.fontHeight = 12;
  keys.fontStyle.bold = true;
  const Color state = Color::rgb(200, 0, 0);

  const gfx::Font skinned = skin::SelectSkinFont(true, &keys, state, def, nullptr);
  EXPECT_EQ(skinned.name, "宋体");
  EXPECT_EQ(skinned.height, 12);
  EXPECT_TRUE(skinned.bold);
  EXPECT_EQ(skinned.color, state);
  EXPECT_EQ(skinned.charset, 134) << "no text table: the default font's character set";

  EXPECT_EQ(skin::SelectSkinFont(false, &keys, state, def, nullptr), def);
  EXPECT_EQ(skin::SelectSkinFont(true, nullptr, state, def, nullptr), def);

  skin::TbsSkinData data;
  skin::TbsResourceStrData strings;
  strings.setCharSet(128);
  data.setResourceStrData(&strings);
  EXPECT_EQ(skin::SelectSkinFont(false, &keys, state, def, &data).charset, 128);
  data.setResourceStrData(nullptr);
}

}  // namespace

// The labels, the gauge and the link picture on a shown form, drawing from
// a skin made in the test whose picture tells every pixel's source: the
// gauge's fill edge and fill picture, horizontal and vertical, stretched
// when not skin-sized, its value range and text; the label's sizes and
// strip; the std label's font rule and embossed disabled text; the text
// label's automatic height; and the link picture's address check.
#include <QFontMetricsF>
#include <QImage>
#include <QTest>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/shell.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_link_image.h"
#include "skin/controls/skin_std_label.h"
#include "test_skin.h"
#include "ui/form.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/color.h"

namespace {

using controlstest::CoordinatePicture;
using controlstest::TestSkin;
using gfx::Color;

// Picture 0: coordinates (red x, green y, blue 9).
//   g     - horizontal gauge 40 x 10; progress area (2,2,38,8); progress
//           image (0,20,12,26), begin 2, end 3 (middle x 2..8, 7 wide)
//   gfix  - the same at a fixed size
//   vg    - vertical gauge 10 x 40; area (2,2,8,38); image (10,20,16,32)
//   lab   - horizontal label 40 x 10, ends 4 and 4, client (2,1,38,9)
//   labfix - the label at a fixed size
//   std   - std label font: Liberation Sans 16, blue
const char* kSections =
    "[g]\npictureindex=0\nskinrect=0,0,40,10\nlefttoppoint=2,0\nrighttoppoint=38,0\n"
    "clientrect=2,2,38,8\nprogressarea=2,2,38,8\nprogressrect=0,20,12,26\nbeginoffset=2\n"
    "endoffset=3\nfontname=Liberation Sans\nfontheight=12\nfontcolor=255\n"
    "[gfix]\npictureindex=0\nskinrect=0,0,40,10\nclientrect=2,2,38,8\nprogressarea=2,2,38,8\n"
    "progressrect=0,20,12,26\nbeginoffset=2\nendoffset=3\n"
    "[vg]\npictureindex=0\nskinrect=0,0,10,40\nlefttoppoint=0,2\nleftbottompoint=0,38\n"
    "clientrect=2,2,8,38\nprogressarea=2,2,8,38\nprogressrect=10,20,16,32\nbeginoffset=2\n"
    "endoffset=3\nvertical=1\n"
    "[lab]\npictureindex=0\nskinrect=0,0,40,10\nlefttoppoint=4,0\nrighttoppoint=36,0\n"
    "clientrect=2,1,38,9\nfontname=Liberation Sans\nfontheight=12\nfontcolor=65280\n"
    "[labfix]\npictureindex=0\nskinrect=0,0,40,10\nclientrect=2,1,38,9\n"
    "[std]\nfontname=Liberation Sans\nfontheight=16\nfontstyle=fsbold\nfontcolor=16711680\n";

std::unique_ptr<TestSkin> MakeSkin() {
  return std::make_unique<TestSkin>(
      std::vector<std::string>{"g:gauge", "gfix:gauge", "vg:gauge", "lab:label", "labfix:label",
                               "std:stdlabel"},
      kSections, std::vector<gfx::Bitmap>{CoordinatePicture(60, 60, 9)});
}

Color Source(int x, int y) { return Color::rgb(x, y, 9); }

QImage Shot(ui::Control& c) { return c.widget()->grab().toImage(); }
Color At(const QImage& img, int x, int y) { return Color::fromPixel(img.pixel(x, y)); }

gfx::Font Arial(int height) {
  gfx::Font f;
  f.name = "Arial";
  f.height = height;
  return f;
}

class LabelsOnAForm : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = MakeSkin();
    form_ = std::make_unique<ui::Form>();
    form_->setBounds(10, 10, 400, 300);
    form_->show();
  }

  template <class T>
  T* place(const std::string& section, int w, int h, bool skinned = true) {
    auto* c = new T(form_.get());
    c->setParent(form_.get());
    if (!section.empty()) c->SetSkinDataName(section);
    c->setBounds(5, 5, w, h);
    if (skinned) c->SetSkinData(&skin_->data());
    return c;
  }

  std::unique_ptr<TestSkin> skin_;
  std::unique_ptr<ui::Form> form_;
};

// Source column of fill column fx (begin 2, middle 7 from x 2, end 3 of a
// progress image starting at x 0 and 12 wide).
int FillSourceX(int fx, int fillWidth) {
  if (fx < 2) return fx;
  if (fx >= fillWidth - 3) return 9 + (fx - (fillWidth - 3));
  return 2 + (fx - 2) % 7;
}

TEST_F(LabelsOnAForm, TheGaugeFillsItsProgressAreaFromTheProgressImage) {
  auto* g = place<skin::TbsSkinGauge>("g", 40, 10);
  ASSERT_EQ(g->height(), 10);
  for (int value : {50, 75, 0, 100}) {
    g->setValue(value);
    // The fill's right edge: 2 + round(value / 100 * 36).
    const int edge = 2 + gfx::Round(value / 100.0 * 36);
    const QImage img = Shot(*g);
    for (int x = 0; x < 40; ++x) {
      const bool filled = x >= 2 && x < edge;
      const Color want = filled ? Source(FillSourceX(x - 2, edge - 2), 22) : Source(x, 4);
      ASSERT_EQ(At(img, x, 4), want) << "value " << value << " x " << x;
    }
  }
}

TEST_F(LabelsOnAForm, AVerticalGaugeFillsFromTheBottomUp) {
  auto* g = place<skin::TbsSkinGauge>("vg", 10, 40);
  EXPECT_TRUE(g->Vertical());  // the section's direction wins
  g->setValue(25);             // 0.25 * 36 = 9 rows from the bottom edge at 38
  const QImage img = Shot(*g);
  for (int y = 0; y < 40; ++y) {
    const bool filled = y >= 29 && y < 38;
    EXPECT_EQ(At(img, 5, y).red() >= 10, filled) << y;  // the image lies at x 10..15
  }
}

TEST_F(LabelsOnAForm, WithoutSkinSizeTheGaugeKeepsItsSizeAndThePictureIsStretched) {
  struct Row {
    const char* section;
    int fillEdge;  // in the gauge of 80 x 30 at value 50
  } rows[] = {
      {"g", 40},     // placed area 2..78: 2 + round(0.5 * 76)
      {"gfix", 40},  // 40 x 10 image with its edge at 20, stretched twice as wide
  };
  for (const Row& row : rows) {
    auto* g = new skin::TbsSkinGauge(form_.get());
    g->setParent(form_.get());
    g->SetSkinDataName(row.section);
    g->setUseSkinSize(false);
    g->setBounds(5, 5, 80, 30);
    g->SetSkinData(&skin_->data());
    EXPECT_EQ(g->width(), 80) << row.section;
    EXPECT_EQ(g->height(), 30) << row.section;
    const QImage img = Shot(*g);
    // Row 15 shows picture row 5, inside the progress area's rows 2..7.
    EXPECT_GE(At(img, row.fillEdge - 1, 15).green(), 20) << row.section;
    EXPECT_LT(At(img, row.fillEdge, 15).green(), 20) << row.section;
    EXPECT_FALSE(g->hasRegion());
    // Back on, the section pins the size again.
    g->setUseSkinSize(true);
    EXPECT_EQ(g->height(), 10) << row.section;
    delete g;
  }
}

TEST_F(LabelsOnAForm, TheValueStaysInItsRangeAndAnEmptyRangeFillsNothing) {
  auto* g = place<skin::TbsSkinGauge>("", 100, 20, false);
  EXPECT_EQ(g->Value(), 50);
  g->setValue(150);
  EXPECT_EQ(g->Value(), 100);
  g->setMaxValue(40);
  EXPECT_EQ(g->Value(), 40);
  g->setValue(-5);
  EXPECT_EQ(g->Value(), 0);
  g->setMinValue(10);
  EXPECT_EQ(g->Value(), 10);
  g->setShowPercent(true);
  g->setMaxValue(10);  // MinValue = MaxValue
  EXPECT_EQ(g->DisplayText(), "0%");
  QImage img = Shot(*g);
  EXPECT_EQ(At(img, 2, 2), gfx::SystemColor(gfx::SysColor::Window));
  g->setMaxValue(3);  // below MinValue
  g->setValue(7);
  EXPECT_EQ(g->Value(), 10);  // the minimum wins a reversed range
  EXPECT_EQ(g->DisplayText(), "0%");
  img = Shot(*g);
  EXPECT_EQ(At(img, 2, 2), gfx::SystemColor(gfx::SysColor::Window));
  // The default look's frame and fill at a value in range.
  g->setMinValue(0);
  g->setMaxValue(100);
  g->setValue(50);
  g->setShowPercent(false);
  img = Shot(*g);
  EXPECT_EQ(At(img, 0, 0), gfx::SystemColor(gfx::SysColor::ButtonShadow));
  EXPECT_EQ(At(img, 49, 10), Color::rgb(182, 189, 210));  // 1 + round(0.5 * 98) = 50
  EXPECT_EQ(At(img, 50, 10), gfx::SystemColor(gfx::SysColor::Window));
}

TEST_F(LabelsOnAForm, TheGaugeTextIsCentredWithNoSeparator) {
  auto* g = place<skin::TbsSkinGauge>("", 100, 20, false);
  g->setDefaultFont(Arial(14));
  g->setProgressText("abc");
  g->setShowProgressText(true);
  g->setShowPercent(true);
  EXPECT_EQ(g->DisplayText(), "abc50%");
  const gfx::Size size = gfx::MeasureText(Arial(14), "abc50%");
  const int left = 50 - size.width / 2;
  const int top = 10 - size.height / 2;
  const QImage img = Shot(*g);
  int inked = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 100; ++x) {
      const Color c = At(img, x, y);
      if (c.red() > 100 || c.green() > 100 || c.blue() > 100) continue;  // not ink
      ++inked;
      EXPECT_TRUE(x >= left && x < left + size.width && y >= top && y < top + size.height)
          << x << "," << y;
    }
  }
  EXPECT_GT(inked, 20);
}

TEST_F(LabelsOnAForm, AGaugeSurvivesSectionsOfAnotherKindAndNoSize) {
  auto* g = place<skin::TbsSkinGauge>("g", 40, 10);
  g->SetSkinDataName("lab");  // a label section: the gauge keys stay as read
  g->repaint();
  EXPECT_EQ(g->PlacedProgressArea().left, 2);
  g->SetSkinDataName("nothing");
  g->setBounds(0, 0, 0, 0);
  g->repaint();
  g->setBounds(0, 0, -5, 3);
  g->repaint();
  g->setMinValue(1 << 30);
  g->setMaxValue(-(1 << 30));
  g->setShowPercent(true);
  g->setBounds(0, 0, 50, 12);
  g->repaint();
  EXPECT_EQ(g->DisplayText(), "0%");
}

TEST_F(LabelsOnAForm, ALabelWithAFixedSectionNeverSizesToItsText) {
  auto* l = place<skin::TbsSkinLabel>("labfix", 75, 21, false);
  l->setAutoSize(true);
  l->setCaption("a caption much wider than forty pixels");
  l->SetSkinData(&skin_->data());
  EXPECT_FALSE(l->AutoSize());
  EXPECT_EQ(l->width(), 40);
  l->setCaption("another caption, still much wider");
  EXPECT_EQ(l->width(), 40);
}

TEST_F(LabelsOnAForm, ALabelSizesToItsTextWithAndWithoutASection) {
  auto* plain = place<skin::TbsSkinLabel>("", 75, 21, false);
  plain->setAutoSize(true);
  plain->setCaption("Hello, world of labels");
  EXPECT_EQ(plain->width(), gfx::MeasureText(plain->DefaultFont(), plain->caption()).width + 4);

  // A stretchable section: the client rect (36 wide at 40) takes the text.
  auto* skinned = place<skin::TbsSkinLabel>("lab", 75, 21);
  skinned->setUseSkinFont(false);
  skinned->setAutoSize(true);
  skinned->setCaption("Hello, world of labels");
  const int text = gfx::MeasureText(skinned->DefaultFont(), skinned->caption()).width;
  EXPECT_EQ(skinned->TextRect().width(), text);
  EXPECT_EQ(skinned->width(), text + 4);
  EXPECT_EQ(skinned->height(), 10);
  // Aligned to the whole client area, it does not resize itself.
  skinned->setAlign(ui::Align::alClient);
  const int w = skinned->width();
  skinned->setCaption("x");
  EXPECT_EQ(skinned->width(), w);
}

TEST_F(LabelsOnAForm, ALabelNotSkinSizedStretchesItsStripToItsHeight) {
  auto* l = new skin::TbsSkinLabel(form_.get());
  l->setParent(form_.get());
  l->SetSkinDataName("lab");
  l->setUseSkinSize(false);
  l->setBounds(5, 5, 100, 30);
  l->SetSkinData(&skin_->data());
  EXPECT_EQ(l->height(), 30);
  // The text rect: the client rect with its right and bottom edges moved.
  EXPECT_EQ(l->TextRect(), (gfx::Rect{2, 1, 98, 29}));
  const QImage img = Shot(*l);
  // x 50 lies in the middle, tiled from x 4 with 32 columns: 4 + 46 % 32;
  // row 15 of 30 shows row 5 of 10.
  EXPECT_EQ(At(img, 50, 15), Source(18, 5));
  EXPECT_EQ(At(img, 1, 29), Source(1, 9));
  EXPECT_EQ(At(img, 98, 0), Source(38, 0));
  l->setUseSkinSize(true);
  EXPECT_EQ(l->height(), 10);
}

TEST_F(LabelsOnAForm, ALabelDrawsItsCaptionInTheSectionFontOrItsOwn) {
  auto* l = place<skin::TbsSkinLabel>("lab", 200, 10);
  l->setCaption("Wide caption");
  EXPECT_EQ(l->TextFont().name, "Liberation Sans");
  EXPECT_EQ(l->TextFont().color, Color(65280));
  l->setUseSkinFont(false);
  gfx::Font own = Arial(14);
  own.bold = true;
  own.color = Color::rgb(1, 2, 3);
  l->setDefaultFont(own);
  EXPECT_EQ(l->TextFont().name, "Arial");
  EXPECT_TRUE(l->TextFont().bold);
  EXPECT_EQ(l->TextFont().color, Color(65280));  // the section's colour still
  const QImage img = Shot(*l);
  int green = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 200; ++x) green += At(img, x, y) == Color(65280) ? 1 : 0;
  EXPECT_GT(green, 10);
  // No section: the default font in its own colour, within (3, 3, w-3, h-3).
  l->SetSkinDataName("none");
  l->setBounds(5, 5, 120, 24);
  EXPECT_EQ(l->TextFont().color, own.color);
  EXPECT_EQ(l->TextRect(), (gfx::Rect{3, 3, 117, 21}));
  // A 10000-character caption is clipped to its rect.
  l->setCaption(std::string(10000, 'W'));
  l->repaint();
}

TEST_F(LabelsOnAForm, TheDefaultLabelBorderFollowsItsStyle) {
  auto* l = place<skin::TbsSkinLabel>("", 30, 12, false);
  const Color shadow = gfx::SystemColor(gfx::SysColor::ButtonShadow);
  const Color light = gfx::SystemColor(gfx::SysColor::ButtonHighlight);
  const Color face = gfx::SystemColor(gfx::SysColor::ButtonFace);
  struct Row {
    skin::TbsSkinBorderStyle style;
    Color topLeft, bottomRight;
  } rows[] = {
      {skin::TbsSkinBorderStyle::bvFrame, shadow, shadow},
      {skin::TbsSkinBorderStyle::bvRaised, light, shadow},
      {skin::TbsSkinBorderStyle::bvLowered, shadow, light},
      {skin::TbsSkinBorderStyle::bvNone, face, face},
  };
  for (const Row& r : rows) {
    l->setBorderStyle(r.style);
    const QImage img = Shot(*l);
    EXPECT_EQ(At(img, 5, 0), r.topLeft);
    EXPECT_EQ(At(img, 0, 5), r.topLeft);
    EXPECT_EQ(At(img, 5, 11), r.bottomRight);
    EXPECT_EQ(At(img, 29, 5), r.bottomRight);
    EXPECT_EQ(At(img, 5, 5), face);
  }
}

TEST_F(LabelsOnAForm, TheStdLabelTakesTheSectionFontInTheSectionColour) {
  auto* l = place<skin::TbsSkinStdLabel>("std", 65, 17);
  gfx::Font own = Arial(20);
  own.color = Color::rgb(9, 9, 9);
  l->setFont(own);
  EXPECT_EQ(l->TextFont().name, "Liberation Sans");
  EXPECT_EQ(l->TextFont().height, 16);
  EXPECT_TRUE(l->TextFont().bold);
  EXPECT_EQ(l->TextFont().color, Color(16711680));
  l->setUseSkinFont(false);
  EXPECT_EQ(l->TextFont().name, "Arial");
  EXPECT_EQ(l->TextFont().height, 20);
  EXPECT_EQ(l->TextFont().color, Color(16711680));
  // Without a section: the default font, or Font without UseSkinFont.
  l->SetSkinDataName("none");
  l->ReadSkinSection();
  EXPECT_EQ(l->TextFont().color, own.color);
  l->setUseSkinFont(true);
  EXPECT_EQ(l->TextFont(), l->DefaultFont());
}

// The size the text takes when laid out on a surface, as drawn.
gfx::Size LaidOut(const gfx::Font& font, const std::string& text) {
  gfx::Bitmap none;
  gfx::Canvas canvas(none);
  canvas.setFont(font);
  gfx::Rect r{0, 0, 0, 0};
  canvas.drawText(text, r, gfx::kTextCalcRect);
  return {r.width(), r.height()};
}

TEST_F(LabelsOnAForm, TheStdLabelSizesToItsCaption) {
  auto* l = place<skin::TbsSkinStdLabel>("std", 65, 17);
  l->setCaption("Port:");
  const gfx::Size size = LaidOut(l->TextFont(), "Port:");
  EXPECT_EQ(l->width(), size.width);
  EXPECT_EQ(l->height(), size.height);
  // An empty caption keeps one line's height.
  l->setCaption("");
  EXPECT_EQ(l->height(), size.height);
  EXPECT_EQ(l->width(), LaidOut(l->TextFont(), " ").width);
  // Right-aligned, it keeps its right edge.
  l->setAlignment(skin::LabelAlignment::Right);
  l->setCaption("Port:");
  const int right = l->left() + l->width();
  l->setCaption("A much longer port caption");
  EXPECT_EQ(l->left() + l->width(), right);
  // Word wrap keeps the width and grows downwards.
  l->setWordWrap(true);
  l->setBounds(5, 5, 60, 17);
  l->setCaption("several words that cannot fit on one line of sixty pixels");
  EXPECT_EQ(l->width(), 60);
  EXPECT_GE(l->height(), 3 * size.height);
}

TEST_F(LabelsOnAForm, ADisabledStdLabelIsEmbossed) {
  auto* l = place<skin::TbsSkinStdLabel>("", 80, 30, false);
  l->setUseSkinFont(false);
  gfx::Font f = Arial(24);
  f.bold = true;
  l->setFont(f);
  l->setCaption("HI");
  l->setEnabled(false);
  gfx::Bitmap bmp = gfx::Bitmap::Transparent(l->width(), l->height());
  l->DrawDefaultImage(bmp);
  const Color light = gfx::SystemColor(gfx::SysColor::ButtonHighlight);
  const Color shadow = gfx::SystemColor(gfx::SysColor::ButtonShadow);
  // Extents of each colour: the highlight copy lies one pixel right and down.
  int maxLightX = -1, maxLightY = -1, maxShadowX = -1, maxShadowY = -1;
  for (int y = 0; y < bmp.height(); ++y) {
    for (int x = 0; x < bmp.width(); ++x) {
      if ((bmp.row(y)[x] >> 24) != 0xFF) continue;
      const Color c = bmp.pixel(x, y);
      if (c == light) maxLightX = std::max(maxLightX, x), maxLightY = std::max(maxLightY, y);
      if (c == shadow) maxShadowX = std::max(maxShadowX, x), maxShadowY = std::max(maxShadowY, y);
    }
  }
  ASSERT_GE(maxShadowX, 0);
  EXPECT_EQ(maxLightX, maxShadowX + 1);
  EXPECT_EQ(maxLightY, maxShadowY + 1);
  // Enabled: one copy in the font's colour, no highlight.
  l->setEnabled(true);
  gfx::Bitmap on = gfx::Bitmap::Transparent(l->width(), l->height());
  l->DrawDefaultImage(on);
  bool anyLight = false;
  for (int y = 0; y < on.height(); ++y)
    for (int x = 0; x < on.width(); ++x)
      anyLight = anyLight || ((on.row(y)[x] >> 24) == 0xFF && on.pixel(x, y) == light);
  EXPECT_FALSE(anyLight);
}

// n lines laid out in font: n - 1 line steps and one line's height, the
// last pixel row counted whole.
int LinesHeight(const gfx::Font& font, int n) {
  const QFontMetricsF fm(gfx::ToQFont(font));
  return static_cast<int>(std::ceil((n - 1) * fm.lineSpacing() + fm.height()));
}

TEST_F(LabelsOnAForm, ATextLabelIsExactlyAsTallAsItsLines) {
  auto* l = place<skin::TbsSkinTextLabel>("std", 65, 65);
  l->setLines({"first", "second line"});
  EXPECT_EQ(l->height(), LinesHeight(l->TextFont(), 2));
  EXPECT_LT(l->height(), LinesHeight(l->TextFont(), 3) - 10);
  EXPECT_EQ(l->width(), LaidOut(l->TextFont(), "second line").width);
  l->setLines({"one"});
  EXPECT_EQ(l->height(), LinesHeight(l->TextFont(), 1));
  l->setWordWrap(true);
  l->setBounds(5, 5, 40, 10);
  l->setLines({"words that wrap onto lines", "then one more"});
  EXPECT_EQ(l->width(), 40);
  EXPECT_GE(l->height(), LinesHeight(l->TextFont(), 4));
  // Right-aligned, it keeps its right edge while sizing.
  l->setWordWrap(false);
  l->setAlignment(skin::LabelAlignment::Right);
  l->setBounds(20, 5, 100, 10);
  l->setLines({"教室号码", "x"});
  EXPECT_EQ(l->left() + l->width(), 120);
  EXPECT_EQ(l->width(), LaidOut(l->TextFont(), "教室号码").width);
  // Right-aligned without automatic sizing, as the login window has them.
  l->setAutoSize(false);
  l->setAlignment(skin::LabelAlignment::Right);
  l->setBounds(15, 76, 110, 13);
  l->setLines({"教室号码"});
  EXPECT_EQ(l->width(), 110);
  EXPECT_EQ(l->height(), 13);
}

TEST(LinkImage, OnlyWebAddressesAreOpened) {
  struct Row {
    const char* address;
    platform::ShellOpenResult result;
  } rows[] = {
      {"http://www.kavro.example/", platform::ShellOpenResult::Opened},
      {"https://kavro.example/about?x=1", platform::ShellOpenResult::Opened},
      {"HTTP://KAVRO.EXAMPLE", platform::ShellOpenResult::Opened},
      {"file:///etc/passwd", platform::ShellOpenResult::Refused},
      {"javascript:alert(1)", platform::ShellOpenResult::Refused},
      {"/usr/bin/xterm", platform::ShellOpenResult::Refused},
      {"www.kavro.example", platform::ShellOpenResult::Refused},
      {"http://", platform::ShellOpenResult::Refused},
      {"http:///path", platform::ShellOpenResult::Refused},
      {" http://kavro.example", platform::ShellOpenResult::Refused},
      {"http://kavro.example/a b", platform::ShellOpenResult::Refused},
      {"http://kavro.example/\n", platform::ShellOpenResult::Refused},
      {"ftp://kavro.example", platform::ShellOpenResult::Refused},
      {"", platform::ShellOpenResult::Refused},
  };
  std::vector<std::string> opened;
  platform::SetAddressOpener([&](const std::string& a) {
    opened.push_back(a);
    return true;
  });
  for (const Row& r : rows) EXPECT_EQ(platform::ShellOpen(r.address), r.result) << r.address;
  EXPECT_EQ(opened.size(), 3u);
  // A handler that fails is reported as such.
  platform::SetAddressOpener([](const std::string&) { return false; });
  EXPECT_EQ(platform::ShellOpen("https://kavro.example"), platform::ShellOpenResult::Failed);
  platform::SetAddressOpener({});
}

TEST(LinkImage, AClickFiresOnClickThenOpensTheAddress) {
  ui::Form form;
  form.setBounds(10, 10, 200, 150);
  auto* link = new skin::TbsSkinLinkImage(&form);
  link->setParent(&form);
  gfx::Bitmap picture(40, 20);
  picture.fill(Color::rgb(10, 20, 30));
  link->setPicture(picture);
  link->setBounds(10, 10, 5, 5);
  EXPECT_EQ(link->width(), 40);  // AutoSize: the picture's size
  EXPECT_EQ(link->cursor(), ui::Cursor::HandPoint);
  form.show();
  std::vector<std::string> events;
  platform::SetAddressOpener([&](const std::string& a) {
    events.push_back("open " + a);
    return true;
  });
  link->onClick = [&](ui::Control&) { events.push_back("click"); };
  std::vector<platform::ShellOpenResult> told;
  link->OnOpenResult = [&](skin::TbsSkinLinkImage&, platform::ShellOpenResult r) {
    told.push_back(r);
  };
  link->setURL("https://kavro.example/");
  QWindow* window = form.widget()->windowHandle();
  ASSERT_NE(window, nullptr);
  QTest::mouseClick(window, Qt::LeftButton, {}, link->widget()->mapTo(form.widget(), QPoint(5, 5)));
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0], "click");
  EXPECT_EQ(events[1], "open https://kavro.example/");
  link->setURL("file:///bin/sh");
  link->click();
  EXPECT_EQ(events.size(), 3u);  // the click, no opening
  EXPECT_EQ(link->LastOpenResult(), platform::ShellOpenResult::Refused);
  EXPECT_EQ(told,
            (std::vector{platform::ShellOpenResult::Opened, platform::ShellOpenResult::Refused}));
  platform::SetAddressOpener({});
}

}  // namespace

// Drawing of popup-menu levels: the looks resolved from a small hand-made
// skin, skinned items widened from their picture, dividers, the morph, text
// colours, owner draw, glyphs and check marks, the plain look's fills and
// frames, the window background and region, and the scroll markers.
#include "skin/popup/menu_paint.h"

#include <cmath>
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "resources/builtin_skins.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/package_stream.h"
#include "skin/data/zlib_streams.h"
#include "support/bitmap_dump.h"
#include "ui/image_list.h"

namespace {

using gfx::Bitmap;
using gfx::Color;
using gfx::Rect;
using gfx::SysColor;
using skin::MenuItemLook;
using skin::MenuItemPaint;

Color Sys(SysColor c) { return gfx::SystemColor(c); }

// Every pixel of a fixture picture differs: (x, y) has red 10 + 5x, green
// 10 + 5y and the picture's own blue.
Bitmap Gradient(int w, int h, int blue) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.setPixel(x, y, Color::rgb(10 + 5 * x, 10 + 5 * y, blue));
  return b;
}

// The popup picture (30 x 24), the item picture (normal rows 0-9, lit rows
// 10-19, divider rows 20-23) and a mask black but for its four corners.
constexpr int kItemBlue = 40;
const Color kFont = Color::rgb(255, 0, 255);
const Color kActiveFont = Color::rgb(0, 255, 255);
const Color kUnenabledFont = Color::rgb(255, 255, 255);
const Color kMarker = Color::rgb(1, 2, 3);
const Color kMarkerActive = Color::rgb(4, 5, 6);
const Rect kItemsRect{3, 3, 27, 21};
const Rect kSkinRect{0, 0, 20, 10};
const Rect kActiveSkinRect{0, 10, 20, 20};
const Rect kDividerRect{0, 20, 20, 24};
const Rect kTextRect{2, 1, 18, 9};

std::string Definition(const std::string& popup, const std::string& item) {
  return "[PICTURES]\r\npicture=p.bmp\r\nactivepicturescount=3\r\n"
         "[POPUPWINDOW]\r\n" +
         popup +
         "lefttoppoint=5,5\r\nrighttoppoint=25,5\r\nleftbottompoint=5,19\r\n"
         "rightbottompoint=25,19\r\nitemsrect=3,3,27,21\r\n"
         "scrollmarkercolor=197121\r\nscrollmarkeractivecolor=394500\r\n"
         "[SKINOBJECTS]\r\ncount=2\r\n0=close:stdbutton\r\n1=item:menuitem\r\n"
         "[close]\r\ncommand=cmclose\r\n"
         "[item]\r\n" +
         item +
         "skinrect=0,0,20,10\r\nactiveskinrect=0,10,20,20\r\n"
         "dividerrect=0,20,20,24\r\nitemleftoffset=4\r\nitemrightoffset=4\r\n"
         "dividerleftoffset=3\r\ndividerrightoffset=5\r\ntextrect=2,1,18,9\r\n"
         "fontname=Liberation Serif\r\nfontheight=11\r\nfontstyle=fsbold\r\n"
         "fontcolor=16711935\r\nactivefontcolor=16776960\r\nunenabledfontcolor=16777215\r\n";
}
const std::string kPopup = "windowpictureindex=0\r\nmaskpictureindex=2\r\n";
const std::string kItem = "activepictureindex=1\r\nmorphing=1\r\nmorphkind=mkgradient\r\n";

class MenuSkin {
 public:
  explicit MenuSkin(const std::string& definition) {
    skin::PackageParts parts;
    parts.picture = Gradient(4, 4, 7);
    Bitmap mask(30, 24);
    mask.fill(gfx::kBlack);
    for (auto [x, y] : {std::pair{0, 0}, {29, 0}, {0, 23}, {29, 23}})
      mask.setPixel(x, y, gfx::kWhite);
    parts.activePictures = {Gradient(30, 24, 200), Gradient(20, 24, kItemBlue), mask};
    parts.definitionText = definition;
    stored_.setCompressedData(skin::ZlibCompress(skin::WritePackageStream(parts)));
    data_.setCompressedStoredSkin(&stored_);
  }
  const skin::TbsSkinData& data() const { return data_; }

 private:
  skin::TbsCompressedStoredSkin stored_;
  skin::TbsSkinData data_;
};

const MenuSkin& Skin() {
  static const MenuSkin skin(Definition(kPopup, kItem));
  return skin;
}

gfx::Font DefaultFont() {
  gfx::Font f;
  f.name = "Arial";
  f.height = 14;
  return f;
}

MenuItemLook Look() {
  auto look = skin::ResolveMenuItemLook(Skin().data(), true, DefaultFont());
  EXPECT_TRUE(look.has_value());
  return look.value_or(MenuItemLook{});
}

// The three-part widening of picture area r to width w: the left and right
// parts as they are, the middle repeated from its start.
Bitmap Widened(const Bitmap& src, const Rect& r, int left, int right, int w) {
  Bitmap out(w, r.height());
  const int middle = r.width() - left - right;
  for (int y = 0; y < r.height(); ++y)
    for (int x = 0; x < w; ++x) {
      int sx = r.left + left + (x - left) % middle;
      if (x < left) sx = r.left + x;
      if (x >= w - right) sx = r.right - (w - x);
      out.setPixel(x, y, src.pixel(sx, r.top + y));
    }
  return out;
}

// The pixels of colour c inside area.
std::set<std::pair<int, int>> PixelsOf(const Bitmap& b, Color c, const Rect& area) {
  std::set<std::pair<int, int>> out;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (b.pixel(x, y) == c) out.insert({x, y});
  return out;
}

// The check mark's three strokes at (x, y), their end points left out.
std::set<std::pair<int, int>> CheckMark(int x, int y) {
  std::set<std::pair<int, int>> out;
  for (int i = 0; i <= 2; ++i) {
    for (int k = 0; k < 2; ++k) out.insert({x + k, y + 5 - i + k});
    for (int k = 0; k < 5; ++k) out.insert({x + 2 + k, y + 7 - i - k});
  }
  return out;
}

// The sub-menu arrow at (x, y): column x + i from y + i to y + 6 - i.
std::set<std::pair<int, int>> Arrow(int x, int y) {
  std::set<std::pair<int, int>> out;
  for (int i = 0; i <= 3; ++i)
    for (int row = y + i; row <= y + 6 - i; ++row) out.insert({x + i, row});
  return out;
}

// --- Resolving the looks ----------------------------------------------------

TEST(MenuLooks, ResolveFromTheSkin) {
  const skin::TbsSkinData& data = Skin().data();
  const auto window = skin::ResolvePopupWindowLook(data);
  ASSERT_TRUE(window.has_value());
  EXPECT_EQ(window->windowPicture, data.ActivePicture(0));
  EXPECT_EQ(window->maskPicture, data.ActivePicture(2));

  const MenuItemLook look = Look();
  EXPECT_EQ(look.activePicture, data.ActivePicture(1));
  EXPECT_EQ(look.skinRect, kSkinRect);
  EXPECT_EQ(look.activeSkinRect, kActiveSkinRect);
  EXPECT_EQ(look.dividerRect, kDividerRect);
  EXPECT_EQ(look.textRect, kTextRect);
  EXPECT_EQ(look.itemLeftOffset, 4);
  EXPECT_EQ(look.dividerRightOffset, 5);
  EXPECT_TRUE(look.morphing);
  EXPECT_EQ(look.morphKind, static_cast<int>(skin::MorphKind::Gradient));
  EXPECT_EQ(look.font.name, "Liberation Serif");
  EXPECT_EQ(look.font.height, 11);
  EXPECT_TRUE(look.font.bold);
  EXPECT_EQ(look.fontColor, kFont);
  EXPECT_EQ(look.activeFontColor, kActiveFont);
  EXPECT_EQ(look.unenabledFontColor, kUnenabledFont);

  const auto plainFont = skin::ResolveMenuItemLook(data, false, DefaultFont());
  ASSERT_TRUE(plainFont.has_value());
  EXPECT_EQ(plainFont->font, DefaultFont());

  const skin::MenuSkinLook geometry = skin::ToMenuSkinLook(*window, look);
  EXPECT_EQ(geometry.picture, (gfx::Size{30, 24}));
  EXPECT_EQ(geometry.itemsRect, kItemsRect);
  EXPECT_EQ(geometry.itemSkinRect, kSkinRect);
}

TEST(MenuLooks, MissingPiecesLeaveThePlainLookOrAnEmptyItemPicture) {
  skin::TbsSkinData empty;
  EXPECT_FALSE(skin::ResolvePopupWindowLook(empty));
  EXPECT_FALSE(skin::ResolveMenuItemLook(empty, true, DefaultFont()));

  const MenuSkin unskinned(Definition("windowpictureindex=-1\r\n", kItem));
  EXPECT_FALSE(skin::ResolvePopupWindowLook(unskinned.data()));
  EXPECT_FALSE(skin::ResolveMenuItemLook(unskinned.data(), true, DefaultFont()));

  // A window picture index past the pictures has nothing to draw from.
  const MenuSkin pastPictures(Definition("windowpictureindex=7\r\n", kItem));
  EXPECT_FALSE(skin::ResolvePopupWindowLook(pastPictures.data()));

  const MenuSkin noMask(Definition("windowpictureindex=0\r\n", kItem));
  ASSERT_TRUE(skin::ResolvePopupWindowLook(noMask.data()));
  EXPECT_EQ(skin::ResolvePopupWindowLook(noMask.data())->maskPicture, nullptr);
  EXPECT_FALSE(skin::BuildMenuWindowRegion(*skin::ResolvePopupWindowLook(noMask.data()), 60, 40));

  const MenuSkin noPicture(Definition(kPopup, "activepictureindex=9\r\n"));
  const auto look = skin::ResolveMenuItemLook(noPicture.data(), true, DefaultFont());
  ASSERT_TRUE(look.has_value());
  EXPECT_EQ(look->activePicture, nullptr);
  EXPECT_TRUE(gfx::IsNullRect(look->skinRect));
  EXPECT_TRUE(gfx::IsNullRect(look->activeSkinRect));
  EXPECT_EQ(look->dividerRect, kDividerRect);
}

// --- Skinned items ------------------------------------------------------------

TEST(SkinnedMenuItem, WidensItsPictureAreaKeepingBothEnds) {
  const MenuItemLook look = Look();
  const Bitmap& picture = *look.activePicture;
  const int w = 50;
  MenuItemPaint item;  // no caption, no glyph: only the picture
  EXPECT_TRUE(testsupport::SameBitmap(skin::PaintMenuItem(item, {w, 10}, &look, DefaultFont(), 19),
                                      Widened(picture, kSkinRect, 4, 4, w)));
  item.lit = true;
  item.morphFactor = 1.0;
  EXPECT_TRUE(testsupport::SameBitmap(skin::PaintMenuItem(item, {w, 10}, &look, DefaultFont(), 19),
                                      Widened(picture, kActiveSkinRect, 4, 4, w)));
  MenuItemPaint divider;
  divider.divider = true;
  divider.caption = "-";
  divider.lit = true;
  EXPECT_TRUE(
      testsupport::SameBitmap(skin::PaintMenuItem(divider, {w, 4}, &look, DefaultFont(), 19),
                              Widened(picture, kDividerRect, 3, 5, w)));
}

TEST(SkinnedMenuItem, MorphRunsFromTheNormalToTheLitImage) {
  MenuItemLook look = Look();
  const Bitmap& picture = *look.activePicture;
  const Bitmap normal = Widened(picture, kSkinRect, 4, 4, 40);
  const Bitmap lit = Widened(picture, kActiveSkinRect, 4, 4, 40);
  MenuItemPaint item;
  item.lit = true;  // entering: factor 0 still shows the normal image
  item.morphFactor = 0.0;
  EXPECT_TRUE(testsupport::SameBitmap(skin::PaintMenuItem(item, {40, 10}, &look, DefaultFont(), 19),
                                      normal));
  item.lit = false;  // leaving: factor 1 still shows the lit image
  item.morphFactor = 1.0;
  EXPECT_TRUE(
      testsupport::SameBitmap(skin::PaintMenuItem(item, {40, 10}, &look, DefaultFont(), 19), lit));

  // Half way with the plain blend: every channel the rounded mean.
  look.morphKind = static_cast<int>(skin::MorphKind::Default);
  item.morphFactor = 0.5;
  Bitmap half(40, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 40; ++x) {
      const Color a = normal.pixel(x, y), b = lit.pixel(x, y);
      auto mean = [](int u, int v) { return static_cast<int>(std::nearbyint((u + v) / 2.0)); };
      half.setPixel(
          x, y,
          Color::rgb(mean(a.red(), b.red()), mean(a.green(), b.green()), mean(a.blue(), b.blue())));
    }
  EXPECT_TRUE(
      testsupport::SameBitmap(skin::PaintMenuItem(item, {40, 10}, &look, DefaultFont(), 19), half));

  // Without morphing the factor is ignored.
  look.morphing = false;
  EXPECT_TRUE(testsupport::SameBitmap(skin::PaintMenuItem(item, {40, 10}, &look, DefaultFont(), 19),
                                      normal));
}

TEST(SkinnedMenuItem, TextColourFollowsTheState) {
  const MenuItemLook look = Look();
  const struct {
    const char* name;
    bool lit, enabled;
    Color colour;
  } rows[] = {{"normal", false, true, kFont},
              {"lit", true, true, kActiveFont},
              {"disabled", false, false, kUnenabledFont}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    MenuItemPaint item;
    item.caption = "MMMM";
    item.lit = row.lit;
    item.morphFactor = row.lit ? 1.0 : 0.0;
    item.enabled = row.enabled;
    item.checked = true;
    item.hasSubItems = true;
    const Bitmap b = skin::PaintMenuItem(item, {80, 10}, &look, DefaultFont(), 19);
    // Text right 18 + (80 - 20) = 78: the arrow at (71, 5 - 4).
    EXPECT_EQ(PixelsOf(b, row.colour, {64, 0, 80, 10}), Arrow(71, 1));
    // The check mark at (text left + 2, text centre - 4).
    EXPECT_EQ(PixelsOf(b, row.colour, {0, 0, 12, 10}), CheckMark(4, 1));
    // The caption starts 16 after the text left.
    EXPECT_FALSE(PixelsOf(b, row.colour, {18, 0, 64, 10}).empty());
  }
}

TEST(SkinnedMenuItem, OwnerDrawGetsTheTextRectOnTheBareImage) {
  const MenuItemLook look = Look();
  for (bool lit : {false, true}) {
    MenuItemPaint item;
    item.caption = "Owner drawn";
    item.shortCutText = "Ctrl+O";
    item.checked = true;
    item.hasSubItems = true;
    item.lit = lit;
    item.morphFactor = lit ? 1.0 : 0.0;
    int calls = 0;
    item.ownerDraw = [&](gfx::Canvas& canvas, const Rect& textRect, bool isLit) {
      ++calls;
      EXPECT_EQ(textRect, (Rect{2, 1, 48, 9}));
      EXPECT_EQ(isLit, lit);
      EXPECT_EQ(canvas.font().color, lit ? kActiveFont : kFont);
      canvas.setPixel(textRect.left, textRect.top, gfx::kRed);
    };
    Bitmap expected = Widened(*look.activePicture, lit ? kActiveSkinRect : kSkinRect, 4, 4, 50);
    expected.setPixel(2, 1, gfx::kRed);
    EXPECT_TRUE(testsupport::SameBitmap(
        skin::PaintMenuItem(item, {50, 10}, &look, DefaultFont(), 19), expected));
    EXPECT_EQ(calls, 1);
  }
}

// --- The plain look ---------------------------------------------------------

TEST(PlainMenuItem, FillsAndFrameByState) {
  const int w = 90, h = 20, g = 19;
  MenuItemPaint item;  // no caption: only fills and frames
  const Bitmap normal = skin::PaintMenuItem(item, {w, h}, nullptr, DefaultFont(), g);
  Bitmap expected(w, h);
  expected.fillRect({0, 0, g, h}, Sys(SysColor::ButtonFace));
  expected.fillRect({g, 0, w, h}, Sys(SysColor::Window));
  EXPECT_TRUE(testsupport::SameBitmap(normal, expected));

  item.enabled = false;
  EXPECT_TRUE(testsupport::SameBitmap(skin::PaintMenuItem(item, {w, h}, nullptr, DefaultFont(), g),
                                      expected));

  item.enabled = true;
  item.lit = true;
  expected.fill(gfx::kNavy);
  expected.fillRect({1, 1, w - 1, h - 1}, Color(13811126));
  EXPECT_TRUE(testsupport::SameBitmap(skin::PaintMenuItem(item, {w, h}, nullptr, DefaultFont(), g),
                                      expected));
}

TEST(PlainMenuItem, DividerIsOneShadowLineFromTheGlyphColumn) {
  for (int g : {19, 21}) {
    SCOPED_TRACE(g);
    MenuItemPaint item;
    item.divider = true;
    item.caption = "-";
    item.lit = true;  // a divider never shows lit
    const Bitmap b = skin::PaintMenuItem(item, {60, 4}, nullptr, DefaultFont(), g);
    Bitmap expected(60, 4);
    expected.fillRect({0, 0, g, 4}, Sys(SysColor::ButtonFace));
    expected.fillRect({g, 0, 60, 4}, Sys(SysColor::Window));
    expected.fillRect({g, 2, 60, 3}, Sys(SysColor::ButtonShadow));
    EXPECT_TRUE(testsupport::SameBitmap(b, expected));
  }
}

TEST(PlainMenuItem, GlyphsInTheTextColour) {
  const int w = 90, h = 20;
  const int tc = 2 + (h - 4) / 2;  // the inner rectangle's centre
  const struct {
    const char* name;
    bool lit, enabled;
    Color colour;
  } rows[] = {{"normal", false, true, Sys(SysColor::WindowText)},
              {"lit", true, true, Sys(SysColor::WindowText)},
              {"disabled", false, false, Sys(SysColor::ButtonShadow)}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    MenuItemPaint item;
    item.checked = true;
    item.hasSubItems = true;
    item.caption = "M";
    item.shortCutText = "F9";
    item.lit = row.lit;
    item.enabled = row.enabled;
    const Bitmap b = skin::PaintMenuItem(item, {w, h}, nullptr, DefaultFont(), 19);
    EXPECT_EQ(PixelsOf(b, row.colour, {1, 1, 16, h - 1}), CheckMark(5, tc - 4));
    EXPECT_EQ(PixelsOf(b, row.colour, {78, 1, w - 1, h - 1}), Arrow(w - 2 - 7, tc - 4));
    // The caption from inner left + 19, the short-cut ending 19 before the
    // inner right.
    EXPECT_FALSE(PixelsOf(b, row.colour, {21, 1, 40, h - 1}).empty());
    EXPECT_FALSE(PixelsOf(b, row.colour, {40, 1, w - 2 - 19, h - 1}).empty());
    EXPECT_TRUE(PixelsOf(b, row.colour, {w - 2 - 19, 1, 78, h - 1}).empty());
  }

  MenuItemPaint radio;
  radio.checked = true;
  radio.radio = true;
  const Bitmap r = skin::PaintMenuItem(radio, {w, h}, nullptr, DefaultFont(), 19);
  const auto circle = PixelsOf(r, Sys(SysColor::WindowText), r.rect());
  ASSERT_FALSE(circle.empty());
  int left = w, right = 0, top = h, bottom = 0;
  for (auto [x, y] : circle) {
    left = std::min(left, x), right = std::max(right, x + 1);
    top = std::min(top, y), bottom = std::max(bottom, y + 1);
  }
  EXPECT_EQ((Rect{left, top, right, bottom}), (Rect{5, tc - 3, 11, tc + 3}));
  EXPECT_TRUE(circle.count({7, tc}) && circle.count({5, tc}) && circle.count({10, tc - 1}));
  EXPECT_FALSE(circle.count({5, tc - 3}));  // round, not square
}

TEST(PlainMenuItem, FrameItemsDrawTheirCaptionGlyph) {
  const int w = 60, h = 20, x = 4, y = 2 + (h - 4) / 2 - 4;
  const Color text = Sys(SysColor::WindowText);
  // Each glyph's own pixels, from the caption-button glyph shapes.
  auto lineH = [](int x0, int x1, int row) {
    std::set<std::pair<int, int>> s;
    for (int c = x0; c < x1; ++c) s.insert({c, row});
    return s;
  };
  auto merge = [](std::set<std::pair<int, int>> a, const std::set<std::pair<int, int>>& b) {
    a.insert(b.begin(), b.end());
    return a;
  };
  std::set<std::pair<int, int>> triangle;
  for (int i = 0; i <= 4; ++i) triangle = merge(triangle, lineH(x + 1 + i, x + 9 - i, y + 6 - i));
  const struct {
    const char* name;
    std::set<std::pair<int, int>> pixels;
  } rows[] = {
      {"FRM_MINITEM", merge(lineH(x + 1, x + 9, y + 8), lineH(x + 1, x + 9, y + 9))},
      {"FRM_ROLLUP", triangle},
      {"FRM_MINTOTRAY",
       [&] {
         std::set<std::pair<int, int>> s;
         for (int r = y + 2; r < y + 7; ++r) s = merge(s, lineH(x + 2, x + 7, r));
         return s;
       }()},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    MenuItemPaint item;
    item.name = row.name;
    item.checked = true;  // the frame glyph wins over the check mark
    EXPECT_EQ(
        PixelsOf(skin::PaintMenuItem(item, {w, h}, nullptr, DefaultFont(), 19), text, {0, 0, w, h}),
        row.pixels);
  }
  for (const char* name :
       {"FRM_CLOSE", "TRAY_FRM_CLOSE", "FRM_MAXITEM", "FRM_RESTORE", "TRAY_FRM_RESTORE"}) {
    SCOPED_TRACE(name);
    MenuItemPaint item;
    item.name = name;
    const auto pixels =
        PixelsOf(skin::PaintMenuItem(item, {w, h}, nullptr, DefaultFont(), 19), text, {0, 0, w, h});
    ASSERT_FALSE(pixels.empty());
    EXPECT_GE(pixels.begin()->first, x);
    EXPECT_LT(pixels.rbegin()->first, x + 11);
  }
}

TEST(PlainMenuItem, ImageWithCheckedFrameAndGreyedWhenDisabled) {
  ui::ImageList images(nullptr, 8, 6);
  Bitmap picture(8, 6);
  picture.fill(Color::rgb(0, 90, 0));
  images.add(picture);
  const int w = 80, h = 20, g = 8 + 5;
  const int ix = 2 + 2, iy = 2 + (h - 4 - 6) / 2;
  MenuItemPaint item;
  item.images = &images;
  item.imageIndex = 0;
  item.checked = true;  // the frame around the image, no check mark
  const Bitmap b = skin::PaintMenuItem(item, {w, h}, nullptr, DefaultFont(), g);
  EXPECT_EQ(PixelsOf(b, Color::rgb(0, 90, 0), b.rect()).size(), 48u);
  EXPECT_EQ(b.pixel(ix, iy), Color::rgb(0, 90, 0));
  std::set<std::pair<int, int>> frame;
  for (int x = ix - 1; x <= ix + 8; ++x) frame.insert({x, iy - 1}), frame.insert({x, iy + 6});
  for (int y = iy - 1; y <= iy + 6; ++y) frame.insert({ix - 1, y}), frame.insert({ix + 8, y});
  EXPECT_EQ(PixelsOf(b, Sys(SysColor::WindowText), b.rect()), frame);

  item.enabled = false;
  item.checked = false;
  const Bitmap d = skin::PaintMenuItem(item, {w, h}, nullptr, DefaultFont(), g);
  EXPECT_TRUE(PixelsOf(d, Color::rgb(0, 90, 0), d.rect()).empty());
  EXPECT_EQ(d.pixel(ix + 3, iy + 3), Sys(SysColor::ButtonShadow));

  item.imageIndex = 5;  // not in the list: the check mark place stays empty
  item.checked = true;
  const Bitmap none = skin::PaintMenuItem(item, {w, h}, nullptr, DefaultFont(), g);
  EXPECT_EQ(PixelsOf(none, Sys(SysColor::ButtonShadow), none.rect()),
            CheckMark(5, 2 + (h - 4) / 2 - 4));
}

TEST(MenuItemText, HugeAndEmptyCaptionsAndSizes) {
  const MenuItemLook look = Look();
  MenuItemPaint item;
  item.caption = std::string(10000, 'W');
  item.shortCutText = std::string(300, 'S');
  item.hasSubItems = true;
  for (const MenuItemLook* l : {&look, static_cast<const MenuItemLook*>(nullptr)}) {
    EXPECT_EQ(skin::PaintMenuItem(item, {120, 20}, l, DefaultFont(), 19).width(), 120);
    item.caption.clear();
    item.shortCutText.clear();
    EXPECT_EQ(skin::PaintMenuItem(item, {120, 20}, l, DefaultFont(), 19).height(), 20);
    EXPECT_TRUE(skin::PaintMenuItem(item, {0, 20}, l, DefaultFont(), 19).empty());
    EXPECT_TRUE(skin::PaintMenuItem(item, {3, 3}, l, DefaultFont(), 19).width() == 3);
  }
}

// --- Window background, region and scroll markers ----------------------------

TEST(MenuWindow, PlainBackgroundGlyphColumnAndFrames) {
  for (bool images : {false, true}) {
    SCOPED_TRACE(images);
    const int w = 70, h = 40, column = images ? 16 + 5 + 2 : 21;
    Bitmap b(w, h);
    skin::PaintMenuWindowBackground(b, nullptr, {2, 2, w - 2, h - 2}, false, 16 + 5, images);
    Bitmap expected(w, h);
    expected.fillRect({0, 0, column, h}, Sys(SysColor::ButtonFace));
    expected.fillRect({column, 0, w, h}, Sys(SysColor::Window));
    expected.fillRect({0, 0, w, h}, Sys(SysColor::ButtonShadow));
    expected.fillRect({1, 1, w - 1, h - 1}, Sys(SysColor::Window));
    expected.fillRect({2, 2, column, h - 2}, Sys(SysColor::ButtonFace));
    expected.fillRect({column, 2, w - 2, h - 2}, Sys(SysColor::Window));
    EXPECT_TRUE(testsupport::SameBitmap(b, expected));
  }
}

TEST(MenuWindow, SkinnedBackgroundTilesTheItemsAreaOnlyWhileScrolling) {
  const auto look = skin::ResolvePopupWindowLook(Skin().data());
  ASSERT_TRUE(look.has_value());
  const Bitmap& picture = *look->windowPicture;
  // At the picture's own size, scrolling, the window is the picture.
  Bitmap same(30, 24);
  skin::PaintMenuWindowBackground(same, &*look, kItemsRect, true, 19, false);
  EXPECT_TRUE(testsupport::SameBitmap(same, picture));

  const int w = 60, h = 40;
  const Rect placed{3, 3, 27 + 30, 21 + 16};
  for (bool scrolling : {false, true}) {
    SCOPED_TRACE(scrolling);
    Bitmap b(w, h);
    skin::PaintMenuWindowBackground(b, &*look, placed, scrolling, 19, false);
    // The fixed corners keep their pixels.
    EXPECT_EQ(b.pixel(1, 1), picture.pixel(1, 1));
    EXPECT_EQ(b.pixel(w - 2, h - 2), picture.pixel(28, 22));
    // The items area repeats the picture's from its own left-top corner.
    const int x = placed.left + 24 + 5, y = placed.top + 18 + 4;
    const Color tile = picture.pixel(kItemsRect.left + 5, kItemsRect.top + 4);
    EXPECT_EQ(b.pixel(x, y) == tile, scrolling);
  }
}

TEST(MenuWindow, RegionFromTheMaskAtAnySize) {
  const auto look = skin::ResolvePopupWindowLook(Skin().data());
  ASSERT_TRUE(look.has_value());
  for (auto [w, h] : {std::pair{30, 24}, {61, 45}}) {
    SCOPED_TRACE(w);
    const auto region = skin::BuildMenuWindowRegion(*look, w, h);
    ASSERT_TRUE(region.has_value());
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
      EXPECT_FALSE(region->contains({x, y})) << x << "," << y;
    for (auto [x, y] : {std::pair{1, 0}, {w - 2, h - 1}, {w / 2, h / 2}, {w - 1, 1}})
      EXPECT_TRUE(region->contains({x, y})) << x << "," << y;
    EXPECT_FALSE(region->contains({w, h / 2}));
  }
}

// The triangle of a marker rect: rows of 1, 3, 5, 7 pixels about its centre.
std::set<std::pair<int, int>> Marker(const Rect& r, bool up) {
  const int cx = r.left + r.width() / 2, cy = r.top + r.height() / 2;
  std::set<std::pair<int, int>> out;
  for (int i = 0; i <= 3; ++i)
    for (int x = cx - i; x <= cx + i; ++x) out.insert({x, up ? cy - 2 + i : cy + 2 - i});
  return out;
}

TEST(MenuWindow, ScrollMarkersAtTheirRowsInTheirColours) {
  const auto look = skin::ResolvePopupWindowLook(Skin().data());
  ASSERT_TRUE(look.has_value());
  const int w = 60, h = 50;
  const Rect placed{3, 4, 57, 46};
  const struct {
    const char* name;
    const skin::PopupWindowLook* look;
    Rect upper, lower;
    Color normal, active;
  } looks[] = {
      {"skinned", &*look, {3, 4, 57, 14}, {3, 36, 57, 46}, kMarker, kMarkerActive},
      {"plain",
       nullptr,
       {3, 3, w - 3, 13},
       {3, h - 10, w - 3, h - 3},
       Sys(SysColor::ButtonShadow),
       Sys(SysColor::ButtonText)},
  };
  for (const auto& l : looks) {
    EXPECT_EQ(skin::UpperScrollMarkerRect(l.look, placed, {w, h}), l.upper) << l.name;
    EXPECT_EQ(skin::LowerScrollMarkerRect(l.look, placed, {w, h}), l.lower) << l.name;
    for (int direction : {0, 1, 2}) {
      SCOPED_TRACE(std::string(l.name) + " direction " + std::to_string(direction));
      Bitmap b(w, h);
      b.fill(Color::rgb(90, 90, 90));
      skin::PaintScrollMarkers(b, l.look, placed, direction);
      const Color upColour = direction == 1 ? l.active : l.normal;
      const Color downColour = direction == 2 ? l.active : l.normal;
      auto up = PixelsOf(b, upColour, {0, 0, w, h / 2});
      auto down = PixelsOf(b, downColour, {0, h / 2, w, h});
      EXPECT_EQ(up, Marker(l.upper, true));
      EXPECT_EQ(down, Marker(l.lower, false));
      EXPECT_EQ(PixelsOf(b, Color::rgb(90, 90, 90), b.rect()).size(),
                static_cast<std::size_t>(w * h - 32));
    }
  }
}

TEST(MenuLooks, EveryBuiltInSkinDrawsItsMenusFromItsPictures) {
  for (const app::BuiltinSkin& builtin : app::BuiltinSkins()) {
    SCOPED_TRACE(builtin.name);
    skin::TbsCompressedStoredSkin stored;
    app::LoadBuiltinSkin(builtin, stored);
    skin::TbsSkinData data;
    data.setCompressedStoredSkin(&stored);
    const auto window = skin::ResolvePopupWindowLook(data);
    const auto look = skin::ResolveMenuItemLook(data, true, DefaultFont());
    ASSERT_TRUE(window.has_value());
    ASSERT_TRUE(look.has_value());
    ASSERT_NE(look->activePicture, nullptr);
    ASSERT_FALSE(gfx::IsNullRect(look->skinRect));
    const int w = look->skinRect.width() + 37, h = look->skinRect.height();
    MenuItemPaint item;
    EXPECT_TRUE(
        testsupport::SameBitmap(skin::PaintMenuItem(item, {w, h}, &*look, DefaultFont(), 19),
                                Widened(*look->activePicture, look->skinRect, look->itemLeftOffset,
                                        look->itemRightOffset, w)));
    item.caption = "&Open";
    item.shortCutText = "Ctrl+O";
    const Bitmap text = skin::PaintMenuItem(item, {w, h}, &*look, DefaultFont(), 19);
    EXPECT_FALSE(PixelsOf(text, look->fontColor, text.rect()).empty());
  }
}

}  // namespace

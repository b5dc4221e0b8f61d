// The shared tools of the control painters: a writer for one control
// section and the painter that places images in the controls picture.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "atlas.h"
#include "build_context.h"
#include "glyphs.h"
#include "paint.h"

namespace skingen {

constexpr int kAtlasWidth = 256;

// Writes one control section, entered in [SKINCONTROLS] on construction.
class Section {
 public:
  Section(SkinBuild& b, const std::string& name, const std::string& kind) : b_(b), name_(name) {
    b.controls.push_back(name + ":" + kind);
  }
  Section& rect(const char* k, const gfx::Rect& r) { return b_.ini.setRect(name_, k, r), *this; }
  Section& point(const char* k, const gfx::Point& p) { return b_.ini.setPoint(name_, k, p), *this; }
  Section& integer(const char* k, int v) { return b_.ini.setInt(name_, k, v), *this; }
  Section& flag(const char* k, bool v) { return b_.ini.setBool(name_, k, v), *this; }
  Section& color(const char* k, Color v) { return b_.ini.setColor(name_, k, v), *this; }
  Section& text(const char* k, const std::string& v) { return b_.ini.set(name_, k, v), *this; }

  // The picture keys: the controls picture, no mask, the image.
  Section& picture(const gfx::Rect& skin) {
    integer("pictureindex", kControlsPicture);
    integer("maskpictureindex", -1);
    return rect("skinrect", skin);
  }
  // Composed in both directions: fixed borders l, t, r, bt around the
  // tiled inside.
  Section& both(const gfx::Rect& skin, int l, int t, int r, int bt) {
    picture(skin);
    const int w = skin.width(), h = skin.height();
    point("lefttoppoint", {l, t});
    point("righttoppoint", {w - r, t});
    point("leftbottompoint", {l, h - bt});
    point("rightbottompoint", {w - r, h - bt});
    return rect("clientrect", {l, t, w - r, h - bt});
  }
  // Composed in width only: fixed ends l and r.
  Section& across(const gfx::Rect& skin, int l, int r, const gfx::Rect& client) {
    picture(skin);
    point("lefttoppoint", {l, 0});
    point("righttoppoint", {skin.width() - r, 0});
    point("leftbottompoint", {0, 0});
    point("rightbottompoint", {0, 0});
    return rect("clientrect", client);
  }
  // Composed in height only: fixed ends t and bt.
  Section& along(const gfx::Rect& skin, int t, int bt, const gfx::Rect& client) {
    picture(skin);
    point("lefttoppoint", {0, t});
    point("righttoppoint", {0, 0});
    point("leftbottompoint", {0, skin.height() - bt});
    point("rightbottompoint", {0, 0});
    return rect("clientrect", client);
  }
  Section& fixed(const gfx::Rect& skin) {
    picture(skin);
    for (const char* k : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"})
      point(k, {0, 0});
    return rect("clientrect", {});
  }
  Section& font(Color c, const std::string& prefix = "", const char* style = "") {
    const SkinStyle& s = b_.style;
    b_.ini.set(name_, prefix + "fontname", s.fontName);
    b_.ini.setInt(name_, prefix + "fontheight", s.fontHeight);
    b_.ini.set(name_, prefix + "fontstyle", style);
    b_.ini.setColor(name_, prefix + "fontcolor", c);
    return *this;
  }

 private:
  SkinBuild& b_;
  std::string name_;
};

// The painters' shared state: the atlas and the skin being built.
struct Painter {
  SkinBuild& b;
  Atlas atlas;
  const SkinStyle& s;
  const SkinColors& c;
  const SkinPalette& p;

  explicit Painter(SkinBuild& build)
      : b(build),
        atlas(kAtlasWidth, 2048, build.style.colors.client),
        s(build.style),
        c(build.style.colors),
        p(build.pal) {}

  gfx::Bitmap& bmp() { return atlas.bitmap(); }

  // A face image at a new place of the atlas.
  gfx::Rect face(int w, int h, const FaceLook& l, int radius, int flatFrom = -1, int flatTo = -1,
                 std::optional<Color> backdrop = std::nullopt) {
    const gfx::Rect r = atlas.place(w, h);
    bmp().fillRect(r, backdrop.value_or(c.client));
    PaintFace(bmp(), r, l, radius, flatFrom, flatTo, 0.45);
    return r;
  }

  // A field: the inside of an edit box or list, a one-pixel border, a soft
  // inner shadow along its top and left.
  void field(const gfx::Rect& r, Color border, Color inside, int radius = 2) {
    gfx::Bitmap img(r.width(), r.height());
    img.fill(inside);
    HLine(img, 1, r.width() - 1, 1, p.fieldShadow);
    VLine(img, 1, 1, r.height() - 1, Mix(inside, p.fieldShadow, 0.5));
    RoundRing(img, {0, 0, r.width(), r.height()}, radius, border);
    bmp().fillRect(r, c.client);
    CompositeRound(bmp(), r, img, radius);
  }

  // A glow ring just inside a hot field's border.
  void glow(const gfx::Rect& r, Color col) {
    for (int x = r.left + 2; x < r.right - 2; ++x) {
      Blend(bmp(), x, r.top + 1, col, 0.35);
      Blend(bmp(), x, r.bottom - 2, col, 0.35);
    }
    for (int y = r.top + 2; y < r.bottom - 2; ++y) {
      Blend(bmp(), r.left + 1, y, col, 0.35);
      Blend(bmp(), r.right - 2, y, col, 0.35);
    }
  }

  // Copies an image painted elsewhere into a new place of the atlas.
  gfx::Rect put(const gfx::Bitmap& img) {
    const gfx::Rect r = atlas.place(img.width(), img.height());
    bmp().copyRect(r, img, img.rect());
    return r;
  }

  // A face painted across (gradient running left to right), for plates
  // that are tiled vertically.
  gfx::Rect faceAcross(int w, int h, const FaceLook& l, int radius) {
    gfx::Bitmap img(h, w);
    img.fill(c.client);
    PaintFace(img, img.rect(), l, radius, -1, -1, 0.45);
    gfx::Bitmap turned(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) turned.setPixel(x, y, img.pixel(y, w - 1 - x));
    return put(turned);
  }
};

struct StateRects {
  gfx::Rect normal, hot, down, disabled;
};

// Four looks of a button-like face in a row of the atlas; decorate adds the
// symbols or dividers on each.
StateRects Faces(Painter& P, int w, int h, int radius, int flatFrom, int flatTo,
                 const std::function<void(const gfx::Rect&, const FaceLook&)>& decorate = {});

// A section of kind "button" (or "menubutton" with a drop-down part of
// trackWidth pixels at the right).
void ButtonSection(Painter& P, const std::string& name, int w, int h, int radius,
                   const std::string& kind = "button", int trackWidth = 0);

// A check box image of 13 x 13 (a radio button when round): look 0 normal,
// 1 under the mouse, 2 disabled.
gfx::Rect CheckImage(Painter& P, bool checked, int look, bool round = false);

// The groups of control sections, in the order the controls picture holds them.
void PaintPanels(Painter& P);
void PaintButtons(Painter& P);
void PaintFields(Painter& P);
void PaintLists(Painter& P);
void PaintMenus(Painter& P);

}  // namespace skingen

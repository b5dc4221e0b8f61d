// The popup menu frame and the hint frame of a skin: their pictures (kept to
// a few colours, stored with a colour table), their masks and the
// [POPUPWINDOW] and [HINTWINDOW] sections.
#include "build_context.h"
#include "paint.h"

namespace skingen {

namespace {

// Width of the icon column at the left of popup menus; the menu item images
// carry the same column, so it runs from the top of the menu to its bottom.
constexpr int kGutter = 24;

gfx::Bitmap ShapeMask(int w, int h, int radius) {
  gfx::Bitmap m(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      m.setPixel(x, y, InRound({0, 0, w, h}, radius, x, y) ? gfx::kBlack : gfx::kWhite);
  return m;
}

// Outline and inner light ring of a masked (crisp) or square shape.
void ShapeEdge(gfx::Bitmap& bmp, int radius, Color outline, Color light, double lightAmount) {
  const int w = bmp.width(), h = bmp.height();
  const gfx::Rect all{0, 0, w, h};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!InRound(all, radius, x, y)) {
        bmp.setPixel(x, y, gfx::kWhite);
        continue;
      }
      auto in = [&](int px, int py) { return InRound(all, radius, px, py); };
      if (!in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1))
        bmp.setPixel(x, y, outline);
      else if (!in(x - 2, y) || !in(x + 2, y) || !in(x, y - 2) || !in(x, y + 2))
        Blend(bmp, x, y, light, lightAmount);
    }
  }
}

}  // namespace

void BuildPopupAndHint(SkinBuild& b) {
  const SkinStyle& s = b.style;
  const SkinColors& c = s.colors;
  IniWriter& ini = b.ini;

  // Popup menu frame.
  {
    const int w = 64, h = 40, e = 3;
    const int radius = s.popupMask ? 4 : 0;
    gfx::Bitmap pic(w, h);
    pic.fill(c.menu);
    pic.fillRect({e, 0, e + kGutter, h}, b.pal.gutter);
    ShapeEdge(pic, radius, b.pal.menuBorder, s.dark ? Lighter(c.menu, 0.3) : gfx::kWhite,
              s.dark ? 0.5 : 0.8);
    b.active[kPopupPicture] = {"popup.bmp", pic, 8};
    int maskIndex = -1;
    if (s.popupMask) maskIndex = b.addPicture({"popupmask.bmp", ShapeMask(w, h, radius), 1});
    const std::string p = "POPUPWINDOW";
    ini.setInt(p, "windowpictureindex", kPopupPicture);
    ini.setInt(p, "maskpictureindex", maskIndex);
    // The fixed pieces keep the icon column; the edges repeat to its right.
    ini.setPoint(p, "lefttoppoint", {e + kGutter + 2, e});
    ini.setPoint(p, "righttoppoint", {w - e - 1, e});
    ini.setPoint(p, "leftbottompoint", {e + kGutter + 2, h - e});
    ini.setPoint(p, "rightbottompoint", {w - e - 1, h - e});
    ini.setRect(p, "itemsrect", {e, e, w - e, h - e});
    ini.setColor(p, "scrollmarkercolor", b.pal.menuBorder);
    ini.setColor(p, "scrollmarkeractivecolor", c.accent);
    for (const char* k : {"leftstretch", "rightstretch", "topstretch", "bottomstretch"})
      ini.setBool(p, k, false);
  }

  // Hint frame: a small rounded note, shaped by its mask in every skin.
  {
    const int w = 40, h = 24, l = 6, t = 4;
    const int radius = 4;
    gfx::Bitmap pic(w, h);
    pic.fill(c.hint);
    VGradient(pic, {0, 0, w, t}, Lighter(c.hint, s.dark ? 0.12 : 0.6), c.hint);
    ShapeEdge(pic, radius, s.dark ? Lighter(c.hint, 0.35) : Darker(c.hint, 0.45), gfx::kWhite,
              s.dark ? 0.12 : 0.5);
    b.active[kHintPicture] = {"hint.bmp", pic, 8};
    b.active[kHintMaskPicture] = {"hintmask.bmp", ShapeMask(w, h, radius), 1};
    const std::string n = "HINTWINDOW";
    ini.setInt(n, "windowpictureindex", kHintPicture);
    ini.setInt(n, "maskpictureindex", kHintMaskPicture);
    ini.setPoint(n, "lefttoppoint", {l, t});
    ini.setPoint(n, "righttoppoint", {w - l, t});
    ini.setPoint(n, "leftbottompoint", {l, h - t});
    ini.setPoint(n, "rightbottompoint", {w - l, h - t});
    ini.setRect(n, "clientrect", {l, t, w - l, h - t});
    ini.set(n, "fontname", s.fontName);
    ini.setInt(n, "fontheight", s.fontHeight);
    ini.set(n, "fontstyle", "");
    ini.setColor(n, "fontcolor", c.hintText);
    for (const char* k : {"leftstretch", "rightstretch", "topstretch", "bottomstretch"})
      ini.setBool(n, k, false);
  }
}

}  // namespace skingen

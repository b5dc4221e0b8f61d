// Faces: the glossy plates buttons, tabs, thumbs and caption buttons are
// made of, and the palette of their looks mixed from a skin's few colours.
#include <algorithm>
#include <cmath>

#include "build_context.h"
#include "paint.h"

namespace skingen {

namespace {

Color Grey(Color c) {
  const int l = Luma(c);
  return Color::rgb(l, l, l);
}

// A plate lit from above: the upper half shines, the lower half carries the
// colour, the last rows catch a little reflected light.
FaceLook Plate(Color base, double gloss, Color border, Color light, Color text) {
  return {Lighter(base, 0.72 * gloss),
          Lighter(base, 0.38 * gloss),
          base,
          Lighter(base, 0.22 * gloss),
          border,
          light,
          text};
}

}  // namespace

SkinPalette MixPalette(const SkinStyle& s) {
  const SkinColors& c = s.colors;
  const double g = s.gloss;
  SkinPalette p;
  const Color white = gfx::kWhite;
  if (!s.dark) {
    const Color border = Darker(Mix(c.face, c.accent, 0.45), 0.32);
    p.normal = Plate(c.face, g, border, white, c.text);
    const Color hotBase = Mix(c.face, c.accent, 0.25);
    p.hot = Plate(hotBase, g * 1.1, Darker(c.accent, 0.12), white, c.text);
    const Color downBase = Darker(Mix(c.face, c.accent, 0.42), 0.06);
    p.down = {Darker(downBase, 0.10), Darker(downBase, 0.04), downBase, Lighter(downBase, 0.12),
              Darker(c.accent, 0.35), Darker(downBase, 0.14), c.text};
    const Color disBase = Lighter(Mix(c.face, Grey(c.face), 0.65), 0.35);
    p.disabledText = Mix(c.text, c.client, 0.62);
    p.disabled = {Lighter(disBase, 0.4),       Lighter(disBase, 0.2), disBase,       disBase,
                  Mix(border, c.client, 0.55), Lighter(disBase, 0.5), p.disabledText};
    p.fieldBorder = Mix(border, c.client, 0.2);
    p.fieldHotBorder = c.accent;
    p.fieldShadow = Mix(c.field, p.fieldBorder, 0.22);
    p.fieldDisabled = Mix(c.field, c.client, 0.7);
    p.shadow = Darker(c.client, 0.22);
    p.highlight = Lighter(c.client, 0.75);
    p.selectSoft = Mix(c.select, c.field, 0.72);
    p.gutter = Mix(c.menu, c.face, 0.55);
    p.menuBorder = Darker(Mix(c.face, c.accent, 0.5), 0.3);
    p.grip = Darker(c.client, 0.35);
  } else {
    const Color border = Darker(c.face, 0.55);
    p.normal = Plate(c.face, g, border, Lighter(c.face, 0.3), c.text);
    const Color hotBase = Mix(c.face, c.accent, 0.28);
    p.hot = Plate(hotBase, g * 1.2, Mix(border, c.accent, 0.6), Lighter(hotBase, 0.4),
                  Lighter(c.text, 0.5));
    const Color downBase = Darker(Mix(c.face, c.accent, 0.2), 0.25);
    p.down = {Darker(downBase, 0.25), Darker(downBase, 0.1), downBase, Lighter(downBase, 0.08),
              Darker(c.accent, 0.2),  Darker(downBase, 0.3), c.text};
    const Color disBase = Mix(c.face, c.client, 0.5);
    p.disabledText = Mix(c.text, c.client, 0.6);
    p.disabled = {
        Lighter(disBase, 0.06), disBase,       disBase, disBase, Mix(border, c.client, 0.4),
        Lighter(disBase, 0.08), p.disabledText};
    p.fieldBorder = Darker(c.client, 0.55);
    p.fieldHotBorder = c.accent;
    p.fieldShadow = Darker(c.field, 0.3);
    p.fieldDisabled = Mix(c.field, c.client, 0.6);
    p.shadow = Darker(c.client, 0.5);
    p.highlight = Lighter(c.client, 0.16);
    p.selectSoft = Mix(c.select, c.field, 0.6);
    p.gutter = Lighter(c.menu, 0.07);
    p.menuBorder = Darker(c.menu, 0.6);
    p.grip = Lighter(c.client, 0.35);
  }
  return p;
}

void PaintFace(gfx::Bitmap& bmp, const gfx::Rect& r, const FaceLook& l, int radius, int flatFrom,
               int flatTo, double gloss) {
  const int w = r.width(), h = r.height();
  if (w <= 0 || h <= 0) return;
  gfx::Bitmap img(w, h);
  const int band = (flatFrom >= 0 && flatTo > flatFrom) ? flatTo - flatFrom : 0;
  const int virtualRows = std::max(1, h - std::max(0, band - 1));
  const double split = std::clamp(gloss, 0.1, 0.9);
  for (int y = 0; y < h; ++y) {
    int v = y;
    if (band > 0) v = y < flatFrom ? y : (y < flatTo ? flatFrom : y - band + 1);
    const double f = virtualRows <= 1 ? 0.0 : static_cast<double>(v) / (virtualRows - 1);
    const Color c = f < split ? Mix(l.top, l.upper, f / split)
                              : Mix(l.lower, l.bottom, (f - split) / (1 - split));
    HLine(img, 0, w, y, c);
  }
  // The light line just inside the outline: full on the top edge, faint
  // along the sides, kept clear of the rounded corners.
  const int inset = std::max(1, radius);
  if (h > 2) HLine(img, inset, w - inset, 1, Mix(img.pixel(0, 1), l.light, 0.7));
  for (int y = inset; y < h - inset; ++y) {
    Blend(img, 1, y, l.light, 0.35);
    Blend(img, w - 2, y, l.light, 0.35);
  }
  const gfx::Rect local{0, 0, w, h};
  RoundRing(img, local, radius, l.border);
  CompositeRound(bmp, r, img, radius);
}

}  // namespace skingen

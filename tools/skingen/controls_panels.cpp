// Panels and containers: panel, toolpanel, groupbox, expanel.
#include "control_painter.h"

namespace skingen {

void PaintPanels(Painter& P) {
  const SkinColors& c = P.c;
  const SkinPalette& p = P.p;
  // panel: a quiet raised frame around the background colour.
  {
    const gfx::Rect r = P.atlas.place(48, 48);
    P.bmp().fillRect(r, c.client);
    Bevel(P.bmp(), r, p.highlight, p.shadow);
    Bevel(P.bmp(), {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1},
          Mix(c.client, p.highlight, 0.5), Mix(c.client, p.shadow, 0.4));
    const gfx::Rect on = CheckImage(P, true, 0), off = CheckImage(P, false, 0);
    Section sec(P.b, "panel", "panel");
    sec.both(r, 2, 2, 2, 2)
        .integer("bgpictureindex", -1)
        .rect("captionrect", {})
        .text("alignment", "tacenter")
        .font(c.text)
        .rect("checkimagerect", on)
        .rect("uncheckimagerect", off);
  }
  // toolpanel: a tool bar strip, lit from above, with a closing line.
  {
    const int w = 40, h = 30, mid = 13;
    const gfx::Rect r = P.atlas.place(w, h);
    FaceLook l = p.normal;
    l.border = Mix(p.shadow, c.client, 0.2);
    for (int y = 0; y < h; ++y) {
      const int v = y < mid ? y : (y < mid + 2 ? mid : y - 1);
      const double f = v / static_cast<double>(h - 2);
      HLine(P.bmp(), r.left, r.right, r.top + y,
            f < 0.5
                ? Mix(Lighter(c.face, 0.55 * P.s.gloss), Lighter(c.face, 0.2 * P.s.gloss), f * 2)
                : Mix(c.face, Darker(c.face, 0.05), (f - 0.5) * 2));
    }
    HLine(P.bmp(), r.left, r.right, r.top, Lighter(c.face, 0.8));
    HLine(P.bmp(), r.left, r.right, r.bottom - 1, l.border);
    Section sec(P.b, "toolpanel", "panel");
    sec.both(r, 2, mid, 2, h - mid - 2)
        .integer("bgpictureindex", -1)
        .rect("captionrect", {})
        .text("alignment", "tacenter")
        .font(c.text)
        .rect("checkimagerect", {})
        .rect("uncheckimagerect", {});
  }
  // groupbox: a header plate over a framed area.
  {
    const int w = 80, h = 60, head = 20;
    const gfx::Rect r = P.atlas.place(w, h);
    P.bmp().fillRect(r, c.client);
    Outline(P.bmp(), {r.left, r.top + head - 2, r.right, r.bottom}, p.normal.border);
    Outline(P.bmp(), {r.left + 1, r.top + head - 1, r.right - 1, r.bottom - 1},
            Mix(c.client, p.highlight, 0.6));
    gfx::Bitmap plate(w, head + 4);
    plate.fill(c.client);
    PaintFace(plate, plate.rect(), p.normal, P.s.controlRadius + 1, -1, -1, 0.5);
    P.bmp().copyRect({r.left, r.top, r.right, r.top + head}, plate, {0, 0, w, head});
    HLine(P.bmp(), r.left, r.right, r.top + head - 1, p.normal.border);
    Section sec(P.b, "groupbox", "panel");
    sec.both(r, 6, head + 2, 6, 4)
        .integer("bgpictureindex", -1)
        .rect("captionrect", {6, 1, w - 6, head - 1})
        .text("alignment", "taleftjustify")
        .font(p.normal.text, "", "fsbold")
        .rect("checkimagerect", {})
        .rect("uncheckimagerect", {});
  }
  // expanel: a panel with a caption bar that rolls it up.
  {
    const int w = 96, h = 80, cap = 21;
    const gfx::Rect r = P.atlas.place(w, h);
    P.bmp().fillRect(r, c.client);
    Outline(P.bmp(), {r.left, r.top + cap - 2, r.right, r.bottom}, p.normal.border);
    gfx::Bitmap bar(w, cap + 4);
    bar.fill(c.client);
    PaintFace(bar, bar.rect(), p.hot, P.s.controlRadius + 1, -1, -1, 0.5);
    P.bmp().copyRect({r.left, r.top, r.right, r.top + cap}, bar, {0, 0, w, cap});
    HLine(P.bmp(), r.left, r.right, r.top + cap - 1, p.hot.border);
    // The panel rolled to a horizontal strip is its caption bar alone; rolled
    // sideways it is the same bar turned upright.
    gfx::Bitmap strip(w, cap);
    strip.copyRect(strip.rect(), P.bmp(), {r.left, r.top, r.right, r.top + cap});
    for (int x = 0; x < w; ++x) {
      Plot(strip, x, cap - 1, p.hot.border);
    }
    P.atlas.newRow();
    const gfx::Rect vStrip = P.put(strip);
    gfx::Bitmap upright(cap, h);
    upright.fill(c.client);
    gfx::Bitmap across(h, cap + 4);
    across.fill(c.client);
    PaintFace(across, across.rect(), p.hot, P.s.controlRadius + 1, -1, -1, 0.5);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < cap; ++x) upright.setPixel(x, y, across.pixel(y, cap - 1 - x + 0));
    const gfx::Rect hStrip = P.put(upright);
    P.atlas.newRow();
    // The caption bar's small buttons: at rest only the symbol on the bar,
    // under the mouse and pressed a plate behind it.
    const gfx::Rect barPiece{r.left + w - 20, r.top + 3, r.left + w - 5, r.top + 18};
    auto small = [&](Glyph g) {
      std::array<gfx::Rect, 3> looks;
      const FaceLook* ls[3] = {&p.hot, &p.normal, &p.down};
      for (int i = 0; i < 3; ++i) {
        looks[i] = P.atlas.place(15, 15);
        P.bmp().copyRect(looks[i], P.bmp(), barPiece);
        if (i > 0) PaintFace(P.bmp(), looks[i], *ls[i], 2, -1, -1, 0.45);
        DrawGlyph(P.bmp(), g, i == 2 ? gfx::OffsetRect(looks[i], 1, 1) : looks[i], ls[i]->text);
      }
      return looks;
    };
    const auto close = small(Glyph::SmallCross);
    const auto hroll = small(Glyph::ArrowLeft);
    const auto hrestore = small(Glyph::ArrowRight);
    P.atlas.newRow();
    const auto vroll = small(Glyph::ArrowUp);
    const auto vrestore = small(Glyph::ArrowDown);
    P.atlas.newRow();
    Section sec(P.b, "expanel", "expanel");
    sec.both(r, 4, cap + 1, 4, 4)
        .rect("rollhskinrect", hStrip)
        .rect("rollvskinrect", vStrip)
        .integer("rollleftoffset", 6)
        .integer("rollrightoffset", 44)
        .integer("rolltopoffset", 44)
        .integer("rollbottomoffset", 6)
        .rect("rollvcaptionrect", {6, 0, w - 44, cap})
        .rect("rollhcaptionrect", {0, 44, cap, h - 6});
    auto triple = [&](const char* base, const std::array<gfx::Rect, 3>& l) {
      const std::string n = base;
      sec.rect((n + "rect").c_str(), l[0]);
      sec.rect((n + "activerect").c_str(), l[1]);
      sec.rect((n + "downrect").c_str(), l[2]);
    };
    triple("closebutton", close);
    triple("hrollbutton", hroll);
    triple("hrestorebutton", hrestore);
    triple("vrollbutton", vroll);
    triple("vrestorebutton", vrestore);
    sec.rect("captionrect", {6, 0, w - 44, cap}).font(p.hot.text, "", "fsbold");
  }
  P.atlas.newRow();
}

}  // namespace skingen

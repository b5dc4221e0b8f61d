// Lists and what scrolls them: listbox, checklistbox, the three scroll bars,
// grid, and the plain views (treeview, listview, richedit).
#include "control_painter.h"

namespace skingen {

namespace {

struct ItemLooks {
  gfx::Rect normal, active, focus;
};

// Item pictures of a list: plain, selected without the focus (a soft plate)
// and selected with the focus (the selection colour).
ItemLooks Items(Painter& P, int w, int h) {
  ItemLooks l;
  l.normal = P.atlas.place(w, h);
  P.bmp().fillRect(l.normal, P.c.field);
  auto plate = [&](Color col) {
    const gfx::Rect r = P.atlas.place(w, h);
    P.bmp().fillRect(r, P.c.field);
    gfx::Bitmap img(w, h);
    VGradient(img, img.rect(), Lighter(col, 0.12), col);
    RoundRing(img, img.rect(), 2, Darker(col, 0.12));
    CompositeRound(P.bmp(), r, img, 2);
    return r;
  };
  l.active = plate(P.p.selectSoft);
  l.focus = plate(P.c.select);
  return l;
}

void ListKeys(Painter& P, Section& sec, const gfx::Rect& box, const ItemLooks& items,
              int textLeft) {
  const int w = items.normal.width(), h = items.normal.height();
  sec.both(box, 2, 2, 2, 2)
      .rect("itemrect", items.normal)
      .rect("activeitemrect", items.active)
      .rect("focusitemrect", items.focus)
      .integer("itemleftoffset", 3)
      .integer("itemrightoffset", 3)
      .rect("itemtextrect", {textLeft, 0, w - 3, h})
      .font(P.c.fieldText)
      .color("activefontcolor", P.c.fieldText)
      .color("focusfontcolor", P.c.selectText)
      .rect("captionrect", {})
      .text("captionfontname", P.s.fontName)
      .integer("captionfontheight", P.s.fontHeight)
      .text("captionfontstyle", "fsbold")
      .color("captionfontcolor", P.c.text);
  for (const char* k : {"upbuttonrect", "activeupbuttonrect", "downupbuttonrect", "downbuttonrect",
                        "activedownbuttonrect", "downdownbuttonrect", "checkbuttonrect",
                        "activecheckbuttonrect", "downcheckbuttonrect"})
    sec.rect(k, {});
  sec.text("vscrollbarname", "vscrollbar")
      .text("hscrollbarname", "hscrollbar")
      .text("bothhscrollbarname", "bothhscrollbar");
}

constexpr int kBar = 17;  // thickness of the scroll bars

// One scroll bar: the groove with its two end buttons, the end buttons'
// other looks, the thumb in three looks and its grip.
void ScrollBar(Painter& P, const char* name, bool vertical) {
  const SkinColors& c = P.c;
  const SkinPalette& p = P.p;
  const int len = 80;
  const int w = vertical ? kBar : len, h = vertical ? len : kBar;
  const gfx::Rect r = P.atlas.place(w, h);
  // The groove: a shade across the bar, uniform along it.
  const Color groove = Mix(c.field, c.face, P.s.dark ? 0.6 : 0.45);
  for (int i = 0; i < kBar; ++i) {
    const double t = i / static_cast<double>(kBar - 1);
    const Color col = Mix(Darker(groove, 0.06), Lighter(groove, 0.25), t);
    if (vertical)
      VLine(P.bmp(), r.left + i, r.top, r.bottom, col);
    else
      HLine(P.bmp(), r.left, r.right, r.top + i, col);
  }
  // The up button (toward the start) sits at the top or left end, the down
  // button (toward the end) at the bottom or right end, as the scroll bar
  // lays out its parts without a skin.
  const gfx::Rect upAt{0, 0, kBar, kBar};
  const gfx::Rect downAt =
      vertical ? gfx::Rect{0, h - kBar, kBar, h} : gfx::Rect{w - kBar, 0, w, kBar};
  const Glyph upGlyph = vertical ? Glyph::ArrowUp : Glyph::ArrowLeft;
  const Glyph downGlyph = vertical ? Glyph::ArrowDown : Glyph::ArrowRight;
  auto button = [&](const gfx::Rect& at, const FaceLook& l, Glyph g, bool pressed) {
    const gfx::Rect in{at.left + 1, at.top + 1, at.right - 1, at.bottom - 1};
    PaintFace(P.bmp(), in, l, 2, -1, -1, 0.45);
    DrawGlyph(P.bmp(), g, pressed ? gfx::OffsetRect(in, 1, 1) : in, l.text);
  };
  button(gfx::OffsetRect(downAt, r.left, r.top), p.normal, downGlyph, false);
  button(gfx::OffsetRect(upAt, r.left, r.top), p.normal, upGlyph, false);
  auto apart = [&](const FaceLook& l, Glyph g, bool pressed) {
    const gfx::Rect out = P.atlas.place(kBar, kBar);
    // The groove behind the button, taken from the middle of the bar.
    const gfx::Rect groovePart = vertical
                                     ? gfx::Rect{r.left, r.top + 30, r.right, r.top + 30 + kBar}
                                     : gfx::Rect{r.left + 30, r.top, r.left + 30 + kBar, r.bottom};
    P.bmp().copyRect(out, P.bmp(), groovePart);
    button(out, l, g, pressed);
    return out;
  };
  const gfx::Rect upHot = apart(p.hot, upGlyph, false);
  const gfx::Rect upDown = apart(p.down, upGlyph, true);
  const gfx::Rect downHot = apart(p.hot, downGlyph, false);
  const gfx::Rect downDown = apart(p.down, downGlyph, true);
  // Thumbs: plates lit across the bar, so their middles tile along it.
  auto thumb = [&](const FaceLook& l) {
    return vertical ? P.faceAcross(kBar - 2, 24, l, 3) : P.face(24, kBar - 2, l, 3, -1, -1, groove);
  };
  const gfx::Rect t = thumb(p.normal), tHot = thumb(p.hot), tDown = thumb(p.down);
  auto grip = [&](const FaceLook& l) {
    const int gw = vertical ? 7 : 6, gh = vertical ? 6 : 7;
    const gfx::Rect g = P.atlas.place(gw, gh);
    const Color back = Mix(l.lower, l.upper, 0.5);
    P.bmp().fillRect(g, back);
    for (int i = 0; i < 3; ++i) {
      if (vertical) {
        HLine(P.bmp(), g.left, g.right, g.top + i * 2, Darker(back, 0.3));
        HLine(P.bmp(), g.left, g.right, g.top + i * 2 + 1, Lighter(back, 0.5));
      } else {
        VLine(P.bmp(), g.left + i * 2, g.top, g.bottom, Darker(back, 0.3));
        VLine(P.bmp(), g.left + i * 2 + 1, g.top, g.bottom, Lighter(back, 0.5));
      }
    }
    return g;
  };
  const gfx::Rect g = grip(p.normal), gHot = grip(p.hot), gDown = grip(p.down);
  P.atlas.newRow();
  Section sec(P.b, name, "scrollbar");
  const gfx::Rect track =
      vertical ? gfx::Rect{0, kBar, kBar, h - kBar} : gfx::Rect{kBar, 0, w - kBar, kBar};
  if (vertical)
    sec.along(r, kBar, kBar, track);
  else
    sec.across(r, kBar, kBar, track);
  sec.rect("trackarea", track)
      .rect("upbuttonrect", upAt)
      .rect("activeupbuttonrect", upHot)
      .rect("downupbuttonrect", upDown)
      .rect("downbuttonrect", downAt)
      .rect("activedownbuttonrect", downHot)
      .rect("downdownbuttonrect", downDown)
      .rect("thumbrect", t)
      .rect("activethumbrect", tHot)
      .rect("downthumbrect", tDown)
      .integer("thumboffset1", 5)
      .integer("thumboffset2", 5)
      .flag("thumbtransparent", false)
      .color("thumbtransparentcolor", Color::rgb(255, 0, 255))
      .rect("glyphrect", g)
      .rect("activeglyphrect", gHot)
      .rect("downglyphrect", gDown);
}

}  // namespace

void PaintLists(Painter& P) {
  const SkinColors& c = P.c;
  const SkinPalette& p = P.p;

  {
    const gfx::Rect box = P.atlas.place(80, 60);
    P.field(box, p.fieldBorder, c.field, 2);
    const ItemLooks items = Items(P, 40, 18);
    P.atlas.newRow();
    Section sec(P.b, "listbox", "listbox");
    ListKeys(P, sec, box, items, 4);
  }
  {
    const gfx::Rect box = P.atlas.place(80, 60);
    P.field(box, p.fieldBorder, c.field, 2);
    const ItemLooks items = Items(P, 40, 18);
    const gfx::Rect on = CheckImage(P, true, 0), off = CheckImage(P, false, 0);
    P.atlas.newRow();
    Section sec(P.b, "checklistbox", "checklistbox");
    ListKeys(P, sec, box, items, 20);
    sec.rect("itemcheckrect", {3, 2, 16, 15})
        .rect("checkimagerect", on)
        .rect("uncheckimagerect", off);
  }
  ScrollBar(P, "vscrollbar", true);
  ScrollBar(P, "hscrollbar", false);
  ScrollBar(P, "bothhscrollbar", false);

  // grid: heading cells on a tool bar face, selected and focused cells.
  {
    const int w = 40, h = 18;
    const gfx::Rect fixed = P.face(w, h, p.normal, 0, 7, 9, c.field);
    VLine(P.bmp(), fixed.right - 1, fixed.top + 2, fixed.bottom - 2, p.normal.border);
    const gfx::Rect sel = P.atlas.place(w, h);
    P.bmp().fillRect(sel, P.p.selectSoft);
    const gfx::Rect focus = P.atlas.place(w, h);
    P.bmp().fillRect(focus, c.select);
    Outline(P.bmp(), focus, Darker(c.select, 0.3));
    P.atlas.newRow();
    Section sec(P.b, "grid", "grid");
    sec.integer("pictureindex", kControlsPicture)
        .integer("maskpictureindex", -1)
        .rect("fixedcellrect", fixed)
        .rect("selectcellrect", sel)
        .rect("focuscellrect", focus)
        .integer("fixedcellleftoffset", 2)
        .integer("fixedcellrightoffset", 2)
        .rect("fixedcelltextrect", {3, 0, w - 3, h})
        .integer("cellleftoffset", 1)
        .integer("cellrightoffset", 1)
        .rect("celltextrect", {3, 0, w - 3, h})
        .color("linescolor", Mix(c.field, p.fieldBorder, 0.45))
        .color("bgcolor", c.field)
        .font(c.fieldText)
        .color("selectfontcolor", c.fieldText)
        .color("focusfontcolor", c.selectText)
        .font(p.normal.text, "fixed", "fsbold");
  }
  for (const char* view : {"treeview", "listview", "richedit"})
    Section(P.b, view, view)
        .integer("pictureindex", kControlsPicture)
        .integer("maskpictureindex", -1)
        .font(c.fieldText)
        .color("bgcolor", c.field);
}

}  // namespace skingen

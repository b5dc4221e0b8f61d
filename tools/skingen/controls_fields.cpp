// Edit boxes and their relatives (edit, buttonedit, tooledit, memo,
// spinedit, combobox), the three gauges and the page control's tab.
#include "control_painter.h"

namespace skingen {

namespace {

struct FieldLooks {
  gfx::Rect normal, hot;
};

// A field at rest and one under the mouse or focused (accent border, glow).
FieldLooks Fields(Painter& P, int w, int h) {
  FieldLooks f;
  f.normal = P.atlas.place(w, h);
  P.field(f.normal, P.p.fieldBorder, P.c.field, P.s.controlRadius - 1);
  f.hot = P.atlas.place(w, h);
  P.field(f.hot, P.p.fieldHotBorder, P.c.field, P.s.controlRadius - 1);
  P.glow(f.hot, P.c.accent);
  return f;
}

// A button inside a field, in its four looks: the first is painted into the
// field images themselves (at `at`, relative to them), the others apart.
StateRects FieldButtons(Painter& P, const FieldLooks& f, const gfx::Rect& at, Glyph g) {
  auto paint = [&](const gfx::Rect& r, const FaceLook& l, bool pressed) {
    PaintFace(P.bmp(), r, l, 2, -1, -1, 0.45);
    DrawGlyph(P.bmp(), g, pressed ? gfx::OffsetRect(r, 1, 1) : r, l.text);
  };
  for (const gfx::Rect& base : {f.normal, f.hot})
    paint(gfx::OffsetRect(at, base.left, base.top), P.p.normal, false);
  StateRects r;
  const FaceLook* looks[3] = {&P.p.hot, &P.p.down, &P.p.disabled};
  gfx::Rect* outs[3] = {&r.hot, &r.down, &r.disabled};
  for (int i = 0; i < 3; ++i) {
    *outs[i] = P.atlas.place(at.width(), at.height());
    P.bmp().fillRect(*outs[i], P.c.field);
    paint(*outs[i], *looks[i], i == 1);
  }
  r.normal = gfx::OffsetRect(at, f.normal.left, f.normal.top);
  return r;
}

void EditKeys(Painter& P, Section& sec, const FieldLooks& f) {
  sec.rect("activeskinrect", f.hot)
      .font(P.c.fieldText)
      .color("disabledfontcolor", P.p.disabledText)
      .color("activefontcolor", P.c.fieldText);
}

}  // namespace

void PaintFields(Painter& P) {
  const SkinColors& c = P.c;
  const SkinPalette& p = P.p;

  // edit: 21 pixels high with a text area of 15.
  {
    const FieldLooks f = Fields(P, 80, 21);
    Section sec(P.b, "edit", "edit");
    sec.both(f.normal, 3, 3, 3, 3);
    EditKeys(P, sec, f);
    sec.rect("buttonrect", {})
        .rect("activebuttonrect", {})
        .rect("downbuttonrect", {})
        .rect("unenabledbuttonrect", {});
  }
  // Edits with buttons keep the skin's height: their buttons lie in the
  // fixed right end and must not be repeated downwards.
  // buttonedit: an edit with a "..." button at its right end.
  {
    const int w = 100, h = 21;
    const FieldLooks f = Fields(P, w, h);
    const gfx::Rect button{w - 19, 2, w - 2, 19};
    const StateRects b = FieldButtons(P, f, button, Glyph::Ellipsis);
    P.atlas.newRow();
    Section sec(P.b, "buttonedit", "edit");
    sec.across(f.normal, 3, 21, {3, 3, w - 21, h - 3});
    EditKeys(P, sec, f);
    sec.rect("buttonrect", button)
        .rect("activebuttonrect", b.hot)
        .rect("downbuttonrect", b.down)
        .rect("unenabledbuttonrect", b.disabled);
  }
  // tooledit: a slimmer edit for tool bars.
  {
    const FieldLooks f = Fields(P, 70, 19);
    Section sec(P.b, "tooledit", "edit");
    sec.both(f.normal, 3, 2, 3, 2);
    EditKeys(P, sec, f);
    sec.rect("buttonrect", {})
        .rect("activebuttonrect", {})
        .rect("downbuttonrect", {})
        .rect("unenabledbuttonrect", {});
  }
  // memo: a many-line edit.
  {
    const FieldLooks f = Fields(P, 60, 40);
    P.atlas.newRow();
    Section sec(P.b, "memo", "memo");
    sec.both(f.normal, 3, 3, 3, 3);
    EditKeys(P, sec, f);
    sec.rect("buttonrect", {})
        .rect("activebuttonrect", {})
        .rect("downbuttonrect", {})
        .rect("unenabledbuttonrect", {})
        .color("bgcolor", c.field)
        .color("activebgcolor", c.field);
  }
  // spinedit: an edit with two small buttons stacked at its right end.
  {
    const int w = 70, h = 21;
    const FieldLooks f = Fields(P, w, h);
    const gfx::Rect up{w - 16, 2, w - 2, 10}, down{w - 16, 11, w - 2, 19};
    const StateRects u = FieldButtons(P, f, up, Glyph::ArrowUp);
    const StateRects d = FieldButtons(P, f, down, Glyph::ArrowDown);
    P.atlas.newRow();
    Section sec(P.b, "spinedit", "spinedit");
    sec.across(f.normal, 3, 18, {3, 3, w - 18, h - 3})
        .rect("activeskinrect", f.hot)
        .font(c.fieldText)
        .color("activefontcolor", c.fieldText)
        .color("disabledfontcolor", p.disabledText)
        .rect("upbuttonrect", up)
        .rect("activeupbuttonrect", u.hot)
        .rect("downupbuttonrect", u.down)
        .rect("downbuttonrect", down)
        .rect("activedownbuttonrect", d.hot)
        .rect("downdownbuttonrect", d.down);
  }
  // combobox: a field with its drop-down button; the item shown in it sits
  // on a plain or, with the focus, a selected plate.
  {
    const int w = 100, h = 21;
    const FieldLooks f = Fields(P, w, h);
    const gfx::Rect button{w - 18, 2, w - 2, 19};
    const StateRects b = FieldButtons(P, f, button, Glyph::ArrowDown);
    const gfx::Rect item = P.atlas.place(40, 15);
    P.bmp().fillRect(item, c.field);
    const gfx::Rect focus = P.atlas.place(40, 15);
    P.bmp().fillRect(focus, c.field);
    gfx::Bitmap sel(40, 15);
    sel.fill(c.select);
    CompositeRound(P.bmp(), focus, sel, 2);
    P.atlas.newRow();
    Section sec(P.b, "combobox", "combobox");
    sec.across(f.normal, 3, 20, {3, 3, w - 20, h - 3})
        .rect("itemrect", item)
        .rect("focusitemrect", focus)
        .integer("itemleftoffset", 3)
        .integer("itemrightoffset", 3)
        .rect("itemtextrect", {3, 0, 37, 15})
        .font(c.fieldText)
        .color("focusfontcolor", c.selectText)
        .text("listboxname", "listbox")
        .rect("buttonrect", button)
        .rect("activebuttonrect", b.hot)
        .rect("downbuttonrect", b.down)
        .rect("unenabledbuttonrect", b.disabled);
  }

  // Gauges: a sunken track and a glossy bar in the accent colour.
  auto gauge = [&](const char* name, int w, int h, bool vertical) {
    const gfx::Rect r = P.atlas.place(w, h);
    P.field(r, p.fieldBorder, c.field, 2);
    const FaceLook bar{
        Lighter(c.accent, 0.55), Lighter(c.accent, 0.25), c.accent, Lighter(c.accent, 0.2),
        Darker(c.accent, 0.2),   Lighter(c.accent, 0.6),  {}};
    const gfx::Rect progress =
        vertical ? P.faceAcross(w - 4, 24, bar, 1) : P.face(24, h - 4, bar, 1, -1, -1, c.field);
    Section sec(P.b, name, "gauge");
    sec.both(r, 3, 3, 3, 3)
        .rect("progressarea", {2, 2, w - 2, h - 2})
        .rect("progressrect", progress)
        .integer("beginoffset", 2)
        .integer("endoffset", 2)
        .flag("vertical", vertical)
        .font(c.fieldText)
        .flag("progresstransparent", false)
        .color("progresstransparentcolor", Color::rgb(255, 0, 255));
  };
  gauge("gauge", 100, 18, false);
  gauge("statusgauge", 100, 16, false);
  P.atlas.newRow();
  gauge("vgauge", 18, 100, true);

  // tab: the page frame, the tab pictures (18 pixels high) and the strip
  // behind the tabs.
  {
    const int w = 60, h = 40, th = 18;
    const gfx::Rect page = P.atlas.place(w, h);
    P.bmp().fillRect(page, c.client);
    Outline(P.bmp(), page, p.normal.border);
    Outline(P.bmp(), {page.left + 1, page.top + 1, page.right - 1, page.bottom - 1},
            Mix(c.client, p.highlight, 0.6));
    auto tab = [&](const FaceLook& l, bool selected, bool focused) {
      gfx::Bitmap img(40, th + 6);
      img.fill(c.client);
      FaceLook look = l;
      if (selected) look.bottom = look.lower = c.client;
      PaintFace(img, img.rect(), look, P.s.controlRadius + 1, -1, -1, 0.5);
      const gfx::Rect r = P.atlas.place(40, th);
      P.bmp().copyRect(r, img, {0, 0, 40, th});
      if (!selected) HLine(P.bmp(), r.left, r.right, r.bottom - 1, p.normal.border);
      if (focused) HLine(P.bmp(), r.left + 3, r.right - 3, r.top + 1, c.accent);
      return r;
    };
    const gfx::Rect normal = tab(p.normal, false, false);
    const gfx::Rect active = tab(p.normal, true, false);
    const gfx::Rect focus = tab(p.normal, true, true);
    const gfx::Rect hot = tab(p.hot, false, false);
    const gfx::Rect strip = P.atlas.place(8, 8);
    P.bmp().fillRect(strip, c.client);
    P.atlas.newRow();
    Section sec(P.b, "tab", "tab");
    sec.integer("pictureindex", kControlsPicture)
        .integer("maskpictureindex", -1)
        .rect("skinrect", page)
        .rect("tabrect", normal)
        .rect("activetabrect", active)
        .rect("focustabrect", focus)
        .rect("mouseintabrect", hot)
        .rect("clientrect", {2, 2, w - 2, h - 2})
        .integer("bgpictureindex", P.b.backgroundPicture)
        .point("lefttoppoint", {2, 2})
        .point("righttoppoint", {w - 2, 2})
        .point("leftbottompoint", {2, h - 2})
        .point("rightbottompoint", {w - 2, h - 2})
        .integer("tableftoffset", 5)
        .integer("tabrightoffset", 5)
        .rect("tabsbgrect", strip)
        .font(p.normal.text)
        .color("activefontcolor", c.text)
        .color("focusfontcolor", c.text)
        .color("mouseinfontcolor", p.hot.text)
        .text("updown", "updown");
  }
  P.atlas.newRow();
}

}  // namespace skingen

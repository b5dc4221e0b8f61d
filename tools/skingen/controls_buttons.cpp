// Buttons and the small controls around them: the four button sections, the
// menu button, check boxes, track bar, slider, up-down, splitters, labels,
// bevel, scroll box and control bar.
#include "control_painter.h"

namespace skingen {

void PaintButtons(Painter& P) {
  const SkinColors& c = P.c;
  const SkinPalette& p = P.p;
  const int radius = P.s.controlRadius;

  ButtonSection(P, "button", 64, 24, radius);
  ButtonSection(P, "toolbutton", 60, 24, radius);
  ButtonSection(P, "resizebutton", 18, 18, 2);
  ButtonSection(P, "toolmenubutton", 72, 24, radius, "menubutton", 14);

  // bigtoolbutton: a large plate for a symbol above its caption; its inside
  // is flat, as it grows in both directions.
  {
    const int w = 48, h = 48;
    const StateRects r = Faces(P, w, h, radius + 1, 6, h - 6);
    Section sec(P.b, "bigtoolbutton", "button");
    sec.both(r.normal, 6, 6, 6, 6)
        .font(p.normal.text)
        .color("activefontcolor", p.hot.text)
        .color("downfontcolor", p.down.text)
        .color("disabledfontcolor", p.disabled.text)
        .rect("activeskinrect", r.hot)
        .rect("downskinrect", r.down)
        .rect("disabledskinrect", r.disabled)
        .flag("morphing", P.s.controlMorph)
        .text("morphkind", P.s.controlMorphKind);
  }

  // checkradio: the background behind a check box and its text, plain at
  // rest and softly lit under the mouse, with the check images.
  {
    const int w = 80, h = 17;
    const gfx::Rect bg = P.atlas.place(w, h);
    P.bmp().fillRect(bg, c.client);
    const gfx::Rect hot = P.atlas.place(w, h);
    P.bmp().fillRect(hot, c.client);
    gfx::Bitmap lit(w, h);
    lit.fill(Mix(c.client, c.select, P.s.dark ? 0.18 : 0.1));
    CompositeRound(P.bmp(), hot, lit, 3);
    P.atlas.newRow();
    const gfx::Rect on = CheckImage(P, true, 0), off = CheckImage(P, false, 0);
    const gfx::Rect onHot = CheckImage(P, true, 1), offHot = CheckImage(P, false, 1);
    const gfx::Rect onDis = CheckImage(P, true, 2), offDis = CheckImage(P, false, 2);
    P.atlas.newRow();
    Section sec(P.b, "checkradio", "checkradio");
    sec.both(bg, 3, 3, 3, 3)
        .font(c.text)
        .color("activefontcolor", c.text)
        .color("unenabledfontcolor", p.disabledText)
        .color("framefontcolor", c.text)
        .rect("activeskinrect", hot)
        .rect("checkimagearea", {2, 2, 15, 15})
        .rect("textarea", {19, 0, w, h})
        .rect("checkimagerect", on)
        .rect("uncheckimagerect", off)
        .rect("activecheckimagerect", onHot)
        .rect("activeuncheckimagerect", offHot)
        .rect("unenabledcheckimagerect", onDis)
        .rect("unenableduncheckimagerect", offDis)
        .flag("morphing", P.s.controlMorph)
        .text("morphkind", P.s.controlMorphKind);
  }

  // trackbar: a sunken groove and a small plate for the thumb.
  {
    const int w = 100, h = 24;
    const gfx::Rect r = P.atlas.place(w, h);
    P.bmp().fillRect(r, c.client);
    P.field({r.left + 4, r.top + 10, r.right - 4, r.top + 15}, p.fieldBorder, c.field, 2);
    const gfx::Rect thumb = P.face(11, 20, p.normal, 2);
    const gfx::Rect thumbHot = P.face(11, 20, p.hot, 2);
    for (const gfx::Rect& t : {thumb, thumbHot})
      for (int y = t.top + 6; y < t.bottom - 6; y += 2)
        HLine(P.bmp(), t.left + 3, t.right - 3, y, Mix(p.normal.border, c.face, 0.3));
    P.atlas.newRow();
    Section sec(P.b, "trackbar", "trackbar");
    sec.across(r, 10, 10, {6, 0, w - 6, h})
        .rect("trackarea", {6, 0, w - 6, h})
        .rect("buttonrect", thumb)
        .rect("activebuttonrect", thumbHot)
        .flag("vertical", false)
        .flag("buttontransparent", false)
        .color("buttontransparentcolor", Color::rgb(255, 0, 255));
  }

  // slider: rulers and thumbs for both directions.
  {
    gfx::Rect hr = P.atlas.place(60, 8);
    P.bmp().fillRect(hr, c.client);
    P.field(hr, p.fieldBorder, c.field, 3);
    const gfx::Rect ht = P.face(11, 16, p.normal, 2);
    const gfx::Rect vr = P.atlas.place(8, 60);
    P.bmp().fillRect(vr, c.client);
    P.field(vr, p.fieldBorder, c.field, 3);
    const gfx::Rect vt = P.faceAcross(16, 11, p.normal, 2);
    P.atlas.newRow();
    Section sec(P.b, "slider", "slider");
    sec.integer("pictureindex", kControlsPicture)
        .integer("maskpictureindex", -1)
        .color("bgcolor", c.client)
        .rect("hrulerrect", hr)
        .rect("hthumbrect", ht)
        .rect("vrulerrect", vr)
        .rect("vthumbrect", vt)
        .integer("edgesize", 3)
        .color("pointscolor", p.grip);
  }

  // updown: two small plates stacked, drawn at their own size.
  {
    const int w = 16, h = 20, half = 10;
    const gfx::Rect r = P.atlas.place(w, h);
    P.bmp().fillRect(r, c.client);
    auto plate = [&](const gfx::Rect& at, const FaceLook& l, Glyph g, bool pressed) {
      PaintFace(P.bmp(), at, l, 2, -1, -1, 0.45);
      DrawGlyph(P.bmp(), g, pressed ? gfx::OffsetRect(at, 1, 1) : at, l.text);
    };
    plate({r.left, r.top, r.right, r.top + half}, p.normal, Glyph::ArrowUp, false);
    plate({r.left, r.top + half, r.right, r.bottom}, p.normal, Glyph::ArrowDown, false);
    gfx::Rect up[2], down[2];
    const FaceLook* looks[2] = {&p.hot, &p.down};
    for (int i = 0; i < 2; ++i) {
      up[i] = P.atlas.place(w, half);
      P.bmp().fillRect(up[i], c.client);
      plate(up[i], *looks[i], Glyph::ArrowUp, i == 1);
      down[i] = P.atlas.place(w, half);
      P.bmp().fillRect(down[i], c.client);
      plate(down[i], *looks[i], Glyph::ArrowDown, i == 1);
    }
    P.atlas.newRow();
    Section sec(P.b, "updown", "updown");
    sec.fixed(r)
        .rect("upbuttonrect", {0, 0, w, half})
        .rect("activeupbuttonrect", up[0])
        .rect("downupbuttonrect", up[1])
        .rect("downbuttonrect", {0, half, w, h})
        .rect("activedownbuttonrect", down[0])
        .rect("downdownbuttonrect", down[1]);
  }

  // Splitters: a bar with a dotted grip running all along (the dots repeat
  // with the tiles, four pixels apart).
  {
    const gfx::Rect v = P.atlas.place(6, 40);
    P.bmp().fillRect(v, c.face);
    Bevel(P.bmp(), v, p.highlight, p.shadow);
    GripDots(P.bmp(), {v.left, v.top + 4, v.right, v.bottom - 4}, false, p.grip, p.highlight);
    const gfx::Rect h = P.atlas.place(40, 6);
    P.bmp().fillRect(h, c.face);
    Bevel(P.bmp(), h, p.highlight, p.shadow);
    GripDots(P.bmp(), {h.left + 4, h.top, h.right - 4, h.bottom}, true, p.grip, p.highlight);
    Section(P.b, "vsplitter", "splitter").along(v, 4, 4, {0, 4, 6, 36});
    Section(P.b, "hsplitter", "splitter").across(h, 4, 4, {4, 0, 36, 6});
  }

  // label: text on a shallow sunken plate; stdlabel: text alone.
  {
    const gfx::Rect r = P.atlas.place(40, 20);
    P.bmp().fillRect(r, Mix(c.client, c.face, 0.5));
    Bevel(P.bmp(), r, p.shadow, p.highlight);
    Section(P.b, "label", "label").both(r, 2, 2, 2, 2).font(c.text);
    Section(P.b, "stdlabel", "stdlabel")
        .integer("pictureindex", kControlsPicture)
        .integer("maskpictureindex", -1)
        .rect("skinrect", {})
        .font(c.text)
        .color("activefontcolor", P.s.dark ? Lighter(c.accent, 0.3) : Darker(c.accent, 0.25));
  }

  // bevel, scrollbox, controlbar.
  {
    Section(P.b, "bevel", "bevel")
        .integer("pictureindex", kControlsPicture)
        .integer("maskpictureindex", -1)
        .color("lightcolor", p.highlight)
        .color("darkcolor", p.shadow);
    const gfx::Rect box = P.atlas.place(40, 40);
    P.field(box, p.fieldBorder, c.client, 2);
    Section(P.b, "scrollbox", "scrollbox")
        .both(box, 3, 3, 3, 3)
        .integer("bgpictureindex", P.b.backgroundPicture);
    const gfx::Rect bar = P.atlas.place(40, 30);
    P.bmp().fillRect(bar, Mix(c.client, c.face, 0.5));
    Bevel(P.bmp(), bar, p.highlight, p.shadow);
    const gfx::Rect band = P.face(40, 26, p.normal, 2, 12, 14);
    GripDots(P.bmp(), {band.left + 3, band.top + 4, band.left + 7, band.bottom - 4}, false, p.grip,
             p.highlight, 3);
    Section(P.b, "controlbar", "controlbar")
        .both(bar, 2, 2, 2, 2)
        .rect("itemrect", band)
        .integer("bgpictureindex", -1);
  }
  P.atlas.newRow();
}

}  // namespace skingen

// The shared tools of the control painters.
#include "control_painter.h"

namespace skingen {

StateRects Faces(Painter& P, int w, int h, int radius, int flatFrom, int flatTo,
                 const std::function<void(const gfx::Rect&, const FaceLook&)>& decorate) {
  StateRects r;
  r.normal = P.face(w, h, P.p.normal, radius, flatFrom, flatTo);
  r.hot = P.face(w, h, P.p.hot, radius, flatFrom, flatTo);
  r.down = P.face(w, h, P.p.down, radius, flatFrom, flatTo);
  r.disabled = P.face(w, h, P.p.disabled, radius, flatFrom, flatTo);
  if (decorate) {
    decorate(r.normal, P.p.normal);
    decorate(r.hot, P.p.hot);
    decorate(r.down, P.p.down);
    decorate(r.disabled, P.p.disabled);
  }
  P.atlas.newRow();
  return r;
}

void ButtonSection(Painter& P, const std::string& name, int w, int h, int radius,
                   const std::string& kind, int trackWidth) {
  const int mid = h / 2 - 1;
  const StateRects r =
      Faces(P, w, h, radius, mid, mid + 2, [&](const gfx::Rect& rc, const FaceLook& l) {
        if (trackWidth <= 0) return;
        // The drop-down part: a divider and an arrow.
        const int x = rc.right - trackWidth;
        for (int y = rc.top + 4; y < rc.bottom - 4; ++y) {
          Blend(P.bmp(), x, y, l.border, 0.55);
          Blend(P.bmp(), x + 1, y, l.light, 0.5);
        }
        // Above the rows that repeat when the button grows taller.
        DrawGlyph(P.bmp(), Glyph::ArrowDown, {x + 1, rc.top + mid - 4, rc.right, rc.top + mid},
                  l.text);
      });
  Section sec(P.b, name, kind);
  sec.both(r.normal, 4, mid, 4 + trackWidth, h - mid - 2);
  sec.font(P.p.normal.text)
      .color("activefontcolor", P.p.hot.text)
      .color("downfontcolor", P.p.down.text)
      .color("disabledfontcolor", P.p.disabled.text)
      .rect("activeskinrect", r.hot)
      .rect("downskinrect", r.down)
      .rect("disabledskinrect", r.disabled)
      .flag("morphing", P.s.controlMorph)
      .text("morphkind", P.s.controlMorphKind);
  if (trackWidth > 0) sec.rect("trackbuttonrect", {w - trackWidth, 0, w, h});
}

gfx::Rect CheckImage(Painter& P, bool checked, int look, bool round) {
  const gfx::Rect r = P.atlas.place(13, 13);
  const Color border =
      look == 1 ? P.p.fieldHotBorder : (look == 2 ? P.p.disabled.border : P.p.fieldBorder);
  const Color inside = look == 2 ? P.p.fieldDisabled : P.c.field;
  P.field(r, border, inside, round ? 6 : 2);
  if (look == 1) P.glow(r, P.c.accent);
  const Color mark = look == 2 ? P.p.disabledText : P.c.accent;
  if (checked) DrawGlyph(P.bmp(), round ? Glyph::RadioDot : Glyph::Check, r, Darker(mark, 0.15));
  return r;
}

}  // namespace skingen

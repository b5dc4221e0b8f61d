// Placement of glyph and caption, glyph cells, the state picture of a
// button and the small drawings of the default look.
#include "skin/controls/button_layout.h"

#include "skin/frame/default_frame_metrics.h"

namespace skin {

GlyphCaptionPlace PlaceGlyphAndCaption(const gfx::Rect& r, gfx::Size glyphSize, gfx::Size textSize,
                                       TbsButtonLayout layout, int margin, int spacing,
                                       bool pressed) {
  const int gw = glyphSize.width;
  const int gh = glyphSize.height;
  const int tw = textSize.width;
  const int th = textSize.height;
  const int cx = r.left + r.width() / 2;
  const int cy = r.top + r.height() / 2;
  GlyphCaptionPlace p;
  if (margin >= 0) {
    switch (layout) {
      case TbsButtonLayout::blGlyphLeft:
        p.glyph = {r.left + margin, cy - gh / 2};
        p.caption = {r.left + margin + gw + spacing, cy - th / 2};
        break;
      case TbsButtonLayout::blGlyphRight:
        p.glyph = {r.right - gw - margin, cy - gh / 2};
        p.caption = {p.glyph.x - spacing - tw, cy - th / 2};
        break;
      case TbsButtonLayout::blGlyphTop:
        p.glyph = {cx - gw / 2, r.top + margin};
        p.caption = {cx - tw / 2, p.glyph.y + gh + spacing};
        break;
      case TbsButtonLayout::blGlyphBottom:
        p.glyph = {cx - gw / 2, r.bottom - gh - margin};
        p.caption = {cx - tw / 2, p.glyph.y - spacing - th};
        break;
    }
  } else {
    const int hw = (gw + tw + spacing) / 2;
    const int hh = (th + gh + spacing) / 2;
    switch (layout) {
      case TbsButtonLayout::blGlyphLeft:
        p.glyph = {cx - hw, cy - gh / 2};
        p.caption = {cx + hw - tw, cy - th / 2};
        break;
      case TbsButtonLayout::blGlyphRight:
        p.caption = {cx - hw, cy - th / 2};
        p.glyph = {cx + hw - gw, cy - gh / 2};
        break;
      case TbsButtonLayout::blGlyphTop:
        p.glyph = {cx - gw / 2, cy - hh};
        p.caption = {cx - tw / 2, cy + hh - th};
        break;
      case TbsButtonLayout::blGlyphBottom:
        p.glyph = {cx - gw / 2, cy + hh - gh};
        p.caption = {cx - tw / 2, cy - hh};
        break;
    }
  }
  if (pressed) {
    p.glyph = {p.glyph.x + 1, p.glyph.y + 1};
    p.caption = {p.caption.x + 1, p.caption.y + 1};
  }
  return p;
}

int GlyphCellFor(int numGlyphs, bool active, bool down, bool disabled) {
  if (down && active && numGlyphs > 2) return 3;
  if (active && numGlyphs > 3) return 4;
  if (disabled && numGlyphs >= 2) return 2;
  return 1;
}

ButtonPicture SkinButtonPicture(const ButtonFacts& f, bool hasDisabledRect) {
  if (f.morphing && f.morphLevel > 0 && f.morphLevel < 1 && f.enabled) return ButtonPicture::Morph;
  if (!f.enabled && hasDisabledRect) return ButtonPicture::Disabled;
  if (f.down && (f.groupIndex != 0 || f.mouseOver || (f.focused && !f.mousePressed)))
    return ButtonPicture::Down;
  if (f.focused || f.mouseOver) return ButtonPicture::Active;
  if (f.morphing && f.morphLevel >= 1) return ButtonPicture::Active;
  return ButtonPicture::Normal;
}

ButtonPicture SpeedButtonPicture(const ButtonFacts& f) {
  if (f.morphing && !f.transparent && f.morphLevel > 0 && f.morphLevel < 1)
    return ButtonPicture::Morph;
  if (f.down && (f.groupIndex != 0 || f.mouseOver)) return ButtonPicture::Down;
  if (f.mouseOver || (f.morphing && f.morphLevel >= 1)) return ButtonPicture::Active;
  if (f.transparent) return ButtonPicture::None;
  if (f.enabled) return ButtonPicture::Normal;
  return ButtonPicture::Disabled;
}

DefaultButtonLook DefaultButtonLookFor(const ButtonFacts& f) {
  if (f.down && (f.groupIndex != 0 || f.mouseOver || (f.focused && !f.mousePressed)))
    return DefaultButtonLook::Pressed;
  if (f.mouseOver || f.focused) return DefaultButtonLook::Hot;
  return DefaultButtonLook::Normal;
}

void DrawDefaultButtonFace(gfx::Canvas& canvas, const gfx::Rect& r, DefaultButtonLook look) {
  switch (look) {
    case DefaultButtonLook::Pressed:
      canvas.fillRect(r, kPressedFillColor);
      canvas.frameRect(r, kHotFrameColor);
      break;
    case DefaultButtonLook::Hot:
      canvas.fillRect(r, kHotFillColor);
      canvas.frameRect(r, kHotFrameColor);
      break;
    case DefaultButtonLook::Normal:
      canvas.fillRect(r, gfx::SystemColor(gfx::SysColor::ButtonFace));
      canvas.frameRect(r, gfx::SystemColor(gfx::SysColor::ButtonShadow));
      break;
  }
}

void DrawDropDownArrow(gfx::Canvas& canvas, const gfx::Rect& r, gfx::Color color) {
  const int cx = r.left + r.width() / 2;
  const int cy = r.top + r.height() / 2;
  canvas.fillRect({cx - 2, cy, cx + 3, cy + 1}, color);
  canvas.fillRect({cx - 1, cy + 1, cx + 2, cy + 2}, color);
  canvas.fillRect({cx, cy + 2, cx + 1, cy + 3}, color);
}

}  // namespace skin

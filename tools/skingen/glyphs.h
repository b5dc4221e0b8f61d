// The small pixel glyphs of the skins: caption button symbols, arrows, check
// marks. Each glyph is drawn from a pixel pattern, so it stays crisp at one
// pixel per dot, and is centred in the rect it is given.
#pragma once

#include "ui/graphics/bitmap.h"

namespace skingen {

enum class Glyph {
  Close,
  Minimize,
  Maximize,
  Restore,
  RollUp,
  RollDown,
  SysMenu,
  Tray,
  ArrowUp,
  ArrowDown,
  ArrowLeft,
  ArrowRight,
  Check,
  RadioDot,
  Ellipsis,
  SmallCross,
};

gfx::Size GlyphSize(Glyph g);

// Draws the glyph centred in r in colour c. When `halo` differs from c, a
// one-pixel soft halo in that colour is drawn first below and right of the
// dots (an engraved look on light faces, a glow on dark ones).
void DrawGlyph(gfx::Bitmap& bmp, Glyph g, const gfx::Rect& r, gfx::Color c, gfx::Color halo,
               double haloStrength = 0.0);
inline void DrawGlyph(gfx::Bitmap& bmp, Glyph g, const gfx::Rect& r, gfx::Color c) {
  DrawGlyph(bmp, g, r, c, c, 0.0);
}

}  // namespace skingen

// The arithmetic of the skinned buttons, apart from any window: where the
// glyph and the caption go inside the layout rectangle, which cell of a
// glyph strip a state shows, which state picture a button paints from its
// facts, where a menu button's drop-down part lies and the arrow drawn in
// it. The buttons place and paint from these; tests read them as tables.
#pragma once

#include "ui/graphics/canvas.h"
#include "ui/graphics/color.h"
#include "ui/graphics/geometry.h"

namespace skin {

enum class TbsButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct GlyphCaptionPlace {
  gfx::Point glyph;
  gfx::Point caption;
};

// Places a glyph of glyphSize and a caption of textSize in r. margin >= 0
// is the glyph's distance from its edge; -1 centres glyph and caption as
// one block. pressed moves both by (1, 1).
GlyphCaptionPlace PlaceGlyphAndCaption(const gfx::Rect& r, gfx::Size glyphSize, gfx::Size textSize,
                                       TbsButtonLayout layout, int margin, int spacing,
                                       bool pressed);

// The 1-based cell of a strip of numGlyphs cells for a state: down and
// active (more than 2 cells) -> 3, active (more than 3) -> 4, disabled (at
// least 2) -> 2, else 1.
int GlyphCellFor(int numGlyphs, bool active, bool down, bool disabled);

// The facts a button's look is derived from on every paint.
struct ButtonFacts {
  bool enabled = true;
  bool down = false;
  bool mouseOver = false;
  bool focused = false;  // has the focus and may take it (CanFocused)
  bool mousePressed = false;
  int groupIndex = 0;
  double morphLevel = 0;
  bool morphing = false;     // the section morphs
  bool transparent = false;  // speed buttons only
};

// The picture a skinned button paints.
enum class ButtonPicture {
  Morph,     // blend of the normal and the active picture at the morph level
  Disabled,  // the disabled picture
  Down,      // the pressed picture, drawn active and pressed
  Active,    // the hot picture
  Normal,    // the normal picture
  None,      // no background: glyph and caption only (transparent speed button)
};

// The windowed button; hasDisabledRect: the section has a disabled picture.
ButtonPicture SkinButtonPicture(const ButtonFacts& f, bool hasDisabledRect);
// The speed button (no focus; a disabled one without a disabled picture
// shows the normal one).
ButtonPicture SpeedButtonPicture(const ButtonFacts& f);

// The default look (no section): the frame and fill of a state.
enum class DefaultButtonLook { Pressed, Hot, Normal };
DefaultButtonLook DefaultButtonLookFor(const ButtonFacts& f);
// Draws the default look's frame and fill into r.
void DrawDefaultButtonFace(gfx::Canvas& canvas, const gfx::Rect& r, DefaultButtonLook look);

// Width of a menu button's drop-down strip when the section gives none.
constexpr int kTrackStripWidth = 15;
// The drop-down arrow: lines 5, 3 and 1 pixels wide at cy, cy + 1, cy + 2
// centred on r's centre.
void DrawDropDownArrow(gfx::Canvas& canvas, const gfx::Rect& r, gfx::Color color);

}  // namespace skin

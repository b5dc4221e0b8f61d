// Layout arithmetic of the panels, ex-panels, splitters and tool bars, as
// plain functions that need no window: the client areas, the caption text
// position, the small arrows, the ex-panel's caption buttons, the
// splitter's size limits and the tool bar's scroll steps.
#pragma once

#include "skin/data/skin_values.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/geometry.h"

namespace skin {

enum class TbsSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

// The small arrows of panels and tool bars.
enum class PanelArrow { Up, Down, Left, Right };

// Draws an arrow of four one-pixel rows (up, down) or columns (left, right)
// centred on the centre of area: up rows cy-2..cy+1 of widths 1, 3, 5, 7;
// down rows cy-1..cy+2 of widths 7, 5, 3, 1; left and right the same turned.
void PaintPanelArrow(gfx::Canvas& canvas, const gfx::Rect& area, gfx::Color color,
                     PanelArrow arrow);

// The area children align in for a panel drawn in its default look: the
// inner rect less one pixel on each side unless the border is none, and less
// the caption height at the top in caption mode.
gfx::Rect PanelDefaultClientArea(int width, int height, TbsSkinBorderStyle border, bool captionMode,
                                 int captionHeight);

// Left edge of a caption of width w (text plus glyph cell and spacing)
// inside r, by the alignment: r.left, r.right - w, or centred.
int PanelCaptionX(TextAlignment alignment, const gfx::Rect& r, int w);

// The ex-panel's caption buttons and text area in the default look.
struct ExPanelCaptionLayout {
  gfx::Rect close;  // empty when hidden
  gfx::Rect roll;   // empty when hidden
  gfx::Rect text;   // the area the glyph and caption are drawn in
};

// Bar (not rolled, or rolled up and down): buttons at the right of the
// caption bar. Strip (rolled sideways): buttons at the top, text below them.
ExPanelCaptionLayout DefaultExPanelBar(int width, int captionHeight, bool showClose, bool showRoll);
ExPanelCaptionLayout DefaultExPanelStrip(int width, int height, int captionHeight, bool showClose,
                                         bool showRoll);
// The skinned variants: area is the placed caption area; the buttons take
// the sizes of the close and roll pictures, 2 pixels apart when both show,
// from the area's right end (bar) or top (strip), centred across the area
// so that a caption area taller (or wider) than the pictures does not leave
// them stuck to its edge.
ExPanelCaptionLayout SkinnedExPanelBar(const gfx::Rect& area, gfx::Size closeSize,
                                       gfx::Size rollSize, bool showClose, bool showRoll);
ExPanelCaptionLayout SkinnedExPanelStrip(const gfx::Rect& area, gfx::Size closeSize,
                                         gfx::Size rollSize, bool showClose, bool showRoll);

// The largest size a splitter may give its neighbour: the parent's client
// extent less the minimum size and less the other controls aligned along the
// same axis, plus the neighbour's own size.
int SplitterMaxSize(int parentExtent, int minSize, int othersExtent, int neighbourSize);
// The neighbour's size for a drag: proposed held between minSize and
// maxSize. When the parent has no room for both minimums (maxSize below
// minSize) the neighbour keeps its current size, so a drag never squeezes
// either side below its minimum nor makes a negative size.
int ClampSplitSize(int proposed, int minSize, int maxSize, int currentSize);

// One scroll step of a tool bar: the new scroll position. distance 0 means
// the view width; left never goes below 0, right never past
// contentRight - viewWidth + 1.
int ToolBarScrollStep(int position, bool toRight, int scrollOffset, int clientWidth,
                      int contentRight, int viewWidth);

}  // namespace skin

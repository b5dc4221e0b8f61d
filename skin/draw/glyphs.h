// Small drawings shared by the skinned windows and controls: cells of glyph
// strips, pointers, the check mark, bevel lines and the built-in caption
// button glyphs drawn when no skin is loaded.
//
// Every glyph is drawn with one-pixel lines that end one pixel short of
// their end point; (x, y) is the glyph's left-top corner.
#pragma once

#include "ui/graphics/bitmap.h"
#include "ui/graphics/canvas.h"

namespace skin {

// Draws cell k (from 1) of a strip of n equally wide images at (x, y),
// leaving out the colour of the cell's bottom-left pixel. Nothing happens for
// an empty strip or a cell outside 1..n.
void DrawGlyphCell(gfx::Canvas& canvas, int x, int y, int k, int n, const gfx::Bitmap& strip);

// Directions of PaintPointer.
enum PointerDirection { kPointLeft = 1, kPointRight = 2, kPointUp = 3, kPointDown = 4 };

// A solid triangle of rows of 1, 3, 5 and 7 pixels centred in rect.
void PaintPointer(gfx::Canvas& canvas, const gfx::Rect& rect, gfx::Color color, int direction);
// A down-pointing triangle of rows of 5, 3 and 1 pixels, its widest row at
// the rect's centre.
void PaintSmallPointer(gfx::Canvas& canvas, const gfx::Rect& rect, gfx::Color color);
// A check mark three pixels thick, 7 pixels wide.
void PaintTick(gfx::Canvas& canvas, int x, int y, gfx::Color color);
// A one-pixel frame just inside rect: left and top edges in topLeft, right
// and bottom edges in bottomRight.
void PaintBevelLines(gfx::Canvas& canvas, const gfx::Rect& rect, gfx::Color topLeft,
                     gfx::Color bottomRight);

// The caption button glyphs.
void PaintCross(gfx::Canvas& canvas, int x, int y, gfx::Color color);         // close
void PaintSysMenuBar(gfx::Canvas& canvas, int x, int y, gfx::Color color);    // system menu
void PaintMinimizeBars(gfx::Canvas& canvas, int x, int y, gfx::Color color);  // minimize
void PaintWindowBox(gfx::Canvas& canvas, int x, int y, gfx::Color color);     // maximize
void PaintTwoBoxes(gfx::Canvas& canvas, int x, int y, gfx::Color color);      // restore
void PaintTriangleDown(gfx::Canvas& canvas, int x, int y, gfx::Color color);  // rolled up
void PaintTriangleUp(gfx::Canvas& canvas, int x, int y, gfx::Color color);    // roll up
void PaintTraySquare(gfx::Canvas& canvas, int x, int y, gfx::Color color);    // to the tray

// A closing cross centred in rect.
void PaintCrossCentered(gfx::Canvas& canvas, const gfx::Rect& rect, gfx::Color color);

}  // namespace skin

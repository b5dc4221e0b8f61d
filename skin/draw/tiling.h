// Filling a span of a bitmap with a repeated source piece.
//
// The tiling rule: a span from s to e (exclusive) is covered by tiles of the
// piece's length d starting at s; the last tile is cut at e, and a span with
// e <= s gets nothing. A piece of length 0 or less draws nothing. Tiles are
// block copies (rows of pixel words), never per-pixel work.
#pragma once

#include "ui/graphics/bitmap.h"

namespace skin {

// Repeats piece along x over [s, e), in the rows top..bottom of dst.
void TileHorizontally(gfx::Bitmap& dst, int s, int e, int top, int bottom, const gfx::Bitmap& src,
                      const gfx::Rect& piece);

// Repeats piece along y over [s, e), in the columns left..right of dst.
void TileVertically(gfx::Bitmap& dst, int s, int e, int left, int right, const gfx::Bitmap& src,
                    const gfx::Rect& piece);

// Repeats piece over area in both directions, starting at area's left-top.
void TileArea(gfx::Bitmap& dst, const gfx::Rect& area, const gfx::Bitmap& src,
              const gfx::Rect& piece);

// Copies a piece scaled into dst: first at its own size into a temporary
// bitmap, then drawn scaled (nearest neighbour) into dstRect.
void StretchPiece(gfx::Bitmap& dst, const gfx::Rect& dstRect, const gfx::Bitmap& src,
                  const gfx::Rect& piece);

// Copies src's piece into dst's rect of the same size (a rectangle copy
// when the sizes differ or either lies partly outside its bitmap).
void CopyPiece(gfx::Bitmap& dst, const gfx::Rect& to, const gfx::Bitmap& src,
               const gfx::Rect& piece);

// A bitmap of r's size whose pixels are those of r in b: writing to it
// writes to b. It stays valid while b keeps its storage; r must lie in b.
gfx::Bitmap BitmapView(gfx::Bitmap& b, const gfx::Rect& r);

// Gives dst the size w x h, all black; a size of 0 or less leaves it empty.
// Returns false when dst could not be given that size. Without `clear` a
// bitmap that already has the size keeps its pixels, for callers that paint
// every one of them.
bool PrepareDestination(gfx::Bitmap& dst, int w, int h, bool clear = true);

// Whether tiles of piece fill every pixel of a span `thickness` pixels thick
// (rows for tiling along x, columns along y): the piece lies inside src and
// is exactly that thick, so the block path covers the span.
bool TilesCover(const gfx::Bitmap& src, const gfx::Rect& piece, int thickness, bool alongX);

}  // namespace skin

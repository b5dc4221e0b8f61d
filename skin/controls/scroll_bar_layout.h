// The arithmetic of a scroll bar: the range a position may take, the
// thumb's length and offset along the track, the position a dragged thumb
// stands for, and the parts of a bar without a section. Plain functions, so
// that they are checked as tables without a window.
#pragma once

#include "ui/graphics/geometry.h"

namespace skin {

// The largest position: Max - PageSize + 1 with a page, else Max; never
// below Min (a range with Min > Max, or a page larger than the range, keeps
// the position at Min).
int ScrollPositionUpper(int min, int max, int pageSize);
int ClampScrollPosition(int position, int min, int max, int pageSize);

// 16 (or minLength, when larger) without a page; otherwise
// round(track * PageSize / (Max - Min + 1)), at least minLength; never
// longer than the track.
int ScrollThumbLength(int trackLength, int min, int max, int pageSize, int minLength);

// round((track - thumb) * f), f = (Position - Min) / (Max - Min) without a
// page, (Position - Min) / (Max + 1 - PageSize - Min) with one; 0 when the
// divisor is not positive; f is kept within 0..1.
int ScrollThumbOffset(int trackLength, int thumbLength, int position, int min, int max,
                      int pageSize);

// The position a thumb placed at offset along the track stands for: the
// offset over the free track length (clamped to 0..1) mapped linearly onto
// Min..upper.
int ScrollPositionForOffset(int offset, int trackLength, int thumbLength, int min, int max,
                            int pageSize);

struct ScrollBarParts {
  gfx::Rect up;     // left or top button
  gfx::Rect down;   // right or bottom button
  gfx::Rect track;  // between them
};

// Without a section: vertical up (1, 1, w - 1, 17), down (1, h - 17, w - 1,
// h - 1), the track between; horizontal the same turned. length is the
// bar's length (its width or height less a corner marker).
ScrollBarParts DefaultScrollBarParts(bool vertical, int length, int breadth);

// The thumb of the given length and offset inside track, across the whole
// track breadth (or breadth pixels centred on it, when breadth > 0).
gfx::Rect PlaceScrollThumb(bool vertical, const gfx::Rect& track, int offset, int length,
                           int breadth = 0);

}  // namespace skin

// Window regions from mask pictures.
//
// In a mask, black pixels (red + green + blue = 0) belong to the window. A
// mask is turned into rectangles, one per horizontal run of black pixels, and
// the region is made from that list in one call. A frame's mask is composed
// at the window's size from its four border bands, like the frame image.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "skin/draw/skin_image.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/region.h"

namespace skin {

// The black runs of a mask as rectangles, moved by an offset, with the
// bounds dx, dy, dx + mask width, dy + mask height.
struct RegionData {
  gfx::Rect bounds;
  std::vector<gfx::Rect> rects;
};

// Size of the header of the region-data layout and of one rectangle in it.
constexpr std::size_t kRegionDataHeaderSize = 32;
constexpr std::size_t kRegionDataRectSize = 16;

// Scans the mask row by row from the top, each row from x 0: a black pixel
// starts a run that ends at the first non-black pixel or the right edge; the
// run x0..x1 of row y becomes (x0 + dx, y + dy, x1 + dx, y + dy + 1). An empty
// mask gives no data. The list grows as needed: any number of runs is kept.
std::optional<RegionData> MaskToRects(const gfx::Bitmap& mask, int dx, int dy);

// The region-data layout of the window system, little-endian 32-bit fields:
// a 32-byte header (header size 32, type 1 for rectangles, rectangle count,
// data size 0, bounds left, top, right, bottom) followed by the rectangles,
// 16 bytes each (left, top, right, bottom).
std::vector<std::uint8_t> EncodeRegionData(const RegionData& data);

// The region made from the data's rectangles in one call.
gfx::Region RegionFromData(const RegionData& data);

// The region of the black pixels of the whole mask; none for an empty mask.
std::optional<gfx::Region> BuildMaskRegion(const gfx::Bitmap& mask);

// The mask's four border bands composed at a new width. Pixels that no band
// of the mask reaches are white: they do not belong to the window.
struct MaskStrips {
  gfx::Bitmap top;
  gfx::Bitmap bottom;
  gfx::Bitmap left;
  gfx::Bitmap right;
};

// Composes the strips with `stored`.clientRect as the boundary between the
// mask's borders and its inside (a window frame passes its mask area there).
// Mask borders are always tiled, never stretched. A boundary with an edge
// before the mask's left or top edge gives no strips; the top and left
// strips stop at the mask's bottom and right edges, beyond which a mask has
// no black pixel.
void ComposeMaskStrips(const SkinImageGeometry& stored, const SkinImageGeometry& placed,
                       const gfx::Bitmap& mask, MaskStrips& strips, int w);

// The region of a window of w x h: the placed client rect plus the black
// pixels of the mask's borders composed at the new size, cut to the window.
// No region when the size is below the corner pieces (NewRT.x < NewLT.x or
// NewLB.y < NewLT.y), when neither a strip nor the client rect exists, or
// when the placed client rect is taller than window and mask together (it
// was not placed for this window).
std::optional<gfx::Region> BuildFrameRegion(const SkinImageGeometry& stored,
                                            const SkinImageGeometry& placed,
                                            const gfx::Bitmap& mask, int w, int h);

}  // namespace skin

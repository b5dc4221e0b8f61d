// The geometry of a skinned control: how a control section's picture is
// fitted to the control's size (its stretch kind), the size the section
// allows, the corner points and client rect placed for that size, where a
// rectangle given in picture coordinates lands in the control, and the
// control's window region from the section's mask. Pure functions: the
// controls decide which section and size, these say where.
#pragma once

#include <optional>

#include "skin/draw/skin_image.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/geometry.h"
#include "ui/graphics/region.h"

namespace skin {

// How a section's picture is fitted to the control size.
enum class StretchKind {
  None,        // no picture area: nothing is drawn from the skin
  Fixed,       // the picture at its own size; the control takes that size
  Both,        // nine parts: corners kept, borders and inside repeated
  Horizontal,  // three parts side by side; the height is the picture's
  Vertical,    // three parts stacked; the width is the picture's
};

// Decided in this order: an empty skinrect gives None; a right-bottom point
// with both coordinates set gives Both; a right-top point with either set
// gives Horizontal; a left-bottom point with either set gives Vertical;
// anything else is Fixed.
StretchKind DecideStretchKind(const gfx::Rect& skinRect, const SkinImageGeometry& points);

// A section's picture geometry: skinrect in the picture, the corner points
// and the client rect relative to skinrect's left-top corner.
struct ControlSkinGeometry {
  gfx::Rect skinRect;
  SkinImageGeometry points;
  StretchKind kind = StretchKind::None;

  int skinWidth() const { return skinRect.width(); }
  int skinHeight() const { return skinRect.height(); }
};

// The corner points and the client rect placed for a control size (the
// client rect is the area in which a control places its text, glyphs and
// children).
struct PlacedControlGeometry {
  int width = 0;
  int height = 0;
  SkinImageGeometry placed;  // placed corner points and PlacedClientRect
};

// Turns a proposed size into the size the section allows and places the
// points for it. Values a kind does not place keep those of `previous`:
//   None:       size and placed values unchanged;
//   Fixed:      skinW x skinH, client rect = the section's client rect;
//   Both:       as proposed, every point and the client rect placed;
//   Horizontal: proposed width x skinH, left-top, right-top and the client
//               rect's right edge placed;
//   Vertical:   skinW x proposed height, left-top, left-bottom and the client
//               rect's bottom edge placed.
PlacedControlGeometry CalcSkinSize(const ControlSkinGeometry& g, int width, int height,
                                   const SkinImageGeometry& previous);

// Places rect, given relative to skinrect's left-top corner (a caption
// rectangle, a button rectangle), into a control of width x height.
//   Both: a rect lying inside a corner area (left-top, right-top, left-bottom,
//   right-bottom, tested in this order; right and bottom edges strictly
//   inside) moves with that corner; otherwise its two corners decide (area
//   edges included), first match wins: left-top to right-bottom widens and
//   heightens; left-top to right-top widens; left-bottom to right-bottom
//   widens and moves down; left-top to left-bottom heightens; right-top to
//   right-bottom moves right and heightens; anything else stays.
//   Horizontal: a rect reaching from left of the left-top point past the
//   right-top point widens; one right of the right-top point moves right.
//   Vertical: the same downwards with the left-top and left-bottom points.
//   Fixed, None: unchanged.
gfx::Rect MapSkinRect(const ControlSkinGeometry& g, int width, int height, const gfx::Rect& rect);

// The window region of a control of width x height from the section's mask:
//   Fixed: the black pixels of the whole mask;
//   Both: the nine-part region with the section's and the placed points;
//   Horizontal: the nine-part region with the bottom points taken equal to
//   the top ones; Vertical: with the right points taken equal to the left.
// No region for None, an empty mask, or a size below the corner pieces.
std::optional<gfx::Region> BuildControlRegion(const ControlSkinGeometry& g,
                                              const SkinImageGeometry& placed,
                                              const gfx::Bitmap& mask, int width, int height);

}  // namespace skin

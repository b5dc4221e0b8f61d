// Pixel painting for the skin generator: colour mixing, gradients, one-pixel
// lines and bevels, rounded shapes with soft edges against a known backdrop.
//
// Everything works on gfx::Bitmap rows directly and is clipped to the bitmap.
// Gradients only ever run across a piece that the composition keeps fixed or
// along a direction that is never tiled, so tiles join without seams.
#pragma once

#include "ui/graphics/bitmap.h"
#include "ui/graphics/color.h"
#include "ui/graphics/geometry.h"

namespace skingen {

using gfx::Bitmap;
using gfx::Color;
using gfx::Rect;

// a + (b - a) * t per channel, t in 0..1, rounded.
Color Mix(Color a, Color b, double t);
inline Color Lighter(Color c, double t) { return Mix(c, gfx::kWhite, t); }
inline Color Darker(Color c, double t) { return Mix(c, gfx::kBlack, t); }
// Perceived brightness 0..255 (Rec. 601 weights).
int Luma(Color c);

void HLine(Bitmap& bmp, int x0, int x1, int y, Color c);  // x1 exclusive
void VLine(Bitmap& bmp, int x, int y0, int y1, Color c);  // y1 exclusive
void Plot(Bitmap& bmp, int x, int y, Color c);
// Blends c over the pixel by coverage a (0..1).
void Blend(Bitmap& bmp, int x, int y, Color c, double a);

// One-pixel outline inside r.
void Outline(Bitmap& bmp, const Rect& r, Color c);
// Top and left lines in tl, bottom and right lines in br, inside r.
void Bevel(Bitmap& bmp, const Rect& r, Color tl, Color br);

// Fills r with a gradient from `from` (top row) to `to` (bottom row).
void VGradient(Bitmap& bmp, const Rect& r, Color from, Color to);
// Fills r with a gradient from `from` (left column) to `to` (right column).
void HGradient(Bitmap& bmp, const Rect& r, Color from, Color to);
// A glossy bar: the upper part runs top -> upperEnd, a hard step, then the
// lower part runs lowerStart -> bottom. split is the fraction of the height
// taken by the upper part.
void GlossV(Bitmap& bmp, const Rect& r, Color top, Color upperEnd, Color lowerStart, Color bottom,
            double split = 0.5);
void GlossH(Bitmap& bmp, const Rect& r, Color left, Color leftEnd, Color rightStart, Color right,
            double split = 0.5);

// Coverage 0..1 of pixel (x, y) by the rounded rectangle r with corner
// radius rad, measured on a 4 x 4 grid of samples.
double RoundCoverage(const Rect& r, int rad, int x, int y);
// Whether the centre of pixel (x, y) lies in the rounded rectangle.
bool InRound(const Rect& r, int rad, int x, int y);

// Blends a one-pixel rounded outline of r in c over the image: each pixel
// of the ring takes c by its share of the shape's coverage, so the outline
// stays smooth at the corners. Pixels outside the shape are left alone.
void RoundRing(Bitmap& img, const Rect& r, int rad, Color c);
// Puts img (the size of r) over dst at r, each pixel by its coverage of the
// rounded rectangle: a shape with soft corners over whatever lies beneath.
void CompositeRound(Bitmap& dst, const Rect& r, const Bitmap& img, int rad);
// A one-pixel rounded outline of r in c, crisp: corner pixels are either
// outline or outside, for shapes that a one-bit mask must cut exactly.
void RoundOutlineHard(Bitmap& bmp, const Rect& r, int rad, Color c);

// A dotted grip: dots of 2 x 2 pixels (dark with a light lower-right
// companion) every `step` pixels along r.
void GripDots(Bitmap& bmp, const Rect& r, bool horizontal, Color dark, Color light, int step = 4);

// A crop of src.
Bitmap Crop(const Bitmap& src, const Rect& r);

}  // namespace skingen

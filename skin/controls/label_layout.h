// The arithmetic of the display controls, without a window: the gauge's
// fraction, fill rectangle, percentage, text and placed progress area, the
// gauge's fill picture built from its progress image, and where a label
// puts one line of text in a rectangle.
#pragma once

#include <string>

#include "skin/draw/control_geometry.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/geometry.h"

namespace skin {

// (value - minValue) / (maxValue - minValue), kept within 0..1; 0 for an
// empty or reversed range (maxValue <= minValue), which has nothing to fill.
double GaugeFraction(int minValue, int maxValue, int value);

// The part of area the fraction fills: from the left edge rightwards, or
// (vertical) from the bottom edge upwards, rounded half to even.
gfx::Rect GaugeFillRect(const gfx::Rect& area, double fraction, bool vertical);

// The percentage the gauge shows: the fraction times 100, rounded half to even.
int GaugePercent(double fraction);

// ProgressText when shown, followed directly by the percentage and "%"
// when shown; empty when neither is shown.
std::string GaugeText(const std::string& progressText, bool showProgressText, bool showPercent,
                      int percent);

// The progress area placed for a gauge dw wider and dh taller than its
// picture: a fixed (or pictureless) section keeps it; otherwise its right
// edge (horizontal) or its bottom edge (vertical) follows the size.
gfx::Rect PlaceProgressArea(const gfx::Rect& area, StretchKind kind, bool vertical, int dw, int dh);

// The fill picture of a gauge, width x height, made from the progress
// image pr of src: the middle of pr (without its beginOffset and endOffset
// ends) repeated along the fill, the last copy cut, then the begin part at
// the start and the end part at the finish. A horizontal fill runs left to
// right with its begin part at the left; a vertical one lays its middle
// copies from the bottom upwards, with the begin part at the top and the end
// part at the bottom. Every copy spans the fill's whole thickness (scaled
// when pr is thinner or thicker).
gfx::Bitmap ComposeGaugeFill(const gfx::Bitmap& src, const gfx::Rect& pr, int width, int height,
                             int beginOffset, int endOffset, bool vertical);

enum class LabelAlignment { Left, Right, Center };

// The left-top of a one-line text of textWidth x textHeight in r: centred
// vertically; at r's left, right or middle by the alignment.
gfx::Point LabelTextOrigin(const gfx::Rect& r, int textWidth, int textHeight,
                           LabelAlignment alignment);

}  // namespace skin

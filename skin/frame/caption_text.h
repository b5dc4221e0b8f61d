// The caption text of a skinned frame: fitted with an ellipsis, aligned in
// its rectangle, over an optional plate and with an optional shadow.
#pragma once

#include <string>

#include "skin/data/object_data.h"
#include "ui/graphics/canvas.h"

namespace skin {

// The text ending in "..." when it is wider than maxWidth: the longest
// beginning that fits with "..." after it, or "..." alone. The same result
// as removing characters from the end one at a time, found by halving, so
// that a caption of thousands of characters costs a few measurements.
std::string FitCaptionText(const gfx::Canvas& canvas, const std::string& text, int maxWidth);

// The caption object's font, in its active or inactive colour.
gfx::Font CaptionFont(const TbsDataSkinCaption& data, bool active);

// DrawCaptionText: draws text in textRect (relative to origin) by the
// caption object's alignment, plate and shadow keys. activePicture holds the
// plate; nothing is drawn for an empty text or rectangle.
void DrawCaptionText(gfx::Canvas& canvas, const std::string& text, const gfx::Rect& textRect,
                     gfx::Point origin, const TbsDataSkinCaption& data, bool active,
                     const gfx::Bitmap* activePicture);

}  // namespace skin

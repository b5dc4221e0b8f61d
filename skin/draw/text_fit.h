// Fitting and placing single-line texts in the canvas font.
#pragma once

#include <string>

#include "ui/graphics/canvas.h"

namespace skin {

// The text ending in "...", which replaces the last characters when the
// text is wider than maxWidth: characters are removed from the end, a whole
// UTF-8 character at a time, until the rest followed by "..." fits. When no
// character is left the text is "...". A text that fits stays unchanged.
void FitTextWithEllipsis(const gfx::Canvas& canvas, std::string& text, int maxWidth);

// Draws the text clipped to rect, at x = rect.left + 2 + extraLeft and
// vertically centred: y = rect.top + height div 2 - text height div 2.
void TextInRect(gfx::Canvas& canvas, const std::string& text, const gfx::Rect& rect,
                int extraLeft = 0);

}  // namespace skin

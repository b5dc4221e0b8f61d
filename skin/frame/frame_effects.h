// The image effects the frame applies: the inactive effect over a part of a
// frame image and the morph between two looks of an object. Kept apart so
// that the effect buffer's own enumerations stay out of the frame's headers.
#pragma once

#include "ui/graphics/bitmap.h"

namespace skin {

// Applies the inactive effect of that "inactiveeffect" value to area of bmp.
void ApplyInactiveEffectTo(gfx::Bitmap& bmp, const gfx::Rect& area, int effect);

// Blends from toward to by k with the transition of that "morphkind" value;
// the result replaces from. Nothing happens when the sizes differ.
void MorphImage(gfx::Bitmap& from, const gfx::Bitmap& to, int morphKind, double k);

}  // namespace skin

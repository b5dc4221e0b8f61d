// Inactive and morph effects of the frame on the effect buffer.
#include "skin/frame/frame_effects.h"

#include "skin/draw/effect_bmp.h"

namespace skin {

void ApplyInactiveEffectTo(gfx::Bitmap& bmp, const gfx::Rect& area, int effect) {
  const gfx::Rect r = gfx::IntersectRect(area, bmp.rect());
  if (gfx::IsNullRect(r)) return;
  gfx::Bitmap part(r.width(), r.height());
  part.copyRect(part.rect(), bmp, r);
  TbsEffectBmp buffer(part);
  if (!ApplyInactiveEffect(buffer, effect)) return;
  buffer.DrawTo(bmp, r.left, r.top);
}

void MorphImage(gfx::Bitmap& from, const gfx::Bitmap& to, int morphKind, double k) {
  if (from.width() != to.width() || from.height() != to.height() || from.empty()) return;
  TbsEffectBmp a(from);
  const TbsEffectBmp b(to);
  if (!ApplyMorph(a, b, morphKind, k)) return;
  from = a.toBitmap();
}

}  // namespace skin

// Painting the skinned and the default frame.
#include "skin/frame/frame_paint.h"

#include <algorithm>

#include "skin/draw/glyphs.h"
#include "skin/frame/caption_text.h"
#include "skin/frame/default_frame_metrics.h"
#include "skin/frame/frame_effects.h"
#include "ui/graphics/canvas.h"

namespace skin {

namespace {

SkinImageGeometry Stored(const SkinFormInfo& f) {
  return {f.leftTopPoint, f.rightTopPoint, f.leftBottomPoint, f.rightBottomPoint, f.clientRect};
}

SkinImageGeometry Placed(const PlacedFrameGeometry& g) {
  return {g.leftTop, g.rightTop, g.leftBottom, g.rightBottom, g.clientArea};
}

const gfx::Bitmap& SourcePicture(const SkinnedFrameSource& source, bool active) {
  if (!active && source.inactivePicture != nullptr && !source.inactivePicture->empty()) {
    return *source.inactivePicture;
  }
  return *source.picture;
}

StretchFlags StretchOf(const SkinFormInfo& f) {
  return {f.leftStretch, f.topStretch, f.rightStretch, f.bottomStretch};
}

}  // namespace

void ComposeFrameStrips(const SkinnedFrameSource& source, const PlacedFrameGeometry& placed,
                        bool active, BorderStrips& strips) {
  const gfx::Bitmap& picture = SourcePicture(source, active);
  ComposeBorderStrips(Stored(*source.info), Placed(placed), strips, picture, picture.rect(),
                      placed.composedWidth, placed.composedHeight, StretchOf(*source.info));
}

void PaintSkinnedFrame(gfx::Bitmap& target, const SkinnedFrameSource& source,
                       const PlacedFrameGeometry& placed, FrameObjectList& objects,
                       const FramePaintContext& ctx) {
  if (source.picture == nullptr || source.picture->empty() || source.info == nullptr) return;
  // The strips are composed in the window's frame buffer at their places.
  const gfx::Bitmap& picture = SourcePicture(source, ctx.active);
  const BorderStripPlaces at =
      ComposeBorderStripsInto(Stored(*source.info), Placed(placed), target, picture, picture.rect(),
                              placed.composedWidth, placed.composedHeight, StretchOf(*source.info));

  const bool anyVisible =
      std::any_of(objects.begin(), objects.end(), [](const auto& o) { return o->Visible; });
  if (anyVisible) {
    gfx::Canvas canvas(target);
    if (placed.clientArea.top < placed.clientArea.bottom) canvas.excludeClipRect(placed.clientArea);
    for (auto& o : objects) {
      if (o->Visible) o->Paint(canvas, false);
    }
  }

  if (!ctx.active && ctx.autoRenderInactive) {
    for (const gfx::Rect& r : {at.top, at.left, at.right, at.bottom}) {
      ApplyInactiveEffectTo(target, r, ctx.inactiveEffect);
    }
  }
}

gfx::Font DefaultCaptionFont(bool active) {
  gfx::Font f;
  f.name = "Arial";
  f.height = 14;
  f.bold = true;
  f.color = gfx::SystemColor(active ? gfx::SysColor::ButtonText : gfx::SysColor::ButtonShadow);
  return f;
}

void PaintDefaultFrame(gfx::Bitmap& target, const DefaultFrameInput& in, FrameObjectList& objects) {
  const int b = DefaultFrameLook::kBorder;
  const int capH = in.captionHeight;
  const gfx::Color face = gfx::SystemColor(gfx::SysColor::ButtonFace);

  gfx::Bitmap caption(std::max(in.width - 2 * b, 0), std::max(capH, 0));
  if (!caption.empty()) {
    gfx::Canvas c(caption);
    c.fillRect(caption.rect(), face);
    const int bw = caption.width();
    const int l = in.captionArea.left - b;
    const int r = bw - in.captionArea.right;
    if (capH - 6 >= 0) {
      bool highlight = true;
      for (int y = 2; y <= capH - 4; ++y) {
        c.setPenColor(gfx::SystemColor(highlight ? gfx::SysColor::ButtonHighlight
                                                 : gfx::SysColor::ButtonShadow));
        c.line({l + 2, y}, {bw - r - 6, y});
        highlight = !highlight;
      }
    }
    c.setFont(in.font);
    c.setTextBackgroundOpaque(false);
    const std::string text = FitCaptionText(c, in.caption, bw - l - r);
    const gfx::Size ts = c.textExtent(text);
    const int x0 = gfx::Div(bw - l - r, 2) + l - gfx::Div(ts.width + 5, 2);
    c.fillRect({x0, 0, x0 + ts.width + 5, caption.height()}, face);
    c.textOut(x0 + 3, gfx::Div(capH, 2) - gfx::Div(ts.height, 2), text);
  }

  // The buttons, laid out in window coordinates, go onto the caption band.
  if (!caption.empty()) {
    gfx::Canvas c(caption);
    for (auto& o : objects) {
      if (!o->Visible) continue;
      const gfx::Rect place = o->ObjectRect;
      o->ObjectRect = gfx::OffsetRect(place, -b, -b);
      o->Paint(c, false);
      o->ObjectRect = place;
    }
  }

  gfx::Canvas canvas(target);
  canvas.excludeClipRect({b, capH + b, in.width - b, in.height - b});
  if (!caption.empty()) canvas.draw(b, b, caption);
  const gfx::Rect all{0, 0, in.width, in.height};
  PaintBevelLines(canvas, all, gfx::SystemColor(gfx::SysColor::Light3D),
                  gfx::SystemColor(gfx::SysColor::DarkShadow3D));
  PaintBevelLines(canvas, {1, 1, in.width - 1, in.height - 1},
                  gfx::SystemColor(gfx::SysColor::ButtonHighlight),
                  gfx::SystemColor(gfx::SysColor::ButtonShadow));
  canvas.frameRect({2, 2, in.width - 2, in.height - 2}, face);
}

}  // namespace skin

// Painting a window frame from placed values: the skinned frame composed
// from four off-screen border strips with its objects on them, and the
// plain default frame drawn in system colours.
#pragma once

#include <string>

#include "skin/data/window_data.h"
#include "skin/draw/frame_image.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_objects.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/font.h"

namespace skin {

// The skin's frame as the painter reads it.
struct SkinnedFrameSource {
  const gfx::Bitmap* picture = nullptr;
  const gfx::Bitmap* inactivePicture = nullptr;  // may be empty
  const SkinFormInfo* info = nullptr;
};

// Composes the four border strips for the placed size from the active or
// inactive picture, each a bitmap of its own (reused between calls).
void ComposeFrameStrips(const SkinnedFrameSource& source, const PlacedFrameGeometry& placed,
                        bool active, BorderStrips& strips);

// PaintSkinnedFrame: the four strips composed into target (the window's
// frame buffer, of the window's size) at their places, the visible objects
// drawn over them outside the client area, then, for an inactive window of a
// skin that renders its inactive look, the inactive effect on each strip.
// Pixels outside the strips are left as they are.
void PaintSkinnedFrame(gfx::Bitmap& target, const SkinnedFrameSource& source,
                       const PlacedFrameGeometry& placed, FrameObjectList& objects,
                       const FramePaintContext& ctx);

struct DefaultFrameInput {
  int width = 0;
  int height = 0;
  int captionHeight = 19;
  gfx::Rect captionArea;  // DefaultCaptionArea
  std::string caption;
  gfx::Font font;  // DefCaptionFont or DefInActiveCaptionFont by the active state
};

// PaintDefaultFrame: the caption band with its grooves, centred text and
// default buttons, and the three-pixel 3-D border, around the client area.
void PaintDefaultFrame(gfx::Bitmap& target, const DefaultFrameInput& in, FrameObjectList& objects);

// The default caption fonts.
gfx::Font DefaultCaptionFont(bool active);

}  // namespace skin

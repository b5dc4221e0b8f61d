// How the frame objects draw themselves: the looks of skinned buttons
// (normal, hot, pressed, disabled, inactive, restore and the morph between
// them), the default buttons' glyphs, the caption with its text, animation
// frames and user objects.
#include <algorithm>

#include "skin/draw/glyphs.h"
#include "skin/frame/caption_text.h"
#include "skin/frame/default_frame_metrics.h"
#include "skin/frame/frame_effects.h"
#include "skin/frame/frame_objects.h"

namespace skin {

namespace {

// Copies an area of a picture into dst, stretched when the sizes differ.
void DrawArea(gfx::Canvas& canvas, const gfx::Bitmap* picture, const gfx::Rect& area,
              const gfx::Rect& dst) {
  if (picture == nullptr || gfx::IsNullRect(area) || gfx::IsNullRect(dst)) return;
  canvas.copyRect(dst, *picture, area);
}

// The area of a picture fitted to size, as its own bitmap.
gfx::Bitmap AreaImage(const gfx::Bitmap* picture, const gfx::Rect& area, gfx::Size size) {
  gfx::Bitmap image(std::max(size.width, 0), std::max(size.height, 0));
  if (picture != nullptr && !gfx::IsNullRect(area) && !image.empty()) {
    image.copyRect(image.rect(), *picture, area);
  }
  return image;
}

// The blend of two looks at factor k, drawn into dst.
void DrawMorph(gfx::Canvas& canvas, const gfx::Bitmap* fromPicture, const gfx::Rect& fromArea,
               const gfx::Bitmap* toPicture, const gfx::Rect& toArea, const gfx::Rect& dst,
               MorphKind kind, double k) {
  if (gfx::IsNullRect(dst)) return;
  gfx::Bitmap from = AreaImage(fromPicture, fromArea, dst.size());
  const gfx::Bitmap to = AreaImage(toPicture, toArea, dst.size());
  MorphImage(from, to, static_cast<int>(kind), k);
  canvas.draw(dst.left, dst.top, from);
}

bool MorphInProgress(const TbsActiveSkinObject& o) {
  return o.morphing && ((o.Lit && o.MorphFactor < 1.0) || (!o.Lit && o.MorphFactor > 0.0));
}

// The default look of a caption button: face, hot or pressed fill, glyph.
void PaintDefaultButton(gfx::Canvas& canvas, const TbsSkinStdButtonObject& b,
                        const FramePaintContext& ctx) {
  const gfx::Rect& r = b.ObjectRect;
  if (gfx::IsNullRect(r)) return;
  // The system-menu button shows the window icon instead of its glyph.
  if (b.command == StdCommand::SysMenu && b.showsIcon && ctx.icon != nullptr) {
    ctx.icon->draw(canvas, r.left, r.top);
    return;
  }
  gfx::Bitmap image(r.width(), r.height());
  gfx::Canvas c(image);
  const bool pressed = b.Down && b.MouseInside;
  if (pressed || b.MouseInside) {
    c.fillRect(image.rect(), kHotFrameColor);
    c.fillRect({1, 1, r.width() - 1, r.height() - 1}, pressed ? kPressedFillColor : kHotFillColor);
  } else {
    c.fillRect(image.rect(), gfx::SystemColor(gfx::SysColor::ButtonFace));
  }
  const gfx::Color color =
      gfx::SystemColor(b.Enabled ? gfx::SysColor::ButtonText : gfx::SysColor::ButtonShadow);
  int x = gfx::Div(r.width(), 2) - 5;
  int y = gfx::Div(r.height(), 2) - 4;
  if (pressed) {
    ++x;
    ++y;
  }
  switch (b.command) {
    case StdCommand::Close:
      PaintCross(c, x, y, color);
      break;
    case StdCommand::Maximize:
      if (b.commandStateOn()) {
        PaintTwoBoxes(c, x, y, color);
      } else {
        PaintWindowBox(c, x, y, color);
      }
      break;
    case StdCommand::Minimize:
      if (b.commandStateOn()) {
        PaintTwoBoxes(c, x, y, color);
      } else {
        PaintMinimizeBars(c, x, y, color);
      }
      break;
    case StdCommand::SysMenu:
      PaintSysMenuBar(c, x, y, color);
      break;
    case StdCommand::RollUp:
      if (b.commandStateOn()) {
        PaintTriangleDown(c, x, y, color);
      } else {
        PaintTriangleUp(c, x, y, color);
      }
      break;
    case StdCommand::MinimizeToTray:
      PaintTraySquare(c, x, y, color);
      break;
    case StdCommand::Default:
      break;
  }
  canvas.draw(r.left, r.top, image);
}

// The caption object's look fitted to its width: the middle of the source
// area tiled from x 0, then its two ends over it; stretched whole when the
// skin gives it no ends.
gfx::Bitmap CaptionImage(const gfx::Bitmap* picture, const gfx::Rect& area, gfx::Size size,
                         const FramePaintContext& ctx, const gfx::Rect& skinRect) {
  gfx::Bitmap image(std::max(size.width, 0), std::max(size.height, 0));
  if (picture == nullptr || gfx::IsNullRect(area) || image.empty()) return image;
  const int leftEnd = std::clamp(ctx.skinLeftTop.x - skinRect.left, 0, area.width());
  const int rightEnd = std::clamp(skinRect.right - ctx.skinRightTop.x, 0, area.width() - leftEnd);
  if (leftEnd == 0 && rightEnd == 0) {
    image.copyRect(image.rect(), *picture, area);
    return image;
  }
  const gfx::Rect middle{area.left + leftEnd, area.top, area.right - rightEnd, area.bottom};
  if (middle.width() > 0) {
    for (int x = 0; x < size.width; x += middle.width()) {
      const int w = std::min(middle.width(), size.width - x);
      image.copyRect({x, 0, x + w, size.height}, *picture,
                     {middle.left, middle.top, middle.left + w, middle.bottom});
    }
  }
  if (leftEnd > 0) {
    image.copyRect({0, 0, leftEnd, size.height}, *picture,
                   {area.left, area.top, area.left + leftEnd, area.bottom});
  }
  if (rightEnd > 0) {
    image.copyRect({size.width - rightEnd, 0, size.width, size.height}, *picture,
                   {area.right - rightEnd, area.top, area.right, area.bottom});
  }
  return image;
}

}  // namespace

void TbsActiveSkinObject::Paint(gfx::Canvas&, bool) {}

void TbsSkinButtonObject::Paint(gfx::Canvas& canvas, bool single) {
  const FramePaintContext& ctx = parent().paintContext();
  if (!Enabled && !gfx::IsNullRect(disableSkinRect)) {
    DrawArea(canvas, activePicture, disableSkinRect, ObjectRect);
    return;
  }
  if (Down && MouseInside && !gfx::IsNullRect(downRect)) {
    DrawArea(canvas, activePicture, downRect, ObjectRect);
    return;
  }
  if (Enabled && !ctx.active && !gfx::IsNullRect(inactiveSkinRect)) {
    DrawArea(canvas, activePicture, inactiveSkinRect, ObjectRect);
    return;
  }
  const gfx::Bitmap* normalPicture = skinRectInAPicture ? activePicture : ctx.framePicture;
  if (MorphInProgress(*this)) {
    DrawMorph(canvas, normalPicture, skinRect, activePicture, activeSkinRect, ObjectRect, morphKind,
              MorphFactor);
    return;
  }
  if (!Lit || gfx::IsNullRect(activeSkinRect)) {
    // The frame picture already shows a normal button drawn into it.
    if (!single && !skinRectInAPicture) return;
    DrawArea(canvas, normalPicture, skinRect, ObjectRect);
    return;
  }
  DrawArea(canvas, activePicture, activeSkinRect, ObjectRect);
}

void TbsSkinStdButtonObject::Paint(gfx::Canvas& canvas, bool single) {
  const FramePaintContext& ctx = parent().paintContext();
  if (!skinSupported) {
    PaintDefaultButton(canvas, *this, ctx);
    return;
  }
  if (Enabled && (ctx.active || gfx::IsNullRect(inactiveSkinRect))) {
    if (command == StdCommand::SysMenu && showsIcon && skinRectInAPicture) {
      if (ctx.icon != nullptr) ctx.icon->draw(canvas, ObjectRect.left, ObjectRect.top);
      MorphFactor = 0.0;
      return;
    }
    if (!gfx::IsNullRect(restoreRect) && commandStateOn()) {
      if (!ctx.active && !gfx::IsNullRect(restoreInactiveRect)) {
        DrawArea(canvas, activePicture, restoreInactiveRect, ObjectRect);
      } else if (Down && MouseInside && !gfx::IsNullRect(restoreDownRect)) {
        DrawArea(canvas, activePicture, restoreDownRect, ObjectRect);
      } else if (MorphInProgress(*this)) {
        DrawMorph(canvas, activePicture, restoreRect, activePicture, restoreActiveRect, ObjectRect,
                  morphKind, MorphFactor);
      } else if (Lit && !gfx::IsNullRect(restoreActiveRect)) {
        DrawArea(canvas, activePicture, restoreActiveRect, ObjectRect);
      } else {
        DrawArea(canvas, activePicture, restoreRect, ObjectRect);
      }
      return;
    }
  }
  TbsSkinButtonObject::Paint(canvas, single);
}

gfx::Rect TbsSkinCaptionObject::textRect() const {
  gfx::Rect r = data->textRect;
  if (!gfx::IsNullRect(data->textRect)) r.right += ObjectRect.width() - skinRect.width();
  if (!gfx::IsNullRect(data->frameRect)) {
    r.left += data->frameTextRect.left;
    r.top += data->frameTextRect.top;
    r.right += data->frameTextRect.right - data->frameRect.width();
  }
  return r;
}

void TbsSkinCaptionObject::Paint(gfx::Canvas& canvas, bool) {
  const FramePaintContext& ctx = parent().paintContext();
  if (gfx::IsNullRect(ObjectRect)) return;
  const bool active = Lit;
  const gfx::Rect text = textRect();
  const gfx::Size size = ObjectRect.size();
  const auto normalImage = [&] {
    gfx::Bitmap image = CaptionImage(ctx.framePicture, skinRect, size, ctx, skinRect);
    gfx::Canvas c(image);
    DrawCaptionText(c, ctx.captionText, text, {0, 0}, *data, false, activePicture);
    return image;
  };
  const auto activeImage = [&] {
    gfx::Bitmap image = CaptionImage(activePicture, activeSkinRect, size, ctx, skinRect);
    gfx::Canvas c(image);
    DrawCaptionText(c, ctx.captionText, text, {0, 0}, *data, true, activePicture);
    return image;
  };
  const auto inactiveLook = [&](gfx::Bitmap& image) {
    if (!ctx.active && ctx.autoRenderInactive) {
      ApplyInactiveEffectTo(image, image.rect(), ctx.inactiveEffect);
    }
  };

  if (MorphInProgress(*this)) {
    gfx::Bitmap image = normalImage();
    MorphImage(image, activeImage(), static_cast<int>(morphKind), MorphFactor);
    inactiveLook(image);
    canvas.draw(ObjectRect.left, ObjectRect.top, image);
    return;
  }
  if (gfx::IsNullRect(activeSkinRect) || (!active && !morphing)) {
    DrawCaptionText(canvas, ctx.captionText, text, ObjectRect.topLeft(), *data, active,
                    activePicture);
    return;
  }
  gfx::Bitmap image = active ? activeImage() : normalImage();
  if (!active) inactiveLook(image);
  canvas.draw(ObjectRect.left, ObjectRect.top, image);
}

void TbsSkinAnimateObject::Paint(gfx::Canvas& canvas, bool) {
  const int w = skinRect.width();
  const int h = skinRect.height();
  const gfx::Rect cell{activeSkinRect.left + w * (frame - 1), activeSkinRect.top,
                       activeSkinRect.left + w * frame, activeSkinRect.top + h};
  DrawArea(canvas, activePicture, cell, ObjectRect);
}

void TbsUserObject::Paint(gfx::Canvas& canvas, bool) {
  const FramePaintContext& ctx = parent().paintContext();
  if (ctx.onPaintEvent) ctx.onPaintEvent(IDName, canvas, ObjectRect);
}

}  // namespace skin

// Hit testing of the skinned and the default frame.
#include "skin/frame/frame_hit_test.h"

#include "skin/frame/default_frame_metrics.h"
#include "ui/message.h"

namespace skin {

namespace {

bool IsBlackAt(const gfx::Bitmap& strip, int x, int y) {
  // Outside the strip nothing belongs to the window.
  return strip.pixelOr(x, y, gfx::kWhite) == gfx::kBlack;
}

bool InAnyRect(gfx::Point p, std::span<const gfx::Rect> rects) {
  for (const gfx::Rect& r : rects) {
    if (gfx::PtInRect(r, p)) return true;
  }
  return false;
}

}  // namespace

bool PointInMaskShape(gfx::Point p, const PlacedFrameGeometry& placed, const MaskStrips& strips) {
  const gfx::Rect& m = placed.maskArea;
  if (gfx::PtInRect(m, p)) return true;
  if (p.y <= m.top) return IsBlackAt(strips.top, p.x, p.y);
  if (p.y < m.bottom) {
    if (p.x > m.left) return IsBlackAt(strips.right, p.x - m.right, p.y - m.top);
    return IsBlackAt(strips.left, p.x, p.y - m.top);
  }
  return IsBlackAt(strips.bottom, p.x, p.y - m.bottom);
}

int HitTestSkinned(gfx::Point p, const PlacedFrameGeometry& placed, int borderWidth,
                   const FrameHitState& state, std::span<const gfx::Rect> captionRects,
                   const MaskStrips* strips) {
  const auto captionOrObject = [&] {
    return InAnyRect(p, captionRects) ? ui::HTCAPTION : ui::HTOBJECT;
  };
  // A rolled-up or minimized window is only caption and objects.
  if (state.rolledUp || state.minimized) return captionOrObject();

  const bool inClient = gfx::PtInRect(placed.clientArea, p);
  if (state.hotObject && !InAnyRect(p, captionRects) && !inClient && !state.inSizeMove) {
    return ui::HTOBJECT;
  }

  if (!state.maximized && state.sizeable) {
    const int b = borderWidth;
    const gfx::Point probes[4] = {{p.x - b, p.y}, {p.x, p.y - b}, {p.x + b, p.y}, {p.x, p.y + b}};
    const gfx::Rect window{0, 0, state.width, state.height};
    bool nearEdge = false;
    if (strips == nullptr) {
      for (const gfx::Point& q : probes) nearEdge = nearEdge || !gfx::PtInRect(window, q);
    } else if (!gfx::PtInRect(placed.maskArea, p)) {
      for (const gfx::Point& q : probes)
        nearEdge = nearEdge || !PointInMaskShape(q, placed, *strips);
    }

    if (!nearEdge) {
      if (inClient) return ui::HTCLIENT;
      return captionOrObject();
    }

    const gfx::Point lt = placed.hitLeftTop;
    const gfx::Point rt = placed.hitRightTop;
    const gfx::Point lb = placed.hitLeftBottom;
    const gfx::Point rb = placed.hitRightBottom;
    const gfx::Rect& c = placed.clientArea;
    if (p.x <= lt.x && p.y <= lt.y) return ui::HTTOPLEFT;
    if (p.x >= rt.x && p.y <= rt.y) return ui::HTTOPRIGHT;
    if (p.x <= lb.x && p.y >= lb.y) return ui::HTBOTTOMLEFT;
    if (p.x >= rb.x && p.y >= rb.y) return ui::HTBOTTOMRIGHT;
    if (gfx::PtInRect({lt.x, 0, rt.x, c.top}, p)) return ui::HTTOP;
    if (gfx::PtInRect({lb.x, c.bottom, rb.x, state.height}, p)) return ui::HTBOTTOM;
    if (gfx::PtInRect({0, lt.y, c.left, lb.y}, p)) return ui::HTLEFT;
    if (gfx::PtInRect({c.right, rt.y, state.width, rb.y}, p)) return ui::HTRIGHT;
  }

  if (inClient) return ui::HTCLIENT;
  return captionOrObject();
}

int HitTestDefault(gfx::Point p, const gfx::Rect& captionArea, int captionHeight,
                   const FrameHitState& state) {
  const int w = state.width;
  const int h = state.height;
  if (!state.maximized && !state.rolledUp && !state.minimized && state.sizeable) {
    if (state.hotObject) return ui::HTOBJECT;
    if (p.x <= 2 && p.y <= 2) return ui::HTTOPLEFT;
    if (p.x >= w - 2 && p.y <= 2) return ui::HTTOPRIGHT;
    if (p.x <= 2 && p.y >= h - 2) return ui::HTBOTTOMLEFT;
    if (p.x >= w - 2 && p.y >= h - 2) return ui::HTBOTTOMRIGHT;
    if (p.x <= 2) return ui::HTLEFT;
    if (p.y <= 2) return ui::HTTOP;
    if (p.x >= w - 2) return ui::HTRIGHT;
    if (p.y >= h - 2) return ui::HTBOTTOM;
  }
  if (gfx::PtInRect(captionArea, p)) return ui::HTCAPTION;
  const int b = DefaultFrameLook::kBorder;
  if (gfx::PtInRect({b, captionHeight + b, w - b, h - b}, p)) return ui::HTCLIENT;
  return ui::HTOBJECT;
}

}  // namespace skin

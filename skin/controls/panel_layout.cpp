// Layout arithmetic of the panels, ex-panels, splitters and tool bars.
#include "skin/controls/panel_layout.h"

#include <algorithm>

namespace skin {

void PaintPanelArrow(gfx::Canvas& canvas, const gfx::Rect& area, gfx::Color color,
                     PanelArrow arrow) {
  const int cx = area.left + area.width() / 2;
  const int cy = area.top + area.height() / 2;
  canvas.setPenColor(color);
  canvas.setPenWidth(1);
  for (int i = 0; i < 4; ++i) {
    switch (arrow) {
      case PanelArrow::Up:
        canvas.line({cx - i, cy - 2 + i}, {cx + i + 1, cy - 2 + i});
        break;
      case PanelArrow::Down:
        canvas.line({cx - 3 + i, cy - 1 + i}, {cx + 4 - i, cy - 1 + i});
        break;
      case PanelArrow::Left:
        canvas.line({cx - 2 + i, cy - i}, {cx - 2 + i, cy + i + 1});
        break;
      case PanelArrow::Right:
        canvas.line({cx - 1 + i, cy - 3 + i}, {cx - 1 + i, cy + 4 - i});
        break;
    }
  }
}

gfx::Rect PanelDefaultClientArea(int width, int height, TbsSkinBorderStyle border, bool captionMode,
                                 int captionHeight) {
  gfx::Rect r{0, 0, width, height};
  if (border != TbsSkinBorderStyle::bvNone) r = {1, 1, width - 1, height - 1};
  if (captionMode) r.top += captionHeight;
  if (r.bottom < r.top) r.bottom = r.top;
  if (r.right < r.left) r.right = r.left;
  return r;
}

int PanelCaptionX(TextAlignment alignment, const gfx::Rect& r, int w) {
  switch (alignment) {
    case TextAlignment::RightJustify:
      return r.right - w;
    case TextAlignment::Center:
      return r.left + r.width() / 2 - w / 2;
    case TextAlignment::LeftJustify:
      break;
  }
  return r.left;
}

ExPanelCaptionLayout DefaultExPanelBar(int width, int captionHeight, bool showClose,
                                       bool showRoll) {
  const int bs = captionHeight - 6;
  ExPanelCaptionLayout l;
  int used = 0;
  if (showClose) {
    l.close = {width - bs - 2, 3, width - 2, bs + 3};
    used += l.close.width();
  } else {
    l.close = {width - 2, 3, width - 2, 3};
  }
  const int rollRight = l.close.left;
  if (showRoll) {
    l.roll = {rollRight - bs, 3, rollRight, bs + 3};
    used += l.roll.width();
  }
  if (!showClose) l.close = {};
  // Inside the caption bar's two frames, 2 pixels in on the left.
  l.text = {4, 2, width - 2 - (used + 2), captionHeight - 2};
  return l;
}

ExPanelCaptionLayout DefaultExPanelStrip(int width, int height, int captionHeight, bool showClose,
                                         bool showRoll) {
  const int bs = captionHeight - 6;
  ExPanelCaptionLayout l;
  int bottom = 3;
  if (showClose) {
    l.close = {3, 3, bs + 3, bs + 3};
    bottom = l.close.bottom;
  }
  if (showRoll) {
    l.roll = {3, bottom, bs + 3, bottom + bs};
    bottom = l.roll.bottom;
  }
  l.text = {2, bottom + 2, width - 2, height - 2};
  return l;
}

ExPanelCaptionLayout SkinnedExPanelBar(const gfx::Rect& area, gfx::Size closeSize,
                                       gfx::Size rollSize, bool showClose, bool showRoll) {
  ExPanelCaptionLayout l;
  l.text = area;
  int right = area.right;
  if (showClose) {
    l.close = gfx::Rect::fromSize(right - closeSize.width,
                                  area.top + (area.height() - closeSize.height) / 2,
                                  closeSize.width, closeSize.height);
    right = l.close.left;
  }
  if (showRoll) {
    if (showClose) right -= 2;
    l.roll = gfx::Rect::fromSize(right - rollSize.width,
                                 area.top + (area.height() - rollSize.height) / 2, rollSize.width,
                                 rollSize.height);
    right = l.roll.left;
  }
  l.text.right = right;
  return l;
}

ExPanelCaptionLayout SkinnedExPanelStrip(const gfx::Rect& area, gfx::Size closeSize,
                                         gfx::Size rollSize, bool showClose, bool showRoll) {
  ExPanelCaptionLayout l;
  l.text = area;
  int top = area.top;
  if (showClose) {
    l.close = gfx::Rect::fromSize(area.left + (area.width() - closeSize.width) / 2, top,
                                  closeSize.width, closeSize.height);
    top = l.close.bottom;
  }
  if (showRoll) {
    if (showClose) top += 2;
    l.roll = gfx::Rect::fromSize(area.left + (area.width() - rollSize.width) / 2, top,
                                 rollSize.width, rollSize.height);
    top = l.roll.bottom;
  }
  l.text.top = top;
  return l;
}

int SplitterMaxSize(int parentExtent, int minSize, int othersExtent, int neighbourSize) {
  return parentExtent - minSize - othersExtent + neighbourSize;
}

int ClampSplitSize(int proposed, int minSize, int maxSize, int currentSize) {
  if (maxSize < minSize) return currentSize;
  return std::clamp(proposed, minSize, maxSize);
}

int ToolBarScrollStep(int position, bool toRight, int scrollOffset, int clientWidth,
                      int contentRight, int viewWidth) {
  const int distance = scrollOffset > 0 ? scrollOffset : clientWidth;
  if (!toRight) return std::max(0, position - distance);
  const int limit = std::max(0, contentRight - viewWidth + 1);
  return std::min(limit, position + distance);
}

}  // namespace skin

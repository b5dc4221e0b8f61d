// Gauge and label arithmetic: fractions, fill rectangles, texts, the placed
// progress area and the fill picture.
#include "skin/controls/label_layout.h"

#include <algorithm>

namespace skin {

double GaugeFraction(int minValue, int maxValue, int value) {
  if (maxValue <= minValue) return 0.0;
  const double f = (static_cast<double>(value) - minValue) /
                   (static_cast<double>(maxValue) - static_cast<double>(minValue));
  return std::clamp(f, 0.0, 1.0);
}

gfx::Rect GaugeFillRect(const gfx::Rect& area, double fraction, bool vertical) {
  gfx::Rect r = area;
  if (vertical) {
    r.top = area.bottom - gfx::Round(fraction * area.height());
  } else {
    r.right = area.left + gfx::Round(fraction * area.width());
  }
  return r;
}

int GaugePercent(double fraction) { return gfx::Round(fraction * 100.0); }

std::string GaugeText(const std::string& progressText, bool showProgressText, bool showPercent,
                      int percent) {
  std::string text;
  if (showProgressText) text = progressText;
  if (showPercent) text += std::to_string(percent) + "%";
  return text;
}

gfx::Rect PlaceProgressArea(const gfx::Rect& area, StretchKind kind, bool vertical, int dw,
                            int dh) {
  if (kind == StretchKind::Fixed || kind == StretchKind::None) return area;
  gfx::Rect r = area;
  if (vertical) {
    r.bottom += dh;
  } else {
    r.right += dw;
  }
  return r;
}

namespace {

// Copies piece of src into to, scaled when the sizes differ; nothing is
// copied for an empty piece or destination.
void copyPiece(gfx::Bitmap& dst, const gfx::Rect& to, const gfx::Bitmap& src,
               const gfx::Rect& piece) {
  if (gfx::IsNullRect(to) || gfx::IsNullRect(piece)) return;
  dst.copyRect(to, src, piece);
}

}  // namespace

gfx::Bitmap ComposeGaugeFill(const gfx::Bitmap& src, const gfx::Rect& pr, int width, int height,
                             int beginOffset, int endOffset, bool vertical) {
  gfx::Bitmap fill(std::max(width, 0), std::max(height, 0));
  if (width <= 0 || height <= 0 || gfx::IsNullRect(pr)) return fill;
  const int begin = std::max(beginOffset, 0);
  const int end = std::max(endOffset, 0);
  if (!vertical) {
    const gfx::Rect middle{pr.left + begin, pr.top, pr.right - end, pr.bottom};
    const int run = width - begin - end;
    const int step = middle.width();
    if (run > 0 && step > 0) {
      for (int x = begin; x < begin + run; x += step) {
        const int w = std::min(step, begin + run - x);  // the last copy is cut
        copyPiece(fill, {x, 0, x + w, height}, src,
                  {middle.left, middle.top, middle.left + w, middle.bottom});
      }
    }
    copyPiece(fill, {0, 0, begin, height}, src, {pr.left, pr.top, pr.left + begin, pr.bottom});
    copyPiece(fill, {width - end, 0, width, height}, src,
              {pr.right - end, pr.top, pr.right, pr.bottom});
  } else {
    const gfx::Rect middle{pr.left, pr.top + begin, pr.right, pr.bottom - end};
    const int run = height - begin - end;
    const int step = middle.height();
    if (run > 0 && step > 0) {
      // From the bottom upwards; the topmost copy loses its top rows.
      for (int bottom = height - end; bottom > begin; bottom -= step) {
        const int h = std::min(step, bottom - begin);
        copyPiece(fill, {0, bottom - h, width, bottom}, src,
                  {middle.left, middle.bottom - h, middle.right, middle.bottom});
      }
    }
    copyPiece(fill, {0, 0, width, begin}, src, {pr.left, pr.top, pr.right, pr.top + begin});
    copyPiece(fill, {0, height - end, width, height}, src,
              {pr.left, pr.bottom - end, pr.right, pr.bottom});
  }
  return fill;
}

gfx::Point LabelTextOrigin(const gfx::Rect& r, int textWidth, int textHeight,
                           LabelAlignment alignment) {
  const int y = r.top + gfx::Div(r.height(), 2) - gfx::Div(textHeight, 2);
  int x = r.left;
  if (alignment == LabelAlignment::Right) {
    x = r.right - textWidth;
  } else if (alignment == LabelAlignment::Center) {
    x = r.left + gfx::Div(r.width(), 2) - gfx::Div(textWidth, 2);
  }
  return {x, y};
}

}  // namespace skin

// Scroll bar arithmetic: ranges, thumb length and offset, dragging.
#include "skin/controls/scroll_bar_layout.h"

#include <algorithm>

namespace skin {

namespace {
constexpr int kDefaultThumb = 16;
constexpr int kButton = 17;

}  // namespace

int ScrollPositionUpper(int min, int max, int pageSize) {
  const long long upper = pageSize > 0 ? static_cast<long long>(max) - pageSize + 1 : max;
  return static_cast<int>(std::max<long long>(upper, min));
}

int ClampScrollPosition(int position, int min, int max, int pageSize) {
  return std::clamp(position, min, ScrollPositionUpper(min, max, pageSize));
}

int ScrollThumbLength(int trackLength, int min, int max, int pageSize, int minLength) {
  if (trackLength <= 0) return 0;
  const int least = std::max(minLength, 1);
  int length = std::max(kDefaultThumb, least);
  if (pageSize > 0) {
    const double range = static_cast<double>(max) - min + 1;
    length = range > 0 ? gfx::Round(trackLength * (pageSize / range)) : trackLength;
    length = std::max(length, least);
  }
  return std::min(length, trackLength);
}

int ScrollThumbOffset(int trackLength, int thumbLength, int position, int min, int max,
                      int pageSize) {
  const double divisor =
      pageSize > 0 ? static_cast<double>(max) + 1 - pageSize - min : static_cast<double>(max) - min;
  if (divisor <= 0) return 0;
  const double f = std::clamp((static_cast<double>(position) - min) / divisor, 0.0, 1.0);
  return std::max(0, gfx::Round((trackLength - thumbLength) * f));
}

int ScrollPositionForOffset(int offset, int trackLength, int thumbLength, int min, int max,
                            int pageSize) {
  const int upper = ScrollPositionUpper(min, max, pageSize);
  const int free = trackLength - thumbLength;
  if (free <= 0) return min;
  const double f = std::clamp(static_cast<double>(offset) / free, 0.0, 1.0);
  return min + gfx::Round(f * (static_cast<double>(upper) - min));
}

ScrollBarParts DefaultScrollBarParts(bool vertical, int length, int breadth) {
  ScrollBarParts p;
  if (vertical) {
    p.up = {1, 1, breadth - 1, kButton};
    p.down = {1, length - kButton, breadth - 1, length - 1};
    p.track = {1, p.up.bottom, breadth - 1, std::max(p.up.bottom, p.down.top)};
  } else {
    p.up = {1, 1, kButton, breadth - 1};
    p.down = {length - kButton, 1, length - 1, breadth - 1};
    p.track = {p.up.right, 1, std::max(p.up.right, p.down.left), breadth - 1};
  }
  return p;
}

gfx::Rect PlaceScrollThumb(bool vertical, const gfx::Rect& track, int offset, int length,
                           int breadth) {
  if (vertical) {
    int left = track.left, right = track.right;
    if (breadth > 0) {
      left = track.left + (track.width() - breadth) / 2;
      right = left + breadth;
    }
    return {left, track.top + offset, right, track.top + offset + length};
  }
  int top = track.top, bottom = track.bottom;
  if (breadth > 0) {
    top = track.top + (track.height() - breadth) / 2;
    bottom = top + breadth;
  }
  return {track.left + offset, top, track.left + offset + length, bottom};
}

}  // namespace skin

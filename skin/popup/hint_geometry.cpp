// Hint window geometry.
#include "skin/popup/hint_geometry.h"

#include <algorithm>

namespace skin {

namespace {
constexpr int kDefaultHintMargin = 2;  // the default look's outline and padding
}  // namespace

HintGeometry MeasureHint(gfx::Size text, const std::optional<HintSkinLook>& look) {
  HintGeometry g;
  if (!look) {
    g.size = {text.width + 2 * kDefaultHintMargin, text.height + 2 * kDefaultHintMargin};
    g.placed.clientRect = {kDefaultHintMargin, kDefaultHintMargin,
                           g.size.width - kDefaultHintMargin, g.size.height - kDefaultHintMargin};
    return g;
  }
  const gfx::Size pic = look->picture;
  const gfx::Rect& cl = look->geometry.clientRect;
  const int w = text.width + cl.left + (pic.width - cl.right);
  const int h = text.height + cl.top + (pic.height - cl.bottom);
  g.size = {std::max(w, pic.width), std::max(h, pic.height)};
  g.placed = PlaceGeometry(look->geometry, g.size.width - pic.width, g.size.height - pic.height);
  return g;
}

gfx::Rect HintTextRect(const gfx::Rect& client, gfx::Size text) {
  const int x = client.left + gfx::Div(client.width(), 2) - gfx::Div(text.width, 2);
  const int y = client.top + gfx::Div(client.height(), 2) - gfx::Div(text.height, 2);
  return {x, y, x + text.width, y + text.height};
}

gfx::Rect PlaceHint(gfx::Point pos, gfx::Size size, gfx::Size screen) {
  gfx::Rect r{pos.x, pos.y, pos.x + size.width, pos.y + size.height};
  if (screen.width < r.right) r = gfx::OffsetRect(r, -(size.width + 2), 0);
  if (screen.height < r.bottom) r = gfx::OffsetRect(r, 0, -(size.height + 2));
  return r;
}

}  // namespace skin

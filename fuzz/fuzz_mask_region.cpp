// Random masks and geometry through the mask scan, the frame region and the
// composition routines: nothing may crash, every rectangle of the mask scan
// lies in the mask's bounds and covers exactly its black pixels, and every
// rectangle of a frame region lies inside the window.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "skin/draw/frame_image.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/strip_image.h"

namespace {

struct Reader {
  const std::uint8_t* data;
  std::size_t size;
  std::uint8_t byte() {
    if (size == 0) return 0;
    --size;
    return *data++;
  }
  // Mostly small signed values; now and then a full 32-bit one, to reach the
  // range guard.
  int coordinate() {
    const std::uint8_t kind = byte();
    if (kind < 250) return static_cast<std::int8_t>(byte());
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | byte();
    return static_cast<std::int32_t>(v);
  }
};

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in{data, size};
  const int mw = in.byte() % 48, mh = in.byte() % 48;
  skin::SkinImageGeometry g;
  for (gfx::Point* p : {&g.leftTop, &g.rightTop, &g.leftBottom, &g.rightBottom}) {
    p->x = in.coordinate();
    p->y = in.coordinate();
  }
  g.clientRect = {in.coordinate(), in.coordinate(), in.coordinate(), in.coordinate()};
  const int dW = in.coordinate(), dH = in.coordinate();
  const int dx = in.coordinate(), dy = in.coordinate();

  gfx::Bitmap mask(mw, mh);
  int black = 0;
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); x += 8) {
      const std::uint8_t bits = in.byte();
      for (int i = 0; i < 8 && x + i < mask.width(); ++i) {
        const bool on = (bits >> i) & 1;
        mask.setPixel(x + i, y, on ? gfx::kBlack : gfx::Color::rgb(0, 0, 1 + (bits & 3)));
        black += on;
      }
    }

  if (dx > -(1 << 20) && dx < (1 << 20) && dy > -(1 << 20) && dy < (1 << 20)) {
    const auto data = skin::MaskToRects(mask, dx, dy);
    check(data.has_value() == !mask.empty());
    if (data) {
      long covered = 0;
      for (const gfx::Rect& r : data->rects) {
        check(r.left >= data->bounds.left && r.right <= data->bounds.right);
        check(r.top >= data->bounds.top && r.bottom <= data->bounds.bottom);
        check(r.width() > 0 && r.height() == 1);
        covered += r.width();
      }
      check(covered == black);
      check(skin::EncodeRegionData(*data).size() == 32 + 16 * data->rects.size());
    }
  }

  const int w = mw + dW, h = mh + dH;
  if (w > 600 || h > 600) return 0;  // keep each run small
  const skin::SkinImageGeometry placed = skin::PlaceGeometry(g, dW, dH);
  if (const auto region = skin::BuildFrameRegion(g, placed, mask, w, h)) {
    for (const gfx::Rect& r : region->rects())
      check(r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h);
  }

  gfx::Bitmap out;
  skin::ComposeFrameImage(g, placed, out, mask, mask.rect(), w, h, true,
                          {.left = (dx & 1) != 0, .top = (dx & 2) != 0, .right = (dy & 1) != 0,
                           .bottom = (dy & 2) != 0});
  check(out.empty() || (out.width() == w && out.height() == h));
  skin::BorderStrips strips;
  skin::ComposeBorderStrips(g, placed, strips, mask, mask.rect(), w, h,
                            {.left = (dy & 4) != 0, .top = (dy & 8) != 0});
  skin::ComposeHorzStrip(g.leftTop.x, g.rightTop.x, out, mask, g.clientRect, w);
  skin::ComposeVertStrip(g.leftTop.y, g.leftBottom.y, out, mask, g.clientRect, h);
  return 0;
}

// The 24-bit scanning copy of a bitmap.
#include "skin/draw/scan_bitmap.h"

namespace skin {

TbsFBitmap::TbsFBitmap(const gfx::Bitmap& source)
    : width_(source.empty() ? 0 : source.width()), height_(source.empty() ? 0 : source.height()) {
  const std::size_t w = static_cast<std::size_t>(width_);
  stride_ = w * 3 + w % 4;
  bits_.resize(stride_ * static_cast<std::size_t>(height_));
  rows_.resize(static_cast<std::size_t>(height_));
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* d = bits_.data() + stride_ * static_cast<std::size_t>(y);
    rows_[static_cast<std::size_t>(y)] = d;
    const std::uint32_t* s = source.row(y);
    for (int x = 0; x < width_; ++x, d += 3) {
      d[0] = static_cast<std::uint8_t>(s[x]);
      d[1] = static_cast<std::uint8_t>(s[x] >> 8);
      d[2] = static_cast<std::uint8_t>(s[x] >> 16);
    }
  }
}

}  // namespace skin

// TbsFBitmap: the scanning copy of a bitmap that the mask routines read.
//
// A 24-bit, top-down copy with the source's size: each row holds blue, green,
// red per pixel and width mod 4 padding bytes, so that every row is 4-byte
// aligned, and a table of row start addresses lets a scan walk rows without
// any per-pixel address arithmetic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/graphics/bitmap.h"

namespace skin {

class TbsFBitmap {
 public:
  explicit TbsFBitmap(const gfx::Bitmap& source);

  int width() const { return width_; }
  int height() const { return height_; }
  // Bytes per row: 3 per pixel plus width mod 4 padding bytes.
  std::size_t stride() const { return stride_; }
  const std::uint8_t* row(int y) const { return rows_[static_cast<std::size_t>(y)]; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
  std::vector<std::uint8_t> bits_;
  std::vector<const std::uint8_t*> rows_;
};

}  // namespace skin

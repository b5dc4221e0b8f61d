// Masks and regions written as rows of 'B' (black: inside) and '.' (white:
// outside), for the mask and region tests.
#pragma once

#include <string>
#include <vector>

#include "ui/graphics/bitmap.h"
#include "ui/graphics/region.h"

namespace masktest {

inline gfx::Bitmap Mask(const std::vector<std::string>& rows) {
  gfx::Bitmap b(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      b.setPixel(x, y,
                 rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == 'B'
                     ? gfx::kBlack
                     : gfx::kWhite);
  return b;
}

// Every pixel of the area that the region holds.
inline std::vector<std::string> Picture(const gfx::Region& region, const gfx::Rect& area) {
  std::vector<std::string> rows;
  for (int y = area.top; y < area.bottom; ++y) {
    std::string row;
    for (int x = area.left; x < area.right; ++x) row += region.contains({x, y}) ? 'B' : '.';
    rows.push_back(row);
  }
  return rows;
}

}  // namespace masktest

// Fuzzes the BMP reader: any bytes either give a picture whose consumed size
// lies within the input, or a BmpError. Pictures that are read are written
// back and read again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/graphics/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    std::size_t used = 0;
    const gfx::Bitmap b = gfx::ReadBmp(std::span(data, size), used);
    if (used > size || b.empty()) __builtin_trap();
    const auto again = gfx::WriteBmp(b);
    if (!(gfx::ReadBmp(again) == b)) __builtin_trap();
  } catch (const gfx::BmpError&) {
  }
  return 0;
}

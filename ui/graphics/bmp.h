// Reading and writing Windows bitmap files: 1-, 4-, 8-, 16-, 24- and 32-bit
// images as image editors write them (run-length-encoded 8- and 4-bit
// images, 16-bit 5-5-5, 5-6-5 and bit fields of any width, each channel
// widened to 8 bits with rounding), colour tables, bottom-up and top-down
// rows, rows padded to 4 bytes. The writer writes 1-, 8- and 24-bit images
// without compression.
//
// A BMP file image inside a skin package is read as exactly bfSize bytes; the
// next field of the package starts right behind it. Nothing here trusts a
// length: every header field is checked against the bytes actually present
// before anything is allocated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/graphics/bitmap.h"

namespace gfx {

class BmpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Largest image the reader accepts, in pixels; larger headers are refused
// before any allocation.
constexpr std::int64_t kMaxBmpPixels = 64LL * 1024 * 1024;

// Reads one BMP file image from the start of bytes. On success `consumed` is
// bfSize, the number of bytes the image occupies. Throws BmpError on a
// truncated, inconsistent or unsupported image.
Bitmap ReadBmp(std::span<const std::uint8_t> bytes, std::size_t& consumed);
Bitmap ReadBmp(std::span<const std::uint8_t> bytes);
Bitmap ReadBmpFile(const std::string& path);  // BmpError also when unreadable

// How a bitmap is written. bits is 1, 8 or 24. For 1 and 8 bits the palette
// gives the colour table (at most 2 or 256 entries); every pixel is written as
// the index of the nearest palette colour. An empty palette for 8 bits is
// built from the picture's colours (paletteSize entries at most); for 1 bit
// it is black and white.
struct BmpFormat {
  int bits = 24;
  std::vector<Color> palette;
  int paletteSize = 256;
};

// The format the bitmap was read with (24 bits for a bitmap made in memory).
BmpFormat StoredFormat(const Bitmap& bmp);

std::vector<std::uint8_t> WriteBmp(const Bitmap& bmp, const BmpFormat& format = {});
void WriteBmpFile(const std::string& path, const Bitmap& bmp, const BmpFormat& format = {});

}  // namespace gfx

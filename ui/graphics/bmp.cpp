// Windows bitmap files: a reader that checks every header field against the
// bytes present before it allocates, and a writer for 1-, 8- and 24-bit images.
#include "ui/graphics/bmp.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

namespace gfx {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCoreHeaderSize = 12;

std::uint16_t u16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t u32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t i32(const std::uint8_t* p) { return static_cast<std::int32_t>(u32(p)); }

[[noreturn]] void fail(const std::string& what) { throw BmpError("bitmap: " + what); }

std::size_t rowBytes(std::int64_t width, int bits) {
  return static_cast<std::size_t>(((width * bits + 31) / 32) * 4);
}

int lowestBit(std::uint32_t mask) {
  int n = 0;
  while (mask && !(mask & 1u)) {
    mask >>= 1;
    ++n;
  }
  return n;
}

// A channel of any width widened to 8 bits as v * 255 / max, rounded to
// the nearest value: 5-bit 16 is 132, not the truncated 131.
int scaleChannel(std::uint32_t v, std::uint32_t mask) {
  if (!mask) return 0;
  const int shift = lowestBit(mask);
  const std::uint64_t max = mask >> shift;
  const std::uint64_t value = std::min<std::uint64_t>((v & mask) >> shift, max);
  return static_cast<int>((value * 255u + max / 2) / max);
}

constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;

// Decodes run-length-encoded 8- or 4-bit pixel data (bottom row first) into
// `bmp`. Pixels that no run reaches (skipped by a delta, or left by an early
// end of line or image) take colour index 0. A run or delta that reaches
// past its row or past the image is an error, so nothing is ever written
// outside the picture. An index past the table reads as black.
void decodeRle(const std::uint8_t* data, std::size_t size, int bits,
               const std::vector<Color>& palette, Bitmap& bmp) {
  const std::int64_t width = bmp.width(), height = bmp.height();
  auto colourOf = [&](std::uint8_t index) {
    return (index < palette.size() ? palette[index] : kBlack).toPixel();
  };
  const std::uint32_t background = colourOf(0);
  for (int row = 0; row < bmp.height(); ++row) std::fill_n(bmp.row(row), bmp.width(), background);
  std::size_t pos = 0;
  std::int64_t x = 0, y = 0;
  auto need = [&](std::size_t n) {
    if (size - pos < n) fail("run-length data ends before its end-of-image mark");
  };
  auto place = [&](std::int64_t count) {
    if (y >= height) fail("a run starts below the last row of the picture");
    if (count > width - x)
      fail("a run of " + std::to_string(count) + " pixels at column " + std::to_string(x) +
           " reaches past the row of " + std::to_string(width));
    return bmp.row(static_cast<int>(height - 1 - y)) + x;
  };
  for (;;) {
    need(2);
    const std::uint8_t count = data[pos];
    const std::uint8_t value = data[pos + 1];
    pos += 2;
    if (count > 0) {  // a run of one index (8 bits) or two alternating ones (4 bits)
      std::uint32_t* dst = place(count);
      for (int i = 0; i < count; ++i)
        dst[i] = colourOf(
            bits == 8 ? value : static_cast<std::uint8_t>(i % 2 == 0 ? value >> 4 : value & 15));
      x += count;
    } else if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of image
      break;
    } else if (value == 2) {  // delta: move right and up without drawing
      need(2);
      const std::int64_t dx = data[pos], dy = data[pos + 1];
      pos += 2;
      if (x + dx > width || y + dy >= height)
        fail("a delta of (" + std::to_string(dx) + ", " + std::to_string(dy) + ") at (" +
             std::to_string(x) + ", " + std::to_string(y) + ") leaves the picture");
      x += dx;
      y += dy;
    } else {  // an absolute run of `value` indexes, padded to a 16-bit word
      const std::size_t bytes = bits == 8 ? value : (value + 1u) / 2u;
      need(bytes + (bytes & 1u));
      std::uint32_t* dst = place(value);
      for (int i = 0; i < value; ++i) {
        const std::uint8_t b = data[pos + static_cast<std::size_t>(bits == 8 ? i : i / 2)];
        dst[i] = colourOf(bits == 8 ? b : static_cast<std::uint8_t>(i % 2 == 0 ? b >> 4 : b & 15));
      }
      pos += bytes + (bytes & 1u);
      x += value;
    }
  }
}

}  // namespace

Bitmap ReadBmp(std::span<const std::uint8_t> bytes) {
  std::size_t consumed = 0;
  return ReadBmp(bytes, consumed);
}

Bitmap ReadBmp(std::span<const std::uint8_t> bytes, std::size_t& consumed) {
  consumed = 0;
  if (bytes.size() < kFileHeaderSize)
    fail("file header truncated: " + std::to_string(bytes.size()) + " of 14 bytes present");
  const std::uint8_t* f = bytes.data();
  if (f[0] != 'B' || f[1] != 'M') fail("not a bitmap file (no \"BM\" signature)");
  const std::uint32_t fileSize = u32(f + 2);
  const std::uint32_t bitsOffset = u32(f + 10);
  if (fileSize < kFileHeaderSize + kCoreHeaderSize)
    fail("file size field " + std::to_string(fileSize) + " is smaller than the headers");
  if (fileSize > bytes.size())
    fail("image truncated: the header claims " + std::to_string(fileSize) + " bytes, " +
         std::to_string(bytes.size()) + " are present");
  const std::uint8_t* h = f + kFileHeaderSize;
  const std::size_t avail = fileSize - kFileHeaderSize;
  const std::uint32_t headerSize = u32(h);
  if (headerSize > avail || (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize))
    fail("information header of " + std::to_string(headerSize) + " bytes does not fit the image");

  std::int64_t width = 0, height = 0;
  int bits = 0;
  std::uint32_t compression = 0, colorsUsed = 0;
  std::size_t paletteEntrySize = 4;
  if (headerSize == kCoreHeaderSize) {
    width = u16(h + 4);
    height = u16(h + 6);
    bits = u16(h + 10);
    paletteEntrySize = 3;
  } else {
    width = i32(h + 4);
    height = i32(h + 8);
    if (u16(h + 12) != 1) fail("plane count " + std::to_string(u16(h + 12)) + " is not 1");
    bits = u16(h + 14);
    compression = u32(h + 16);
    colorsUsed = u32(h + 32);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0)
    fail("size " + std::to_string(width) + "x" + std::to_string(height) + " is empty");
  if (width * height > kMaxBmpPixels)
    fail("size " + std::to_string(width) + "x" + std::to_string(height) + " is too large");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    fail("unsupported depth of " + std::to_string(bits) + " bits");

  // Channel masks: fixed for the plain formats, read for bit fields.
  std::uint32_t rMask = 0x00FF0000, gMask = 0x0000FF00, bMask = 0x000000FF;
  std::size_t tableStart = kFileHeaderSize + headerSize;
  if (bits == 16) {
    rMask = 0x7C00;
    gMask = 0x03E0;
    bMask = 0x001F;
  }
  const bool rle = (compression == kRle8 && bits == 8) || (compression == kRle4 && bits == 4);
  if (compression == kBitFields && (bits == 16 || bits == 32)) {
    // The masks sit inside the longer headers (52 bytes and more), else
    // right behind the header.
    if (headerSize < kInfoHeaderSize + 12) {
      if (tableStart + 12 > fileSize) fail("bit-field masks truncated");
      rMask = u32(f + tableStart);
      gMask = u32(f + tableStart + 4);
      bMask = u32(f + tableStart + 8);
      tableStart += 12;
    } else {
      rMask = u32(h + 40);
      gMask = u32(h + 44);
      bMask = u32(h + 48);
    }
  } else if (compression != 0 && !rle) {
    fail("compression " + std::to_string(compression) + " for " + std::to_string(bits) +
         " bits is not supported");
  }
  if (rle && topDown) fail("a run-length-encoded picture cannot be stored top-down");

  std::vector<Color> palette;
  if (bits <= 8) {
    const std::uint32_t maxColors = 1u << bits;
    const std::uint32_t count = colorsUsed == 0 ? maxColors : colorsUsed;
    if (count > maxColors)
      fail("colour table of " + std::to_string(count) + " entries is too large for " +
           std::to_string(bits) + " bits");
    if (tableStart + count * paletteEntrySize > fileSize) fail("colour table truncated");
    palette.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* e = f + tableStart + i * paletteEntrySize;
      palette.push_back(Color::rgb(e[2], e[1], e[0]));
    }
  }

  const std::size_t stride = rowBytes(width, bits);
  if (bitsOffset < kFileHeaderSize + headerSize)
    fail("pixel offset " + std::to_string(bitsOffset) + " lies inside the headers");
  if (bitsOffset > fileSize)
    fail("pixel offset " + std::to_string(bitsOffset) + " lies past the image");
  if (rle) {
    Bitmap bmp(static_cast<int>(width), static_cast<int>(height));
    decodeRle(f + bitsOffset, fileSize - bitsOffset, bits, palette, bmp);
    bmp.setStoredFormat(bits, std::move(palette));
    consumed = fileSize;
    return bmp;
  }
  if (stride * static_cast<std::size_t>(height) > fileSize - bitsOffset)
    fail("pixel rows truncated: " + std::to_string(stride * static_cast<std::size_t>(height)) +
         " bytes needed at offset " + std::to_string(bitsOffset) + " of a " +
         std::to_string(fileSize) + "-byte image");

  Bitmap bmp(static_cast<int>(width), static_cast<int>(height));
  const std::uint8_t* pixels = f + bitsOffset;
  for (std::int64_t y = 0; y < height; ++y) {
    const std::uint8_t* src =
        pixels + stride * static_cast<std::size_t>(topDown ? y : height - 1 - y);
    std::uint32_t* dst = bmp.row(static_cast<int>(y));
    for (std::int64_t x = 0; x < width; ++x) {
      Color c;
      switch (bits) {
        case 1:
        case 4:
        case 8: {
          const std::int64_t bitPos = x * bits;
          const int byte = src[bitPos / 8];
          const int shift = 8 - bits - static_cast<int>(bitPos % 8);
          const std::size_t index = static_cast<std::size_t>((byte >> shift) & ((1 << bits) - 1));
          // An index past the table reads as black, as the platform draws it.
          c = index < palette.size() ? palette[index] : kBlack;
          break;
        }
        case 16: {
          const std::uint32_t v = u16(src + x * 2);
          c = Color::rgb(scaleChannel(v, rMask), scaleChannel(v, gMask), scaleChannel(v, bMask));
          break;
        }
        case 24:
          c = Color::rgb(src[x * 3 + 2], src[x * 3 + 1], src[x * 3]);
          break;
        default: {
          const std::uint32_t v = u32(src + x * 4);
          c = Color::rgb(scaleChannel(v, rMask), scaleChannel(v, gMask), scaleChannel(v, bMask));
          break;
        }
      }
      dst[x] = c.toPixel();
    }
  }
  bmp.setStoredFormat(bits, std::move(palette));
  consumed = fileSize;
  return bmp;
}

Bitmap ReadBmpFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) fail("cannot open " + path);
  std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
  try {
    return ReadBmp(data);
  } catch (const BmpError& e) {
    throw BmpError(path + ": " + e.what());
  }
}

BmpFormat StoredFormat(const Bitmap& bmp) {
  BmpFormat f;
  f.bits = bmp.storedBits();
  if (f.bits == 1 || f.bits == 8) {
    f.palette = bmp.storedPalette();
  } else if (f.bits == 4) {
    f.bits = 8;
    f.palette = bmp.storedPalette();
  } else {
    f.bits = 24;
  }
  return f;
}

namespace {

void put16(std::vector<std::uint8_t>& o, std::uint32_t v) {
  o.push_back(static_cast<std::uint8_t>(v));
  o.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& o, std::uint32_t v) {
  put16(o, v & 0xFFFF);
  put16(o, v >> 16);
}

int distance(Color a, Color b) {
  const int dr = a.red() - b.red(), dg = a.green() - b.green(), db = a.blue() - b.blue();
  return dr * dr + dg * dg + db * db;
}

// The colours of a picture, most frequent first, at most n of them. Colours
// left out are written as their nearest kept colour.
std::vector<Color> buildPalette(const Bitmap& bmp, int n) {
  std::map<std::uint32_t, int> counts;
  for (int y = 0; y < bmp.height(); ++y)
    for (int x = 0; x < bmp.width(); ++x) ++counts[bmp.pixel(x, y).value];
  std::vector<std::pair<int, std::uint32_t>> order;
  for (const auto& [c, k] : counts) order.emplace_back(-k, c);
  std::sort(order.begin(), order.end());
  std::vector<Color> palette;
  for (const auto& [k, c] : order) {
    if (static_cast<int>(palette.size()) >= n) break;
    palette.push_back(Color(c));
  }
  if (palette.empty()) palette.push_back(kBlack);
  return palette;
}

}  // namespace

std::vector<std::uint8_t> WriteBmp(const Bitmap& bmp, const BmpFormat& format) {
  if (bmp.empty()) throw BmpError("bitmap: cannot write an empty picture");
  const int bits = format.bits;
  if (bits != 1 && bits != 8 && bits != 24)
    throw BmpError("bitmap: cannot write a depth of " + std::to_string(bits) + " bits");
  std::vector<Color> palette = format.palette;
  if (bits == 1 && palette.empty()) palette = {kBlack, kWhite};
  if (bits == 8 && palette.empty())
    palette = buildPalette(bmp, std::clamp(format.paletteSize, 1, 256));
  if (bits <= 8 && (palette.empty() || palette.size() > (1u << bits)))
    throw BmpError("bitmap: a colour table of " + std::to_string(palette.size()) +
                   " entries does not fit " + std::to_string(bits) + " bits");

  const std::size_t stride = rowBytes(bmp.width(), bits);
  const std::uint32_t tableBytes = static_cast<std::uint32_t>(palette.size() * 4);
  const std::uint32_t offset =
      static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize) + tableBytes;
  const std::uint32_t imageBytes =
      static_cast<std::uint32_t>(stride * static_cast<std::size_t>(bmp.height()));
  std::vector<std::uint8_t> out;
  out.reserve(offset + imageBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, offset + imageBytes);
  put32(out, 0);
  put32(out, offset);
  put32(out, kInfoHeaderSize);
  put32(out, static_cast<std::uint32_t>(bmp.width()));
  put32(out, static_cast<std::uint32_t>(bmp.height()));
  put16(out, 1);
  put16(out, static_cast<std::uint32_t>(bits));
  put32(out, 0);
  put32(out, imageBytes);
  put32(out, 0);
  put32(out, 0);
  put32(out, bits <= 8 ? static_cast<std::uint32_t>(palette.size()) : 0);
  put32(out, 0);
  for (Color c : palette) {
    out.push_back(static_cast<std::uint8_t>(c.blue()));
    out.push_back(static_cast<std::uint8_t>(c.green()));
    out.push_back(static_cast<std::uint8_t>(c.red()));
    out.push_back(0);
  }

  std::map<std::uint32_t, std::uint8_t> indexOf;  // nearest palette entry per colour
  auto paletteIndex = [&](Color c) {
    auto it = indexOf.find(c.value);
    if (it != indexOf.end()) return it->second;
    std::size_t best = 0;
    for (std::size_t i = 1; i < palette.size(); ++i)
      if (distance(palette[i], c) < distance(palette[best], c)) best = i;
    const auto idx = static_cast<std::uint8_t>(best);
    indexOf.emplace(c.value, idx);
    return idx;
  };

  std::vector<std::uint8_t> line(stride);
  for (int y = bmp.height() - 1; y >= 0; --y) {
    std::fill(line.begin(), line.end(), 0);
    for (int x = 0; x < bmp.width(); ++x) {
      const Color c = bmp.pixel(x, y);
      if (bits == 24) {
        line[static_cast<std::size_t>(x) * 3] = static_cast<std::uint8_t>(c.blue());
        line[static_cast<std::size_t>(x) * 3 + 1] = static_cast<std::uint8_t>(c.green());
        line[static_cast<std::size_t>(x) * 3 + 2] = static_cast<std::uint8_t>(c.red());
      } else if (bits == 8) {
        line[static_cast<std::size_t>(x)] = paletteIndex(c);
      } else if (paletteIndex(c) != 0) {
        line[static_cast<std::size_t>(x) / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

void WriteBmpFile(const std::string& path, const Bitmap& bmp, const BmpFormat& format) {
  const std::vector<std::uint8_t> data = WriteBmp(bmp, format);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw BmpError("bitmap: cannot create " + path);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  if (!out) throw BmpError("bitmap: cannot write " + path);
}

}  // namespace gfx

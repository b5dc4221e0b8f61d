// BMP reading and writing: every depth round-trips pixel-exact, the reader
// takes exactly bfSize bytes, and broken headers give clean errors.
#include "ui/graphics/bmp.h"

#include <gtest/gtest.h>

#include "support/bitmap_dump.h"

using namespace gfx;

namespace {

Bitmap checker(int w, int h, std::vector<Color> colors) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.setPixel(x, y, colors[static_cast<std::size_t>(x * 7 + y * 3) % colors.size()]);
  return b;
}

void put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  for (int i = 0; i < 4; ++i)
    v[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(x >> (8 * i));
}

// A hand-made image of the given depth: header fields, colour table and rows
// written byte by byte, so that the reader is checked against the format and
// not against our writer.
std::vector<std::uint8_t> handMade(int bits, int w, int h, bool topDown,
                                   const std::vector<std::uint32_t>& table,
                                   const std::vector<std::vector<std::uint8_t>>& rowsTopFirst) {
  const std::size_t stride = static_cast<std::size_t>(((w * bits + 31) / 32) * 4);
  const std::size_t offset = 54 + table.size() * 4;
  std::vector<std::uint8_t> v(offset + stride * static_cast<std::size_t>(h), 0);
  v[0] = 'B';
  v[1] = 'M';
  put32(v, 2, static_cast<std::uint32_t>(v.size()));
  put32(v, 10, static_cast<std::uint32_t>(offset));
  put32(v, 14, 40);
  put32(v, 18, static_cast<std::uint32_t>(w));
  put32(v, 22, static_cast<std::uint32_t>(topDown ? -h : h));
  v[26] = 1;
  v[28] = static_cast<std::uint8_t>(bits);
  put32(v, 46, static_cast<std::uint32_t>(table.size()));
  for (std::size_t i = 0; i < table.size(); ++i) put32(v, 54 + i * 4, table[i]);
  for (int y = 0; y < h; ++y) {
    const std::size_t fileRow = static_cast<std::size_t>(topDown ? y : h - 1 - y);
    const auto& bytes = rowsTopFirst[static_cast<std::size_t>(y)];
    std::copy(bytes.begin(), bytes.end(),
              v.begin() + static_cast<std::ptrdiff_t>(offset + fileRow * stride));
  }
  return v;
}

// A hand-made bottom-up image with a compression field: the header, the
// bit-field masks behind it (when given), the colour table and `data` as
// the pixel bytes, byte for byte.
std::vector<std::uint8_t> encoded(int bits, std::uint32_t compression, int w, int h,
                                  const std::vector<std::uint32_t>& table,
                                  const std::vector<std::uint32_t>& masks,
                                  const std::vector<std::uint8_t>& data) {
  const std::size_t offset = 54 + masks.size() * 4 + table.size() * 4;
  std::vector<std::uint8_t> v(offset, 0);
  v[0] = 'B';
  v[1] = 'M';
  put32(v, 2, static_cast<std::uint32_t>(offset + data.size()));
  put32(v, 10, static_cast<std::uint32_t>(offset));
  put32(v, 14, 40);
  put32(v, 18, static_cast<std::uint32_t>(w));
  put32(v, 22, static_cast<std::uint32_t>(h));
  v[26] = 1;
  v[28] = static_cast<std::uint8_t>(bits);
  put32(v, 30, compression);
  put32(v, 34, static_cast<std::uint32_t>(data.size()));
  put32(v, 46, static_cast<std::uint32_t>(table.size()));
  std::size_t at = 54;
  for (std::uint32_t m : masks) put32(v, (at += 4) - 4, m);
  for (std::uint32_t c : table) put32(v, (at += 4) - 4, c);
  v.insert(v.end(), data.begin(), data.end());
  return v;
}

// Index 0 is a grey that no run writes, so that pixels left to it show.
const std::vector<std::uint32_t> kTable = {0x00101010, 0x00FF0000, 0x000000FF, 0x0000FF00};
const Color kTable0 = Color::rgb(16, 16, 16), kTable1 = Color::rgb(255, 0, 0),
            kTable2 = Color::rgb(0, 0, 255), kTable3 = Color::rgb(0, 255, 0);

std::vector<std::vector<Color>> pixelsOf(const Bitmap& b) {
  std::vector<std::vector<Color>> rows(static_cast<std::size_t>(b.height()));
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) rows[static_cast<std::size_t>(y)].push_back(b.pixel(x, y));
  return rows;
}

}  // namespace

TEST(Bmp, WrittenDepthsRoundTripPixelExact) {
  const std::vector<Color> many = {Color::rgb(1, 2, 3), Color::rgb(250, 128, 7), kWhite,
                                   Color::rgb(0, 90, 200), kBlack};
  struct Case {
    const char* name;
    int bits;
    std::vector<Color> colors;
    int w, h;
  } cases[] = {
      {"24-bit odd width", 24, many, 13, 5},
      {"8-bit", 8, many, 9, 4},
      {"1-bit mask", 1, {kBlack, kWhite}, 37, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Bitmap src = checker(c.w, c.h, c.colors);
    BmpFormat f;
    f.bits = c.bits;
    if (c.bits == 8) f.paletteSize = 255;
    const std::vector<std::uint8_t> bytes = WriteBmp(src, f);
    const std::size_t stride = static_cast<std::size_t>(((c.w * c.bits + 31) / 32) * 4);
    const std::size_t table = c.bits == 24 ? 0 : (c.bits == 8 ? many.size() : 2) * 4;
    EXPECT_EQ(bytes.size(), 54 + table + stride * static_cast<std::size_t>(c.h));
    const Bitmap back = ReadBmp(bytes);
    EXPECT_TRUE(testsupport::SameBitmap(back, src));
    EXPECT_EQ(back.storedBits(), c.bits);
  }
}

TEST(Bmp, EightBitWithFixedTableWritesThatTable) {
  std::vector<Color> table(255);
  for (int i = 0; i < 255; ++i) table[static_cast<std::size_t>(i)] = Color::rgb(i, 255 - i, i / 2);
  Bitmap src(4, 2);
  src.fill(table[200]);
  src.setPixel(1, 1, table[3]);
  const auto bytes = WriteBmp(src, {8, table, 255});
  EXPECT_EQ(bytes[46], 255);  // colours used
  const Bitmap back = ReadBmp(bytes);
  EXPECT_EQ(back.storedPalette().size(), 255u);
  EXPECT_EQ(back.pixel(1, 1), table[3]);
  EXPECT_EQ(back.pixel(0, 0), table[200]);
  // Written again in its stored format, the file is the same.
  EXPECT_EQ(WriteBmp(back, StoredFormat(back)), bytes);
}

TEST(Bmp, HandMadeDepthsAndRowOrders) {
  const Color red = Color::rgb(255, 0, 0), blue = Color::rgb(0, 0, 255), grey = Color::rgb(9, 9, 9);
  // 4 bits, 3 x 2, bottom-up: indices 0 1 2 / 2 1 0.
  const auto four =
      handMade(4, 3, 2, false, {0x00FF0000, 0x000000FF, 0x00090909}, {{0x01, 0x20}, {0x21, 0x00}});
  const Bitmap b4 = ReadBmp(four);
  EXPECT_EQ(b4.pixel(0, 0), red);
  EXPECT_EQ(b4.pixel(1, 0), blue);
  EXPECT_EQ(b4.pixel(2, 0), grey);
  EXPECT_EQ(b4.pixel(0, 1), grey);
  EXPECT_EQ(b4.pixel(2, 1), red);
  // 32 bits top-down, BGRA bytes.
  const auto thirtyTwo =
      handMade(32, 2, 2, true, {}, {{3, 2, 1, 0, 30, 20, 10, 0}, {0, 0, 255, 0, 255, 0, 0, 0}});
  const Bitmap b32 = ReadBmp(thirtyTwo);
  EXPECT_EQ(b32.pixel(0, 0), Color::rgb(1, 2, 3));
  EXPECT_EQ(b32.pixel(1, 0), Color::rgb(10, 20, 30));
  EXPECT_EQ(b32.pixel(0, 1), red);
  EXPECT_EQ(b32.pixel(1, 1), blue);
  // 1 bit top-down with padding bits set: only the first 3 bits count.
  const auto one = handMade(1, 3, 1, true, {0x00000000, 0x00FFFFFF}, {{0b10111111}});
  const Bitmap b1 = ReadBmp(one);
  EXPECT_EQ(b1.pixel(0, 0), kWhite);
  EXPECT_EQ(b1.pixel(1, 0), kBlack);
  EXPECT_EQ(b1.pixel(2, 0), kWhite);
  // 24 bits bottom-up, a row of width 1 padded to 4 bytes.
  const auto twentyFour = handMade(24, 1, 2, false, {}, {{1, 2, 3}, {4, 5, 6}});
  const Bitmap b24 = ReadBmp(twentyFour);
  EXPECT_EQ(b24.pixel(0, 0), Color::rgb(3, 2, 1));
  EXPECT_EQ(b24.pixel(0, 1), Color::rgb(6, 5, 4));
}

// Run-length-encoded pictures as image editors write them, bottom row first.
TEST(Bmp, RunLengthEncodedPicturesAreRead) {
  using Rows = std::vector<std::vector<Color>>;
  const Color c0 = kTable0;
  // RLE8, 5 x 3. Bottom row: an absolute run of 3 (padded to a word), then a
  // run of 2. Middle row: a delta of 2 to the right, a run of 2. Top row:
  // one pixel, then the end of the image.
  const auto rle8 = encoded(8, 1, 5, 3, kTable, {}, {0, 3, 2, 3, 1, 0,        //
                                                     2, 1, 0, 0,              //
                                                     0, 2, 2, 0, 2, 2, 0, 0,  //
                                                     1, 3, 0, 1});
  const Bitmap b8 = ReadBmp(rle8);
  EXPECT_EQ(pixelsOf(b8), (Rows{{kTable3, c0, c0, c0, c0},
                                {c0, c0, kTable2, kTable2, c0},
                                {kTable2, kTable3, kTable1, kTable1, kTable1}}));
  EXPECT_EQ(b8.storedBits(), 8);
  // A delta that moves up a row: the pixels it passes keep index 0.
  const auto up = encoded(8, 1, 4, 2, kTable, {}, {1, 1, 0, 2, 1, 1, 2, 2, 0, 0, 0, 1});
  EXPECT_EQ(pixelsOf(ReadBmp(up)), (Rows{{c0, c0, kTable2, kTable2}, {kTable1, c0, c0, c0}}));

  // RLE4, 5 x 2. Bottom row: a run of 5 alternating two indexes. Top row:
  // an absolute run of 3 (2 bytes, no padding), a run of 2.
  const auto rle4 = encoded(4, 2, 5, 2, kTable, {},
                            {5, 0x12, 0, 0,  //
                             0, 3, 0x30, 0x10, 2, 0x33, 0, 1});
  const Bitmap b4 = ReadBmp(rle4);
  EXPECT_EQ(pixelsOf(b4), (Rows{{kTable3, c0, kTable1, kTable3, kTable3},
                                {kTable1, kTable2, kTable1, kTable2, kTable1}}));
  EXPECT_EQ(b4.storedBits(), 4);
  // An absolute run of 5 indexes takes 3 bytes and a padding byte.
  const auto padded = encoded(4, 2, 5, 1, kTable, {}, {0, 5, 0x12, 0x31, 0x20, 0, 0, 1});
  EXPECT_EQ(pixelsOf(ReadBmp(padded)), (Rows{{kTable1, kTable2, kTable3, kTable1, kTable2}}));
  // An end of line on the last row, then the end of the image.
  const auto lastLine = encoded(8, 1, 2, 1, kTable, {}, {2, 2, 0, 0, 0, 1});
  EXPECT_EQ(pixelsOf(ReadBmp(lastLine)), (Rows{{kTable2, kTable2}}));
}

TEST(Bmp, RunsAndDeltasOutsideThePictureAreErrors) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
  };
  auto rle8 = [](std::vector<std::uint8_t> data) { return encoded(8, 1, 5, 3, kTable, {}, data); };
  const std::vector<Case> cases = {
      {"run past the row", rle8({6, 1, 0, 1})},
      {"run past the row after a run", rle8({3, 1, 3, 1, 0, 1})},
      {"absolute run past the row", rle8({0, 6, 1, 1, 1, 1, 1, 1, 0, 1})},
      {"delta past the row", rle8({0, 2, 6, 0, 0, 1})},
      {"delta past the top row", rle8({0, 2, 0, 3, 0, 1})},
      {"run above the picture", rle8({0, 0, 0, 0, 0, 0, 1, 1, 0, 1})},
      {"no end-of-image mark", rle8({2, 1})},
      {"cut inside an absolute run", rle8({0, 5, 1, 2})},
      {"cut inside a delta", rle8({0, 2, 1})},
      {"RLE4 run past the row", encoded(4, 2, 5, 1, kTable, {}, {6, 0x12, 0, 1})},
      {"RLE4 absolute run past the row", encoded(4, 2, 3, 1, kTable, {}, {0, 4, 0x12, 0x31, 0, 1})},
      {"RLE8 on a 4-bit picture", encoded(4, 1, 5, 1, kTable, {}, {1, 1, 0, 1})},
      {"RLE4 on an 8-bit picture", encoded(8, 2, 5, 1, kTable, {}, {1, 1, 0, 1})},
      {"run-length top-down",
       [&] {
         auto v = rle8({1, 1, 0, 1});
         put32(v, 22, static_cast<std::uint32_t>(-3));
         return v;
       }()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::size_t used = 123;
    EXPECT_THROW(ReadBmp(c.bytes, used), BmpError);
    EXPECT_EQ(used, 0u);
  }
}

// Channels narrower than 8 bits are widened as v * 255 / max, rounded to
// the nearest value.
TEST(Bmp, NarrowChannelsAreWidenedWithRounding) {
  auto px16 = [](std::uint32_t v) {
    return std::vector<std::uint8_t>{static_cast<std::uint8_t>(v),
                                     static_cast<std::uint8_t>(v >> 8), 0, 0};
  };
  // 5-5-5 without bit fields: 16 -> 131.6 -> 132 (truncated: 131), 31 -> 255, 1 -> 8.2 -> 8.
  const Bitmap b555 = ReadBmp(encoded(16, 0, 1, 1, {}, {}, px16(16u << 10 | 31u << 5 | 1u)));
  EXPECT_EQ(b555.pixel(0, 0), Color::rgb(132, 255, 8));
  // 5-6-5 bit fields: 31 -> 255, 32 of 63 -> 129.5 -> 130, 16 -> 132; 2 -> 16.5 -> 16.
  const std::vector<std::uint32_t> m565 = {0xF800, 0x07E0, 0x001F};
  EXPECT_EQ(ReadBmp(encoded(16, 3, 1, 1, {}, m565, px16(31u << 11 | 32u << 5 | 16u))).pixel(0, 0),
            Color::rgb(255, 130, 132));
  EXPECT_EQ(ReadBmp(encoded(16, 3, 1, 1, {}, m565, px16(2u << 11 | 1u << 5 | 3u))).pixel(0, 0),
            Color::rgb(16, 4, 25));
  // 4-4-4 and a 1-bit channel: 8 of 15 -> 136, 1 -> 17; 1 of 1 -> 255.
  EXPECT_EQ(ReadBmp(encoded(16, 3, 1, 1, {}, {0x0F00, 0x00F0, 0x8000}, px16(0x8810))).pixel(0, 0),
            Color::rgb(136, 17, 255));
  // 10-10-10 in 32 bits: 512 of 1023 -> 127.6 -> 128, 1023 -> 255, 1 -> 0.25 -> 0.
  const std::uint32_t v = 512u << 20 | 1023u << 10 | 1u;
  EXPECT_EQ(
      ReadBmp(encoded(32, 3, 1, 1, {}, {0x3FF00000, 0x000FFC00, 0x000003FF},
                      {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                       static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)}))
          .pixel(0, 0),
      Color::rgb(128, 255, 0));
  // A full 32-bit mask does not overflow.
  EXPECT_EQ(
      ReadBmp(encoded(32, 3, 1, 1, {}, {0xFFFFFFFF, 0, 0}, {0xFF, 0xFF, 0xFF, 0xFF})).pixel(0, 0),
      Color::rgb(255, 0, 0));
}

TEST(Bmp, ReadingStopsAtTheFileSize) {
  Bitmap first(3, 3), second(5, 1);
  first.fill(kRed);
  second.fill(Color::rgb(0, 200, 0));
  std::vector<std::uint8_t> stream = WriteBmp(first);
  const std::size_t firstSize = stream.size();
  const auto more = WriteBmp(second, {1, {kBlack, Color::rgb(0, 200, 0)}, 2});
  stream.insert(stream.end(), more.begin(), more.end());
  stream.push_back(0x42);  // whatever follows in the package

  std::size_t used = 0;
  const Bitmap a = ReadBmp(stream, used);
  EXPECT_EQ(used, firstSize);
  EXPECT_TRUE(testsupport::SameBitmap(a, first));
  std::size_t used2 = 0;
  const Bitmap b = ReadBmp(std::span(stream).subspan(used), used2);
  EXPECT_EQ(used2, more.size());
  EXPECT_TRUE(testsupport::SameBitmap(b, second));
}

TEST(Bmp, BrokenHeadersGiveCleanErrors) {
  Bitmap pic(4, 4);
  const std::vector<std::uint8_t> good = WriteBmp(pic);
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
  };
  std::vector<Case> cases;
  cases.push_back({"empty", {}});
  cases.push_back({"file header cut", {good.begin(), good.begin() + 10}});
  cases.push_back({"info header cut", {good.begin(), good.begin() + 30}});
  cases.push_back({"rows cut", {good.begin(), good.end() - 1}});
  auto patched = [&](std::size_t at, std::uint32_t value) {
    auto v = good;
    put32(v, at, value);
    return v;
  };
  cases.push_back({"zero file size", patched(2, 0)});
  cases.push_back({"file size of gigabytes", patched(2, 0xF0000000u)});
  cases.push_back({"size smaller than the rows", patched(2, 60)});
  cases.push_back({"width of gigapixels", patched(18, 0x7FFFFFFF)});
  cases.push_back({"zero height", patched(22, 0)});
  cases.push_back({"pixel offset past the end", patched(10, 0x10000)});
  cases.push_back({"pixel offset inside the header", patched(10, 20)});
  cases.push_back({"header size past the end", patched(14, 5000)});
  cases.push_back({"colour table too large", [&] {
                     auto v = WriteBmp(pic, {8, {kBlack, kWhite}, 2});
                     put32(v, 46, 100000);
                     return v;
                   }()});
  {
    auto v = good;
    v[28] = 7;  // depth
    cases.push_back({"depth of 7 bits", v});
  }
  {
    auto v = good;
    v[30] = 1;  // run-length compression
    cases.push_back({"compressed", v});
  }
  {
    auto v = good;
    v[0] = 'X';
    cases.push_back({"no signature", v});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::size_t used = 123;
    EXPECT_THROW(ReadBmp(c.bytes, used), BmpError);
    EXPECT_EQ(used, 0u);
  }
  // The message says what is wrong.
  try {
    ReadBmp(std::vector<std::uint8_t>(good.begin(), good.end() - 1));
    FAIL();
  } catch (const BmpError& e) {
    EXPECT_NE(std::string(e.what()).find("truncated"), std::string::npos) << e.what();
  }
}

// Inputs the fuzzer found, kept as files.
TEST(Bmp, FuzzerFindingsAreReadSafely) {
  struct Case {
    const char* file;
    bool readable;
  } cases[] = {
      // A 42-byte header with bit-field compression: its masks would lie
      // behind the header, past the end of the 62-byte image.
      {"bitfields-short-header.bmp", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path =
        std::string(KAVRO_SOURCE_DIR) + "/tests/ui/graphics/fixtures/" + c.file;
    if (c.readable) {
      EXPECT_NO_THROW(ReadBmpFile(path));
    } else {
      EXPECT_THROW(ReadBmpFile(path), BmpError);
    }
  }
}

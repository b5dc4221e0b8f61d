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
    for (int x = 0; x < w; ++x) b.setPixel(x, y, colors[static_cast<std::size_t>(x * 7 + y * 3) % colors.size()]);
  return b;
}

void put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(x >> (8 * i));
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
    std::copy(bytes.begin(), bytes.end(), v.begin() + static_cast<std::ptrdiff_t>(offset + fileRow * stride));
  }
  return v;
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
  const auto four = handMade(4, 3, 2, false, {0x00FF0000, 0x000000FF, 0x00090909},
                             {{0x01, 0x20}, {0x21, 0x00}});
  const Bitmap b4 = ReadBmp(four);
  EXPECT_EQ(b4.pixel(0, 0), red);
  EXPECT_EQ(b4.pixel(1, 0), blue);
  EXPECT_EQ(b4.pixel(2, 0), grey);
  EXPECT_EQ(b4.pixel(0, 1), grey);
  EXPECT_EQ(b4.pixel(2, 1), red);
  // 32 bits top-down, BGRA bytes.
  const auto thirtyTwo = handMade(32, 2, 2, true, {}, {{3, 2, 1, 0, 30, 20, 10, 0}, {0, 0, 255, 0, 255, 0, 0, 0}});
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
    const std::string path = std::string(KAVRO_SOURCE_DIR) + "/tests/ui/graphics/fixtures/" + c.file;
    if (c.readable) {
      EXPECT_NO_THROW(ReadBmpFile(path));
    } else {
      EXPECT_THROW(ReadBmpFile(path), BmpError);
    }
  }
}

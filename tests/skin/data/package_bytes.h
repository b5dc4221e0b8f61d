// Byte-level builders for the tests: little-endian integers, hand-made BMP
// file images, package streams and packed skin files, assembled field by
// field so that the readers are checked against the layout itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/zlib_streams.h"

namespace testpkg {

using Bytes = std::vector<std::uint8_t>;

inline void Int32(Bytes& b, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

inline void Int16(Bytes& b, int v) {
  b.push_back(static_cast<std::uint8_t>(v & 255));
  b.push_back(static_cast<std::uint8_t>((v >> 8) & 255));
}

inline void Append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }
inline void Append(Bytes& b, std::string_view text) { b.insert(b.end(), text.begin(), text.end()); }

// A bottom-up 24-bit BMP file image; pixel (x, y) has blue x, green y and
// red `red`, so every picture of a test can be told apart.
inline Bytes Bmp24(int w, int h, int red = 0) {
  const int rowBytes = (w * 3 + 3) / 4 * 4;
  const int size = 54 + rowBytes * h;
  Bytes b;
  b.push_back('B');
  b.push_back('M');
  Int32(b, size);
  Int16(b, 0);
  Int16(b, 0);
  Int32(b, 54);
  Int32(b, 40);
  Int32(b, w);
  Int32(b, h);
  Int16(b, 1);
  Int16(b, 24);
  Int32(b, 0);
  Int32(b, rowBytes * h);
  Int32(b, 2835);
  Int32(b, 2835);
  Int32(b, 0);
  Int32(b, 0);
  for (int row = h - 1; row >= 0; --row) {
    for (int x = 0; x < w; ++x) {
      b.push_back(static_cast<std::uint8_t>(x));
      b.push_back(static_cast<std::uint8_t>(row));
      b.push_back(static_cast<std::uint8_t>(red));
    }
    for (int p = w * 3; p < rowBytes; ++p) b.push_back(0);
  }
  return b;
}

// A package stream: version, three flagged pictures (empty: flag 1), the
// active pictures with their count, then the definition text.
struct Package {
  std::int32_t version = 3;
  Bytes picture, inactivePicture, mask;
  std::vector<Bytes> legacy;  // version 2 only: two flagged pictures
  std::vector<Bytes> active;
  std::int32_t countOverride = 0;
  bool overrideCount = false;
  std::string text;

  Bytes bytes() const {
    Bytes b;
    Int32(b, version);
    const auto flagged = [&](const Bytes& img) {
      b.push_back(img.empty() ? 1 : 0);
      Append(b, img);
    };
    flagged(picture);
    flagged(inactivePicture);
    flagged(mask);
    for (const Bytes& img : legacy) flagged(img);
    Int32(b, overrideCount ? countOverride : static_cast<std::int32_t>(active.size()));
    for (const Bytes& img : active) Append(b, img);
    Append(b, text);
    return b;
  }
};

inline Bytes Compress(const Bytes& raw) { return skin::ZlibCompress(raw); }

inline Bytes PackedFile(std::int32_t version, std::int32_t length, const Bytes& payload) {
  Bytes b;
  Int32(b, version);
  Int32(b, length);
  Append(b, payload);
  return b;
}

// A definition with the five required sections, with extra lines added to
// the sections' ends by the caller through `extra`.
inline std::string MinimalDefinition(std::string_view extra = "") {
  std::string t =
      "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n"
      "[SKINCONTROLS]\r\ncount=0\r\n";
  t += extra;
  return t;
}

}  // namespace testpkg

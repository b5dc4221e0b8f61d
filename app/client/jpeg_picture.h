// Decoding a JPEG picture (the about window's picture) into a bitmap with
// libjpeg. The bytes are read as outside bytes: a truncated or damaged file
// gives a JpegError naming what went wrong, never a half-read bitmap.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>

#include "ui/graphics/bitmap.h"

namespace app {

class JpegError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The picture at its own size, grey pictures as grey pixels. Throws
// JpegError for anything that is not a whole JPEG picture of a sensible
// size (at most 8192 pixels each way).
gfx::Bitmap DecodeJpeg(std::span<const std::uint8_t> bytes);

}  // namespace app

// Reading and writing the decompressed package stream: version (int32 LE),
// three flagged BMP images (flag 0: an image follows), for version 2 two
// more flagged images that are skipped, the active picture count (int32)
// and that many BMP images, then the definition text to the last byte.
// The reader checks every length against the bytes present and names the
// field and byte offset of any fault.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/stream.h"
#include "ui/graphics/bitmap.h"

namespace skin {

// A package stream that is truncated or inconsistent.
class ESkinPackageError : public EReadError {
 public:
  using EReadError::EReadError;
};

// The smallest BMP file image (file header and information header); a count
// of active pictures that cannot fit in the remaining bytes is refused.
constexpr std::size_t kMinBmpFileSize = 54;

class PackageStreamReader {
 public:
  explicit PackageStreamReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::int32_t readInt32(const char* field);
  std::uint8_t readByte(const char* field);
  // One BMP file image; what names the picture in errors. `raw` receives
  // the image's bytes when given.
  gfx::Bitmap readImage(const std::string& what, std::span<const std::uint8_t>* raw = nullptr);
  // Flag byte and, when it is 0, an image; an empty bitmap otherwise.
  gfx::Bitmap readFlaggedImage(const std::string& what, bool* present = nullptr,
                               std::span<const std::uint8_t>* raw = nullptr);
  // The active picture count; 0 or less gives 0, and a count whose images
  // could not fit in the rest of the stream is refused.
  int readPictureCount();
  // Everything from the position to the end.
  std::string_view rest() const;

  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return bytes_.size() - pos_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

// The whole layout of a package stream at once, for tools that show or
// extract it. Spans refer into the bytes given. A version above 3 is
// returned with nothing else read.
struct PackagePicture {
  bool present = false;
  std::size_t offset = 0;               // of the image in the stream
  std::span<const std::uint8_t> bytes;  // the BMP file image as stored
  gfx::Bitmap bitmap;
};
struct PackageContents {
  std::int32_t version = 0;
  PackagePicture picture, inactivePicture, mask;
  std::vector<PackagePicture> legacyPictures;  // version 2 only
  std::vector<PackagePicture> activePictures;
  std::size_t definitionOffset = 0;
  std::string_view definitionText;
};
// Throws ESkinPackageError for a truncated or inconsistent stream.
PackageContents ReadPackageContents(std::span<const std::uint8_t> bytes);

// Builds a package stream of version 3 from its parts; empty bitmaps are
// written as a flag byte 1. Every picture is written in the depth and colour
// table it was read with.
struct PackageParts {
  gfx::Bitmap picture, inactivePicture, mask;
  std::vector<gfx::Bitmap> activePictures;
  std::string definitionText;
};
std::vector<std::uint8_t> WritePackageStream(const PackageParts& parts);

}  // namespace skin

// Reading and writing the decompressed package stream.
#include "skin/data/package_stream.h"

#include <cstring>

#include "ui/graphics/bmp.h"

namespace skin {

namespace {

std::string at(std::size_t pos) { return " at byte " + std::to_string(pos); }

void putInt32(std::vector<std::uint8_t>& out, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

}  // namespace

std::int32_t PackageStreamReader::readInt32(const char* field) {
  if (remaining() < 4) {
    throw ESkinPackageError(std::string("skin package: ") + field + " is truncated" + at(pos_));
  }
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(bytes_[pos_ + i]) << (8 * i);
  pos_ += 4;
  return static_cast<std::int32_t>(u);
}

std::uint8_t PackageStreamReader::readByte(const char* field) {
  if (remaining() < 1) {
    throw ESkinPackageError(std::string("skin package: ") + field + " is missing" + at(pos_));
  }
  return bytes_[pos_++];
}

gfx::Bitmap PackageStreamReader::readImage(const std::string& what,
                                           std::span<const std::uint8_t>* raw) {
  const std::size_t start = pos_;
  std::size_t consumed = 0;
  gfx::Bitmap bmp;
  try {
    bmp = gfx::ReadBmp(bytes_.subspan(pos_), consumed);
  } catch (const gfx::BmpError& e) {
    throw ESkinPackageError("skin package: " + what + at(start) + ": " + e.what());
  }
  if (consumed == 0 || consumed > remaining()) {
    throw ESkinPackageError("skin package: " + what + " is truncated" + at(start));
  }
  pos_ += consumed;
  if (raw != nullptr) *raw = bytes_.subspan(start, consumed);
  return bmp;
}

gfx::Bitmap PackageStreamReader::readFlaggedImage(const std::string& what, bool* present,
                                                  std::span<const std::uint8_t>* raw) {
  const std::uint8_t flag = readByte((what + " flag").c_str());
  if (present != nullptr) *present = flag == 0;
  if (raw != nullptr) *raw = {};
  if (flag != 0) return {};
  return readImage(what, raw);
}

int PackageStreamReader::readPictureCount() {
  const std::size_t start = pos_;
  const std::int32_t n = readInt32("active picture count");
  if (n <= 0) return 0;
  if (static_cast<std::uint64_t>(n) * kMinBmpFileSize > remaining()) {
    throw ESkinPackageError("skin package: active picture count " + std::to_string(n) + at(start) +
                            " exceeds the " + std::to_string(remaining()) + " bytes that follow");
  }
  return n;
}

std::string_view PackageStreamReader::rest() const {
  return {reinterpret_cast<const char*>(bytes_.data() + pos_), remaining()};
}

PackageContents ReadPackageContents(std::span<const std::uint8_t> bytes) {
  PackageStreamReader in(bytes);
  PackageContents c;
  c.version = in.readInt32("version");
  if (c.version > 3) return c;
  const auto flagged = [&](const std::string& what) {
    PackagePicture p;
    p.offset = in.position() + 1;
    p.bitmap = in.readFlaggedImage(what, &p.present, &p.bytes);
    return p;
  };
  c.picture = flagged("picture");
  c.inactivePicture = flagged("inactive picture");
  c.mask = flagged("mask");
  if (c.version == 2) {
    c.legacyPictures.push_back(flagged("legacy picture 1"));
    c.legacyPictures.push_back(flagged("legacy picture 2"));
  }
  const int count = in.readPictureCount();
  for (int i = 0; i < count; ++i) {
    PackagePicture p;
    p.present = true;
    p.offset = in.position();
    p.bitmap = in.readImage("active picture " + std::to_string(i), &p.bytes);
    c.activePictures.push_back(std::move(p));
  }
  c.definitionOffset = in.position();
  c.definitionText = in.rest();
  return c;
}

std::vector<std::uint8_t> WritePackageStream(const PackageParts& parts) {
  std::vector<std::uint8_t> out;
  putInt32(out, 3);
  for (const gfx::Bitmap* bmp : {&parts.picture, &parts.inactivePicture, &parts.mask}) {
    if (bmp->empty()) {
      out.push_back(1);
      continue;
    }
    out.push_back(0);
    const std::vector<std::uint8_t> image = gfx::WriteBmp(*bmp, gfx::StoredFormat(*bmp));
    out.insert(out.end(), image.begin(), image.end());
  }
  putInt32(out, static_cast<std::int32_t>(parts.activePictures.size()));
  for (const gfx::Bitmap& bmp : parts.activePictures) {
    const std::vector<std::uint8_t> image = gfx::WriteBmp(bmp, gfx::StoredFormat(bmp));
    out.insert(out.end(), image.begin(), image.end());
  }
  out.insert(out.end(), parts.definitionText.begin(), parts.definitionText.end());
  return out;
}

}  // namespace skin

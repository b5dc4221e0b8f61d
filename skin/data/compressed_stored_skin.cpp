// Building, reading and unpacking compressed skin packages.
#include "skin/data/compressed_stored_skin.h"

#include "skin/data/package_stream.h"
#include "skin/data/skin_definition.h"
#include "skin/data/skin_values.h"
#include "skin/data/zlib_streams.h"
#include "ui/graphics/bmp.h"

namespace skin {

namespace {

std::string fileNamePart(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folderPart(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::int32_t int32At(std::span<const std::uint8_t> b, std::size_t pos) {
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(b[pos + i]) << (8 * i);
  return static_cast<std::int32_t>(u);
}

}  // namespace

void TbsCompressedStoredSkin::setFileName(const std::string& value) {
  if (designing() && !loading()) {
    fileName_ = fileNamePart(value);
    PackFolder(value);
  } else {
    fileName_ = value;
  }
}

void TbsCompressedStoredSkin::setCompressedFileName(const std::string& value) {
  if (designing() && !loading()) {
    compressedFileName_ = fileNamePart(value);
    ReadPackedFile(value);
  } else {
    compressedFileName_ = value;
  }
}

void TbsCompressedStoredSkin::PackFolder(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  const std::vector<std::string> lines =
      SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  const SkinDefinition def = SkinDefinition::Parse(lines);
  if (!IsSkinDefinition(def)) return;

  const std::string dir = folderPart(path);
  compressed_.clear();
  PackageParts parts;
  const auto load = [&](const std::string& name) -> gfx::Bitmap {
    if (name.empty()) return {};
    return gfx::ReadBmpFile(dir + name);
  };
  parts.picture = load(ReadString(def, "PICTURES", "picture", ""));
  parts.inactivePicture = load(ReadString(def, "PICTURES", "inactivepicture", ""));
  parts.mask = load(ReadString(def, "PICTURES", "mask", ""));
  for (const std::string& name : ReadStringList(def, "PICTURES", "activepictures")) {
    // Every listed active picture must exist: the definition refers to them
    // by position, so none may be left out.
    parts.activePictures.push_back(gfx::ReadBmpFile(dir + name));
  }
  for (const std::string& line : lines) {
    parts.definitionText += line;
    parts.definitionText += "\r\n";
  }
  compressed_ = ZlibCompress(WritePackageStream(parts), CompressionLevel::Max);
}

void TbsCompressedStoredSkin::ReadPackedFile(const std::string& path) {
  compressed_.clear();
  ReadPackedBytes(ReadFileBytes(path));
}

void TbsCompressedStoredSkin::ReadPackedBytes(std::span<const std::uint8_t> file) {
  compressed_.clear();
  if (file.size() < 4) throw EReadError("packed skin file: the version field is truncated");
  const std::int32_t version = int32At(file, 0);
  if (version > kPackageVersion) return;  // a newer format: the component stays empty
  if (file.size() < 8) throw EReadError("packed skin file: the length field is truncated");
  const std::int32_t length = int32At(file, 4);
  if (length == 0) return;  // an empty package
  if (length < 0) {
    throw EReadError("packed skin file: negative length " + std::to_string(length));
  }
  if (static_cast<std::uint64_t>(length) > file.size() - 8) {
    throw EReadError("packed skin file: length " + std::to_string(length) + " runs past the " +
                     std::to_string(file.size() - 8) + " bytes that follow the header");
  }
  compressed_.assign(file.begin() + 8, file.begin() + 8 + length);
}

void TbsCompressedStoredSkin::Unpack(Stream& dest) const {
  if (compressed_.empty()) return;
  SpanStream source(compressed_);
  TDecompressionStream z(source);
  std::uint8_t buffer[kZlibBufferSize];
  for (;;) {
    const std::int64_t n = z.read(buffer, sizeof buffer);
    if (n == 0) break;
    dest.writeBuffer(buffer, n);
  }
}

void TbsCompressedStoredSkin::setCompressedData(std::span<const std::uint8_t> bytes) {
  compressed_.assign(bytes.begin(), bytes.end());
}

void TbsCompressedStoredSkin::WriteCompressedData(Stream& out) const {
  out.writeBuffer(compressed_.data(), static_cast<std::int64_t>(compressed_.size()));
}

void TbsCompressedStoredSkin::ReadCompressedData(Stream& in) {
  compressed_.clear();
  std::uint8_t buffer[kZlibBufferSize];
  for (;;) {
    const std::int64_t n = in.read(buffer, sizeof buffer);
    if (n <= 0) break;
    compressed_.insert(compressed_.end(), buffer, buffer + n);
  }
}

std::vector<std::uint8_t> PackedSkinFileBytes(const TbsCompressedStoredSkin& skin) {
  const std::span<const std::uint8_t> data = skin.compressedData();
  if (data.size() > 0x7FFFFFFFu) throw EStreamError("packed skin file: package too large");
  std::vector<std::uint8_t> out;
  out.reserve(8 + data.size());
  for (const std::uint32_t v :
       {static_cast<std::uint32_t>(kPackageVersion), static_cast<std::uint32_t>(data.size())}) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

void WritePackedFile(const TbsCompressedStoredSkin& skin, const std::string& path) {
  WriteFileBytes(path, PackedSkinFileBytes(skin));
}

}  // namespace skin

// TbsCompressedStoredSkin: one skin package held as zlib-compressed bytes.
// It builds a package from a skin folder (PackFolder), takes one from a
// packed skin file (ReadPackedFile) and hands the decompressed package stream
// to whoever loads it (Unpack).
//
// Packed skin file: version (int32, 3 when written, accepted up to 3),
// length L (int32), then L compressed bytes. Reading one never trusts L: a
// length that is zero leaves the component empty (an empty package), a
// length that is negative or runs past the end of the file leaves it empty
// and raises EReadError; a version above 3 leaves it empty without an error.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/data/data_component.h"
#include "skin/data/stream.h"

namespace skin {

constexpr std::int32_t kPackageVersion = 3;

class TbsCompressedStoredSkin : public DataComponent {
 public:
  // Name of the binary property that persists the compressed bytes.
  static constexpr const char* kCompressedDataProperty = "CompressedData";

  TbsCompressedStoredSkin() = default;

  // Informational names. In the design state (and not while loading) the
  // setters keep only the file-name part and build or read the package from
  // the full path; otherwise they store the value unchanged.
  const std::string& FileName() const { return fileName_; }
  void setFileName(const std::string& value);
  const std::string& CompressedFileName() const { return compressedFileName_; }
  void setCompressedFileName(const std::string& value);
  const std::string& Description() const { return description_; }
  void setDescription(const std::string& value) { description_ = value; }

  // Builds a package from skin.ini at path and the BMP files beside it and
  // keeps it compressed at level 9. A file that is not a skin definition
  // leaves the component as it was; a missing or unreadable picture throws
  // (gfx::BmpError) with the component already emptied.
  void PackFolder(const std::string& path);
  // Replaces the compressed bytes with those of a packed skin file.
  void ReadPackedFile(const std::string& path);
  // The same for the bytes of such a file already in memory.
  void ReadPackedBytes(std::span<const std::uint8_t> file);
  // Inflates the compressed bytes into dest from its current position on.
  // Corrupt or truncated compressed bytes throw EDecompressionError; what was
  // written before stays written.
  void Unpack(Stream& dest) const;
  bool IsEmpty() const { return compressed_.empty(); }

  // The compressed bytes (the persisted "CompressedData" property).
  std::span<const std::uint8_t> compressedData() const { return compressed_; }
  void setCompressedData(std::span<const std::uint8_t> bytes);
  // The property as a window's stored state reads and writes it: writing
  // emits the whole buffer (also when empty); reading replaces the buffer
  // with the rest of the stream.
  void WriteCompressedData(Stream& out) const;
  void ReadCompressedData(Stream& in);

 private:
  std::string fileName_;
  std::string compressedFileName_;
  std::string description_;
  std::vector<std::uint8_t> compressed_;
};

// The bytes of a packed skin file carrying the component's compressed bytes,
// and a writer of that file (EFileError when it cannot be written).
std::vector<std::uint8_t> PackedSkinFileBytes(const TbsCompressedStoredSkin& skin);
void WritePackedFile(const TbsCompressedStoredSkin& skin, const std::string& path);

}  // namespace skin

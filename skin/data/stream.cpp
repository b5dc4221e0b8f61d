// Byte streams: exact reads and writes, the memory stream, whole-file helpers.
#include "skin/data/stream.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace skin {

void Stream::readBuffer(void* buffer, std::int64_t count) {
  if (count <= 0) return;
  if (read(buffer, count) != count) throw EReadError("Stream read error");
}

void Stream::writeBuffer(const void* buffer, std::int64_t count) {
  if (count <= 0) return;
  if (write(buffer, count) != count) throw EStreamError("Stream write error");
}

namespace {

// Reads from bytes at pos, advancing it; 0 at or past the end.
std::int64_t readAt(std::span<const std::uint8_t> bytes, std::size_t& pos, void* buffer,
                    std::int64_t count) {
  if (count <= 0 || pos >= bytes.size()) return 0;
  const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), bytes.size() - pos);
  std::memcpy(buffer, bytes.data() + pos, n);
  pos += n;
  return static_cast<std::int64_t>(n);
}

// The position a seek asks for. Seeking past the end is allowed; a memory
// stream's next write fills the gap with zeros.
std::size_t seekTarget(std::size_t pos, std::size_t size, std::int64_t offset, SeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == SeekOrigin::Current) base = static_cast<std::int64_t>(pos);
  if (origin == SeekOrigin::End) base = static_cast<std::int64_t>(size);
  const std::int64_t target = base + offset;
  if (target < 0) throw EStreamError("Stream seek before its start");
  return static_cast<std::size_t>(target);
}

}  // namespace

std::int64_t MemoryStream::read(void* buffer, std::int64_t count) {
  return readAt(bytes_, pos_, buffer, count);
}

std::int64_t MemoryStream::write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  const std::size_t n = static_cast<std::size_t>(count);
  if (pos_ + n > bytes_.size()) {
    if (pos_ + n > bytes_.capacity()) bytes_.reserve(std::max(pos_ + n, bytes_.capacity() * 2));
    bytes_.resize(pos_ + n);
  }
  std::memcpy(bytes_.data() + pos_, buffer, n);
  pos_ += n;
  return count;
}

std::int64_t MemoryStream::seek(std::int64_t offset, SeekOrigin origin) {
  pos_ = seekTarget(pos_, bytes_.size(), offset, origin);
  return static_cast<std::int64_t>(pos_);
}

void MemoryStream::clear() {
  bytes_.clear();
  pos_ = 0;
}

std::vector<std::uint8_t> MemoryStream::takeBytes() {
  pos_ = 0;
  return std::move(bytes_);
}

std::int64_t SpanStream::read(void* buffer, std::int64_t count) {
  return readAt(bytes_, pos_, buffer, count);
}

std::int64_t SpanStream::write(const void*, std::int64_t) {
  throw EStreamError("Stream is read-only");
}

std::int64_t SpanStream::seek(std::int64_t offset, SeekOrigin origin) {
  pos_ = seekTarget(pos_, bytes_.size(), offset, origin);
  return static_cast<std::int64_t>(pos_);
}

namespace {
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;
}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  File f(std::fopen(path.c_str(), "rb"));
  if (!f) throw EFileError("Cannot open file \"" + path + "\"");
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[65536];
  for (;;) {
    const std::size_t n = std::fread(chunk, 1, sizeof chunk, f.get());
    bytes.insert(bytes.end(), chunk, chunk + n);
    if (n < sizeof chunk) break;
  }
  if (std::ferror(f.get())) throw EFileError("Cannot read file \"" + path + "\"");
  return bytes;
}

void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  File f(std::fopen(path.c_str(), "wb"));
  if (!f) throw EFileError("Cannot create file \"" + path + "\"");
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) {
    throw EFileError("Cannot write file \"" + path + "\"");
  }
  if (std::fclose(f.release()) != 0) throw EFileError("Cannot write file \"" + path + "\"");
}

}  // namespace skin

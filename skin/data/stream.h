// Byte streams of the skin engine: a positioned read/write interface, an
// in-memory stream that owns its bytes, and the errors a short read raises.
// The zlib streams and the package reader are built on these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace skin {

class EStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A read that found fewer bytes than it needed.
class EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

// A file that could not be opened, read or written.
class EFileError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

enum class SeekOrigin { Beginning, Current, End };

class Stream {
 public:
  virtual ~Stream() = default;

  // Reads up to count bytes into buffer; returns the number read (0 at the end).
  virtual std::int64_t read(void* buffer, std::int64_t count) = 0;
  // Writes count bytes; returns the number written.
  virtual std::int64_t write(const void* buffer, std::int64_t count) = 0;
  // Moves the position and returns the new position.
  virtual std::int64_t seek(std::int64_t offset, SeekOrigin origin) = 0;

  std::int64_t position() { return seek(0, SeekOrigin::Current); }
  void setPosition(std::int64_t pos) { seek(pos, SeekOrigin::Beginning); }

  // Reads exactly count bytes or throws EReadError.
  void readBuffer(void* buffer, std::int64_t count);
  // Writes exactly count bytes or throws EStreamError.
  void writeBuffer(const void* buffer, std::int64_t count);
};

// A stream over a growable byte buffer it owns.
class MemoryStream : public Stream {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  std::int64_t read(void* buffer, std::int64_t count) override;
  std::int64_t write(const void* buffer, std::int64_t count) override;
  std::int64_t seek(std::int64_t offset, SeekOrigin origin) override;

  std::int64_t size() const { return static_cast<std::int64_t>(bytes_.size()); }
  // Empties the buffer and puts the position at 0.
  void clear();
  void reserve(std::size_t bytes) { bytes_.reserve(bytes); }

  std::span<const std::uint8_t> bytes() const { return bytes_; }
  std::vector<std::uint8_t> takeBytes();

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

// A read-only stream over bytes it does not own.
class SpanStream : public Stream {
 public:
  explicit SpanStream(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::int64_t read(void* buffer, std::int64_t count) override;
  std::int64_t write(const void* buffer, std::int64_t count) override;  // throws
  std::int64_t seek(std::int64_t offset, SeekOrigin origin) override;

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

// Whole-file helpers; both throw EFileError naming the path.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace skin

// Compression and decompression streams over zlib. Each sits on another
// stream, moves data through a fixed 4096-byte buffer of its own and reports
// progress after every buffer exchange.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>

#include <zlib.h>

#include "skin/data/stream.h"

namespace skin {

class EZlibError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ECompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};

class EDecompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};

enum class CompressionLevel { None = 0, Fastest = 1, Default = Z_DEFAULT_COMPRESSION, Max = 9 };

constexpr std::size_t kZlibBufferSize = 4096;

// The shared part: the underlying stream, its position when this stream was
// made (restored before every access, so that others may move it in between),
// the zlib state and the buffer.
class TCustomZlibStream : public Stream {
 public:
  TCustomZlibStream(const TCustomZlibStream&) = delete;
  TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;

  std::function<void()> OnProgress;

 protected:
  explicit TCustomZlibStream(Stream& strm);
  void progress() {
    if (OnProgress) OnProgress();
  }

  Stream& strm_;
  std::int64_t strmStart_;  // where the zlib data begins in strm_
  std::int64_t strmPos_;
  z_stream zrec_{};
  std::array<std::uint8_t, kZlibBufferSize> buffer_{};
};

// Write-only: deflates what is written and passes every full buffer on to the
// destination. finish() ends the zlib stream; the destructor finishes a
// stream that was not finished explicitly.
class TCompressionStream : public TCustomZlibStream {
 public:
  TCompressionStream(CompressionLevel level, Stream& dest);
  ~TCompressionStream() override;

  std::int64_t read(void* buffer, std::int64_t count) override;  // always throws
  std::int64_t write(const void* buffer, std::int64_t count) override;
  // Only seek(0, Current) is allowed: it returns the bytes consumed so far.
  std::int64_t seek(std::int64_t offset, SeekOrigin origin) override;

  // Flushes deflate and writes the rest to the destination. Idempotent.
  void finish();
  // Ratio of output to input in percent (0 before any input).
  double compressionRate() const;

 private:
  void flushBuffer(std::size_t bytes);
  bool finished_ = false;
};

// Read-only: inflates from the source, refilling its input buffer as needed.
// A read returns fewer bytes than asked only at the end of the zlib stream;
// a source that ends before the zlib stream does is a decompression error.
class TDecompressionStream : public TCustomZlibStream {
 public:
  explicit TDecompressionStream(Stream& source);
  ~TDecompressionStream() override;

  std::int64_t read(void* buffer, std::int64_t count) override;
  std::int64_t write(const void* buffer, std::int64_t count) override;  // always throws
  // seek(0, Beginning) restarts inflation from where the zlib data began in
  // the source (the source's position when this stream was made); a forward
  // seek from the current position, or from the beginning past the bytes
  // produced so far, reads and discards the bytes in between. Anything else
  // throws.
  std::int64_t seek(std::int64_t offset, SeekOrigin origin) override;

 private:
  bool ended_ = false;  // the zlib stream end was reached
};

// Convenience: the zlib stream of bytes at the given level, and its inverse.
std::vector<std::uint8_t> ZlibCompress(std::span<const std::uint8_t> bytes,
                                       CompressionLevel level = CompressionLevel::Max);

}  // namespace skin

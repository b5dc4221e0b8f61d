// zlib compression and decompression streams with fixed 4096-byte buffers.
#include "skin/data/zlib_streams.h"

#include <algorithm>

namespace skin {

namespace {
constexpr const char* kInvalidOperation = "Invalid stream operation";

// Converts a zlib result of the compression side; every failure is "error".
int checkCompress(int code) {
  if (code < 0) throw ECompressionError("error");
  return code;
}
}  // namespace

TCustomZlibStream::TCustomZlibStream(Stream& strm)
    : strm_(strm), strmStart_(strm.position()), strmPos_(strmStart_) {}

// --- compression ---------------------------------------------------------

TCompressionStream::TCompressionStream(CompressionLevel level, Stream& dest)
    : TCustomZlibStream(dest) {
  zrec_.next_out = buffer_.data();
  zrec_.avail_out = static_cast<uInt>(buffer_.size());
  checkCompress(deflateInit(&zrec_, static_cast<int>(level)));
}

TCompressionStream::~TCompressionStream() {
  if (!finished_) {
    // A destructor cannot report: callers that need to know whether the
    // stream reached its destination call finish() first. Here a failure
    // of the destination is ignored and the zlib state is released anyway.
    try {
      finish();
    } catch (const std::exception&) {
    }
  }
  deflateEnd(&zrec_);
}

void TCompressionStream::flushBuffer(std::size_t bytes) {
  if (strm_.position() != strmPos_) strm_.setPosition(strmPos_);
  strm_.writeBuffer(buffer_.data(), static_cast<std::int64_t>(bytes));
  strmPos_ = strm_.position();
  zrec_.next_out = buffer_.data();
  zrec_.avail_out = static_cast<uInt>(buffer_.size());
  progress();
}

std::int64_t TCompressionStream::write(const void* buffer, std::int64_t count) {
  if (finished_) throw ECompressionError(kInvalidOperation);
  const auto* in = static_cast<const std::uint8_t*>(buffer);
  std::int64_t left = count;
  while (left > 0) {
    // zlib counts in 32-bit units; feed large writes in slices.
    const uInt slice = static_cast<uInt>(std::min<std::int64_t>(left, 1 << 30));
    zrec_.next_in = const_cast<Bytef*>(in);
    zrec_.avail_in = slice;
    while (zrec_.avail_in > 0) {
      checkCompress(deflate(&zrec_, Z_NO_FLUSH));
      if (zrec_.avail_out == 0) flushBuffer(buffer_.size());
    }
    in += slice;
    left -= slice;
  }
  return count;
}

void TCompressionStream::finish() {
  if (finished_) return;
  zrec_.next_in = nullptr;
  zrec_.avail_in = 0;
  for (;;) {
    const int code = checkCompress(deflate(&zrec_, Z_FINISH));
    const std::size_t produced = buffer_.size() - zrec_.avail_out;
    if (code == Z_STREAM_END) {
      flushBuffer(produced);
      break;
    }
    if (zrec_.avail_out == 0) flushBuffer(produced);
  }
  finished_ = true;
}

std::int64_t TCompressionStream::read(void*, std::int64_t) {
  throw ECompressionError(kInvalidOperation);
}

std::int64_t TCompressionStream::seek(std::int64_t offset, SeekOrigin origin) {
  if (offset == 0 && origin == SeekOrigin::Current) {
    return static_cast<std::int64_t>(zrec_.total_in);
  }
  throw ECompressionError(kInvalidOperation);
}

double TCompressionStream::compressionRate() const {
  if (zrec_.total_in == 0) return 0;
  return (1.0 - static_cast<double>(zrec_.total_out) / static_cast<double>(zrec_.total_in)) * 100.0;
}

// --- decompression -------------------------------------------------------

TDecompressionStream::TDecompressionStream(Stream& source) : TCustomZlibStream(source) {
  zrec_.next_in = buffer_.data();
  zrec_.avail_in = 0;
  if (inflateInit(&zrec_) != Z_OK) throw EDecompressionError("compression error");
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&zrec_); }

std::int64_t TDecompressionStream::read(void* buffer, std::int64_t count) {
  if (count <= 0 || ended_) return 0;
  auto* out = static_cast<std::uint8_t*>(buffer);
  std::int64_t done = 0;
  if (strm_.position() != strmPos_) strm_.setPosition(strmPos_);
  while (done < count && !ended_) {
    if (zrec_.avail_in == 0) {
      const std::int64_t got =
          strm_.read(buffer_.data(), static_cast<std::int64_t>(buffer_.size()));
      // The source ended inside the zlib stream: the data is truncated.
      if (got <= 0) throw EDecompressionError("compression error");
      zrec_.next_in = buffer_.data();
      zrec_.avail_in = static_cast<uInt>(got);
      strmPos_ = strm_.position();
      progress();
    }
    const uInt want = static_cast<uInt>(std::min<std::int64_t>(count - done, 1 << 30));
    zrec_.next_out = out + done;
    zrec_.avail_out = want;
    const int code = inflate(&zrec_, Z_NO_FLUSH);
    done += want - zrec_.avail_out;
    if (code == Z_STREAM_END) {
      ended_ = true;
    } else if (code != Z_OK) {
      // Corrupt data, a preset dictionary we cannot supply, or no progress
      // possible: all are a damaged stream.
      throw EDecompressionError("compression error");
    }
  }
  return done;
}

std::int64_t TDecompressionStream::write(const void*, std::int64_t) {
  throw EDecompressionError(kInvalidOperation);
}

std::int64_t TDecompressionStream::seek(std::int64_t offset, SeekOrigin origin) {
  const auto produced = static_cast<std::int64_t>(zrec_.total_out);
  if (offset == 0 && origin == SeekOrigin::Beginning) {
    if (inflateReset(&zrec_) != Z_OK) throw EDecompressionError("compression error");
    zrec_.next_in = buffer_.data();
    zrec_.avail_in = 0;
    ended_ = false;
    strm_.setPosition(strmStart_);
    strmPos_ = strmStart_;
    return 0;
  }
  std::int64_t skip = -1;
  if (origin == SeekOrigin::Current && offset >= 0) skip = offset;
  if (origin == SeekOrigin::Beginning && offset > produced) skip = offset - produced;
  if (skip < 0) throw EDecompressionError(kInvalidOperation);
  std::uint8_t scratch[kZlibBufferSize];
  while (skip > 0) {
    const std::int64_t n = std::min<std::int64_t>(skip, sizeof scratch);
    if (read(scratch, n) != n) throw EReadError("Stream read error");
    skip -= n;
  }
  return static_cast<std::int64_t>(zrec_.total_out);
}

std::vector<std::uint8_t> ZlibCompress(std::span<const std::uint8_t> bytes,
                                       CompressionLevel level) {
  MemoryStream out;
  {
    TCompressionStream z(level, out);
    z.writeBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    z.finish();
  }
  return out.takeBytes();
}

}  // namespace skin

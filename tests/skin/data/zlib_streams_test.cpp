// The zlib streams: round trips through the 4096-byte buffers, the seek
// rules, the refused operations and the errors of damaged data.
#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "package_bytes.h"
#include "skin/data/stream.h"
#include "skin/data/zlib_streams.h"

namespace {

using skin::ECompressionError;
using skin::EDecompressionError;
using skin::EZlibError;
using skin::MemoryStream;
using skin::SeekOrigin;
using skin::TCompressionStream;
using skin::TDecompressionStream;
using testpkg::Bytes;

// Bytes that compress poorly, so the output spans several buffers.
Bytes noise(std::size_t n) {
  std::mt19937 rng(7);
  Bytes b(n);
  for (auto& v : b) v = static_cast<std::uint8_t>(rng());
  return b;
}

Bytes inflateAll(const Bytes& compressed) {
  MemoryStream src(compressed);
  TDecompressionStream z(src);
  Bytes out;
  std::uint8_t buf[1000];
  for (std::int64_t n; (n = z.read(buf, sizeof buf)) > 0;) out.insert(out.end(), buf, buf + n);
  return out;
}

TEST(ZlibStreams, RoundTripAtEveryLevelAndMaxWritesTheBestCompressionHeader) {
  const Bytes data = noise(20000);
  for (auto level : {skin::CompressionLevel::None, skin::CompressionLevel::Fastest,
                     skin::CompressionLevel::Default, skin::CompressionLevel::Max}) {
    const Bytes packed = skin::ZlibCompress(data, level);
    EXPECT_EQ(inflateAll(packed), data);
  }
  const Bytes best = skin::ZlibCompress(data, skin::CompressionLevel::Max);
  ASSERT_GE(best.size(), 2u);
  EXPECT_EQ(best[0], 0x78);
  EXPECT_EQ(best[1], 0xDA);
}

TEST(ZlibStreams, CompressionPassesFullBuffersOnAndReportsEachExchange) {
  const Bytes data = noise(30 * 4096 + 100);
  MemoryStream dest;
  int exchanges = 0;
  std::vector<std::int64_t> sizes;
  {
    TCompressionStream z(skin::CompressionLevel::None, dest);
    z.OnProgress = [&] {
      ++exchanges;
      sizes.push_back(dest.size());
    };
    z.writeBuffer(data.data(), static_cast<std::int64_t>(data.size()));
    // Before finishing, only whole 4096-byte buffers have reached the destination.
    EXPECT_EQ(dest.size() % 4096, 0);
    EXPECT_GE(dest.size(), 2 * 4096);
    EXPECT_EQ(z.seek(0, SeekOrigin::Current), static_cast<std::int64_t>(data.size()));
    z.finish();
  }
  EXPECT_EQ(exchanges, static_cast<int>(sizes.size()));
  EXPECT_GE(exchanges, 4);
  EXPECT_EQ(inflateAll(Bytes(dest.bytes().begin(), dest.bytes().end())), data);
}

TEST(ZlibStreams, TheDestructorFinishesAnUnfinishedStream) {
  const Bytes data = noise(5000);
  MemoryStream dest;
  {
    TCompressionStream z(skin::CompressionLevel::Max, dest);
    z.writeBuffer(data.data(), static_cast<std::int64_t>(data.size()));
  }
  EXPECT_EQ(inflateAll(Bytes(dest.bytes().begin(), dest.bytes().end())), data);
}

TEST(ZlibStreams, RefusedOperationsRaiseInvalidStreamOperation) {
  MemoryStream dest;
  TCompressionStream c(skin::CompressionLevel::Default, dest);
  std::uint8_t b[4] = {};
  const auto expectInvalid = [](auto&& op, auto tag) {
    try {
      op();
      ADD_FAILURE() << "no error";
    } catch (const decltype(tag)& e) {
      EXPECT_STREQ(e.what(), "Invalid stream operation");
    }
  };
  expectInvalid([&] { c.read(b, 4); }, ECompressionError(""));
  expectInvalid([&] { c.seek(1, SeekOrigin::Current); }, ECompressionError(""));
  expectInvalid([&] { c.seek(0, SeekOrigin::Beginning); }, ECompressionError(""));

  MemoryStream src(skin::ZlibCompress(noise(100)));
  TDecompressionStream d(src);
  expectInvalid([&] { d.write(b, 4); }, EDecompressionError(""));
  expectInvalid([&] { d.seek(0, SeekOrigin::End); }, EDecompressionError(""));
  expectInvalid([&] { d.seek(-1, SeekOrigin::Current); }, EDecompressionError(""));
  d.readBuffer(b, 4);
  // From the beginning, only offsets beyond what was produced are reachable.
  expectInvalid([&] { d.seek(4, SeekOrigin::Beginning); }, EDecompressionError(""));
  expectInvalid([&] { d.seek(2, SeekOrigin::Beginning); }, EDecompressionError(""));
}

TEST(ZlibStreams, DecompressionSeeksDiscardForwardAndRestartAtZero) {
  Bytes data(10000);
  std::iota(data.begin(), data.end(), 0);
  // The zlib data sits behind a prefix: a restart goes back to where it began.
  Bytes src = {9, 9, 9};
  testpkg::Append(src, skin::ZlibCompress(data));
  MemoryStream in(src);
  in.setPosition(3);
  TDecompressionStream z(in);
  std::uint8_t b = 0;

  EXPECT_EQ(z.seek(5000, SeekOrigin::Current), 5000);
  z.readBuffer(&b, 1);
  EXPECT_EQ(b, data[5000]);
  EXPECT_EQ(z.seek(6000, SeekOrigin::Beginning), 6000);
  z.readBuffer(&b, 1);
  EXPECT_EQ(b, data[6000]);
  EXPECT_EQ(z.seek(0, SeekOrigin::Current), 6001);
  EXPECT_EQ(z.seek(0, SeekOrigin::Beginning), 0);
  z.readBuffer(&b, 1);
  EXPECT_EQ(b, data[0]);
  // Past the end of the data the discarding read runs short.
  EXPECT_THROW(z.seek(20000, SeekOrigin::Current), skin::EReadError);
}

TEST(ZlibStreams, TheSourcePositionIsRestoredBeforeEveryRead) {
  const Bytes data = noise(30000);
  MemoryStream src(skin::ZlibCompress(data, skin::CompressionLevel::None));
  TDecompressionStream z(src);
  Bytes out(data.size());
  z.readBuffer(out.data(), 10000);
  src.setPosition(0);  // someone else moves the shared source
  z.readBuffer(out.data() + 10000, 20000);
  EXPECT_EQ(out, data);
}

TEST(ZlibStreams, DamagedDataRaisesCompressionError) {
  const Bytes good = skin::ZlibCompress(noise(20000));
  Bytes corrupt = good;
  for (std::size_t i = 10; i < 60; ++i) corrupt[i] ^= 0x5A;
  Bytes truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
  const Bytes notZlib = {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'};
  for (const Bytes* bad : std::vector<const Bytes*>{&corrupt, &truncated, &notZlib}) {
    try {
      inflateAll(*bad);
      ADD_FAILURE() << "no error for damaged input of " << bad->size() << " bytes";
    } catch (const EZlibError& e) {
      EXPECT_NE(dynamic_cast<const EDecompressionError*>(&e), nullptr);
      EXPECT_STREQ(e.what(), "compression error");
    }
  }
}

TEST(ZlibStreams, BytesBehindTheEndOfTheZlibStreamAreNotRead) {
  const Bytes data = noise(500);
  Bytes src = skin::ZlibCompress(data);
  testpkg::Append(src, Bytes(100, 0xEE));
  EXPECT_EQ(inflateAll(src), data);
}

}  // namespace

// TbsCompressedStoredSkin: building a package from a skin folder, packed
// skin files of every version and length, the persisted compressed bytes
// and the design-state setters.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "package_bytes.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/package_stream.h"
#include "ui/graphics/bmp.h"

namespace {

namespace fs = std::filesystem;
using skin::MemoryStream;
using skin::TbsCompressedStoredSkin;
using testpkg::Bytes;

Bytes unpacked(const TbsCompressedStoredSkin& s) {
  MemoryStream m;
  s.Unpack(m);
  return {m.bytes().begin(), m.bytes().end()};
}

class SkinFolder : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(KAVRO_BINARY_DIR) / "test-tmp" /
           (std::string("stored_skin_") +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void writeText(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }
  void writeBmp(const std::string& name, int w, int h, int red) {
    const Bytes b = testpkg::Bmp24(w, h, red);
    std::ofstream(dir_ / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

TEST_F(SkinFolder, PackFolderWritesTheLayoutWithFlagsCountAndTextLines) {
  writeBmp("frame.bmp", 5, 3, 10);
  writeBmp("a0.bmp", 2, 2, 20);
  writeBmp("a1.bmp", 3, 1, 30);
  // The last line has no line break: it is written with CR LF like the others.
  writeText("skin.ini",
            "[VERSION]\nskinname=T\n[PICTURES]\npicture=frame.bmp\ninactivepicture=\n"
            "activepicturescount=2\n0=a0.bmp\n1=a1.bmp\n[FORMINFO]\n[SKINOBJECTS]\n"
            "[SKINCONTROLS]");
  TbsCompressedStoredSkin s;
  s.PackFolder(path("skin.ini"));
  ASSERT_FALSE(s.IsEmpty());
  EXPECT_EQ(s.compressedData()[0], 0x78);
  EXPECT_EQ(s.compressedData()[1], 0xDA);

  const Bytes raw = unpacked(s);
  skin::PackageStreamReader in(raw);
  EXPECT_EQ(in.readInt32("version"), 3);
  bool present = false;
  const gfx::Bitmap frame = in.readFlaggedImage("picture", &present);
  EXPECT_TRUE(present);
  EXPECT_EQ(frame.width(), 5);
  EXPECT_EQ(frame.pixel(4, 2), gfx::Color::rgb(10, 2, 4));
  EXPECT_EQ(in.readByte("inactive flag"), 1);
  EXPECT_EQ(in.readByte("mask flag"), 1);
  ASSERT_EQ(in.readPictureCount(), 2);
  EXPECT_EQ(in.readImage("a0").pixel(1, 1), gfx::Color::rgb(20, 1, 1));
  EXPECT_EQ(in.readImage("a1").width(), 3);
  EXPECT_EQ(in.rest(),
            "[VERSION]\r\nskinname=T\r\n[PICTURES]\r\npicture=frame.bmp\r\ninactivepicture=\r\n"
            "activepicturescount=2\r\n0=a0.bmp\r\n1=a1.bmp\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n"
            "[SKINCONTROLS]\r\n");
}

TEST_F(SkinFolder, ANonSkinDefinitionKeepsThePreviousPackage) {
  TbsCompressedStoredSkin s;
  s.setCompressedData(Bytes{1, 2, 3});
  writeText("skin.ini", "[VERSION]\n[PICTURES]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
  s.PackFolder(path("skin.ini"));
  EXPECT_EQ(Bytes(s.compressedData().begin(), s.compressedData().end()), (Bytes{1, 2, 3}));
}

TEST_F(SkinFolder, AMissingPictureFailsAndLeavesTheComponentEmpty) {
  TbsCompressedStoredSkin s;
  s.setCompressedData(Bytes{1, 2, 3});
  writeText("skin.ini", testpkg::MinimalDefinition() + "[PICTURES]\nmask=nothere.bmp\n");
  EXPECT_THROW(s.PackFolder(path("skin.ini")), gfx::BmpError);
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_THROW(s.PackFolder(path("absent.ini")), skin::EFileError);
}

TEST_F(SkinFolder, DesignStateSettersKeepTheFileNameAndBuildOrRead) {
  writeText("skin.ini", testpkg::MinimalDefinition());
  TbsCompressedStoredSkin s;
  s.setFileName(path("skin.ini"));  // at run time: stored unchanged, nothing built
  EXPECT_EQ(s.FileName(), path("skin.ini"));
  EXPECT_TRUE(s.IsEmpty());

  s.setDesigning(true);
  s.setLoading(true);  // while stored properties are read: stored only
  s.setFileName(path("skin.ini"));
  EXPECT_TRUE(s.IsEmpty());
  s.setLoading(false);
  s.setFileName(path("skin.ini"));
  EXPECT_EQ(s.FileName(), "skin.ini");
  ASSERT_FALSE(s.IsEmpty());

  skin::WritePackedFile(s, path("out.skn"));
  TbsCompressedStoredSkin t;
  t.setDesigning(true);
  t.setCompressedFileName(path("out.skn"));
  EXPECT_EQ(t.CompressedFileName(), "out.skn");
  EXPECT_EQ(unpacked(t), unpacked(s));
}

struct PackedCase {
  const char* name;
  std::int32_t version;
  std::int32_t length;  // as written in the header
  bool loads;           // the component ends up holding the package
  bool throws;
};

class PackedFiles : public testing::TestWithParam<PackedCase> {};

TEST_P(PackedFiles, VersionAndLengthDecideWhatIsKept) {
  const Bytes payload = testpkg::Compress(testpkg::Package{}.bytes());
  const PackedCase& c = GetParam();
  const std::int32_t length = c.length == 1 ? static_cast<std::int32_t>(payload.size()) : c.length;
  TbsCompressedStoredSkin s;
  s.setCompressedData(Bytes{9});
  const Bytes file = testpkg::PackedFile(c.version, length, payload);
  if (c.throws) {
    EXPECT_THROW(s.ReadPackedBytes(file), skin::EReadError);
  } else {
    s.ReadPackedBytes(file);
  }
  EXPECT_EQ(s.IsEmpty(), !c.loads);
  if (c.loads) {
    EXPECT_EQ(Bytes(s.compressedData().begin(), s.compressedData().end()), payload);
  }
}

// Length 1 stands for "the exact payload length".
INSTANTIATE_TEST_SUITE_P(All, PackedFiles,
                         testing::Values(PackedCase{"Version0", 0, 1, true, false},
                                         PackedCase{"Version1", 1, 1, true, false},
                                         PackedCase{"Version2", 2, 1, true, false},
                                         PackedCase{"Version3", 3, 1, true, false},
                                         PackedCase{"Version4IsRefused", 4, 1, false, false},
                                         PackedCase{"ZeroLengthIsEmpty", 3, 0, false, false},
                                         PackedCase{"NegativeLength", 3, -5, false, true},
                                         PackedCase{"LengthPastTheEnd", 3, 100000, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PackedFileHeader, TruncatedHeadersAreErrorsAndMissingFilesToo) {
  TbsCompressedStoredSkin s;
  EXPECT_THROW(s.ReadPackedBytes(Bytes{3, 0}), skin::EReadError);
  EXPECT_THROW(s.ReadPackedBytes(Bytes{3, 0, 0, 0, 1}), skin::EReadError);
  EXPECT_THROW(s.ReadPackedFile("/nonexistent/skin.skn"), skin::EFileError);
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CompressedData, PersistedByteForByteAlsoWhenEmpty) {
  TbsCompressedStoredSkin empty;
  EXPECT_TRUE(empty.IsEmpty());
  MemoryStream out;
  empty.WriteCompressedData(out);
  EXPECT_EQ(out.size(), 0);

  TbsCompressedStoredSkin s;
  const Bytes payload = testpkg::Compress(testpkg::Package{}.bytes());
  s.setCompressedData(payload);
  MemoryStream stored;
  s.WriteCompressedData(stored);
  stored.setPosition(0);
  TbsCompressedStoredSkin back;
  back.setCompressedData(Bytes{7, 7});
  back.ReadCompressedData(stored);
  EXPECT_EQ(Bytes(back.compressedData().begin(), back.compressedData().end()), payload);
}

TEST(Unpack, WritesFromTheDestinationsPositionAndKeepsWhatCameBeforeAnError) {
  TbsCompressedStoredSkin s;
  Bytes raw(10000, 0x41);
  s.setCompressedData(testpkg::Compress(raw));
  MemoryStream dest(Bytes{1, 2, 3});
  dest.seek(0, skin::SeekOrigin::End);
  s.Unpack(dest);
  EXPECT_EQ(dest.size(), 10003);
  EXPECT_EQ(dest.bytes()[2], 3);
  EXPECT_EQ(dest.bytes()[3], 0x41);

  Bytes noise(20000);
  for (std::size_t i = 0; i < noise.size(); ++i)
    noise[i] = static_cast<std::uint8_t>(i * 7919 >> 3);
  Bytes damaged = testpkg::Compress(noise);
  damaged.erase(damaged.end() - 10, damaged.end());  // the Adler-32 trailer and some data are gone
  s.setCompressedData(damaged);
  MemoryStream partial;
  EXPECT_THROW(s.Unpack(partial), skin::EDecompressionError);
  EXPECT_GT(partial.size(), 0);
}

}  // namespace

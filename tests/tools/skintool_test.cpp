// skintool run as a program: a skin folder packed, described and unpacked
// again, and the clear failures on bad input.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "package_bytes.h"
#include "skin/data/stream.h"
#include "support/run_program.h"
#include "ui/graphics/bmp.h"

namespace {

namespace fs = std::filesystem;
using testpkg::Bytes;

using ToolRun = testsupport::ProgramRun;

ToolRun skintool(const std::string& args) { return testsupport::RunProgram(SKINTOOL_PATH, args); }

// A hand-made bottom-up picture with a compression field, as image editors
// write them: header, bit-field masks, colour table, then `data`.
Bytes editorBmp(int bits, std::uint32_t compression, int w, int h,
                const std::vector<std::uint32_t>& masksThenTable, std::uint32_t tableSize,
                const Bytes& data) {
  auto le32 = [](Bytes& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
  };
  const std::uint32_t offset = 54 + 4 * static_cast<std::uint32_t>(masksThenTable.size());
  Bytes v = {'B', 'M'};
  le32(v, offset + static_cast<std::uint32_t>(data.size()));
  le32(v, 0);
  le32(v, offset);
  for (std::uint32_t x : {40u, static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h),
                          1u | static_cast<std::uint32_t>(bits) << 16, compression,
                          static_cast<std::uint32_t>(data.size()), 0u, 0u, tableSize, 0u})
    le32(v, x);
  for (std::uint32_t x : masksThenTable) le32(v, x);
  v.insert(v.end(), data.begin(), data.end());
  return v;
}

class Skintool : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::path(KAVRO_BINARY_DIR) / "test-tmp" /
        (std::string("skintool_") + testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "skin");
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string p(const std::string& rel) const { return "'" + (dir_ / rel).string() + "'"; }
  void write(const std::string& rel, const Bytes& b) {
    skin::WriteFileBytes((dir_ / rel).string(), b);
  }
  void writeText(const std::string& rel, const std::string& t) {
    write(rel, Bytes(t.begin(), t.end()));
  }
  Bytes read(const std::string& rel) { return skin::ReadFileBytes((dir_ / rel).string()); }

  // A skin folder: a frame picture, a mask, two active pictures, one object
  // and two controls, one of them of a kind that does not exist.
  void makeSkin(const std::string& extra = "") {
    write("skin/frame.bmp", testpkg::Bmp24(7, 5, 1));
    write("skin/mask.bmp", testpkg::Bmp24(7, 5, 2));
    write("skin/a.bmp", testpkg::Bmp24(3, 2, 3));
    write("skin/b.bmp", testpkg::Bmp24(4, 4, 4));
    writeText("skin/skin.ini",
              "[VERSION]\r\nskinname=Tiny\r\nskinauthor=Tester\r\n[PICTURES]\r\n"
              "picture=frame.bmp\r\nmask=mask.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n"
              "1=b.bmp\r\n[FORMINFO]\r\nclientrect=1,1,6,4\r\n[SKINOBJECTS]\r\ncount=1\r\n"
              "0=close:stdbutton\r\n[SKINCONTROLS]\r\ncount=2\r\n0=button:button\r\n"
              "1=odd:fancything\r\n[button]\r\nskinrect=0,0,3,2\r\n" +
                  extra);
  }

  fs::path dir_;
};

TEST_F(Skintool, PackInfoUnpackRoundTrip) {
  makeSkin();
  const ToolRun pack = skintool("pack " + p("skin/skin.ini") + " " + p("tiny.skn"));
  ASSERT_EQ(pack.exitCode, 0) << pack.out;
  const Bytes file = read("tiny.skn");
  ASSERT_GT(file.size(), 8u);
  EXPECT_EQ(file[0], 3);  // version 3, little-endian
  EXPECT_EQ(file[4] | file[5] << 8 | file[6] << 16 | file[7] << 24,
            static_cast<int>(file.size() - 8));

  const ToolRun info = skintool("info " + p("tiny.skn"));
  EXPECT_EQ(info.exitCode, 0) << info.out;
  for (const char* expected :
       {"packed file version: 3", "package version: 3", "picture: 7x5, 24-bit",
        "inactive picture: none", "mask: 7x5", "active pictures: 2", "  1: 4x4", "skinname: Tiny",
        "skinauthor: Tester", "0 close: stdbutton", "0 button: button",
        "1 skipped, unknown kind: odd:fancything", "loads: yes"}) {
    EXPECT_NE(info.out.find(expected), std::string::npos) << expected << "\n" << info.out;
  }

  const ToolRun unpack = skintool("unpack " + p("tiny.skn") + " " + p("out"));
  ASSERT_EQ(unpack.exitCode, 0) << unpack.out;
  // The package holds the pictures as re-encoded when packing: same depth,
  // same pixels.
  for (const char* name : {"frame.bmp", "mask.bmp", "a.bmp", "b.bmp"}) {
    const gfx::Bitmap out = gfx::ReadBmp(read(std::string("out/") + name));
    EXPECT_EQ(out, gfx::ReadBmp(read(std::string("skin/") + name))) << name;
    EXPECT_EQ(out.storedBits(), 24) << name;
  }
  const Bytes ini = read("out/skin.ini");
  EXPECT_EQ(ini, read("skin/skin.ini"));
}

// Pictures saved by ordinary image editors: run-length-encoded 8- and 4-bit
// and 16-bit 5-6-5. The package stores them uncompressed: the 8- and 4-bit
// ones as 8-bit pictures with their colour table, the 16-bit one as 24-bit.
TEST_F(Skintool, PackTakesPicturesAsImageEditorsWriteThem) {
  makeSkin();
  const std::vector<std::uint32_t> table = {0x00101010, 0x00FF0000, 0x000000FF};
  // 7 x 5: each row a run of 7 of index 1 (red) but the top one, which a
  // delta leaves at index 0 after two blue pixels.
  Bytes rle8;
  for (int row = 0; row < 4; ++row) rle8.insert(rle8.end(), {7, 1, 0, 0});
  rle8.insert(rle8.end(), {2, 2, 0, 2, 5, 0, 0, 1});
  write("skin/frame.bmp", editorBmp(8, 1, 7, 5, table, 3, rle8));
  // 3 x 2: an absolute run of 3 (2, 1, 2) on the bottom row, a run of 3 on top.
  write("skin/a.bmp", editorBmp(4, 2, 3, 2, table, 3, {0, 3, 0x21, 0x20, 0, 0, 3, 0x12, 0, 1}));
  // 4 x 4 of 5-6-5 (16, 32, 16): 132, 130, 132 once widened with rounding.
  Bytes px;
  for (int i = 0; i < 16; ++i) px.insert(px.end(), {0x10, 0x84});  // 16 << 11 | 32 << 5 | 16
  write("skin/b.bmp", editorBmp(16, 3, 4, 4, {0xF800, 0x07E0, 0x001F}, 0, px));

  const ToolRun pack = skintool("pack " + p("skin/skin.ini") + " " + p("editor.skn"));
  ASSERT_EQ(pack.exitCode, 0) << pack.out;
  const ToolRun unpack = skintool("unpack " + p("editor.skn") + " " + p("out"));
  ASSERT_EQ(unpack.exitCode, 0) << unpack.out;
  const Bytes frameBytes = read("out/frame.bmp");
  ASSERT_GT(frameBytes.size(), 34u);
  EXPECT_EQ(frameBytes[30], 0);  // stored without compression
  const gfx::Bitmap frame = gfx::ReadBmp(frameBytes);
  EXPECT_EQ(frame.storedBits(), 8);
  EXPECT_EQ(frame.pixel(0, 0), gfx::Color::rgb(0, 0, 255));
  EXPECT_EQ(frame.pixel(1, 0), gfx::Color::rgb(0, 0, 255));
  EXPECT_EQ(frame.pixel(2, 0), gfx::Color::rgb(16, 16, 16));
  EXPECT_EQ(frame.pixel(6, 4), gfx::Color::rgb(255, 0, 0));
  const gfx::Bitmap a = gfx::ReadBmp(read("out/a.bmp"));
  EXPECT_EQ(a.storedBits(), 8);
  EXPECT_EQ(a.pixel(0, 0), gfx::Color::rgb(255, 0, 0));
  EXPECT_EQ(a.pixel(1, 0), gfx::Color::rgb(0, 0, 255));
  EXPECT_EQ(a.pixel(0, 1), gfx::Color::rgb(0, 0, 255));
  EXPECT_EQ(a.pixel(1, 1), gfx::Color::rgb(255, 0, 0));
  const gfx::Bitmap b = gfx::ReadBmp(read("out/b.bmp"));
  EXPECT_EQ(b.storedBits(), 24);
  EXPECT_EQ(b.pixel(3, 3), gfx::Color::rgb(132, 130, 132));
}

TEST_F(Skintool, PackRefusesWhatIsNotASkinFolder) {
  writeText("skin/skin.ini", "[VERSION]\r\n[PICTURES]\r\n[SKINOBJECTS]\r\n");
  ToolRun r = skintool("pack " + p("skin/skin.ini") + " " + p("x.skn"));
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.out.find("missing [FORMINFO] [SKINCONTROLS]"), std::string::npos) << r.out;
  EXPECT_FALSE(fs::exists(dir_ / "x.skn"));

  makeSkin();
  fs::remove(dir_ / "skin/b.bmp");
  r = skintool("pack " + p("skin/skin.ini") + " " + p("x.skn"));
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.out.find("b.bmp"), std::string::npos) << r.out;

  r = skintool("pack " + p("skin/none.ini") + " " + p("x.skn"));
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.out.find("none.ini"), std::string::npos) << r.out;
}

TEST_F(Skintool, BrokenPackedFilesGiveAClearErrorAndAFailingExit) {
  const Bytes payload = testpkg::Compress(testpkg::Package{}.bytes());
  Bytes v4pkg;
  {
    testpkg::Package p4;
    p4.version = 4;
    v4pkg = testpkg::Compress(p4.bytes());
  }
  const struct {
    const char* name;
    Bytes file;
    const char* message;
  } cases[] = {
      {"v4file", testpkg::PackedFile(4, static_cast<int>(payload.size()), payload), "no package"},
      {"zero", testpkg::PackedFile(3, 0, payload), "no package"},
      {"negative", testpkg::PackedFile(3, -1, payload), "negative length"},
      {"pastend", testpkg::PackedFile(3, 1 << 30, payload), "runs past"},
      {"short", Bytes{3, 0}, "truncated"},
      {"v4package", testpkg::PackedFile(3, static_cast<int>(v4pkg.size()), v4pkg), "above 3"},
      {"garbage", testpkg::PackedFile(3, 5, Bytes{1, 2, 3, 4, 5}), "compression error"},
  };
  for (const auto& c : cases) {
    write(c.name, c.file);
    for (const std::string& cmd :
         std::vector<std::string>{"info " + p(c.name), "unpack " + p(c.name) + " " + p("o")}) {
      const ToolRun r = skintool(cmd);
      EXPECT_NE(r.exitCode, 0) << cmd;
      EXPECT_NE(r.out.find(c.message), std::string::npos) << cmd << "\n" << r.out;
    }
  }
}

TEST_F(Skintool, InfoReportsADefinitionThatStopsTheLoading) {
  testpkg::Package pkg;
  pkg.text = testpkg::MinimalDefinition("[FORMINFO]\r\nclientrect=\r\n");
  const Bytes payload = testpkg::Compress(pkg.bytes());
  write("bad.skn", testpkg::PackedFile(3, static_cast<int>(payload.size()), payload));
  const ToolRun r = skintool("info " + p("bad.skn"));
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.out.find("skinname: Test"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("not a valid integer"), std::string::npos) << r.out;
}

TEST_F(Skintool, UnpackKeepsPicturesInsideTheFolder) {
  testpkg::Package pkg;
  pkg.picture = testpkg::Bmp24(2, 2);
  pkg.active = {testpkg::Bmp24(1, 1)};
  pkg.text = "[PICTURES]\r\npicture=../escaped.bmp\r\n";
  Bytes payload = testpkg::Compress(pkg.bytes());
  write("evil.skn", testpkg::PackedFile(3, static_cast<int>(payload.size()), payload));
  ToolRun r = skintool("unpack " + p("evil.skn") + " " + p("out"));
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.out.find("would leave the folder"), std::string::npos) << r.out;
  EXPECT_FALSE(fs::exists(dir_ / "escaped.bmp"));

  // Nameless pictures get made-up names and a warning.
  pkg.text = "[PICTURES]\r\n";
  payload = testpkg::Compress(pkg.bytes());
  write("nameless.skn", testpkg::PackedFile(3, static_cast<int>(payload.size()), payload));
  r = skintool("unpack " + p("nameless.skn") + " " + p("out2"));
  EXPECT_EQ(r.exitCode, 0) << r.out;
  EXPECT_NE(r.out.find("warning"), std::string::npos);
  EXPECT_EQ(read("out2/picture.bmp"), testpkg::Bmp24(2, 2));
  EXPECT_EQ(read("out2/activepicture0.bmp"), testpkg::Bmp24(1, 1));
}

TEST_F(Skintool, HelpAndWrongArgumentCounts) {
  for (const char* cmd : {"pack", "unpack", "info"}) {
    const ToolRun help = skintool(std::string(cmd) + " --help");
    EXPECT_EQ(help.exitCode, 0) << cmd;
    EXPECT_NE(help.out.find(std::string("usage: skintool ") + cmd), std::string::npos) << cmd;
    const ToolRun bare = skintool(cmd);
    EXPECT_EQ(bare.exitCode, 2) << cmd;
    EXPECT_NE(bare.out.find("usage:"), std::string::npos) << cmd;
  }
}

}  // namespace

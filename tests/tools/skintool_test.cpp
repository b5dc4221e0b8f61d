// skintool run as a program: a skin folder packed, described and unpacked
// again, and the clear failures on bad input.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "package_bytes.h"
#include "support/run_program.h"
#include "skin/data/stream.h"
#include "ui/graphics/bmp.h"

namespace {

namespace fs = std::filesystem;
using testpkg::Bytes;

using ToolRun = testsupport::ProgramRun;

ToolRun skintool(const std::string& args) { return testsupport::RunProgram(SKINTOOL_PATH, args); }

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

// skintool preview run as a program on a small skin whose frame picture
// encodes each pixel's coordinates, so that every expected pixel follows
// from the strip rules: which stored pixel lands where.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include <QImage>

#include "support/run_program.h"
#include "ui/graphics/bmp.h"

namespace {

namespace fs = std::filesystem;
using gfx::Bitmap;
using gfx::Color;

using ToolRun = testsupport::ProgramRun;

ToolRun skintool(const std::string& args) { return testsupport::RunProgram(SKINTOOL_PATH, args); }

// The stored pixel (x, y) of the frame picture.
Color At(int x, int y) { return Color::rgb(10 + 10 * x, 10 + 10 * y, 77); }
Color Inverted(Color c) { return Color::rgb(255 - c.red(), 255 - c.green(), 255 - c.blue()); }

class Preview : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::path(KAVRO_BINARY_DIR) / "test-tmp" /
        (std::string("preview_") + testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "skin");
    // A 12 x 10 frame: top middle x 3..7, bottom middle 4..9, left middle
    // y 4..6, right middle 4..7, client (2, 3, 9, 7). The mask leaves out
    // the two top corner pixels.
    Bitmap frame(12, 10), mask(12, 10), button(10, 4);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 12; ++x) frame.setPixel(x, y, At(x, y));
    mask.setPixel(0, 0, gfx::kWhite);
    mask.setPixel(11, 0, gfx::kWhite);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 10; ++x) button.setPixel(x, y, Color::rgb(x, y, 200));
    gfx::WriteBmpFile((dir_ / "skin/frame.bmp").string(), frame);
    gfx::WriteBmpFile((dir_ / "skin/mask.bmp").string(), mask);
    gfx::WriteBmpFile((dir_ / "skin/button.bmp").string(), button);
    FILE* f = std::fopen((dir_ / "skin/skin.ini").string().c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs(
        "[VERSION]\r\nskinname=Coordinates\r\n[PICTURES]\r\npicture=frame.bmp\r\nmask=mask.bmp\r\n"
        "activepicturescount=1\r\n0=button.bmp\r\n[FORMINFO]\r\nlefttoppoint=3,4\r\n"
        "righttoppoint=7,4\r\nleftbottompoint=4,6\r\nrightbottompoint=9,7\r\n"
        "clientrect=2,3,9,7\r\nautorenderinginactiveimage=1\r\ninactiveeffect=ieinvert\r\n"
        "[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=2\r\n0=wide:panel\r\n"
        "1=flat:panel\r\n[wide]\r\npictureindex=0\r\nskinrect=0,0,10,4\r\nlefttoppoint=2,0\r\n"
        "righttoppoint=7,0\r\n[flat]\r\npictureindex=0\r\nskinrect=1,0,5,4\r\n",
        f);
    std::fclose(f);
    const ToolRun pack = skintool("pack " + path("skin/skin.ini") + " " + path("c.skn"));
    ASSERT_EQ(pack.exitCode, 0) << pack.out;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const std::string& rel) const { return "'" + (dir_ / rel).string() + "'"; }
  std::string file(const std::string& rel) const { return (dir_ / rel).string(); }

  fs::path dir_;
};

// The frame at 21 x 16 (grown by 9 x 6): top strip 21 x 3, bottom 21 x 3,
// side strips 10 high between them.
Color FramePixel(int x, int y) {
  const int W = 21, H = 16;
  if (y < 3) {  // top strip: middle tiles from x 0, fixed ends over them
    if (x < 3) return At(x, y);
    if (x >= 7 + 9) return At(7 + x - 16, y);
    return At(3 + x % 4, y);
  }
  if (y >= H - 3) {  // bottom strip: the last three stored rows
    const int sy = 7 + y - (H - 3);
    if (x < 4) return At(x, sy);
    if (x >= 9 + 9) return At(9 + x - 18, sy);
    return At(4 + x % 5, sy);
  }
  const int m = y - 3;  // row in the side strips
  if (x < 2) {
    if (m < 1) return At(x, 3);
    if (m >= 9) return At(x, 6);
    return At(x, 4 + m % 2);
  }
  if (x >= W - 3) {
    const int sx = 9 + x - (W - 3);
    if (m < 1) return At(sx, 3);
    return At(sx, 4 + m % 3);
  }
  // The client area: the client part of the picture tiled from its corner.
  return At(2 + (x - 2) % 7, 3 + (y - 3) % 4);
}

TEST_F(Preview, FrameAsBmpWithTheMaskPaintedInTheBackground) {
  const ToolRun run = skintool("preview " + path("c.skn") +
                               " --frame 21x16 --background 0x00FF00 --out " + path("frame.bmp"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  const Bitmap out = gfx::ReadBmpFile(file("frame.bmp"));
  ASSERT_EQ(out.width(), 21);
  ASSERT_EQ(out.height(), 16);
  EXPECT_EQ(out.storedBits(), 24);
  const Color green = Color::rgb(0, 255, 0);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 21; ++x) {
      const bool cut = y == 0 && (x == 0 || x == 20);
      ASSERT_EQ(out.pixel(x, y), cut ? green : FramePixel(x, y)) << x << "," << y;
    }
}

TEST_F(Preview, InactiveFrameAsPngIsTransparentOutsideTheRegion) {
  const ToolRun run =
      skintool("preview " + path("c.skn") + " --frame 21x16 --inactive --out " + path("frame.PNG"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  const QImage png(QString::fromStdString(file("frame.PNG")));
  ASSERT_EQ(png.width(), 21);
  EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(png.pixel(20, 0)), 0);
  // The strips go through the inverting effect, the client area does not.
  for (const auto& [x, y] : {std::pair{1, 0}, {10, 1}, {0, 8}, {19, 9}, {12, 14}}) {
    EXPECT_EQ(qAlpha(png.pixel(x, y)), 255);
    EXPECT_EQ(
        gfx::Color::rgb(qRed(png.pixel(x, y)), qGreen(png.pixel(x, y)), qBlue(png.pixel(x, y))),
        Inverted(FramePixel(x, y)))
        << x << "," << y;
  }
  const QRgb client = png.pixel(5, 7);
  EXPECT_EQ(gfx::Color::rgb(qRed(client), qGreen(client), qBlue(client)), FramePixel(5, 7));
}

TEST_F(Preview, ControlSectionsByTheirCornerPoints) {
  // "wide" resizes in width only: fixed 2 and 3 pixels, middle 2..7 tiled;
  // the height stays 4.
  ToolRun run =
      skintool("preview " + path("c.skn") + " --control wide 17x30 --out " + path("w.bmp"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  Bitmap out = gfx::ReadBmpFile(file("w.bmp"));
  ASSERT_EQ(out.width(), 17);
  ASSERT_EQ(out.height(), 4);
  for (int x = 0; x < 17; ++x) {
    const int sx = x < 2 ? x : x >= 14 ? 7 + (x - 14) : 2 + (x - 2) % 5;
    EXPECT_EQ(out.pixel(x, 3), Color::rgb(sx, 3, 200)) << x;
  }
  // "flat" names no points: its skinrect at its own size.
  run = skintool("preview " + path("c.skn") + " --control flat 40x40 --out " + path("f.bmp"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  out = gfx::ReadBmpFile(file("f.bmp"));
  ASSERT_EQ(out.width(), 4);
  EXPECT_EQ(out.pixel(0, 2), Color::rgb(1, 2, 200));
}

TEST_F(Preview, ClearErrors) {
  const struct {
    std::string args;
    int exitCode;
    std::string message;
  } cases[] = {
      {"--frame 21x16 --out " + path("x.bmp"), 2, "no skin file given"},
      {path("c.skn") + " --out " + path("x.bmp"), 2, "either --frame or --control"},
      {path("c.skn") + " --frame 21 --out " + path("x.bmp"), 2, "is not WxH"},
      {path("c.skn") + " --frame 0x5 --out " + path("x.bmp"), 2, "must be 1 to"},
      {path("c.skn") + " --frame 5x5 --out " + path("x.gif"), 2, "must end in .png or .bmp"},
      {path("c.skn") + " --frame 5x5 --background red --out " + path("x.bmp"), 2, "not a colour"},
      {path("c.skn") + " --control wide 5x5 --inactive --out " + path("x.bmp"), 2, "--frame only"},
      {path("c.skn") + " --control nothing 5x5 --out " + path("x.bmp"), 1,
       "no control section 'nothing'"},
      {path("missing.skn") + " --frame 5x5 --out " + path("x.bmp"), 1, "missing.skn"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const ToolRun run = skintool("preview " + c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.out;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << run.out;
  }
  EXPECT_FALSE(fs::exists(file("x.bmp")));
}

}  // namespace

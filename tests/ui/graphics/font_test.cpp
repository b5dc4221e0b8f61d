// The project's font configuration maps the families the windows name.
#include "ui/graphics/font.h"

#include <QFontInfo>
#include <gtest/gtest.h>

#include "ui/graphics/canvas.h"

using namespace gfx;

TEST(Font, FamiliesResolveThroughTheProjectConfiguration) {
  struct Case {
    const char* name;
    const char* family;
  } cases[] = {
      {"宋体", "WenQuanYi Zen Hei"},  {"新宋体", "WenQuanYi Zen Hei"},
      {"SimSun", "WenQuanYi Zen Hei"}, {"MS Sans Serif", "Liberation Sans"},
      {"Arial", "Liberation Sans"},
  };
  for (const Case& c : cases) {
    Font f;
    f.name = c.name;
    EXPECT_EQ(QFontInfo(ToQFont(f)).family().toStdString(), c.family) << c.name;
  }
}

TEST(Font, ChineseAndLatinTextMeasure) {
  Font song;
  song.name = "宋体";
  song.height = 12;
  const Size cjk = MeasureText(song, "商业模拟平台");
  // Six full-width characters of a 12-pixel face.
  EXPECT_GE(cjk.width, 6 * 10);
  EXPECT_LE(cjk.width, 6 * 14);
  EXPECT_GE(cjk.height, 12);
  Font arial;
  arial.name = "Arial";
  arial.height = 12;
  const Size latin = MeasureText(arial, "Teacher");
  EXPECT_GT(latin.width, 20);
  EXPECT_LT(latin.width, 60);
  EXPECT_EQ(MeasureText(arial, "").width, 0);
  Font bold = arial;
  bold.bold = true;
  EXPECT_GE(MeasureText(bold, "Teacher").width, latin.width);
}

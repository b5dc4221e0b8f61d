// The message icons the program carries: each kind at 32 and 64 pixels, a
// picture that decodes, with a transparent background around its shape.
#include <QImage>
#include <string>

#include <gtest/gtest.h>

#include "resources/builtin_pictures.h"

namespace {

TEST(BuiltinPictures, EveryMessageIconAtBothSizesOnATransparentBackground) {
  for (const char* kind : {"error", "warning", "information", "question"}) {
    for (int size : {32, 64}) {
      const std::string name = std::string("message-") + kind + "-" + std::to_string(size) + ".png";
      const auto bytes = app::BuiltinPicture(name);
      ASSERT_FALSE(bytes.empty()) << name;
      QImage img;
      ASSERT_TRUE(img.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "PNG")) << name;
      EXPECT_EQ(img.width(), size) << name;
      EXPECT_EQ(img.height(), size) << name;
      EXPECT_TRUE(img.hasAlphaChannel()) << name;
      EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << name << ": the corner shows the window behind";
      EXPECT_EQ(qAlpha(img.pixel(size / 2, size / 2)), 255) << name << ": the middle is solid";
    }
  }
  EXPECT_TRUE(app::BuiltinPicture("no-such-picture.png").empty());
}

}  // namespace

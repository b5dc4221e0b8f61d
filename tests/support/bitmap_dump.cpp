#include "support/bitmap_dump.h"

#include <cstdlib>
#include <filesystem>

namespace testsupport {

std::string DumpBitmap(const gfx::Bitmap& bmp, const std::string& name) {
  const char* env = std::getenv("KAVRO_TEST_ARTIFACTS");
  std::filesystem::path dir = env && *env ? env : "test-artifacts";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  std::string safe = name;
  for (char& c : safe)
    if (c == '/' || c == ' ' || c == ':') c = '_';
  const std::filesystem::path path = dir / (safe + ".png");
  if (bmp.empty() || !bmp.image().save(QString::fromStdString(path.string()), "PNG")) return "";
  return path.string();
}

::testing::AssertionResult SameBitmap(const gfx::Bitmap& actual, const gfx::Bitmap& expected) {
  std::string where;
  if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info())
    where = std::string(info->test_suite_name()) + "." + info->name();
  auto fail = [&](const std::string& what) {
    const std::string a = DumpBitmap(actual, where + ".actual");
    const std::string e = DumpBitmap(expected, where + ".expected");
    return ::testing::AssertionFailure() << what << " (pictures: " << a << ", " << e << ")";
  };
  if (actual.width() != expected.width() || actual.height() != expected.height())
    return fail("size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height()) +
                ", expected " + std::to_string(expected.width()) + "x" +
                std::to_string(expected.height()));
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x)
      if (actual.pixel(x, y) != expected.pixel(x, y))
        return fail("pixel (" + std::to_string(x) + "," + std::to_string(y) + ") is " +
                    std::to_string(actual.pixel(x, y).value) + ", expected " +
                    std::to_string(expected.pixel(x, y).value));
  return ::testing::AssertionSuccess();
}

}  // namespace testsupport

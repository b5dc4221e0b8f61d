// skintool's builtin and sheet commands on the skins the program carries:
// the packed skin files hold exactly the embedded bytes, and a contact sheet
// is drawn for each of them.
#include <unistd.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QImage>

#include "resources/builtin_skins.h"

namespace {

namespace fs = std::filesystem;

const std::string kSkintool = std::string(KAVRO_BINARY_DIR) + "/bin/skintool";

fs::path Scratch(const std::string& name) {
  const fs::path dir =
      fs::temp_directory_path() / ("kavro-" + name + "-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

int Skintool(const std::string& args) {
  return std::system((kSkintool + " " + args + " > /dev/null 2>&1").c_str());
}

std::vector<std::uint8_t> Bytes(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

TEST(SkintoolBuiltin, WritesEachEmbeddedPackageAsAPackedSkinFile) {
  const fs::path dir = Scratch("builtin");
  ASSERT_EQ(Skintool("builtin --out " + dir.string()), 0);
  for (const app::BuiltinSkin& b : app::BuiltinSkins()) {
    SCOPED_TRACE(b.name);
    const std::vector<std::uint8_t> file = Bytes(dir / (std::string(b.name) + ".skn"));
    ASSERT_EQ(file.size(), 8 + b.compressed.size());
    std::int32_t version, length;
    std::memcpy(&version, file.data(), 4);
    std::memcpy(&length, file.data() + 4, 4);
    EXPECT_EQ(version, 3);
    EXPECT_EQ(static_cast<std::size_t>(length), b.compressed.size());
    EXPECT_TRUE(std::equal(b.compressed.begin(), b.compressed.end(), file.begin() + 8));
  }
  EXPECT_NE(Skintool("builtin"), 0) << "the output folder is required";
  fs::remove_all(dir);
}

TEST(SkintoolSheet, DrawsASheetOfEveryBuiltinSkinAndRefusesAFileWithoutAPackage) {
  const fs::path dir = Scratch("sheet");
  ASSERT_EQ(Skintool("builtin --out " + dir.string()), 0);
  for (const app::BuiltinSkin& b : app::BuiltinSkins()) {
    SCOPED_TRACE(b.name);
    const fs::path png = dir / (std::string(b.name) + ".png");
    ASSERT_EQ(Skintool("sheet " + (dir / (std::string(b.name) + ".skn")).string() + " --out " +
                       png.string()),
              0);
    const QImage sheet(QString::fromStdString(png.string()));
    EXPECT_EQ(sheet.width(), 1280);
    EXPECT_GT(sheet.height(), 600);
  }
  const fs::path junk = dir / "junk.skn";
  std::ofstream(junk, std::ios::binary) << "not a skin";
  EXPECT_NE(Skintool("sheet " + junk.string() + " --out " + (dir / "junk.png").string()), 0);
  EXPECT_FALSE(fs::exists(dir / "junk.png"));
  fs::remove_all(dir);
}

}  // namespace

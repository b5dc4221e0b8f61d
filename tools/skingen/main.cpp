// skingen: paints the built-in skins and writes each as a skin folder
// (skin.ini and its BMP files) under the given folder.
//
//   skingen --out DIR [--skin NAME ...] [--png DIR]
//
// NAME is a stored skin name (red, green, blue, wihte, yellow, winxp); all
// six are written when none is given. --png also writes every picture as a
// PNG, for looking at them.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "skin_builder.h"
#include "skin_style.h"

namespace {

int Usage() {
  std::fputs("usage: skingen --out DIR [--skin NAME ...] [--png DIR]\n", stderr);
  return 2;
}

void WritePngs(const skingen::BuiltSkin& skin, const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  auto write = [&](const skingen::SkinPicture& p) {
    if (p.bitmap.empty()) return;
    const std::string name = std::filesystem::path(p.file).stem().string() + ".png";
    p.bitmap.image().save(QString::fromStdString((dir / name).string()));
  };
  write(skin.picture);
  write(skin.inactivePicture);
  write(skin.mask);
  for (const auto& p : skin.activePictures) write(p);
}

}  // namespace

int main(int argc, char** argv) {
  std::string out, png;
  std::vector<std::string> wanted;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if ((a == "--out" || a == "--skin" || a == "--png") && i + 1 < argc) {
      const std::string v = argv[++i];
      if (a == "--out") out = v;
      if (a == "--skin") wanted.push_back(v);
      if (a == "--png") png = v;
    } else {
      return Usage();
    }
  }
  if (out.empty()) return Usage();
  try {
    int written = 0;
    for (const skingen::SkinStyle& style : skingen::BuiltinStyles()) {
      if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), style.id) == wanted.end())
        continue;
      const skingen::BuiltSkin skin = skingen::BuildSkin(style);
      skingen::WriteSkinFolder(skin, (std::filesystem::path(out) / style.id).string());
      if (!png.empty()) WritePngs(skin, std::filesystem::path(png) / style.id);
      ++written;
    }
    if (written == 0) {
      std::fputs("skingen: no skin of that name\n", stderr);
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skingen: %s\n", e.what());
    return 1;
  }
  return 0;
}

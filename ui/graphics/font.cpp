// Fonts: conversion to QFont and the project's fontconfig file.
#include "ui/graphics/font.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "ui/graphics/qt_convert.h"

namespace gfx {

QFont ToQFont(const Font& font) {
  QFont f(toQString(font.name));
  f.setPixelSize(font.height > 0 ? font.height : (font.height < 0 ? -font.height : 12));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  f.setStrikeOut(font.strikeOut);
  return f;
}

const char* ProjectFontConfigText() {
  return R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<!-- The classroom client's fonts: the system configuration, plus the family
     names its windows and the server's pages use, mapped onto the fonts of
     this platform. -->
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <alias binding="strong"><family>宋体</family><prefer><family>WenQuanYi Zen Hei</family></prefer></alias>
  <alias binding="strong"><family>新宋体</family><prefer><family>WenQuanYi Zen Hei</family></prefer></alias>
  <alias binding="strong"><family>SimSun</family><prefer><family>WenQuanYi Zen Hei</family></prefer></alias>
  <alias binding="strong"><family>NSimSun</family><prefer><family>WenQuanYi Zen Hei Mono</family></prefer></alias>
  <alias binding="strong"><family>MS Sans Serif</family><prefer><family>Liberation Sans</family></prefer></alias>
  <alias binding="strong"><family>Arial</family><prefer><family>Liberation Sans</family></prefer></alias>
</fontconfig>
)";
}

std::string InstallProjectFontConfig() {
  namespace fs = std::filesystem;
  std::vector<fs::path> dirs;
  if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache) dirs.emplace_back(fs::path(cache) / "kavro");
  if (const char* home = std::getenv("HOME"); home && *home) dirs.emplace_back(fs::path(home) / ".cache" / "kavro");
  dirs.emplace_back(fs::temp_directory_path() / ("kavro-" + std::to_string(getuid())));
  const std::string text = ProjectFontConfigText();
  for (const fs::path& dir : dirs) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    const fs::path file = dir / "fonts.conf";
    std::ifstream in(file, std::ios::binary);
    std::stringstream current;
    if (in) current << in.rdbuf();
    in.close();
    if (current.str() != text) {
      // Write beside and rename, so that a process reading it never sees half a file.
      const fs::path tmp = dir / ("fonts.conf." + std::to_string(getpid()));
      std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
      if (!out) continue;
      out << text;
      out.close();
      if (!out) continue;
      fs::rename(tmp, file, ec);
      if (ec) {
        fs::remove(tmp, ec);
        continue;
      }
    }
    setenv("FONTCONFIG_FILE", file.c_str(), 1);
    return file.string();
  }
  return "";
}

}  // namespace gfx

// A font as the skin engine names it (family, pixel height, style words,
// colour) and the project's font configuration, which maps the Chinese and
// classic Windows family names onto the fonts this platform carries.
#pragma once

#include <string>

#include <QFont>

#include "ui/graphics/color.h"

namespace gfx {

struct Font {
  std::string name = "宋体";
  int height = 12;  // pixel height of the character cell
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  Color color = kBlack;
  int charset = 1;  // recorded only: text is UTF-8 here

  bool operator==(const Font&) const = default;
};

QFont ToQFont(const Font& font);

// Writes the project's fontconfig file (it includes the system configuration
// and adds strong aliases for "宋体", "新宋体", "SimSun", "NSimSun" and
// "MS Sans Serif") and points FONTCONFIG_FILE to it. Call before the
// QGuiApplication is made, so that widgets and web pages both see it. Returns
// the path of the file, or "" when no folder for it could be written (the
// system configuration then serves alone).
std::string InstallProjectFontConfig();

// The text of that file.
const char* ProjectFontConfigText();

}  // namespace gfx

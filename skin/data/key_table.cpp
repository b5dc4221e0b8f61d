// The font group of the key tables.
#include "skin/data/key_table.h"

namespace skin::keytable_detail {

namespace {
constexpr const char* kDefaultFontName = "Arial";
constexpr int kDefaultFontHeight = 14;
}  // namespace

void readFontKeys(const SkinDefinition& def, const std::string& section, FontKeys& f) {
  f.fontName = ReadString(def, section, "fontname", kDefaultFontName);
  f.fontHeight = ReadInteger(def, section, "fontheight", kDefaultFontHeight);
  f.fontStyle = ReadFontStyles(def, section, "fontstyle");
  f.fontColor = ReadColor(def, section, "fontcolor", gfx::kBlack);
}

void writeFontKeys(SkinDefinition& def, const std::string& section, const FontKeys& f) {
  WriteString(def, section, "fontname", f.fontName);
  WriteInteger(def, section, "fontheight", f.fontHeight);
  WriteFontStyles(def, section, "fontstyle", f.fontStyle);
  WriteColor(def, section, "fontcolor", f.fontColor);
}

void defaultFontKeys(FontKeys& f) {
  f.fontName = kDefaultFontName;
  f.fontHeight = kDefaultFontHeight;
  f.fontStyle = {};
  f.fontColor = gfx::kBlack;
}

}  // namespace skin::keytable_detail

namespace skin {

gfx::Font WithFontKeys(gfx::Font base, const FontKeys& keys) {
  base.name = keys.fontName;
  base.height = keys.fontHeight;
  base.bold = keys.fontStyle.bold;
  base.italic = keys.fontStyle.italic;
  base.underline = keys.fontStyle.underline;
  base.strikeOut = keys.fontStyle.strikeOut;
  return base;
}

}  // namespace skin

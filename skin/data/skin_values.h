// The value types of a skin definition and their readers and writers:
// integer, colour, boolean, rect, point, font style words, alignment, the
// inactive effect and morph kind words, and strings. Readers take the
// definition, the section, the key and their default (used when the key is
// absent; a key present with an empty value is not absent).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "skin/data/skin_definition.h"
#include "ui/graphics/color.h"
#include "ui/graphics/geometry.h"

namespace skin {

// A value that cannot be converted; it aborts the loading of a skin.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class InactiveEffect { Brightness = 0, Darkness, Grayscale, Noise, SplitBlur, Invert };
enum class MorphKind {
  Default = 0,
  Gradient,
  LeftGradient,
  RightGradient,
  LeftSlide,
  RightSlide,
  Push
};
// The command of a standard caption button or animated object.
enum class StdCommand { Close = 0, Maximize, Minimize, SysMenu, Default, RollUp, MinimizeToTray };
enum class TextAlignment { LeftJustify, RightJustify, Center };

struct FontStyles {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool operator==(const FontStyles&) const = default;
};

// Parsing of single values, as the readers apply them to a present value.
// ParseInteger: decimal with an optional sign, or hexadecimal after "$",
// "0x" or "0X" (up to 32 bits); anything else gives def.
int ParseInteger(std::string_view text, int def);
// The number list rule: split at ",", drop every character that is not a
// digit (so a minus sign is lost), convert each piece; an empty piece or one
// too large for an integer throws EConvertError. Pieces beyond the four of a
// rect or the two of a point are ignored.
gfx::Rect ParseRect(std::string_view text);
gfx::Point ParsePoint(std::string_view text);
FontStyles ParseFontStyles(std::string_view text);
TextAlignment ParseAlignment(std::string_view text);
InactiveEffect ParseInactiveEffect(std::string_view text);
MorphKind ParseMorphKind(std::string_view text);
StdCommand ParseCommand(std::string_view text);

// Written forms.
std::string FormatRect(const gfx::Rect& r);
std::string FormatPoint(const gfx::Point& p);
std::string FormatFontStyles(const FontStyles& s);
const char* AlignmentWord(TextAlignment a);
const char* InactiveEffectWord(InactiveEffect e);
const char* MorphKindWord(MorphKind m);
const char* CommandWord(StdCommand c);

// Readers.
int ReadInteger(const SkinDefinition& def, std::string_view section, std::string_view key,
                int dflt);
gfx::Color ReadColor(const SkinDefinition& def, std::string_view section, std::string_view key,
                     gfx::Color dflt);
bool ReadBoolean(const SkinDefinition& def, std::string_view section, std::string_view key,
                 bool dflt);
gfx::Rect ReadRect(const SkinDefinition& def, std::string_view section, std::string_view key);
gfx::Point ReadPoint(const SkinDefinition& def, std::string_view section, std::string_view key);
FontStyles ReadFontStyles(const SkinDefinition& def, std::string_view section,
                          std::string_view key);
TextAlignment ReadAlignment(const SkinDefinition& def, std::string_view section,
                            std::string_view key);
InactiveEffect ReadInactiveEffect(const SkinDefinition& def, std::string_view section,
                                  std::string_view key);
MorphKind ReadMorphKind(const SkinDefinition& def, std::string_view section, std::string_view key);
StdCommand ReadCommand(const SkinDefinition& def, std::string_view section, std::string_view key);
std::string ReadString(const SkinDefinition& def, std::string_view section, std::string_view key,
                       std::string_view dflt);

// Writers.
void WriteInteger(SkinDefinition& def, std::string_view section, std::string_view key, int v);
void WriteColor(SkinDefinition& def, std::string_view section, std::string_view key, gfx::Color v);
void WriteBoolean(SkinDefinition& def, std::string_view section, std::string_view key, bool v);
void WriteRect(SkinDefinition& def, std::string_view section, std::string_view key,
               const gfx::Rect& v);
void WritePoint(SkinDefinition& def, std::string_view section, std::string_view key,
                const gfx::Point& v);
void WriteFontStyles(SkinDefinition& def, std::string_view section, std::string_view key,
                     const FontStyles& v);
void WriteAlignment(SkinDefinition& def, std::string_view section, std::string_view key,
                    TextAlignment v);
void WriteInactiveEffect(SkinDefinition& def, std::string_view section, std::string_view key,
                         InactiveEffect v);
void WriteMorphKind(SkinDefinition& def, std::string_view section, std::string_view key,
                    MorphKind v);
void WriteCommand(SkinDefinition& def, std::string_view section, std::string_view key,
                  StdCommand v);
void WriteString(SkinDefinition& def, std::string_view section, std::string_view key,
                 std::string_view v);

// A list held in a section: the integer key <name>count, then "0", "1", ...
// An absent entry key gives an empty string; a count of 0 or less gives none.
// The count comes from outside, so the list is capped at kMaxSkinListEntries
// entries (far above any real skin) instead of trusting it.
constexpr int kMaxSkinListEntries = 65536;
std::vector<std::string> ReadStringList(const SkinDefinition& def, std::string_view section,
                                        std::string_view name);

}  // namespace skin

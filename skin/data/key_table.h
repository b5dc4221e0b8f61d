// Key tables: each data class describes the keys it reads once, as rows of
// (key, member, default text), and one reader and one writer walk the rows.
// The member's type selects the value type: int integer, gfx::Color colour,
// bool boolean, gfx::Rect rect, gfx::Point point, FontStyles font style,
// TextAlignment, InactiveEffect, MorphKind, StdCommand words, std::string
// string. A FontGroupRow stands for the four keys of the font group. Rects
// and points always default to zero, as every key of a skin has it.
#pragma once

#include <span>
#include <string>
#include <type_traits>
#include <variant>

#include "skin/data/skin_definition.h"
#include "skin/data/skin_values.h"
#include "ui/graphics/font.h"

namespace skin {

// The font group many sections share: "fontname", "fontheight",
// "fontstyle", "fontcolor", read and written in that order.
struct FontKeys {
  std::string fontName;
  int fontHeight = 0;
  FontStyles fontStyle;
  gfx::Color fontColor;
};

// base with the group's face, height and styles (colour and character set
// stay the base's).
gfx::Font WithFontKeys(gfx::Font base, const FontKeys& keys);

// The row type of the font group; the class derives from FontKeys.
struct FontGroupTag {};

template <class T>
struct KeyDef {
  using Member = std::variant<int T::*, gfx::Color T::*, bool T::*, gfx::Rect T::*, gfx::Point T::*,
                              FontStyles T::*, TextAlignment T::*, InactiveEffect T::*,
                              MorphKind T::*, StdCommand T::*, std::string T::*, FontGroupTag>;

  const char* key;  // for a font group row: just a name other rows can refer to
  Member member;
  const char* dflt = "";  // the default in its written form
  // When set, the writer emits this key right after the named key instead
  // of in reading order.
  const char* writeAfter = nullptr;
};

// The font group row, with the defaults "Arial", 14, no style, 0.
template <class T>
constexpr KeyDef<T> FontGroupRow() {
  return {"font", FontGroupTag{}, ""};
}

namespace keytable_detail {
void readFontKeys(const SkinDefinition& def, const std::string& section, FontKeys& f);
void writeFontKeys(SkinDefinition& def, const std::string& section, const FontKeys& f);
void defaultFontKeys(FontKeys& f);
}  // namespace keytable_detail

// Sets every member of the rows to its default.
template <class T>
void ApplyKeyDefaults(std::span<const KeyDef<T>> rows, T& obj) {
  for (const KeyDef<T>& row : rows) {
    std::visit(
        [&]([[maybe_unused]] auto m) {
          using M = decltype(m);
          if constexpr (std::is_same_v<M, FontGroupTag>) {
            if constexpr (std::is_base_of_v<FontKeys, T>) keytable_detail::defaultFontKeys(obj);
          } else if constexpr (std::is_same_v<M, int T::*>) {
            obj.*m = ParseInteger(row.dflt, 0);
          } else if constexpr (std::is_same_v<M, gfx::Color T::*>) {
            obj.*m = gfx::Color(static_cast<std::uint32_t>(ParseInteger(row.dflt, 0)));
          } else if constexpr (std::is_same_v<M, bool T::*>) {
            obj.*m = ParseInteger(row.dflt, 0) == 1;
          } else if constexpr (std::is_same_v<M, gfx::Rect T::*>) {
            obj.*m = gfx::Rect{};
          } else if constexpr (std::is_same_v<M, gfx::Point T::*>) {
            obj.*m = gfx::Point{};
          } else if constexpr (std::is_same_v<M, FontStyles T::*>) {
            obj.*m = ParseFontStyles(row.dflt);
          } else if constexpr (std::is_same_v<M, TextAlignment T::*>) {
            obj.*m = ParseAlignment(row.dflt);
          } else if constexpr (std::is_same_v<M, InactiveEffect T::*>) {
            obj.*m = ParseInactiveEffect(row.dflt);
          } else if constexpr (std::is_same_v<M, MorphKind T::*>) {
            obj.*m = ParseMorphKind(row.dflt);
          } else if constexpr (std::is_same_v<M, StdCommand T::*>) {
            obj.*m = ParseCommand(row.dflt);
          } else {
            obj.*m = row.dflt;
          }
        },
        row.member);
  }
}

// Reads the rows from section, in row order.
template <class T>
void ReadKeys(const SkinDefinition& def, const std::string& section,
              std::span<const KeyDef<T>> rows, T& obj) {
  for (const KeyDef<T>& row : rows) {
    std::visit(
        [&]([[maybe_unused]] auto m) {
          using M = decltype(m);
          if constexpr (std::is_same_v<M, FontGroupTag>) {
            if constexpr (std::is_base_of_v<FontKeys, T>)
              keytable_detail::readFontKeys(def, section, obj);
          } else if constexpr (std::is_same_v<M, int T::*>) {
            obj.*m = ReadInteger(def, section, row.key, ParseInteger(row.dflt, 0));
          } else if constexpr (std::is_same_v<M, gfx::Color T::*>) {
            obj.*m = ReadColor(def, section, row.key,
                               gfx::Color(static_cast<std::uint32_t>(ParseInteger(row.dflt, 0))));
          } else if constexpr (std::is_same_v<M, bool T::*>) {
            obj.*m = ReadBoolean(def, section, row.key, ParseInteger(row.dflt, 0) == 1);
          } else if constexpr (std::is_same_v<M, gfx::Rect T::*>) {
            obj.*m = ReadRect(def, section, row.key);
          } else if constexpr (std::is_same_v<M, gfx::Point T::*>) {
            obj.*m = ReadPoint(def, section, row.key);
          } else if constexpr (std::is_same_v<M, FontStyles T::*>) {
            obj.*m = ReadFontStyles(def, section, row.key);
          } else if constexpr (std::is_same_v<M, TextAlignment T::*>) {
            obj.*m = ReadAlignment(def, section, row.key);
          } else if constexpr (std::is_same_v<M, InactiveEffect T::*>) {
            obj.*m = ReadInactiveEffect(def, section, row.key);
          } else if constexpr (std::is_same_v<M, MorphKind T::*>) {
            obj.*m = ReadMorphKind(def, section, row.key);
          } else if constexpr (std::is_same_v<M, StdCommand T::*>) {
            obj.*m = ReadCommand(def, section, row.key);
          } else {
            obj.*m = ReadString(def, section, row.key, row.dflt);
          }
        },
        row.member);
  }
}

namespace keytable_detail {
template <class T>
void writeRow(SkinDefinition& def, const std::string& section, const KeyDef<T>& row, const T& obj) {
  std::visit(
      [&]([[maybe_unused]] auto m) {
        using M = decltype(m);
        if constexpr (std::is_same_v<M, FontGroupTag>) {
          if constexpr (std::is_base_of_v<FontKeys, T>) writeFontKeys(def, section, obj);
        } else if constexpr (std::is_same_v<M, int T::*>) {
          WriteInteger(def, section, row.key, obj.*m);
        } else if constexpr (std::is_same_v<M, gfx::Color T::*>) {
          WriteColor(def, section, row.key, obj.*m);
        } else if constexpr (std::is_same_v<M, bool T::*>) {
          WriteBoolean(def, section, row.key, obj.*m);
        } else if constexpr (std::is_same_v<M, gfx::Rect T::*>) {
          WriteRect(def, section, row.key, obj.*m);
        } else if constexpr (std::is_same_v<M, gfx::Point T::*>) {
          WritePoint(def, section, row.key, obj.*m);
        } else if constexpr (std::is_same_v<M, FontStyles T::*>) {
          WriteFontStyles(def, section, row.key, obj.*m);
        } else if constexpr (std::is_same_v<M, TextAlignment T::*>) {
          WriteAlignment(def, section, row.key, obj.*m);
        } else if constexpr (std::is_same_v<M, InactiveEffect T::*>) {
          WriteInactiveEffect(def, section, row.key, obj.*m);
        } else if constexpr (std::is_same_v<M, MorphKind T::*>) {
          WriteMorphKind(def, section, row.key, obj.*m);
        } else if constexpr (std::is_same_v<M, StdCommand T::*>) {
          WriteCommand(def, section, row.key, obj.*m);
        } else {
          WriteString(def, section, row.key, obj.*m);
        }
      },
      row.member);
}
}  // namespace keytable_detail

// Writes the rows into section, in row order except for rows that name a
// writeAfter key.
template <class T>
void WriteKeys(SkinDefinition& def, const std::string& section, std::span<const KeyDef<T>> rows,
               const T& obj) {
  const auto writeFollowers = [&](const char* key) {
    for (const KeyDef<T>& row : rows) {
      if (row.writeAfter != nullptr && std::string_view(row.writeAfter) == key) {
        keytable_detail::writeRow(def, section, row, obj);
      }
    }
  };
  for (const KeyDef<T>& row : rows) {
    if (row.writeAfter != nullptr) continue;
    keytable_detail::writeRow(def, section, row, obj);
    writeFollowers(row.key);
  }
}

}  // namespace skin

// The new-folder glyph as rows of pixels. A dark outline and a warm fill
// keep the folder readable on the light tool bars and on the dark one, and
// the plus has a dark rim of its own for the same reason. No soft edges:
// the button leaves out one colour, so a blended pixel would show a fringe.
#include "skin/dialogs/new_folder_glyph.h"

#include <array>
#include <string_view>

namespace skin {

namespace {

constexpr int kSize = 16;

// '.' transparent, 'o' folder outline, 'h' back and tab, 'l' lit top edge of
// the front, 'b' front, 's' shaded bottom of the front, 'G' rim of the plus,
// 'g' the plus.
constexpr std::array<std::string_view, kSize> kRows = {
    "...........GGG..",  //
    "...........GgG..",  //
    ".........GGGgGGG",  //
    ".oooo....GgggggG",  //
    "ohhhho...GGGgGGG",  //
    "ohhhhhoooooGgG..",  //
    "ollllllllllGGG..",  //
    "obbbbbbbbbbbbo..",  //
    "obbbbbbbbbbbbo..",  //
    "obbbbbbbbbbbbo..",  //
    "obbbbbbbbbbbbo..",  //
    "obbbbbbbbbbbbo..",  //
    "obbbbbbbbbbbbo..",  //
    "osssssssssssso..",  //
    "oooooooooooooo..",  //
    "................",  //
};

struct InkOf {
  char key;
  gfx::Color color;
};
constexpr std::array<InkOf, 7> kInks = {{
    {'o', gfx::Color::rgb(138, 88, 12)},
    {'h', gfx::Color::rgb(246, 204, 104)},
    {'l', gfx::Color::rgb(255, 238, 178)},
    {'b', gfx::Color::rgb(252, 208, 84)},
    {'s', gfx::Color::rgb(226, 168, 44)},
    {'G', gfx::Color::rgb(22, 104, 34)},
    {'g', gfx::Color::rgb(86, 204, 74)},
}};
// The transparent colour, used by no other pixel.
constexpr gfx::Color kTransparent = gfx::Color::rgb(255, 0, 255);

gfx::Color Ink(char c) {
  for (const InkOf& ink : kInks)
    if (ink.key == c) return ink.color;
  return kTransparent;
}

}  // namespace

gfx::Bitmap NewFolderGlyph() {
  gfx::Bitmap glyph(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      glyph.setPixel(x, y, Ink(kRows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]));
  return glyph;
}

}  // namespace skin

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

gfx::Color Ink(char c) {
  switch (c) {
    case 'o':
      return gfx::Color::rgb(138, 88, 12);
    case 'h':
      return gfx::Color::rgb(246, 204, 104);
    case 'l':
      return gfx::Color::rgb(255, 238, 178);
    case 'b':
      return gfx::Color::rgb(252, 208, 84);
    case 's':
      return gfx::Color::rgb(226, 168, 44);
    case 'G':
      return gfx::Color::rgb(22, 104, 34);
    case 'g':
      return gfx::Color::rgb(86, 204, 74);
    default:
      // The transparent colour, used by no other pixel.
      return gfx::Color::rgb(255, 0, 255);
  }
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

// Builds one skin from its description: paints every picture and writes the
// definition that places the frame, objects and controls in them. The result
// is written as a skin folder (skin.ini and BMP files) that the package
// builder turns into a skin package.
#pragma once

#include <string>
#include <vector>

#include "ini_writer.h"
#include "skin_style.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/bmp.h"

namespace skingen {

struct SkinPicture {
  std::string file;  // file name in the skin folder
  gfx::Bitmap bitmap;
  int bits = 24;  // 24, 8 (a colour table of 255 entries) or 1 (a mask)
};

struct BuiltSkin {
  std::string definition;  // skin.ini, CR LF line ends
  SkinPicture picture;
  SkinPicture inactivePicture;  // empty bitmap: none
  SkinPicture mask;             // empty bitmap: none
  std::vector<SkinPicture> activePictures;
};

BuiltSkin BuildSkin(const SkinStyle& style);

// The stored form of a picture: 8-bit pictures get a colour table of exactly
// 255 entries holding every colour they use (the painting keeps them below
// that), masks black and white.
gfx::BmpFormat StoredFormatOf(const SkinPicture& picture);

// Writes skin.ini and the BMP files into dir (created when missing).
void WriteSkinFolder(const BuiltSkin& skin, const std::string& dir);

// Indexes of the active pictures every skin carries; further ones follow.
enum ActivePicture {
  kControlsPicture = 0,
  kButtonsPicture = 1,
  kPopupPicture = 2,
  kHintPicture = 3,
  kHintMaskPicture = 4,
};

}  // namespace skingen

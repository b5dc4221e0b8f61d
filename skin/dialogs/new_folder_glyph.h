// The picture of the folder dialog's new-folder button ("BS_NEWFOLDER"): a
// small folder with a green plus on its corner, drawn in code as a glyph
// strip of one cell whose bottom-left pixel gives the transparent colour.
#pragma once

#include "ui/graphics/bitmap.h"

namespace skin {

// 16 x 16; the same picture serves every state of the button.
gfx::Bitmap NewFolderGlyph();

}  // namespace skin

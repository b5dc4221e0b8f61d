// High-density screens: skins are pixel art, so the scale factor is rounded
// to a whole number and pictures are scaled pixel for pixel. Call before the
// QApplication is made.
#pragma once

namespace ui {

void PrepareHighDpi();

}  // namespace ui

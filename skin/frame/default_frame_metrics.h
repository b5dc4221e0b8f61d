// The fixed sizes and colours of the frame's plain default look, drawn when
// no skin is loaded, named once.
#pragma once

#include "ui/graphics/color.h"

namespace skin {

struct DefaultFrameLook {
  static constexpr int kBorder = 3;  // three nested one-pixel 3-D frames
  static constexpr int kCaptionHeight = 19;
  static constexpr int kToolCaptionHeight = 15;
  static constexpr int kButtonSize = 17;
  static constexpr int kToolButtonSize = 13;
  static constexpr int kButtonTop = 4;   // caption buttons start 4 pixels below the window top
  static constexpr int kMinWidth = 120;  // narrowest default frame when MinWidth is not set
};

// Frame and fills of hot and pressed elements in every default look.
constexpr gfx::Color kHotFrameColor = gfx::kNavy;
constexpr gfx::Color kHotFillColor = gfx::Color::rgb(182, 189, 210);      // 13811126
constexpr gfx::Color kPressedFillColor = gfx::Color::rgb(133, 147, 181);  // 11899781

constexpr int DefaultCaptionHeight(bool toolWindow) {
  return toolWindow ? DefaultFrameLook::kToolCaptionHeight : DefaultFrameLook::kCaptionHeight;
}
constexpr int DefaultButtonSize(bool toolWindow) {
  return toolWindow ? DefaultFrameLook::kToolButtonSize : DefaultFrameLook::kButtonSize;
}

}  // namespace skin

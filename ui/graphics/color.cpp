// The system colours of the classic desktop scheme, in one table.
#include "ui/graphics/color.h"

#include <array>

namespace gfx {

Color SystemColor(SysColor c) {
  static constexpr std::array<Color, static_cast<std::size_t>(SysColor::Count)> kTable = {
      Color::rgb(212, 208, 200),  // ScrollBar
      Color::rgb(58, 110, 165),   // Background
      Color::rgb(10, 36, 106),    // ActiveCaption
      Color::rgb(128, 128, 128),  // InactiveCaption
      Color::rgb(212, 208, 200),  // Menu
      Color::rgb(255, 255, 255),  // Window
      Color::rgb(0, 0, 0),        // WindowFrame
      Color::rgb(0, 0, 0),        // MenuText
      Color::rgb(0, 0, 0),        // WindowText
      Color::rgb(255, 255, 255),  // CaptionText
      Color::rgb(212, 208, 200),  // ActiveBorder
      Color::rgb(212, 208, 200),  // InactiveBorder
      Color::rgb(128, 128, 128),  // AppWorkspace
      Color::rgb(10, 36, 106),    // Highlight
      Color::rgb(255, 255, 255),  // HighlightText
      Color::rgb(212, 208, 200),  // ButtonFace
      Color::rgb(128, 128, 128),  // ButtonShadow
      Color::rgb(128, 128, 128),  // GrayText
      Color::rgb(0, 0, 0),        // ButtonText
      Color::rgb(212, 208, 200),  // InactiveCaptionText
      Color::rgb(255, 255, 255),  // ButtonHighlight
      Color::rgb(64, 64, 64),     // DarkShadow3D
      Color::rgb(212, 208, 200),  // Light3D
      Color::rgb(0, 0, 0),        // InfoText
      Color::rgb(255, 255, 225),  // InfoBackground
      Color::rgb(0, 0, 128),      // HotLight
      Color::rgb(166, 202, 240),  // GradientActiveCaption
      Color::rgb(192, 192, 192),  // GradientInactiveCaption
  };
  const auto i = static_cast<std::size_t>(c);
  return i < kTable.size() ? kTable[i] : kBlack;
}

}  // namespace gfx

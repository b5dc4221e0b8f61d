// Colours as the skin definitions write them: red + 256 * green + 65536 * blue,
// and the one table of system colours used by every default look.
#pragma once

#include <cstdint>

namespace gfx {

struct Color {
  std::uint32_t value = 0;  // 0x00BBGGRR

  constexpr Color() = default;
  constexpr explicit Color(std::uint32_t v) : value(v & 0xFFFFFFu) {}
  static constexpr Color rgb(int r, int g, int b) {
    return Color(static_cast<std::uint32_t>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16)));
  }
  constexpr int red() const { return static_cast<int>(value & 255u); }
  constexpr int green() const { return static_cast<int>((value >> 8) & 255u); }
  constexpr int blue() const { return static_cast<int>((value >> 16) & 255u); }
  constexpr bool operator==(const Color&) const = default;

  // The pixel word of a 32-bit buffer row (0xFFRRGGBB) and back.
  constexpr std::uint32_t toPixel() const {
    return 0xFF000000u | (static_cast<std::uint32_t>(red()) << 16) |
           (static_cast<std::uint32_t>(green()) << 8) | static_cast<std::uint32_t>(blue());
  }
  static constexpr Color fromPixel(std::uint32_t p) {
    return rgb(static_cast<int>((p >> 16) & 255u), static_cast<int>((p >> 8) & 255u),
               static_cast<int>(p & 255u));
  }
};

constexpr Color kBlack = Color::rgb(0, 0, 0);
constexpr Color kWhite = Color::rgb(255, 255, 255);
constexpr Color kNavy = Color::rgb(0, 0, 128);
constexpr Color kRed = Color::rgb(255, 0, 0);

// The system colours of the classic desktop scheme. Default looks name these,
// never literal values, so that one table decides what they are.
enum class SysColor {
  ScrollBar,
  Background,
  ActiveCaption,
  InactiveCaption,
  Menu,
  Window,
  WindowFrame,
  MenuText,
  WindowText,
  CaptionText,
  ActiveBorder,
  InactiveBorder,
  AppWorkspace,
  Highlight,
  HighlightText,
  ButtonFace,
  ButtonShadow,
  GrayText,
  ButtonText,
  InactiveCaptionText,
  ButtonHighlight,
  DarkShadow3D,
  Light3D,
  InfoText,
  InfoBackground,
  HotLight,
  GradientActiveCaption,
  GradientInactiveCaption,
  Count
};

// The colour of one system colour.
Color SystemColor(SysColor c);

}  // namespace gfx

// The six built-in skins as designed: light blue, light green, vivid purple,
// orange-yellow, black crystal and a plain grey-white.
#include "skin_style.h"

namespace skingen {

namespace {

// Colours are written as 0xRRGGBB here, the way a designer reads them.
constexpr Color H(unsigned rgb) {
  return Color::rgb(static_cast<int>((rgb >> 16) & 255), static_cast<int>((rgb >> 8) & 255),
                    static_cast<int>(rgb & 255));
}

// The inactive caption of skins that paint no inactive picture repeats the
// active one; only the black crystal paints its own.
void SameInactive(SkinColors& c) {
  c.inactiveTop = c.captionTop;
  c.inactiveUpper = c.captionUpper;
  c.inactiveLower = c.captionLower;
  c.inactiveBottom = c.captionBottom;
}

SkinStyle LightBlue() {
  SkinStyle s;
  s.id = "red";
  s.displayName = "Light Blue";
  s.comments = "Pale sky-blue glass caption, soft blue controls.";
  SkinColors& c = s.colors;
  c.captionTop = H(0xEEF6FF), c.captionUpper = H(0xCFE3FA), c.captionLower = H(0xABCDF3),
  c.captionBottom = H(0xC2DBF7);
  SameInactive(c);
  c.captionText = H(0x173659), c.captionTextInactive = H(0x2C4668), c.captionShadow = H(0xF4F9FF);
  c.frameOuter = H(0x5783B5), c.frameFace = H(0xB9D3F1), c.client = H(0xEEF4FB);
  c.face = H(0xD9E8F8), c.accent = H(0x3C8CDE), c.select = H(0x3A82D2), c.selectText = H(0xFFFFFF);
  c.text = H(0x1C2A3A), c.field = H(0xFFFFFF), c.fieldText = H(0x1C2A3A);
  c.glyph = H(0x24456C), c.glyphHot = H(0x0C2B52), c.buttonFace = H(0xD6E7FA);
  c.closeHot = H(0xE0504A), c.menu = H(0xFAFCFF), c.hint = H(0xFFFDEA), c.hintText = H(0x3A3626);
  s.captionHeight = 26, s.borderWidth = 4;
  s.buttonMorph = true, s.buttonMorphKind = "mkdefault";
  s.inactiveEffect = "iebrightness";
  s.captionShadow = true;
  s.gloss = 1.0;
  return s;
}

SkinStyle LightGreen() {
  SkinStyle s;
  s.id = "green";
  s.displayName = "Light Green";
  s.comments = "Fresh spring-green glass caption, mint controls.";
  SkinColors& c = s.colors;
  c.captionTop = H(0xF1FAEB), c.captionUpper = H(0xD5EEC7), c.captionLower = H(0xB0DB9B),
  c.captionBottom = H(0xC3E5B1);
  SameInactive(c);
  c.captionText = H(0x1E4818), c.captionTextInactive = H(0x4E6A48), c.captionShadow = H(0xF6FCF2);
  c.frameOuter = H(0x5C9850), c.frameFace = H(0xBFE0AF), c.client = H(0xF1F7EC);
  c.face = H(0xDEEED3), c.accent = H(0x48A037), c.select = H(0x4A9B3A), c.selectText = H(0xFFFFFF);
  c.text = H(0x21301F), c.field = H(0xFFFFFF), c.fieldText = H(0x21301F);
  c.glyph = H(0x2C5823), c.glyphHot = H(0x143D0F), c.buttonFace = H(0xD6ECC9);
  c.closeHot = H(0xD9534F), c.menu = H(0xFBFDF9), c.hint = H(0xFBFFF0), c.hintText = H(0x2E3A29);
  s.captionHeight = 26, s.borderWidth = 4;
  s.buttonWidth = 24, s.buttonHeight = 17, s.buttonRadius = 8, s.buttonsOffset = 2;
  s.controlRadius = 4;
  s.inactiveEffect = "iegrayscale";
  s.captionShadow = true;
  s.controlMorph = true, s.controlMorphKind = "mkdefault";
  s.popupMask = true;
  s.gloss = 1.0;
  return s;
}

SkinStyle VividPurple() {
  SkinStyle s;
  s.id = "blue";
  s.displayName = "Vivid Purple";
  s.comments = "Rich violet glass frame with rounded corners, lilac controls.";
  SkinColors& c = s.colors;
  c.captionTop = H(0xBD86EC), c.captionUpper = H(0x9A4DDA), c.captionLower = H(0x7422BD),
  c.captionBottom = H(0x8A3CD0);
  SameInactive(c);
  c.captionText = H(0xFFFFFF), c.captionTextInactive = H(0xE6D6F4), c.captionShadow = H(0x3A0868);
  c.frameOuter = H(0x43107A), c.frameFace = H(0x8C47CB), c.client = H(0xF6F0FB);
  c.face = H(0xE9DAF7), c.accent = H(0xA045DE), c.select = H(0x953CD3), c.selectText = H(0xFFFFFF);
  c.text = H(0x2D1A3F), c.field = H(0xFFFFFF), c.fieldText = H(0x2D1A3F);
  c.glyph = H(0xFFFFFF), c.glyphHot = H(0xFFFFFF), c.buttonFace = H(0xA262DE);
  c.closeHot = H(0xEE4468), c.menu = H(0xFCF9FE), c.hint = H(0xFFF6FD), c.hintText = H(0x48295A);
  s.captionHeight = 28, s.borderWidth = 5;
  s.cornerRadius = 9, s.bottomRadius = 4;
  s.buttonRadius = 4, s.controlRadius = 4;
  s.buttonMorph = true, s.buttonMorphKind = "mkgradient";
  s.inactiveEffect = "iedarkness";
  s.captionShadow = true;
  s.popupMask = true, s.backgroundTile = true;
  s.gloss = 1.0;
  return s;
}

SkinStyle OrangeYellow() {
  SkinStyle s;
  s.id = "wihte";
  s.displayName = "Orange Yellow";
  s.comments = "Warm amber glass caption, honey controls.";
  SkinColors& c = s.colors;
  c.captionTop = H(0xFFEDBA), c.captionUpper = H(0xFFD677), c.captionLower = H(0xFDB43C),
  c.captionBottom = H(0xFCC760);
  SameInactive(c);
  c.captionText = H(0x4A2800), c.captionTextInactive = H(0x5C3C12), c.captionShadow = H(0xFFF6DC);
  c.frameOuter = H(0xBB7612), c.frameFace = H(0xF7C867), c.client = H(0xFFF9EE);
  c.face = H(0xFCEAC4), c.accent = H(0xEE921A), c.select = H(0xE98C16), c.selectText = H(0xFFFFFF);
  c.text = H(0x3A2913), c.field = H(0xFFFFFF), c.fieldText = H(0x3A2913);
  c.glyph = H(0x673A00), c.glyphHot = H(0x452200), c.buttonFace = H(0xFFDB8C);
  c.closeHot = H(0xDE5236), c.menu = H(0xFFFCF5), c.hint = H(0xFFFBE6), c.hintText = H(0x4A3919);
  s.captionHeight = 24, s.borderWidth = 4;
  s.buttonWidth = 19, s.buttonHeight = 17, s.buttonsOffset = 2, s.buttonRadius = 2;
  s.controlRadius = 2;
  s.inactiveEffect = "iebrightness";
  s.captionShadow = true;
  s.gloss = 0.9;
  return s;
}

SkinStyle BlackCrystal() {
  SkinStyle s;
  s.id = "yellow";
  s.displayName = "Black Crystal";
  s.comments = "Dark glossy crystal with light text and an ice-blue accent.";
  s.dark = true;
  SkinColors& c = s.colors;
  c.captionTop = H(0x646871), c.captionUpper = H(0x35383F), c.captionLower = H(0x141518),
  c.captionBottom = H(0x23262B);
  c.inactiveTop = H(0x70737A), c.inactiveUpper = H(0x5A5D63), c.inactiveLower = H(0x46484D),
  c.inactiveBottom = H(0x4D5055);
  c.captionText = H(0xF3F5F9), c.captionTextInactive = H(0xB8BCC2), c.captionShadow = H(0x000000);
  c.frameOuter = H(0x050506), c.frameFace = H(0x2B2E34), c.client = H(0x2F3237);
  c.face = H(0x464A52), c.accent = H(0x55A8EC), c.select = H(0x3C7FC6), c.selectText = H(0xFFFFFF);
  c.text = H(0xE7E9ED), c.field = H(0x1E2024), c.fieldText = H(0xEDEFF3);
  c.glyph = H(0xD2D6DC), c.glyphHot = H(0xFFFFFF), c.buttonFace = H(0x3B3F46);
  c.closeHot = H(0xD23A3A), c.menu = H(0x2C2F34), c.hint = H(0x35383E), c.hintText = H(0xE9EBEF);
  s.captionHeight = 28, s.borderWidth = 5;
  s.cornerRadius = 7, s.bottomRadius = 3;
  s.inactivePicture = true;
  s.buttonMorph = true, s.buttonMorphKind = "mkrightgradient";
  s.controlMorph = true, s.controlMorphKind = "mkgradient";
  s.autoRenderInactive = false, s.inactiveEffect = "iedarkness";
  s.captionShadow = true;
  s.popupMask = true, s.backgroundTile = true;
  s.gloss = 0.42;
  return s;
}

SkinStyle PlainElegant() {
  SkinStyle s;
  s.id = "winxp";
  s.displayName = "Plain Elegant";
  s.comments = "Quiet light grey and white, thin lines, flat caption buttons.";
  SkinColors& c = s.colors;
  c.captionTop = H(0xFFFFFF), c.captionUpper = H(0xF8F8F8), c.captionLower = H(0xEEEEEE),
  c.captionBottom = H(0xF3F3F3);
  SameInactive(c);
  c.captionText = H(0x303030), c.captionTextInactive = H(0x7E7E7E), c.captionShadow = H(0xFFFFFF);
  c.frameOuter = H(0x9A9A9A), c.frameFace = H(0xEFEFEF), c.client = H(0xF7F7F7);
  c.face = H(0xF0F0F0), c.accent = H(0x7496C0), c.select = H(0x6C8BB3), c.selectText = H(0xFFFFFF);
  c.text = H(0x2A2A2A), c.field = H(0xFFFFFF), c.fieldText = H(0x2A2A2A);
  c.glyph = H(0x4E4E4E), c.glyphHot = H(0x1E1E1E), c.buttonFace = H(0xE4E4E4);
  c.closeHot = H(0xD9534F), c.menu = H(0xFFFFFF), c.hint = H(0xFFFFFF), c.hintText = H(0x333333);
  s.captionHeight = 24, s.borderWidth = 3;
  s.buttonShape = ButtonShape::Flat;
  s.accentCaptionLine = true;
  s.buttonWidth = 22, s.buttonHeight = 18, s.buttonsOffset = 0, s.buttonRadius = 2;
  s.controlRadius = 2;
  s.inactiveEffect = "iegrayscale";
  s.backgroundTile = true;
  s.gloss = 0.6;
  return s;
}

}  // namespace

const std::vector<SkinStyle>& BuiltinStyles() {
  static const std::vector<SkinStyle> styles = {LightBlue(),    LightGreen(),   VividPurple(),
                                                OrangeYellow(), BlackCrystal(), PlainElegant()};
  return styles;
}

}  // namespace skingen

// The small description from which the generator paints one skin: its
// colours, the shape of its frame and buttons, which pictures it carries and
// how its frame behaves while the window is inactive.
#pragma once

#include <string>
#include <vector>

#include "ui/graphics/color.h"

namespace skingen {

using gfx::Color;

// The handful of colours a designer picks; everything else is mixed from
// them (see SkinPalette).
struct SkinColors {
  // Caption bar, top to bottom: a glossy bar runs top -> upper, steps, and
  // runs lower -> bottom.
  Color captionTop, captionUpper, captionLower, captionBottom;
  // The caption of an inactive window, when the skin paints one itself.
  Color inactiveTop, inactiveUpper, inactiveLower, inactiveBottom;
  Color captionText, captionTextInactive, captionShadow;
  Color frameOuter;  // outline of the window
  Color frameFace;   // side and bottom borders
  Color client;      // window background
  Color face;        // control faces
  Color accent;      // hot borders, progress, focus
  Color select;      // selected items
  Color selectText;
  Color text;   // text on faces and the background
  Color field;  // inside of edit boxes and lists
  Color fieldText;
  Color glyph;  // caption button symbols
  Color glyphHot;
  Color buttonFace;  // caption button face
  Color closeHot;    // close button under the mouse
  Color menu;        // popup menu background
  Color hint;        // hint background
  Color hintText;
};

enum class ButtonShape {
  Glossy,  // a rounded glass button, always visible
  Flat,    // only the symbol until the mouse comes, then a soft plate
};

struct SkinStyle {
  std::string id;           // stored skin name: red, green, blue, wihte, yellow, winxp
  std::string displayName;  // [VERSION] skinname
  std::string comments;
  SkinColors colors;
  bool dark = false;  // light text on dark faces

  int captionHeight = 26;  // height of the caption band of the frame picture
  int borderWidth = 4;     // side and bottom borders
  int cornerRadius = 0;    // top corners of the frame; > 0 carries a mask
  int bottomRadius = 0;    // bottom corners of the frame (masked skins)
  int controlRadius = 3;   // corners of buttons and fields
  bool inactivePicture = false;

  ButtonShape buttonShape = ButtonShape::Glossy;
  int buttonWidth = 21, buttonHeight = 19;
  int buttonsOffset = 1;
  int buttonRadius = 3;
  bool buttonMorph = false;
  std::string buttonMorphKind = "mkdefault";
  bool controlMorph = false;
  std::string controlMorphKind = "mkdefault";

  bool autoRenderInactive = true;
  std::string inactiveEffect = "iebrightness";

  bool captionCentered = false;
  bool accentCaptionLine = false;  // the caption closes with a line in the accent colour
  bool captionShadow = false;
  double gloss = 0.5;  // strength of the glass highlight on faces

  bool popupMask = false;       // rounded popup menus, shaped by a mask picture
  bool backgroundTile = false;  // a textured window background picture
  std::string fontName = "宋体";
  int fontHeight = 12;
};

// The six built-in skins, in selector order: red, green, blue, wihte,
// yellow, winxp.
const std::vector<SkinStyle>& BuiltinStyles();

}  // namespace skingen

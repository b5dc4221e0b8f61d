// What the painters of one skin share while it is being built: the style,
// the colours mixed from it, the definition being written and the pictures
// painted so far.
#pragma once

#include <string>
#include <vector>

#include "ini_writer.h"
#include "skin_builder.h"
#include "skin_style.h"
#include "ui/graphics/bitmap.h"

namespace skingen {

// One look of a face: a glossy gradient, its outline and the light line
// just inside the outline.
struct FaceLook {
  Color top, upper, lower, bottom;
  Color border;
  Color light;
  Color text;
};

// Colours mixed from the designer's few.
struct SkinPalette {
  FaceLook normal, hot, down, disabled;
  FaceLook toolNormal;  // tool buttons at rest: almost the background
  Color fieldBorder, fieldHotBorder, fieldShadow, fieldDisabled;
  Color disabledText;
  Color shadow, highlight;  // the 3-D lines of panels and bevels
  Color selectSoft;         // selection of a list without the focus
  Color gutter;             // the icon column of popup menus
  Color menuBorder;
  Color grip;
};

SkinPalette MixPalette(const SkinStyle& s);

struct SkinBuild {
  const SkinStyle& style;
  SkinPalette pal;
  IniWriter ini;
  gfx::Bitmap frame, inactiveFrame, frameMask;
  std::vector<SkinPicture> active;
  std::vector<std::string> objects;   // "section:kind" entries
  std::vector<std::string> controls;  // "section:kind" entries
  int backgroundPicture = -1;         // index of the window background tile

  // Frame geometry shared by the frame, its buttons and its caption.
  int frameWidth = 0, frameHeight = 0;
  gfx::Rect buttonRow;  // [FORMINFO] captionrect

  explicit SkinBuild(const SkinStyle& s) : style(s), pal(MixPalette(s)) {}
  int addPicture(SkinPicture p) {
    active.push_back(std::move(p));
    return static_cast<int>(active.size()) - 1;
  }
};

// Paints a face in look `l` over what r already holds: gradient, light inner
// line and an outline whose corners of radius `radius` blend softly into the
// backdrop. Rows flatFrom..flatTo (relative to r) are kept identical because
// the composition tiles them; the gradient pauses there. gloss is the share
// of the height taken by the shining upper part.
void PaintFace(gfx::Bitmap& bmp, const gfx::Rect& r, const FaceLook& l, int radius,
               int flatFrom = -1, int flatTo = -1, double gloss = 0.5);

// The keys every skin object starts with: its hint, its active picture, where
// its normal image lies (skinRectInPicture: in the active picture rather than
// the frame picture), its normal, hot and inactive-window images and whether
// it morphs between them. Also enters the object in [SKINOBJECTS].
struct ObjectLooks {
  std::string hint;
  int activePicture = -1;
  bool skinRectInPicture = false;
  gfx::Rect normal, hot, inactive;
  bool morphing = false;
  std::string morphKind = "mkdefault";
};
void WriteObjectBase(SkinBuild& b, const std::string& name, const std::string& kind,
                     const ObjectLooks& looks);

// The painters of the parts of a skin, in the order BuildSkin runs them.
void BuildFrame(SkinBuild& b);
void BuildCaptionButtons(SkinBuild& b);
void BuildPopupAndHint(SkinBuild& b);
void BuildControls(SkinBuild& b);

}  // namespace skingen

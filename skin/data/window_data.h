// Data of the global sections that shape windows: [FORMINFO] (the skinned
// window frame, in main-picture coordinates) with its two adjustments,
// [POPUPWINDOW] (popup menu frames) and [HINTWINDOW] (hint frames and font),
// both in the coordinates of the active picture they name.
#pragma once

#include "skin/data/key_table.h"
#include "skin/data/skin_definition.h"
#include "skin/data/skin_values.h"

namespace skin {

struct SkinFormInfo {
  gfx::Point leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint;
  gfx::Rect clientRect;
  int bgPictureIndex = -1;
  int mdiBGPictureIndex = -1;
  bool leftStretch = false, rightStretch = false, topStretch = false, bottomStretch = false;
  gfx::Rect maskRectArea;
  gfx::Point hitTestLeftTopPoint, hitTestRightTopPoint, hitTestLeftBottomPoint,
      hitTestRightBottomPoint;
  gfx::Rect buttonsRect;
  gfx::Rect captionRect;
  int buttonsOffset = 0;
  bool buttonsInLeft = false;
  bool mainMenuPopupUp = false;
  int borderWidth = 0;
  bool autoRenderingInActiveImage = false;
  InactiveEffect inactiveEffect = InactiveEffect::Brightness;

  // Reads [FORMINFO] and applies the adjustments: with a mask picture the
  // mask area covers the client rect and null hit-test points take the
  // corner points; unless rightBottomPoint and leftTopPoint share an x or a
  // y, the corner points are pulled inside the client rect.
  void ReadSection(const SkinDefinition& def, bool hasMask);
  void WriteSection(SkinDefinition& def) const;
};

class TbsDataSkinPopupWindow {
 public:
  TbsDataSkinPopupWindow();
  void ReadSection(const SkinDefinition& def);
  void WriteSection(SkinDefinition& def) const;

  int windowPictureIndex = -1;  // -1: popup menus are not skinned
  int maskPictureIndex = -1;
  gfx::Point leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint;
  gfx::Rect itemsRect;
  gfx::Color scrollMarkerColor;
  gfx::Color scrollMarkerActiveColor;
  bool leftStretch = false, rightStretch = false, topStretch = false, bottomStretch = false;
};

class TbsDataSkinHintWindow : public FontKeys {
 public:
  TbsDataSkinHintWindow();
  void ReadSection(const SkinDefinition& def);
  void WriteSection(SkinDefinition& def) const;

  int windowPictureIndex = -1;  // -1: hints are not skinned
  int maskPictureIndex = -1;
  gfx::Point leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint;
  gfx::Rect clientRect;
  // fontName, fontHeight, fontStyle, fontColor
  bool leftStretch = false, rightStretch = false, topStretch = false, bottomStretch = false;
};

}  // namespace skin

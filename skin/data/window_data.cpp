// Key tables of [FORMINFO], [POPUPWINDOW] and [HINTWINDOW], and the two
// adjustments of the form information.
#include "skin/data/window_data.h"

#include <algorithm>

namespace skin {

namespace {

constexpr const char* kFormInfoSection = "FORMINFO";
constexpr const char* kPopupWindowSection = "POPUPWINDOW";
constexpr const char* kHintWindowSection = "HINTWINDOW";

using F = SkinFormInfo;
const KeyDef<F> kFormInfoKeys[] = {
    {"lefttoppoint", &F::leftTopPoint},
    {"righttoppoint", &F::rightTopPoint},
    {"leftbottompoint", &F::leftBottomPoint},
    {"rightbottompoint", &F::rightBottomPoint},
    {"clientrect", &F::clientRect},
    {"bgpictureindex", &F::bgPictureIndex, "-1"},
    {"mdibgpictureindex", &F::mdiBGPictureIndex, "-1"},
    {"leftstretch", &F::leftStretch},
    {"rightstretch", &F::rightStretch},
    {"topstretch", &F::topStretch},
    {"bottomstretch", &F::bottomStretch},
    {"maskrectarea", &F::maskRectArea},
    {"hittestlefttoppoint", &F::hitTestLeftTopPoint},
    {"hittestrighttoppoint", &F::hitTestRightTopPoint},
    {"hittestleftbottompoint", &F::hitTestLeftBottomPoint},
    {"hittestrightbottompoint", &F::hitTestRightBottomPoint},
    {"buttonsrect", &F::buttonsRect},
    {"captionrect", &F::captionRect},
    {"buttonsoffset", &F::buttonsOffset},
    {"buttonsinleft", &F::buttonsInLeft},
    {"mainmenupopupup", &F::mainMenuPopupUp},
    {"borderwidth", &F::borderWidth},
    {"autorenderinginactiveimage", &F::autoRenderingInActiveImage},
    {"inactiveeffect", &F::inactiveEffect, "iebrightness"},
};

using P = TbsDataSkinPopupWindow;
const KeyDef<P> kPopupWindowKeys[] = {
    {"windowpictureindex", &P::windowPictureIndex, "-1"},
    {"maskpictureindex", &P::maskPictureIndex, "-1"},
    {"lefttoppoint", &P::leftTopPoint},
    {"righttoppoint", &P::rightTopPoint},
    {"leftbottompoint", &P::leftBottomPoint},
    {"rightbottompoint", &P::rightBottomPoint},
    {"itemsrect", &P::itemsRect},
    {"scrollmarkercolor", &P::scrollMarkerColor},
    {"scrollmarkeractivecolor", &P::scrollMarkerActiveColor},
    {"leftstretch", &P::leftStretch},
    {"rightstretch", &P::rightStretch},
    {"topstretch", &P::topStretch},
    {"bottomstretch", &P::bottomStretch},
};

using H = TbsDataSkinHintWindow;
const KeyDef<H> kHintWindowKeys[] = {
    {"windowpictureindex", &H::windowPictureIndex, "-1"},
    {"maskpictureindex", &H::maskPictureIndex, "-1"},
    {"lefttoppoint", &H::leftTopPoint},
    {"righttoppoint", &H::rightTopPoint},
    {"leftbottompoint", &H::leftBottomPoint},
    {"rightbottompoint", &H::rightBottomPoint},
    {"clientrect", &H::clientRect},
    FontGroupRow<H>(),
    {"leftstretch", &H::leftStretch},
    {"rightstretch", &H::rightStretch},
    {"topstretch", &H::topStretch},
    {"bottomstretch", &H::bottomStretch},
};

}  // namespace

void SkinFormInfo::ReadSection(const SkinDefinition& def, bool hasMask) {
  ReadKeys<F>(def, kFormInfoSection, kFormInfoKeys, *this);
  if (hasMask) {
    // A masked frame is hit-tested against its mask area, which must at
    // least hold the client area; missing hit-test corners are the frame's.
    if (gfx::IsNullRect(maskRectArea)) {
      maskRectArea = clientRect;
    } else {
      maskRectArea.left = std::min(maskRectArea.left, clientRect.left);
      maskRectArea.top = std::min(maskRectArea.top, clientRect.top);
      maskRectArea.right = std::max(maskRectArea.right, clientRect.right);
      maskRectArea.bottom = std::max(maskRectArea.bottom, clientRect.bottom);
    }
    if (gfx::IsNullPoint(hitTestLeftTopPoint)) hitTestLeftTopPoint = leftTopPoint;
    if (gfx::IsNullPoint(hitTestRightTopPoint)) hitTestRightTopPoint = rightTopPoint;
    if (gfx::IsNullPoint(hitTestLeftBottomPoint)) hitTestLeftBottomPoint = leftBottomPoint;
    if (gfx::IsNullPoint(hitTestRightBottomPoint)) hitTestRightBottomPoint = rightBottomPoint;
  }
  // The corner pieces must not reach into the client area, unless the frame
  // has no resizable parts at all in one direction.
  if (rightBottomPoint.x != leftTopPoint.x && rightBottomPoint.y != leftTopPoint.y) {
    leftTopPoint.x = std::max(leftTopPoint.x, clientRect.left);
    leftBottomPoint.x = std::max(leftBottomPoint.x, clientRect.left);
    rightTopPoint.x = std::min(rightTopPoint.x, clientRect.right);
    rightBottomPoint.x = std::min(rightBottomPoint.x, clientRect.right);
    leftTopPoint.y = std::max(leftTopPoint.y, clientRect.top);
    rightTopPoint.y = std::max(rightTopPoint.y, clientRect.top);
    leftBottomPoint.y = std::min(leftBottomPoint.y, clientRect.bottom);
    rightBottomPoint.y = std::min(rightBottomPoint.y, clientRect.bottom);
  }
}

void SkinFormInfo::WriteSection(SkinDefinition& def) const {
  def.eraseSection(kFormInfoSection);
  WriteKeys<F>(def, kFormInfoSection, kFormInfoKeys, *this);
}

TbsDataSkinPopupWindow::TbsDataSkinPopupWindow() { ApplyKeyDefaults<P>(kPopupWindowKeys, *this); }

void TbsDataSkinPopupWindow::ReadSection(const SkinDefinition& def) {
  ReadKeys<P>(def, kPopupWindowSection, kPopupWindowKeys, *this);
}

void TbsDataSkinPopupWindow::WriteSection(SkinDefinition& def) const {
  def.eraseSection(kPopupWindowSection);
  WriteKeys<P>(def, kPopupWindowSection, kPopupWindowKeys, *this);
}

TbsDataSkinHintWindow::TbsDataSkinHintWindow() { ApplyKeyDefaults<H>(kHintWindowKeys, *this); }

void TbsDataSkinHintWindow::ReadSection(const SkinDefinition& def) {
  ReadKeys<H>(def, kHintWindowSection, kHintWindowKeys, *this);
}

void TbsDataSkinHintWindow::WriteSection(SkinDefinition& def) const {
  def.eraseSection(kHintWindowSection);
  WriteKeys<H>(def, kHintWindowSection, kHintWindowKeys, *this);
}

}  // namespace skin

// A small skinned frame used by the frame tests: a 200 x 100 frame picture
// with 10-pixel corner pieces, a caption band at the top and a client area
// inside a 5-pixel border.
#pragma once

#include "skin/data/window_data.h"
#include "ui/graphics/geometry.h"

namespace frametest {

constexpr gfx::Size kPicture{200, 100};

inline skin::SkinFormInfo SmallFrame() {
  skin::SkinFormInfo f;
  f.leftTopPoint = {10, 30};
  f.rightTopPoint = {190, 30};
  f.leftBottomPoint = {10, 90};
  f.rightBottomPoint = {190, 90};
  f.clientRect = {5, 25, 195, 95};
  f.captionRect = {5, 3, 195, 22};
  f.maskRectArea = {5, 25, 195, 95};
  f.hitTestLeftTopPoint = f.leftTopPoint;
  f.hitTestRightTopPoint = f.rightTopPoint;
  f.hitTestLeftBottomPoint = f.leftBottomPoint;
  f.hitTestRightBottomPoint = f.rightBottomPoint;
  f.buttonsOffset = 2;
  f.borderWidth = 4;
  return f;
}

}  // namespace frametest

// Placing a skin image's geometry at a new size.
#include "skin/draw/skin_image.h"

namespace skin {

SkinImageGeometry PlaceGeometry(const SkinImageGeometry& g, int dW, int dH) {
  SkinImageGeometry p = g;
  p.rightTop.x += dW;
  p.leftBottom.y += dH;
  p.rightBottom.x += dW;
  p.rightBottom.y += dH;
  p.clientRect.right += dW;
  p.clientRect.bottom += dH;
  return p;
}

}  // namespace skin

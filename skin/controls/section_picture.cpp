// Reading a section's picture keys and composing its picture by stretch kind.
#include "skin/controls/section_picture.h"

#include "skin/draw/frame_image.h"
#include "skin/draw/strip_image.h"

namespace skin {

void SectionPicture::read(const TbsSkinData& skin, const TbsDataSkinControl* section,
                          bool withMask) {
  clear();
  const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(section);
  if (custom == nullptr) {
    // A kind without picture keys has nothing to fit: it neither draws a
    // picture nor pins the control's size (as a fixed picture of no size
    // would, to nothing).
    geometry_.kind = StretchKind::None;
    return;
  }
  geometry_.skinRect = custom->skinRect;
  geometry_.points = {custom->leftTopPoint, custom->rightTopPoint, custom->leftBottomPoint,
                      custom->rightBottomPoint, custom->clientRect};
  geometry_.kind = DecideStretchKind(geometry_.skinRect, geometry_.points);
  picture_ = skin.ActivePicture(custom->pictureIndex);
  if (withMask) mask_ = skin.ActivePicture(custom->maskPictureIndex);
  pictureKind_ = geometry_.kind != StretchKind::None;
  placed_ = geometry_.points;
}

void SectionPicture::clear() {
  geometry_ = {};
  placed_ = {};
  picture_ = nullptr;
  mask_ = nullptr;
  pictureKind_ = false;
}

void SectionPicture::calcSkinSize(int& width, int& height) {
  const PlacedControlGeometry p = CalcSkinSize(geometry_, width, height, placed_);
  width = p.width;
  height = p.height;
  placed_ = p.placed;
}

void SectionPicture::placeFor(int width, int height) {
  placed_ = CalcSkinSize(geometry_, width, height, placed_).placed;
}

void SectionPicture::draw(gfx::Bitmap& dst, const gfx::Rect& src, int width, int height,
                          bool fillClient) const {
  if (picture_ == nullptr || width <= 0 || height <= 0) return;
  const SkinImageGeometry& s = geometry_.points;
  const int skinW = geometry_.skinWidth();
  const int skinH = geometry_.skinHeight();
  switch (geometry_.kind) {
    case StretchKind::None:
      return;
    case StretchKind::Fixed:
      dst.copyRect({0, 0, skinW, skinH}, *picture_,
                   {src.left, src.top, src.left + skinW, src.top + skinH});
      return;
    case StretchKind::Both: {
      const gfx::Rect r{src.left, src.top, src.left + skinW, src.top + skinH};
      if (dst.width() == width && dst.height() == height) {
        ComposeFrameImage(s, placed_, dst, *picture_, r, width, height, fillClient);
      } else {
        gfx::Bitmap b;
        ComposeFrameImage(s, placed_, b, *picture_, r, width, height, fillClient);
        dst.draw(0, 0, b);
      }
      return;
    }
    case StretchKind::Horizontal: {
      // Composed straight into the control's bitmap when it has the strip's
      // size, as it has whenever the bounds were pinned by the section.
      const gfx::Rect r{src.left, src.top, src.left + skinW, src.top + skinH};
      if (dst.width() == width && dst.height() == skinH) {
        ComposeHorzStrip(s.leftTop.x, skinW - s.rightTop.x, dst, *picture_, r, width);
      } else {
        gfx::Bitmap b;
        ComposeHorzStrip(s.leftTop.x, skinW - s.rightTop.x, b, *picture_, r, width);
        dst.draw(0, 0, b);
      }
      return;
    }
    case StretchKind::Vertical: {
      const gfx::Rect r{src.left, src.top, src.left + skinW, src.top + skinH};
      if (dst.width() == skinW && dst.height() == height) {
        ComposeVertStrip(s.leftTop.y, skinH - s.leftBottom.y, dst, *picture_, r, height);
      } else {
        gfx::Bitmap b;
        ComposeVertStrip(s.leftTop.y, skinH - s.leftBottom.y, b, *picture_, r, height);
        dst.draw(0, 0, b);
      }
      return;
    }
  }
}

}  // namespace skin

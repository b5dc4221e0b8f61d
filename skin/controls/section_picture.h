// The picture side of a control section as a skinned control keeps it:
// copies of the section's skinrect, corner points and client rect, the
// pictures the section names, the stretch kind, and the points placed for
// the control's current size. The windowed and windowless custom bases
// share it, and it composes the control image by the stretch kind.
#pragma once

#include "skin/data/skin_data.h"
#include "skin/draw/control_geometry.h"
#include "ui/graphics/bitmap.h"

namespace skin {

class SectionPicture {
 public:
  // Copies the picture keys of section (null: none) and resolves its
  // pictures in skin; withMask also resolves the mask picture. A section of
  // a kind without picture keys gives no stretch kind and no pictures.
  void read(const TbsSkinData& skin, const TbsDataSkinControl* section, bool withMask);
  void clear();

  const ControlSkinGeometry& geometry() const { return geometry_; }
  StretchKind stretchKind() const { return geometry_.kind; }
  const gfx::Rect& skinRect() const { return geometry_.skinRect; }
  const SkinImageGeometry& points() const { return geometry_.points; }
  const gfx::Bitmap* picture() const { return picture_; }
  const gfx::Bitmap* maskPicture() const { return mask_; }
  // A section of a picture kind whose picture is missing (index -1 or past
  // the list) while its skinrect is not empty: the control draws its
  // default look for it.
  bool pictureMissing() const { return pictureKind_ && picture_ == nullptr; }

  const SkinImageGeometry& placed() const { return placed_; }
  const gfx::Rect& placedClientRect() const { return placed_.clientRect; }
  // Runs CalcSkinSize for the proposed size: adjusts it and places the points.
  void calcSkinSize(int& width, int& height);
  // Places the points for a size without changing it (a new section read
  // for a control whose size was fixed before).
  void placeFor(int width, int height);

  // Composes src, an area of the section picture with skinrect's size (the
  // skinrect itself or a state picture), into dst at width x height by the
  // stretch kind; dst is the control's bitmap of that size. With
  // fillClient the nine-part image draws its client area too.
  void draw(gfx::Bitmap& dst, const gfx::Rect& src, int width, int height,
            bool fillClient = true) const;

  // Maps a rect in picture coordinates to the control of width x height.
  gfx::Rect mapSkinRect(const gfx::Rect& r, int width, int height) const {
    return MapSkinRect(geometry_, width, height, r);
  }

 private:
  ControlSkinGeometry geometry_;
  SkinImageGeometry placed_;
  const gfx::Bitmap* picture_ = nullptr;
  const gfx::Bitmap* mask_ = nullptr;
  bool pictureKind_ = false;
};

}  // namespace skin

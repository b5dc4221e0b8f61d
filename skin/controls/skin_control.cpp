// The skinned control bases: section lookup, painting, skin changes, the
// section's picture geometry, bounds pinning and the window region.
#include "skin/controls/skin_control.h"

#include "skin/draw/control_geometry.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/color.h"

namespace skin {

// --- SkinControlLayer ---------------------------------------------------------

template <class Base>
SkinControlLayer<Base>::~SkinControlLayer() {
  if (skinData_ != nullptr) skinData_->removeRemovalListener(this);
}

template <class Base>
const TbsDataSkinControl* SkinControlLayer<Base>::Section() const {
  if (skinData_ == nullptr || sectionIndex_ < 0) return nullptr;
  const auto& list = skinData_->ControlDataList();
  if (sectionIndex_ >= static_cast<int>(list.size())) return nullptr;
  return list[static_cast<std::size_t>(sectionIndex_)].get();
}

template <class Base>
void SkinControlLayer<Base>::ReadSkinSection() {
  if (skinData_ == nullptr || skinData_->Empty()) {
    sectionIndex_ = -1;
  } else {
    sectionIndex_ = skinData_->FindControlData(skinDataName_);
  }
}

template <class Base>
void SkinControlLayer<Base>::SetSkinDataName(const std::string& name) {
  skinDataName_ = name;
}

template <class Base>
void SkinControlLayer<Base>::SetSkinData(TbsSkinData* data) {
  if (data != skinData_) {
    if (skinData_ != nullptr) skinData_->removeRemovalListener(this);
    skinData_ = data;
    if (skinData_ != nullptr) skinData_->addRemovalListener(this);
  }
  if (skinData_ != nullptr && !skinData_->Empty() && !skinData_->designing()) ChangeSkinData();
}

template <class Base>
void SkinControlLayer<Base>::DrawDefaultImage(gfx::Bitmap& bitmap) {
  bitmap.fillRect(this->clientRect(), gfx::SystemColor(gfx::SysColor::ButtonFace));
}

template <class Base>
void SkinControlLayer<Base>::DrawSkinImage(gfx::Bitmap&) {}

template <class Base>
void SkinControlLayer<Base>::ChangeSkinData() {
  ReadSkinSection();
  this->invalidate();
}

template <class Base>
void SkinControlLayer<Base>::BeforeChangeSkinData() {
  sectionIndex_ = -1;
}

template <class Base>
void SkinControlLayer<Base>::paint(gfx::Canvas& canvas) {
  if (this->width() <= 0 || this->height() <= 0) return;
  painting_ = true;
  ReadSkinSection();
  // The framework hands every paint a fresh bitmap of the control's size:
  // it is the control's off-screen bitmap, copied to the screen in one go.
  gfx::Bitmap& bitmap = canvas.bitmap();
  if (sectionIndex_ == -1) {
    DrawDefaultImage(bitmap);
  } else {
    DrawSkinImage(bitmap);
  }
  painting_ = false;
}

template <class Base>
void SkinControlLayer<Base>::eraseBackground(gfx::Canvas&) {}

template <class Base>
void SkinControlLayer<Base>::mouseEnter() {
  Base::mouseEnter();
  if (OnMouseEnter) OnMouseEnter(*this);
}

template <class Base>
void SkinControlLayer<Base>::mouseLeave() {
  Base::mouseLeave();
  if (OnMouseLeave) OnMouseLeave(*this);
}

template <class Base>
void SkinControlLayer<Base>::componentRemoved(DataComponent& component) {
  if (&component != skinData_) return;
  skinData_ = nullptr;
  BeforeChangeSkinData();
  this->invalidate();
}

// --- SkinCustomLayer ---------------------------------------------------------

template <class Base>
void SkinCustomLayer<Base>::setDefaultFont(const gfx::Font& font) {
  defaultFont_ = font;
  DefaultFontChanged();
  if (this->sectionIndex_ == -1) this->invalidate();
}

template <class Base>
void SkinCustomLayer<Base>::setDefaultWidth(int width) {
  defaultWidth_ = width;
  if (this->sectionIndex_ == -1 && width > 0) this->setWidth(width);
}

template <class Base>
void SkinCustomLayer<Base>::setDefaultHeight(int height) {
  defaultHeight_ = height;
  if (this->sectionIndex_ == -1 && height > 0) this->setHeight(height);
}

template <class Base>
void SkinCustomLayer<Base>::setUseSkinFont(bool on) {
  if (useSkinFont_ == on) return;
  useSkinFont_ = on;
  this->invalidate();
}

template <class Base>
void SkinCustomLayer<Base>::ReadSkinSection() {
  Base::ReadSkinSection();
  if (this->sectionIndex_ == -1) {
    picture_.clear();
    return;
  }
  picture_.read(*this->SkinData(), this->Section(), std::is_base_of_v<ui::WinControl, Base>);
  if (picture_.pictureMissing()) {
    this->sectionIndex_ = -1;
    picture_.clear();
    return;
  }
  // A section found for the first time (or another one) is placed for the
  // size the control has, so that its first paint is composed right.
  picture_.placeFor(this->width(), this->height());
}

template <class Base>
void SkinCustomLayer<Base>::ChangeSkinData() {
  ReadSkinSection();
  bool sizeChanged = false;
  if (this->sectionIndex_ == -1) {
    const int w = defaultWidth_ > 0 ? defaultWidth_ : this->width();
    const int h = defaultHeight_ > 0 ? defaultHeight_ : this->height();
    if (w != this->width() || h != this->height()) {
      this->setBounds(this->left(), this->top(), w, h);
    }
  } else {
    int w = this->width();
    int h = this->height();
    CalcSkinSize(w, h);
    if (w != this->width() || h != this->height()) {
      sizeChanged = true;
      this->setBounds(this->left(), this->top(), w, h);
    }
  }
  if (!sizeChanged || this->sectionIndex_ == -1) {
    regionChanged();
    this->invalidate();
  }
}

template <class Base>
void SkinCustomLayer<Base>::BeforeChangeSkinData() {
  Base::BeforeChangeSkinData();
  picture_.clear();
}

template <class Base>
void SkinCustomLayer<Base>::DrawSkinImage(gfx::Bitmap& bitmap) {
  drawSkinArea(bitmap, picture_.skinRect());
}

template <class Base>
void SkinCustomLayer<Base>::drawSkinArea(gfx::Bitmap& bitmap, const gfx::Rect& area,
                                         bool fillClient) const {
  const gfx::Rect src = gfx::IsNullRect(area) ? picture_.skinRect() : area;
  picture_.draw(bitmap, src, this->width(), this->height(), fillClient);
}

template <class Base>
void SkinCustomLayer<Base>::CalcSkinSize(int& width, int& height) {
  picture_.calcSkinSize(width, height);
}

template <class Base>
void SkinCustomLayer<Base>::setBounds(int left, int top, int width, int height) {
  ReadSkinSection();
  const bool sizeChanged = width != this->width() || height != this->height();
  const bool skinned = this->sectionIndex_ != -1;
  if (sizeChanged && skinned) CalcSkinSize(width, height);
  Base::setBounds(left, top, width, height);
  if (sizeChanged && skinned) {
    regionChanged();
    this->invalidate();
  }
}

template class SkinControlLayer<ui::WinControl>;
template class SkinControlLayer<ui::GraphicControl>;
template class SkinCustomLayer<SkinControlLayer<ui::WinControl>>;
template class SkinCustomLayer<SkinControlLayer<ui::GraphicControl>>;
template class SkinControlLayer<ui::WidgetHost>;
template class SkinCustomLayer<SkinControlLayer<ui::WidgetHost>>;

// --- TbsSkinCustomControl ----------------------------------------------------

TbsSkinCustomControl::TbsSkinCustomControl(ui::Component* owner, ui::WindowKind kind)
    : SkinCustomLayer(owner, kind) {}

TbsSkinCustomControl::~TbsSkinCustomControl() = default;

void TbsSkinCustomControl::UpdateRegion() {
  const gfx::Bitmap* mask = MaskPicture();
  if (mask == nullptr || sectionIndex_ == -1) {
    if (hasRegion()) clearRegion();
    return;
  }
  const std::optional<gfx::Region> region =
      BuildControlRegion(sectionPicture().geometry(), PlacedPoints(), *mask, width(), height());
  if (region) {
    setRegion(*region);
  } else if (hasRegion()) {
    // No region for this size (smaller than the corner pieces): rectangular.
    clearRegion();
  }
}

}  // namespace skin

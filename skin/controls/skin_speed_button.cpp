// The speed button's looks: the skinned state pictures, the transparent
// look that draws only glyph and caption, the flat default look, and the
// tool bar's image-list pictures.
#include "skin/controls/skin_speed_button.h"

#include "ui/graphics/canvas.h"

namespace skin {

TbsSkinSpeedButton::TbsSkinSpeedButton(ui::Component* owner) : SkinButtonLayer(owner) {
  SetSkinDataName("toolbutton");
  setBounds(0, 0, 25, 25);
}

void TbsSkinSpeedButton::setShowCaption(bool on) {
  if (on == showCaption_) return;
  showCaption_ = on;
  if (widthWithCaption_ > 0 && widthWithoutCaption_ > 0) {
    setWidth(on ? widthWithCaption_ : widthWithoutCaption_);
  }
  invalidate();
}

void TbsSkinSpeedButton::setTransparentLook(bool on) {
  transparent_ = on;
  setTransparent(on);
  if (on) {
    stopMorph();
    setMorphLevelEnd(false);
  }
  invalidate();
}

void TbsSkinSpeedButton::setFlat(bool on) {
  flat_ = on;
  setTransparentLook(on);
}

void TbsSkinSpeedButton::setImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  invalidate();
}

ButtonFacts TbsSkinSpeedButton::facts() const {
  ButtonFacts f = SkinButtonLayer::facts();
  f.transparent = transparent_;
  if (transparent_) f.morphing = false;
  return f;
}

void TbsSkinSpeedButton::ButtonClick() {
  if (OnClick) {
    OnClick(*this);
  } else if (Action() != nullptr) {
    Action()->execute();
  }
}

void TbsSkinSpeedButton::ReadSkinSection() { SkinButtonLayer::ReadSkinSection(); }

bool TbsSkinSpeedButton::morphApplies() const {
  // A transparent button has no background to fade.
  return !transparent_ && SkinButtonLayer::morphApplies();
}

const ui::ImageList* TbsSkinSpeedButton::imageList(bool* greyed) const {
  *greyed = false;
  if (!Glyph().empty()) return nullptr;
  const auto* source = dynamic_cast<const TbsSpeedButtonImages*>(parent());
  if (source == nullptr) return nullptr;
  const bool hot = MouseOver() || Down();
  if (hot && enabled() && source->HotImages() != nullptr) return source->HotImages();
  if (!enabled() && source->DisabledImages() != nullptr) return source->DisabledImages();
  *greyed = !enabled();
  return source->Images();
}

gfx::Size TbsSkinSpeedButton::glyphSize() const {
  bool greyed = false;
  if (const ui::ImageList* list = imageList(&greyed)) {
    if (imageIndex_ >= 0 && imageIndex_ < list->count()) return {list->width(), list->height()};
    return {};
  }
  return SkinButtonLayer::glyphSize();
}

void TbsSkinSpeedButton::drawGlyph(gfx::Canvas& canvas, int x, int y, int cell) {
  bool greyed = false;
  if (const ui::ImageList* list = imageList(&greyed)) {
    list->draw(canvas, x, y, imageIndex_, !greyed);
    return;
  }
  SkinButtonLayer::drawGlyph(canvas, x, y, cell);
}

void TbsSkinSpeedButton::DrawSkinImage(gfx::Bitmap& bitmap) {
  const ButtonSectionValues* v = buttonValues();
  const ButtonFacts f = facts();
  switch (SpeedButtonPicture(f)) {
    case ButtonPicture::Morph:
      drawMorph(bitmap);
      break;
    case ButtonPicture::Down:
      DrawStateImage(bitmap, v ? v->downSkinRect : SkinRect(), true, true);
      break;
    case ButtonPicture::Active:
      DrawStateImage(bitmap, v ? v->activeSkinRect : SkinRect(), true, false);
      break;
    case ButtonPicture::None: {
      // Glyph and caption only, in the section's face and the normal (or
      // disabled) colour: the parent shows through everywhere else.
      gfx::Canvas canvas(bitmap);
      canvas.setFont(stateFont(stateFontColor(false, false)));
      const int cell = GlyphCellFor(NumGlyphs(), false, Down(), !enabled());
      drawGlyphAndCaption(canvas, PlacedClientRect(), cell, false, showCaption_);
      break;
    }
    case ButtonPicture::Normal:
      DrawStateImage(bitmap, SkinRect(), false, false);
      break;
    case ButtonPicture::Disabled:
      DrawStateImage(bitmap,
                     v && !gfx::IsNullRect(v->disabledSkinRect) ? v->disabledSkinRect : SkinRect(),
                     false, false);
      break;
  }
}

void TbsSkinSpeedButton::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  const ButtonFacts f = facts();
  const gfx::Rect r = clientRect();
  const DefaultButtonLook look = DefaultButtonLookFor(f);
  if (look != DefaultButtonLook::Normal) {
    DrawDefaultButtonFace(canvas, r, look);
  } else if (!flat_) {
    DrawDefaultButtonFace(canvas, r, DefaultButtonLook::Normal);
  } else if (!transparent_) {
    canvas.fillRect(r, gfx::SystemColor(gfx::SysColor::ButtonFace));
  }
  gfx::Font font = stateFont(gfx::SystemColor(gfx::SysColor::ButtonText));
  font.color = enabled() ? DefaultFont().color : gfx::SystemColor(gfx::SysColor::ButtonShadow);
  canvas.setFont(font);
  const int cell = GlyphCellFor(NumGlyphs(), MouseOver(), Down(), !enabled());
  drawGlyphAndCaption(canvas, r, cell, look == DefaultButtonLook::Pressed, showCaption_);
}

}  // namespace skin

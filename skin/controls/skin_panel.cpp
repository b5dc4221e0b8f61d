// The skinned panel and group box.
#include "skin/controls/skin_panel.h"

#include <algorithm>

#include "skin/controls/skin_font.h"
#include "skin/draw/glyphs.h"
#include "skin/draw/tiling.h"
#include "ui/graphics/color.h"

namespace skin {

namespace {

gfx::Color Sys(gfx::SysColor c) { return gfx::SystemColor(c); }

gfx::Rect Inflate(const gfx::Rect& r, int d) {
  return {r.left + d, r.top + d, r.right - d, r.bottom - d};
}

}  // namespace

TbsSkinPanel::TbsSkinPanel(ui::Component* owner) : TbsSkinCustomControl(owner) {
  SetSkinDataName("panel");
  setBounds(0, 0, 150, 150);
}

void TbsSkinPanel::setBorderStyle(TbsSkinBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (sectionIndex_ == -1) {
    invalidate();
    realign();
  }
}

void TbsSkinPanel::setCaptionMode(bool on) {
  if (on == captionMode_) return;
  captionMode_ = on;
  invalidate();
  realign();
}

void TbsSkinPanel::setDefaultCaptionHeight(int h) {
  if (h == defaultCaptionHeight_) return;
  defaultCaptionHeight_ = std::max(0, h);
  if (sectionIndex_ == -1 && captionMode_) {
    invalidate();
    realign();
  }
}

void TbsSkinPanel::setDefaultAlignment(TextAlignment a) {
  defaultAlignment_ = a;
  if (sectionIndex_ == -1 && captionMode_) invalidate();
}

void TbsSkinPanel::setCheckedMode(bool on) {
  checkedMode_ = on;
  invalidate();
}

void TbsSkinPanel::setChecked(bool on) {
  checked_ = on;
  if (checkedMode_) invalidate();
  if (autoEnabledControls_ && checkedMode_) {
    const std::vector<ui::Control*> children = controls();
    for (ui::Control* c : children) c->setEnabled(on);
  }
  if (OnChecked) OnChecked(*this);
}

void TbsSkinPanel::setRollUpMode(bool on) {
  rollUpMode_ = on;
  if (sectionIndex_ == -1 && captionMode_) invalidate();
}

void TbsSkinPanel::setRollUpState(bool on) {
  if (on == rollUpState_) return;
  if (!rollUpMode_) return;
  rollUpState_ = on;
  applyRollUp(on);
  if (OnChangeRollUpState) OnChangeRollUpState(*this);
}

void TbsSkinPanel::setGlyph(const gfx::Bitmap& glyph) {
  glyph_ = glyph;
  invalidate();
}

void TbsSkinPanel::setNumGlyphs(int n) {
  numGlyphs_ = std::clamp(n, 1, 4);
  invalidate();
}

void TbsSkinPanel::setSpacing(int s) {
  spacing_ = s;
  invalidate();
}

void TbsSkinPanel::ReadSkinSection() {
  TbsSkinCustomControl::ReadSkinSection();
  bgPicture_ = nullptr;
  if (sectionIndex_ == -1) {
    bgPictureIndex_ = -1;
    return;
  }
  if (const auto* p = SectionAs<TbsDataSkinPanelControl>()) {
    captionRect_ = p->captionRect;
    alignment_ = p->alignment;
    bgPictureIndex_ = p->bgPictureIndex;
    checkImageRect_ = p->checkImageRect;
    uncheckImageRect_ = p->uncheckImageRect;
    fontKeys_ = *p;
    hasFontKeys_ = true;
  } else {
    bgPictureIndex_ = -1;
  }
  if (bgPictureIndex_ != -1) {
    bgPicture_ = SkinData()->ActivePicture(bgPictureIndex_);
    // A background index past the pictures names nothing.
    if (bgPicture_ != nullptr && bgPicture_->empty()) bgPicture_ = nullptr;
    if (bgPicture_ == nullptr) bgPictureIndex_ = -1;
  }
}

bool TbsSkinPanel::tilesClientTexture() const {
  return borderStyle_ == TbsSkinBorderStyle::bvNone && !captionMode_ &&
         stretchKind() == StretchKind::Both;
}

void TbsSkinPanel::adjustClientRect(gfx::Rect& rect) const {
  if (sectionIndex_ == -1) {
    rect = PanelDefaultClientArea(width(), height(), borderStyle_, captionMode_,
                                  defaultCaptionHeight_);
    return;
  }
  if (bgPictureIndex_ != -1 || tilesClientTexture()) return;
  rect = PlacedClientRect();
}

gfx::Rect TbsSkinPanel::PlacedCaptionRect() const {
  if (stretchKind() == StretchKind::Fixed || stretchKind() == StretchKind::None)
    return captionRect_;
  return MapSkinRect(captionRect_);
}

void TbsSkinPanel::paint(gfx::Canvas& canvas) {
  if (width() <= 0 || height() <= 0) return;
  ReadSkinSection();
  if (sectionIndex_ != -1 && bgPicture_ != nullptr) {
    // The background picture repeated at its own size from (0, 0).
    TileArea(canvas.bitmap(), canvas.bitmap().rect(), *bgPicture_, bgPicture_->rect());
    return;
  }
  TbsSkinCustomControl::paint(canvas);
}

void TbsSkinPanel::DrawSkinImage(gfx::Bitmap& bitmap) {
  const gfx::Rect& cr = SkinPoints().clientRect;
  if (tilesClientTexture() && !gfx::IsNullRect(cr) && Picture() != nullptr) {
    const gfx::Rect piece = gfx::OffsetRect(cr, SkinRect().left, SkinRect().top);
    TileArea(bitmap, bitmap.rect(), *Picture(), piece);
    return;
  }
  TbsSkinCustomControl::DrawSkinImage(bitmap);
  if (caption().empty() || gfx::IsNullRect(captionRect_)) return;
  gfx::Canvas canvas(bitmap);
  drawSkinCaption(canvas, PlacedCaptionRect());
}

void TbsSkinPanel::drawSkinCaption(gfx::Canvas& canvas, gfx::Rect r) {
  const gfx::Color color = fontKeys_.fontColor;
  if (rollUpMode_) r.right -= 12;
  if (checkedMode_ && Picture() != nullptr) {
    const gfx::Rect& img = checked_ ? checkImageRect_ : uncheckImageRect_;
    if (!gfx::IsNullRect(img)) {
      const int cy = r.top + r.height() / 2;
      const gfx::Color key = Picture()->pixelOr(img.left, img.bottom - 1, gfx::kBlack);
      canvas.drawTransparent(r.left, cy - img.height() / 2, *Picture(), img, key);
      r.left += img.width() + 2;
    }
  }
  canvas.setFont(SelectSkinFont(UseSkinFont(), hasFontKeys_ ? &fontKeys_ : nullptr, color,
                                DefaultFont(), SkinData()));
  canvas.setBrushStyle(gfx::BrushStyle::Clear);
  const std::string& text = caption();
  const gfx::Size ts = canvas.textExtent(text.empty() ? std::string(" ") : text);
  const int cellW = glyph_.empty() ? 0 : glyph_.width() / numGlyphs_;
  const int w = (text.empty() ? 0 : ts.width) + (cellW > 0 ? cellW + spacing_ : 0);
  int x = PanelCaptionX(alignment_, r, w);
  const int cy = r.top + r.height() / 2;
  if (cellW > 0) {
    const int cell = (!enabled() && numGlyphs_ >= 2) ? 2 : 1;
    DrawGlyphCell(canvas, x, cy - glyph_.height() / 2, cell, numGlyphs_, glyph_);
    x += cellW + spacing_;
  }
  if (!text.empty() && !gfx::IsNullRect(r)) canvas.textRect(r, x, cy - ts.height / 2, text);
  if (rollUpMode_) {
    PaintPanelArrow(canvas, {r.right, r.top, r.right + 10, r.bottom}, color,
                    rollUpState_ ? PanelArrow::Down : PanelArrow::Up);
  }
}

void TbsSkinPanel::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  const int w = width();
  const int h = height();
  const gfx::Color face = Sys(gfx::SysColor::ButtonFace);
  const gfx::Color shadow = Sys(gfx::SysColor::ButtonShadow);
  const gfx::Color light = Sys(gfx::SysColor::ButtonHighlight);
  const gfx::Color textColor = Sys(gfx::SysColor::ButtonText);
  canvas.fillRect({0, 0, w, h}, face);
  switch (borderStyle_) {
    case TbsSkinBorderStyle::bvFrame:
      canvas.frameRect({0, 0, w, h}, shadow);
      break;
    case TbsSkinBorderStyle::bvRaised:
      PaintBevelLines(canvas, {0, 0, w, h}, light, shadow);
      break;
    case TbsSkinBorderStyle::bvLowered:
      PaintBevelLines(canvas, {0, 0, w, h}, shadow, light);
      break;
    case TbsSkinBorderStyle::bvNone:
      break;
  }
  if (!captionMode_) return;
  gfx::Rect bar;
  if (borderStyle_ == TbsSkinBorderStyle::bvFrame) {
    bar = {0, 0, w, defaultCaptionHeight_};
    PaintBevelLines(canvas, bar, shadow, shadow);
    PaintBevelLines(canvas, Inflate(bar, 1), light, face);
  } else {
    bar = {1, 1, w - 1, defaultCaptionHeight_};
    PaintBevelLines(canvas, bar, shadow, light);
    PaintBevelLines(canvas, Inflate(bar, 1), light, shadow);
  }
  const gfx::Rect inner = Inflate(bar, 2);
  gfx::Rect area = inner;
  const int cy = inner.top + inner.height() / 2;
  if (checkedMode_) {
    area.left += 20;
    canvas.frameRect({5, cy - 7, 19, cy + 7}, shadow);
    if (checked_) {
      canvas.setPenColor(textColor);
      const int a = 9;
      const int b = cy - 4;
      for (int i = 0; i < 3; ++i)
        canvas.polyline({{a, b + 5 - i}, {a + 2, b + 7 - i}, {a + 7, b + 2 - i}});
    }
  }
  if (rollUpMode_) area.right -= 10;
  canvas.setFont(SelectSkinFont(false, nullptr, DefaultFont().color, DefaultFont(), SkinData()));
  canvas.setBrushStyle(gfx::BrushStyle::Clear);
  const std::string& text = caption();
  const gfx::Size ts = canvas.textExtent(text.empty() ? std::string(" ") : text);
  const int cellW = glyph_.empty() ? 0 : glyph_.width() / numGlyphs_;
  const int tw = (text.empty() ? 0 : ts.width) + (cellW > 0 ? cellW + spacing_ : 0);
  int x = area.left + 2;
  if (defaultAlignment_ == TextAlignment::RightJustify) {
    x = area.right - tw;
  } else if (defaultAlignment_ == TextAlignment::Center) {
    x += area.width() / 2 - tw / 2;
  }
  if (cellW > 0) {
    const int cell = (!enabled() && numGlyphs_ >= 2) ? 2 : 1;
    DrawGlyphCell(canvas, x, cy - glyph_.height() / 2, cell, numGlyphs_, glyph_);
    x += cellW + spacing_;
  }
  if (!text.empty() && !gfx::IsNullRect(area)) canvas.textRect(area, x, cy - ts.height / 2, text);
  if (rollUpMode_) {
    PaintPanelArrow(canvas, {area.right, area.top, area.right + 10, area.bottom}, textColor,
                    rollUpState_ ? PanelArrow::Down : PanelArrow::Up);
  }
}

void TbsSkinPanel::mouseUp(ui::MouseButton button, unsigned shift, int x, int y) {
  if (button == ui::MouseButton::Left && (rollUpMode_ || checkedMode_) && captionMode_) {
    ReadSkinSection();
    const gfx::Rect r = sectionIndex_ != -1 ? PlacedCaptionRect()
                                            : gfx::Rect{1, 1, width() - 1, defaultCaptionHeight_};
    if (gfx::PtInRect(r, {x, y})) {
      if (checkedMode_) setChecked(!checked_);
      if (rollUpMode_) setRollUpState(!rollUpState_);
    }
  }
  TbsSkinCustomControl::mouseUp(button, shift, x, y);
}

int TbsSkinPanel::rolledHeight() const {
  if (sectionIndex_ == -1) return defaultCaptionHeight_ + 1;
  return std::max(0, height() - PlacedClientRect().height());
}

void TbsSkinPanel::applyRollUp(bool up) {
  if (up && realHeight_ == -1) {
    ReadSkinSection();
    realHeight_ = height();
    disableAlign();
    hiddenByRollUp_.clear();
    const std::vector<ui::Control*> children = controls();
    for (ui::Control* c : children) {
      if (!c->visible()) continue;
      hiddenByRollUp_.push_back(c);
      c->hide();
    }
    setHeight(rolledHeight());
    invalidate();
  } else if (!up && realHeight_ != -1) {
    const int h = realHeight_;
    realHeight_ = -1;
    setHeight(h);
    const std::vector<ui::Control*> children = controls();
    for (ui::Control* c : hiddenByRollUp_) {
      // Only children that are still ours: one may have been destroyed or
      // moved elsewhere while the panel was rolled up.
      if (std::find(children.begin(), children.end(), c) != children.end()) c->show();
    }
    hiddenByRollUp_.clear();
    enableAlign();
    invalidate();
  }
}

void TbsSkinPanel::ChangeSkinData() {
  TbsSkinCustomControl::ChangeSkinData();
  if (realHeight_ == -1) {
    realign();
    return;
  }
  const int saved = realHeight_;
  setHeight(rolledHeight());
  realHeight_ = saved;
  invalidate();
}

void TbsSkinPanel::setBounds(int left, int top, int width, int height) {
  TbsSkinCustomControl::setBounds(left, top, width, height);
  if (sectionIndex_ == -1) invalidate();
}

TbsSkinGroupBox::TbsSkinGroupBox(ui::Component* owner) : TbsSkinPanel(owner) {
  SetSkinDataName("groupbox");
  setCaptionMode(true);
}

}  // namespace skin

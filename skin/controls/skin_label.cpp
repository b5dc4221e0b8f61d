// The skinned label: its font, text placement, sizing and both looks.
#include "skin/controls/skin_label.h"

#include "skin/controls/skin_font.h"
#include "skin/data/control_data.h"
#include "skin/draw/strip_image.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/color.h"
#include "ui/message.h"

namespace skin {

TbsSkinLabel::TbsSkinLabel(ui::Component* owner) : TbsSkinCustomControl(owner) {
  SetSkinDataName("label");
  setBounds(0, 0, 75, 21);
}

void TbsSkinLabel::setAlignment(LabelAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  invalidate();
}

void TbsSkinLabel::setAutoSize(bool on) {
  autoSize_ = on;
  if (on) adjustWidth();
}

void TbsSkinLabel::setBorderStyle(TbsSkinBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (SectionIndex() == -1) {
    invalidate();
    if (parent() != nullptr) parent()->realign();
  }
}

void TbsSkinLabel::setUseSkinSize(bool on) {
  if (on == useSkinSize_) return;
  useSkinSize_ = on;
  ChangeSkinData();
}

bool TbsSkinLabel::composedBySection() const {
  return useSkinSize_ || stretchKind() == StretchKind::Both;
}

void TbsSkinLabel::ReadSkinSection() {
  TbsSkinCustomControl::ReadSkinSection();
  if (const auto* l = SectionAs<TbsDataSkinLabelControl>()) fontKeys_ = *l;
  // A picture of one size cannot follow the text.
  if (SectionIndex() != -1 && stretchKind() == StretchKind::Fixed) autoSize_ = false;
}

namespace {

// The label's font: the default font without a section; with one, the
// section's face (UseSkinFont) or the default font, in the section's colour.
gfx::Font TextFontFor(bool sectioned, bool useSkinFont, const FontKeys& keys,
                      const gfx::Font& defaultFont, const TbsSkinData* skin) {
  if (!sectioned) return SelectSkinFont(false, nullptr, defaultFont.color, defaultFont, skin);
  gfx::Font f = SelectSkinFont(useSkinFont, &keys, keys.fontColor, defaultFont, skin);
  f.color = keys.fontColor;
  return f;
}

}  // namespace

gfx::Font TbsSkinLabel::TextFont() const {
  return TextFontFor(SectionIndex() != -1, UseSkinFont(), fontKeys_, DefaultFont(), SkinData());
}

gfx::Rect TbsSkinLabel::TextRect() const {
  if (SectionIndex() == -1) return {3, 3, width() - 3, height() - 3};
  if (composedBySection()) return PlacedClientRect();
  const gfx::Rect& c = SkinPoints().clientRect;
  const int dw = width() - SkinRect().width();
  const int dh = height() - SkinRect().height();
  return {c.left, c.top, c.right + dw, c.bottom + dh};
}

int TbsSkinLabel::ExcessWidth() const {
  const int textWidth = gfx::MeasureText(TextFont(), caption()).width;
  if (SectionIndex() == -1) return textWidth + 4 - width();
  if (stretchKind() == StretchKind::Fixed || stretchKind() == StretchKind::None) return 0;
  return textWidth - TextRect().width();
}

void TbsSkinLabel::adjustWidth() {
  if (adjusting_) return;
  const ui::Align a = align();
  if (a == ui::Align::alTop || a == ui::Align::alBottom || a == ui::Align::alClient) return;
  ReadSkinSection();
  if (!autoSize_) return;
  const int excess = ExcessWidth();
  if (excess == 0) return;
  adjusting_ = true;
  setBounds(left(), top(), std::max(width() + excess, 0), height());
  adjusting_ = false;
  invalidate();
}

void TbsSkinLabel::CalcSkinSize(int& width, int& height) {
  if (composedBySection()) {
    TbsSkinCustomControl::CalcSkinSize(width, height);
  } else {
    // Any size: the points are placed for it (only the width matters to
    // the strip), and the proposed size stays.
    int w = width;
    int h = height;
    TbsSkinCustomControl::CalcSkinSize(w, h);
  }
  if (autoSize_ && !adjusting_) {
    const int textWidth = gfx::MeasureText(TextFont(), caption()).width;
    int excess = 0;
    if (stretchKind() != StretchKind::Fixed && stretchKind() != StretchKind::None) {
      const gfx::Rect& c = SkinPoints().clientRect;
      const int clientWidth =
          composedBySection() ? PlacedClientRect().width() : c.width() + width - SkinRect().width();
      excess = textWidth - clientWidth;
    }
    if (excess > 0) width += excess;
  }
}

void TbsSkinLabel::UpdateRegion() {
  if (!useSkinSize_) {
    if (hasRegion()) clearRegion();
    return;
  }
  TbsSkinCustomControl::UpdateRegion();
}

void TbsSkinLabel::drawCaption(gfx::Bitmap& bitmap, const gfx::Rect& r) const {
  if (caption().empty() || gfx::IsNullRect(r)) return;
  gfx::Canvas canvas(bitmap);
  canvas.setFont(TextFont());
  canvas.setBrushStyle(gfx::BrushStyle::Clear);
  const gfx::Size size = canvas.textExtent(caption());
  const gfx::Point at = LabelTextOrigin(r, size.width, size.height, alignment_);
  canvas.textRect(r, at.x, at.y, caption());
}

void TbsSkinLabel::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  const gfx::Rect all = clientRect();
  canvas.fillRect(all, gfx::SystemColor(gfx::SysColor::ButtonFace));
  const gfx::Color shadow = gfx::SystemColor(gfx::SysColor::ButtonShadow);
  const gfx::Color highlight = gfx::SystemColor(gfx::SysColor::ButtonHighlight);
  gfx::Color topLeft = shadow;
  gfx::Color bottomRight = shadow;
  if (borderStyle_ == TbsSkinBorderStyle::bvRaised) {
    topLeft = highlight;
  } else if (borderStyle_ == TbsSkinBorderStyle::bvLowered) {
    bottomRight = highlight;
  }
  if (borderStyle_ != TbsSkinBorderStyle::bvNone && width() > 0 && height() > 0) {
    const int w = width();
    const int h = height();
    canvas.fillRect({0, 0, w, 1}, topLeft);
    canvas.fillRect({0, 0, 1, h}, topLeft);
    canvas.fillRect({0, h - 1, w, h}, bottomRight);
    canvas.fillRect({w - 1, 0, w, h}, bottomRight);
  }
  drawCaption(bitmap, TextRect());
}

void TbsSkinLabel::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (composedBySection()) {
    TbsSkinCustomControl::DrawSkinImage(bitmap);
  } else if (const gfx::Bitmap* picture = Picture()) {
    // The horizontal strip of the picture at its own height, stretched to
    // the label's height.
    const gfx::Rect& sr = SkinRect();
    const SkinImageGeometry& p = SkinPoints();
    gfx::Bitmap strip;
    ComposeHorzStrip(p.leftTop.x, sr.width() - p.rightTop.x, strip, *picture, sr, width());
    if (!strip.empty()) bitmap.copyRect(bitmap.rect(), strip, strip.rect());
  }
  drawCaption(bitmap, TextRect());
}

void TbsSkinLabel::wndProc(ui::Message& m) {
  TbsSkinCustomControl::wndProc(m);
  if (m.id == ui::CM_TEXTCHANGED && autoSize_) adjustWidth();
}

}  // namespace skin

// The std and text labels: font rule, text placement, embossed disabled
// text and automatic sizing.
#include "skin/controls/skin_std_label.h"

#include <algorithm>

#include "skin/controls/skin_font.h"
#include "skin/data/control_data.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/color.h"
#include "ui/message.h"

namespace skin {

SkinTextLabelBase::SkinTextLabelBase(ui::Component* owner) : TbsGraphicSkinControl(owner) {
  setTransparent(true);
  SetSkinDataName("stdlabel");
}

void SkinTextLabelBase::setUseSkinFont(bool on) {
  if (on == useSkinFont_) return;
  useSkinFont_ = on;
  textChanged();
}

void SkinTextLabelBase::setAlignment(LabelAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  invalidate();
}

void SkinTextLabelBase::setLayout(TextLayout l) {
  if (l == layout_) return;
  layout_ = l;
  invalidate();
}

void SkinTextLabelBase::setWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  textChanged();
}

void SkinTextLabelBase::setAutoSize(bool on) {
  if (on == autoSize_) return;
  autoSize_ = on;
  textChanged();
}

void SkinTextLabelBase::SetSkinData(TbsSkinData* data) {
  TbsGraphicSkinControl::SetSkinData(data);
  // The base refreshes for a loaded skin only; the label also for an empty
  // one, which gives its default font.
  if (data != nullptr && (data->Empty() || data->designing())) ChangeSkinData();
}

void SkinTextLabelBase::ChangeSkinData() {
  ReadSkinSection();
  if (autoSize_) AdjustBounds();
  invalidate();
}

void SkinTextLabelBase::ReadSkinSection() {
  TbsGraphicSkinControl::ReadSkinSection();
  if (const auto* s = SectionAs<TbsDataSkinStdLabelControl>()) fontKeys_ = *s;
}

gfx::Font SkinTextLabelBase::TextFont() const {
  gfx::Font f;
  if (SectionIndex() == -1) {
    f = useSkinFont_ ? defaultFont_ : font();
    return SelectSkinFont(false, nullptr, f.color, f, SkinData());
  }
  f = SelectSkinFont(useSkinFont_, &fontKeys_, fontKeys_.fontColor,
                     useSkinFont_ ? defaultFont_ : font(), SkinData());
  f.color = fontKeys_.fontColor;
  return f;
}

unsigned SkinTextLabelBase::textFlags() const {
  unsigned flags = 0;
  if (wordWrap_) flags |= gfx::kTextWordBreak;
  if (alignment_ == LabelAlignment::Right) flags |= gfx::kTextRight;
  if (alignment_ == LabelAlignment::Center) flags |= gfx::kTextCenter;
  return flags;
}

void SkinTextLabelBase::drawLabelText(gfx::Bitmap& bitmap) const {
  const std::string text = drawnText();
  if (text.empty()) return;
  gfx::Canvas canvas(bitmap);
  gfx::Font f = TextFont();
  canvas.setFont(f);
  canvas.setBrushStyle(gfx::BrushStyle::Clear);
  const unsigned flags = textFlags();
  gfx::Rect r = clientRect();
  if (layout_ != TextLayout::Top) {
    gfx::Rect measured = r;
    canvas.drawText(text, measured, flags | gfx::kTextCalcRect);
    const int room = r.height() - measured.height();
    r.top += layout_ == TextLayout::Center ? gfx::Div(room, 2) : room;
  }
  if (enabled()) {
    canvas.drawText(text, r, flags);
    return;
  }
  gfx::Rect moved = gfx::OffsetRect(r, 1, 1);
  f.color = gfx::SystemColor(gfx::SysColor::ButtonHighlight);
  canvas.setFont(f);
  canvas.drawText(text, moved, flags);
  f.color = gfx::SystemColor(gfx::SysColor::ButtonShadow);
  canvas.setFont(f);
  canvas.drawText(text, r, flags);
}

void SkinTextLabelBase::DrawDefaultImage(gfx::Bitmap& bitmap) { drawLabelText(bitmap); }

void SkinTextLabelBase::DrawSkinImage(gfx::Bitmap& bitmap) { drawLabelText(bitmap); }

void SkinTextLabelBase::AdjustBounds() {
  if (adjusting_) return;
  gfx::Bitmap none;
  gfx::Canvas canvas(none);
  canvas.setFont(TextFont());
  // A wrapped text keeps the width and finds its height; else the text's
  // own lines decide both.
  gfx::Rect r{0, 0, wordWrap_ ? std::max(width(), 1) : 0, 0};
  canvas.drawText(measuredText(), r, textFlags() | gfx::kTextCalcRect);
  int x = left();
  const int w = wordWrap_ ? width() : r.width();
  // A right-aligned label keeps its right edge.
  if (alignment_ == LabelAlignment::Right) x += width() - w;
  adjusting_ = true;
  setBounds(x, top(), w, r.height());
  adjusting_ = false;
}

void SkinTextLabelBase::textChanged() {
  if (autoSize_) AdjustBounds();
  invalidate();
}

void SkinTextLabelBase::wndProc(ui::Message& m) {
  TbsGraphicSkinControl::wndProc(m);
  if (m.id == ui::CM_TEXTCHANGED || m.id == ui::CM_FONTCHANGED) textChanged();
}

// --- TbsSkinStdLabel ---------------------------------------------------------

TbsSkinStdLabel::TbsSkinStdLabel(ui::Component* owner) : SkinTextLabelBase(owner) {
  setBounds(0, 0, 65, 17);
}

void TbsSkinStdLabel::setShowAccelChar(bool on) {
  if (on == showAccelChar_) return;
  showAccelChar_ = on;
  textChanged();
}

std::string TbsSkinStdLabel::measuredText() const {
  const std::string& c = caption();
  if (c.empty() || (showAccelChar_ && c == "&")) return " ";
  return c;
}

unsigned TbsSkinStdLabel::textFlags() const {
  unsigned flags = SkinTextLabelBase::textFlags();
  if (!showAccelChar_) flags |= gfx::kTextNoPrefix;
  return flags;
}

// --- TbsSkinTextLabel --------------------------------------------------------

TbsSkinTextLabel::TbsSkinTextLabel(ui::Component* owner) : SkinTextLabelBase(owner) {
  setBounds(0, 0, 65, 65);
}

void TbsSkinTextLabel::setLines(const std::vector<std::string>& lines) {
  lines_ = lines;
  textChanged();
}

std::string TbsSkinTextLabel::drawnText() const {
  // The lines joined by line breaks, with none after the last, so the text
  // is exactly as tall as its lines.
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines_[i];
  }
  return text;
}

}  // namespace skin

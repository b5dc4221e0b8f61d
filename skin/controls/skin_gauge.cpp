// The gauge: value range, section reading, the fill and the text.
#include "skin/controls/skin_gauge.h"

#include "skin/controls/label_layout.h"
#include "skin/controls/skin_font.h"
#include "skin/data/control_data.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/color.h"

namespace skin {

namespace {
const gfx::Color kDefaultFillColor = gfx::Color::rgb(182, 189, 210);
}

TbsSkinGauge::TbsSkinGauge(ui::Component* owner) : TbsSkinCustomControl(owner) {
  SetSkinDataName("gauge");
  setBounds(0, 0, 100, 20);
}

void TbsSkinGauge::setMinValue(int v) {
  minValue_ = v;
  if (value_ < minValue_) value_ = minValue_;
  invalidate();
}

void TbsSkinGauge::setMaxValue(int v) {
  maxValue_ = v;
  if (value_ > maxValue_) value_ = maxValue_;
  invalidate();
}

void TbsSkinGauge::setValue(int v) {
  // Not std::clamp: a reversed range (MaxValue below MinValue) must not be
  // undefined; the minimum is applied last and wins.
  if (v > maxValue_) v = maxValue_;
  if (v < minValue_) v = minValue_;
  if (v == value_) return;
  value_ = v;
  invalidate();
}

void TbsSkinGauge::setVertical(bool on) {
  if (on == vertical_) return;
  vertical_ = on;
  invalidate();
}

void TbsSkinGauge::setProgressText(const std::string& text) {
  progressText_ = text;
  invalidate();
}

void TbsSkinGauge::setShowProgressText(bool on) {
  showProgressText_ = on;
  invalidate();
}

void TbsSkinGauge::setShowPercent(bool on) {
  showPercent_ = on;
  invalidate();
}

void TbsSkinGauge::setUseSkinSize(bool on) {
  if (on == useSkinSize_) return;
  useSkinSize_ = on;
  // Switched on, the section's size applies again; either way the region
  // and the picture follow.
  ChangeSkinData();
}

double TbsSkinGauge::fraction() const { return GaugeFraction(minValue_, maxValue_, value_); }

std::string TbsSkinGauge::DisplayText() const {
  return GaugeText(progressText_, showProgressText_, showPercent_, GaugePercent(fraction()));
}

void TbsSkinGauge::ReadSkinSection() {
  TbsSkinCustomControl::ReadSkinSection();
  if (const auto* g = SectionAs<TbsDataSkinGaugeControl>()) {
    progressArea_ = g->progressArea;
    progressRect_ = g->progressRect;
    beginOffset_ = g->beginOffset;
    endOffset_ = g->endOffset;
    vertical_ = g->vertical;
    progressTransparent_ = g->progressTransparent;
    progressTransparentColor_ = g->progressTransparentColor;
    fontKeys_ = *g;
  }
}

void TbsSkinGauge::CalcSkinSize(int& width, int& height) {
  int w = width;
  int h = height;
  TbsSkinCustomControl::CalcSkinSize(w, h);
  placedProgressArea_ = PlaceProgressArea(progressArea_, stretchKind(), vertical_,
                                          w - SkinRect().width(), h - SkinRect().height());
  if (useSkinSize_) {
    width = w;
    height = h;
  }
}

void TbsSkinGauge::UpdateRegion() {
  if (!useSkinSize_) {
    if (hasRegion()) clearRegion();
    return;
  }
  TbsSkinCustomControl::UpdateRegion();
}

void TbsSkinGauge::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  const gfx::Rect all = clientRect();
  canvas.fillRect(all, gfx::SystemColor(gfx::SysColor::Window));
  canvas.frameRect(all, gfx::SystemColor(gfx::SysColor::ButtonShadow));
  const gfx::Rect fill = GaugeFillRect({1, 1, width() - 1, height() - 1}, fraction(), vertical_);
  if (!gfx::IsNullRect(fill)) canvas.fillRect(fill, kDefaultFillColor);
  drawText(bitmap);
}

void TbsSkinGauge::composeSkinImage(gfx::Bitmap& image, int width, int height) {
  // Places the points and the progress area for this size, then composes.
  int w = width;
  int h = height;
  sectionPicture().calcSkinSize(w, h);
  placedProgressArea_ = PlaceProgressArea(progressArea_, stretchKind(), vertical_,
                                          w - SkinRect().width(), h - SkinRect().height());
  drawSkinArea(image, SkinRect());
  const gfx::Rect f = GaugeFillRect(placedProgressArea_, fraction(), vertical_);
  const gfx::Bitmap* picture = Picture();
  if (f.width() <= 0 || f.height() <= 0 || picture == nullptr || gfx::IsNullRect(progressRect_)) {
    return;
  }
  const gfx::Bitmap fill = ComposeGaugeFill(*picture, progressRect_, f.width(), f.height(),
                                            beginOffset_, endOffset_, vertical_);
  if (progressTransparent_) {
    image.drawTransparent(f.left, f.top, fill, fill.rect(), progressTransparentColor_);
  } else {
    image.draw(f.left, f.top, fill);
  }
}

void TbsSkinGauge::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (useSkinSize_) {
    composeSkinImage(bitmap, width(), height());
  } else {
    // The image at the size the section allows, stretched onto the whole
    // gauge; the text is drawn afterwards at the gauge's own size.
    int w = width();
    int h = height();
    sectionPicture().calcSkinSize(w, h);
    if (w <= 0 || h <= 0) return;
    gfx::Bitmap image(w, h);
    composeSkinImage(image, w, h);
    bitmap.copyRect(bitmap.rect(), image, image.rect());
    // Leaves the placed values for the gauge's own size, as CalcSkinSize does.
    int cw = width();
    int ch = height();
    CalcSkinSize(cw, ch);
  }
  drawText(bitmap);
}

void TbsSkinGauge::drawText(gfx::Bitmap& bitmap) const {
  const std::string text = DisplayText();
  if (text.empty()) return;
  gfx::Font font;
  if (SectionIndex() == -1) {
    font = SelectSkinFont(false, nullptr, DefaultFont().color, DefaultFont(), SkinData());
  } else {
    font =
        SelectSkinFont(UseSkinFont(), &fontKeys_, fontKeys_.fontColor, DefaultFont(), SkinData());
    font.color = fontKeys_.fontColor;
  }
  gfx::Canvas canvas(bitmap);
  canvas.setFont(font);
  canvas.setBrushStyle(gfx::BrushStyle::Clear);
  const gfx::Size size = canvas.textExtent(text);
  if (vertical_) {
    canvas.textOutRotated90(gfx::Div(width(), 2) - gfx::Div(size.height, 2),
                            gfx::Div(size.width, 2) + gfx::Div(height(), 2), text);
  } else {
    canvas.textOut(gfx::Div(width(), 2) - gfx::Div(size.width, 2),
                   gfx::Div(height(), 2) - gfx::Div(size.height, 2), text);
  }
}

}  // namespace skin

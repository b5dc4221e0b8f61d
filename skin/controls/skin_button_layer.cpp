// The shared button layer: properties, the press, repeat, group and morph
// rules, and the drawing of a state picture with its glyph and caption.
#include "skin/controls/skin_button_layer.h"

#include <algorithm>

#include "skin/controls/skin_font.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/glyphs.h"
#include "ui/graphics/canvas.h"

namespace skin {

namespace {
constexpr unsigned kCaptionFlags = gfx::kTextCenter;
}  // namespace

template <class Base>
SkinButtonLayer<Base>::SkinButtonLayer(ui::Component* owner) : Base(owner) {}

template <class Base>
SkinButtonLayer<Base>::~SkinButtonLayer() {
  stopMorph();
  stopRepeat();
  if (action_ != nullptr) this->removeFreeNotification(action_);
}

template <class Base>
void SkinButtonLayer<Base>::setGlyph(const gfx::Bitmap& glyph) {
  glyph_ = glyph;
  this->invalidate();
}

template <class Base>
void SkinButtonLayer<Base>::setNumGlyphs(int n) {
  n = std::clamp(n, 1, 255);
  if (n == numGlyphs_) return;
  numGlyphs_ = n;
  this->invalidate();
}

template <class Base>
void SkinButtonLayer<Base>::setLayout(TbsButtonLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  this->invalidate();
}

template <class Base>
void SkinButtonLayer<Base>::setMargin(int margin) {
  if (margin < -1 || margin == margin_) return;
  margin_ = margin;
  this->invalidate();
}

template <class Base>
void SkinButtonLayer<Base>::setSpacing(int spacing) {
  if (spacing == spacing_) return;
  spacing_ = spacing;
  this->invalidate();
}

template <class Base>
void SkinButtonLayer<Base>::setDown(bool down) {
  if (down != down_) {
    down_ = down;
    if (down_ && groupIndex_ != 0 && !allowAllUp_) releaseGroup();
  }
  // A button set down shows the hot end of the fade at once; one set up
  // fades out from there when the pointer has gone.
  morphStep_ = kMorphSteps;
  if (down) {
    stopMorph();
    this->invalidate();
  } else {
    StartMorph();
  }
}

template <class Base>
void SkinButtonLayer<Base>::setGroupIndex(int index) {
  groupIndex_ = index;
  if (down_ && groupIndex_ != 0 && !allowAllUp_) releaseGroup();
}

template <class Base>
void SkinButtonLayer<Base>::releaseGroup() {
  ui::WinControl* parent = this->parent();
  if (parent == nullptr) return;
  // setDown on a sibling changes no list, but a copy keeps the walk safe
  // should a click handler be added to that path one day.
  const std::vector<ui::Control*> siblings = parent->controls();
  for (ui::Control* c : siblings) {
    auto* b = dynamic_cast<SkinButtonLayer<Base>*>(c);
    if (b == nullptr || b == this || b->groupIndex_ != groupIndex_ || !b->down_) continue;
    b->setDown(false);
  }
}

template <class Base>
void SkinButtonLayer<Base>::setAction(ui::Action* action) {
  if (action == action_) return;
  if (action_ != nullptr) this->removeFreeNotification(action_);
  action_ = action;
  if (action_ != nullptr) this->freeNotification(action_);
}

template <class Base>
void SkinButtonLayer<Base>::notification(ui::Component* component,
                                         ui::Component::Operation operation) {
  Base::notification(component, operation);
  if (operation == ui::Component::Operation::Removing && component == action_) action_ = nullptr;
}

template <class Base>
void SkinButtonLayer<Base>::setScheduler(ui::Scheduler* scheduler) {
  const bool morphing = morphTimer_ != 0;
  const bool repeating = repeatTimer_ != 0;
  stopMorph();
  stopRepeat();
  scheduler_ = scheduler;
  if (morphing) morphTimer_ = clock().start(kMorphInterval, [this] { morphTick(); });
  if (repeating) startRepeat();
}

template <class Base>
ButtonFacts SkinButtonLayer<Base>::facts() const {
  ButtonFacts f;
  f.enabled = this->enabled();
  f.down = down_;
  f.mouseOver = mouseOver_;
  f.focused = focusedForLook();
  f.mousePressed = mousePressed_;
  f.groupIndex = groupIndex_;
  f.morphLevel = MorphLevel();
  f.morphing = hasButtonSection_ && values_.morphing;
  return f;
}

template <class Base>
void SkinButtonLayer<Base>::ButtonClick() {
  if (OnClick) {
    OnClick(*this);
  } else if (action_ != nullptr) {
    action_->execute();
  }
}

template <class Base>
void SkinButtonLayer<Base>::click() {
  if (this->enabled()) ButtonClick();
}

template <class Base>
void SkinButtonLayer<Base>::ReadSkinSection() {
  Base::ReadSkinSection();
  const auto* s =
      this->sectionIndex_ == -1 ? nullptr : this->template SectionAs<TbsDataSkinButtonControl>();
  if (s != nullptr) {
    hasButtonSection_ = true;
    values_.fontColor = s->fontColor;
    values_.activeFontColor = s->activeFontColor;
    values_.downFontColor = s->downFontColor;
    values_.disabledFontColor = s->disabledFontColor;
    values_.activeSkinRect =
        gfx::IsNullRect(s->activeSkinRect) ? this->SkinRect() : s->activeSkinRect;
    values_.downSkinRect =
        gfx::IsNullRect(s->downSkinRect) ? values_.activeSkinRect : s->downSkinRect;
    values_.disabledSkinRect = s->disabledSkinRect;
    values_.morphing = s->morphing;
    values_.morphKind = s->morphKind;
  } else {
    // A section of another kind has no state pictures: every state shows
    // its skinrect, in the default font, and nothing fades.
    hasButtonSection_ = false;
    values_ = ButtonSectionValues{};
  }
}

template <class Base>
void SkinButtonLayer<Base>::ChangeSkinData() {
  stopMorph();
  morphStep_ = 0;
  Base::ChangeSkinData();
  const ButtonFacts f = facts();
  if (morphApplies() && (f.mouseOver || f.focused)) morphStep_ = kMorphSteps;
}

template <class Base>
bool SkinButtonLayer<Base>::morphApplies() const {
  return this->sectionIndex_ != -1 && hasButtonSection_ && values_.morphing;
}

template <class Base>
void SkinButtonLayer<Base>::StartMorph() {
  this->ReadSkinSection();
  if (morphApplies()) {
    if (morphTimer_ == 0) morphTimer_ = clock().start(kMorphInterval, [this] { morphTick(); });
  } else {
    this->invalidate();
  }
}

template <class Base>
void SkinButtonLayer<Base>::stopMorph() {
  if (morphTimer_ != 0) clock().cancel(morphTimer_);
  morphTimer_ = 0;
}

template <class Base>
void SkinButtonLayer<Base>::morphTick() {
  morphTimer_ = 0;
  const bool hot = mouseOver_ || focusedForLook();
  this->ReadSkinSection();
  if (!morphApplies()) {
    morphStep_ = hot ? kMorphSteps : 0;
    return;
  }
  bool again = true;
  if (hot && morphStep_ < kMorphSteps) {
    ++morphStep_;
  } else if (!hot && morphStep_ > 0) {
    --morphStep_;
  } else {
    morphStep_ = hot ? kMorphSteps : 0;
    again = false;
  }
  if (again) morphTimer_ = clock().start(kMorphInterval, [this] { morphTick(); });
  this->invalidate();
}

template <class Base>
void SkinButtonLayer<Base>::startRepeat() {
  stopRepeat();
  repeatTimer_ = clock().start(repeatInterval_, [this] { repeatTick(); });
}

template <class Base>
void SkinButtonLayer<Base>::stopRepeat() {
  if (repeatTimer_ != 0) clock().cancel(repeatTimer_);
  repeatTimer_ = 0;
}

template <class Base>
void SkinButtonLayer<Base>::repeatTick() {
  repeatTimer_ = clock().start(repeatInterval_, [this] { repeatTick(); });
  ButtonClick();
}

// --- Pointer ----------------------------------------------------------------

template <class Base>
void SkinButtonLayer<Base>::wndProc(ui::Message& m) {
  switch (m.id) {
    case ui::WM_LBUTTONUP: {
      // The release is the button's own click rule; the framework's
      // press-and-release click must not come on top of it.
      const gfx::Point p = ui::UnpackPoint(m.lparam);
      mouseUp(ui::MouseButton::Left, 0, p.x, p.y);
      return;
    }
    case ui::CM_ENABLEDCHANGED:
      Base::wndProc(m);
      stopMorph();
      morphStep_ = 0;
      mouseOver_ = false;
      if (!this->enabled()) {
        // A button disabled while held is let go: nothing stays pressed.
        stopRepeat();
        if (mousePressed_) {
          mousePressed_ = false;
          if (groupIndex_ == 0) down_ = false;
        }
      }
      this->invalidate();
      return;
    case ui::CM_TEXTCHANGED:
      Base::wndProc(m);
      this->invalidate();
      return;
    default:
      Base::wndProc(m);
  }
}

template <class Base>
void SkinButtonLayer<Base>::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  if (button == ui::MouseButton::Left && this->enabled()) pressLeft();
  Base::mouseDown(button, shift, x, y);
}

template <class Base>
void SkinButtonLayer<Base>::pressLeft() {
  mousePressed_ = true;
  if (!down_) {
    mouseOver_ = true;
    setDown(true);
    if (repeatMode_ && groupIndex_ == 0) startRepeat();
    wasDown_ = false;
    if (groupIndex_ != 0) ButtonClick();
  } else if (groupIndex_ != 0) {
    wasDown_ = true;
  }
  this->invalidate();
}

template <class Base>
void SkinButtonLayer<Base>::mouseUp(ui::MouseButton button, unsigned shift, int x, int y) {
  if (button == ui::MouseButton::Left && mousePressed_) {
    const bool inside = gfx::PtInRect(this->clientRect(), gfx::Point{x, y});
    if (inside && !mouseOver_) pointerEntered();
    if (!inside && mouseOver_) pointerLeft();
    releaseLeft(inside);
  }
  Base::mouseUp(button, shift, x, y);
}

template <class Base>
void SkinButtonLayer<Base>::releaseLeft(bool inside) {
  mousePressed_ = false;
  if (groupIndex_ == 0) {
    stopRepeat();
    const bool wasPressed = down_;
    setDown(false);
    if (inside && wasPressed) ButtonClick();
  } else if (down_ && allowAllUp_ && wasDown_ && inside) {
    setDown(false);
    ButtonClick();
  } else {
    this->invalidate();
  }
}

template <class Base>
void SkinButtonLayer<Base>::mouseMove(unsigned shift, int x, int y) {
  // While held the pointer belongs to the button wherever it goes, so the
  // edge crossings are told by the position.
  if (mousePressed_) {
    const bool inside = gfx::PtInRect(this->clientRect(), gfx::Point{x, y});
    if (inside && !mouseOver_) pointerEntered();
    if (!inside && mouseOver_) pointerLeft();
  }
  Base::mouseMove(shift, x, y);
}

template <class Base>
void SkinButtonLayer<Base>::mouseEnter() {
  // A held button learns of the edge crossings from the moves.
  if (!mousePressed_) pointerEntered();
  Base::mouseEnter();
}

template <class Base>
void SkinButtonLayer<Base>::mouseLeave() {
  if (!mousePressed_) pointerLeft();
  Base::mouseLeave();
}

template <class Base>
void SkinButtonLayer<Base>::pointerEntered() {
  mouseOver_ = true;
  const bool focused = focusedForLook();
  if ((groupIndex_ != 0 && !down_) || (groupIndex_ == 0 && (!focused || down_))) {
    if (down_) {
      if (morphApplies()) morphStep_ = kMorphSteps;
      this->invalidate();
    } else {
      StartMorph();
    }
  }
  if (down_ && repeatMode_ && groupIndex_ == 0 && mousePressed_) startRepeat();
}

template <class Base>
void SkinButtonLayer<Base>::pointerLeft() {
  if (!keepsHighlightOnLeave()) mouseOver_ = false;
  const bool focused = focusedForLook();
  if ((groupIndex_ != 0 && !down_) || (groupIndex_ == 0 && (!focused || down_))) StartMorph();
  if (down_ && groupIndex_ == 0) stopRepeat();
}

// --- Drawing ----------------------------------------------------------------

template <class Base>
gfx::Color SkinButtonLayer<Base>::stateFontColor(bool active, bool down) const {
  if (!this->enabled()) return values_.disabledFontColor;
  if (active && down) return values_.downFontColor;
  if (active) return values_.activeFontColor;
  return values_.fontColor;
}

template <class Base>
gfx::Font SkinButtonLayer<Base>::stateFont(gfx::Color color) const {
  const FontKeys* keys = nullptr;
  if (hasButtonSection_) keys = this->template SectionAs<TbsDataSkinButtonControl>();
  gfx::Font f = SelectSkinFont(this->UseSkinFont() && keys != nullptr, keys, color,
                               this->DefaultFont(), this->SkinData());
  // A state colour always comes from a button section, also with the
  // default font.
  if (keys != nullptr) f.color = color;
  return f;
}

template <class Base>
gfx::Size SkinButtonLayer<Base>::glyphSize() const {
  if (glyph_.empty()) return {};
  return {glyph_.width() / numGlyphs_, glyph_.height()};
}

template <class Base>
void SkinButtonLayer<Base>::drawGlyph(gfx::Canvas& canvas, int x, int y, int cell) {
  DrawGlyphCell(canvas, x, y, cell, numGlyphs_, glyph_);
}

template <class Base>
void SkinButtonLayer<Base>::drawGlyphAndCaption(gfx::Canvas& canvas, const gfx::Rect& r, int cell,
                                                bool pressed, bool showCaption) {
  const std::string& caption = this->caption();
  gfx::Size text;
  if (showCaption && !caption.empty()) {
    gfx::Rect m{0, 0, 0, 0};
    canvas.drawText(caption, m, kCaptionFlags | gfx::kTextCalcRect);
    text = {m.width(), m.height()};
  }
  const gfx::Size gs = glyphSize();
  const GlyphCaptionPlace place =
      PlaceGlyphAndCaption(r, gs, text, layout_, margin_, spacing_, pressed);
  if (gs.width > 0 && gs.height > 0) drawGlyph(canvas, place.glyph.x, place.glyph.y, cell);
  if (text.width > 0) {
    canvas.setBrushStyle(gfx::BrushStyle::Clear);
    gfx::Rect tr{place.caption.x, place.caption.y, place.caption.x + text.width + 2,
                 place.caption.y + text.height};
    canvas.drawText(caption, tr, kCaptionFlags);
  }
}

template <class Base>
void SkinButtonLayer<Base>::DrawStateImage(gfx::Bitmap& bitmap, const gfx::Rect& src, bool active,
                                           bool down) {
  this->drawSkinArea(bitmap, src);
  gfx::Canvas canvas(bitmap);
  canvas.setFont(stateFont(stateFontColor(active, down)));
  const int cell = GlyphCellFor(numGlyphs_, active, down, !this->enabled());
  drawGlyphAndCaption(canvas, this->PlacedClientRect(), cell, active && down, true);
}

template <class Base>
void SkinButtonLayer<Base>::drawMorph(gfx::Bitmap& bitmap) {
  gfx::Bitmap normal(bitmap.width(), bitmap.height());
  gfx::Bitmap active(bitmap.width(), bitmap.height());
  DrawStateImage(normal, this->SkinRect(), false, false);
  DrawStateImage(active, values_.activeSkinRect, true, false);
  TbsEffectBmp from(normal);
  const TbsEffectBmp to(active);
  ApplyMorph(from, to, static_cast<int>(values_.morphKind), MorphLevel());
  from.DrawTo(bitmap, 0, 0);
}

template class SkinButtonLayer<TbsSkinCustomControl>;
template class SkinButtonLayer<TbsGraphicSkinCustomControl>;

}  // namespace skin

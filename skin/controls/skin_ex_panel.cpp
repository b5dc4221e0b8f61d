// The skinned ex-panel: caption bar, caption buttons, rolling and closing.
#include "skin/controls/skin_ex_panel.h"

#include <algorithm>

#include "skin/controls/skin_font.h"
#include "skin/draw/glyphs.h"
#include "skin/draw/strip_image.h"
#include "ui/graphics/color.h"

namespace skin {

namespace {

gfx::Color Sys(gfx::SysColor c) { return gfx::SystemColor(c); }

gfx::Rect Inflate(const gfx::Rect& r, int d) {
  return {r.left + d, r.top + d, r.right - d, r.bottom - d};
}

constexpr gfx::Color kHotFill = gfx::Color::rgb(182, 189, 210);
constexpr gfx::Color kDownFill = gfx::Color::rgb(133, 147, 181);

// A roll or restore picture set with its fall-backs: an empty active rect
// takes the normal one, an empty down rect the (resulting) active one.
void StateRects(gfx::Rect out[3], const gfx::Rect& normal, const gfx::Rect& active,
                const gfx::Rect& down) {
  out[0] = normal;
  out[1] = gfx::IsNullRect(active) ? normal : active;
  out[2] = gfx::IsNullRect(down) ? out[1] : down;
}

}  // namespace

TbsSkinExPanel::TbsSkinExPanel(ui::Component* owner) : TbsSkinCustomControl(owner) {
  SetSkinDataName("expanel");
  setBounds(0, 0, 150, 100);
}

void TbsSkinExPanel::setRollKind(TbsExPanelRollKind kind) {
  if (kind == rollKind_) return;
  if (rollState_) {
    // A rolled panel unrolls in its old direction and rolls in the new one,
    // so the size saved for one direction is never applied to the other.
    unroll();
    rollKind_ = kind;
    roll();
  } else {
    rollKind_ = kind;
  }
  invalidate();
}

void TbsSkinExPanel::setRollState(bool rolled) {
  if (rolled == rollState_) return;
  if (rolled) {
    roll();
  } else {
    unroll();
  }
  invalidate();
  if (OnChangeRollState) OnChangeRollState(*this);
}

void TbsSkinExPanel::setShowRollButton(bool on) {
  showRollButton_ = on;
  invalidate();
}

void TbsSkinExPanel::setShowCloseButton(bool on) {
  showCloseButton_ = on;
  invalidate();
}

void TbsSkinExPanel::setDefaultCaptionHeight(int h) {
  if (h == defaultCaptionHeight_) return;
  defaultCaptionHeight_ = std::max(0, h);
  if (sectionIndex_ == -1) {
    if (rollState_) {
      resizing_ = true;
      if (rollKind_ == TbsExPanelRollKind::rkRollHorizontal) {
        setWidth(RolledSize());
      } else {
        setHeight(RolledSize());
      }
      resizing_ = false;
    }
    invalidate();
    realign();
  }
}

void TbsSkinExPanel::setGlyph(const gfx::Bitmap& glyph) {
  glyph_ = glyph;
  invalidate();
}

void TbsSkinExPanel::setNumGlyphs(int n) {
  numGlyphs_ = std::clamp(n, 1, 4);
  invalidate();
}

void TbsSkinExPanel::setSpacing(int s) {
  spacing_ = s;
  invalidate();
}

void TbsSkinExPanel::ReadSkinSection() {
  TbsSkinCustomControl::ReadSkinSection();
  section_ = sectionIndex_ == -1 ? nullptr : SectionAs<TbsDataSkinExPanelControl>();
  if (section_ == nullptr) return;
  const auto& s = *section_;
  StateRects(rollButton_[0], s.hRollButtonRect, s.hRollButtonActiveRect, s.hRollButtonDownRect);
  StateRects(rollButton_[1], s.vRollButtonRect, s.vRollButtonActiveRect, s.vRollButtonDownRect);
  StateRects(restoreButton_[0], s.hRestoreButtonRect, s.hRestoreButtonActiveRect,
             s.hRestoreButtonDownRect);
  StateRects(restoreButton_[1], s.vRestoreButtonRect, s.vRestoreButtonActiveRect,
             s.vRestoreButtonDownRect);
}

int TbsSkinExPanel::RolledSize() const {
  int size = defaultCaptionHeight_;
  if (skinned()) {
    size = rollKind_ == TbsExPanelRollKind::rkRollHorizontal ? section_->rollHSkinRect.width()
                                                             : section_->rollVSkinRect.height();
    // A skin without a rolled picture would roll the panel to nothing, with
    // no caption left to unroll it by: the default caption height serves.
    if (size <= 0) size = defaultCaptionHeight_;
  }
  return size;
}

void TbsSkinExPanel::roll() {
  ReadSkinSection();
  resizing_ = true;
  rollState_ = true;
  disableAlign();
  hiddenByRoll_.clear();
  const std::vector<ui::Control*> children = controls();
  for (ui::Control* c : children) {
    if (!c->visible()) continue;
    hiddenByRoll_.push_back(c);
    c->hide();
  }
  if (rollKind_ == TbsExPanelRollKind::rkRollHorizontal) {
    if (realWidth_ == 0) {
      realWidth_ = width();
      setWidth(RolledSize());
    }
  } else if (realHeight_ == 0) {
    realHeight_ = height();
    setHeight(RolledSize());
  }
  resizing_ = false;
}

void TbsSkinExPanel::unroll() {
  resizing_ = true;
  rollState_ = false;
  // Whichever size was saved is given back.
  if (realWidth_ != 0) {
    const int w = realWidth_;
    realWidth_ = 0;
    setWidth(w);
  }
  if (realHeight_ != 0) {
    const int h = realHeight_;
    realHeight_ = 0;
    setHeight(h);
  }
  const std::vector<ui::Control*> children = controls();
  for (ui::Control* c : hiddenByRoll_) {
    if (std::find(children.begin(), children.end(), c) != children.end()) c->show();
  }
  hiddenByRoll_.clear();
  resizing_ = false;
  enableAlign();
}

void TbsSkinExPanel::setBounds(int left, int top, int width, int height) {
  if (rollState_ && !resizing_) {
    if (rollKind_ == TbsExPanelRollKind::rkRollHorizontal) {
      width = RolledSize();
    } else {
      height = RolledSize();
    }
  }
  if (rollState_ && sectionIndex_ != -1) {
    // The rolled picture is composed at any size: the section's own size
    // rules do not apply to it.
    const bool sized = width != this->width() || height != this->height();
    SkinControlLayer<ui::WinControl>::setBounds(left, top, width, height);
    if (sized) invalidate();
    return;
  }
  TbsSkinCustomControl::setBounds(left, top, width, height);
  if (sectionIndex_ == -1) invalidate();
}

void TbsSkinExPanel::ChangeSkinData() {
  TbsSkinCustomControl::ChangeSkinData();
  if (!rollState_) {
    realign();
    return;
  }
  ReadSkinSection();
  resizing_ = true;
  if (rollKind_ == TbsExPanelRollKind::rkRollHorizontal) {
    setWidth(RolledSize());
  } else {
    setHeight(RolledSize());
  }
  resizing_ = false;
  invalidate();
}

void TbsSkinExPanel::adjustClientRect(gfx::Rect& rect) const {
  if (sectionIndex_ == -1) {
    rect = {1, defaultCaptionHeight_, width() - 1, height() - 1};
  } else {
    rect = PlacedClientRect();
  }
  if (rect.right < rect.left) rect.right = rect.left;
  if (rect.bottom < rect.top) rect.bottom = rect.top;
}

ExPanelCaptionLayout TbsSkinExPanel::captionLayout() const {
  if (!skinned()) {
    if (strip())
      return DefaultExPanelStrip(width(), height(), defaultCaptionHeight_, showCloseButton_,
                                 showRollButton_);
    return DefaultExPanelBar(width(), defaultCaptionHeight_, showCloseButton_, showRollButton_);
  }
  const auto& s = *section_;
  const gfx::Size close = s.closeButtonRect.size();
  if (strip()) {
    gfx::Rect area = s.rollHCaptionRect;
    area.bottom += height() - s.rollHSkinRect.height();
    return SkinnedExPanelStrip(area, close, s.hRollButtonRect.size(), showCloseButton_,
                               showRollButton_);
  }
  gfx::Rect area;
  if (rollState_) {
    area = s.rollVCaptionRect;
    area.right += width() - s.rollVSkinRect.width();
  } else {
    area = s.captionRect;
    area.right += width() - SkinRect().width();
  }
  return SkinnedExPanelBar(area, close, s.vRollButtonRect.size(), showCloseButton_,
                           showRollButton_);
}

void TbsSkinExPanel::layoutButtons() {
  const ExPanelCaptionLayout l = captionLayout();
  buttons_[kCloseButton].rect = showCloseButton_ ? l.close : gfx::Rect{};
  buttons_[kRollButton].rect = showRollButton_ ? l.roll : gfx::Rect{};
}

gfx::Font TbsSkinExPanel::captionFont() const {
  if (!skinned())
    return SelectSkinFont(false, nullptr, DefaultFont().color, DefaultFont(), SkinData());
  return SelectSkinFont(UseSkinFont(), section_, section_->fontColor, DefaultFont(), SkinData());
}

void TbsSkinExPanel::drawCaptionText(gfx::Canvas& canvas, gfx::Rect area, bool vertical) {
  canvas.setFont(captionFont());
  canvas.setBrushStyle(gfx::BrushStyle::Clear);
  const std::string& text = caption();
  const int cellW = glyph_.empty() ? 0 : glyph_.width() / numGlyphs_;
  const int cell = (!enabled() && numGlyphs_ >= 2) ? 2 : 1;
  if (gfx::IsNullRect(area)) return;
  if (!vertical) {
    const int cy = area.top + area.height() / 2;
    if (cellW > 0) {
      DrawGlyphCell(canvas, area.left, cy - glyph_.height() / 2, cell, numGlyphs_, glyph_);
      area.left += glyph_.width() + spacing_;
    }
    if (text.empty()) return;
    const int th = canvas.textHeight(text);
    canvas.textRect(area, area.left + 2, cy - th / 2, text);
    return;
  }
  const int cx = area.left + area.width() / 2;
  int y = area.bottom;
  if (cellW > 0) {
    y -= glyph_.height();
    DrawGlyphCell(canvas, cx - cellW / 2, y, cell, numGlyphs_, glyph_);
    y -= spacing_;
  }
  if (text.empty()) return;
  const int th = canvas.textHeight(text);
  canvas.intersectClipRect(area);
  canvas.textOutRotated90(cx - th / 2, y, text);
  canvas.resetClip();
}

void TbsSkinExPanel::drawDefaultButton(gfx::Canvas& canvas, int index) {
  const CaptionButton& b = buttons_[static_cast<std::size_t>(index)];
  if (gfx::IsNullRect(b.rect)) return;
  const bool pressed = b.down && b.mouseIn;
  canvas.fillRect(b.rect, Sys(gfx::SysColor::ButtonFace));
  if (pressed || b.mouseIn) {
    canvas.fillRect(b.rect, pressed ? kDownFill : kHotFill);
    canvas.frameRect(b.rect, gfx::kNavy);
  }
  const int shift = pressed ? 2 : 0;
  const int cx = b.rect.left + b.rect.width() / 2 + shift;
  const int cy = b.rect.top + b.rect.height() / 2 + shift;
  if (index == kCloseButton) {
    canvas.setPenColor(gfx::kBlack);
    canvas.setPenWidth(1);
    const int x = cx - 5;
    const int y = cy - 5;
    canvas.line({x + 1, y + 1}, {x + 9, y + 9});
    canvas.line({x + 9, y + 1}, {x + 1, y + 9});
    canvas.line({x + 2, y + 1}, {x + 10, y + 9});
    canvas.line({x + 8, y + 1}, {x + 0, y + 9});
    return;
  }
  PanelArrow arrow = PanelArrow::Up;
  if (rollKind_ == TbsExPanelRollKind::rkRollVertical) {
    arrow = rollState_ ? PanelArrow::Down : PanelArrow::Up;
  } else {
    arrow = rollState_ ? PanelArrow::Right : PanelArrow::Left;
  }
  const gfx::Rect centred{cx - 5, cy - 5, cx + 5, cy + 5};
  PaintPanelArrow(canvas, centred, gfx::kBlack, arrow);
}

void TbsSkinExPanel::drawButtons(gfx::Canvas& canvas) {
  for (int i = 0; i < 2; ++i) {
    const CaptionButton& b = buttons_[static_cast<std::size_t>(i)];
    if (gfx::IsNullRect(b.rect)) continue;
    if (!skinned() || Picture() == nullptr) {
      drawDefaultButton(canvas, i);
      continue;
    }
    const int state = (b.down && b.mouseIn) ? 2 : b.mouseIn ? 1 : 0;
    gfx::Rect src;
    if (i == kCloseButton) {
      const auto& s = *section_;
      src = state == 2   ? s.closeButtonDownRect
            : state == 1 ? s.closeButtonActiveRect
                         : s.closeButtonRect;
    } else {
      const int k = rollKind_ == TbsExPanelRollKind::rkRollHorizontal ? 0 : 1;
      src = rollState_ ? restoreButton_[k][state] : rollButton_[k][state];
    }
    if (gfx::IsNullRect(src)) continue;
    canvas.copyRect(gfx::Rect::fromSize(b.rect.left, b.rect.top, src.width(), src.height()),
                    *Picture(), src);
  }
}

void TbsSkinExPanel::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  const int w = width();
  const int h = height();
  const gfx::Color face = Sys(gfx::SysColor::ButtonFace);
  const gfx::Color shadow = Sys(gfx::SysColor::ButtonShadow);
  const gfx::Color light = Sys(gfx::SysColor::ButtonHighlight);
  canvas.fillRect({0, 0, w, h}, face);
  if (strip()) {
    PaintBevelLines(canvas, {0, 0, w, h}, shadow, shadow);
    PaintBevelLines(canvas, Inflate({0, 0, w, h}, 1), light, face);
  } else {
    canvas.frameRect({0, 0, w, h}, shadow);
    const gfx::Rect bar{0, 0, w, defaultCaptionHeight_};
    PaintBevelLines(canvas, bar, shadow, shadow);
    PaintBevelLines(canvas, Inflate(bar, 1), light, face);
  }
  layoutButtons();
  drawCaptionText(canvas, captionLayout().text, strip());
  drawButtons(canvas);
}

void TbsSkinExPanel::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (section_ == nullptr || Picture() == nullptr) {
    DrawDefaultImage(bitmap);
    return;
  }
  const auto& s = *section_;
  if (!rollState_) {
    TbsSkinCustomControl::DrawSkinImage(bitmap);
  } else {
    gfx::Bitmap part;
    if (strip()) {
      ComposeVertStrip(s.rollTopOffset, s.rollBottomOffset, part, *Picture(), s.rollHSkinRect,
                       height());
    } else {
      ComposeHorzStrip(s.rollLeftOffset, s.rollRightOffset, part, *Picture(), s.rollVSkinRect,
                       width());
    }
    if (part.empty()) {
      DrawDefaultImage(bitmap);
      return;
    }
    bitmap.draw(0, 0, part);
  }
  gfx::Canvas canvas(bitmap);
  layoutButtons();
  drawCaptionText(canvas, captionLayout().text, strip());
  drawButtons(canvas);
}

void TbsSkinExPanel::testActive(int x, int y) {
  layoutButtons();
  int j = -1;
  if (showCloseButton_ || showRollButton_) {
    for (int i = 0; i < 2; ++i) {
      const bool shown = i == kCloseButton ? showCloseButton_ : showRollButton_;
      if (shown && gfx::PtInRect(buttons_[static_cast<std::size_t>(i)].rect, {x, y})) {
        j = i;
        break;
      }
    }
  }
  if (captureButton_ != -1 && j != captureButton_) j = -1;
  if (j == activeButton_) return;
  oldActiveButton_ = activeButton_;
  activeButton_ = j;
  if (oldActiveButton_ != -1) {
    buttons_[static_cast<std::size_t>(oldActiveButton_)].mouseIn = false;
    redrawButton(oldActiveButton_);
  }
  if (activeButton_ != -1) {
    buttons_[static_cast<std::size_t>(activeButton_)].mouseIn = true;
    redrawButton(activeButton_);
  }
}

void TbsSkinExPanel::redrawButton(int index) {
  invalidateRect(buttons_[static_cast<std::size_t>(index)].rect);
}

void TbsSkinExPanel::mouseEnter() {
  TbsSkinCustomControl::mouseEnter();
  testActive(-1, -1);
}

void TbsSkinExPanel::mouseLeave() {
  TbsSkinCustomControl::mouseLeave();
  for (int i = 0; i < 2; ++i) {
    if (buttons_[static_cast<std::size_t>(i)].mouseIn) {
      buttons_[static_cast<std::size_t>(i)].mouseIn = false;
      redrawButton(i);
    }
  }
  activeButton_ = -1;
}

void TbsSkinExPanel::mouseMove(unsigned shift, int x, int y) {
  testActive(x, y);
  TbsSkinCustomControl::mouseMove(shift, x, y);
}

void TbsSkinExPanel::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  ReadSkinSection();
  testActive(x, y);
  if (activeButton_ != -1 && captureButton_ == -1) {
    captureButton_ = activeButton_;
    CaptionButton& b = buttons_[static_cast<std::size_t>(captureButton_)];
    b.mouseIn = true;
    b.down = true;
    redrawButton(captureButton_);
    setCapture();
  }
  TbsSkinCustomControl::mouseDown(button, shift, x, y);
}

void TbsSkinExPanel::mouseUp(ui::MouseButton button, unsigned shift, int x, int y) {
  TbsSkinCustomControl::mouseUp(button, shift, x, y);
  if (captureButton_ == -1) return;
  const int i = captureButton_;
  captureButton_ = -1;
  if (hasCapture()) releaseCapture();
  CaptionButton& b = buttons_[static_cast<std::size_t>(i)];
  b.down = false;
  const bool over = activeButton_ == i;
  if (!over) b.mouseIn = false;
  redrawButton(i);
  if (!over) return;
  if (i == kCloseButton) {
    b.mouseIn = false;
    activeButton_ = -1;
    hide();
    // The handler may destroy the panel: nothing of it is touched after.
    if (OnClose) OnClose(*this);
    return;
  }
  setRollState(!rollState_);
  testActive(x, y);
  invalidate();
}

}  // namespace skin

// The menu button: opening and closing its menu, the track part, and the
// looks with the drop-down arrow.
#include "skin/controls/skin_menu_button.h"

#include "skin/draw/frame_image.h"
#include "skin/frame/default_frame_metrics.h"
#include "skin/popup/menu_messages.h"
#include "ui/graphics/canvas.h"
#include "ui/keys.h"

namespace skin {

namespace {
constexpr const char* kResizeButtonSection = "resizebutton";
}  // namespace

TbsSkinMenuButton::TbsSkinMenuButton(ui::Component* owner) : TbsSkinButton(owner) {
  SetSkinDataName("toolmenubutton");
}

TbsSkinMenuButton::~TbsSkinMenuButton() {
  if (menu_ != nullptr) removeFreeNotification(menu_);
}

void TbsSkinMenuButton::setSkinPopupMenu(TbsSkinPopupMenu* menu) {
  if (menu == menu_) return;
  if (menu_ != nullptr) removeFreeNotification(menu_);
  menu_ = menu;
  if (menu_ != nullptr) freeNotification(menu_);
  invalidate();
}

void TbsSkinMenuButton::notification(ui::Component* component, ui::Component::Operation operation) {
  TbsSkinButton::notification(component, operation);
  if (operation == ui::Component::Operation::Removing && component == menu_) {
    menu_ = nullptr;
    if (menuShown_) menuClosed();
  }
}

void TbsSkinMenuButton::setTrackButtonMode(bool on) {
  if (on == trackButtonMode_) return;
  trackButtonMode_ = on;
  invalidate();
}

void TbsSkinMenuButton::ReadSkinSection() {
  TbsSkinButton::ReadSkinSection();
  if (SectionIndex() == -1) return;
  if (const auto* s = SectionAs<TbsDataSkinMenuButtonControl>()) {
    trackButtonRect_ = s->trackButtonRect;
  } else {
    trackButtonRect_ = {};
  }
}

gfx::Rect TbsSkinMenuButton::trackArea() const {
  const bool skinned = SectionIndex() != -1 && SkinDataName() != kResizeButtonSection;
  if (skinned && !gfx::IsNullRect(trackButtonRect_)) {
    gfx::Rect r = trackButtonRect_;
    const int dw = width() - SkinRect().width();
    const int dh = height() - SkinRect().height();
    if (stretchKind() == StretchKind::Horizontal) {
      r = {r.left + dw, r.top, r.right + dw, r.bottom};
    } else if (stretchKind() == StretchKind::Vertical) {
      r = {r.left, r.top + dh, r.right, r.bottom + dh};
    }
    return r;
  }
  return {width() - kTrackStripWidth, 0, width(), height()};
}

bool TbsSkinMenuButton::trackHit(int x, int y) const {
  if (menu_ == nullptr) return false;
  if (!trackButtonMode_) return true;
  const gfx::Rect r = trackArea();
  return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

void TbsSkinMenuButton::ShowTrackMenu() {
  if (menu_ == nullptr) return;
  const gfx::Point origin = clientToScreen({0, 0});
  menu_->PopupFromRect(this, gfx::Rect::fromSize(origin.x, origin.y, width(), height()), false);
  if (OnShowTrackMenu) OnShowTrackMenu(*this);
  // A menu that could not be shown (no frame to show it, nothing in it)
  // sends no closing notice: the button must not stay held for it.
  if (menuShown_) {
    SkinMenuHost* host = menu_ != nullptr ? menu_->FindHost() : nullptr;
    if (host == nullptr || !host->SkinMenu().Visible()) menuClosed();
  }
}

void TbsSkinMenuButton::openMenu() {
  menuShown_ = true;
  if (!Down()) setDown(true);
  invalidate();
  ShowTrackMenu();
}

void TbsSkinMenuButton::menuClosed() {
  menuShown_ = false;
  setMousePressed(false);
  setDown(false);
  if (OnHideTrackMenu) OnHideTrackMenu(*this);
}

void TbsSkinMenuButton::wndProc(ui::Message& m) {
  if (m.id == MenuClosed) {
    if (menuShown_) menuClosed();
    return;
  }
  TbsSkinButton::wndProc(m);
}

void TbsSkinMenuButton::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  if (button == ui::MouseButton::Left && enabled() && !menuShown_ && trackHit(x, y)) {
    setMouseOver(true);
    openMenu();
    return;
  }
  TbsSkinButton::mouseDown(button, shift, x, y);
}

void TbsSkinMenuButton::mouseUp(ui::MouseButton button, unsigned shift, int x, int y) {
  if (menuShown_) return;
  TbsSkinButton::mouseUp(button, shift, x, y);
}

void TbsSkinMenuButton::pointerEntered() {
  if (menuShown_) {
    setMouseOver(true);
    return;
  }
  TbsSkinButton::pointerEntered();
}

void TbsSkinMenuButton::pointerLeft() {
  if (menuShown_) {
    setMouseOver(false);
    return;
  }
  TbsSkinButton::pointerLeft();
}

void TbsSkinMenuButton::keyDown(int& key, unsigned shift) {
  if (CanFocused() && enabled() && key == ui::VK_SPACE && !trackButtonMode_ && menu_ != nullptr) {
    key = 0;
    if (!menuShown_) openMenu();
    return;
  }
  TbsSkinButton::keyDown(key, shift);
}

bool TbsSkinMenuButton::formMessage(ui::Message& m) {
  if (m.id == ui::WM_SYSCOMMAND && (m.wparam & 0xFFF0) == ui::SC_KEYMENU && m.lparam != 0 &&
      menu_ != nullptr && !trackButtonMode_ && enabled() && showing()) {
    const char accel = AcceleratorOf(caption());
    if (accel != 0 && accel == static_cast<char>(m.lparam) && CanFocused() && canFocus()) {
      setFocus();
      m.result = 1;
      if (!menuShown_) openMenu();
      return true;
    }
  }
  return TbsSkinButton::formMessage(m);
}

// --- Drawing ----------------------------------------------------------------

void TbsSkinMenuButton::DrawStateImage(gfx::Bitmap& bitmap, const gfx::Rect& src, bool active,
                                       bool down) {
  TbsSkinButton::DrawStateImage(bitmap, src, active, down);
}

void TbsSkinMenuButton::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (SkinDataName() == kResizeButtonSection) {
    drawResizeButton(bitmap);
    return;
  }
  const ButtonSectionValues* v = buttonValues();
  if (menuShown_ && trackButtonMode_ && v != nullptr && !gfx::IsNullRect(trackButtonRect_) &&
      !gfx::IsNullRect(v->downSkinRect)) {
    // Held open from the drop-down part: the button hot, the part pressed.
    DrawStateImage(bitmap, v->activeSkinRect, true, false);
    const gfx::Rect src{trackButtonRect_.left + v->downSkinRect.left,
                        trackButtonRect_.top + v->downSkinRect.top,
                        trackButtonRect_.right + v->downSkinRect.left,
                        trackButtonRect_.bottom + v->downSkinRect.top};
    if (const gfx::Bitmap* picture = Picture()) bitmap.copyRect(trackArea(), *picture, src);
    return;
  }
  TbsSkinButton::DrawSkinImage(bitmap);
}

void TbsSkinMenuButton::composePart(gfx::Bitmap& part, const gfx::Rect& src, int w, int h) const {
  part.resize(w > 0 ? w : 0, h > 0 ? h : 0);
  const gfx::Bitmap* picture = Picture();
  if (picture == nullptr || w <= 0 || h <= 0) return;
  const ControlSkinGeometry& g = sectionPicture().geometry();
  const gfx::Rect area = gfx::IsNullRect(src) ? SkinRect() : src;
  const gfx::Rect r = gfx::Rect::fromSize(area.left, area.top, g.skinWidth(), g.skinHeight());
  const PlacedControlGeometry placed = skin::CalcSkinSize(g, w, h, g.points);
  ComposeFrameImage(g.points, placed.placed, part, *picture, r, w, h, true);
}

void TbsSkinMenuButton::drawResizeButton(gfx::Bitmap& bitmap) {
  const ButtonSectionValues* v = buttonValues();
  const gfx::Rect normal = SkinRect();
  const gfx::Rect active = v ? v->activeSkinRect : normal;
  const gfx::Rect downRect = v ? v->downSkinRect : normal;
  const int w = width();
  const int h = height();
  const bool hotDown = Down() && MouseOver();
  bool pressed = false;
  if (!trackButtonMode_) {
    const gfx::Rect src = hotDown ? downRect : MouseOver() ? active : normal;
    pressed = hotDown;
    composePart(bitmap, src, w, h);
  } else {
    gfx::Rect mainSrc = normal;
    gfx::Rect stripSrc = normal;
    if (menuShown_) {
      mainSrc = active;
      stripSrc = downRect;
    } else if (hotDown) {
      mainSrc = stripSrc = downRect;
      pressed = true;
    } else if (MouseOver()) {
      mainSrc = stripSrc = active;
    }
    gfx::Bitmap part;
    composePart(part, mainSrc, w - kTrackStripWidth, h);
    bitmap.draw(0, 0, part);
    composePart(part, stripSrc, kTrackStripWidth, h);
    bitmap.draw(w - kTrackStripWidth, 0, part);
  }
  gfx::Canvas canvas(bitmap);
  const gfx::Color color = stateFontColor(pressed || MouseOver(), pressed);
  canvas.setFont(stateFont(color));
  const gfx::Rect textRect{0, 0, w - kTrackStripWidth, h};
  drawGlyphAndCaption(canvas, textRect, 1, pressed, true);
  gfx::Rect arrow{w - kTrackStripWidth, 0, w, h};
  if (pressed || menuShown_) arrow = {w - 13, 2, w + 2, h + 2};
  DrawDropDownArrow(canvas, arrow, menuShown_ && v ? v->downFontColor : color);
}

void TbsSkinMenuButton::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  const int w = width();
  const int h = height();
  const bool hotDown = Down() && MouseOver();
  const gfx::Rect textRect{0, 0, w - kTrackStripWidth, h};
  const gfx::Rect strip{w - kTrackStripWidth, 0, w, h};
  if (!trackButtonMode_) {
    drawDefaultFace(canvas, clientRect(), textRect, 1, false);
  } else {
    DefaultButtonLook mainLook = DefaultButtonLook::Normal;
    DefaultButtonLook stripLook = DefaultButtonLook::Normal;
    bool pressed = false;
    if (menuShown_) {
      mainLook = DefaultButtonLook::Hot;
      stripLook = DefaultButtonLook::Pressed;
    } else if (hotDown) {
      mainLook = stripLook = DefaultButtonLook::Pressed;
      pressed = true;
    } else if (MouseOver() || focusedForLook()) {
      mainLook = stripLook = DefaultButtonLook::Hot;
    }
    DrawDefaultButtonFace(canvas, {0, 0, w - kTrackStripWidth, h}, mainLook);
    DrawDefaultButtonFace(canvas, strip, stripLook);
    gfx::Font font = stateFont(gfx::Color());
    if (!enabled()) font.color = gfx::SystemColor(gfx::SysColor::ButtonShadow);
    canvas.setFont(font);
    drawGlyphAndCaption(canvas, textRect, 1, pressed, true);
  }
  gfx::Rect arrow = strip;
  if (hotDown || menuShown_) arrow = {w - 13, 2, w + 2, h + 2};
  DrawDropDownArrow(canvas, arrow, gfx::SystemColor(gfx::SysColor::ButtonText));
}

}  // namespace skin

// The skinned scroll bar: geometry, stepping, paging, repeats, thumb
// dragging and drawing with and without a section.
#include "skin/controls/skin_scroll_bar.h"

#include <algorithm>

#include "skin/data/control_data.h"
#include "skin/draw/strip_image.h"
#include "skin/draw/tiling.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/color.h"

namespace skin {

namespace {
constexpr int kFirstRepeat = 500;
constexpr int kNextRepeat = 50;
const gfx::Color kHotFill = gfx::Color::rgb(182, 189, 210);
const gfx::Color kPressedFill = gfx::Color::rgb(133, 147, 181);

gfx::Rect OrRect(const gfx::Rect& r, const gfx::Rect& fallback) {
  return gfx::IsNullRect(r) ? fallback : r;
}

// A filled triangle pointing up, down, left or right, rows 7, 5, 3, 1
// pixels wide from the centre outwards.
void DrawArrow(gfx::Bitmap& b, const gfx::Rect& r, bool vertical, bool up, gfx::Color c) {
  const int cx = r.left + r.width() / 2;
  const int cy = r.top + r.height() / 2;
  for (int i = 0; i < 4; ++i) {
    const int half = 3 - i;
    // The wide row lies nearest the far side, the point towards the button's direction.
    const int along = up ? 1 - i : -2 + i;
    if (vertical) {
      b.fillRect({cx - half, cy + along, cx + half + 1, cy + along + 1}, c);
    } else {
      b.fillRect({cx + along, cy - half, cx + along + 1, cy + half + 1}, c);
    }
  }
}
}  // namespace

TbsSkinScrollBar::TbsSkinScrollBar(ui::Component* owner)
    : TbsSkinCustomControl(owner), scheduler_(&ui::QtScheduler()) {
  SetSkinDataName(ownSkinDataName_);
  setBounds(0, 0, 200, 19);
  setTabStop(false);
}

TbsSkinScrollBar::~TbsSkinScrollBar() { stopRepeat(); }

void TbsSkinScrollBar::setKind(TbsScrollBarKind kind) {
  if (kind_ == kind) return;
  kind_ = kind;
  CancelTracking();
  // The bar keeps its extent along the old direction as its new breadth.
  setBounds(left(), top(), height(), width());
  invalidate();
}

void TbsSkinScrollBar::setPosition(int v) { SetRange(min_, max_, pageSize_, v); }

void TbsSkinScrollBar::SetRange(int min, int max, int pageSize, int position) {
  const bool rangeChanged = min != min_ || max != max_ || pageSize != pageSize_;
  min_ = min;
  max_ = max;
  pageSize_ = std::max(0, pageSize);
  const int clamped = ClampScrollPosition(position, min_, max_, pageSize_);
  const bool positionChanged = clamped != position_;
  position_ = clamped;
  if (rangeChanged || positionChanged) invalidate();
  if (positionChanged && OnChange) OnChange(*this);
}

void TbsSkinScrollBar::setCanFocused(bool on) {
  canFocused_ = on;
  setTabStop(on);
  setAcceptsFocus(on);
}

void TbsSkinScrollBar::setBoth(bool on) {
  if (both_ == on) return;
  both_ = on;
  TbsSkinCustomControl::SetSkinDataName(both_ ? bothSkinDataName_ : ownSkinDataName_);
  ChangeSkinData();
}

void TbsSkinScrollBar::setBothMarkerWidth(int w) {
  bothMarkerWidth_ = std::max(0, w);
  invalidate();
}

void TbsSkinScrollBar::setBothSkinDataName(const std::string& name) {
  bothSkinDataName_ = name;
  if (both_) TbsSkinCustomControl::SetSkinDataName(name);
}

void TbsSkinScrollBar::SetSkinDataName(const std::string& name) {
  ownSkinDataName_ = name;
  if (!both_) TbsSkinCustomControl::SetSkinDataName(name);
}

void TbsSkinScrollBar::setScheduler(ui::Scheduler* scheduler) {
  stopRepeat();
  scheduler_ = scheduler != nullptr ? scheduler : &ui::QtScheduler();
}

const TbsDataSkinScrollBarControl* TbsSkinScrollBar::scrollSection() const {
  return SectionAs<TbsDataSkinScrollBarControl>();
}

void TbsSkinScrollBar::ReadSkinSection() {
  TbsSkinCustomControl::ReadSkinSection();
  // A section of another kind has no bar parts: the default look.
  if (sectionIndex_ != -1 && scrollSection() == nullptr) {
    sectionIndex_ = -1;
    sectionPicture().clear();
  }
}

void TbsSkinScrollBar::BeforeChangeSkinData() {
  CancelTracking();
  TbsSkinCustomControl::BeforeChangeSkinData();
}

void TbsSkinScrollBar::ChangeSkinData() {
  CancelTracking();
  TbsSkinCustomControl::ChangeSkinData();
}

int TbsSkinScrollBar::barLength() const {
  const int length = vertical() ? height() : width();
  return both_ && !vertical() ? std::max(0, length - bothMarkerWidth_) : length;
}

ScrollBarParts TbsSkinScrollBar::parts() const {
  const TbsDataSkinScrollBarControl* s = sectionIndex_ != -1 ? scrollSection() : nullptr;
  const int breadth = vertical() ? width() : height();
  if (s == nullptr) return DefaultScrollBarParts(vertical(), barLength(), breadth);
  const int w = vertical() ? width() : barLength();
  const int h = vertical() ? barLength() : height();
  ScrollBarParts p;
  p.up = sectionPicture().mapSkinRect(s->upButtonRect, w, h);
  p.down = sectionPicture().mapSkinRect(s->downButtonRect, w, h);
  p.track = sectionPicture().mapSkinRect(s->trackArea, w, h);
  return p;
}

int TbsSkinScrollBar::minThumbLength() const {
  const TbsDataSkinScrollBarControl* s = sectionIndex_ != -1 ? scrollSection() : nullptr;
  if (s == nullptr || gfx::IsNullRect(s->thumbRect)) return 16;
  return vertical() ? s->thumbRect.height() : s->thumbRect.width();
}

gfx::Rect TbsSkinScrollBar::thumbRect() const {
  const ScrollBarParts p = parts();
  const int track = vertical() ? p.track.height() : p.track.width();
  const int length = ScrollThumbLength(track, min_, max_, pageSize_, minThumbLength());
  if (length <= 0 || length < std::min(minThumbLength(), track) || track <= 0) return {};
  const int offset = ScrollThumbOffset(track, length, position_, min_, max_, pageSize_);
  int breadth = 0;
  if (const auto* s = sectionIndex_ != -1 ? scrollSection() : nullptr;
      s != nullptr && !gfx::IsNullRect(s->thumbRect))
    breadth = vertical() ? s->thumbRect.width() : s->thumbRect.height();
  return PlaceScrollThumb(vertical(), p.track, offset, length, breadth);
}

TbsSkinScrollBar::Part TbsSkinScrollBar::partAt(gfx::Point pt) const {
  const ScrollBarParts p = parts();
  const gfx::Rect thumb = thumbRect();
  if (enabled() && !gfx::IsNullRect(thumb) && gfx::PtInRect(thumb, pt)) return Part::Thumb;
  if (gfx::PtInRect(p.down, pt)) return Part::DownButton;
  if (gfx::PtInRect(p.up, pt)) return Part::UpButton;
  if (gfx::PtInRect(p.track, pt)) {
    if (gfx::IsNullRect(thumb)) return Part::None;
    const bool before = vertical() ? pt.y < thumb.top : pt.x < thumb.left;
    return before ? Part::TrackBefore : Part::TrackAfter;
  }
  return Part::None;
}

void TbsSkinScrollBar::stepFor(Part part) {
  switch (part) {
    case Part::UpButton:
      if (OnUpButtonClick) {
        OnUpButtonClick(*this);
      } else {
        setPosition(position_ - smallChange_);
      }
      break;
    case Part::DownButton:
      if (OnDownButtonClick) {
        OnDownButtonClick(*this);
      } else {
        setPosition(position_ + smallChange_);
      }
      break;
    case Part::TrackBefore:
      setPosition(position_ - largeChange_);
      if (OnPageUp) OnPageUp(*this);
      break;
    case Part::TrackAfter:
      setPosition(position_ + largeChange_);
      if (OnPageDown) OnPageDown(*this);
      break;
    default:
      break;
  }
}

void TbsSkinScrollBar::startRepeat(int ms) {
  stopRepeat();
  repeatCall_ = scheduler_->start(ms, [this] {
    repeatCall_ = 0;
    repeatTick();
  });
}

void TbsSkinScrollBar::stopRepeat() {
  if (repeatCall_ != 0) scheduler_->cancel(repeatCall_);
  repeatCall_ = 0;
}

bool TbsSkinScrollBar::trackPassed() const {
  const gfx::Rect thumb = thumbRect();
  if (gfx::IsNullRect(thumb)) return true;
  const int p = vertical() ? pointer_.y : pointer_.x;
  const int start = vertical() ? thumb.top : thumb.left;
  const int end = vertical() ? thumb.bottom : thumb.right;
  return pressed_ == Part::TrackBefore ? p >= start : p < end;
}

void TbsSkinScrollBar::repeatTick() {
  if (pressed_ == Part::UpButton || pressed_ == Part::DownButton) {
    if (partAt(pointer_) != pressed_) return;  // left the button: wait for it to come back
  } else if (pressed_ == Part::TrackBefore || pressed_ == Part::TrackAfter) {
    if (trackPassed()) return;
  } else {
    return;
  }
  // The next tick is asked for before the step, so a handler that stops
  // the bar (or destroys its list) cancels it.
  startRepeat(kNextRepeat);
  stepFor(pressed_);
}

void TbsSkinScrollBar::CancelTracking() {
  stopRepeat();
  const bool wasDragging = dragging_ && dragMoved_;
  const bool any = pressed_ != Part::None || dragging_;
  pressed_ = Part::None;
  dragging_ = false;
  dragMoved_ = false;
  if (hasCapture()) releaseCapture();
  if (any) invalidate();
  if (wasDragging && OnLastChange) OnLastChange(*this);
}

void TbsSkinScrollBar::wndProc(ui::Message& m) {
  if (m.id == ui::WM_CAPTURECHANGED || m.id == ui::WM_CANCELMODE) {
    TbsSkinCustomControl::wndProc(m);
    if (pressed_ != Part::None && !hasCapture()) CancelTracking();
    return;
  }
  TbsSkinCustomControl::wndProc(m);
}

void TbsSkinScrollBar::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  TbsSkinCustomControl::mouseDown(button, shift, x, y);
  if (button != ui::MouseButton::Left || !enabled()) return;
  if (canFocused_ && canFocus() && !focused()) setFocus();
  pointer_ = pressPoint_ = {x, y};
  const Part part = partAt(pointer_);
  if (part == Part::None) return;
  pressed_ = part;
  setCapture();
  invalidate();
  if (part == Part::Thumb) {
    dragging_ = true;
    dragMoved_ = false;
    const gfx::Rect thumb = thumbRect();
    const ScrollBarParts p = parts();
    pressThumbOffset_ = vertical() ? thumb.top - p.track.top : thumb.left - p.track.left;
    return;
  }
  startRepeat(kFirstRepeat);
  stepFor(part);
}

void TbsSkinScrollBar::mouseMove(unsigned shift, int x, int y) {
  TbsSkinCustomControl::mouseMove(shift, x, y);
  pointer_ = {x, y};
  if (dragging_) {
    const ScrollBarParts p = parts();
    const gfx::Rect thumb = thumbRect();
    const int track = vertical() ? p.track.height() : p.track.width();
    const int length = vertical() ? thumb.height() : thumb.width();
    const int delta = vertical() ? y - pressPoint_.y : x - pressPoint_.x;
    dragMoved_ = true;
    setPosition(
        ScrollPositionForOffset(pressThumbOffset_ + delta, track, length, min_, max_, pageSize_));
    return;
  }
  if (pressed_ == Part::UpButton || pressed_ == Part::DownButton) {
    const bool inside = partAt(pointer_) == pressed_;
    if (!inside && repeatCall_ != 0) {
      stopRepeat();
      invalidate();
    } else if (inside && repeatCall_ == 0) {
      startRepeat(kNextRepeat);
      invalidate();
    }
    return;
  }
  if (pressed_ == Part::None) {
    const Part part = partAt(pointer_);
    const Part hot = part == Part::TrackBefore || part == Part::TrackAfter ? Part::None : part;
    if (hot != hot_) {
      hot_ = hot;
      invalidate();
    }
  }
}

void TbsSkinScrollBar::mouseUp(ui::MouseButton button, unsigned shift, int x, int y) {
  TbsSkinCustomControl::mouseUp(button, shift, x, y);
  if (button != ui::MouseButton::Left) return;
  CancelTracking();
}

void TbsSkinScrollBar::mouseLeave() {
  TbsSkinCustomControl::mouseLeave();
  if (hot_ != Part::None) {
    hot_ = Part::None;
    invalidate();
  }
}

// --- drawing -----------------------------------------------------------------

void TbsSkinScrollBar::drawButtonDefault(gfx::Bitmap& b, const gfx::Rect& r, Part part,
                                         bool up) const {
  if (gfx::IsNullRect(r)) return;
  const bool pressed = pressed_ == part && partAt(pointer_) == part;
  const bool hot = hot_ == part || pressed;
  gfx::Canvas c(b);
  if (hot && enabled()) {
    c.fillRect(r, pressed ? kPressedFill : kHotFill);
    c.frameRect(r, gfx::kNavy);
  } else {
    c.fillRect(r, gfx::SystemColor(gfx::SysColor::ButtonFace));
    c.frameRect(r, gfx::SystemColor(gfx::SysColor::ButtonShadow));
  }
  if (part == Part::Thumb) return;
  DrawArrow(b, r, vertical(), up,
            enabled() ? gfx::kBlack : gfx::SystemColor(gfx::SysColor::ButtonShadow));
}

void TbsSkinScrollBar::DrawDefaultImage(gfx::Bitmap& bitmap) {
  bitmap.fill(gfx::SystemColor(gfx::SysColor::ButtonFace));
  const ScrollBarParts p = parts();
  bitmap.fillRect(p.track, gfx::SystemColor(gfx::SysColor::ScrollBar));
  drawButtonDefault(bitmap, p.up, Part::UpButton, true);
  drawButtonDefault(bitmap, p.down, Part::DownButton, false);
  if (enabled()) drawButtonDefault(bitmap, thumbRect(), Part::Thumb, false);
}

void TbsSkinScrollBar::drawPart(gfx::Bitmap& b, const gfx::Rect& to, const gfx::Rect& normal,
                                const gfx::Rect& active, const gfx::Rect& down, Part part) const {
  if (gfx::IsNullRect(to) || Picture() == nullptr) return;
  const bool pressed = pressed_ == part && (part == Part::Thumb || partAt(pointer_) == part);
  const bool hot = hot_ == part;
  gfx::Rect src = normal;
  if (pressed) {
    src = OrRect(down, OrRect(active, normal));
  } else if (hot) {
    src = OrRect(active, normal);
  }
  if (gfx::IsNullRect(src)) return;
  StretchPiece(b, to, *Picture(), src);
}

void TbsSkinScrollBar::DrawSkinImage(gfx::Bitmap& bitmap) {
  const TbsDataSkinScrollBarControl* s = scrollSection();
  if (s == nullptr || Picture() == nullptr) {
    DrawDefaultImage(bitmap);
    return;
  }
  const int w = vertical() ? width() : barLength();
  const int h = vertical() ? barLength() : height();
  if (both_ && !vertical()) bitmap.fill(gfx::SystemColor(gfx::SysColor::ButtonFace));
  sectionPicture().draw(bitmap, SkinRect(), w, h);
  const ScrollBarParts p = parts();
  // The normal buttons are part of the composed picture; the active and
  // pressed ones are separate pictures of the button's size.
  if (pressed_ == Part::UpButton || hot_ == Part::UpButton)
    drawPart(bitmap, p.up, {}, s->activeUpButtonRect, s->downUpButtonRect, Part::UpButton);
  if (pressed_ == Part::DownButton || hot_ == Part::DownButton)
    drawPart(bitmap, p.down, {}, s->activeDownButtonRect, s->downDownButtonRect, Part::DownButton);
  if (!enabled()) return;
  const gfx::Rect thumb = thumbRect();
  if (gfx::IsNullRect(thumb) || gfx::IsNullRect(s->thumbRect)) return;
  const bool pressed = pressed_ == Part::Thumb;
  const bool hot = hot_ == Part::Thumb;
  gfx::Rect src = s->thumbRect;
  if (pressed) {
    src = OrRect(s->downThumbRect, OrRect(s->activeThumbRect, s->thumbRect));
  } else if (hot) {
    src = OrRect(s->activeThumbRect, s->thumbRect);
  }
  // The thumb keeps its two ends and repeats its middle along the track.
  gfx::Bitmap piece;
  if (vertical()) {
    ComposeVertStrip(s->thumbOffset1, s->thumbOffset2, piece, *Picture(), src, thumb.height());
  } else {
    ComposeHorzStrip(s->thumbOffset1, s->thumbOffset2, piece, *Picture(), src, thumb.width());
  }
  if (piece.empty()) return;
  if (s->thumbTransparent) {
    bitmap.drawTransparent(thumb.left, thumb.top, piece, piece.rect(), s->thumbTransparentColor);
  } else {
    bitmap.draw(thumb.left, thumb.top, piece);
  }
  gfx::Rect glyph = s->glyphRect;
  if (pressed) {
    glyph = OrRect(s->downGlyphRect, OrRect(s->activeGlyphRect, s->glyphRect));
  } else if (hot) {
    glyph = OrRect(s->activeGlyphRect, s->glyphRect);
  }
  if (!gfx::IsNullRect(glyph) && glyph.width() <= thumb.width() &&
      glyph.height() <= thumb.height()) {
    const gfx::Rect at =
        gfx::CenterRect(gfx::Rect::fromSize(0, 0, glyph.width(), glyph.height()), thumb);
    if (s->thumbTransparent) {
      bitmap.drawTransparent(at.left, at.top, *Picture(), glyph, s->thumbTransparentColor);
    } else {
      bitmap.copyRect(at, *Picture(), glyph);
    }
  }
}

}  // namespace skin

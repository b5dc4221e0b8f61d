// The skinned tool bar: speed buttons, their shared settings, scrolling.
#include "skin/controls/skin_tool_bar.h"

#include <QChildEvent>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "skin/controls/panel_layout.h"
#include "skin/draw/strip_image.h"
#include "ui/graphics/color.h"

namespace skin {

namespace {

constexpr gfx::Color kHotFill = gfx::Color::rgb(182, 189, 210);
constexpr gfx::Color kDownFill = gfx::Color::rgb(133, 147, 181);

}  // namespace

// Tells the tool bar, once the event loop runs again, that children came or
// went, so that the scroll buttons follow a bar filled after it was sized;
// and at once when the pointer entered the client area.
class ToolBarClientWatch : public QObject {
 public:
  ToolBarClientWatch(QWidget* client, TbsSkinToolBar* bar) : QObject(client), bar_(bar) {
    client->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Enter) bar_->clientEntered();
    if ((e->type() == QEvent::ChildAdded || e->type() == QEvent::ChildRemoved) && !pending_) {
      pending_ = true;
      QPointer<QObject> guard(watched);
      TbsSkinToolBar* bar = bar_;
      QTimer::singleShot(0, watched, [this, bar, guard] {
        pending_ = false;
        if (guard) bar->UpdateScrollState();
      });
    }
    return false;
  }

 private:
  TbsSkinToolBar* bar_;
  bool pending_ = false;
};

TbsSkinToolBar::TbsSkinToolBar(ui::Component* owner) : TbsSkinPanel(owner) {
  client_ = new QWidget(widget());
  client_->setGeometry(0, 0, width(), height());
  client_->show();
  new ToolBarClientWatch(client_, this);
  SetSkinDataName("toolpanel");
  setBorderStyle(TbsSkinBorderStyle::bvNone);
  setHeight(25);
}

TbsSkinToolBar::~TbsSkinToolBar() {
  if (timerRunning(kScrollTimer)) killTimer(kScrollTimer);
}

QWidget* TbsSkinToolBar::containerWidget() const {
  return client_ != nullptr ? client_ : TbsSkinPanel::containerWidget();
}

gfx::Rect TbsSkinToolBar::clientRect() const {
  if (!buttonsShown_) return {0, 0, width(), height()};
  return {0, 0, std::max(0, width() - 2 * kScrollButtonWidth), height()};
}

template <class F>
void TbsSkinToolBar::forEachSpeedButton(F f) {
  const std::vector<ui::Control*> children = controls();
  for (ui::Control* c : children)
    if (auto* b = dynamic_cast<TbsSkinSpeedButton*>(c)) f(*b);
}

void TbsSkinToolBar::setCanScroll(bool on) {
  if (on == canScroll_) return;
  canScroll_ = on;
  UpdateScrollState();
}

void TbsSkinToolBar::setScrollOffset(int v) {
  if (v >= 0) scrollOffset_ = v;
}

void TbsSkinToolBar::setScrollTimerInterval(int ms) {
  if (ms > 0) scrollTimerInterval_ = ms;
}

void TbsSkinToolBar::setShowCaptions(bool on) {
  showCaptions_ = on;
  if (autoShowHideCaptions_)
    forEachSpeedButton([on](TbsSkinSpeedButton& b) { b.setShowCaption(on); });
  if (widthWithCaptions_ != 0 && widthWithoutCaptions_ != 0)
    setWidth(on ? widthWithCaptions_ : widthWithoutCaptions_);
}

void TbsSkinToolBar::setFlat(bool on) {
  flat_ = on;
  forEachSpeedButton([on](TbsSkinSpeedButton& b) { b.setFlat(on); });
}

void TbsSkinToolBar::setList(ui::ImageList*& slot, ui::ImageList* list) {
  if (slot == list) return;
  if (slot != nullptr) removeFreeNotification(slot);
  slot = list;
  if (slot != nullptr) freeNotification(slot);
  repaintChildren();
}

void TbsSkinToolBar::setImages(ui::ImageList* list) { setList(images_, list); }
void TbsSkinToolBar::setHotImages(ui::ImageList* list) { setList(hotImages_, list); }
void TbsSkinToolBar::setDisabledImages(ui::ImageList* list) { setList(disabledImages_, list); }

void TbsSkinToolBar::repaintChildren() {
  forEachSpeedButton([](TbsSkinSpeedButton& b) { b.invalidate(); });
}

void TbsSkinToolBar::notification(ui::Component* component, Operation operation) {
  TbsSkinPanel::notification(component, operation);
  if (operation != Operation::Removing) return;
  bool changed = false;
  for (ui::ImageList** slot : {&images_, &hotImages_, &disabledImages_}) {
    if (*slot == component) {
      *slot = nullptr;
      changed = true;
    }
  }
  if (changed && !destroying()) repaintChildren();
}

void TbsSkinToolBar::SetSkinData(TbsSkinData* data) {
  TbsSkinPanel::SetSkinData(data);
  forEachSpeedButton([data](TbsSkinSpeedButton& b) { b.SetSkinData(data); });
}

void TbsSkinToolBar::ReadSkinSection() {
  TbsSkinPanel::ReadSkinSection();
  scrollSection_ = nullptr;
  scrollPicture_.clear();
  if (SkinData() == nullptr || SkinData()->Empty()) return;
  const int i = SkinData()->FindControlData("resizebutton");
  if (i < 0) return;
  scrollSection_ = dynamic_cast<const TbsDataSkinButtonControl*>(
      SkinData()->ControlDataList()[static_cast<std::size_t>(i)].get());
  if (scrollSection_ == nullptr) return;
  scrollPicture_.read(*SkinData(), scrollSection_, false);
  if (scrollPicture_.picture() == nullptr || gfx::IsNullRect(scrollPicture_.skinRect())) {
    scrollSection_ = nullptr;
    scrollPicture_.clear();
  }
}

void TbsSkinToolBar::adjustClientRect(gfx::Rect& rect) const {
  TbsSkinPanel::adjustClientRect(rect);
  if (!buttonsShown_) return;
  int top = 1;
  int bottom = height() - 1;
  if (sectionIndex_ != -1) {
    const bool whole =
        BorderStyle() == TbsSkinBorderStyle::bvNone && stretchKind() == StretchKind::Both;
    top = whole ? 0 : PlacedClientRect().top;
    bottom = whole ? height() : PlacedClientRect().bottom;
  }
  rect = {-scrollPos_, top, std::max(contentRight_, clientWidth()), bottom};
}

void TbsSkinToolBar::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (buttonsShown_ && stretchKind() == StretchKind::Horizontal && Picture() != nullptr) {
    gfx::Bitmap middle;
    const gfx::Rect& sr = SkinRect();
    ComposeHorzStripMiddle(SkinPoints().leftTop.x, sr.width() - SkinPoints().rightTop.x, middle,
                           *Picture(), sr, width());
    if (!middle.empty()) bitmap.draw(0, 0, middle);
  } else {
    TbsSkinPanel::DrawSkinImage(bitmap);
  }
  drawScrollButtons(bitmap);
}

void TbsSkinToolBar::DrawDefaultImage(gfx::Bitmap& bitmap) {
  TbsSkinPanel::DrawDefaultImage(bitmap);
  drawScrollButtons(bitmap);
}

void TbsSkinToolBar::drawScrollButtons(gfx::Bitmap& bitmap) {
  if (!buttonsShown_) return;
  drawScrollButton(bitmap, 0);
  drawScrollButton(bitmap, 1);
}

void TbsSkinToolBar::drawScrollButton(gfx::Bitmap& bitmap, int index) {
  const int w = kScrollButtonWidth;
  const int h = height();
  const int x = index == 0 ? 0 : width() - w;
  const gfx::Rect r = gfx::Rect::fromSize(x, 0, w, h);
  const bool hot = hot_[index];
  const bool down = (pressed_[index] && hot) || (hot && hotScroll_);
  gfx::Canvas canvas(bitmap);
  gfx::Color arrowColor = gfx::SystemColor(gfx::SysColor::ButtonText);
  bool drawn = false;
  if (scrollSection_ != nullptr) {
    const auto& s = *scrollSection_;
    gfx::Rect src = s.skinRect;
    arrowColor = s.fontColor;
    if (down && !gfx::IsNullRect(s.downSkinRect)) {
      src = s.downSkinRect;
      arrowColor = s.downFontColor;
    } else if (hot && !gfx::IsNullRect(s.activeSkinRect)) {
      src = s.activeSkinRect;
      arrowColor = s.activeFontColor;
    }
    gfx::Bitmap part(w, h);
    int pw = w;
    int ph = h;
    scrollPicture_.calcSkinSize(pw, ph);
    if (pw == w && ph == h) {
      scrollPicture_.draw(part, src, w, h);
      canvas.draw(x, 0, part);
      drawn = true;
    } else {
      // A section that cannot take the button's size: its picture scaled.
      canvas.copyRect(r, *scrollPicture_.picture(), src);
      drawn = true;
    }
  }
  if (!drawn) {
    if (down) {
      canvas.fillRect(r, kDownFill);
      canvas.frameRect(r, gfx::kNavy);
    } else if (hot) {
      canvas.fillRect(r, kHotFill);
      canvas.frameRect(r, gfx::kNavy);
    } else {
      canvas.fillRect(r, gfx::SystemColor(gfx::SysColor::ButtonFace));
      canvas.frameRect(r, gfx::SystemColor(gfx::SysColor::ButtonShadow));
    }
  }
  PaintPanelArrow(canvas, r, arrowColor, index == 0 ? PanelArrow::Left : PanelArrow::Right);
}

void TbsSkinToolBar::setBounds(int left, int top, int width, int height) {
  const int oldWidth = this->width();
  TbsSkinPanel::setBounds(left, top, width, height);
  growth_ = this->width() - oldWidth;
  if (client_ != nullptr) {
    const int inset = buttonsShown_ ? kScrollButtonWidth : 0;
    client_->setGeometry(inset, 0, std::max(0, this->width() - 2 * inset), this->height());
  }
  UpdateScrollState();
}

void TbsSkinToolBar::moveChildren(int dx) {
  if (dx == 0) return;
  disableAlign();
  const std::vector<ui::Control*> children = controls();
  for (ui::Control* c : children) c->setLeft(c->left() + dx);
  enableAlign();
}

void TbsSkinToolBar::showScrollButtons(bool on) {
  if (on == buttonsShown_) return;
  buttonsShown_ = on;
  hot_[0] = hot_[1] = pressed_[0] = pressed_[1] = false;
  const int inset = on ? kScrollButtonWidth : 0;
  if (client_ != nullptr)
    client_->setGeometry(inset, 0, std::max(0, width() - 2 * inset), height());
  invalidate();
}

void TbsSkinToolBar::UpdateScrollState() {
  if (updating_) return;
  updating_ = true;
  int a = 0;
  bool any = false;
  for (ui::Control* c : controls()) {
    if (!c->visible()) continue;
    any = true;
    a = std::max(a, c->boundsRect().right);
  }
  if (canScroll_ && any && a > 0 && clientWidth() < a + scrollPos_) {
    showScrollButtons(true);
    const int cw = clientWidth();
    contentRight_ = scrollPos_ + a - 1;
    if (scrollPos_ > 0 && a < cw) {
      // The view got wider than the content's end: scroll back so that the
      // content ends at the view's right edge.
      const int d = growth_ > 0 ? std::min(growth_, scrollPos_) : std::min(cw - a, scrollPos_);
      moveChildren(d);
      scrollPos_ -= d;
    }
    viewWidth_ = cw;
    lastPos_ = scrollPos_;
  } else {
    moveChildren(scrollPos_);
    scrollPos_ = contentRight_ = viewWidth_ = lastPos_ = 0;
    stopTimer();
    showScrollButtons(false);
  }
  growth_ = 0;
  updating_ = false;
}

void TbsSkinToolBar::ScrollStep(bool toRight) {
  if (!buttonsShown_) {
    stopTimer();
    return;
  }
  const int pos = ToolBarScrollStep(scrollPos_, toRight, scrollOffset_, clientWidth(),
                                    contentRight_, viewWidth_);
  if (pos == scrollPos_) {
    stopTimer();
    return;
  }
  scrollPos_ = pos;
  moveChildren(-(scrollPos_ - lastPos_));
  lastPos_ = scrollPos_;
}

int TbsSkinToolBar::scrollButtonAt(int x, int y) const {
  if (!buttonsShown_ || y < 0 || y >= height()) return -1;
  if (x >= 0 && x < kScrollButtonWidth) return 0;
  if (x >= width() - kScrollButtonWidth && x < width()) return 1;
  return -1;
}

void TbsSkinToolBar::startTimer(int direction) {
  direction_ = direction;
  setTimer(kScrollTimer, scrollTimerInterval_);
}

void TbsSkinToolBar::stopTimer() {
  direction_ = 0;
  if (timerRunning(kScrollTimer)) killTimer(kScrollTimer);
}

void TbsSkinToolBar::wndProc(ui::Message& m) {
  if (m.id == ui::WM_TIMER && m.wparam == kScrollTimer) {
    if (direction_ != 0) {
      ScrollStep(direction_ > 0);
    } else {
      stopTimer();
    }
    return;
  }
  TbsSkinPanel::wndProc(m);
}

void TbsSkinToolBar::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  const int i = scrollButtonAt(x, y);
  if (i != -1 && button == ui::MouseButton::Left) {
    pressed_[i] = true;
    hot_[i] = true;
    invalidate();
    startTimer(i == 0 ? -1 : 1);
    return;
  }
  TbsSkinPanel::mouseDown(button, shift, x, y);
}

void TbsSkinToolBar::mouseUp(ui::MouseButton button, unsigned shift, int x, int y) {
  for (int i = 0; i < 2; ++i) {
    if (!pressed_[i] || button != ui::MouseButton::Left) continue;
    pressed_[i] = false;
    stopTimer();
    ScrollStep(i == 1);
    invalidate();
    return;
  }
  TbsSkinPanel::mouseUp(button, shift, x, y);
}

void TbsSkinToolBar::mouseMove(unsigned shift, int x, int y) {
  const int i = scrollButtonAt(x, y);
  if (i != -1) {
    setCursor(ui::Cursor::Arrow);
    if (!hot_[i] || hot_[1 - i]) {
      hot_[i] = true;
      hot_[1 - i] = false;
      invalidate();
      if (hotScroll_) startTimer(i == 0 ? -1 : 1);
    }
  } else if (hot_[0] || hot_[1]) {
    setCursor(ui::Cursor::Default);
    hot_[0] = hot_[1] = false;
    stopTimer();
    invalidate();
  }
  TbsSkinPanel::mouseMove(shift, x, y);
}

void TbsSkinToolBar::clientEntered() {
  if (!hot_[0] && !hot_[1]) return;
  hot_[0] = hot_[1] = false;
  stopTimer();
  invalidate();
}

void TbsSkinToolBar::mouseLeave() {
  if (hot_[0] || hot_[1]) {
    hot_[0] = hot_[1] = false;
    stopTimer();
    invalidate();
  }
  TbsSkinPanel::mouseLeave();
}

}  // namespace skin

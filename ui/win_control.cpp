// Windowed controls: children and their alignment, focus and tab order,
// window region, opacity and the caret.
#include "ui/win_control.h"

#include <algorithm>

#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "ui/control_widget.h"
#include "ui/graphics/qt_convert.h"
#include "ui/window_opacity.h"

namespace ui {

namespace {
constexpr int kCaretBlinkMs = 530;

std::unique_ptr<ControlWidget> MakeWidget(Control* c, WindowKind kind) {
  Qt::WindowFlags flags;
  switch (kind) {
    case WindowKind::Child:
      break;
    case WindowKind::Popup:
      // A tool-tip window is never activated by the window system (a tool
      // window is, under the offscreen platform), yet still gets the pointer.
      flags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
              Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint;
      break;
    case WindowKind::HintPopup:
      flags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
              Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput;
      break;
  }
  auto w = std::make_unique<ControlWidget>(c, ControlWidget::Role::Control, nullptr, flags);
  if (kind != WindowKind::Child) {
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    if (kind == WindowKind::HintPopup) w->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  return w;
}
}  // namespace

WinControl::WinControl(Component* owner, WindowKind kind)
    : Control(owner, MakeWidget(this, kind)), kind_(kind) {
  if (kind != WindowKind::Child) {
    // A top-level pop-up exists without a parent; it starts hidden.
    setVisible(false);
  }
}

WinControl::WinControl(Component* owner, std::unique_ptr<ControlWidget> widget)
    : Control(owner, std::move(widget)) {}

WinControl::~WinControl() {
  controlWidget()->detach();
  destroyCaret();
  // Children go before this control's widget, which would take their
  // widgets with it.
  while (!controls_.empty()) {
    Control* c = controls_.back();
    delete c;
  }
}

void WinControl::setVisible(bool visible) {
  if (kind_ == WindowKind::Child) {
    Control::setVisible(visible);
    return;
  }
  if (visible == visible_) return;
  visible_ = visible;
  perform(WM_SHOWWINDOW, visible ? 1 : 0);
  widget()->setVisible(visible);
  if (visible) widget()->raise();
  perform(CM_VISIBLECHANGED, visible ? 1 : 0);
}

QWidget* WinControl::containerWidget() const { return widget(); }

void WinControl::insertControl(Control* c) {
  if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) controls_.push_back(c);
  restackTabOrder();
}

void WinControl::removeControl(Control* c) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  if (!destroying() && c->align() != Align::alNone) realign();
}

Control* WinControl::controlAt(gfx::Point p) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control* c = *it;
    if (c->visible() && gfx::PtInRect(c->boundsRect(), p)) return c;
  }
  return nullptr;
}

void WinControl::enableAlign() {
  if (alignLock_ > 0 && --alignLock_ == 0) realign();
}

void WinControl::adjustClientRect(gfx::Rect&) const {}

void WinControl::realign() {
  if (alignLock_ > 0 || aligning_) return;
  aligning_ = true;
  gfx::Rect area = clientRect();
  adjustClientRect(area);
  // Each kind in turn takes its strip from the remaining area: top, bottom,
  // left, right, then client fills what is left. Within a kind, controls go
  // by their current position, so the order the user arranged stays.
  auto place = [&](Align kind) {
    std::vector<Control*> list;
    for (Control* c : controls_)
      if (c->visible() && c->align() == kind) list.push_back(c);
    std::stable_sort(list.begin(), list.end(), [kind](Control* a, Control* b) {
      switch (kind) {
        case Align::alTop:
          return a->top() < b->top();
        case Align::alBottom:
          return a->boundsRect().bottom > b->boundsRect().bottom;
        case Align::alLeft:
          return a->left() < b->left();
        case Align::alRight:
          return a->boundsRect().right > b->boundsRect().right;
        default:
          return false;
      }
    });
    for (Control* c : list) {
      const int w = std::max(0, area.width());
      const int h = std::max(0, area.height());
      switch (kind) {
        case Align::alTop: {
          const int ch = std::min(c->height(), h);
          c->setBounds(area.left, area.top, w, c->height());
          area.top += ch;
          break;
        }
        case Align::alBottom: {
          const int ch = std::min(c->height(), h);
          c->setBounds(area.left, area.bottom - c->height(), w, c->height());
          area.bottom -= ch;
          break;
        }
        case Align::alLeft: {
          const int cw = std::min(c->width(), w);
          c->setBounds(area.left, area.top, c->width(), h);
          area.left += cw;
          break;
        }
        case Align::alRight: {
          const int cw = std::min(c->width(), w);
          c->setBounds(area.right - c->width(), area.top, c->width(), h);
          area.right -= cw;
          break;
        }
        case Align::alClient:
          c->setBounds(area.left, area.top, w, h);
          break;
        case Align::alNone:
          break;
      }
    }
  };
  place(Align::alTop);
  place(Align::alBottom);
  place(Align::alLeft);
  place(Align::alRight);
  place(Align::alClient);
  aligning_ = false;
}

void WinControl::setTabStop(bool on) {
  tabStop_ = on;
  widget()->setFocusPolicy(on ? Qt::StrongFocus : (acceptsFocus_ ? Qt::ClickFocus : Qt::NoFocus));
}

void WinControl::setAcceptsFocus(bool on) {
  acceptsFocus_ = on;
  setTabStop(tabStop_);
}

int WinControl::tabOrder() const {
  if (!parent()) return -1;
  int order = 0;
  for (Control* c : parent()->controls_) {
    auto* w = dynamic_cast<WinControl*>(c);
    if (!w) continue;
    if (w == this) return order;
    ++order;
  }
  return -1;
}

void WinControl::setTabOrder(int order) {
  WinControl* p = parent();
  if (!p) {
    tabOrderHint_ = order;
    return;
  }
  auto& list = p->controls_;
  std::vector<Control*> wins;
  for (Control* c : list)
    if (dynamic_cast<WinControl*>(c) && c != this) wins.push_back(c);
  order = std::clamp(order, 0, static_cast<int>(wins.size()));
  wins.insert(wins.begin() + order, this);
  // Keep graphic controls where they are; windowed ones take the new order.
  size_t next = 0;
  for (Control*& c : list)
    if (dynamic_cast<WinControl*>(c)) c = wins[next++];
  p->restackTabOrder();
}

void WinControl::restackTabOrder() {
  QWidget* prev = nullptr;
  for (Control* c : controls_) {
    if (!dynamic_cast<WinControl*>(c)) continue;
    if (prev) QWidget::setTabOrder(prev, c->widget());
    prev = c->widget();
  }
}

bool WinControl::canFocus() const {
  if (!(tabStop_ || acceptsFocus_)) return false;
  for (const Control* c = this; c; c = c->parent())
    if (!c->visible() || !c->enabled()) return false;
  return true;
}

void WinControl::setFocus() {
  if (!canFocus()) return;
  widget()->setFocus(Qt::OtherFocusReason);
}

bool WinControl::focused() const { return widget()->hasFocus(); }

void WinControl::setRegion(const gfx::Region& region) {
  if (hasRegion_ && region == region_) return;
  region_ = region;
  hasRegion_ = true;
  widget()->setMask(region.toQRegion());
  widget()->update();
}

void WinControl::clearRegion() {
  if (!hasRegion_) return;
  hasRegion_ = false;
  region_ = gfx::Region();
  widget()->clearMask();
  widget()->update();
}

void WinControl::setAlpha(int alpha) {
  alpha = std::clamp(alpha, 0, 255);
  alpha_ = alpha;
  if (!widget()->isWindow() || !LayeredWindowsAvailable()) return;
  // The window system is told only of changes: some platforms warn on every call.
  if (alpha == appliedAlpha_) return;
  appliedAlpha_ = alpha;
  widget()->setWindowOpacity(alpha / 255.0);
}

double WinControl::appliedOpacity() const { return widget()->windowOpacity(); }

void WinControl::createCaret(int width, int height) {
  destroyCaret();
  caretWidth_ = std::max(1, width);
  caretHeight_ = std::max(1, height);
}

void WinControl::destroyCaret() {
  hideCaret();
  caretWidth_ = caretHeight_ = 0;
}

void WinControl::setCaretPos(int x, int y) {
  if (caretPos_ == gfx::Point{x, y}) return;
  const gfx::Rect old = gfx::Rect::fromSize(caretPos_.x, caretPos_.y, caretWidth_, caretHeight_);
  caretPos_ = {x, y};
  if (caretShown_) {
    invalidateRect(old);
    caretOn_ = true;
    invalidateRect(gfx::Rect::fromSize(x, y, caretWidth_, caretHeight_));
  }
}

void WinControl::showCaret() {
  if (caretWidth_ <= 0 || caretShown_) return;
  caretShown_ = true;
  caretOn_ = true;
  if (!caretTimer_) caretTimer_ = widget()->startTimer(kCaretBlinkMs);
  invalidateRect(gfx::Rect::fromSize(caretPos_.x, caretPos_.y, caretWidth_, caretHeight_));
}

void WinControl::hideCaret() {
  if (!caretShown_) return;
  caretShown_ = false;
  caretOn_ = false;
  if (caretTimer_) {
    widget()->killTimer(caretTimer_);
    caretTimer_ = 0;
  }
  invalidateRect(gfx::Rect::fromSize(caretPos_.x, caretPos_.y, caretWidth_, caretHeight_));
}

void WinControl::blinkCaret() {
  caretOn_ = !caretOn_;
  invalidateRect(gfx::Rect::fromSize(caretPos_.x, caretPos_.y, caretWidth_, caretHeight_));
}

void WinControl::paintCaret(QWidget* target) {
  if (!caretShown_ || !caretOn_) return;
  QPainter p(target);
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.fillRect(QRect(caretPos_.x, caretPos_.y, caretWidth_, caretHeight_), Qt::white);
}

void WinControl::wndProc(Message& m) {
  switch (m.id) {
    case WM_SIZE:
      Control::wndProc(m);
      realign();
      return;
    case WM_SETFOCUS:
      if (onEnter) onEnter(*this);
      break;
    case WM_KILLFOCUS:
      if (onExit) onExit(*this);
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      int key = static_cast<int>(m.wparam);
      keyDown(key, static_cast<unsigned>(m.lparam));
      m.wparam = key;
      m.result = key == 0 ? 1 : 0;
      return;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      int key = static_cast<int>(m.wparam);
      keyUp(key, static_cast<unsigned>(m.lparam));
      m.wparam = key;
      return;
    }
    case WM_CHAR: {
      char32_t ch = static_cast<char32_t>(m.wparam);
      keyPress(ch);
      m.wparam = static_cast<MessageParam>(ch);
      return;
    }
    default:
      break;
  }
  Control::wndProc(m);
}

void WinControl::keyDown(int& key, unsigned shift) {
  if (onKeyDown) onKeyDown(*this, key, shift);
}

void WinControl::keyUp(int& key, unsigned shift) {
  if (onKeyUp) onKeyUp(*this, key, shift);
}

void WinControl::keyPress(char32_t& ch) {
  if (onKeyPress) onKeyPress(*this, ch);
}

}  // namespace ui

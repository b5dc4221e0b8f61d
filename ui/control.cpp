// Controls: placement, visibility, procedure and hooks, timers, capture and
// the properties every control shares.
#include "ui/control.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QWidget>

#include "ui/application.h"
#include "ui/control_widget.h"
#include "ui/form.h"
#include "ui/graphics/qt_convert.h"
#include "ui/message_translator.h"
#include "ui/win_control.h"

namespace ui {

namespace {
Control* gCapture = nullptr;
}  // namespace

MessageHook::~MessageHook() {
  if (control_) control_->removeHook(this);
}

void MessageHook::callPrevious(Message& m) {
  if (!control_) return;
  if (previous_)
    previous_->hookMessage(m);
  else
    control_->wndProc(m);
}

Control::Control(Component* owner)
    : Control(owner, std::make_unique<ControlWidget>(this, ControlWidget::Role::Control)) {}

Control::Control(Component* owner, std::unique_ptr<ControlWidget> widget)
    : Component(owner), widget_(std::move(widget)) {
  widget_->setAttribute(Qt::WA_OpaquePaintEvent);
  widget_->setAttribute(Qt::WA_NoSystemBackground);
  widget_->setMouseTracking(true);
  widget_->setFocusPolicy(Qt::NoFocus);
  widget_->setFont(gfx::ToQFont(font_));
}

Control::~Control() {
  widget_->detach();
  if (gCapture == this) {
    gCapture = nullptr;
    if (widget_) widget_->releaseMouse();
  }
  Application::instance().controlDestroyed(this);
  // Hooks outliving the control must not reach back into it.
  for (MessageHook* h = hook_; h;) {
    MessageHook* next = h->previous_;
    h->control_ = nullptr;
    h->previous_ = nullptr;
    h = next;
  }
  hook_ = nullptr;
  if (parent_) parent_->removeControl(this);
  parent_ = nullptr;
  for (auto& [id, qtId] : timers_) widget_->killTimer(qtId);
  timers_.clear();
  widget_.reset();
}

QWidget* Control::widget() const { return widget_.get(); }

void Control::setParent(WinControl* parent) {
  if (parent == parent_ || parent == this) return;
  if (parent_) parent_->removeControl(this);
  parent_ = parent;
  if (parent_) {
    widget_->setParent(parent_->containerWidget());
    parent_->insertControl(this);
  } else {
    widget_->setParent(nullptr);
  }
  applyBounds();
  applyVisible();
  if (parent_ && align_ != Align::alNone) parent_->realign();
}

Form* Control::parentForm() const {
  const Control* c = this;
  while (c) {
    if (auto* f = dynamic_cast<const Form*>(c)) return const_cast<Form*>(f);
    c = c->parent_;
  }
  return nullptr;
}

void Control::setBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  const gfx::Rect r = gfx::Rect::fromSize(left, top, width, height);
  if (r == bounds_) return;
  const bool sized = r.size() != bounds_.size();
  bounds_ = r;
  applyBounds();
  if (sized) {
    perform(WM_SIZE, SIZE_RESTORED, PackPoint(width, height));
  }
  perform(WM_MOVE, 0, PackPoint(left, top));
  if (parent_ && align_ != Align::alNone) parent_->realign();
}

void Control::applyBounds() { widget_->setGeometry(gfx::toQRect(bounds_)); }

gfx::Point Control::clientToScreen(gfx::Point p) const {
  QWidget* target = widget_.get();
  if (auto* f = dynamic_cast<const Form*>(this)) target = f->containerWidget();
  return gfx::fromQPoint(target->mapToGlobal(QPoint(p.x, p.y)));
}

gfx::Point Control::screenToClient(gfx::Point p) const {
  QWidget* target = widget_.get();
  if (auto* f = dynamic_cast<const Form*>(this)) target = f->containerWidget();
  return gfx::fromQPoint(target->mapFromGlobal(QPoint(p.x, p.y)));
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  applyVisible();
  perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  if (parent_ && align_ != Align::alNone) parent_->realign();
}

void Control::applyVisible() {
  // A control without a parent has no window on screen.
  const bool on = visible_ && parent_ != nullptr;
  if (widget_->isVisibleTo(widget_->parentWidget()) != on || widget_->isHidden() == on)
    widget_->setVisible(on);
}

bool Control::showing() const { return widget_->isVisible(); }

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  widget_->setEnabled(enabled);
  perform(CM_ENABLEDCHANGED, enabled ? 1 : 0);
  invalidate();
}

void Control::setAlign(Align align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->realign();
}

void Control::setText(const std::string& text) {
  if (text == text_) return;
  const std::string copy = text;
  perform(WM_SETTEXT, 0, ToParam(copy.c_str()));
}

void Control::setFont(const gfx::Font& font) {
  if (font == font_) return;
  font_ = font;
  widget_->setFont(gfx::ToQFont(font_));
  perform(CM_FONTCHANGED);
  invalidate();
}

void Control::setColor(gfx::Color c) {
  if (c == color_) return;
  color_ = c;
  invalidate();
}

void Control::setCursor(Cursor c) {
  cursor_ = c;
  MessageTranslator::applyCursor(*widget_, c);
}

void Control::setTransparent(bool on) {
  transparent_ = on;
  widget_->setAttribute(Qt::WA_OpaquePaintEvent, !on);
  invalidate();
}

void Control::click() {
  if (onClick) onClick(*this);
  if (modalResult_ != mrNone) {
    if (Form* f = parentForm()) f->setModalResult(modalResult_);
  }
}

void Control::invalidate() { widget_->update(); }

void Control::invalidateRect(const gfx::Rect& r) { widget_->update(gfx::toQRect(r)); }

void Control::repaint() { widget_->repaint(); }

void Control::update() {
  // Qt paints pending areas on the next pass of the loop; a repaint of what
  // is pending is a repaint of the widget.
  widget_->repaint(widget_->visibleRegion());
}

void Control::windowProc(Message& m) {
  if (hook_)
    hook_->hookMessage(m);
  else
    wndProc(m);
}

MessageParam Control::perform(unsigned id, MessageParam wparam, MessageParam lparam) {
  Message m{id, wparam, lparam, 0};
  windowProc(m);
  return m.result;
}

void Control::postMessage(unsigned id, MessageParam wparam, MessageParam lparam) {
  MessageTranslator::post(*this, Message{id, wparam, lparam, 0});
}

void Control::installHook(MessageHook* hook) {
  if (!hook || hook->control_) return;
  hook->control_ = this;
  hook->previous_ = hook_;
  hook_ = hook;
}

void Control::removeHook(MessageHook* hook) {
  if (!hook || hook->control_ != this) return;
  // Unlink from anywhere in the chain: hooks may be removed in any order.
  MessageHook** link = &hook_;
  while (*link && *link != hook) link = &(*link)->previous_;
  if (*link) *link = hook->previous_;
  hook->control_ = nullptr;
  hook->previous_ = nullptr;
}

void Control::setTimer(int id, int milliseconds) {
  killTimer(id);
  const int qtId = widget_->startTimer(milliseconds < 0 ? 0 : milliseconds);
  if (qtId != 0) timers_[id] = qtId;
}

void Control::killTimer(int id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  widget_->killTimer(it->second);
  timers_.erase(it);
}

void Control::setCapture() {
  if (gCapture == this) return;
  if (gCapture) gCapture->releaseCapture();
  gCapture = this;
  widget_->grabMouse();
}

void Control::releaseCapture() {
  if (gCapture != this) return;
  gCapture = nullptr;
  widget_->releaseMouse();
  perform(WM_CAPTURECHANGED);
}

void Control::onCaptureLost() {
  if (gCapture == this) gCapture = nullptr;
}

Control* Control::captureControl() { return gCapture; }

Control* Control::fromWidget(const QWidget* w) {
  for (; w; w = w->parentWidget()) {
    if (auto* cw = dynamic_cast<const ControlWidget*>(w)) return cw->control();
  }
  return nullptr;
}

void Control::wndProc(Message& m) {
  switch (m.id) {
    case WM_ERASEBKGND:
      if (auto* canvas = FromParam<gfx::Canvas>(m.wparam)) eraseBackground(*canvas);
      m.result = 1;
      break;
    case WM_PAINT:
      if (auto* canvas = FromParam<gfx::Canvas>(m.wparam)) paint(*canvas);
      break;
    case WM_SETTEXT: {
      const char* s = FromParam<const char>(m.lparam);
      text_ = s ? s : "";
      perform(CM_TEXTCHANGED);
      invalidate();
      m.result = 1;
      break;
    }
    case WM_SIZE:
      resized();
      break;
    case WM_MOUSEMOVE: {
      const gfx::Point p = UnpackPoint(m.lparam);
      mouseMove(MessageTranslator::shiftFromKeys(m.wparam), p.x, p.y);
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      const gfx::Point p = UnpackPoint(m.lparam);
      const bool dbl =
          m.id == WM_LBUTTONDBLCLK || m.id == WM_RBUTTONDBLCLK || m.id == WM_MBUTTONDBLCLK;
      const MouseButton b = (m.id == WM_LBUTTONDOWN || m.id == WM_LBUTTONDBLCLK) ? MouseButton::Left
                            : (m.id == WM_RBUTTONDOWN || m.id == WM_RBUTTONDBLCLK)
                                ? MouseButton::Right
                                : MouseButton::Middle;
      if (b == MouseButton::Left) clickPending_ = !dbl;
      if (dbl && b == MouseButton::Left && onDblClick) onDblClick(*this);
      mouseDown(b, MessageTranslator::shiftFromKeys(m.wparam) | (dbl ? unsigned{ssDouble} : 0u),
                p.x, p.y);
      break;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      const gfx::Point p = UnpackPoint(m.lparam);
      const MouseButton b = m.id == WM_LBUTTONUP   ? MouseButton::Left
                            : m.id == WM_RBUTTONUP ? MouseButton::Right
                                                   : MouseButton::Middle;
      mouseUp(b, MessageTranslator::shiftFromKeys(m.wparam), p.x, p.y);
      // A click is a press and a release inside the control.
      if (b == MouseButton::Left && clickPending_) {
        clickPending_ = false;
        if (gfx::PtInRect(clientRect(), p) && enabled_) click();
      }
      break;
    }
    case CM_MOUSEENTER:
      mouseInside_ = true;
      mouseEnter();
      break;
    case CM_MOUSELEAVE:
      mouseInside_ = false;
      mouseLeave();
      break;
    default:
      break;
  }
}

void Control::eraseBackground(gfx::Canvas& canvas) {
  if (transparent_) return;
  canvas.fillRect(clientRect(), color_);
}

void Control::paint(gfx::Canvas&) {}

void Control::mouseDown(MouseButton button, unsigned shift, int x, int y) {
  if (onMouseDown) onMouseDown(*this, button, shift, x, y);
}

void Control::mouseUp(MouseButton button, unsigned shift, int x, int y) {
  if (onMouseUp) onMouseUp(*this, button, shift, x, y);
}

void Control::mouseMove(unsigned shift, int x, int y) {
  if (onMouseMove) onMouseMove(*this, shift, x, y);
}

void Control::mouseEnter() {
  if (onMouseEnter) onMouseEnter(*this);
}

void Control::mouseLeave() {
  if (onMouseLeave) onMouseLeave(*this);
}

void Control::resized() {
  if (onResize) onResize(*this);
}

}  // namespace ui

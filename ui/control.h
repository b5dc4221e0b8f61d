// Controls: components with a place on a parent, a window procedure that
// every message goes through (hooks see it first), timers, capture, cursor,
// font, hint text, and painting in two steps (erase background, paint) into
// an off-screen bitmap that is copied to the screen in one operation.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/font.h"
#include "ui/graphics/geometry.h"
#include "ui/graphics/region.h"
#include "ui/message.h"

class QWidget;

namespace ui {

class Control;
class WinControl;
class Form;
class ControlWidget;

// A hook on a control's procedure: it sees every message first and passes
// what it does not consume to the procedure it replaced (callPrevious). The
// frame component and the tray icon are hooks. A hook removes itself when
// it is destroyed; the control removes its hooks when it is destroyed.
class MessageHook {
 public:
  MessageHook() = default;
  virtual ~MessageHook();
  MessageHook(const MessageHook&) = delete;
  MessageHook& operator=(const MessageHook&) = delete;

  Control* hookedControl() const { return control_; }

 protected:
  virtual void hookMessage(Message& m) = 0;
  // Runs the procedure this hook replaced: the next hook or the control's own.
  void callPrevious(Message& m);

 private:
  friend class Control;
  Control* control_ = nullptr;
  MessageHook* previous_ = nullptr;
};

enum class Align { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum class Cursor {
  Default,
  Arrow,
  IBeam,
  Wait,
  Cross,
  UpArrow,
  SizeNWSE,
  SizeNESW,
  SizeWE,
  SizeNS,
  SizeAll,
  No,
  HandPoint,
  HSplit,
  VSplit,
  Help,
};

enum class MouseButton { Left, Right, Middle };

// Shift state of key and mouse events.
enum ShiftState : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64,
};

// Modal results; a button with a modal result closes its modal form.
enum ModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
};

class Control : public Component {
 public:
  explicit Control(Component* owner);
  ~Control() override;

  // The Qt widget behind the control (for embedding and tests).
  QWidget* widget() const;

  WinControl* parent() const { return parent_; }
  virtual void setParent(WinControl* parent);
  // The form the control is placed on (itself for a form).
  Form* parentForm() const;

  // Bounds in the parent's client coordinates (screen coordinates for
  // top-level windows).
  gfx::Rect boundsRect() const { return bounds_; }
  int left() const { return bounds_.left; }
  int top() const { return bounds_.top; }
  int width() const { return bounds_.width(); }
  int height() const { return bounds_.height(); }
  virtual void setBounds(int left, int top, int width, int height);
  void setBoundsRect(const gfx::Rect& r) { setBounds(r.left, r.top, r.width(), r.height()); }
  void setLeft(int v) { setBounds(v, top(), width(), height()); }
  void setTop(int v) { setBounds(left(), v, width(), height()); }
  void setWidth(int v) { setBounds(left(), top(), v, height()); }
  void setHeight(int v) { setBounds(left(), top(), width(), v); }
  // The client area in the control's own coordinates.
  virtual gfx::Rect clientRect() const { return {0, 0, width(), height()}; }
  int clientWidth() const { return clientRect().width(); }
  int clientHeight() const { return clientRect().height(); }
  gfx::Point clientToScreen(gfx::Point p) const;
  gfx::Point screenToClient(gfx::Point p) const;

  bool visible() const { return visible_; }
  virtual void setVisible(bool visible);
  void show() { setVisible(true); }
  void hide() { setVisible(false); }
  // Visible and every parent visible: the control is on screen.
  bool showing() const;
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);

  Align align() const { return align_; }
  void setAlign(Align align);

  const std::string& text() const { return text_; }
  void setText(const std::string& text);
  const std::string& caption() const { return text_; }
  void setCaption(const std::string& text) { setText(text); }

  const gfx::Font& font() const { return font_; }
  void setFont(const gfx::Font& font);
  gfx::Color color() const { return color_; }
  void setColor(gfx::Color c);
  Cursor cursor() const { return cursor_; }
  void setCursor(Cursor c);

  const std::string& hint() const { return hint_; }
  void setHint(const std::string& hint) { hint_ = hint; }
  bool showHint() const { return showHint_; }
  void setShowHint(bool on) { showHint_ = on; }

  // Dialog buttons: Enter clicks the default button, Escape the cancel one;
  // a button with a modal result sets it on its form when clicked.
  bool isDefault() const { return default_; }
  void setDefault(bool on) { default_ = on; }
  bool isCancel() const { return cancel_; }
  void setCancel(bool on) { cancel_ = on; }
  int modalResult() const { return modalResult_; }
  void setModalResult(int r) { modalResult_ = r; }
  virtual void click();

  // Painting: invalidate marks the control for a later paint, repaint paints
  // now, update paints what is pending now.
  void invalidate();
  void invalidateRect(const gfx::Rect& r);
  void repaint();
  void update();

  // Every message goes through windowProc: the hooks first, then wndProc.
  void windowProc(Message& m);
  // Sends a message synchronously and returns its result.
  MessageParam perform(unsigned id, MessageParam wparam = 0, MessageParam lparam = 0);
  // Queues a message; it reaches windowProc from the event loop, through the
  // application's filter.
  void postMessage(unsigned id, MessageParam wparam = 0, MessageParam lparam = 0);
  void installHook(MessageHook* hook);
  void removeHook(MessageHook* hook);

  // Window timers, delivered as WM_TIMER with the id in wparam. Setting a
  // running id restarts it with the new interval.
  void setTimer(int id, int milliseconds);
  void killTimer(int id);
  bool timerRunning(int id) const { return timers_.count(id) != 0; }

  // Pointer capture: while set, every mouse message of the application goes
  // to this control, in its client coordinates.
  void setCapture();
  void releaseCapture();
  bool hasCapture() const { return captureControl() == this; }
  static Control* captureControl();

  bool mouseInside() const { return mouseInside_; }

  // The control whose widget is w or holds w (nullptr for foreign widgets).
  static Control* fromWidget(const QWidget* w);

  // Events.
  std::function<void(Control&)> onClick;
  std::function<void(Control&)> onDblClick;
  std::function<void(Control&)> onMouseEnter;
  std::function<void(Control&)> onMouseLeave;
  std::function<void(Control&, MouseButton, unsigned shift, int x, int y)> onMouseDown;
  std::function<void(Control&, MouseButton, unsigned shift, int x, int y)> onMouseUp;
  std::function<void(Control&, unsigned shift, int x, int y)> onMouseMove;
  std::function<void(Control&)> onResize;

 protected:
  // The widget is made by the derived class through this constructor.
  Control(Component* owner, std::unique_ptr<ControlWidget> widget);

  // The control's own procedure; derived classes handle what they need and
  // call the base for the rest.
  virtual void wndProc(Message& m);
  // WM_ERASEBKGND: fills the client area with the control's colour unless
  // the control is transparent.
  virtual void eraseBackground(gfx::Canvas& canvas);
  // WM_PAINT: draws the control.
  virtual void paint(gfx::Canvas& canvas);
  virtual void mouseDown(MouseButton button, unsigned shift, int x, int y);
  virtual void mouseUp(MouseButton button, unsigned shift, int x, int y);
  virtual void mouseMove(unsigned shift, int x, int y);
  virtual void mouseEnter();
  virtual void mouseLeave();
  virtual void resized();
  // Transparent controls leave their background unpainted: the parent shows
  // through wherever the paint step draws nothing.
  bool transparent() const { return transparent_; }
  void setTransparent(bool on);

  ControlWidget* controlWidget() const { return widget_.get(); }
  void applyBounds();

 private:
  friend class ControlWidget;
  friend class MessageHook;
  friend class WinControl;
  friend class Form;
  friend class MessageTranslator;

  void applyVisible();
  void onCaptureLost();

  std::unique_ptr<ControlWidget> widget_;
  WinControl* parent_ = nullptr;
  MessageHook* hook_ = nullptr;
  gfx::Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  bool mouseInside_ = false;
  bool transparent_ = false;
  bool default_ = false;
  bool cancel_ = false;
  bool showHint_ = true;
  bool clickPending_ = false;
  int modalResult_ = 0;
  Align align_ = Align::alNone;
  std::string text_;
  std::string hint_;
  gfx::Font font_;
  gfx::Color color_ = gfx::SystemColor(gfx::SysColor::ButtonFace);
  Cursor cursor_ = Cursor::Default;
  std::map<int, int> timers_;  // our id -> Qt timer id
};

}  // namespace ui

// Qt events to window messages. Every Qt event a control's widget gets comes
// here; so does every input event of the process, for the application filter.
#include "ui/message_translator.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QTimerEvent>
#include <QWheelEvent>

#include "ui/application.h"
#include "ui/control_widget.h"
#include "ui/form.h"
#include "ui/graphics/qt_convert.h"
#include "ui/keys.h"
#include "ui/size_move_loop.h"
#include "ui/win_control.h"

namespace ui {

namespace {

constexpr QEvent::Type kPostedMessage = static_cast<QEvent::Type>(QEvent::User + 0x4B1);

class PostedMessageEvent : public QEvent {
 public:
  explicit PostedMessageEvent(const Message& m) : QEvent(kPostedMessage), message(m) {}
  Message message;
};

MessageParam KeysOf(Qt::MouseButtons b, Qt::KeyboardModifiers m) {
  MessageParam k = 0;
  if (b & Qt::LeftButton) k |= MK_LBUTTON;
  if (b & Qt::RightButton) k |= MK_RBUTTON;
  if (b & Qt::MiddleButton) k |= MK_MBUTTON;
  if (m & Qt::ShiftModifier) k |= MK_SHIFT;
  if (m & Qt::ControlModifier) k |= MK_CONTROL;
  return k;
}

unsigned KeyShift(Qt::KeyboardModifiers m) {
  unsigned s = 0;
  if (m & Qt::ShiftModifier) s |= ssShift;
  if (m & Qt::ControlModifier) s |= ssCtrl;
  if (m & Qt::AltModifier) s |= ssAlt;
  return s;
}

// The client (or non-client) mouse message of a Qt mouse event; 0 for none.
unsigned MouseMessage(QEvent::Type t, Qt::MouseButton b, bool nonClient) {
  if (t == QEvent::MouseMove) return nonClient ? WM_NCMOUSEMOVE : WM_MOUSEMOVE;
  int kind;  // 0 down, 1 up, 2 double click
  switch (t) {
    case QEvent::MouseButtonPress:
      kind = 0;
      break;
    case QEvent::MouseButtonRelease:
      kind = 1;
      break;
    case QEvent::MouseButtonDblClick:
      kind = 2;
      break;
    default:
      return 0;
  }
  static const unsigned kClient[3][3] = {{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK},
                                         {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK},
                                         {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK}};
  static const unsigned kNonClient[2][3] = {{WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK},
                                            {WM_NCRBUTTONDOWN, WM_NCRBUTTONUP, WM_NCRBUTTONDBLCLK}};
  const int button = b == Qt::LeftButton     ? 0
                     : b == Qt::RightButton  ? 1
                     : b == Qt::MiddleButton ? 2
                                             : -1;
  if (button < 0) return 0;
  if (nonClient) return button < 2 ? kNonClient[button][kind] : 0;
  return kClient[button][kind];
}

bool IsMouseEvent(QEvent::Type t) {
  return t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease ||
         t == QEvent::MouseButtonDblClick || t == QEvent::MouseMove;
}

// The right button's press and double click can be swallowed by the
// application filter; the release and the context menu of the same click
// then go too, so that nothing of that click reaches the window.
struct RightClickSwallow {
  QPointer<QWidget> target;
  bool releasePending = false;
  bool contextPending = false;
  void start(QWidget* w) {
    target = w;
    releasePending = contextPending = true;
  }
};
RightClickSwallow gSwallow;

// Runs the application filter; true when the message is not to go on.
bool Filtered(QWidget* w, const Message& m) {
  QueuedMessage q{w, m};
  if (!Application::instance().filterMessage(q)) return false;
  if (m.id == WM_RBUTTONDOWN || m.id == WM_RBUTTONDBLCLK || m.id == WM_NCRBUTTONDOWN ||
      m.id == WM_NCRBUTTONDBLCLK)
    gSwallow.start(w);
  return true;
}

class ApplicationFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (!o->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(o);
    const QEvent::Type t = e->type();
    if (t == QEvent::ContextMenu && gSwallow.contextPending) {
      if (static_cast<QContextMenuEvent*>(e)->reason() == QContextMenuEvent::Mouse) {
        gSwallow.contextPending = false;
        return true;
      }
    }
    if (IsMouseEvent(t)) {
      auto* me = static_cast<QMouseEvent*>(e);
      if (t == QEvent::MouseButtonPress && me->button() != Qt::RightButton) {
        gSwallow.contextPending = false;
        gSwallow.releasePending = false;
      }
      if (t == QEvent::MouseButtonRelease && me->button() == Qt::RightButton &&
          gSwallow.releasePending) {
        gSwallow.releasePending = false;
        return true;
      }
    }
    // Our own widgets run the filter when they translate the event.
    if (dynamic_cast<ControlWidget*>(w)) return false;
    if (!Application::instance().hasMessageFilters()) return false;
    if (IsMouseEvent(t)) {
      auto* me = static_cast<QMouseEvent*>(e);
      const unsigned id = MouseMessage(t, me->button(), false);
      if (!id) return false;
      const QPoint p = me->position().toPoint();
      return Filtered(
          w, Message{id, KeysOf(me->buttons(), me->modifiers()), PackPoint(p.x(), p.y()), 0});
    }
    if (t == QEvent::Wheel) {
      auto* we = static_cast<QWheelEvent*>(e);
      const QPoint g = we->globalPosition().toPoint();
      return Filtered(w, Message{WM_MOUSEWHEEL,
                                 KeysOf(we->buttons(), we->modifiers()) |
                                     (static_cast<MessageParam>(we->angleDelta().y()) << 16),
                                 PackPoint(g.x(), g.y()), 0});
    }
    if (t == QEvent::KeyPress || t == QEvent::KeyRelease) {
      auto* ke = static_cast<QKeyEvent*>(e);
      const int vk = MessageTranslator::virtualKey(ke->key());
      if (!vk) return false;
      return Filtered(w, Message{t == QEvent::KeyPress ? WM_KEYDOWN : WM_KEYUP,
                                 static_cast<MessageParam>(vk), KeyShift(ke->modifiers()), 0});
    }
    return false;
  }
};

void DeliverFiltered(QWidget& w, Control& target, Message m) {
  if (Filtered(&w, m)) return;
  target.windowProc(m);
}

}  // namespace

ControlWidget::ControlWidget(Control* control, Role role, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), control_(control), role_(role) {}

bool ControlWidget::event(QEvent* e) {
  if (control_) {
    // The event loop boundary: an exception must not unwind through Qt, so
    // whatever a procedure lets escape goes to the application's handler
    // and the event counts as handled.
    try {
      if (MessageTranslator::translate(*this, e)) return true;
    } catch (...) {
      Application::instance().handleException(std::current_exception());
      return true;
    }
  }
  return QWidget::event(e);
}

void MessageTranslator::installApplicationFilter() {
  static bool installed = false;
  if (installed || !QCoreApplication::instance()) return;
  installed = true;
  QCoreApplication::instance()->installEventFilter(
      new ApplicationFilter(QCoreApplication::instance()));
}

void MessageTranslator::post(Control& c, const Message& m) {
  QCoreApplication::postEvent(c.widget(), new PostedMessageEvent(m));
}

unsigned MessageTranslator::shiftFromKeys(MessageParam keys) {
  unsigned s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  return s;
}

void MessageTranslator::applyCursor(QWidget& w, Cursor c) {
  static const Qt::CursorShape kShapes[] = {
      Qt::ArrowCursor,        Qt::ArrowCursor,   Qt::IBeamCursor,     Qt::WaitCursor,
      Qt::CrossCursor,        Qt::UpArrowCursor, Qt::SizeFDiagCursor, Qt::SizeBDiagCursor,
      Qt::SizeHorCursor,      Qt::SizeVerCursor, Qt::SizeAllCursor,   Qt::ForbiddenCursor,
      Qt::PointingHandCursor, Qt::SplitHCursor,  Qt::SplitVCursor,    Qt::WhatsThisCursor,
  };
  if (c == Cursor::Default)
    w.unsetCursor();
  else
    w.setCursor(kShapes[static_cast<int>(c)]);
}

void MessageTranslator::applyHitCursor(QWidget& w, int code, Cursor own) {
  switch (code) {
    case HTLEFT:
    case HTRIGHT:
      w.setCursor(Qt::SizeHorCursor);
      break;
    case HTTOP:
    case HTBOTTOM:
      w.setCursor(Qt::SizeVerCursor);
      break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
      w.setCursor(Qt::SizeFDiagCursor);
      break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
      w.setCursor(Qt::SizeBDiagCursor);
      break;
    case HTCLIENT:
      applyCursor(w, own);
      break;
    default:
      w.setCursor(Qt::ArrowCursor);
      break;
  }
}

int MessageTranslator::virtualKey(int k) {
  if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z)) return k;
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return VK_F1 + (k - Qt::Key_F1);
  switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Escape:
      return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return VK_TAB;
    case Qt::Key_Backspace:
      return VK_BACK;
    case Qt::Key_Space:
      return VK_SPACE;
    case Qt::Key_PageUp:
      return VK_PRIOR;
    case Qt::Key_PageDown:
      return VK_NEXT;
    case Qt::Key_End:
      return VK_END;
    case Qt::Key_Home:
      return VK_HOME;
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_Down:
      return VK_DOWN;
    case Qt::Key_Insert:
      return VK_INSERT;
    case Qt::Key_Delete:
      return VK_DELETE;
    case Qt::Key_Shift:
      return VK_SHIFT;
    case Qt::Key_Control:
      return VK_CONTROL;
    case Qt::Key_Alt:
      return VK_MENU;
    case Qt::Key_Pause:
      return VK_PAUSE;
    default:
      return 0;
  }
}

void MessageTranslator::paintClient(ControlWidget& w, Control& c, const QRect& dirty) {
  const int width = w.width();
  const int height = w.height();
  if (width <= 0 || height <= 0) return;
  // Controls paint at their own pixel size; the copy to a high-density
  // screen scales by the whole device ratio, pixel for pixel.
  const bool transparent = c.transparent();
  gfx::Bitmap bmp =
      transparent ? gfx::Bitmap::Transparent(width, height) : gfx::Bitmap(width, height);
  {
    gfx::Canvas canvas(bmp);
    Message erase{WM_ERASEBKGND, ToParam(&canvas), 0, 0};
    c.windowProc(erase);
    Message paint{WM_PAINT, ToParam(&canvas), 0, 0};
    c.windowProc(paint);
  }
  QPainter p(&w);
  p.setClipRect(dirty);
  // A transparent control's untouched pixels have no coverage, so the
  // parent's picture beneath shows through them.
  p.drawImage(QRect(0, 0, width, height), bmp.image());
}

void MessageTranslator::paintFrame(ControlWidget& w, Form& f) {
  const int width = w.width();
  const int height = w.height();
  if (width <= 0 || height <= 0) return;
  gfx::Bitmap& bmp = f.frameBuffer(width, height);
  if (bmp.empty()) return;
  // The client widget covers the client area, so only the four bands of the
  // frame around it are prepared and copied to the window.
  const gfx::Rect c = gfx::IntersectRect(f.clientAreaInWindow(), bmp.rect());
  const bool hasClient = !gfx::IsNullRect(c);
  const gfx::Rect bands[] = {
      hasClient ? gfx::Rect{0, 0, width, c.top} : bmp.rect(),
      hasClient ? gfx::Rect{0, c.bottom, width, height} : gfx::Rect{},
      hasClient ? gfx::Rect{0, c.top, c.left, c.bottom} : gfx::Rect{},
      hasClient ? gfx::Rect{c.right, c.top, width, c.bottom} : gfx::Rect{},
  };
  const gfx::Color face = gfx::SystemColor(gfx::SysColor::ButtonFace);
  for (const gfx::Rect& r : bands) bmp.fillRect(r, face);
  Message m{WM_NCPAINT, 0, ToParam(&bmp), 0};
  f.windowProc(m);
  QPainter p(&w);
  for (const gfx::Rect& r : bands) {
    if (!gfx::IsNullRect(r)) p.drawImage(gfx::toQRect(r), bmp.image(), gfx::toQRect(r));
  }
}

bool MessageTranslator::translate(ControlWidget& w, QEvent* e) {
  Control& c = *w.control();
  const ControlWidget::Role role = w.role();
  Form* form = nullptr;
  if (role != ControlWidget::Role::Control) {
    // The window's own widgets report events (attribute changes) while the
    // form is still being built: only a whole form hears of them.
    form = dynamic_cast<Form*>(&c);
    if (form == nullptr) return false;
  }
  Application& app = Application::instance();
  const QEvent::Type t = e->type();

  switch (t) {
    case QEvent::Paint: {
      if (role == ControlWidget::Role::Window)
        paintFrame(w, *form);
      else
        paintClient(w, c, static_cast<QPaintEvent*>(e)->rect());
      if (auto* wc = dynamic_cast<WinControl*>(&c); wc && role == ControlWidget::Role::Control)
        wc->paintCaret(&w);
      return true;
    }

    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      auto* me = static_cast<QMouseEvent*>(e);
      const QPoint global = me->globalPosition().toPoint();
      const MessageParam keys = KeysOf(me->buttons(), me->modifiers());
      if (t == QEvent::MouseMove)
        app.hintMouseMove(&c, gfx::fromQPoint(global));
      else if (t == QEvent::MouseButtonPress)
        app.hintInput();

      if (role == ControlWidget::Role::Window) {
        SizeMoveLoop& loop = *form->sizeMove_;
        if (loop.active()) {
          // The loop owns the pointer until the button comes up.
          if (t == QEvent::MouseMove) {
            loop.track(gfx::fromQPoint(global));
            return true;
          }
          if (t == QEvent::MouseButtonRelease && me->button() == Qt::LeftButton) {
            loop.finish();
            return true;
          }
          if (t != QEvent::MouseButtonDblClick) return true;
          // A double click ends the loop its second press began.
          loop.finish();
        }
        const bool captured = Control::captureControl() == form;
        int code = HTCLIENT;
        if (!captured) {
          Message hit{WM_NCHITTEST, 0, PackPoint(global.x(), global.y()), 0};
          form->windowProc(hit);
          code = static_cast<int>(hit.result);
          if (t == QEvent::MouseMove) {
            Message cursor{WM_SETCURSOR, code, 0, 0};
            form->windowProc(cursor);
            if (cursor.result == 0)
              applyHitCursor(w, static_cast<int>(cursor.wparam), form->cursor());
          }
        }
        if (code == HTCLIENT) {
          const unsigned id = MouseMessage(t, me->button(), false);
          if (!id) return true;
          const QPoint p = form->client_->mapFromGlobal(global);
          DeliverFiltered(w, c, Message{id, keys, PackPoint(p.x(), p.y()), 0});
        } else {
          const unsigned id = MouseMessage(t, me->button(), true);
          if (!id) return true;
          DeliverFiltered(w, c, Message{id, code, PackPoint(global.x(), global.y()), 0});
        }
        return true;
      }
      const unsigned id = MouseMessage(t, me->button(), false);
      if (!id) return true;
      // A captured pointer is grabbed by the capturing control's widget, so
      // its events arrive here already, in its coordinates.
      const QPoint p = me->position().toPoint();
      DeliverFiltered(w, c, Message{id, keys, PackPoint(p.x(), p.y()), 0});
      return true;
    }

    case QEvent::Wheel: {
      auto* we = static_cast<QWheelEvent*>(e);
      const QPoint global = we->globalPosition().toPoint();
      const MessageParam keys = KeysOf(we->buttons(), we->modifiers());
      const int delta = we->angleDelta().y();
      DeliverFiltered(w, c,
                      Message{WM_MOUSEWHEEL, keys | (static_cast<MessageParam>(delta) << 16),
                              PackPoint(global.x(), global.y()), 0});
      return true;
    }

    case QEvent::Enter:
      if (role == ControlWidget::Role::Client) return true;
      c.perform(CM_MOUSEENTER);
      if (role == ControlWidget::Role::Control)
        app.hintMouseMove(&c, gfx::fromQPoint(QCursor::pos()));
      return true;

    case QEvent::Leave:
      if (role == ControlWidget::Role::Client) return true;
      c.perform(CM_MOUSELEAVE);
      // The pointer left the hint's control: unless the control it went to
      // takes the hint over (its enter comes in the same dispatch), the
      // hint ends once this dispatch is done.
      if (app.hintControl() == &c) {
        QTimer::singleShot(0, &w, [&app, &c] {
          if (app.hintControl() == &c) app.hintMouseMove(nullptr, gfx::fromQPoint(QCursor::pos()));
        });
      }
      return true;

    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      auto* ke = static_cast<QKeyEvent*>(e);
      const bool press = t == QEvent::KeyPress;
      if (press) app.hintInput();
      const unsigned shift = KeyShift(ke->modifiers());
      const int vk = virtualKey(ke->key());
      auto* target = dynamic_cast<WinControl*>(&c);
      if (!target) return false;
      Form* owner = target->parentForm();
      // The menu key: Alt pressed and released alone, F10, or Alt with a
      // letter (a menu's mnemonic) asks the form for its menu.
      static bool altAlone = false;
      if (press) altAlone = vk == VK_MENU && !ke->isAutoRepeat();
      if (owner && vk) {
        MessageParam menuKey = -1;
        if (!press && vk == VK_MENU && altAlone) menuKey = 0;
        if (press && vk == VK_F10 && !(shift & (ssShift | ssCtrl))) menuKey = 0;
        if (press && (shift & ssAlt) && !(shift & ssCtrl) &&
            ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')))
          menuKey = vk;
        if (menuKey >= 0) {
          altAlone = false;
          if (Filtered(&w, Message{WM_SYSCOMMAND, SC_KEYMENU, menuKey, 0})) return true;
          Message m{WM_SYSCOMMAND, SC_KEYMENU, menuKey, 0};
          owner->windowProc(m);
          if (vk == VK_F10 || vk == VK_MENU || m.result) return true;
        }
      }
      if (vk) {
        const bool alt = (shift & ssAlt) != 0;
        const unsigned id =
            press ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
        if (Filtered(&w, Message{id, vk, static_cast<MessageParam>(shift), 0})) return true;
        int key = vk;
        // With key preview the form sees the key before its focused control.
        if (owner && owner != target && owner->keyPreview()) {
          if (press)
            owner->keyDown(key, shift);
          else
            owner->keyUp(key, shift);
        }
        if (key) {
          Message m{id, key, static_cast<MessageParam>(shift), 0};
          target->windowProc(m);
          key = static_cast<int>(m.wparam);
        }
        if (press && key && owner && (key == VK_RETURN || key == VK_ESCAPE)) {
          if (owner->perform(CM_DIALOGKEY, key)) return true;
        }
        // Tab moves the focus the usual way.
        if (key == VK_TAB) return false;
      }
      if (press && !ke->text().isEmpty() && !(shift & (ssCtrl | ssAlt))) {
        for (char32_t ch : ke->text().toUcs4()) {
          if (ch < 0x20 && ch != U'\r' && ch != U'\b' && ch != 0x1B) continue;
          DeliverFiltered(
              w, *target,
              Message{WM_CHAR, static_cast<MessageParam>(ch), static_cast<MessageParam>(shift), 0});
        }
      }
      return true;
    }

    case QEvent::FocusIn:
      if (role != ControlWidget::Role::Client) c.perform(WM_SETFOCUS);
      return false;
    case QEvent::FocusOut:
      if (role != ControlWidget::Role::Client) c.perform(WM_KILLFOCUS);
      return false;

    case QEvent::Timer: {
      const int qtId = static_cast<QTimerEvent*>(e)->timerId();
      if (auto* wc = dynamic_cast<WinControl*>(&c); wc && qtId == wc->caretTimer_) {
        wc->blinkCaret();
        return true;
      }
      for (const auto& [id, qt] : c.timers_) {
        if (qt != qtId) continue;
        DeliverFiltered(w, c, Message{WM_TIMER, id, 0, 0});
        return true;
      }
      return false;
    }

    case QEvent::Move:
    case QEvent::Resize:
      if (role == ControlWidget::Role::Window) {
        // The window system moved or sized the window: the form follows.
        const gfx::Rect r = gfx::fromQRect(w.geometry());
        if (r != form->bounds_) form->setBounds(r.left, r.top, r.width(), r.height());
      }
      return false;

    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
      if (role == ControlWidget::Role::Window) {
        const bool active = t == QEvent::WindowActivate;
        if (!active && form->sizeMove_->active()) form->sizeMove_->finish();
        form->perform(WM_NCACTIVATE, active ? 1 : 0);
        form->perform(WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE);
      }
      return false;

    case QEvent::WindowStateChange:
      if (role == ControlWidget::Role::Window) {
        if (w.isMinimized() && form->windowState_ != WindowState::wsMinimized && !app.minimized()) {
          form->windowState_ = WindowState::wsMinimized;
        } else if (!w.isMinimized() && form->windowState_ == WindowState::wsMinimized) {
          form->windowState_ = WindowState::wsNormal;
        }
      }
      return false;

    case QEvent::Close:
      if (role == ControlWidget::Role::Window) {
        // The window system asked to close: the form decides.
        e->ignore();
        form->close();
        return true;
      }
      return false;

    case QEvent::ContextMenu:
      // Right clicks reach controls as button messages already.
      e->accept();
      return true;

    default:
      if (t == kPostedMessage) {
        DeliverFiltered(w, c, static_cast<PostedMessageEvent*>(e)->message);
        return true;
      }
      return false;
  }
}

}  // namespace ui

// Forms: the non-client area through the procedure, window states, modal
// showing, closing and the dialog keys.
#include "ui/form.h"

#include <algorithm>

#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "ui/application.h"
#include "ui/control_widget.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/qt_convert.h"
#include "ui/keys.h"
#include "ui/monitor.h"
#include "ui/size_move_loop.h"

namespace ui {

Form::Form(Component* owner)
    : WinControl(owner, std::make_unique<ControlWidget>(this, ControlWidget::Role::Window, nullptr,
                                                        Qt::Window | Qt::FramelessWindowHint)),
      sizeMove_(std::make_unique<SizeMoveLoop>(*this)) {
  client_ = std::make_unique<ControlWidget>(this, ControlWidget::Role::Client, widget());
  client_->setAttribute(Qt::WA_OpaquePaintEvent);
  client_->setAttribute(Qt::WA_NoSystemBackground);
  client_->setMouseTracking(true);
  client_->setFocusPolicy(Qt::NoFocus);
  widget()->setFocusPolicy(Qt::StrongFocus);
  visible_ = false;
  widget()->hide();
  Application::instance().formCreated(this);
  setBounds(0, 0, 320, 240);
}

Form::~Form() {
  if (modalLoop_) modalLoop_->quit();
  if (destroyedFlag_) *destroyedFlag_ = true;
  controlWidget()->detach();
  client_->detach();
  // Owned components (the frame hook among them) go while the form is whole.
  destroyComponents();
  // Child controls live in the client widget and must go before it.
  while (!controls().empty()) delete controls().back();
  client_.reset();
  Application::instance().formDestroyed(this);
}

QWidget* Form::containerWidget() const { return client_.get(); }

void Form::setBounds(int left, int top, int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  const gfx::Rect r = gfx::Rect::fromSize(left, top, width, height);
  if (r == bounds_ && client_) return;
  const bool sized = r.size() != bounds_.size();
  bounds_ = r;
  widget()->setGeometry(gfx::toQRect(r));
  if (windowState_ == WindowState::wsNormal) restoreBounds_ = r;
  if (!client_) return;
  placeClientWidget();
  if (sized) {
    const int kind = windowState_ == WindowState::wsMaximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
    perform(WM_SIZE, kind, PackPoint(width, height));
  }
  perform(WM_MOVE, 0, PackPoint(left, top));
}

gfx::Rect Form::clientRect() const { return {0, 0, clientArea_.width(), clientArea_.height()}; }

void Form::setClientSize(int width, int height) {
  const int dw = width - clientArea_.width();
  const int dh = height - clientArea_.height();
  setBounds(left(), top(), this->width() + dw, this->height() + dh);
}

void Form::placeClientWidget() {
  gfx::Rect r = bounds_;
  perform(WM_NCCALCSIZE, 0, ToParam(&r));
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  gfx::Rect area = gfx::OffsetRect(r, -bounds_.left, -bounds_.top);
  const bool resized = area.size() != clientArea_.size();
  clientArea_ = area;
  client_->setGeometry(gfx::toQRect(area));
  if (resized) realign();
}

void Form::recalcNonClient() {
  placeClientWidget();
  invalidateFrame();
}

void Form::invalidateFrame() { widget()->update(); }

void Form::invalidateFrameRect(const gfx::Rect& r) { widget()->update(gfx::toQRect(r)); }

gfx::Bitmap& Form::frameBuffer(int width, int height) {
  if (frameStorage_.width() < width || frameStorage_.height() < height) {
    // Room to spare on growing: a window dragged larger step by step gets
    // new storage a few times, not at every step.
    const auto grown = [](int have, int need) {
      return have >= need ? have : std::max(need, have + have / 2);
    };
    frameBuffer_ = {};
    frameStorage_ = QImage(grown(frameStorage_.width(), width),
                           grown(frameStorage_.height(), height), QImage::Format_RGB32);
    if (frameStorage_.isNull()) return frameBuffer_;  // out of memory: nothing is painted
  }
  if (frameBuffer_.width() != width || frameBuffer_.height() != height) {
    // An image on the storage's pixels, with its row length: it owns none.
    frameBuffer_ = gfx::Bitmap(QImage(frameStorage_.bits(), width, height,
                                      frameStorage_.bytesPerLine(), QImage::Format_RGB32));
  }
  return frameBuffer_;
}

gfx::Bitmap Form::frameImage() {
  gfx::Bitmap bmp(width(), height());
  if (!bmp.empty()) perform(WM_NCPAINT, 0, ToParam(&bmp));
  return bmp;
}

void Form::setBorderStyle(BorderStyle s) {
  if (s == borderStyle_) return;
  borderStyle_ = s;
  applyWindowFlags();
  recalcNonClient();
}

void Form::setFormStyle(FormStyle s) {
  if (s == formStyle_) return;
  formStyle_ = s;
  applyWindowFlags();
}

void Form::applyWindowFlags() {
  Qt::WindowFlags f = Qt::FramelessWindowHint;
  f |= toolWindow() ? Qt::Tool : Qt::Window;
  if (formStyle_ == FormStyle::fsStayOnTop) f |= Qt::WindowStaysOnTopHint;
  if (widget()->windowFlags() == f) return;
  const bool wasVisible = widget()->isVisible();
  widget()->setWindowFlags(f);
  widget()->setGeometry(gfx::toQRect(bounds_));
  if (wasVisible) widget()->show();
}

void Form::fillMinMaxInfo(MinMaxInfo& info) const {
  const gfx::Rect work = MonitorWorkArea(*this);
  const gfx::Rect mon = MonitorRect(*this);
  info.maxPosition = {work.left - mon.left, work.top - mon.top};
  info.maxSize = {work.width(), work.height()};
  info.minTrackSize = {1, 1};
  // The largest size covers every monitor of the desktop.
  const gfx::Rect desk = DesktopRect();
  info.maxTrackSize = {std::max(desk.width(), work.width()) + 2 * DefaultFrameMetrics::kBorder,
                       std::max(desk.height(), work.height()) + 2 * DefaultFrameMetrics::kBorder};
}

void Form::setWindowState(WindowState s) {
  if (s == windowState_) return;
  const WindowState old = windowState_;
  if (old == WindowState::wsNormal) restoreBounds_ = bounds_;
  if (old == WindowState::wsMinimized && widget()->isMinimized()) widget()->showNormal();
  windowState_ = s;
  switch (s) {
    case WindowState::wsMaximized: {
      MinMaxInfo info;
      fillMinMaxInfo(info);
      perform(WM_GETMINMAXINFO, 0, ToParam(&info));
      const gfx::Rect mon = MonitorRect(*this);
      setBounds(mon.left + info.maxPosition.x, mon.top + info.maxPosition.y, info.maxSize.x,
                info.maxSize.y);
      break;
    }
    case WindowState::wsMinimized:
      if (widget()->isVisible()) widget()->showMinimized();
      perform(WM_SIZE, SIZE_MINIMIZED, PackPoint(width(), height()));
      break;
    case WindowState::wsNormal: {
      const gfx::Rect r = restoreBounds_;
      setBounds(r.left, r.top, r.width(), r.height());
      if (old == WindowState::wsMinimized)
        perform(WM_SIZE, SIZE_RESTORED, PackPoint(width(), height()));
      break;
    }
  }
}

gfx::Rect Form::normalBounds() const {
  return windowState_ == WindowState::wsNormal ? bounds_ : restoreBounds_;
}

void Form::setIcon(const gfx::Bitmap& icon) {
  icon_ = icon;
  widget()->setWindowIcon(icon.empty() ? QIcon() : QIcon(QPixmap::fromImage(icon.image())));
}

void Form::activate() {
  if (!widget()->isVisible()) return;
  widget()->raise();
  widget()->activateWindow();
}

void Form::afterConstruction() {
  if (created_) return;
  created_ = true;
  if (onCreate) onCreate(*this);
}

void Form::applyPosition() {
  gfx::Rect outer;
  switch (position_) {
    case Position::poScreenCenter:
    case Position::poDesktopCenter:
      outer = MonitorRect(*this);
      break;
    case Position::poMainFormCenter: {
      Form* main = Application::instance().mainForm();
      outer = (main && main != this) ? main->boundsRect() : MonitorRect(*this);
      break;
    }
    default:
      return;
  }
  const gfx::Rect r = gfx::CenterRect(bounds_, outer);
  setBounds(r.left, r.top, r.width(), r.height());
}

void Form::setVisible(bool visible) {
  if (visible == visible_) {
    if (visible) activate();
    return;
  }
  if (visible) {
    afterConstruction();
    if (!shownOnce_) {
      shownOnce_ = true;
      if (windowState_ == WindowState::wsNormal) applyPosition();
    }
    if (onShow) onShow(*this);
  }
  visible_ = visible;
  // The procedure hears of the showing before the window appears, so that it
  // can prepare (opacity, frame) what the first picture shows.
  perform(WM_SHOWWINDOW, visible ? 1 : 0);
  if (visible) {
    if (windowState_ == WindowState::wsMinimized)
      widget()->showMinimized();
    else
      widget()->show();
    widget()->raise();
    widget()->activateWindow();
  } else {
    widget()->hide();
    // A hidden window paints nothing: its frame buffer goes until it shows.
    frameBuffer_ = {};
    frameStorage_ = QImage();
    if (onHide) onHide(*this);
    if (modalLoop_ && formModalResult_ == mrNone) {
      formModalResult_ = mrCancel;
      modalLoop_->quit();
    }
  }
  perform(CM_VISIBLECHANGED, visible ? 1 : 0);
}

int Form::showModal() {
  if (modalLoop_) return mrNone;
  if (visible_) setVisible(false);
  formModalResult_ = mrNone;
  widget()->setWindowModality(Qt::ApplicationModal);
  Form* previousActive = Application::instance().activeForm();
  QEventLoop loop;
  modalLoop_ = &loop;
  // A handler may free the form while it is shown modally: the loop then
  // ends and nothing of the form is touched any more.
  bool destroyed = false;
  destroyedFlag_ = &destroyed;
  setVisible(true);
  if (formModalResult_ == mrNone) loop.exec(QEventLoop::DialogExec);
  if (destroyed) return mrCancel;
  destroyedFlag_ = nullptr;
  modalLoop_ = nullptr;
  const int result = formModalResult_;
  setVisible(false);
  widget()->setWindowModality(Qt::NonModal);
  if (previousActive && previousActive != this) previousActive->activate();
  return result;
}

void Form::setModalResult(int r) {
  formModalResult_ = r;
  if (!modalLoop_ || r == mrNone) return;
  if (!closeQuery()) {
    formModalResult_ = mrNone;
    return;
  }
  CloseAction action = CloseAction::caHide;
  if (onClose) onClose(*this, action);
  if (action == CloseAction::caNone) {
    formModalResult_ = mrNone;
    return;
  }
  modalLoop_->quit();
}

void Form::close() { perform(WM_CLOSE); }

bool Form::closeQuery() {
  bool canClose = true;
  if (onCloseQuery) onCloseQuery(*this, canClose);
  return canClose;
}

WinControl* Form::activeControl() const {
  QWidget* focus = widget()->focusWidget();
  Control* c = Control::fromWidget(focus);
  if (!c || c == this || c->parentForm() != this) return nullptr;
  return dynamic_cast<WinControl*>(c);
}

bool Form::inSizeMove() const { return sizeMove_->active(); }

void Form::setActiveFlag(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active) {
    Application::instance().formActivated(this);
    if (onActivate) onActivate(*this);
  } else {
    Application::instance().formDeactivated(this);
    if (onDeactivate) onDeactivate(*this);
  }
}

void Form::keyDown(int& key, unsigned shift) { WinControl::keyDown(key, shift); }

namespace {
Control* FindDialogButton(const WinControl& parent, bool wantDefault) {
  for (Control* c : parent.controls()) {
    if (!c->visible() || !c->enabled()) continue;
    if (wantDefault ? c->isDefault() : c->isCancel()) return c;
    if (auto* w = dynamic_cast<WinControl*>(c))
      if (Control* found = FindDialogButton(*w, wantDefault)) return found;
  }
  return nullptr;
}
}  // namespace

bool Form::dialogKey(int key) {
  if (key != VK_RETURN && key != VK_ESCAPE) return false;
  Control* button = FindDialogButton(*this, key == VK_RETURN);
  if (!button) return false;
  button->click();
  return true;
}

void Form::defaultNcCalcSize(gfx::Rect& r) const {
  if (borderStyle_ == BorderStyle::bsNone) return;
  const int b = DefaultFrameMetrics::kBorder;
  const int caption =
      toolWindow() ? DefaultFrameMetrics::kToolCaptionHeight : DefaultFrameMetrics::kCaptionHeight;
  r = {r.left + b, r.top + b + caption, r.right - b, r.bottom - b};
}

int Form::defaultNcHitTest(gfx::Point p) const {
  if (borderStyle_ == BorderStyle::bsNone) return HTCLIENT;
  if (gfx::PtInRect(clientArea_, p)) return HTCLIENT;
  const int b = DefaultFrameMetrics::kBorder;
  const int corner = 2 * b + 2;
  const int w = width();
  const int h = height();
  const bool nearLeft = p.x < b, nearRight = p.x >= w - b, nearTop = p.y < b,
             nearBottom = p.y >= h - b;
  if (nearLeft || nearRight || nearTop || nearBottom) {
    if (!sizeable() || windowState_ != WindowState::wsNormal) return HTBORDER;
    const bool cLeft = p.x < corner, cRight = p.x >= w - corner, cTop = p.y < corner,
               cBottom = p.y >= h - corner;
    if ((nearTop || nearLeft) && cTop && cLeft) return HTTOPLEFT;
    if ((nearTop || nearRight) && cTop && cRight) return HTTOPRIGHT;
    if ((nearBottom || nearLeft) && cBottom && cLeft) return HTBOTTOMLEFT;
    if ((nearBottom || nearRight) && cBottom && cRight) return HTBOTTOMRIGHT;
    if (nearLeft) return HTLEFT;
    if (nearRight) return HTRIGHT;
    if (nearTop) return HTTOP;
    return HTBOTTOM;
  }
  if (p.y < clientArea_.top) return HTCAPTION;
  return HTBORDER;
}

void Form::defaultNcPaint(gfx::Bitmap& bmp) const {
  if (borderStyle_ == BorderStyle::bsNone || bmp.empty()) return;
  gfx::Canvas c(bmp);
  c.fillRect(bmp.rect(), gfx::SystemColor(gfx::SysColor::ButtonFace));
  c.frameRect(bmp.rect(), gfx::SystemColor(gfx::SysColor::ButtonShadow));
  const int b = DefaultFrameMetrics::kBorder;
  const gfx::Rect caption{b, b, width() - b, clientArea_.top};
  c.fillRect(caption, gfx::SystemColor(active_ ? gfx::SysColor::ActiveCaption
                                               : gfx::SysColor::InactiveCaption));
  gfx::Font f = font();
  f.bold = true;
  f.color =
      gfx::SystemColor(active_ ? gfx::SysColor::CaptionText : gfx::SysColor::InactiveCaptionText);
  c.setFont(f);
  gfx::Rect tr{caption.left + 4, caption.top, caption.right - 4, caption.bottom};
  c.drawText(text(), tr,
             gfx::kTextLeft | gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextEndEllipsis |
                 gfx::kTextNoPrefix);
}

void Form::wndProc(Message& m) {
  switch (m.id) {
    case WM_NCCALCSIZE:
      if (auto* r = FromParam<gfx::Rect>(m.lparam)) defaultNcCalcSize(*r);
      return;
    case WM_NCHITTEST: {
      const gfx::Point p = UnpackPoint(m.lparam);
      m.result = defaultNcHitTest({p.x - left(), p.y - top()});
      return;
    }
    case WM_NCPAINT:
      if (auto* bmp = FromParam<gfx::Bitmap>(m.lparam)) defaultNcPaint(*bmp);
      return;
    case WM_NCACTIVATE:
      invalidateFrame();
      m.result = 1;
      return;
    case WM_ACTIVATE:
      setActiveFlag(m.wparam != WA_INACTIVE);
      return;
    case WM_NCLBUTTONDOWN:
      sizeMove_->start(static_cast<int>(m.wparam), UnpackPoint(m.lparam));
      return;
    case WM_SETTEXT: {
      WinControl::wndProc(m);
      widget()->setWindowTitle(gfx::toQString(text()));
      invalidateFrame();
      return;
    }
    case WM_CLOSE: {
      if (closing_) return;
      closing_ = true;
      struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
      } reset{closing_};
      if (!closeQuery()) return;
      const bool isMain = Application::instance().mainForm() == this;
      CloseAction action = isMain ? CloseAction::caFree : CloseAction::caHide;
      if (onClose) onClose(*this, action);
      if (action == CloseAction::caNone) return;
      if (modalLoop_) {
        formModalResult_ = mrCancel;
        modalLoop_->quit();
        return;
      }
      if (isMain) {
        setVisible(false);
        Application::instance().terminate();
        return;
      }
      if (action == CloseAction::caMinimize) {
        setWindowState(WindowState::wsMinimized);
        return;
      }
      setVisible(false);
      if (action == CloseAction::caFree) {
        // Freed from the event loop, after the message that closed it is done.
        QTimer::singleShot(0, widget(), [this] { delete this; });
      }
      return;
    }
    case WM_SYSCOMMAND:
      switch (m.wparam & 0xFFF0) {
        case SC_MINIMIZE:
          setWindowState(WindowState::wsMinimized);
          break;
        case SC_MAXIMIZE:
          setWindowState(WindowState::wsMaximized);
          break;
        case SC_RESTORE:
          setWindowState(WindowState::wsNormal);
          break;
        case SC_CLOSE:
          close();
          break;
        default:
          break;
      }
      return;
    case CM_DIALOGKEY:
      m.result = dialogKey(static_cast<int>(m.wparam)) ? 1 : 0;
      return;
    default:
      break;
  }
  WinControl::wndProc(m);
}

}  // namespace ui

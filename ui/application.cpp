// The application object and its hint mechanism.
#include "ui/application.h"

#include <algorithm>
#include <cstdio>

#include <QApplication>
#include <QEventLoop>
#include <QWidget>

#include "ui/form.h"
#include "ui/graphics/qt_convert.h"
#include "ui/message_translator.h"
#include "ui/monitor.h"
#include "ui/scheduler.h"

namespace ui {

namespace {
// Below the pointer: the classic hint sits one pointer height down.
constexpr int kPointerHeight = 20;
constexpr int kHintMaxWidth = 300;

std::string ShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }
}  // namespace

Application& Application::instance() {
  // Lives as long as the process: its windows must never be freed after
  // the QApplication is gone.
  static Application* app = new Application;
  MessageTranslator::installApplicationFilter();
  return *app;
}

Application::Application() = default;

void Application::setTitle(const std::string& title) {
  title_ = title;
  QApplication::setApplicationDisplayName(gfx::toQString(title));
}

void Application::handleException(std::exception_ptr e) {
  if (exceptionHandler_) {
    try {
      exceptionHandler_(e);
      return;
    } catch (...) {
      // The handler itself failed: fall back to the plain report below, so
      // that nothing escapes into the event loop.
    }
  }
  try {
    std::rethrow_exception(e);
  } catch (const std::exception& x) {
    std::fprintf(stderr, "unhandled exception: %s\n", x.what());
  } catch (...) {
    std::fprintf(stderr, "unhandled exception of an unknown type\n");
  }
}

void Application::formCreated(Form* f) {
  forms_.push_back(f);
  if (!mainForm_) mainForm_ = f;
}

void Application::formDestroyed(Form* f) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
  minimizedForms_.erase(std::remove(minimizedForms_.begin(), minimizedForms_.end(), f),
                        minimizedForms_.end());
  if (mainForm_ == f) mainForm_ = nullptr;
  if (activeForm_ == f) activeForm_ = nullptr;
}

void Application::formActivated(Form* f) { activeForm_ = f; }

void Application::formDeactivated(Form* f) {
  if (activeForm_ == f) activeForm_ = nullptr;
  cancelHint();
}

void Application::controlDestroyed(Control* c) {
  if (hintControl_ == c) {
    hintControl_ = nullptr;
    stopHintTimers();
    if (hintShown_) hideHintNow();
  }
}

void Application::minimize() {
  if (minimized_) return;
  minimized_ = true;
  minimizedForms_.clear();
  cancelHint();
  for (Form* f : forms_) {
    if (!f->visible() || f->windowState() == WindowState::wsMinimized) continue;
    minimizedForms_.push_back(f);
    f->widget()->showMinimized();
  }
  // A listener may remove itself while it runs: walk a copy.
  const auto listeners = minimizeListeners_;
  for (auto it = listeners.rbegin(); it != listeners.rend(); ++it) it->second();
  if (onMinimize) onMinimize();
}

int Application::addMinimizeListener(std::function<void()> listener) {
  const int token = nextFilter_++;
  minimizeListeners_.emplace_back(token, std::move(listener));
  return token;
}

void Application::removeMinimizeListener(int token) {
  std::erase_if(minimizeListeners_, [token](const auto& l) { return l.first == token; });
}

void Application::restore() {
  if (!minimized_) return;
  minimized_ = false;
  for (Form* f : minimizedForms_) {
    if (f->windowState() == WindowState::wsMaximized) f->widget()->show();
    f->widget()->showNormal();
    f->widget()->setGeometry(gfx::toQRect(f->boundsRect()));
  }
  minimizedForms_.clear();
  if (mainForm_) mainForm_->activate();
  if (onRestore) onRestore();
}

int Application::installMessageFilter(MessageFilter filter) {
  const int token = nextFilter_++;
  filters_.emplace_back(token, std::move(filter));
  return token;
}

void Application::removeMessageFilter(int token) {
  filters_.erase(std::remove_if(filters_.begin(), filters_.end(),
                                [token](const auto& f) { return f.first == token; }),
                 filters_.end());
}

bool Application::filterMessage(QueuedMessage& msg) {
  bool handled = false;
  // A filter may remove itself or add another while it runs: walk a copy.
  const auto filters = filters_;
  for (auto it = filters.rbegin(); it != filters.rend() && !handled; ++it) it->second(msg, handled);
  if (!handled && onMessage) onMessage(msg, handled);
  return handled;
}

int Application::run() {
  terminated_ = false;
  if (mainForm_ && !mainForm_->visible()) mainForm_->show();
  if (terminated_) return 0;
  return QApplication::exec();
}

void Application::terminate(int exitCode) {
  terminated_ = true;
  QApplication::exit(exitCode);
}

void Application::processMessages() { QApplication::processEvents(QEventLoop::AllEvents); }

// Hints.

Scheduler& Application::scheduler() const {
  return hintScheduler_ ? *hintScheduler_ : QtScheduler();
}

void Application::setHintScheduler(Scheduler* s) {
  stopHintTimers();
  hintScheduler_ = s;
}

void Application::setShowHint(bool on) {
  if (on == showHint_) return;
  showHint_ = on;
  cancelHint();
  // The window goes with the switch; the next one is of the current class.
  hintWindow_.reset();
  if (on) makeHintWindow();
}

void Application::setHintWindowClass(HintWindowClass cls) { hintClass_ = std::move(cls); }

void Application::makeHintWindow() {
  hintWindow_ = hintClass_ ? hintClass_() : std::make_unique<HintWindow>();
}

void Application::stopHintTimers() {
  if (showTimer_) scheduler().cancel(showTimer_);
  if (hideTimer_) scheduler().cancel(hideTimer_);
  showTimer_ = hideTimer_ = 0;
}

void Application::startHintTimer(int ms) {
  stopHintTimers();
  showTimer_ = scheduler().start(ms, [this] {
    showTimer_ = 0;
    showHintNow();
  });
}

void Application::hintMouseMove(Control* c, gfx::Point) {
  if (!showHint_) return;
  if (c == hintControl_) return;
  const bool wasShown = hintShown_;
  stopHintTimers();
  if (hintShown_) hideHintNow();
  hintControl_ = c;
  if (!c || !c->showHint() || ShortHint(c->hint()).empty()) return;
  // Moving on from a shown hint shows the next one after the short delay.
  startHintTimer(wasShown ? hintShortPause_ : hintPause_);
}

void Application::hintInput() {
  if (showTimer_ || hintShown_) {
    stopHintTimers();
    if (hintShown_) hideHintNow();
  }
}

void Application::cancelHint() {
  stopHintTimers();
  if (hintShown_) hideHintNow();
  hintControl_ = nullptr;
}

void Application::showHintNow() {
  Control* c = hintControl_;
  if (!c || !showHint_) return;
  if (!hintWindow_) makeHintWindow();
  std::string text = ShortHint(c->hint());
  const gfx::Point pointer = CursorPos();
  HintInfo info;
  info.hintControl = c;
  info.hintPos = {pointer.x, pointer.y + kPointerHeight};
  info.hintMaxWidth = kHintMaxWidth;
  info.cursorRect = c->clientRect();
  info.cursorPos = c->screenToClient(pointer);
  info.hideTimeout = hintHidePause_;
  bool canShow = true;
  if (onShowHint) onShowHint(text, canShow, info);
  if (!canShow || text.empty()) return;
  const gfx::Rect size = hintWindow_->calcHintRect(info.hintMaxWidth, text);
  hintWindow_->activateHint(gfx::OffsetRect(size, info.hintPos.x, info.hintPos.y), text);
  hintShown_ = true;
  hideTimer_ = scheduler().start(info.hideTimeout, [this] {
    hideTimer_ = 0;
    hideHintNow();
  });
}

void Application::hideHintNow() {
  hintShown_ = false;
  if (hintWindow_) hintWindow_->releaseHint();
}

}  // namespace ui

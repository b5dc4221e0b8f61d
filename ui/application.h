// The application: title, main form (the first form made), the open forms,
// minimizing and restoring all of them, the application-wide message filter,
// the hint mechanism and the event loop.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/hint_window.h"
#include "ui/message.h"

namespace ui {

class Control;
class Form;
class Scheduler;

class Application {
 public:
  // The one application; needs the QApplication to exist.
  static Application& instance();

  const std::string& title() const { return title_; }
  void setTitle(const std::string& title);

  Form* mainForm() const { return mainForm_; }
  // Open forms in the order they were made.
  const std::vector<Form*>& forms() const { return forms_; }
  Form* activeForm() const { return activeForm_; }

  // Minimizes every visible form / brings them back.
  void minimize();
  void restore();
  bool minimized() const { return minimized_; }
  std::function<void()> onMinimize;
  std::function<void()> onRestore;
  // Further listeners of minimizing, for components that follow it for a
  // while (a notification-area icon hides the windows to the tray). The one
  // added last hears first; onMinimize comes after them all. Returns a token
  // for removeMinimizeListener.
  int addMinimizeListener(std::function<void()> listener);
  void removeMinimizeListener(int token);

  // Sees every message taken from the queue (input, timers, posted
  // messages), for any window of the process, before it is dispatched.
  // Setting handled keeps it from being dispatched.
  std::function<void(QueuedMessage& msg, bool& handled)> onMessage;
  // Further filters of the same kind, for components that need the message
  // stream for a while (a menu in menu mode takes the keys). The one
  // installed last runs first; onMessage runs after them all. Returns a
  // token for removeMessageFilter.
  using MessageFilter = std::function<void(QueuedMessage& msg, bool& handled)>;
  int installMessageFilter(MessageFilter filter);
  void removeMessageFilter(int token);
  // Runs the filters; true when the message is not to be dispatched.
  bool filterMessage(QueuedMessage& msg);
  // Whether any filter is set (the translator skips building messages otherwise).
  bool hasMessageFilters() const { return onMessage || !filters_.empty(); }

  // Hints: the delay before a hint shows, how long it stays, and the short
  // delay when the pointer moves on from a shown hint to another control.
  int hintPause() const { return hintPause_; }
  void setHintPause(int ms) { hintPause_ = ms; }
  int hintHidePause() const { return hintHidePause_; }
  void setHintHidePause(int ms) { hintHidePause_ = ms; }
  int hintShortPause() const { return hintShortPause_; }
  void setHintShortPause(int ms) { hintShortPause_ = ms; }
  // The hint switch. Turning it off frees the hint window; turning it on
  // makes a new one of the current class.
  bool showHint() const { return showHint_; }
  void setShowHint(bool on);
  // The class of hint windows made from now on (nullptr: the plain one).
  void setHintWindowClass(HintWindowClass cls);
  HintWindow* hintWindow() const { return hintWindow_.get(); }
  bool hintShown() const { return hintShown_; }
  Control* hintControl() const { return hintControl_; }
  // Fired before any hint is shown; it may change the text, forbid the
  // showing or move the hint.
  std::function<void(std::string& hint, bool& canShow, HintInfo& info)> onShowHint;
  void cancelHint();
  // The clock of the hint delays (nullptr: the event loop's timers).
  void setHintScheduler(Scheduler* scheduler);

  // Where an exception goes that no window handled: the framework's event
  // delivery catches whatever escapes a window procedure and hands it here,
  // and the event loop goes on. Without a handler its text goes to the
  // standard error stream.
  using ExceptionHandler = std::function<void(std::exception_ptr)>;
  void setExceptionHandler(ExceptionHandler handler) { exceptionHandler_ = std::move(handler); }
  void handleException(std::exception_ptr e);

  // The event loop: run shows the main form and returns when terminate is
  // called (or the main form closes).
  int run();
  void terminate(int exitCode = 0);
  bool terminated() const { return terminated_; }
  // Dispatches what is pending in the queue, then returns.
  void processMessages();

  // Framework notifications.
  void formCreated(Form* f);
  void formDestroyed(Form* f);
  void formActivated(Form* f);
  void formDeactivated(Form* f);
  void controlDestroyed(Control* c);
  // The pointer is over control c at screen point p (drives the hints).
  void hintMouseMove(Control* c, gfx::Point p);
  void hintInput();  // a button or key press ends a hint

 private:
  Application();
  Scheduler& scheduler() const;
  void startHintTimer(int ms);
  void stopHintTimers();
  void showHintNow();
  void hideHintNow();
  void makeHintWindow();

  ExceptionHandler exceptionHandler_;
  std::vector<std::pair<int, MessageFilter>> filters_;
  std::vector<std::pair<int, std::function<void()>>> minimizeListeners_;
  int nextFilter_ = 1;
  std::string title_;
  Form* mainForm_ = nullptr;
  Form* activeForm_ = nullptr;
  std::vector<Form*> forms_;
  std::vector<Form*> minimizedForms_;
  bool minimized_ = false;
  bool terminated_ = false;

  int hintPause_ = 800;
  int hintHidePause_ = 25000;
  int hintShortPause_ = 50;
  bool showHint_ = true;
  HintWindowClass hintClass_;
  std::unique_ptr<HintWindow> hintWindow_;
  Scheduler* hintScheduler_ = nullptr;
  Control* hintControl_ = nullptr;
  bool hintShown_ = false;
  int showTimer_ = 0;
  int hideTimer_ = 0;
};

}  // namespace ui

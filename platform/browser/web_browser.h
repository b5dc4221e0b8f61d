// The embedded browser control. Navigate returns at once; the events tell
// what happens: before every navigation (links, scripts, frames; the
// handler may cancel), navigation done, document complete (for each frame),
// title, status text (the hovered link) and progress (of 100). Pages that
// open a new window open in a plain window of their own with a browser of
// the same profile. Only absolute http, https, about and data addresses are
// opened, never a local file.
//
// The control is a plain widget of the program. The browser engine (Qt
// WebEngine, in a module loaded on first need) and its view are made at the
// first Navigate, so windows that hold browsers open fast and a program
// that shows no page never loads the engine. When the engine cannot be
// loaded the control stays empty and every Navigate ends in NavigateError.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QVariant>
#include <QWidget>

#include "platform/browser/html_document.h"

class QWebEngineView;
class QWebEnginePage;

namespace platform {

namespace engine {
class View;
}
class BrowserEvents;

class WebBrowser : public QWidget {
 public:
  explicit WebBrowser(QWidget* parent = nullptr);
  ~WebBrowser() override;

  void Navigate(const std::string& url);
  // Whether Navigate opens `url`; fills `reason` when it does not.
  static bool AcceptsAddress(const std::string& url, std::string* reason = nullptr);
  std::string LocationURL() const;
  std::string LocationName() const;  // the page title
  bool Busy() const { return busy_; }
  void Stop();
  void Refresh();

  HtmlDocument Document();

  // Whether w is this control's window or inside it (the engine replaces
  // its inner widgets, so this is asked every time, never cached).
  bool ownsWindow(const QWidget* w) const;

  // Runs fn right after the current navigation decision (or the current
  // event) is done: a BeforeNavigate2 handler that must read or write the
  // document, or show a dialog, cancels and continues here.
  void runAfterDecision(std::function<void()> fn);
  // True while a BeforeNavigate2 handler of any control runs.
  static bool decidingNavigation();

  // The longest a document call waits for the page, in milliseconds.
  int domTimeout() const { return domTimeoutMs_; }
  void setDomTimeout(int ms) { domTimeoutMs_ = ms; }
  // Runs a script in the page and waits for its result (an invalid QVariant
  // when the page did not answer in time, or another call is waiting).
  QVariant evaluate(const QString& script);
  // Runs a script in the page without waiting for it.
  void runScript(const QString& script);

  // The engine view (nullptr before the first Navigate, and when the engine
  // could not be loaded).
  QWebEngineView* view() const { return view_; }

  std::function<void(WebBrowser& sender, const std::string& url, bool& cancel)> BeforeNavigate2;
  std::function<void(WebBrowser& sender, const std::string& url)> NavigateComplete2;
  std::function<void(WebBrowser& sender, const std::string& url)> DocumentComplete;
  std::function<void(WebBrowser& sender, const std::string& title)> TitleChange;
  std::function<void(WebBrowser& sender, const std::string& text)> StatusTextChange;
  std::function<void(WebBrowser& sender, int progress, int progressMax)> ProgressChange;
  // A Navigate that was refused: the address is not an absolute http,
  // https, about or data address, or the browser engine could not be
  // loaded. Nothing was loaded; the page stays.
  std::function<void(WebBrowser& sender, const std::string& url, const std::string& reason)>
      NavigateError;

 private:
  friend class BrowserEvents;
  // Makes the engine view; false when the engine is not there (reason says
  // why).
  bool ensureView(std::string* reason = nullptr);

  QWebEngineView* view_ = nullptr;
  std::unique_ptr<BrowserEvents> events_;
  std::unique_ptr<engine::View> engine_;
  int domTimeoutMs_ = 3000;
  bool busy_ = false;
  bool cancelPending_ = false;  // a cancelled main-frame navigation is winding up
};

}  // namespace platform

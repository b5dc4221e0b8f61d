// One Qt WebEngine view and its page, serving a browser control through
// the engine interface.
#pragma once

#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "platform/browser/browser_engine.h"

namespace platform::engine {

// The page: asks the control before every navigation, reports completed
// frames and opens new windows through it.
class BrowserPage : public QWebEnginePage {
 public:
  BrowserPage(ViewEvents* events, QWebEngineProfile* profile);

  // The empty page shown after a renderer crash is the control's own.
  bool blankPending = false;

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                int line, const QString& source) override;
  QWebEnginePage* createWindow(WebWindowType type) override;

 private:
  ViewEvents* events_;
};

class EngineView final : public View {
 public:
  EngineView(QWidget* parent, ViewEvents* events, QWebEngineProfile* profile);
  ~EngineView() override;

  QWidget* widget() const override { return view_; }
  QWebEngineView* view() const override { return view_; }
  QWebEnginePage* page() const override { return page_; }
  void load(const QUrl& url) override;
  void showBlank() override;
  std::string url() const override;
  std::string title() const override;
  void stop() override;
  void reload() override;
  void runScript(const QString& script) override;
  void evaluate(const QString& script, std::function<void(const QVariant&)> done) override;

 private:
  QPointer<QWebEngineView> view_;
  BrowserPage* page_;
};

}  // namespace platform::engine

// The browser control: lazy engine view, navigation events, frame
// completion through an injected script, synchronous document calls,
// new windows and renderer crashes.
#include "platform/browser/web_browser.h"

#include <memory>

#include <QAction>
#include <QDateTime>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>

#include "platform/browser/browser_profile.h"
#include "platform/browser/browser_registry.h"
#include "platform/browser/frame_report.h"

namespace platform {

namespace {
int gDeciding = 0;  // BeforeNavigate2 handlers running
int gWaiting = 0;   // document calls waiting for the page
constexpr int kPingMs = 50;

std::string S(const QString& s) { return s.toUtf8().toStdString(); }

// Counts a running section up and down, also when it throws.
struct Counting {
  explicit Counting(int& n) : n_(n) { ++n_; }
  ~Counting() { --n_; }
  int& n_;
};
}  // namespace

class BrowserPage : public QWebEnginePage {
 public:
  BrowserPage(WebBrowser* owner, QWebEngineProfile* profile, QObject* parent)
      : QWebEnginePage(profile, parent), owner_(owner) {
    RegisterBrowserPage(this);
  }
  ~BrowserPage() override { UnregisterBrowserPage(this); }

  bool blankPending = false;

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
    // The empty page shown after a renderer crash is the control's own.
    if (blankPending && isMainFrame && url == QUrl(QStringLiteral("about:blank"))) {
      blankPending = false;
      return true;
    }
    // Server redirects continue a navigation that was already decided.
    if (type == NavigationTypeRedirect) return true;
    const bool go = owner_->decide(S(url.toString()));
    if (!go && isMainFrame) owner_->cancelPending_ = true;
    return go;
  }

  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                const QString&) override {
    const QString marker = QString::fromLatin1(kFrameCompleteMarker);
    if (message.startsWith(marker)) owner_->frameComplete(S(message.mid(marker.size())));
    // Other console output of pages is not kept.
  }

  QWebEnginePage* createWindow(WebWindowType) override { return owner_->openWindow(); }

 private:
  WebBrowser* owner_;
};

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
}

WebBrowser::~WebBrowser() {
  // The page goes before the view that shows it.
  if (view_) view_->setPage(nullptr);
  delete page_;
  page_ = nullptr;
}

bool WebBrowser::decidingNavigation() { return gDeciding > 0; }

void WebBrowser::ensureView() {
  if (view_) return;
  QWebEngineProfile* profile = BrowserProfile::profile();
  view_ = new QWebEngineView(this);
  page_ = new BrowserPage(this, profile, nullptr);
  view_->setPage(page_);
  layout()->addWidget(view_);
  if (BrowserProfile::scriptDebuggerDisabled())
    page_->action(QWebEnginePage::InspectElement)->setVisible(false);

  connect(page_, &QWebEnginePage::urlChanged, this, [this](const QUrl& u) {
    if (NavigateComplete2) NavigateComplete2(*this, S(u.toString()));
  });
  connect(page_, &QWebEnginePage::loadStarted, this, [this] { busy_ = true; });
  connect(page_, &QWebEnginePage::loadProgress, this, [this](int p) {
    if (ProgressChange) ProgressChange(*this, p, 100);
  });
  connect(page_, &QWebEnginePage::loadFinished, this, [this](bool) {
    busy_ = false;
    // A cancelled navigation ends with a failed load of the page that stays:
    // no document was completed.
    if (cancelPending_) {
      cancelPending_ = false;
      return;
    }
    // The main frame's document is complete (also an error page's).
    if (DocumentComplete) DocumentComplete(*this, LocationURL());
  });
  connect(page_, &QWebEnginePage::titleChanged, this, [this](const QString& t) {
    if (TitleChange) TitleChange(*this, S(t));
  });
  connect(page_, &QWebEnginePage::linkHovered, this, [this](const QString& link) {
    if (StatusTextChange) StatusTextChange(*this, S(link));
  });
  connect(page_, &QWebEnginePage::renderProcessTerminated, this,
          [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
            if (status != QWebEnginePage::NormalTerminationStatus) rendererGone();
          });
}

bool WebBrowser::AcceptsAddress(const std::string& url, std::string* reason) {
  auto refuse = [&](const char* why) {
    if (reason != nullptr) *reason = why;
    return false;
  };
  // Read as written, never guessed: "/teacher/left.jsp" is a relative
  // address here, not a file of this machine.
  const QUrl u(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size())),
               QUrl::TolerantMode);
  if (!u.isValid()) return refuse("not a valid address");
  if (u.isRelative()) return refuse("not an absolute address");
  const QString scheme = u.scheme();  // QUrl keeps schemes in lower case
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
    if (u.host().isEmpty()) return refuse("the address names no host");
    return true;
  }
  if (scheme == QLatin1String("about") || scheme == QLatin1String("data")) return true;
  return refuse("only http, https, about and data addresses are opened");
}

void WebBrowser::Navigate(const std::string& url) {
  std::string reason;
  if (!AcceptsAddress(url, &reason)) {
    // Told as an event, like every other outcome of a navigation.
    QPointer<WebBrowser> self = this;
    QTimer::singleShot(0, this, [self, url, reason] {
      if (self && self->NavigateError) self->NavigateError(*self, url, reason);
    });
    return;
  }
  ensureView();
  const QUrl target(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size())),
                    QUrl::TolerantMode);
  // Loading from inside a navigation decision would re-enter the engine:
  // the load starts right after the decision instead.
  if (gDeciding > 0) {
    QPointer<BrowserPage> page = page_;
    QTimer::singleShot(0, this, [page, target] {
      if (page) page->load(target);
    });
    return;
  }
  page_->load(target);
}

std::string WebBrowser::LocationURL() const {
  return page_ ? S(page_->url().toString()) : std::string();
}

std::string WebBrowser::LocationName() const { return page_ ? S(page_->title()) : std::string(); }

void WebBrowser::Stop() {
  if (page_) page_->triggerAction(QWebEnginePage::Stop);
}

void WebBrowser::Refresh() {
  if (page_) page_->triggerAction(QWebEnginePage::Reload);
}

bool WebBrowser::decide(const std::string& url) {
  Counting deciding(gDeciding);
  bool cancel = false;
  if (BeforeNavigate2) BeforeNavigate2(*this, url, cancel);
  return !cancel;
}

void WebBrowser::frameComplete(const std::string& url) {
  if (DocumentComplete) DocumentComplete(*this, url);
}

void WebBrowser::rendererGone() {
  busy_ = false;
  // Show an empty page; the next Navigate starts a new renderer.
  QPointer<BrowserPage> page = page_;
  QTimer::singleShot(0, this, [page] {
    if (!page) return;
    page->blankPending = true;
    page->load(QUrl(QStringLiteral("about:blank")));
  });
}

QWebEnginePage* WebBrowser::openWindow() {
  auto* w = new WebBrowser(nullptr);
  w->setAttribute(Qt::WA_DeleteOnClose);
  w->resize(800, 600);
  w->ensureView();
  w->TitleChange = [](WebBrowser& b, const std::string& title) {
    b.setWindowTitle(QString::fromStdString(title));
  };
  w->show();
  return w->page_;
}

void WebBrowser::runAfterDecision(std::function<void()> fn) {
  // The page drops what it is asked until a cancelled navigation has been
  // wound up (its load ends), and takes one document call at a time: the
  // continuation waits for both, checking every kPingMs, at most the DOM
  // time limit (its own calls then time out cleanly).
  QPointer<WebBrowser> self(this);
  const qint64 deadline = QDateTime::currentMSecsSinceEpoch() + domTimeoutMs_;
  auto step = std::make_shared<std::function<void()>>();
  *step = [self, deadline, step, fn = std::move(fn)]() mutable {
    if (!self) {
      *step = nullptr;
      return;
    }
    const bool busy = self->cancelPending_ || gWaiting > 0 || gDeciding > 0;
    if (busy && QDateTime::currentMSecsSinceEpoch() < deadline) {
      QTimer::singleShot(kPingMs, self, *step);
      return;
    }
    std::function<void()> f = std::move(fn);
    *step = nullptr;  // ends the self-reference
    f();
  };
  QTimer::singleShot(0, this, *step);
}

void WebBrowser::runScript(const QString& script) {
  if (page_) page_->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

bool WebBrowser::ownsWindow(const QWidget* w) const { return w && (w == this || isAncestorOf(w)); }

HtmlDocument WebBrowser::Document() {
  HtmlDocument d;
  if (page_) d.browser_ = this;
  return d;
}

QVariant WebBrowser::evaluate(const QString& script) {
  // One wait at a time: a call from inside another call's wait (an event
  // handler run by the nested loop) gets no answer instead of stacking loops.
  if (!page_ || gWaiting > 0) return {};
  struct State {
    QVariant value;
    bool done = false;
    QEventLoop loop;
  };
  auto state = std::make_shared<State>();
  std::weak_ptr<State> weak = state;
  page_->runJavaScript(script, QWebEngineScript::ApplicationWorld, [weak](const QVariant& v) {
    if (auto s = weak.lock()) {
      s->value = v;
      s->done = true;
      s->loop.quit();
    }
  });
  if (!state->done) {
    Counting waiting(gWaiting);
    QTimer::singleShot(domTimeoutMs_, &state->loop, &QEventLoop::quit);
    state->loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  return state->done ? state->value : QVariant();
}

}  // namespace platform

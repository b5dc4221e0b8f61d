// The browser control: the engine view made at the first Navigate, the
// navigation events, synchronous document calls, new windows and renderer
// crashes. The engine answers through BrowserEvents.
#include "platform/browser/web_browser.h"

#include <memory>

#include <QDateTime>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/browser/browser_engine.h"
#include "platform/browser/browser_profile.h"
#include "platform/browser/browser_registry.h"
#include "platform/browser/engine_loader.h"

namespace platform {

namespace {
int gDeciding = 0;  // BeforeNavigate2 handlers running
int gWaiting = 0;   // document calls waiting for the page
constexpr int kPingMs = 50;

// Counts a running section up and down, also when it throws.
struct Counting {
  explicit Counting(int& n) : n_(n) { ++n_; }
  ~Counting() { --n_; }
  int& n_;
};
}  // namespace

// What the engine view of one control reports, turned into its events.
class BrowserEvents final : public engine::ViewEvents {
 public:
  explicit BrowserEvents(WebBrowser& b) : b_(b) {}

  bool decide(const std::string& url, bool mainFrame) override {
    Counting deciding(gDeciding);
    bool cancel = false;
    if (b_.BeforeNavigate2) b_.BeforeNavigate2(b_, url, cancel);
    if (cancel && mainFrame) b_.cancelPending_ = true;
    return !cancel;
  }
  void urlChanged(const std::string& url) override {
    if (b_.NavigateComplete2) b_.NavigateComplete2(b_, url);
  }
  void loadStarted() override { b_.busy_ = true; }
  void loadProgress(int percent) override {
    if (b_.ProgressChange) b_.ProgressChange(b_, percent, 100);
  }
  void loadFinished() override {
    b_.busy_ = false;
    // A cancelled navigation ends with a failed load of the page that stays:
    // no document was completed.
    if (b_.cancelPending_) {
      b_.cancelPending_ = false;
      return;
    }
    // The main frame's document is complete (also an error page's).
    if (b_.DocumentComplete) b_.DocumentComplete(b_, b_.LocationURL());
  }
  void frameComplete(const std::string& url) override {
    if (b_.DocumentComplete) b_.DocumentComplete(b_, url);
  }
  void titleChanged(const std::string& title) override {
    if (b_.TitleChange) b_.TitleChange(b_, title);
  }
  void linkHovered(const std::string& url) override {
    if (b_.StatusTextChange) b_.StatusTextChange(b_, url);
  }
  void rendererGone() override {
    b_.busy_ = false;
    // Show an empty page; the next Navigate starts a new renderer.
    QPointer<WebBrowser> self(&b_);
    QTimer::singleShot(0, &b_, [self] {
      if (self && self->engine_) self->engine_->showBlank();
    });
  }
  engine::View* openWindow() override {
    auto* w = new WebBrowser(nullptr);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->resize(800, 600);
    if (!w->ensureView()) {
      delete w;
      return nullptr;
    }
    w->TitleChange = [](WebBrowser& b, const std::string& title) {
      b.setWindowTitle(QString::fromStdString(title));
    };
    w->show();
    return w->engine_.get();
  }

 private:
  WebBrowser& b_;
};

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
}

WebBrowser::~WebBrowser() {
  if (!engine_) return;
  UnregisterBrowserPage(engine_->page());
  // The engine view takes its page and widget with it.
  engine_.reset();
  view_ = nullptr;
}

bool WebBrowser::decidingNavigation() { return gDeciding > 0; }

bool WebBrowser::ensureView(std::string* reason) {
  if (engine_) return true;
  std::string why;
  engine::Engine* e = engine::BrowserEngine(&why);
  if (e == nullptr || BrowserProfile::profile() == nullptr) {
    if (reason != nullptr) *reason = "the browser engine could not be loaded: " + why;
    return false;
  }
  events_ = std::make_unique<BrowserEvents>(*this);
  engine_.reset(e->createView(this, events_.get()));
  if (!engine_) {
    if (reason != nullptr) *reason = "the browser engine made no view";
    return false;
  }
  view_ = engine_->view();
  layout()->addWidget(engine_->widget());
  RegisterBrowserPage(engine_->page());
  if (BrowserProfile::scriptDebuggerDisabled()) e->showInspector(*engine_->page(), false);
  return true;
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
  // A refused address, or no engine to load it: told as an event, like
  // every other outcome of a navigation.
  if (!AcceptsAddress(url, &reason) || !ensureView(&reason)) {
    QPointer<WebBrowser> self = this;
    QTimer::singleShot(0, this, [self, url, reason] {
      if (self && self->NavigateError) self->NavigateError(*self, url, reason);
    });
    return;
  }
  const QUrl target(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size())),
                    QUrl::TolerantMode);
  // Loading from inside a navigation decision would re-enter the engine:
  // the load starts right after the decision instead (the timer belongs to
  // this control, so it goes with it).
  if (gDeciding > 0) {
    QTimer::singleShot(0, this, [this, target] { engine_->load(target); });
    return;
  }
  engine_->load(target);
}

std::string WebBrowser::LocationURL() const { return engine_ ? engine_->url() : std::string(); }

std::string WebBrowser::LocationName() const { return engine_ ? engine_->title() : std::string(); }

void WebBrowser::Stop() {
  if (engine_) engine_->stop();
}

void WebBrowser::Refresh() {
  if (engine_) engine_->reload();
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
  if (engine_) engine_->runScript(script);
}

bool WebBrowser::ownsWindow(const QWidget* w) const { return w && (w == this || isAncestorOf(w)); }

HtmlDocument WebBrowser::Document() {
  HtmlDocument d;
  if (engine_) d.browser_ = this;
  return d;
}

QVariant WebBrowser::evaluate(const QString& script) {
  // One wait at a time: a call from inside another call's wait (an event
  // handler run by the nested loop) gets no answer instead of stacking loops.
  if (!engine_ || gWaiting > 0) return {};
  struct State {
    QVariant value;
    bool done = false;
    QEventLoop loop;
  };
  auto state = std::make_shared<State>();
  std::weak_ptr<State> weak = state;
  engine_->evaluate(script, [weak](const QVariant& v) {
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

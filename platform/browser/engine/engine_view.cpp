// The engine view of a control: every signal of the page handed to the
// control's events, frame completion through the injected report script.
#include "platform/browser/engine/engine_view.h"

#include <QWebEngineScript>

#include "platform/browser/frame_report.h"

namespace platform::engine {

namespace {
std::string S(const QString& s) { return s.toUtf8().toStdString(); }
}  // namespace

BrowserPage::BrowserPage(ViewEvents* events, QWebEngineProfile* profile)
    : QWebEnginePage(profile, nullptr), events_(events) {}

bool BrowserPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  if (blankPending && isMainFrame && url == QUrl(QStringLiteral("about:blank"))) {
    blankPending = false;
    return true;
  }
  // Server redirects continue a navigation that was already decided.
  if (type == NavigationTypeRedirect) return true;
  return events_->decide(S(url.toString()), isMainFrame);
}

void BrowserPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message,
                                           int, const QString&) {
  const QString marker = QString::fromLatin1(kFrameCompleteMarker);
  if (message.startsWith(marker)) events_->frameComplete(S(message.mid(marker.size())));
  // Other console output of pages is not kept.
}

QWebEnginePage* BrowserPage::createWindow(WebWindowType) {
  View* shown = events_->openWindow();
  return shown != nullptr ? shown->page() : nullptr;
}

EngineView::EngineView(QWidget* parent, ViewEvents* events, QWebEngineProfile* profile)
    : view_(new QWebEngineView(parent)), page_(new BrowserPage(events, profile)) {
  view_->setPage(page_);
  // The page is the context of every connection: none outlives it.
  QObject::connect(page_, &QWebEnginePage::urlChanged, page_,
                   [events](const QUrl& u) { events->urlChanged(S(u.toString())); });
  QObject::connect(page_, &QWebEnginePage::loadStarted, page_, [events] { events->loadStarted(); });
  QObject::connect(page_, &QWebEnginePage::loadProgress, page_,
                   [events](int p) { events->loadProgress(p); });
  QObject::connect(page_, &QWebEnginePage::loadFinished, page_,
                   [events](bool) { events->loadFinished(); });
  QObject::connect(page_, &QWebEnginePage::titleChanged, page_,
                   [events](const QString& t) { events->titleChanged(S(t)); });
  QObject::connect(page_, &QWebEnginePage::linkHovered, page_,
                   [events](const QString& link) { events->linkHovered(S(link)); });
  QObject::connect(page_, &QWebEnginePage::renderProcessTerminated, page_,
                   [events](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                     if (status != QWebEnginePage::NormalTerminationStatus) events->rendererGone();
                   });
}

EngineView::~EngineView() {
  // The page goes before the view that shows it.
  if (view_) view_->setPage(nullptr);
  delete page_;
  delete view_.data();
}

void EngineView::load(const QUrl& url) { page_->load(url); }

void EngineView::showBlank() {
  page_->blankPending = true;
  page_->load(QUrl(QStringLiteral("about:blank")));
}

std::string EngineView::url() const { return S(page_->url().toString()); }
std::string EngineView::title() const { return S(page_->title()); }
void EngineView::stop() { page_->triggerAction(QWebEnginePage::Stop); }
void EngineView::reload() { page_->triggerAction(QWebEnginePage::Reload); }

void EngineView::runScript(const QString& script) {
  page_->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

void EngineView::evaluate(const QString& script, std::function<void(const QVariant&)> done) {
  page_->runJavaScript(script, QWebEngineScript::ApplicationWorld, done);
}

}  // namespace platform::engine

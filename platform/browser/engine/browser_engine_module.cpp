// The browser engine module: the one shared Qt WebEngine profile (stored
// pages and cookies, GBK for pages that declare no encoding, the frame
// report script, downloads, the check for a newer version of every page),
// its views, and the entry point the program looks up.
#include <type_traits>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

#include "platform/browser/browser_engine.h"
#include "platform/browser/engine/engine_view.h"
#include "platform/browser/frame_report.h"

namespace platform::engine {

namespace {

// Asks the server for a newer version of every page and resource it loads.
class CheckEveryVisit : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    const QString scheme = info.requestUrl().scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
      info.setHttpHeader("Cache-Control", "max-age=0");
  }
};

class WebEngine final : public Engine {
 public:
  explicit WebEngine(Host* host) : host_(host) {}

  QWebEngineProfile* makeProfile(const ProfileSetup& setup) override {
    if (profile_) return profile_;
    const QString root = QString::fromStdString(setup.storageRoot);
    // Lives as long as the application.
    auto* p = new QWebEngineProfile(QStringLiteral("kavro"), QCoreApplication::instance());
    p->setPersistentStoragePath(root + QStringLiteral("/storage"));
    p->setCachePath(root + QStringLiteral("/cache"));
    p->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    p->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    p->settings()->setDefaultTextEncoding(QStringLiteral("GBK"));
    QObject::connect(p, &QWebEngineProfile::downloadRequested, p,
                     [this](QWebEngineDownloadRequest* d) { download(d); });
    QWebEngineScript report;
    report.setName(QStringLiteral("kavro-frame-complete"));
    report.setInjectionPoint(QWebEngineScript::DocumentReady);
    report.setRunsOnSubFrames(true);
    report.setWorldId(QWebEngineScript::MainWorld);
    report.setSourceCode(QString::fromLatin1(kFrameCompleteScript));
    p->scripts()->insert(report);
    profile_ = p;
    setCheckEveryVisit(setup.checkEveryVisit);
    return p;
  }

  QWebEngineProfile* profile() override { return profile_; }

  void setCheckEveryVisit(bool on) override {
    if (!profile_) return;
    if (on && !interceptor_) interceptor_ = new CheckEveryVisit(profile_);
    profile_->setUrlRequestInterceptor(on ? interceptor_ : nullptr);
  }

  View* createView(QWidget* parent, ViewEvents* events) override {
    return profile_ ? new EngineView(parent, events, profile_) : nullptr;
  }

  void showInspector(QWebEnginePage& page, bool visible) override {
    page.action(QWebEnginePage::InspectElement)->setVisible(visible);
  }

  void clearVisitedLinks() override {
    if (profile_) profile_->clearAllVisitedLinks();
  }

  void clearHistory(QWebEnginePage& page) override { page.history()->clear(); }

 private:
  void download(QWebEngineDownloadRequest* d) {
    d->setDownloadDirectory(QString::fromStdString(host_->downloadFolder()));
    Host* host = host_;
    QObject::connect(d, &QWebEngineDownloadRequest::isFinishedChanged, d, [d, host] {
      if (!d->isFinished()) return;
      host->downloadFinished(
          QDir(d->downloadDirectory()).filePath(d->downloadFileName()).toStdString(),
          d->state() == QWebEngineDownloadRequest::DownloadCompleted);
    });
    d->accept();
  }

  Host* host_;
  QWebEngineProfile* profile_ = nullptr;
  CheckEveryVisit* interceptor_ = nullptr;
};

}  // namespace

}  // namespace platform::engine

// The one symbol the module exports.
extern "C" __attribute__((visibility("default"))) platform::engine::Engine* kavro_browser_engine(
    int interfaceVersion, platform::engine::Host* host) {
  if (interfaceVersion != platform::engine::kInterfaceVersion || host == nullptr) return nullptr;
  static platform::engine::WebEngine engine(host);
  return &engine;
}
static_assert(std::is_same_v<decltype(&kavro_browser_engine), platform::engine::EntryPoint>);

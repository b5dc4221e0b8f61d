// The shared browser profile.
#include "platform/browser/browser_profile.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

#include "platform/browser/browser_registry.h"
#include "platform/browser/frame_report.h"
#include "platform/browser_settings.h"
#include "platform/private_files.h"

namespace platform {

namespace {

std::string gStorageRoot;
std::string gSettingsPath;
std::string gDownloadFolder;
bool gCheckEveryVisit = false;
bool gNoDebugger = false;
std::function<void(const DownloadNotice&)> gNotice;
QWebEngineProfile* gProfile = nullptr;  // lives as long as the application

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

void ShowNotice(const DownloadNotice& n) {
  if (gNotice) {
    gNotice(n);
    return;
  }
  auto* box =
      new QMessageBox(QMessageBox::Information, QString(),
                      n.ok ? QString::fromUtf8("下载完成：") + QString::fromStdString(n.path)
                           : QString::fromUtf8("下载失败：") + QString::fromStdString(n.path));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->show();
}

void OnDownload(QWebEngineDownloadRequest* d) {
  QString dir = QString::fromStdString(gDownloadFolder);
  if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  if (dir.isEmpty()) dir = QDir::homePath();
  QDir().mkpath(dir);
  d->setDownloadDirectory(dir);
  QObject::connect(d, &QWebEngineDownloadRequest::isFinishedChanged, d, [d] {
    if (!d->isFinished()) return;
    ShowNotice({QDir(d->downloadDirectory()).filePath(d->downloadFileName()).toStdString(),
                d->state() == QWebEngineDownloadRequest::DownloadCompleted});
  });
  d->accept();
}

}  // namespace

void PrepareBrowserEngine() {
  static bool done = false;
  if (done) return;
  done = true;
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (!flags.contains("--process-per-site")) {
    if (!flags.isEmpty()) flags += ' ';
    flags += "--process-per-site";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
  }
}

void BrowserProfile::setStorageRoot(const std::string& path) { gStorageRoot = path; }
void BrowserProfile::setSettingsPath(const std::string& path) { gSettingsPath = path; }
void BrowserProfile::setDownloadFolder(const std::string& path) { gDownloadFolder = path; }
void BrowserProfile::setDownloadNotice(std::function<void(const DownloadNotice&)> notice) {
  gNotice = std::move(notice);
}

QWebEngineProfile* BrowserProfile::profile() {
  if (gProfile) return gProfile;
  PrepareBrowserEngine();
  QString root = QString::fromStdString(gStorageRoot);
  if (root.isEmpty())
    root = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/browser");
  // The stored pages and cookies are the user's alone; a folder that cannot
  // be made here is left to the browser engine, which reports its own faults.
  MakePrivateFolders(root.toStdString());
  auto* p = new QWebEngineProfile(QStringLiteral("kavro"), QCoreApplication::instance());
  p->setPersistentStoragePath(root + QStringLiteral("/storage"));
  p->setCachePath(root + QStringLiteral("/cache"));
  p->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
  p->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
  p->settings()->setDefaultTextEncoding(QStringLiteral("GBK"));
  QObject::connect(p, &QWebEngineProfile::downloadRequested, p, &OnDownload);
  QWebEngineScript report;
  report.setName(QStringLiteral("kavro-frame-complete"));
  report.setInjectionPoint(QWebEngineScript::DocumentReady);
  report.setRunsOnSubFrames(true);
  report.setWorldId(QWebEngineScript::MainWorld);
  report.setSourceCode(QString::fromLatin1(kFrameCompleteScript));
  p->scripts()->insert(report);
  gProfile = p;
  reloadSettings();
  return p;
}

void BrowserProfile::reloadSettings() {
  if (!gProfile) {
    profile();  // makes it, which reads the settings
    return;
  }
  const BrowserSettings settings(gSettingsPath.empty() ? BrowserSettings::defaultPath()
                                                       : gSettingsPath);
  gCheckEveryVisit = settings.checksEveryVisit();
  gNoDebugger = settings.scriptDebuggerDisabled();
  if (gNoDebugger) {
    // No inspector port, whatever the environment asks for.
    qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
  }
  static CheckEveryVisit* interceptor = nullptr;
  if (gCheckEveryVisit && !interceptor) interceptor = new CheckEveryVisit(gProfile);
  gProfile->setUrlRequestInterceptor(gCheckEveryVisit ? interceptor : nullptr);
  ForEachBrowserPage([](QWebEnginePage& page) {
    page.action(QWebEnginePage::InspectElement)->setVisible(!gNoDebugger);
  });
}

bool BrowserProfile::checksEveryVisit() { return gCheckEveryVisit; }
bool BrowserProfile::scriptDebuggerDisabled() { return gNoDebugger; }

void BrowserProfile::ClearHistory() {
  profile()->clearAllVisitedLinks();
  ForEachBrowserPage([](QWebEnginePage& page) { page.history()->clear(); });
}

}  // namespace platform

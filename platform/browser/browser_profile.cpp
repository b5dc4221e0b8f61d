// The shared browser profile's settings, kept here as plain values and
// handed to the browser engine when its profile is made. Nothing here loads
// the engine except a call that needs the profile itself.
#include "platform/browser/browser_profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

#include "platform/browser/browser_engine.h"
#include "platform/browser/browser_registry.h"
#include "platform/browser/engine_loader.h"
#include "platform/browser_settings.h"
#include "platform/private_files.h"

namespace platform {

namespace {

std::string gStorageRoot;
std::string gSettingsPath;
std::string gDownloadFolder;
bool gCheckEveryVisit = false;
bool gNoDebugger = false;
bool gProfileMade = false;
std::function<void(const DownloadNotice&)> gNotice;

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

// Reads the user's two browser settings into the values above.
void ReadSettings() {
  const BrowserSettings settings(gSettingsPath.empty() ? BrowserSettings::defaultPath()
                                                       : gSettingsPath);
  gCheckEveryVisit = settings.checksEveryVisit();
  gNoDebugger = settings.scriptDebuggerDisabled();
  if (gNoDebugger) {
    // No inspector port, whatever the environment asks for (read by the
    // engine when its profile is first made).
    qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
  }
}

// The engine once its profile is made; nullptr before, or when the engine
// could not be loaded.
engine::Engine* EngineWithProfile() {
  if (BrowserProfile::profile() == nullptr) return nullptr;
  return engine::BrowserEngine();
}

class ProfileHostImpl final : public engine::Host {
 public:
  std::string downloadFolder() override {
    QString dir = QString::fromStdString(gDownloadFolder);
    if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (dir.isEmpty()) dir = QDir::homePath();
    QDir().mkpath(dir);
    return dir.toStdString();
  }
  void downloadFinished(const std::string& path, bool ok) override { ShowNotice({path, ok}); }
};

}  // namespace

engine::Host& engine::ProfileHost() {
  static ProfileHostImpl host;
  return host;
}

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
  // The OpenGL context the engine shares is made when the engine is loaded
  // (see the loader), not here: made at the start it maps the drivers.
}

void BrowserProfile::setStorageRoot(const std::string& path) { gStorageRoot = path; }
void BrowserProfile::setSettingsPath(const std::string& path) { gSettingsPath = path; }
void BrowserProfile::setDownloadFolder(const std::string& path) { gDownloadFolder = path; }
void BrowserProfile::setDownloadNotice(std::function<void(const DownloadNotice&)> notice) {
  gNotice = std::move(notice);
}

QWebEngineProfile* BrowserProfile::profile() {
  engine::Engine* e = engine::BrowserEngine();
  if (e == nullptr) return nullptr;
  if (gProfileMade) return e->profile();
  gProfileMade = true;
  PrepareBrowserEngine();
  ReadSettings();
  QString root = QString::fromStdString(gStorageRoot);
  if (root.isEmpty())
    root = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/browser");
  // The stored pages and cookies are the user's alone; a folder that cannot
  // be made here is left to the browser engine, which reports its own faults.
  MakePrivateFolders(root.toStdString());
  engine::ProfileSetup setup;
  setup.storageRoot = root.toStdString();
  setup.checkEveryVisit = gCheckEveryVisit;
  return e->makeProfile(setup);
}

void BrowserProfile::reloadSettings() {
  ReadSettings();
  // Before the profile is made the values wait for it: reading them does
  // not load the engine.
  if (!gProfileMade) return;
  engine::Engine* e = EngineWithProfile();
  if (e == nullptr) return;
  e->setCheckEveryVisit(gCheckEveryVisit);
  ForEachBrowserPage([e](QWebEnginePage& page) { e->showInspector(page, !gNoDebugger); });
}

bool BrowserProfile::checksEveryVisit() { return gCheckEveryVisit; }
bool BrowserProfile::scriptDebuggerDisabled() { return gNoDebugger; }

void BrowserProfile::ClearHistory() {
  // The visited links are kept on disk: they are cleared even when no page
  // was shown in this run.
  engine::Engine* e = EngineWithProfile();
  if (e == nullptr) return;
  e->clearVisitedLinks();
  ForEachBrowserPage([e](QWebEnginePage& page) { e->clearHistory(page); });
}

}  // namespace platform

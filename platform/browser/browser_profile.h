// The one browser profile every view of the client shares: named and kept
// on disk (cookies, cache, visited links), pages of one server in one
// renderer process, GBK as the text encoding of pages that declare none,
// and the two browser settings of the user applied when it is made. The
// settings below are plain values of the program; only a call that needs
// the profile itself loads the browser engine.
#pragma once

#include <functional>
#include <string>

class QWebEngineProfile;

namespace platform {

// Sets what the browser engine reads once at its start (one renderer
// process per site). Touches only the process
// environment, never the engine. Call before the application object is
// made; the profile calls it too.
void PrepareBrowserEngine();

struct DownloadNotice {
  std::string path;  // where the file went
  bool ok = false;   // false: the download failed or was cancelled
};

class BrowserProfile {
 public:
  // The shared profile, made on first use (which loads the browser engine);
  // nullptr when the engine cannot be loaded.
  static QWebEngineProfile* profile();
  // Where the profile keeps its data (before the first use; tests point it
  // at a folder of their own). Default: the user's application data folder.
  static void setStorageRoot(const std::string& path);
  // Where the settings are read from when the profile is made (default: the
  // user's browser settings file).
  static void setSettingsPath(const std::string& path);
  // Where downloads are saved (default: the user's download folder).
  static void setDownloadFolder(const std::string& path);
  // Who hears of finished downloads (default: a notice window).
  static void setDownloadNotice(std::function<void(const DownloadNotice&)> notice);
  // Reads the browser settings again and applies them to the profile and
  // its open pages (after the login window wrote them). Before the profile
  // is made they are kept for it: this never loads the engine.
  static void reloadSettings();
  // Forgets visited links (also those stored by an earlier run, so this
  // loads the engine) and the history of every open page.
  static void ClearHistory();
  // Whether the profile adds a check for a newer version to every request,
  // and whether developer tools are off (as the settings said).
  static bool checksEveryVisit();
  static bool scriptDebuggerDisabled();
};

}  // namespace platform

// What passes between the browser control and the browser engine module.
//
// The control, the document calls and the profile's settings live in the
// program; everything that touches Qt WebEngine lives in a module that the
// program loads when the first browser needs it, so a program that shows
// no page never maps the engine's libraries. The module has one C entry
// point that hands out the engine; the two sides then speak only through
// the abstract classes below (virtual calls need no symbols of the other
// side).
#pragma once

#include <functional>
#include <string>

class QString;
class QUrl;
class QVariant;
class QWidget;
class QWebEngineView;
class QWebEnginePage;
class QWebEngineProfile;

namespace platform::engine {

// Raised whenever a class below changes, so that a module of another build
// refuses to serve instead of calling through a different table.
inline constexpr int kInterfaceVersion = 1;
// The name of the module's entry point, an EntryPoint.
inline constexpr char kEntryPointName[] = "kavro_browser_engine";

class View;

// What a view tells its control, in the order the engine reports it.
class ViewEvents {
 public:
  // A navigation of the main frame or a frame is about to start; false
  // cancels it.
  virtual bool decide(const std::string& url, bool mainFrame) = 0;
  virtual void urlChanged(const std::string& url) = 0;
  virtual void loadStarted() = 0;
  virtual void loadProgress(int percent) = 0;
  virtual void loadFinished() = 0;
  // A frame below the main frame has completed its document.
  virtual void frameComplete(const std::string& url) = 0;
  virtual void titleChanged(const std::string& title) = 0;
  virtual void linkHovered(const std::string& url) = 0;
  // The page's renderer process ended abnormally.
  virtual void rendererGone() = 0;
  // A page asks for a new window: the view that shows it, or nullptr to
  // refuse.
  virtual View* openWindow() = 0;

 protected:
  ~ViewEvents() = default;
};

// One engine view with its page, shown inside a control.
class View {
 public:
  virtual ~View() = default;
  virtual QWidget* widget() const = 0;
  virtual QWebEngineView* view() const = 0;
  virtual QWebEnginePage* page() const = 0;
  virtual void load(const QUrl& url) = 0;
  // The empty page shown after a renderer crash, loaded without asking
  // the control.
  virtual void showBlank() = 0;
  virtual std::string url() const = 0;
  virtual std::string title() const = 0;
  virtual void stop() = 0;
  virtual void reload() = 0;
  virtual void runScript(const QString& script) = 0;
  // Runs a script in the page's isolated world; done gets its result when
  // the page answers (never, if the page goes first).
  virtual void evaluate(const QString& script, std::function<void(const QVariant&)> done) = 0;
};

// What the engine asks of the program.
class Host {
 public:
  // The folder a download is saved in, decided when it starts.
  virtual std::string downloadFolder() = 0;
  virtual void downloadFinished(const std::string& path, bool ok) = 0;

 protected:
  ~Host() = default;
};

struct ProfileSetup {
  std::string storageRoot;  // cookies, cache and visited links go below it
  bool checkEveryVisit = false;
};

class Engine {
 public:
  // Makes the one shared profile (once; later calls return it as it is).
  virtual QWebEngineProfile* makeProfile(const ProfileSetup& setup) = 0;
  // nullptr until makeProfile.
  virtual QWebEngineProfile* profile() = 0;
  virtual void setCheckEveryVisit(bool on) = 0;
  // A view of the profile inside parent (nullptr before makeProfile).
  virtual View* createView(QWidget* parent, ViewEvents* events) = 0;
  virtual void showInspector(QWebEnginePage& page, bool visible) = 0;
  virtual void clearVisitedLinks() = 0;
  virtual void clearHistory(QWebEnginePage& page) = 0;

 protected:
  ~Engine() = default;
};

// The module's entry point: the engine, or nullptr when the module was
// built for another interface version. host outlives the engine.
using EntryPoint = Engine* (*)(int interfaceVersion, Host* host);

}  // namespace platform::engine

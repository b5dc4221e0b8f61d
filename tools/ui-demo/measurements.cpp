// Memory of the process tree, and the three-browser run.
#include "measurements.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <httplib.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/browser/browser_profile.h"
#include "platform/browser/web_browser.h"
#include "ui/form.h"
#include "ui/widget_host.h"

namespace demo {

namespace {
// Parent of every process, from /proc/<pid>/stat.
std::multimap<pid_t, pid_t> ChildrenByParent() {
  std::multimap<pid_t, pid_t> children;
  for (const QString& name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
    bool ok = false;
    const pid_t pid = name.toInt(&ok);
    if (!ok) continue;
    std::ifstream stat("/proc/" + name.toStdString() + "/stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // The command may hold blanks and parentheses: fields follow the last ')'.
    const auto close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 2));
    char state = 0;
    pid_t parent = 0;
    rest >> state >> parent;
    children.emplace(parent, pid);
  }
  return children;
}

long RssKib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
    status.ignore(4096, '\n');
  }
  return 0;
}
}  // namespace

long TreeRssKib(pid_t root) {
  const auto children = ChildrenByParent();
  long total = 0;
  std::vector<pid_t> todo{root};
  while (!todo.empty()) {
    const pid_t p = todo.back();
    todo.pop_back();
    total += RssKib(p);
    auto [b, e] = children.equal_range(p);
    for (auto it = b; it != e; ++it) todo.push_back(it->second);
  }
  return total;
}

int RunBrowserMeasurement() {
  httplib::Server server;
  server.Get(R"(/page(\d+)\.html)", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(
        "<html><head><title>Page " + req.matches[1].str() +
            "</title></head><body><p>教师控制台</p><input name='exportpath'></body></html>",
        "text/html; charset=utf-8");
  });
  const int port = server.bind_to_any_port("127.0.0.1");
  std::thread serving([&] { server.listen_after_bind(); });

  QTemporaryDir storage;
  platform::BrowserProfile::setStorageRoot(storage.path().toStdString());
  ui::Form form;
  form.setBounds(50, 50, 900, 700);
  form.setCaption("ui-demo: three browsers");
  std::vector<platform::WebBrowser*> browsers;
  for (int i = 0; i < 3; ++i) {
    auto* host = new ui::WidgetHost(&form);
    host->setParent(&form);
    host->setBounds(0, i * 220, 880, 220);
    auto* b = new platform::WebBrowser;
    host->setHostedWidget(b);
    browsers.push_back(b);
  }
  form.show();

  int completed = 0;
  qint64 firstMs = -1;
  QElapsedTimer clock;
  QEventLoop loop;
  for (auto* b : browsers)
    b->DocumentComplete = [&](platform::WebBrowser& sender, const std::string& url) {
      if (url != sender.LocationURL()) return;
      if (firstMs < 0) firstMs = clock.elapsed();
      if (++completed == 3) loop.quit();
    };
  const std::string base = "http://127.0.0.1:" + std::to_string(port) + "/page";
  clock.start();
  browsers[0]->Navigate(base + "1.html");
  // The other two once the engine is up, as the console loads its panes.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (firstMs < 0) return;
    poll.stop();
    browsers[1]->Navigate(base + "2.html");
    browsers[2]->Navigate(base + "3.html");
  });
  poll.start(5);
  QTimer::singleShot(60000, &loop, &QEventLoop::quit);
  loop.exec();
  const qint64 allMs = clock.elapsed();
  // Let the renderers settle before reading their memory.
  QEventLoop settle;
  QTimer::singleShot(1500, &settle, &QEventLoop::quit);
  settle.exec();
  const long rss = TreeRssKib(getpid());
  std::printf("first Navigate to DocumentComplete: %lld ms\n", static_cast<long long>(firstMs));
  std::printf("three pages complete after: %lld ms (%d of 3)\n", static_cast<long long>(allMs),
              completed);
  std::printf("resident memory of the process tree: %.1f MiB\n", rss / 1024.0);
  server.stop();
  serving.join();
  return completed == 3 ? 0 : 1;
}

}  // namespace demo

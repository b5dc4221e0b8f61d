// The browser control against pages served from the test on 127.0.0.1:
// navigation events and cancelling, frames, the document calls, the right
// click filter, and the faults a page or the engine can produce.
#include <signal.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <httplib.h>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "platform/browser/browser_profile.h"
#include "platform/browser/web_browser.h"
#include "platform/browser_settings.h"
#include "support/qt_wait.h"
#include "ui/application.h"

namespace {

using platform::WebBrowser;

const char kPageA[] =
    "<html><head><title>Page A</title></head><body style='margin:0'>"
    "<a id='l' href='/b.html' style='display:block;width:300px;height:60px'>to b</a>"
    "<a id='blank' href='/b.html' target='_blank'>new window</a>"
    "<script>document.addEventListener('mousedown',function(e){if(e.button==2)document.title='"
    "right';});"
    "document.addEventListener('contextmenu',function(){document.title='menu';});</script>"
    "</body></html>";
const char kPageB[] = "<html><head><title>Page B</title></head><body>b</body></html>";
const char kFrames[] =
    "<html><head><title>Frames</title></head><body><iframe "
    "src='/inner.html'></iframe></body></html>";
const char kInner[] = "<html><body>inner</body></html>";
const char kForm[] =
    "<html><head><title>Form</title></head><body>"
    "<input type='radio' name='r' value='1'><input type='radio' name='r' value='2' checked>"
    "<input type='text' name='exportpath' value=''><div id='plain'>x</div>"
    "<script>setInterval(function(){document.title='v:'+document.getElementsByName('exportpath')[0]"
    ".value;},20);"
    "throw new Error('a page whose script throws');</script></body></html>";

class TestServer {
 public:
  TestServer() {
    auto page = [this](const char* body) {
      return [this, body](const httplib::Request& req, httplib::Response& res) {
        record(req);
        res.set_content(body, "text/html; charset=utf-8");
      };
    };
    server_.Get("/a.html", page(kPageA));
    server_.Get("/b.html", page(kPageB));
    server_.Get("/frames.html", page(kFrames));
    server_.Get("/inner.html", page(kInner));
    server_.Get("/form.html", page(kForm));
    server_.Get("/report.csv", [](const httplib::Request&, httplib::Response& res) {
      res.set_header("Content-Disposition", "attachment; filename=\"report.csv\"");
      res.set_content("class,score\n1,90\n", "text/csv");
    });
    // Answers only after a long pause: a page that does not finish loading.
    server_.Get("/slow.html", [this](const httplib::Request& req, httplib::Response& res) {
      record(req);
      for (int i = 0; i < 40 && !stopping_; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
      res.set_content("<html><title>slow</title></html>", "text/html");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
  }
  ~TestServer() {
    stopping_ = true;
    server_.stop();
    thread_.join();
  }
  std::string url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  std::vector<std::string> cacheControls() {
    std::lock_guard<std::mutex> lock(mutex_);
    return cacheControls_;
  }

 private:
  void record(const httplib::Request& req) {
    std::lock_guard<std::mutex> lock(mutex_);
    cacheControls_.push_back(req.get_header_value("Cache-Control"));
  }
  httplib::Server server_;
  std::thread thread_;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::vector<std::string> cacheControls_;
};

class BrowserTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new QTemporaryDir;
    const std::string root = dir_->path().toStdString();
    // The user's settings as the login window writes them.
    platform::BrowserSettings settings(root + "/browser-settings.ini");
    settings.setDword(platform::BrowserSettings::kSyncMode5, 3);
    settings.setString(platform::BrowserSettings::kDisableScriptDebugger, "yes");
    platform::BrowserProfile::setStorageRoot(root + "/profile");
    platform::BrowserProfile::setSettingsPath(root + "/browser-settings.ini");
    platform::BrowserProfile::setDownloadFolder(root + "/downloads");
    server_ = new TestServer;
    // A view of the test server kept open for the whole suite: every view of
    // one site shares its renderer, so the tests' own views start warm.
    keeper_ = new WebBrowser;
    bool done = false;
    keeper_->DocumentComplete = [&](WebBrowser&, const std::string&) { done = true; };
    keeper_->Navigate(server_->url("/b.html"));
    (void)QTest::qWaitFor([&] { return done; }, 20000);
    keeper_->DocumentComplete = nullptr;
  }
  static void TearDownTestSuite() {
    delete keeper_;
    delete server_;
    delete dir_;
  }
  void SetUp() override {
    browser_ = std::make_unique<WebBrowser>();
    browser_->resize(400, 300);
    browser_->show();
  }
  void TearDown() override {
    ui::Application::instance().onMessage = nullptr;
    browser_.reset();
  }
  // Navigates and waits for the main document.
  bool load(const std::string& path) {
    bool done = false;
    browser_->DocumentComplete = [&](WebBrowser& b, const std::string& url) {
      if (url == b.LocationURL()) done = true;
    };
    browser_->Navigate(server_->url(path));
    const bool ok = QTest::qWaitFor([&] { return done; }, 15000);
    browser_->DocumentComplete = nullptr;
    return ok;
  }
  static std::string title(WebBrowser& b) { return b.LocationName(); }

  static QTemporaryDir* dir_;
  static TestServer* server_;
  static WebBrowser* keeper_;
  std::unique_ptr<WebBrowser> browser_;
};
WebBrowser* BrowserTest::keeper_ = nullptr;
QTemporaryDir* BrowserTest::dir_ = nullptr;
TestServer* BrowserTest::server_ = nullptr;

TEST_F(BrowserTest, ViewIsMadeAtTheFirstNavigateAndEventsComeInOrder) {
  EXPECT_EQ(browser_->view(), nullptr);
  std::vector<std::string> events;
  std::vector<int> progress;
  browser_->BeforeNavigate2 = [&](WebBrowser&, const std::string& url, bool&) {
    events.push_back("before " + url);
  };
  browser_->NavigateComplete2 = [&](WebBrowser&, const std::string&) {
    events.push_back("navigated");
  };
  browser_->TitleChange = [&](WebBrowser&, const std::string& t) {
    if (t == "Page A") events.push_back("title");
  };
  browser_->ProgressChange = [&](WebBrowser&, int p, int max) {
    EXPECT_EQ(max, 100);
    progress.push_back(p);
  };
  ASSERT_TRUE(load("/a.html"));
  ASSERT_NE(browser_->view(), nullptr);
  WAIT_TRUE(std::find(events.begin(), events.end(), "title") != events.end(), 5000);
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events[0], "before " + server_->url("/a.html"));
  EXPECT_EQ(events[1], "navigated");
  ASSERT_FALSE(progress.empty());
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
  EXPECT_EQ(progress.back(), 100);

  // The hovered link is the status text, and empty once the pointer leaves it.
  std::vector<std::string> status;
  browser_->StatusTextChange = [&](WebBrowser&, const std::string& s) { status.push_back(s); };
  QWindow* win = browser_->window()->windowHandle();
  QTest::mouseMove(win, browser_->mapTo(browser_->window(), QPoint(20, 20)));
  WAIT_TRUE(!status.empty() && status.back() == server_->url("/b.html"), 5000);
  QTest::mouseMove(win, browser_->mapTo(browser_->window(), QPoint(350, 250)));
  WAIT_TRUE(status.back().empty(), 5000);

  // The settings of the user reached the profile.
  EXPECT_TRUE(platform::BrowserProfile::checksEveryVisit());
  const auto cc = server_->cacheControls();
  ASSERT_FALSE(cc.empty());
  EXPECT_EQ(cc.back(), "max-age=0");
  EXPECT_TRUE(platform::BrowserProfile::scriptDebuggerDisabled());
  EXPECT_FALSE(browser_->view()->page()->action(QWebEnginePage::InspectElement)->isVisible());
}

TEST_F(BrowserTest, CancelKeepsThePageAndTheHandlerMayNavigateAnotherControl) {
  ASSERT_TRUE(load("/a.html"));
  WebBrowser other;
  other.show();
  bool otherDone = false;
  other.DocumentComplete = [&](WebBrowser&, const std::string&) { otherDone = true; };
  std::vector<std::string> seen;
  int completes = 0;
  browser_->DocumentComplete = [&](WebBrowser&, const std::string&) { ++completes; };
  browser_->BeforeNavigate2 = [&](WebBrowser&, const std::string& url, bool& cancel) {
    seen.push_back(url);
    cancel = true;
    other.Navigate(url);
  };
  browser_->runScript(QStringLiteral("document.getElementById('l').click()"));
  WAIT_TRUE(otherDone, 15000);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], server_->url("/b.html"));
  EXPECT_EQ(browser_->LocationURL(), server_->url("/a.html"));
  EXPECT_EQ(title(*browser_), "Page A");
  EXPECT_EQ(other.LocationURL(), server_->url("/b.html"));
  EXPECT_EQ(completes, 0);  // nothing completed in the control that cancelled
}

TEST_F(BrowserTest, FrameNavigationsAreDecidedAndReportTheirDocuments) {
  std::vector<std::string> before, complete;
  browser_->BeforeNavigate2 = [&](WebBrowser&, const std::string& url, bool&) {
    before.push_back(url);
  };
  bool mainDone = false;
  browser_->DocumentComplete = [&](WebBrowser& b, const std::string& url) {
    complete.push_back(url);
    if (url == b.LocationURL()) mainDone = true;
  };
  browser_->Navigate(server_->url("/frames.html"));
  WAIT_TRUE(mainDone, 15000);
  const std::string inner = server_->url("/inner.html");
  EXPECT_NE(std::find(before.begin(), before.end(), inner), before.end());
  WAIT_TRUE(std::find(complete.begin(), complete.end(), inner) != complete.end(), 5000);
}

TEST_F(BrowserTest, DocumentReadsInputsAndWritesAValueThePageSees) {
  ASSERT_TRUE(load("/form.html"));
  platform::ElementCollection all = browser_->Document().all();
  EXPECT_GE(all.length(), 8);  // html, head, title, body, 3 inputs, div, script
  auto r0 = all.item("r", 0), r1 = all.item("r", 1);
  ASSERT_TRUE(r0 && r1);
  EXPECT_TRUE(r0->isInputElement());
  EXPECT_FALSE(r0->checked());
  EXPECT_TRUE(r1->checked());
  EXPECT_EQ(r1->value(), "2");
  EXPECT_FALSE(all.item("r", 2));
  EXPECT_FALSE(all.item("nosuchname", 0));
  auto plain = all.item("plain");
  ASSERT_TRUE(plain);
  EXPECT_FALSE(plain->isInputElement());
  EXPECT_FALSE(plain->setValue("x"));

  auto path = all.item("exportpath", 0);
  ASSERT_TRUE(path);
  EXPECT_TRUE(path->setValue("/home/teacher/导出"));
  WAIT_EQ(QString::fromStdString(title(*browser_)), QString::fromUtf8("v:/home/teacher/导出"),
          5000);
  EXPECT_EQ(all.item("exportpath")->value(), "/home/teacher/导出");
}

TEST_F(BrowserTest, AHandlerThatCancelsContinuesWithTheDocumentRightAfter) {
  ASSERT_TRUE(load("/form.html"));
  std::string written;
  browser_->BeforeNavigate2 = [&](WebBrowser& b, const std::string& url, bool& cancel) {
    if (url.find("http://selectdialog/") == std::string::npos) return;
    cancel = true;
    b.runAfterDecision([&b, &written] {
      auto e = b.Document().all().item("exportpath", 0);
      if (e && e->isInputElement() && e->setValue("/tmp/chosen")) written = "/tmp/chosen";
    });
  };
  browser_->runScript(QStringLiteral("location.href='http://selectdialog/exportpath/'"));
  WAIT_EQ(written, std::string("/tmp/chosen"), 10000);
  WAIT_EQ(QString::fromStdString(title(*browser_)), QStringLiteral("v:/tmp/chosen"), 5000);
  EXPECT_EQ(browser_->LocationURL(), server_->url("/form.html"));
}

TEST_F(BrowserTest, RightClicksInsideTheViewAreSwallowedByTheFilter) {
  ASSERT_TRUE(load("/a.html"));
  WebBrowser* b = browser_.get();
  ui::Application::instance().onMessage = [b](ui::QueuedMessage& q, bool& handled) {
    if ((q.message.id == 0x0204 || q.message.id == 0x0206) && b->ownsWindow(q.window))
      handled = true;
  };
  QWindow* win = browser_->window()->windowHandle();
  const QPoint p = browser_->mapTo(browser_->window(), QPoint(200, 200));
  QTest::mouseClick(win, Qt::RightButton, {}, p);
  QTest::mouseDClick(win, Qt::RightButton, {}, p);
  QTest::qWait(300);
  EXPECT_EQ(title(*browser_), "Page A");
  // Without the filter the page does see the click: the check above can fail.
  ui::Application::instance().onMessage = nullptr;
  QTest::mouseClick(win, Qt::RightButton, {}, p);
  WAIT_TRUE(title(*browser_) == "right" || title(*browser_) == "menu", 5000);
}

TEST_F(BrowserTest, NewWindowsOpenInAPlainWindowAndHistoryClears) {
  ASSERT_TRUE(load("/a.html"));
  ASSERT_TRUE(load("/b.html"));
  EXPECT_GE(browser_->view()->page()->history()->count(), 2);
  platform::BrowserProfile::ClearHistory();
  EXPECT_LE(browser_->view()->page()->history()->count(), 1);

  ASSERT_TRUE(load("/a.html"));
  auto newWindow = [&]() -> WebBrowser* {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* b = dynamic_cast<WebBrowser*>(w);
      if (b && b != browser_.get() && b != keeper_ && b->isVisible()) return b;
    }
    return nullptr;
  };
  browser_->runScript(QStringLiteral("document.getElementById('blank').click()"));
  WAIT_TRUE(newWindow() && newWindow()->LocationURL() == server_->url("/b.html"), 15000);
  EXPECT_EQ(browser_->LocationURL(), server_->url("/a.html"));
  if (WebBrowser* w = newWindow()) {
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->view()->page()->profile(), browser_->view()->page()->profile());
    w->close();  // frees itself
  }
}

TEST_F(BrowserTest, DownloadsAreSavedWithANotice) {
  std::vector<platform::DownloadNotice> notices;
  platform::BrowserProfile::setDownloadNotice(
      [&](const platform::DownloadNotice& n) { notices.push_back(n); });
  ASSERT_TRUE(load("/a.html"));
  browser_->Navigate(server_->url("/report.csv"));
  WAIT_TRUE(!notices.empty(), 15000);
  platform::BrowserProfile::setDownloadNotice(nullptr);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_TRUE(notices[0].ok);
  EXPECT_EQ(notices[0].path, dir_->path().toStdString() + "/downloads/report.csv");
  QFile f(QString::fromStdString(notices[0].path));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("class,score\n1,90\n"));
  EXPECT_EQ(browser_->LocationURL(), server_->url("/a.html"));  // the page stays
}

// Only absolute http, https, about and data addresses are opened: a path
// of the server, or of this machine, is refused with an error event, and
// nothing is loaded from the disk.
TEST_F(BrowserTest, AddressesThatAreNotAbsoluteWebAddressesAreRefused) {
  ASSERT_TRUE(load("/a.html"));
  const QString secret = dir_->path() + QStringLiteral("/secret.html");
  {
    QFile f(secret);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html><head><title>Local file</title></head></html>");
  }
  const std::vector<std::string> refused = {"/teacher/left.jsp",
                                            "teacher/left.jsp",
                                            secret.toStdString(),
                                            "file://" + secret.toStdString(),
                                            server_->url("/a.html").substr(7),
                                            "javascript:document.title='x'",
                                            "ftp://127.0.0.1/",
                                            "http:///a.html",
                                            "",
                                            "c:\\kavro\\a.html"};
  std::vector<std::string> errors;
  int decided = 0;
  browser_->NavigateError = [&](WebBrowser&, const std::string& url, const std::string& reason) {
    EXPECT_FALSE(reason.empty());
    errors.push_back(url);
  };
  browser_->BeforeNavigate2 = [&](WebBrowser&, const std::string&, bool&) { ++decided; };
  bool titled = false;
  browser_->TitleChange = [&](WebBrowser&, const std::string& t) {
    if (t == "Local file") titled = true;
  };
  for (const std::string& url : refused) {
    EXPECT_FALSE(WebBrowser::AcceptsAddress(url)) << url;
    browser_->Navigate(url);
  }
  WAIT_EQ(errors.size(), refused.size(), 5000);
  EXPECT_EQ(errors, refused);
  QTest::qWait(300);
  EXPECT_FALSE(titled);
  EXPECT_EQ(decided, 0);
  EXPECT_EQ(browser_->LocationURL(), server_->url("/a.html"));

  for (const char* url :
       {"HTTP://127.0.0.1/x", "https://host/a", "about:blank", "data:text/html,<title>d</title>"}) {
    EXPECT_TRUE(WebBrowser::AcceptsAddress(url)) << url;
  }
  browser_->Navigate("data:text/html,<title>Data page</title>");
  WAIT_EQ(QString::fromStdString(title(*browser_)), QStringLiteral("Data page"), 10000);
  EXPECT_EQ(errors.size(), refused.size());
}

TEST_F(BrowserTest, FaultsOfPagesAndTheEngineNeverHang) {
  browser_->setDomTimeout(300);
  // A page that is still loading: the document call ends within its limit.
  browser_->Navigate(server_->url("/slow.html"));
  QElapsedTimer t;
  t.start();
  platform::ElementCollection all = browser_->Document().all();
  all.length();
  EXPECT_FALSE(all.item("anything"));
  EXPECT_LT(t.elapsed(), 5000);
  browser_->Stop();

  // An unreachable host completes with an error page.
  bool done = false;
  browser_->DocumentComplete = [&](WebBrowser&, const std::string&) { done = true; };
  browser_->Navigate("http://127.0.0.1:1/");
  WAIT_TRUE(done, 15000);

  // A renderer that dies leaves an empty page; the next Navigate works.
  ASSERT_TRUE(load("/a.html"));
  const qint64 pid = browser_->view()->page()->renderProcessPid();
  ASSERT_GT(pid, 0);
  ::kill(static_cast<pid_t>(pid), SIGKILL);
  WAIT_TRUE(browser_->LocationURL() == "about:blank", 15000);
  ASSERT_TRUE(load("/a.html"));
  WAIT_EQ(QString::fromStdString(title(*browser_)), QStringLiteral("Page A"), 5000);
}

}  // namespace

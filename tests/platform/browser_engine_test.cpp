// The browser engine as a module of its own: a program that links only the
// control maps no engine library until the first Navigate, finds the module
// beside itself, and goes on without pages when the module is missing or
// broken. Each test runs in a process of its own: the engine is loaded at
// most once per process.
#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <QTest>

#include "platform/browser/browser_engine.h"
#include "platform/browser/browser_profile.h"
#include "platform/browser/engine_loader.h"
#include "platform/browser/web_browser.h"
#include "platform/browser_settings.h"
#include "support/qt_wait.h"

namespace {

using platform::WebBrowser;

const std::string kBuiltModule = KAVRO_BINARY_DIR "/lib/kavro-teacher/kavro-browser-engine.so";

std::string Maps() {
  std::ifstream in("/proc/self/maps");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Mapped(const std::string& name) { return Maps().find(name) != std::string::npos; }

// A profile of the test's own, with the user's two settings written as the
// login window writes them.
class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string root = dir_.path().toStdString();
    platform::BrowserSettings settings(root + "/browser-settings.ini");
    settings.setDword(platform::BrowserSettings::kSyncMode5, 3);
    settings.setString(platform::BrowserSettings::kDisableScriptDebugger, "yes");
    platform::BrowserProfile::setStorageRoot(root + "/profile");
    platform::BrowserProfile::setSettingsPath(root + "/browser-settings.ini");
  }
  QTemporaryDir dir_;
};

TEST_F(EngineTest, TheEngineIsLoadedAtTheFirstNavigateOnly) {
  unsetenv("KAVRO_BROWSER_ENGINE");
  EXPECT_FALSE(Mapped("libQt6WebEngine"));
  WebBrowser browser;
  browser.resize(300, 200);
  browser.show();
  // Everything a window does before it shows a page leaves the engine alone.
  platform::BrowserProfile::reloadSettings();
  EXPECT_TRUE(platform::BrowserProfile::checksEveryVisit());
  EXPECT_TRUE(platform::BrowserProfile::scriptDebuggerDisabled());
  EXPECT_FALSE(browser.Document().valid());
  EXPECT_FALSE(browser.evaluate(QStringLiteral("1")).isValid());
  EXPECT_EQ(browser.LocationURL(), "");
  EXPECT_FALSE(browser.Busy());
  browser.Stop();
  browser.Refresh();
  QTest::qWait(200);
  EXPECT_EQ(browser.view(), nullptr);
  EXPECT_FALSE(Mapped("libQt6WebEngine"));
  EXPECT_FALSE(Mapped("kavro-browser-engine"));

  bool done = false;
  browser.DocumentComplete = [&](WebBrowser& b, const std::string& url) {
    if (url == b.LocationURL()) done = true;
  };
  browser.Navigate("data:text/html,<title>Loaded late</title><p id='p'>x</p>");
  WAIT_TRUE(done, 30000);
  ASSERT_NE(browser.view(), nullptr);
  WAIT_EQ(browser.LocationName(), std::string("Loaded late"), 5000);
  EXPECT_EQ(browser.evaluate(QStringLiteral("document.getElementById('p').textContent")),
            QVariant(QStringLiteral("x")));
  // The module of the build tree, found beside the program.
  EXPECT_TRUE(Mapped(kBuiltModule));
  EXPECT_TRUE(Mapped("libQt6WebEngineCore"));
  EXPECT_NE(platform::BrowserProfile::profile(), nullptr);
}

TEST_F(EngineTest, AMissingEngineLeavesTheBrowsersEmptyAndIsToldOnce) {
  const std::string missing = dir_.path().toStdString() + "/no-such-engine.so";
  setenv("KAVRO_BROWSER_ENGINE", missing.c_str(), 1);
  WebBrowser a, b;
  a.show();
  b.show();
  std::vector<std::string> errors;
  int decided = 0;
  for (WebBrowser* w : {&a, &b}) {
    w->NavigateError = [&](WebBrowser&, const std::string& url, const std::string& reason) {
      errors.push_back(url + " | " + reason);
    };
    w->BeforeNavigate2 = [&](WebBrowser&, const std::string&, bool&) { ++decided; };
  }
  testing::internal::CaptureStderr();
  a.Navigate("http://127.0.0.1:1/a");
  b.Navigate("http://127.0.0.1:1/b");
  a.Navigate("http://127.0.0.1:1/c");
  platform::BrowserProfile::ClearHistory();
  EXPECT_EQ(platform::BrowserProfile::profile(), nullptr);
  WAIT_EQ(errors.size(), 3u, 5000);
  const std::string told = testing::internal::GetCapturedStderr();

  ASSERT_EQ(errors.size(), 3u);
  EXPECT_EQ(errors[0].rfind("http://127.0.0.1:1/a | ", 0), 0u) << errors[0];
  EXPECT_EQ(errors[2].rfind("http://127.0.0.1:1/c | ", 0), 0u) << errors[2];
  for (const std::string& e : errors) EXPECT_NE(e.find(missing), std::string::npos) << e;
  EXPECT_EQ(decided, 0);
  EXPECT_EQ(a.view(), nullptr);
  EXPECT_FALSE(a.Document().valid());
  EXPECT_EQ(a.LocationURL(), "");
  // Told once on the standard error, naming the file looked for.
  const auto first = told.find("browser engine: ");
  ASSERT_NE(first, std::string::npos) << told;
  EXPECT_EQ(told.find("browser engine: ", first + 1), std::string::npos) << told;
  EXPECT_NE(told.find(missing, first), std::string::npos) << told;
  // A refused address keeps its own reason.
  std::string reason;
  a.NavigateError = [&](WebBrowser&, const std::string&, const std::string& r) { reason = r; };
  a.Navigate("/teacher/left.jsp");
  WAIT_TRUE(!reason.empty(), 5000);
  EXPECT_EQ(reason.find(missing), std::string::npos) << reason;
}

class NoHost final : public platform::engine::Host {
 public:
  std::string downloadFolder() override { return {}; }
  void downloadFinished(const std::string&, bool) override {}
};

TEST_F(EngineTest, BrokenModulesAreRefusedWithTheirReason) {
  const std::string notElf = dir_.path().toStdString() + "/text.so";
  std::ofstream(notElf) << "not a shared object\n";
  struct Case {
    std::string path;
    std::string said;  // part of the reason
  };
  const std::vector<Case> cases = {
      {notElf, notElf},
      {dir_.path().toStdString() + "/absent.so", "absent.so"},
      {KAVRO_BINARY_DIR "/lib/kavro-teacher-test/browser-module-without-entry.so",
       "kavro_browser_engine"},
      {KAVRO_BINARY_DIR "/lib/kavro-teacher-test/browser-module-of-another-build.so",
       "another build"},
  };
  NoHost host;
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(platform::engine::LoadModule(c.path, &host, &error), nullptr) << c.path;
    EXPECT_NE(error.find(c.said), std::string::npos) << c.path << ": " << error;
  }

  // The real module serves only the interface it was built for.
  void* handle = dlopen(kBuiltModule.c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(handle, nullptr) << dlerror();
  const auto entry = reinterpret_cast<platform::engine::EntryPoint>(
      dlsym(handle, platform::engine::kEntryPointName));
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry(platform::engine::kInterfaceVersion + 1, &host), nullptr);
  EXPECT_EQ(entry(platform::engine::kInterfaceVersion, nullptr), nullptr);
  std::string error;
  EXPECT_NE(platform::engine::LoadModule(kBuiltModule, &host, &error), nullptr) << error;
}

TEST(EngineModulePath, IsLookedForBesideTheProgram) {
  const std::string file = "/kavro-teacher/kavro-browser-engine.so";
  struct Case {
    const char* program;
    const char* libdir;
    const char* override;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      // The build tree, and an installed tree of another prefix.
      {"/work/build/bin/kavro-teacher", "lib", nullptr, {"/work/build/lib" + file}},
      // Debian's multiarch folder as GNUInstallDirs gives it for /usr.
      {"/usr/bin/kavro-teacher",
       "lib/x86_64-linux-gnu",
       nullptr,
       {"/usr/lib" + file, "/usr/lib/x86_64-linux-gnu" + file}},
      {"/opt/k/bin/kavro-teacher",
       "/usr/lib64",
       nullptr,
       {"/opt/k/lib" + file, "/usr/lib64" + file}},
      {"/opt/k/bin/kavro-teacher", "lib", "", {"/opt/k/lib" + file}},
      {"/opt/k/bin/kavro-teacher", "lib", "/tmp/engine.so", {"/tmp/engine.so"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(platform::engine::ModuleCandidates(c.program, c.libdir, c.override), c.expected)
        << c.program << " " << c.libdir;
}

}  // namespace

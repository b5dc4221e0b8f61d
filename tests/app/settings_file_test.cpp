// The teacher's settings file: first start, load order, round trips and
// write errors.
#include "app/core/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "classroom_server_process.h"

namespace app {
namespace {

// Records what loading hands to the login window, in order.
struct Recorder : SettingsLoadTarget {
  std::vector<std::string> calls;
  void selectSkin(int index) override { calls.push_back("skin " + std::to_string(index)); }
  void selectProxyMode(int index) override {
    calls.push_back("proxymode " + std::to_string(index));
  }
  void setProxyBoxes(const std::string& s, const std::string& p, const std::string& u,
                     const std::string& w) override {
    calls.push_back("proxy [" + s + "][" + p + "][" + u + "][" + w + "]");
  }
  void proxyModeChanged() override { calls.push_back("proxy mode changed"); }
  void setServerBoxes(const std::string& s, const std::string& p, const std::string& c) override {
    calls.push_back("server [" + s + "][" + p + "][" + c + "]");
  }
};

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(SettingsFileTest, LivesInTheWorkingDirectoryAtCreation) {
  testsupport::ScratchDir dir;
  char here[4096];
  ASSERT_NE(::getcwd(here, sizeof here), nullptr);
  ASSERT_EQ(::chdir(dir.path().c_str()), 0);
  SettingsFile file;
  ASSERT_EQ(::chdir(here), 0);
  char real[4096];
  ASSERT_NE(::realpath(dir.path().c_str(), real), nullptr);
  EXPECT_EQ(file.path(), std::string(real) + "/kavro.ini");
}

TEST(SettingsFileTest, FirstStartLoadsTheDefaultsInOrder) {
  testsupport::ScratchDir dir;
  SettingsFile file(dir.path() + "/kavro.ini");
  Recorder r;
  file.Load(r);
  EXPECT_EQ(r.calls, (std::vector<std::string>{"skin 0", "proxymode 0", "proxy [][][][]",
                                               "proxy mode changed", "server [][80][]"}));
}

TEST(SettingsFileTest, SaveWritesEveryKeyAndLoadStripsBlanks) {
  testsupport::ScratchDir dir;
  SettingsFile file(dir.path() + "/kavro.ini");
  file.Save({3, "  srv.lan  ", " 8080 ", " 7 ", 1, "px", "3128", "teacher", "p w"});
  EXPECT_EQ(readFile(file.path()),
            "[teacher]\nskin=3\nserver=  srv.lan  \nport=8080\nclassroom= 7 \nproxymode=1\n"
            "proxyserver=px\nproxyport=3128\nproxyuser=teacher\nproxypass=p w\n");
  Recorder r;
  file.Load(r);
  EXPECT_EQ(r.calls,
            (std::vector<std::string>{"skin 3", "proxymode 1", "proxy [px][3128][teacher][p w]",
                                      "proxy mode changed", "server [srv.lan][8080][7]"}));
  // Nothing selected in a selector is stored as -1 and read back as -1.
  file.Save({-1, "s", "80", "1", -1, "", "", "", ""});
  LoginSettings back = file.Read();
  EXPECT_EQ(back.skin, -1);
  EXPECT_EQ(back.proxyMode, -1);
}

TEST(SettingsFileTest, IndexesThatAreNotIntegersLoadAsZero) {
  testsupport::ScratchDir dir;
  const std::string path = dir.path() + "/kavro.ini";
  std::ofstream(path) << "[teacher]\nskin=blue\nproxymode=2x\n";
  SettingsFile file(path);
  EXPECT_EQ(file.Read().skin, 0);
  EXPECT_EQ(file.Read().proxyMode, 0);
  std::ofstream(path) << "[teacher]\nskin= 9 \nproxymode=-2\n";
  EXPECT_EQ(file.Read().skin, 9);  // handed to the selector unchanged
  EXPECT_EQ(file.Read().proxyMode, -2);
}

TEST(SettingsFileTest, SaveKeepsTheRestOfTheFile) {
  testsupport::ScratchDir dir;
  const std::string path = dir.path() + "/kavro.ini";
  std::ofstream(path, std::ios::binary)
      << "[window]\r\nleft=10\r\n[Teacher]\r\nSkin=2\r\nnote=mine";
  SettingsFile(path).Save({4, "s", "80", "7", 0, "", "", "", ""});
  const std::string text = readFile(path);
  EXPECT_EQ(
      text.rfind("[window]\r\nleft=10\r\n[Teacher]\r\nSkin=4\r\nnote=mine\r\nserver=s\r\n", 0), 0u)
      << text;
}

TEST(SettingsFileTest, AFailedWriteNamesTheFile) {
  testsupport::ScratchDir dir;
  const std::string path = dir.path() + "/missing/kavro.ini";
  SettingsFile file(path);
  try {
    file.Save({0, "s", "80", "7", 0, "", "", "", ""});
    FAIL() << "the save should fail";
  } catch (const SettingsWriteError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    EXPECT_EQ(e.path(), path);
    EXPECT_FALSE(e.reason().empty());
  }
  // A read-only file stops the save at its first key and stays as it was.
  const std::string ro = dir.path() + "/kavro.ini";
  std::ofstream(ro) << "[teacher]\nskin=1\n";
  ASSERT_EQ(::chmod(ro.c_str(), 0444), 0);
  EXPECT_THROW(SettingsFile(ro).Save({5, "s", "80", "7", 0, "", "", "", ""}), SettingsWriteError);
  EXPECT_EQ(readFile(ro), "[teacher]\nskin=1\n");
}

}  // namespace
}  // namespace app

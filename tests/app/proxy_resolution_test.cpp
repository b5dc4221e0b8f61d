// Turning the system's proxy list into a host and a port, and the proxy
// values each proxy mode gives the login state.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/core/proxy_resolution.h"

namespace app {
namespace {

struct ListRow {
  const char* list;
  const char* host;
  int port;
};

TEST(GetProxyServerTest, ParsesTheProxyList) {
  const ListRow rows[] = {
      {"http=proxy1:8080 https=proxy2:8443", "proxy1", 8080},
      {"https=proxy2:8443 http=proxy1:8080", "proxy1", 8080},
      {"proxy3:3128", "proxy3", 3128},
      {"ftp=p:21", "ftp=p", 21},
      {"http=p1:80;https=p2:443", "p1", 0},
      {"http=proxy1:8080", "proxy1", 8080},
      {"http=proxy1", "", 0},
      {"", "", 0},
      {"HTTP=proxy1:8080", "HTTP=proxy1", 8080},  // the key is matched case-sensitively
      {"http=proxy1:port", "proxy1", 0},
  };
  for (const ListRow& r : rows) {
    ProxyServerAddress a = ProxyServerFromList(r.list, "http");
    EXPECT_EQ(a.host, r.host) << r.list;
    EXPECT_EQ(a.port, r.port) << r.list;
  }
}

// Sets or clears the proxy variables for one test and puts them back after.
class ProxyEnvironment {
 public:
  ProxyEnvironment() {
    for (const char* n : kNames) {
      const char* v = std::getenv(n);
      saved_.emplace_back(n, v ? std::optional<std::string>(v) : std::nullopt);
      ::unsetenv(n);
    }
  }
  ~ProxyEnvironment() {
    for (const auto& [n, v] : saved_) {
      if (v)
        ::setenv(n.c_str(), v->c_str(), 1);
      else
        ::unsetenv(n.c_str());
    }
  }
  void set(const char* name, const char* value) { ::setenv(name, value, 1); }

 private:
  static constexpr const char* kNames[] = {"http_proxy",  "HTTP_PROXY", "https_proxy",
                                           "HTTPS_PROXY", "ftp_proxy",  "FTP_PROXY"};
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(GetProxyServerTest, ReadsTheSystemSetting) {
  ProxyEnvironment env;
  EXPECT_EQ(GetProxyInformation(), "");
  ProxyServerAddress direct = GetProxyServer("http");
  EXPECT_EQ(direct.host, "");
  EXPECT_EQ(direct.port, 0);

  env.set("HTTP_PROXY", "http://cache.school.lan:3128/");
  env.set("https_proxy", "http://secure.school.lan:8443");
  EXPECT_EQ(GetProxyInformation(), "http=cache.school.lan:3128 https=secure.school.lan:8443");
  ProxyServerAddress a = GetProxyServer("http");
  EXPECT_EQ(a.host, "cache.school.lan");
  EXPECT_EQ(a.port, 3128);
}

TEST(ApplyProxyChoiceTest, EachModeSetsTheFourValues) {
  ProxyEnvironment env;
  env.set("http_proxy", "sys:8000");
  const ProxyBoxes boxes{" px ", " 3128 ", " user ", " pw "};
  LoginState s;
  s.ProxyServer = "old";
  s.ProxyPort = 1;

  EXPECT_FALSE(ApplyProxyChoice(kProxyModeHttp, boxes, s, ProxyChoiceFor::Login));
  EXPECT_EQ(s.ProxyServer, "px");
  EXPECT_EQ(s.ProxyPort, 3128);
  EXPECT_EQ(s.ProxyUser, " user ");  // user and password as typed
  EXPECT_EQ(s.ProxyPassword, " pw ");

  LoginState kept = s;
  EXPECT_FALSE(ApplyProxyChoice(-1, boxes, s, ProxyChoiceFor::Login));  // nothing selected
  EXPECT_EQ(s.ProxyServer, kept.ProxyServer);
  EXPECT_FALSE(ApplyProxyChoice(kProxyModeSystem, boxes, s, ProxyChoiceFor::Test));
  EXPECT_EQ(s.ProxyServer, "px");  // the test does not read the system setting

  EXPECT_FALSE(ApplyProxyChoice(kProxyModeSystem, boxes, s, ProxyChoiceFor::Login));
  EXPECT_EQ(s.ProxyServer, "sys");
  EXPECT_EQ(s.ProxyPort, 8000);
  EXPECT_EQ(s.ProxyUser, "");

  EXPECT_FALSE(ApplyProxyChoice(kProxyModeNone, boxes, s, ProxyChoiceFor::Test));
  EXPECT_EQ(s.ProxyServer, "");
  EXPECT_EQ(s.ProxyPort, 0);
  EXPECT_EQ(s.ProxyPassword, "");
}

TEST(ApplyProxyChoiceTest, HttpModeNeedsAddressAndNumericPort) {
  struct Row {
    ProxyBoxes boxes;
    const char* text;
    UserMessage::Focus focus;
  };
  const Row rows[] = {
      {{"  ", "80", "", ""}, texts::kEnterProxyAddress, UserMessage::Focus::ProxyAddressBox},
      {{"px", " ", "", ""}, texts::kEnterProxyPort, UserMessage::Focus::ProxyPortBox},
      {{"px", "80a", "", ""}, texts::kProxyPortNotNumber, UserMessage::Focus::ProxyPortBox},
  };
  for (const Row& r : rows) {
    LoginState s;
    s.ProxyServer = "before";
    auto m = ApplyProxyChoice(kProxyModeHttp, r.boxes, s, ProxyChoiceFor::Login);
    ASSERT_TRUE(m) << r.text;
    EXPECT_EQ(m->kind, UserMessage::Kind::Warning);
    EXPECT_EQ(m->text, r.text);
    EXPECT_EQ(m->focus, r.focus);
    EXPECT_EQ(s.ProxyServer, "before");
  }
}

}  // namespace
}  // namespace app

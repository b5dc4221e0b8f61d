// The proxy list text built from the proxy variables.
#include "platform/system_proxy.h"

#include <gtest/gtest.h>

#include <map>

namespace platform {
namespace {

std::optional<SystemProxyInfo> query(std::map<std::string, std::string> vars) {
  return QuerySystemProxy([vars](const std::string& name) -> std::optional<std::string> {
    auto it = vars.find(name);
    if (it == vars.end()) return std::nullopt;
    return it->second;
  });
}

TEST(SystemProxyTest, BuildsTheProxyList) {
  struct Row {
    std::map<std::string, std::string> vars;
    std::uint32_t access;
    const char* list;
  };
  const Row rows[] = {
      {{}, kProxyAccessDirect, ""},
      {{{"http_proxy", "  "}}, kProxyAccessDirect, ""},
      {{{"http_proxy", "http://p:3128/"}}, kProxyAccessProxy, "http=p:3128"},
      {{{"HTTP_PROXY", "p:3128"}}, kProxyAccessProxy, "http=p:3128"},
      {{{"http_proxy", "lower:1"}, {"HTTP_PROXY", "upper:2"}}, kProxyAccessProxy, "http=lower:1"},
      {{{"http_proxy", "http://u:secret@p:8080"},
        {"https_proxy", "p:8080"},
        {"ftp_proxy", "p:8080"}},
       kProxyAccessProxy,
       "p:8080"},
      {{{"http_proxy", "a:1"}, {"https_proxy", "b:2"}, {"FTP_PROXY", "c:3"}},
       kProxyAccessProxy,
       "http=a:1 https=b:2 ftp=c:3"},
      {{{"https_proxy", "https://s"}}, kProxyAccessProxy, "https=s:443"},
      {{{"http_proxy", "http://p"}}, kProxyAccessProxy, "http=p:80"},
      {{{"http_proxy", "http://[::1]:3128"}}, kProxyAccessProxy, "http=[::1]:3128"},
      {{{"http_proxy", "http:///"}}, kProxyAccessDirect, ""},
  };
  for (const Row& r : rows) {
    auto info = query(r.vars);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->accessType, r.access) << r.list;
    EXPECT_EQ(info->proxyList, r.list);
  }
}

TEST(SystemProxyTest, ASettingTooLargeForTheBufferFails) {
  auto ok = query({{"http_proxy", std::string(3000, 'a') + ":1"}});
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->accessType, kProxyAccessProxy);
  EXPECT_FALSE(query({{"http_proxy", std::string(kProxyQueryBufferSize, 'a') + ":1"}}));
}

}  // namespace
}  // namespace platform

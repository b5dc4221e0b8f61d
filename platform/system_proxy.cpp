// System proxy query over the proxy variables of the environment.
#include "platform/system_proxy.h"

#include <cstdlib>
#include <utility>
#include <vector>

namespace platform {
namespace {

std::string lowerAscii(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

std::string trimmed(const std::string& s) {
  std::size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return {};
  std::size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

// Space the record takes besides the list text: the access type, two text
// addresses and the empty bypass list.
constexpr std::size_t kRecordOverhead = 4 + 4 + 2 * sizeof(void*) + 1;

}  // namespace

std::string ProxyHostPort(const std::string& variableValue) {
  std::string v = trimmed(variableValue);
  std::string defaultPort = "80";
  std::size_t scheme = v.find("://");
  if (scheme != std::string::npos) {
    if (lowerAscii(v.substr(0, scheme)) == "https") defaultPort = "443";
    v = v.substr(scheme + 3);
  }
  v = v.substr(0, v.find_first_of("/?#"));
  std::size_t at = v.rfind('@');
  if (at != std::string::npos) v = v.substr(at + 1);
  if (v.empty()) return {};
  std::string host = v;
  std::string port;
  if (v.front() == '[') {  // bracketed IPv6 address
    std::size_t close = v.find(']');
    if (close == std::string::npos) return {};
    host = v.substr(0, close + 1);
    if (close + 1 < v.size() && v[close + 1] == ':') port = v.substr(close + 2);
  } else if (std::size_t colon = v.rfind(':'); colon != std::string::npos) {
    host = v.substr(0, colon);
    port = v.substr(colon + 1);
  }
  if (host.empty() || host == "[]") return {};
  if (port.empty()) port = defaultPort;
  return host + ":" + port;
}

std::optional<SystemProxyInfo> QuerySystemProxy(const EnvironmentReader& env) {
  // Lower-case names first, as command-line tools read them.
  auto variable = [&](const std::string& lower) -> std::string {
    std::string upper = lower;
    for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    for (const std::string& name : {lower, upper}) {
      if (auto v = env(name); v && !trimmed(*v).empty()) return ProxyHostPort(*v);
    }
    return {};
  };
  std::vector<std::pair<std::string, std::string>> entries;
  for (const char* protocol : {"http", "https", "ftp"}) {
    std::string hostPort = variable(std::string(protocol) + "_proxy");
    if (!hostPort.empty()) entries.emplace_back(protocol, hostPort);
  }
  SystemProxyInfo info;
  if (entries.empty()) return info;
  bool oneForAll = entries.size() == 3 && entries[0].second == entries[1].second &&
                   entries[1].second == entries[2].second;
  if (oneForAll) {
    info.proxyList = entries[0].second;
  } else {
    for (const auto& [protocol, hostPort] : entries) {
      if (!info.proxyList.empty()) info.proxyList += ' ';
      info.proxyList += protocol + "=" + hostPort;
    }
  }
  if (info.proxyList.size() + 1 + kRecordOverhead > kProxyQueryBufferSize) return std::nullopt;
  info.accessType = kProxyAccessProxy;
  return info;
}

std::optional<SystemProxyInfo> QuerySystemProxy() {
  return QuerySystemProxy([](const std::string& name) -> std::optional<std::string> {
    const char* v = std::getenv(name.c_str());
    if (v == nullptr) return std::nullopt;
    return std::string(v);
  });
}

}  // namespace platform

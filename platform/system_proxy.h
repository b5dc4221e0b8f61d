// The system's proxy setting, read from the proxy variables of the
// environment (http_proxy, https_proxy, ftp_proxy and their upper-case
// forms) and given in the shape desktop clients expect: an access type and a
// proxy list text.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {

// Access types of the proxy record.
inline constexpr std::uint32_t kProxyAccessDirect = 1;  // no proxy configured
inline constexpr std::uint32_t kProxyAccessProxy = 3;   // a proxy list is configured

// Size of the record buffer the setting is queried into; a setting that does
// not fit makes the query fail.
inline constexpr std::size_t kProxyQueryBufferSize = 4096;

struct SystemProxyInfo {
  std::uint32_t accessType = kProxyAccessDirect;
  // "host:port" when one proxy serves every protocol, otherwise
  // "http=host:port https=host:port ftp=host:port" (only the protocols that
  // have one), separated by single blanks.
  std::string proxyList;
};

// Reads one environment variable; empty optional when it is not set.
using EnvironmentReader = std::function<std::optional<std::string>(const std::string& name)>;

// Queries the proxy setting from the process environment. Returns nothing
// when the query fails (a setting too large for kProxyQueryBufferSize).
std::optional<SystemProxyInfo> QuerySystemProxy();

// The same, with the variables read through `env` (tests give their own).
std::optional<SystemProxyInfo> QuerySystemProxy(const EnvironmentReader& env);

// "host:port" of one proxy variable's value such as "http://user:pw@host:3128/",
// or empty when the value names no host. A value without a port takes the
// default port of its scheme (80 for http or no scheme, 443 for https).
std::string ProxyHostPort(const std::string& variableValue);

}  // namespace platform

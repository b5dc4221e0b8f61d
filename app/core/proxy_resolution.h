// Proxy choices of the login window: the system's proxy setting turned into
// a host and a port, the proxy values the selected mode gives the login
// state, and the proxy test.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/core/http_client.h"
#include "app/core/login_state.h"
#include "app/core/user_message.h"

namespace app {

// Items of the proxy mode selector; -1 is "nothing selected".
inline constexpr int kProxyModeNone = 0;
inline constexpr int kProxyModeHttp = 1;
inline constexpr int kProxyModeSystem = 2;

struct ProxyServerAddress {
  std::string host;  // empty: no proxy
  std::int32_t port = 0;
};

// The system's proxy list text when a proxy is configured, else empty.
std::string GetProxyInformation();

// Host and port of the proxy for `protocol` ("http") from the system setting.
ProxyServerAddress GetProxyServer(const std::string& protocol);
// The same, from a given proxy list text.
ProxyServerAddress ProxyServerFromList(const std::string& proxyList, const std::string& protocol);

// The texts of the proxy boxes.
struct ProxyBoxes {
  std::string address;
  std::string port;
  std::string user;
  std::string password;
};

// Who asks: the login step reads the system setting for the browser mode,
// the proxy test keeps the values it has.
enum class ProxyChoiceFor { Login, Test };

// Sets the four proxy values of `state` for the selected mode. Returns the
// warning to show (and stops there) when the HTTP proxy mode lacks an
// address or a usable port; the state is then unchanged.
std::optional<UserMessage> ApplyProxyChoice(int mode, const ProxyBoxes& boxes, LoginState& state,
                                            ProxyChoiceFor purpose);

// The proxy values of the login state as client settings.
ProxySettings ProxySettingsOf(const LoginState& state);

// The login window's proxy test: checks the boxes, sets the proxy values of
// the login state, gives them to the login window's client and asks for the
// root page of port 8081 on the server. Returns the message to show. When
// an event handler destroys the client during the wait, `outcome` is left
// alone (it may belong to the destroyed window).
UserMessage RunProxyTest(const std::string& serverBoxText, int mode, const ProxyBoxes& boxes,
                         LoginState& state, HttpClient& loginClient, HttpResult* outcome = nullptr);

}  // namespace app

// Proxy resolution from the system setting and the proxy test.
#include "app/core/proxy_resolution.h"

#include "app/core/reply_text.h"
#include "app/core/server_protocol.h"
#include "platform/system_proxy.h"

namespace app {

std::string GetProxyInformation() {
  std::optional<platform::SystemProxyInfo> info = platform::QuerySystemProxy();
  if (!info || info->accessType != platform::kProxyAccessProxy) return {};
  return info->proxyList;
}

ProxyServerAddress ProxyServerFromList(const std::string& proxyList, const std::string& protocol) {
  ProxyServerAddress result;
  if (proxyList.empty()) return result;
  std::string rest = proxyList;
  const std::string key = protocol + "=";
  if (std::size_t at = rest.find(key); at != std::string::npos) rest = rest.substr(at + key.size());
  if (std::size_t colon = rest.find(':'); colon != std::string::npos) {
    result.host = rest.substr(0, colon);
    rest = rest.substr(colon + 1);
  }
  result.port = ParseInteger(rest.substr(0, rest.find(' '))).value_or(0);
  return result;
}

ProxyServerAddress GetProxyServer(const std::string& protocol) {
  return ProxyServerFromList(GetProxyInformation(), protocol);
}

std::optional<UserMessage> ApplyProxyChoice(int mode, const ProxyBoxes& boxes, LoginState& state,
                                            ProxyChoiceFor purpose) {
  using Kind = UserMessage::Kind;
  using Focus = UserMessage::Focus;
  switch (mode) {
    case kProxyModeNone:
      state.ProxyServer.clear();
      state.ProxyPort = 0;
      state.ProxyUser.clear();
      state.ProxyPassword.clear();
      return std::nullopt;
    case kProxyModeHttp: {
      std::string address = TrimBlanks(boxes.address);
      std::string port = TrimBlanks(boxes.port);
      if (address.empty())
        return UserMessage{Kind::Warning, texts::kEnterProxyAddress, Focus::ProxyAddressBox};
      if (port.empty()) {
        return UserMessage{Kind::Warning, texts::kEnterProxyPort, Focus::ProxyPortBox};
      }
      std::optional<std::int32_t> number = ParseInteger(port);
      if (!number) {
        return UserMessage{Kind::Warning, texts::kProxyPortNotNumber, Focus::ProxyPortBox};
      }
      state.ProxyServer = address;
      state.ProxyPort = *number;
      state.ProxyUser = boxes.user;
      state.ProxyPassword = boxes.password;
      return std::nullopt;
    }
    case kProxyModeSystem:
      if (purpose == ProxyChoiceFor::Login) {
        ProxyServerAddress system = GetProxyServer("http");
        state.ProxyServer = system.host;
        state.ProxyPort = system.port;
        state.ProxyUser.clear();
        state.ProxyPassword.clear();
      }
      return std::nullopt;
    default:  // nothing selected: the values stay as they are
      return std::nullopt;
  }
}

ProxySettings ProxySettingsOf(const LoginState& state) {
  return ProxySettings{state.ProxyServer, state.ProxyPort, state.ProxyUser, state.ProxyPassword};
}

UserMessage RunProxyTest(const std::string& serverBoxText, int mode, const ProxyBoxes& boxes,
                         LoginState& state, HttpClient& loginClient, HttpResult* outcome) {
  if (TrimBlanks(serverBoxText).empty()) {
    return UserMessage{UserMessage::Kind::Warning, texts::kEnterServer,
                       UserMessage::Focus::ServerBox};
  }
  if (auto stop = ApplyProxyChoice(mode, boxes, state, ProxyChoiceFor::Test)) return *stop;
  loginClient.setProxy(ProxySettingsOf(state));
  const auto alive = loginClient.lifetime();
  HttpResult r = loginClient.Get(ProxyTestUrl(serverBoxText));
  // The login window went away while the test waited: `outcome` may have
  // gone with it.
  if (alive.expired()) return UserMessage{UserMessage::Kind::Error, texts::kProxyTestFailed};
  bool ok = r.ok();
  if (outcome != nullptr) *outcome = std::move(r);
  if (!ok) return UserMessage{UserMessage::Kind::Error, texts::kProxyTestFailed};
  return UserMessage{UserMessage::Kind::Information, texts::kProxyTestSucceeded};
}

}  // namespace app

// Login, class entry and logout requests.
#include "app/core/login_request.h"

#include "app/core/reply_text.h"
#include "app/core/server_protocol.h"

namespace app {

LoginOutcome SubmitLogin(const LoginInput& input, LoginState& state, HttpClient& consoleClient,
                         HttpClient& loginClient, const SettingsFile& settings) {
  using Kind = UserMessage::Kind;
  using Focus = UserMessage::Focus;
  LoginOutcome out;
  if (TrimBlanks(input.server).empty()) {
    out.message = {Kind::Warning, texts::kEnterServer, Focus::ServerBox};
    return out;
  }
  const std::string classroom = TrimBlanks(input.classroom);
  if (classroom.empty()) {
    out.message = {Kind::Warning, texts::kEnterClassroom, Focus::ClassroomBox};
    return out;
  }
  if (auto stop = ApplyProxyChoice(input.proxyMode, input.proxy, state, ProxyChoiceFor::Login)) {
    out.message = *stop;
    return out;
  }
  const ProxySettings proxy = ProxySettingsOf(state);
  consoleClient.setProxy(proxy);
  // The teacher chose this proxy for the login as well.
  loginClient.setProxy(proxy);
  state.ContextPath = kDefaultContextPath;
  state.BaseUrl = MakeBaseUrl(input.server, TrimBlanks(input.port));

  // The wait dispatches window events; one of them may close the login
  // window or end the console, taking the state and the clients with them.
  const auto loginAlive = loginClient.lifetime();
  const auto consoleAlive = consoleClient.lifetime();
  out.request = loginClient.Get(LoginUrl(state, classroom, input.password));
  if (loginAlive.expired() || consoleAlive.expired()) {
    out.step = LoginOutcome::Step::Abandoned;
    return out;
  }
  if (!out.request.ok()) {
    out.step = LoginOutcome::Step::Failed;
    out.message = {Kind::Error, texts::kLoginFailed};
    return out;
  }
  const ServerReply reply = ReadLoginReply(out.request.body);
  switch (reply.kind) {
    case ServerReply::Kind::Configure:
      out.step = LoginOutcome::Step::Configure;
      out.pageUrl = DatabaseConfigUrl(state);
      return out;
    case ServerReply::Kind::Message:
      out.step = LoginOutcome::Step::Refused;
      out.message = {Kind::Information, DisplayTextOfReply(reply.body)};
      return out;
    case ServerReply::Kind::Number:
      break;
  }
  state.ClassroomId = reply.number;
  state.ClassroomCode = classroom;
  try {
    settings.Save(LoginSettings{input.skin, input.server, input.port, input.classroom,
                                input.proxyMode, input.proxy.address, input.proxy.port,
                                input.proxy.user, input.proxy.password});
  } catch (const SettingsWriteError& e) {
    // The login stands; the teacher sees the reply, as after any failure here.
    out.step = LoginOutcome::Step::SaveFailed;
    out.message = {Kind::Information, DisplayTextOfReply(reply.body)};
    out.saveError = std::string(e.what()) + ": " + e.reason();
    return out;
  }
  out.step = LoginOutcome::Step::Accepted;
  out.pageUrl = CourseListUrl(state);
  return out;
}

ClassEntryOutcome SendClassEntry(const LoginState& state, HttpClient& consoleClient) {
  ClassEntryOutcome out;
  const auto alive = consoleClient.lifetime();
  out.request = consoleClient.Get(ClassEntryUrl(state));
  if (alive.expired()) {  // the console (and its state) is gone
    out.step = ClassEntryOutcome::Step::Abandoned;
    return out;
  }
  if (!out.request.ok()) {
    out.message = {UserMessage::Kind::Error, texts::kClassEntryFailed};
    return out;
  }
  const ServerReply reply = ReadClassEntryReply(out.request.body);
  if (reply.kind == ServerReply::Kind::Number) {
    out.step = ClassEntryOutcome::Step::Accepted;
    return out;
  }
  out.step = ClassEntryOutcome::Step::Refused;
  out.message = {UserMessage::Kind::Information, DisplayTextOfReply(reply.body)};
  return out;
}

HttpResult Logout(const LoginState& state) {
  HttpClient client;
  // The reply and every failure are ignored: the client is ending anyway.
  return client.Get(LogoutUrl(state));
}

}  // namespace app

// Every address the client asks the classroom server for, formed from the
// login state by plain concatenation (no escaping, decimal numbers with a
// minus sign when negative), and how the short text replies are read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/login_state.h"

namespace app {

// Port of the server's proxy-test page.
inline constexpr int kProxyTestPort = 8081;

// Requests whose reply is a text.
std::string LoginUrl(const LoginState& s, std::string_view classroomNumber,
                     std::string_view entryPassword);
std::string ClassEntryUrl(const LoginState& s);
std::string LogoutUrl(const LoginState& s);
std::string ProxyTestUrl(std::string_view serverBoxText);

// Pages loaded into the browser panes.
std::string CourseListUrl(const LoginState& s);
std::string DatabaseConfigUrl(const LoginState& s);
std::string FunctionListUrl(const LoginState& s);
std::string TeacherStartUrl(const LoginState& s);
std::string CompanyOnlineUrl(const LoginState& s);

// "http://" + server + ":" + port + "/", the server exactly as typed.
std::string MakeBaseUrl(std::string_view server, std::string_view port);

// What a reply to the login or class-entry request means.
struct ServerReply {
  enum class Kind {
    Number,     // the whole body is a 32-bit integer
    Configure,  // the body is exactly "configds": the classroom has no database yet
    Message,    // anything else: the server's own message
  };
  Kind kind = Kind::Message;
  std::int32_t number = 0;  // for Number
  std::string body;         // the reply bytes as received
};

ServerReply ReadLoginReply(std::string_view body);
// The class-entry reply knows no configuration case: "configds" is a message there.
ServerReply ReadClassEntryReply(std::string_view body);

}  // namespace app

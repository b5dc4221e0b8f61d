// The server requests of the login and course windows, apart from what the
// windows draw: checking the boxes, setting the login state, sending the
// request, reading the reply and saving the settings after an accepted
// login. The windows show the message and open the next window.
#pragma once

#include <string>

#include "app/core/http_client.h"
#include "app/core/login_state.h"
#include "app/core/proxy_resolution.h"
#include "app/core/settings_file.h"
#include "app/core/user_message.h"

namespace app {

// The login window's boxes and selectors (-1: nothing selected).
struct LoginInput {
  std::string server;     // as typed
  std::string port;       // as typed
  std::string classroom;  // as typed
  std::string password;   // entry password as typed; never stored
  int skin = 0;
  int proxyMode = kProxyModeNone;
  ProxyBoxes proxy;
};

struct LoginOutcome {
  enum class Step {
    Stopped,     // a box check failed; show the message, move the focus
    Failed,      // the request failed: "连接到服务器失败"
    Configure,   // "configds": open the course window on `pageUrl`, entry button hidden
    Refused,     // the server's message, shown as information; nothing saved
    SaveFailed,  // accepted, but the settings could not be written; the reply is shown
    Accepted,    // ClassroomId set and settings saved; open the course window on `pageUrl`
    Abandoned,   // an event handler destroyed a client while the request waited:
                 // nothing was read or written after it; nothing to show
  };
  Step step = Step::Stopped;
  UserMessage message;    // for Stopped, Failed, Refused, SaveFailed
  std::string pageUrl;    // for Configure and Accepted
  HttpResult request;     // what the request gave, for logs and tests
  std::string saveError;  // for SaveFailed: "Unable to write to <path>" and the reason
};

// The login step. The proxy values the mode gives are set in the login
// state and copied to the console's client; the login request itself goes
// out through the login window's own client with the same proxy values.
LoginOutcome SubmitLogin(const LoginInput& input, LoginState& state, HttpClient& consoleClient,
                         HttpClient& loginClient, const SettingsFile& settings);

struct ClassEntryOutcome {
  enum class Step {
    Failed,     // the request failed: "连接到服务器失败.!"
    Refused,    // the server's message, shown as information
    Accepted,   // the class was entered: load the three teacher pages
    Abandoned,  // the console's client was destroyed while the request waited
  };
  Step step = Step::Failed;
  UserMessage message;
  HttpResult request;
};

// Sends the class-entry request for the class chosen in the login state
// through the console's client.
ClassEntryOutcome SendClassEntry(const LoginState& state, HttpClient& consoleClient);

// Logs out through a new client with default settings, made for this
// request only. Every failure is ignored; the result is only for logs.
HttpResult Logout(const LoginState& state);

}  // namespace app

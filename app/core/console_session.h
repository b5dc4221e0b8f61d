// What the console holds for every window of the client: the login state
// and the HTTP client of the class-entry request. The console owns exactly
// one of these for the life of the process; the other windows reach it
// through the console.
#pragma once

#include "app/core/http_client.h"
#include "app/core/login_state.h"

namespace app {

class ConsoleSession {
 public:
  ConsoleSession() = default;
  ConsoleSession(const ConsoleSession&) = delete;
  ConsoleSession& operator=(const ConsoleSession&) = delete;

  LoginState& state() { return state_; }
  const LoginState& state() const { return state_; }
  HttpClient& client() { return client_; }

  // Back to the values the console starts with (its creation step).
  void reset() { state_ = LoginState{}; }

 private:
  LoginState state_;
  HttpClient client_;
};

}  // namespace app

// Fuzzes what the client reads from outside: server replies (integer rule,
// the configuration keyword, decoding for display), request addresses and
// the system proxy list.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/core/http_client.h"
#include "app/core/proxy_resolution.h"
#include "app/core/reply_text.h"
#include "app/core/server_protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  app::ServerReply login = app::ReadLoginReply(bytes);
  app::ServerReply entry = app::ReadClassEntryReply(bytes);
  if (login.body != bytes || entry.body != bytes) __builtin_trap();
  if (login.kind == app::ServerReply::Kind::Number &&
      (entry.kind != login.kind || entry.number != login.number)) {
    __builtin_trap();
  }
  std::string shown = app::DisplayTextOfReply(bytes);
  if (!app::IsValidUtf8(shown)) __builtin_trap();  // always displayable
  app::RequestAddress address;
  app::HttpFailure failure = app::HttpFailure::None;
  std::string reason;
  if (app::ParseRequestAddress(bytes, address, failure, reason)) {
    if (address.target.empty() || address.target.front() != '/') __builtin_trap();
    if (address.port < 1 || address.port > 65535) __builtin_trap();
  } else if (reason.empty()) {
    __builtin_trap();
  }
  app::ProxyServerFromList(bytes, "http");
  return 0;
}

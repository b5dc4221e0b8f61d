// The client's HTTP requests to the classroom server: GET over HTTP/1.1 on
// libcurl, one object per client with its own proxy settings, cookie store
// and connections. The request target goes out byte for byte as the address
// was built; redirects are not followed; the caller's thread blocks but
// pending window events are dispatched every 250 ms through an event pump
// the window framework installs; a handler may destroy the client.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace app {

inline constexpr const char* kHttpUserAgent = "Mozilla/3.0 (compatible; Indy Library)";
inline constexpr const char* kHttpAccept = "text/html, */*";

// Proxy settings of one client. An empty host means a direct connection.
// User and password are kept for the login window but never sent: a proxy
// that demands authentication makes the request fail.
struct ProxySettings {
  std::string host;
  std::int32_t port = 0;
  std::string user;
  std::string password;
};

// Limits that keep a request from hanging or eating memory.
struct HttpLimits {
  std::chrono::milliseconds connect{15000};  // to open the connection
  std::chrono::milliseconds stall{30000};    // longest wait for the next byte
  std::size_t maxBody = 16u << 20;           // largest reply body accepted
};

// How often a waiting request lets the window framework dispatch events.
inline constexpr std::chrono::milliseconds kEventPumpInterval{250};

enum class HttpFailure {
  None,
  BadAddress,      // not an http:// address, or a port that is not a number
  Resolve,         // the host (or the proxy host) cannot be resolved
  Connect,         // refused or unreachable
  ConnectTimeout,  // no connection within the connect limit
  Stalled,         // no byte arrived within the stall limit
  TooLarge,        // the body is larger than the body limit
  Broken,          // the connection broke before the reply was complete
  Status,          // a status outside 2xx (other than a redirect or 407)
  Redirect,        // a 3xx reply, or a 2xx reply carrying "Location"
  ProxyAuth,       // the proxy answered 407
  Busy,            // the client is already waiting for a reply
  Abandoned,       // an event handler destroyed the client while it waited
  Other,
};

struct HttpResult {
  HttpFailure failure = HttpFailure::None;
  long status = 0;     // the reply's status code when one arrived
  std::string body;    // the reply body, byte for byte (empty on failure)
  std::string reason;  // why it failed, for logs and tests
  bool ok() const { return failure == HttpFailure::None; }
};

class HttpClient {
 public:
  // Called while a request waits; dispatches pending window events.
  using EventPump = std::function<void()>;

  HttpClient();
  ~HttpClient();
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  void setProxy(const ProxySettings& proxy) { proxy_ = proxy; }
  const ProxySettings& proxy() const { return proxy_; }

  void setLimits(const HttpLimits& limits) { limits_ = limits; }
  const HttpLimits& limits() const { return limits_; }

  // The pump every client uses unless it has its own; the window framework
  // installs it once at start-up.
  static void setDefaultEventPump(EventPump pump);
  void setEventPump(EventPump pump) { pump_ = std::move(pump); }

  // Sends a GET for `url` ("http://host[:port]/path?query") and waits for
  // the whole reply. Never throws for network or server faults: the result
  // says what went wrong. An exception thrown by the event pump ends the
  // request and passes on to the caller; the client stays usable. An
  // event handler may destroy the client (or its owner): the call then
  // returns `Abandoned` at once and touches nothing of the client; a caller
  // that holds more of the owner checks `lifetime()` before it goes on.
  HttpResult Get(const std::string& url);

  // Expires when the client is destroyed; tells code that ran the event
  // loop through a request whether the client (and its owner) still exist.
  std::weak_ptr<const void> lifetime() const { return alive_; }

  // State of one request while it runs (used by the transfer callbacks).
  struct Transfer;

 private:
  HttpResult perform(Transfer& t);

  ProxySettings proxy_;
  HttpLimits limits_;
  EventPump pump_;
  void* easy_ = nullptr;   // CURL*: keeps the cookie store of this client
  void* multi_ = nullptr;  // CURLM*: keeps this client's connections
  bool busy_ = false;
  std::shared_ptr<const void> alive_ = std::make_shared<int>(0);
};

// The parts of a request address as the client sends them.
struct RequestAddress {
  std::string host;  // as written, brackets kept for IPv6
  int port = 80;
  std::string target;  // path and query, byte for byte, at least "/"
};

// Splits an address after turning every backslash into "/". Fills `reason`
// and returns false for an address the client cannot send.
bool ParseRequestAddress(const std::string& url, RequestAddress& out, HttpFailure& failure,
                         std::string& reason);

// The target as a valid address path for the HTTP library, which matches
// cookies against it: every byte that may not stand in an address
// (controls, space, non-ASCII, quotes, "#", a "%" that starts no escape,
// ...) becomes a %XX escape; all other bytes stay as they are.
std::string EscapedTarget(const std::string& target);

}  // namespace app

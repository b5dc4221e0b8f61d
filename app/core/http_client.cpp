// libcurl behind the client's HTTP requests.
#include "app/core/http_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace app {
namespace {

using Clock = std::chrono::steady_clock;

HttpClient::EventPump& defaultPump() {
  static HttpClient::EventPump pump;
  return pump;
}

void initCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool validHostByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c >= 0x80;
}

bool validHost(const std::string& host) {
  if (host.empty()) return false;
  if (host.front() == '[') {
    if (host.size() < 3 || host.back() != ']') return false;
    return std::all_of(host.begin() + 1, host.end() - 1, [](char c) {
      return std::isxdigit(static_cast<unsigned char>(c)) || c == ':' || c == '.';
    });
  }
  return std::all_of(host.begin(), host.end(),
                     [](char c) { return validHostByte(static_cast<unsigned char>(c)); });
}

bool startsWithNoCase(const std::string& s, const char* prefix) {
  for (std::size_t i = 0; prefix[i] != '\0'; ++i) {
    if (i >= s.size() || std::tolower(static_cast<unsigned char>(s[i])) != prefix[i]) return false;
  }
  return true;
}

}  // namespace

bool ParseRequestAddress(const std::string& url, RequestAddress& out, HttpFailure& failure,
                         std::string& reason) {
  // A backslash is sent as "/": no byte of a UTF-8 character is a backslash,
  // so every one of them is a separator meant as a slash.
  std::string u = url;
  std::replace(u.begin(), u.end(), '\\', '/');
  if (!startsWithNoCase(u, "http://")) {
    failure = HttpFailure::BadAddress;
    reason = "not an http:// address: \"" + url + "\"";
    return false;
  }
  std::string rest = u.substr(7);
  std::size_t end = rest.find_first_of("/?");
  std::string authority = rest.substr(0, end);
  out.target = end == std::string::npos ? "/" : rest.substr(end);
  if (out.target.front() == '?') out.target.insert(0, "/");

  std::string host = authority;
  std::string port;
  std::size_t colon = authority.rfind(':');
  std::size_t bracket = authority.rfind(']');
  if (colon != std::string::npos && (bracket == std::string::npos || colon > bracket)) {
    host = authority.substr(0, colon);
    port = authority.substr(colon + 1);
  }
  out.port = 80;
  if (!port.empty()) {
    if (port.size() > 5 ||
        !std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      failure = HttpFailure::BadAddress;
      reason = "port \"" + port + "\" is not a number";
      return false;
    }
    out.port = std::stoi(port);
    if (out.port < 1 || out.port > 65535) {
      failure = HttpFailure::BadAddress;
      reason = "port " + port + " is out of range";
      return false;
    }
  }
  if (!validHost(host)) {
    failure = HttpFailure::Resolve;
    reason = host.empty() ? "the address names no host" : "cannot resolve host \"" + host + "\"";
    return false;
  }
  out.host = host;
  return true;
}

std::string EscapedTarget(const std::string& target) {
  static const char* const kHex = "0123456789ABCDEF";
  auto isHex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
  std::string out;
  out.reserve(target.size());
  for (std::size_t i = 0; i < target.size(); ++i) {
    const auto c = static_cast<unsigned char>(target[i]);
    bool keep = c > 0x20 && c < 0x7f && std::strchr("\"#<>\\^`{|}", c) == nullptr;
    if (c == '%') keep = i + 2 < target.size() && isHex(target[i + 1]) && isHex(target[i + 2]);
    if (keep) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

void HttpClient::setDefaultEventPump(EventPump pump) { defaultPump() = std::move(pump); }

HttpClient::HttpClient() {
  initCurlOnce();
  easy_ = curl_easy_init();
  multi_ = curl_multi_init();
  if (easy_ != nullptr) {
    // An empty cookie file turns on the in-memory cookie store of this handle.
    curl_easy_setopt(static_cast<CURL*>(easy_), CURLOPT_COOKIEFILE, "");
  }
}

HttpClient::~HttpClient() {
  // Destroyed by an event handler while a request waits: the handle leaves
  // the multi handle here, since the waiting call no longer touches either.
  if (busy_ && easy_ != nullptr && multi_ != nullptr) {
    curl_multi_remove_handle(static_cast<CURLM*>(multi_), static_cast<CURL*>(easy_));
  }
  if (easy_ != nullptr) curl_easy_cleanup(static_cast<CURL*>(easy_));
  if (multi_ != nullptr) curl_multi_cleanup(static_cast<CURLM*>(multi_));
}

struct HttpClient::Transfer {
  RequestAddress address;
  std::size_t maxBody = 0;
  std::string body;
  bool sawLocation = false;
  bool tooLarge = false;
  Clock::time_point lastByte;
  std::weak_ptr<const void> alive;  // expires when the client is destroyed
  char error[CURL_ERROR_SIZE] = {};
};

namespace {

size_t onBody(char* data, size_t size, size_t count, void* user) {
  auto* t = static_cast<HttpClient::Transfer*>(user);
  std::size_t n = size * count;
  t->lastByte = Clock::now();
  if (t->body.size() + n > t->maxBody) {
    t->tooLarge = true;
    return 0;  // stops the transfer with a write error
  }
  t->body.append(data, n);
  return n;
}

size_t onHeader(char* data, size_t size, size_t count, void* user) {
  auto* t = static_cast<HttpClient::Transfer*>(user);
  std::size_t n = size * count;
  t->lastByte = Clock::now();
  std::string line(data, n);
  if (startsWithNoCase(line, "http/")) {
    t->sawLocation = false;  // a new reply starts (after an interim one)
  } else if (startsWithNoCase(line, "location:")) {
    t->sawLocation = true;
  } else if (startsWithNoCase(line, "content-length:")) {
    std::string v = line.substr(15);
    unsigned long long length = std::strtoull(v.c_str(), nullptr, 10);
    if (length > t->maxBody) {
      t->tooLarge = true;
      return 0;
    }
  }
  return n;
}

}  // namespace

HttpResult HttpClient::Get(const std::string& url) {
  HttpResult result;
  if (busy_) {
    result.failure = HttpFailure::Busy;
    result.reason = "the client is already waiting for a reply";
    return result;
  }
  if (easy_ == nullptr || multi_ == nullptr) {
    result.failure = HttpFailure::Other;
    result.reason = "the HTTP library could not be started";
    return result;
  }
  Transfer t;
  if (!ParseRequestAddress(url, t.address, result.failure, result.reason)) return result;
  t.maxBody = limits_.maxBody;
  t.alive = alive_;
  struct Busy {
    bool& flag;
    const Transfer& t;
    Busy(bool& f, const Transfer& transfer) : flag(f), t(transfer) { flag = true; }
    ~Busy() {
      if (!t.alive.expired()) flag = false;
    }
  } busy(busy_, t);
  return perform(t);
}

HttpResult HttpClient::perform(Transfer& t) {
  HttpResult result;
  CURL* easy = static_cast<CURL*>(easy_);
  CURLM* multi = static_cast<CURLM*>(multi_);
  const RequestAddress& a = t.address;
  const bool viaProxy = !proxy_.host.empty();
  if (viaProxy && (proxy_.port < 1 || proxy_.port > 65535)) {
    result.failure = HttpFailure::Connect;
    result.reason = "proxy port " + std::to_string(proxy_.port) + " is not valid";
    return result;
  }

  const std::string hostPort = a.host + (a.port == 80 ? "" : ":" + std::to_string(a.port));
  // The library connects to, and matches cookies against, an escaped copy of
  // the address; the request line carries the target as it was built.
  const std::string libraryUrl =
      "http://" + a.host + ":" + std::to_string(a.port) + EscapedTarget(a.target);
  // Through a proxy the target is the absolute address, otherwise path and query.
  const std::string target = viaProxy ? "http://" + hostPort + a.target : a.target;

  curl_easy_setopt(easy, CURLOPT_URL, libraryUrl.c_str());
  curl_easy_setopt(easy, CURLOPT_PATH_AS_IS, 1L);
  curl_easy_setopt(easy, CURLOPT_REQUEST_TARGET, target.c_str());
  curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(easy, CURLOPT_USERAGENT, kHttpUserAgent);
  curl_slist* headers = nullptr;
  headers = curl_slist_append(headers, (std::string("Accept: ") + kHttpAccept).c_str());
  headers = curl_slist_append(headers, "Proxy-Connection:");
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits_.connect.count()));
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http");
  // Only the settings of this client decide the proxy, never the environment.
  curl_easy_setopt(easy, CURLOPT_NOPROXY, "");
  if (viaProxy) {
    curl_easy_setopt(easy, CURLOPT_PROXY, proxy_.host.c_str());
    curl_easy_setopt(easy, CURLOPT_PROXYPORT, static_cast<long>(proxy_.port));
    curl_easy_setopt(easy, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
  } else {
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
  }
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, onBody);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &t);
  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, onHeader);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, &t);
  curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, t.error);

  // Whatever way the wait ends (an event handler may throw), the handle
  // leaves the multi handle and the header list is freed.
  struct Detach {
    CURLM* multi;
    CURL* easy;
    curl_slist* headers;
    const Transfer& t;
    ~Detach() {
      curl_slist_free_all(headers);
      if (t.alive.expired()) return;  // the client's destructor freed the handles
      curl_multi_remove_handle(multi, easy);
      curl_easy_setopt(easy, CURLOPT_HTTPHEADER, nullptr);
      curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, nullptr);
    }
  };
  const Clock::time_point start = Clock::now();
  t.lastByte = start;
  Clock::time_point lastPump = start;
  bool stalled = false;
  bool lost = false;
  CURLcode code = CURLE_OK;
  bool finished = false;
  {
    curl_multi_add_handle(multi, easy);
    Detach detach{multi, easy, headers, t};
    while (!finished) {
      int running = 0;
      if (curl_multi_perform(multi, &running) != CURLM_OK) {
        lost = true;
        break;
      }
      int left = 0;
      while (CURLMsg* msg = curl_multi_info_read(multi, &left)) {
        if (msg->msg == CURLMSG_DONE && msg->easy_handle == easy) {
          code = msg->data.result;
          finished = true;
        }
      }
      if (finished) break;
      if (running == 0) {  // ended without a result: should not happen
        lost = true;
        break;
      }
      Clock::time_point now = Clock::now();
      if (now - t.lastByte >= limits_.stall) {
        stalled = true;
        break;
      }
      auto untilPump = kEventPumpInterval - (now - lastPump);
      auto waitMs = std::chrono::duration_cast<std::chrono::milliseconds>(untilPump).count();
      curl_multi_poll(multi, nullptr, 0, static_cast<int>(std::clamp<long long>(waitMs, 1, 250)),
                      nullptr);
      now = Clock::now();
      if (now - lastPump >= kEventPumpInterval) {
        lastPump = now;
        // A copy: the handler may replace the pump while it runs.
        EventPump pump = pump_ ? pump_ : defaultPump();
        if (pump) pump();
        if (t.alive.expired()) {
          // An event handler destroyed this client: nothing of it may be used.
          result.failure = HttpFailure::Abandoned;
          result.reason = "the client was destroyed while the request waited";
          return result;
        }
      }
    }
  }

  long status = 0;
  curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
  result.status = status;
  auto fail = [&](HttpFailure f, std::string why) {
    result.failure = f;
    result.reason = std::move(why);
    result.body.clear();
    return result;
  };
  const std::string detail = t.error[0] != '\0' ? t.error : curl_easy_strerror(code);
  if (lost) return fail(HttpFailure::Other, "the HTTP library lost the transfer");
  if (stalled) {
    return fail(HttpFailure::Stalled,
                "no data for " + std::to_string(limits_.stall.count()) + " ms");
  }
  if (t.tooLarge) {
    return fail(HttpFailure::TooLarge,
                "reply body larger than " + std::to_string(limits_.maxBody) + " bytes");
  }
  switch (code) {
    case CURLE_OK:
      break;
    case CURLE_COULDNT_RESOLVE_HOST:
      return fail(HttpFailure::Resolve, "cannot resolve host: " + detail);
    case CURLE_COULDNT_RESOLVE_PROXY:
      return fail(HttpFailure::Resolve, "cannot resolve proxy: " + detail);
    case CURLE_COULDNT_CONNECT:
      return fail(HttpFailure::Connect, "cannot connect: " + detail);
    case CURLE_OPERATION_TIMEDOUT:
      return fail(HttpFailure::ConnectTimeout, "connect timed out: " + detail);
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
      return fail(HttpFailure::Broken, "connection broken: " + detail);
    default:
      return fail(HttpFailure::Other, detail);
  }
  if (status == 407) return fail(HttpFailure::ProxyAuth, "the proxy demands authentication (407)");
  if (status >= 300 && status < 400) {
    return fail(HttpFailure::Redirect, "redirect (" + std::to_string(status) + ") not followed");
  }
  if (status < 200 || status >= 300) {
    return fail(HttpFailure::Status, "server answered " + std::to_string(status));
  }
  if (t.sawLocation) {
    return fail(HttpFailure::Redirect, "reply " + std::to_string(status) + " carries a Location");
  }
  result.body = std::move(t.body);
  return result;
}

}  // namespace app

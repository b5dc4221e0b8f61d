// The request log of the classroom server: one JSON object per line for
// every request, with the request target and the headers exactly as they
// arrived, so tests can check what a client sent.
#pragma once

#include <cstdio>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace classroom {

// Escapes bytes for a JSON string. Bytes that are not part of valid UTF-8
// are written as \u00XX; the exact bytes are in the "_hex" fields.
std::string JsonEscape(const std::string& bytes);
std::string HexOf(const std::string& bytes);

struct LoggedRequest {
  int localPort = 0;
  std::string remote;
  std::string method;
  std::string target;   // raw request target
  std::string version;  // "HTTP/1.1"
  std::vector<std::pair<std::string, std::string>> headers;
};

class RequestLog {
 public:
  // An empty path logs nothing; "-" logs to standard error.
  explicit RequestLog(const std::string& path);
  ~RequestLog();
  RequestLog(const RequestLog&) = delete;
  RequestLog& operator=(const RequestLog&) = delete;

  bool ok() const { return ok_; }
  void write(const LoggedRequest& r);

 private:
  std::mutex mutex_;
  std::FILE* file_ = nullptr;
  bool own_ = false;
  bool ok_ = true;
};

}  // namespace classroom

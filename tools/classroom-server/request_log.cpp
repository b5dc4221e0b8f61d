// JSON lines of the request log.
#include "request_log.h"

#include <chrono>

namespace classroom {
namespace {

// Length of the UTF-8 sequence starting at s[i], or 0 when it is not valid.
std::size_t utf8Length(const std::string& s, std::size_t i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  std::size_t len = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 0;
  if (len == 0 || c > 0xF4 || i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  }
  return len;
}

}  // namespace

std::string HexOf(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

std::string JsonEscape(const std::string& bytes) {
  std::string out;
  char buf[8];
  for (std::size_t i = 0; i < bytes.size();) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x80) {
      std::size_t len = utf8Length(bytes, i);
      if (len > 0) {
        out.append(bytes, i, len);
        i += len;
      } else {
        std::snprintf(buf, sizeof buf, "\\u%04x", c);
        out += buf;
        ++i;
      }
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7f) {
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
    ++i;
  }
  return out;
}

RequestLog::RequestLog(const std::string& path) {
  if (path.empty()) return;
  if (path == "-") {
    file_ = stderr;
    return;
  }
  file_ = std::fopen(path.c_str(), "a");
  own_ = true;
  ok_ = file_ != nullptr;
}

RequestLog::~RequestLog() {
  if (own_ && file_ != nullptr) std::fclose(file_);
}

void RequestLog::write(const LoggedRequest& r) {
  if (file_ == nullptr) return;
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::system_clock::now().time_since_epoch())
                .count();
  std::string line =
      "{\"time_ms\":" + std::to_string(ms) + ",\"port\":" + std::to_string(r.localPort) +
      ",\"remote\":\"" + JsonEscape(r.remote) + "\",\"method\":\"" + JsonEscape(r.method) +
      "\",\"target\":\"" + JsonEscape(r.target) + "\",\"target_hex\":\"" + HexOf(r.target) +
      "\",\"version\":\"" + JsonEscape(r.version) + "\",\"headers\":[";
  bool first = true;
  for (const auto& [name, value] : r.headers) {
    if (!first) line += ',';
    first = false;
    line += "[\"" + JsonEscape(name) + "\",\"" + JsonEscape(value) + "\"]";
  }
  line += "]}\n";
  std::lock_guard<std::mutex> lock(mutex_);
  std::fputs(line.c_str(), file_);
  std::fflush(file_);
}

}  // namespace classroom

// Blank trimming, the integer rule and reply decoding.
#include "app/core/reply_text.h"

#include <iconv.h>

#include <cerrno>
#include <limits>
#include <vector>

namespace app {

std::string TrimBlanks(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return std::string(text.substr(b, e - b));
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT32_MIN) : INT32_MAX;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    std::size_t len = 0;
    std::uint32_t cp = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      len = 2;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + len > bytes.size()) return false;
    for (std::size_t k = 1; k < len; ++k) {
      unsigned char n = static_cast<unsigned char>(bytes[i + k]);
      if ((n & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (n & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF.
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
      return false;
    }
    i += len;
  }
  return true;
}

std::string DisplayTextOfReply(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  iconv_t cd = iconv_open("UTF-8", "GB18030");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(bytes);
  std::string out;
  std::vector<char> buf(4096);
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char* dst = buf.data();
    std::size_t dstLeft = buf.size();
    std::size_t r = iconv(cd, &in, &inLeft, &dst, &dstLeft);
    out.append(buf.data(), buf.size() - dstLeft);
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      // An unreadable or cut-off sequence: show a replacement and go on.
      out += "\xEF\xBF\xBD";
      ++in;
      --inLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace app

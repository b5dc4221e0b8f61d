// The secret text store.
#include "skin/controls/secret_text.h"

#include <QChar>
#include <cstring>

namespace skin {

void WipeBytes(void* p, std::size_t n) {
  if (p == nullptr || n == 0) return;
  volatile unsigned char* b = static_cast<volatile unsigned char*>(p);
  for (std::size_t i = 0; i < n; ++i) b[i] = 0;
}

std::u32string DecodeUtf8(std::string_view text) {
  // Decoded here rather than through a toolkit string, which would leave a
  // copy of a secret behind.
  std::u32string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t c = 0;
    if (b < 0x80) {
      c = b;
    } else if ((b & 0xE0) == 0xC0) {
      extra = 1;
      c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      extra = 2;
      c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      extra = 3;
      c = b & 0x07;
    } else {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    bool ok = i + static_cast<std::size_t>(extra) < text.size();
    for (int k = 1; ok && k <= extra; ++k) {
      const auto n = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((n & 0xC0) != 0x80) ok = false;
      c = (c << 6) | (n & 0x3F);
    }
    if (!ok) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    out.push_back(c);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

std::string SecretText::utf8() const {
  std::string out;
  out.reserve(chars_.size());
  for (char32_t c : chars_) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

void SecretText::assignUtf8(std::string_view text) {
  std::u32string decoded = DecodeUtf8(text);
  clear();
  insert(0, decoded);
  WipeBytes(decoded.data(), decoded.size() * sizeof(char32_t));
}

void SecretText::insert(int pos, const std::u32string_view text) {
  chars_.insert(chars_.begin() + pos, text.begin(), text.end());
}

void SecretText::erase(int pos, int count) {
  if (count <= 0) return;
  chars_.erase(chars_.begin() + pos, chars_.begin() + pos + count);
  wipeSlack();
}

void SecretText::clear() {
  chars_.clear();
  wipeSlack();
}

void SecretText::wipeSlack() {
  if (chars_.capacity() > chars_.size())
    WipeBytes(chars_.data() + chars_.size(),
              (chars_.capacity() - chars_.size()) * sizeof(char32_t));
}

void SecretText::toUpper() {
  for (char32_t& c : chars_) c = QChar::toUpper(c);
}

void SecretText::toLower() {
  for (char32_t& c : chars_) c = QChar::toLower(c);
}

}  // namespace skin

// Storage for a secret text (the password box's): one code point per
// character, and every byte it ever held is overwritten before its memory
// goes back, whether the text shrinks, grows into a new block or is dropped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

// Overwrites n bytes so that the compiler cannot leave the writes out.
void WipeBytes(void* p, std::size_t n);

template <class T>
struct WipingAllocator {
  using value_type = T;
  WipingAllocator() = default;
  template <class U>
  WipingAllocator(const WipingAllocator<U>&) {}
  T* allocate(std::size_t n) { return std::allocator<T>().allocate(n); }
  void deallocate(T* p, std::size_t n) {
    WipeBytes(p, n * sizeof(T));
    std::allocator<T>().deallocate(p, n);
  }
  template <class U>
  bool operator==(const WipingAllocator<U>&) const {
    return true;
  }
};

class SecretText {
 public:
  SecretText() = default;
  ~SecretText() { clear(); }
  SecretText(const SecretText&) = delete;
  SecretText& operator=(const SecretText&) = delete;

  int length() const { return static_cast<int>(chars_.size()); }
  bool empty() const { return chars_.empty(); }
  char32_t at(int i) const { return chars_[static_cast<std::size_t>(i)]; }

  // The text as UTF-8 (a copy the caller owns).
  std::string utf8() const;
  void assignUtf8(std::string_view text);
  // Inserts code points at pos (0..length).
  void insert(int pos, const std::u32string_view text);
  void erase(int pos, int count);
  void clear();
  // Upper- or lower-cases the characters in place.
  void toUpper();
  void toLower();
  bool equals(const SecretText& o) const { return chars_ == o.chars_; }
  void swap(SecretText& o) { chars_.swap(o.chars_); }

 private:
  // Clears the unused end of the block, where erased characters linger.
  void wipeSlack();

  std::vector<char32_t, WipingAllocator<char32_t>> chars_;
};

// Code points of a UTF-8 text (invalid bytes become U+FFFD).
std::u32string DecodeUtf8(std::string_view text);

}  // namespace skin

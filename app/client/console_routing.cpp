// The console's text rules.
#include "app/client/console_routing.h"

#include <chrono>

namespace app {

namespace {

constexpr std::string_view kHttp = "http://";

// Where the UTF-8 character that starts at byte i ends.
std::size_t NextCharacter(std::string_view text, std::size_t i) {
  ++i;
  while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  return i;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); i = NextCharacter(text, i)) ++n;
  return n;
}

}  // namespace

bool StaysInFunctionList(std::string_view url) { return url.find("left.jsp") != url.npos; }

std::string ReportedTitle(std::string_view title, std::string_view location) {
  if (location.substr(0, kHttp.size()) == kHttp && title == location.substr(kHttp.size()))
    return std::string(location);
  return std::string(title);
}

std::optional<std::string> CaptionFromTitle(std::string_view title) {
  if (title.find(kHttp) != title.npos) return std::nullopt;
  return std::string(title);
}

std::string StatusLabelText(std::string_view statusText) {
  return std::string(statusText.substr(0, statusText.find(kHttp)));
}

std::optional<std::string> FolderRequestElement(std::string_view url) {
  const std::size_t at = url.find(kFolderRequestPrefix);
  if (at == url.npos) return std::nullopt;
  // The prefix's 20 characters and the one closing character are not part
  // of the name.
  const std::size_t total = CharacterCount(url);
  const std::size_t wanted = total > 21 ? total - 21 : 0;
  const std::size_t begin = at + kFolderRequestPrefix.size();
  std::size_t end = begin;
  for (std::size_t n = 0; n < wanted && end < url.size(); ++n) end = NextCharacter(url, end);
  return std::string(url.substr(begin, end - begin));
}

std::string LoadTimeText(std::uint32_t startTick, std::uint32_t nowTick) {
  const std::uint32_t elapsed = nowTick - startTick;
  return "耗时" + std::to_string(elapsed) + "ms";
}

std::uint32_t TickCount() {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
  return static_cast<std::uint32_t>(ms.count());
}

}  // namespace app

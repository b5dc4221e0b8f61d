// The group main page viewer and its address rule.
#include "app/client/viewmain_form.h"

#include <charconv>
#include <cstdint>

#include "platform/browser/web_browser.h"

namespace app {

namespace {

// Trims what the system's trimming takes: blanks and control characters.
std::string Trimmed(const std::string& s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return s.substr(b, e - b);
}

std::string ReplaceFirstByBlank(std::string s, std::string_view what) {
  const std::size_t at = s.find(what);
  if (at != std::string::npos) s.replace(at, what.size(), " ");
  return s;
}

// The whole text as a 32-bit decimal integer, with an optional sign.
bool ToInteger(const std::string& s, std::int32_t& value) {
  const char* first = s.data();
  const char* last = s.data() + s.size();
  if (first != last && *first == '+') ++first;
  if (first == last || *first == '+') return false;
  const auto [end, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && end == last;
}

}  // namespace

bool GroupPageRefused(std::string_view url) {
  std::string text = Trimmed(ReplaceFirstByBlank(std::string(url), "http://"));
  text = Trimmed(ReplaceFirstByBlank(std::move(text), ".type/"));
  std::int32_t value = 0;
  return ToInteger(text, value) && value == 13;
}

TViewmainform::TViewmainform(ClientShared& shared, ui::Component* owner)
    : TPageViewerForm(shared, owner,
                      {"Viewmainform", "小组主界面", 738, 530, ui::FormStyle::fsNormal, false,
                       frame_settings::kViewmain}) {
  WB->BeforeNavigate2 = [this](platform::WebBrowser& sender, const std::string& url, bool& cancel) {
    WBBeforeNavigate2(sender, url, cancel);
  };
  onDeactivate = [this](ui::Form&) { FormDeactivate(); };
  afterConstruction();
}

void TViewmainform::WBBeforeNavigate2(platform::WebBrowser&, const std::string& url, bool& cancel) {
  if (GroupPageRefused(url)) cancel = true;
}

void TViewmainform::FormDeactivate() { close(); }

}  // namespace app

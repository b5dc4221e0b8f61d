// The group main page viewer "小组主界面": shows pages as they come, except
// the one group address it refuses (see GroupPageRefused), and closes as
// soon as it loses activation. No flow of the client opens it.
#pragma once

#include <string>
#include <string_view>

#include "app/client/page_viewer.h"

namespace app {

// Whether the group main page viewer refuses a navigation to url: in the
// address, the first "http://" is replaced by one blank and the blanks at
// both ends are trimmed; then the first ".type/" likewise. An address that
// is then the decimal integer 13 (an optional sign and leading zeros
// allowed, as in "http://13.type/") is refused; every other address,
// including every text that is not an integer, proceeds.
bool GroupPageRefused(std::string_view url);

class TViewmainform : public TPageViewerForm {
 public:
  explicit TViewmainform(ClientShared& shared, ui::Component* owner = nullptr);

  void WBBeforeNavigate2(platform::WebBrowser& sender, const std::string& url, bool& cancel);
  void FormDeactivate();
};

}  // namespace app

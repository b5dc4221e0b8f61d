// The decision page viewer "决策界面范例": shows the first page it is sent
// to and refuses every later navigation, links included, until it is shown
// again. No flow of the client opens it.
#pragma once

#include <string>

#include "app/client/page_viewer.h"

namespace app {

class TViewDecidingForm : public TPageViewerForm {
 public:
  explicit TViewDecidingForm(ClientShared& shared, ui::Component* owner = nullptr);

  // Set once the first page has arrived; cleared each time the window shows.
  bool FirstPageShown() const { return firstPageShown_; }

  void FormShow();
  void WBNavigateComplete2();
  void WBBeforeNavigate2(platform::WebBrowser& sender, const std::string& url, bool& cancel);

 private:
  bool firstPageShown_ = false;
};

}  // namespace app

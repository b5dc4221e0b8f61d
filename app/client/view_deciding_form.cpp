// The decision page viewer: one page per showing.
#include "app/client/view_deciding_form.h"

#include "platform/browser/web_browser.h"

namespace app {

TViewDecidingForm::TViewDecidingForm(ClientShared& shared, ui::Component* owner)
    : TPageViewerForm(shared, owner,
                      {"ViewDecidingForm", "决策界面范例", 638, 478, ui::FormStyle::fsStayOnTop,
                       true, frame_settings::kViewDeciding}) {
  onShow = [this](ui::Form&) { FormShow(); };
  WB->NavigateComplete2 = [this](platform::WebBrowser&, const std::string&) {
    WBNavigateComplete2();
  };
  WB->BeforeNavigate2 = [this](platform::WebBrowser& sender, const std::string& url, bool& cancel) {
    WBBeforeNavigate2(sender, url, cancel);
  };
  afterConstruction();
}

void TViewDecidingForm::FormShow() { firstPageShown_ = false; }

void TViewDecidingForm::WBNavigateComplete2() { firstPageShown_ = true; }

void TViewDecidingForm::WBBeforeNavigate2(platform::WebBrowser&, const std::string&, bool& cancel) {
  if (firstPageShown_) cancel = true;
}

}  // namespace app

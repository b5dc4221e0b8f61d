// What the two page viewers share: a browser above a 34-pixel tool bar
// that holds a progress gauge and, at its right edge, the 157-pixel close
// button. The tool bar is aligned to the bottom and the button to the tool
// bar's right; the gauge sits at its own height, centred, in the rest. So
// after any resize or skin change, with the tool bar's client area C (the
// skin's section decides its margins) and g the height of the gauge
// section's picture (18 without a section):
//   browser  = (0, 0, clientWidth, clientHeight - 34)
//   tool bar = (0, clientHeight - 34, clientWidth, 34)
//   button   = (C.right - 157, C.top, 157, C.height)
//   gauge    = (C.left + 8, C.top + (C.height - g) div 2, C.width - 157 - 16, g)
// A gauge as tall as the bar would stretch its track while its fill keeps
// the picture's height. The gauge follows the browser's progress; the
// button closes the window. Neither viewer's browser is among the browsers
// whose right clicks the client swallows.
#pragma once

#include "app/client/client_shared.h"
#include "ui/form.h"

namespace platform {
class WebBrowser;
}
namespace ui {
class WidgetHost;
}
namespace skin {
class TbsFormFrame;
class TbsSkinGauge;
class TbsSkinSpeedButton;
class TbsSkinToolBar;
}  // namespace skin

namespace app {

inline constexpr int kViewerBarHeight = 34;
inline constexpr int kViewerButtonWidth = 157;
inline constexpr int kViewerGaugeMargin = 8;
inline constexpr int kViewerDefaultGaugeHeight = 18;

class TPageViewerForm : public ui::Form {
 public:
  ~TPageViewerForm() override;

  // The window's controls and components, by their designer names; the
  // browser is hosted in the control of the same name (WBHost).
  skin::TbsFormFrame* bsFormFrame1 = nullptr;
  ui::WidgetHost* WBHost = nullptr;
  platform::WebBrowser* WB = nullptr;
  skin::TbsSkinToolBar* bsSkinToolBar1 = nullptr;
  skin::TbsSkinGauge* gp = nullptr;
  skin::TbsSkinSpeedButton* bsSkinSpeedButton1 = nullptr;

  // The gauge takes the maximum first, so that a value above the old
  // maximum is not cut to it.
  void WBProgressChange(int progress, int progressMax);
  void bsSkinSpeedButton1Click();

 protected:
  // What differs between the two viewers.
  struct Design {
    const char* name;
    const char* caption;
    int clientWidth;
    int clientHeight;
    ui::FormStyle formStyle;
    bool gaugeSkinSize;
    const ClientFrameSettings& frame;
  };
  TPageViewerForm(ClientShared& shared, ui::Component* owner, const Design& design);

  ClientShared& shared_;
};

}  // namespace app

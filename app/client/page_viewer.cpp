// The page viewers' controls as one table and their shared handlers.
#include "app/client/page_viewer.h"

#include <array>

#include "app/client/control_table.h"
#include "platform/browser/web_browser.h"
#include "skin/controls/panel_layout.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_tool_bar.h"
#include "skin/frame/form_frame.h"
#include "ui/widget_host.h"

namespace app {

namespace {

using ui::Align;
using ui::Component;
using ui::Control;

// The viewers' tool bar: places the gauge after every resize and skin
// change, once the button has taken its place at the right.
class ViewerToolBar : public skin::TbsSkinToolBar {
 public:
  using skin::TbsSkinToolBar::TbsSkinToolBar;

  void ChangeSkinData() override {
    skin::TbsSkinToolBar::ChangeSkinData();
    placeGauge();
  }

 protected:
  void resized() override {
    skin::TbsSkinToolBar::resized();
    placeGauge();
  }

 private:
  void placeGauge() {
    auto* gauge = FindControl<skin::TbsSkinGauge>(*owner(), "gp");
    if (gauge == nullptr || gauge->parent() != this) return;
    gfx::Rect c = clientRect();
    adjustClientRect(c);
    // The gauge's section of the skin now in force gives its height.
    gauge->ReadSkinSection();
    const int g =
        gauge->SectionIndex() != -1 ? gauge->SkinRect().height() : kViewerDefaultGaugeHeight;
    gauge->setBounds(c.left + kViewerGaugeMargin, c.top + gfx::Div(c.height() - g, 2),
                     c.width() - kViewerButtonWidth - 2 * kViewerGaugeMargin, g);
  }
};

// The rows for a viewer of that client size, bounds as designed.
std::array<ControlRow, 4> ViewerControls(int w, int h) {
  const int bar = kViewerBarHeight;
  const int button = kViewerButtonWidth;
  return {{
      {"bsSkinToolBar1",
       "",
       Align::alBottom,
       {0, h - bar, w, bar},
       "",
       "toolpanel",
       ControlSkin::Data,
       [](Component* o) -> Control* {
         auto* t = new ViewerToolBar(o);
         t->setBorderStyle(skin::TbsSkinBorderStyle::bvNone);
         return t;
       }},
      {"bsSkinSpeedButton1",
       "bsSkinToolBar1",
       Align::alRight,
       {w - button, 0, button, bar},
       "关闭",
       "resizebutton",
       ControlSkin::Data,
       [](Component* o) -> Control* { return new skin::TbsSkinSpeedButton(o); }},
      {"gp",
       "bsSkinToolBar1",
       Align::alNone,
       {kViewerGaugeMargin, (bar - kViewerDefaultGaugeHeight) / 2,
        w - button - 2 * kViewerGaugeMargin, kViewerDefaultGaugeHeight},
       "",
       "statusgauge",
       ControlSkin::Data,
       [](Component* o) -> Control* {
         auto* g = new skin::TbsSkinGauge(o);
         g->setMinValue(0);
         g->setMaxValue(100);
         g->setShowProgressText(false);
         g->setShowPercent(false);
         return g;
       }},
      {"WB",
       "",
       Align::alClient,
       {0, 0, w, h - bar},
       "",
       nullptr,
       ControlSkin::None,
       MakeBrowserHost},
  }};
}

}  // namespace

TPageViewerForm::TPageViewerForm(ClientShared& shared, ui::Component* owner, const Design& design)
    : ui::Form(owner), shared_(shared) {
  setName(design.name);
  setCaption(design.caption);
  setBorderStyle(ui::BorderStyle::bsSizeable);
  setFormStyle(design.formStyle);
  setPosition(ui::Position::poScreenCenter);
  bsFormFrame1 = MakeClientFrame(*this, shared_, design.frame);
  setClientSize(design.clientWidth, design.clientHeight);
  BuildControls(*this, ViewerControls(design.clientWidth, design.clientHeight), shared_.skinData());

  bsSkinToolBar1 = FindControl<skin::TbsSkinToolBar>(*this, "bsSkinToolBar1");
  bsSkinSpeedButton1 = FindControl<skin::TbsSkinSpeedButton>(*this, "bsSkinSpeedButton1");
  gp = FindControl<skin::TbsSkinGauge>(*this, "gp");
  gp->setUseSkinSize(design.gaugeSkinSize);
  WBHost = FindControl<ui::WidgetHost>(*this, "WB");
  WB = HostedBrowser(WBHost);

  WB->ProgressChange = [this](platform::WebBrowser&, int progress, int progressMax) {
    WBProgressChange(progress, progressMax);
  };
  bsSkinSpeedButton1->OnClick = [this](Control&) { bsSkinSpeedButton1Click(); };
}

TPageViewerForm::~TPageViewerForm() {
  // The browser's events refer to this window: they go first.
  if (WB != nullptr) {
    WB->BeforeNavigate2 = nullptr;
    WB->NavigateComplete2 = nullptr;
    WB->ProgressChange = nullptr;
  }
}

void TPageViewerForm::WBProgressChange(int progress, int progressMax) {
  gp->setMaxValue(progressMax);
  gp->setValue(progress);
}

void TPageViewerForm::bsSkinSpeedButton1Click() { close(); }

}  // namespace app

// The please-wait bar's one control and its closing.
#include "app/client/group_form.h"

#include <array>

#include "app/client/client_shared.h"
#include "app/client/control_table.h"
#include "skin/controls/skin_gauge.h"
#include "skin/frame/form_frame.h"

namespace app {

namespace {

constexpr int kClientWidth = 314;
constexpr int kClientHeight = 24;

const std::array<ControlRow, 1> kControls = {{
    {"bsSkinGauge1",
     "",
     ui::Align::alClient,
     {0, 0, kClientWidth, kClientHeight},
     "",
     "statusgauge",
     ControlSkin::Data,
     [](ui::Component* o) -> ui::Control* {
       auto* g = new skin::TbsSkinGauge(o);
       g->setUseSkinSize(true);
       g->setMinValue(0);
       g->setMaxValue(100);
       g->setValue(50);
       g->setProgressText("处理中，请稍候...");
       g->setShowProgressText(true);
       g->setShowPercent(true);
       // The text's font when the skin's section gives none.
       gfx::Font font;
       font.name = "Arial";
       font.height = 16;
       font.bold = true;
       font.color = gfx::kRed;
       g->setDefaultFont(font);
       return g;
     }},
}};

}  // namespace

TGroupForm::TGroupForm(ClientShared& shared, ui::Component* owner)
    : ui::Form(owner), shared_(shared) {
  setName("GroupForm");
  setBorderStyle(ui::BorderStyle::bsNone);
  setFormStyle(ui::FormStyle::fsStayOnTop);
  setPosition(ui::Position::poScreenCenter);
  bsFormFrame1 = MakeClientFrame(*this, shared_, frame_settings::kGroup);
  // A skin would otherwise stretch the bar to the height of a frame it
  // never draws (it has no border); the frame restores this size after
  // every skin change.
  bsFormFrame1->ClientWidth = kClientWidth;
  bsFormFrame1->ClientHeight = kClientHeight;
  setClientSize(kClientWidth, kClientHeight);
  BuildControls(*this, kControls, shared_.skinData());
  bsSkinGauge1 = FindControl<skin::TbsSkinGauge>(*this, "bsSkinGauge1");
  onDeactivate = [this](ui::Form&) { FormDeactivate(); };
  afterConstruction();
}

void TGroupForm::FormDeactivate() { close(); }

}  // namespace app

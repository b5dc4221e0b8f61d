// The builder of a window's control table.
#include "app/client/control_table.h"

#include "platform/browser/web_browser.h"
#include "skin/controls/skin_control.h"
#include "ui/form.h"
#include "ui/widget_host.h"

namespace app {

namespace {

// Sets the section and the skin of a skinned control of either layer.
template <class Layer>
bool SetSection(ui::Control* c, const char* section, skin::TbsSkinData* data) {
  auto* s = dynamic_cast<Layer*>(c);
  if (s == nullptr) return false;
  s->SetSkinDataName(section);
  if (data != nullptr) s->SetSkinData(data);
  return true;
}

void ApplySection(ui::Control* c, const ControlRow& row, skin::TbsSkinData& data) {
  if (row.section == nullptr) return;
  skin::TbsSkinData* skin = row.skin == ControlSkin::Data ? &data : nullptr;
  if (SetSection<skin::SkinControlLayer<ui::WinControl>>(c, row.section, skin)) return;
  SetSection<skin::SkinControlLayer<ui::GraphicControl>>(c, row.section, skin);
}

}  // namespace

void BuildControls(ui::Form& form, std::span<const ControlRow> rows, skin::TbsSkinData& data) {
  form.disableAlign();
  for (const ControlRow& row : rows) {
    ui::Control* c = row.make(&form);
    c->setName(row.name);
    auto* container = row.container[0] == '\0' ? static_cast<ui::WinControl*>(&form)
                                               : FindControl<ui::WinControl>(form, row.container);
    c->setParent(container);
    c->setBounds(row.bounds.left, row.bounds.top, row.bounds.width, row.bounds.height);
    c->setAlign(row.align);
    if (row.caption[0] != '\0') c->setCaption(row.caption);
    ApplySection(c, row, data);
  }
  form.enableAlign();
}

ui::Control* MakeBrowserHost(ui::Component* owner) {
  auto* host = new ui::WidgetHost(owner);
  host->setHostedWidget(new platform::WebBrowser);
  return host;
}

platform::WebBrowser* HostedBrowser(ui::WidgetHost* host) {
  return host != nullptr ? dynamic_cast<platform::WebBrowser*>(host->hostedWidget()) : nullptr;
}

}  // namespace app

// A window's controls as one table: each row names a control, the control
// it sits in, its alignment and designed bounds, its caption and the skin
// section it draws from, and makes it with the settings that differ from
// its class's defaults. One builder walks the table, so a window's file
// reads like its table and tests can walk the same rows.
#pragma once

#include <span>

#include "ui/control.h"

namespace platform {
class WebBrowser;
}
namespace skin {
class TbsSkinData;
}
namespace ui {
class Form;
class WidgetHost;
}  // namespace ui

namespace app {

struct ControlBox {
  int left, top, width, height;
};

// Whether a control draws from bsSkinData1 or keeps its default look.
enum class ControlSkin { Data, None };

struct ControlRow {
  const char* name;
  const char* container;  // "" for the window itself
  ui::Align align;
  ControlBox bounds;  // as designed, in the container's client coordinates
  const char* caption;
  const char* section;  // nullptr: no skin section (browsers, pictures)
  ControlSkin skin;
  ui::Control* (*make)(ui::Component* owner);
};

// Makes every row's control, owned by the form, in the table's order (a
// container comes before what it holds), with alignment held until all
// are placed.
void BuildControls(ui::Form& form, std::span<const ControlRow> rows, skin::TbsSkinData& data);

// The component of that name on the owner as a T (nullptr when none is).
template <class T>
T* FindControl(const ui::Component& owner, const char* name) {
  return dynamic_cast<T*>(owner.findComponent(name));
}

// A browser: the engine's view hosted in a windowed control.
ui::Control* MakeBrowserHost(ui::Component* owner);
// The browser such a host holds (nullptr for anything else).
platform::WebBrowser* HostedBrowser(ui::WidgetHost* host);

}  // namespace app

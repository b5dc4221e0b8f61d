// The controls gallery: each area of controls (buttons, panels, labels,
// edits, ...) registers a builder in a file of its own, gallery_<area>.cpp;
// the gallery gives every area a box of the size it asks for on one skinned
// form and calls its builder to place its controls there.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "ui/form.h"
#include "ui/win_control.h"

namespace gallery {

struct Context {
  skin::TbsSkinData* skinData = nullptr;  // every skinned control draws from it
  ui::Form* form = nullptr;               // the gallery's form (owner of menus, dialogs)
};

struct Area {
  std::string title;
  int order = 0;  // areas are laid out by this, then by title
  int width = 0;  // the box the area's controls are placed in
  int height = 0;
  // Places the area's controls in box (coordinates relative to the box);
  // parent them to box and set their skin data to ctx.skinData.
  std::function<void(ui::WinControl& box, const Context& ctx)> build;
};

// Used at namespace scope: static const bool registered = RegisterArea({...});
bool RegisterArea(Area area);
const std::vector<Area>& Areas();

// Named actions (open a dialog, ...) that "--action NAME" runs once the
// gallery is shown; areas register them while they build.
void RegisterAction(const std::string& name, std::function<void()> action);
const std::vector<std::pair<std::string, std::function<void()>>>& Actions();

}  // namespace gallery

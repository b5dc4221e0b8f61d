// The items of the frame's system menu and tray menu for the window's
// current state, with their captions from the skin's text table or the
// built-in texts. The frame turns them into menu items and runs the action
// of the one chosen.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/frame/border_icons.h"
#include "skin/frame/window_states.h"

namespace skin {

enum class SystemMenuAction {
  None,  // an item of the application's own menu, or a divider
  Minimize,
  Maximize,
  Restore,
  RollUp,
  MinimizeToTray,
  Close,
  ReturnFromTray,
};

struct SystemMenuEntry {
  std::string name;     // "FRM_MINITEM", ...; empty for a divider
  std::string caption;  // "-" for a divider
  std::string shortCut;
  SystemMenuAction action = SystemMenuAction::None;

  bool operator==(const SystemMenuEntry&) const = default;
};

// The text of a key in the skin's text table. An empty function stands for
// a skin without a text table: the built-in texts are used then.
using ResourceLookup = std::function<std::string(std::string_view key)>;

// The frame's own system menu: the items whose condition holds, a divider
// when any was added, and the close item last.
std::vector<SystemMenuEntry> DefaultSystemMenu(TbsBorderIcons icons, const FrameStateFlags& flags,
                                               const ResourceLookup& strings);

// An application's system menu with the default items merged in: items
// named like the frame's own are removed, then minimize, restore, maximize,
// roll-up and minimize-to-tray (those whose condition holds) go on top in
// that order and the close item at the end.
std::vector<SystemMenuEntry> MergeSystemMenu(std::vector<SystemMenuEntry> applicationItems,
                                             TbsBorderIcons icons, const FrameStateFlags& flags,
                                             const ResourceLookup& strings);

// The notification-area menu: restore, a divider, close.
std::vector<SystemMenuEntry> TrayMenu(const ResourceLookup& strings);

// True for the names of the frame's own system-menu items.
bool IsFrameMenuItemName(std::string_view name);

}  // namespace skin

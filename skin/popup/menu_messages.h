// The notifications of the menu engine: sent without parameters to the
// window that owns the engine and to the control that opened a menu.
#pragma once

namespace skin {

enum MenuMessageId : unsigned {
  MenuClosed = 1228,        // the last open menu level closed
  MenuItemExecuted = 1229,  // a chosen item's action ran
};

}  // namespace skin

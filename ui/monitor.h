// Monitor and pointer queries: the work area and full area of the monitor
// nearest a window, the primary screen, the whole desktop and the pointer.
#pragma once

#include "ui/graphics/geometry.h"

namespace ui {

class Control;

gfx::Rect MonitorWorkArea(const Control& window);
gfx::Rect MonitorRect(const Control& window);
// Of the monitor nearest a screen point.
gfx::Rect MonitorWorkAreaAt(gfx::Point p);
gfx::Rect MonitorRectAt(gfx::Point p);
gfx::Size PrimaryScreenSize();
gfx::Rect PrimaryWorkArea();
// The bounding rectangle of all monitors.
gfx::Rect DesktopRect();
int MonitorCount();
gfx::Point CursorPos();
// The control under a screen point (for a foreign widget, the control that
// holds it), or nullptr.
Control* ControlAtScreenPoint(gfx::Point p);

}  // namespace ui

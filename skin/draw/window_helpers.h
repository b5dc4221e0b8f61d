// Window helpers of the skin engine: which platform versions offer layered
// windows and drop shadows, a window's constant opacity and the monitor area
// a window lies on.
//
// The opacity and monitor calls go through WindowServices, which the window
// framework implements on its windows and installs with SetWindowServices;
// until then a default with one monitor and no opacity serves, so that the
// drawing code runs without any window.
#pragma once

#include <optional>

#include "ui/graphics/geometry.h"

namespace ui {
class WinControl;
}

namespace skin {

struct PlatformVersion {
  int major = 0;
  int minor = 0;
  bool operator==(const PlatformVersion&) const = default;
};

// True for version 5.1 only: the one that asks for drop shadows on popups.
bool IsWindowsXP(PlatformVersion version);
// True for versions 5.0, 5.1 and 5.2, false for every other version.
bool HasLayeredWindows(PlatformVersion version);

struct MonitorInfo {
  gfx::Rect area;      // the whole monitor
  gfx::Rect workArea;  // without task bars and docks
};

class WindowServices {
 public:
  virtual ~WindowServices() = default;
  virtual PlatformVersion platformVersion() const = 0;
  // Sets the window's constant opacity, 0 to 255; false when the window
  // system offers none.
  virtual bool setWindowOpacity(ui::WinControl* window, int alpha) = 0;
  virtual int monitorCount() const = 0;
  // Whether monitor information can be asked for at all.
  virtual bool hasMonitorInfo() const = 0;
  // The monitor nearest the window; none when it cannot be read.
  virtual std::optional<MonitorInfo> nearestMonitor(ui::WinControl* window) const = 0;
  virtual gfx::Rect desktopWorkArea() const = 0;
  virtual gfx::Size screenSize() const = 0;
};

// The installed services (the default when none is installed).
WindowServices& CurrentWindowServices();
// Installs services; nullptr restores the default. The caller keeps
// ownership and uninstalls before destroying them.
void SetWindowServices(WindowServices* services);

PlatformVersion CurrentPlatformVersion();

// Sets the window's opacity (clamped to 0..255) when the window system
// offers it; does nothing otherwise.
void SetWindowAlpha(ui::WinControl* window, int alpha);

// With more than one monitor and monitor information available: the monitor
// nearest the window, its work area when workArea is set, else its whole
// area; false and area unchanged when that monitor cannot be read. Otherwise
// the desktop work area when workArea is set, else 0, 0, screen width,
// screen height.
bool GetMonitorArea(ui::WinControl* window, bool workArea, gfx::Rect& area);

}  // namespace skin

// Platform version rules, and the opacity and monitor calls through the
// installed window services.
#include "skin/draw/window_helpers.h"

#include <algorithm>

namespace skin {

namespace {

// Without a window framework: one monitor, no opacity, no known screen.
class NoWindowServices final : public WindowServices {
 public:
  PlatformVersion platformVersion() const override { return {}; }
  bool setWindowOpacity(ui::WinControl*, int) override { return false; }
  int monitorCount() const override { return 1; }
  bool hasMonitorInfo() const override { return false; }
  std::optional<MonitorInfo> nearestMonitor(ui::WinControl*) const override { return std::nullopt; }
  gfx::Rect desktopWorkArea() const override { return {}; }
  gfx::Size screenSize() const override { return {}; }
};

NoWindowServices& defaultServices() {
  static NoWindowServices services;
  return services;
}

WindowServices* installed = nullptr;

}  // namespace

bool IsWindowsXP(PlatformVersion v) { return v.major == 5 && v.minor == 1; }

bool HasLayeredWindows(PlatformVersion v) { return v.major == 5 && v.minor >= 0 && v.minor <= 2; }

WindowServices& CurrentWindowServices() { return installed ? *installed : defaultServices(); }

void SetWindowServices(WindowServices* services) { installed = services; }

PlatformVersion CurrentPlatformVersion() { return CurrentWindowServices().platformVersion(); }

void SetWindowAlpha(ui::WinControl* window, int alpha) {
  // A window system without constant opacity leaves the window as it is.
  (void)CurrentWindowServices().setWindowOpacity(window, std::clamp(alpha, 0, 255));
}

bool GetMonitorArea(ui::WinControl* window, bool workArea, gfx::Rect& area) {
  WindowServices& s = CurrentWindowServices();
  if (s.monitorCount() > 1 && s.hasMonitorInfo()) {
    const std::optional<MonitorInfo> info = s.nearestMonitor(window);
    if (!info) return false;
    area = workArea ? info->workArea : info->area;
    return true;
  }
  if (workArea) {
    area = s.desktopWorkArea();
  } else {
    const gfx::Size screen = s.screenSize();
    area = {0, 0, screen.width, screen.height};
  }
  return true;
}

}  // namespace skin

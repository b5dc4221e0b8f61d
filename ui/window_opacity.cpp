// Per-window opacity availability.
#include "ui/window_opacity.h"

#include <QGuiApplication>
#include <QString>

namespace ui {

namespace {
std::optional<bool> gOverride;
}

bool LayeredWindowsAvailable() {
  if (gOverride) return *gOverride;
  // The X11 and the native desktop platforms apply window opacity; the
  // headless ones only record it, and Wayland clients cannot set it.
  const QString p = QGuiApplication::platformName();
  return p == QLatin1String("xcb") || p == QLatin1String("windows") || p == QLatin1String("cocoa");
}

void SetLayeredWindowsAvailable(std::optional<bool> available) { gOverride = available; }

}  // namespace ui

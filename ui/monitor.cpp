// Monitor and pointer queries on the screens Qt reports.
#include "ui/monitor.h"

#include <climits>

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "ui/control.h"
#include "ui/graphics/qt_convert.h"

namespace ui {

namespace {
QScreen* NearestScreen(const QPoint& p) {
  if (QScreen* s = QGuiApplication::screenAt(p)) return s;
  QScreen* best = QGuiApplication::primaryScreen();
  long long bestDist = LLONG_MAX;
  for (QScreen* s : QGuiApplication::screens()) {
    const QRect g = s->geometry();
    const long long dx =
        p.x() < g.left() ? g.left() - p.x() : (p.x() > g.right() ? p.x() - g.right() : 0);
    const long long dy =
        p.y() < g.top() ? g.top() - p.y() : (p.y() > g.bottom() ? p.y() - g.bottom() : 0);
    const long long d = dx * dx + dy * dy;
    if (d < bestDist) {
      bestDist = d;
      best = s;
    }
  }
  return best;
}

QScreen* ScreenOf(const Control& c) {
  // The monitor with the window's centre, or the nearest to it.
  const gfx::Rect b = c.boundsRect();
  QPoint centre(b.left + b.width() / 2, b.top + b.height() / 2);
  if (c.parent()) centre = c.widget()->mapToGlobal(QPoint(c.width() / 2, c.height() / 2));
  return NearestScreen(centre);
}
}  // namespace

gfx::Rect MonitorWorkArea(const Control& window) {
  QScreen* s = ScreenOf(window);
  return s ? gfx::fromQRect(s->availableGeometry()) : gfx::Rect{0, 0, 800, 600};
}

gfx::Rect MonitorRect(const Control& window) {
  QScreen* s = ScreenOf(window);
  return s ? gfx::fromQRect(s->geometry()) : gfx::Rect{0, 0, 800, 600};
}

gfx::Rect MonitorWorkAreaAt(gfx::Point p) {
  QScreen* s = NearestScreen(gfx::toQPoint(p));
  return s ? gfx::fromQRect(s->availableGeometry()) : gfx::Rect{0, 0, 800, 600};
}

gfx::Rect MonitorRectAt(gfx::Point p) {
  QScreen* s = NearestScreen(gfx::toQPoint(p));
  return s ? gfx::fromQRect(s->geometry()) : gfx::Rect{0, 0, 800, 600};
}

gfx::Size PrimaryScreenSize() {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? gfx::Size{s->geometry().width(), s->geometry().height()} : gfx::Size{800, 600};
}

gfx::Rect PrimaryWorkArea() {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? gfx::fromQRect(s->availableGeometry()) : gfx::Rect{0, 0, 800, 600};
}

gfx::Rect DesktopRect() {
  gfx::Rect r;
  for (QScreen* s : QGuiApplication::screens())
    r = gfx::UnionRect(r, gfx::fromQRect(s->geometry()));
  return r;
}

int MonitorCount() { return static_cast<int>(QGuiApplication::screens().size()); }

gfx::Point CursorPos() { return gfx::fromQPoint(QCursor::pos()); }

Control* ControlAtScreenPoint(gfx::Point p) {
  return Control::fromWidget(QApplication::widgetAt(gfx::toQPoint(p)));
}

}  // namespace ui

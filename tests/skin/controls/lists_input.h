// Real input for list tests: presses, moves and releases through the
// top-level window, so Qt hit-tests and delivers them as for a user.
#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

#include "ui/control.h"

namespace liststest {

inline QPoint InWindow(ui::Control& c, int x, int y) {
  return c.widget()->mapTo(c.widget()->window(), QPoint(x, y));
}
inline QWindow* WindowOf(ui::Control& c) { return c.widget()->window()->windowHandle(); }

inline void Press(ui::Control& c, int x, int y) {
  QTest::mousePress(WindowOf(c), Qt::LeftButton, Qt::NoModifier, InWindow(c, x, y));
}
inline void Release(ui::Control& c, int x, int y) {
  QTest::mouseRelease(WindowOf(c), Qt::LeftButton, Qt::NoModifier, InWindow(c, x, y));
}
// A move with the left button held (after Press) or without.
inline void Move(ui::Control& c, int x, int y) { QTest::mouseMove(WindowOf(c), InWindow(c, x, y)); }

}  // namespace liststest

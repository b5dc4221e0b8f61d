// Helpers of the window framework's tests: a hook that records messages and
// may answer them, and a test frame that gives a form a border, a caption
// and the hit codes for them.
#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/graphics/bitmap.h"
#include "ui/message.h"
#include "support/qt_wait.h"

namespace uitest {

class RecordingHook : public ui::MessageHook {
 public:
  std::vector<ui::Message> seen;
  // Answers a message; true consumes it, false passes it on.
  std::function<bool(ui::Message&)> handler;

  void hookMessage(ui::Message& m) override {
    seen.push_back(m);
    if (handler && handler(m)) return;
    callPrevious(m);
  }
  int count(unsigned id) const {
    return static_cast<int>(
        std::count_if(seen.begin(), seen.end(), [id](const ui::Message& m) { return m.id == id; }));
  }
  std::vector<unsigned> ids(std::initializer_list<unsigned> only) const {
    std::vector<unsigned> v;
    for (const ui::Message& m : seen)
      if (std::find(only.begin(), only.end(), m.id) != only.end()) v.push_back(m.id);
    return v;
  }
};

// A frame of border kBorder and a caption of kCaption under it.
class TestFrame : public RecordingHook {
 public:
  static constexpr int kBorder = 4;
  static constexpr int kCaption = 20;

  explicit TestFrame(ui::Form& form) : form_(form) {
    form.installHook(this);
    form.recalcNonClient();
  }
  ~TestFrame() override {
    if (hookedControl()) hookedControl()->removeHook(this);
  }

  gfx::Point minTrack{1, 1};
  gfx::Point maxTrack{100000, 100000};
  int snapDistance = 0;  // WM_MOVING pulls the left edge to 0 within this distance
  gfx::Color frameColor = gfx::Color::rgb(200, 0, 0);

  void hookMessage(ui::Message& m) override {
    seen.push_back(m);
    switch (m.id) {
      case ui::WM_NCCALCSIZE: {
        auto* r = ui::FromParam<gfx::Rect>(m.lparam);
        *r = {r->left + kBorder, r->top + kBorder + kCaption, r->right - kBorder,
              r->bottom - kBorder};
        return;
      }
      case ui::WM_NCHITTEST: {
        const gfx::Point s = ui::UnpackPoint(m.lparam);
        m.result = hitTest(s.x - form_.left(), s.y - form_.top());
        return;
      }
      case ui::WM_NCPAINT:
        ui::FromParam<gfx::Bitmap>(m.lparam)->fill(frameColor);
        return;
      case ui::WM_GETMINMAXINFO: {
        callPrevious(m);
        auto* info = ui::FromParam<ui::MinMaxInfo>(m.lparam);
        info->minTrackSize = minTrack;
        info->maxTrackSize = maxTrack;
        return;
      }
      case ui::WM_MOVING: {
        auto* r = ui::FromParam<gfx::Rect>(m.lparam);
        if (snapDistance > 0 && r->left > -snapDistance && r->left < snapDistance)
          *r = gfx::OffsetRect(*r, -r->left, 0);
        callPrevious(m);
        return;
      }
      default:
        if (handler && handler(m)) return;
        callPrevious(m);
    }
  }

  int hitTest(int x, int y) const {
    const int w = form_.width(), h = form_.height();
    const bool l = x < kBorder, r = x >= w - kBorder, t = y < kBorder, b = y >= h - kBorder;
    if (t && l) return ui::HTTOPLEFT;
    if (t && r) return ui::HTTOPRIGHT;
    if (b && l) return ui::HTBOTTOMLEFT;
    if (b && r) return ui::HTBOTTOMRIGHT;
    if (l) return ui::HTLEFT;
    if (r) return ui::HTRIGHT;
    if (t) return ui::HTTOP;
    if (b) return ui::HTBOTTOM;
    if (y < kBorder + kCaption) return ui::HTCAPTION;
    return ui::HTCLIENT;
  }

 private:
  ui::Form& form_;
};

inline QWindow* WindowOf(ui::Control& c) { return c.widget()->window()->windowHandle(); }

inline bool ShowAndWait(ui::Form& f) {
  f.show();
  return QTest::qWaitForWindowExposed(WindowOf(f));
}

// Drags with the left button from window point from by (dx, dy), in two steps.
inline void Drag(ui::Form& f, QPoint from, int dx, int dy) {
  QWindow* win = WindowOf(f);
  const QPoint start = win->mapToGlobal(from);
  QTest::mousePress(win, Qt::LeftButton, {}, from);
  const QPoint half = start + QPoint(dx / 2, dy / 2);
  QTest::mouseMove(win, win->mapFromGlobal(half));
  const QPoint end = start + QPoint(dx, dy);
  QTest::mouseMove(win, win->mapFromGlobal(end));
  QTest::mouseRelease(win, Qt::LeftButton, {}, win->mapFromGlobal(end));
}

}  // namespace uitest

// The demo's frame hook.
#include "demo_frame.h"

#include "ui/graphics/canvas.h"
#include "ui/monitor.h"

namespace demo {

DemoFrame::DemoFrame(ui::Form& form) : form_(form) {
  form.installHook(this);
  form.recalcNonClient();
  updateRegion();
}

DemoFrame::~DemoFrame() {
  if (hookedControl()) hookedControl()->removeHook(this);
}

gfx::Rect DemoFrame::closeBox() const {
  const int right = form_.width() - kBorder - 4;
  return {right - kCloseBox, kBorder + 4, right, kBorder + 4 + kCloseBox};
}

int DemoFrame::hitTest(gfx::Point p) const {
  if (form_.windowState() == ui::WindowState::wsNormal) {
    const int w = form_.width(), h = form_.height();
    const bool l = p.x < kBorder, r = p.x >= w - kBorder, t = p.y < kBorder, b = p.y >= h - kBorder;
    if (t && l) return ui::HTTOPLEFT;
    if (t && r) return ui::HTTOPRIGHT;
    if (b && l) return ui::HTBOTTOMLEFT;
    if (b && r) return ui::HTBOTTOMRIGHT;
    if (l) return ui::HTLEFT;
    if (r) return ui::HTRIGHT;
    if (t) return ui::HTTOP;
    if (b) return ui::HTBOTTOM;
  }
  if (gfx::PtInRect(closeBox(), p)) return ui::HTOBJECT;
  if (gfx::PtInRect(form_.clientAreaInWindow(), p)) return ui::HTCLIENT;
  if (p.y < kBorder + kCaption) return ui::HTCAPTION;
  return ui::HTOBJECT;
}

void DemoFrame::paint(gfx::Bitmap& bmp) const {
  gfx::Canvas c(bmp);
  const bool active = form_.active();
  const gfx::Color edge = active ? gfx::Color::rgb(40, 80, 160) : gfx::Color::rgb(120, 130, 150);
  c.fillRect(bmp.rect(), edge);
  const gfx::Rect caption{kBorder, kBorder, form_.width() - kBorder, kBorder + kCaption};
  // A vertical gradient, one line per row.
  for (int y = caption.top; y < caption.bottom; ++y) {
    const int k = (y - caption.top) * 255 / kCaption;
    c.fillRect(
        {caption.left, y, caption.right, y + 1},
        active ? gfx::Color::rgb(90 + k / 4, 140 + k / 5, 220) : gfx::Color::rgb(170, 175, 185));
  }
  gfx::Font f;
  f.name = "Liberation Sans";
  f.height = 14;
  f.bold = true;
  f.color = gfx::kWhite;
  c.setFont(f);
  gfx::Rect tr{caption.left + 6, caption.top, closeBox().left - 4, caption.bottom};
  c.drawText(form_.caption(), tr, gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextEndEllipsis);
  const gfx::Rect box = closeBox();
  c.fillRect(box, closeHot_ ? gfx::Color::rgb(220, 60, 60) : gfx::Color::rgb(60, 100, 180));
  c.setPenColor(gfx::kWhite);
  c.line({box.left + 4, box.top + 4}, {box.right - 4, box.bottom - 4});
  c.line({box.right - 5, box.top + 4}, {box.left - 1 + 4, box.bottom - 4});
}

void DemoFrame::updateRegion() {
  // Rounded corners: three rows of the top and bottom left out stepwise.
  const int w = form_.width(), h = form_.height();
  if (w < 8 || h < 8) return;
  form_.setRegion(
      gfx::Region({gfx::Rect{3, 0, w - 3, 1}, gfx::Rect{2, 1, w - 2, 2}, gfx::Rect{1, 2, w - 1, 3},
                   gfx::Rect{0, 3, w, h - 3}, gfx::Rect{1, h - 3, w - 1, h - 2},
                   gfx::Rect{2, h - 2, w - 2, h - 1}, gfx::Rect{3, h - 1, w - 3, h}}));
}

void DemoFrame::hookMessage(ui::Message& m) {
  switch (m.id) {
    case ui::WM_NCCALCSIZE: {
      auto* r = ui::FromParam<gfx::Rect>(m.lparam);
      *r = {r->left + kBorder, r->top + kBorder + kCaption, r->right - kBorder,
            r->bottom - kBorder};
      return;
    }
    case ui::WM_NCHITTEST: {
      const gfx::Point s = ui::UnpackPoint(m.lparam);
      m.result = hitTest({s.x - form_.left(), s.y - form_.top()});
      return;
    }
    case ui::WM_NCPAINT:
      paint(*ui::FromParam<gfx::Bitmap>(m.lparam));
      return;
    case ui::WM_NCACTIVATE:
      form_.invalidateFrame();
      m.result = 1;
      return;
    case ui::WM_NCMOUSEMOVE: {
      const gfx::Point s = ui::UnpackPoint(m.lparam);
      const bool hot = m.wparam == ui::HTOBJECT &&
                       gfx::PtInRect(closeBox(), {s.x - form_.left(), s.y - form_.top()});
      if (hot != closeHot_) {
        closeHot_ = hot;
        form_.invalidateFrameRect(closeBox());
      }
      break;
    }
    case ui::WM_NCLBUTTONUP: {
      const gfx::Point s = ui::UnpackPoint(m.lparam);
      if (gfx::PtInRect(closeBox(), {s.x - form_.left(), s.y - form_.top()})) {
        form_.close();
        return;
      }
      break;
    }
    case ui::WM_NCLBUTTONDBLCLK:
      if (m.wparam == ui::HTCAPTION) {
        form_.setWindowState(form_.windowState() == ui::WindowState::wsMaximized
                                 ? ui::WindowState::wsNormal
                                 : ui::WindowState::wsMaximized);
        return;
      }
      break;
    case ui::WM_GETMINMAXINFO: {
      callPrevious(m);
      auto* info = ui::FromParam<ui::MinMaxInfo>(m.lparam);
      info->minTrackSize = {220, 140};
      return;
    }
    case ui::WM_MOVING: {
      // Magnetic edges: the window clings to the work area's sides.
      auto* r = ui::FromParam<gfx::Rect>(m.lparam);
      const gfx::Rect a = ui::MonitorWorkArea(form_);
      int dx = 0, dy = 0;
      if (r->left > a.left - kSnap && r->left < a.left + kSnap)
        dx = a.left - r->left;
      else if (r->right > a.right - kSnap && r->right < a.right + kSnap)
        dx = a.right - r->right;
      if (r->top > a.top - kSnap && r->top < a.top + kSnap)
        dy = a.top - r->top;
      else if (r->bottom > a.bottom - kSnap && r->bottom < a.bottom + kSnap)
        dy = a.bottom - r->bottom;
      *r = gfx::OffsetRect(*r, dx, dy);
      break;
    }
    case ui::WM_SIZE:
      callPrevious(m);
      updateRegion();
      form_.invalidateFrame();
      return;
    case ui::WM_SETTEXT:
      callPrevious(m);
      form_.invalidateFrame();
      return;
    default:
      break;
  }
  callPrevious(m);
}

}  // namespace demo

// The plain hint window.
#include "ui/hint_window.h"

namespace ui {

namespace {
constexpr int kHintMargin = 2;
}

HintWindow::HintWindow(Component* owner) : WinControl(owner, WindowKind::HintPopup) {
  setColor(gfx::SystemColor(gfx::SysColor::InfoBackground));
  gfx::Font f = font();
  f.name = "MS Sans Serif";
  f.color = gfx::SystemColor(gfx::SysColor::InfoText);
  setFont(f);
}

gfx::Rect HintWindow::calcHintRect(int maxWidth, const std::string& hint) {
  gfx::Rect r{0, 0, maxWidth > 0 ? maxWidth : 0, 0};
  gfx::Bitmap probe(1, 1);
  gfx::Canvas c(probe);
  c.setFont(font());
  unsigned flags = gfx::kTextCalcRect | gfx::kTextLeft | gfx::kTextNoPrefix;
  if (maxWidth > 0) flags |= gfx::kTextWordBreak;
  c.drawText(hint, r, flags);
  return {0, 0, r.width() + 2 * kHintMargin + 4, r.height() + 2 * kHintMargin};
}

void HintWindow::activateHint(const gfx::Rect& rect, const std::string& hint) {
  setText(hint);
  setBounds(rect.left, rect.top, rect.width(), rect.height());
  show();
  invalidate();
}

void HintWindow::releaseHint() { hide(); }

void HintWindow::paint(gfx::Canvas& canvas) {
  const gfx::Rect r = clientRect();
  canvas.fillRect(r, color());
  canvas.frameRect(r, gfx::SystemColor(gfx::SysColor::WindowFrame));
  canvas.setFont(font());
  gfx::Rect tr{r.left + kHintMargin + 2, r.top + kHintMargin, r.right - kHintMargin,
               r.bottom - kHintMargin};
  canvas.drawText(text(), tr, gfx::kTextLeft | gfx::kTextNoPrefix | gfx::kTextWordBreak);
}

}  // namespace ui

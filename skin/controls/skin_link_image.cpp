// The link picture: its size, its paint and the click that opens its address.
#include "skin/controls/skin_link_image.h"

#include "ui/graphics/canvas.h"

namespace skin {

TbsSkinLinkImage::TbsSkinLinkImage(ui::Component* owner) : ui::GraphicControl(owner) {
  setCursor(ui::Cursor::HandPoint);
  setBounds(0, 0, 105, 105);
}

void TbsSkinLinkImage::setPicture(const gfx::Bitmap& picture) {
  picture_ = picture;
  applyAutoSize();
  invalidate();
}

void TbsSkinLinkImage::setAutoSize(bool on) {
  autoSize_ = on;
  applyAutoSize();
}

void TbsSkinLinkImage::setStretch(bool on) {
  if (on == stretch_) return;
  stretch_ = on;
  invalidate();
}

void TbsSkinLinkImage::applyAutoSize() { setBounds(left(), top(), width(), height()); }

void TbsSkinLinkImage::setBounds(int left, int top, int width, int height) {
  if (autoSize_ && !picture_.empty()) {
    width = picture_.width();
    height = picture_.height();
  }
  ui::GraphicControl::setBounds(left, top, width, height);
}

void TbsSkinLinkImage::click() {
  ui::GraphicControl::click();
  lastResult_ = platform::ShellOpen(url_);
  if (OnOpenResult) OnOpenResult(*this, lastResult_);
}

void TbsSkinLinkImage::paint(gfx::Canvas& canvas) {
  if (picture_.empty()) return;
  if (stretch_) {
    canvas.copyRect(clientRect(), picture_, picture_.rect());
  } else {
    canvas.draw(0, 0, picture_);
  }
}

}  // namespace skin

// TbsSkinLinkImage: a picture that opens a web address when clicked. It
// takes its picture's size (AutoSize), shows the hand cursor, and a click
// fires OnClick first and then opens URL with the desktop's default handler.
// Only http: and https: addresses are opened; the result of the last click
// is kept and told to OnOpenResult, so a refused or failed address is
// never taken for an opened one.
#pragma once

#include <functional>
#include <string>

#include "platform/shell.h"
#include "ui/graphic_control.h"
#include "ui/graphics/bitmap.h"

namespace skin {

class TbsSkinLinkImage : public ui::GraphicControl {
 public:
  explicit TbsSkinLinkImage(ui::Component* owner);

  const std::string& URL() const { return url_; }
  void setURL(const std::string& url) { url_ = url; }
  const gfx::Bitmap& Picture() const { return picture_; }
  // Copies the picture; with AutoSize the control takes its size.
  void setPicture(const gfx::Bitmap& picture);
  bool AutoSize() const { return autoSize_; }
  void setAutoSize(bool on);
  bool Stretch() const { return stretch_; }
  void setStretch(bool on);

  // With AutoSize and a picture, the size stays the picture's.
  void setBounds(int left, int top, int width, int height) override;
  // Fires OnClick, then opens URL.
  void click() override;
  // What became of the last click's address (Refused before any click).
  platform::ShellOpenResult LastOpenResult() const { return lastResult_; }
  std::function<void(TbsSkinLinkImage&, platform::ShellOpenResult)> OnOpenResult;

 protected:
  void paint(gfx::Canvas& canvas) override;

 private:
  void applyAutoSize();

  std::string url_;
  gfx::Bitmap picture_;
  bool autoSize_ = true;
  bool stretch_ = false;
  platform::ShellOpenResult lastResult_ = platform::ShellOpenResult::Refused;
};

}  // namespace skin

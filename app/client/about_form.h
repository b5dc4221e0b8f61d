// The about window "关于": a dialog, always on top, centred on the main
// window, that is all one picture (the program's name and the project's
// web address). A click on it closes the window and then opens the address
// with the desktop's default handler; the window also closes as soon as it
// loses activation. No flow of the client opens it.
#pragma once

#include "ui/form.h"

namespace skin {
class TbsFormFrame;
class TbsSkinLinkImage;
}  // namespace skin

namespace app {

class ClientShared;

// The address the about picture carries: the project's web site.
inline constexpr const char* kAboutAddress = "https://kavro.example.org/";
// The picture the program carries for it, and its size (the window's
// client size).
inline constexpr const char* kAboutPictureName = "about.jpg";
inline constexpr int kAboutPictureWidth = 482;
inline constexpr int kAboutPictureHeight = 236;

class TAboutForm : public ui::Form {
 public:
  explicit TAboutForm(ClientShared& shared, ui::Component* owner = nullptr);

  skin::TbsFormFrame* bsFormFrame1 = nullptr;
  skin::TbsSkinLinkImage* bsSkinLinkImage1 = nullptr;

  void bsSkinLinkImage1Click();
  void bsFormFrame1DeActivate();

 private:
  ClientShared& shared_;
};

}  // namespace app

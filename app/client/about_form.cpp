// The about window: its picture, read from the JPEG the program carries,
// and its two ways of closing.
#include "app/client/about_form.h"

#include <array>

#include "app/client/client_shared.h"
#include "app/client/control_table.h"
#include "app/client/jpeg_picture.h"
#include "resources/builtin_pictures.h"
#include "skin/controls/skin_link_image.h"
#include "skin/frame/form_frame.h"

namespace app {

namespace {

const std::array<ControlRow, 1> kControls = {{
    {"bsSkinLinkImage1",
     "",
     ui::Align::alClient,
     {0, 0, kAboutPictureWidth, kAboutPictureHeight},
     "",
     nullptr,
     ControlSkin::None,
     [](ui::Component* o) -> ui::Control* {
       auto* image = new skin::TbsSkinLinkImage(o);
       // The window gives the picture its place; the picture is drawn at its
       // own size from the top-left corner.
       image->setAutoSize(false);
       image->setCursor(ui::Cursor::HandPoint);
       image->setURL(kAboutAddress);
       return image;
     }},
}};

// The picture the program carries. It is built into the program, so it
// fails to read only if the build went wrong; the window then shows its
// plain background and the click still opens the address.
gfx::Bitmap AboutPicture() {
  try {
    return DecodeJpeg(BuiltinPicture(kAboutPictureName));
  } catch (const JpegError&) {
    return {};
  }
}

}  // namespace

TAboutForm::TAboutForm(ClientShared& shared, ui::Component* owner)
    : ui::Form(owner), shared_(shared) {
  setName("AboutForm");
  setCaption("关于");
  setBorderStyle(ui::BorderStyle::bsDialog);
  setFormStyle(ui::FormStyle::fsStayOnTop);
  setPosition(ui::Position::poMainFormCenter);
  bsFormFrame1 = MakeClientFrame(*this, shared_, frame_settings::kAbout);
  // The picture is exactly the client area: the frame keeps that size
  // whatever the borders of the skin, so the picture is never cut.
  bsFormFrame1->ClientWidth = kAboutPictureWidth;
  bsFormFrame1->ClientHeight = kAboutPictureHeight;
  setClientSize(kAboutPictureWidth, kAboutPictureHeight);
  BuildControls(*this, kControls, shared_.skinData());
  bsSkinLinkImage1 = FindControl<skin::TbsSkinLinkImage>(*this, "bsSkinLinkImage1");
  bsSkinLinkImage1->setPicture(AboutPicture());
  // The link picture closes the window before it opens the address.
  bsSkinLinkImage1->onClick = [this](ui::Control&) { bsSkinLinkImage1Click(); };
  bsFormFrame1->OnDeActivate = [this](skin::TbsFormFrame&) { bsFormFrame1DeActivate(); };
  afterConstruction();
}

void TAboutForm::bsSkinLinkImage1Click() { close(); }

void TAboutForm::bsFormFrame1DeActivate() { close(); }

}  // namespace app

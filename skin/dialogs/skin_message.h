// TbsSkinMessage: the component that shows a modal message window drawn
// with the skin (an icon for the kind, the text and a row of buttons) and
// answers the result of the button pressed. The window, a TbsMessageForm,
// is made anew for each message and destroyed when it is answered.
#pragma once

#include <functional>
#include <string>

#include "skin/data/skin_data.h"
#include "skin/dialogs/dialog_skins.h"
#include "skin/dialogs/message_layout.h"
#include "ui/component.h"
#include "ui/form.h"
#include "ui/graphics/font.h"

namespace skin {

class TbsFormFrame;
class TbsSkinStdLabel;
class TbsSkinButton;

// The message window; its controls are found by their names ("Message",
// "Image" and the button names "Yes", "No", ...).
class TbsMessageForm : public ui::Form {
 public:
  explicit TbsMessageForm(ui::Component* owner = nullptr);
  int HelpContext = 0;
  TbsFormFrame* frame() const { return frame_; }
  TbsSkinStdLabel* messageLabel() const { return label_; }
  TbsSkinButton* button(TMsgDlgBtn b) const;

 private:
  friend class TbsSkinMessage;
  TbsFormFrame* frame_ = nullptr;
  TbsSkinStdLabel* label_ = nullptr;
};

class TbsSkinMessage : public ui::Component, public DialogSkins {
 public:
  explicit TbsSkinMessage(ui::Component* owner = nullptr);
  ~TbsSkinMessage() override;

  std::string ButtonSkinDataName = "button";
  std::string MessageLabelSkinDataName = "stdlabel";
  gfx::Font DefaultFont;        // Arial, 14 pixels
  gfx::Font DefaultButtonFont;  // Arial, 14 pixels
  bool UseSkinFont = true;
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue = 200;

  // Builds the window, shows it modally, destroys it and answers the
  // pressed button's result (2 when the window was closed by its frame).
  int ExecuteMessage(const std::string& text, TMsgDlgType kind, TMsgDlgButtons buttons,
                     int helpContext = 0);

  // Builds the window without showing it (the caller owns it).
  TbsMessageForm* BuildMessageForm(const std::string& text, TMsgDlgType kind,
                                   TMsgDlgButtons buttons);

  // The application's help for a help context (the Help button).
  std::function<void(int helpContext)> OnHelp;
  // Told with the window once it is shown, before the user answers (tests
  // and previews answer it from here).
  std::function<void(TbsMessageForm&)> OnShown;

  // The message component ShowMessage uses (null: one in the default look).
  static void setApplicationMessage(TbsSkinMessage* message);
  static TbsSkinMessage* applicationMessage();
};

// Shows text as a message of the kind with one Yes button, application-
// modally, through the application's message component.
int ShowMessage(const std::string& text, TMsgDlgType kind);

}  // namespace skin

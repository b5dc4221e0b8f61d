// Building and showing the skinned message window.
#include "skin/dialogs/skin_message.h"

#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "resources/builtin_pictures.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_std_label.h"
#include "skin/frame/form_frame.h"
#include "ui/application.h"
#include "ui/graphic_control.h"
#include "ui/monitor.h"

namespace skin {

namespace {

TbsSkinMessage* gApplicationMessage = nullptr;

// The kind's picture, drawn over the window's background.
class MessageIcon : public ui::GraphicControl {
 public:
  MessageIcon(ui::Component* owner, const char* iconName) : ui::GraphicControl(owner) {
    setTransparent(true);
    const auto bytes = app::BuiltinPicture(std::string("message-") + iconName + "-32.png");
    image_.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "PNG");
  }

 protected:
  void paint(gfx::Canvas& canvas) override {
    if (image_.isNull()) return;
    QPainter p(&canvas.bitmap().image());
    p.drawImage(QRect(0, 0, width(), height()), image_);
  }

 private:
  QImage image_;
};

}  // namespace

TbsMessageForm::TbsMessageForm(ui::Component* owner) : ui::Form(owner) {}

TbsSkinButton* TbsMessageForm::button(TMsgDlgBtn b) const {
  return dynamic_cast<TbsSkinButton*>(findComponent(MessageButtonTable()[b].name));
}

TbsSkinMessage::TbsSkinMessage(ui::Component* owner) : ui::Component(owner) {
  DefaultFont.name = "Arial";
  DefaultFont.height = 14;
  DefaultButtonFont = DefaultFont;
}

TbsSkinMessage::~TbsSkinMessage() {
  if (gApplicationMessage == this) gApplicationMessage = nullptr;
}

TbsMessageForm* TbsSkinMessage::BuildMessageForm(const std::string& message, TMsgDlgType kind,
                                                 TMsgDlgButtons buttons) {
  using M = MessageMetrics;
  auto* form = new TbsMessageForm(nullptr);
  form->setBorderStyle(ui::BorderStyle::bsDialog);
  form->setPosition(ui::Position::poScreenCenter);
  form->setKeyPreview(true);
  auto* frame = new TbsFormFrame(form);
  form->frame_ = frame;
  frame->setBorderIcons(TbsBorderIcons::none());
  frame->setSkinData(SkinData());
  frame->setMenusSkinData(CtrlSkinData());
  frame->setAlphaBlend(AlphaBlend);
  frame->AlphaBlendAnimation = AlphaBlendAnimation;
  frame->setAlphaBlendValue(AlphaBlendValue);

  // Buttons are as high as the skin's button picture, else 25.
  int buttonHeight = M::kButtonHeight;
  if (CtrlSkinData() != nullptr && !CtrlSkinData()->Empty()) {
    const int i = CtrlSkinData()->FindControlData(ButtonSkinDataName);
    if (i >= 0) {
      const auto* b = dynamic_cast<const TbsDataSkinButtonControl*>(
          CtrlSkinData()->ControlDataList()[static_cast<std::size_t>(i)].get());
      if (b != nullptr && b->skinRect.height() > 0) buttonHeight = b->skinRect.height();
    }
  }

  const MessageKindInfo& info = MessageKind(kind);
  form->setCaption(info.resourceKey == nullptr ? ui::Application::instance().title()
                                               : text(info.resourceKey, info.caption));

  auto* label = new TbsSkinStdLabel(form);
  label->setName("Message");
  form->label_ = label;
  label->setParent(form);
  label->setFont(DefaultFont);
  label->setDefaultFont(DefaultFont);
  label->setUseSkinFont(UseSkinFont);
  label->SetSkinDataName(MessageLabelSkinDataName);
  label->setAutoSize(true);
  label->setBounds(M::kTextLeft, M::kTextTop, 0, 0);
  label->SetSkinData(CtrlSkinData());
  label->setCaption(message);
  label->AdjustBounds();
  // A text wider than the screen allows wraps, and one taller is cut, so
  // that the window stays on the screen and its buttons stay reachable.
  const gfx::Rect work = ui::PrimaryWorkArea();
  const int maxTextWidth = std::max(200, work.width() - M::kTextLeft - M::kContentMargin - 40);
  if (label->width() > maxTextWidth) {
    label->setWordWrap(true);
    label->setBounds(M::kTextLeft, M::kTextTop, maxTextWidth, label->height());
    label->AdjustBounds();
  }
  const int maxTextHeight = std::max(40, work.height() - buttonHeight - M::kExtraHeight - 80);
  if (label->height() > maxTextHeight) {
    label->setAutoSize(false);
    label->setBounds(M::kTextLeft, M::kTextTop, label->width(), maxTextHeight);
  }

  const MessageLayout layout =
      LayoutMessage({label->width(), label->height()}, buttons, buttonHeight);
  if (info.iconName != nullptr) {
    auto* icon = new MessageIcon(form, info.iconName);
    icon->setName("Image");
    icon->setParent(form);
    icon->setBoundsRect(layout.iconRect);
  }

  form->setClientSize(layout.clientWidth, layout.clientHeight);
  if (frame->MaxFrameWidth() < form->width()) {
    form->setWidth(frame->MaxFrameWidth());
  } else if (frame->MinFrameWidth() > form->width()) {
    form->setWidth(frame->MinFrameWidth());
  }
  const gfx::Size screen = ui::PrimaryScreenSize();
  form->setLeft(gfx::Div(screen.width, 2) - gfx::Div(form->width(), 2));
  form->setTop(gfx::Div(screen.height, 2) - gfx::Div(form->height(), 2));

  const std::vector<gfx::Rect> rects = layout.buttonRects(form->clientWidth());
  for (std::size_t i = 0; i < layout.buttons.size(); ++i) {
    const int index = layout.buttons[i];
    const MessageButtonInfo& b = MessageButtonTable()[static_cast<std::size_t>(index)];
    auto* button = new TbsSkinButton(form);
    button->setName(b.name);
    button->setParent(form);
    button->setCanFocused(true);
    button->setCaption(text(b.resourceKey, b.caption));
    button->setModalResult(b.result);
    if (index == layout.defaultButton) button->setDefault(true);
    if (index == layout.cancelButton) button->setCancel(true);
    button->setDefaultHeight(buttonHeight);
    button->setDefaultFont(DefaultButtonFont);
    button->setUseSkinFont(UseSkinFont);
    button->SetSkinDataName(ButtonSkinDataName);
    button->setBoundsRect(rects[i]);
    button->SetSkinData(CtrlSkinData());
    if (index == mbHelp) {
      button->OnClick = [this, form](ui::Control&) {
        if (OnHelp) OnHelp(form->HelpContext);
      };
    }
  }
  return form;
}

int TbsSkinMessage::ExecuteMessage(const std::string& message, TMsgDlgType kind,
                                   TMsgDlgButtons buttons, int helpContext) {
  std::unique_ptr<TbsMessageForm> form(BuildMessageForm(message, kind, buttons));
  form->HelpContext = helpContext;
  if (OnShown) {
    TbsMessageForm* f = form.get();
    QTimer::singleShot(0, f->widget(), [this, f] {
      if (OnShown) OnShown(*f);
    });
  }
  return form->showModal();
}

void TbsSkinMessage::setApplicationMessage(TbsSkinMessage* message) {
  gApplicationMessage = message;
}

TbsSkinMessage* TbsSkinMessage::applicationMessage() { return gApplicationMessage; }

int ShowMessage(const std::string& text, TMsgDlgType kind) {
  if (TbsSkinMessage* m = TbsSkinMessage::applicationMessage())
    return m->ExecuteMessage(text, kind, MessageButtons({mbYes}));
  TbsSkinMessage plain;
  return plain.ExecuteMessage(text, kind, MessageButtons({mbYes}));
}

}  // namespace skin

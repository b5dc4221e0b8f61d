// The window-table builder, the plain picture control, the wait cursor and
// the message helper of the login and course windows.
#include "app/client/login_form_parts.h"

#include <QApplication>
#include <QPainter>
#include <stdexcept>

#include "app/client/client_shared.h"
#include "platform/browser/web_browser.h"
#include "resources/builtin_pictures.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_menu_button.h"
#include "skin/controls/skin_page_control.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_password_edit.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_std_label.h"
#include "ui/form.h"
#include "ui/widget_host.h"

namespace app {

namespace {

// Gives a skinned control its section and the skin data it draws from.
template <class T>
T* Skinned(T* control, const ControlRow& row, skin::TbsSkinData* skinData) {
  if (row.section != nullptr && *row.section != '\0') control->SetSkinDataName(row.section);
  control->SetSkinData(skinData);
  return control;
}

ui::Control* MakeControl(ui::Form& form, const ControlRow& row, skin::TbsSkinData* data) {
  switch (row.cls) {
    case ControlClass::PageControl:
      return Skinned(new skin::TbsSkinPageControl(&form), row, data);
    case ControlClass::TabSheet:
      return new skin::TbsSkinTabSheet(&form);
    case ControlClass::TextLabel:
      return Skinned(new skin::TbsSkinTextLabel(&form), row, data);
    case ControlClass::StdLabel:
      return Skinned(new skin::TbsSkinStdLabel(&form), row, data);
    case ControlClass::ComboBox:
    case ControlClass::EditCombo: {
      auto* c = new skin::TbsSkinComboBox(&form);
      if (row.cls == ControlClass::EditCombo)
        c->setStyle(skin::TbsSkinCustomComboBoxStyle::bscbEditStyle);
      return Skinned(c, row, data);
    }
    case ControlClass::Edit:
      return Skinned(new skin::TbsSkinEdit(&form), row, data);
    case ControlClass::PasswordEdit:
      return Skinned(new skin::TbsSkinPasswordEdit(&form), row, data);
    case ControlClass::SpeedButton:
      return Skinned(new skin::TbsSkinSpeedButton(&form), row, data);
    case ControlClass::MenuButton:
      return Skinned(new skin::TbsSkinMenuButton(&form), row, data);
    case ControlClass::GroupBox:
      return Skinned(new skin::TbsSkinGroupBox(&form), row, data);
    case ControlClass::Picture:
      return new WindowPicture(&form, row.section);
    case ControlClass::Browser: {
      auto* host = new ui::WidgetHost(&form);
      host->setHostedWidget(new platform::WebBrowser);
      return host;
    }
  }
  throw std::logic_error("window table: unknown control class");
}

}  // namespace

std::map<std::string, ui::Control*> BuildControls(ui::Form& form, skin::TbsSkinData* skinData,
                                                  std::span<const ControlRow> rows) {
  std::map<std::string, ui::Control*> built;
  for (const ControlRow& row : rows) {
    ui::WinControl* container = &form;
    if (*row.container != '\0') {
      auto it = built.find(row.container);
      container = it == built.end() ? nullptr : dynamic_cast<ui::WinControl*>(it->second);
      if (container == nullptr)
        throw std::logic_error(std::string("window table: ") + row.name +
                               " comes before its container " + row.container);
    }
    ui::Control* c = MakeControl(form, row, skinData);
    c->setName(row.name);
    if (row.cls == ControlClass::TabSheet) {
      auto* pages = dynamic_cast<skin::TbsSkinPageControl*>(container);
      if (pages == nullptr)
        throw std::logic_error(std::string("window table: tab ") + row.name +
                               " is not inside a page control");
      static_cast<skin::TbsSkinTabSheet*>(c)->setPageControl(pages);
    } else {
      c->setParent(container);
      c->setBounds(row.left, row.top, row.width, row.height);
    }
    if (row.caption != nullptr && *row.caption != '\0') {
      if (auto* lines = dynamic_cast<skin::TbsSkinTextLabel*>(c))
        lines->setLines({row.caption});
      else
        c->setCaption(row.caption);
    }
    built.emplace(row.name, c);
  }
  return built;
}

WindowPicture::WindowPicture(ui::Component* owner, std::string_view pictureName)
    : ui::GraphicControl(owner) {
  setTransparent(true);
  const auto bytes = BuiltinPicture(pictureName);
  picture_.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "PNG");
}

void WindowPicture::paint(gfx::Canvas& canvas) {
  if (picture_.isNull()) return;
  QPainter p(&canvas.bitmap().image());
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRect(0, 0, width(), height()), picture_);
}

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

void ShowUserMessage(ClientShared& shared, const UserMessage& message) {
  skin::TMsgDlgType kind = skin::TMsgDlgType::mtInformation;
  switch (message.kind) {
    case UserMessage::Kind::Warning:
      kind = skin::TMsgDlgType::mtWarning;
      break;
    case UserMessage::Kind::Error:
      kind = skin::TMsgDlgType::mtError;
      break;
    case UserMessage::Kind::Information:
      break;
  }
  shared.showMessage(message.text, kind);
}

}  // namespace app

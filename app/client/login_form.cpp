// The login window: its controls, the settings it loads and saves, the
// advanced settings, the proxy choices and the login step.
#include "app/client/login_form.h"

#include <array>
#include <cmath>
#include <exception>

#include <QTimer>
#include <QWidget>

#include "app/client/client_shared.h"
#include "app/client/course_form.h"
#include "app/client/login_form_parts.h"
#include "app/core/login_request.h"
#include "app/core/proxy_resolution.h"
#include "app/crash/crash_reporter.h"
#include "platform/browser/browser_profile.h"
#include "platform/browser/web_browser.h"
#include "platform/browser_settings.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_menu_button.h"
#include "skin/controls/skin_page_control.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_password_edit.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_std_label.h"
#include "skin/frame/form_frame.h"
#include "ui/monitor.h"

namespace app {

namespace {

constexpr int kClientWidth = 392;
constexpr int kClientHeight = 246;

// Every control of the window, containers before what they hold; places are
// inside the container. The pictures beside the three rows are our own.
using C = ControlClass;
constexpr std::array<ControlRow, 31> kLoginControls{{
    {"PageControl1", C::PageControl, "", 0, 0, kClientWidth, 189, "", "tab"},
    {"bsSkinTabSheet1", C::TabSheet, "PageControl1", 0, 0, 0, 0, "进入虚拟教室", ""},
    {"bsSkinTextLabel3", C::TextLabel, "bsSkinTabSheet1", 14, 22, 110, 13, "服务器", "stdlabel"},
    {"bsSkinComboBox1", C::EditCombo, "bsSkinTabSheet1", 128, 18, 141, 20, "", "combobox"},
    {"bsSkinTextLabel1", C::TextLabel, "bsSkinTabSheet1", 15, 76, 110, 13, "教室号码", "stdlabel"},
    {"bsSkinEdit1", C::Edit, "bsSkinTabSheet1", 130, 72, 141, 18, "", "edit"},
    {"bsSkinTextLabel2", C::TextLabel, "bsSkinTabSheet1", 15, 130, 109, 13, "进入口令", "stdlabel"},
    {"bsSkinPasswordEdit1", C::PasswordEdit, "bsSkinTabSheet1", 130, 126, 141, 21, "", "edit"},
    {"Image2", C::Picture, "bsSkinTabSheet1", 20, 4, 44, 42, "", "login-server.png"},
    {"Image3", C::Picture, "bsSkinTabSheet1", 20, 56, 46, 47, "", "login-classroom.png"},
    {"Image1", C::Picture, "bsSkinTabSheet1", 20, 109, 46, 51, "", "login-key.png"},
    {"bsSkinMenuButton1", C::MenuButton, "", 7, 207, 87, 25, "高级设置", "toolmenubutton"},
    {"bsSkinButton1", C::SpeedButton, "", 191, 208, 85, 25, "进入教室", "toolbutton"},
    {"bsSkinButton2", C::SpeedButton, "", 287, 208, 85, 25, "退出系统", "toolbutton"},
    {"bsSkinGroupBox2", C::GroupBox, "", 6, 256, 369, 63, "其他选项", "groupbox"},
    {"bsSkinStdLabel1", C::StdLabel, "bsSkinGroupBox2", 11, 28, 35, 29, "界面\n风格", "stdlabel"},
    {"bsSkinComboBox2", C::ComboBox, "bsSkinGroupBox2", 48, 28, 99, 25, "", "combobox"},
    {"bsSkinStdLabel7", C::StdLabel, "bsSkinGroupBox2", 184, 36, 47, 13, "连接端口：", "stdlabel"},
    {"bsSkinEdit5", C::Edit, "bsSkinGroupBox2", 236, 31, 65, 18, "", "edit"},
    {"bsSkinGroupBox1", C::GroupBox, "", 6, 325, 369, 130, "代理设置", "groupbox"},
    {"bsSkinStdLabel2", C::StdLabel, "bsSkinGroupBox1", 10, 32, 36, 13, "类型：", "stdlabel"},
    {"bsSkinComboBox3", C::ComboBox, "bsSkinGroupBox1", 48, 28, 120, 20, "", "combobox"},
    {"bsSkinSpeedButton1", C::SpeedButton, "bsSkinGroupBox1", 236, 29, 65, 25, "测试",
     "toolbutton"},
    {"bsSkinStdLabel3", C::StdLabel, "bsSkinGroupBox1", 10, 63, 36, 13, "地址：", "stdlabel"},
    {"bsSkinEdit2", C::Edit, "bsSkinGroupBox1", 48, 60, 121, 18, "", "edit"},
    {"bsSkinStdLabel6", C::StdLabel, "bsSkinGroupBox1", 199, 63, 36, 13, "端口：", "stdlabel"},
    {"bsSkinEdit3", C::Edit, "bsSkinGroupBox1", 236, 60, 65, 18, "", "edit"},
    {"bsSkinStdLabel4", C::StdLabel, "bsSkinGroupBox1", 10, 91, 36, 13, "用户：", "stdlabel"},
    {"bsSkinEdit4", C::Edit, "bsSkinGroupBox1", 48, 89, 121, 18, "", "edit"},
    {"bsSkinStdLabel5", C::StdLabel, "bsSkinGroupBox1", 199, 91, 36, 13, "密码：", "stdlabel"},
    {"bsSkinPasswordEdit2", C::PasswordEdit, "bsSkinGroupBox1", 236, 85, 66, 21, "", "edit"},
}};

constexpr const char* kProxyModeItems[] = {"不使用代理", "HTTP代理", "使用浏览器设置"};

template <class T>
T* Get(const std::map<std::string, ui::Control*>& controls, const char* name) {
  return dynamic_cast<T*>(controls.at(name));
}

}  // namespace

TLoginForm::TLoginForm(ClientShared& shared, ui::Component* owner)
    : ui::Form(owner),
      shared_(shared),
      client_(std::make_unique<HttpClient>()),
      browserSettingsPath_(platform::BrowserSettings::defaultPath()) {
  setName("LoginForm");
  setCaption("进入教室");
  setBorderStyle(ui::BorderStyle::bsDialog);
  setFormStyle(ui::FormStyle::fsStayOnTop);
  setPosition(ui::Position::poScreenCenter);
  gfx::Font font;
  font.name = "新宋体";
  font.height = 12;
  setFont(font);
  frame_ = MakeClientFrame(*this, shared_, frame_settings::kLogin);
  setClientSize(kClientWidth, kClientHeight);

  const auto controls = BuildControls(*this, &shared_.skinData(), kLoginControls);
  PageControl1 = Get<skin::TbsSkinPageControl>(controls, "PageControl1");
  bsSkinComboBox1 = Get<skin::TbsSkinComboBox>(controls, "bsSkinComboBox1");
  bsSkinEdit1 = Get<skin::TbsSkinEdit>(controls, "bsSkinEdit1");
  bsSkinPasswordEdit1 = Get<skin::TbsSkinPasswordEdit>(controls, "bsSkinPasswordEdit1");
  bsSkinMenuButton1 = Get<skin::TbsSkinMenuButton>(controls, "bsSkinMenuButton1");
  bsSkinButton1 = Get<skin::TbsSkinSpeedButton>(controls, "bsSkinButton1");
  bsSkinButton2 = Get<skin::TbsSkinSpeedButton>(controls, "bsSkinButton2");
  bsSkinGroupBox1 = Get<skin::TbsSkinGroupBox>(controls, "bsSkinGroupBox1");
  bsSkinGroupBox2 = Get<skin::TbsSkinGroupBox>(controls, "bsSkinGroupBox2");
  bsSkinComboBox2 = Get<skin::TbsSkinComboBox>(controls, "bsSkinComboBox2");
  bsSkinEdit5 = Get<skin::TbsSkinEdit>(controls, "bsSkinEdit5");
  bsSkinComboBox3 = Get<skin::TbsSkinComboBox>(controls, "bsSkinComboBox3");
  bsSkinSpeedButton1 = Get<skin::TbsSkinSpeedButton>(controls, "bsSkinSpeedButton1");
  bsSkinEdit2 = Get<skin::TbsSkinEdit>(controls, "bsSkinEdit2");
  bsSkinEdit3 = Get<skin::TbsSkinEdit>(controls, "bsSkinEdit3");
  bsSkinEdit4 = Get<skin::TbsSkinEdit>(controls, "bsSkinEdit4");
  bsSkinPasswordEdit2 = Get<skin::TbsSkinPasswordEdit>(controls, "bsSkinPasswordEdit2");

  // The settings of the controls that differ from their classes' defaults.
  PageControl1->setAlign(ui::Align::alTop);
  gfx::Font tabFont;
  tabFont.name = "Arial";
  tabFont.height = 14;
  PageControl1->setDefaultFont(tabFont);
  PageControl1->setUseSkinFont(false);
  PageControl1->setTabHeight(20);
  for (const auto& [name, control] : controls) {
    if (auto* label = dynamic_cast<skin::TbsSkinTextLabel*>(control)) {
      label->setAlignment(skin::LabelAlignment::Right);
    } else if (auto* combo = dynamic_cast<skin::TbsSkinComboBox*>(control)) {
      combo->setUseSkinSize(true);
      combo->setListBoxUseSkinFont(true);
      combo->setListBoxUseSkinItemHeight(true);
      combo->setListBoxDefaultItemHeight(20);
      combo->setDropDownCount(8);
    } else if (auto* secret = dynamic_cast<skin::TbsSkinPasswordEdit*>(control)) {
      secret->setPasswordKind(skin::TbsPasswordKind::pkRoundRect);
    } else if (auto* group = dynamic_cast<skin::TbsSkinGroupBox*>(control)) {
      group->setBorderStyle(skin::TbsSkinBorderStyle::bvNone);
    }
  }
  bsSkinComboBox1->setTabOrder(0);
  bsSkinEdit1->setTabOrder(1);
  bsSkinPasswordEdit1->setTabOrder(2);
  bsSkinComboBox2->setItems({std::begin(kSkinSelectorItems), std::end(kSkinSelectorItems)});
  bsSkinComboBox3->setItems({std::begin(kProxyModeItems), std::end(kProxyModeItems)});
  selectQuietly(*bsSkinComboBox3, kProxyModeNone);
  bsSkinEdit5->setEditText("80");
  // The proxy boxes stay grey until the HTTP proxy is chosen.
  for (skin::TbsSkinEdit* box : {bsSkinEdit2, bsSkinEdit3, bsSkinEdit4}) {
    gfx::Font grey = box->DefaultFont();
    grey.color = gfx::Color::rgb(128, 128, 128);
    box->setDefaultFont(grey);
    box->setEnabled(false);
  }
  bsSkinSpeedButton1->setEnabled(false);

  bsSkinComboBox2->OnChange = [this](ui::Control&) {
    if (!quiet_) bsSkinComboBox2Change();
  };
  bsSkinComboBox3->OnChange = [this](ui::Control&) {
    if (!quiet_) bsSkinComboBox3Change();
  };
  bsSkinMenuButton1->OnClick = [this](ui::Control&) { bsSkinMenuButton1Click(); };
  bsSkinSpeedButton1->OnClick = [this](ui::Control&) { bsSkinSpeedButton1Click(); };
  bsSkinButton1->OnClick = [this](ui::Control&) { bsSkinButton1Click(); };
  bsSkinButton2->OnClick = [this](ui::Control&) { bsSkinButton2Click(); };
  onShow = [this](ui::Form&) { FormShow(); };
  onCloseQuery = [this](ui::Form&, bool& canClose) { canClose = FormCloseQuery(); };
  afterConstruction();
}

TLoginForm::~TLoginForm() = default;

// --- settings -------------------------------------------------------------------------

void TLoginForm::FormShow() {
  MayClose = false;
  settings_.Load(*this);
  // The teacher starts with the server box, first in the tab order, once
  // the window is on the screen.
  QTimer::singleShot(0, widget(), [this] {
    if (activeControl() == nullptr) bsSkinComboBox1->setFocus();
  });
}

void TLoginForm::selectQuietly(skin::TbsSkinComboBox& combo, int index) {
  quiet_ = true;
  combo.setItemIndex(index);
  quiet_ = false;
}

void TLoginForm::selectSkin(int index) {
  // A stored index that names no skin (a hand-edited or damaged file) would
  // leave every window without a skin: the first skin is worn instead.
  if (index < 0 || index >= kStoredSkinCount) index = 0;
  selectQuietly(*bsSkinComboBox2, index);
  bsSkinComboBox2Change();
}

void TLoginForm::selectProxyMode(int index) { selectQuietly(*bsSkinComboBox3, index); }

void TLoginForm::setProxyBoxes(const std::string& server, const std::string& port,
                               const std::string& user, const std::string& password) {
  bsSkinEdit2->setEditText(server);
  bsSkinEdit3->setEditText(port);
  bsSkinEdit4->setEditText(user);
  bsSkinPasswordEdit2->setPasswordText(password);
}

void TLoginForm::proxyModeChanged() { bsSkinComboBox3Change(); }

void TLoginForm::setServerBoxes(const std::string& server, const std::string& port,
                                const std::string& classroom) {
  bsSkinComboBox1->setComboText(server);
  bsSkinEdit5->setEditText(port);
  bsSkinEdit1->setEditText(classroom);
}

// --- selectors and the advanced settings ---------------------------------------------

void TLoginForm::bsSkinComboBox2Change() {
  // A skin that cannot be read leaves the windows as they are; nothing to tell.
  shared_.selectStoredSkin(bsSkinComboBox2->ItemIndex());
}

void TLoginForm::bsSkinComboBox3Change() {
  const bool httpProxy = bsSkinComboBox3->ItemIndex() == kProxyModeHttp;
  bsSkinSpeedButton1->setEnabled(httpProxy);
  bsSkinEdit2->setEnabled(httpProxy);
  bsSkinEdit3->setEnabled(httpProxy);
  bsSkinEdit4->setEnabled(httpProxy);
  bsSkinPasswordEdit2->setEnabled(httpProxy);
  if (httpProxy && bsSkinEdit2->showing()) bsSkinEdit2->setFocus();
}

void TLoginForm::bsSkinMenuButton1Click() {
  if (bsSkinMenuButton1->tag() == 0) {
    setHeight(kExpandedHeight);
    bsSkinMenuButton1->setTag(1);
  } else {
    setHeight(kCollapsedHeight);
    bsSkinMenuButton1->setTag(0);
  }
  // Centred with halves going to the even neighbour.
  const gfx::Size screen = ui::PrimaryScreenSize();
  setBounds(static_cast<int>(std::nearbyint((screen.width - width()) / 2.0)),
            static_cast<int>(std::nearbyint((screen.height - height()) / 2.0)), width(), height());
}

// --- the proxy test, the login step and the exit ---------------------------------------

LoginInput TLoginForm::input() const {
  LoginInput in;
  in.server = bsSkinComboBox1->Text();
  in.port = bsSkinEdit5->Text();
  in.classroom = bsSkinEdit1->Text();
  in.password = bsSkinPasswordEdit1->Text();
  in.skin = bsSkinComboBox2->ItemIndex();
  in.proxyMode = bsSkinComboBox3->ItemIndex();
  in.proxy = {bsSkinEdit2->Text(), bsSkinEdit3->Text(), bsSkinEdit4->Text(),
              bsSkinPasswordEdit2->Text()};
  return in;
}

void TLoginForm::showAndFocus(const UserMessage& message) {
  // The message window takes the focus; the box that had it gets it back.
  ui::WinControl* focused = activeControl();
  const std::weak_ptr<const void> alive = alive_;
  ShowUserMessage(shared_, message);
  if (alive.expired()) return;
  ui::WinControl* target = focused;
  switch (message.focus) {
    case UserMessage::Focus::Unchanged:
      break;
    case UserMessage::Focus::ServerBox:
      target = bsSkinComboBox1;
      break;
    case UserMessage::Focus::ClassroomBox:
      target = bsSkinEdit1;
      break;
    case UserMessage::Focus::ProxyAddressBox:
      target = bsSkinEdit2;
      break;
    case UserMessage::Focus::ProxyPortBox:
      target = bsSkinEdit3;
      break;
  }
  if (target != nullptr && target->canFocus()) target->setFocus();
}

void TLoginForm::bsSkinSpeedButton1Click() {
  if (loggingIn_) return;
  const LoginInput in = input();
  const std::weak_ptr<const void> alive = alive_;
  loggingIn_ = true;
  const UserMessage message =
      RunProxyTest(in.server, in.proxyMode, in.proxy, shared_.state(), *client_);
  if (alive.expired()) return;
  loggingIn_ = false;
  showAndFocus(message);
}

void TLoginForm::bsSkinButton1Click() {
  if (loggingIn_) return;  // the first press's request or course window is still open
  const std::weak_ptr<const void> alive = alive_;
  loggingIn_ = true;
  LoginOutcome out;
  {
    WaitCursor wait;
    out = SubmitLogin(input(), shared_.state(), shared_.session().client(), *client_, settings_);
  }
  // The wait dispatched events: this window, or the console with the state
  // and its client, may be gone; then nothing is left to show.
  if (alive.expired()) return;
  loggingIn_ = false;
  switch (out.step) {
    case LoginOutcome::Step::Abandoned:
      return;
    case LoginOutcome::Step::Stopped:
    case LoginOutcome::Step::Failed:
    case LoginOutcome::Step::Refused:
    case LoginOutcome::Step::SaveFailed:
      showAndFocus(out.message);
      return;
    case LoginOutcome::Step::Configure:
      if (!openCourseWindow(out.pageUrl, false)) return;
      close();  // MayClose is clear: the teacher is back in this window
      return;
    case LoginOutcome::Step::Accepted:
      MayClose = true;
      if (!openCourseWindow(out.pageUrl, true)) return;
      close();
      writeBrowserSettings();
      return;
  }
}

bool TLoginForm::openCourseWindow(const std::string& url, bool classList) {
  TCourseForm* course = shared_.windows.CourseForm;
  if (course == nullptr) return true;
  const std::weak_ptr<const void> alive = alive_;
  loggingIn_ = true;
  // After a configuration visit the class list needs its entry button again.
  course->bsSkinButton1->setVisible(classList);
  course->WB().Navigate(url);
  course->showModal();
  if (alive.expired()) return false;
  loggingIn_ = false;
  return true;
}

void TLoginForm::writeBrowserSettings() {
  try {
    platform::BrowserSettings settings(browserSettingsPath_);
    settings.setDword(platform::BrowserSettings::kSyncMode5,
                      platform::BrowserSettings::kCheckEveryVisit);
    settings.setString(platform::BrowserSettings::kDisableScriptDebugger, "yes");
    platform::BrowserProfile::reloadSettings();
  } catch (const std::exception& e) {
    // Not this window's to handle: the general error reporting tells the
    // teacher and records it.
    shared_.crash().report(std::string("The browser settings could not be written: ") + e.what());
  }
}

void TLoginForm::bsSkinButton2Click() {
  MayClose = true;
  if (shared_.closeConsole) shared_.closeConsole();
}

}  // namespace app

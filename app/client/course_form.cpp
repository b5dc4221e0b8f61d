// The course window and its class entry.
#include "app/client/course_form.h"

#include <array>

#include "app/client/client_shared.h"
#include "app/client/course_form_choice.h"
#include "app/client/login_form_parts.h"
#include "app/core/login_request.h"
#include "platform/browser/web_browser.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/frame/form_frame.h"
#include "ui/widget_host.h"

namespace app {

namespace {

using C = ControlClass;
constexpr std::array<ControlRow, 3> kCourseControls{{
    {"WB", C::Browser, "", 0, 0, 536, 345, "", ""},
    {"bsSkinButton1", C::SpeedButton, "", 163, 360, 85, 25, "登录班级", "toolbutton"},
    {"bsSkinButton2", C::SpeedButton, "", 271, 360, 85, 25, "退出系统", "toolbutton"},
}};

}  // namespace

TCourseForm::TCourseForm(ClientShared& shared, ui::Component* owner)
    : ui::Form(owner), shared_(shared) {
  setName("CourseForm");
  setBorderStyle(ui::BorderStyle::bsDialog);
  setFormStyle(ui::FormStyle::fsStayOnTop);
  setPosition(ui::Position::poScreenCenter);
  frame_ = MakeClientFrame(*this, shared_, frame_settings::kCourse);
  setClientSize(536, 405);

  auto controls = BuildControls(*this, &shared_.skinData(), kCourseControls);
  host_ = static_cast<ui::WidgetHost*>(controls.at("WB"));
  host_->setAlign(ui::Align::alTop);
  browser_ = static_cast<platform::WebBrowser*>(host_->hostedWidget());
  bsSkinButton1 = static_cast<skin::TbsSkinSpeedButton*>(controls.at("bsSkinButton1"));
  bsSkinButton2 = static_cast<skin::TbsSkinSpeedButton*>(controls.at("bsSkinButton2"));

  browser_->TitleChange = [this](platform::WebBrowser&, const std::string& title) {
    WBTitleChange(title);
  };
  bsSkinButton1->onClick = [this](ui::Control&) { bsSkinButton1Click(); };
  bsSkinButton2->onClick = [this](ui::Control&) { bsSkinButton2Click(); };
  onShow = [this](ui::Form&) { FormShow(); };
  onCloseQuery = [this](ui::Form&, bool& canClose) { canClose = FormCloseQuery(); };
  shared_.addRightClickBrowser(browser_);
  afterConstruction();
}

TCourseForm::~TCourseForm() = default;

void TCourseForm::FormShow() { MayClose = false; }

void TCourseForm::WBTitleChange(const std::string& title) {
  // Until a page has its own title the engine reports the address instead.
  if (title.find("http://") == std::string::npos) setCaption(title);
}

void TCourseForm::bsSkinButton1Click() {
  if (entering_) return;  // the first press's request still waits
  LoginState& state = shared_.state();
  const platform::HtmlDocument document = browser_->Document();
  switch (ReadClassChoice(ReadPageInputs(document.all()), state)) {
    case ClassChoice::NoChoice:
      ShowUserMessage(shared_, {UserMessage::Kind::Information, texts::kChooseClass});
      return;
    case ClassChoice::Invalid:
      ShowUserMessage(shared_, {UserMessage::Kind::Information, texts::kInvalidClassValue});
      return;
    case ClassChoice::Chosen:
      break;
  }

  const std::weak_ptr<const void> alive = alive_;
  entering_ = true;
  ClassEntryOutcome out;
  {
    WaitCursor wait;
    out = SendClassEntry(state, shared_.session().client());
  }
  // The wait dispatched events: this window, or the console with the
  // state and the client, may be gone.
  if (alive.expired()) return;
  entering_ = false;
  switch (out.step) {
    case ClassEntryOutcome::Step::Accepted:
      MayClose = true;
      close();  // ends the modal loop once this step returns
      if (shared_.loadTeacherPages) shared_.loadTeacherPages();
      return;
    case ClassEntryOutcome::Step::Failed:
    case ClassEntryOutcome::Step::Refused:
      ShowUserMessage(shared_, out.message);
      return;
    case ClassEntryOutcome::Step::Abandoned:
      return;
  }
}

void TCourseForm::bsSkinButton2Click() {
  MayClose = true;
  if (shared_.closeConsole) shared_.closeConsole();
}

}  // namespace app

#include "app/program/teacher_program.h"

#include <exception>

#include "app/client/about_form.h"
#include "app/client/course_form.h"
#include "app/client/group_form.h"
#include "app/client/login_form.h"
#include "app/client/main_form.h"
#include "app/client/view_deciding_form.h"
#include "app/client/viewmain_form.h"
#include "app/crash/crash_reporter.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/message.h"

namespace app {

// Tells once when the login window's frame is first painted.
class TeacherProgram::FirstPaintHook : public ui::MessageHook {
 public:
  explicit FirstPaintHook(TeacherProgram& program) : program_(program) {}

 protected:
  void hookMessage(ui::Message& m) override {
    callPrevious(m);
    if (m.id != ui::WM_NCPAINT || told_) return;
    told_ = true;
    if (program_.onLoginPainted) program_.onLoginPainted();
  }

 private:
  TeacherProgram& program_;
  bool told_ = false;
};

TeacherProgram::TeacherProgram(ClientShared::Options options)
    : shared_(std::make_unique<ClientShared>(std::move(options))) {}

TeacherProgram::~TeacherProgram() = default;

void TeacherProgram::createWindows() {
  ui::Application& application = ui::Application::instance();
  application.setTitle(kApplicationTitle);
  application.setExceptionHandler(
      [this](std::exception_ptr e) { shared_->crash().reportException(e); });

  ClientWindows& w = shared_->windows;
  w.MainForm = new TMainForm(*shared_);
  w.LoginForm = new TLoginForm(*shared_);
  w.CourseForm = new TCourseForm(*shared_);
  w.GroupForm = new TGroupForm(*shared_);
  w.ViewDecidingForm = new TViewDecidingForm(*shared_);
  w.AboutForm = new TAboutForm(*shared_);
  w.Viewmainform = new TViewmainform(*shared_);

  application.setHintPause(800);
  application.setHintHidePause(25000);
  shared_->installRightClickFilter();
}

int TeacherProgram::run() {
  ClientWindows& w = shared_->windows;
  firstPaint_ = std::make_unique<FirstPaintHook>(*this);
  w.LoginForm->installHook(firstPaint_.get());
  w.LoginForm->showModal();
  w.LoginForm->removeHook(firstPaint_.get());
  w.MainForm->setWindowState(ui::WindowState::wsMaximized);
  return ui::Application::instance().run();
}

}  // namespace app

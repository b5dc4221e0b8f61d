// The course window: a server page in an embedded browser, opened modally by
// the login window on the classroom's course list (or, for a classroom
// without a database, on the database configuration page with the
// class-entry button hidden). "登录班级" reads the chosen class out of the
// page, asks the server to enter it, has the console load the teacher pages
// and closes the window. Its caption follows the page title.
#pragma once

#include <memory>
#include <string>

#include "ui/form.h"

namespace platform {
class WebBrowser;
}
namespace ui {
class WidgetHost;
}
namespace skin {
class TbsFormFrame;
class TbsSkinSpeedButton;
}  // namespace skin

namespace app {

class ClientShared;

class TCourseForm : public ui::Form {
 public:
  explicit TCourseForm(ClientShared& shared, ui::Component* owner = nullptr);
  ~TCourseForm() override;

  bool MayClose = false;

  // Event handlers.
  void FormShow();
  bool FormCloseQuery() const { return MayClose; }
  void WBTitleChange(const std::string& title);
  void bsSkinButton1Click();  // enter the chosen class
  void bsSkinButton2Click();  // exit

  // The browser (its host control, named "WB", sits at the top of the window).
  platform::WebBrowser& WB() { return *browser_; }
  ui::WidgetHost* WBHost() const { return host_; }
  skin::TbsFormFrame* frame() const { return frame_; }

  skin::TbsSkinSpeedButton* bsSkinButton1 = nullptr;  // "登录班级"
  skin::TbsSkinSpeedButton* bsSkinButton2 = nullptr;  // "退出系统"

 private:
  ClientShared& shared_;
  skin::TbsFormFrame* frame_ = nullptr;
  ui::WidgetHost* host_ = nullptr;
  platform::WebBrowser* browser_ = nullptr;
  bool entering_ = false;  // the class-entry request waits
  std::shared_ptr<const void> alive_ = std::make_shared<int>(0);
};

}  // namespace app

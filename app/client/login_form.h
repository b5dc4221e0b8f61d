// The login window, "进入教室": the teacher types the server, the classroom
// number and its entry password (and, in the advanced settings below the
// button row, the skin, the server port and a proxy), presses "进入教室",
// and on an accepted login the course window opens on the classroom's
// course list. The window reads the settings file at every show, writes it
// after an accepted login, runs the proxy test, and can be closed only after
// a login (or an exit the teacher then declined).
#pragma once

#include <memory>
#include <string>

#include "app/core/http_client.h"
#include "app/core/settings_file.h"
#include "ui/form.h"

namespace skin {
class TbsFormFrame;
class TbsSkinComboBox;
class TbsSkinEdit;
class TbsSkinGroupBox;
class TbsSkinMenuButton;
class TbsSkinPageControl;
class TbsSkinPasswordEdit;
class TbsSkinSpeedButton;
}  // namespace skin

namespace app {

class ClientShared;
struct LoginInput;

class TLoginForm : public ui::Form, public SettingsLoadTarget {
 public:
  explicit TLoginForm(ClientShared& shared, ui::Component* owner = nullptr);
  ~TLoginForm() override;

  // The window's outer heights of the two states of the advanced settings.
  static constexpr int kCollapsedHeight = 282;
  static constexpr int kExpandedHeight = 500;

  bool MayClose = false;

  // Event handlers.
  void FormShow();
  bool FormCloseQuery() const { return MayClose; }
  void bsSkinComboBox2Change();  // the skin selector
  void bsSkinComboBox3Change();  // the proxy mode selector
  void bsSkinMenuButton1Click();
  void bsSkinSpeedButton1Click();
  void bsSkinButton1Click();
  void bsSkinButton2Click();

  // SettingsLoadTarget: the settings file fills the boxes through these.
  void selectSkin(int index) override;
  void selectProxyMode(int index) override;
  void setProxyBoxes(const std::string& server, const std::string& port, const std::string& user,
                     const std::string& password) override;
  void proxyModeChanged() override;
  void setServerBoxes(const std::string& server, const std::string& port,
                      const std::string& classroom) override;

  const SettingsFile& settingsFile() const { return settings_; }
  HttpClient& loginClient() { return *client_; }
  skin::TbsFormFrame* frame() const { return frame_; }
  // The two settings of the embedded browser written after a class was
  // entered go to this file (default: the current user's; tests use their own).
  void setBrowserSettingsPath(std::string path) { browserSettingsPath_ = std::move(path); }

  // The controls the handlers use.
  skin::TbsSkinPageControl* PageControl1 = nullptr;
  skin::TbsSkinComboBox* bsSkinComboBox1 = nullptr;  // server
  skin::TbsSkinEdit* bsSkinEdit1 = nullptr;          // classroom number
  skin::TbsSkinPasswordEdit* bsSkinPasswordEdit1 = nullptr;
  skin::TbsSkinMenuButton* bsSkinMenuButton1 = nullptr;
  skin::TbsSkinSpeedButton* bsSkinButton1 = nullptr;
  skin::TbsSkinSpeedButton* bsSkinButton2 = nullptr;
  skin::TbsSkinGroupBox* bsSkinGroupBox1 = nullptr;
  skin::TbsSkinGroupBox* bsSkinGroupBox2 = nullptr;
  skin::TbsSkinComboBox* bsSkinComboBox2 = nullptr;  // skin
  skin::TbsSkinEdit* bsSkinEdit5 = nullptr;          // server port
  skin::TbsSkinComboBox* bsSkinComboBox3 = nullptr;  // proxy mode
  skin::TbsSkinSpeedButton* bsSkinSpeedButton1 = nullptr;
  skin::TbsSkinEdit* bsSkinEdit2 = nullptr;  // proxy address
  skin::TbsSkinEdit* bsSkinEdit3 = nullptr;  // proxy port
  skin::TbsSkinEdit* bsSkinEdit4 = nullptr;  // proxy user
  skin::TbsSkinPasswordEdit* bsSkinPasswordEdit2 = nullptr;

 private:
  LoginInput input() const;
  void showAndFocus(const struct UserMessage& message);
  // Shows the course window modally on `url`; false when the login window
  // went while it was open.
  bool openCourseWindow(const std::string& url, bool classList);
  void writeBrowserSettings();
  // Selects an item of a selector without its change handler; the caller
  // runs the change step itself.
  void selectQuietly(skin::TbsSkinComboBox& combo, int index);

  ClientShared& shared_;
  skin::TbsFormFrame* frame_ = nullptr;
  SettingsFile settings_;
  std::unique_ptr<HttpClient> client_;
  std::string browserSettingsPath_;
  bool quiet_ = false;     // a selector is being set by the window itself
  bool loggingIn_ = false;  // the login step runs (its request or the course window)
  // Expires with the window: code that ran the event loop checks it before
  // it touches the window again.
  std::shared_ptr<const void> alive_ = std::make_shared<int>(0);
};

}  // namespace app

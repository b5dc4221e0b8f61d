// The teacher console, the client's main window: the function list on the
// left, the working page in the main pane and the online company settings
// in the bottom pane, three browsers in skinned panels, with a status bar
// of a status label and a progress gauge. It routes the function list's
// links into the main pane, mirrors page titles into its captions, lets a
// page ask for a local folder, and its close step logs out, clears the
// browser history and ends the process.
#pragma once

#include <cstdint>
#include <functional>
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
class TbsSkinExPanel;
class TbsSkinGauge;
class TbsSkinLabel;
class TbsSkinPanel;
class TbsSkinPopupMenu;
class TbsSkinSplitter;
class TbsSkinToolBar;
}  // namespace skin

namespace app {

class ClientShared;

class TMainForm : public ui::Form {
 public:
  explicit TMainForm(ClientShared& shared, ui::Component* owner = nullptr);
  ~TMainForm() override;

  // The window's controls and components, by their designer names. The
  // browsers are hosted in the controls of the same names (WBHost, ...).
  skin::TbsFormFrame* bsFormFrame1 = nullptr;
  skin::TbsSkinExPanel* BSEP = nullptr;
  skin::TbsSkinPanel* bsSkinPanel2 = nullptr;
  skin::TbsSkinSplitter* bsSkinSplitter1 = nullptr;
  skin::TbsSkinPanel* bsSkinPanel1 = nullptr;
  skin::TbsSkinSplitter* bsSkinSplitter2 = nullptr;
  skin::TbsSkinExPanel* bsSkinExPanel1 = nullptr;
  skin::TbsSkinToolBar* bsSkinToolBar1 = nullptr;
  skin::TbsSkinLabel* bsSkinLabel1 = nullptr;
  skin::TbsSkinGauge* gp = nullptr;
  ui::WidgetHost* WBHost = nullptr;
  ui::WidgetHost* WB1Host = nullptr;
  ui::WidgetHost* WB2Host = nullptr;
  platform::WebBrowser* WB = nullptr;   // left pane: the function list
  platform::WebBrowser* WB1 = nullptr;  // main pane
  platform::WebBrowser* WB2 = nullptr;  // bottom pane: online company settings
  // The left pane's popup menu. The pane swallows right clicks, so no
  // pointer opens it; none of its items has an action.
  skin::TbsSkinPopupMenu* bsSkinPopupMenu1 = nullptr;

  // Milliseconds of the tick counter when the main pane last started a
  // navigation (0 until it first does).
  std::uint32_t NavigateStartTick = 0;

  // Event handlers.
  void FormCreate();
  void FormShow();
  void FormCloseQuery(bool& canClose);
  void WBBeforeNavigate2(platform::WebBrowser& sender, const std::string& url, bool& cancel);
  void WBTitleChange(const std::string& title);
  void WB1BeforeNavigate2(platform::WebBrowser& sender, const std::string& url, bool& cancel);
  void WB1DocumentComplete();
  void WB1ProgressChange(int progress, int progressMax);
  void WB1StatusTextChange(const std::string& text);
  void WB1TitleChange(const std::string& title);
  void WB2TitleChange(const std::string& title);

  // Loads the three teacher pages of the chosen class: the function list,
  // the teacher start page and the online company settings, in this order.
  void LoadTeacherPages();

  // How the close step ends the process, with the exit code: at once, with
  // no further close or destroy step of any window (the default flushes the
  // standard streams and calls _Exit). The browser engine's helper
  // processes end by themselves when this process is gone. Tests put a
  // recorder here; when it returns, the close is refused and the console
  // stays as it was.
  std::function<void(int exitCode)> EndProcess;
  // Clears the browser history in the close step (default: the shared
  // browser profile's ClearHistory, and a pause of 200 ms in which the
  // browser engine stores the emptied list). Tests replace it to make it
  // fail.
  std::function<void()> ClearHistory;

  // Whether the close step is running (confirmed, logging out, ending).
  bool exiting() const { return exiting_; }

 private:
  void buildControls();
  void chooseFolderFor(platform::WebBrowser& browser, const std::string& elementName);

  ClientShared& shared_;
  bool shownOnce_ = false;
  bool asking_ = false;   // the exit question is open
  bool exiting_ = false;  // the close step was confirmed
  bool choosingFolder_ = false;
};

}  // namespace app

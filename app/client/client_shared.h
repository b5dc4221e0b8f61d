// What the teacher console holds for every window of the client, gathered
// in one object the console owns for the life of the process: the login
// state and the class-entry HTTP client, the one skin data component with
// the six stored skins, the message dialog, the hint, the folder dialog,
// crash reporting and the application-wide right-click filter. The other
// windows reach it through the reference they are made with.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/core/console_session.h"
#include "app/core/login_state.h"
#include "skin/dialogs/message_layout.h"
#include "skin/frame/border_icons.h"

class QObject;
class QWidget;

namespace platform {
class WebBrowser;
}
namespace ui {
class Component;
class Form;
}
namespace skin {
class FormSkinWindows;
class TbsCompressedStoredSkin;
class TbsFormFrame;
class TbsSkinData;
class TbsSkinHint;
class TbsSkinMessage;
class TbsSkinSelectDirectoryDialog;
}  // namespace skin

namespace app {

class CrashReporter;
class TMainForm;
class TLoginForm;
class TCourseForm;
class TGroupForm;
class TViewDecidingForm;
class TAboutForm;
class TViewmainform;

// The seven windows, made once at start-up in this order; the console is
// the application's main window.
struct ClientWindows {
  TMainForm* MainForm = nullptr;
  TLoginForm* LoginForm = nullptr;
  TCourseForm* CourseForm = nullptr;
  TGroupForm* GroupForm = nullptr;
  TViewDecidingForm* ViewDecidingForm = nullptr;
  TAboutForm* AboutForm = nullptr;
  TViewmainform* Viewmainform = nullptr;
};

// The six stored skins in the order of the login window's skin selector.
inline constexpr int kStoredSkinCount = 6;
inline constexpr const char* kSkinSelectorItems[kStoredSkinCount] = {"淡蓝", "浅绿", "艳紫",
                                                                     "橙黄", "黑晶", "素雅"};

class ClientShared {
 public:
  // Options for tests: where crash.log goes (empty: the user's state
  // folder) and whether the fatal-signal handlers are installed.
  struct Options {
    std::string crashFolder;
    bool installSignalHandlers = true;
  };
  ClientShared();
  explicit ClientShared(Options options);
  ~ClientShared();
  ClientShared(const ClientShared&) = delete;
  ClientShared& operator=(const ClientShared&) = delete;

  // The console takes over the client's components (message, hint, folder
  // dialog): the application finds the hint among the main window's
  // components, and they go with the console.
  void attachConsole(ui::Form& console);

  ConsoleSession& session() { return session_; }
  LoginState& state() { return session_.state(); }

  // bsSkinData1: every frame, control and component of the client draws
  // from it. Empty until the login window first selects a skin.
  skin::TbsSkinData& skinData() { return *skinData_; }
  skin::FormSkinWindows& skinWindows() { return *skinWindows_; }
  skin::TbsCompressedStoredSkin& storedSkin(int index);
  // Makes stored skin `index` (0..5) the skin of bsSkinData1, which
  // re-skins every window, hidden ones included. Any other index does
  // nothing. False when nothing was switched or the package could not be
  // read; callers ignore the failure, as the skin selector does.
  bool selectStoredSkin(int index);
  // The stored skin last selected (-1: none yet).
  int storedSkinIndex() const { return storedSkinIndex_; }

  // bsSkinMessage: every message of the client goes through it.
  skin::TbsSkinMessage& message() { return *message_; }
  // A message of the kind with a single Yes button, modal; the pressed
  // button's result (6 for Yes, 2 when closed by the frame).
  int showMessage(const std::string& text, skin::TMsgDlgType kind);
  // The exit question: Yes and No, Yes the default, No the cancel button.
  // True only for Yes.
  bool confirm(const std::string& text);

  skin::TbsSkinHint& hint() { return *hint_; }
  // bsSkinSelectDirectoryDialog1: always the default look.
  skin::TbsSkinSelectDirectoryDialog& folderDialog() { return *folderDialog_; }
  CrashReporter& crash() { return *crash_; }

  // The client's browsers in which right clicks are swallowed (the
  // console's three panes and the course window's browser).
  void addRightClickBrowser(platform::WebBrowser* browser);
  // Whether a right-button press or double click aimed at `target` is
  // swallowed: it lies inside one of those browsers.
  bool swallowsRightClickAt(const QWidget* target) const;
  // Installs the application-wide message filter that swallows them.
  void installRightClickFilter();

  // Filled by the program entry as the windows are made.
  ClientWindows windows;

  // Set by the console: loads the three teacher pages into its panes
  // (after a class was entered), and asks the console to close (the
  // confirmation, logout and process end of its close step).
  std::function<void()> loadTeacherPages;
  std::function<void()> closeConsole;

 private:
  ConsoleSession session_;
  std::unique_ptr<skin::FormSkinWindows> skinWindows_;
  std::vector<std::unique_ptr<skin::TbsCompressedStoredSkin>> stored_;
  std::unique_ptr<skin::TbsSkinData> skinData_;
  // Owned by holder_ until the console takes them over.
  std::unique_ptr<ui::Component> holder_;
  bool attached_ = false;
  skin::TbsSkinMessage* message_ = nullptr;
  skin::TbsSkinHint* hint_ = nullptr;
  skin::TbsSkinSelectDirectoryDialog* folderDialog_ = nullptr;
  std::unique_ptr<CrashReporter> crash_;
  std::vector<platform::WebBrowser*> rightClickBrowsers_;
  // The context of the browsers' destruction notices: they end with it.
  std::unique_ptr<QObject> browserWatch_;
  int filterToken_ = 0;
  int storedSkinIndex_ = -1;
};

// The frame settings that differ between the client's windows; the common
// ones (caption font Arial 14 bold, menu font Arial 14, default system
// menu, object hints off, menu alpha blending off, no snapping, no size
// limits) are the same for all seven.
struct ClientFrameSettings {
  skin::TbsBorderIcons borderIcons;
  bool hideCaptionButtons = false;
  bool showIcon = false;
  bool alphaBlend = false;
  bool alphaBlendAnimation = false;
  int alphaBlendValue = 255;
  int magneticSize = 5;
  int defMenuItemHeight = 20;
};

namespace frame_settings {
using skin::biMaximize;
using skin::biMinimize;
using skin::biRollUp;
using skin::biSystemMenu;
inline constexpr ClientFrameSettings kConsole{
    {biSystemMenu | biMinimize | biMaximize | biRollUp}, false, false, false, false, 200, 5, 20};
inline constexpr ClientFrameSettings kLogin{{0}, true, true, true, true, 255, 10, 23};
inline constexpr ClientFrameSettings kCourse{{biMaximize}, true, true, true, true, 255, 10, 23};
inline constexpr ClientFrameSettings kGroup{{0}, false, false, true, true, 240, 5, 20};
inline constexpr ClientFrameSettings kViewDeciding{
    {biSystemMenu | biMinimize | biMaximize}, false, false, true, true, 255, 5, 20};
inline constexpr ClientFrameSettings kViewmain{
    {biSystemMenu | biMinimize | biMaximize}, false, false, true, false, 255, 5, 20};
inline constexpr ClientFrameSettings kAbout{{0}, false, false, true, true, 230, 5, 20};
}  // namespace frame_settings

// Gives `form` its bsFormFrame1: the common settings, the window's own
// row, bsSkinData1 as its skin and the console's hint.
skin::TbsFormFrame* MakeClientFrame(ui::Form& form, ClientShared& shared,
                                    const ClientFrameSettings& settings);

}  // namespace app

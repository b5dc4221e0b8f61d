// The teacher console: its controls as one table, the routing of the three
// panes, the folder request of the main pane and the close step.
#include "app/client/main_form.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <thread>

#include <QPointer>

#include "app/client/client_shared.h"
#include "app/client/console_routing.h"
#include "app/core/login_request.h"
#include "app/core/server_protocol.h"
#include "app/crash/crash_reporter.h"
#include "platform/browser/browser_profile.h"
#include "platform/browser/web_browser.h"
#include "skin/controls/skin_ex_panel.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_splitter.h"
#include "skin/controls/skin_tool_bar.h"
#include "skin/dialogs/select_directory_dialog.h"
#include "skin/frame/form_frame.h"
#include "skin/popup/skin_popup_menu.h"
#include "ui/application.h"
#include "ui/graphics/geometry.h"
#include "ui/monitor.h"
#include "ui/widget_host.h"

namespace app {

namespace {

using skin::TbsExPanelRollKind;
using skin::TbsSkinBorderStyle;
using ui::Align;
using ui::Component;
using ui::Control;

// The console's client area as designed; the window starts maximised.
constexpr int kDesignClientWidth = 911;
constexpr int kDesignClientHeight = 787;

// Whether a control draws from bsSkinData1 or keeps its default look.
enum class Skin { Data, None };

// One control of the console: where it sits, what it shows and the skin
// section it draws from; `make` creates it with the settings that differ
// from its class's defaults.
struct ControlRow {
  const char* name;
  const char* container;  // "" for the window itself
  Align align;
  int left, top, width, height;  // as designed, in the container's client coordinates
  const char* caption;
  const char* section;  // nullptr: no skin section (the browsers)
  Skin skin;
  Control* (*make)(Component* owner);
};

// A browser pane: the engine's view hosted in a windowed control.
Control* MakeBrowserHost(Component* owner) {
  auto* host = new ui::WidgetHost(owner);
  host->setHostedWidget(new platform::WebBrowser);
  return host;
}

// A rolling panel with its roll button and no close button.
skin::TbsSkinExPanel* MakeExPanel(Component* owner, TbsExPanelRollKind kind, int captionHeight) {
  auto* p = new skin::TbsSkinExPanel(owner);
  p->setRollKind(kind);
  p->setShowRollButton(true);
  p->setShowCloseButton(false);
  p->setDefaultCaptionHeight(captionHeight);
  return p;
}

Control* MakeFramedPanel(Component* owner) {
  auto* p = new skin::TbsSkinPanel(owner);
  p->setBorderStyle(TbsSkinBorderStyle::bvFrame);
  return p;
}

// The splitters draw the plain splitter look under every skin.
Control* MakeSplitter(Component* owner) {
  auto* s = new skin::TbsSkinSplitter(owner);
  s->setDefaultSize(1);
  return s;
}

Control* MakeStatusBar(Component* owner) {
  auto* t = new skin::TbsSkinToolBar(owner);
  t->setBorderStyle(TbsSkinBorderStyle::bvNone);
  t->setCanScroll(false);
  t->setShowCaptions(false);
  return t;
}

// The status label keeps its own font whatever the skin gives.
Control* MakeStatusLabel(Component* owner) {
  auto* l = new skin::TbsSkinLabel(owner);
  gfx::Font font;
  font.name = "Arial";
  font.height = 14;
  font.bold = true;
  l->setDefaultFont(font);
  l->setUseSkinFont(false);
  l->setBorderStyle(TbsSkinBorderStyle::bvFrame);
  l->setUseSkinSize(false);
  l->setAutoSize(false);
  return l;
}

Control* MakeGauge(Component* owner) {
  auto* g = new skin::TbsSkinGauge(owner);
  g->setUseSkinSize(false);
  g->setMinValue(0);
  g->setMaxValue(100);
  g->setValue(0);
  g->setShowPercent(true);
  g->setShowProgressText(false);
  return g;
}

// The function area rolls sideways; its caption font serves when the
// skin's section names none.
Control* MakeFunctionArea(Component* owner) {
  auto* p = MakeExPanel(owner, TbsExPanelRollKind::rkRollHorizontal, 32);
  gfx::Font font;
  font.name = "宋体";
  font.height = 15;
  p->setDefaultFont(font);
  p->setUseSkinFont(true);
  return p;
}

Control* MakeBottomPane(Component* owner) {
  return MakeExPanel(owner, TbsExPanelRollKind::rkRollVertical, 21);
}

// The console's controls, containers before what they hold: name,
// container, alignment, left, top, width, height, caption, section, skin,
// maker.
const ControlRow kControls[] = {
    {"bsSkinToolBar1", "", Align::alBottom, 0, 770, 911, 17, "", "panel", Skin::Data,
     MakeStatusBar},
    {"bsSkinLabel1", "bsSkinToolBar1", Align::alLeft, 0, 0, 141, 17, "", "label", Skin::Data,
     MakeStatusLabel},
    {"gp", "bsSkinToolBar1", Align::alClient, 141, 0, 770, 17, "", "statusgauge", Skin::Data,
     MakeGauge},
    {"BSEP", "", Align::alLeft, 0, 0, 193, 770, "功能区", "expanel", Skin::Data, MakeFunctionArea},
    {"bsSkinPanel2", "BSEP", Align::alClient, 0, 32, 193, 738, "", "panel", Skin::Data,
     MakeFramedPanel},
    {"WB", "bsSkinPanel2", Align::alClient, 0, 0, 193, 738, "", nullptr, Skin::None,
     MakeBrowserHost},
    {"bsSkinSplitter1", "", Align::alLeft, 193, 0, 1, 770, "", "vsplitter", Skin::None,
     MakeSplitter},
    {"bsSkinPanel1", "", Align::alClient, 194, 0, 717, 770, "", "panel", Skin::Data,
     MakeFramedPanel},
    {"bsSkinExPanel1", "bsSkinPanel1", Align::alBottom, 0, 461, 717, 309, "", "expanel", Skin::Data,
     MakeBottomPane},
    {"WB2", "bsSkinExPanel1", Align::alClient, 0, 21, 717, 288, "", nullptr, Skin::None,
     MakeBrowserHost},
    {"bsSkinSplitter2", "bsSkinPanel1", Align::alBottom, 0, 460, 717, 1, "", "hsplitter",
     Skin::None, MakeSplitter},
    {"WB1", "bsSkinPanel1", Align::alClient, 0, 0, 717, 460, "", nullptr, Skin::None,
     MakeBrowserHost},
};

// Sets the section and the skin of a skinned control of either layer.
template <class Layer>
bool SetSection(Control* c, const char* section, skin::TbsSkinData* data) {
  auto* s = dynamic_cast<Layer*>(c);
  if (s == nullptr) return false;
  s->SetSkinDataName(section);
  if (data != nullptr) s->SetSkinData(data);
  return true;
}

void ApplySection(Control* c, const ControlRow& row, skin::TbsSkinData& data) {
  if (row.section == nullptr) return;
  skin::TbsSkinData* skin = row.skin == Skin::Data ? &data : nullptr;
  if (SetSection<skin::SkinControlLayer<ui::WinControl>>(c, row.section, skin)) return;
  SetSection<skin::SkinControlLayer<ui::GraphicControl>>(c, row.section, skin);
}

template <class T>
T* Find(const Component& owner, const char* name) {
  return dynamic_cast<T*>(owner.findComponent(name));
}

platform::WebBrowser* HostedBrowser(ui::WidgetHost* host) {
  return host != nullptr ? dynamic_cast<platform::WebBrowser*>(host->hostedWidget()) : nullptr;
}

// Where the restored window goes: centred on the desktop, and within the
// work area, so that a screen smaller than the designed window still shows
// its caption and status bar.
gfx::Rect RestoredBounds(const gfx::Rect& designed, const gfx::Rect& desktop,
                         const gfx::Rect& workArea) {
  const int w = std::min(designed.width(), workArea.width());
  const int h = std::min(designed.height(), workArea.height());
  gfx::Rect r = gfx::CenterRect({0, 0, w, h}, desktop);
  const int dx = std::max(workArea.left - r.left, std::min(0, workArea.right - r.right));
  const int dy = std::max(workArea.top - r.top, std::min(0, workArea.bottom - r.bottom));
  return gfx::OffsetRect(r, dx, dy);
}

// Clears the history of visited addresses. The browser engine writes the
// emptied list to disk on a thread of its own, a moment after the call
// returns; a process ended right away would keep the old list in about one
// of three ends (measured). The short pause lets that write finish; nothing
// of this process runs meanwhile.
constexpr std::chrono::milliseconds kHistoryWriteTime{200};

void ClearBrowserHistory() {
  platform::BrowserProfile::ClearHistory();
  std::this_thread::sleep_for(kHistoryWriteTime);
}

// Ends the process at once: what the standard streams hold is written
// first; nothing else runs, no destructor and no exit handler.
[[noreturn]] void EndProcessNow(int exitCode) {
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

}  // namespace

TMainForm::TMainForm(ClientShared& shared, ui::Component* owner)
    : ui::Form(owner), shared_(shared) {
  setName("MainForm");
  setPosition(ui::Position::poDesktopCenter);
  // The message dialog, the hint and the folder dialog go with the console,
  // the main window, where the application looks for its hint.
  shared_.attachConsole(*this);
  bsFormFrame1 = MakeClientFrame(*this, shared_, frame_settings::kConsole);
  setClientSize(kDesignClientWidth, kDesignClientHeight);
  buildControls();

  EndProcess = EndProcessNow;
  ClearHistory = ClearBrowserHistory;

  onCreate = [this](ui::Form&) { FormCreate(); };
  onShow = [this](ui::Form&) { FormShow(); };
  onCloseQuery = [this](ui::Form&, bool& canClose) { FormCloseQuery(canClose); };
  afterConstruction();
}

TMainForm::~TMainForm() {
  // The hooks and the browsers' events refer to this window: they go first.
  shared_.loadTeacherPages = nullptr;
  shared_.closeConsole = nullptr;
  for (platform::WebBrowser* b : {WB, WB1, WB2}) {
    if (b == nullptr) continue;
    b->BeforeNavigate2 = nullptr;
    b->DocumentComplete = nullptr;
    b->TitleChange = nullptr;
    b->StatusTextChange = nullptr;
    b->ProgressChange = nullptr;
  }
}

void TMainForm::buildControls() {
  disableAlign();
  for (const ControlRow& row : kControls) {
    Control* c = row.make(this);
    c->setName(row.name);
    auto* container = row.container[0] == '\0' ? static_cast<ui::WinControl*>(this)
                                               : Find<ui::WinControl>(*this, row.container);
    // Aligned and sized before it joins its container, which then places it
    // once among the others (a splitter is made left-aligned and would
    // otherwise be stretched to its container's height first).
    c->setAlign(row.align);
    c->setBounds(row.left, row.top, row.width, row.height);
    c->setParent(container);
    if (row.caption[0] != '\0') c->setCaption(row.caption);
    ApplySection(c, row, shared_.skinData());
  }
  enableAlign();

  BSEP = Find<skin::TbsSkinExPanel>(*this, "BSEP");
  bsSkinPanel2 = Find<skin::TbsSkinPanel>(*this, "bsSkinPanel2");
  bsSkinSplitter1 = Find<skin::TbsSkinSplitter>(*this, "bsSkinSplitter1");
  bsSkinPanel1 = Find<skin::TbsSkinPanel>(*this, "bsSkinPanel1");
  bsSkinSplitter2 = Find<skin::TbsSkinSplitter>(*this, "bsSkinSplitter2");
  bsSkinExPanel1 = Find<skin::TbsSkinExPanel>(*this, "bsSkinExPanel1");
  bsSkinToolBar1 = Find<skin::TbsSkinToolBar>(*this, "bsSkinToolBar1");
  bsSkinLabel1 = Find<skin::TbsSkinLabel>(*this, "bsSkinLabel1");
  gp = Find<skin::TbsSkinGauge>(*this, "gp");
  WBHost = Find<ui::WidgetHost>(*this, "WB");
  WB1Host = Find<ui::WidgetHost>(*this, "WB1");
  WB2Host = Find<ui::WidgetHost>(*this, "WB2");
  WB = HostedBrowser(WBHost);
  WB1 = HostedBrowser(WB1Host);
  WB2 = HostedBrowser(WB2Host);

  WB->BeforeNavigate2 = [this](platform::WebBrowser& sender, const std::string& url, bool& cancel) {
    WBBeforeNavigate2(sender, url, cancel);
  };
  WB->TitleChange = [this](platform::WebBrowser& b, const std::string& t) {
    WBTitleChange(ReportedTitle(t, b.LocationURL()));
  };
  WB1->BeforeNavigate2 = [this](platform::WebBrowser& sender, const std::string& url,
                                bool& cancel) { WB1BeforeNavigate2(sender, url, cancel); };
  WB1->DocumentComplete = [this](platform::WebBrowser&, const std::string&) {
    WB1DocumentComplete();
  };
  WB1->ProgressChange = [this](platform::WebBrowser&, int progress, int progressMax) {
    WB1ProgressChange(progress, progressMax);
  };
  WB1->StatusTextChange = [this](platform::WebBrowser&, const std::string& text) {
    WB1StatusTextChange(text);
  };
  WB1->TitleChange = [this](platform::WebBrowser& b, const std::string& t) {
    WB1TitleChange(ReportedTitle(t, b.LocationURL()));
  };
  WB2->TitleChange = [this](platform::WebBrowser& b, const std::string& t) {
    WB2TitleChange(ReportedTitle(t, b.LocationURL()));
  };
  for (platform::WebBrowser* b : {WB, WB1, WB2}) shared_.addRightClickBrowser(b);

  bsSkinPopupMenu1 = new skin::TbsSkinPopupMenu(this);
  bsSkinPopupMenu1->setName("bsSkinPopupMenu1");
  bsSkinPopupMenu1->setSkinData(&shared_.skinData());
  bsSkinPopupMenu1->setOwnerWindow(this);
  struct ItemRow {
    const char* name;
    const char* caption;
    bool visible;
  };
  for (const ItemRow& r : {ItemRow{"N1", "课程配置", true}, ItemRow{"N2", "关于系统", false},
                           ItemRow{"N3", "退出系统", true}}) {
    auto* item = new ui::MenuItem();
    item->setName(r.name);
    item->setCaption(r.caption);
    item->setVisible(r.visible);
    bsSkinPopupMenu1->items().add(item);
  }
}

void TMainForm::FormCreate() {
  shared_.session().reset();
  shared_.loadTeacherPages = [this] { LoadTeacherPages(); };
  shared_.closeConsole = [this] { close(); };
}

void TMainForm::FormShow() {
  // The first showing maximises; restoring then gives the designed size
  // centred on the desktop.
  if (shownOnce_) return;
  shownOnce_ = true;
  if (bsFormFrame1 == nullptr) {
    setWindowState(ui::WindowState::wsMaximized);
    return;
  }
  // The skinned frame keeps the window states itself: a maximised state
  // asked of the window before it was shown is handed over to the frame.
  const gfx::Rect normal = normalBounds();
  if (windowState() != ui::WindowState::wsNormal) setWindowState(ui::WindowState::wsNormal);
  setBoundsRect(RestoredBounds(normal, ui::MonitorRect(*this), ui::MonitorWorkArea(*this)));
  bsFormFrame1->SetFrameState(skin::FrameWindowState::Maximized);
}

void TMainForm::LoadTeacherPages() {
  const LoginState& s = shared_.state();
  WB->Navigate(FunctionListUrl(s));
  WB1->Navigate(TeacherStartUrl(s));
  WB2->Navigate(CompanyOnlineUrl(s));
}

void TMainForm::WBBeforeNavigate2(platform::WebBrowser&, const std::string& url, bool& cancel) {
  if (StaysInFunctionList(url)) return;
  cancel = true;
  WB1->Navigate(url);
}

void TMainForm::WBTitleChange(const std::string& title) {
  const auto caption = CaptionFromTitle(title);
  if (!caption) return;
  ui::Application::instance().setTitle(*caption);
  setCaption(*caption);
}

void TMainForm::WB1BeforeNavigate2(platform::WebBrowser& sender, const std::string& url,
                                   bool& cancel) {
  const auto element = FolderRequestElement(url);
  if (!element) {
    NavigateStartTick = TickCount();
    return;
  }
  cancel = true;
  // The page cannot be read or written while its navigation is being
  // decided: the dialog and the write come right after the decision.
  QPointer<platform::WebBrowser> browser(&sender);
  sender.runAfterDecision([this, browser, name = *element] {
    if (browser) chooseFolderFor(*browser, name);
  });
}

void TMainForm::chooseFolderFor(platform::WebBrowser& browser, const std::string& elementName) {
  // A second request while the dialog is open is dropped: one dialog at a
  // time, and its answer goes to the request that opened it.
  if (choosingFolder_) return;
  choosingFolder_ = true;
  QPointer<platform::WebBrowser> alive(&browser);
  skin::TbsSkinSelectDirectoryDialog& dialog = shared_.folderDialog();
  bool chosen = false;
  try {
    chosen = dialog.ChooseFolder();
  } catch (...) {
    choosingFolder_ = false;
    throw;
  }
  choosingFolder_ = false;
  if (!chosen || !alive) return;
  auto element = alive->Document().all().item(elementName, 0);
  if (element && element->isInputElement()) element->setValue(dialog.Directory);
}

void TMainForm::WB1DocumentComplete() {
  bsSkinLabel1->setCaption(LoadTimeText(NavigateStartTick, TickCount()));
}

void TMainForm::WB1ProgressChange(int progress, int progressMax) {
  // A maximum of 0 or less measures nothing: the gauge shows no progress
  // rather than a range it cannot divide.
  if (progressMax <= 0) {
    gp->setValue(gp->MinValue());
    return;
  }
  gp->setMaxValue(progressMax);
  gp->setValue(progress);
}

void TMainForm::WB1StatusTextChange(const std::string& text) {
  bsSkinLabel1->setCaption(StatusLabelText(text));
}

void TMainForm::WB1TitleChange(const std::string& title) {
  if (const auto caption = CaptionFromTitle(title)) setCaption(*caption);
}

void TMainForm::WB2TitleChange(const std::string& title) {
  if (const auto caption = CaptionFromTitle(title)) bsSkinExPanel1->setCaption(*caption);
}

void TMainForm::FormCloseQuery(bool& canClose) {
  // The window never closes the ordinary way: the confirmed step ends the
  // process, every other answer keeps it.
  canClose = false;
  // A close request while the question is open, or while the step runs
  // (the logout lets window messages through while it waits), changes
  // nothing.
  if (asking_ || exiting_) return;
  asking_ = true;
  bool yes = false;
  try {
    yes = shared_.confirm("确定退出吗？");
  } catch (...) {
    asking_ = false;
    throw;
  }
  asking_ = false;
  if (!yes) return;

  exiting_ = true;
  try {
    (void)Logout(shared_.state());
  } catch (const std::exception&) {
    // Logging out is a courtesy to the server: no failure of it may keep
    // the teacher from leaving.
  }
  try {
    ClearHistory();
  } catch (const std::exception& e) {
    shared_.crash().report(std::string("清除浏览历史失败：") + e.what());
  } catch (...) {
    shared_.crash().report("清除浏览历史失败");
  }
  // The history not being cleared is no reason to stay: the process ends
  // anyway.
  EndProcess(0);
  exiting_ = false;
}

}  // namespace app

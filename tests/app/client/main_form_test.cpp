// The teacher console against the classroom server: its layout, the routing
// of the function list into the main pane, titles, status text, progress
// and load time, the folder request of a page, right clicks in the
// browsers, and the close step (declined, confirmed, with a page still
// loading, and as a real process end that leaves no browser helper behind).
#include "app/client/main_form.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "app/client/client_shared.h"
#include "app/client/console_routing.h"
#include "app/core/server_protocol.h"
#include "classroom_server_process.h"
#include "platform/browser/browser_profile.h"
#include "platform/browser/web_browser.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_ex_panel.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_splitter.h"
#include "skin/controls/skin_std_label.h"
#include "skin/controls/skin_tool_bar.h"
#include "skin/dialogs/dir_tree_view.h"
#include "skin/dialogs/select_directory_dialog.h"
#include "skin/dialogs/skin_message.h"
#include "skin/frame/form_frame.h"
#include "skin/popup/skin_popup_menu.h"
#include "test_http_peer.h"
#include "ui/application.h"
#include "ui/widget_host.h"

namespace {

using platform::WebBrowser;

constexpr int kLoadMs = 20000;

// Runs the event loop until cond holds, checking every 5 ms. (QTest::qWaitFor
// of this Qt hands all the remaining time to one pass of the event loop,
// which the browser engine's steady stream of events keeps going for
// seconds after cond holds; polling with sleeps between passes starves the
// engine instead.)
template <class F>
bool WaitUntil(F cond, int ms) {
  if (cond()) return true;
  QEventLoop loop;
  QElapsedTimer clock;
  clock.start();
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, &loop, [&] {
    if (cond() || clock.elapsed() > ms) loop.quit();
  });
  check.start(5);
  loop.exec();
  return cond();
}

#define UNTIL_TRUE(cond, ms) \
  EXPECT_TRUE(WaitUntil([&] { return static_cast<bool>(cond); }, ms)) << #cond
#define UNTIL_EQ(a, b, ms)                           \
  do {                                               \
    (void)WaitUntil([&] { return (a) == (b); }, ms); \
    EXPECT_EQ(a, b);                                 \
  } while (0)
const char kChildVariable[] = "KAVRO_CONSOLE_EXIT_CHILD";

// The class the teacher entered: course 12 of classroom 1 on the server.
void EnterClass(app::LoginState& s, const std::string& baseUrl) {
  s.BaseUrl = baseUrl;
  s.ContextPath = "simA";
  s.DocBase = "simA";
  s.ClassroomId = 1;
  s.CourseId = 12;
  s.DatabaseName = "simdb";
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Presses a button of every message the console shows and counts them.
struct MessageAnswer {
  skin::TMsgDlgBtn button = skin::mbYes;
  int shown = 0;
  std::vector<std::string> texts;
  std::function<void()> whileShown;
  void attach(skin::TbsSkinMessage& message) {
    message.OnShown = [this](skin::TbsMessageForm& f) {
      ++shown;
      texts.push_back(f.messageLabel() != nullptr ? f.messageLabel()->caption() : "");
      if (whileShown) whileShown();
      skin::TbsSkinButton* b = f.button(button);
      if (b == nullptr) b = f.button(skin::mbYes);
      if (b == nullptr) b = f.button(skin::mbOK);
      if (b != nullptr) {
        b->click();
      } else {
        f.setModalResult(ui::mrCancel);
      }
    };
  }
};

bool Logged(const testsupport::ClassroomServerProcess& server, const std::string& target) {
  for (const auto& r : server.log())
    if (r.target == target) return true;
  return false;
}

int CountLogged(const testsupport::ClassroomServerProcess& server, const std::string& part) {
  int n = 0;
  for (const auto& r : server.log())
    if (Contains(r.target, part)) ++n;
  return n;
}

class ConsoleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testsupport::ScratchDir;
    platform::BrowserProfile::setStorageRoot(dir_->path() + "/profile");
    platform::BrowserProfile::setSettingsPath(dir_->path() + "/browser-settings.ini");
    server_ = new testsupport::ClassroomServerProcess({"--slow-seconds", "2"});
    // A view of the server kept open for the whole suite: the views of one
    // site share its renderer, so every console of the tests starts warm.
    keeper_ = new WebBrowser;
    keeper_->Navigate(server_->baseUrl());
    (void)WaitUntil([] { return !keeper_->LocationName().empty() && !keeper_->Busy(); }, kLoadMs);
  }
  static void TearDownTestSuite() {
    delete keeper_;
    delete server_;
    delete dir_;
  }
  void SetUp() override {
    app::ClientShared::Options o;
    o.crashFolder = crashDir_.path();
    o.installSignalHandlers = false;
    shared_ = std::make_unique<app::ClientShared>(o);
    form_ = std::make_unique<app::TMainForm>(*shared_);
    form_->EndProcess = [this](int code) { ends_.push_back(code); };
    answer_.attach(shared_->message());
  }
  void TearDown() override {
    form_.reset();
    otherBrowsers_.clear();
    shared_.reset();
  }

  // Enters the class and loads the three teacher pages.
  bool loadTeacherPages() {
    EnterClass(shared_->state(), server_->baseUrl());
    if (!shared_->loadTeacherPages) return false;
    shared_->loadTeacherPages();
    return WaitUntil(
        [&] {
          return form_->WB->LocationName() == "功能列表" &&
                 form_->WB1->LocationName() == "教师首页" &&
                 form_->WB2->LocationName() == "在线公司设置" && !form_->WB->Busy() &&
                 !form_->WB1->Busy() && !form_->WB2->Busy();
        },
        kLoadMs);
  }
  std::string pageUrl(const std::string& page) const {
    return server_->baseUrl() + "simA/teacher/" + page + "?courseid=12&databasename=simdb";
  }
  static std::string inputValue(WebBrowser& b, const std::string& name) {
    auto e = b.Document().all().item(name, 0);
    return e ? e->value() : std::string("<none>");
  }

  static testsupport::ScratchDir* dir_;
  static testsupport::ClassroomServerProcess* server_;
  static WebBrowser* keeper_;
  testsupport::ScratchDir crashDir_;
  // Browsers of other windows registered with the shared object.
  std::vector<std::unique_ptr<WebBrowser>> otherBrowsers_;
  std::unique_ptr<app::ClientShared> shared_;
  std::unique_ptr<app::TMainForm> form_;
  std::vector<int> ends_;
  MessageAnswer answer_;
};

testsupport::ScratchDir* ConsoleTest::dir_ = nullptr;
testsupport::ClassroomServerProcess* ConsoleTest::server_ = nullptr;
WebBrowser* ConsoleTest::keeper_ = nullptr;

TEST_F(ConsoleTest, CreationResetsTheLoginStateAndSetsTheHooks) {
  app::LoginState& s = shared_->state();
  EXPECT_EQ(s.ClassroomId, -1);
  EXPECT_EQ(s.CourseId, -1);
  EXPECT_EQ(s.BaseUrl, "");
  EXPECT_EQ(s.ProxyPort, 0);
  EXPECT_TRUE(static_cast<bool>(shared_->loadTeacherPages));
  EXPECT_TRUE(static_cast<bool>(shared_->closeConsole));
  EXPECT_EQ(form_->caption(), "");
  EXPECT_EQ(form_->NavigateStartTick, 0u);
  EXPECT_EQ(form_->clientWidth(), 911);
  EXPECT_EQ(form_->clientHeight(), 787);
  EXPECT_FALSE(form_->visible());
  // The console carries the client's shared components.
  for (const char* name : {"bsSkinMessage", "bsSkinHint1", "bsSkinSelectDirectoryDialog1"})
    EXPECT_NE(form_->findComponent(name), nullptr) << name;
  // The hooks go with the window.
  form_.reset();
  EXPECT_FALSE(static_cast<bool>(shared_->loadTeacherPages));
  EXPECT_FALSE(static_cast<bool>(shared_->closeConsole));
}

TEST_F(ConsoleTest, ControlsHaveTheirClassesSectionsAndSettings) {
  app::TMainForm& f = *form_;
  // The members are found by name and class: a null one is missing or of
  // another class.
  struct Row {
    const char* name;
    ui::Control* control;
    const char* section;
    bool skinned;  // draws from bsSkinData1; the splitters keep the default look
  };
  const Row rows[] = {
      {"BSEP", f.BSEP, "expanel", true},
      {"bsSkinPanel2", f.bsSkinPanel2, "panel", true},
      {"bsSkinSplitter1", f.bsSkinSplitter1, "vsplitter", false},
      {"bsSkinPanel1", f.bsSkinPanel1, "panel", true},
      {"bsSkinSplitter2", f.bsSkinSplitter2, "hsplitter", false},
      {"bsSkinExPanel1", f.bsSkinExPanel1, "expanel", true},
      {"bsSkinToolBar1", f.bsSkinToolBar1, "panel", true},
      {"bsSkinLabel1", f.bsSkinLabel1, "label", true},
      {"gp", f.gp, "statusgauge", true},
  };
  for (const Row& r : rows) {
    ASSERT_NE(r.control, nullptr) << r.name;
    EXPECT_EQ(f.findComponent(r.name), r.control) << r.name;
    auto* windowed = dynamic_cast<skin::SkinControlLayer<ui::WinControl>*>(r.control);
    auto* graphic = dynamic_cast<skin::SkinControlLayer<ui::GraphicControl>*>(r.control);
    ASSERT_TRUE(windowed != nullptr || graphic != nullptr) << r.name;
    EXPECT_EQ(windowed ? windowed->SkinDataName() : graphic->SkinDataName(), r.section) << r.name;
    skin::TbsSkinData* data = windowed ? windowed->SkinData() : graphic->SkinData();
    EXPECT_EQ(data, r.skinned ? &shared_->skinData() : nullptr) << r.name;
  }
  for (const char* name : {"WB", "WB1", "WB2"}) {
    auto* host = dynamic_cast<ui::WidgetHost*>(f.findComponent(name));
    ASSERT_NE(host, nullptr) << name;
    EXPECT_NE(dynamic_cast<WebBrowser*>(host->hostedWidget()), nullptr) << name;
  }
  EXPECT_EQ(f.WBHost->hostedWidget(), f.WB);
  EXPECT_EQ(f.WB1Host->hostedWidget(), f.WB1);
  EXPECT_EQ(f.WB2Host->hostedWidget(), f.WB2);

  // The two rolling panels.
  EXPECT_EQ(f.BSEP->caption(), "功能区");
  EXPECT_EQ(f.BSEP->RollKind(), skin::TbsExPanelRollKind::rkRollHorizontal);
  EXPECT_EQ(f.BSEP->DefaultCaptionHeight(), 32);
  EXPECT_EQ(f.BSEP->DefaultFont().name, "宋体");
  EXPECT_EQ(f.BSEP->DefaultFont().height, 15);
  EXPECT_TRUE(f.BSEP->UseSkinFont());
  EXPECT_EQ(f.bsSkinExPanel1->RollKind(), skin::TbsExPanelRollKind::rkRollVertical);
  EXPECT_EQ(f.bsSkinExPanel1->DefaultCaptionHeight(), 21);
  for (skin::TbsSkinExPanel* p : {f.BSEP, f.bsSkinExPanel1}) {
    EXPECT_TRUE(p->ShowRollButton());
    EXPECT_FALSE(p->ShowCloseButton());
  }
  EXPECT_EQ(f.bsSkinPanel1->BorderStyle(), skin::TbsSkinBorderStyle::bvFrame);
  EXPECT_EQ(f.bsSkinPanel2->BorderStyle(), skin::TbsSkinBorderStyle::bvFrame);
  // The status bar.
  EXPECT_EQ(f.bsSkinToolBar1->BorderStyle(), skin::TbsSkinBorderStyle::bvNone);
  EXPECT_FALSE(f.bsSkinToolBar1->CanScroll());
  EXPECT_FALSE(f.bsSkinToolBar1->ShowCaptions());
  const gfx::Font& labelFont = f.bsSkinLabel1->DefaultFont();
  EXPECT_EQ(labelFont.name, "Arial");
  EXPECT_EQ(labelFont.height, 14);
  EXPECT_TRUE(labelFont.bold);
  EXPECT_FALSE(f.bsSkinLabel1->UseSkinFont());
  EXPECT_FALSE(f.bsSkinLabel1->UseSkinSize());
  EXPECT_FALSE(f.bsSkinLabel1->AutoSize());
  EXPECT_EQ(f.bsSkinLabel1->BorderStyle(), skin::TbsSkinBorderStyle::bvFrame);
  EXPECT_FALSE(f.gp->UseSkinSize());
  EXPECT_EQ(f.gp->MinValue(), 0);
  EXPECT_EQ(f.gp->MaxValue(), 100);
  EXPECT_EQ(f.gp->Value(), 0);
  EXPECT_TRUE(f.gp->ShowPercent());
  EXPECT_FALSE(f.gp->ShowProgressText());
  EXPECT_EQ(f.gp->DisplayText(), "0%");

  // The left pane's popup menu: three items, the middle one hidden.
  ASSERT_NE(f.bsSkinPopupMenu1, nullptr);
  EXPECT_EQ(f.bsSkinPopupMenu1->SkinData(), &shared_->skinData());
  const ui::MenuItem& items = f.bsSkinPopupMenu1->items();
  ASSERT_EQ(items.count(), 3);
  EXPECT_EQ(items.item(0)->caption(), "课程配置");
  EXPECT_EQ(items.item(1)->caption(), "关于系统");
  EXPECT_EQ(items.item(2)->caption(), "退出系统");
  EXPECT_TRUE(items.item(0)->visible());
  EXPECT_FALSE(items.item(1)->visible());
  EXPECT_TRUE(items.item(2)->visible());
  for (const ui::MenuItem* item : items.items()) {
    EXPECT_FALSE(static_cast<bool>(item->onClick));
    EXPECT_EQ(item->action(), nullptr);
  }
}

// The panes' places for a client area of w x h, in each control's parent.
void ExpectLayout(app::TMainForm& f, int w, int h, const std::string& where) {
  SCOPED_TRACE(where + " " + std::to_string(w) + "x" + std::to_string(h));
  const int above = h - 17;  // the status bar takes the bottom 17 pixels
  EXPECT_EQ(f.bsSkinToolBar1->boundsRect(), (gfx::Rect{0, above, w, h}));
  EXPECT_EQ(f.BSEP->boundsRect(), (gfx::Rect{0, 0, 193, above}));
  EXPECT_EQ(f.bsSkinSplitter1->boundsRect(), (gfx::Rect{193, 0, 194, above}));
  EXPECT_EQ(f.bsSkinPanel1->boundsRect(), (gfx::Rect{194, 0, w, above}));
  EXPECT_EQ(f.bsSkinLabel1->boundsRect(), (gfx::Rect{0, 0, 141, 17}));
  EXPECT_EQ(f.gp->boundsRect(), (gfx::Rect{141, 0, w, 17}));

  // Inside bsSkinPanel1: the bottom pane 309 high at the bottom, the
  // splitter 1 pixel above it, the main pane over the rest, all three as
  // wide as the panel's inside, which its border leaves alike on both sides.
  const gfx::Rect ex = f.bsSkinExPanel1->boundsRect();
  const gfx::Rect split = f.bsSkinSplitter2->boundsRect();
  const gfx::Rect main = f.WB1Host->boundsRect();
  EXPECT_EQ(ex.height(), 309);
  EXPECT_EQ(split.height(), 1);
  EXPECT_EQ(split.bottom, ex.top);
  EXPECT_EQ(main.bottom, split.top);
  for (const gfx::Rect& r : {ex, split}) {
    EXPECT_EQ(r.left, main.left);
    EXPECT_EQ(r.right, main.right);
  }
  const int panelWidth = f.bsSkinPanel1->width();
  EXPECT_EQ(main.left, panelWidth - main.right);
  EXPECT_EQ(main.top, f.bsSkinPanel1->height() - ex.bottom);
  EXPECT_GE(main.left, 0);
  EXPECT_LE(main.left, 3);
  // The browsers fill their panels' insides.
  const gfx::Rect left = f.WBHost->boundsRect();
  EXPECT_EQ(f.bsSkinPanel2->boundsRect().width(), 193 - 2 * f.bsSkinPanel2->left());
  EXPECT_EQ(left.left, f.bsSkinPanel2->width() - left.right);
  EXPECT_EQ(left.top, f.bsSkinPanel2->height() - left.bottom);
  EXPECT_GT(left.width(), 180);
  const gfx::Rect bottom = f.WB2Host->boundsRect();
  EXPECT_EQ(bottom.left, ex.width() - bottom.right);
  EXPECT_GT(bottom.height(), 309 - 40);
  EXPECT_EQ(bottom.bottom + bottom.left, ex.height());
}

TEST_F(ConsoleTest, LayoutFollowsTheWindowSizeInEverySkin) {
  app::TMainForm& f = *form_;
  ExpectLayout(f, 911, 787, "designed, no skin");
  // No skin yet: the default looks place the caption bars as designed.
  EXPECT_EQ(f.bsSkinPanel2->top(), 32);
  EXPECT_EQ(f.WB2Host->top(), 21);
  f.setClientSize(1000, 700);
  ExpectLayout(f, 1000, 700, "no skin");
  for (int skinIndex : {0, 4, 5}) {
    ASSERT_TRUE(shared_->selectStoredSkin(skinIndex)) << skinIndex;
    f.setClientSize(1024, 740);
    ExpectLayout(f, f.clientWidth(), f.clientHeight(), "skin " + std::to_string(skinIndex));
    EXPECT_EQ(f.clientWidth(), 1024);
    EXPECT_EQ(f.clientHeight(), 740);
    // The splitters keep the plain look: they never read a section.
    EXPECT_EQ(f.bsSkinSplitter1->SectionIndex(), -1);
    EXPECT_EQ(f.bsSkinSplitter2->SectionIndex(), -1);
    EXPECT_EQ(f.bsSkinSplitter1->width(), 1);
    EXPECT_EQ(f.bsSkinSplitter2->height(), 1);
  }
}

class ConsoleStartTest : public ConsoleTest, public ::testing::WithParamInterface<bool> {};

// Shown plainly, or asked for the maximised state first as the program does.
TEST_P(ConsoleStartTest, StartsMaximisedAndRestoresCentredOnTheDesktop) {
  app::TMainForm& f = *form_;
  ASSERT_NE(f.bsFormFrame1, nullptr);
  const gfx::Rect designed = f.boundsRect();
  if (GetParam()) f.setWindowState(ui::WindowState::wsMaximized);
  f.show();
  EXPECT_TRUE(f.visible());
  EXPECT_EQ(f.bsFormFrame1->FrameState(), skin::FrameWindowState::Maximized);
  // The work area, less one pixel on every side when it is the whole
  // primary screen (an auto-hidden task bar stays reachable at the edge).
  const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
  const int inset = avail == QGuiApplication::primaryScreen()->geometry() ? 1 : 0;
  EXPECT_EQ(f.boundsRect(), (gfx::Rect{avail.left() + inset, avail.top() + inset,
                                       avail.left() + avail.width() - inset,
                                       avail.top() + avail.height() - inset}));
  // Restored: the designed size centred on the screen, and within the work
  // area, so a screen smaller than the window cuts off neither caption nor
  // status bar.
  f.bsFormFrame1->SetFrameState(skin::FrameWindowState::Normal);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const int w = std::min(designed.width(), avail.width());
  const int h = std::min(designed.height(), avail.height());
  const int left = std::clamp(screen.left() + (screen.width() - w) / 2, avail.left(),
                              avail.left() + avail.width() - w);
  const int top = std::clamp(screen.top() + (screen.height() - h) / 2, avail.top(),
                             avail.top() + avail.height() - h);
  EXPECT_EQ(f.boundsRect(), (gfx::Rect{left, top, left + w, top + h}));
  if (w == designed.width() && h == designed.height()) {
    EXPECT_EQ(f.clientWidth(), 911);
    EXPECT_EQ(f.clientHeight(), 787);
  }
  // Showing again after a hide keeps the state the teacher left.
  f.hide();
  f.show();
  EXPECT_EQ(f.bsFormFrame1->FrameState(), skin::FrameWindowState::Normal);
}

INSTANTIATE_TEST_SUITE_P(Console, ConsoleStartTest, ::testing::Bool());

TEST_F(ConsoleTest, TeacherPagesLoadIntoTheThreePanesWithTheirTitles) {
  ASSERT_TRUE(loadTeacherPages());
  EXPECT_EQ(form_->WB->LocationURL(), pageUrl("left.jsp"));
  EXPECT_EQ(form_->WB1->LocationURL(), pageUrl("teacher_default.jsp"));
  EXPECT_EQ(form_->WB2->LocationURL(), pageUrl("teacher_config_companyonline.jsp"));
  EXPECT_EQ(app::FunctionListUrl(shared_->state()), pageUrl("left.jsp"));
  // The function list names the application; the bottom pane its panel.
  UNTIL_EQ(ui::Application::instance().title(), std::string("功能列表"), 5000);
  UNTIL_EQ(form_->bsSkinExPanel1->caption(), std::string("在线公司设置"), 5000);
  const std::string caption = form_->caption();
  EXPECT_TRUE(caption == "功能列表" || caption == "教师首页") << caption;
  // The main pane's document completed: the load time is shown.
  const std::string label = form_->bsSkinLabel1->caption();
  EXPECT_EQ(label.rfind("耗时", 0), 0u) << label;
  EXPECT_NE(form_->NavigateStartTick, 0u);
}

TEST_F(ConsoleTest, FunctionListLinksOpenInTheMainPaneExceptFunctionLists) {
  ASSERT_TRUE(loadTeacherPages());
  const int leftLoads = CountLogged(*server_, "/teacher/left.jsp");
  // A topic link: the main pane opens it, the function list stays.
  form_->WB->runScript(
      QStringLiteral("document.querySelector('a[href^=\"teacher_market.jsp\"]').click()"));
  UNTIL_TRUE(Contains(form_->WB1->LocationURL(), "/teacher/teacher_market.jsp?"), kLoadMs);
  UNTIL_EQ(form_->caption(), std::string("市场环境设置"), 5000);
  EXPECT_EQ(form_->WB->LocationURL(), pageUrl("left.jsp"));
  EXPECT_EQ(form_->WB->LocationName(), "功能列表");
  EXPECT_EQ(CountLogged(*server_, "/teacher/left.jsp"), leftLoads);
  // The window's caption follows the main pane; the application title
  // stays with the function list.
  EXPECT_EQ(ui::Application::instance().title(), "功能列表");

  // Another function list: it loads in the left pane itself.
  const std::string mainUrl = form_->WB1->LocationURL();
  form_->WB->runScript(QStringLiteral("document.querySelector('a[href*=\"menu=2\"]').click()"));
  UNTIL_TRUE(Contains(form_->WB->LocationURL(), "menu=2"), kLoadMs);
  UNTIL_TRUE(!form_->WB->Busy(), kLoadMs);
  QTest::qWait(200);
  EXPECT_EQ(form_->WB1->LocationURL(), mainUrl);

  // A page the script of the function list opens by address goes to the
  // main pane as well.
  form_->WB->runScript(QStringLiteral("location.href='frames.jsp?courseid=12&databasename=simdb'"));
  UNTIL_TRUE(Contains(form_->WB1->LocationURL(), "/teacher/frames.jsp?"), kLoadMs);
  EXPECT_TRUE(Contains(form_->WB->LocationURL(), "menu=2"));
}

TEST_F(ConsoleTest, TitlesAndStatusTextFollowTheirRules) {
  app::TMainForm& f = *form_;
  f.WBTitleChange("功能列表");
  EXPECT_EQ(ui::Application::instance().title(), "功能列表");
  EXPECT_EQ(f.caption(), "功能列表");
  f.WB1TitleChange("经营报表");
  EXPECT_EQ(f.caption(), "经营报表");
  EXPECT_EQ(ui::Application::instance().title(), "功能列表");
  f.WB2TitleChange("在线公司设置");
  EXPECT_EQ(f.bsSkinExPanel1->caption(), "在线公司设置");
  // Titles that hold an address change nothing.
  f.WBTitleChange("http://127.0.0.1/simA/teacher/left.jsp");
  f.WB1TitleChange("http://127.0.0.1/simA/teacher/teacher_report.jsp");
  f.WB2TitleChange("页面 http://127.0.0.1/");
  EXPECT_EQ(ui::Application::instance().title(), "功能列表");
  EXPECT_EQ(f.caption(), "经营报表");
  EXPECT_EQ(f.bsSkinExPanel1->caption(), "在线公司设置");

  // The status label shows whichever came last of status text and load time.
  f.NavigateStartTick = app::TickCount() - 5000;
  const std::uint32_t start = f.NavigateStartTick;
  f.WB1DocumentComplete();
  const std::string first = f.bsSkinLabel1->caption();
  f.WB1StatusTextChange("正在打开 http://127.0.0.1/x");
  EXPECT_EQ(f.bsSkinLabel1->caption(), "正在打开 ");
  f.WB1StatusTextChange("http://127.0.0.1/x");
  EXPECT_EQ(f.bsSkinLabel1->caption(), "");
  // A second document of the same navigation (a frame) counts from the same
  // start, which the completion leaves as it is.
  f.WB1DocumentComplete();
  EXPECT_EQ(f.NavigateStartTick, start);
  for (const std::string& shown : {first, f.bsSkinLabel1->caption()}) {
    ASSERT_EQ(shown.rfind("耗时", 0), 0u) << shown;
    ASSERT_GE(shown.size(), 8u);
    EXPECT_EQ(shown.substr(shown.size() - 2), "ms");
    const long ms = std::stol(shown.substr(6, shown.size() - 8));
    EXPECT_GE(ms, 5000) << shown;
    EXPECT_LT(ms, 60000) << shown;
  }
}

TEST_F(ConsoleTest, UntitledPagesChangeNoCaption) {
  ASSERT_TRUE(loadTeacherPages());
  UNTIL_EQ(form_->bsSkinExPanel1->caption(), std::string("在线公司设置"), 5000);
  const std::string html = "<html><body>untitled</body></html>";
  testsupport::TestHttpPeer peer(testsupport::TestHttpPeer::Mode::Answer,
                                 "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                                     std::to_string(html.size()) + "\r\nConnection: close\r\n\r\n" +
                                     html);
  const std::string base = "http://127.0.0.1:" + std::to_string(peer.port()) + "/simA/teacher/";
  form_->WB1->Navigate(base + "teacher_report.jsp");
  form_->WB2->Navigate(base + "teacher_config_companyonline.jsp");
  // Only left.jsp pages stay in the function list.
  form_->WB->Navigate(base + "left.jsp?courseid=12");
  UNTIL_TRUE(Contains(form_->WB->LocationURL(), "127.0.0.1:" + std::to_string(peer.port())) &&
                 Contains(form_->WB1->LocationURL(), "teacher_report.jsp") &&
                 Contains(form_->WB2->LocationURL(), std::to_string(peer.port())) &&
                 !form_->WB->Busy() && !form_->WB1->Busy() && !form_->WB2->Busy(),
             kLoadMs);
  QTest::qWait(200);
  EXPECT_TRUE(Contains(form_->WB1->LocationName(), "127.0.0.1")) << form_->WB1->LocationName();
  EXPECT_EQ(ui::Application::instance().title(), "功能列表");
  const std::string caption = form_->caption();
  EXPECT_TRUE(caption == "功能列表" || caption == "教师首页") << caption;
  EXPECT_EQ(form_->bsSkinExPanel1->caption(), "在线公司设置");
}

TEST_F(ConsoleTest, GaugeTakesTheMaximumBeforeTheValue) {
  app::TMainForm& f = *form_;
  struct Row {
    int progress, maximum;
    int wantMax, wantValue;
  };
  const Row rows[] = {
      {30, 100, 100, 30},
      {5, 10, 10, 5},
      // The value is set after the new maximum, so it is not cut to the old one.
      {80, 200, 200, 80},
      {150, 100, 100, 100},
      {-1, 100, 100, 0},
      // A maximum that measures nothing leaves the gauge empty.
      {40, 0, 100, 0},
      {40, -1, 100, 0},
      {100, 100, 100, 100},
  };
  for (const Row& r : rows) {
    f.WB1ProgressChange(r.progress, r.maximum);
    EXPECT_EQ(f.gp->MaxValue(), r.wantMax) << r.progress << "/" << r.maximum;
    EXPECT_EQ(f.gp->Value(), r.wantValue) << r.progress << "/" << r.maximum;
  }
}

TEST_F(ConsoleTest, HoveredLinksAndLoadTimeShareTheStatusLabel) {
  ASSERT_TRUE(loadTeacherPages());
  form_->show();
  form_->WB1->Navigate(pageUrl("left.jsp"));
  UNTIL_TRUE(form_->WB1->LocationName() == "功能列表" && !form_->WB1->Busy(), kLoadMs);
  UNTIL_TRUE(form_->bsSkinLabel1->caption().rfind("耗时", 0) == 0, 5000);
  const QVariant at = form_->WB1->evaluate(QStringLiteral(
      "(function(){var r=document.querySelectorAll('nav a')[1].getBoundingClientRect();"
      "return [r.left+r.width/2, r.top+r.height/2];})()"));
  const QVariantList xy = at.toList();
  ASSERT_EQ(xy.size(), 2);
  QWidget* view = form_->WB1->view();
  const QPoint p = view->mapTo(view->window(), QPoint(xy[0].toInt(), xy[1].toInt()));
  QTest::mouseMove(view->window()->windowHandle(), p);
  // The hovered link's address begins with http://: nothing of it shows.
  UNTIL_EQ(form_->bsSkinLabel1->caption(), std::string(""), 5000);
  // A slow page: the time shown covers the whole wait.
  form_->WB1->Navigate(server_->baseUrl() + "simA/teacher/slow.jsp?courseid=12");
  UNTIL_TRUE(form_->WB1->LocationName() == "年度结算" && !form_->WB1->Busy(), kLoadMs);
  UNTIL_TRUE(form_->bsSkinLabel1->caption().rfind("耗时", 0) == 0, 5000);
  const std::string shown = form_->bsSkinLabel1->caption();
  const long ms = std::stol(shown.substr(6, shown.size() - 8));
  EXPECT_GE(ms, 1900) << shown;  // the server spreads the page over 2 s
}

TEST_F(ConsoleTest, FolderRequestWritesTheChosenFolderIntoThePage) {
  ASSERT_TRUE(loadTeacherPages());
  const std::string pageBefore = form_->WB1->LocationURL();
  testsupport::ScratchDir folders;
  const std::string first = folders.path() + "/导出";
  const std::string second = folders.path() + "/other";
  std::filesystem::create_directories(first);
  std::filesystem::create_directories(second);
  skin::TbsSkinSelectDirectoryDialog& dialog = shared_->folderDialog();
  int shown = 0;
  std::string choose = first;
  bool confirm = true;
  dialog.OnShown = [&](skin::TbsSelDirDlgForm& d) {
    ++shown;
    d.tree()->SelectPath(choose);
    (confirm ? d.okButton() : d.cancelButton())->click();
  };
  // The page's own browse button asks for the folder of "exportpath".
  form_->WB1->runScript(QStringLiteral("document.getElementById('browse').click()"));
  UNTIL_EQ(shown, 1, 10000);
  UNTIL_EQ(inputValue(*form_->WB1, "exportpath"), first, 10000);
  // The request was cancelled: the page stays, and nothing was timed.
  EXPECT_EQ(form_->WB1->LocationURL(), pageBefore);
  EXPECT_EQ(form_->WB1->LocationName(), "教师首页");

  // Cancelling the dialog changes nothing.
  choose = second;
  confirm = false;
  form_->WB1->runScript(QStringLiteral("document.getElementById('browse').click()"));
  UNTIL_EQ(shown, 2, 10000);
  QTest::qWait(300);
  EXPECT_EQ(inputValue(*form_->WB1, "exportpath"), first);

  // A name no element has: the dialog shows, then nothing changes.
  confirm = true;
  form_->WB1->runScript(QStringLiteral("location.href='http://selectdialog/nosuchbox/'"));
  UNTIL_EQ(shown, 3, 10000);
  QTest::qWait(300);
  EXPECT_EQ(inputValue(*form_->WB1, "exportpath"), first);
  EXPECT_EQ(form_->WB1->LocationURL(), pageBefore);

  // A name of an element that is no input element: nothing changes either.
  form_->WB1->runScript(
      QStringLiteral("var d=document.createElement('div');d.id='plainbox';d.textContent='x';"
                     "document.body.appendChild(d);location.href='http://selectdialog/plainbox/'"));
  UNTIL_EQ(shown, 4, 10000);
  QTest::qWait(300);
  EXPECT_EQ(form_->WB1->evaluate(QStringLiteral("document.getElementById('plainbox').textContent"))
                .toString(),
            QStringLiteral("x"));
  EXPECT_EQ(inputValue(*form_->WB1, "exportpath"), first);
}

TEST_F(ConsoleTest, FolderRequestFromTheFunctionListIsAnsweredInTheMainPane) {
  ASSERT_TRUE(loadTeacherPages());
  int shown = 0;
  std::string chosen;
  shared_->folderDialog().OnShown = [&](skin::TbsSelDirDlgForm& d) {
    ++shown;
    // A second request while the dialog is open opens no second dialog.
    form_->WB1->runScript(QStringLiteral("location.href='http://selectdialog/exportpath/'"));
    QTest::qWait(500);
    chosen = d.tree()->SelectedPath();
    d.okButton()->click();
  };
  form_->WB->runScript(QStringLiteral("location.href='http://selectdialog/exportpath/'"));
  UNTIL_EQ(shown, 1, 10000);
  UNTIL_TRUE(inputValue(*form_->WB1, "exportpath") == chosen && !chosen.empty(), 10000);
  QTest::qWait(300);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(form_->WB->LocationURL(), pageUrl("left.jsp"));
  EXPECT_EQ(form_->WB1->LocationURL(), pageUrl("teacher_default.jsp"));
}

TEST_F(ConsoleTest, RightClicksAreSwallowedInTheClientBrowsersOnly) {
  ASSERT_TRUE(loadTeacherPages());
  // The course window's browser and a page viewer's, as their windows hold them.
  auto* course = new WebBrowser;
  auto* viewer = new WebBrowser;
  otherBrowsers_.emplace_back(course);
  otherBrowsers_.emplace_back(viewer);
  shared_->addRightClickBrowser(course);
  for (WebBrowser* b : {course, viewer}) {
    b->resize(300, 200);
    b->show();
    b->Navigate(pageUrl("teacher_report.jsp"));
  }
  UNTIL_TRUE(course->LocationName() == "经营报表" && viewer->LocationName() == "经营报表" &&
                 !course->Busy() && !viewer->Busy(),
             kLoadMs);
  shared_->installRightClickFilter();
  form_->show();
  const QString listen = QStringLiteral(
      "document.title='ready';"
      "document.addEventListener('mousedown',function(e){if(e.button==2)document.title='right';});"
      "document.addEventListener('dblclick',function(){document.title='double';});"
      "document.addEventListener('contextmenu',function(){document.title='menu';});");
  std::vector<WebBrowser*> swallowing = {form_->WB, form_->WB1, form_->WB2, course};
  for (WebBrowser* b : swallowing) b->runScript(listen);
  viewer->runScript(listen);
  for (WebBrowser* b : swallowing) UNTIL_EQ(b->LocationName(), std::string("ready"), 5000);
  UNTIL_EQ(viewer->LocationName(), std::string("ready"), 5000);

  auto rightClicks = [](WebBrowser& b) {
    QWidget* top = b.window();
    const QPoint p = b.mapTo(top, QPoint(b.width() / 2, b.height() / 2));
    QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, p);
    QTest::mouseDClick(top->windowHandle(), Qt::RightButton, {}, p);
  };
  for (WebBrowser* b : swallowing) rightClicks(*b);
  QTest::qWait(300);
  for (WebBrowser* b : swallowing) EXPECT_EQ(b->LocationName(), "ready");
  // No context menu of the browser engine opened either.
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

  // A right click on the status bar is delivered.
  int labelDowns = 0;
  int gaugeDowns = 0;
  form_->bsSkinLabel1->onMouseDown = [&](ui::Control&, ui::MouseButton button, unsigned, int, int) {
    labelDowns += button == ui::MouseButton::Right;
  };
  form_->gp->onMouseDown = [&](ui::Control&, ui::MouseButton button, unsigned, int, int) {
    gaugeDowns += button == ui::MouseButton::Right;
  };
  QWidget* top = form_->widget();
  for (ui::Control* c :
       {static_cast<ui::Control*>(form_->bsSkinLabel1), static_cast<ui::Control*>(form_->gp)}) {
    const QPoint p = c->widget()->mapTo(top, QPoint(c->width() / 2, c->height() / 2));
    QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, p);
  }
  UNTIL_EQ(labelDowns, 1, 2000);
  UNTIL_EQ(gaugeDowns, 1, 2000);

  // The viewer's page hears its click: so the panes would have heard theirs.
  rightClicks(*viewer);
  UNTIL_TRUE(viewer->LocationName() != "ready", 5000);
  if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
}

TEST_F(ConsoleTest, DecliningTheExitKeepsEverything) {
  ASSERT_TRUE(loadTeacherPages());
  form_->show();
  const std::string url = form_->WB1->LocationURL();
  answer_.button = skin::mbNo;
  shared_->closeConsole();
  EXPECT_EQ(answer_.shown, 1);
  ASSERT_EQ(answer_.texts.size(), 1u);
  EXPECT_EQ(answer_.texts[0], "确定退出吗？");
  EXPECT_TRUE(ends_.empty());
  EXPECT_TRUE(form_->visible());
  EXPECT_FALSE(form_->exiting());
  EXPECT_EQ(form_->WB1->LocationURL(), url);
  QTest::qWait(200);
  EXPECT_FALSE(Logged(*server_, "/simA/LoginAction.do?p0=3&p1=12&p2=1"));
  // The frame's close command asks again.
  form_->close();
  EXPECT_EQ(answer_.shown, 2);
  EXPECT_TRUE(ends_.empty());
  EXPECT_TRUE(form_->visible());
}

TEST_F(ConsoleTest, ConfirmingLogsOutClearsTheHistoryAndEndsWithZero) {
  ASSERT_TRUE(loadTeacherPages());
  form_->WB1->Navigate(pageUrl("teacher_report.jsp"));
  UNTIL_TRUE(form_->WB1->LocationName() == "经营报表" && !form_->WB1->Busy(), kLoadMs);
  ASSERT_GE(form_->WB1->view()->page()->history()->count(), 2);
  form_->show();
  // A second close request while the question is open asks nothing more.
  answer_.whileShown = [this] { shared_->closeConsole(); };
  shared_->state().CourseId = -9999;
  shared_->closeConsole();
  EXPECT_EQ(answer_.shown, 1);
  ASSERT_EQ(ends_.size(), 1u);
  EXPECT_EQ(ends_[0], 0);
  EXPECT_TRUE(Logged(*server_, "/simA/LoginAction.do?p0=3&p1=-9999&p2=1"));
  EXPECT_LE(form_->WB1->view()->page()->history()->count(), 1);
  // The recorder returned in place of the end: the window did not close.
  EXPECT_TRUE(form_->visible());
}

TEST_F(ConsoleTest, AFailedHistoryClearingIsReportedAndTheProcessEndsAnyway) {
  form_->ClearHistory = [] { throw std::runtime_error("no history store"); };
  // Before any login: the logout has no host and fails silently.
  form_->close();
  ASSERT_EQ(ends_.size(), 1u);
  EXPECT_EQ(ends_[0], 0);
  std::ifstream in(crashDir_.path() + "/crash.log");
  std::stringstream log;
  log << in.rdbuf();
  EXPECT_TRUE(Contains(log.str(), "no history store")) << log.str();
}

TEST_F(ConsoleTest, ClosingWhileAPageNeverFinishes) {
  ASSERT_TRUE(loadTeacherPages());
  testsupport::ClassroomServerProcess slow({"--slow-seconds", "120"});
  app::LoginState& s = shared_->state();
  EnterClass(s, slow.baseUrl());
  form_->show();
  form_->WB1->Navigate(slow.baseUrl() + "simA/teacher/slow.jsp?courseid=12");
  UNTIL_TRUE(form_->WB1->Busy() && CountLogged(slow, "/teacher/slow.jsp") == 1, kLoadMs);
  shared_->closeConsole();
  EXPECT_EQ(answer_.shown, 1);
  ASSERT_EQ(ends_.size(), 1u);
  EXPECT_EQ(ends_[0], 0);
  EXPECT_TRUE(Logged(slow, "/simA/LoginAction.do?p0=3&p1=12&p2=1"));
  EXPECT_TRUE(form_->WB1->Busy());
  form_->WB1->Stop();
}

// The pids of every process below this one.
std::set<int> DescendantProcesses() {
  std::map<int, std::vector<int>> children;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 2));
    char state = 0;
    int ppid = 0;
    rest >> state >> ppid;
    children[ppid].push_back(std::stoi(name));
  }
  std::set<int> out;
  std::vector<int> todo = {static_cast<int>(getpid())};
  while (!todo.empty()) {
    const int p = todo.back();
    todo.pop_back();
    for (int c : children[p])
      if (out.insert(c).second) todo.push_back(c);
  }
  return out;
}

// Whether the process still runs (a zombie waiting for its parent counts
// as ended).
bool Running(int pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return false;
  const std::size_t close = line.rfind(')');
  return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

// How many addresses the browser engine's stored list of visited links
// holds (-1: no list). The list is a hash table file whose header holds a
// signature, the version, the table length and the number of used slots.
int StoredVisitedLinks(const std::string& profileRoot) {
  std::ifstream in(profileRoot + "/storage/Visited Links", std::ios::binary);
  char head[16] = {};
  if (!in.read(head, sizeof head) || std::string(head, 4) != "VLnk") return -1;
  std::int32_t used = 0;
  std::memcpy(&used, head + 12, sizeof used);
  return used;
}

// Run by the test below as a process of its own: loads the teacher pages,
// notes its browser helper processes, and closes the console with a Yes.
TEST(ConsoleExitChild, EndsThroughTheCloseStep) {
  const char* setting = std::getenv(kChildVariable);
  if (setting == nullptr) GTEST_SKIP() << "run by ConsoleProcess.ConfirmedCloseEndsTheProcess";
  const std::string text = setting;
  const std::string dir = text.substr(0, text.find('|'));
  const std::string baseUrl = text.substr(text.find('|') + 1);
  platform::BrowserProfile::setStorageRoot(dir + "/profile");
  platform::BrowserProfile::setSettingsPath(dir + "/browser-settings.ini");
  app::ClientShared::Options o;
  o.crashFolder = dir;
  o.installSignalHandlers = false;
  auto* shared = new app::ClientShared(o);
  auto* form = new app::TMainForm(*shared);
  MessageAnswer answer;
  answer.attach(shared->message());
  EnterClass(shared->state(), baseUrl);
  shared->loadTeacherPages();
  form->show();
  ASSERT_TRUE(WaitUntil(
      [&] {
        return form->WB->LocationName() == "功能列表" && form->WB1->LocationName() == "教师首页" &&
               form->WB2->LocationName() == "在线公司设置";
      },
      kLoadMs));
  // The visited pages are stored before the close step begins.
  ASSERT_TRUE(WaitUntil([&] { return StoredVisitedLinks(dir + "/profile") >= 3; }, 10000));
  std::ofstream helpers(dir + "/helpers");
  for (int pid : DescendantProcesses()) helpers << pid << "\n";
  helpers.close();
  // Left in the standard output's buffer: the end must write it out.
  std::printf("console closing\n");
  form->close();
  std::printf("console still running\n");
  std::fflush(stdout);
  std::_Exit(3);
}

TEST(ConsoleProcess, ConfirmedCloseEndsTheProcessAndItsBrowserHelpers) {
  testsupport::ClassroomServerProcess server;
  testsupport::ScratchDir dir;
  const std::string setting = dir.path() + "|" + server.baseUrl();
  ::setenv(kChildVariable, setting.c_str(), 1);
  const auto [code, out] =
      testsupport::RunProgram(std::filesystem::read_symlink("/proc/self/exe").string(),
                              {"--gtest_filter=ConsoleExitChild.EndsThroughTheCloseStep"}, 120);
  ::unsetenv(kChildVariable);
  EXPECT_EQ(code, 0) << out;
  EXPECT_TRUE(Contains(out, "console closing")) << out;
  EXPECT_FALSE(Contains(out, "console still running")) << out;
  EXPECT_TRUE(Logged(server, "/simA/LoginAction.do?p0=3&p1=12&p2=1"));
  // The emptied history reached the disk before the end.
  EXPECT_EQ(StoredVisitedLinks(dir.path() + "/profile"), 0);
  std::ifstream in(dir.path() + "/helpers");
  std::vector<int> helpers;
  for (int pid = 0; in >> pid;) helpers.push_back(pid);
  EXPECT_FALSE(helpers.empty());
  for (int pid : helpers) UNTIL_TRUE(!Running(pid), 10000);
}

}  // namespace

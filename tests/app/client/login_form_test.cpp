// The login window against the classroom server, in a working folder of
// its own (the settings file is kavro.ini there): its controls, the first
// start, the box checks with their messages and focus, refused, accepted
// and configuration logins, the advanced settings, the proxy choices and
// test, and the faults of the request.
#include "app/client/login_form.h"

#include <unistd.h>

#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/client/client_shared.h"
#include "app/client/course_form.h"
#include "app/client/login_form_parts.h"
#include "app/core/server_protocol.h"
#include "app/core/user_message.h"
#include "app/crash/crash_reporter.h"
#include "classroom_server_process.h"
#include "login_form_test_support.h"
#include "platform/browser/browser_profile.h"
#include "platform/browser/web_browser.h"
#include "platform/browser_settings.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_menu_button.h"
#include "skin/controls/skin_page_control.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_password_edit.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_std_label.h"
#include "skin/dialogs/skin_message.h"
#include "support/qt_wait.h"
#include "test_http_peer.h"
#include "ui/application.h"
#include "ui/monitor.h"

namespace {

using testsupport::ClassroomServerProcess;
using testsupport::ScratchDir;

constexpr int kLoadMs = 20000;

using windowtest::ClickOn;
using windowtest::HasFocus;
using windowtest::TypeInto;

// Runs `act` once from the event loop as soon as `ready` holds (polled
// every 20 ms): the way to act inside a modal window the test opened.
void When(std::function<bool()> ready, std::function<void()> act) {
  auto* timer = new QTimer;
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, [timer, ready = std::move(ready), act]() mutable {
    if (!ready()) return;
    timer->stop();
    timer->deleteLater();
    act();
  });
  timer->start();
}

std::string FileText(const std::string& path) {
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

class LoginFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    suite_ = new windowtest::SuiteSetUp;
    server_ = new ClassroomServerProcess;
  }
  static void TearDownTestSuite() {
    delete server_;
    delete suite_;
  }

  void SetUp() override {
    oldDir_ = std::filesystem::current_path();
    std::filesystem::current_path(work_.path());
    shared_ = std::make_unique<app::ClientShared>(windowtest::TestClientOptions(work_.path()));
    course_ = std::make_unique<app::TCourseForm>(*shared_);
    login_ = std::make_unique<app::TLoginForm>(*shared_);
    shared_->windows.CourseForm = course_.get();
    shared_->windows.LoginForm = login_.get();
    login_->setBrowserSettingsPath(browserSettingsPath());
    shared_->closeConsole = [this] { ++consoleCloses_; };
    messages_.attach(*shared_);
  }
  void TearDown() override {
    login_.reset();
    course_.reset();
    shared_.reset();
    std::filesystem::current_path(oldDir_);
  }

  std::string iniPath() const { return work_.path() + "/kavro.ini"; }
  std::string browserSettingsPath() const { return work_.path() + "/browser-settings.ini"; }

  void showLogin() {
    login_->show();
    login_->activate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(login_->widget()));
  }
  void typeLogin(const std::string& server, const std::string& port, const std::string& classroom,
                 const std::string& password) {
    TypeInto(login_->bsSkinComboBox1, server);
    login_->bsSkinEdit5->setEditText("");
    TypeInto(login_->bsSkinEdit5, port);
    TypeInto(login_->bsSkinEdit1, classroom);
    TypeInto(login_->bsSkinPasswordEdit1, password);
  }
  std::string serverPort() const { return std::to_string(server_->port()); }
  bool lastMessageIs(const std::string& text, skin::TMsgDlgType kind) const {
    return messages_.lastIs(text, kind);
  }
  // Closes the course window once it shows the page at `url`, after `check`.
  void closeCourseOn(
      const std::string& url, std::function<void()> check = [] {}) {
    When(
        [this, url] {
          return course_->widget()->isVisible() && course_->WB().LocationURL() == url &&
                 !course_->WB().Busy();
        },
        [this, check] {
          check();
          courseSeen_ = true;
          course_->MayClose = true;
          course_->close();
        });
  }

  static windowtest::SuiteSetUp* suite_;
  static ClassroomServerProcess* server_;
  ScratchDir work_;
  std::filesystem::path oldDir_;
  std::unique_ptr<app::ClientShared> shared_;
  std::unique_ptr<app::TCourseForm> course_;
  std::unique_ptr<app::TLoginForm> login_;
  windowtest::Messages messages_;
  std::vector<windowtest::Messages::Shown>& shown_ = messages_.shown;
  int consoleCloses_ = 0;
  bool courseSeen_ = false;
};

windowtest::SuiteSetUp* LoginFormTest::suite_ = nullptr;
ClassroomServerProcess* LoginFormTest::server_ = nullptr;

// The section a skinned control draws from ("" for none).
std::string SectionOf(ui::Control* c) {
  if (auto* w = dynamic_cast<skin::SkinControlLayer<ui::WinControl>*>(c)) return w->SkinDataName();
  if (auto* g = dynamic_cast<skin::SkinControlLayer<ui::GraphicControl>*>(c))
    return g->SkinDataName();
  if (auto* h = dynamic_cast<skin::SkinControlLayer<ui::WidgetHost>*>(c)) return h->SkinDataName();
  return "";
}

template <class T>
bool Is(ui::Control* c) {
  return dynamic_cast<T*>(c) != nullptr;
}

TEST_F(LoginFormTest, ControlsSitInTheirContainersWithTheirClassesAndSections) {
  app::TLoginForm& f = *login_;
  EXPECT_EQ(f.caption(), "进入教室");
  EXPECT_EQ(f.clientWidth(), 392);
  EXPECT_EQ(f.clientHeight(), 246);
  EXPECT_EQ(f.formStyle(), ui::FormStyle::fsStayOnTop);
  EXPECT_EQ(f.position(), ui::Position::poScreenCenter);
  EXPECT_EQ(f.font().name, "新宋体");
  EXPECT_EQ(f.font().height, 12);

  struct Row {
    const char* name;
    bool (*is)(ui::Control*);
    const char* container;  // "" for the window
    int left, top, width, height;
    const char* section;
  };
  using namespace skin;
  const Row rows[] = {
      {"PageControl1", Is<TbsSkinPageControl>, "", 0, 0, 392, 189, "tab"},
      {"bsSkinTextLabel3", Is<TbsSkinTextLabel>, "bsSkinTabSheet1", 14, 22, 110, 13, "stdlabel"},
      {"bsSkinComboBox1", Is<TbsSkinComboBox>, "bsSkinTabSheet1", 128, 18, 141, 20, "combobox"},
      {"bsSkinTextLabel1", Is<TbsSkinTextLabel>, "bsSkinTabSheet1", 15, 76, 110, 13, "stdlabel"},
      {"bsSkinEdit1", Is<TbsSkinEdit>, "bsSkinTabSheet1", 130, 72, 141, 18, "edit"},
      {"bsSkinTextLabel2", Is<TbsSkinTextLabel>, "bsSkinTabSheet1", 15, 130, 109, 13, "stdlabel"},
      {"bsSkinPasswordEdit1", Is<TbsSkinPasswordEdit>, "bsSkinTabSheet1", 130, 126, 141, 21,
       "edit"},
      {"Image2", Is<app::WindowPicture>, "bsSkinTabSheet1", 20, 4, 44, 42, ""},
      {"Image3", Is<app::WindowPicture>, "bsSkinTabSheet1", 20, 56, 46, 47, ""},
      {"Image1", Is<app::WindowPicture>, "bsSkinTabSheet1", 20, 109, 46, 51, ""},
      {"bsSkinMenuButton1", Is<TbsSkinMenuButton>, "", 7, 207, 87, 25, "toolmenubutton"},
      {"bsSkinButton1", Is<TbsSkinSpeedButton>, "", 191, 208, 85, 25, "toolbutton"},
      {"bsSkinButton2", Is<TbsSkinSpeedButton>, "", 287, 208, 85, 25, "toolbutton"},
      {"bsSkinGroupBox2", Is<TbsSkinGroupBox>, "", 6, 256, 369, 63, "groupbox"},
      {"bsSkinStdLabel1", Is<TbsSkinStdLabel>, "bsSkinGroupBox2", 11, 28, 35, 29, "stdlabel"},
      {"bsSkinComboBox2", Is<TbsSkinComboBox>, "bsSkinGroupBox2", 48, 28, 99, 25, "combobox"},
      {"bsSkinStdLabel7", Is<TbsSkinStdLabel>, "bsSkinGroupBox2", 184, 36, 47, 13, "stdlabel"},
      {"bsSkinEdit5", Is<TbsSkinEdit>, "bsSkinGroupBox2", 236, 31, 65, 18, "edit"},
      {"bsSkinGroupBox1", Is<TbsSkinGroupBox>, "", 6, 325, 369, 130, "groupbox"},
      {"bsSkinStdLabel2", Is<TbsSkinStdLabel>, "bsSkinGroupBox1", 10, 32, 36, 13, "stdlabel"},
      {"bsSkinComboBox3", Is<TbsSkinComboBox>, "bsSkinGroupBox1", 48, 28, 120, 20, "combobox"},
      {"bsSkinSpeedButton1", Is<TbsSkinSpeedButton>, "bsSkinGroupBox1", 236, 29, 65, 25,
       "toolbutton"},
      {"bsSkinStdLabel3", Is<TbsSkinStdLabel>, "bsSkinGroupBox1", 10, 63, 36, 13, "stdlabel"},
      {"bsSkinEdit2", Is<TbsSkinEdit>, "bsSkinGroupBox1", 48, 60, 121, 18, "edit"},
      {"bsSkinStdLabel6", Is<TbsSkinStdLabel>, "bsSkinGroupBox1", 199, 63, 36, 13, "stdlabel"},
      {"bsSkinEdit3", Is<TbsSkinEdit>, "bsSkinGroupBox1", 236, 60, 65, 18, "edit"},
      {"bsSkinStdLabel4", Is<TbsSkinStdLabel>, "bsSkinGroupBox1", 10, 91, 36, 13, "stdlabel"},
      {"bsSkinEdit4", Is<TbsSkinEdit>, "bsSkinGroupBox1", 48, 89, 121, 18, "edit"},
      {"bsSkinStdLabel5", Is<TbsSkinStdLabel>, "bsSkinGroupBox1", 199, 91, 36, 13, "stdlabel"},
      {"bsSkinPasswordEdit2", Is<TbsSkinPasswordEdit>, "bsSkinGroupBox1", 236, 85, 66, 21, "edit"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto* c = dynamic_cast<ui::Control*>(f.findComponent(r.name));
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(r.is(c));
    ASSERT_NE(c->parent(), nullptr);
    if (*r.container == '\0') {
      EXPECT_EQ(c->parent(), &f);
    } else {
      EXPECT_EQ(c->parent()->name(), r.container);
    }
    EXPECT_EQ(c->boundsRect(), gfx::Rect::fromSize(r.left, r.top, r.width, r.height));
    EXPECT_EQ(SectionOf(c), r.section);
    if (*r.section != '\0') {
      auto* receiver = dynamic_cast<skin::SkinChangeReceiver*>(c);
      ASSERT_NE(receiver, nullptr);
      EXPECT_EQ(receiver->receiverSkinData(), &shared_->skinData());
    }
  }

  // The tab, the captions and the settings that differ from the classes'.
  auto* sheet = dynamic_cast<skin::TbsSkinTabSheet*>(f.findComponent("bsSkinTabSheet1"));
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->PageControl(), f.PageControl1);
  EXPECT_EQ(sheet->caption(), "进入虚拟教室");
  EXPECT_EQ(f.PageControl1->align(), ui::Align::alTop);
  EXPECT_EQ(f.PageControl1->TabHeight(), 20);
  EXPECT_FALSE(f.PageControl1->UseSkinFont());
  EXPECT_EQ(f.PageControl1->DefaultFont().name, "Arial");
  EXPECT_EQ(f.PageControl1->DefaultFont().height, 14);
  for (const char* name : {"bsSkinTextLabel1", "bsSkinTextLabel2", "bsSkinTextLabel3"}) {
    auto* l = dynamic_cast<skin::TbsSkinTextLabel*>(f.findComponent(name));
    EXPECT_EQ(l->Alignment(), skin::LabelAlignment::Right) << name;
    EXPECT_FALSE(l->AutoSize()) << name;
  }
  EXPECT_EQ(dynamic_cast<skin::TbsSkinTextLabel*>(f.findComponent("bsSkinTextLabel1"))->Lines(),
            std::vector<std::string>{"教室号码"});
  EXPECT_EQ(dynamic_cast<skin::TbsSkinStdLabel*>(f.findComponent("bsSkinStdLabel1"))->caption(),
            "界面\n风格");
  EXPECT_FALSE(
      dynamic_cast<skin::TbsSkinStdLabel*>(f.findComponent("bsSkinStdLabel7"))->AutoSize());
  for (skin::TbsSkinComboBox* c : {f.bsSkinComboBox1, f.bsSkinComboBox2, f.bsSkinComboBox3}) {
    EXPECT_TRUE(c->UseSkinSize());
    EXPECT_TRUE(c->ListBoxUseSkinFont());
    EXPECT_TRUE(c->ListBoxUseSkinItemHeight());
    EXPECT_EQ(c->ListBoxDefaultItemHeight(), 20);
    EXPECT_EQ(c->DropDownCount(), 8);
  }
  EXPECT_EQ(f.bsSkinComboBox1->Style(), skin::TbsSkinCustomComboBoxStyle::bscbEditStyle);
  EXPECT_EQ(f.bsSkinComboBox1->count(), 0);
  EXPECT_EQ(f.bsSkinComboBox2->Style(), skin::TbsSkinCustomComboBoxStyle::bscbFixedStyle);
  EXPECT_EQ(f.bsSkinComboBox2->Items(),
            (std::vector<std::string>{"淡蓝", "浅绿", "艳紫", "橙黄", "黑晶", "素雅"}));
  EXPECT_EQ(f.bsSkinComboBox3->Items(),
            (std::vector<std::string>{"不使用代理", "HTTP代理", "使用浏览器设置"}));
  EXPECT_EQ(f.bsSkinComboBox3->ItemIndex(), 0);
  for (skin::TbsSkinPasswordEdit* p : {f.bsSkinPasswordEdit1, f.bsSkinPasswordEdit2})
    EXPECT_EQ(p->PasswordKind(), skin::TbsPasswordKind::pkRoundRect);
  for (skin::TbsSkinGroupBox* g : {f.bsSkinGroupBox1, f.bsSkinGroupBox2}) {
    EXPECT_TRUE(g->CaptionMode());
    EXPECT_EQ(g->BorderStyle(), skin::TbsSkinBorderStyle::bvNone);
  }
  EXPECT_EQ(f.bsSkinGroupBox1->caption(), "代理设置");
  EXPECT_EQ(f.bsSkinButton1->caption(), "进入教室");
  EXPECT_EQ(f.bsSkinMenuButton1->caption(), "高级设置");
  EXPECT_EQ(f.bsSkinMenuButton1->tag(), 0);
  EXPECT_EQ(f.bsSkinMenuButton1->SkinPopupMenu(), nullptr);
  EXPECT_EQ(f.bsSkinEdit5->Text(), "80");
  EXPECT_FALSE(f.bsSkinSpeedButton1->enabled());
  for (skin::TbsSkinEdit* e : {f.bsSkinEdit2, f.bsSkinEdit3, f.bsSkinEdit4})
    EXPECT_FALSE(e->enabled());
  // Tab order among the three rows of the tab.
  EXPECT_LT(f.bsSkinComboBox1->tabOrder(), f.bsSkinEdit1->tabOrder());
  EXPECT_LT(f.bsSkinEdit1->tabOrder(), f.bsSkinPasswordEdit1->tabOrder());
  // The three pictures are carried by the program at their sizes.
  for (const char* name : {"Image1", "Image2", "Image3"}) {
    auto* p = dynamic_cast<app::WindowPicture*>(f.findComponent(name));
    EXPECT_EQ(p->picture().size(), QSize(p->width(), p->height())) << name;
  }
}

TEST_F(LoginFormTest, FirstStartWithoutASettingsFileShowsTheDefaultsInTheFirstSkin) {
  showLogin();
  app::TLoginForm& f = *login_;
  EXPECT_FALSE(std::filesystem::exists(iniPath()));
  EXPECT_EQ(f.bsSkinComboBox2->ItemIndex(), 0);
  EXPECT_EQ(shared_->storedSkinIndex(), 0);
  EXPECT_FALSE(shared_->skinData().Empty());
  EXPECT_EQ(f.bsSkinComboBox3->ItemIndex(), 0);
  EXPECT_EQ(f.bsSkinEdit5->Text(), "80");
  EXPECT_EQ(f.bsSkinComboBox1->Text(), "");
  EXPECT_EQ(f.bsSkinEdit1->Text(), "");
  EXPECT_EQ(f.bsSkinPasswordEdit1->Text(), "");
  for (skin::TbsSkinEdit* e : {f.bsSkinEdit2, f.bsSkinEdit3, f.bsSkinEdit4}) {
    EXPECT_EQ(e->Text(), "");
    EXPECT_FALSE(e->enabled());
  }
  EXPECT_FALSE(f.bsSkinPasswordEdit2->enabled());
  EXPECT_FALSE(f.bsSkinSpeedButton1->enabled());
  // The teacher starts typing the server.
  WAIT_TRUE(HasFocus(f, f.bsSkinComboBox1), 2000);
  // Not closable before a login.
  EXPECT_FALSE(f.MayClose);
  f.close();
  EXPECT_TRUE(f.visible());
}

TEST_F(LoginFormTest, StoredSettingsFillTheBoxesAndChooseTheSkinAndProxyMode) {
  {
    std::FILE* ini = std::fopen(iniPath().c_str(), "w");
    ASSERT_NE(ini, nullptr);
    std::fputs(
        "[teacher]\nskin=5\nproxymode=1\nproxyserver=proxy.school\nproxyport=3128\n"
        "proxyuser=li\nproxypass=s3\nserver= 10.0.0.5 \nport=8080\nclassroom=101\n",
        ini);
    std::fclose(ini);
  }
  showLogin();
  app::TLoginForm& f = *login_;
  EXPECT_EQ(f.bsSkinComboBox2->ItemIndex(), 5);
  EXPECT_EQ(shared_->storedSkinIndex(), 5);
  EXPECT_EQ(f.bsSkinComboBox3->ItemIndex(), 1);
  EXPECT_EQ(f.bsSkinEdit2->Text(), "proxy.school");
  EXPECT_EQ(f.bsSkinEdit3->Text(), "3128");
  EXPECT_EQ(f.bsSkinEdit4->Text(), "li");
  EXPECT_EQ(f.bsSkinPasswordEdit2->Text(), "s3");
  EXPECT_TRUE(f.bsSkinEdit2->enabled());
  EXPECT_TRUE(f.bsSkinSpeedButton1->enabled());
  EXPECT_EQ(f.bsSkinComboBox1->Text(), "10.0.0.5");
  EXPECT_EQ(f.bsSkinEdit5->Text(), "8080");
  EXPECT_EQ(f.bsSkinEdit1->Text(), "101");
}

TEST_F(LoginFormTest, BoxChecksWarnAndMoveTheFocusWithoutSendingAnything) {
  showLogin();
  struct Row {
    const char* what;
    const char* server;
    const char* classroom;
    int proxyMode;
    const char* proxyAddress;
    const char* proxyPort;
    const char* message;
  };
  const Row rows[] = {
      {"blank server", "   ", "101", 0, "", "", app::texts::kEnterServer},
      {"no classroom", "127.0.0.1", " ", 0, "", "", app::texts::kEnterClassroom},
      {"proxy without address", "127.0.0.1", "101", 1, " ", "3128", app::texts::kEnterProxyAddress},
      {"proxy without port", "127.0.0.1", "101", 1, "proxy", "", app::texts::kEnterProxyPort},
      {"proxy port not a number", "127.0.0.1", "101", 1, "proxy", "80x",
       app::texts::kProxyPortNotNumber},
  };
  ui::WinControl* focusOf[] = {login_->bsSkinComboBox1, login_->bsSkinEdit1, login_->bsSkinEdit2,
                               login_->bsSkinEdit3, login_->bsSkinEdit3};
  login_->bsSkinMenuButton1Click();  // the proxy boxes in view
  const std::size_t requestsBefore = server_->log().size();
  int i = 0;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    login_->bsSkinComboBox1->setComboText("");
    login_->bsSkinEdit1->setEditText("");
    TypeInto(login_->bsSkinComboBox1, r.server);
    TypeInto(login_->bsSkinEdit1, r.classroom);
    login_->bsSkinComboBox3->setItemIndex(r.proxyMode);
    login_->bsSkinEdit2->setEditText(r.proxyAddress);
    login_->bsSkinEdit3->setEditText(r.proxyPort);
    login_->bsSkinEdit5->setFocus();  // somewhere else
    const std::size_t before = shown_.size();
    ClickOn(login_->bsSkinButton1);
    ASSERT_EQ(shown_.size(), before + 1);
    EXPECT_TRUE(lastMessageIs(r.message, skin::TMsgDlgType::mtWarning)) << shown_.back().text;
    WAIT_TRUE(HasFocus(*login_, focusOf[i]), 2000);
    EXPECT_EQ(shared_->state().BaseUrl, "");
    ++i;
  }
  EXPECT_EQ(server_->log().size(), requestsBefore);
  EXPECT_FALSE(std::filesystem::exists(iniPath()));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LoginFormTest, ARefusedLoginShowsTheServersMessageAndWritesNothing) {
  showLogin();
  typeLogin("127.0.0.1", serverPort(), "101", "wrong");
  ClickOn(login_->bsSkinButton1);
  EXPECT_TRUE(lastMessageIs("进入口令错误，请重新输入！", skin::TMsgDlgType::mtInformation));
  // Above this window, which stays on top of the others.
  EXPECT_TRUE(shown_.back().onTop);
  EXPECT_FALSE(std::filesystem::exists(iniPath()));
  EXPECT_FALSE(login_->MayClose);
  EXPECT_EQ(shared_->state().ClassroomId, -1);
  EXPECT_EQ(shared_->state().BaseUrl, "http://127.0.0.1:" + serverPort() + "/");
  EXPECT_FALSE(course_->widget()->isVisible());
  EXPECT_FALSE(std::filesystem::exists(browserSettingsPath()));
  // The window cannot be closed and keeps the boxes as typed.
  login_->close();
  EXPECT_TRUE(login_->visible());
  EXPECT_EQ(login_->bsSkinEdit1->Text(), "101");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LoginFormTest, AnAcceptedLoginSavesOpensTheCourseListThenClosesAndWritesTheBrowserSettings) {
  showLogin();
  login_->bsSkinComboBox2->setItemIndex(2);  // the teacher's skin choice
  EXPECT_EQ(shared_->storedSkinIndex(), 2);
  typeLogin("127.0.0.1", " " + serverPort() + " ", " 101 ", "abc");
  const std::string list =
      server_->baseUrl() + "KVRCS/kavro_courselist.jsp?classroomid=1&classroomdesc=101";
  closeCourseOn(list, [this] {
    EXPECT_TRUE(course_->bsSkinButton1->visible());
    EXPECT_TRUE(login_->MayClose);
    EXPECT_EQ(shared_->state().ClassroomId, 1);
    EXPECT_EQ(shared_->state().ClassroomCode, "101");
    // Saved before the course window opened; the browser settings come after.
    EXPECT_TRUE(std::filesystem::exists(iniPath()));
    EXPECT_FALSE(std::filesystem::exists(browserSettingsPath()));
  });
  ClickOn(login_->bsSkinButton1);
  EXPECT_TRUE(courseSeen_);
  EXPECT_TRUE(shown_.empty()) << shown_.front().text;
  EXPECT_FALSE(login_->visible());  // asked to close, and it could
  const app::LoginSettings saved = login_->settingsFile().Read();
  EXPECT_EQ(saved.skin, 2);
  EXPECT_EQ(saved.server, "127.0.0.1");
  EXPECT_EQ(saved.port, serverPort());
  EXPECT_EQ(saved.classroom, "101");  // the profile call strips the blanks again
  EXPECT_EQ(saved.proxyMode, 0);
  EXPECT_NE(FileText(iniPath()).find("classroom= 101 "), std::string::npos);
  EXPECT_NE(FileText(iniPath()).find("port=" + serverPort() + "\n"), std::string::npos);
  const platform::BrowserSettings browser(browserSettingsPath());
  EXPECT_EQ(browser.dwordValue("SyncMode5"), 3u);
  EXPECT_EQ(browser.stringValue("DisableScriptDebuggerIE"), "yes");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LoginFormTest, BrowserSettingsThatCannotBeWrittenGoToTheErrorReporting) {
  showLogin();
  // A folder where the settings file should be: writing it fails.
  std::filesystem::create_directories(browserSettingsPath());
  typeLogin("127.0.0.1", serverPort(), "101", "abc");
  closeCourseOn(server_->baseUrl() + "KVRCS/kavro_courselist.jsp?classroomid=1&classroomdesc=101");
  ClickOn(login_->bsSkinButton1);
  EXPECT_TRUE(courseSeen_);
  EXPECT_FALSE(login_->visible());
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].caption, skin::MessageKind(skin::TMsgDlgType::mtError).caption);
  EXPECT_NE(FileText(shared_->crash().logPath()).find("browser settings"), std::string::npos);
}

TEST_F(LoginFormTest, AClassroomWithoutADatabaseOpensTheConfigurationAndComesBack) {
  showLogin();
  typeLogin("127.0.0.1", serverPort(), "900", "x");
  closeCourseOn(server_->baseUrl() + "KVRCS/teacher/database_config.jsp", [this] {
    EXPECT_FALSE(course_->bsSkinButton1->visible());
    EXPECT_TRUE(course_->bsSkinButton2->visible());
  });
  ClickOn(login_->bsSkinButton1);
  EXPECT_TRUE(courseSeen_);
  EXPECT_TRUE(shown_.empty());
  // Asked to close, but nothing allows it: the teacher is back here.
  EXPECT_TRUE(login_->visible());
  EXPECT_FALSE(login_->MayClose);
  EXPECT_FALSE(std::filesystem::exists(iniPath()));

  // A later login to a configured classroom shows the class-entry button again.
  courseSeen_ = false;
  login_->bsSkinEdit1->setEditText("");
  login_->bsSkinPasswordEdit1->setPasswordText("");
  TypeInto(login_->bsSkinEdit1, "101");
  TypeInto(login_->bsSkinPasswordEdit1, "abc");
  closeCourseOn(server_->baseUrl() + "KVRCS/kavro_courselist.jsp?classroomid=1&classroomdesc=101",
                [this] { EXPECT_TRUE(course_->bsSkinButton1->visible()); });
  ClickOn(login_->bsSkinButton1);
  EXPECT_TRUE(courseSeen_);
}

TEST_F(LoginFormTest, AdvancedSettingsToggleTheHeightAndCentreWithHalvesToEven) {
  showLogin();
  const gfx::Size screen = ui::PrimaryScreenSize();
  // Centring by hand: (screen - window) / 2, a half going to the even neighbour.
  auto centre = [](int free) {
    const int half = free / 2;
    if (free % 2 == 0) return half;
    return half % 2 == 0 ? half : half + 1;
  };
  // Widths that leave an even and an odd number of free pixels.
  for (int extra : {0, 1}) {
    SCOPED_TRACE(extra);
    login_->setWidth(login_->width() + extra);
    const int heights[] = {500, 282, 500, 282};
    for (int h : heights) {
      ClickOn(login_->bsSkinMenuButton1);
      EXPECT_EQ(login_->height(), h);
      EXPECT_EQ(login_->bsSkinMenuButton1->tag(), h == 500 ? 1 : 0);
      EXPECT_EQ(login_->left(), centre(screen.width - login_->width()));
      EXPECT_EQ(login_->top(), centre(screen.height - h));
    }
  }
}

TEST_F(LoginFormTest, OnlyTheHttpProxyEnablesTheTestButtonAndTheProxyBoxes) {
  showLogin();
  ClickOn(login_->bsSkinMenuButton1);
  app::TLoginForm& f = *login_;
  ui::Control* proxyControls[] = {f.bsSkinSpeedButton1, f.bsSkinEdit2, f.bsSkinEdit3, f.bsSkinEdit4,
                                  f.bsSkinPasswordEdit2};
  for (int mode : {1, 2, 1, 0}) {
    SCOPED_TRACE(mode);
    f.bsSkinComboBox1->setFocus();
    f.bsSkinComboBox3->setItemIndex(mode);  // as a choice from the list does
    for (ui::Control* c : proxyControls) EXPECT_EQ(c->enabled(), mode == 1) << c->name();
    if (mode == 1) {
      WAIT_TRUE(HasFocus(f, f.bsSkinEdit2), 2000);
    }
  }
}

TEST_F(LoginFormTest, TheProxyTestAsksPort8081OfTheServerThroughTheTypedProxy) {
  showLogin();
  ClickOn(login_->bsSkinMenuButton1);
  testsupport::TestHttpPeer proxy(testsupport::TestHttpPeer::Mode::Relay);
  proxy.mapPort(8081, server_->port());
  TypeInto(login_->bsSkinComboBox1, "127.0.0.1");
  login_->bsSkinComboBox3->setItemIndex(1);
  TypeInto(login_->bsSkinEdit2, "127.0.0.1");
  TypeInto(login_->bsSkinEdit3, std::to_string(proxy.port()));
  ClickOn(login_->bsSkinSpeedButton1);
  EXPECT_TRUE(lastMessageIs(app::texts::kProxyTestSucceeded, skin::TMsgDlgType::mtInformation));
  ASSERT_EQ(proxy.requestHeads().size(), 1u);
  EXPECT_EQ(proxy.requestHeads()[0].rfind("GET http://127.0.0.1:8081/ HTTP/1.1", 0), 0u);
  EXPECT_EQ(shared_->state().ProxyServer, "127.0.0.1");
  EXPECT_EQ(shared_->state().ProxyPort, proxy.port());

  // A proxy that is not there.
  login_->bsSkinEdit3->setEditText("1");
  ClickOn(login_->bsSkinSpeedButton1);
  EXPECT_TRUE(lastMessageIs(app::texts::kProxyTestFailed, skin::TMsgDlgType::mtError));
}

TEST_F(LoginFormTest, ARefusedConnectionShowsTheFixedErrorAndKeepsTheFocus) {
  showLogin();
  typeLogin("127.0.0.1", "1", "101", "abc");
  TypeInto(login_->bsSkinEdit1, "");
  // The step as the button runs it (a click on the window's surface itself
  // takes the focus in the window framework).
  login_->bsSkinButton1Click();
  EXPECT_TRUE(lastMessageIs(app::texts::kLoginFailed, skin::TMsgDlgType::mtError));
  WAIT_TRUE(HasFocus(*login_, login_->bsSkinEdit1), 2000);
  EXPECT_FALSE(login_->MayClose);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LoginFormTest, AStalledReplyKeepsTheWindowPaintingIgnoresASecondPressAndFails) {
  ClassroomServerProcess stalled({"--fault", "stall", "--stall-seconds", "3"});
  showLogin();
  typeLogin("127.0.0.1", std::to_string(stalled.port()), "101", "abc");
  int paintsDuringWait = 0;
  bool waitCursor = false;
  struct PaintCounter : QObject {
    int* count;
    explicit PaintCounter(int* c) : count(c) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) ++*count;
      return false;
    }
  } counter(&paintsDuringWait);
  QTimer::singleShot(800, [&] {
    waitCursor = QApplication::overrideCursor() != nullptr &&
                 QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    login_->bsSkinButton1->widget()->installEventFilter(&counter);
    login_->bsSkinButton1->invalidate();
    ClickOn(login_->bsSkinButton1);  // ignored: the first press still waits
  });
  ClickOn(login_->bsSkinButton1);
  EXPECT_TRUE(waitCursor);
  EXPECT_GT(paintsDuringWait, 0);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_TRUE(lastMessageIs(app::texts::kLoginFailed, skin::TMsgDlgType::mtError));
  int logins = 0;
  for (const auto& r : stalled.log())
    if (r.target.find("LoginAction.do") != std::string::npos) ++logins;
  EXPECT_EQ(logins, 1);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LoginFormTest, TheExitButtonAllowsTheCloseAndAsksTheConsole) {
  showLogin();
  ClickOn(login_->bsSkinButton2);
  EXPECT_EQ(consoleCloses_, 1);
  EXPECT_TRUE(login_->MayClose);
  // The teacher declined the exit: the window now accepts a close.
  login_->close();
  EXPECT_FALSE(login_->visible());
}

TEST_F(LoginFormTest, ALoginWindowDestroyedWhileItsRequestWaitsIsLeftAlone) {
  ClassroomServerProcess stalled({"--fault", "stall", "--stall-seconds", "2"});
  showLogin();
  typeLogin("127.0.0.1", std::to_string(stalled.port()), "101", "abc");
  app::TLoginForm* login = login_.get();
  QTimer::singleShot(600, [this] {
    shared_->windows.LoginForm = nullptr;
    login_.reset();
  });
  login->bsSkinButton1Click();
  EXPECT_EQ(login_, nullptr);
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace

// The course window: its controls, its caption from the page title, the
// reading of the chosen class out of the page (as a table of inputs, and on
// real pages of the classroom server and of the test), the class-entry
// request and what follows it, its faults, and the exit button.
#include "app/client/course_form.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <string>
#include <vector>

#include "app/client/client_shared.h"
#include "app/client/course_form_choice.h"
#include "app/core/server_protocol.h"
#include "app/core/user_message.h"
#include "classroom_server_process.h"
#include "login_form_test_support.h"
#include "platform/browser/browser_profile.h"
#include "platform/browser/web_browser.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_std_label.h"
#include "skin/dialogs/skin_message.h"
#include "skin/frame/form_frame.h"
#include "support/qt_wait.h"
#include "ui/form.h"
#include "ui/widget_host.h"

namespace {

using testsupport::ClassroomServerProcess;
using testsupport::ScratchDir;

constexpr int kLoadMs = 20000;

// --- the reading of the page, as inputs in document order ------------------------------

app::PageInput Id(const std::string& value, bool checked) { return {"id", value, checked}; }
app::PageInput Named(const std::string& name, const std::string& value) {
  return {name, value, false};
}

TEST(ReadClassChoiceTest, TheSelectedIdAndItsDocbaseGiveTheClass) {
  struct Row {
    const char* what;
    std::vector<app::PageInput> inputs;
    app::ClassChoice choice;
    int courseId;
    const char* database;
    const char* docBase;
    const char* contextPath;
  };
  const Row rows[] = {
      {"number and docbase",
       {Id("7", true), Named("docbase7", "simA")},
       app::ClassChoice::Chosen,
       7,
       "old",
       "simA",
       "simA"},
      {"number and database", {Id("7#db2", true)}, app::ClassChoice::Chosen, 7, "db2", "", "KVRCS"},
      {"an empty database", {Id("7#", true)}, app::ClassChoice::Chosen, 7, "", "", "KVRCS"},
      {"database after the first #",
       {Id("7#a#b", true)},
       app::ClassChoice::Chosen,
       7,
       "a#b",
       "",
       "KVRCS"},
      {"docbase before the id",
       {Named("docbase7", "early"), Id("7", true)},
       app::ClassChoice::Chosen,
       7,
       "old",
       "",
       "KVRCS"},
      {"docbase after a later unselected id",
       {Id("7", true), Id("8", false), Named("docbase7", "late")},
       app::ClassChoice::Chosen,
       7,
       "old",
       "",
       "KVRCS"},
      {"another class's docbase",
       {Id("7", true), Named("docbase8", "simB"), Named("docbase7", "simA")},
       app::ClassChoice::Chosen,
       7,
       "old",
       "simA",
       "simA"},
      {"names compared exactly",
       {Named("ID", "3"), Id("7", true), Named("DocBase7", "x")},
       app::ClassChoice::Chosen,
       7,
       "old",
       "",
       "KVRCS"},
      {"nothing selected",
       {Id("7", false), Id("8", false)},
       app::ClassChoice::NoChoice,
       -9999,
       "old",
       "",
       "KVRCS"},
      {"no id at all", {Named("name", "x")}, app::ClassChoice::NoChoice, -9999, "old", "", "KVRCS"},
      {"a number that means no class",
       {Id("-10000", true)},
       app::ClassChoice::NoChoice,
       -10000,
       "old",
       "",
       "KVRCS"},
      {"empty value", {Id("", true)}, app::ClassChoice::Invalid, -9999, "old", "", "KVRCS"},
      {"letters", {Id("abc", true)}, app::ClassChoice::Invalid, -9999, "old", "", "KVRCS"},
      {"nothing before #", {Id("#db", true)}, app::ClassChoice::Invalid, -9999, "old", "", "KVRCS"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    app::LoginState s;
    s.ContextPath = "KVRCS";
    s.DatabaseName = "old";
    EXPECT_EQ(app::ReadClassChoice(r.inputs, s), r.choice);
    EXPECT_EQ(s.CourseId, r.courseId);
    EXPECT_EQ(s.DatabaseName, r.database);
    EXPECT_EQ(s.DocBase, r.docBase);
    EXPECT_EQ(s.ContextPath, r.contextPath);
  }
}

TEST(ReadClassChoiceTest, ASecondAttemptWithoutADatabaseKeepsTheFirstOne) {
  app::LoginState s;
  ASSERT_EQ(app::ReadClassChoice({Id("12#simdb", true)}, s), app::ClassChoice::Chosen);
  ASSERT_EQ(app::ReadClassChoice({Id("13", true)}, s), app::ClassChoice::Chosen);
  EXPECT_EQ(s.CourseId, 13);
  EXPECT_EQ(s.DatabaseName, "simdb");
}

// --- the window ----------------------------------------------------------------------------

using windowtest::ClickOn;

std::string DataPage(const std::string& title, const std::string& body) {
  return "data:text/html;charset=utf-8," +
         QString::fromUtf8(QUrl::toPercentEncoding(QString::fromStdString(
                               "<html><head><title>" + title + "</title></head><body>" + body +
                               "</body></html>")))
             .toStdString();
}

class CourseFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    suite_ = new windowtest::SuiteSetUp;
    const std::string config = suite_->path() + "/classrooms.txt";
    std::FILE* f = std::fopen(config.c_str(), "w");
    std::fputs(
        "classroom 7 pw 3\n"
        "course 3 7 simA db2 第七班\n"
        "course 3 8 simB - 第八班\n",
        f);
    std::fclose(f);
    server_ = new ClassroomServerProcess({"--config", config});
  }
  static void TearDownTestSuite() {
    delete server_;
    delete suite_;
  }

  void SetUp() override {
    shared_ = std::make_unique<app::ClientShared>(windowtest::TestClientOptions(crashDir_.path()));
    course_ = std::make_unique<app::TCourseForm>(*shared_);
    shared_->windows.CourseForm = course_.get();
    shared_->closeConsole = [this] { ++consoleCloses_; };
    shared_->loadTeacherPages = [this] {
      ++pageLoads_;
      const app::LoginState& s = shared_->state();
      for (const std::string& url :
           {app::FunctionListUrl(s), app::TeacherStartUrl(s), app::CompanyOnlineUrl(s)}) {
        panes_.push_back(std::make_unique<platform::WebBrowser>());
        panes_.back()->Navigate(url);
      }
    };
    messages_.attach(*shared_);
    // As the login window leaves the state after an accepted login.
    app::LoginState& s = shared_->state();
    s.BaseUrl = server_->baseUrl();
    s.ContextPath = "KVRCS";
    s.ClassroomId = 3;
    s.ClassroomCode = "7";
    course_->show();
  }
  void TearDown() override {
    panes_.clear();
    course_.reset();
    shared_.reset();
  }

  // Loads the page and waits for it (by its address, or by its title).
  bool load(const std::string& url, const std::string& title = "") {
    course_->WB().Navigate(url);
    return QTest::qWaitFor(
        [&] {
          return (title.empty() ? course_->WB().LocationURL() == url
                                : course_->WB().LocationName() == title) &&
                 !course_->WB().Busy();
        },
        kLoadMs);
  }
  // A page of the test; each has a title of its own, so that the wait
  // cannot take the page before for it.
  bool loadTestPage(const std::string& body) {
    const std::string title = "测试页 " + std::to_string(++testPages_);
    return load(DataPage(title, body), title);
  }
  bool loadCourseList() { return load(app::CourseListUrl(shared_->state())); }
  void check(const std::string& elementId) {
    course_->WB().evaluate(
        QString::fromStdString("document.getElementById('" + elementId + "').click(); 1"));
  }
  bool lastMessageIs(const std::string& text, skin::TMsgDlgType kind) const {
    return messages_.lastIs(text, kind);
  }
  int logged(const std::string& part) const {
    int n = 0;
    for (const auto& r : server_->log())
      if (r.target.find(part) != std::string::npos) ++n;
    return n;
  }

  static windowtest::SuiteSetUp* suite_;
  static ClassroomServerProcess* server_;
  ScratchDir crashDir_;
  std::unique_ptr<app::ClientShared> shared_;
  std::unique_ptr<app::TCourseForm> course_;
  std::vector<std::unique_ptr<platform::WebBrowser>> panes_;
  windowtest::Messages messages_;
  std::vector<windowtest::Messages::Shown>& shown_ = messages_.shown;
  int consoleCloses_ = 0;
  int pageLoads_ = 0;
  int testPages_ = 0;
};

windowtest::SuiteSetUp* CourseFormTest::suite_ = nullptr;
ClassroomServerProcess* CourseFormTest::server_ = nullptr;

TEST_F(CourseFormTest, ControlsAndFrame) {
  app::TCourseForm& f = *course_;
  EXPECT_EQ(f.clientWidth(), 536);
  EXPECT_EQ(f.clientHeight(), 405);
  EXPECT_EQ(f.borderStyle(), ui::BorderStyle::bsDialog);
  EXPECT_EQ(f.formStyle(), ui::FormStyle::fsStayOnTop);
  EXPECT_EQ(f.position(), ui::Position::poScreenCenter);
  ASSERT_NE(f.WBHost(), nullptr);
  EXPECT_EQ(f.WBHost()->name(), "WB");
  EXPECT_EQ(f.WBHost()->align(), ui::Align::alTop);
  EXPECT_EQ(f.WBHost()->boundsRect(), gfx::Rect::fromSize(0, 0, 536, 345));
  EXPECT_EQ(f.WBHost()->hostedWidget(), &f.WB());
  struct Row {
    skin::TbsSkinSpeedButton* button;
    const char* name;
    int left;
    const char* caption;
  };
  for (const Row& r : {Row{f.bsSkinButton1, "bsSkinButton1", 163, "登录班级"},
                       Row{f.bsSkinButton2, "bsSkinButton2", 271, "退出系统"}}) {
    EXPECT_EQ(r.button->name(), r.name);
    EXPECT_EQ(r.button->parent(), &f);
    EXPECT_EQ(r.button->boundsRect(), gfx::Rect::fromSize(r.left, 360, 85, 25));
    EXPECT_EQ(r.button->caption(), r.caption);
    EXPECT_EQ(r.button->SkinDataName(), "toolbutton");
    EXPECT_EQ(r.button->SkinData(), &shared_->skinData());
  }
  ASSERT_NE(f.frame(), nullptr);
  EXPECT_EQ(f.frame()->SkinData(), &shared_->skinData());
  EXPECT_TRUE(f.frame()->HideCaptionButtons());
  // Its browser is one of those that swallow right clicks.
  EXPECT_TRUE(shared_->swallowsRightClickAt(&f.WB()));
}

TEST_F(CourseFormTest, TheCaptionFollowsPageTitlesWithoutAnAddress) {
  ASSERT_TRUE(loadCourseList());
  WAIT_EQ(course_->caption(), std::string("课程列表"), kLoadMs);
  course_->WBTitleChange("http://127.0.0.1/KVRCS/x.jsp");
  EXPECT_EQ(course_->caption(), "课程列表");
  course_->WBTitleChange("数据库配置");
  EXPECT_EQ(course_->caption(), "数据库配置");
}

TEST_F(CourseFormTest, EnteringAClassLoadsItsTeacherPagesAndCloses) {
  ASSERT_TRUE(loadCourseList());
  check("c7");
  EXPECT_FALSE(course_->FormCloseQuery());
  ClickOn(course_->bsSkinButton1);
  EXPECT_TRUE(shown_.empty()) << shown_.front().text;
  const app::LoginState& s = shared_->state();
  EXPECT_EQ(s.CourseId, 7);
  EXPECT_EQ(s.DatabaseName, "db2");
  EXPECT_EQ(s.DocBase, "simA");
  EXPECT_EQ(s.ContextPath, "simA");
  EXPECT_EQ(logged("/simA/LoginAction.do?p0=2&p1=7&p2=3&databasename=db2"), 1);
  EXPECT_TRUE(course_->MayClose);
  EXPECT_FALSE(course_->visible());
  EXPECT_EQ(pageLoads_, 1);
  // The teacher pages come from below the class's path.
  WAIT_TRUE(
      logged("/simA/teacher/left.jsp?courseid=7&databasename=db2") == 1 &&
          logged("/simA/teacher/teacher_default.jsp?courseid=7&databasename=db2") == 1 &&
          logged("/simA/teacher/teacher_config_companyonline.jsp?courseid=7&databasename=db2") == 1,
      kLoadMs);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(CourseFormTest, PagesWithoutAUsableChoiceTellTheTeacherAndSendNothing) {
  struct Row {
    const char* what;
    std::string body;
    const char* message;
  };
  const Row rows[] = {
      {"no id inputs", "<input name='docbase7' value='simA'><input name='name' value='7'>",
       app::texts::kChooseClass},
      {"nothing selected", "<input type='radio' name='id' value='7'>", app::texts::kChooseClass},
      {"letters", "<input type='radio' name='id' value='abc' checked>",
       app::texts::kInvalidClassValue},
      {"an empty value", "<input type='radio' name='id' value='' checked>",
       app::texts::kInvalidClassValue},
  };
  const std::size_t requests = server_->log().size();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    ASSERT_TRUE(loadTestPage((r.body)));
    const std::size_t before = shown_.size();
    ClickOn(course_->bsSkinButton1);
    ASSERT_EQ(shown_.size(), before + 1);
    EXPECT_TRUE(lastMessageIs(r.message, skin::TMsgDlgType::mtInformation)) << shown_.back().text;
    EXPECT_EQ(shared_->state().CourseId, -9999);
    EXPECT_TRUE(course_->visible());
  }
  EXPECT_EQ(server_->log().size(), requests);
  EXPECT_EQ(pageLoads_, 0);
}

TEST_F(CourseFormTest, ADocbaseBeforeTheSelectedIdIsIgnored) {
  ASSERT_TRUE(
      loadTestPage(("<input type='hidden' name='docbase8' value='simB'>"
                    "<input type='radio' name='id' value='8' checked>")));
  ClickOn(course_->bsSkinButton1);
  EXPECT_EQ(shared_->state().CourseId, 8);
  EXPECT_EQ(shared_->state().ContextPath, "KVRCS");
  EXPECT_EQ(shared_->state().DocBase, "");
  // The class entry goes out under the login's context path.
  EXPECT_EQ(logged("/KVRCS/LoginAction.do?p0=2&p1=8&p2=3&databasename="), 1);
  EXPECT_EQ(pageLoads_, 1);
}

TEST_F(CourseFormTest, TheServersMessageIsShownAndTheWindowStays) {
  ASSERT_TRUE(loadTestPage(("<input type='radio' name='id' value='99' checked>")));
  ClickOn(course_->bsSkinButton1);
  EXPECT_TRUE(lastMessageIs("所选班级不存在或尚未开放。", skin::TMsgDlgType::mtInformation));
  EXPECT_FALSE(course_->MayClose);
  EXPECT_TRUE(course_->visible());
  EXPECT_EQ(pageLoads_, 0);
  EXPECT_EQ(shared_->state().CourseId, 99);
}

TEST_F(CourseFormTest, FaultsOfTheRequestShowTheFixedError) {
  struct Row {
    const char* what;
    std::vector<std::string> options;  // empty: nothing listens
  };
  const Row rows[] = {
      {"refused connection", {}},
      {"stalled reply", {"--fault", "stall", "--stall-seconds", "2"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    std::unique_ptr<ClassroomServerProcess> faulty;
    if (!r.options.empty()) faulty = std::make_unique<ClassroomServerProcess>(r.options);
    shared_->state().BaseUrl = faulty ? faulty->baseUrl() : std::string("http://127.0.0.1:1/");
    ASSERT_TRUE(loadTestPage(("<input type='radio' name='id' value='7' checked>")));
    int repaintsDuringWait = 0;
    if (faulty) {
      QTimer::singleShot(700, [&] {
        // The window still answers while the request waits.
        course_->bsSkinButton2->invalidate();
        QApplication::processEvents();
        ++repaintsDuringWait;
        ClickOn(course_->bsSkinButton1);  // ignored: the first press waits
      });
    }
    const std::size_t before = shown_.size();
    ClickOn(course_->bsSkinButton1);
    ASSERT_EQ(shown_.size(), before + 1);
    EXPECT_TRUE(lastMessageIs(app::texts::kClassEntryFailed, skin::TMsgDlgType::mtError))
        << shown_.back().text;
    EXPECT_TRUE(course_->visible());
    EXPECT_FALSE(course_->MayClose);
    if (faulty) {
      EXPECT_EQ(repaintsDuringWait, 1);
      int entries = 0;
      for (const auto& l : faulty->log())
        if (l.target.find("p0=2") != std::string::npos) ++entries;
      EXPECT_EQ(entries, 1);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
}

TEST_F(CourseFormTest, TheExitButtonAllowsTheCloseAndAsksTheConsole) {
  course_->FormShow();
  EXPECT_FALSE(course_->MayClose);
  ClickOn(course_->bsSkinButton2);
  EXPECT_EQ(consoleCloses_, 1);
  EXPECT_TRUE(course_->MayClose);
  course_->close();
  EXPECT_FALSE(course_->visible());
}

}  // namespace

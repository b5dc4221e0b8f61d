// The classroom server itself: its options, config file, pages, text
// replies, request log and shutdown.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <thread>

#include "app/core/http_client.h"
#include "classroom_server_process.h"

namespace {

using app::HttpClient;
using app::HttpFailure;
using app::HttpResult;
using testsupport::ClassroomServerProcess;
using testsupport::ClassroomServerProgram;
using testsupport::RunProgram;
using testsupport::ScratchDir;

std::string get(const ClassroomServerProcess& server, const std::string& path) {
  HttpClient client;
  HttpResult r = client.Get(server.baseUrl() + path);
  EXPECT_TRUE(r.ok()) << path << ": " << r.reason;
  return r.body;
}

TEST(ClassroomServerTest, OptionsAndHelp) {
  auto [code, out] = RunProgram(ClassroomServerProgram(), {"--help"}, 10);
  EXPECT_EQ(code, 0);
  for (const char* word : {"--port", "--log", "--config", "--charset", "--fault",
                           "--proxy-test-port", "127.0.0.1", "configds"}) {
    EXPECT_NE(out.find(word), std::string::npos) << word;
  }
  EXPECT_EQ(RunProgram(ClassroomServerProgram(), {"--port", "x"}, 10).first, 2);
  EXPECT_EQ(RunProgram(ClassroomServerProgram(), {"--fault", "fire"}, 10).first, 2);
  EXPECT_EQ(RunProgram(ClassroomServerProgram(), {"--bogus", "1"}, 10).first, 2);
  ScratchDir dir;
  std::ofstream(dir.path() + "/bad.conf") << "classroom 1 pw\n";
  EXPECT_EQ(RunProgram(ClassroomServerProgram(), {"--config", dir.path() + "/bad.conf"}, 10).first,
            1);
}

TEST(ClassroomServerTest, LoginRepliesFollowTheConfigFile) {
  ScratchDir dir;
  const std::string conf = dir.path() + "/rooms.conf";
  std::ofstream(conf) << "# test rooms\nclassroom 55 secret 5\nclassroom 56 x 6 unconfigured\n"
                         "course 5 40 simZ zdb 测试班\n";
  ClassroomServerProcess server({"--config", conf});
  const std::string login = "KVRCS/LoginAction.do?p0=1&p1=";
  EXPECT_EQ(get(server, login + "55&p2=secret"), "5");
  EXPECT_EQ(get(server, login + "55&p2=wrong"), "进入口令错误，请重新输入！");
  EXPECT_EQ(get(server, login + "56&p2=x"), "configds");
  EXPECT_EQ(get(server, login + "101&p2=abc"), "教室号码 101 不存在，请核对后重新输入。");
  EXPECT_EQ(get(server, "KVRCS/LoginAction.do?p0=2&p1=40&p2=5&databasename=zdb"), "1");
  EXPECT_EQ(get(server, "KVRCS/LoginAction.do?p0=3&p1=40&p2=5"), "0");
  const std::string list = get(server, "KVRCS/kavro_courselist.jsp?classroomid=5&classroomdesc=55");
  EXPECT_NE(list.find("value=\"40#zdb\""), std::string::npos);
  EXPECT_NE(list.find("name=\"docbase40\" value=\"simZ\""), std::string::npos);
}

TEST(ClassroomServerTest, TheCourseListFollowsThePageContract) {
  ClassroomServerProcess server;
  const std::string page =
      get(server, "KVRCS/kavro_courselist.jsp?classroomid=1&classroomdesc=101");
  EXPECT_NE(page.find("<title>课程列表</title>"), std::string::npos);
  EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
  // Each class: its "id" radio, then its docbase and course type inputs, before the next "id".
  std::size_t id12 = page.find("name=\"id\" id=\"c12\" value=\"12#simdb\"");
  std::size_t doc12 = page.find("name=\"docbase12\" value=\"simA\"");
  std::size_t type12 = page.find("name=\"coursetypeid12\"");
  std::size_t id13 = page.find("name=\"id\" id=\"c13\" value=\"13\"");
  ASSERT_NE(id12, std::string::npos);
  ASSERT_NE(id13, std::string::npos);
  EXPECT_LT(id12, doc12);
  EXPECT_LT(doc12, id13);
  EXPECT_LT(type12, id13);
  EXPECT_NE(page.find("type=\"radio\" name=\"id\""), std::string::npos);
}

TEST(ClassroomServerTest, ServesTheTeacherPagesOfEachClass) {
  ClassroomServerProcess server;
  const std::string q = "?courseid=12&databasename=simdb";
  const std::string left = get(server, "simA/teacher/left.jsp" + q);
  EXPECT_NE(left.find("<title>功能列表</title>"), std::string::npos);
  EXPECT_NE(left.find("href=\"teacher_default.jsp?courseid=12&amp;databasename=simdb\""),
            std::string::npos);
  EXPECT_NE(left.find("href=\"left.jsp?courseid=12&amp;databasename=simdb&amp;menu=2\""),
            std::string::npos);
  const std::string start = get(server, "simA/teacher/teacher_default.jsp" + q);
  EXPECT_NE(start.find("name=\"exportpath\""), std::string::npos);
  EXPECT_NE(start.find("location.href='http://selectdialog/exportpath/'"), std::string::npos);
  EXPECT_NE(get(server, "simA/teacher/teacher_config_companyonline.jsp" + q)
                .find("<title>在线公司设置</title>"),
            std::string::npos);
  EXPECT_NE(get(server, "simA/teacher/frames.jsp" + q).find("<frame name=\"groups\""),
            std::string::npos);
  EXPECT_NE(get(server, "KVRCS/teacher/database_config.jsp").find("<title>数据库配置</title>"),
            std::string::npos);
  EXPECT_NE(get(server, "simA/teacher/teacher_report.jsp" + q).find("经营报表"), std::string::npos);
  // Values from the address are escaped into the page.
  EXPECT_EQ(get(server, "simA/teacher/teacher_default.jsp?courseid=<b>").find("<b>"),
            std::string::npos);

  HttpClient client;
  EXPECT_EQ(client.Get(server.baseUrl() + "nosuch/teacher/left.jsp").status, 404);
  EXPECT_EQ(client.Get(server.baseUrl() + "simA/teacher/missing.jsp").status, 404);
}

TEST(ClassroomServerTest, TextRepliesInGbk) {
  ClassroomServerProcess server({"--charset", "gbk"});
  // 进入口令错误 in GBK.
  EXPECT_EQ(get(server, "KVRCS/LoginAction.do?p0=1&p1=101&p2=no")
                .rfind("\xBD\xF8\xC8\xEB\xBF\xDA\xC1\xEE\xB4\xED\xCE\xF3", 0),
            0u);
  EXPECT_EQ(get(server, "KVRCS/LoginAction.do?p0=1&p1=101&p2=abc"), "1");
}

TEST(ClassroomServerTest, LogsEveryRequestWithItsExactTarget) {
  ClassroomServerProcess server;
  HttpClient client;
  const std::string target = "/KVRCS/LoginAction.do?p0=1&p1=\xB0\xA1&p2=\"q\"";
  client.Get(server.baseUrl() + target.substr(1));
  client.Get(server.baseUrl() + "missing");
  auto log = server.log();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].target, target);
  EXPECT_EQ(log[0].port, server.port());
  EXPECT_EQ(log[1].target, "/missing");
  EXPECT_EQ(log[1].header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
}

TEST(ClassroomServerTest, TheSlowPageTakesItsTime) {
  ClassroomServerProcess server({"--slow-seconds", "1"});
  auto start = std::chrono::steady_clock::now();
  std::string page = get(server, "simA/teacher/slow.jsp?courseid=12");
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(seconds, 0.9);
  EXPECT_NE(page.find("结算步骤 20 / 20"), std::string::npos);
}

TEST(ClassroomServerTest, StopsPromptlyEvenDuringAStall) {
  auto server = std::make_unique<ClassroomServerProcess>(
      std::vector<std::string>{"--fault", "stall", "--stall-seconds", "60"});
  HttpResult result;
  std::thread request([&] {
    HttpClient client;
    result = client.Get(server->baseUrl() + "KVRCS/LoginAction.do?p0=1&p1=101&p2=abc");
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  auto start = std::chrono::steady_clock::now();
  server.reset();
  request.join();
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 3.0);
  EXPECT_EQ(result.failure, HttpFailure::Broken) << result.reason;
}

TEST(ClassroomServerTest, AlsoListensOnTheProxyTestPortWhenAsked) {
  std::unique_ptr<ClassroomServerProcess> server;
  try {
    server = std::make_unique<ClassroomServerProcess>(
        std::vector<std::string>{"--proxy-test-port", "8081"});
  } catch (const std::exception& e) {
    GTEST_SKIP() << "port 8081 is taken on this machine: " << e.what();
  }
  HttpClient client;
  HttpResult r = client.Get("http://127.0.0.1:8081/");
  ASSERT_TRUE(r.ok()) << r.reason;
  EXPECT_NE(r.body.find("8081"), std::string::npos);
}

}  // namespace

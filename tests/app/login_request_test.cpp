// The login, class-entry, logout and proxy-test requests against the
// classroom server: what they send, what they make of the replies, and what
// they leave in the login state and the settings file.
#include "app/core/login_request.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "app/core/console_session.h"
#include "app/core/server_protocol.h"
#include "classroom_server_process.h"
#include "test_http_peer.h"

namespace app {
namespace {

using testsupport::ClassroomServerProcess;
using testsupport::ScratchDir;
using testsupport::TestHttpPeer;

LoginInput inputFor(const ClassroomServerProcess& server, const std::string& classroom,
                    const std::string& password) {
  LoginInput in;
  in.server = "127.0.0.1";
  in.port = " " + std::to_string(server.port()) + " ";
  in.classroom = classroom;
  in.password = password;
  in.skin = 2;
  return in;
}

struct Fixture {
  ScratchDir dir;
  SettingsFile settings{dir.path() + "/kavro.ini"};
  ConsoleSession console;
  HttpClient loginClient;
  bool settingsWritten() const { return std::filesystem::exists(settings.path()); }
  LoginOutcome login(const LoginInput& in) {
    return SubmitLogin(in, console.state(), console.client(), loginClient, settings);
  }
};

TEST(SubmitLoginTest, AnAcceptedLoginSetsTheStateAndSavesTheSettings) {
  ClassroomServerProcess server;
  Fixture f;
  LoginOutcome out = f.login(inputFor(server, " 101 ", " abc "));
  ASSERT_EQ(out.step, LoginOutcome::Step::Accepted) << out.request.reason;
  const LoginState& s = f.console.state();
  EXPECT_EQ(s.ClassroomId, 1);
  EXPECT_EQ(s.ClassroomCode, "101");
  EXPECT_EQ(s.ContextPath, "KVRCS");
  EXPECT_EQ(s.BaseUrl, server.baseUrl());
  EXPECT_EQ(out.pageUrl,
            server.baseUrl() + "KVRCS/kavro_courselist.jsp?classroomid=1&classroomdesc=101");
  ASSERT_EQ(server.log().size(), 1u);
  EXPECT_EQ(server.log()[0].target, "/KVRCS/LoginAction.do?p0=1&p1=101&p2=abc");
  LoginSettings saved = f.settings.Read();
  EXPECT_EQ(saved.skin, 2);
  EXPECT_EQ(saved.port, std::to_string(server.port()));
  EXPECT_EQ(saved.classroom, "101");
}

TEST(SubmitLoginTest, RepliesThatAreNotANumberSaveNothing) {
  struct Row {
    std::vector<std::string> options;
    LoginOutcome::Step step;
    std::string message;
    int classroomId;
  };
  const Row rows[] = {
      {{"--login-reply", "12\\r\\n"}, LoginOutcome::Step::Refused, "12\r\n", -1},
      {{"--login-reply", "CONFIGDS"}, LoginOutcome::Step::Refused, "CONFIGDS", -1},
      {{"--login-reply", "configds"}, LoginOutcome::Step::Configure, "", -1},
      {{}, LoginOutcome::Step::Refused, "进入口令错误，请重新输入！", -1},
      {{"--charset", "gbk"}, LoginOutcome::Step::Refused, "进入口令错误，请重新输入！", -1},
      {{"--login-reply", " 12"}, LoginOutcome::Step::Accepted, "", 12},
  };
  for (const Row& row : rows) {
    ClassroomServerProcess server(row.options);
    Fixture f;
    LoginOutcome out = f.login(inputFor(server, "101", "wrong"));
    const std::string name = row.options.empty() ? "default" : row.options.back();
    EXPECT_EQ(out.step, row.step) << name;
    EXPECT_EQ(f.console.state().ClassroomId, row.classroomId) << name;
    if (row.step == LoginOutcome::Step::Accepted) {
      EXPECT_TRUE(f.settingsWritten()) << name;
      continue;
    }
    EXPECT_FALSE(f.settingsWritten()) << name;
    if (row.step == LoginOutcome::Step::Refused) {
      EXPECT_EQ(out.message.kind, UserMessage::Kind::Information) << name;
      EXPECT_EQ(out.message.text, row.message) << name;
    } else {
      EXPECT_EQ(out.pageUrl, server.baseUrl() + "KVRCS/teacher/database_config.jsp");
    }
  }
}

TEST(SubmitLoginTest, ChecksAndFailures) {
  ClassroomServerProcess server;
  Fixture f;
  LoginInput blankServer = inputFor(server, "101", "abc");
  blankServer.server = "   ";
  LoginOutcome a = f.login(blankServer);
  EXPECT_EQ(a.step, LoginOutcome::Step::Stopped);
  EXPECT_EQ(a.message.text, texts::kEnterServer);
  EXPECT_EQ(a.message.focus, UserMessage::Focus::ServerBox);

  LoginOutcome b = f.login(inputFor(server, "  ", "abc"));
  EXPECT_EQ(b.message.text, texts::kEnterClassroom);
  EXPECT_EQ(b.message.focus, UserMessage::Focus::ClassroomBox);

  LoginInput noPort = inputFor(server, "101", "abc");
  noPort.proxyMode = kProxyModeHttp;
  noPort.proxy = {"127.0.0.1", "", "", ""};
  LoginOutcome c = f.login(noPort);
  EXPECT_EQ(c.message.text, texts::kEnterProxyPort);
  EXPECT_EQ(c.message.focus, UserMessage::Focus::ProxyPortBox);
  EXPECT_TRUE(server.log().empty());
  EXPECT_TRUE(f.console.state().BaseUrl.empty());

  LoginInput leadingBlank = inputFor(server, "101", "abc");
  leadingBlank.server = " 127.0.0.1";
  LoginOutcome d = f.login(leadingBlank);
  EXPECT_EQ(d.step, LoginOutcome::Step::Failed);
  EXPECT_EQ(d.message.kind, UserMessage::Kind::Error);
  EXPECT_EQ(d.message.text, "连接到服务器失败");
  EXPECT_EQ(d.request.failure, HttpFailure::Resolve);
  EXPECT_EQ(f.console.state().BaseUrl, "http:// 127.0.0.1:" + std::to_string(server.port()) + "/");
  EXPECT_FALSE(f.settingsWritten());
}

TEST(SubmitLoginTest, TheChosenProxyCarriesTheLoginAndGoesToTheConsoleClient) {
  ClassroomServerProcess server;
  TestHttpPeer proxy(TestHttpPeer::Mode::Relay);
  Fixture f;
  LoginInput in = inputFor(server, "7", "pw");
  in.proxyMode = kProxyModeHttp;
  in.proxy = {" 127.0.0.1 ", " " + std::to_string(proxy.port()), "u", "p"};
  LoginOutcome out = f.login(in);
  ASSERT_EQ(out.step, LoginOutcome::Step::Accepted) << out.request.reason;
  EXPECT_EQ(proxy.requestHeads().size(), 1u);
  EXPECT_EQ(f.console.client().proxy().host, "127.0.0.1");
  EXPECT_EQ(f.console.client().proxy().port, proxy.port());
  EXPECT_EQ(f.console.client().proxy().user, "u");
  EXPECT_EQ(f.settings.Read().proxyServer, "127.0.0.1");  // read back stripped
}

TEST(SubmitLoginTest, ASettingsFileThatCannotBeWrittenKeepsTheLogin) {
  ClassroomServerProcess server;
  ScratchDir dir;
  SettingsFile settings(dir.path() + "/no/such/folder/kavro.ini");
  ConsoleSession console;
  HttpClient loginClient;
  LoginOutcome out = SubmitLogin(inputFor(server, "101", "abc"), console.state(), console.client(),
                                 loginClient, settings);
  EXPECT_EQ(out.step, LoginOutcome::Step::SaveFailed);
  EXPECT_EQ(out.message.text, "1");  // the reply is what the teacher sees
  EXPECT_EQ(out.saveError.rfind("Unable to write to " + settings.path(), 0), 0u) << out.saveError;
  EXPECT_EQ(console.state().ClassroomId, 1);
}

TEST(ClassEntryTest, EntersTheChosenClassThroughTheConsoleClient) {
  ClassroomServerProcess server;
  Fixture f;
  ASSERT_EQ(f.login(inputFor(server, "101", "abc")).step, LoginOutcome::Step::Accepted);
  LoginState& s = f.console.state();
  s.CourseId = 12;  // the course page gave 12#simdb
  s.DatabaseName = "simdb";
  ClassEntryOutcome ok = SendClassEntry(s, f.console.client());
  EXPECT_EQ(ok.step, ClassEntryOutcome::Step::Accepted) << ok.request.reason;

  s.CourseId = 99;
  ClassEntryOutcome refused = SendClassEntry(s, f.console.client());
  EXPECT_EQ(refused.step, ClassEntryOutcome::Step::Refused);
  EXPECT_EQ(refused.message.text, "所选班级不存在或尚未开放。");

  auto log = server.log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[1].target, "/KVRCS/LoginAction.do?p0=2&p1=12&p2=1&databasename=simdb");
  // The login window's cookie stays with the login window's client.
  EXPECT_EQ(log[1].header("Cookie"), "");
  EXPECT_EQ(log[2].header("Cookie"), "KVRCLASS=12");

  s.BaseUrl = "http://127.0.0.1:1/";
  ClassEntryOutcome failed = SendClassEntry(s, f.console.client());
  EXPECT_EQ(failed.step, ClassEntryOutcome::Step::Failed);
  EXPECT_EQ(failed.message.kind, UserMessage::Kind::Error);
  EXPECT_EQ(failed.message.text, "连接到服务器失败.!");
}

// The wait dispatches window events; a timer among them ends the console
// (its state and client) or closes the login window (its client) while the
// server stalls. The request then returns without touching either: under
// the address sanitizer any read of the freed state fails the test.
TEST(ClassEntryTest, AConsoleEndedByATimerDuringTheWaitIsNotUsedAfterward) {
  ClassroomServerProcess server({"--fault", "stall", "--stall-seconds", "20"});
  auto console = std::make_unique<ConsoleSession>();
  console->state().BaseUrl = server.baseUrl();
  console->state().ContextPath = "KVRCS";
  console->state().CourseId = 12;
  const auto start = std::chrono::steady_clock::now();
  auto timerFired = [&] {
    return std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(500);
  };
  console->client().setEventPump([&] {
    if (console && timerFired()) console.reset();
  });
  ClassEntryOutcome entry = SendClassEntry(console->state(), console->client());
  EXPECT_EQ(entry.step, ClassEntryOutcome::Step::Abandoned);
  EXPECT_EQ(console, nullptr);

  // The login window closed during the login: its state and the console stay untouched.
  ScratchDir dir;
  SettingsFile settings(dir.path() + "/kavro.ini");
  ConsoleSession kept;
  auto loginClient = std::make_unique<HttpClient>();
  auto state = std::make_unique<LoginState>();
  loginClient->setEventPump([&] {
    if (loginClient &&
        std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(1000)) {
      state.reset();
      loginClient.reset();
    }
  });
  HttpClient& login = *loginClient;
  LoginOutcome out =
      SubmitLogin(inputFor(server, "101", "abc"), *state, kept.client(), login, settings);
  EXPECT_EQ(out.step, LoginOutcome::Step::Abandoned);
  EXPECT_FALSE(std::filesystem::exists(settings.path()));
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 8.0);
}

TEST(LogoutTest, SendsTheCurrentIdsAndIgnoresFailures) {
  ClassroomServerProcess server;
  LoginState s;
  s.BaseUrl = server.baseUrl();
  s.ContextPath = "simA";
  s.ClassroomId = 1;
  EXPECT_TRUE(Logout(s).ok());
  s.CourseId = kCourseIdReading;
  EXPECT_TRUE(Logout(s).ok());
  auto log = server.log();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].target, "/simA/LoginAction.do?p0=3&p1=-1&p2=1");
  EXPECT_EQ(log[1].target, "/simA/LoginAction.do?p0=3&p1=-9999&p2=1");
  EXPECT_EQ(log[1].header("Cookie"), "");  // a fresh client each time

  HttpResult beforeLogin = Logout(LoginState{});
  EXPECT_FALSE(beforeLogin.ok());
  EXPECT_EQ(beforeLogin.failure, HttpFailure::BadAddress);
}

TEST(ProxyTestTest, AsksForPort8081ThroughTheTypedProxy) {
  ClassroomServerProcess server;
  TestHttpPeer proxy(TestHttpPeer::Mode::Relay);
  proxy.mapPort(kProxyTestPort, server.port());  // the server's proxy-test port, here
  LoginState s;
  HttpClient loginClient;
  const ProxyBoxes boxes{"127.0.0.1", std::to_string(proxy.port()), "u", "p"};
  UserMessage m = RunProxyTest("127.0.0.1", kProxyModeHttp, boxes, s, loginClient);
  EXPECT_EQ(m.kind, UserMessage::Kind::Information);
  EXPECT_EQ(m.text, "测试代理服务器成功.");
  ASSERT_EQ(proxy.requestHeads().size(), 1u);
  EXPECT_EQ(proxy.requestHeads()[0].rfind("GET http://127.0.0.1:8081/ HTTP/1.1\r\n", 0), 0u);
  EXPECT_EQ(s.ProxyServer, "127.0.0.1");
  EXPECT_EQ(loginClient.proxy().port, proxy.port());  // kept for the login request

  TestHttpPeer auth(TestHttpPeer::Mode::DemandAuth);
  HttpResult outcome;
  UserMessage denied =
      RunProxyTest("127.0.0.1", kProxyModeHttp,
                   {"127.0.0.1", std::to_string(auth.port()), "u", "p"}, s, loginClient, &outcome);
  EXPECT_EQ(denied.kind, UserMessage::Kind::Error);
  EXPECT_EQ(denied.text, "测试代理服务器失败!");
  EXPECT_EQ(outcome.failure, HttpFailure::ProxyAuth);
}

TEST(ProxyTestTest, ChecksTheServerBoxAndKeepsItsBlank) {
  LoginState s;
  HttpClient loginClient;
  UserMessage empty = RunProxyTest("  ", kProxyModeNone, {}, s, loginClient);
  EXPECT_EQ(empty.kind, UserMessage::Kind::Warning);
  EXPECT_EQ(empty.text, texts::kEnterServer);
  HttpResult outcome;
  UserMessage blank = RunProxyTest(" 127.0.0.1", kProxyModeNone, {}, s, loginClient, &outcome);
  EXPECT_EQ(blank.text, texts::kProxyTestFailed);
  EXPECT_NE(outcome.reason.find("\" 127.0.0.1\""), std::string::npos) << outcome.reason;
}

}  // namespace
}  // namespace app

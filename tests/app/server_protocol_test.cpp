// Addresses formed from the login state, reply reading, the integer rule
// and the splitting of request addresses.
#include <gtest/gtest.h>

#include "app/core/http_client.h"
#include "app/core/reply_text.h"
#include "app/core/server_protocol.h"

namespace app {
namespace {

LoginState loggedIn() {
  LoginState s;
  s.BaseUrl = "http://srv:8080/";
  s.ContextPath = "KVRCS";
  s.DocBase = "simA";
  s.ClassroomId = 3;
  s.ClassroomCode = "101";
  s.CourseId = 12;
  s.DatabaseName = "simdb";
  return s;
}

TEST(LoginStateTest, StartsWithNoLoginAndNoClass) {
  LoginState s;
  EXPECT_EQ(s.CourseId, -1);
  EXPECT_EQ(s.ClassroomId, -1);
  EXPECT_EQ(s.ProxyPort, 0);
  EXPECT_TRUE(s.BaseUrl.empty());
  EXPECT_TRUE(s.ContextPath.empty());
  EXPECT_TRUE(s.ProxyServer.empty());
}

struct UrlRow {
  const char* name;
  std::string url;
  const char* expected;
};

TEST(ServerUrlTest, EveryAddressIsAPlainConcatenation) {
  LoginState s = loggedIn();
  LoginState first = s;
  first.CourseId = kCourseIdReading;
  first.DatabaseName.clear();
  LoginState odd = s;
  odd.DatabaseName = "a b&c";  // text pieces go out unescaped
  odd.ClassroomCode = "七";
  const UrlRow rows[] = {
      {"login", LoginUrl(s, " 7 ", " pw "), "http://srv:8080/KVRCS/LoginAction.do?p0=1&p1=7&p2=pw"},
      {"class entry", ClassEntryUrl(s),
       "http://srv:8080/KVRCS/LoginAction.do?p0=2&p1=12&p2=3&databasename=simdb"},
      {"class entry without database", ClassEntryUrl(first),
       "http://srv:8080/KVRCS/LoginAction.do?p0=2&p1=-9999&p2=3&databasename="},
      {"class entry unescaped", ClassEntryUrl(odd),
       "http://srv:8080/KVRCS/LoginAction.do?p0=2&p1=12&p2=3&databasename=a b&c"},
      {"logout", LogoutUrl(s), "http://srv:8080/KVRCS/LoginAction.do?p0=3&p1=12&p2=3"},
      {"logout before a class", LogoutUrl(LoginState{}), "/LoginAction.do?p0=3&p1=-1&p2=-1"},
      {"proxy test keeps blanks", ProxyTestUrl(" srv"), "http:// srv:8081/"},
      {"course list", CourseListUrl(odd),
       "http://srv:8080/KVRCS/kavro_courselist.jsp?classroomid=3&classroomdesc=七"},
      {"database config", DatabaseConfigUrl(s),
       "http://srv:8080/KVRCS/teacher/database_config.jsp"},
      {"function list", FunctionListUrl(s),
       "http://srv:8080/simA/teacher/left.jsp?courseid=12&databasename=simdb"},
      {"teacher start", TeacherStartUrl(s),
       "http://srv:8080/simA/teacher/teacher_default.jsp?courseid=12&databasename=simdb"},
      {"company online", CompanyOnlineUrl(s),
       "http://srv:8080/simA/teacher/"
       "teacher_config_companyonline.jsp?courseid=12&databasename=simdb"},
      {"base url as typed", MakeBaseUrl(" srv ", "80"), "http:// srv :80/"},
  };
  for (const UrlRow& r : rows) EXPECT_EQ(r.url, r.expected) << r.name;
}

TEST(ServerUrlTest, LogoutCarriesNegativeIdsInDecimal) {
  LoginState s = loggedIn();
  s.CourseId = -1;
  EXPECT_EQ(LogoutUrl(s), "http://srv:8080/KVRCS/LoginAction.do?p0=3&p1=-1&p2=3");
  s.CourseId = kCourseIdReading;
  EXPECT_EQ(LogoutUrl(s), "http://srv:8080/KVRCS/LoginAction.do?p0=3&p1=-9999&p2=3");
}

struct ReplyRow {
  const char* body;
  ServerReply::Kind login;
  ServerReply::Kind entry;
  int number;
};

TEST(ServerReplyTest, IntegerConfigureOrMessage) {
  using K = ServerReply::Kind;
  const ReplyRow rows[] = {
      {"12", K::Number, K::Number, 12},
      {" 12", K::Number, K::Number, 12},
      {"   -5", K::Number, K::Number, -5},
      {"+7", K::Number, K::Number, 7},
      {"12\r\n", K::Message, K::Message, 0},
      {"12 ", K::Message, K::Message, 0},
      {"configds", K::Configure, K::Message, 0},
      {"CONFIGDS", K::Message, K::Message, 0},
      {"configds\n", K::Message, K::Message, 0},
      {" configds", K::Message, K::Message, 0},
      {"", K::Message, K::Message, 0},
      {"-", K::Message, K::Message, 0},
      {"0x1A", K::Message, K::Message, 0},
      {"$1A", K::Message, K::Message, 0},
      {"2147483647", K::Number, K::Number, 2147483647},
      {"-2147483648", K::Number, K::Number, -2147483647 - 1},
      {"2147483648", K::Message, K::Message, 0},
      {"99999999999999999999", K::Message, K::Message, 0},
      {"进入口令错误", K::Message, K::Message, 0},
  };
  for (const ReplyRow& r : rows) {
    ServerReply login = ReadLoginReply(r.body);
    EXPECT_EQ(login.kind, r.login) << '"' << r.body << '"';
    EXPECT_EQ(login.body, r.body);
    EXPECT_EQ(ReadClassEntryReply(r.body).kind, r.entry) << '"' << r.body << '"';
    if (r.login == K::Number) {
      EXPECT_EQ(login.number, r.number) << r.body;
    }
  }
}

TEST(ReplyTextTest, TrimBlanksRemovesBlanksAndControlsOnly) {
  EXPECT_EQ(TrimBlanks(" 7 "), "7");
  EXPECT_EQ(TrimBlanks("\t a b \r\n"), "a b");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimBlanks("教室 一"), "教室 一");
}

TEST(ReplyTextTest, MessagesThatAreNotUtf8AreReadAsGb18030) {
  const std::string utf8 = "进入口令错误";
  // The same text in GBK: 进 BD F8, 入 C8 EB, 口 BF DA, 令 C1 EE, 错 B4 ED, 误 CE F3.
  const std::string gbk = "\xBD\xF8\xC8\xEB\xBF\xDA\xC1\xEE\xB4\xED\xCE\xF3";
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_FALSE(IsValidUtf8(gbk));
  EXPECT_EQ(DisplayTextOfReply(utf8), utf8);
  EXPECT_EQ(DisplayTextOfReply(gbk), utf8);
  EXPECT_EQ(DisplayTextOfReply("plain"), "plain");
  // A cut-off double-byte character is shown as a replacement, not dropped silently.
  std::string cut = DisplayTextOfReply(gbk + "\xBD");
  EXPECT_EQ(cut, utf8 + "\xEF\xBF\xBD");
  // Overlong UTF-8 and surrogates are not UTF-8.
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
  EXPECT_FALSE(IsValidUtf8("\xE8\xBF"));
}

struct AddressRow {
  const char* url;
  bool ok;
  const char* host;
  int port;
  const char* target;
  HttpFailure failure;
};

TEST(RequestAddressTest, SplitsHostPortAndTargetByteForByte) {
  using F = HttpFailure;
  const AddressRow rows[] = {
      {"http://srv/KVRCS/a.do?p0=1", true, "srv", 80, "/KVRCS/a.do?p0=1", F::None},
      {"http://127.0.0.1:8080/x", true, "127.0.0.1", 8080, "/x", F::None},
      {"HTTP://srv:80/", true, "srv", 80, "/", F::None},
      {"http://srv", true, "srv", 80, "/", F::None},
      {"http://srv:8081/", true, "srv", 8081, "/", F::None},
      {"http://srv:/x", true, "srv", 80, "/x", F::None},
      {"http://srv?x=1", true, "srv", 80, "/?x=1", F::None},
      {"http://srv\\KVRCS\\a.do?p=a\\b", true, "srv", 80, "/KVRCS/a.do?p=a/b", F::None},
      {"http:\\\\srv\\x", true, "srv", 80, "/x", F::None},
      {"http://srv/a b?c=教室&d=%41", true, "srv", 80, "/a b?c=教室&d=%41", F::None},
      {"http://[::1]:9000/x", true, "[::1]", 9000, "/x", F::None},
      {"http:// srv:80/x", false, "", 0, "", F::Resolve},
      {"http://srv x:80/", false, "", 0, "", F::Resolve},
      {"http://:80/x", false, "", 0, "", F::Resolve},
      {"/KVRCS/LoginAction.do?p0=3&p1=-1&p2=-1", false, "", 0, "", F::BadAddress},
      {"", false, "", 0, "", F::BadAddress},
      {"https://srv/", false, "", 0, "", F::BadAddress},
      {"http://srv:http/", false, "", 0, "", F::BadAddress},
      {"http://srv:0/", false, "", 0, "", F::BadAddress},
      {"http://srv:65536/", false, "", 0, "", F::BadAddress},
      {"http://srv:99999999999/", false, "", 0, "", F::BadAddress},
  };
  for (const AddressRow& r : rows) {
    RequestAddress a;
    HttpFailure failure = HttpFailure::None;
    std::string reason;
    ASSERT_EQ(ParseRequestAddress(r.url, a, failure, reason), r.ok) << r.url;
    if (r.ok) {
      EXPECT_EQ(a.host, r.host) << r.url;
      EXPECT_EQ(a.port, r.port) << r.url;
      EXPECT_EQ(a.target, r.target) << r.url;
    } else {
      EXPECT_EQ(failure, r.failure) << r.url;
      EXPECT_FALSE(reason.empty()) << r.url;
    }
  }
}

}  // namespace
}  // namespace app

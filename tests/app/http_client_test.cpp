// The HTTP client against the classroom server and the test peer on
// 127.0.0.1: the bytes it sends, cookies per client, proxies, and every way a
// request can fail, each within its time limit.
#include "app/core/http_client.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "classroom_server_process.h"
#include "test_http_peer.h"

namespace app {
namespace {

using testsupport::ClassroomServerProcess;
using testsupport::TestHttpPeer;
using Clock = std::chrono::steady_clock;

const std::string kAnswer12 = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\n12";

std::string local(int port, const std::string& target) {
  return "http://127.0.0.1:" + std::to_string(port) + target;
}

// A port on 127.0.0.1 that nothing listens on.
int closedPort() {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
  socklen_t len = sizeof a;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  ::close(fd);
  return ntohs(a.sin_port);
}

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(HttpClientTest, SendsTheRequestByteForByte) {
  TestHttpPeer peer(TestHttpPeer::Mode::Answer, kAnswer12);
  HttpClient client;
  HttpResult r = client.Get(local(peer.port(), "\\KVRCS/LoginAction.do?p0=1&p1=7&p2=a\\b 教室"));
  ASSERT_TRUE(r.ok()) << r.reason;
  EXPECT_EQ(r.body, "12");
  ASSERT_EQ(peer.requestHeads().size(), 1u);
  EXPECT_EQ(peer.requestHeads()[0],
            "GET /KVRCS/LoginAction.do?p0=1&p1=7&p2=a/b 教室 HTTP/1.1\r\n"
            "Host: 127.0.0.1:" +
                std::to_string(peer.port()) +
                "\r\n"
                "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
                "Accept: text/html, */*\r\n\r\n");
}

TEST(HttpClientTest, ThroughAProxyTheTargetIsAbsoluteAndNoCredentialsAreSent) {
  TestHttpPeer proxy(TestHttpPeer::Mode::Answer, kAnswer12);
  HttpClient client;
  client.setProxy({"127.0.0.1", proxy.port(), "teacher", "secret"});
  // The proxy resolves the host, so these names never reach a resolver here.
  ASSERT_TRUE(client.Get("http://server.classroom/KVRCS/a.do?p=1").ok());
  ASSERT_TRUE(client.Get("http://server.classroom:8081/").ok());
  auto heads = proxy.requestHeads();
  ASSERT_EQ(heads.size(), 2u);
  const std::string tail =
      "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\nAccept: text/html, */*\r\n\r\n";
  EXPECT_EQ(heads[0],
            "GET http://server.classroom/KVRCS/a.do?p=1 HTTP/1.1\r\n"
            "Host: server.classroom\r\n" +
                tail);
  EXPECT_EQ(heads[1],
            "GET http://server.classroom:8081/ HTTP/1.1\r\n"
            "Host: server.classroom:8081\r\n" +
                tail);
}

TEST(HttpClientTest, TheServerLogShowsExactlyWhatWasSent) {
  ClassroomServerProcess server;
  HttpClient client;
  ASSERT_TRUE(client.Get(server.baseUrl() + "KVRCS/LoginAction.do?p0=1&p1=101&p2=abc").ok());
  auto log = server.log();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].target, "/KVRCS/LoginAction.do?p0=1&p1=101&p2=abc");
  EXPECT_EQ(log[0].version, "HTTP/1.1");
  // The server's HTTP library keeps headers sorted by name.
  using H = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(log[0].headers, (H{{"Accept", "text/html, */*"},
                               {"Host", "127.0.0.1:" + std::to_string(server.port())},
                               {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"}}));
}

TEST(HttpClientTest, EachClientKeepsItsOwnCookies) {
  ClassroomServerProcess server;
  HttpClient login;
  HttpClient console;
  const std::string url = server.baseUrl() + "KVRCS/LoginAction.do?p0=1&p1=101&p2=abc";
  ASSERT_TRUE(login.Get(url).ok());    // the server sets KVRSESSION=1
  ASSERT_TRUE(console.Get(url).ok());  // and KVRSESSION=2 for this one
  ASSERT_TRUE(login.Get(server.baseUrl() + "KVRCS/LoginAction.do?p0=3&p1=-1&p2=1").ok());
  ASSERT_TRUE(console.Get(server.baseUrl() + "KVRCS/LoginAction.do?p0=3&p1=-1&p2=1").ok());
  HttpClient fresh;
  ASSERT_TRUE(fresh.Get(server.baseUrl() + "KVRCS/LoginAction.do?p0=3&p1=-1&p2=1").ok());
  // The server scopes its session to the application's context path.
  ASSERT_TRUE(login.Get(server.baseUrl() + "simA/LoginAction.do?p0=3&p1=-1&p2=1").ok());
  auto log = server.log();
  ASSERT_EQ(log.size(), 6u);
  EXPECT_EQ(log[0].header("Cookie"), "");
  EXPECT_EQ(log[1].header("Cookie"), "");
  EXPECT_EQ(log[2].header("Cookie"), "KVRSESSION=1");
  EXPECT_EQ(log[3].header("Cookie"), "KVRSESSION=2");
  EXPECT_EQ(log[4].header("Cookie"), "");
  EXPECT_EQ(log[5].header("Cookie"), "");
}

TEST(HttpClientTest, CookiesGoBackOnlyToTheirPathAndWhileTheyLast) {
  TestHttpPeer peer(TestHttpPeer::Mode::Answer,
                    "HTTP/1.1 200 OK\r\n"
                    "Set-Cookie: JSESSIONID=A1; Path=/KVRCS\r\n"
                    "Set-Cookie: OTHER=B2; Path=/other\r\n"
                    "Set-Cookie: OLD=C3; Path=/KVRCS; Expires=Thu, 01 Jan 1970 00:00:00 GMT\r\n"
                    "Content-Length: 2\r\nConnection: close\r\n\r\n12");
  HttpClient client;
  ASSERT_TRUE(client.Get(local(peer.port(), "/KVRCS/LoginAction.do?p0=1&p1=101&p2=abc")).ok());
  // Bytes that may not stand in an address still go out as they were built.
  const std::string odd = "/KVRCS/LoginAction.do?p0=3&p2=a\\b 教室#x%zz\"<>";
  ASSERT_TRUE(client.Get(local(peer.port(), odd)).ok());
  ASSERT_TRUE(client.Get(local(peer.port(), "/simA/teacher/left.jsp")).ok());
  ASSERT_TRUE(client.Get(local(peer.port(), "/")).ok());
  auto heads = peer.requestHeads();
  ASSERT_EQ(heads.size(), 4u);
  auto cookieOf = [](const std::string& head) {
    std::size_t at = head.find("\r\nCookie: ");
    if (at == std::string::npos) return std::string();
    std::size_t from = at + 10;
    return head.substr(from, head.find("\r\n", from) - from);
  };
  EXPECT_EQ(cookieOf(heads[0]), "");
  EXPECT_EQ(heads[1].substr(0, heads[1].find("\r\n")),
            "GET /KVRCS/LoginAction.do?p0=3&p2=a/b 教室#x%zz\"<> HTTP/1.1");
  EXPECT_EQ(cookieOf(heads[1]), "JSESSIONID=A1");  // not OTHER, not the expired OLD
  EXPECT_EQ(cookieOf(heads[2]), "");
  EXPECT_EQ(cookieOf(heads[3]), "");
}

TEST(HttpClientTest, DestroyingTheClientWhileItWaitsEndsTheRequestAtOnce) {
  ClassroomServerProcess server({"--fault", "stall", "--stall-seconds", "20"});
  auto owner = std::make_unique<HttpClient>();
  HttpClient* client = owner.get();
  const auto lifetime = client->lifetime();
  // A timer that fires half a second into the wait closes the owner.
  const Clock::time_point start = Clock::now();
  client->setEventPump([&] {
    if (owner && Clock::now() - start >= std::chrono::milliseconds(500)) owner.reset();
  });
  HttpResult r = client->Get(server.baseUrl() + "KVRCS/LoginAction.do?p0=1&p1=101&p2=abc");
  EXPECT_EQ(r.failure, HttpFailure::Abandoned) << r.reason;
  EXPECT_TRUE(lifetime.expired());
  EXPECT_LT(secondsSince(start), 5.0);
}

TEST(HttpClientTest, RelaysThroughAForwardProxy) {
  ClassroomServerProcess server;
  TestHttpPeer proxy(TestHttpPeer::Mode::Relay);
  HttpClient client;
  client.setProxy({"127.0.0.1", proxy.port(), "", ""});
  const std::string url = server.baseUrl() + "KVRCS/LoginAction.do?p0=1&p1=7&p2=pw";
  HttpResult r = client.Get(url);
  ASSERT_TRUE(r.ok()) << r.reason;
  EXPECT_EQ(r.body, "7");
  ASSERT_EQ(proxy.requestHeads().size(), 1u);
  EXPECT_EQ(proxy.requestHeads()[0].rfind("GET " + url + " HTTP/1.1\r\n", 0), 0u);
  ASSERT_EQ(server.log().size(), 1u);
  EXPECT_EQ(server.log()[0].target, "/KVRCS/LoginAction.do?p0=1&p1=7&p2=pw");
}

TEST(HttpClientTest, TheEnvironmentsProxyIsNotUsed) {
  ClassroomServerProcess server;
  const char* saved = std::getenv("http_proxy");
  std::string keep = saved ? saved : "";
  ::setenv("http_proxy", ("http://127.0.0.1:" + std::to_string(closedPort())).c_str(), 1);
  HttpClient client;
  HttpResult r = client.Get(server.baseUrl() + "KVRCS/LoginAction.do?p0=3&p1=-1&p2=-1");
  if (saved)
    ::setenv("http_proxy", keep.c_str(), 1);
  else
    ::unsetenv("http_proxy");
  EXPECT_TRUE(r.ok()) << r.reason;
}

struct FaultRow {
  const char* name;
  std::vector<std::string> serverOptions;
  HttpFailure failure;
};

TEST(HttpClientTest, EveryServerFaultFailsWithItsReasonInTime) {
  const FaultRow rows[] = {
      {"302", {"--fault", "redirect"}, HttpFailure::Redirect},
      {"200 with Location", {"--fault", "location"}, HttpFailure::Redirect},
      {"reset mid-body", {"--fault", "reset"}, HttpFailure::Broken},
      {"stall", {"--fault", "stall", "--stall-seconds", "20"}, HttpFailure::Stalled},
      {"over the size cap", {"--fault", "huge"}, HttpFailure::TooLarge},
  };
  for (const FaultRow& row : rows) {
    ClassroomServerProcess server(row.serverOptions);
    HttpClient client;
    HttpLimits limits;
    limits.stall = std::chrono::milliseconds(1000);
    client.setLimits(limits);
    Clock::time_point start = Clock::now();
    HttpResult r = client.Get(server.baseUrl() + "KVRCS/LoginAction.do?p0=1&p1=101&p2=abc");
    EXPECT_EQ(r.failure, row.failure) << row.name << ": " << r.reason;
    EXPECT_FALSE(r.reason.empty()) << row.name;
    EXPECT_TRUE(r.body.empty()) << row.name;
    EXPECT_LT(secondsSince(start), 5.0) << row.name;
  }
}

TEST(HttpClientTest, NetworkFailuresFailWithTheirReason) {
  HttpClient client;
  Clock::time_point start = Clock::now();
  HttpResult refused = client.Get(local(closedPort(), "/KVRCS/LoginAction.do"));
  EXPECT_EQ(refused.failure, HttpFailure::Connect) << refused.reason;
  HttpResult blank = client.Get("http:// 127.0.0.1:80/KVRCS/LoginAction.do");
  EXPECT_EQ(blank.failure, HttpFailure::Resolve);
  EXPECT_NE(blank.reason.find("\" 127.0.0.1\""), std::string::npos) << blank.reason;
  HttpResult noHost = client.Get("/LoginAction.do?p0=3&p1=-1&p2=-1");
  EXPECT_EQ(noHost.failure, HttpFailure::BadAddress);
  EXPECT_LT(secondsSince(start), 5.0);

  TestHttpPeer auth(TestHttpPeer::Mode::DemandAuth);
  client.setProxy({"127.0.0.1", auth.port(), "teacher", "secret"});
  HttpResult denied = client.Get("http://127.0.0.1:1/");
  EXPECT_EQ(denied.failure, HttpFailure::ProxyAuth) << denied.reason;
  EXPECT_EQ(denied.status, 407);
  ASSERT_EQ(auth.requestHeads().size(), 1u);  // no second try with credentials
  EXPECT_EQ(auth.requestHeads()[0].find("Authorization"), std::string::npos);

  client.setProxy({"127.0.0.1", 0, "", ""});
  EXPECT_EQ(client.Get("http://127.0.0.1:1/").failure, HttpFailure::Connect);
}

TEST(HttpClientTest, AConnectionThatIsNeverAcceptedTimesOut) {
  // A listener whose queue is full and that never accepts drops new
  // connection attempts, like a host that does not answer.
  int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  ASSERT_EQ(::listen(listener, 0), 0);
  socklen_t len = sizeof a;
  ::getsockname(listener, reinterpret_cast<sockaddr*>(&a), &len);
  std::vector<int> fillers;
  for (int i = 0; i < 4; ++i) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    fillers.push_back(fd);
  }
  HttpClient client;
  HttpLimits limits;
  limits.connect = std::chrono::milliseconds(800);
  client.setLimits(limits);
  Clock::time_point start = Clock::now();
  HttpResult r = client.Get(local(ntohs(a.sin_port), "/"));
  double seconds = secondsSince(start);
  for (int fd : fillers) ::close(fd);
  ::close(listener);
  EXPECT_EQ(r.failure, HttpFailure::ConnectTimeout) << r.reason;
  EXPECT_GE(seconds, 0.7);
  EXPECT_LT(seconds, 3.0);
}

TEST(HttpClientTest, StatusOutside2xxFails) {
  ClassroomServerProcess server;
  HttpClient client;
  HttpResult r = client.Get(server.baseUrl() + "KVRCS/no_such_page.jsp");
  EXPECT_EQ(r.failure, HttpFailure::Status);
  EXPECT_EQ(r.status, 404);
}

TEST(HttpClientTest, TheBodyLimitCountsEveryByte) {
  ClassroomServerProcess server({"--login-reply", "12", "--slow-seconds", "0"});
  HttpClient client;
  HttpLimits limits;
  limits.maxBody = 2;
  client.setLimits(limits);
  const std::string login = server.baseUrl() + "KVRCS/LoginAction.do?p0=1&p1=1&p2=1";
  HttpResult exact = client.Get(login);
  EXPECT_TRUE(exact.ok()) << exact.reason;
  EXPECT_EQ(exact.body, "12");
  limits.maxBody = 1;
  client.setLimits(limits);
  EXPECT_EQ(client.Get(login).failure, HttpFailure::TooLarge);
  // A chunked page has no length up front: the cap applies as it arrives.
  limits.maxBody = 1000;
  client.setLimits(limits);
  EXPECT_EQ(client.Get(server.baseUrl() + "simA/teacher/slow.jsp?courseid=12").failure,
            HttpFailure::TooLarge);
}

TEST(HttpClientTest, WaitingDispatchesEventsAndRefusesReentry) {
  ClassroomServerProcess server({"--slow-seconds", "2"});
  HttpClient client;
  int pumps = 0;
  HttpResult nested;
  client.setEventPump([&] {
    if (++pumps == 1) nested = client.Get(server.baseUrl());
  });
  Clock::time_point start = Clock::now();
  HttpResult r = client.Get(server.baseUrl() + "simA/teacher/slow.jsp?courseid=12");
  double seconds = secondsSince(start);
  ASSERT_TRUE(r.ok()) << r.reason;
  EXPECT_NE(r.body.find("</html>"), std::string::npos);
  // One dispatch per 250 ms of waiting at most, and they keep coming.
  EXPECT_GE(seconds, 2.0);
  EXPECT_GE(pumps, 4);
  EXPECT_LE(pumps, static_cast<int>(seconds / 0.25) + 1);
  EXPECT_EQ(nested.failure, HttpFailure::Busy);

  // Without a pump of its own a client uses the framework's.
  int framework = 0;
  HttpClient::setDefaultEventPump([&] { ++framework; });
  HttpClient other;
  ASSERT_TRUE(other.Get(server.baseUrl() + "simA/teacher/slow.jsp?courseid=12").ok());
  HttpClient::setDefaultEventPump(nullptr);
  EXPECT_GE(framework, 3);

  // An event handler that throws ends the request; the client still works.
  client.setEventPump([] { throw std::runtime_error("handler failed"); });
  EXPECT_THROW(client.Get(server.baseUrl() + "simA/teacher/slow.jsp?courseid=12"),
               std::runtime_error);
  client.setEventPump(nullptr);
  HttpResult after = client.Get(server.baseUrl());
  EXPECT_TRUE(after.ok()) << after.reason;
}

}  // namespace
}  // namespace app

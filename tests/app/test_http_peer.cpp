// The test proxy and request recorder.
#include "test_http_peer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <stdexcept>

namespace testsupport {
namespace {

constexpr int kIoTimeoutMs = 10000;

bool waitFor(int fd, short events, int ms) {
  pollfd p{fd, events, 0};
  return ::poll(&p, 1, ms) > 0;
}

bool sendAll(int fd, const std::string& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::send(fd, data.data() + done, data.size() - done, MSG_NOSIGNAL);
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Reads up to the blank line that ends a request head.
std::string readHead(int fd) {
  std::string head;
  char buf[4096];
  while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
    if (!waitFor(fd, POLLIN, kIoTimeoutMs)) break;
    ssize_t n = ::recv(fd, buf, sizeof buf, 0);
    if (n <= 0) break;
    head.append(buf, static_cast<std::size_t>(n));
  }
  return head;
}

int connectLocal(int port) {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

TestHttpPeer::TestHttpPeer(Mode mode, std::string answer)
    : mode_(mode), answer_(std::move(answer)) {
  listen_ = ::socket(AF_INET, SOCK_STREAM, 0);
  int one = 1;
  ::setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
      ::listen(listen_, 16) != 0) {
    throw std::runtime_error("test peer: cannot listen on 127.0.0.1");
  }
  socklen_t len = sizeof a;
  ::getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &len);
  port_ = ntohs(a.sin_port);
  thread_ = std::thread([this] { run(); });
}

TestHttpPeer::~TestHttpPeer() {
  stop_ = true;
  thread_.join();
  ::close(listen_);
}

void TestHttpPeer::mapPort(int from, int to) {
  std::lock_guard<std::mutex> lock(mutex_);
  portMap_[from] = to;
}

std::vector<std::string> TestHttpPeer::requestHeads() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return heads_;
}

void TestHttpPeer::run() {
  while (!stop_) {
    if (!waitFor(listen_, POLLIN, 100)) continue;
    int fd = ::accept(listen_, nullptr, nullptr);
    if (fd < 0) continue;
    serve(fd);
    ::close(fd);
  }
}

void TestHttpPeer::serve(int fd) {
  std::string head = readHead(fd);
  if (head.empty()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    heads_.push_back(head.substr(0, head.find("\r\n\r\n") + 4));
  }
  switch (mode_) {
    case Mode::Answer:
      sendAll(fd, answer_);
      break;
    case Mode::DemandAuth:
      sendAll(fd,
              "HTTP/1.1 407 Proxy Authentication Required\r\n"
              "Proxy-Authenticate: Basic realm=\"classroom\"\r\n"
              "Content-Length: 0\r\nConnection: close\r\n\r\n");
      break;
    case Mode::Relay:
      relay(fd, head);
      break;
  }
}

void TestHttpPeer::relay(int client, const std::string& head) {
  auto refuse = [&](const char* status) {
    sendAll(client, std::string("HTTP/1.1 ") + status +
                        "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
  };
  std::istringstream lines(head.substr(0, head.find("\r\n\r\n")));
  std::string requestLine;
  std::getline(lines, requestLine);
  if (!requestLine.empty() && requestLine.back() == '\r') requestLine.pop_back();
  std::istringstream parts(requestLine);
  std::string method, target, version;
  parts >> method >> target >> version;
  const std::string scheme = "http://";
  if (target.rfind(scheme, 0) != 0) return refuse("400 Bad Request");
  std::string rest = target.substr(scheme.size());
  std::size_t slash = rest.find('/');
  std::string authority = rest.substr(0, slash);
  std::string path = slash == std::string::npos ? "/" : rest.substr(slash);
  std::size_t colon = authority.rfind(':');
  std::string host = authority.substr(0, colon);
  int port = colon == std::string::npos ? 80 : std::atoi(authority.c_str() + colon + 1);
  if (host != "127.0.0.1" && host != "localhost") return refuse("502 Bad Gateway");
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (auto it = portMap_.find(port); it != portMap_.end()) port = it->second;
  }
  int upstream = connectLocal(port);
  if (upstream < 0) return refuse("502 Bad Gateway");
  std::string forward = method + " " + path + " " + version + "\r\n";
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string lower = line;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.rfind("proxy-", 0) == 0 || lower.rfind("connection:", 0) == 0) continue;
    forward += line + "\r\n";
  }
  forward += "Connection: close\r\n\r\n";
  if (sendAll(upstream, forward)) {
    char buf[65536];
    while (waitFor(upstream, POLLIN, kIoTimeoutMs)) {
      ssize_t n = ::recv(upstream, buf, sizeof buf, 0);
      if (n <= 0 || !sendAll(client, std::string(buf, static_cast<std::size_t>(n)))) break;
    }
  }
  ::close(upstream);
}

}  // namespace testsupport

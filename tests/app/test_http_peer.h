// A small HTTP peer for the client tests, on 127.0.0.1 only: a forward
// proxy that relays absolute-form GETs (and can demand authentication with
// a 407), or a recorder that answers every request with fixed bytes. It
// keeps the raw head of every request it receives.
#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

class TestHttpPeer {
 public:
  enum class Mode {
    Relay,       // forward proxy
    DemandAuth,  // a proxy that answers every request with 407
    Answer,      // answers every request with `answer`, byte for byte
  };

  explicit TestHttpPeer(Mode mode, std::string answer = {});
  ~TestHttpPeer();
  TestHttpPeer(const TestHttpPeer&) = delete;
  TestHttpPeer& operator=(const TestHttpPeer&) = delete;

  int port() const { return port_; }
  // Relay: a target naming port `from` is sent to port `to` of 127.0.0.1.
  void mapPort(int from, int to);
  // Raw request heads (request line and headers, through the blank line).
  std::vector<std::string> requestHeads() const;

 private:
  void run();
  void serve(int fd);
  void relay(int client, const std::string& head);

  Mode mode_;
  std::string answer_;
  int listen_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> heads_;
  std::map<int, int> portMap_;
  std::thread thread_;
};

}  // namespace testsupport

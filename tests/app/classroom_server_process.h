// Starts the classroom server on a free port of 127.0.0.1 for one test and
// stops it at the end; reads its request log.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// One line of the server's request log.
struct LoggedRequest {
  int port = 0;
  std::string target;  // exact bytes
  std::string version;
  std::vector<std::pair<std::string, std::string>> headers;
  std::string header(const std::string& name) const;  // first value, "" when absent
};

// A scratch folder removed at the end of the test.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

class ClassroomServerProcess {
 public:
  // Extra options of the server, for example {"--fault", "reset"}.
  explicit ClassroomServerProcess(std::vector<std::string> options = {});
  ~ClassroomServerProcess();
  ClassroomServerProcess(const ClassroomServerProcess&) = delete;
  ClassroomServerProcess& operator=(const ClassroomServerProcess&) = delete;

  int port() const { return port_; }
  std::string baseUrl() const;  // "http://127.0.0.1:PORT/"
  std::vector<LoggedRequest> log() const;

 private:
  ScratchDir dir_;
  int pid_ = -1;
  int port_ = 0;
};

// Path of the server program in the build.
std::string ClassroomServerProgram();

// Runs the program with `args`, waits at most `seconds`; returns the exit
// code (or -1) and the standard output.
std::pair<int, std::string> RunProgram(const std::string& program,
                                       const std::vector<std::string>& args, int seconds);

}  // namespace testsupport

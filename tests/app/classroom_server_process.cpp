// Running the classroom server from a test.
#include "classroom_server_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace testsupport {
namespace {

std::vector<char*> argvOf(const std::string& program, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  return argv;
}

// Waits for the child at most `ms`; kills it when it is still running.
int reap(int pid, int ms) {
  int status = 0;
  for (int waited = 0; waited < ms; waited += 10) {
    if (::waitpid(pid, &status, WNOHANG) == pid) {
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, &status, 0);
  return -1;
}

std::string fromHex(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return out;
}

}  // namespace

std::string LoggedRequest::header(const std::string& name) const {
  for (const auto& [n, v] : headers) {
    if (n == name) return v;
  }
  return {};
}

ScratchDir::ScratchDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "kavro-test-XXXXXX").string();
  if (::mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("cannot make a scratch folder");
  path_ = tmpl;
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  // Give read-only folders made by a test their permissions back first.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::remove_all(path_, ec);
}

std::string ClassroomServerProgram() {
  return std::string(KAVRO_BINARY_DIR) + "/bin/classroom-server";
}

ClassroomServerProcess::ClassroomServerProcess(std::vector<std::string> options) {
  const std::string portFile = dir_.path() + "/port";
  std::vector<std::string> args = {"--port", "0",     "--port-file",
                                   portFile, "--log", dir_.path() + "/requests.jsonl"};
  args.insert(args.end(), options.begin(), options.end());
  const std::string program = ClassroomServerProgram();
  auto argv = argvOf(program, args);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) throw std::runtime_error("cannot start " + program);
  pid_ = pid;
  for (int waited = 0; waited < 10000; waited += 10) {
    std::ifstream in(portFile);
    if (in >> port_ && port_ > 0) return;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      throw std::runtime_error("the classroom server ended at start");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  throw std::runtime_error("the classroom server did not start within 10 s");
}

ClassroomServerProcess::~ClassroomServerProcess() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  reap(pid_, 5000);
}

std::string ClassroomServerProcess::baseUrl() const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/";
}

std::vector<LoggedRequest> ClassroomServerProcess::log() const {
  std::vector<LoggedRequest> out;
  std::ifstream in(dir_.path() + "/requests.jsonl");
  std::string line;
  while (std::getline(in, line)) {
    QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
    LoggedRequest r;
    r.port = o["port"].toInt();
    r.target = fromHex(o["target_hex"].toString().toStdString());
    r.version = o["version"].toString().toStdString();
    for (const QJsonValue& h : o["headers"].toArray()) {
      QJsonArray pair = h.toArray();
      r.headers.emplace_back(pair[0].toString().toStdString(), pair[1].toString().toStdString());
    }
    out.push_back(std::move(r));
  }
  return out;
}

std::pair<int, std::string> RunProgram(const std::string& program,
                                       const std::vector<std::string>& args, int seconds) {
  ScratchDir dir;
  const std::string outPath = dir.path() + "/stdout";
  auto argv = argvOf(program, args);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return {-1, {}};
  int code = reap(pid, seconds * 1000);
  std::ifstream in(outPath);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return {code, text};
}

}  // namespace testsupport

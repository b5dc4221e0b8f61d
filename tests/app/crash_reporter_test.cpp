// The crash reporter: records of reported exceptions, the cap while
// appending and at start-up, scrubbing of secrets, and a child process
// ended by a fatal signal.
#include "app/crash/crash_reporter.h"

#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <regex>
#include <stdexcept>

#include "app/core/login_state.h"
#include "app/crash/crash_log.h"
#include "app/crash/program_version.h"
#include "crash_test_support.h"

namespace {

using namespace app;

constexpr std::time_t kNoon = 1798977600;  // 2027-01-03 12:00:00 UTC

struct Fixture {
  crashtest::TempFolder dir;
  std::vector<std::string> shown;
  std::string folder() const { return dir.path() + "/kavro"; }
  CrashReporter::Options options() {
    CrashReporter::Options o;
    o.folder = folder();
    o.version = "9.8.7";
    o.showMessage = [this](const std::string& text) { shown.push_back(text); };
    o.clock = [] { return kNoon; };
    return o;
  }
  std::string log() const { return crashtest::ReadAll(folder() + "/crash.log"); }
};

TEST(CrashReporter, ExceptionShownAndAppendedWithTimeVersionAndBacktrace) {
  Fixture f;
  CrashReporter reporter(f.options());
  EXPECT_EQ(reporter.logPath(), f.folder() + "/crash.log");
  reporter.reportException(std::make_exception_ptr(std::runtime_error("the disk is full")));
  reporter.reportException(std::make_exception_ptr(42));
  EXPECT_EQ(f.shown,
            (std::vector<std::string>{"the disk is full", "exception of an unknown type"}));

  const std::string log = f.log();
  EXPECT_EQ(log.rfind(kCrashRecordMarker, 0), 0u) << "the log starts with a record";
  EXPECT_EQ(crashtest::CountOf(log, kCrashRecordMarker), 2);
  EXPECT_EQ(crashtest::CountOf(log, "time: 2027-01-03 12:00:00 UTC\n"), 2);
  EXPECT_EQ(crashtest::CountOf(log, "version: 9.8.7\n"), 2);
  EXPECT_LT(log.find("exception: the disk is full\n"),
            log.find("exception: exception of an unknown type\n"));
  // Frames are symbolised and demangled: the reporter's own entry point is
  // on the stack with its C++ name.
  EXPECT_NE(log.find("backtrace:\n"), std::string::npos);
  EXPECT_NE(log.find("app::CrashReporter::reportException("), std::string::npos);
  EXPECT_TRUE(std::regex_search(log, std::regex(R"(\n[^\n]+\[0x[0-9a-f]+\]\n)")));
}

TEST(CrashReporter, DefaultsToTheProgramVersionAndAMultilineTextStaysInItsRecord) {
  Fixture f;
  CrashReporter::Options o = f.options();
  o.version.clear();
  CrashReporter reporter(o);
  // A text that tries to open a record of its own cannot start a line.
  reporter.report(std::string("first line\n") + kCrashRecordMarker + "time: forged");
  const std::string log = f.log();
  EXPECT_NE(log.find(std::string("version: ") + ProgramVersion() + "\n"), std::string::npos);
  EXPECT_FALSE(std::string(ProgramVersion()).empty());
  EXPECT_EQ(crashtest::CountOf(log, std::string("\n") + kCrashRecordMarker), 0);
  EXPECT_NE(log.find("error: first line\n  === kavro"), std::string::npos);
}

TEST(CrashReporter, SecretsScrubbedFromRecordAndMessage) {
  Fixture f;
  CrashReporter reporter(f.options());
  LoginState login;
  reporter.addSecret([&login] { return login.ProxyPassword; });
  reporter.addSecret("pa");
  reporter.addSecret("");
  // The password is read when writing, not when registering.
  login.ProxyPassword = "pa55word";
  reporter.reportException(
      std::make_exception_ptr(std::runtime_error("proxy refused teacher:pa55word (pa55word), pa")));
  ASSERT_EQ(f.shown.size(), 1u);
  EXPECT_EQ(f.shown[0], "proxy refused teacher:*** (***), ***");
  const std::string log = f.log();
  EXPECT_NE(log.find("exception: proxy refused teacher:*** (***), ***\n"), std::string::npos);
  EXPECT_EQ(log.find("pa55"), std::string::npos);
  // An empty secret changes nothing.
  EXPECT_EQ(reporter.scrub("text"), "text");
}

TEST(CrashReporter, CapDropsOldestRecordsWhenAppendingAndAtStartUp) {
  Fixture f;
  std::string error;
  ASSERT_TRUE(MakeStateFolder(f.folder(), error)) << error;
  const std::string path = f.folder() + "/crash.log";
  // Old records of about 10 KiB each, together just under the cap; the
  // three new ones of about 9 KiB push it over.
  std::string old;
  int count = 0;
  for (; old.size() < kCrashLogCap - 12 * 1024; ++count)
    old += FormatCrashRecord(kNoon, "0.0", "exception: old " + std::to_string(count),
                             std::vector<std::string>(100, std::string(100, 'f')));
  crashtest::WriteAll(path, old);
  {
    CrashReporter reporter(f.options());
    EXPECT_EQ(f.log(), old) << "within the cap nothing is dropped at start-up";
    for (int i = 0; i < 3; ++i)
      reporter.reportException(std::make_exception_ptr(
          std::runtime_error("new " + std::to_string(i) + "\n" + std::string(8000, 'n'))));
  }
  std::string log = f.log();
  EXPECT_LE(log.size(), kCrashLogCap);
  EXPECT_EQ(log.rfind(kCrashRecordMarker, 0), 0u);
  EXPECT_EQ(log.find("exception: old 0\n"), std::string::npos);
  EXPECT_NE(log.find("exception: old " + std::to_string(count - 1) + "\n"), std::string::npos);
  for (int i = 0; i < 3; ++i)
    EXPECT_NE(log.find("exception: new " + std::to_string(i) + "\n"), std::string::npos);
  // What is kept is the newest part of the old log, whole records only.
  const std::size_t firstNew = log.find("exception: new 0");
  const std::string keptOld = log.substr(0, log.rfind(kCrashRecordMarker, firstNew));
  EXPECT_EQ(old.substr(old.size() - keptOld.size()), keptOld);

  // A log grown past the cap by the signal path is cut when the next
  // reporter starts.
  crashtest::WriteAll(path, old + old);
  CrashReporter reporter(f.options());
  log = f.log();
  EXPECT_LE(log.size(), kCrashLogCap);
  EXPECT_GT(log.size(), kCrashLogCap - 12 * 1024);
  EXPECT_EQ(log.rfind(kCrashRecordMarker, 0), 0u);
}

TEST(CrashReporter, AnUnwritableFolderStillShowsTheMessage) {
  Fixture f;
  crashtest::WriteAll(f.folder(), "a file, not a folder");
  CrashReporter reporter(f.options());
  reporter.report("cannot clear the history");
  EXPECT_EQ(f.shown, (std::vector<std::string>{"cannot clear the history"}));
}

// A write into a page the process may not touch: a real fault, not raise().
[[gnu::noinline]] void WriteToProtectedPage() {
  void* page = ::mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  *static_cast<volatile int*>(page) = 1;
}

volatile int gDepthLimit = 1 << 30;
[[gnu::noinline]] int OverflowTheStack(int depth) {
  volatile char frame[1024];
  frame[0] = static_cast<char>(depth);
  if (depth < gDepthLimit) return OverflowTheStack(depth + 1) + frame[0];
  return frame[0];
}

TEST(CrashReporterSignals, ChildEndsByTheSignalLeavingARecord) {
  struct Row {
    const char* name;
    int signal;
    void (*crash)();
  };
  const Row rows[] = {
      {"write to a protected page", SIGSEGV, [] { WriteToProtectedPage(); }},
      // Only an alternate stack leaves the handler room to run.
      {"stack overflow", SIGSEGV, [] { (void)OverflowTheStack(0); }},
      {"abort", SIGABRT, [] { std::abort(); }},
      {"floating point signal", SIGFPE, [] { std::raise(SIGFPE); }},
  };
  for (const Row& r : rows) {
    Fixture f;
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      CrashReporter reporter(f.options());
      reporter.installSignalHandlers();
      r.crash();
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status)) << r.name;
    if (WIFSIGNALED(status)) {
      EXPECT_EQ(WTERMSIG(status), r.signal) << r.name;
    }

    const std::string log = f.log();
    EXPECT_EQ(log.rfind(kCrashRecordMarker, 0), 0u) << r.name;
    EXPECT_EQ(crashtest::CountOf(log, kCrashRecordMarker), 1) << r.name;
    EXPECT_TRUE(std::regex_search(
        log, std::regex(R"(\ntime: \d{4}-\d\d-\d\d \d\d:\d\d:\d\d UTC\nversion: 9\.8\.7\n)")))
        << r.name << "\n"
        << log;
    EXPECT_NE(log.find("signal: SIG" + std::string(sigabbrev_np(r.signal)) + " (" +
                       std::to_string(r.signal) + ")\nbacktrace:\n"),
              std::string::npos)
        << r.name;
    EXPECT_TRUE(std::regex_search(log, std::regex(R"(backtrace:\n[^\n]*\[0x[0-9a-f]+\]\n)")))
        << r.name << "\n"
        << log;
    EXPECT_EQ(crashtest::ModeOf(f.folder() + "/crash.log"), 0600u) << r.name;
  }
}

}  // namespace

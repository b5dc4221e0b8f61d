// The crash-reporting component the console carries. An exception that no
// window handled is shown to the teacher and recorded, and the program goes
// on; a fatal signal is recorded with async-signal-safe calls only and then
// ends the process by that signal. Records go to crash.log in the user's
// state folder and hold the time, the program version, what happened and a
// backtrace; known secrets are scrubbed from everything written.
#pragma once

#include <ctime>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace app {

class CrashReporter {
 public:
  struct Options {
    // The folder of crash.log; empty: CrashStateFolder().
    std::string folder;
    // The version written into records; empty: ProgramVersion().
    std::string version;
    // Shows the text of a reported error to the user; empty: standard error.
    std::function<void(const std::string&)> showMessage;
    // The clock of the records (tests fix it); empty: the system clock.
    std::function<std::time_t()> clock;
  };

  CrashReporter();
  explicit CrashReporter(Options options);
  // Uninstalls the signal handlers when this component installed them.
  ~CrashReporter();
  CrashReporter(const CrashReporter&) = delete;
  CrashReporter& operator=(const CrashReporter&) = delete;

  const std::string& logPath() const { return logPath_; }
  void setShowMessage(std::function<void(const std::string&)> show);

  // Reports the exception e: shows its text, appends a record, returns.
  void reportException(std::exception_ptr e);
  // Reports a failure described by text the same way.
  void report(const std::string& text);

  // Secrets never written: each non-empty string a source gives at the
  // time of writing is replaced by "***" in the record and the message.
  void addSecret(std::function<std::string()> source);
  void addSecret(const std::string& secret);
  std::string scrub(std::string text) const;

  // Records SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGABRT on an alternate
  // stack, then ends the process by the signal. One component of the
  // process holds them at a time; the last to install wins.
  void installSignalHandlers();
  void uninstallSignalHandlers();

  // The backtrace of the calling thread from its caller on, one line per
  // frame ("module(name+offset) [address]"), names demangled where the
  // symbol table has them.
  static std::vector<std::string> backtraceLines();
  // The text of an exception (what() of a std::exception).
  static std::string describe(std::exception_ptr e);

 private:
  std::string makeRecord(const std::string& what);
  void writeRecord(const std::string& record);
  void show(const std::string& text);

  Options options_;
  std::string logPath_;
  bool handlersInstalled_ = false;
  mutable std::mutex mutex_;
  std::vector<std::function<std::string()>> secrets_;
};

}  // namespace app

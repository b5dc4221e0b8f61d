// Crash reporting: the normal path for exceptions and reported failures,
// and the signal path for fatal signals.
#include "app/crash/crash_reporter.h"

#include <cxxabi.h>
#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "app/crash/crash_log.h"
#include "app/crash/program_version.h"

namespace app {

namespace {

constexpr int kMaxFrames = 64;
// The longest text of one report kept in a record, so that one record can
// never outgrow the log's cap.
constexpr std::size_t kMaxText = 16 * 1024;

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr int kSignalCount = sizeof kFatalSignals / sizeof kFatalSignals[0];

const char* SignalName(int sig) {
  switch (sig) {
    case SIGSEGV:
      return "SIGSEGV";
    case SIGBUS:
      return "SIGBUS";
    case SIGFPE:
      return "SIGFPE";
    case SIGILL:
      return "SIGILL";
    case SIGABRT:
      return "SIGABRT";
    default:
      return "signal";
  }
}

// Everything the signal path needs, computed while installing: the handler
// may not allocate, lock or format with the library.
struct SignalRecordData {
  char path[4096] = {};
  char version[128] = {};
  struct sigaction previous[kSignalCount] = {};
};
SignalRecordData gSignalData;
CrashReporter* gSignalOwner = nullptr;
volatile sig_atomic_t gInSignalHandler = 0;

std::size_t Length(const char* s) {
  std::size_t n = 0;
  while (s[n]) ++n;
  return n;
}

void WriteRaw(int fd, const char* s, std::size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, s, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      return;
    }
    s += w;
    n -= static_cast<std::size_t>(w);
  }
}

void WriteText(int fd, const char* s) { WriteRaw(fd, s, Length(s)); }

void WriteNumber(int fd, int v) {
  char buf[16];
  int i = sizeof buf;
  unsigned u = v < 0 ? 0u - static_cast<unsigned>(v) : static_cast<unsigned>(v);
  do {
    buf[--i] = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u && i > 1);
  if (v < 0) buf[--i] = '-';
  WriteRaw(fd, buf + i, sizeof buf - static_cast<std::size_t>(i));
}

// Async-signal-safe only: open, write, close, clock_gettime, backtrace
// (warmed up while installing), backtrace_symbols_fd, sigaction, raise.
void OnFatalSignal(int sig, siginfo_t*, void*) {
  if (!gInSignalHandler) {
    gInSignalHandler = 1;
    const int savedErrno = errno;
    const int fd = ::open(gSignalData.path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) {
      timespec now{};
      ::clock_gettime(CLOCK_REALTIME, &now);
      char time[kCrashTimeLength + 1];
      FormatCrashTime(now.tv_sec, time);
      WriteText(fd, kCrashRecordMarker);
      WriteText(fd, "time: ");
      WriteText(fd, time);
      WriteText(fd, "\nversion: ");
      WriteText(fd, gSignalData.version);
      WriteText(fd, "\nsignal: ");
      WriteText(fd, SignalName(sig));
      WriteText(fd, " (");
      WriteNumber(fd, sig);
      WriteText(fd, ")\nbacktrace:\n");
      void* frames[kMaxFrames];
      const int n = ::backtrace(frames, kMaxFrames);
      ::backtrace_symbols_fd(frames, n, fd);
      WriteText(fd, "\n");
      ::close(fd);
    }
    errno = savedErrno;
  }
  // The default action, taken as soon as the handler returns: the process
  // ends by the same signal, so its parent and the system see the cause.
  struct sigaction dfl {};
  dfl.sa_handler = SIG_DFL;
  sigemptyset(&dfl.sa_mask);
  ::sigaction(sig, &dfl, nullptr);
  ::raise(sig);
}

// The alternate stack, kept for the life of the process: a handler may run
// at any time, and a stack overflow leaves no room on the thread's own.
char* AlternateStack(std::size_t& size) {
  static char* stack = nullptr;
  static std::size_t stackSize = 0;
  if (!stack) {
    const long min = ::sysconf(_SC_SIGSTKSZ);
    stackSize = std::max<std::size_t>(min > 0 ? static_cast<std::size_t>(min) : 0, 64 * 1024);
    stack = new char[stackSize];
  }
  size = stackSize;
  return stack;
}

// "module(mangled+0x1f) [0x...]" with the name demangled when it can be.
std::string DemangledLine(const char* line) {
  std::string s = line;
  const std::size_t open = s.find('(');
  if (open == std::string::npos) return s;
  const std::size_t end = s.find_first_of("+)", open + 1);
  if (end == std::string::npos || end == open + 1) return s;
  const std::string mangled = s.substr(open + 1, end - open - 1);
  int status = 0;
  char* name = abi::__cxa_demangle(mangled.c_str(), nullptr, nullptr, &status);
  if (status == 0 && name) s.replace(open + 1, mangled.size(), name);
  std::free(name);
  return s;
}

// Continuation lines are indented so that no text can start a line with
// the record marker.
std::string Indented(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out += c;
    if (c == '\n') out += "  ";
  }
  while (!out.empty() && (out.back() == ' ' || out.back() == '\n')) out.pop_back();
  return out;
}

}  // namespace

CrashReporter::CrashReporter() : CrashReporter(Options{}) {}

CrashReporter::CrashReporter(Options options) : options_(std::move(options)) {
  if (options_.folder.empty()) options_.folder = CrashStateFolder();
  if (options_.version.empty()) options_.version = ProgramVersion();
  if (!options_.clock) options_.clock = [] { return std::time(nullptr); };
  if (options_.folder.empty()) {
    std::fprintf(stderr, "crash reporting: no home folder, crash records are not kept\n");
    return;
  }
  logPath_ = options_.folder + "/" + kCrashLogName;
  // The signal path only appends: the cap is applied at start-up too.
  std::string error;
  if (!MakeStateFolder(options_.folder, error) || !TrimCrashLogFile(logPath_, kCrashLogCap, error))
    std::fprintf(stderr, "crash reporting: %s\n", error.c_str());
}

CrashReporter::~CrashReporter() { uninstallSignalHandlers(); }

void CrashReporter::setShowMessage(std::function<void(const std::string&)> show) {
  std::lock_guard lock(mutex_);
  options_.showMessage = std::move(show);
}

void CrashReporter::addSecret(std::function<std::string()> source) {
  std::lock_guard lock(mutex_);
  secrets_.push_back(std::move(source));
}

void CrashReporter::addSecret(const std::string& secret) {
  addSecret([secret] { return secret; });
}

std::string CrashReporter::scrub(std::string text) const {
  std::vector<std::string> secrets;
  {
    std::lock_guard lock(mutex_);
    for (const auto& source : secrets_) {
      std::string s = source();
      if (!s.empty()) secrets.push_back(std::move(s));
    }
  }
  // Longer secrets first, so that one that contains another goes whole.
  std::sort(secrets.begin(), secrets.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  for (const std::string& s : secrets) {
    for (std::size_t at = text.find(s); at != std::string::npos; at = text.find(s, at + 3))
      text.replace(at, s.size(), "***");
  }
  return text;
}

std::string CrashReporter::describe(std::exception_ptr e) {
  if (!e) return "no exception";
  try {
    std::rethrow_exception(e);
  } catch (const std::exception& x) {
    return x.what();
  } catch (const std::string& s) {
    return s;
  } catch (const char* s) {
    return s ? s : "";
  } catch (...) {
    return "exception of an unknown type";
  }
}

std::vector<std::string> CrashReporter::backtraceLines() {
  void* frames[kMaxFrames];
  const int n = ::backtrace(frames, kMaxFrames);
  std::vector<std::string> lines;
  char** symbols = ::backtrace_symbols(frames, n);
  // Frame 0 is this function.
  for (int i = 1; i < n; ++i) {
    if (symbols) {
      lines.push_back(DemangledLine(symbols[i]));
    } else {
      char buf[32];
      std::snprintf(buf, sizeof buf, "[%p]", frames[i]);
      lines.emplace_back(buf);
    }
  }
  std::free(symbols);
  return lines;
}

void CrashReporter::reportException(std::exception_ptr e) {
  const std::string text = describe(e);
  writeRecord(makeRecord("exception: " + text));
  show(text);
}

void CrashReporter::report(const std::string& text) {
  writeRecord(makeRecord("error: " + text));
  show(text);
}

std::string CrashReporter::makeRecord(const std::string& what) {
  std::string kept = what.size() > kMaxText ? what.substr(0, kMaxText) + "..." : what;
  const std::vector<std::string> frames = backtraceLines();
  return scrub(FormatCrashRecord(options_.clock(), options_.version, Indented(kept), frames));
}

void CrashReporter::writeRecord(const std::string& record) {
  if (logPath_.empty()) return;
  std::lock_guard lock(mutex_);
  std::string error;
  if (!MakeStateFolder(options_.folder, error) || !AppendCrashLog(logPath_, record, error) ||
      !TrimCrashLogFile(logPath_, kCrashLogCap, error))
    std::fprintf(stderr, "crash reporting: %s\n", error.c_str());
}

void CrashReporter::show(const std::string& text) {
  const std::string shown = scrub(text);
  std::function<void(const std::string&)> showMessage;
  {
    std::lock_guard lock(mutex_);
    showMessage = options_.showMessage;
  }
  if (showMessage)
    showMessage(shown);
  else
    std::fprintf(stderr, "%s\n", shown.c_str());
}

void CrashReporter::installSignalHandlers() {
  if (logPath_.empty() || logPath_.size() >= sizeof gSignalData.path) return;
  uninstallSignalHandlers();
  if (gSignalOwner) {
    // Another component held them: it lets go, keeping the actions it saved.
    gSignalOwner->handlersInstalled_ = false;
  }
  std::memcpy(gSignalData.path, logPath_.c_str(), logPath_.size() + 1);
  const std::string version = options_.version.substr(0, sizeof gSignalData.version - 1);
  std::memcpy(gSignalData.version, version.c_str(), version.size() + 1);
  // The first backtrace loads the unwinder, which allocates: done here, not
  // in the handler.
  void* warm[2];
  (void)::backtrace(warm, 2);

  std::size_t size = 0;
  stack_t alt{};
  alt.ss_sp = AlternateStack(size);
  alt.ss_size = size;
  alt.ss_flags = 0;
  ::sigaltstack(&alt, nullptr);

  struct sigaction action {};
  action.sa_sigaction = OnFatalSignal;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  const bool keepPrevious = gSignalOwner == nullptr;
  for (int i = 0; i < kSignalCount; ++i) {
    struct sigaction previous {};
    ::sigaction(kFatalSignals[i], &action, &previous);
    if (keepPrevious) gSignalData.previous[i] = previous;
  }
  gInSignalHandler = 0;
  gSignalOwner = this;
  handlersInstalled_ = true;
}

void CrashReporter::uninstallSignalHandlers() {
  if (!handlersInstalled_ || gSignalOwner != this) return;
  for (int i = 0; i < kSignalCount; ++i)
    ::sigaction(kFatalSignals[i], &gSignalData.previous[i], nullptr);
  gSignalOwner = nullptr;
  handlersInstalled_ = false;
}

}  // namespace app

// The crash log file: its folder, the record layout and the size cap.
#include "app/crash/crash_log.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace app {

namespace {

std::string Reason(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

// Reads the whole file; false when it cannot be opened or read (a missing
// file reads as empty and true).
bool ReadFile(const std::string& path, std::string& out, std::string& error) {
  out.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return true;
    error = Reason("cannot open", path);
    return false;
  }
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      error = Reason("cannot read", path);
      ::close(fd);
      return false;
    }
    out.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return true;
}

bool WriteAll(int fd, const char* p, std::size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, p, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += w;
    n -= static_cast<std::size_t>(w);
  }
  return true;
}

}  // namespace

std::string CrashStateFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  // A relative value is not a usable base folder and is ignored.
  if (state && state[0] == '/') return std::string(state) + "/kavro";
  std::string home;
  if (const char* h = std::getenv("HOME"); h && h[0] == '/') {
    home = h;
  } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/') {
    home = pw->pw_dir;
  }
  if (home.empty()) return {};
  return home + "/.local/state/kavro";
}

bool MakeStateFolder(const std::string& folder, std::string& error) {
  if (folder.empty() || folder[0] != '/') {
    error = "no state folder";
    return false;
  }
  // Missing parents are made one by one, each private to the user as base
  // folders of user state are meant to be.
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      error = Reason("cannot create", part);
      return false;
    }
    if (slash == std::string::npos) break;
  }
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    errno = ENOTDIR;
    error = Reason("not a folder:", folder);
    return false;
  }
  if ((st.st_mode & 07777) != 0700 && ::chmod(folder.c_str(), 0700) != 0) {
    error = Reason("cannot make private", folder);
    return false;
  }
  return true;
}

void FormatCrashTime(std::time_t t, char* out) {
  // Days since 1970-01-01 to a civil date, in the proleptic Gregorian
  // calendar (eras of 400 years starting on 1 March).
  long long secs = static_cast<long long>(t);
  long long days = secs / 86400;
  long long rem = secs % 86400;
  if (rem < 0) {
    rem += 86400;
    --days;
  }
  const long long z = days + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const long long d = doy - (153 * mp + 2) / 5 + 1;
  const long long m = mp < 10 ? mp + 3 : mp - 9;
  long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  if (y < 0) y = 0;
  if (y > 9999) y = 9999;
  const long long hh = rem / 3600;
  const long long mm = rem / 60 % 60;
  const long long ss = rem % 60;
  auto put = [&out](int pos, long long v, int width) {
    for (int i = width - 1; i >= 0; --i) {
      out[pos + i] = static_cast<char>('0' + v % 10);
      v /= 10;
    }
  };
  const char pattern[] = "0000-00-00 00:00:00 UTC";
  static_assert(sizeof pattern == kCrashTimeLength + 1);
  for (std::size_t i = 0; i < sizeof pattern; ++i) out[i] = pattern[i];
  put(0, y, 4);
  put(5, m, 2);
  put(8, d, 2);
  put(11, hh, 2);
  put(14, mm, 2);
  put(17, ss, 2);
}

std::string FormatCrashRecord(std::time_t t, const std::string& version, const std::string& what,
                              const std::vector<std::string>& frames) {
  char time[kCrashTimeLength + 1];
  FormatCrashTime(t, time);
  std::string r = kCrashRecordMarker;
  r += "time: ";
  r += time;
  r += "\nversion: ";
  r += version;
  r += '\n';
  r += what;
  if (r.back() != '\n') r += '\n';
  r += "backtrace:\n";
  for (const std::string& f : frames) {
    r += f;
    r += '\n';
  }
  r += '\n';
  return r;
}

std::string TrimCrashLog(const std::string& text, std::size_t cap) {
  if (text.size() <= cap) return text;
  // A record starts at a marker that follows a newline; the first one at
  // or after the cut point is where the kept part begins.
  const std::string lineMarker = std::string("\n") + kCrashRecordMarker;
  const std::size_t at = text.find(lineMarker, text.size() - cap - 1);
  if (at == std::string::npos) return {};
  return text.substr(at + 1);
}

bool TrimCrashLogFile(const std::string& path, std::size_t cap, std::string& error) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return true;
    error = Reason("cannot read", path);
    return false;
  }
  if (static_cast<std::size_t>(st.st_size) <= cap) return true;
  std::string text;
  if (!ReadFile(path, text, error)) return false;
  const std::string kept = TrimCrashLog(text, cap);
  // The shortened log replaces the old one in one step: a crash during the
  // trim leaves the old log whole.
  const std::string temp = path + ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) {
    error = Reason("cannot create", temp);
    return false;
  }
  const bool written = ::fchmod(fd, 0600) == 0 && WriteAll(fd, kept.data(), kept.size());
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    error = Reason("cannot write", temp);
    ::unlink(temp.c_str());
    return false;
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    error = Reason("cannot replace", path);
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

bool AppendCrashLog(const std::string& path, const std::string& text, std::string& error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    error = Reason("cannot open", path);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && (st.st_mode & 07777) != 0600) (void)::fchmod(fd, 0600);
  const bool written = WriteAll(fd, text.data(), text.size());
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    error = Reason("cannot write", path);
    return false;
  }
  return true;
}

}  // namespace app

// INI file reading and writing behind the profile calls.
#include "platform/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace platform {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string stripBlanks(const std::string& s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

bool sameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// Cuts a value to the read buffer, stepping back over at most three UTF-8
// continuation bytes so that a character is never split in half.
std::string fitBuffer(std::string v) {
  const std::size_t limit = kProfileBufferSize - 1;
  if (v.size() <= limit) return v;
  std::size_t cut = limit;
  for (int step = 0; step < 3 && cut > 0 && (static_cast<unsigned char>(v[cut]) & 0xC0) == 0x80;
       ++step) {
    --cut;
  }
  if ((static_cast<unsigned char>(v[cut]) & 0xC0) == 0x80) cut = limit;  // not UTF-8 text
  v.resize(cut);
  return v;
}

std::optional<std::string> readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return data;
}

// The file as lines split at "\n"; a line keeps its "\r" so that lines we
// do not touch are written back exactly.
struct IniLines {
  std::vector<std::string> lines;
  bool crlf = false;
};

IniLines splitLines(const std::string& data) {
  IniLines out;
  std::size_t start = 0;
  while (start < data.size()) {
    std::size_t nl = data.find('\n', start);
    if (nl == std::string::npos) {
      out.lines.push_back(data.substr(start));
      break;
    }
    out.lines.push_back(data.substr(start, nl - start));
    start = nl + 1;
  }
  out.crlf = data.find("\r\n") != std::string::npos;
  // The last line gets a line end when the file is written again: give it
  // the file's own kind.
  if (out.crlf && !data.empty() && data.back() != '\n' && data.back() != '\r') {
    out.lines.back() += '\r';
  }
  return out;
}

// Section name of a "[name]" line, or nothing for other lines.
std::optional<std::string> sectionName(const std::string& line) {
  std::string t = stripBlanks(line);
  if (t.empty() || t[0] != '[') return std::nullopt;
  std::size_t close = t.find(']');
  return stripBlanks(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

// Key of a "key=value" line, or nothing for comments and other lines.
std::optional<std::string> keyName(const std::string& line) {
  std::string t = stripBlanks(line);
  if (t.empty() || t[0] == ';') return std::nullopt;
  std::size_t eq = t.find('=');
  if (eq == std::string::npos) return std::nullopt;
  return stripBlanks(t.substr(0, eq));
}

struct Located {
  std::optional<std::size_t> section;  // index of the "[section]" line
  std::optional<std::size_t> key;      // index of the key line inside it
  std::size_t sectionEnd = 0;          // one past the last non-blank line of the section
};

Located locate(const std::vector<std::string>& lines, const std::string& section,
               const std::string& key) {
  Located at;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (auto name = sectionName(lines[i])) {
      if (at.section) break;  // end of the section we looked in
      if (sameName(*name, section)) {
        at.section = i;
        at.sectionEnd = i + 1;
      }
      continue;
    }
    if (!at.section) continue;
    if (!stripBlanks(lines[i]).empty()) at.sectionEnd = i + 1;
    if (!at.key) {
      auto k = keyName(lines[i]);
      if (k && sameName(*k, key)) at.key = i;
    }
  }
  return at;
}

std::string oneLine(std::string value) {
  for (char& c : value) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return value;
}

std::string errnoText(int err) { return std::strerror(err); }

// The mode of a settings file the program creates: it may hold a proxy
// password, so only its owner may read it.
constexpr mode_t kNewFileMode = 0600;

bool writeAll(int fd, const std::string& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Why an atomic replacement failed, and whether writing the file in place
// may still work (the folder refused a new file or the rename).
struct ReplaceFailure {
  std::string reason;
  bool tryInPlace = false;
};

// Writes `data` beside `target` and renames it over the target.
std::optional<ReplaceFailure> replaceFile(const std::string& target, const std::string& data,
                                          std::optional<mode_t> mode) {
  std::string tmpl = target + ".XXXXXX";
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  // mkstemp creates the file for its owner only (0600) whatever the umask.
  int fd = ::mkstemp(name.data());
  if (fd < 0) return ReplaceFailure{"cannot create a file beside it: " + errnoText(errno), true};
  auto fail = [&](const std::string& what) {
    int err = errno;
    ::close(fd);
    ::unlink(name.data());
    return ReplaceFailure{what + ": " + errnoText(err)};
  };
  if (!writeAll(fd, data)) return fail("write failed");
  if (::fchmod(fd, mode.value_or(kNewFileMode)) != 0) return fail("cannot set permissions");
  if (::fsync(fd) != 0) return fail("cannot flush to disk");
  if (::close(fd) != 0) {
    int err = errno;
    ::unlink(name.data());
    return ReplaceFailure{"close failed: " + errnoText(err)};
  }
  if (::rename(name.data(), target.c_str()) != 0) {
    int err = errno;
    ::unlink(name.data());
    return ReplaceFailure{"cannot replace the file: " + errnoText(err),
                          err == EACCES || err == EPERM};
  }
  return std::nullopt;
}

// Writes the whole of `data` into the file itself, for a folder that allows
// no new file beside it: from the start, then cut to its length, then
// flushed to disk. A file that is not there yet is made for its owner only.
std::optional<std::string> writeInPlace(const std::string& target, const std::string& data) {
  int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, kNewFileMode);
  if (fd < 0) return "cannot open it for writing: " + errnoText(errno);
  auto fail = [&](const std::string& what) {
    int err = errno;
    ::close(fd);
    return what + ": " + errnoText(err);
  };
  if (!writeAll(fd, data)) return fail("write failed");
  if (::ftruncate(fd, static_cast<off_t>(data.size())) != 0) return fail("cannot set its length");
  if (::fsync(fd) != 0) return fail("cannot flush to disk");
  if (::close(fd) != 0) return "close failed: " + errnoText(errno);
  return std::nullopt;
}

}  // namespace

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path) {
  std::string fallback = fitBuffer(stripBlanks(defaultValue));
  auto data = readWholeFile(path);
  if (!data) return fallback;
  IniLines ini = splitLines(*data);
  Located at = locate(ini.lines, section, key);
  if (!at.key) return fallback;
  const std::string& line = ini.lines[*at.key];
  std::string value = stripBlanks(line.substr(line.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return fitBuffer(std::move(value));
}

ProfileWriteResult WritePrivateProfileString(const std::string& section, const std::string& key,
                                             const std::string& value, const std::string& path) {
  if (path.empty()) return {false, "no file name"};
  // Follow a symbolic link so that the file it names is updated, not replaced by a file.
  std::string target = path;
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) target = resolved;
  }
  std::optional<mode_t> mode;
  std::string data;
  if (::stat(target.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) return {false, "not a regular file"};
    if ((st.st_mode & 0222) == 0) return {false, "the file is read-only"};
    mode = st.st_mode & 07777;
    auto existing = readWholeFile(target);
    if (!existing) return {false, "cannot read the file: " + errnoText(errno)};
    data = std::move(*existing);
  } else if (errno != ENOENT) {
    return {false, errnoText(errno)};
  }

  IniLines ini = splitLines(data);
  const std::string cr = ini.crlf ? "\r" : "";
  Located at = locate(ini.lines, section, key);
  std::string entry = key + "=" + oneLine(value);
  if (at.key) {
    // Keep the key as the file spells it and the line's own ending.
    const std::string& old = ini.lines[*at.key];
    std::string oldKey = old.substr(0, old.find('='));
    bool hadCr = !old.empty() && old.back() == '\r';
    ini.lines[*at.key] = oldKey + "=" + oneLine(value) + (hadCr ? "\r" : "");
  } else if (at.section) {
    ini.lines.insert(ini.lines.begin() + static_cast<std::ptrdiff_t>(at.sectionEnd), entry + cr);
  } else {
    ini.lines.push_back("[" + section + "]" + cr);
    ini.lines.push_back(entry + cr);
  }
  std::string out;
  out.reserve(data.size() + entry.size() + section.size() + 8);
  for (const std::string& line : ini.lines) {
    out += line;
    out += '\n';
  }
  std::optional<ReplaceFailure> replaced = replaceFile(target, out, mode);
  if (!replaced) return {true, {}};
  if (!replaced->tryInPlace) return {false, replaced->reason};
  // A folder the user may not write to still lets a writable file be kept.
  std::optional<std::string> inPlace = writeInPlace(target, out);
  if (!inPlace) return {true, {}};
  return {false, replaced->reason + "; " + *inPlace};
}

}  // namespace platform

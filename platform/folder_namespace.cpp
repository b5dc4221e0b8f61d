// The folder namespace of the folder dialog on this platform's file system.
#include "platform/folder_namespace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QStorageInfo>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

namespace platform {

namespace {

std::string DecodeName(const std::string& bytes) {
  return QFile::decodeName(QByteArray::fromStdString(bytes)).toStdString();
}

std::string JoinPath(const std::string& parent, const std::string& name) {
  if (!parent.empty() && parent.back() == '/') return parent + name;
  return parent + "/" + name;
}

std::string BaseName(const std::string& path) {
  if (path == "/") return "/";
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string CanonicalPath(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
  return real ? std::string(real.get()) : std::string();
}

// Whether path lies at or inside folder (both without a trailing slash but
// for the root).
bool IsWithin(const std::string& path, const std::string& folder) {
  if (folder.empty()) return false;
  if (folder == "/") return !path.empty() && path.front() == '/';
  return path == folder ||
         (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
          path[folder.size()] == '/');
}

// A directory's link count is two plus its sub-directories on the file
// systems that count them; on others (a count of 1) nothing is known and
// the folder may have some.
bool MayHaveSubFolders(const struct stat& st) { return st.st_nlink != 2; }

// The user's own collation; under the plain C locale (which compares bytes)
// the collation of the classroom's language, so that names still sort by
// letter and number.
const QCollator& NameCollator() {
  static const QCollator collator = [] {
    QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C) locale = QLocale(QLocale::Chinese, QLocale::China);
    QCollator c(locale);
    c.setNumericMode(true);
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
  }();
  return collator;
}

}  // namespace

bool FolderNameLess(const std::string& a, const std::string& b) {
  return NameCollator().compare(QString::fromStdString(a), QString::fromStdString(b)) < 0;
}

bool IsRecognisedVolume(const std::string& type, const std::string& mountPoint) {
  static const std::array<const char*, 30> kSystemTypes = {
      "proc",      "sysfs",           "tmpfs",       "devtmpfs",   "devpts",
      "overlay",   "squashfs",        "cgroup",      "cgroup2",    "securityfs",
      "pstore",    "debugfs",         "tracefs",     "configfs",   "fusectl",
      "mqueue",    "hugetlbfs",       "bpf",         "autofs",     "binfmt_misc",
      "nsfs",      "ramfs",           "efivarfs",    "rpc_pipefs", "nfsd",
      "selinuxfs", "fuse.gvfsd-fuse", "fuse.portal", "devfs",      "none"};
  for (const char* t : kSystemTypes)
    if (type == t) return false;
  if (mountPoint == "/") return true;
  for (const char* p : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot", "/var/lib", "/tmp"}) {
    // Removable media are mounted under /run/media or /media; the rest of
    // /run and the other system places hold nothing a user would open.
    if (IsWithin(mountPoint, p) && !IsWithin(mountPoint, "/run/media")) return false;
  }
  return true;
}

std::vector<std::pair<std::string, std::string>> RecognisedVolumes() {
  std::vector<std::pair<std::string, std::string>> out;
  out.emplace_back("/", "/");
  for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
    if (!s.isValid() || !s.isReady()) continue;
    const std::string mount = QFile::encodeName(s.rootPath()).toStdString();
    const std::string type = s.fileSystemType().toStdString();
    if (mount == "/") {
      if (!s.name().isEmpty()) out.front().second = s.name().toStdString();
      continue;
    }
    if (!IsRecognisedVolume(type, mount)) continue;
    if (std::any_of(out.begin(), out.end(), [&](const auto& v) { return v.first == mount; }))
      continue;
    out.emplace_back(mount, s.name().isEmpty() ? DecodeName(mount) : s.name().toStdString());
  }
  std::sort(out.begin() + 1, out.end());
  return out;
}

FolderNamespace::FolderNamespace() {
  places_.desktopPath =
      QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation))
          .toStdString();
  places_.desktopName = QStandardPaths::displayName(QStandardPaths::DesktopLocation).toStdString();
  places_.homePath = QFile::encodeName(QDir::homePath()).toStdString();
  places_.homeName = DecodeName(BaseName(places_.homePath));
  places_.volumes = RecognisedVolumes();
}

FolderNamespace::FolderNamespace(Places places) : places_(std::move(places)) {}

FolderItem FolderNamespace::desktop() const {
  FolderItem d;
  d.kind = FolderKind::Desktop;
  d.displayName = places_.desktopName;
  d.parsingName = places_.desktopPath;
  d.iconName = "user-desktop";
  d.mayHaveChildren = true;  // it always holds the computer and the home folder
  return d;
}

FolderItem FolderNamespace::computer() const {
  FolderItem c;
  c.kind = FolderKind::Computer;
  c.displayName = kComputerDisplayName;
  c.parsingName = kComputerParsingName;
  c.iconName = "computer";
  c.mayHaveChildren = true;
  return c;
}

FolderItem FolderNamespace::plainDirectoryItem(const std::string& path, const std::string& name) {
  FolderItem it;
  it.kind = FolderKind::Directory;
  it.parsingName = path;
  it.displayName = DecodeName(name);
  it.iconName = "folder";
  return it;
}

FolderItem FolderNamespace::directoryItem(const std::string& path, const std::string& name) const {
  FolderItem it = plainDirectoryItem(path, name);
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) it.mayHaveChildren = MayHaveSubFolders(st);
  struct stat lst {};
  if (lstat(path.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
    // A link whose target holds the link would lead round in a circle.
    const std::string target = CanonicalPath(path);
    const auto slash = path.find_last_of('/');
    const std::string parent = CanonicalPath(slash == 0 ? std::string("/") : path.substr(0, slash));
    if (!target.empty() && IsWithin(parent, target)) {
      it.linkLoop = true;
      it.mayHaveChildren = false;
    }
  }
  return it;
}

std::optional<std::vector<FolderItem>> FolderNamespace::children(const FolderItem& item) const {
  std::vector<FolderItem> out;
  switch (item.kind) {
    case FolderKind::Desktop: {
      out.push_back(computer());
      FolderItem home = directoryItem(places_.homePath, BaseName(places_.homePath));
      home.kind = FolderKind::Home;
      home.displayName = places_.homeName;
      home.iconName = "user-home";
      out.push_back(home);
      if (!places_.desktopPath.empty() && places_.desktopPath != places_.homePath) {
        FolderItem desk = directoryItem(places_.desktopPath, BaseName(places_.desktopPath));
        if (auto sub = children(desk)) out.insert(out.end(), sub->begin(), sub->end());
      }
      return out;
    }
    case FolderKind::Computer:
      for (const auto& [mount, name] : places_.volumes) {
        FolderItem v = directoryItem(mount, name);
        v.kind = FolderKind::Volume;
        v.displayName = name;
        v.iconName = "drive-harddisk";
        out.push_back(v);
      }
      return out;
    case FolderKind::Home:
    case FolderKind::Volume:
    case FolderKind::Directory:
      break;
  }
  if (item.linkLoop) return out;
  DIR* dir = opendir(item.parsingName.c_str());
  if (dir == nullptr) return std::nullopt;
  struct Entry {
    QCollatorSortKey key;
    std::string name;
    // A plain directory (no link) whose link count was read here already;
    // -1 when its item must be made from its path.
    int links = -1;
  };
  std::vector<Entry> entries;
  const QCollator& collator = NameCollator();
  const int fd = dirfd(dir);
  while (dirent* e = readdir(dir)) {
    const char* name = e->d_name;
    if (name[0] == '.') continue;  // hidden, and the "." and ".." entries
    int links = -1;
    bool isDir = false;
    struct stat st {};
    if (e->d_type == DT_DIR) {
      // One look at the entry beside its folder tells all a plain
      // directory needs, without walking its path twice.
      isDir = true;
      if (fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode))
        links = static_cast<int>(st.st_nlink);
    } else if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
      isDir = fstatat(fd, name, &st, 0) == 0 && S_ISDIR(st.st_mode);
    }
    if (!isDir) continue;
    // Sort keys are made once per name, so a folder of many thousand
    // sub-folders sorts as fast as its keys compare.
    entries.push_back({collator.sortKey(QFile::decodeName(name)), name, links});
  }
  closedir(dir);
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    const int c = a.key.compare(b.key);
    return c != 0 ? c < 0 : a.name < b.name;
  });
  out.reserve(entries.size());
  for (const Entry& e : entries) {
    const std::string path = JoinPath(item.parsingName, e.name);
    if (e.links < 0) {
      out.push_back(directoryItem(path, e.name));
      continue;
    }
    FolderItem it = plainDirectoryItem(path, e.name);
    struct stat st {};
    st.st_nlink = static_cast<nlink_t>(e.links);
    it.mayHaveChildren = MayHaveSubFolders(st);
    out.push_back(std::move(it));
  }
  return out;
}

bool FolderNamespace::directoryExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<FolderItem> FolderNamespace::itemFor(const std::string& path) const {
  if (path == kComputerParsingName) return computer();
  if (!directoryExists(path)) return std::nullopt;
  if (path == places_.desktopPath) return desktop();
  FolderItem it = directoryItem(path, BaseName(path));
  if (path == places_.homePath) {
    it.kind = FolderKind::Home;
    it.displayName = places_.homeName;
    it.iconName = "user-home";
  }
  for (const auto& [mount, name] : places_.volumes) {
    if (mount == path) {
      it.kind = FolderKind::Volume;
      it.displayName = name;
      it.iconName = "drive-harddisk";
    }
  }
  return it;
}

std::optional<std::vector<FolderItem>> FolderNamespace::chainTo(const std::string& rawPath) const {
  if (rawPath == kComputerParsingName) return chainToComputer();
  if (!directoryExists(rawPath)) return std::nullopt;
  // The path as written, without a trailing slash (the root stays "/").
  std::string path = rawPath;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.front() != '/') {
    const std::string abs = CanonicalPath(path);
    if (abs.empty()) return std::nullopt;
    path = abs;
  }
  std::vector<FolderItem> chain{desktop()};
  if (path == places_.desktopPath) return chain;
  // The most specific place that holds the path: the desktop's own folders,
  // then the home folder, then the volume with the longest mount point.
  std::string base;
  if (!places_.desktopPath.empty() && places_.desktopPath != places_.homePath &&
      IsWithin(path, places_.desktopPath)) {
    base = places_.desktopPath;
  } else if (IsWithin(path, places_.homePath)) {
    base = places_.homePath;
    const std::optional<FolderItem> home = itemFor(base);
    if (!home) return std::nullopt;
    chain.push_back(*home);
  } else {
    for (const auto& v : places_.volumes)
      if (IsWithin(path, v.first) && v.first.size() > base.size()) base = v.first;
    if (base.empty()) return std::nullopt;
    chain.push_back(computer());
    if (auto vol = itemFor(base)) chain.push_back(*vol);
  }
  // Then every folder between the place and the path.
  if (path != base) {
    std::size_t at = base == "/" ? 1 : base.size() + 1;
    for (;;) {
      const auto next = path.find('/', at);
      const std::optional<FolderItem> it = itemFor(path.substr(0, next));
      if (!it) return std::nullopt;
      chain.push_back(*it);
      if (next == std::string::npos) break;
      at = next + 1;
    }
  }
  return chain;
}

std::optional<FolderItem> FolderNamespace::rename(const FolderItem& item,
                                                  const std::string& newName,
                                                  std::string* reason) const {
  auto fail = [&](const std::string& why) -> std::optional<FolderItem> {
    if (reason) *reason = why;
    return std::nullopt;
  };
  if (item.kind != FolderKind::Directory) return fail("this folder cannot be renamed");
  if (newName.empty() || newName == "." || newName == ".." ||
      newName.find('/') != std::string::npos || newName.find('\0') != std::string::npos)
    return fail("a folder name cannot be empty, \".\", \"..\" or hold \"/\"");
  const auto slash = item.parsingName.find_last_of('/');
  const std::string parent = slash == 0 ? std::string("/") : item.parsingName.substr(0, slash);
  const std::string target = JoinPath(parent, newName);
  struct stat st {};
  if (lstat(target.c_str(), &st) == 0) return fail("the name is taken");
  if (std::rename(item.parsingName.c_str(), target.c_str()) != 0) return fail(std::strerror(errno));
  return directoryItem(target, newName);
}

bool FolderNamespace::moveToTrash(const FolderItem& item, std::string* reason) const {
  if (item.kind != FolderKind::Directory) {
    if (reason) *reason = "this folder cannot be deleted";
    return false;
  }
  QFile f(QFile::decodeName(QByteArray::fromStdString(item.parsingName)));
  if (!f.moveToTrash()) {
    if (reason) *reason = f.errorString().toStdString();
    return false;
  }
  return true;
}

std::optional<std::string> FolderNamespace::createFolder(const FolderItem& parent,
                                                         const std::string& name,
                                                         std::string* reason) const {
  if (parent.kind == FolderKind::Computer) {
    if (reason) *reason = "no folder can be made here";
    return std::nullopt;
  }
  for (int n = 1; n < 10000; ++n) {
    const std::string candidate =
        JoinPath(parent.parsingName, n == 1 ? name : name + " (" + std::to_string(n) + ")");
    if (mkdir(candidate.c_str(), 0777) == 0) return candidate;
    if (errno != EEXIST) {
      if (reason) *reason = std::strerror(errno);
      return std::nullopt;
    }
  }
  if (reason) *reason = "every name is taken";
  return std::nullopt;
}

bool FolderNamespace::isZipFolder(const std::string& path) {
  if (path.size() < 4) return false;
  std::string tail = path.substr(path.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".zip";
}

}  // namespace platform

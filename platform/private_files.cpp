// Owner-only folders for the program's per-user files.
#include "platform/private_files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace platform {

bool MakePrivateFolders(const std::string& path, std::string* reason) {
  auto fail = [&](const std::string& folder, int err) {
    if (reason != nullptr) *reason = folder + ": " + std::strerror(err);
    return false;
  };
  if (path.empty()) return fail("(no folder)", ENOENT);
  // Each prefix ending before a "/", then the whole path.
  for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
    const std::string folder = path.substr(0, end);
    struct stat st {};
    if (!folder.empty() && folder.back() != '/' && ::stat(folder.c_str(), &st) != 0) {
      if (errno != ENOENT) return fail(folder, errno);
      if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return fail(folder, errno);
      // mkdir's mode passes through the umask; 0700 only ever loses bits there.
      if (::chmod(folder.c_str(), 0700) != 0) return fail(folder, errno);
    } else if (!folder.empty() && folder.back() != '/' && !S_ISDIR(st.st_mode)) {
      return fail(folder, ENOTDIR);
    }
    if (end == std::string::npos) break;
  }
  return true;
}

}  // namespace platform

// Profile calls: read and write single keys of a plain INI file with the
// behaviour teachers' settings files have always had (case-insensitive
// section and key names, blanks stripped around values and defaults, a
// 2048-byte read buffer, every write reaching the disk at once).
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace platform {

// Size of the buffer a value is read into: at most kProfileBufferSize - 1
// bytes of a value come back.
inline constexpr std::size_t kProfileBufferSize = 2048;

// Returns the value of `key` in `section` of the INI file at `path`, or
// `defaultValue` when the file, the section or the key is missing. Blanks
// around the value (and around the default) are stripped, one pair of
// matching quotes around the value is removed, and the result is cut to
// kProfileBufferSize - 1 bytes without splitting a UTF-8 character.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path);

// Why a write failed, for the caller's message.
struct ProfileWriteResult {
  bool ok = false;
  std::string reason;  // empty on success
};

// Sets `key` in `section` to `value`, creating the file and the section when
// missing and leaving every other line of the file as it was. Where the
// folder allows it the new contents replace the file in one step (written
// beside it, flushed to disk, then renamed over it), so a failure never
// leaves half a file; in a folder that refuses new files a writable file is
// written in place instead (the whole content, flushed to disk). A new file
// is readable and writable by its owner only; an existing file keeps its
// mode. A file without write permission counts as read-only and is refused.
// Line breaks inside `value` would split the line and plant keys of their
// own, so they are written as blanks.
ProfileWriteResult WritePrivateProfileString(const std::string& section, const std::string& key,
                                             const std::string& value, const std::string& path);

}  // namespace platform

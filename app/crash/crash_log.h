// The crash log: where it lives, how a record is laid out, and the cap that
// drops the oldest records. A record is plain text opened by a marker line,
// so that both the normal path and the signal path can write it and the cap
// can cut the file between whole records.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

namespace app {

// Opens every record, on a line of its own.
inline constexpr const char* kCrashRecordMarker = "=== kavro crash record ===\n";
inline constexpr const char* kCrashLogName = "crash.log";
// Past this size the oldest whole records are dropped.
inline constexpr std::size_t kCrashLogCap = 1024 * 1024;

// The user's state folder of the program: $XDG_STATE_HOME/kavro when that
// variable holds an absolute path, else $HOME/.local/state/kavro (the home
// folder from the password database when HOME is unset). Empty when no home
// folder can be found. Nothing is created.
std::string CrashStateFolder();

// Creates folder and its missing parents; the state folder itself is made
// (or narrowed to) mode 0700. False, with the reason in error, on failure.
bool MakeStateFolder(const std::string& folder, std::string& error);

// Writes the UTC time t as "YYYY-MM-DD hh:mm:ss UTC" into out (at least
// kCrashTimeLength + 1 bytes), NUL-terminated. Pure arithmetic with no
// library call, so the signal path can use it.
inline constexpr std::size_t kCrashTimeLength = 23;
void FormatCrashTime(std::time_t t, char* out);

// The whole record: marker, "time: ", "version: ", what happened, then
// "backtrace:" and one line per frame, and an empty line.
std::string FormatCrashRecord(std::time_t t, const std::string& version, const std::string& what,
                              const std::vector<std::string>& frames);

// Drops the oldest whole records of text until it fits in cap bytes. Bytes
// before the first marker (a torn start) go first; a single record larger
// than the cap goes too, leaving an empty log.
std::string TrimCrashLog(const std::string& text, std::size_t cap = kCrashLogCap);

// Applies the cap to the file at path in place (through a temporary file
// renamed over it, mode 0600). A missing file is fine. False on failure.
bool TrimCrashLogFile(const std::string& path, std::size_t cap, std::string& error);

// Appends text to the file at path, creating it with mode 0600 (an
// existing file is narrowed to 0600). False, with the reason, on failure.
bool AppendCrashLog(const std::string& path, const std::string& text, std::string& error);

}  // namespace app

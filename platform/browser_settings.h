// The per-user store of the two settings of the embedded browser: whether
// pages are checked for a newer version on every visit ("SyncMode5" 3) and
// whether script debugging is off ("DisableScriptDebuggerIE" "yes"). One
// small file under the user's configuration folder; every write reaches the
// file at once, and a write that fails throws.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

namespace platform {

class BrowserSettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class BrowserSettings {
 public:
  static constexpr const char* kSyncMode5 = "SyncMode5";
  static constexpr const char* kDisableScriptDebugger = "DisableScriptDebuggerIE";
  // The value of "SyncMode5" that checks for a newer version on every visit.
  static constexpr std::uint32_t kCheckEveryVisit = 3;

  // The file of the current user: <configuration folder>/kavro/browser-settings.ini.
  static std::string defaultPath();

  // Reads the file when it exists; a missing file holds no values.
  explicit BrowserSettings(std::string path = defaultPath());

  const std::string& path() const { return path_; }

  std::optional<std::string> stringValue(const std::string& name) const;
  std::optional<std::uint32_t> dwordValue(const std::string& name) const;
  // Store a value and write the file at once; BrowserSettingsError when the
  // file cannot be written (the stored values then stay as they were).
  void setString(const std::string& name, const std::string& value);
  void setDword(const std::string& name, std::uint32_t value);

  bool checksEveryVisit() const;
  bool scriptDebuggerDisabled() const;

 private:
  void write(const std::map<std::string, std::string>& values) const;

  std::string path_;
  std::map<std::string, std::string> values_;
};

}  // namespace platform

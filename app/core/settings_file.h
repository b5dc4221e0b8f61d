// The teacher's settings file: the last server, port, classroom number, skin
// and proxy choices, kept in "kavro.ini" in the working directory of the
// process at the time the login window is made, section "teacher".
#pragma once

#include <stdexcept>
#include <string>

namespace app {

// A write to the settings file failed. what() is "Unable to write to <path>".
class SettingsWriteError : public std::runtime_error {
 public:
  SettingsWriteError(const std::string& path, std::string reason);
  const std::string& path() const { return path_; }
  const std::string& reason() const { return reason_; }  // what the system said

 private:
  std::string path_;
  std::string reason_;
};

// The login window's side of loading: each call fills boxes or runs one of
// its change steps, in the order the settings are read.
class SettingsLoadTarget {
 public:
  virtual ~SettingsLoadTarget() = default;
  // Select the stored skin, then run the skin selector's change step.
  virtual void selectSkin(int index) = 0;
  virtual void selectProxyMode(int index) = 0;
  virtual void setProxyBoxes(const std::string& server, const std::string& port,
                             const std::string& user, const std::string& password) = 0;
  // The proxy mode selector's change step (enables or disables the proxy boxes).
  virtual void proxyModeChanged() = 0;
  virtual void setServerBoxes(const std::string& server, const std::string& port,
                              const std::string& classroom) = 0;
};

// What a save writes: the boxes' texts and the selectors' indexes (-1 when
// nothing is selected).
struct LoginSettings {
  int skin = 0;
  std::string server;
  std::string port;  // written trimmed
  std::string classroom;
  int proxyMode = 0;
  std::string proxyServer;
  std::string proxyPort;
  std::string proxyUser;
  std::string proxyPass;
};

class SettingsFile {
 public:
  // The file "kavro.ini" in the current working directory.
  SettingsFile();
  explicit SettingsFile(std::string path);

  const std::string& path() const { return path_; }

  // Reads every key into `target` in the login window's order. A missing
  // file or key gives the key's default; a "skin" or "proxymode" value that
  // is not a decimal integer gives 0.
  void Load(SettingsLoadTarget& target) const;
  // Reads everything into plain values (the same rules as Load).
  LoginSettings Read() const;

  // Writes the keys one by one, each reaching the file at once. Throws
  // SettingsWriteError at the first key that cannot be written.
  void Save(const LoginSettings& values) const;

  // One key of section "teacher"; exposed for the rare caller that needs a
  // single value.
  std::string ReadString(const std::string& key, const std::string& defaultValue) const;
  void WriteString(const std::string& key, const std::string& value) const;

 private:
  int readIndex(const std::string& key) const;

  std::string path_;
};

// The settings file name inside the working directory.
inline constexpr const char* kSettingsFileName = "kavro.ini";
inline constexpr const char* kSettingsSection = "teacher";

}  // namespace app

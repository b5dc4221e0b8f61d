// Loading and saving the teacher's settings file through the profile calls.
#include "app/core/settings_file.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "app/core/reply_text.h"
#include "platform/profile.h"

namespace app {
namespace {

std::string workingDirectory() {
  std::vector<char> buf(PATH_MAX);
  while (::getcwd(buf.data(), buf.size()) == nullptr) {
    if (errno != ERANGE) return ".";
    buf.resize(buf.size() * 2);
  }
  return buf.data();
}

}  // namespace

SettingsWriteError::SettingsWriteError(const std::string& path, std::string reason)
    : std::runtime_error("Unable to write to " + path), path_(path), reason_(std::move(reason)) {}

SettingsFile::SettingsFile() : path_(workingDirectory() + "/" + kSettingsFileName) {}

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {}

std::string SettingsFile::ReadString(const std::string& key,
                                     const std::string& defaultValue) const {
  return platform::GetPrivateProfileString(kSettingsSection, key, defaultValue, path_);
}

void SettingsFile::WriteString(const std::string& key, const std::string& value) const {
  platform::ProfileWriteResult r =
      platform::WritePrivateProfileString(kSettingsSection, key, value, path_);
  if (!r.ok) throw SettingsWriteError(path_, r.reason);
}

int SettingsFile::readIndex(const std::string& key) const {
  // A stored index that is not a decimal integer selects the first item.
  return ParseInteger(ReadString(key, "0")).value_or(0);
}

void SettingsFile::Load(SettingsLoadTarget& target) const {
  target.selectSkin(readIndex("skin"));
  target.selectProxyMode(readIndex("proxymode"));
  std::string proxyServer = ReadString("proxyserver", " ");
  std::string proxyPort = ReadString("proxyport", " ");
  std::string proxyUser = ReadString("proxyuser", " ");
  std::string proxyPass = ReadString("proxypass", "");
  target.setProxyBoxes(proxyServer, proxyPort, proxyUser, proxyPass);
  target.proxyModeChanged();
  std::string server = ReadString("server", " ");
  std::string port = ReadString("port", "80");
  std::string classroom = ReadString("classroom", " ");
  target.setServerBoxes(server, port, classroom);
}

LoginSettings SettingsFile::Read() const {
  struct Collect : SettingsLoadTarget {
    LoginSettings v;
    void selectSkin(int index) override { v.skin = index; }
    void selectProxyMode(int index) override { v.proxyMode = index; }
    void setProxyBoxes(const std::string& server, const std::string& port, const std::string& user,
                       const std::string& password) override {
      v.proxyServer = server;
      v.proxyPort = port;
      v.proxyUser = user;
      v.proxyPass = password;
    }
    void proxyModeChanged() override {}
    void setServerBoxes(const std::string& server, const std::string& port,
                        const std::string& classroom) override {
      v.server = server;
      v.port = port;
      v.classroom = classroom;
    }
  } collect;
  Load(collect);
  return collect.v;
}

void SettingsFile::Save(const LoginSettings& values) const {
  WriteString("skin", std::to_string(values.skin));
  WriteString("server", values.server);
  WriteString("port", TrimBlanks(values.port));
  WriteString("classroom", values.classroom);
  WriteString("proxymode", std::to_string(values.proxyMode));
  WriteString("proxyserver", values.proxyServer);
  WriteString("proxyport", values.proxyPort);
  WriteString("proxyuser", values.proxyUser);
  WriteString("proxypass", values.proxyPass);
}

}  // namespace app

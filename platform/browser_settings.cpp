// The browser settings file: "name=value" lines, written whole through a
// temporary file so that a failed write never leaves half a file.
#include "platform/browser_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QString>

#include "platform/private_files.h"

namespace platform {

namespace {
QString Q(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

std::string BrowserSettings::defaultPath() {
  QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
  return (base + QStringLiteral("/kavro/browser-settings.ini")).toStdString();
}

BrowserSettings::BrowserSettings(std::string path) : path_(std::move(path)) {
  QFile f(Q(path_));
  if (!f.open(QIODevice::ReadOnly)) return;
  // The file is small; anything beyond a sane size is not ours.
  const QByteArray bytes = f.read(64 * 1024);
  for (const QByteArray& raw : bytes.split('\n')) {
    const QByteArray line = raw.trimmed();
    const int eq = line.indexOf('=');
    if (line.isEmpty() || line.startsWith('#') || line.startsWith('[') || eq <= 0) continue;
    values_[line.left(eq).trimmed().toStdString()] = line.mid(eq + 1).trimmed().toStdString();
  }
}

std::optional<std::string> BrowserSettings::stringValue(const std::string& name) const {
  auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::optional<std::uint32_t> BrowserSettings::dwordValue(const std::string& name) const {
  auto s = stringValue(name);
  if (!s) return std::nullopt;
  bool ok = false;
  const qulonglong v = QString::fromStdString(*s).toULongLong(&ok);
  if (!ok || v > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(v);
}

void BrowserSettings::setString(const std::string& name, const std::string& value) {
  if (name.empty() || name.find_first_of("=\r\n") != std::string::npos ||
      value.find_first_of("\r\n") != std::string::npos)
    throw BrowserSettingsError("browser settings: invalid name or value for \"" + name + "\"");
  auto next = values_;
  next[name] = value;
  write(next);
  values_ = std::move(next);
}

void BrowserSettings::setDword(const std::string& name, std::uint32_t value) {
  setString(name, std::to_string(value));
}

bool BrowserSettings::checksEveryVisit() const {
  return dwordValue(kSyncMode5) == kCheckEveryVisit;
}

bool BrowserSettings::scriptDebuggerDisabled() const {
  return stringValue(kDisableScriptDebugger) == std::string("yes");
}

void BrowserSettings::write(const std::map<std::string, std::string>& values) const {
  const QString path = Q(path_);
  const QString dir = QFileInfo(path).absolutePath();
  std::string why;
  if (!MakePrivateFolders(dir.toStdString(), &why))
    throw BrowserSettingsError("browser settings: cannot create the folder " + dir.toStdString() +
                               ": " + why);
  const bool existed = QFileInfo::exists(path);
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly))
    throw BrowserSettingsError("browser settings: cannot write " + path_ + ": " +
                               f.errorString().toStdString());
  // A new file is its owner's alone (the temporary file it is written to
  // as well); an existing one keeps its mode, which the save carries over.
  if (!existed && !f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
    throw BrowserSettingsError("browser settings: cannot set the permissions of " + path_);
  QByteArray text("[browser]\n");
  for (const auto& [k, v] : values) text += QByteArray::fromStdString(k + "=" + v + "\n");
  if (f.write(text) != text.size() || !f.commit())
    throw BrowserSettingsError("browser settings: cannot write " + path_ + ": " +
                               f.errorString().toStdString());
}

}  // namespace platform

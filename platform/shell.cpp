// Opening web addresses through QDesktopServices, behind a replaceable
// handler, after checking the address's scheme.
#include "platform/shell.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace platform {

namespace {

AddressOpener& Opener() {
  static AddressOpener opener;
  return opener;
}

bool OpenWithDesktop(const std::string& address) {
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::StrictMode));
}

}  // namespace

bool IsOpenableWebAddress(const std::string& address) {
  for (const unsigned char c : address) {
    if (c <= 0x20 || c == 0x7f) return false;
  }
  const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
  if (!url.isValid() || url.isRelative()) return false;
  const QString scheme = url.scheme().toLower();
  if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) return false;
  return !url.host().isEmpty();
}

ShellOpenResult ShellOpen(const std::string& address) {
  if (!IsOpenableWebAddress(address)) return ShellOpenResult::Refused;
  const AddressOpener& opener = Opener();
  const bool opened = opener ? opener(address) : OpenWithDesktop(address);
  return opened ? ShellOpenResult::Opened : ShellOpenResult::Failed;
}

void SetAddressOpener(AddressOpener opener) { Opener() = std::move(opener); }

}  // namespace platform

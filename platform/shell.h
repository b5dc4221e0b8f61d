// Opening a web address with the desktop's default handler (the browser the
// user chose). Only http: and https: addresses with a host are opened:
// anything else (file:, javascript:, a program path, a malformed address)
// is refused, because a click in the interface must never run or open a
// local thing. The handler behind it can be replaced, so tests open nothing.
#pragma once

#include <functional>
#include <string>

namespace platform {

enum class ShellOpenResult {
  Opened,   // handed to the desktop's handler
  Refused,  // not an http: or https: address: nothing was started
  Failed,   // the desktop's handler could not open it
};

// Whether address is one ShellOpen hands on: an absolute http: or https:
// address with a host, without spaces or control characters.
bool IsOpenableWebAddress(const std::string& address);

// Opens address with the desktop's default handler, when it is openable.
ShellOpenResult ShellOpen(const std::string& address);

// Replaces the desktop's handler (true: opened); an empty function puts the
// desktop's handler back.
using AddressOpener = std::function<bool(const std::string& address)>;
void SetAddressOpener(AddressOpener opener);

}  // namespace platform

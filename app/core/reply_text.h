// Reading the short text replies of the server and the boxes' texts: blank
// trimming, the strict integer rule, and turning reply bytes into text that
// can be shown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace app {

// The text without leading and trailing blanks (and other control
// characters, which the boxes never mean as content).
std::string TrimBlanks(std::string_view text);

// The whole text as a 32-bit signed decimal integer: optional leading blanks,
// an optional sign, digits and nothing after them. Anything else (a trailing
// line break, hex, an overflow, no digits) gives nothing.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

// A server message for display. Replies are UTF-8 text on this platform; a
// reply that is not valid UTF-8 comes from a server written for Chinese
// clients and is decoded as GB18030. Bytes that even GB18030 cannot read are
// shown as U+FFFD. The reply's bytes themselves are never changed.
std::string DisplayTextOfReply(std::string_view bytes);

}  // namespace app

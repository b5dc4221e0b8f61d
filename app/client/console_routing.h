// The text rules of the teacher console, apart from its window: which
// addresses stay in the function list, which page titles become captions,
// what the status label shows, the element a page's folder request names,
// and the load-time text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace app {

// The address a page navigates to when it asks for a local folder; the
// element name and one further character follow it.
inline constexpr std::string_view kFolderRequestPrefix = "http://selectdialog/";

// Whether a navigation in the function list stays there: its address holds
// "left.jsp", letter case included. Every other address opens in the main
// pane.
bool StaysInFunctionList(std::string_view url);

// The title a browser reported, read the way the caption rules expect: the
// browser engine shows an untitled page (and every page until its title has
// arrived) by its address without the leading "http://"; that stand-in is
// taken as the full address, which gives no caption.
std::string ReportedTitle(std::string_view title, std::string_view location);

// The caption a page title gives, or nothing for a title that holds
// "http://" (the address an untitled page shows in its place).
std::optional<std::string> CaptionFromTitle(std::string_view title);

// The status label's text for a status text: the part before the first
// "http://", or the whole text when it holds none.
std::string StatusLabelText(std::string_view statusText);

// The element a folder request names, or nothing when the address is no
// folder request. The name starts right after the prefix and is as many
// characters long as the address less 21, cut at the address's end: for
// "http://selectdialog/exportpath/" it is "exportpath". Characters are
// counted as characters of the text, never as bytes, so a name in Chinese
// is never cut inside a character.
std::optional<std::string> FolderRequestElement(std::string_view url);

// "耗时" + the milliseconds from start to now + "ms", in 32-bit unsigned
// arithmetic, so a tick count that wrapped around still gives the time
// that passed.
std::string LoadTimeText(std::uint32_t startTick, std::uint32_t nowTick);

// The system's millisecond tick counter (steady, since an arbitrary start),
// truncated to 32 bits like the tick count the load time is taken from.
std::uint32_t TickCount();

}  // namespace app

// The pictures of the windows that the program carries (message icons and
// the like), as the PNG or JPEG bytes of their files in resources/pictures.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace app {

// The bytes of the picture file of that name ("message-error-32.png"),
// empty when the program carries none of that name.
std::span<const std::uint8_t> BuiltinPicture(std::string_view fileName);

}  // namespace app
